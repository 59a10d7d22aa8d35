// A pupil pressing anything in any order on Quillet's card, pasting included:
// nothing crashes, the window stays on screen until Esc or "خروج" closes it,
// and the card shows its fact or, turned, its answer.
#include <QApplication>
#include <QTest>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/tests/driver.h"
#include "forms/tests/monkey.h"
#include "forms/tests/reset.h"
#include "forms/timing.h"
#include "quillet.h"
#include "quillet_form.h"

using formstest::control;

class QuilletRobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void init() { forms::testing::useManualTime(true); }
    void cleanup() { formstest::resetAll(); }

    void anythingInAnyOrder_data()
    {
        formstest::Monkey::addSeedRows({1u, 2u, 3u});
    }
    void anythingInAnyOrder()
    {
        QFETCH(unsigned, seed);
        formstest::Monkey monkey(formstest::Monkey::seedFor(seed));
        const QString keys = QStringLiteral("0123456789 .ab\u0628\u0661");
        int restarts = 0;
        bool ending = false;
        quillet::start();
        const auto press = [&] {
            auto *form = forms::instance<quillet::Form1>();
            QVERIFY(form && form->isVisible());
            QWidget *target = formstest::Monkey::focusOf(form);
            ending = false;
            monkey.oneOf({
                {1, [&] { // a click anywhere on the window, on "خروج" now and then
                     auto *leave = control<forms::Label>(form, QStringLiteral("Label3"));
                     if (monkey.pick(40) == 0) {
                         ending = true;
                         QTest::mouseClick(leave, Qt::LeftButton, Qt::NoModifier, leave->rect().center());
                     } else if (QWidget *under = monkey.anyPlace(form); under != leave) {
                         QTest::mouseClick(under, Qt::LeftButton);
                     }
                 }},
                {2, [&] { // a key, Esc now and then
                     monkey.oneOf({{1,
                                    [&] {
                                        ending = true;
                                        formstest::press(target, Qt::Key_Escape);
                                    }},
                                   {29, [&] { formstest::press(target, Qt::Key_Return); }},
                                   {10, [&] { formstest::press(target, monkey.pick(2) ? Qt::Key_Shift : Qt::Key_Left); }},
                                   {60, [&] { monkey.typeKey(form, keys); }}});
                 }},
                {2, [&] { monkey.clipboardEdit(form); }},
                {2, [&] { monkey.wait(3000); }},
            });
        };
        monkey.run(800, press, [&](int) {
            if (forms::programEnded()) {
                QVERIFY2(ending, "the program ended without Esc or \"خروج\"");
                QVERIFY(forms::loadedForms().isEmpty());
                formstest::unloadAll();
                quillet::start();
                ++restarts;
                return;
            }
            auto *form = forms::instance<quillet::Form1>();
            QVERIFY(form && form->isVisible());
            const drills::FactCard &card = form->card();
            auto *face = control<forms::Label>(form, QStringLiteral("Label1"));
            const drills::FactCardTable table = quillet::cardTable();
            QCOMPARE(face->text(), card.turned() ? QString::number(card.answer()) : drills::factText(table, card.x(), card.y()));
            QCOMPARE(face->palette().color(QPalette::WindowText), card.turned() ? table.answerColor : table.faceColor);
            QCOMPARE(card.answer(), card.x() * card.y());
            QVERIFY(card.x() >= 0 && card.x() <= 12 && card.y() >= 0 && card.y() <= 12);
        });
        if (QTest::currentTestFailed())
            return;
        QVERIFY(restarts > 0); // Esc or "خروج" was met
    }
};

QTEST_MAIN(QuilletRobustnessTest)
#include "quillet_robustness_test.moc"
