// Halvery's number boxes answered from an Arabic or a Persian keyboard: the
// pupil's Arabic-Indic digits show as Western ones and the answer is judged
// by its value.
#include <QApplication>
#include <QClipboard>

#include "drills/feedbacksound.h"
#include "forms/numbers.h"
#include "openfromlist.h"
#include "remainderdrill.h"
#include "stepdrill.h"

using namespace halvery;
using namespace halverytest;

using formstest::Entry;

namespace {
const QString Right = QStringLiteral("أحسنت إجابة صحيحة ");
const QString Wrong = QStringLiteral("أخطأت الاجابة الصحيحة هي  ");
const QString RightCount = QStringLiteral("عدد الاجابات الصحيحة :  ");
const QString WrongCount = QStringLiteral("عدد الاجابات الخاطئة :  ");

forms::TextBox *box(QWidget *w, const QString &name) { return control<forms::TextBox>(w, name); }

} // namespace

class DigitsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Pupil> pupil;

private slots:
    void init() { pupil = std::make_unique<Pupil>(); }
    void cleanup() { pupil.reset(); }

    // The write drill Form2: 43000÷1000= answered with ٤٣.
    void theWriteDrill_data()
    {
        QTest::addColumn<Entry>("way");
        QTest::addColumn<std::vector<int>>("draws");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected"); // empty when the answer is right
        for (const auto &[name, way] : formstest::Entries) {
            const auto row = [&](const char *what) -> QTestData & { return QTest::addRow("%s, %s", what, name) << way; };
            row("43000÷1000 in Arabic-Indic digits") << question(2, 43) << "43000÷1000=" << "٤٣" << "43" << "";
            row("43000÷1000 in Persian digits") << question(2, 43) << "43000÷1000=" << "۴۳" << "43" << "";
            row("4500÷10 with letters after") << question(3, 45) << "4500÷10=" << "٤٥٠ ب" << "450 ب" << "";
            row("4500÷10 with a blank inside") << question(3, 45) << "4500÷10=" << "٤ ٥٠" << "4 50" << "";
            row("100000÷1000 as Western and Arabic-Indic digits") << question(5, 10) << "100000÷1000=" << "1٠٠"
                                                                   << "100" << "";
            row("a wrong answer is still wrong") << question(2, 43) << "43000÷1000=" << "٤٤" << "44" << "43";
            row("ten times the answer is wrong") << question(2, 43) << "43000÷1000=" << "٤٣٠" << "430" << "43";
            row("the Arabic decimal separator is a point") << question(2, 43) << "43000÷1000=" << "٤٣٫٥" << "43.5"
                                                           << "43";
        }
    }
    void theWriteDrill()
    {
        QFETCH(Entry, way);
        QFETCH(std::vector<int>, draws);
        QFETCH(QString, question);
        QFETCH(QString, answer);
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        auto *w = pupil->open<Form2>("Label2", draws);
        QVERIFY(w && w->isVisible());
        QCOMPARE(caption(w, "Label2"), question);
        forms::TextBox *text1 = box(w, QStringLiteral("Text1"));
        formstest::enter(text1, answer, way);
        QCOMPARE(text1->text(), shown);
        formstest::press(text1, Qt::Key_Return);
        const bool right = expected.isEmpty();
        QVERIFY(label(w, "Label3")->isVisible());
        QCOMPARE(caption(w, "Label3"), right ? Right : Wrong + expected);
        QCOMPARE(caption(w, "Label4"), right ? RightCount + "1" : QStringLiteral(" عدد الاجابات الصحيحة : 0"));
        QCOMPARE(caption(w, "Label5"), right ? QStringLiteral("عدد الاجابات الخاطئة :  0") : WrongCount + "1");
        QCOMPARE(caption(w, "Label9"), right ? QStringLiteral("ممتاز") : QStringLiteral("راسب ، لماذا ؟ "));
        QCOMPARE(pupil->sounds, QStringList{drills::feedbackSoundPath(right)});
        QCOMPARE(text1->text(), shown); // the answer stays beside the feedback, in Western digits
        QVERIFY(formstest::foreignDigits(w).isEmpty());
    }

    // Typed during the feedback, the digits go in the same way; the next
    // question empties the box and takes them again.
    void theNextQuestionTakesThemAgain()
    {
        auto *w = pupil->open<Form2>("Label2", inOrder({question(2, 43), question(1, 7)}));
        forms::TextBox *text1 = box(w, QStringLiteral("Text1"));
        formstest::typeOnArabicKeyboard(text1, QStringLiteral("٤٣"));
        formstest::press(text1, Qt::Key_Return);
        formstest::typeOnArabicKeyboard(text1, QStringLiteral("٥"));
        QCOMPARE(text1->text(), QStringLiteral("435"));
        forms::testing::advance(2500);
        QCOMPARE(caption(w, "Label2"), QStringLiteral("700÷100="));
        QVERIFY(text1->text().isEmpty());
        formstest::typeOnArabicKeyboard(text1, QStringLiteral("٧"));
        formstest::press(text1, Qt::Key_Return);
        QCOMPARE(text1->text(), QStringLiteral("7"));
        QCOMPARE(caption(w, "Label3"), Right);
        QCOMPARE(caption(w, "Label4"), RightCount + "2");
        QCOMPARE(caption(w, "Label6"), QStringLiteral("عدد الأسئلة :  2"));
    }

    // The quotient-and-remainder drill Form6: 47÷5= answered with ٩ and ٢.
    void theRemainderDrill_data()
    {
        QTest::addColumn<Entry>("way");
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("quotient");
        QTest::addColumn<QString>("remainder");
        QTest::addColumn<QString>("message");
        for (const auto &[name, way] : formstest::Entries) {
            const auto row = [&](const char *what) -> QTestData & { return QTest::addRow("%s, %s", what, name) << way; };
            row("47÷5 in Arabic-Indic digits") << 47 << 5 << "٩" << "٢" << Right;
            row("47÷5 in Persian digits") << 47 << 5 << "۹" << "۲" << Right;
            row("21÷2, quotient 10") << 21 << 2 << "١٠" << "١" << Right;
            row("a wrong remainder") << 47 << 5 << "٩" << "٣" << Wrong + QStringLiteral("9 و الباقي 2");
        }
    }
    void theRemainderDrill()
    {
        QFETCH(Entry, way);
        QFETCH(int, dividend);
        QFETCH(int, divisor);
        QFETCH(QString, quotient);
        QFETCH(QString, remainder);
        QFETCH(QString, message);
        auto *drill = openFromList<Form6>(*pupil, "Command2", remainderProblem(dividend, divisor));
        QVERIFY(drill && drill->isVisible());
        forms::TextBox *text1 = box(drill, QStringLiteral("Text1"));
        forms::TextBox *text2 = box(drill, QStringLiteral("Text2"));
        formstest::enter(text1, quotient, way);
        formstest::enter(text2, remainder, way);
        const QString quotientShown = forms::westernDigits(quotient, false);
        const QString remainderShown = forms::westernDigits(remainder, false);
        QCOMPARE(text1->text(), quotientShown);
        QCOMPARE(text2->text(), remainderShown);
        formstest::press(text2, Qt::Key_Return);
        const bool right = message == Right;
        QCOMPARE(caption(drill, "Label3"), message);
        QVERIFY(label(drill, "Label3")->isVisible());
        QCOMPARE(caption(drill, "Label4"), right ? RightCount + "1" : QStringLiteral(" عدد الاجابات الصحيحة : 0"));
        QCOMPARE(caption(drill, "Label5"), right ? QStringLiteral("عدد الاجابات الخاطئة :  0") : WrongCount + "1");
        QCOMPARE(pupil->sounds, QStringList{drills::feedbackSoundPath(right)});
        QCOMPARE(text1->text(), quotientShown);
        QCOMPARE(text2->text(), remainderShown);
    }

    // The step-division drill Form8: 47÷6 worked with ٧, ٤٢ and ٥.
    void theStepDrill_data()
    {
        QTest::addColumn<Entry>("way");
        for (const auto &[name, way] : formstest::Entries)
            QTest::newRow(name) << way;
    }
    void theStepDrill()
    {
        QFETCH(Entry, way);
        auto *drill = openFromList<Form8>(*pupil, "Command3");
        QVERIFY(drill && drill->isVisible());
        forms::testing::scriptDraws(remainderProblem(47, 6));
        formstest::click(control<QPushButton>(drill, QStringLiteral("Comq")));
        forms::testing::advance(100);
        QCOMPARE(caption(drill, "lamaksoom"), QStringLiteral("47"));
        const std::pair<QString, QString> steps[] = {{QStringLiteral("٧"), QStringLiteral("7")},
                                                     {QStringLiteral("٤٢"), QStringLiteral("42")},
                                                     {QStringLiteral("۵"), QStringLiteral("5")}};
        for (int step = 1; step <= 3; ++step) {
            forms::TextBox *b = box(drill, QStringLiteral("Txtnatj%1").arg(step));
            QVERIFY(b->isVisible() && !b->isReadOnly());
            formstest::enter(b, steps[step - 1].first, way);
            QCOMPARE(b->text(), steps[step - 1].second);
            formstest::click(control<QPushButton>(drill, QStringLiteral("enter%1").arg(step)));
            QCOMPARE(caption(drill, "Label3"), Right);
            QCOMPARE(caption(drill, "Label4"), RightCount + QString::number(step));
            QVERIFY(b->isReadOnly()); // locked on a right entry, its Western digits kept
            QCOMPARE(b->text(), steps[step - 1].second);
        }
        QCOMPARE(caption(drill, "Label5"), QStringLiteral("عدد الاجابات الخاطئة :  0"));
        QCOMPARE(caption(drill, "Label9"), QStringLiteral("ممتاز"));
        QCOMPARE(pupil->sounds.size(), 3);
        // A locked box takes no more digits, however they come.
        forms::TextBox *first = box(drill, QStringLiteral("Txtnatj1"));
        formstest::enter(first, QStringLiteral("٩"), way);
        QCOMPARE(first->text(), QStringLiteral("7"));
    }

    // A wrong step entered in Arabic-Indic digits is refused and emptied as any wrong entry.
    void aWrongStepInArabicIndicDigits()
    {
        auto *drill = openFromList<Form8>(*pupil, "Command3");
        forms::testing::scriptDraws(remainderProblem(47, 6));
        formstest::click(control<QPushButton>(drill, QStringLiteral("Comq")));
        forms::testing::advance(100);
        forms::TextBox *b = box(drill, QStringLiteral("Txtnatj1"));
        formstest::typeOnArabicKeyboard(b, QStringLiteral("٨"));
        formstest::click(control<QPushButton>(drill, QStringLiteral("enter1")));
        QCOMPARE(caption(drill, "Label3"), QStringLiteral("أخطأت حاول مرة أخرى"));
        QCOMPARE(caption(drill, "Label5"), WrongCount + "1");
        QVERIFY(b->text().isEmpty());
    }
};

QTEST_MAIN(DigitsTest)
#include "digits_test.moc"
