#include "controls.h"

#include "geometry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QValidator>

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
            const char16_t u = c.unicode();
            if (u >= 0x0660 && u <= 0x0669)
                c = QChar(u'0' + (u - 0x0660));
            else if (u >= 0x06F0 && u <= 0x06F9)
                c = QChar(u'0' + (u - 0x06F0));
            else if (u < u'0' || u > u'9')
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

void TextBox::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (keyFilter_ && text.size() == 1 && text.at(0).isPrint()) {
        const QChar replacement = keyFilter_(text.at(0));
        if (replacement.isNull())
            return;
        if (replacement != text.at(0)) {
            QKeyEvent changed(event->type(), event->key(), event->modifiers(), QString(replacement));
            QLineEdit::keyPressEvent(&changed);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
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

void TextBox::setTextColor(const QColor &color)
{
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Text, color);
    setPalette(p);
}

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

Label::Label(QWidget *parent, const QString &name, const QString &caption) : QLabel(caption, parent)
{
    setObjectName(name);
    setLayoutDirection(Qt::RightToLeft);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMouseTracking(true);
}

void Label::setCaption(const QString &c)
{
    if (!designFont_)
        designFont_ = font();
    QFont f = *designFont_;
    const int room = contentsRect().width();
    if (!c.contains(QLatin1Char(' '))) {
        while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(c) > room)
            f.setPointSizeF(f.pointSizeF() - 0.5);
    }
    setFont(f);
    setText(c);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

// A move over a control is that control's alone: it does not travel on to the window.
void Label::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
    event->accept();
}

void Label::setForeColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::WindowText, color);
    p.setColor(QPalette::Inactive, QPalette::WindowText, color);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    setPalette(p);
}

void Label::setBackColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
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

void Frame::setForeColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

// The background fills the frame below the middle of its caption line, as the
// frame's border does.
void Frame::paintEvent(QPaintEvent *event)
{
    if (back_.isValid()) {
        QPainter p(this);
        const int top = title().isEmpty() ? 0 : fontMetrics().height() / 2;
        p.fillRect(rect().adjusted(0, top, 0, 0), back_);
    }
    QGroupBox::paintEvent(event);
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

QLineF LineControl::lineInParent() const
{
    return QLineF(from_ + pos(), to_ + pos());
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
