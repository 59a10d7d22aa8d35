#include "pixels.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

namespace formstest {

bool blankIcon(const QIcon &icon)
{
    if (icon.isNull())
        return false; // the window system draws its own default
    const QImage image = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

bool drawnWhole(const QFont &font, const QSize &room, int flags, const QString &text)
{
    return drawnWhole(font, room, flags, text, QRect(QPoint(), room));
}

bool drawnWhole(const QFont &font, const QSize &room, int flags, const QString &text, const QRect &drawIn)
{
    // Draw on a canvas with room to spare around the box, and look for ink outside the box.
    const int spare = room.height() + 50;
    const QRect box(QPoint(spare, spare), room);
    QImage img(room + QSize(2 * spare, 2 * spare), QImage::Format_RGB32);
    const QScreen *screen = QGuiApplication::primaryScreen();
    img.setDotsPerMeterX(qRound(screen->logicalDotsPerInchX() / 0.0254));
    img.setDotsPerMeterY(qRound(screen->logicalDotsPerInchY() / 0.0254));
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(drawIn.translated(box.topLeft()), flags | Qt::TextDontClip, text);
    }
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!box.contains(x, y) && img.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

bool captionWhole(const forms::Label *label)
{
    const QRect room = label->contentsRect();
    return drawnWhole(label->font(), room.size(), label->drawFlags(), label->text(),
                      label->textRect().translated(-room.topLeft()));
}

namespace {

// How much ink an image holds against its background: each pixel counts by
// how far it is from the background toward the text colour.
struct Ink {
    double amount = 0;
    QRect box;
};

Ink inkOf(const QImage &img, QColor back, QColor text)
{
    const auto channelGap = [](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
    };
    const double full = std::max(1, channelGap(back.rgb(), text.rgb()));
    Ink ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int gap = channelGap(img.pixel(x, y), back.rgb());
            if (gap == 0)
                continue;
            ink.amount += std::min(1.0, gap / full);
            if (gap * 4 >= full)
                ink.box |= QRect(x, y, 1, 1);
        }
    return ink;
}

QImage canvas(QSize size, QColor back)
{
    QImage img(size, QImage::Format_RGB32);
    const QScreen *screen = QGuiApplication::primaryScreen();
    img.setDotsPerMeterX(qRound(screen->logicalDotsPerInchX() / 0.0254));
    img.setDotsPerMeterY(qRound(screen->logicalDotsPerInchY() / 0.0254));
    img.fill(back);
    return img;
}

} // namespace

DrawnCaption measureCaption(const forms::Label *label)
{
    // A disabled label draws its caption greyed: measure the ink of that grey.
    const QPalette::ColorGroup group = label->isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor text = label->palette().color(group, QPalette::WindowText);
    QColor back = label->autoFillBackground() ? label->palette().color(group, QPalette::Window)
                                              : QColor(255 - text.red(), 255 - text.green(), 255 - text.blue());
    if (std::abs(back.lightness() - text.lightness()) < 64)
        back = text.lightness() < 128 ? Qt::white : Qt::black;
    QImage drawn = canvas(label->size(), back);
    const_cast<forms::Label *>(label)->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
    const Ink seen = inkOf(drawn, back, text);

    const QFont design = label->designFont();
    const QFontMetrics fm(design);
    const QString caption = label->text();
    const QRect laid = fm.boundingRect(caption);
    QImage reference = canvas(laid.size() + QSize(2 * fm.height(), 2 * fm.height()), back);
    {
        QPainter p(&reference);
        p.setFont(design);
        p.setPen(text);
        p.drawText(QRect(QPoint(fm.height(), fm.height()), laid.size() + QSize(fm.height(), 0)),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip
                       | (caption.isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight),
                   caption);
    }
    const Ink one = inkOf(reference, back, text);
    if (one.amount <= 0 || one.box.isEmpty())
        return {};
    return {std::sqrt(seen.amount / one.amount), double(seen.box.height()) / one.box.height()};
}

QString captionFault(const forms::Label *label, bool oneLine)
{
    const QString name = label->objectName() + QStringLiteral(" \"") + label->text() + QStringLiteral("\": ");
    const DrawnCaption d = measureCaption(label);
    // Anti-aliasing moves the ink a little either way.
    if (d.scale < forms::Label::MinimumScale - 0.03)
        return name + QStringLiteral("drawn at %1% of its size").arg(qRound(d.scale * 100));
    if (oneLine && d.lines > 1.5 * std::max(1.0, d.scale))
        return name + QStringLiteral("on %1 lines").arg(d.lines, 0, 'f', 1);
    if (!captionWhole(label))
        return name + QStringLiteral("cut");
    if (const QWidget *parent = label->parentWidget(); parent && !parent->rect().contains(label->geometry()))
        return name + QStringLiteral("outside its window");
    return {};
}

namespace {

// The option a push button paints itself with.
struct ButtonOption : QPushButton {
    static QStyleOptionButton of(const QPushButton *b)
    {
        QStyleOptionButton option;
        void (QPushButton::*init)(QStyleOptionButton *) const = &ButtonOption::initStyleOption;
        (b->*init)(&option);
        return option;
    }
};

// A push button as its style draws it, in the option's rectangle, on a clear
// canvas with `spare` pixels around it.
QImage drawnButton(const QPushButton *b, const QStyleOptionButton &option, int spare)
{
    QImage img(option.rect.size() + QSize(2 * spare, 2 * spare), QImage::Format_ARGB32_Premultiplied);
    const QScreen *screen = QGuiApplication::primaryScreen();
    img.setDotsPerMeterX(qRound(screen->logicalDotsPerInchX() / 0.0254));
    img.setDotsPerMeterY(qRound(screen->logicalDotsPerInchY() / 0.0254));
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.translate(spare, spare);
    p.setFont(b->font());
    p.setLayoutDirection(b->layoutDirection());
    b->style()->drawControl(QStyle::CE_PushButton, &option, &p, b);
    return img;
}

// Where a push button drawn with that option leaves the ink of its caption:
// the pixels that change when the caption is drawn in a clear colour, faint
// anti-aliased edges left out; in the button's coordinates.
QRegion captionInk(const QPushButton *b, const QStyleOptionButton &option)
{
    QStyleOptionButton clear = option;
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        clear.palette.setColor(g, QPalette::ButtonText, Qt::transparent);
    const int spare = option.rect.height() + 20;
    const QImage seen = drawnButton(b, option, spare);
    const QImage bare = drawnButton(b, clear, spare);
    const auto gap = [](QRgb a, QRgb c) {
        return std::max({std::abs(qRed(a) - qRed(c)), std::abs(qGreen(a) - qGreen(c)), std::abs(qBlue(a) - qBlue(c)),
                         std::abs(qAlpha(a) - qAlpha(c))});
    };
    int full = 0;
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x)
            full = std::max(full, gap(seen.pixel(x, y), bare.pixel(x, y)));
    QRegion ink;
    if (full == 0)
        return ink;
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x)
            if (gap(seen.pixel(x, y), bare.pixel(x, y)) * 4 >= full)
                ink += QRect(x - spare, y - spare, 1, 1);
    return ink;
}

QString described(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

QStringList buttonFaults(const QAbstractButton *button)
{
    QStringList faults;
    const QString name = (button->objectName().isEmpty() ? QStringLiteral("button") : button->objectName())
                         + QStringLiteral(" \"") + button->text() + QStringLiteral("\": ");
    if (!button->icon().isNull())
        faults << name + QStringLiteral("an icon on the button");
    const auto *push = qobject_cast<const QPushButton *>(button);
    if (!push || push->text().isEmpty())
        return faults;
    const QStyleOptionButton option = ButtonOption::of(push);
    const QRect face = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
    const QRect seen = captionInk(push, option).boundingRect();
    // The caption's own ink: the same button drawn with room to spare, where
    // nothing of the caption is cut off.
    QStyleOptionButton roomy = option;
    const QFontMetrics fm(push->font());
    roomy.rect.setSize(option.rect.size().expandedTo(QSize(2 * fm.horizontalAdvance(push->text()), 3 * fm.height()))
                       + QSize(2 * face.x() + option.iconSize.width() + 40, 20));
    const QRect whole = captionInk(push, roomy).boundingRect();
    // Anti-aliasing may lose a pixel on each side.
    if (!face.contains(seen) || seen.width() < whole.width() - 1 || seen.height() < whole.height() - 1)
        faults << name
                + QStringLiteral("caption not whole inside its face (ink %1 of %2x%3, face %4)")
                      .arg(described(seen))
                      .arg(whole.width())
                      .arg(whole.height())
                      .arg(described(face));
    return faults;
}

QStringList captionFaults(QWidget *window, const QStringList &wrapping)
{
    QStringList faults;
    for (const QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->isVisible())
            for (const QString &f : buttonFaults(b))
                faults << window->objectName() + QLatin1Char('.') + f;
    for (const forms::Label *l : window->findChildren<forms::Label *>())
        if (l->isVisible() && !l->text().trimmed().isEmpty())
            if (const QString f = captionFault(l, !wrapping.contains(l->objectName())); !f.isEmpty())
                faults << window->objectName() + QLatin1Char('.') + f;
    // A frame's caption: whole inside the frame, no control of the frame over it.
    for (const forms::Frame *frame : window->findChildren<forms::Frame *>()) {
        const QRect caption = frame->captionRect();
        if (!frame->isVisible() || caption.isEmpty())
            continue;
        const QString name = window->objectName() + QLatin1Char('.') + frame->objectName() + QStringLiteral(" \"")
                             + frame->title() + QStringLiteral("\": ");
        if (!frame->rect().contains(caption))
            faults << name + QStringLiteral("caption outside its frame");
        for (const QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->isVisible() && child->geometry().intersects(caption))
                faults << name + QStringLiteral("caption under ") + child->objectName();
        // Its controls, and the window's controls drawn over it, clear of its top line.
        const int line = frameLineRow(frame);
        if (line < 0)
            continue;
        QList<std::pair<const QWidget *, QRect>> controls;
        for (const QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            controls.append({child, child->geometry()});
        if (const QWidget *parent = frame->parentWidget()) {
            const QObjectList siblings = parent->children();
            for (qsizetype i = siblings.indexOf(frame) + 1; i < siblings.size(); ++i)
                if (const auto *w = qobject_cast<const QWidget *>(siblings[i]); w && !w->isWindow())
                    controls.append({w, w->geometry().translated(-frame->pos())});
        }
        for (const auto &[control, at] : controls)
            if (control->isVisible() && at.top() <= line && at.bottom() >= line && at.right() >= 0
                && at.left() < frame->width())
                faults << name + QStringLiteral("line through ") + control->objectName();
    }
    return faults;
}

int frameLineRow(const forms::Frame *frame)
{
    QImage drawn(frame->size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    const_cast<forms::Frame *>(frame)->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
    // Against its top row, which lies above the line, the caption's ink below it.
    for (int y = 1; y < drawn.height(); ++y) {
        int drawnOn = 0;
        for (int x = 0; x < drawn.width(); ++x)
            drawnOn += drawn.pixel(x, y) != drawn.pixel(x, 0);
        if (2 * drawnOn > drawn.width())
            return y;
    }
    return -1;
}

std::pair<int, int> inkRows(QWidget *w, const QColor &paper)
{
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(paper.isValid() ? paper : QColor(Qt::transparent));
    w->render(&image, QPoint(), QRegion(), paper.isValid() ? QWidget::RenderFlags(QWidget::DrawWindowBackground | QWidget::DrawChildren) : QWidget::DrawChildren);
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = image.pixel(x, y);
            const bool ink = paper.isValid() ? qGray(px) < 128 : qAlpha(px) > 0;
            if (ink) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    return {first, last};
}

} // namespace formstest
