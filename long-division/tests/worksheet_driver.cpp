#include "worksheet_driver.h"

#include "forms/window.h"
#include "navigation.h"

#include <QApplication>
#include <QTest>

namespace corvanetest {

void WorksheetDriver::typeProblem(const QString &dividend, const QString &divisor) const
{
    const auto &s = form->sheetDef();
    for (int i = 0; i < dividend.size() && i < int(s.dividendBoxes.size()); ++i)
        formstest::type(box(s.dividendBoxes[size_t(i)]), dividend.mid(i, 1));
    for (int i = 0; i < divisor.size() && i < int(s.divisorBoxes.size()); ++i)
        formstest::type(box(s.divisorBoxes[size_t(i)]), divisor.mid(i, 1));
}

bool WorksheetDriver::step(int k) const
{
    auto *b = button(form->sheetDef().steps.at(size_t(k - 1)).button);
    if (!formstest::shown(b))
        return false;
    formstest::click(b);
    return true;
}

bool WorksheetDriver::workSteps(int first, int last) const
{
    for (int k = first; k <= last; ++k)
        if (!step(k))
            return false;
    return true;
}

QString WorksheetDriver::row(const QList<int> &boxes) const
{
    QStringList parts;
    for (int n : boxes) {
        auto *b = box(n);
        parts << (b->visibleFlag() ? b->text().trimmed() : QStringLiteral("-"));
    }
    return parts.join(QLatin1Char(' '));
}

QString WorksheetDriver::labels(std::initializer_list<int> list) const
{
    QStringList parts;
    for (int n : list)
        parts << label(n)->text();
    return parts.join(QLatin1Char(' '));
}

int WorksheetDriver::visibleStepButtons() const
{
    int count = 0;
    for (const auto &def : form->sheetDef().stepButtons)
        if (button(def.button)->visibleFlag())
            ++count;
    return count;
}

QStringList WorksheetDriver::snapshot() const
{
    QStringList seen;
    for (auto *b : form->findChildren<forms::TextBox *>())
        seen << b->objectName() + (b->visibleFlag() ? "+" : "-") + b->text();
    for (auto *b : form->findChildren<forms::CommandButton *>())
        seen << b->objectName() + (b->visibleFlag() ? "+" : "-");
    seen.sort();
    return seen;
}

static const corvane::Worksheet *worksheet(const QString &name)
{
    for (const corvane::Worksheet &w : corvane::worksheets())
        if (w.name == name)
            return &w;
    return nullptr;
}

StepTutorForm *loadSheet(const QString &name)
{
    const corvane::Worksheet *w = worksheet(name);
    return w ? corvane::loadSheet(*w) : nullptr;
}

StepTutorForm *openSheet(const QString &name)
{
    const corvane::Worksheet *w = worksheet(name);
    if (!w)
        return nullptr;
    corvane::showSheet(*w);
    StepTutorForm *f = loadedSheet(name);
    if (f)
        QApplication::setActiveWindow(f);
    return f;
}

void typeIntoGuardedBox(const WorksheetDriver &w, const formstest::MessageCatcher &catcher, int box, const QString &typed,
                        const QString &message, bool firstStepShown)
{
        formstest::type(w.box(box), typed);
        if (message.isEmpty()) {
            QCOMPARE(catcher.count(), 0);
            QCOMPARE(w.box(box)->text(), typed);
        } else {
            QCOMPARE(catcher.count(), 1);
            QCOMPARE(catcher.last().text, message);
            QCOMPARE(catcher.last().title, ErrorTitle);
            QCOMPARE(catcher.last().icon, QMessageBox::Critical);
            QCOMPARE(catcher.last().buttons.size(), 1);
            QCOMPARE(w.box(box)->text(), QString());
        }
        QCOMPARE(w.button(4)->visibleFlag(), firstStepShown);
}

void retype(QWidget *box, const QString &text)
{
    formstest::erase(box);
    formstest::type(box, text);
}

QList<int> numbers(const QString &list)
{
    QList<int> out;
    for (const QString &n : list.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << n.toInt();
    return out;
}

void addFormColumn() { QTest::addColumn<QString>("form"); }

} // namespace corvanetest
