#include "controls.h"

#include "geometry.h"
#include "numbers.h"
#include "palette.h"

#include <QChildEvent>
#include <QClipboard>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>
#include <QValidator>
#include <qdrawutil.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

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
        key = QChar(8);
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = QChar(13);
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
            const int code = replacement == QChar(8) ? Qt::Key_Backspace
                : replacement == QChar(13)           ? Qt::Key_Return
                : control                            ? Qt::Key_unknown
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

Label::Label(QWidget *parent, const QString &name, const QString &caption)
    : QLabel(caption, parent), designFont_(font()), fittedText_(caption)
{
    setObjectName(name);
    setLayoutDirection(Qt::RightToLeft);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMouseTracking(true);
}

namespace {

// Remembers what the two measures below found: labels measure the same
// caption again at every show, resize and change of font.
template <typename T>
class Memo {
public:
    template <typename Measure>
    T operator()(const QString &key, Measure measure)
    {
        if (const auto it = seen_.constFind(key); it != seen_.cend())
            return *it;
        if (seen_.size() >= 4096)
            seen_.clear();
        const T value = measure();
        seen_.insert(key, value);
        return value;
    }

private:
    QHash<QString, T> seen_;
};

// A paint device that draws nothing and keeps where the glyphs of the text
// drawn on it would leave ink: the same layout as on screen, without the
// cost of rasterizing large glyphs.
class InkRecorder : public QPaintDevice {
public:
    InkRecorder(int dpiX, int dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}
    QPaintEngine *paintEngine() const override { return &engine_; }
    QRectF ink() const { return engine_.ink; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
        case PdmHeight:
            return 1 << 20;
        case PdmWidthMM:
        case PdmHeightMM:
            return int((1 << 20) * 25.4 / dpiX_);
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return dpiX_;
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return dpiY_;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        case PdmNumColors:
            return 0;
        case PdmDepth:
            return 32;
        }
        return 0;
    }

private:
    struct Engine : QPaintEngine {
        QRectF ink;
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawLines(const QLineF *, int) override {}
        void drawRects(const QRectF *, int) override {}
        Type type() const override { return User; }
        // One run of one script on one line, its baseline starting at p: shaped
        // again as it was, its glyphs' boxes placed on that baseline.
        void drawTextItem(const QPointF &p, const QTextItem &item) override
        {
            QTextLayout layout(item.text(), item.font());
            QTextOption option;
            option.setTextDirection(item.renderFlags().testFlag(QTextItem::RightToLeft) ? Qt::RightToLeft
                                                                                        : Qt::LeftToRight);
            option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
            option.setWrapMode(QTextOption::NoWrap);
            layout.setTextOption(option);
            layout.beginLayout();
            QTextLine line = layout.createLine();
            if (!line.isValid()) {
                layout.endLayout();
                return;
            }
            line.setLineWidth(1 << 20);
            line.setPosition(QPointF(0, 0));
            layout.endLayout();
            const QPointF origin = p - QPointF(line.x(), line.ascent());
            const auto runs = layout.glyphRuns();
            for (const QGlyphRun &run : runs) {
                const QRawFont raw = run.rawFont();
                const QList<quint32> glyphs = run.glyphIndexes();
                const QList<QPointF> at = run.positions();
                for (qsizetype i = 0; i < glyphs.size() && i < at.size(); ++i) {
                    const QRectF box = raw.boundingRect(glyphs[i]);
                    if (!box.isEmpty())
                        ink |= box.translated(at[i] + origin);
                }
            }
        }
    };
    mutable Engine engine_;
    int dpiX_, dpiY_;
};

// The pixels the glyph boxes of a text drawn in a rectangle cover (empty for
// no ink): the ink, and at most a pixel or two more at its edges.
QRect glyphInk(const QFont &font, const QRect &drawIn, int flags, const QString &text, int dpiX, int dpiY)
{
    InkRecorder device(dpiX, dpiY);
    {
        QPainter p(&device);
        p.setFont(font);
        p.drawText(drawIn, flags | Qt::TextDontClip, text);
    }
    const QRectF ink = device.ink();
    if (ink.isEmpty())
        return {};
    return QRect(QPoint(int(std::floor(ink.left())), int(std::floor(ink.top()))),
                 QPoint(int(std::ceil(ink.right())) - 1, int(std::ceil(ink.bottom())) - 1));
}

// Whether any of n bytes is not zero, a word at a time.
bool anyInk(const uchar *p, int n)
{
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 word;
        std::memcpy(&word, p + i, 8);
        if (word)
            return true;
    }
    for (; i < n; ++i)
        if (p[i])
            return true;
    return false;
}

// A text drawn in a rectangle, on a canvas that covers every pixel it may touch.
QImage drawnOn(const QFont &font, const QRect &drawIn, int flags, const QString &text, int dpiX, int dpiY,
               const QRect &canvas)
{
    QImage img(canvas.size(), QImage::Format_Grayscale8);
    img.setDotsPerMeterX(qRound(dpiX / 0.0254)); // points as on the screen
    img.setDotsPerMeterY(qRound(dpiY / 0.0254));
    img.fill(0);
    QPainter p(&img);
    p.translate(-canvas.topLeft());
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(drawIn, flags | Qt::TextDontClip, text);
    return img;
}

// Whether a canvas has ink outside a rectangle of it.
bool inkOutside(const QImage &img, const QRect &inside)
{
    for (int y = 0; y < img.height(); ++y) {
        const uchar *row = img.constScanLine(y);
        if (y < inside.top() || y > inside.bottom() ? anyInk(row, img.width())
                                                    : anyInk(row, inside.left())
                    || anyInk(row + inside.right() + 1, img.width() - inside.right() - 1))
            return true;
    }
    return false;
}

// The pixels a text drawn in a rectangle leaves ink on, as drawn on a canvas
// that covers every pixel it may touch.
QRect drawnInk(const QFont &font, const QRect &drawIn, int flags, const QString &text, int dpiX, int dpiY,
               const QRect &canvas)
{
    const QImage img = drawnOn(font, drawIn, flags, text, dpiX, dpiY, canvas);
    // Every inked row folded into one, a word at a time: the ink's columns.
    const int width = img.width();
    QList<quint64> columns((width + 7) / 8, 0);
    int top = -1, bottom = -1;
    for (int y = 0; y < img.height(); ++y) {
        const uchar *row = img.constScanLine(y);
        if (!anyInk(row, width))
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        for (int i = 0; i < columns.size(); ++i) {
            quint64 word = 0;
            std::memcpy(&word, row + 8 * i, size_t(std::min(8, width - 8 * i)));
            columns[i] |= word;
        }
    }
    if (top < 0)
        return {};
    const auto *inked = reinterpret_cast<const uchar *>(columns.constData()); // the bytes in column order
    int left = 0, right = width - 1;
    while (!inked[left])
        ++left;
    while (!inked[right])
        --right;
    return QRect(QPoint(left, top), QPoint(right, bottom)).translated(canvas.topLeft());
}

// Large glyphs are drawn as paths, slowly: their glyph boxes show where to
// look first. Small ones are drawn from a cache, quickly, on a canvas with
// room to spare.
bool largeGlyphs(const QFontMetrics &fm) { return fm.height() >= 64; }

// Where a text drawn in a rectangle leaves ink (empty for none); for large
// glyphs the glyph boxes, which may reach a pixel or two further.
QRect inkOf(const QFont &font, const QRect &drawIn, int flags, const QString &text, int dpiX, int dpiY)
{
    const QFontMetrics fm(font);
    if (largeGlyphs(fm))
        return glyphInk(font, drawIn, flags, text, dpiX, dpiY);
    const int spare = fm.height();
    const QRect canvas = fm.boundingRect(drawIn, flags, text).united(drawIn).adjusted(-spare, -spare, spare, spare);
    return drawnInk(font, drawIn, flags, text, dpiX, dpiY, canvas);
}

bool textFitsMeasured(const QFont &font, const QSize &room, int flags, const QString &text, const QWidget *on,
                      const QMargins &inset);

// Whether a text drawn in a room lies whole inside it: its lines no wider than
// the room, and no ink outside it. Glyphs may reach past the font's ascent and
// descent, so the ink is looked for around the room too.
bool textFits(const QFont &font, const QSize &room, int flags, const QString &text, const QWidget *on,
              const QMargins &inset = {})
{
    if (text.isEmpty())
        return true;
    static Memo<bool> memo;
    const QString key = QStringLiteral("%1|%2x%3|%4|%5,%6,%7,%8|%9x%10|")
                            .arg(font.key())
                            .arg(room.width())
                            .arg(room.height())
                            .arg(flags)
                            .arg(inset.left())
                            .arg(inset.top())
                            .arg(inset.right())
                            .arg(inset.bottom())
                            .arg(on->logicalDpiX())
                            .arg(on->logicalDpiY())
                        + text;
    return memo(key, [&] { return textFitsMeasured(font, room, flags, text, on, inset); });
}

bool textFitsMeasured(const QFont &font, const QSize &room, int flags, const QString &text, const QWidget *on,
                      const QMargins &inset)
{
    const QRect box(QPoint(0, 0), room);
    const QRect drawIn = box.marginsRemoved(inset);
    const QFontMetrics fm(font);
    const QRect laidOut = fm.boundingRect(drawIn, flags, text);
    if (laidOut.width() > drawIn.width())
        return false;
    const int dpiX = on->logicalDpiX(), dpiY = on->logicalDpiY();
    if (!largeGlyphs(fm)) {
        const int spare = fm.height();
        const QRect canvas = laidOut.united(box).adjusted(-spare, -spare, spare, spare);
        return !inkOutside(drawnOn(font, drawIn, flags, text, dpiX, dpiY, canvas), box.translated(-canvas.topLeft()));
    }
    // The glyph boxes decide but at the edge, where only the drawing can.
    const QRect near = glyphInk(font, drawIn, flags, text, dpiX, dpiY);
    if (near.isEmpty() || box.contains(near))
        return true;
    if (!box.adjusted(-4, -4, 4, 4).contains(near))
        return false;
    return box.contains(drawnInk(font, drawIn, flags, text, dpiX, dpiY, near.adjusted(-2, -2, 2, 2)));
}

QFont withPointSize(QFont f, double pt)
{
    f.setPointSizeF(pt);
    return f;
}

// How far a text's ink reaches past its advance on the left and right, and
// above the font's ascent (a glyph from a fallback font may be taller), kept
// clear so that a glyph at the edge of a box is not cut.
QMargins sideBearingsMeasured(const QFont &font, const QString &text, bool lift);

QMargins sideBearings(const QFont &font, const QString &text, bool lift = false)
{
    if (text.isEmpty())
        return {};
    static Memo<QMargins> memo;
    const QString key = font.key() + (lift ? QStringLiteral("|lift|") : QStringLiteral("|")) + text;
    return memo(key, [&] { return sideBearingsMeasured(font, text, lift); });
}

QMargins sideBearingsMeasured(const QFont &font, const QString &text, bool lift)
{
    // The ink as drawn, fallback glyphs included, against the line the metrics give.
    const QFontMetrics fm(font);
    const int advance = fm.horizontalAdvance(text);
    const QImage screenLike(1, 1, QImage::Format_Grayscale8); // the screen's resolution
    const QRect ink = inkOf(font, QRect(0, 0, advance, fm.height()),
                            Qt::AlignLeft | Qt::AlignTop
                                | (text.isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight),
                            text, screenLike.logicalDpiX(), screenLike.logicalDpiY());
    if (ink.isEmpty())
        return {};
    int top = std::max(0, -ink.top());
    if (lift && top == 0) {
        // A fallback font with a taller line pushes the caption down; lifted
        // back to where the line of the caption's own font puts its ink.
        const int own = std::max(0, fm.ascent() + fm.tightBoundingRect(text).top());
        top = -std::max(0, ink.top() - own);
    }
    return QMargins(std::max(0, -ink.left()) + 1, top, std::max(0, ink.right() + 1 - advance) + 1, 0);
}

// How far a text's ink reaches below the font's descent.
int inkBelow(const QFontMetrics &fm, const QString &text)
{
    return text.isEmpty() ? 0 : std::max(0, fm.tightBoundingRect(text).bottom() + 1 - fm.descent());
}

// The size of a text on one line (or its own lines), ink included.
QSize textSize(const QFont &font, const QString &text)
{
    const QFontMetrics fm(font);
    QSize s = fm.size(Qt::TextExpandTabs, text);
    if (!text.isEmpty() && !text.contains(QLatin1Char('\n'))) {
        const QRect ink = fm.tightBoundingRect(text);
        s.setWidth(std::max(s.width(), ink.right() + 1 - std::min(0, ink.left())));
        s.setHeight(std::max(s.height(), fm.ascent() + ink.bottom() + 1));
    }
    return s;
}

// Moves a box into a window as little as it takes.
QRect movedInside(QRect r, const QRect &window)
{
    if (r.right() > window.right())
        r.moveRight(window.right());
    if (r.left() < window.left())
        r.moveLeft(window.left());
    if (r.bottom() > window.bottom())
        r.moveBottom(window.bottom());
    if (r.top() < window.top())
        r.moveTop(window.top());
    return r;
}

} // namespace

QRect Label::textRect() const
{
    return contentsRect().marginsRemoved(sideBearings(font(), text(), autoSize_));
}

int Label::drawFlags() const
{
    const QString t = text();
    const bool rtl = t.isRightToLeft();
    int flags = int(QStyle::visualAlignment(rtl ? Qt::RightToLeft : Qt::LeftToRight, alignment()));
    if (!autoSize_ && wordWrap() && t.contains(QLatin1Char(' ')))
        flags |= Qt::TextWordWrap;
    return flags | (rtl ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
}

int Label::lineWidth() const
{
    const QString c = text();
    const QMargins m = contentsMargins();
    if (c.isEmpty())
        return m.left() + m.right();
    const int flags = drawFlags() & ~Qt::TextWordWrap;
    const QMargins inset = sideBearings(designFont_, c);
    int width = QFontMetrics(designFont_).horizontalAdvance(c) + inset.left() + inset.right() + m.left() + m.right();
    const int height = designBox_.height();
    for (int i = 0; i < 8 && !textFits(designFont_, QSize(width, height).shrunkBy(m), flags, c, this, inset); ++i)
        ++width;
    return width;
}

QRect Label::captionInk(const QSize &box) const
{
    const QString c = text();
    const QRect drawIn =
        QRect(QPoint(), box).marginsRemoved(contentsMargins()).marginsRemoved(sideBearings(designFont_, c, autoSize_));
    return inkOf(designFont_, drawIn, drawFlags(), c, logicalDpiX(), logicalDpiY());
}

void Label::setCaption(const QString &c)
{
    const bool changed = c != text();
    QLabel::setText(c);
    fit();
    if (changed)
        emit captionChanged();
}

void Label::setAutoSize(bool on)
{
    autoSize_ = on;
    if (geometry() != applied_)
        designBox_ = geometry();
    applied_ = QRect();
    setWordWrap(!on); // measures again
}

void Label::setRoom(const QRect &room)
{
    room_ = room;
    measured_.reset();
    fit();
}

void Label::setWordWrap(bool on)
{
    QLabel::setWordWrap(on);
    measured_.reset();
    fit();
}

QRect Label::room() const
{
    if (!parentWidget() || isWindow())
        return room_;
    const QRect window = parentWidget()->rect();
    return room_.isEmpty() ? window : room_ & window;
}

void Label::place(const QRect &r)
{
    applied_ = r;
    if (geometry() != r)
        setGeometry(r);
}

void Label::fit()
{
    if (fitting_)
        return;
    fitting_ = true;
    if (parentWidget() != watchedParent_) {
        // The window's size bounds the label, and its other controls hem a fixed box in.
        const auto watch = [this](QWidget *parent, bool on) {
            if (!parent)
                return;
            QObjectList watched = parent->children();
            watched << parent;
            for (QObject *o : std::as_const(watched))
                if (!on)
                    o->removeEventFilter(this);
                else if (o != this)
                    o->installEventFilter(this);
        };
        watch(watchedParent_, false);
        watchedParent_ = parentWidget();
        watch(watchedParent_, true);
    }
    fittedText_ = text();
    fittedFlags_ = drawFlags();
    const QString c = text();
    if (testAttribute(Qt::WA_Resized) && geometry() != applied_)
        designBox_ = geometry(); // placed anew by the program
    if (!testAttribute(Qt::WA_Resized)) {
        // Not placed yet: the caption is measured once the label has its place.
        setFont(designFont_);
        shrunk_ = false;
        measured_.reset();
    } else if (autoSize_) {
        // Wider than its room, and only then, it is drawn smaller, down to the floor.
        const QRect bounds = room();
        const int roomWidth = parentWidget() && !isWindow() ? bounds.width() : INT_MAX;
        const double design = designFont_.pointSizeF();
        QFont f = designFont_;
        QSize s;
        for (int half = int(std::floor(design * 2));; --half, f = withPointSize(designFont_, half / 2.0)) {
            const bool last = design <= 0 || half <= std::ceil(design * 2 * MinimumScale);
            const QSize line = textSize(f, c);
            // The ink reaches at least a pixel past the advance on either side.
            if (!last && line.width() + 2 + contentsMargins().left() + contentsMargins().right() > roomWidth)
                continue;
            const QMargins inset = sideBearings(f, c, true);
            s = line.grownBy(QMargins(inset.left(), std::max(0, inset.top()), inset.right(), 0));
            for (int i = 0; i < 4 && !textFits(f, s, drawFlags(), c, this, inset); ++i)
                s += QSize(2, 1);
            for (int i = 0; i < 400 && !textFits(f, s, drawFlags(), c, this, inset); ++i)
                s += QSize(0, 1); // a lifted caption whose line still reaches lower
            s = s.grownBy(contentsMargins());
            if (s.width() <= roomWidth || last)
                break;
        }
        setFont(f);
        shrunk_ = f.pointSizeF() != design;
        QRect r(designBox_.topLeft(), s);
        if (parentWidget() && !isWindow())
            r = movedInside(r, bounds.united(QRect(bounds.topLeft(), s)));
        place(r);
    } else {
        fitBox(c);
    }
    fitting_ = false;
}

void Label::fitBox(const QString &c)
{
    const QWidget *parent = isWindow() ? nullptr : parentWidget();
    // The window, and the other controls the design box keeps clear of.
    const QRect window = parent ? room().united(designBox_) : designBox_;
    QList<QRect> others;
    if (parent)
        for (const QObject *o : parent->children()) {
            const auto *w = qobject_cast<const QWidget *>(o);
            if (!w || w == this || w->isWindow())
                continue;
            const QRect g = w->geometry();
            const auto *l = qobject_cast<const Label *>(w);
            if (g.intersects(designBox_) || (l && l->designBox_.intersects(designBox_)))
                continue; // drawn over by design
            others << g;
        }
    const int flags = drawFlags();
    const Measured now{c, designFont_, designBox_, window, flags, others, contentsMargins()};
    if (measured_ == now)
        return;
    measured_ = now;
    const QMargins m = contentsMargins();
    if (c.isEmpty() || designFont_.pointSizeF() <= 0) {
        setFont(designFont_);
        shrunk_ = false;
        place(designBox_);
        return;
    }
    // Boxes for a font, the design box first, then growing around its
    // centre; the lowest first, so a caption keeps to as few lines as it can.
    const auto boxesFor = [&](const QFont &f) {
        const QFontMetrics fm(f);
        const int below = inkBelow(fm, c);
        const QMargins inset = sideBearings(f, c);
        QList<QRect> boxes{designBox_};
        const int widest = std::max(designBox_.width(), window.width());
        const int step = std::max(2, (widest - designBox_.width()) / 150);
        QList<int> widths;
        for (int w = designBox_.width(); w <= widest; w = w == widest ? widest + 1 : std::min(widest, w + step))
            widths << w;
        // The height of the laid-out caption at a width, -1 where a word is wider
        // than the line. Wider never lays it out higher, so each height is found
        // where it begins by halving, not by laying it out at every width.
        QList<int> heights(widths.size(), -2);
        const auto heightAt = [&](qsizetype i) {
            if (heights[i] == -2) {
                const QSize room(widths[i] - m.left() - m.right() - inset.left() - inset.right(), 1 << 20);
                const QRect laid = fm.boundingRect(QRect(QPoint(), room), flags, c);
                heights[i] = laid.width() > room.width()
                    ? -1
                    : std::max(designBox_.height(), laid.height() + below + inset.top() + m.top() + m.bottom());
            }
            return heights[i];
        };
        const auto firstWhere = [&](qsizetype from, auto holds) {
            qsizetype lo = from, hi = widths.size();
            while (lo < hi) {
                const qsizetype mid = (lo + hi) / 2;
                if (holds(heightAt(mid)))
                    hi = mid;
                else
                    lo = mid + 1;
            }
            return lo;
        };
        for (qsizetype i = firstWhere(0, [](int h) { return h >= 0; }); i < widths.size();) {
            const int h = heightAt(i);
            QRect r(QPoint(), QSize(widths[i], h));
            r.moveCenter(designBox_.center());
            r = movedInside(r, window);
            if (std::none_of(others.cbegin(), others.cend(), [&](const QRect &o) { return o.intersects(r); }))
                boxes << r;
            i = firstWhere(i + 1, [h](int lower) { return lower < h; });
        }
        std::stable_sort(boxes.begin() + 1, boxes.end(), [](const QRect &a, const QRect &b) {
            return a.height() != b.height() ? a.height() < b.height() : a.width() < b.width();
        });
        return boxes;
    };
    const double design = designFont_.pointSizeF();
    const int floor = int(std::ceil(design * 2 * MinimumScale));
    for (int half = int(std::floor(design * 2));; --half) {
        const bool full = half == int(std::floor(design * 2));
        const QFont f = full ? designFont_ : withPointSize(designFont_, half / 2.0);
        const QList<QRect> boxes = boxesFor(f);
        for (const QRect &r : boxes)
            if (textFits(f, r.size().shrunkBy(m), flags, c, this, sideBearings(f, c))) {
                setFont(f);
                shrunk_ = !full;
                place(r);
                return;
            }
        if (half <= floor)
            break;
    }
    // Hemmed in even at the floor: whole rather than cut, in its design box,
    // as large as it is drawn whole there.
    QFont f = withPointSize(designFont_, (floor - 1) / 2.0);
    for (int half = floor - 1; half > 1 && !textFits(f, designBox_.size().shrunkBy(m), flags, c, this, sideBearings(f, c));)
        f = withPointSize(designFont_, --half / 2.0);
    setFont(f);
    shrunk_ = true;
    place(designBox_);
}

void Label::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange && !fitting_) {
        designFont_ = font();
        measured_.reset();
        fit();
    } else if (event->type() == QEvent::ContentsRectChange && !fitting_) {
        fit();
    }
    QLabel::changeEvent(event);
}

void Label::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (geometry() != applied_)
        fit();
}

void Label::moveEvent(QMoveEvent *event)
{
    QLabel::moveEvent(event);
    if (geometry() != applied_)
        fit();
}

void Label::showEvent(QShowEvent *event)
{
    fit(); // the window and its other controls are all there now
    QLabel::showEvent(event);
}

// The label measures again when its window resizes, when a control beside a
// fixed box moves, comes or goes, and when its caption or alignment was
// changed past setCaption (Qt then asks the window to lay out again).
bool Label::eventFilter(QObject *watched, QEvent *event)
{
    if (!watchedParent_ || fitting_)
        return QLabel::eventFilter(watched, event);
    const QEvent::Type t = event->type();
    if (watched == watchedParent_) {
        if (t == QEvent::ChildAdded) {
            if (QObject *child = static_cast<QChildEvent *>(event)->child(); child != this)
                child->installEventFilter(this);
        } else if (t == QEvent::Resize || (t == QEvent::ChildRemoved && !autoSize_)
                   || (t == QEvent::LayoutRequest && (text() != fittedText_ || drawFlags() != fittedFlags_))) {
            fit();
        }
    } else if ((t == QEvent::Move || t == QEvent::Resize) && !autoSize_ && watched->parent() == watchedParent_) {
        fit();
    }
    return QLabel::eventFilter(watched, event);
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    style()->drawItemText(&p, textRect(), drawFlags(), palette(), isEnabled(), text(), foregroundRole());
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

void Label::setBackColor(const QColor &color) { setBackgroundColor(this, color); }

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

void Frame::setForeColor(const QColor &color) { setRoleColor(this, QPalette::WindowText, color); }

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
