// What only the three-digit worksheets do: Form8, Form9 and Form10 (four-,
// five- and six-digit dividends), driven as a pupil would. What every
// worksheet does alike is in worksheets_test.cpp.
#include <QTest>

#include "forms/app.h"
#include "forms/geometry.h"
#include "forms/tests/reset.h"
#include "worksheet_driver.h"

using namespace corvane;
using namespace formstest;
using namespace corvanetest;

namespace {
const int Hundreds = 38, Tens = 1, Units = 6;

void retypeDivisor(const WorksheetDriver &w, const QString &divisor)
{
    retype(w.box(Hundreds), divisor.mid(0, 1));
    retype(w.box(Tens), divisor.mid(1, 1));
    retype(w.box(Units), divisor.mid(2, 1));
}
} // namespace

class ThreeDigitTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { formstest::resetAll(); }

    void boxSizes_data()
    {
        addFormColumn();
        QTest::addColumn<int>("boxHeightTwips");
        QTest::addColumn<double>("points");
        QTest::newRow("Form8") << "Form8" << 495 << 18.0;
        QTest::newRow("Form9") << "Form9" << 495 << 18.0;
        QTest::newRow("Form10") << "Form10" << 400 << 15.75;
    }
    void boxSizes()
    {
        QFETCH(QString, form);
        QFETCH(int, boxHeightTwips);
        QFETCH(double, points);
        WorksheetDriver w{openSheet(form)};
        for (int n : {5, 38, 7, 36}) {
            QCOMPARE(w.box(n)->size(), QSize(forms::twips(375), forms::twips(boxHeightTwips)));
            QCOMPARE(w.box(n)->font().pointSizeF(), points);
        }
        // Check boxes keep their size and font in every worksheet.
        QCOMPARE(w.box(21)->size(), QSize(forms::twips(255), forms::twips(375)));
        QCOMPARE(w.box(21)->font().pointSizeF(), 18.0);
    }

    void continuedStepsPanel()
    {
        WorksheetDriver w{openSheet("Form10")};
        w.typeProblem("527813", "347");
        QVERIFY(w.workSteps(1, 18));
        auto *panel = w.form->frame(5);
        QVERIFY(!panel->visibleFlag());
        QVERIFY(w.step(19));
        QVERIFY(shown(panel));
        QCOMPARE(panel->title(), QStringLiteral("تابع خطوات الحل :"));
        const QList<int> buttons = {26, 27, 28, 29};
        const QStringList captions = {QStringLiteral("العشرون"), QStringLiteral("الواحدة وعشرون"),
                                      QStringLiteral("الثانية وعشرون"), QStringLiteral("الثالثة وعشرون")};
        for (int i = 0; i < 4; ++i) {
            // Only the buttons reached so far show in the panel, one more after each step.
            for (int j = 0; j < 4; ++j)
                QCOMPARE(w.button(buttons[j])->visibleFlag(), j <= i);
            auto *b = w.button(buttons[i]);
            QCOMPARE(b->parentWidget(), static_cast<QWidget *>(panel));
            QCOMPARE(b->text(), captions[i]);
            if (i > 0)
                QVERIFY(w.button(buttons[i - 1])->y() < b->y());
            QVERIFY(w.step(20 + i));
        }
        QCOMPARE(w.visibleStepButtons(), 23); // the remainder shows no further button
        QCOMPARE(w.row({64, 63, 62}), QStringLiteral("- 2 6"));

        // Pressing step 19 again leaves the panel as it is.
        QVERIFY(w.step(19));
        QVERIFY(shown(panel));
        QCOMPARE(w.visibleStepButtons(), 23);
    }

    void pressingAStepAgainRecomputes()
    {
        const Layout &l = layout("Form8");
        WorksheetDriver w{openSheet(l.name)};
        w.typeProblem("5278", "347");
        QVERIFY(w.workAll());
        QVERIFY(w.step(14));
        QCOMPARE(w.row(l.rounds[3]), QStringLiteral("8 1 7 3 5 - 7 3"));
        // A new divisor units digit: step 14 multiplies the old quotient digit by it.
        retype(w.box(Units), "8"); // 5 x 348 = 1740
        QVERIFY(w.step(14));
        QCOMPARE(w.row({42, 35, 34, 33}), QStringLiteral("1 7 4 0"));
        QCOMPARE(w.row(l.quotientRow), QStringLiteral("0 0 1 5"));
        // The round-2 product is always 0, its tens box hidden, however often it is pressed.
        QVERIFY(w.step(6));
        QCOMPARE(w.row({13, 12}), QStringLiteral("- 0"));
    }

    // After a digit is changed and steps pressed again, boxes an earlier, longer
    // value filled are emptied: no old digit is read into later steps or the check.
    void shorterValuesLeaveNoOldDigitBehind_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("newDivisor");
        QTest::addColumn<QStringList>("laterRounds"); // rounds 4 to n after pressing again
        QTest::addColumn<QString>("labels");
        QTest::addColumn<QString>("quotientDigits");
        QTest::addColumn<QString>("sum");
        // First worked over 500, whose rounds from 4 on leave 499; then over 666.
        QTest::newRow("Form8") << "Form8" << "1999" << "666" << QStringList{"9 1 9 9 8   1"}
                               << "3 666 1" << "- 3" << "1998 1 1999";
        QTest::newRow("Form9") << "Form9" << "19999" << "666"
                               << QStringList{"9 1 9 9 8   1", "9    0  1 9"} << "30 666 19" << "- 3 0"
                               << "19980 19 19999";
        QTest::newRow("Form10") << "Form10" << "199999" << "666"
                                << QStringList{"9 1 9 9 8   1", "9    0  1 9", "9    0 1 9 9"}
                                << "300 666 199" << "- 3 0 0" << "199800 199 199999";
    }
    void shorterValuesLeaveNoOldDigitBehind()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, newDivisor);
        QFETCH(QStringList, laterRounds);
        QFETCH(QString, labels);
        QFETCH(QString, quotientDigits);
        QFETCH(QString, sum);
        const Layout &l = layout(form);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        w.typeProblem(dividend, "500");
        QVERIFY(w.workAll());
        QCOMPARE(w.row({40, 37, 36}), QStringLiteral("4 9 9"));
        retypeDivisor(w, newDivisor);
        QVERIFY(w.workSteps(13, l.steps()));
        QCOMPARE(catcher.count(), 0);
        for (int k = 4; k <= l.rounds.size(); ++k)
            QCOMPARE(w.row(l.rounds[k - 1]), laterRounds[k - 4]);
        click(w.button(16));
        QCOMPARE(w.labels({4, 5, 7}), labels);
        QCOMPARE(w.row(l.checkQuotient), quotientDigits);
        QCOMPARE(w.labels({9, 15, 13}), sum);
    }
};

QTEST_MAIN(ThreeDigitTest)
#include "three_digit_test.moc"
