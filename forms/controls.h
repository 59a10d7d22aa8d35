#pragma once
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>

// The label is one of the controls, in a header of its own.
#include "label.h"

#include <functional>
#include <optional>

namespace forms {

// Places a control by its design position and size, in twips.
void placeTwips(QWidget *w, int left, int top, int width, int height);

// What a box that takes a number does with the digits of an Arabic or a
// Persian keyboard. However the pupil puts text in (typed, pasted with the
// keys, the context menu or the middle button, dropped, or committed by an
// input method), an Arabic-Indic digit (U+0660 to U+0669) or an extended
// Arabic-Indic digit (U+06F0 to U+06F9) goes in as the digit 0 to 9 it stands
// for, and in a box that takes a decimal the Arabic decimal separator "٫"
// (U+066B) goes in as "."; nothing is refused. The box then shows one kind of
// digit, and the number read from it is the number typed. What code writes
// into the box is not changed.
enum class NumberEntry {
    Text,    // the text as it comes (the default)
    Whole,   // the digits
    Decimal, // the digits and the decimal separator
};

// A one-line text box. Whatever is written into it, by the pupil or by code,
// is cut to its maximum length (leading characters kept), and every change of
// its text raises changed() at once, inside the code that wrote it.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(QWidget *parent, const QString &name);

    // 0: no maximum length.
    void setMaxLength(int length);

    // Only the digits 0 to 9 go in (Arabic-Indic digits as the digit they
    // stand for); anything else typed, pasted or dropped is refused.
    void setDigitsOnly(bool on);

    // A box that takes a number (see NumberEntry).
    void setNumberEntry(NumberEntry entry) { numberEntry_ = entry; }
    NumberEntry numberEntry() const { return numberEntry_; }

    // A display-only box can neither take the focus nor be edited, and keeps
    // its text colour at full strength.
    void setDisplayOnly(bool on);

    void setTextColor(const QColor &color);

    // A key-press handler: given each typed character, Backspace
    // (Form::KeyBackspace) and Enter (Form::KeyEnter), it returns the key to
    // use, or a null QChar to drop it. Text
    // pasted or dropped into the box goes in only if every character passes.
    void setKeyFilter(std::function<QChar(QChar)> filter) { keyFilter_ = std::move(filter); }

    // A locked box keeps its text as it is but still takes the focus, unlike
    // a display-only box.
    void setLocked(bool on);
    bool locked() const { return isReadOnly(); }

    // The design's Visible property (not whether the window is on screen).
    bool visibleFlag() const { return !isHidden(); }

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // Whether text that comes in is changed or refused on its way in.
    bool mapsInput() const { return keyFilter_ || numberEntry_ != NumberEntry::Text; }
    // The text with the digits of the number entry written as Western ones.
    QString withWesternDigits(const QString &text) const;
    // The text as the number entry and then the key filter map it; empty
    // when the key filter refuses a character.
    std::optional<QString> filtered(const QString &text) const;
    void insertFiltered(const QString &text);
    // A key press as the key filter passes, replaces or drops it.
    void filterKeyPress(QKeyEvent *event);
    std::function<QChar(QChar)> keyFilter_;
    NumberEntry numberEntry_ = NumberEntry::Text;
};

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(QWidget *parent, const QString &name, const QString &caption);
    // A graphical button with its own background colour.
    void setBackColor(const QColor &color);
    bool visibleFlag() const { return !isHidden(); }

protected:
    // Enter presses the focused button, as Space does.
    void keyPressEvent(QKeyEvent *event) override;
};

class Frame : public QGroupBox {
    Q_OBJECT
public:
    Frame(QWidget *parent, const QString &name, const QString &caption);
    bool visibleFlag() const { return !isHidden(); }
    void setBackColor(const QColor &color);
    // Where the caption's ink is drawn, a little margin around.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor back_;
};

// A straight line between two points given in twips, relative to the parent.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2, int widthPx = 1,
                const QColor &color = QColor());

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPointF from_, to_;
    int width_;
    QColor color_;
};

// A control array: controls of one name under one parent, told apart by an
// index. A control outside any array has index -1.
void setArrayIndex(QWidget *control, int index);
int arrayIndex(const QWidget *control);
// The element of the array `name` under `parent` with that index, or nullptr.
template <class T> T *arrayElement(const QWidget *parent, const QString &name, int index)
{
    for (T *c : parent->findChildren<T *>(name, Qt::FindDirectChildrenOnly))
        if (arrayIndex(c) == index)
            return c;
    return nullptr;
}

// A picture drawn from the top-left corner of its control, or stretched over it.
class Picture : public QLabel {
    Q_OBJECT
public:
    Picture(QWidget *parent, const QString &name, const QString &resource);
    void setStretch(bool on) { setScaledContents(on); }

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

// A filled or outlined rectangle, ellipse or circle (the largest circle
// centred in the control). The fill, border colour and width can change at
// run time; a border width of 0 draws no border.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum Kind { Rectangle, Oval, Circle };
    Shape(QWidget *parent, const QString &name, Kind kind, const QColor &border, const QColor &fill = QColor());

    void setFillColor(const QColor &fill);
    QColor fillColor() const { return fill_; }
    void setBorderColor(const QColor &border);
    void setBorderWidth(int pixels);
    int borderWidth() const { return borderWidth_; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Kind kind_;
    QColor border_, fill_;
    int borderWidth_ = 1;
};

// The system colours the designs name.
QColor activeTitleBarColor();
QColor inactiveTitleBarColor();
QColor windowTextColor();
QColor windowBackgroundColor();

} // namespace forms
