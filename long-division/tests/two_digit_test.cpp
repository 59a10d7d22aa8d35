// What only the two-digit worksheets do: Form5, Form6 and Form7 (three-,
// four- and five-digit dividends), driven as a pupil would. What every
// worksheet does alike is in worksheets_test.cpp.
#include <QTest>

#include "forms/app.h"
#include "forms/tests/reset.h"
#include "worksheet_driver.h"

using namespace corvane;
using namespace formstest;
using namespace corvanetest;

class TwoDigitTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { formstest::resetAll(); }

    void aChangedDigitLeavesNoOldDigitBehind()
    {
        WorksheetDriver w{openSheet("Form6")};
        MessageCatcher catcher;
        w.typeProblem("7391", "56");
        QVERIFY(w.workAll());
        QCOMPARE(w.row({2, 20}), QStringLiteral("1 1"));
        retype(w.box(3), "0"); // 7301 / 56
        QVERIFY(w.workSteps(8, 15));
        QCOMPARE(catcher.count(), 0);
        // R3 = 170 - 168 = 2: its tens box stays shown but empty, so round 4 reads 21.
        QCOMPARE(w.row({16, 28, 19, 18, 2, 20}), QStringLiteral("0 1 6 8  2"));
        QCOMPARE(w.row({31, 35, 34, 33, 37, 36}), QStringLiteral("1 -  0 2 1"));
        click(w.button(16));
        QCOMPARE(w.labels({4, 5, 7}), QStringLiteral("130 56 21"));
        QCOMPARE(w.row({39, 27, 26, 25}), QStringLiteral("7 2 8 0"));
        QCOMPARE(w.labels({9, 15, 13}), QStringLiteral("7280 21 7301"));
    }

    void shorterValuesOnlyHideTheRoundTwoProductTens()
    {
        WorksheetDriver w{openSheet("Form5")};
        MessageCatcher catcher;
        w.typeProblem("847", "23");
        QVERIFY(w.workAll());
        QCOMPARE(w.row({13, 12, 15, 14}), QStringLiteral("6 9 1 5"));
        retype(w.box(5), "1"); // 147 / 23: q2 = 0
        QVERIFY(w.workSteps(3, 6));
        QCOMPARE(w.row({13, 12}), QStringLiteral("- 0"));
        QVERIFY(w.step(6)); // the same press again gives the same grid
        QCOMPARE(w.row({13, 12}), QStringLiteral("- 0"));
        QVERIFY(w.step(7));
        QCOMPARE(w.row({15, 14}), QStringLiteral("1 4"));
        retype(w.box(1), "1"); // 147 / 10
        retype(w.box(6), "0");
        QVERIFY(w.step(5));
        QVERIFY(w.step(6));
        QCOMPARE(w.row({13, 12}), QStringLiteral("1 0"));
        QVERIFY(w.step(7)); // R2 = 4: the tens box stays shown, empty
        QCOMPARE(w.row({15, 14}), QStringLiteral(" 4"));
        QVERIFY(w.step(9));
        QVERIFY(w.step(10)); // P3 = 40
        QCOMPARE(w.row({28, 19, 18}), QStringLiteral(" 4 0"));
        QVERIFY(w.step(11)); // R3 = 7
        QCOMPARE(w.row({2, 20}), QStringLiteral(" 7"));
        click(w.button(16));
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.labels({4, 5, 7}), QStringLiteral("14 10 7"));
        QCOMPARE(w.labels({9, 15, 13}), QStringLiteral("140 7 147"));
    }
};

QTEST_MAIN(TwoDigitTest)
#include "two_digit_test.moc"
