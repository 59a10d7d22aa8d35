#include "multiline.h"

#include "palette.h"

#include <QAbstractTextDocumentLayout>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

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
    softBreaks_.clear();
    text_ = text;
    emit changed();
}

namespace {
// A paragraph longer than this is laid out in parts once text is appended.
constexpr int PartLength = 16384;
} // namespace

void MultiLineTextBox::appendText(const QString &more)
{
    if (more.isEmpty())
        return;
    QString shown = more;
    // A CR already at the end and this LF make one line break together.
    if (text_.endsWith(QLatin1Char('\r')) && shown.startsWith(QLatin1Char('\n')))
        shown.remove(0, 1);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));

    // Qt lays out a paragraph as a whole at every change. A long last
    // paragraph is cut where its last line starts: the lines above stay as
    // they are and the appended text lays out with that line alone.
    int cutAt = -1;
    const QTextBlock last = document()->lastBlock();
    if (last.length() > PartLength) {
        if (!last.layout() || last.layout()->lineCount() == 0)
            document()->documentLayout()->blockBoundingRect(last);
        const QTextLayout *layout = last.layout();
        if (layout && layout->lineCount() > 1)
            cutAt = last.position() + layout->lineAt(layout->lineCount() - 1).textStart();
    }

    writing_ = true;
    QTextCursor cursor(document());
    // One edit block: one undo step, never merged with typing.
    cursor.beginEditBlock();
    if (cutAt > 0) {
        cursor.setPosition(cutAt);
        cursor.insertBlock();
    }
    cursor.setPosition(document()->characterCount() - 1);
    cursor.insertText(shown);
    cursor.endEditBlock();
    writing_ = false;
    if (cutAt > 0) {
        QTextCursor mark(document());
        mark.setPosition(cutAt + 1);
        mark.setKeepPositionOnInsert(true); // text typed at the start of the part stays in it
        softBreaks_.append(mark);
    }
    // The caret goes back to the start, where writing the whole text left it.
    setTextCursor(QTextCursor(document()));
    text_ += more;
    emit changed();
}

// The text as it reads back: each line break as CR LF, the breaks that
// appendText() placed left out.
QString MultiLineTextBox::shownText() const
{
    QString plain = toPlainText();
    QList<int> soft;
    for (const QTextCursor &mark : softBreaks_)
        if (mark.position() > 0 && mark.positionInBlock() == 0)
            soft.append(mark.position() - 1);
    std::sort(soft.begin(), soft.end());
    QString now;
    now.reserve(plain.size() + plain.size() / 16);
    int from = 0;
    auto copy = [&](int to) {
        for (int i = from; i < to; ++i) {
            if (plain.at(i) == QLatin1Char('\n'))
                now += QLatin1Char('\r');
            now += plain.at(i);
        }
    };
    for (int at : soft) {
        if (at < from || at >= plain.size())
            continue;
        copy(at);
        from = at + 1;
    }
    copy(int(plain.size()));
    return now;
}

// The pupil's edit: each line break reads back as CR LF.
void MultiLineTextBox::edited()
{
    if (writing_)
        return;
    const QString now = shownText();
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

void MultiLineTextBox::setTextColor(const QColor &color) { setRoleColor(this, QPalette::Text, color); }

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
