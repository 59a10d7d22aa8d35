#pragma once
#include <QWidget>

#include <functional>
#include <typeindex>

namespace forms {

// A window with a single default instance: load, show, hide and unload.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);

    enum class Border { Sizable, FixedDialog, ToolNoCaption };
    // WindowSystem: wherever the window system puts a new window.
    enum class Placement { CentreScreen, Maximized, WindowSystem };

    void setBorder(Border border, bool inTaskbar = true);
    void setPlacement(Placement placement) { placement_ = placement; }
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
    void showForm();

    // Runs once, after the constructor, when the window is loaded.
    virtual void onLoad() {}

signals:
    // A character key the window sees first (key preview).
    void previewKeyPress(QChar key);
    // The pointer moved over the window's own background.
    void mouseMoved();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    Placement placement_ = Placement::CentreScreen;
    bool shownOnce_ = false;
    bool keyPreview_ = false;
    std::function<bool(int)> previewHandler_;
    std::function<void(int)> keyHandler_;
    CloseAction closeAction_ = CloseAction::Unload;
    const QEvent *delivering_ = nullptr;
};

// The key code of a key press for the key handlers: Enter 13, Esc 27,
// Backspace 8, a character its code; 0 for keys that carry no character.
int keyCode(const QKeyEvent *event);

namespace detail {
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

// Unloads a window: it is hidden and destroyed; its state is lost.
// The program ends when no window is left loaded.
void unload(Form *form);
template <class T> void unload()
{
    if (T *f = instance<T>())
        unload(f);
}

// Every loaded window, in load order.
QList<Form *> loadedForms();

} // namespace forms
