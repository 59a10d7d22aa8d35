// The quotient-and-remainder drill, driven from the suite menu.
#include "openfromlist.h"
#include "remainderdrill.h"

using namespace halvery;
using namespace halverytest;
using formstest::type;

namespace {
const QString Right = QStringLiteral("أحسنت إجابة صحيحة ");
const QString Wrong = QStringLiteral("أخطأت الاجابة الصحيحة هي  ");

forms::TextBox *box(QWidget *w, const char *name) { return control<forms::TextBox>(w, QLatin1String(name)); }
} // namespace

class RemainderTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Pupil> pupil;

    Form6 *open(std::vector<int> draws) { return openFromList<Form6>(*pupil, "Command2", std::move(draws)); }

private slots:
    void init() { pupil = std::make_unique<Pupil>(); }
    void cleanup() { pupil.reset(); }

    void theButtonOpensTheDrillWithItsFirstProblem()
    {
        auto *drill = open(remainderProblem(47, 5));
        QVERIFY(drill && drill->isVisible());
        QVERIFY(!forms::instance<Form7>()->isVisible());
        QCOMPARE(caption(drill, "Label2"), QStringLiteral("47÷5="));
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الأسئلة :  1"));
        QCOMPARE(caption(drill, "Label10"), QStringLiteral("و الباقي"));
        QCOMPARE(caption(drill, "Label1"), QStringLiteral("اكتب ناتج ما يلي :"));
        QCOMPARE(caption(drill, "Label4"), QStringLiteral(" عدد الاجابات الصحيحة : 0"));
        QCOMPARE(caption(drill, "Label5"), QStringLiteral("عدد الاجابات الخاطئة :  0"));
        QCOMPARE(caption(drill, "Label9"), QStringLiteral("التقدير"));
        QVERIFY(label(drill, "Label3")->isHidden());
        QCOMPARE(boxText(drill, "Text1"), QString());
        QCOMPARE(boxText(drill, "Text2"), QString());
        // The quotient box is the right-hand one, has the focus, and Tab goes on to the remainder box.
        QVERIFY(box(drill, "Text1")->x() > box(drill, "Text2")->x());
        QCOMPARE(drill->focusWidget(), box(drill, "Text1"));
        QCOMPARE(box(drill, "Text1")->nextInFocusChain(), box(drill, "Text2"));
    }

    void answers_data()
    {
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("quotient");
        QTest::addColumn<QString>("remainder");
        QTest::addColumn<QString>("enterFrom");
        QTest::addColumn<QString>("message");
        QTest::newRow("right") << 47 << 5 << "9" << "2" << "Text2" << Right;
        QTest::newRow("Enter from the quotient box") << 47 << 5 << "9" << "2" << "Text1" << Right;
        QTest::newRow("quotient 0 left empty") << 7 << 9 << "" << "7" << "Text2" << Right;
        QTest::newRow("quotient 0 typed") << 7 << 9 << "0" << "7" << "Text1" << Right;
        QTest::newRow("quotient 10") << 21 << 2 << "10" << "1" << "Text2" << Right;
        QTest::newRow("blanks and letters") << 47 << 5 << " 9 " << "2 باقي" << "Text2" << Right;
        QTest::newRow("wrong remainder") << 47 << 5 << "9" << "3" << "Text2" << Wrong + QStringLiteral("9 و الباقي 2");
        QTest::newRow("empty remainder") << 47 << 5 << "9" << "" << "Text1" << Wrong + QStringLiteral("9 و الباقي 2");
        QTest::newRow("wrong quotient") << 47 << 5 << "8" << "2" << "Text2" << Wrong + QStringLiteral("9 و الباقي 2");
        QTest::newRow("boxes swapped") << 47 << 5 << "2" << "9" << "Text2" << Wrong + QStringLiteral("9 و الباقي 2");
        QTest::newRow("both empty") << 7 << 9 << "" << "" << "Text1" << Wrong + QStringLiteral("0 و الباقي 7");
    }
    void answers()
    {
        QFETCH(int, dividend);
        QFETCH(int, divisor);
        QFETCH(QString, quotient);
        QFETCH(QString, remainder);
        QFETCH(QString, enterFrom);
        QFETCH(QString, message);
        auto *drill = open(remainderProblem(dividend, divisor));
        type(box(drill, "Text1"), quotient);
        type(box(drill, "Text2"), remainder);
        QTest::keyClick(box(drill, enterFrom.toLatin1().constData()), Qt::Key_Return);
        const bool right = message == Right;
        QCOMPARE(caption(drill, "Label3"), message);
        QVERIFY(!label(drill, "Label3")->isHidden());
        QCOMPARE(caption(drill, "Label4"),
                 right ? QStringLiteral("عدد الاجابات الصحيحة :  1") : QStringLiteral(" عدد الاجابات الصحيحة : 0"));
        QCOMPARE(caption(drill, "Label5"),
                 right ? QStringLiteral("عدد الاجابات الخاطئة :  0") : QStringLiteral("عدد الاجابات الخاطئة :  1"));
        QCOMPARE(caption(drill, "Label9"), right ? QStringLiteral("ممتاز") : QStringLiteral("راسب ، لماذا ؟ "));
        QCOMPARE(pupil->sounds.size(), 1);
        QVERIFY(pupil->sounds.first().endsWith(right ? "/sound/yes.wav" : "/sound/no.wav"));
        // The typed answer stays beside the feedback until the next problem.
        QCOMPARE(boxText(drill, "Text1"), quotient);
        QCOMPARE(boxText(drill, "Text2"), remainder);
    }

    void feedbackBlocksAnswersAndEscUntilTheNextProblem()
    {
        auto *drill = open(remainderProblem(47, 5));
        type(box(drill, "Text1"), "9");
        type(box(drill, "Text2"), "2");
        QTest::keyClick(box(drill, "Text2"), Qt::Key_Return);
        QTest::keyClick(box(drill, "Text2"), Qt::Key_Return);
        QTest::keyClick(box(drill, "Text1"), Qt::Key_Escape);
        type(box(drill, "Text2"), "5");
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QCOMPARE(pupil->sounds.size(), 1);
        QCOMPARE(caption(drill, "Label4"), QStringLiteral("عدد الاجابات الصحيحة :  1"));
        QCOMPARE(boxText(drill, "Text2"), QStringLiteral("25"));

        // 23÷2 has too large a quotient and 22÷2 divides exactly: 9÷4 is asked.
        forms::testing::scriptDraws(inOrder({remainderProblem(23, 2), remainderProblem(22, 2), remainderProblem(9, 4)}));
        forms::testing::advance(2499);
        QCOMPARE(caption(drill, "Label2"), QStringLiteral("47÷5="));
        forms::testing::advance(1);
        QCOMPARE(caption(drill, "Label2"), QStringLiteral("9÷4="));
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الأسئلة :  2"));
        QVERIFY(label(drill, "Label3")->isHidden());
        QCOMPARE(boxText(drill, "Text1"), QString());
        QCOMPARE(boxText(drill, "Text2"), QString());

        // A wrong second answer: 1 right of 2 questions.
        type(box(drill, "Text1"), "2");
        QTest::keyClick(box(drill, "Text1"), Qt::Key_Return);
        QCOMPARE(caption(drill, "Label3"), Wrong + QStringLiteral("2 و الباقي 1"));
        QCOMPARE(caption(drill, "Label9"), QStringLiteral("تدرب أكثر"));
        forms::testing::advance(2500);
        QTest::keyClick(box(drill, "Text2"), Qt::Key_Escape);
        QVERIFY(forms::programEnded());
    }

    void problemsThatAreNeverAsked_data()
    {
        QTest::addColumn<std::vector<int>>("draws");
        QTest::addColumn<QString>("asked");
        QTest::newRow("exact 22÷2, quotient 11 in 23÷2") << inOrder({remainderProblem(22, 2), remainderProblem(23, 2), remainderProblem(21, 2)}) << "21÷2=";
        QTest::newRow("a zero dividend or divisor") << inOrder({remainderProblem(0, 5), remainderProblem(7, 0), remainderProblem(7, 9)}) << "7÷9=";
        QTest::newRow("divisor 1") << inOrder({remainderProblem(50, 1), remainderProblem(99, 1), remainderProblem(99, 10)}) << "99÷10=";
        QTest::newRow("exact 90÷10, quotient 11 of 99÷9") << inOrder({remainderProblem(90, 10), remainderProblem(99, 9), remainderProblem(89, 9)}) << "89÷9=";
    }
    void problemsThatAreNeverAsked()
    {
        QFETCH(std::vector<int>, draws);
        QFETCH(QString, asked);
        auto *drill = open(draws);
        QCOMPARE(caption(drill, "Label2"), asked);
        QCOMPARE(forms::testing::scriptedDrawsLeft(), 0);
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الأسئلة :  1"));
    }

    void leavingAndComingBackKeepsProblemEntriesAndCounts()
    {
        auto *drill = open(remainderProblem(47, 5));
        type(box(drill, "Text1"), "1");
        type(box(drill, "Text2"), "1");
        QTest::keyClick(box(drill, "Text2"), Qt::Key_Return);
        forms::testing::advance(2500);
        const QString second = caption(drill, "Label2");
        type(box(drill, "Text1"), "4");
        clickLabel(drill, "Label7");
        QVERIFY(!drill->isVisible());
        QVERIFY(forms::instance<Form7>()->isVisible());
        auto *again = openFromList<Form6>(*pupil, "Command2");
        QCOMPARE(again, drill);
        QVERIFY(drill->isVisible());
        QCOMPARE(caption(drill, "Label2"), second);
        QCOMPARE(boxText(drill, "Text1"), QStringLiteral("4"));
        QCOMPARE(caption(drill, "Label5"), QStringLiteral("عدد الاجابات الخاطئة :  1"));
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الأسئلة :  2"));
    }

    void leavingDuringTheFeedbackFindsTheNextProblem()
    {
        auto *drill = open(remainderProblem(47, 5));
        QTest::keyClick(box(drill, "Text1"), Qt::Key_Return);
        clickLabel(drill, "Label7");
        forms::testing::scriptDraws(remainderProblem(9, 4));
        forms::testing::advance(2500); // the timer counts on while the window is hidden
        openFromList<Form6>(*pupil, "Command2");
        QCOMPARE(caption(drill, "Label2"), QStringLiteral("9÷4="));
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الأسئلة :  2"));
        QVERIFY(label(drill, "Label3")->isHidden());
    }

    // With the clock standing still, every reseed still draws afresh.
    void aThousandProblemsWithTimeStopped()
    {
        auto *drill = open({});
        QSet<int> divisors;
        for (int i = 0; i < 1000; ++i) {
            const RemainderProblem p = drill->problem();
            QVERIFY(p.dividend >= 1 && p.dividend <= 99);
            QVERIFY(p.divisor >= 2 && p.divisor <= 10);
            QVERIFY(p.remainder >= 1 && p.remainder < p.divisor);
            QVERIFY(p.quotient <= 10);
            QCOMPARE(p.divisor * p.quotient + p.remainder, p.dividend);
            QCOMPARE(caption(drill, "Label2"), QStringLiteral("%1÷%2=").arg(p.dividend).arg(p.divisor));
            divisors << p.divisor;
            QTest::keyClick(box(drill, "Text1"), Qt::Key_Return);
            forms::testing::advance(2500);
        }
        QCOMPARE(divisors.size(), 9);
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الأسئلة :  1001"));
    }
};

QTEST_MAIN(RemainderTest)
#include "remainder_test.moc"
