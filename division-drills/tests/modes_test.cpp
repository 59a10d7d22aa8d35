// The three answer modes of division by 10, 100 and 1000, driven as a pupil
// would, with scripted draws and test time.
#include <QRegularExpression>

#include "halverytest.h"
#include "divisions.h"
#include "drills/feedbacksound.h"
#include "drills/tests/draws.h"
#include "forms/numbers.h"

using namespace halvery;
using namespace halverytest;
using formstest::click;
using namespace drillstest;

namespace {

const QString Right = QStringLiteral("أحسنت إجابة صحيحة ");
const QString Wrong = QStringLiteral("أخطأت الاجابة الصحيحة هي  ");

QString text1(QWidget *w) { return control<QLineEdit>(w, "Text1")->text(); }
void typeAnswer(QWidget *w, const QString &text)
{
    auto *box = control<QWidget>(w, "Text1");
    formstest::type(box, text);
    formstest::press(box, Qt::Key_Return);
}
QPushButton *answerButton(QWidget *w, int n) { return control<QPushButton>(w, QStringLiteral("Command%1").arg(n)); }
QStringList buttonCaptions(QWidget *w)
{
    return {answerButton(w, 1)->text(), answerButton(w, 2)->text(), answerButton(w, 3)->text()};
}

// A number written as the drills write it: plain digits, at most one decimal.
void checkPlain(const QString &text, long long tenths)
{
    static const QRegularExpression plain(QStringLiteral("^[1-9][0-9]*(\\.[1-9])?$|^0\\.[1-9]$"));
    QVERIFY2(plain.match(text).hasMatch(), qPrintable(text));
    QCOMPARE(forms::numberFromText(text), double(tenths) / 10.0);
}

} // namespace

class ModesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Pupil> pupil;

private slots:
    void init() { pupil = std::make_unique<Pupil>(); }
    void cleanup() { pupil.reset(); }

    void aDrillOpensWithItsFirstQuestionCounted_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("write") << "Label2";
        QTest::newRow("choose") << "Label3";
        QTest::newRow("judge") << "Label4";
    }
    void aDrillOpensWithItsFirstQuestionCounted()
    {
        QFETCH(QString, mode);
        pupil->atModeMenu();
        forms::testing::scriptDraws(statement(1, 43, Shown::Answer, 5)); // the write and choose drills leave what it shows
        clickLabel(forms::instance<Form5>(), mode.toLatin1().constData());
        forms::Form *drill = nullptr;
        for (forms::Form *f : forms::loadedForms())
            if (f->isVisible())
                drill = f;
        QVERIFY(drill && drill != forms::instance<Form5>());
        QVERIFY(!forms::instance<Form5>()->isVisible());
        QVERIFY(caption(drill, "Label2").startsWith(QStringLiteral("4300÷100=")));
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الأسئلة :  1"));
        QCOMPARE(caption(drill, "Label4"), QStringLiteral(" عدد الاجابات الصحيحة : 0"));
        QCOMPARE(caption(drill, "Label5"), QStringLiteral("عدد الاجابات الخاطئة :  0"));
        QCOMPARE(caption(drill, "Label9"), QStringLiteral("التقدير"));
        QVERIFY(!label(drill, "Label3")->isVisible());
    }

    void typedAnswers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("450") << "450" << true;
        QTest::newRow("blank first") << " 450" << true;
        QTest::newRow("450.0") << "450.0" << true;
        QTest::newRow("letters after") << "450abc" << true;
        QTest::newRow("blank inside") << "4 50" << true;
        QTest::newRow("45") << "45" << false;
        QTest::newRow("4500") << "4500" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("letters") << QStringLiteral("أربعمئة") << false;
    }
    void typedAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        auto *w = pupil->open<Form2>("Label2", question(3, 45, 7));
        QCOMPARE(caption(w, "Label2"), QStringLiteral("4500÷10="));
        typeAnswer(w, typed);
        QVERIFY(label(w, "Label3")->isVisible());
        QCOMPARE(caption(w, "Label3"), right ? Right : Wrong + "450");
        QCOMPARE(caption(w, "Label4"), right ? QStringLiteral("عدد الاجابات الصحيحة :  1")
                                             : QStringLiteral(" عدد الاجابات الصحيحة : 0"));
        QCOMPARE(caption(w, "Label5"), right ? QStringLiteral("عدد الاجابات الخاطئة :  0")
                                             : QStringLiteral("عدد الاجابات الخاطئة :  1"));
        QCOMPARE(caption(w, "Label9"), right ? QStringLiteral("ممتاز") : QStringLiteral("راسب ، لماذا ؟ "));
        QCOMPARE(pupil->sounds, QStringList{drills::feedbackSoundPath(right)});
        QCOMPARE(text1(w), typed); // the answer stays beside the feedback
    }

    void theWriteDrillTakesOneAnswerThenMovesOn()
    {
        auto *w = pupil->open<Form2>("Label2", inOrder({question(0, 5, 3), question(5, 10, 4)}));
        QCOMPARE(caption(w, "Label2"), QStringLiteral("50÷10="));
        typeAnswer(w, "5");
        auto *box = control<QWidget>(w, "Text1");
        formstest::press(box, Qt::Key_Return); // not judged again
        formstest::press(box, Qt::Key_Escape); // does not end the program now
        formstest::type(box, "7");             // typing still goes in
        QVERIFY(!forms::programEnded());
        QCOMPARE(text1(w), QStringLiteral("57"));
        QCOMPARE(pupil->sounds.size(), 1);
        forms::testing::advance(2499);
        QCOMPARE(caption(w, "Label2"), QStringLiteral("50÷10="));
        forms::testing::advance(1);
        QCOMPARE(caption(w, "Label2"), QStringLiteral("100000÷1000="));
        QCOMPARE(caption(w, "Label6"), QStringLiteral("عدد الأسئلة :  2"));
        QVERIFY(text1(w).isEmpty());
        QVERIFY(!label(w, "Label3")->isVisible());
        typeAnswer(w, "1");
        QCOMPARE(caption(w, "Label3"), Wrong + "100");
        QCOMPARE(caption(w, "Label9"), QStringLiteral("تدرب أكثر")); // 1 of 2
        forms::testing::advance(2500);
        formstest::press(box, Qt::Key_Escape);
        QVERIFY(forms::programEnded());
    }

    void theWindowRepaintsBeforeTheSoundAndGradesAfterIt()
    {
        auto *w = pupil->open<Form2>("Label2", question(3, 45, 7));
        bool messageShown = false, timerOff = false;
        QString countShown, gradeShown;
        forms::testing::setSoundHook([&](const QString &) {
            messageShown = label(w, "Label3")->isVisible();
            countShown = caption(w, "Label4");
            gradeShown = caption(w, "Label9");
            timerOff = !w->inFeedback();
        });
        typeAnswer(w, "450");
        QVERIFY(messageShown);
        QCOMPARE(countShown, QStringLiteral("عدد الاجابات الصحيحة :  1"));
        QCOMPARE(gradeShown, QStringLiteral("التقدير"));
        QVERIFY(timerOff); // the 2500 ms count from the end of the sound
        QCOMPARE(caption(w, "Label9"), QStringLiteral("ممتاز"));
    }

    void theSoundsLieBesideTheProgram()
    {
        QCOMPARE(drills::feedbackSoundPath(true), forms::programFolder() + "/sound/yes.wav");
        QCOMPARE(drills::feedbackSoundPath(false), forms::programFolder() + "/sound/no.wav");
    }

    void aMissingSoundFileLetsTheDrillGoOn()
    {
        forms::testing::setSoundHook(nullptr); // the real player; no sound/ folder beside the tests
        auto *w = pupil->open<Form2>("Label2", inOrder({question(3, 45, 7), question(1, 20, 3)}));
        typeAnswer(w, "450");
        QCOMPARE(caption(w, "Label3"), Right);
        forms::testing::advance(2500);
        QCOMPARE(caption(w, "Label2"), QStringLiteral("2000÷100="));
    }

    void chooseButtons_data()
    {
        QTest::addColumn<std::vector<int>>("draws");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("rightButton");
        QTest::newRow("kind 2, a 7") << question(2, 7, 9) << "7000÷1000=" << QStringList{"7", "70", "700"} << 1;
        QTest::newRow("kind 4, a 36") << question(4, 36, 9) << "36000÷10="
                                      << QStringList{"360000", "3600", "36000"} << 2;
        QTest::newRow("first kind 0, a 5") << question(0, 5, 9) << "50÷10=" << QStringList{"500", "5", "50"}
                                           << 2;
        QTest::newRow("kind 1") << question(1, 12, 9) << "1200÷100=" << QStringList{"120", "1200", "12"} << 3;
        QTest::newRow("kind 3") << question(3, 12, 9) << "12000÷100=" << QStringList{"120", "1200", "12000"}
                                << 1;
        QTest::newRow("kind 5") << question(5, 99, 9) << "990000÷1000=" << QStringList{"99000", "9900", "990"}
                                << 3;
    }
    void chooseButtons()
    {
        QFETCH(std::vector<int>, draws);
        QFETCH(QString, question);
        QFETCH(QStringList, captions);
        QFETCH(int, rightButton);
        for (int clicked = 1; clicked <= 3; ++clicked) {
            pupil.reset();
            Pupil fresh; // the same first question for each button
            auto *w = fresh.open<Form4>("Label3", draws);
            QCOMPARE(caption(w, "Label2"), question);
            QCOMPARE(buttonCaptions(w), captions);
            click(answerButton(w, clicked));
            const bool right = clicked == rightButton;
            QCOMPARE(caption(w, "Label3"), right ? Right : Wrong + captions[rightButton - 1]);
            QCOMPARE(fresh.sounds, QStringList{drills::feedbackSoundPath(right)});
            for (int b = 1; b <= 3; ++b)
                QVERIFY(!answerButton(w, b)->isEnabled());
        }
    }

    void theChooseDrillTakesOneClickThenMovesOn()
    {
        auto *w = pupil->open<Form4>("Label3", inOrder({question(2, 7, 9), question(0, 5, 9)}));
        click(answerButton(w, 1));
        click(answerButton(w, 2)); // disabled: nothing happens
        QCOMPARE(w->scoreBoard().right(), 1);
        QCOMPARE(w->scoreBoard().wrong(), 0);
        forms::testing::advance(2500);
        QCOMPARE(caption(w, "Label2"), QStringLiteral("50÷10="));
        QCOMPARE(buttonCaptions(w), (QStringList{"50", "5", "500"})); // later kind 0 order
        QVERIFY(answerButton(w, 1)->isEnabled());
        QVERIFY(!label(w, "Label3")->isVisible());
        click(answerButton(w, 3));
        QCOMPARE(caption(w, "Label9"), QStringLiteral("تدرب أكثر"));
        formstest::press(w, Qt::Key_Escape); // Esc ends it during the feedback too
        QVERIFY(forms::programEnded());
    }

    void statements_data()
    {
        QTest::addColumn<std::vector<int>>("draws");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("quotient");
        QTest::newRow("true") << statement(3, 25, Shown::Answer, 9) << "2500÷10=250" << "t" << "250";
        QTest::newRow("ten times too large") << statement(3, 25, Shown::TenTimesLarger, 9) << "2500÷10=2500" << "f" << "250";
        QTest::newRow("ten times too small") << statement(3, 25, Shown::TenTimesSmaller, 9) << "2500÷10=25" << "f" << "250";
        QTest::newRow("a tenth") << statement(0, 3, Shown::TenTimesSmaller, 9) << "30÷10=0.3" << "f" << "3";
        QTest::newRow("kind 0 too large") << statement(0, 3, Shown::TenTimesLarger, 9) << "30÷10=30" << "f" << "3";
        QTest::newRow("kind 7") << statement(7, 99, Shown::Answer, 9) << "990000÷10=99000" << "t" << "99000";
        QTest::newRow("kind 6 tenth") << statement(6, 1, Shown::TenTimesSmaller, 9) << "10000÷100=10" << "f" << "100";
    }
    void statements()
    {
        QFETCH(std::vector<int>, draws);
        QFETCH(QString, statement);
        QFETCH(QString, flag);
        QFETCH(QString, quotient);
        for (bool saysRight : {true, false}) {
            pupil.reset();
            Pupil fresh;
            auto *w = fresh.open<Form3>("Label4", draws);
            QCOMPARE(caption(w, "Label2"), statement);
            QCOMPARE(caption(w, "Label10"), flag);
            QVERIFY(!label(w, "Label10")->isVisible());
            QCOMPARE(caption(w, "Label1"), QStringLiteral("اختر صح او خطأ لتحصل على عبارة صحيحة مما يلي :"));
            clickLabel(w, saysRight ? "Label7" : "Label8");
            const bool right = saysRight == (flag == "t");
            QCOMPARE(caption(w, "Label3"), right ? Right : Wrong + quotient);
            QCOMPARE(w->scoreBoard().right(), int(right));
            QCOMPARE(w->scoreBoard().wrong(), int(!right));
            QCOMPARE(fresh.sounds, QStringList{drills::feedbackSoundPath(right)});
        }
    }

    // Each kind of the write and right-or-wrong drills at its largest a: the
    // question shown, and the answer the drill takes as right.
    void everyKindAsksItsQuestion_data()
    {
        QTest::addColumn<bool>("judge");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("a");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("quotient");
        const auto row = [](bool judge, int kind, int a, const char *question, const char *quotient) {
            QTest::addRow("%s kind %d", judge ? "judge" : "write", kind)
                << judge << kind << a << QString::fromUtf8(question) << QString::fromUtf8(quotient);
        };
        row(false, 0, 9, "90÷10=", "9");
        row(false, 1, 99, "9900÷100=", "99");
        row(false, 2, 99, "99000÷1000=", "99");
        row(false, 3, 99, "9900÷10=", "990");
        row(false, 4, 99, "99000÷100=", "990");
        row(false, 5, 99, "990000÷1000=", "990");
        row(true, 0, 9, "90÷10=", "9");
        row(true, 1, 99, "9900÷100=", "99");
        row(true, 2, 99, "99000÷1000=", "99");
        row(true, 3, 99, "9900÷10=", "990");
        row(true, 4, 99, "99000÷100=", "990");
        row(true, 5, 99, "990000÷1000=", "990");
        row(true, 6, 99, "990000÷100=", "9900");
        row(true, 7, 99, "990000÷10=", "99000");
    }
    void everyKindAsksItsQuestion()
    {
        QFETCH(bool, judge);
        QFETCH(int, kind);
        QFETCH(int, a);
        QFETCH(QString, question);
        QFETCH(QString, quotient);
        if (judge) {
            auto *w = pupil->open<Form3>("Label4", statement(kind, a, Shown::Answer, 9));
            QCOMPARE(caption(w, "Label2"), question + quotient);
            clickLabel(w, "Label7");
            QCOMPARE(caption(w, "Label3"), Right);
        } else {
            auto *w = pupil->open<Form2>("Label2", drillstest::question(kind, a, 9));
            QCOMPARE(caption(w, "Label2"), question);
            typeAnswer(w, quotient);
            QCOMPARE(caption(w, "Label3"), Right);
        }
    }

    void theJudgeDrillGreysItsChoicesDuringTheFeedback()
    {
        auto *w = pupil->open<Form3>("Label4", inOrder({statement(0, 5, Shown::Answer, 9), statement(1, 2, Shown::TenTimesLarger, 9)}));
        QCOMPARE(caption(w, "Label2"), QStringLiteral("50÷10=5"));
        clickLabel(w, "Label8"); // "خطأ" to a true statement
        QCOMPARE(caption(w, "Label3"), Wrong + "5");
        QVERIFY(!label(w, "Label7")->isEnabled() && !label(w, "Label8")->isEnabled());
        clickLabel(w, "Label7");
        QCOMPARE(w->scoreBoard().wrong(), 1);
        QCOMPARE(w->scoreBoard().right(), 0);
        forms::testing::advance(2500);
        QCOMPARE(caption(w, "Label2"), QStringLiteral("200÷100=20"));
        QVERIFY(label(w, "Label7")->isEnabled() && label(w, "Label8")->isEnabled());
        QVERIFY(!label(w, "Label3")->isVisible());
        clickLabel(w, "Label8");
        QCOMPARE(caption(w, "Label9"), QStringLiteral("تدرب أكثر"));
        formstest::press(w, Qt::Key_Escape);
        QVERIFY(forms::programEnded());
    }

    void theJudgeDrillsCirclesLightUnderThePointer()
    {
        auto *w = pupil->open<Form3>("Label4", statement(0, 5, Shown::Answer, 9));
        auto *yesCircle = control<forms::Shape>(w, "Shape2");
        auto *noCircle = control<forms::Shape>(w, "Shape1");
        const QColor lit(0xC0, 0xC0, 0xFF), plain = forms::windowBackgroundColor();
        moveOver(label(w, "Label7"));
        QCOMPARE(yesCircle->fillColor(), lit);
        QCOMPARE(noCircle->fillColor(), plain);
        moveOver(label(w, "Label8"));
        QCOMPARE(noCircle->fillColor(), lit);
        QCOMPARE(yesCircle->fillColor(), lit);
        moveOver(control<QWidget>(w, "Image1"));
        QCOMPARE(yesCircle->fillColor(), plain);
        QCOMPARE(noCircle->fillColor(), plain);
        moveOver(label(w, "Label7"));
        moveOver(w);
        QCOMPARE(yesCircle->fillColor(), plain);
    }

    void leavingDuringTheFeedback_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("back");
        QTest::newRow("write") << "Label2" << "Label7";
        QTest::newRow("choose") << "Label3" << "Label7";
        QTest::newRow("judge") << "Label4" << "Label11";
    }
    void leavingDuringTheFeedback()
    {
        QFETCH(QString, mode);
        QFETCH(QString, back);
        auto *menu = pupil->atModeMenu();
        const bool judge = mode == "Label4";
        forms::testing::scriptDraws(judge ? inOrder({statement(1, 43, Shown::Answer, 5),
                                                     statement(2, 9, Shown::TenTimesLarger, 9)})
                                          : inOrder({question(1, 43, 5), question(2, 9, 9)}));
        clickLabel(menu, mode.toLatin1().constData());
        forms::Form *w = nullptr;
        for (forms::Form *f : forms::loadedForms())
            if (f->isVisible())
                w = f;
        if (mode == "Label2")
            typeAnswer(w, "43");
        else if (mode == "Label3")
            click(answerButton(w, 3));
        else
            clickLabel(w, "Label7");
        QCOMPARE(caption(w, "Label3"), Right);
        clickLabel(w, back.toLatin1().constData());
        QVERIFY(!w->isVisible());
        QVERIFY(menu->isVisible());
        forms::testing::advance(2500); // the delay runs on while the drill is hidden
        clickLabel(menu, mode.toLatin1().constData());
        QVERIFY(w->isVisible());
        QVERIFY(caption(w, "Label2").startsWith(QStringLiteral("9000÷1000=")));
        QCOMPARE(caption(w, "Label6"), QStringLiteral("عدد الأسئلة :  2"));
        QCOMPARE(caption(w, "Label4"), QStringLiteral("عدد الاجابات الصحيحة :  1"));
        QCOMPARE(caption(w, "Label9"), QStringLiteral("ممتاز"));
        QVERIFY(!label(w, "Label3")->isVisible());
    }

    void closingADrillEndsTheProgram()
    {
        auto *w = pupil->open<Form2>("Label2", question(3, 45, 7));
        w->close();
        QVERIFY(forms::programEnded());
    }

    // Every kind and every a of the three windows, decoys and statement
    // variants included: each number is a plain decimal that reads back to
    // its exact value.
    void everyQuestionIsWrittenExactly_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("kind");
        for (int k = 0; k < 6; ++k) {
            QTest::addRow("write, kind %d", k) << 2 << k;
            QTest::addRow("choose, kind %d", k) << 4 << k;
        }
        for (int k = 0; k < 8; ++k)
            QTest::addRow("judge, kind %d", k) << 3 << k;
    }
    void everyQuestionIsWrittenExactly()
    {
        QFETCH(int, window);
        QFETCH(int, kind);
        const Kind &k = (window == 2 ? writeKinds() : window == 4 ? chooseKinds() : judgeKinds())[size_t(kind)];
        static const QRegularExpression question(QStringLiteral("^([0-9]+)÷(10|100|1000)=(.*)$"));
        for (int a = 1; a < k.rangeA; ++a) {
            const Division d = division(k, a);
            QCOMPARE(d.dividend % d.divisor, 0LL);
            const auto m = question.match(questionText(d));
            QVERIFY(m.hasMatch());
            checkPlain(m.captured(1), d.dividend * 10);
            QVERIFY(m.captured(3).isEmpty());
            checkPlain(numberText(d.quotient()), d.quotient() * 10);
            if (window == 4) {
                for (bool first : {true, false}) {
                    const auto decoys = decoyAnswers(kind, d.quotient(), first);
                    QCOMPARE(std::count(decoys.begin(), decoys.end(), d.quotient()), 1);
                    for (long long v : decoys)
                        checkPlain(numberText(v), v * 10);
                }
            }
            if (window == 3)
                for (int variant = 0; variant < 3; ++variant) {
                    const long long tenths = shownTenths(d.quotient(), variant);
                    checkPlain(tenthsText(tenths), tenths);
                }
        }
    }

    void theLargestNumbersShowWhole()
    {
        auto *w = pupil->open<Form2>("Label2", question(5, 99, 9));
        QCOMPARE(caption(w, "Label2"), QStringLiteral("990000÷1000="));
        typeAnswer(w, "99");
        QCOMPARE(caption(w, "Label3"), Wrong + "990");
    }
};

QTEST_MAIN(ModesTest)
#include "modes_test.moc"
