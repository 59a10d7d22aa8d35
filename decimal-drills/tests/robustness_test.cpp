// A pupil clicking, typing, pasting and waiting in any order: nothing crashes,
// a window stays on screen until Esc or "خروج" ends the program, and every
// drill shows counts that agree with each other.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <random>

#include "drill_driver.h"
#include "drills/grade.h"
#include "drills/scoreboard.h"
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
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u, 4u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void anythingInAnyOrder()
    {
        QFETCH(unsigned, seed);
        std::mt19937 random(20261210u + seed);
        auto pick = [&](int n) { return int(random() % unsigned(n)); };
        formstest::MessageCatcher messages;
        const QString keys = QStringLiteral("0123456789 ..ab\u0628\u0661");
        bool answered = false;
        int pastes = 0;
        mirrane::start();
        for (int step = 0; step < 600; ++step) {
            QList<forms::Form *> shown;
            for (forms::Form *f : forms::loadedForms())
                if (f->isVisible())
                    shown << f;
            QVERIFY2(!shown.isEmpty(), "no window left on screen");
            forms::Form *w = shown[pick(int(shown.size()))];

            bool ending = false;
            switch (pick(8)) {
            case 0:
            case 1: { // a click on a label or button shown, "خروج" now and then
                QList<QWidget *> targets;
                for (QWidget *c : w->findChildren<QWidget *>()) {
                    auto *l = qobject_cast<forms::Label *>(c);
                    if (c->isVisible() && c->isEnabled() && (l || qobject_cast<QPushButton *>(c))
                        && !(l && l->text() == Exit && pick(30) != 0))
                        targets << c;
                }
                if (!targets.isEmpty()) {
                    QWidget *t = targets[pick(int(targets.size()))];
                    auto *l = qobject_cast<forms::Label *>(t);
                    ending = l && l->text() == Exit;
                    QTest::mouseClick(t, Qt::LeftButton, Qt::NoModifier, t->rect().center());
                }
                break;
            }
            case 2:
            case 3: { // a key to whatever has the focus, Esc now and then
                QWidget *target = w->focusWidget() ? w->focusWidget() : w;
                const int k = pick(300);
                if (k == 0) {
                    ending = true;
                    formstest::press(target, Qt::Key_Escape);
                } else if (k < 60) {
                    formstest::press(target, Qt::Key_Return);
                } else if (k < 80) {
                    formstest::press(target, Qt::Key_Backspace);
                } else {
                    formstest::press(target, Qt::Key_unknown, keys.mid(pick(int(keys.size())), 1));
                }
                break;
            }
            case 4:
            case 5:
                formstest::randomClipboardEdit(w, random);
                ++pastes;
                break;
            default:
                forms::testing::advance(pick(3000));
            }
            QCoreApplication::processEvents();

            if (forms::programEnded()) {
                QVERIFY2(ending, "the program ended without Esc or \"خروج\"");
                QVERIFY(forms::loadedForms().isEmpty());
                endCase();
                startCase();
                mirrane::start();
                continue;
            }
            for (forms::Form *f : forms::loadedForms())
                if (auto *drill = qobject_cast<drills::QuestionWindow *>(f)) {
                    checkDrill(drill);
                    if (QTest::currentTestFailed())
                        return;
                    answered = answered || drill->scoreBoard().right() + drill->scoreBoard().wrong() > 0;
                }
        }
        QVERIFY(answered); // the wandering reached the drills and answered
        QVERIFY(pastes > 100);
        QCOMPARE(messages.count(), 0);
    }
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
