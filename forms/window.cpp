#include "window.h"

#include "app.h"
#include "frame.h"
#include "geometry.h"
#include "internal.h"
#include "palette.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWindow>
#include <QScreen>
#include <QStyleHints>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace forms {

namespace {
// A window loaded by type has no name; one loaded by name is under typeid(Form).
struct Entry {
    std::type_index type;
    QString name;
    Form *form;
};
std::vector<Entry> &registry()
{
    static std::vector<Entry> r;
    return r;
}
} // namespace

namespace detail {
Form *loaded(std::type_index type)
{
    for (const Entry &e : registry())
        if (e.type == type && e.name.isEmpty())
            return e.form;
    return nullptr;
}
void registerForm(std::type_index type, Form *form) { registry().push_back({type, QString(), form}); }
} // namespace detail

Form *instance(const QString &name)
{
    for (const Entry &e : registry())
        if (!e.name.isEmpty() && e.name == name)
            return e.form;
    return nullptr;
}

Form *load(const QString &name, const std::function<Form *()> &make)
{
    if (Form *f = instance(name))
        return f;
    Form *f = make();
    registry().push_back({typeid(Form), name, f});
    f->onLoad();
    return f;
}

void unload(const QString &name)
{
    if (Form *f = instance(name))
        unload(f);
}

QList<Form *> loadedForms()
{
    QList<Form *> list;
    for (const Entry &e : registry())
        list.append(e.form);
    return list;
}

void unload(Form *form)
{
    auto &r = registry();
    auto it = std::find_if(r.begin(), r.end(), [form](const Entry &e) { return e.form == form; });
    if (it == r.end())
        return;
    r.erase(it);
    form->unloaded_ = true;
    emit form->unloaded();
    form->hide();
    if (form->holds_ == 0)
        form->deleteLater();
    if (r.empty())
        detail::programEndedByUnload();
}

FormHold::FormHold(QWidget *window) : form_(window ? qobject_cast<Form *>(window->window()) : nullptr)
{
    if (form_)
        ++form_->holds_;
}

FormHold::~FormHold()
{
    if (form_ && --form_->holds_ == 0 && form_->unloaded_)
        form_->deleteLater();
}

// Follows the clicks of the left button for every window: which press
// began the click being handled, and whether a click is being handled now.
class ClickWatch : public QObject {
public:
    static ClickWatch *instance()
    {
        static QPointer<ClickWatch> watch;
        if (!watch) {
            watch = new ClickWatch(qApp);
            qApp->installEventFilter(watch);
        }
        return watch;
    }

    // The press of the click whose press or release is being handled.
    std::optional<Form::Press> clickInHand() const { return inHand_ ? lastPress_ : std::nullopt; }

    // The control that took the click in hand keeps the pointer for the rest
    // of the double-click interval, so that the second click of a double
    // click reaches it even where another program's new window now lies.
    void holdPointer()
    {
        if (!inHand_ || pressed_.isNull())
            return;
        const qint64 left = QGuiApplication::styleHints()->mouseDoubleClickInterval() - sincePress_.elapsed();
        if (left <= 0)
            return;
        letGo();
        holder_ = pressed_;
        holder_->grabMouse();
        holdEnd_.start(int(left));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type t = event->type();
        if (t == QEvent::MouseMove && holder_ && lastPress_) {
            // Moved away: the next press is not the second click of a double click.
            const QPointF moved = static_cast<QMouseEvent *>(event)->globalPosition() - lastPress_->where;
            if (qMax(qAbs(moved.x()), qAbs(moved.y())) > QGuiApplication::styleHints()->mouseDoubleClickDistance())
                letGo();
            return false;
        }
        if (t != QEvent::MouseButtonPress && t != QEvent::MouseButtonDblClick && t != QEvent::MouseButtonRelease)
            return false;
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() != Qt::LeftButton)
            return false;
        auto *w = qobject_cast<QWidget *>(watched);
        Form *form = w ? qobject_cast<Form *>(w->window()) : nullptr;
        if (t == QEvent::MouseButtonRelease) {
            if (form && form->dropRelease_) {
                form->dropRelease_ = false;
                event->accept();
                return true;
            }
        } else if (form && form->shownByClick_) {
            const QStyleHints *hints = QGuiApplication::styleHints();
            const qint64 since = qint64(me->timestamp()) - qint64(form->shownByClick_->time);
            const QPointF moved = me->globalPosition() - form->shownByClick_->where;
            if (since >= 0 && since < hints->mouseDoubleClickInterval()
                && qMax(qAbs(moved.x()), qAbs(moved.y())) <= hints->mouseDoubleClickDistance()) {
                // The second click of the double click that showed the window.
                form->dropRelease_ = true;
                event->accept();
                return true;
            }
            form->shownByClick_.reset();
        }
        if (t == QEvent::MouseButtonPress) {
            lastPress_ = Form::Press{me->timestamp(), me->globalPosition()};
            pressed_ = w;
            sincePress_.start();
        } else if (t == QEvent::MouseButtonRelease && holder_) {
            QMetaObject::invokeMethod(this, &ClickWatch::letGo, Qt::QueuedConnection);
        }
        if (!inHand_) {
            // The click is handled when control is back in the event loop.
            inHand_ = true;
            QMetaObject::invokeMethod(this, [this] { inHand_ = false; }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    explicit ClickWatch(QObject *parent) : QObject(parent)
    {
        holdEnd_.setSingleShot(true);
        connect(&holdEnd_, &QTimer::timeout, this, &ClickWatch::letGo);
    }
    void letGo()
    {
        holdEnd_.stop();
        if (holder_ && QWidget::mouseGrabber() == holder_)
            holder_->releaseMouse();
        holder_ = nullptr;
    }
    std::optional<Form::Press> lastPress_;
    bool inHand_ = false;
    QPointer<QWidget> pressed_, holder_;
    QElapsedTimer sincePress_;
    QTimer holdEnd_;
};

namespace detail {
void holdPointerForSecondClick() { ClickWatch::instance()->holdPointer(); }
} // namespace detail

namespace {
// Keeps a window without a minimize button from staying minimized.
class NeverMinimized : public QObject {
public:
    NeverMinimized(QWidget *window, bool titleBar, bool inTaskbar)
        : QObject(window), window_(window), titleBar_(titleBar), inTaskbar_(inTaskbar)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != window_)
            return false;
        if (event->type() == QEvent::Show && !event->spontaneous() && titleBar_)
            askForFixedDialog(window_->windowHandle(), inTaskbar_);
        else if (event->type() == QEvent::WindowStateChange && (window_->windowState() & Qt::WindowMinimized))
            QMetaObject::invokeMethod(this, &NeverMinimized::restore, Qt::QueuedConnection);
        return false;
    }

private:
    void restore()
    {
        if (!window_->isVisible() || !(window_->windowState() & Qt::WindowMinimized))
            return;
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        // The manager has unmapped it: Qt maps only a window it minimized itself.
        mapAgain(window_->windowHandle());
        window_->raise();
        window_->activateWindow();
    }
    QWidget *window_;
    bool titleBar_, inTaskbar_;
};
} // namespace

void withoutMinimizeOrMaximize(QWidget *window, bool titleBar, bool inTaskbar)
{
    for (QObject *child : window->children())
        if (dynamic_cast<NeverMinimized *>(child))
            delete child;
    new NeverMinimized(window, titleBar, inTaskbar);
}

Form::Form(QWidget *parent) : QWidget(parent, Qt::Window)
{
    ClickWatch::instance();
    setMouseTracking(true);
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void Form::setBorder(Border border, bool inTaskbar)
{
    Qt::WindowFlags f;
    switch (border) {
    case Border::Sizable:
        f = Qt::Window;
        break;
    case Border::FixedDialog:
        f = (inTaskbar ? Qt::Window : Qt::Tool) | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
        break;
    case Border::ToolNoCaption:
        f = Qt::Tool | Qt::FramelessWindowHint;
        break;
    }
    setWindowFlags(f);
    if (border != Border::Sizable || !inTaskbar)
        withoutMinimizeOrMaximize(this, border == Border::FixedDialog, inTaskbar);
    fixedSize_ = border == Border::FixedDialog;
    if (fixedSize_)
        setFixedSize(size());
}

void Form::setClientSizeTwips(int width, int height)
{
    if (fixedSize_)
        setFixedSize(twips(width), twips(height));
    else
        resize(twips(width), twips(height));
}

void Form::setKeyPreview(bool on)
{
    if (on == keyPreview_)
        return;
    keyPreview_ = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void Form::setStoredPositionTwips(int left, int top)
{
    placement_ = Placement::Stored;
    storedPosition_ = QPoint(twips(left), twips(top));
}

void Form::setEllipseRegion(int left, int top, int right, int bottom)
{
    const QRegion ellipse(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), QRegion::Ellipse);
    setMask(ellipse);
    // A Wayland compositor takes the mask for the pointer only: the window is
    // see-through, and only the ellipse is painted.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && !testAttribute(Qt::WA_WState_Created)) {
        setAttribute(Qt::WA_TranslucentBackground);
        setAutoFillBackground(false);
        roundFill_ = ellipse;
    }
}

void Form::paintEvent(QPaintEvent *event)
{
    if (roundFill_.isEmpty()) {
        QWidget::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setClipRegion(roundFill_);
    p.fillRect(rect(), palette().color(QPalette::Window));
}

void Form::placeFullScreen()
{
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    if (!QGuiApplication::primaryScreen()) {
        show();
        return;
    }
    create();
    if (!fullScreen_) {
        fullScreen_ = true;
        // The window manager tells the frame's size when it takes the window
        // over, after this first fit: the window fits itself again when the
        // manager writes its frame (nativeEvent) or the native window moves,
        // resizes or is exposed (eventFilter).
        windowHandle()->installEventFilter(this);
    }
    fitFullScreen();
    show();
    raise();
    activateWindow();
}

void Form::fitFullScreen()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    if (!s || !windowHandle())
        return;
    fittedMargins_ = frameMargins();
    setGeometry(s->geometry().marginsRemoved(fittedMargins_));
}

QMargins Form::frameMargins() const
{
    // Qt keeps the margins it read last until the window is configured
    // again, which may be before the manager has written its frame.
    if (const std::optional<QMargins> m = managerFrame(windowHandle()))
        return *m;
    return windowHandle()->frameMargins();
}

void Form::queueRefit()
{
    if (refitQueued_)
        return;
    // Fitted once the window system has finished this event.
    refitQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refitQueued_ = false;
            if (!unloaded_ && isVisible() && windowState() == Qt::WindowNoState && frameMargins() != fittedMargins_)
                fitFullScreen();
        },
        Qt::QueuedConnection);
}

bool Form::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    if (fullScreen_ && windowHandle() && isManagerFrameChange(windowHandle(), eventType, message))
        queueRefit();
    return QWidget::nativeEvent(eventType, message, result);
}

void Form::showForm()
{
    if (!shownOnce_) {
        shownOnce_ = true;
        // Without an icon of its own or of the program, the title bar shows a
        // blank one rather than the window system's default.
        if (windowIcon().isNull()) {
            QPixmap blank(16, 16);
            blank.fill(Qt::transparent);
            setWindowIcon(QIcon(blank));
        }
        switch (placement_) {
        case Placement::Maximized:
            showMaximized();
            return;
        case Placement::FullScreen:
            placeFullScreen();
            return;
        case Placement::Stored:
            setGeometry(QRect(storedPosition_, size()));
            break;
        case Placement::CentreScreen:
            if (QScreen *s = QGuiApplication::primaryScreen()) {
                const QRect avail = s->availableGeometry();
                move(avail.center() - QPoint(width() / 2, height() / 2));
            }
            break;
        case Placement::WindowSystem:
            break;
        }
    }
    show();
    raise();
    activateWindow();
}

void Form::setBackColor(const QColor &color)
{
    setBackgroundColor(this, color);
    if (!roundFill_.isEmpty())
        setAutoFillBackground(false);
}

void Form::closeEvent(QCloseEvent *event)
{
    event->ignore();
    switch (closeAction_) {
    case CloseAction::Unload:
        unload(this);
        break;
    case CloseAction::Hide:
        hide();
        break;
    case CloseAction::EndProgram:
        endProgram();
        break;
    }
}

int keyCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Form::KeyEnter;
    case Qt::Key_Escape:
        return Form::KeyEscape;
    case Qt::Key_Backspace:
        return Form::KeyBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return 0;
    return text.at(0).unicode();
}

void Form::keyPressEvent(QKeyEvent *event)
{
    QWidget *focus = focusWidget();
    const int key = keyCode(event);
    if (keyHandler_ && key != 0 && (!focus || focus == this)) {
        keyHandler_(key);
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        shownByClick_ = ClickWatch::instance()->clickInHand();
        dropRelease_ = false;
    }
    QWidget::showEvent(event);
}

void Form::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QWidget::mouseMoveEvent(event);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (fullScreen_ && watched == windowHandle()) {
        const QEvent::Type t = event->type();
        if ((t == QEvent::Expose || t == QEvent::Move || t == QEvent::Resize) && windowState() == Qt::WindowNoState)
            queueRefit();
        return false;
    }
    if (keyPreview_ && event->type() == QEvent::KeyPress) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->window() == this && previewHandler_) {
            // A passed key is delivered from here, so that it is offered once
            // even when a control ignores it and it travels on to the window.
            if (event == delivering_)
                return false;
            const int key = keyCode(static_cast<QKeyEvent *>(event));
            if (key == 0 || !previewHandler_(key)) {
                QPointer<QWidget> target(w);
                const QEvent *outer = delivering_;
                delivering_ = event;
                if (target)
                    QCoreApplication::sendEvent(target, event);
                delivering_ = outer;
            }
            event->accept(); // it went its way: the key travels no further
            return true;
        }
        if (w && w->window() == this) {
            auto *ke = static_cast<QKeyEvent *>(event);
            const int key = ke->key();
            const bool navigation = key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return
                || key == Qt::Key_Enter;
            const QString text = ke->text();
            if (!navigation && !text.isEmpty()) {
                emit previewKeyPress(text.at(0));
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace forms
