#include "controls.h"

#include "geometry.h"
#include "numbers.h"
#include "palette.h"
#include "window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QValidator>
#include <qdrawutil.h>

#include <algorithm>

namespace forms {

void placeTwips(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsRect(left, top, width, height));
}

namespace {

// Maps Arabic-Indic and extended Arabic-Indic digits to 0-9 and refuses any
// text that is not all digits.
class DigitValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (QChar &c : input) {
            c = westernDigit(c);
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        }
        return Acceptable;
    }
};

} // namespace

TextBox::TextBox(QWidget *parent, const QString &name) : QLineEdit(parent)
{
    setObjectName(name);
    setFrame(true);
    setAlignment(Qt::AlignCenter);
    setLayoutDirection(Qt::RightToLeft);
    setTextMargins(0, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
    setMaxLength(0);
    connect(this, &QLineEdit::textChanged, this, &TextBox::changed);
}

void TextBox::setMaxLength(int length)
{
    QLineEdit::setMaxLength(length > 0 ? length : 32767);
}

void TextBox::setDigitsOnly(bool on)
{
    if (on && !validator())
        setValidator(new DigitValidator(this));
    else if (!on)
        setValidator(nullptr);
}

void TextBox::setDisplayOnly(bool on)
{
    setReadOnly(on);
    setFocusPolicy(on ? Qt::NoFocus : Qt::StrongFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents, on);
    setAcceptDrops(!on);
    setContextMenuPolicy(on ? Qt::NoContextMenu : Qt::DefaultContextMenu);
}

void TextBox::setLocked(bool on)
{
    setReadOnly(on);
    setFocusPolicy(Qt::StrongFocus);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (!mapsInput()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)
        || (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier)) {
        insertFiltered(QGuiApplication::clipboard()->text());
        return;
    }
    // The number row of an Arabic keyboard types the digit as the box takes it,
    // so that the line edit's own typing (its cursor, its undo) goes on as for
    // any key.
    if (const QString text = withWesternDigits(event->text()); text != event->text()) {
        QKeyEvent western(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                          event->nativeVirtualKey(), event->nativeModifiers(), text, event->isAutoRepeat(),
                          quint16(event->count()));
        filterKeyPress(&western);
        event->setAccepted(western.isAccepted());
        return;
    }
    filterKeyPress(event);
}

void TextBox::filterKeyPress(QKeyEvent *event)
{
    if (!keyFilter_) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar key;
    bool control = true;
    if (event->key() == Qt::Key_Backspace)
        key = QChar(Form::KeyBackspace);
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = QChar(Form::KeyEnter);
    else if (const QString text = event->text();
             text.size() == 1 && text.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        key = text.at(0);
        control = false;
    }
    if (!key.isNull()) {
        const QChar replacement = keyFilter_(key);
        if (replacement.isNull())
            return;
        if (replacement != key) {
            const int code = replacement == QChar(Form::KeyBackspace) ? Qt::Key_Backspace
                : replacement == QChar(Form::KeyEnter)                   ? Qt::Key_Return
                : control                                                ? Qt::Key_unknown
                                                                         : event->key();
            QKeyEvent changed(event->type(), code, event->modifiers(), QString(replacement));
            QLineEdit::keyPressEvent(&changed);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

QString TextBox::withWesternDigits(const QString &text) const
{
    return numberEntry_ == NumberEntry::Text ? text : westernDigits(text, numberEntry_ == NumberEntry::Decimal);
}

std::optional<QString> TextBox::filtered(const QString &text) const
{
    if (!keyFilter_)
        return withWesternDigits(text);
    QString out;
    for (QChar c : withWesternDigits(text)) {
        const QChar r = keyFilter_(c);
        if (r.isNull())
            return std::nullopt;
        out += r;
    }
    return out;
}

void TextBox::insertFiltered(const QString &text)
{
    if (isReadOnly())
        return;
    if (const auto t = filtered(text))
        insert(*t);
}

void TextBox::contextMenuEvent(QContextMenuEvent *event)
{
    if (!mapsInput()) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    QMenu *menu = createStandardContextMenu();
    // The menu's paste goes the same way in; its action carries the line edit's own caption.
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions()) {
        if (!action->text().startsWith(pasteCaption))
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, [this] { insertFiltered(QGuiApplication::clipboard()->text()); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextBox::dropEvent(QDropEvent *event)
{
    if (mapsInput() && event->mimeData()->hasText()) {
        const QString text = event->mimeData()->text();
        const auto t = filtered(text);
        if (!t || isReadOnly()) {
            event->ignore();
            return;
        }
        if (*t != text) {
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
            insert(*t);
            event->acceptProposedAction();
            return;
        }
    }
    QLineEdit::dropEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection where the window system has one.
    if (mapsInput() && event->button() == Qt::MiddleButton) {
        if (QGuiApplication::clipboard()->supportsSelection()) {
            deselect();
            insertFiltered(QGuiApplication::clipboard()->text(QClipboard::Selection));
        }
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    // The line edit takes what an input method commits even when it is
    // read-only; a locked box keeps its text.
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    if (mapsInput() && !event->commitString().isEmpty()) {
        const auto t = filtered(event->commitString());
        QInputMethodEvent changed(event->preeditString(), event->attributes());
        changed.setCommitString(t.value_or(QString()), event->replacementStart(), event->replacementLength());
        QLineEdit::inputMethodEvent(&changed);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

// A box nobody types into shows its text centred over its whole width, as
// narrow digit boxes need; an editable box keeps the line edit's own look.
void TextBox::paintEvent(QPaintEvent *event)
{
    if (!isReadOnly()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter p(this);
    const QPalette &pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Base));
    p.setPen(hasFocus() ? pal.color(QPalette::Highlight) : QColor(0x80, 0x80, 0x80));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(pal.color(QPalette::Text));
    p.setFont(font());
    p.drawText(rect(), int(alignment()) | Qt::AlignVCenter | Qt::TextDontClip, text());
}

void TextBox::setTextColor(const QColor &color) { setRoleColor(this, QPalette::Text, color); }

CommandButton::CommandButton(QWidget *parent, const QString &name, const QString &caption)
    : QPushButton(caption, parent)
{
    setObjectName(name);
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::setBackColor(const QColor &color)
{
    setStyleSheet(QStringLiteral("QPushButton#%1 { background-color: %2; border: 1px solid #808080; }"
                                 "QPushButton#%1:pressed { border: 2px inset #808080; }")
                      .arg(objectName(), color.name()));
}

Frame::Frame(QWidget *parent, const QString &name, const QString &caption) : QGroupBox(caption, parent)
{
    setObjectName(name);
    setLayoutDirection(Qt::RightToLeft); // the caption starts at the right
}

void Frame::setBackColor(const QColor &color)
{
    back_ = color;
    update();
}

namespace {
// Where a frame's caption is drawn: its origin (on the baseline) and the
// box of its ink, a little margin around.
struct FrameTitle {
    QPointF origin;
    QRect box;
};

FrameTitle frameTitle(const QWidget *frame, const QString &title)
{
    if (title.isEmpty())
        return {};
    const QFontMetrics fm(frame->font());
    const QRect ink = fm.tightBoundingRect(title);
    const int advance = fm.horizontalAdvance(title);
    const int left = std::min(ink.left(), 0), right = std::max(ink.right() + 1, advance);
    const int indent = 8, margin = 2;
    // From the right edge, ink from the top, as much inside the frame as fits.
    int x = frame->layoutDirection() == Qt::RightToLeft ? frame->width() - indent - right : indent - left;
    x = std::max(x, margin - left);
    x = std::min(x, frame->width() - margin - right);
    const int baseline = margin - ink.top();
    return {QPointF(x, baseline), QRect(x + left - margin, 0, right - left + 2 * margin, ink.height() + 2 * margin)};
}
} // namespace

QRect Frame::captionRect() const
{
    return frameTitle(this, title()).box;
}

// The background fills the whole frame, its caption line included. The box
// is an etched line whose top runs through the middle of the caption's ink,
// broken behind the caption, which is drawn whole in the frame's own font.
// The line is drawn here rather than by the style, which would put it below
// a group box's title, a line of the font lower.
void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (back_.isValid())
        p.fillRect(rect(), back_);
    const FrameTitle t = frameTitle(this, title());
    const int top = t.box.isEmpty() ? 0 : t.box.center().y();
    p.setClipRegion(QRegion(rect()) - t.box);
    qDrawShadeRect(&p, rect().adjusted(0, top, 0, 0), palette(), true, 1, 0);
    if (t.box.isEmpty())
        return;
    p.setClipping(false);
    p.setFont(font());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(t.origin, title());
}

LineControl::LineControl(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2, int widthPx,
                         const QColor &color)
    : QWidget(parent), width_(std::max(1, widthPx)), color_(color.isValid() ? color : windowTextColor())
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    const QPointF a(x1 / double(TwipsPerPixel), y1 / double(TwipsPerPixel));
    const QPointF b(x2 / double(TwipsPerPixel), y2 / double(TwipsPerPixel));
    const int pad = width_;
    const QRect box = QRectF(a, b).normalized().toAlignedRect().adjusted(-pad, -pad, pad, pad);
    setGeometry(box);
    from_ = a - box.topLeft();
    to_ = b - box.topLeft();
}

void setArrayIndex(QWidget *control, int index) { control->setProperty("index", index); }

int arrayIndex(const QWidget *control)
{
    const QVariant index = control->property("index");
    return index.isValid() ? index.toInt() : -1;
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QPen pen(color_, width_);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(from_, to_);
}

Picture::Picture(QWidget *parent, const QString &name, const QString &resource) : QLabel(parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(QPixmap(resource));
    setMouseTracking(true);
}

void Picture::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
    event->accept();
}

Shape::Shape(QWidget *parent, const QString &name, Kind kind, const QColor &border, const QColor &fill)
    : QWidget(parent), kind_(kind), border_(border), fill_(fill)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(const QColor &fill)
{
    fill_ = fill;
    update();
}

void Shape::setBorderColor(const QColor &border)
{
    border_ = border;
    update();
}

void Shape::setBorderWidth(int pixels)
{
    borderWidth_ = std::max(0, pixels);
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool border = borderWidth_ > 0 && border_.isValid();
    if (border)
        p.setPen(QPen(border_, borderWidth_));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(fill_.isValid() ? QBrush(fill_) : Qt::NoBrush);
    QRectF r = QRectF(rect());
    if (kind_ == Circle) {
        const qreal d = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    }
    const qreal inset = border ? borderWidth_ / 2.0 : 0.0;
    r = r.adjusted(inset, inset, -inset, -inset);
    if (kind_ == Rectangle)
        p.drawRect(r);
    else
        p.drawEllipse(r);
}

QColor activeTitleBarColor() { return QColor(0x00, 0x54, 0xE3); }
QColor inactiveTitleBarColor() { return QColor(0x7A, 0x96, 0xDF); }
QColor windowTextColor() { return QColor(Qt::black); }
QColor windowBackgroundColor() { return QColor(Qt::white); }

} // namespace forms
