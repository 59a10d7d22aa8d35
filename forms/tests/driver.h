#pragma once
#include <QAbstractButton>
#include <QMap>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>
#include <random>

#include "forms/controls.h"
#include "forms/window.h"

#include <utility>

namespace formstest {

// One message box as the pupil saw it.
struct SeenMessage {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // captions, as shown
    QStringList foreignDigits; // its texts whose digits were not drawn as Western ones
};

// Watches for message boxes, records them and answers each one: with the next
// queued answer, or else with its default button.
class MessageCatcher : public QObject {
    Q_OBJECT
public:
    MessageCatcher();
    ~MessageCatcher() override;

    void answerNext(QMessageBox::StandardButton button) { answers_.push_back(button); }
    const QList<SeenMessage> &seen() const { return seen_; }
    int count() const { return seen_.size(); }
    SeenMessage last() const { return seen_.isEmpty() ? SeenMessage{} : seen_.last(); }
    void clear() { seen_.clear(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void answer(QMessageBox *box);
    QList<SeenMessage> seen_;
    std::deque<QMessageBox::StandardButton> answers_;
};

// Fails the running test, or ends a program that runs no test, naming a
// control its window does not hold; never returns.
[[noreturn]] void missingControl(const QWidget *window, const QString &name, const char *type);

// Finds a control of a window by its name; a missing one fails the test with
// the control's and the window's names.
template <class T> T *control(QWidget *window, const QString &name)
{
    T *found = window ? window->findChild<T *>(name) : nullptr;
    if (!found)
        missingControl(window, name, T::staticMetaObject.className());
    return found;
}

// The loaded window of that object name, as a T; null when none is loaded.
template <class T = forms::Form> T *loadedForm(const QString &name)
{
    for (forms::Form *f : forms::loadedForms())
        if (f->objectName() == name)
            return qobject_cast<T *>(f);
    return nullptr;
}

// Types text into a box as the pupil would, key by key.
void type(QWidget *box, const QString &text);
// Types text into a box key by key as a keyboard whose number row types
// Arabic-Indic digits (the Arabic layout with Eastern Arabic numerals, a
// Persian layout) sends it on X11: the key press of a digit of any script
// carries that digit as its text and the key of the Western digit it stands
// for (Qt::Key_0 to Qt::Key_9), as Qt's X11 keyboard reports it; any other
// character carries its own key, as type() sends it.
void typeOnArabicKeyboard(QWidget *box, const QString &text);
// Text that an input method commits into a box, as one event.
void commitText(QWidget *box, const QString &text);
// Clears a box with the keyboard (select all, Delete).
void erase(QWidget *box);
// Clicks a button with the mouse.
void click(QAbstractButton *button);
// A left click at a point of the screen, as the window system delivers it to
// the window under the pointer, `after` milliseconds (event time) after the
// previous mouse event of the test: within the double-click interval and
// at the same place, the press is the second click of a double click.
void clickOnScreen(QWidget *window, QPoint global, int after);
// Presses a key on a widget.
void press(QWidget *w, Qt::Key key, const QString &text = QString());

// What the clipboard may hold when the pupil pastes: nothing at all (as after
// a log-in), data with no format, a digit, letters, Arabic letters, or a long
// text of a few thousand characters over several lines.
enum class Clip { Cleared, NoFormats, Digit, Letters, Arabic, Long };
inline constexpr int ClipKinds = 6;
// Puts it on the clipboard; returns the text a paste of it inserts.
QString setClipboard(Clip what);

// How the pupil pastes, cuts or copies in a box: Ctrl+V, Shift+Insert, the
// paste of the box's own context menu, the middle button, dropping what the
// clipboard holds, Ctrl+X, Ctrl+C. Where the platform has no selection, the
// middle button on a multi-line box hands the clipboard's data to the box's
// insert, the path the middle button takes where a selection exists.
enum class ClipEdit { CtrlV, ShiftInsert, MenuPaste, MiddleClick, Drop, CtrlX, CtrlC };
inline constexpr int ClipEdits = 7;
void clipboardEdit(QWidget *box, ClipEdit how);

// How the pupil puts text into a box: typed on an Arabic keyboard, pasted
// (Ctrl+V, Shift+Insert, the context menu), dropped, or committed by an
// input method.
enum class Entry { Typed, CtrlV, ShiftInsert, MenuPaste, Drop, InputMethod };
void enter(QWidget *box, const QString &text, Entry how);
// Every way, by name, for a table of cases.
inline constexpr std::pair<const char *, Entry> Entries[] = {
    {"typed", Entry::Typed},          {"Ctrl+V", Entry::CtrlV},  {"Shift+Insert", Entry::ShiftInsert},
    {"context menu", Entry::MenuPaste}, {"dropped", Entry::Drop}, {"input method", Entry::InputMethod}};
// Opens the context menu at a point of a box's surface, triggers its action of
// that name ("edit-copy", "edit-paste") and closes the menu at once.
void contextMenuAction(QWidget *surface, const QPoint &at, const QString &action);

// What the program did while something ran: the paint and timer events each
// object received, by the control it belongs to ("Label3", "Timer1.QTimer"),
// and the wall-clock and processor time it took. The timers with which Qt's
// font and pixmap caches trim themselves every few seconds are left out.
struct Activity {
    QMap<QString, int> paints, timers;
    qint64 wallMs = 0;
    double cpuMs = 0;
    double cpuShare() const { return wallMs > 0 ? cpuMs / double(wallMs) : 1.0; }
    // "12 ms of processor time in 500 ms (2.4%)".
    QString cost() const;
};
Activity activityOf(const std::function<void()> &run);
// The event loop left to itself for that long, as a window nobody touches.
Activity leftAlone(int ms);
// The share of the time a window left alone, or waiting out a pause, may
// spend on the processor.
inline constexpr double IdleShare = 0.05;
// The same as leftAlone, where the processor time must stay within IdleShare:
// when it does not, the window is left alone up to twice more and the least
// processor time is kept. A loaded machine's one-off burst then passes, while
// work the window does at rest shows every time. Paints and timers are those
// of the first time.
Activity leftAloneIdle(int ms);
// Counts as "Label3 x2, Form1 x2".
QString listed(const QMap<QString, int> &counts);

// Data columns "how" and "clip": each way of pasting with each clipboard.
void addPasteRows();

// A random clipboard, then a random paste, cut or copy on the control of the
// window that has the focus (the window itself when none has it).
void randomClipboardEdit(QWidget *window, std::mt19937 &random);

// The object names of the loaded windows, in load order.
QStringList loadedNames();

// Whether a control is on screen, its window and every parent shown.
inline bool shown(const QWidget *w) { return w && w->isVisible(); }

} // namespace formstest

namespace formstest {

// The shown texts of a window (labels, buttons, frames, boxes, and the window
// itself when it is a message box) whose Western digits or points are not drawn
// with their font's own glyph for them, each as "name: text (families)".
QStringList foreignDigits(QWidget *window);
// The same for one text drawn in a font.
bool digitsDrawnWestern(const QFont &font, const QString &text, Qt::LayoutDirection direction,
                        QString *families = nullptr);

} // namespace formstest

Q_DECLARE_METATYPE(formstest::Clip)
Q_DECLARE_METATYPE(formstest::ClipEdit)
Q_DECLARE_METATYPE(formstest::Entry)
