#include "driver.h"

#include "forms/app.h"
#include "forms/multiline.h"
#include "forms/window.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTextEdit>
#include <QTextLayout>
#include <QGuiApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QPainter>
#include <QPushButton>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <string_view>
#include <typeinfo>

namespace formstest {

MessageCatcher::MessageCatcher() { qApp->installEventFilter(this); }

MessageCatcher::~MessageCatcher() { qApp->removeEventFilter(this); }

bool MessageCatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            SeenMessage m;
            m.text = box->text();
            m.title = box->windowTitle();
            m.icon = box->icon();
            for (QAbstractButton *b : box->buttons())
                m.buttons << b->text();
            seen_.append(m);
            QPointer<QMessageBox> guard(box);
            const qsizetype index = seen_.size() - 1;
            QTimer::singleShot(0, this, [this, guard, index] {
                if (!guard)
                    return;
                if (index < seen_.size())
                    seen_[index].foreignDigits = foreignDigits(guard);
                answer(guard);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void MessageCatcher::answer(QMessageBox *box)
{
    QAbstractButton *target = nullptr;
    if (!answers_.empty()) {
        target = box->button(answers_.front());
        answers_.pop_front();
    }
    if (!target)
        target = box->defaultButton();
    if (!target && !box->buttons().isEmpty())
        target = box->buttons().first();
    if (target)
        target->click();
    else
        box->reject();
}

namespace {
// Thrown past the rest of a test function once its failure is recorded.
struct MissingControl {};
} // namespace

void missingControl(const QWidget *window, const QString &name, const char *type)
{
    const QString message = QStringLiteral("no %1 \"%2\" in window %3")
                                .arg(QLatin1String(type), name,
                                     window ? QStringLiteral("\"%1\"").arg(window->objectName())
                                            : QStringLiteral("(none)"));
    if (!QTest::currentTestFunction())
        qFatal("%s", qPrintable(message));
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    throw MissingControl{};
}

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

void type(QWidget *box, const QString &text)
{
    box->setFocus(Qt::OtherFocusReason);
    for (QChar c : text) {
        const Qt::Key key = c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
    }
}

void typeOnArabicKeyboard(QWidget *box, const QString &text)
{
    box->setFocus(Qt::OtherFocusReason);
    for (QChar c : text) {
        Qt::Key key = Qt::Key_unknown;
        if (c.isDigit())
            key = Qt::Key(Qt::Key_0 + c.digitValue());
        else if (c.unicode() < 128)
            key = QTest::asciiToKey(char(c.unicode()));
        else
            key = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
    }
}

void commitText(QWidget *box, const QString &text)
{
    box->setFocus(Qt::OtherFocusReason);
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
}

void erase(QWidget *box)
{
    box->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
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

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickOnScreen(QWidget *window, QPoint global, int after)
{
    QWindow *w = window->window()->windowHandle();
    QVERIFY(w);
    QTest::lastMouseTimestamp += after;
    const QPointF local = w->mapFromGlobal(QPointF(global));
    qt_handleMouseEvent(w, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, Qt::NoModifier,
                        QTest::lastMouseTimestamp);
    qt_handleMouseEvent(w, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease, Qt::NoModifier,
                        QTest::lastMouseTimestamp);
    QCoreApplication::processEvents();
}

void press(QWidget *w, Qt::Key key, const QString &text)
{
    if (text.isEmpty())
        QTest::keyClick(w, key);
    else
        QTest::sendKeyEvent(QTest::Click, w, key, text, Qt::NoModifier);
}

namespace {

// Some three thousand characters: numbers, Latin and Arabic letters, blanks, a CR LF after each line.
QString longText()
{
    QString text;
    for (int line = 1; text.size() < 3000; ++line)
        text += QStringLiteral("%1 أو وزع العدد ٤٧ على 6 abc %2\r\n").arg(line).arg(line * 7);
    return text;
}

} // namespace

void enter(QWidget *box, const QString &text, Entry how)
{
    switch (how) {
    case Entry::Typed: typeOnArabicKeyboard(box, text); return;
    case Entry::InputMethod: commitText(box, text); return;
    default: break;
    }
    box->setFocus();
    QGuiApplication::clipboard()->setText(text);
    clipboardEdit(box, how == Entry::CtrlV        ? ClipEdit::CtrlV
                       : how == Entry::ShiftInsert ? ClipEdit::ShiftInsert
                       : how == Entry::MenuPaste   ? ClipEdit::MenuPaste
                                                   : ClipEdit::Drop);
}

QString setClipboard(Clip what)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    QString text;
    switch (what) {
    case Clip::Cleared:
        clipboard->clear();
        return text;
    case Clip::NoFormats:
        clipboard->setMimeData(new QMimeData);
        return text;
    case Clip::Digit: text = QStringLiteral("7"); break;
    case Clip::Letters: text = QStringLiteral("abc"); break;
    case Clip::Arabic: text = QStringLiteral("كم العدد"); break;
    case Clip::Long: text = longText(); break;
    }
    clipboard->setText(text);
    return text;
}

namespace {

double processorMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// A widget or timer by the control it belongs to.
QString who(const QObject *o)
{
    QString name = o->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(o->metaObject()->className());
    const QObject *owner = o->parent();
    while (owner && owner->objectName().isEmpty())
        owner = owner->parent();
    if (owner && !o->isWidgetType())
        name = owner->objectName() + QLatin1Char('.') + name;
    else if (!owner && o->parent())
        name = QString::fromLatin1(o->parent()->metaObject()->className()) + QLatin1Char('.') + name;
    return name;
}

bool qtHousekeeping(const QObject *o)
{
    const std::string_view type = typeid(*o).name();
    return type.find("QFontCache") != type.npos || type.find("QPMCache") != type.npos;
}

class ActivityWatch : public QObject {
public:
    ActivityWatch(Activity &seen, const QObject *own) : seen_(seen), own_(own) { qApp->installEventFilter(this); }
    ~ActivityWatch() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++seen_.paints[who(o)];
        else if (e->type() == QEvent::Timer && o != own_ && !qtHousekeeping(o))
            ++seen_.timers[who(o)];
        return false;
    }

private:
    Activity &seen_;
    const QObject *own_;
};

// The activity of a run; the timer `own` that ends it is not counted.
Activity measured(const std::function<void()> &run, const QObject *own)
{
    Activity seen;
    {
        const ActivityWatch watch(seen, own);
        QElapsedTimer wall;
        const double cpu = processorMs();
        wall.start();
        run();
        seen.cpuMs = processorMs() - cpu;
        seen.wallMs = wall.elapsed();
    }
    return seen;
}

} // namespace

QString Activity::cost() const
{
    return QStringLiteral("%1 ms of processor time in %2 ms (%3%)")
        .arg(qRound(cpuMs))
        .arg(wallMs)
        .arg(100.0 * cpuShare(), 0, 'f', 1);
}

Activity activityOf(const std::function<void()> &run) { return measured(run, nullptr); }

Activity leftAlone(int ms)
{
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    return measured(
        [&] {
            end.start(ms);
            loop.exec();
        },
        &end);
}

QString listed(const QMap<QString, int> &counts)
{
    QStringList parts;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        parts << QStringLiteral("%1 x%2").arg(it.key()).arg(it.value());
    return parts.join(QStringLiteral(", "));
}

namespace {

// The caption of an action of a one-line box's standard menu, by the name a
// multi-line box gives the same action; the one-line box's menu names none
// of its actions before Qt 6.5.
QString lineEditCaption(const QString &action)
{
    static const std::pair<const char *, const char *> captions[] = {
        {"edit-undo", "&Undo"},   {"edit-redo", "&Redo"},    {"edit-cut", "Cu&t"},      {"edit-copy", "&Copy"},
        {"edit-paste", "&Paste"}, {"edit-delete", "Delete"}, {"select-all", "Select All"}};
    for (const auto &[name, caption] : captions)
        if (action == QLatin1String(name))
            return QLineEdit::tr(caption);
    return QString();
}

} // namespace

void contextMenuAction(QWidget *surface, const QPoint &at, const QString &action)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, surface->mapToGlobal(at));
    QCoreApplication::sendEvent(surface, &event);
    const QString caption = qobject_cast<QLineEdit *>(surface) ? lineEditCaption(action) : QString();
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
        for (QAction *a : menu->actions())
            if (a->objectName() == action
                || (a->objectName().isEmpty() && !caption.isEmpty() && a->text().startsWith(caption))) {
                a->trigger();
                break;
            }
    // The menu goes at once, not at some later turn of the event loop.
    while (QWidget *popup = QApplication::activePopupWidget()) {
        popup->close();
        delete popup;
    }
}

void clipboardEdit(QWidget *box, ClipEdit how)
{
    auto *lines = qobject_cast<forms::MultiLineTextBox *>(box);
    QWidget *surface = lines ? lines->viewport() : box; // where the mouse and drops land
    const QPoint at = surface->rect().center();
    switch (how) {
    case ClipEdit::CtrlV:
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case ClipEdit::ShiftInsert:
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case ClipEdit::CtrlX:
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        break;
    case ClipEdit::CtrlC:
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        break;
    case ClipEdit::MenuPaste:
        contextMenuAction(surface, at, QStringLiteral("edit-paste"));
        break;
    case ClipEdit::MiddleClick:
        QTest::mouseClick(surface, Qt::MiddleButton, Qt::NoModifier, at);
        if (lines && !QGuiApplication::clipboard()->supportsSelection())
            if (const QMimeData *data = QGuiApplication::clipboard()->mimeData())
                lines->insertFromMimeData(data);
        break;
    case ClipEdit::Drop: {
        QMimeData data;
        if (const QMimeData *held = QGuiApplication::clipboard()->mimeData())
            for (const QString &format : held->formats())
                data.setData(format, held->data(format));
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &drop);
        break;
    }
    }
}

void addPasteRows()
{
    QTest::addColumn<ClipEdit>("how");
    QTest::addColumn<Clip>("clip");
    const std::pair<const char *, ClipEdit> ways[] = {{"Ctrl+V", ClipEdit::CtrlV},
                                                      {"Shift+Insert", ClipEdit::ShiftInsert},
                                                      {"menu", ClipEdit::MenuPaste},
                                                      {"middle button", ClipEdit::MiddleClick},
                                                      {"drop", ClipEdit::Drop}};
    const std::pair<const char *, Clip> clips[] = {{"cleared", Clip::Cleared},
                                                   {"no formats", Clip::NoFormats},
                                                   {"digit", Clip::Digit},
                                                   {"Arabic", Clip::Arabic},
                                                   {"long text", Clip::Long}};
    for (const auto &[way, how] : ways)
        for (const auto &[held, clip] : clips)
            QTest::addRow("%s, %s", way, held) << how << clip;
}

void randomClipboardEdit(QWidget *window, std::mt19937 &random)
{
    setClipboard(Clip(random() % ClipKinds));
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    const auto how = ClipEdit(random() % ClipEdits);
    if ((how == ClipEdit::CtrlX || how == ClipEdit::CtrlC) && random() % 2)
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier); // something to cut or copy
    clipboardEdit(target, how);
}

QStringList loadedNames()
{
    QStringList names;
    for (forms::Form *f : forms::loadedForms())
        names << f->objectName();
    return names;
}

} // namespace formstest

namespace formstest {

bool digitsDrawnWestern(const QFont &font, const QString &text, Qt::LayoutDirection direction, QString *families)
{
    int western = 0;
    for (const QChar c : text)
        western += (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
    QTextLayout layout(text, font);
    QTextOption option;
    option.setTextDirection(direction);
    layout.setTextOption(option);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    // Each glyph run is drawn in one font: count its glyphs that are that
    // font's own glyphs for a Western digit or the point.
    int drawn = 0;
    QStringList used;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        used << raw.familyName();
        const QList<quint32> own = raw.glyphIndexesForString(QStringLiteral("0123456789."));
        for (const quint32 g : run.glyphIndexes())
            drawn += own.contains(g);
    }
    if (families)
        *families = used.join(QLatin1Char(','));
    return drawn == western;
}

QStringList foreignDigits(QWidget *window)
{
    QStringList faults;
    auto check = [&](const QWidget *w, const QString &text) {
        QString families;
        if (!text.isEmpty() && !digitsDrawnWestern(w->font(), text, w->layoutDirection(), &families))
            faults << QStringLiteral("%1: %2 (%3)").arg(w->objectName(), text, families);
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        if (!w->isVisible())
            continue;
        if (auto *l = qobject_cast<QLabel *>(w))
            check(l, l->text());
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            check(b, b->text());
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            check(g, g->title());
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            check(e, e->text());
        else if (auto *e = qobject_cast<QTextEdit *>(w))
            check(e, e->toPlainText());
        else if (auto *e = qobject_cast<QPlainTextEdit *>(w))
            check(e, e->toPlainText());
        if (w->isWindow() && qobject_cast<QMessageBox *>(w))
            check(w, w->windowTitle());
    }
    return faults;
}

} // namespace formstest
