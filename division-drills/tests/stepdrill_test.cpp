// The step-division drill: a problem asked for with "مسألة جديدة", worked in
// three entered steps with help, counts, grades and feedback.
#include <QImage>
#include <QRegion>
#include <QScrollBar>

#include "forms/multiline.h"
#include "forms/tests/pixels.h"
#include "openfromlist.h"
#include "stepdrill.h"

using namespace halvery;
using namespace halverytest;
using formstest::inkRows;
using formstest::MessageCatcher;
using formstest::type;

namespace {
const QString Right = QStringLiteral("أحسنت إجابة صحيحة ");
const QString TryAgain = QStringLiteral("أخطأت حاول مرة أخرى");
const QString CrLf = QStringLiteral("\r\n");

QString stepOneHelp(const QString &n, const QString &d, const QString &gap)
{
    return QStringLiteral("كم ") + d + QStringLiteral(" في العدد ") + n + QStringLiteral(" ") + gap
        + QStringLiteral("أو ما هو العدد الذي نضربه في ") + d + QStringLiteral(" لينتج رقم قريبا من ") + n
        + QStringLiteral(" ") + gap + QStringLiteral("أو وزع العدد ") + n + QStringLiteral(" على ") + d
        + QStringLiteral(" كم ينتج؟");
}

forms::TextBox *box(QWidget *w, int step) { return control<forms::TextBox>(w, QStringLiteral("Txtnatj%1").arg(step)); }
QPushButton *button(QWidget *w, const QString &name) { return control<QPushButton>(w, name); }
QPushButton *enter(QWidget *w, int step) { return button(w, QStringLiteral("enter%1").arg(step)); }
QString helpText(QWidget *w) { return control<forms::MultiLineTextBox>(w, QStringLiteral("Txthelp"))->text(); }
bool hidden(QWidget *w, const char *name) { return control<QWidget>(w, QLatin1String(name))->isHidden(); }

// The step whose entry button is shown, 0 for none.
int openStep(QWidget *w)
{
    for (int step = 1; step <= 3; ++step)
        if (!enter(w, step)->isHidden())
            return step;
    return 0;
}
} // namespace

class StepDrillTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Pupil> pupil;

    Form8 *open() { return openFromList<Form8>(*pupil, "Command3"); }

    // "مسألة جديدة", then the draw 100 ms later.
    void newProblem(Form8 *drill, std::vector<int> draws)
    {
        forms::testing::scriptDraws(std::move(draws));
        formstest::click(button(drill, "Comq"));
        forms::testing::advance(100);
    }

    // Types into the open step's box and presses its entry button.
    void enterStep(Form8 *drill, const QString &text)
    {
        const int step = openStep(drill);
        QVERIFY(step > 0);
        type(box(drill, step), text);
        formstest::click(enter(drill, step));
    }

private slots:
    void init() { pupil = std::make_unique<Pupil>(); }
    void cleanup() { pupil.reset(); }

    void firstShownInItsDesignState()
    {
        auto *drill = open();
        QVERIFY(drill && drill->isVisible());
        QVERIFY(!forms::instance<Form7>()->isVisible());
        QCOMPARE(caption(drill, "lamaksoom"), QStringLiteral("??"));
        QCOMPARE(caption(drill, "lamaksoomalih"), QStringLiteral("?"));
        QCOMPARE(caption(drill, "Label1"), QStringLiteral("اوجد ناتج ما يلي :"));
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الاسئلة"));
        QCOMPARE(caption(drill, "Label4"), QStringLiteral(" عدد الاجابات الصحيحة : 0"));
        QCOMPARE(caption(drill, "Label9"), QStringLiteral("التقدير"));
        QCOMPARE(button(drill, "Comq")->text(), QStringLiteral("مسألة جديدة"));
        QVERIFY(button(drill, "Comq")->isVisible() && button(drill, "Comq")->isEnabled());
        for (const char *name : {"Txtnatj1", "Txtnatj2", "Txtnatj3", "enter1", "enter2", "enter3", "Comhelp", "help",
                                 "naqs", "Line4", "Label3"})
            QVERIFY2(hidden(drill, name), name);
        for (const char *name : {"Line1", "Line2", "Line3"})
            QVERIFY2(!hidden(drill, name), name);
        QCOMPARE(drill->focusWidget(), button(drill, "Comq"));
        QVERIFY(!drill->keyPreview());
        QCOMPARE(forms::testing::scriptedDrawsLeft(), 0);
    }

    void escEndsTheProgramOnlyOnceAProblemIsDrawn()
    {
        auto *drill = open();
        QTest::keyClick(button(drill, "Comq"), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        forms::testing::scriptDraws(remainderProblem(47, 6));
        formstest::click(button(drill, "Comq"));
        QTest::keyClick(box(drill, 1), Qt::Key_Escape); // the draw is still 100 ms away
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        forms::testing::advance(100);
        QVERIFY(drill->keyPreview());
        QTest::keyClick(box(drill, 1), Qt::Key_Escape);
        QVERIFY(forms::programEnded());
    }

    void escFromAnyControl_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("entry box") << "Txtnatj1";
        QTest::newRow("entry button") << "enter1";
        QTest::newRow("help button") << "Comhelp";
    }
    void escFromAnyControl()
    {
        QFETCH(QString, focus);
        auto *drill = open();
        newProblem(drill, remainderProblem(47, 6));
        auto *target = control<QWidget>(drill, focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(forms::programEnded());
    }

    void workingThroughFortySevenBySix()
    {
        auto *drill = open();
        forms::testing::scriptDraws(remainderProblem(47, 6));
        formstest::click(button(drill, "Comq"));
        // At once: the first box, its button and the help button; the problem 100 ms later.
        QVERIFY(box(drill, 1)->isVisible() && enter(drill, 1)->isVisible());
        QVERIFY(button(drill, "Comhelp")->isVisible());
        QVERIFY(!button(drill, "Comq")->isEnabled());
        QCOMPARE(drill->focusWidget(), box(drill, 1));
        QCOMPARE(caption(drill, "lamaksoom"), QStringLiteral("??"));
        forms::testing::advance(99);
        QCOMPARE(caption(drill, "lamaksoom"), QStringLiteral("??"));
        forms::testing::advance(1);
        QCOMPARE(caption(drill, "lamaksoom"), QStringLiteral("47"));
        QCOMPARE(caption(drill, "lamaksoomalih"), QStringLiteral("6"));
        QVERIFY(label(drill, "lamaksoomalih")->x() < label(drill, "lamaksoom")->x()); // divisor on the left
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الأسئلة :  1"));
        QCOMPARE(helpText(drill), stepOneHelp("47", "6", CrLf));

        enterStep(drill, "7");
        QCOMPARE(caption(drill, "Label3"), Right);
        QVERIFY(!label(drill, "Label3")->isHidden());
        QCOMPARE(caption(drill, "Label4"), QStringLiteral("عدد الاجابات الصحيحة :  1"));
        QCOMPARE(caption(drill, "Label9"), QStringLiteral("ممتاز"));
        QCOMPARE(pupil->sounds.size(), 1);
        QVERIFY(pupil->sounds.last().endsWith("/sound/yes.wav"));
        QCOMPARE(openStep(drill), 2);
        QVERIFY(box(drill, 1)->isReadOnly());
        QCOMPARE(box(drill, 1)->focusPolicy(), Qt::StrongFocus); // locked, not display-only
        QVERIFY(box(drill, 2)->isVisible());
        QCOMPARE(drill->focusWidget(), box(drill, 2));
        QVERIFY(hidden(drill, "naqs") && hidden(drill, "Line4") && hidden(drill, "Txtnatj3"));
        QCOMPARE(helpText(drill), QStringLiteral("اضرب الناتج في المقسوم عليه ") + CrLf + CrLf
                                      + QStringLiteral("أو اضرب  7 × 6"));
        type(box(drill, 1), "9"); // a locked box keeps its entry
        QCOMPARE(box(drill, 1)->text(), QStringLiteral("7"));

        enterStep(drill, "42");
        QCOMPARE(openStep(drill), 3);
        QVERIFY(box(drill, 2)->isReadOnly());
        QVERIFY(!hidden(drill, "naqs") && !hidden(drill, "Line4") && box(drill, 3)->isVisible());
        QCOMPARE(drill->focusWidget(), box(drill, 3));
        QCOMPARE(helpText(drill), QStringLiteral("اطرح  47 - 42"));
        QVERIFY(!button(drill, "Comq")->isEnabled());

        enterStep(drill, "5");
        QCOMPARE(openStep(drill), 0);
        QVERIFY(box(drill, 3)->isReadOnly());
        QVERIFY(button(drill, "Comq")->isEnabled());
        QCOMPARE(helpText(drill), QStringLiteral("اطرح  47 - 42"));
        QCOMPARE(caption(drill, "Label4"), QStringLiteral("عدد الاجابات الصحيحة :  3"));
        QCOMPARE(caption(drill, "Label5"), QStringLiteral("عدد الاجابات الخاطئة :  0"));
        QCOMPARE(pupil->sounds.size(), 3);

        // The next problem empties, unlocks and hides the worksheet again.
        newProblem(drill, remainderProblem(5, 7));
        QCOMPARE(openStep(drill), 1);
        QVERIFY(!box(drill, 1)->isReadOnly() && box(drill, 1)->text().isEmpty());
        QVERIFY(hidden(drill, "Txtnatj2") && hidden(drill, "Txtnatj3") && hidden(drill, "naqs") && hidden(drill, "Line4"));
        QCOMPARE(caption(drill, "lamaksoom"), QStringLiteral("5"));
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الأسئلة :  2"));
        enterStep(drill, "0");
        enterStep(drill, "0");
        QCOMPARE(helpText(drill), QStringLiteral("اطرح  5 - 0"));
        enterStep(drill, "5");
        QCOMPARE(openStep(drill), 0);
        QCOMPARE(caption(drill, "Label4"), QStringLiteral("عدد الاجابات الصحيحة :  6"));
    }

    void entriesAndGrades_data()
    {
        QTest::addColumn<int>("dividend");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<int>("stepLeftOpen");
        QTest::newRow("three right") << 47 << 6 << QStringList{"7", "42", "5"} << 3 << 0 << "ممتاز" << 0;
        QTest::newRow("wrong, then two right") << 47 << 6 << QStringList{"6", "7", "42"} << 2 << 1 << "مقبول" << 3;
        QTest::newRow("wrong, then three right") << 47 << 6 << QStringList{"8", "7", "42", "5"} << 3 << 1 << "جيد" << 0;
        QTest::newRow("one right of two") << 47 << 6 << QStringList{"7", "41"} << 1 << 1 << "تدرب أكثر" << 2;
        QTest::newRow("one wrong") << 47 << 6 << QStringList{"5"} << 0 << 1 << "راسب ، لماذا ؟ " << 1;
        QTest::newRow("a blank is an entry of 0") << 47 << 6 << QStringList{" "} << 0 << 1 << "راسب ، لماذا ؟ " << 1;
        QTest::newRow("a blank is right for 0") << 5 << 7 << QStringList{" ", " ", "5"} << 3 << 0 << "ممتاز" << 0;
        QTest::newRow("blank after, letters after") << 47 << 6 << QStringList{"7 ", "42abc", " 5"} << 3 << 0 << "ممتاز" << 0;
        QTest::newRow("product for the remainder") << 47 << 6 << QStringList{"7", "42", "42", "42"} << 2 << 2 << "تدرب أكثر" << 3;
        QTest::newRow("four right of five") << 47 << 6 << QStringList{"7", "42", "6", "5"} << 3 << 1 << "جيد" << 0;
    }
    void entriesAndGrades()
    {
        QFETCH(int, dividend);
        QFETCH(int, divisor);
        QFETCH(QStringList, entries);
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(QString, grade);
        QFETCH(int, stepLeftOpen);
        auto *drill = open();
        newProblem(drill, remainderProblem(dividend, divisor));
        for (const QString &e : entries) {
            const int step = openStep(drill);
            const int wrongBefore = drill->scoreBoard().wrong();
            enterStep(drill, e);
            if (drill->scoreBoard().wrong() > wrongBefore) {
                // A wrong entry: the box emptied and focused again, the step stays.
                QCOMPARE(caption(drill, "Label3"), TryAgain);
                QCOMPARE(box(drill, step)->text(), QString());
                QCOMPARE(drill->focusWidget(), box(drill, step));
                QCOMPARE(openStep(drill), step);
                QVERIFY(pupil->sounds.last().endsWith("/sound/no.wav"));
            } else {
                QCOMPARE(caption(drill, "Label3"), Right);
            }
        }
        QCOMPARE(drill->scoreBoard().right(), right);
        QCOMPARE(drill->scoreBoard().wrong(), wrong);
        if (right)
            QCOMPARE(caption(drill, "Label4"), QStringLiteral("عدد الاجابات الصحيحة :  %1").arg(right));
        if (wrong)
            QCOMPARE(caption(drill, "Label5"), QStringLiteral("عدد الاجابات الخاطئة :  %1").arg(wrong));
        QCOMPARE(caption(drill, "Label9"), grade);
        QCOMPARE(openStep(drill), stepLeftOpen);
        QCOMPARE(button(drill, "Comq")->isEnabled(), stepLeftOpen == 0);
        QCOMPARE(pupil->sounds.size(), entries.size());
    }

    void anEmptyBoxIsRefusedWithAMessage()
    {
        MessageCatcher catcher;
        auto *drill = open();
        newProblem(drill, remainderProblem(47, 6));
        formstest::click(enter(drill, 1));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, QStringLiteral("عفواً لم تضع رقما"));
        QCOMPARE(catcher.last().title, QStringLiteral("رسالة البرنامج"));
        QCOMPARE(catcher.last().icon, QMessageBox::Warning);
        QCOMPARE(catcher.last().buttons.size(), 1);
        QCOMPARE(caption(drill, "Label9"), QStringLiteral("التقدير"));
        QCOMPARE(caption(drill, "Label4"), QStringLiteral(" عدد الاجابات الصحيحة : 0"));
        QCOMPARE(caption(drill, "Label5"), QStringLiteral("عدد الاجابات الخاطئة :  0"));
        QVERIFY(label(drill, "Label3")->isHidden());
        QVERIFY(pupil->sounds.isEmpty());
        QCOMPARE(openStep(drill), 1);

        // The same at a later step; the counts so far stay as they were.
        enterStep(drill, "7");
        forms::testing::advance(3000);
        formstest::click(enter(drill, 2));
        QCOMPARE(catcher.count(), 2);
        QCOMPARE(drill->scoreBoard().right() + drill->scoreBoard().wrong(), 1);
        QVERIFY(label(drill, "Label3")->isHidden());
        QCOMPARE(openStep(drill), 2);
    }

    void theFeedbackHidesThreeSecondsAfterTheFirstEntry()
    {
        auto *drill = open();
        newProblem(drill, remainderProblem(47, 6));
        enterStep(drill, "1");
        forms::testing::advance(2000);
        enterStep(drill, "7"); // does not restart the 3000 ms
        QCOMPARE(caption(drill, "Label3"), Right);
        forms::testing::advance(999);
        QVERIFY(!label(drill, "Label3")->isHidden());
        forms::testing::advance(1);
        QVERIFY(label(drill, "Label3")->isHidden());
        enterStep(drill, "42");
        forms::testing::advance(2999);
        QVERIFY(!label(drill, "Label3")->isHidden());
        forms::testing::advance(1);
        QVERIFY(label(drill, "Label3")->isHidden());
    }

    void aNewProblemsDrawHidesTheFeedback()
    {
        auto *drill = open();
        newProblem(drill, remainderProblem(47, 6));
        for (const char *e : {"7", "42", "5"})
            enterStep(drill, QLatin1String(e));
        forms::testing::scriptDraws(remainderProblem(9, 2));
        formstest::click(button(drill, "Comq"));
        QVERIFY(!label(drill, "Label3")->isHidden());
        forms::testing::advance(100);
        QVERIFY(label(drill, "Label3")->isHidden());
    }

    void theHelpButtonTogglesThePanel()
    {
        auto *drill = open();
        newProblem(drill, remainderProblem(47, 6));
        auto *help = button(drill, "Comhelp");
        QCOMPARE(help->text(), QStringLiteral("مساعدة"));
        formstest::click(help);
        QCOMPARE(help->text(), QStringLiteral("اخفاء المساعدة"));
        QVERIFY(control<QGroupBox>(drill, "help")->isVisible());
        QCOMPARE(control<QGroupBox>(drill, "help")->title(), QStringLiteral("المساعدة"));
        QCOMPARE(helpText(drill), stepOneHelp("47", "6", CrLf + CrLf));
        // The whole help shows in its box, which has no scroll bars.
        auto *box = control<forms::MultiLineTextBox>(drill, QStringLiteral("Txthelp"));
        QCoreApplication::processEvents();
        QCOMPARE(box->verticalScrollBar()->maximum(), 0);
        formstest::click(help);
        QCOMPARE(help->text(), QStringLiteral("مساعدة"));
        QVERIFY(hidden(drill, "help"));

        // Open, it follows the steps and stays open across problems.
        formstest::click(help);
        enterStep(drill, "7");
        QVERIFY(!hidden(drill, "help"));
        QCOMPARE(helpText(drill), QStringLiteral("اضرب الناتج في المقسوم عليه ") + CrLf + CrLf
                                      + QStringLiteral("أو اضرب  7 × 6"));
        enterStep(drill, "42");
        enterStep(drill, "5");
        // With no entry button shown the toggle leaves the text alone.
        formstest::click(help);
        formstest::click(help);
        QCOMPARE(helpText(drill), QStringLiteral("اطرح  47 - 42"));
        newProblem(drill, remainderProblem(20, 3));
        QVERIFY(!hidden(drill, "help"));
        QCOMPARE(help->text(), QStringLiteral("اخفاء المساعدة"));
        QCOMPARE(helpText(drill), stepOneHelp("20", "3", CrLf));
        // The toggle writes the help of the open step, spaced for step 1.
        enterStep(drill, "6");
        formstest::click(help);
        formstest::click(help);
        QCOMPARE(helpText(drill), QStringLiteral("اضرب الناتج في المقسوم عليه ") + CrLf + CrLf
                                      + QStringLiteral("أو اضرب  6 × 3"));
    }

    // A paste into the help box: a clipboard without text leaves it as it was
    // and the drill runs on; text goes in and reads back. The steps still
    // rewrite the help.
    void pastingIntoTheHelpBox_data() { formstest::addPasteRows(); }
    void pastingIntoTheHelpBox()
    {
        QFETCH(formstest::ClipEdit, how);
        QFETCH(formstest::Clip, clip);
        auto *drill = open();
        newProblem(drill, remainderProblem(47, 6));
        formstest::click(button(drill, "Comhelp"));
        auto *box = control<forms::MultiLineTextBox>(drill, QStringLiteral("Txthelp"));
        QVERIFY(box->isVisible());
        const QString before = box->text();
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        const QString pasted = formstest::setClipboard(clip);
        formstest::clipboardEdit(box, how);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QVERIFY(drill->isVisible());
        if (pasted.isEmpty()) {
            QCOMPARE(helpText(drill), before);
        } else {
            QVERIFY(helpText(drill).contains(pasted));
            QCOMPARE(helpText(drill).size(), before.size() + pasted.size());
        }
        enterStep(drill, "7");
        QCOMPARE(helpText(drill), QStringLiteral("اضرب الناتج في المقسوم عليه ") + CrLf + CrLf
                                      + QStringLiteral("أو اضرب  7 × 6"));
        QCOMPARE(drill->scoreBoard().right(), 1);
    }

    void leavingAndComingBackMidProblem()
    {
        auto *drill = open();
        newProblem(drill, remainderProblem(47, 6));
        enterStep(drill, "7");
        type(box(drill, 2), "4");
        clickLabel(drill, "Label7");
        QVERIFY(!drill->isVisible());
        QVERIFY(forms::instance<Form7>()->isVisible());
        forms::testing::advance(5000);
        QCOMPARE(open(), drill);
        QVERIFY(drill->isVisible());
        QCOMPARE(caption(drill, "lamaksoom"), QStringLiteral("47"));
        QCOMPARE(box(drill, 1)->text(), QStringLiteral("7"));
        QCOMPARE(box(drill, 2)->text(), QStringLiteral("4"));
        QCOMPARE(openStep(drill), 2);
        QCOMPARE(caption(drill, "Label4"), QStringLiteral("عدد الاجابات الصحيحة :  1"));
        QCOMPARE(caption(drill, "Label6"), QStringLiteral("عدد الأسئلة :  1"));
        QVERIFY(!button(drill, "Comq")->isEnabled());
        type(box(drill, 2), "2");
        formstest::click(enter(drill, 2));
        QCOMPARE(openStep(drill), 3);
    }

    void problemsThatAreNeverAsked_data()
    {
        QTest::addColumn<std::vector<int>>("draws");
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::newRow("zero, exact, divisor 1")
            << inOrder({remainderProblem(0, 4), remainderProblem(8, 0), remainderProblem(42, 6), remainderProblem(13, 1),
                        remainderProblem(5, 7)})
            << "5" << "7";
        QTest::newRow("quotient 10 or more")
            << inOrder({remainderProblem(91, 9), remainderProblem(21, 2), remainderProblem(99, 9), remainderProblem(89, 9)})
            << "89" << "9";
    }
    void problemsThatAreNeverAsked()
    {
        QFETCH(std::vector<int>, draws);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        auto *drill = open();
        newProblem(drill, draws);
        QCOMPARE(caption(drill, "lamaksoom"), dividend);
        QCOMPARE(caption(drill, "lamaksoomalih"), divisor);
        QCOMPARE(forms::testing::scriptedDrawsLeft(), 0);
    }

    // With the clock standing still, every reseed still draws afresh.
    void aThousandProblemsWithTimeStopped()
    {
        auto *drill = open();
        QSet<int> divisors;
        for (int i = 0; i < 1000; ++i) {
            newProblem(drill, {});
            const RemainderProblem p = drill->problem();
            QVERIFY(p.dividend >= 1 && p.dividend <= 99);
            QVERIFY(p.divisor >= 2 && p.divisor <= 9);
            QVERIFY(p.quotient <= 9);
            QVERIFY(p.remainder >= 1 && p.remainder < p.divisor);
            QCOMPARE(caption(drill, "lamaksoom"), QString::number(p.dividend));
            divisors << p.divisor;
            for (int v : {p.quotient, p.quotient * p.divisor, p.remainder})
                enterStep(drill, QString::number(v));
            QVERIFY(button(drill, "Comq")->isEnabled());
        }
        QCOMPARE(divisors.size(), 8);
        QCOMPARE(caption(drill, "Label4"), QStringLiteral("عدد الاجابات الصحيحة :  3000"));
    }

    // The worked problem as drawn: the dividend's digits whole above the
    // product box, and the window's own colour nowhere between the pictures.
    void theWorkedProblemAsDrawn_data()
    {
        QTest::addColumn<std::vector<int>>("draws");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("88 ÷ 9") << remainderProblem(88, 9) << QStringList{"9", "81"};
        QTest::newRow("47 ÷ 6") << remainderProblem(47, 6) << QStringList{"7", "42"};
    }
    void theWorkedProblemAsDrawn()
    {
        QFETCH(std::vector<int>, draws);
        QFETCH(QStringList, entries);
        auto *drill = open();
        newProblem(drill, draws);
        for (const QString &e : entries)
            enterStep(drill, e);
        QCOMPARE(openStep(drill), 3);
        QCoreApplication::processEvents();
        forms::Label *dividend = label(drill, "lamaksoom");
        const int inkBottom = dividend->mapTo(drill, QPoint(0, inkRows(dividend).second)).y();
        QVERIFY2(inkBottom < box(drill, 2)->geometry().top(),
                 qPrintable(QStringLiteral("digits to y=%1, box from y=%2").arg(inkBottom).arg(box(drill, 2)->y())));
        QVERIFY(box(drill, 2)->geometry().bottom() < box(drill, 3)->geometry().top());

        // Outside the other controls only the pictures are drawn.
        QRegion controls;
        for (QWidget *c : drill->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (c->isVisible() && !c->objectName().startsWith(QLatin1String("Image")))
                controls += c->geometry();
        const QImage seen = drill->grab().toImage();
        int pink = 0;
        for (int y = 0; y < seen.height(); ++y)
            for (int x = 0; x < seen.width(); ++x)
                pink += !controls.contains(QPoint(x, y)) && seen.pixel(x, y) == qRgb(0xFF, 0x80, 0x80);
        QCOMPARE(pink, 0);
    }

    // The longest help, spaced, shows whole and fills most of its box.
    void theLongestHelpFillsItsBox()
    {
        auto *drill = open();
        newProblem(drill, remainderProblem(88, 9));
        formstest::click(button(drill, "Comhelp"));
        auto *box = control<forms::MultiLineTextBox>(drill, QStringLiteral("Txthelp"));
        QCoreApplication::processEvents();
        QCOMPARE(box->verticalScrollBar()->maximum(), 0);
        const auto [top, bottom] = inkRows(box->viewport(), box->palette().color(QPalette::Base));
        QVERIFY(top >= 0);
        const int room = box->viewport()->height();
        QVERIFY2(bottom < room && bottom >= room * 7 / 10,
                 qPrintable(QStringLiteral("text to y=%1 of %2").arg(bottom).arg(room)));
    }
};

QTEST_MAIN(StepDrillTest)
#include "stepdrill_test.moc"
