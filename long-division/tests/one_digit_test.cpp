// What only the one-digit worksheets do: Form1 (three-digit dividend), Form2
// and Form3 (four and five digits), driven as a pupil would. What every
// worksheet does alike is in worksheets_test.cpp.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "forms/app.h"
#include "forms/tests/reset.h"
#include "forms/window.h"
#include "worksheet_driver.h"

using namespace corvane;
using namespace formstest;
using namespace corvanetest;

class OneDigitTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { formstest::resetAll(); }

    void onlyDigitsGoIntoTheBoxes()
    {
        WorksheetDriver w{openSheet("Form1")};
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

    void pressingAStepAgainRecomputes()
    {
        WorksheetDriver w{openSheet("Form1")};
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
        WorksheetDriver w{openSheet("Form1")};
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
        WorksheetDriver w{openSheet(form)};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        const QList<int> boxes = numbers(tensBoxes);
        for (int i = 0; i < boxes.size(); ++i) {
            QVERIFY(w.box(boxes[i])->visibleFlag());
            QCOMPARE(w.box(boxes[i])->text(), texts[i]);
        }
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
        WorksheetDriver w{openSheet(form)};
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
};

QTEST_MAIN(OneDigitTest)
#include "one_digit_test.moc"
