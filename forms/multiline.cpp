#include "multiline.h"

#include <QMimeData>
#include <QTextOption>

namespace forms {

MultiLineTextBox::MultiLineTextBox(QWidget *parent, const QString &name) : QPlainTextEdit(parent)
{
    setObjectName(name);
    setLayoutDirection(Qt::RightToLeft);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
    connect(this, &QPlainTextEdit::textChanged, this, &MultiLineTextBox::edited);
}

void MultiLineTextBox::setText(const QString &text)
{
    if (text == text_)
        return;
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    writing_ = true;
    setPlainText(shown);
    writing_ = false;
    text_ = text;
    emit changed();
}

// The pupil's edit: each line break reads back as CR LF.
void MultiLineTextBox::edited()
{
    if (writing_)
        return;
    QString now = toPlainText();
    now.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    if (now == text_)
        return;
    text_ = now;
    emit changed();
}

void MultiLineTextBox::setLocked(bool on)
{
    setReadOnly(on);
    if (on)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
}

void MultiLineTextBox::setTextColor(const QColor &color)
{
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Text, color);
    setPalette(p);
}

bool MultiLineTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    return !isReadOnly() && source && source->hasText() && !source->text().isEmpty();
}

void MultiLineTextBox::insertFromMimeData(const QMimeData *source)
{
    if (!canInsertFromMimeData(source))
        return;
    insertPlainText(source->text());
    ensureCursorVisible();
}

} // namespace forms
