// Form1: a three-digit dividend over a one-digit divisor, driven as a pupil would.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "forms/app.h"
#include "forms/window.h"
#include "worksheet_driver.h"
#include "worksheets.h"

using namespace corvane;
using namespace formstest;
using namespace corvanetest;

class OneDigitTest : public QObject {
    Q_OBJECT

    Sheetside w{nullptr};

private slots:
    void init()
    {
        w.form = openSheet(SheetId::Form1);
    }
    void cleanup() { forms::resetProgramState(); }

    void opensInItsDesignState()
    {
        QCOMPARE(w.form->windowTitle().left(17), QStringLiteral("القسمة المطولة - "));
        QCOMPARE(w.form->layoutDirection(), Qt::RightToLeft);
        QVERIFY(w.form->isMaximized());
        QCOMPARE(w.visibleStepButtons(), 0);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        for (int n = 7; n <= 20; ++n)
            QVERIFY2(!w.box(n)->visibleFlag(), qPrintable(QString::number(n)));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.box(4)));
        // Digits read left to right, leading digit leftmost, divisor left of them.
        QVERIFY(w.box(6)->x() < w.box(5)->x());
        QVERIFY(w.box(5)->x() < w.box(4)->x() && w.box(4)->x() < w.box(3)->x());
        QCOMPARE(w.button(16)->text(), QStringLiteral("التحقق من الحل"));
        QCOMPARE(w.button(15)->text(), QStringLiteral("مسألة جديدة"));
        QCOMPARE(w.button(17)->text(), QStringLiteral("القائمة الرئيسية"));
    }

    void workedProblems_data()
    {
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("quotientRow"); // Text7 Text11 Text17
        QTest::addColumn<QString>("round1");      // Text8 Text9
        QTest::addColumn<QString>("round2");      // Text10 Text13 Text12 Text15 Text14
        QTest::addColumn<QString>("round3");      // Text16 Text19 Text18 Text20
        QTest::addColumn<QString>("labels");      // Label4 Label5 Label7
        QTest::addColumn<QString>("quotientDigits"); // Text23 Text22 Text21
        QTest::addColumn<QString>("productDigits");  // Text27 Text26 Text25
        QTest::addColumn<QString>("sum");            // Label9 Label15 Label13
        QTest::newRow("847 / 4") << "847" << "4" << "2 1 1" << "8 0" << "4 - 4 - 0" << "7 - 4 3"
                                 << "211 4 3" << "2 1 1" << "8 4 4" << "844 3 847";
        QTest::newRow("156 / 3") << "156" << "3" << "0 5 2" << "0 1" << "5 1 5 - 0" << "6 - 6 0"
                                 << "52 3 0" << "- 5 2" << "1 5 6" << "156 0 156";
        QTest::newRow("100 / 7") << "100" << "7" << "0 1 4" << "0 1" << "0 - 7 - 3" << "0 2 8 2"
                                 << "14 7 2" << "- 1 4" << " 9 8" << "98 2 100";
        QTest::newRow("999 / 9") << "999" << "9" << "1 1 1" << "9 0" << "9 - 9 - 0" << "9 - 9 0"
                                 << "111 9 0" << "1 1 1" << "9 9 9" << "999 0 999";
    }
    void workedProblems()
    {
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        w.typeProblem(dividend, divisor);
        QFETCH(QString, quotientRow);
        QFETCH(QString, round1);
        QFETCH(QString, round2);
        QFETCH(QString, round3);
        QFETCH(QString, labels);
        QFETCH(QString, quotientDigits);
        QFETCH(QString, productDigits);
        QFETCH(QString, sum);
        MessageCatcher catcher;
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.visibleStepButtons(), 11);
        QCOMPARE(w.row({7, 11, 17}), quotientRow);
        QCOMPARE(w.row({8, 9}), round1);
        QCOMPARE(w.row({10, 13, 12, 15, 14}), round2);
        QCOMPARE(w.row({16, 19, 18, 20}), round3);

        click(w.button(16));
        QCOMPARE(catcher.count(), 0);
        QVERIFY(shown(w.form->frame(3)));
        QCOMPARE(w.labels({4, 5, 7}), labels);
        QCOMPARE(w.row({23, 22, 21}), quotientDigits);
        QCOMPARE(w.row({24}), divisor);
        QCOMPARE(w.row({27, 26, 25}), productDigits);
        QCOMPARE(w.labels({9, 15, 13}), sum);

        // Pressing the check again refills the same values.
        click(w.button(16));
        QCOMPARE(w.row({27, 26, 25}), productDigits);
        QCOMPARE(w.label(13)->text(), sum.section(' ', 2));
    }

    void chainShowsOneButtonAtATime()
    {
        formstest::type(w.box(6), "7"); // divisor first: step 1 appears at once
        QCOMPARE(w.visibleStepButtons(), 1);
        QVERIFY(shown(w.button(4)));
        w.typeProblem("523", "");
        for (int k = 1; k <= 11; ++k) {
            QCOMPARE(w.visibleStepButtons(), k);
            QVERIFY(w.step(k));
        }
        QCOMPARE(w.visibleStepButtons(), 11);
        // The buttons stand in step order down the panel; step 2 sits in the panel's column.
        for (int k = 1; k < 11; ++k) {
            auto *a = w.button(k + 3), *b = w.button(k + 4);
            QVERIFY(a->mapTo(w.form, QPoint()).y() < b->mapTo(w.form, QPoint()).y());
            QCOMPARE(a->mapTo(w.form, QPoint()).x(), b->mapTo(w.form, QPoint()).x());
        }
        QCOMPARE(w.button(5)->text(), QStringLiteral("الثانية"));
        QCOMPARE(w.button(14)->text(), QStringLiteral("الحادية عشرة"));
    }

    void entryGuards_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<bool>("firstStepShown");
        QTest::newRow("0 as leading dividend digit") << 5 << "0" << LeadZero << false;
        QTest::newRow("0 in the middle") << 4 << "0" << "" << false;
        QTest::newRow("0 as ones digit") << 3 << "0" << "" << false;
        QTest::newRow("1 as divisor") << 6 << "1" << DivisorRefused << true;
        QTest::newRow("0 as divisor") << 6 << "0" << DivisorRefused << true;
        QTest::newRow("2 as divisor") << 6 << "2" << "" << true;
        QTest::newRow("9 as divisor") << 6 << "9" << "" << true;
    }
    void entryGuards()
    {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, firstStepShown);
        MessageCatcher catcher;
        typeIntoGuardedBox(w, catcher, box, typed, message, firstStepShown);
    }

    void onlyDigitsGoIntoTheBoxes()
    {
        formstest::type(w.box(4), "a");
        QCOMPARE(w.box(4)->text(), QString());
        formstest::type(w.box(4), QString(QChar(0x0664))); // Arabic-Indic four
        QCOMPARE(w.box(4)->text(), QStringLiteral("4"));
        formstest::type(w.box(4), "5"); // a second character is refused
        QCOMPARE(w.box(4)->text(), QStringLiteral("4"));
        QApplication::clipboard()->setText("83");
        w.box(3)->paste(); // pasting keeps the first character
        QCOMPARE(w.box(3)->text(), QStringLiteral("8"));
        formstest::type(w.box(6), "x");
        QCOMPARE(w.box(6)->text(), QString());
        QVERIFY(!w.button(4)->visibleFlag());
        QTest::keyClick(w.box(4), Qt::Key_Backspace);
        QCOMPARE(w.box(4)->text(), QString());
    }

    void guardsKeepWorkingAfterStepOne()
    {
        MessageCatcher catcher;
        w.typeProblem("847", "4");
        QVERIFY(w.step(1));
        retype(w.box(6), "0");
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, DivisorRefused);
        QCOMPARE(w.box(6)->text(), QString());
    }

    void stepOneRefusesAnIncompleteProblem_data()
    {
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::newRow("ones box empty") << "84" << "4";
        QTest::newRow("divisor refused then left empty") << "847" << "1";
    }
    void stepOneRefusesAnIncompleteProblem()
    {
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        MessageCatcher catcher;
        w.typeProblem(dividend, divisor);
        catcher.clear();
        QVERIFY(w.step(1));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, Missing);
        QCOMPARE(catcher.last().title, ErrorTitle);
        QCOMPARE(catcher.last().icon, QMessageBox::Critical);
        QVERIFY(!w.box(7)->visibleFlag());
        QCOMPARE(w.visibleStepButtons(), 1);
    }

    void checkBeforeTheLastStepOnlyTellsThePupil()
    {
        MessageCatcher catcher;
        w.typeProblem("847", "4");
        for (int k = 1; k <= 10; ++k)
            QVERIFY(w.step(k));
        click(w.button(16));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, NotDone);
        QCOMPARE(catcher.last().title, NoticeTitle);
        QCOMPARE(catcher.last().icon, QMessageBox::Information);
        QVERIFY(!w.form->frame(3)->visibleFlag());
    }

    void newProblemReturnsToTheDesignState()
    {
        w.typeProblem("156", "3");
        QVERIFY(w.workAll());
        click(w.button(16));
        QVERIFY(!w.box(23)->visibleFlag());
        click(w.button(15));
        for (int n : {3, 4, 5, 6})
            QCOMPARE(w.box(n)->text(), QString());
        for (int n = 7; n <= 20; ++n) {
            QVERIFY(!w.box(n)->visibleFlag());
            QCOMPARE(w.box(n)->text(), QString());
        }
        QCOMPARE(w.visibleStepButtons(), 0);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        QVERIFY(w.box(23)->visibleFlag());
        for (int n : {4, 5, 7, 9, 13, 15})
            QCOMPARE(w.label(n)->text(), QString());
        // And a new problem works from the start.
        w.typeProblem("847", "4");
        QVERIFY(w.workAll());
        QCOMPARE(w.row({7, 11, 17}), QStringLiteral("2 1 1"));
    }

    void outputBoxesNeverTakeTheCaret()
    {
        w.typeProblem("847", "4");
        QVERIFY(w.workAll());
        for (int n = 7; n <= 20; ++n) {
            if (!w.box(n)->visibleFlag())
                continue;
            QTest::mouseClick(w.box(n), Qt::LeftButton);
            QVERIFY(!w.box(n)->hasFocus());
            QCOMPARE(w.box(n)->focusPolicy(), Qt::NoFocus);
        }
    }

    void pressingAStepAgainRecomputes()
    {
        w.typeProblem("847", "3");
        QVERIFY(w.workAll()); // 847 / 3: q 2 8 2, P2 = 24
        QCOMPARE(w.row({13, 12}), QStringLiteral("2 4"));
        QVERIFY(w.step(6));
        QCOMPARE(w.row({13, 12}), QStringLiteral("2 4"));
        retype(w.box(6), "2");
        QVERIFY(w.step(6)); // 8 x 2 = 16, earlier quotient digits untouched
        QCOMPARE(w.row({13, 12}), QStringLiteral("1 6"));
        QCOMPARE(w.row({7, 11, 17}), QStringLiteral("2 8 2"));
    }

    void aShorterValueLeavesNoOldDigitBehind()
    {
        w.typeProblem("999", "9");
        QVERIFY(w.workAll()); // round 3: P3 = 9 (no tens)
        retype(w.box(6), "5");
        QVERIFY(w.step(9));  // q3 = 09 \ 5 = 1
        retype(w.box(6), "9");
        QVERIFY(w.step(10)); // P3 = 9
        retype(w.box(6), "3");
        QVERIFY(w.step(9));  // q3 = 3
        QVERIFY(w.step(10)); // P3 = 9 again
        // Now a two-digit product, then a one-digit one: the tens box empties.
        erase(w.box(16));
        retype(w.box(3), "9");
        retype(w.box(6), "2");
        QVERIFY(w.step(9));  // q3 = 09 \ 2 = 4
        retype(w.box(6), "4");
        QVERIFY(w.step(10)); // P3 = 16
        QCOMPARE(w.row({19, 18}), QStringLiteral("1 6"));
        retype(w.box(6), "2");
        QVERIFY(w.step(10)); // P3 = 8: the tens box stays shown but empty
        QCOMPARE(w.row({19, 18}), QStringLiteral(" 8"));
        QCOMPARE(w.box(19)->text(), QString());
    }

    void secondCheckShowsALongerQuotient()
    {
        MessageCatcher catcher;
        w.typeProblem("156", "3");
        QVERIFY(w.workAll());
        click(w.button(16));
        QVERIFY(!w.box(23)->visibleFlag()); // Q = 52
        retype(w.box(6), "1"); // refused
        formstest::type(w.box(6), "2");
        retype(w.box(5), "4");
        for (int k = 1; k <= 11; ++k)
            QVERIFY(w.step(k)); // 456 / 2 = 228
        click(w.button(16));
        QCOMPARE(w.label(4)->text(), QStringLiteral("228"));
        QVERIFY(w.box(23)->visibleFlag());
        QCOMPARE(w.row({23, 22, 21}), QStringLiteral("2 2 8"));
    }

    void anEmptiedDivisorIsNeverDividedBy()
    {
        MessageCatcher catcher;
        w.typeProblem("847", "4");
        QVERIFY(w.step(1));
        QVERIFY(w.step(2));
        QVERIFY(w.step(3));
        QVERIFY(w.step(4));
        erase(w.box(6));
        catcher.clear();
        QVERIFY(w.step(5)); // would divide by zero
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, Missing);
        QCOMPARE(catcher.last().icon, QMessageBox::Critical);
        QVERIFY(!w.box(11)->visibleFlag());
        QVERIFY(!w.button(9)->visibleFlag());
        QVERIFY(w.step(1)); // step 1 refuses too, with the same message
        QCOMPARE(catcher.count(), 2);
        QCOMPARE(w.box(7)->text(), QStringLiteral("2"));
        QVERIFY(w.form->isVisible());
    }

    void sizeButtons()
    {
        w.typeProblem("847", "4");
        QVERIFY(w.step(1));
        click(w.button(1)); // its own length: nothing changes
        QCOMPARE(forms::instance<Form1>(), w.form);
        QCOMPARE(w.box(7)->text(), QStringLiteral("2"));
        QVERIFY(w.box(7)->visibleFlag());

        click(w.button(2)); // four digits: Form2 fresh, Form1 gone
        QVERIFY(!forms::instance<Form1>());
        Sheetside f2{forms::instance<Form2>()};
        QVERIFY(f2.form && f2.form->isVisible());
        QCOMPARE(f2.visibleStepButtons(), 0);
        click(f2.button(1));
        Sheetside back{forms::instance<Form1>()};
        QVERIFY(back.form);
        QCOMPARE(back.box(5)->text(), QString());
        QVERIFY(!forms::instance<Form2>());
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
    }
};

QTEST_MAIN(OneDigitTest)
#include "one_digit_test.moc"
