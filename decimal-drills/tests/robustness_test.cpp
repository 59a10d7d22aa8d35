// A pupil clicking, typing, pasting and waiting in any order: nothing crashes,
// a window stays on screen until Esc or "خروج" ends the program, and every
// drill shows counts that agree with each other.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "drill_driver.h"
#include "drills/grade.h"
#include "drills/scoreboard.h"
#include "forms/tests/monkey.h"
#include "mirrane.h"

using namespace mirranetest;

namespace {

const QString Exit = QStringLiteral("خروج");

// What a drill shows agrees with its counts.
void checkDrill(drills::QuestionWindow *drill)
{
    const drills::ScoreBoard &s = drill->scoreBoard();
    // A next question comes only after an answer.
    QVERIFY(s.questions() >= 1 && s.questions() <= s.right() + s.wrong() + 1);
    QCOMPARE(caption(drill, "Label6"), drills::texts::QuestionCount + QString::number(s.questions()));
    if (s.right() > 0)
        QCOMPARE(caption(drill, "Label4"), drills::texts::RightCount + QString::number(s.right()));
    if (s.wrong() > 0)
        QCOMPARE(caption(drill, "Label5"), drills::texts::WrongCount + QString::number(s.wrong()));
    QCOMPARE(caption(drill, "Label2"), drill->question().text);
    if (auto *box = drill->findChild<forms::TextBox *>(QStringLiteral("Text1")))
        QVERIFY(box->text().size() <= box->maxLength());
}

} // namespace

class RobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void anythingInAnyOrder_data()
    {
        formstest::Monkey::addSeedRows({1u, 2u, 3u, 4u});
    }
    void anythingInAnyOrder()
    {
        QFETCH(unsigned, seed);
        formstest::Monkey monkey(formstest::Monkey::seedFor(seed));
        formstest::MessageCatcher messages;
        const QString keys = QStringLiteral("0123456789 ..ab\u0628\u0661");
        bool answered = false;
        int pastes = 0;
        bool ending = false;
        mirrane::start();
        const auto press = [&] {
            forms::Form *w = monkey.anyShownForm();
            QVERIFY2(w, "no window left on screen");
            QWidget *target = formstest::Monkey::focusOf(w);
            ending = false;
            monkey.oneOf({
                {2, [&] { // a click on a label or button shown, "خروج" now and then
                     auto isExit = [](QWidget *c) {
                         auto *l = qobject_cast<forms::Label *>(c);
                         return l && l->text() == Exit;
                     };
                     QWidget *clicked =
                         monkey.clickControl(w, [&](QWidget *c) { return !(isExit(c) && monkey.pick(30) != 0); });
                     ending = clicked && isExit(clicked);
                 }},
                {2, [&] { // a key to whatever has the focus, Esc now and then
                     monkey.oneOf({{1,
                                    [&] {
                                        ending = true;
                                        formstest::press(target, Qt::Key_Escape);
                                    }},
                                   {59, [&] { formstest::press(target, Qt::Key_Return); }},
                                   {20, [&] { formstest::press(target, Qt::Key_Backspace); }},
                                   {220, [&] { monkey.typeKey(w, keys); }}});
                 }},
                {2,
                 [&] {
                     monkey.clipboardEdit(w);
                     ++pastes;
                 }},
                {2, [&] { monkey.wait(3000); }},
            });
        };
        monkey.run(600, press, [&](int) {
            if (forms::programEnded()) {
                QVERIFY2(ending, "the program ended without Esc or \"خروج\"");
                QVERIFY(forms::loadedForms().isEmpty());
                endCase();
                startCase();
                mirrane::start();
                return;
            }
            for (forms::Form *f : forms::loadedForms())
                if (auto *drill = qobject_cast<drills::QuestionWindow *>(f)) {
                    checkDrill(drill);
                    if (QTest::currentTestFailed())
                        return;
                    answered = answered || drill->scoreBoard().right() + drill->scoreBoard().wrong() > 0;
                }
        });
        if (QTest::currentTestFailed())
            return;
        QVERIFY(answered); // the wandering reached the drills and answered
        QVERIFY(pastes > 100);
        QCOMPARE(messages.count(), 0);
    }
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
