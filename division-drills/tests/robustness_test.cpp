// A pupil clicking, typing, pasting and waiting in any order: no window breaks, one
// always stays on screen, and the counts of every drill stay consistent.
#include "forms/tests/monkey.h"
#include "halverytest.h"

using namespace halverytest;

class RobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void anythingInAnyOrder_data()
    {
        formstest::Monkey::addSeedRows({1u, 2u, 3u, 4u});
    }
    void anythingInAnyOrder()
    {
        QFETCH(unsigned, seed);
        formstest::Monkey monkey(formstest::Monkey::seedFor(seed));
        formstest::MessageCatcher messages;
        auto pupil = std::make_unique<Pupil>();
        pupil->atSuiteMenu();
        const QString keys = QStringLiteral("0123456789 .ab\u0628\u0661");
        const auto press = [&] {
            forms::Form *w = monkey.anyShownForm();
            QVERIFY2(w, "no window left on screen");
            QWidget *target = formstest::Monkey::focusOf(w);
            monkey.oneOf({
                {1, [&] { // a click on a label or button (never on the exit label)
                     monkey.clickControl(w, [](QWidget *c) {
                         auto *l = qobject_cast<forms::Label *>(c);
                         return !(l && l->text() == QStringLiteral("خروج"));
                     });
                 }},
                {2, [&] { // a key to whatever has the focus, Esc now and then
                     monkey.oneOf({{1, [&] { formstest::press(target, Qt::Key_Escape); }},
                                   {39, [&] { formstest::press(target, Qt::Key_Return); }},
                                   {10, [&] { formstest::press(target, Qt::Key_Backspace); }},
                                   {150, [&] { monkey.typeKey(w, keys); }}});
                 }},
                {1, [&] { moveOver(monkey.anyPlace(w)); }},
                {1, [&] { monkey.clipboardEdit(w); }}, // a paste, cut or copy on whatever has the focus
                {2, [&] { monkey.wait(3000); }},
            });
        };
        monkey.run(3000, press, [&](int) {
            for (forms::Form *f : forms::loadedForms())
                if (auto *drill = qobject_cast<drills::QuestionWindow *>(f)) {
                    const auto &s = drill->scoreBoard();
                    const int answered = s.right() + s.wrong();
                    // One answer per question: the one on screen may be unanswered.
                    QVERIFY(answered == s.questions() || answered == s.questions() - 1);
                }
            if (forms::programEnded()) {
                pupil.reset();
                pupil = std::make_unique<Pupil>();
                pupil->atSuiteMenu();
            }
        });
        if (QTest::currentTestFailed())
            return;
        // The only message: the step drill's entry button pressed on an empty box.
        for (const formstest::SeenMessage &m : messages.seen())
            QCOMPARE(m.text, QStringLiteral("عفواً لم تضع رقما"));
    }
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
