#pragma once
#include "forms/controls.h"
#include "forms/window.h"

#include <QColor>
#include <QString>

namespace drills {

// A colour written as the designs write it, &H00BBGGRR.
constexpr QRgb bgr(unsigned value)
{
    return qRgb(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// The window of the drills and their menus: black, borderless, no taskbar
// button, right to left, 12000 × 9000 twips centred on the screen (or
// maximized); it takes the keyboard focus when shown. Closing it from outside
// ends the program, as the exit labels do.
class DrillWindow : public forms::Form {
    Q_OBJECT
public:
    explicit DrillWindow(const QString &formName, bool maximized = false);
};

// One label of a window design, in twips. The font is "Arabic Transparent"
// bold; the label is transparent, reads right to left and draws its text
// from the top. A label given no width and height is auto-sized from its
// Left and Top.
struct LabelDesign {
    const char *name;
    const char *caption;
    double points;
    QRgb color;
    int left, top, width, height;
    Qt::Alignment align = Qt::AlignHCenter;
    bool visible = true;
};

forms::Label *addLabel(QWidget *parent, const LabelDesign &design);

// A control a window hands the drill design under its design name: a missing
// one, or one of another name, ends the program at once, naming it.
void requireControl(const QObject *control, const QString &name, const QWidget *window);

// A menu oval: an opaque oval with a 6-pixel light orange border, drawn
// behind the label it frames.
forms::Shape *addMenuOval(QWidget *parent, const QString &name, int left, int top, int width, int height,
                          const QColor &fill);

// The colours the menu ovals switch between.
QColor ovalLitColor();   // an inactive title bar
QColor ovalPlainColor(); // a window background

} // namespace drills
