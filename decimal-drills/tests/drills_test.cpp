// The three drill windows as a pupil uses them, every draw scripted.
#include <QTest>

#include "drill_driver.h"
#include "forms/app.h"
#include "forms/timing.h"

using namespace mirrane;
using namespace mirranetest;
using formstest::click;
using formstest::control;
using formstest::press;
using namespace drillstest;

namespace {
const QString Right = QStringLiteral("أحسنت إجابة صحيحة ");
const QString WrongIs = QStringLiteral("أخطأت الاجابة الصحيحة هي  ");
const QString RightCount = QStringLiteral("عدد الاجابات الصحيحة :  ");
const QString WrongCount = QStringLiteral("عدد الاجابات الخاطئة :  ");
const QString Questions = QStringLiteral("عدد الأسئلة :  ");

// One right answer on each window, for the draws {kind 0, x 2, y 1 (, c 0)}.
void answerRight(AnswerMode w, MultiplicationDrill *drill)
{
    switch (w) {
    case AnswerMode::Write: {
        auto *box = control<forms::TextBox>(drill, "Text1");
        if (box->text().isEmpty())
            formstest::type(box, QStringLiteral("2"));
        press(box, Qt::Key_Return);
        return;
    }
    case AnswerMode::Choose: click(control<QPushButton>(drill, "Command2")); return;
    case AnswerMode::Judge: clickLabel(drill, "Label7"); return;
    }
}
} // namespace

class DrillsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void writeDrillJudgesTypedAnswersExactly_data()
    {
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<bool>("byTick");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("product"); // empty when the answer is right
        // In binary floating point, x ÷ D × m is 110.00000000000001, 0.7000000000000001, ...
        QTest::newRow("1.1×100 right") << question(1, 11) << false << "1.1×100=" << "110" << "";
        QTest::newRow("8.1×100 right") << question(1, 81) << false << "8.1×100=" << "810" << "";
        QTest::newRow("8.1×100 wrong") << question(1, 81) << false << "8.1×100=" << "81" << "810";
        QTest::newRow(".7") << question(2, 7) << false << "0.07×10=" << ".7" << "";
        QTest::newRow("0.70") << question(2, 7) << false << "0.07×10=" << "0.70" << "";
        QTest::newRow("blanks inside") << question(2, 7) << false << "0.07×10=" << " 0 . 7" << "";
        QTest::newRow("letters after") << question(2, 7) << false << "0.07×10=" << "0.7abc" << "";
        QTest::newRow("comma") << question(2, 7) << false << "0.07×10=" << "0,7" << "0.7";
        QTest::newRow("a tenth") << question(2, 7) << false << "0.07×10=" << "0.07" << "0.7";
        QTest::newRow("ten times") << question(2, 7) << false << "0.07×10=" << "7" << "0.7";
        QTest::newRow("binary noise") << question(2, 7) << false << "0.07×10=" << "0.7000000000000001" << "0.7";
        QTest::newRow("empty") << question(2, 7) << false << "0.07×10=" << "" << "0.7";
        QTest::newRow("0.035×100") << question(3, 35) << false << "0.035×100=" << "3.5" << "";
        QTest::newRow("kind 4 at load") << question(4, 35) << false << "0.035×10=" << "0.35" << "";
        QTest::newRow("kind 4 by the tick") << inOrder({question(0, 1), question(4, 35)}) << true << "0.35×100=" << "35" << "";
        QTest::newRow("9.9×1000 largest") << question(5, 99) << false << "9.9×1000=" << "9900" << "";
        QTest::newRow("separator") << question(5, 99) << false << "9.9×1000=" << "9,900" << "9900";
        QTest::newRow("forty digits") << question(5, 99) << false << "9.9×1000=" << QString(40, QChar('9'))
                                      << "9900";
    }
    void writeDrillJudgesTypedAnswersExactly()
    {
        QFETCH(Draws, draws);
        QFETCH(bool, byTick);
        QFETCH(QString, question);
        QFETCH(QString, typed);
        QFETCH(QString, product);
        auto *w = openDrill<Form2>(draws);
        if (byTick) {
            answerTyped(w, QStringLiteral("0"));
            forms::testing::advance(2500);
        }
        QCOMPARE(caption(w, "Label2"), question);
        const int wrongBefore = w->scoreBoard().wrong();
        answerTyped(w, typed);
        QVERIFY(label(w, "Label3")->isVisible());
        if (product.isEmpty()) {
            QCOMPARE(caption(w, "Label3"), Right);
            QCOMPARE(caption(w, "Label4"), RightCount + "1");
        } else {
            QCOMPARE(caption(w, "Label3"), WrongIs + product);
            QCOMPARE(caption(w, "Label5"), WrongCount + QString::number(wrongBefore + 1));
        }
        QCOMPARE(control<forms::TextBox>(w, "Text1")->text(), typed); // stays until the tick
    }

    void aVeryLongAnswerIsJustWrong()
    {
        auto *w = openDrill<Form2>(question(5, 99));
        auto *box = control<forms::TextBox>(w, "Text1");
        box->setText(QStringLiteral("9900") + QString(20000, QChar('7'))); // as if pasted
        press(box, Qt::Key_Return);
        QCOMPARE(caption(w, "Label3"), WrongIs + "9900");
    }

    void chooseDrillOffersOneRightButton_data()
    {
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("captions"); // Command1 to Command3, right to left
        QTest::addColumn<int>("right");
        QTest::newRow("0.007×100") << question(3, 7) << "0.007×100=" << QStringList{"0.7", "7", "0.07"} << 1;
        QTest::newRow("2.3×100") << question(1, 23) << "2.3×100=" << QStringList{"2300", "23", "230"} << 3;
        QTest::newRow("0.01×1000") << question(5, 1) << "0.01×1000=" << QStringList{"0.1", "100", "10"} << 3;
        QTest::newRow("0.3×10") << question(0, 3) << "0.3×10=" << QStringList{"30", "3", "0.3"} << 2;
    }
    void chooseDrillOffersOneRightButton()
    {
        QFETCH(Draws, draws);
        QFETCH(QString, question);
        QFETCH(QStringList, captions);
        QFETCH(int, right);
        auto *w = openDrill<Form4>(draws);
        QCOMPARE(caption(w, "Label2"), question);
        QStringList shown;
        for (const char *name : {"Command1", "Command2", "Command3"})
            shown << control<QPushButton>(w, name)->text();
        QCOMPARE(shown, captions);
        auto *b1 = control<QPushButton>(w, "Command1");
        auto *b3 = control<QPushButton>(w, "Command3");
        QVERIFY(b1->x() > b3->x()); // Command1 on the right

        // Every button, in turn: only the right one counts as right.
        for (int i = 1; i <= 3; ++i) {
            click(control<QPushButton>(w, qPrintable(QStringLiteral("Command%1").arg(i))));
            QCOMPARE(caption(w, "Label3"), i == right ? Right : WrongIs + captions[right - 1]);
        }
        QCOMPARE(w->scoreBoard().right(), 1);
        QCOMPARE(w->scoreBoard().wrong(), 2);
        QCOMPARE(w->scoreBoard().questions(), 1);
        QVERIFY(b1->isEnabled());
    }

    void enterOrSpaceOnAFocusedButtonChoosesIt()
    {
        auto *w = openDrill<Form4>(question(3, 7));
        auto *b1 = control<QPushButton>(w, "Command1");
        auto *b2 = control<QPushButton>(w, "Command2");
        b1->setFocus(Qt::OtherFocusReason);
        press(b1, Qt::Key_Return);
        QCOMPARE(w->scoreBoard().right(), 1);
        b2->setFocus(Qt::OtherFocusReason);
        press(b2, Qt::Key_Space);
        QCOMPARE(w->scoreBoard().wrong(), 1);
        QCOMPARE(caption(w, "Label3"), WrongIs + "0.7");
    }

    void rightWrongDrillJudgesTheStatement_data()
    {
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("product");
        QTest::newRow("true, smallest") << statement(7, 1, Shown::Answer) << "0.001×10=0.01" << "t" << "0.01";
        QTest::newRow("ten times") << statement(7, 1, Shown::TenTimesLarger) << "0.001×10=0.1" << "f" << "0.01";
        QTest::newRow("a tenth, 0.001") << statement(7, 1, Shown::TenTimesSmaller) << "0.001×10=0.001" << "f" << "0.01";
        QTest::newRow("3.5×100=35") << statement(1, 35, Shown::TenTimesSmaller) << "3.5×100=35" << "f" << "350";
    }
    void rightWrongDrillJudgesTheStatement()
    {
        QFETCH(Draws, draws);
        QFETCH(QString, statement);
        QFETCH(QString, flag);
        QFETCH(QString, product);
        auto *w = openDrill<Form3>(draws);
        QCOMPARE(caption(w, "Label2"), statement);
        QCOMPARE(caption(w, "Label10"), flag);
        QVERIFY(!label(w, "Label10")->isVisible());
        QCOMPARE(caption(w, "Label1"), QStringLiteral("اختر صح او خطأ لتحصل على عبارة صحيحة مما يلي :"));

        // The wrong choice first, then the right one: both judged, against the same statement.
        const bool isTrue = flag == "t";
        clickLabel(w, isTrue ? "Label8" : "Label7");
        QCOMPARE(caption(w, "Label3"), WrongIs + product);
        clickLabel(w, isTrue ? "Label7" : "Label8");
        QCOMPARE(caption(w, "Label3"), Right);
        QCOMPARE(caption(w, "Label4"), RightCount + "1");
        QCOMPARE(caption(w, "Label5"), WrongCount + "1");
        QCOMPARE(caption(w, "Label9"), QStringLiteral("ممتاز")); // right 1 of questions 1
        QVERIFY(label(w, "Label7")->isEnabled() && label(w, "Label8")->isEnabled());
    }

    void enterThreeTimesCountsThreeRightOfOneQuestion()
    {
        auto *w = openDrill<Form2>(question(1, 11));
        QCOMPARE(caption(w, "Label6"), Questions + "1");
        QCOMPARE(caption(w, "Label4"), QStringLiteral(" عدد الاجابات الصحيحة : 0"));
        QCOMPARE(caption(w, "Label9"), QStringLiteral("التقدير"));
        answerTyped(w, QStringLiteral("110"));
        auto *box = control<forms::TextBox>(w, "Text1");
        press(box, Qt::Key_Return);
        press(box, Qt::Key_Return);
        QCOMPARE(caption(w, "Label4"), RightCount + "3");
        QCOMPARE(caption(w, "Label6"), Questions + "1");
        QCOMPARE(caption(w, "Label9"), QStringLiteral("ممتاز")); // 300 of 100, not clamped
    }

    // A second answer 2000 ms after the first does not put the next question off.
    void theNextQuestionComes2500msAfterTheFirstAnswer_data()
    {
        QTest::addColumn<AnswerMode>("window");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QString>("next");
        const QString write = "0.3×10=", choose = "0.3×10=", judge = "0.3×10=3";
        for (bool hidden : {false, true}) {
            const char *how = hidden ? ", hidden" : "";
            QTest::addRow("write%s", how) << AnswerMode::Write << hidden << write;
            QTest::addRow("choose%s", how) << AnswerMode::Choose << hidden << choose;
            QTest::addRow("right-or-wrong%s", how) << AnswerMode::Judge << hidden << judge;
        }
    }
    void theNextQuestionComes2500msAfterTheFirstAnswer()
    {
        QFETCH(AnswerMode, window);
        QFETCH(bool, hidden);
        QFETCH(QString, next);
        const bool judge = window == AnswerMode::Judge;
        const Draws draws = judge ? inOrder({statement(0, 2, Shown::Answer), statement(0, 3, Shown::Answer)})
                                  : inOrder({question(0, 2), question(0, 3)});
        MultiplicationDrill *w = openDrill(window, draws);
        const QString first = caption(w, "Label2");
        answerRight(window, w);
        forms::testing::advance(2000);
        answerRight(window, w);
        if (hidden)
            clickLabel(w, judge ? "Label11" : "Label7");
        QCOMPARE(w->isVisible(), !hidden);
        forms::testing::advance(499);
        QCOMPARE(caption(w, "Label2"), first);
        QVERIFY(label(w, "Label3")->isVisibleTo(w));
        forms::testing::advance(1);
        QCOMPARE(caption(w, "Label2"), next);
        QCOMPARE(caption(w, "Label6"), Questions + "2");
        QVERIFY(!label(w, "Label3")->isVisibleTo(w));
        QCOMPARE(w->scoreBoard().right(), 2);
        forms::testing::advance(5000); // one tick per question
        QCOMPARE(caption(w, "Label6"), Questions + "2");
    }

    void escEndsTheProgram_data()
    {
        QTest::addColumn<AnswerMode>("window");
        QTest::addColumn<bool>("duringFeedback");
        for (bool feedback : {false, true}) {
            const char *when = feedback ? ", during the feedback" : "";
            QTest::addRow("write%s", when) << AnswerMode::Write << feedback;
            QTest::addRow("choose%s", when) << AnswerMode::Choose << feedback;
            QTest::addRow("right-or-wrong%s", when) << AnswerMode::Judge << feedback;
        }
    }
    void escEndsTheProgram()
    {
        QFETCH(AnswerMode, window);
        QFETCH(bool, duringFeedback);
        // The write and choose drills leave what the statement shows.
        MultiplicationDrill *w = openDrill(window, statement(0, 2, Shown::Answer));
        if (duringFeedback)
            answerRight(window, w);
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
        press(target, Qt::Key_Escape);
        QVERIFY(forms::programEnded());
        QVERIFY(forms::loadedForms().isEmpty());
    }

    void theTickEmptiesTheBoxAndHidesTheMessage()
    {
        auto *w = openDrill<Form2>(inOrder({question(2, 7), question(3, 35)}));
        answerTyped(w, QStringLiteral("0.7"));
        forms::testing::advance(2500);
        QCOMPARE(caption(w, "Label2"), QStringLiteral("0.035×100="));
        QVERIFY(control<forms::TextBox>(w, "Text1")->text().isEmpty());
        QVERIFY(!label(w, "Label3")->isVisible());
        answerTyped(w, QStringLiteral("3.5"));
        QCOMPARE(caption(w, "Label3"), Right);
        QCOMPARE(caption(w, "Label9"), QStringLiteral("ممتاز"));
    }
};

QTEST_MAIN(DrillsTest)
#include "drills_test.moc"
