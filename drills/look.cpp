#include "look.h"

#include "forms/fonts.h"
#include "forms/geometry.h"

namespace drills {

DrillWindow::DrillWindow(const QString &formName, bool maximized)
{
    setObjectName(formName);
    setBorder(Border::ToolNoCaption, false);
    setClientSizeTwips(12000, 9000);
    if (maximized)
        setPlacement(Placement::Maximized);
    setBackColor(Qt::black);
    setCloseAction(CloseAction::EndProgram);
}

forms::Label *addLabel(QWidget *parent, const LabelDesign &d)
{
    auto *l = new forms::Label(parent, QLatin1String(d.name));
    l->setFont(forms::designFont(QStringLiteral("Arabic Transparent"), d.points, true));
    l->setForeColor(QColor(d.color));
    l->setAlignment(forms::readingAlignment(d.align) | Qt::AlignTop);
    forms::placeTwips(l, d.left, d.top, d.width, d.height);
    if (d.width == 0 && d.height == 0)
        l->setAutoSize(true);
    l->setCaption(QString::fromUtf8(d.caption));
    l->setVisible(d.visible);
    return l;
}

void requireControl(const QObject *control, const QString &name, const QWidget *window)
{
    const QByteArray owner = window ? window->objectName().toUtf8() : QByteArray("a drill window");
    if (!control)
        qFatal("%s: the drill design needs %s, which the window did not hand over", owner.constData(),
               qPrintable(name));
    if (control->objectName() != name)
        qFatal("%s: %s was handed over as %s", owner.constData(), qPrintable(control->objectName()),
               qPrintable(name));
}

forms::Shape *addMenuOval(QWidget *parent, const QString &name, int left, int top, int width, int height,
                          const QColor &fill)
{
    auto *s = new forms::Shape(parent, name, forms::Shape::Oval, QColor(bgr(0x0080C0FF)), fill);
    s->setBorderWidth(6);
    forms::placeTwips(s, left, top, width, height);
    return s;
}

QColor ovalLitColor() { return forms::inactiveTitleBarColor(); }
QColor ovalPlainColor() { return forms::windowBackgroundColor(); }

} // namespace drills
