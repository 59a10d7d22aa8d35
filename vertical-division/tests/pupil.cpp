#include "pupil.h"

#include "tolbrinmenu.h"

#include "forms/app.h"
#include "forms/tests/reset.h"
#include "forms/timing.h"
#include "forms/window.h"

#include <QApplication>
#include <QTest>

namespace tolbrintest {

void startProgramTests() { forms::initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Tolbrin")); }

void startCase()
{
    forms::testing::useManualTime(true);
    forms::testing::setNow(QDateTime(QDate(2026, 10, 4), QTime(8, 15, 0)));
}

void endCase() { formstest::resetAll(); }

QStringList entryBoxes(VerticalDivisionForm *form)
{
    QStringList list;
    for (const tolbrin::BoxDef &b : form->sheetDef().boxes)
        if (b.kind == tolbrin::BoxKind::Entry)
            list << b.name;
    return list;
}

void WorksheetDriver::typeProblem(const QString &divisor, const QString &dividend) const
{
    const QStringList boxes = entryBoxes(form);
    const QString digits = divisor + dividend;
    for (int i = 0; i < boxes.size() && i < digits.size(); ++i)
        if (digits.at(i) != QLatin1Char(' '))
            formstest::type(box(boxes[i]), QString(digits.at(i)));
}

bool WorksheetDriver::press(const QString &name) const
{
    forms::CommandButton *b = button(name);
    if (!b || !b->isVisible())
        return false;
    formstest::click(b);
    return true;
}

bool WorksheetDriver::workAll() const
{
    for (const tolbrin::Step &s : form->sheetDef().steps)
        if (!press(s.button))
            return false;
    return true;
}

QString WorksheetDriver::row(const QString &names) const
{
    QStringList out;
    for (const QString &n : names.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QWidget *w = form->control(n);
        if (!w || w->isHidden())
            out << QStringLiteral("-");
        else if (auto *b = qobject_cast<forms::TextBox *>(w))
            out << b->text();
        else if (auto *l = qobject_cast<forms::Label *>(w))
            out << l->text();
    }
    return out.join(QLatin1Char(' '));
}

QStringList WorksheetDriver::shownButtons() const
{
    QStringList list;
    for (const tolbrin::ButtonDef &b : form->sheetDef().buttons)
        if (!button(b.name)->isHidden())
            list << b.name;
    return list;
}

VerticalDivisionForm *openFromMenu(const QString &name)
{
    auto *menu = forms::show<tolbrin::Form1>();
    const QString button = name == QLatin1String("Form2") ? QStringLiteral("Command1") : QStringLiteral("Command2");
    formstest::click(menu->findChild<QPushButton *>(button));
    return loadedSheet(name);
}

} // namespace tolbrintest
