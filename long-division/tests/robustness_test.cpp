// A pupil pressing or pasting anything in any order: every worksheet keeps working, and a
// new problem always brings it back to the state it opened in.
#include <QApplication>
#include <QTest>

#include "forms/app.h"
#include "forms/tests/monkey.h"
#include "forms/tests/reset.h"
#include "forms/window.h"
#include "worksheet_driver.h"

using namespace corvanetest;
using formstest::MessageCatcher;

namespace {

// Which controls show, and what the boxes hold.
QStringList snapshot(StepTutorForm *form)
{
    QStringList state;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty())
            continue;
        QString entry = w->objectName() + (w->isHidden() ? QStringLiteral(":hidden") : QStringLiteral(":shown"));
        if (auto *box = qobject_cast<forms::TextBox *>(w))
            entry += QLatin1Char('=') + box->text();
        if (auto *label = qobject_cast<forms::Label *>(w))
            entry += QLatin1Char('=') + label->text();
        state << entry;
    }
    state.sort();
    return state;
}

// A click on a step button that shows: the last one, or one picked by the monkey.
void clickStep(const WorksheetDriver &w, const corvane::Sheet &def, formstest::Monkey *monkey)
{
    std::vector<forms::CommandButton *> shownSteps;
    for (const auto &b : def.stepButtons)
        if (formstest::shown(w.button(b.button)))
            shownSteps.push_back(w.button(b.button));
    if (!shownSteps.empty())
        formstest::click(monkey ? monkey->pickFrom(shownSteps) : shownSteps.back());
}

} // namespace

class RobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { formstest::resetAll(); }

    void anyInputInAnyOrder_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<unsigned>("seed");
        unsigned run = 0;
        for (const Layout &l : layouts())
            QTest::newRow(qPrintable(l.name)) << l.name << formstest::Monkey::seedFor(run++);
    }
    void anyInputInAnyOrder()
    {
        QFETCH(QString, sheet);
        QFETCH(unsigned, seed);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(sheet)};
        const QStringList designState = snapshot(w.form);
        const corvane::Sheet &def = w.form->sheetDef();

        std::vector<int> entries = def.dividendBoxes;
        entries.insert(entries.end(), def.divisorBoxes.begin(), def.divisorBoxes.end());
        std::vector<int> buttons{def.newProblemButton, def.checkButton};
        for (const auto &b : def.stepButtons)
            buttons.push_back(b.button);
        const QString keys = QStringLiteral("0123456789019a- ") + QChar(0x0665) + QChar(0x0628);
        int completed = 0;

        formstest::Monkey monkey(seed);
        const auto press = [&] {
            monkey.oneOf({
                {8, [&] { // a key into an entry box, often after clearing it
                     auto *box = w.box(monkey.pickFrom(entries));
                     if (monkey.pick(2))
                         formstest::erase(box);
                     formstest::type(box, monkey.pickKey(keys));
                 }},
                {2, [&] { // a whole problem typed afresh
                     for (int n : entries)
                         retype(w.box(n), QString(QChar(char16_t(u'2' + monkey.pick(8)))));
                 }},
                {20, [&] { clickStep(w, def, nullptr); }}, // the last step button shown
                {4, [&] { clickStep(w, def, &monkey); }},  // any step button shown
                {2, [&] { formstest::click(w.button(def.checkButton)); }},
                {1, [&] { // now and then a new problem, else a click on a box
                     if (monkey.pick(3) == 0)
                         formstest::click(w.button(def.newProblemButton));
                     else
                         QTest::mouseClick(w.box(monkey.pickFrom(def.boxes).number), Qt::LeftButton);
                 }},
                {3, [&] { // a click on any box, shown or not
                     QTest::mouseClick(w.box(monkey.pickFrom(def.boxes).number), Qt::LeftButton);
                 }},
                {3, [&] { monkey.clipboardEdit(w.form, w.box(monkey.pickFrom(entries))); }}, // mostly in an entry box
                {1, [&] { monkey.clipboardEdit(w.form); }},
            });
        };
        monkey.run(1500, press, [&](int) {
            if (w.form->frame(def.check.frame.number)->visibleFlag())
                ++completed;
            // Entry boxes never hold anything but one digit.
            for (int n : entries) {
                const QString t = w.box(n)->text();
                QVERIFY2(t.isEmpty() || (t.size() == 1 && t[0].isDigit() && t[0].unicode() < 128), qPrintable(t));
            }
        });
        if (QTest::currentTestFailed())
            return;
        QVERIFY(w.form->isVisible());
        QCOMPARE(forms::loadedForms().size(), qsizetype(1));
        QVERIFY(completed > 0); // the wandering reached the check

        // Over whatever the wandering left, a problem typed and worked in order
        // comes out right: nothing of an earlier press is read back.
        QString dividend, divisor;
        for (size_t i = 0; i < def.dividendBoxes.size(); ++i)
            dividend += QChar(char16_t(u'2' + monkey.pick(8)));
        for (size_t i = 0; i < def.divisorBoxes.size(); ++i)
            divisor += QChar(char16_t(u'2' + monkey.pick(8)));
        for (size_t i = 0; i < def.dividendBoxes.size(); ++i)
            retype(w.box(def.dividendBoxes[i]), dividend.mid(int(i), 1));
        for (size_t i = 0; i < def.divisorBoxes.size(); ++i)
            retype(w.box(def.divisorBoxes[i]), divisor.mid(int(i), 1));
        catcher.clear();
        QVERIFY(w.workAll());
        formstest::click(w.button(def.checkButton));
        QCOMPARE(catcher.count(), 0);
        const qint64 a = dividend.toLongLong(), b = divisor.toLongLong();
        QCOMPARE(w.labels({4, 7, 13}), QStringLiteral("%1 %2 %3").arg(a / b).arg(a % b).arg(a));

        formstest::click(w.button(def.newProblemButton));
        QCOMPARE(snapshot(w.form), designState);

        // And the worksheet still works a problem from the start.
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        formstest::click(w.button(def.checkButton));
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.labels({4, 7, 13}), QStringLiteral("%1 %2 %3").arg(a / b).arg(a % b).arg(a));
    }
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
