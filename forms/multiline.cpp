#include "multiline.h"

#include "palette.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>
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

namespace {
// A paragraph longer than this is laid out in parts once text is appended.
constexpr int PartLength = 16384;

// appendText() lays a long paragraph out in parts, split by paragraph breaks
// placed where a line wraps anyway. Such a break carries this property in its
// character format, so that it keeps it through undo and redo; it shows
// nothing and reads back as nothing.
constexpr int PartBreak = QTextFormat::UserProperty;

QTextCharFormat partBreakFormat()
{
    QTextCharFormat format;
    format.setProperty(PartBreak, true);
    return format;
}

// Whether the break before this block only parts a long paragraph.
bool partedFromAbove(const QTextBlock &block)
{
    return block.isValid() && block.position() > 0 && block.charFormat().boolProperty(PartBreak);
}
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
        cursor.insertBlock(cursor.blockFormat(), partBreakFormat());
    }
    cursor.setPosition(document()->characterCount() - 1);
    cursor.insertText(shown, QTextCharFormat());
    cursor.endEditBlock();
    writing_ = false;
    // The caret goes back to the start, where writing the whole text left it.
    setTextCursor(QTextCursor(document()));
    text_ += more;
    emit changed();
}

QString MultiLineTextBox::readBack(int from, int to) const
{
    QTextCursor range(document());
    range.setPosition(from);
    range.setPosition(to, QTextCursor::KeepAnchor);
    const QString raw = range.selectedText();
    QString text;
    text.reserve(raw.size() + raw.size() / 16);
    QTextBlock block = document()->findBlock(from);
    qsizetype start = 0;
    for (qsizetype at; (at = raw.indexOf(QChar::ParagraphSeparator, start)) >= 0; start = at + 1) {
        text += QStringView(raw).mid(start, at - start);
        block = block.next();
        if (!partedFromAbove(block))
            text += QLatin1String("\r\n");
    }
    text += QStringView(raw).mid(start);
    return text;
}

// A part emptied by the pupil's edit would show as an empty line and lend its
// break to what is typed into it: the break that parted it goes, within the
// same undo step.
void MultiLineTextBox::mendEmptyParts()
{
    for (QTextBlock block = document()->begin().next(); block.isValid();) {
        const QTextBlock next = block.next();
        if (partedFromAbove(block) && (block.length() == 1 || block.previous().length() == 1)) {
            QTextCursor cursor(document());
            cursor.joinPreviousEditBlock();
            cursor.setPosition(block.position() - 1);
            cursor.deleteChar();
            cursor.endEditBlock();
        }
        block = next;
    }
}

// The pupil's edit: each line break reads back as CR LF.
void MultiLineTextBox::edited()
{
    if (writing_)
        return;
    writing_ = true;
    mendEmptyParts();
    writing_ = false;
    const QString now = readBack(0, document()->characterCount() - 1);
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

QMimeData *MultiLineTextBox::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    const QTextCursor selection = textCursor();
    if (!selection.hasSelection())
        return data;
    // All of it reads back as the box's text, as it was written.
    if (selection.selectionStart() == 0 && selection.selectionEnd() == document()->characterCount() - 1)
        data->setText(text_);
    else
        data->setText(readBack(selection.selectionStart(), selection.selectionEnd()));
    return data;
}

// Backspace and Delete take the character the pupil sees beside the caret,
// not a break that only parts a long paragraph.
void MultiLineTextBox::keyPressEvent(QKeyEvent *event)
{
    QTextCursor caret = textCursor();
    if (!isReadOnly() && !caret.hasSelection()) {
        if (event->key() == Qt::Key_Backspace && caret.positionInBlock() == 0 && partedFromAbove(caret.block())) {
            caret.movePosition(QTextCursor::PreviousCharacter);
            setTextCursor(caret);
        } else if (event->matches(QKeySequence::Delete) && caret.atBlockEnd() && partedFromAbove(caret.block().next())) {
            caret.movePosition(QTextCursor::NextCharacter);
            setTextCursor(caret);
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace forms
