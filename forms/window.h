#pragma once
#include <QRegion>
#include <QWidget>

#include <functional>
#include <optional>
#include <typeindex>

namespace forms {

class ClickWatch;

// A window, loaded, shown, hidden and unloaded: one instance per class through
// load<T>(), or one per name through load(name, make), which may load one
// class several times under different names.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);

    // FixedDialog: the pupil cannot resize the window; it keeps the client
    // size it is given (setClientSizeTwips).
    enum class Border { Sizable, FixedDialog, ToolNoCaption };
    // WindowSystem: wherever the window system puts a new window.
    // Stored: the client area at a design position (setStoredPositionTwips).
    // FullScreen: the outer frame over the whole primary screen (placeFullScreen).
    enum class Placement { CentreScreen, Maximized, WindowSystem, Stored, FullScreen };

    void setBorder(Border border, bool inTaskbar = true);
    void setPlacement(Placement placement) { placement_ = placement; }
    void setStoredPositionTwips(int left, int top);
    // Cuts the window to the ellipse inside the rectangle (left, top)-(right,
    // bottom), in pixels from its top-left corner, right and bottom excluded:
    // outside it the window neither paints nor takes the mouse.
    void setEllipseRegion(int left, int top, int right, int bottom);
    // Leaves any maximized state and puts the outer frame, caption bar and
    // border included, over the whole primary screen, raised and shown. The
    // window fits itself again whenever the window manager changes the size
    // of its frame.
    void placeFullScreen();
    void setClientSizeTwips(int width, int height);
    void setKeyPreview(bool on);
    bool keyPreview() const { return keyPreview_; }

    // Key codes the handlers below are given besides characters.
    static constexpr int KeyBackspace = 8, KeyEnter = 13, KeyEscape = 27;

    // With key preview on, the handler sees every character key first, Enter
    // and Esc included, and returns true to drop the key or false to pass it
    // on to the focused control. Without a handler, character keys other than
    // Enter go to previewKeyPress() and are dropped.
    void setKeyPreviewHandler(std::function<bool(int key)> handler) { previewHandler_ = std::move(handler); }

    // The window's own key press: keys that reach the window while none of
    // its controls has the focus.
    void setKeyPressHandler(std::function<void(int key)> handler) { keyHandler_ = std::move(handler); }

    // The background colour of the client area.
    void setBackColor(const QColor &color);

    // What the window manager's close does: unload the window (the default),
    // hide it, or end the program.
    enum class CloseAction { Unload, Hide, EndProgram };
    void setCloseAction(CloseAction action) { closeAction_ = action; }

    // Makes the window visible, in its design placement the first time.
    // A window shown by a click ignores the second click of a double click
    // (a press within the double-click interval and distance of that
    // click's press), so it cannot act on what now lies under the pointer.
    void showForm();

    // Runs once, after the constructor, when the window is loaded.
    virtual void onLoad() {}

    // Whether unload() has run for this window (it may still wait to be freed).
    bool isUnloaded() const { return unloaded_; }

signals:
    // A character key the window sees first (key preview).
    void previewKeyPress(QChar key);
    // Raised by unload(), before the window is hidden.
    void unloaded();
    // The pointer moved over the window's own background.
    void mouseMoved();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    friend class FormHold;
    friend class ClickWatch;
    void fitFullScreen();
    void queueRefit();
    // The window manager's frame around the window as it stands now.
    QMargins frameMargins() const;
    bool fixedSize_ = false;
    bool fullScreen_ = false;
    bool refitQueued_ = false;
    QMargins fittedMargins_;
    QRegion roundFill_; // where a see-through round window paints its background
    // The press of the click that showed the window, while a press on it may
    // still be the second click of that double click.
    struct Press {
        quint64 time;
        QPointF where; // on the screen
    };
    std::optional<Press> shownByClick_;
    bool dropRelease_ = false;
    friend void unload(Form *form);
    Placement placement_ = Placement::CentreScreen;
    QPoint storedPosition_;
    bool shownOnce_ = false;
    bool keyPreview_ = false;
    std::function<bool(int)> previewHandler_;
    std::function<void(int)> keyHandler_;
    CloseAction closeAction_ = CloseAction::Unload;
    const QEvent *delivering_ = nullptr;
    bool unloaded_ = false;
    int holds_ = 0; // handlers of this window waiting in a nested event loop
};

// Held by a handler of a window while it waits in a nested event loop (a
// pause, a message box): unloading the window then hides it at once but frees
// it only once the last hold is released.
class FormHold {
public:
    explicit FormHold(QWidget *window);
    ~FormHold();
    FormHold(const FormHold &) = delete;
    FormHold &operator=(const FormHold &) = delete;

private:
    Form *form_;
};

// The key code of a key press for the key handlers: Enter 13, Esc 27,
// Backspace 8, a character its code; 0 for keys that carry no character.
int keyCode(const QKeyEvent *event);

namespace detail {
// Called when a click has started another program.
void holdPointerForSecondClick();
Form *loaded(std::type_index type);
void registerForm(std::type_index type, Form *form);
}

template <class T> T *instance() { return static_cast<T *>(detail::loaded(typeid(T))); }

template <class T> T *load()
{
    if (T *f = instance<T>())
        return f;
    T *f = new T;
    detail::registerForm(typeid(T), f);
    f->onLoad();
    return f;
}

template <class T> T *show()
{
    T *f = load<T>();
    f->showForm();
    return f;
}

// Unloads a window: it is hidden and destroyed; its state is lost. A window
// held by a waiting handler is freed when that handler has stopped waiting.
// The program ends when no window is left loaded.
void unload(Form *form);
template <class T> void unload()
{
    if (T *f = instance<T>())
        unload(f);
}

// Windows loaded by name, one instance per name as load<T>() keeps one per
// type: load() makes the window with make() the first time.
Form *instance(const QString &name);
Form *load(const QString &name, const std::function<Form *()> &make);
void unload(const QString &name);

// For a window whose design has no minimize or maximize button: with a
// title bar, the window manager is asked for a fixed dialog with a close box
// only; and a window the manager minimizes anyway is shown again at once, as
// it was.
void withoutMinimizeOrMaximize(QWidget *window, bool titleBar, bool inTaskbar);

// Every loaded window, in load order.
QList<Form *> loadedForms();

} // namespace forms
