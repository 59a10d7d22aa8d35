#include "label.h"

#include "palette.h"
#include "textfit.h"

#include <QChildEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <climits>
#include <cmath>

namespace forms {

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

QFont withPointSize(QFont f, double pt)
{
    f.setPointSizeF(pt);
    return f;
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

} // namespace forms
