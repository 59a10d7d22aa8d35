#pragma once
#include <QWidget>

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

    // Makes the window visible, in its design placement the first time.
    void showForm();

    // Runs once, after the constructor, when the window is loaded.
    virtual void onLoad() {}

signals:
    // A character key the window sees first (key preview).
    void previewKeyPress(QChar key);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Placement placement_ = Placement::CentreScreen;
    bool shownOnce_ = false;
    bool keyPreview_ = false;
};

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
