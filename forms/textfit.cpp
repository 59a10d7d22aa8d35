#include "textfit.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace forms {

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

} // namespace

QRect inkOf(const QFont &font, const QRect &drawIn, int flags, const QString &text, int dpiX, int dpiY)
{
    const QFontMetrics fm(font);
    if (largeGlyphs(fm))
        return glyphInk(font, drawIn, flags, text, dpiX, dpiY);
    const int spare = fm.height();
    const QRect canvas = fm.boundingRect(drawIn, flags, text).united(drawIn).adjusted(-spare, -spare, spare, spare);
    return drawnInk(font, drawIn, flags, text, dpiX, dpiY, canvas);
}

bool textFits(const QFont &font, const QSize &room, int flags, const QString &text, const QWidget *on,
              const QMargins &inset)
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

QMargins sideBearings(const QFont &font, const QString &text, bool lift)
{
    if (text.isEmpty())
        return {};
    static Memo<QMargins> memo;
    const QString key = font.key() + (lift ? QStringLiteral("|lift|") : QStringLiteral("|")) + text;
    return memo(key, [&] { return sideBearingsMeasured(font, text, lift); });
}

int inkBelow(const QFontMetrics &fm, const QString &text)
{
    return text.isEmpty() ? 0 : std::max(0, fm.tightBoundingRect(text).bottom() + 1 - fm.descent());
}

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

} // namespace forms
