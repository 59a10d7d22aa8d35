// The question cycle on a small drill of its own: grades, draws, blocking,
// the delay and the feedback sound.
#include <QTest>

#include "drills/draw.h"
#include "drills/feedbacksound.h"
#include "drills/grade.h"
#include "drills/questionwindow.h"
#include "forms/app.h"
#include "forms/random.h"
#include "forms/sound.h"
#include "forms/tests/driver.h"
#include "drills/tests/draws.h"
#include "forms/timing.h"

using namespace drills;
using namespace formstest;
using namespace drillstest;

namespace {

// Asks n÷1= for the drawn n; Write, Choose or Judge as its settings say.
class SmallDrill : public QuestionWindow {
public:
    static inline DrillSettings settings;
    SmallDrill() : QuestionWindow(QStringLiteral("SmallDrill"), settings)
    {
        for (const LabelDesign &d : {
                 LabelDesign{"Label2", "", 48, 0xFFFFFF, 0, 2000, 12000, 1200},
                 LabelDesign{"Label3", "", 27.75, 0xFFFFFF, 0, 6600, 12000, 700, Qt::AlignHCenter, false},
                 LabelDesign{"Label4", " عدد الاجابات الصحيحة : 0", 15.75, 0, 8000, 360, 3800, 500},
                 LabelDesign{"Label5", "عدد الاجابات الخاطئة :  0", 15.75, 0, 4600, 360, 3400, 500},
                 LabelDesign{"Label6", "عدد الاسئلة", 15.75, 0, 2600, 360, 2000, 500},
                 LabelDesign{"Label9", "التقدير", 15.75, 0, 200, 360, 2400, 500},
                 LabelDesign{"Label7", "الواجهة", 18, 0, 1920, 8040, 1500, 500},
             })
            addLabel(this, d);
        box = new forms::TextBox(this, QStringLiteral("Text1"));
        forms::placeTwips(box, 4253, 4470, 3495, 1245);
        for (int i = 1; i <= 3; ++i)
            forms::placeTwips(new forms::CommandButton(this, QStringLiteral("Command%1").arg(i), QString()),
                              9000 - 3000 * i, 4680, 2295, 1335);
        setReturnAction([this] { returned = true; });
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
    forms::TextBox *box;
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
        SmallDrill::settings = DrillSettings{mode, sound, block};
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
        forms::testing::setSoundHook(nullptr);
        forms::testing::scriptDraws({});
        forms::resetProgramState();
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

    void folderGetsOneFinalSlash_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("folder") << "/suite" << "/suite/";
        QTest::newRow("root") << "/" << "/";
        QTest::newRow("blanks and Arabic") << QStringLiteral("/home/م ع/ب") << QStringLiteral("/home/م ع/ب/");
    }
    void folderGetsOneFinalSlash()
    {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(withFinalSlash(folder), path);
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

    void closingTheWindowEndsTheProgram()
    {
        open(AnswerMode::Write, false, true, question(0, 3));
        drill->close();
        QVERIFY(forms::programEnded());
    }
};

QTEST_MAIN(DrillsTest)
#include "drills_test.moc"
