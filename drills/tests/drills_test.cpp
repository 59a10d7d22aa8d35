// The question cycle on a small drill of its own: grades, draws, blocking,
// the delay and the feedback sound.
#include <QProcess>
#include <QTest>

#include "drills/draw.h"
#include "drills/feedbacksound.h"
#include "drills/grade.h"
#include "drills/questionwindow.h"
#include "forms/app.h"
#include "forms/random.h"
#include "forms/sound.h"
#include "forms/tests/driver.h"
#include "forms/tests/reset.h"
#include "drills/tests/draws.h"
#include "forms/timing.h"

using namespace drills;
using namespace formstest;
using namespace drillstest;

Q_DECLARE_METATYPE(drills::AnswerMode)

namespace {

// Asks n÷1= for the drawn n; Write, Choose or Judge as its settings say. It
// leaves out the control named `omitted`, if any.
class SmallDrill : public QuestionWindow {
public:
    static inline DrillSettings settings;
    static inline QString omitted;
    SmallDrill() : QuestionWindow(QStringLiteral("SmallDrill"), settings)
    {
        DrillControls c;
        c.question = label({"Label2", "", 48, 0xFFFFFF, 0, 2000, 12000, 1200});
        c.feedback = label({"Label3", "", 27.75, 0xFFFFFF, 0, 6600, 12000, 700, Qt::AlignHCenter, false});
        c.score = {label({"Label4", " عدد الاجابات الصحيحة : 0", 15.75, 0, 8000, 360, 3800, 500}),
                   label({"Label5", "عدد الاجابات الخاطئة :  0", 15.75, 0, 4600, 360, 3400, 500}),
                   label({"Label6", "عدد الاسئلة", 15.75, 0, 2600, 360, 2000, 500}),
                   label({"Label9", "التقدير", 15.75, 0, 200, 360, 2400, 500})};
        if (settings.mode == AnswerMode::Judge) {
            c.instruction = label({"Label1", "", 26.25, 0, 5280, 1440, 3000, 600});
            c.saidRight = label({"Label7", "صح", 72, 0, 6810, 4680, 1900, 1700});
            c.saidWrong = label({"Label8", "خطأ", 72, 0, 3240, 4800, 1900, 1700});
            c.truthFlag = label({"Label10", "", 8.25, 0, 720, 6360, 495, 255, Qt::AlignHCenter, false});
            c.back = label({"Label11", "الواجهة", 18, 0, 1920, 8040, 1500, 500});
        } else {
            c.back = label({"Label7", "الواجهة", 18, 0, 1920, 8040, 1500, 500});
        }
        if (omitted != QLatin1String("Text1")) {
            box = new forms::TextBox(this, QStringLiteral("Text1"));
            forms::placeTwips(box, 4253, 4470, 3495, 1245);
            c.answerBox = box;
        }
        for (int i = 1; i <= 3; ++i) {
            const QString name = QStringLiteral("Command%1").arg(i);
            if (name == omitted)
                continue;
            auto *b = new forms::CommandButton(this, name, QString());
            forms::placeTwips(b, 9000 - 3000 * i, 4680, 2295, 1335);
            c.choices[size_t(i - 1)] = b;
        }
        setControls(c);
        setReturnAction([this] { returned = true; });
    }
    forms::Label *label(const LabelDesign &d)
    {
        return omitted == QLatin1String(d.name) ? nullptr : addLabel(this, d);
    }
    Question drawQuestion(bool first) override
    {
        firstDraws += first;
        const int n = drawKind({{10, 10}}).a;
        Question q;
        q.text = QStringLiteral("%1÷1=").arg(n);
        q.expected = QString::number(n);
        q.choices = {QString::number(n * 10), QString::number(n), QString::number(n * 100)};
        return q;
    }
    forms::TextBox *box = nullptr;
    bool returned = false;
    int firstDraws = 0;
};

QString caption(QWidget *w, const char *name) { return control<forms::Label>(w, name)->text(); }

} // namespace

class DrillsTest : public QObject {
    Q_OBJECT
    QStringList sounds;
    SmallDrill *drill = nullptr;

    void open(AnswerMode mode, bool sound, bool block, std::vector<int> draws)
    {
        forms::testing::scriptDraws(std::move(draws));
        SmallDrill::settings = DrillSettings{.mode = mode, .sound = sound, .blockDuringFeedback = block};
        drill = forms::show<SmallDrill>();
    }
    void answerTyped(const QString &text)
    {
        type(drill->box, text);
        press(drill->box, Qt::Key_Return);
    }

private slots:
    void init()
    {
        forms::testing::useManualTime(true);
        sounds.clear();
        forms::testing::setSoundHook([this](const QString &p) { sounds << p; });
    }
    void cleanup()
    {
        SmallDrill::omitted.clear();
        formstest::resetAll();
    }

    void gradeWords_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("word");
        QTest::newRow("1 of 1") << 1 << 1 << QStringLiteral("ممتاز");
        QTest::newRow("0 of 1") << 0 << 1 << QStringLiteral("راسب ، لماذا ؟ ");
        QTest::newRow("1 of 2 is 50") << 1 << 2 << QStringLiteral("تدرب أكثر");
        QTest::newRow("2 of 3 is 67") << 2 << 3 << QStringLiteral("مقبول");
        QTest::newRow("7 of 8 is 88") << 7 << 8 << QStringLiteral("جيد جدا");
        QTest::newRow("1 of 8 is 12") << 1 << 8 << QStringLiteral("راسب ، لماذا ؟ ");
        QTest::newRow("179 of 200 is 90 (89.5 to even)") << 179 << 200 << QStringLiteral("ممتاز");
        QTest::newRow("7 of 10") << 7 << 10 << QStringLiteral("جيد");
        QTest::newRow("69.5 to 70") << 139 << 200 << QStringLiteral("جيد");
        QTest::newRow("3 of 6") << 3 << 6 << QStringLiteral("تدرب أكثر");
        QTest::newRow("49.5 to 50") << 99 << 200 << QStringLiteral("تدرب أكثر");
        QTest::newRow("none asked") << 0 << 0 << QStringLiteral("راسب ، لماذا ؟ ");
    }
    void gradeWords()
    {
        QFETCH(int, right);
        QFETCH(int, total);
        QFETCH(QString, word);
        QCOMPARE(gradeBand(right, total), word);
    }

    void aZeroDrawsTheKindAgain()
    {
        // A 0 in either number throws the draw away.
        forms::testing::scriptDraws(inOrder({question(1, 0, 3), question(0, 4, 0), question(1, 5, 7)}));
        const KindDraw d = drawKind({{10, 10}, {100, 1000}});
        QCOMPARE(d.kind, 1);
        QCOMPARE(d.a, 5);
        QCOMPARE(d.b, 7);
        QCOMPARE(forms::testing::scriptedDrawsLeft(), 0);
    }

    void blockedWriteDrillTakesOneAnswerPerQuestion()
    {
        open(AnswerMode::Write, true, true, inOrder({question(0, 4), question(0, 6, 2)}));
        QCOMPARE(caption(drill, "Label2"), QStringLiteral("4÷1="));
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الأسئلة :  1"));
        answerTyped("4");
        QCOMPARE(caption(drill, "Label3"), QStringLiteral("أحسنت إجابة صحيحة "));
        QVERIFY(control<forms::Label>(drill, "Label3")->isVisible());
        QCOMPARE(sounds, QStringList{feedbackSoundPath(true)});
        press(drill->box, Qt::Key_Return); // not judged again
        press(drill->box, Qt::Key_Escape); // does not end the program during the feedback
        QVERIFY(!forms::programEnded());
        QCOMPARE(drill->scoreBoard().right(), 1);
        QCOMPARE(drill->box->text(), QStringLiteral("4"));
        forms::testing::advance(2499);
        QCOMPARE(caption(drill, "Label2"), QStringLiteral("4÷1="));
        forms::testing::advance(1);
        QCOMPARE(caption(drill, "Label2"), QStringLiteral("6÷1="));
        QVERIFY(drill->box->text().isEmpty());
        QVERIFY(!control<forms::Label>(drill, "Label3")->isVisible());
        QCOMPARE(drill->firstDraws, 1);
        press(drill->box, Qt::Key_Escape);
        QVERIFY(forms::programEnded());
    }

    void unblockedDrillJudgesEveryAnswerAndKeepsTheDelay()
    {
        open(AnswerMode::Write, false, false, inOrder({question(0, 8), question(0, 2, 3)}));
        answerTyped("8");
        forms::testing::advance(1000);
        press(drill->box, Qt::Key_Return);
        press(drill->box, Qt::Key_Return);
        QCOMPARE(drill->scoreBoard().right(), 3);
        QCOMPARE(drill->scoreBoard().questions(), 1);
        QCOMPARE(caption(drill, "Label9"), QStringLiteral("ممتاز"));
        QVERIFY(sounds.isEmpty());
        forms::testing::advance(1500); // 2500 ms after the first answer
        QCOMPARE(caption(drill, "Label2"), QStringLiteral("2÷1="));
    }

    void chooseModeCountsEachClickOnlyWhenUnblocked_data()
    {
        QTest::addColumn<bool>("block");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::newRow("blocked") << true << 0 << 1;
        QTest::newRow("unblocked") << false << 1 << 2;
    }
    void chooseModeCountsEachClickOnlyWhenUnblocked()
    {
        QFETCH(bool, block);
        QFETCH(int, right);
        QFETCH(int, wrong);
        open(AnswerMode::Choose, false, block, question(0, 5));
        auto *b1 = control<QPushButton>(drill, "Command1");
        QCOMPARE(b1->text(), QStringLiteral("50"));
        click(b1);
        click(control<QPushButton>(drill, "Command2"));
        click(control<QPushButton>(drill, "Command3"));
        QCOMPARE(drill->scoreBoard().right(), right);
        QCOMPARE(drill->scoreBoard().wrong(), wrong);
        QCOMPARE(caption(drill, "Label5"), QStringLiteral("عدد الاجابات الخاطئة :  %1").arg(wrong));
        QCOMPARE(b1->isEnabled(), !block);
    }

    void theWindowShowsTheMessageBeforeTheSoundEnds()
    {
        open(AnswerMode::Write, true, true, question(0, 3));
        QString seen;
        bool timerRunning = true;
        forms::testing::setSoundHook([&](const QString &) {
            seen = caption(drill, "Label4");
            timerRunning = drill->inFeedback();
        });
        answerTyped("3");
        QCOMPARE(seen, QStringLiteral("عدد الاجابات الصحيحة :  1"));
        QVERIFY(!timerRunning); // the delay counts from the end of the sound
    }

    void wrongAnswerSoundsNo()
    {
        open(AnswerMode::Write, true, true, question(0, 3));
        answerTyped("");
        QCOMPARE(caption(drill, "Label3"), QStringLiteral("أخطأت الاجابة الصحيحة هي  3"));
        QCOMPARE(sounds, QStringList{feedbackSoundPath(false)});
        QVERIFY(sounds.first().endsWith("/sound/no.wav"));
    }

    void returnLabelHidesTheWindowAndTheTimerGoesOn()
    {
        open(AnswerMode::Write, false, true, inOrder({question(0, 3), question(0, 7)}));
        answerTyped("3");
        QTest::mouseClick(control<forms::Label>(drill, "Label7"), Qt::LeftButton);
        QVERIFY(drill->returned);
        QVERIFY(!drill->isVisible());
        forms::testing::advance(2500);
        QCOMPARE(caption(drill, "Label2"), QStringLiteral("7÷1="));
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الأسئلة :  2"));
    }

    // A drill window that does not hand over a control its mode needs stops
    // at load, naming the control; run in a child process, which it ends.
    void aMissingControlStopsTheLoadNamingIt_data()
    {
        QTest::addColumn<AnswerMode>("mode");
        QTest::addColumn<QString>("omitted");
        QTest::newRow("question") << AnswerMode::Write << "Label2";
        QTest::newRow("feedback") << AnswerMode::Choose << "Label3";
        QTest::newRow("right answers") << AnswerMode::Write << "Label4";
        QTest::newRow("wrong answers") << AnswerMode::Write << "Label5";
        QTest::newRow("questions asked") << AnswerMode::Judge << "Label6";
        QTest::newRow("grade") << AnswerMode::Write << "Label9";
        QTest::newRow("write: answer box") << AnswerMode::Write << "Text1";
        QTest::newRow("write: return label") << AnswerMode::Write << "Label7";
        QTest::newRow("choose: first button") << AnswerMode::Choose << "Command1";
        QTest::newRow("choose: third button") << AnswerMode::Choose << "Command3";
        QTest::newRow("judge: instruction") << AnswerMode::Judge << "Label1";
        QTest::newRow("judge: right") << AnswerMode::Judge << "Label7";
        QTest::newRow("judge: wrong") << AnswerMode::Judge << "Label8";
        QTest::newRow("judge: truth flag") << AnswerMode::Judge << "Label10";
        QTest::newRow("judge: return label") << AnswerMode::Judge << "Label11";
    }
    void aMissingControlStopsTheLoadNamingIt()
    {
        QFETCH(AnswerMode, mode);
        QFETCH(QString, omitted);
        const char *childVariable = "DRILLS_TEST_LOAD_WITHOUT_CONTROL";
        if (qEnvironmentVariableIsSet(childVariable)) {
            SmallDrill::omitted = omitted;
            open(mode, false, true, question(0, 3));
            QFAIL(qPrintable(QStringLiteral("loaded without ") + omitted));
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(childVariable), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("-nocrashhandler"),
                     QStringLiteral("aMissingControlStopsTheLoadNamingIt:") + QLatin1String(QTest::currentDataTag())});
        QVERIFY(child.waitForFinished(60000));
        const QString output = QString::fromUtf8(child.readAllStandardError() + child.readAllStandardOutput());
        QVERIFY2(child.exitStatus() == QProcess::CrashExit, qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("SmallDrill: the drill design needs ") + omitted), qPrintable(output));
    }

    void closingTheWindowEndsTheProgram()
    {
        open(AnswerMode::Write, false, true, question(0, 3));
        drill->close();
        QVERIFY(forms::programEnded());
    }
};

QTEST_MAIN(DrillsTest)
#include "drills_test.moc"
