// Form2 and Form3: four- and five-digit dividends over a one-digit divisor,
// driven as a pupil would.
#include <QApplication>
#include <QTest>

#include "forms/app.h"
#include "forms/window.h"
#include "menu.h"
#include "worksheet_driver.h"
#include "worksheets.h"

using namespace corvane;
using namespace formstest;
using namespace corvanetest;

namespace {
// Output boxes of each worksheet's grid.
const QString Form2Outputs = QStringLiteral("1 7 8 9 10 11 12 13 14 15 16 17 18 19 20 28 29 30");
const QString Form3Outputs = QStringLiteral("1 7 8 9 10 11 12 13 14 15 16 17 18 19 20 28 29 30 34 35 36 37 38");
} // namespace

class OneDigitLongTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { forms::resetProgramState(); }

    void opensInItsDesignState_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend"); // entry boxes, leading digit first
        QTest::addColumn<QString>("outputs");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("menuButton");
        QTest::addColumn<int>("stepButtons");
        QTest::newRow("Form2") << "Form2" << "5 4 3 2" << Form2Outputs << "Command16" << 21 << 15;
        QTest::newRow("Form3") << "Form3" << "5 4 3 2 33" << Form3Outputs << "Text5" << 25 << 19;
    }
    void opensInItsDesignState()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, outputs);
        QFETCH(QString, focus);
        QFETCH(int, menuButton);
        QFETCH(int, stepButtons);
        Sheetside w{openSheet(form)};
        QCOMPARE(w.form->objectName(), form);
        QCOMPARE(w.form->windowTitle().left(17), QStringLiteral("القسمة المطولة - "));
        QCOMPARE(w.form->layoutDirection(), Qt::RightToLeft);
        QVERIFY(w.form->isMaximized());
        QCOMPARE(w.visibleStepButtons(), 0);
        QCOMPARE(int(w.form->sheetDef().stepButtons.size()), stepButtons);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        for (int n : numbers(outputs))
            QVERIFY2(!w.box(n)->visibleFlag(), qPrintable(QString::number(n)));
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);

        // Digits read left to right, the divisor left of the leading one; each
        // quotient box stands above its dividend digit.
        const QList<int> digits = numbers(dividend);
        QVERIFY(w.box(6)->x() < w.box(digits.front())->x());
        for (int i = 1; i < digits.size(); ++i)
            QVERIFY(w.box(digits[i - 1])->x() < w.box(digits[i])->x());
        const QList<int> quotient = form == QLatin1String("Form2") ? QList<int>{7, 11, 17, 29}
                                                                   : QList<int>{7, 11, 17, 29, 35};
        for (int i = 0; i < digits.size(); ++i) {
            QCOMPARE(w.box(quotient[i])->x(), w.box(digits[i])->x());
            QVERIFY(w.box(quotient[i])->y() < w.box(digits[i])->y());
        }

        QCOMPARE(w.button(15)->text(), QStringLiteral("مسألة جديدة"));
        QCOMPARE(w.button(16)->text(), QStringLiteral("التحقق من الحل"));
        QCOMPARE(w.button(menuButton)->text(), QStringLiteral("القائمة الرئيسية"));
        QVERIFY(shown(w.button(menuButton)));
        // Size buttons: the shortest dividend rightmost.
        QCOMPARE(w.button(1)->text(), QStringLiteral("ثلاثة أرقام على رقم"));
        QCOMPARE(w.button(2)->text(), QStringLiteral("أربعة أرقام على رقم"));
        QCOMPARE(w.button(3)->text(), QStringLiteral("خمسة أرقام على رقم"));
        QVERIFY(w.button(3)->x() < w.button(2)->x() && w.button(2)->x() < w.button(1)->x());
    }

    void form2WorkedProblems_data()
    {
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("quotientRow"); // Text7 Text11 Text17 Text29
        QTest::addColumn<QString>("round1");      // Text8 Text9
        QTest::addColumn<QString>("round2");      // Text10 Text13 Text12 Text14
        QTest::addColumn<QString>("round3");      // Text16 Text19 Text18 Text20
        QTest::addColumn<QString>("round4");      // Text1 Text15 Text28 Text30
        QTest::addColumn<QString>("values");      // Label4 Label5 Label7
        QTest::addColumn<QString>("quotientDigits"); // Text31 Text23 Text22 Text21
        QTest::addColumn<QString>("productDigits");  // Text32 Text27 Text26 Text25
        QTest::addColumn<QString>("sum");            // Label9 Label11 Label13
        QTest::newRow("9999 / 2") << "9999" << "2" << "4 9 9 9" << "8 1" << "9 1 8 1" << "9 1 8 1" << "9 1 8 1"
                                  << "4999 2 1" << "4 9 9 9" << "9 9 9 8" << "9998 1 9999";
        QTest::newRow("1000 / 9") << "1000" << "9" << "0 1 1 1" << "0 1" << "0 - 9 1" << "0 - 9 1" << "0 - 9 1"
                                  << "111 9 1" << "- 1 1 1" << " 9 9 9" << "999 1 1000";
        QTest::newRow("5000 / 7") << "5000" << "7" << "0 7 1 4" << "0 5" << "0 4 9 1" << "0 - 7 3" << "0 2 8 2"
                                  << "714 7 2" << "- 7 1 4" << "4 9 9 8" << "4998 2 5000";
        QTest::newRow("8064 / 8") << "8064" << "8" << "1 0 0 8" << "8 0" << "0 - 0 0" << "6 - 0 6" << "4 6 4 0"
                                  << "1008 8 0" << "1 0 0 8" << "8 0 6 4" << "8064 0 8064";
    }
    void form2WorkedProblems()
    {
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(QString, quotientRow);
        QFETCH(QString, round1);
        QFETCH(QString, round2);
        QFETCH(QString, round3);
        QFETCH(QString, round4);
        QFETCH(QString, values);
        QFETCH(QString, quotientDigits);
        QFETCH(QString, productDigits);
        QFETCH(QString, sum);
        MessageCatcher catcher;
        Sheetside w{openSheet("Form2")};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.visibleStepButtons(), 15);
        QCOMPARE(w.row({7, 11, 17, 29}), quotientRow);
        QCOMPARE(w.row({8, 9}), round1);
        QCOMPARE(w.row({10, 13, 12, 14}), round2);
        QCOMPARE(w.row({16, 19, 18, 20}), round3);
        QCOMPARE(w.row({1, 15, 28, 30}), round4);

        click(w.button(16));
        QCOMPARE(catcher.count(), 0);
        QVERIFY(shown(w.form->frame(3)));
        QCOMPARE(w.labels({4, 5, 7}), values);
        QCOMPARE(w.row({31, 23, 22, 21}), quotientDigits);
        QCOMPARE(w.row({24}), divisor);
        QCOMPARE(w.row({32, 27, 26, 25}), productDigits);
        QCOMPARE(w.labels({9, 11, 13}), sum);
    }

    void form3WorkedProblems_data()
    {
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("quotientRow"); // Text7 Text11 Text17 Text29 Text35
        QTest::addColumn<QString>("round1");      // Text8 Text9
        QTest::addColumn<QString>("round2");      // Text10 Text13 Text12 Text14
        QTest::addColumn<QString>("round3");      // Text16 Text19 Text18 Text20
        QTest::addColumn<QString>("round4");      // Text1 Text15 Text28 Text30
        QTest::addColumn<QString>("round5");      // Text34 Text37 Text36 Text38
        QTest::addColumn<QString>("values");      // Label4 Label5 Label7
        QTest::addColumn<QString>("quotientDigits"); // Text39 Text31 Text23 Text22 Text21
        QTest::addColumn<QString>("productDigits");  // Text40 Text32 Text27 Text26 Text25
        QTest::addColumn<QString>("sum");            // Label9 Label11 Label13
        QTest::newRow("10000 / 9") << "10000" << "9" << "0 1 1 1 1" << "0 1" << "0 - 9 1" << "0 - 9 1"
                                   << "0 - 9 1" << "0 - 9 1" << "1111 9 1" << "- 1 1 1 1" << " 9 9 9 9"
                                   << "9999 1 10000";
        QTest::newRow("99999 / 2") << "99999" << "2" << "4 9 9 9 9" << "8 1" << "9 1 8 1" << "9 1 8 1"
                                   << "9 1 8 1" << "9 1 8 1" << "49999 2 1" << "4 9 9 9 9" << "9 9 9 9 8"
                                   << "99998 1 99999";
        QTest::newRow("10000 / 2") << "10000" << "2" << "0 5 0 0 0" << "0 1" << "0 1 0 0" << "0 - 0 0"
                                   << "0 - 0 0" << "0 - 0 0" << "5000 2 0" << "- 5 0 0 0" << "1 0 0 0 0"
                                   << "10000 0 10000";
        // Round 5: 81 \ 9 = 9, and 9 x 9 = 81 fills the fifth product's tens box.
        QTest::newRow("10071 / 9") << "10071" << "9" << "0 1 1 1 9" << "0 1" << "0 - 9 1" << "0 - 9 1"
                                   << "7 - 9 8" << "1 8 1 0" << "1119 9 0" << "- 1 1 1 9" << "1 0 0 7 1"
                                   << "10071 0 10071";
    }
    void form3WorkedProblems()
    {
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(QString, quotientRow);
        QFETCH(QString, round1);
        QFETCH(QString, round2);
        QFETCH(QString, round3);
        QFETCH(QString, round4);
        QFETCH(QString, round5);
        QFETCH(QString, values);
        QFETCH(QString, quotientDigits);
        QFETCH(QString, productDigits);
        QFETCH(QString, sum);
        MessageCatcher catcher;
        Sheetside w{openSheet("Form3")};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.visibleStepButtons(), 19);
        QCOMPARE(w.row({7, 11, 17, 29, 35}), quotientRow);
        QCOMPARE(w.row({8, 9}), round1);
        QCOMPARE(w.row({10, 13, 12, 14}), round2);
        QCOMPARE(w.row({16, 19, 18, 20}), round3);
        QCOMPARE(w.row({1, 15, 28, 30}), round4);
        QCOMPARE(w.row({34, 37, 36, 38}), round5);

        click(w.button(16));
        QCOMPARE(catcher.count(), 0);
        QVERIFY(shown(w.form->frame(3)));
        QCOMPARE(w.labels({4, 5, 7}), values);
        QCOMPARE(w.row({39, 31, 23, 22, 21}), quotientDigits);
        QCOMPARE(w.row({24}), divisor);
        QCOMPARE(w.row({40, 32, 27, 26, 25}), productDigits);
        QCOMPARE(w.labels({9, 11, 13}), sum);

        // Pressing the check again refills the same values.
        click(w.button(16));
        QCOMPARE(w.row({40, 32, 27, 26, 25}), productDigits);
        QCOMPARE(w.labels({9, 11, 13}), sum);
    }

    // What each tens box keeps of a two-digit product: a blank and the tens
    // digit in the two-character boxes, the tens digit alone in Form3's Text37.
    void tensBoxesKeepTheTensDigit_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("tensBoxes");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("Form2 5000 / 7") << "Form2" << "5000" << "7" << "13 15" << QStringList{" 4", " 2"};
        QTest::newRow("Form3 99999 / 2") << "Form3" << "99999" << "2" << "13 19 15 37"
                                         << QStringList{" 1", " 1", " 1", "1"};
        QTest::newRow("Form3 10071 / 9") << "Form3" << "10071" << "9" << "37" << QStringList{"8"};
    }
    void tensBoxesKeepTheTensDigit()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(QString, tensBoxes);
        QFETCH(QStringList, texts);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        const QList<int> boxes = numbers(tensBoxes);
        for (int i = 0; i < boxes.size(); ++i) {
            QVERIFY(w.box(boxes[i])->visibleFlag());
            QCOMPARE(w.box(boxes[i])->text(), texts[i]);
        }
    }

    void chainShowsOneButtonAtATime_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("buttons"); // in step order
        QTest::newRow("Form2") << "Form2" << "5238" << "4 5 6 7 8 9 10 11 12 13 14 17 18 19 20";
        QTest::newRow("Form3") << "Form3" << "52386"
                               << "4 5 6 7 8 9 10 11 12 13 14 17 18 19 20 21 22 23 24";
    }
    void chainShowsOneButtonAtATime()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, buttons);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        formstest::type(w.box(6), "7"); // divisor first: step 1 appears at once
        QCOMPARE(w.visibleStepButtons(), 1);
        QVERIFY(shown(w.button(4)));
        w.typeProblem(dividend, "");
        const QList<int> order = numbers(buttons);
        for (int k = 1; k <= order.size(); ++k) {
            QCOMPARE(w.visibleStepButtons(), k);
            QVERIFY(shown(w.button(order[k - 1])));
            QVERIFY(w.step(k));
        }
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.visibleStepButtons(), int(order.size()));
        // The buttons stand in step order down one column, each with its ordinal.
        for (int k = 1; k <= order.size(); ++k) {
            auto *b = w.button(order[k - 1]);
            QCOMPARE(b->text(), stepCaption(k));
            if (k > 1) {
                auto *a = w.button(order[k - 2]);
                QVERIFY(a->mapTo(w.form, QPoint()).y() < b->mapTo(w.form, QPoint()).y());
                QCOMPARE(a->mapTo(w.form, QPoint()).x(), b->mapTo(w.form, QPoint()).x());
            }
        }
        QCOMPARE(w.button(17)->text(), QStringLiteral("الثانية عشرة"));
        QCOMPARE(w.button(20)->text(), QStringLiteral("الخامسة عشرة"));
        if (form == QLatin1String("Form3"))
            QCOMPARE(w.button(24)->text(), QStringLiteral("التاسعة عشرة"));
    }

    void entryGuards_data()
    {
        addFormColumn();
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<bool>("firstStepShown");
        for (const char *form : {"Form2", "Form3"}) {
            const QString f = QString::fromLatin1(form);
            QTest::addRow("%s: 0 as leading dividend digit", form) << f << 5 << "0" << LeadZero << false;
            QTest::addRow("%s: 0 as second digit", form) << f << 4 << "0" << "" << false;
            QTest::addRow("%s: 0 in Text2", form) << f << 2 << "0" << "" << false;
            QTest::addRow("%s: 1 as divisor", form) << f << 6 << "1" << DivisorRefused << true;
            QTest::addRow("%s: 0 as divisor", form) << f << 6 << "0" << DivisorRefused << true;
            QTest::addRow("%s: 2 as divisor", form) << f << 6 << "2" << "" << true;
            QTest::addRow("%s: 9 as divisor", form) << f << 6 << "9" << "" << true;
        }
        QTest::newRow("Form3: 0 as ones digit") << "Form3" << 33 << "0" << "" << false;
    }
    void entryGuards()
    {
        QFETCH(QString, form);
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, firstStepShown);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        typeIntoGuardedBox(w, catcher, box, typed, message, firstStepShown);
    }

    void guardsKeepWorkingAfterTheFirstSteps_data()
    {
        addFormColumn();
        QTest::newRow("Form2") << "Form2";
        QTest::newRow("Form3") << "Form3";
    }
    void guardsKeepWorkingAfterTheFirstSteps()
    {
        QFETCH(QString, form);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        w.typeProblem("98765", "4");
        for (int k = 1; k <= 12; ++k)
            QVERIFY(w.step(k));
        retype(w.box(6), "0");
        retype(w.box(5), "0");
        QCOMPARE(catcher.count(), 2);
        QCOMPARE(catcher.seen().at(0).text, DivisorRefused);
        QCOMPARE(catcher.seen().at(1).text, LeadZero);
        QCOMPARE(w.box(6)->text(), QString());
        QCOMPARE(w.box(5)->text(), QString());
        QCOMPARE(w.visibleStepButtons(), 13);
    }

    void stepOneRefusesWithAnEntryBoxEmpty_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<int>("emptied");
        for (int n : {5, 4, 3, 2, 6})
            QTest::addRow("Form2: Text%d empty", n) << "Form2" << "9999" << n;
        for (int n : {5, 4, 3, 2, 33, 6})
            QTest::addRow("Form3: Text%d empty", n) << "Form3" << "99999" << n;
    }
    void stepOneRefusesWithAnEntryBoxEmpty()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(int, emptied);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        w.typeProblem(dividend, "2");
        erase(w.box(emptied));
        QVERIFY(w.step(1));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, Missing);
        QCOMPARE(catcher.last().title, ErrorTitle);
        QCOMPARE(catcher.last().icon, QMessageBox::Critical);
        QVERIFY(!w.box(7)->visibleFlag());
        QCOMPARE(w.visibleStepButtons(), 1);
        // Filled again, the same button works.
        formstest::type(w.box(emptied), "2");
        QVERIFY(w.step(1));
        QCOMPARE(catcher.count(), 1);
        QVERIFY(w.box(7)->visibleFlag());
    }

    void checkBeforeTheLastStepOnlyTellsThePupil_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::newRow("Form2") << "Form2" << "9999";
        QTest::newRow("Form3") << "Form3" << "99999";
    }
    void checkBeforeTheLastStepOnlyTellsThePupil()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        w.typeProblem(dividend, "2");
        for (int k = 1; k < w.stepCount(); ++k)
            QVERIFY(w.step(k));
        click(w.button(16));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, NotDone);
        QCOMPARE(catcher.last().title, NoticeTitle);
        QCOMPARE(catcher.last().icon, QMessageBox::Information);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        QVERIFY(w.step(w.stepCount()));
        click(w.button(16));
        QCOMPARE(catcher.count(), 1);
        QVERIFY(shown(w.form->frame(3)));
    }

    void newProblemReturnsToTheDesignState_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("shortProblem"); // its quotient leaves the top check box hidden
        QTest::addColumn<QString>("longProblem");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("outputs");
        QTest::addColumn<QString>("checkBoxes");
        QTest::addColumn<int>("hideable");
        QTest::addColumn<QString>("longQuotient");
        QTest::newRow("Form2") << "Form2" << "1000" << "9999" << "2 3 4 5 6" << Form2Outputs
                               << "21 22 23 24 25 26 27 31 32" << 31 << "4 9 9 9";
        QTest::newRow("Form3") << "Form3" << "10000" << "99999" << "2 3 4 5 6 33" << Form3Outputs
                               << "21 22 23 24 25 26 27 31 32 39 40" << 39 << "4 9 9 9 9";
    }
    void newProblemReturnsToTheDesignState()
    {
        QFETCH(QString, form);
        QFETCH(QString, shortProblem);
        QFETCH(QString, longProblem);
        QFETCH(QString, entries);
        QFETCH(QString, outputs);
        QFETCH(QString, checkBoxes);
        QFETCH(int, hideable);
        QFETCH(QString, longQuotient);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        w.typeProblem(shortProblem, "9");
        QVERIFY(w.workAll());
        click(w.button(16));
        QVERIFY(!w.box(hideable)->visibleFlag());
        click(w.button(15));
        QCOMPARE(catcher.count(), 0);
        for (int n : numbers(entries))
            QCOMPARE(w.box(n)->text(), QString());
        for (int n : numbers(outputs)) {
            QVERIFY2(!w.box(n)->visibleFlag(), qPrintable(QString::number(n)));
            QCOMPARE(w.box(n)->text(), QString());
        }
        QCOMPARE(w.visibleStepButtons(), 0);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        for (int n : numbers(checkBoxes)) {
            QVERIFY2(w.box(n)->visibleFlag(), qPrintable(QString::number(n)));
            QCOMPARE(w.box(n)->text(), QString());
        }
        QCOMPARE(w.labels({4, 5, 7, 9, 11, 13}), QStringLiteral("     "));
        // And a new problem works from the start.
        w.typeProblem(longProblem, "2");
        QVERIFY(w.workAll());
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.row(form == QLatin1String("Form2") ? QList<int>{7, 11, 17, 29}
                                                      : QList<int>{7, 11, 17, 29, 35}),
                 longQuotient);
    }

    void secondCheckShowsALongerQuotient_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<int>("hideable");
        QTest::newRow("Form2") << "Form2" << "1000" << 31;
        QTest::newRow("Form3") << "Form3" << "10000" << 39;
    }
    void secondCheckShowsALongerQuotient()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(int, hideable);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        w.typeProblem(dividend, "9");
        QVERIFY(w.workAll());
        click(w.button(16));
        QVERIFY(!w.box(hideable)->visibleFlag());
        retype(w.box(5), "9"); // 9000 / 9 = 1000, 90000 / 9 = 10000
        QVERIFY(w.workAll());
        click(w.button(16));
        QCOMPARE(catcher.count(), 0);
        QVERIFY(w.box(hideable)->visibleFlag());
        QCOMPARE(w.box(hideable)->text(), QStringLiteral("1"));
        QCOMPARE(w.label(4)->text(), form == QLatin1String("Form2") ? QStringLiteral("1000") : QStringLiteral("10000"));
    }

    // Only step 6 hides its tens box when a product shrinks to one digit; the
    // last round's product leaves it shown, and empty.
    void aShrunkenProductLeavesNoOldTensDigit_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<int>("lastProductStep");
        QTest::addColumn<QString>("lastProduct"); // tens box, units box
        QTest::newRow("Form2 1010 / 5") << "Form2" << "1010" << 14 << "15 28";
        QTest::newRow("Form3 10010 / 5") << "Form3" << "10010" << 18 << "37 36";
    }
    void aShrunkenProductLeavesNoOldTensDigit()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(int, lastProductStep);
        QFETCH(QString, lastProduct);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        w.typeProblem(dividend, "5");
        QVERIFY(w.workAll()); // quotient digits 2 in rounds 2 and last: products 10
        const QList<int> last = numbers(lastProduct);
        QCOMPARE(w.row({13, 12}), QStringLiteral("1 0"));
        QCOMPARE(w.row(last), QStringLiteral("1 0"));
        retype(w.box(6), "4");
        QVERIFY(w.step(6)); // 2 x 4 = 8
        QVERIFY(w.step(lastProductStep));
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.row({13, 12}), QStringLiteral("- 8"));
        QCOMPARE(w.row(last), QStringLiteral(" 8"));
        QCOMPARE(w.box(last[0])->text(), QString());
    }

    void anEmptiedDivisorIsNeverDividedBy_data()
    {
        addFormColumn();
        QTest::addColumn<int>("quotientStep");
        QTest::addColumn<int>("quotientBox");
        QTest::newRow("Form2 step 13") << "Form2" << 13 << 29;
        QTest::newRow("Form3 step 17") << "Form3" << 17 << 35;
    }
    void anEmptiedDivisorIsNeverDividedBy()
    {
        QFETCH(QString, form);
        QFETCH(int, quotientStep);
        QFETCH(int, quotientBox);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        w.typeProblem("98765", "4");
        for (int k = 1; k < quotientStep; ++k)
            QVERIFY(w.step(k));
        erase(w.box(6));
        QVERIFY(w.step(quotientStep));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, Missing);
        QCOMPARE(catcher.last().icon, QMessageBox::Critical);
        QVERIFY(!w.box(quotientBox)->visibleFlag());
        QCOMPARE(w.visibleStepButtons(), quotientStep);
        QVERIFY(w.form->isVisible());
    }

    void tabOrder_data()
    {
        addFormColumn();
        QTest::addColumn<bool>("worked");
        QTest::addColumn<QStringList>("order"); // from the control that has the focus at start
        QTest::newRow("Form2 at start")
            << "Form2" << false
            << QStringList{"Command16", "Command15", "Text3", "Command3", "Command2", "Command1",
                           "Text6",     "Text5",     "Text4", "Text2",    "Command21"};
        QTest::newRow("Form2 with every step shown")
            << "Form2" << true
            << QStringList{"Command16", "Command15", "Text3",     "Command5",  "Command14", "Command13",
                           "Command12", "Command11", "Command10", "Command9",  "Command8",  "Command7",
                           "Command6",  "Command4",  "Command3",  "Command2",  "Command1",  "Text6",
                           "Text5",     "Text4",     "Text2",     "Command17", "Command18", "Command19",
                           "Command20", "Command21"};
        QTest::newRow("Form3 at start")
            << "Form3" << false
            << QStringList{"Text5", "Text4", "Text3", "Text2", "Text33", "Text6", "Command15", "Command16",
                           "Command25", "Command1", "Command2", "Command3"};
    }
    void tabOrder()
    {
        QFETCH(QString, form);
        QFETCH(bool, worked);
        QFETCH(QStringList, order);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), order.front());
        QWidget *start = QApplication::focusWidget();
        if (worked) {
            w.typeProblem("9999", "2");
            QVERIFY(w.workAll());
            start->setFocus(Qt::TabFocusReason);
        }
        QStringList seen{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, order);
    }

    void sizeButtons_data()
    {
        addFormColumn();
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("target"); // empty: stays as it is
        QTest::newRow("Form2 three digits") << "Form2" << 1 << "Form1";
        QTest::newRow("Form2 four digits") << "Form2" << 2 << "";
        QTest::newRow("Form2 five digits") << "Form2" << 3 << "Form3";
        QTest::newRow("Form3 three digits") << "Form3" << 1 << "Form1";
        QTest::newRow("Form3 four digits") << "Form3" << 2 << "Form2";
        QTest::newRow("Form3 five digits") << "Form3" << 3 << "";
    }
    void sizeButtons()
    {
        QFETCH(QString, form);
        QFETCH(int, button);
        QFETCH(QString, target);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        w.typeProblem("98765", "4");
        QVERIFY(w.step(1));
        click(w.button(button));
        if (target.isEmpty()) {
            QCOMPARE(loadedSheet(form), w.form);
            QCOMPARE(w.box(5)->text(), QStringLiteral("9"));
            QCOMPARE(w.box(7)->text(), QStringLiteral("2"));
            QVERIFY(w.box(7)->visibleFlag());
            QCOMPARE(forms::loadedForms().size(), 1);
            return;
        }
        QVERIFY(!loadedSheet(form));
        Sheetside opened{loadedSheet(target)};
        QVERIFY(opened.form && opened.form->isVisible());
        QVERIFY(opened.form->isMaximized());
        QCOMPARE(opened.visibleStepButtons(), 0);
        QCOMPARE(opened.box(5)->text(), QString());
        QCOMPARE(forms::loadedForms().size(), 1);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
    }

    void sizeButtonsReopenAWorksheetEmpty_data()
    {
        addFormColumn();
        QTest::addColumn<int>("away"); // size button to another worksheet
        QTest::addColumn<int>("back");
        QTest::newRow("Form2 via Form3") << "Form2" << 3 << 2;
        QTest::newRow("Form3 via Form1") << "Form3" << 1 << 3;
    }
    void sizeButtonsReopenAWorksheetEmpty()
    {
        QFETCH(QString, form);
        QFETCH(int, away);
        QFETCH(int, back);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        w.typeProblem("98765", "4");
        QVERIFY(w.step(1));
        click(w.button(away));
        Sheetside other{qobject_cast<StepTutorForm *>(forms::loadedForms().front())};
        click(other.button(back));
        Sheetside again{loadedSheet(form)};
        QVERIFY(again.form && again.form->isVisible());
        QCOMPARE(again.box(5)->text(), QString());
        QVERIFY(!again.box(7)->visibleFlag());
        QCOMPARE(again.visibleStepButtons(), 0);
        QCOMPARE(forms::loadedForms().size(), 1);
    }

    void menuButtonReturnsToTheMenu_data()
    {
        addFormColumn();
        QTest::addColumn<int>("menuButton");
        QTest::newRow("Form2") << "Form2" << 21;
        QTest::newRow("Form3") << "Form3" << 25;
    }
    void menuButtonReturnsToTheMenu()
    {
        QFETCH(QString, form);
        QFETCH(int, menuButton);
        MessageCatcher catcher;
        Sheetside w{openSheet(form)};
        w.typeProblem("98765", "4");
        QVERIFY(w.workAll());
        click(w.button(16));
        click(w.button(menuButton));
        QVERIFY(!loadedSheet(form));
        auto *menu = forms::instance<Form4>();
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(forms::loadedForms().size(), 1);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
    }
};

QTEST_MAIN(OneDigitLongTest)
#include "one_digit_long_test.moc"
