// Form8, Form9, Form10: four-, five- and six-digit dividends over a
// three-digit divisor, driven as a pupil would.
#include <QApplication>
#include <QTest>

#include "forms/app.h"
#include "forms/geometry.h"
#include "forms/window.h"
#include "menu.h"
#include "navigation.h"
#include "worksheet_driver.h"
#include "worksheets.h"

using namespace corvane;
using namespace formstest;
using namespace corvanetest;

Q_DECLARE_METATYPE(corvane::SheetId)

namespace {
const QString Credit = QStringLiteral("برنامج القسمة المطولة للمرحلة الابتدائية");

// Boxes of the grid as the pupil reads them, left to right.
const QList<int> QuotientRow = {7, 11, 17, 32, 45, 57};
const QList<QList<int>> Rounds = {
    {8, 9},                            // product, difference
    {10, 13, 12, 15, 14},              // brought down, product tens units, difference tens units
    {16, 28, 19, 18, 41, 2, 20},       // brought down, product, difference
    {31, 42, 35, 34, 33, 40, 37, 36},
    {44, 49, 48, 47, 46, 52, 51, 50},
    {56, 61, 60, 59, 58, 64, 63, 62},
};
// Check boxes, left to right; a worksheet uses the rightmost ones it has.
const QList<int> CheckQuotient = {65, 53, 22, 21};
const QList<int> CheckDivisor = {23, 29, 24};
const QList<int> CheckProduct = {66, 54, 39, 27, 26, 25};
const int Hundreds = 38, Tens = 1, Units = 6;

int digitsOf(SheetId id) { return id == SheetId::Form8 ? 4 : id == SheetId::Form9 ? 5 : 6; }
int stepsOf(SheetId id) { return 4 * digitsOf(id) - 1; }
// 527813 cut to the worksheet's dividend length.
QString dividendFor(SheetId id) { return QStringLiteral("527813").left(digitsOf(id)); }

// Everything a step could change: each box's visibility and text, each step button.
QStringList snapshot(const Sheetside &w)
{
    QStringList seen;
    for (auto *b : w.form->findChildren<forms::TextBox *>())
        seen << b->objectName() + (b->visibleFlag() ? "+" : "-") + b->text();
    for (auto *b : w.form->findChildren<forms::CommandButton *>())
        seen << b->objectName() + (b->visibleFlag() ? "+" : "-");
    seen.sort();
    return seen;
}

void retypeDivisor(const Sheetside &w, const QString &divisor)
{
    retype(w.box(Hundreds), divisor.mid(0, 1));
    retype(w.box(Tens), divisor.mid(1, 1));
    retype(w.box(Units), divisor.mid(2, 1));
}

void addSheetColumn() { QTest::addColumn<SheetId>("sheet"); }
const SheetId All[] = {SheetId::Form8, SheetId::Form9, SheetId::Form10};
} // namespace

class ThreeDigitTest : public QObject {
    Q_OBJECT

    Sheetside w{nullptr};

    Sheetside open(SheetId id)
    {
        w.form = openSheet(id);
        return w;
    }

private slots:
    void cleanup() { forms::resetProgramState(); }

    void opensInItsDesignState_data()
    {
        addSheetColumn();
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QList<int>>("entryBoxes"); // left to right: divisor, then dividend
        QTest::newRow("Form8") << SheetId::Form8 << QStringLiteral("الفسمة المطولة - ") + Credit
                               << QList<int>{38, 1, 6, 5, 4, 3, 30};
        QTest::newRow("Form9") << SheetId::Form9 << QStringLiteral("Tolbrin - ") + Credit
                               << QList<int>{38, 1, 6, 5, 4, 3, 30, 43};
        QTest::newRow("Form10") << SheetId::Form10 << QStringLiteral("القسمة المطولة - ") + Credit
                                << QList<int>{38, 1, 6, 5, 4, 3, 30, 43, 55};
    }
    void opensInItsDesignState()
    {
        QFETCH(SheetId, sheet);
        QFETCH(QString, caption);
        QFETCH(QList<int>, entryBoxes);
        open(sheet);
        QVERIFY(w.form);
        QCOMPARE(w.form->windowTitle(), caption);
        QCOMPARE(w.form->layoutDirection(), Qt::RightToLeft);
        QVERIFY(w.form->isMaximized());
        QCOMPARE(w.visibleStepButtons(), 0);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        QVERIFY(!w.form->frame(4)->visibleFlag());
        QCOMPARE(w.form->frame(4)->title(), QStringLiteral("مساعدة :"));
        if (sheet == SheetId::Form10)
            QVERIFY(!w.form->frame(5)->visibleFlag());

        // On the grid only the entry boxes show, in one row, each right of the last.
        QList<int> visible;
        for (auto *b : w.form->findChildren<forms::TextBox *>())
            if (b->parentWidget() == w.form && b->visibleFlag())
                visible << b->objectName().mid(4).toInt();
        std::sort(visible.begin(), visible.end());
        QList<int> expected = entryBoxes;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(visible, expected);
        for (int i = 1; i < entryBoxes.size(); ++i) {
            QVERIFY(w.box(entryBoxes[i - 1])->x() < w.box(entryBoxes[i])->x());
            QCOMPARE(w.box(entryBoxes[i - 1])->y(), w.box(entryBoxes[i])->y());
        }
        for (int n : entryBoxes)
            QCOMPARE(w.box(n)->text(), QString());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.box(5)));

        QCOMPARE(w.button(1)->text(), QStringLiteral("أربعة أرقام على3 أرقام"));
        QCOMPARE(w.button(2)->text(), QStringLiteral("خمسة أرقام على3 أرقام"));
        QCOMPARE(w.button(3)->text(), QStringLiteral("ستة أرقام على3 أرقام"));
        QVERIFY(w.button(1)->x() > w.button(2)->x() && w.button(2)->x() > w.button(3)->x());
        QCOMPARE(w.button(15)->text(), QStringLiteral("مسألة جديدة"));
        QCOMPARE(w.button(16)->text(), QStringLiteral("التحقق من الحل"));
        QCOMPARE(w.button(17)->text(), QStringLiteral("القائمة الرئيسية"));
    }

    void boxSizesAndColours_data()
    {
        addSheetColumn();
        QTest::addColumn<int>("boxHeightTwips");
        QTest::addColumn<double>("points");
        QTest::newRow("Form8") << SheetId::Form8 << 495 << 18.0;
        QTest::newRow("Form9") << SheetId::Form9 << 495 << 18.0;
        QTest::newRow("Form10") << SheetId::Form10 << 400 << 15.75;
    }
    void boxSizesAndColours()
    {
        QFETCH(SheetId, sheet);
        QFETCH(int, boxHeightTwips);
        QFETCH(double, points);
        open(sheet);
        for (int n : {5, 38, 7, 36}) {
            QCOMPARE(w.box(n)->size(), QSize(forms::twips(375), forms::twips(boxHeightTwips)));
            QCOMPARE(w.box(n)->font().pointSizeF(), points);
        }
        // Check boxes keep their size and font in every worksheet.
        QCOMPARE(w.box(21)->size(), QSize(forms::twips(255), forms::twips(375)));
        QCOMPARE(w.box(21)->font().pointSizeF(), 18.0);

        const QColor blue(0, 0, 255), red(255, 0, 0);
        auto colour = [this](int n) { return w.box(n)->palette().color(QPalette::Text); };
        for (int n : {7, 11, 17, 21, 22, 23})
            QCOMPARE(colour(n), blue);
        QCOMPARE(colour(20), red);
        // Later quotient digits and the remainder are in the ordinary colour.
        const QList<int> &last = Rounds[digitsOf(sheet) - 1];
        for (int n : {32, last.back(), last[last.size() - 2]}) {
            QVERIFY(colour(n) != blue);
            QVERIFY(colour(n) != red);
        }
    }

    void workedProblems_data()
    {
        addSheetColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("quotientRow");
        QTest::addColumn<QStringList>("rounds"); // round by round, boxes as in Rounds
        QTest::addColumn<QString>("labels");     // Label4 Label5 Label7
        QTest::addColumn<QString>("quotientDigits");
        QTest::addColumn<QString>("divisorDigits");
        QTest::addColumn<QString>("productDigits");
        QTest::addColumn<QString>("sum"); // Label9 Label15 Label13
        const SheetId F8 = SheetId::Form8, F9 = SheetId::Form9, F10 = SheetId::Form10;
        QTest::newRow("Form8 5278 / 347")
            << F8 << "5278" << "347" << "0 0 1 5"
            << QStringList{"0 5", "2 - 0 5 2", "7 3 4 7 1 8 0", "8 1 7 3 5 - 7 3"} << "15 347 73" << "1 5"
            << "3 4 7" << "5 2 0 5" << "5205 73 5278";
        QTest::newRow("Form8 1000 / 999")
            << F8 << "1000" << "999" << "0 0 0 1"
            << QStringList{"0 1", "0 - 0 1 0", "0 - - 0 1 0 0", "0 - 9 9 9 - - 1"} << "1 999 1" << "- 1"
            << "9 9 9" << " 9 9 9" << "999 1 1000";
        QTest::newRow("Form8 9999 / 100")
            << F8 << "9999" << "100" << "0 0 9 9"
            << QStringList{"0 9", "9 - 0 9 9", "9 9 0 0 - 9 9", "9 - 9 0 0 - 9 9"} << "99 100 99" << "9 9"
            << "1 0 0" << "9 9 0 0" << "9900 99 9999";
        QTest::newRow("Form8 1234 / 617")
            << F8 << "1234" << "617" << "0 0 0 2"
            << QStringList{"0 1", "2 - 0 1 2", "3 - - 0 1 2 3", "4 1 2 3 4 - - 0"} << "2 617 0" << "- 2"
            << "6 1 7" << "1 2 3 4" << "1234 0 1234";
        QTest::newRow("Form9 52781 / 347")
            << F9 << "52781" << "347" << "0 0 1 5 2"
            << QStringList{"0 5", "2 - 0 5 2", "7 3 4 7 1 8 0", "8 1 7 3 5 - 7 3", "1 - 6 9 4 - 3 7"}
            << "152 347 37" << "1 5 2" << "3 4 7" << "5 2 7 4 4" << "52744 37 52781";
        QTest::newRow("Form9 10000 / 999")
            << F9 << "10000" << "999" << "0 0 0 1 0"
            << QStringList{"0 1", "0 - 0 1 0", "0 - - 0 1 0 0", "0 - 9 9 9 - - 1", "0 - - - 0 - 1 0"}
            << "10 999 10" << "- 1 0" << "9 9 9" << " 9 9 9 0" << "9990 10 10000";
        QTest::newRow("Form9 99999 / 100")
            << F9 << "99999" << "100" << "0 0 9 9 9"
            << QStringList{"0 9", "9 - 0 9 9", "9 9 0 0 - 9 9", "9 - 9 0 0 - 9 9", "9 - 9 0 0 - 9 9"}
            << "999 100 99" << "9 9 9" << "1 0 0" << "9 9 9 0 0" << "99900 99 99999";
        QTest::newRow("Form9 10099 / 101")
            << F9 << "10099" << "101" << "0 0 0 9 9"
            << QStringList{"0 1", "0 - 0 1 0", "0 - - 0 1 0 0", "9 - 9 0 9 1 0 0", "9 - 9 0 9 1 0 0"}
            << "99 101 100" << "- 9 9" << "1 0 1" << " 9 9 9 9" << "9999 100 10099";
        QTest::newRow("Form9 12345 / 123")
            << F9 << "12345" << "123" << "0 0 1 0 0"
            << QStringList{"0 1", "2 - 0 1 2", "3 1 2 3 - - 0", "4 - - - 0 - - 4", "5 - - - 0 - 4 5"}
            << "100 123 45" << "1 0 0" << "1 2 3" << "1 2 3 0 0" << "12300 45 12345";
        QTest::newRow("Form10 527813 / 347")
            << F10 << "527813" << "347" << "0 0 1 5 2 1"
            << QStringList{"0 5", "2 - 0 5 2", "7 3 4 7 1 8 0", "8 1 7 3 5 - 7 3", "1 - 6 9 4 - 3 7",
                           "3 - 3 4 7 - 2 6"}
            << "1521 347 26" << "1 5 2 1" << "3 4 7" << "5 2 7 7 8 7" << "527787 26 527813";
        QTest::newRow("Form10 100000 / 999")
            << F10 << "100000" << "999" << "0 0 0 1 0 0"
            << QStringList{"0 1", "0 - 0 1 0", "0 - - 0 1 0 0", "0 - 9 9 9 - - 1", "0 - - - 0 - 1 0",
                           "0 - - - 0 1 0 0"}
            << "100 999 100" << "- 1 0 0" << "9 9 9" << " 9 9 9 0 0" << "99900 100 100000";
        QTest::newRow("Form10 123456 / 123")
            << F10 << "123456" << "123" << "0 0 1 0 0 3"
            << QStringList{"0 1", "2 - 0 1 2", "3 1 2 3 - - 0", "4 - - - 0 - - 4", "5 - - - 0 - 4 5",
                           "6 - 3 6 9 - 8 7"}
            << "1003 123 87" << "1 0 0 3" << "1 2 3" << "1 2 3 3 6 9" << "123369 87 123456";
        QTest::newRow("Form10 999999 / 100")
            << F10 << "999999" << "100" << "0 0 9 9 9 9"
            << QStringList{"0 9", "9 - 0 9 9", "9 9 0 0 - 9 9", "9 - 9 0 0 - 9 9", "9 - 9 0 0 - 9 9",
                           "9 - 9 0 0 - 9 9"}
            << "9999 100 99" << "9 9 9 9" << "1 0 0" << "9 9 9 9 0 0" << "999900 99 999999";
    }
    void workedProblems()
    {
        QFETCH(SheetId, sheet);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(QString, quotientRow);
        QFETCH(QStringList, rounds);
        QFETCH(QString, labels);
        QFETCH(QString, quotientDigits);
        QFETCH(QString, divisorDigits);
        QFETCH(QString, productDigits);
        QFETCH(QString, sum);
        const int n = digitsOf(sheet);
        MessageCatcher catcher;
        open(sheet);
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.visibleStepButtons(), stepsOf(sheet));
        QCOMPARE(w.row(QuotientRow.first(n)), quotientRow);
        for (int k = 0; k < n; ++k)
            QCOMPARE(w.row(Rounds[k]), rounds[k]);

        click(w.button(16));
        QCOMPARE(catcher.count(), 0);
        QVERIFY(shown(w.form->frame(3)));
        QCOMPARE(w.labels({4, 5, 7}), labels);
        QCOMPARE(w.row(CheckQuotient.last(n - 2)), quotientDigits);
        QCOMPARE(w.row(CheckDivisor), divisorDigits);
        QCOMPARE(w.row(CheckProduct.last(n)), productDigits);
        QCOMPARE(w.labels({9, 15, 13}), sum);
        QVERIFY(!w.form->frame(4)->visibleFlag()); // the help frame never shows

        // Pressing the check again refills the same values.
        click(w.button(16));
        QCOMPARE(w.row(CheckProduct.last(n)), productDigits);
        QCOMPARE(w.labels({9, 15, 13}), sum);
    }

    void chainShowsOneButtonAtATime_data()
    {
        addSheetColumn();
        QTest::addColumn<QString>("dividend");
        QTest::newRow("Form8") << SheetId::Form8 << "5278";
        QTest::newRow("Form9") << SheetId::Form9 << "52781";
        QTest::newRow("Form10") << SheetId::Form10 << "527813";
    }
    void chainShowsOneButtonAtATime()
    {
        QFETCH(SheetId, sheet);
        QFETCH(QString, dividend);
        open(sheet);
        formstest::type(w.box(Hundreds), "3"); // the hundreds digit alone shows step 1
        QCOMPARE(w.visibleStepButtons(), 1);
        QVERIFY(shown(w.button(4)));
        formstest::type(w.box(Tens), "4");
        formstest::type(w.box(Units), "7");
        QCOMPARE(w.visibleStepButtons(), 1);
        w.typeProblem(dividend, "");
        const int steps = stepsOf(sheet);
        for (int k = 1; k <= steps; ++k) {
            QCOMPARE(w.visibleStepButtons(), k);
            QVERIFY2(w.step(k), qPrintable(QString::number(k)));
        }
        QCOMPARE(w.visibleStepButtons(), steps);

        // Steps 1 to 19 stand in step order down one column, with their ordinal captions.
        const int inPanel = std::min(steps, 19);
        auto at = [this](int k) {
            auto *b = w.button(w.form->sheetDef().steps[size_t(k - 1)].button);
            return b->mapTo(w.form, QPoint());
        };
        for (int k = 1; k < inPanel; ++k) {
            QVERIFY(at(k).y() < at(k + 1).y());
            QCOMPARE(at(k).x(), at(k + 1).x());
        }
        QCOMPARE(w.button(5)->text(), QStringLiteral("الثانية"));
        QCOMPARE(w.button(14)->text(), QStringLiteral("الحادية عشرة"));
        QCOMPARE(w.button(18)->text(), QStringLiteral("الثانية عشرة"));
        QCOMPARE(w.button(21)->text(), QStringLiteral("الخامسة عشرة"));
        if (steps >= 19)
            QCOMPARE(w.button(25)->text(), QStringLiteral("التاسعة عشرة"));
    }

    void continuedStepsPanel()
    {
        open(SheetId::Form10);
        w.typeProblem("527813", "347");
        for (int k = 1; k <= 18; ++k)
            QVERIFY(w.step(k));
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

    void entryGuards_data()
    {
        addSheetColumn();
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<bool>("firstStepShown");
        for (SheetId id : All) {
            const QString name = sheetName(id) + QStringLiteral(": ");
            const int lastDigit = id == SheetId::Form8 ? 30 : id == SheetId::Form9 ? 43 : 55;
            auto row = [&](const char *what) -> QTestData & { return QTest::newRow(qPrintable(name + what)) << id; };
            row("0 as divisor hundreds") << Hundreds << "0" << ZeroRefused << true;
            row("5 as divisor hundreds") << Hundreds << "5" << "" << true;
            row("0 as divisor tens") << Tens << "0" << "" << false;
            row("1 as divisor tens") << Tens << "1" << "" << false;
            row("0 as divisor units") << Units << "0" << "" << false;
            row("1 as divisor units") << Units << "1" << "" << false;
            row("0 as leading dividend digit") << 5 << "0" << LeadZero << false;
            row("0 as second dividend digit") << 4 << "0" << "" << false;
            row("0 as last dividend digit") << lastDigit << "0" << "" << false;
        }
    }
    void entryGuards()
    {
        QFETCH(SheetId, sheet);
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, firstStepShown);
        MessageCatcher catcher;
        open(sheet);
        typeIntoGuardedBox(w, catcher, box, typed, message, firstStepShown);
    }

    void guardsKeepWorkingAfterStepOne()
    {
        MessageCatcher catcher;
        open(SheetId::Form9);
        w.typeProblem("52781", "347");
        QVERIFY(w.step(1));
        retype(w.box(Hundreds), "0");
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, ZeroRefused);
        QCOMPARE(w.box(Hundreds)->text(), QString());
        QVERIFY(w.button(4)->visibleFlag());
        retype(w.box(5), "0");
        QCOMPARE(catcher.count(), 2);
        QCOMPARE(catcher.last().text, LeadZero);
        QCOMPARE(w.box(5)->text(), QString());
    }

    void stepOneRefusesAnIncompleteProblem_data()
    {
        addSheetColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<int>("emptied"); // a box erased after typing, 0 for none
        QTest::newRow("Form8 last dividend digit missing") << SheetId::Form8 << "527" << "347" << 0;
        QTest::newRow("Form8 divisor units missing") << SheetId::Form8 << "5278" << "34" << 0;
        QTest::newRow("Form8 divisor tens erased") << SheetId::Form8 << "5278" << "347" << Tens;
        QTest::newRow("Form8 hundreds refused") << SheetId::Form8 << "5278" << "047" << 0;
        QTest::newRow("Form9 fifth digit missing") << SheetId::Form9 << "5278" << "347" << 0;
        QTest::newRow("Form9 middle digit erased") << SheetId::Form9 << "52781" << "347" << 3;
        QTest::newRow("Form10 sixth digit missing") << SheetId::Form10 << "52781" << "347" << 0;
        QTest::newRow("Form10 leading digit refused") << SheetId::Form10 << "027813" << "347" << 0;
    }
    void stepOneRefusesAnIncompleteProblem()
    {
        QFETCH(SheetId, sheet);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(int, emptied);
        MessageCatcher catcher;
        open(sheet);
        w.typeProblem(dividend, divisor);
        if (emptied)
            erase(w.box(emptied));
        catcher.clear();
        QVERIFY(w.step(1));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, Missing);
        QCOMPARE(catcher.last().title, ErrorTitle);
        QCOMPARE(catcher.last().icon, QMessageBox::Critical);
        QVERIFY(!w.box(7)->visibleFlag());
        QCOMPARE(w.visibleStepButtons(), 1);
    }

    void checkBeforeTheLastStepOnlyTellsThePupil_data()
    {
        addSheetColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<int>("stepsDone");
        QTest::newRow("Form8 after step 14") << SheetId::Form8 << "5278" << 14;
        QTest::newRow("Form9 after step 15") << SheetId::Form9 << "52781" << 15;
        QTest::newRow("Form9 after step 18") << SheetId::Form9 << "52781" << 18;
        QTest::newRow("Form10 after step 19") << SheetId::Form10 << "527813" << 19;
        QTest::newRow("Form10 after step 22") << SheetId::Form10 << "527813" << 22;
        QTest::newRow("Form10 before any step") << SheetId::Form10 << "527813" << 0;
    }
    void checkBeforeTheLastStepOnlyTellsThePupil()
    {
        QFETCH(SheetId, sheet);
        QFETCH(QString, dividend);
        QFETCH(int, stepsDone);
        MessageCatcher catcher;
        open(sheet);
        w.typeProblem(dividend, "347");
        for (int k = 1; k <= stepsDone; ++k)
            QVERIFY(w.step(k));
        const QStringList before = snapshot(w);
        click(w.button(16));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, NotDone);
        QCOMPARE(catcher.last().title, NoticeTitle);
        QCOMPARE(catcher.last().icon, QMessageBox::Information);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        QCOMPARE(snapshot(w), before);
    }

    void newProblemReturnsToTheDesignState_data()
    {
        addSheetColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QList<int>>("hiddenByCheck");
        QTest::addColumn<QString>("nextDividend");
        QTest::addColumn<QString>("nextDivisor");
        QTest::addColumn<QString>("nextQuotientDigits");
        QTest::newRow("Form8") << SheetId::Form8 << "1000" << "999" << QList<int>{22} << "9999" << "100"
                               << "9 9";
        QTest::newRow("Form9") << SheetId::Form9 << "10000" << "999" << QList<int>{53} << "99999"
                               << "100" << "9 9 9";
        QTest::newRow("Form10") << SheetId::Form10 << "100000" << "999" << QList<int>{65} << "527813"
                                << "347" << "1 5 2 1";
    }
    void newProblemReturnsToTheDesignState()
    {
        QFETCH(SheetId, sheet);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(QList<int>, hiddenByCheck);
        QFETCH(QString, nextDividend);
        QFETCH(QString, nextDivisor);
        QFETCH(QString, nextQuotientDigits);
        const int n = digitsOf(sheet);
        MessageCatcher catcher;
        open(sheet);
        const QStringList design = snapshot(w);
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        click(w.button(16));
        for (int box : hiddenByCheck)
            QVERIFY(!w.box(box)->visibleFlag());

        click(w.button(15));
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(snapshot(w), design); // every box empty, outputs and step buttons hidden
        QCOMPARE(w.visibleStepButtons(), 0);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        if (sheet == SheetId::Form10)
            QVERIFY(!w.form->frame(5)->visibleFlag());
        for (int box : hiddenByCheck)
            QVERIFY(w.box(box)->visibleFlag());
        for (int label : {4, 5, 7, 9, 13, 15})
            QCOMPARE(w.label(label)->text(), QString());

        // A new problem works from the start, and its check shows every quotient digit.
        w.typeProblem(nextDividend, nextDivisor);
        QVERIFY(w.workAll());
        click(w.button(16));
        QCOMPARE(w.row(CheckQuotient.last(n - 2)), nextQuotientDigits);
    }

    // A divisor that reads as 0 is never divided by: the step says so and changes nothing.
    void anEmptiedDivisorIsNeverDividedBy_data()
    {
        addSheetColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("quotientBox");
        QTest::newRow("Form8 round 2") << SheetId::Form8 << "5278" << 5 << 11;
        QTest::newRow("Form8 round 3") << SheetId::Form8 << "5278" << 9 << 17;
        QTest::newRow("Form8 round 4") << SheetId::Form8 << "5278" << 13 << 32;
        QTest::newRow("Form9 round 5") << SheetId::Form9 << "52781" << 17 << 45;
        QTest::newRow("Form10 round 6") << SheetId::Form10 << "527813" << 21 << 57;
    }
    void anEmptiedDivisorIsNeverDividedBy()
    {
        QFETCH(SheetId, sheet);
        QFETCH(QString, dividend);
        QFETCH(int, step);
        QFETCH(int, quotientBox);
        MessageCatcher catcher;
        open(sheet);
        w.typeProblem(dividend, "347");
        for (int k = 1; k < step; ++k)
            QVERIFY(w.step(k));
        for (int box : {Hundreds, Tens, Units})
            erase(w.box(box));
        const QStringList before = snapshot(w);
        QVERIFY(w.step(step));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, Missing);
        QCOMPARE(catcher.last().icon, QMessageBox::Critical);
        QCOMPARE(catcher.last().title, ErrorTitle);
        QCOMPARE(snapshot(w), before);
        QVERIFY(!w.box(quotientBox)->visibleFlag());
        QCOMPARE(w.visibleStepButtons(), step);

        // With the divisor typed again the same step goes on.
        w.typeProblem("", "347");
        QVERIFY(w.step(step));
        QCOMPARE(catcher.count(), 1);
        QVERIFY(w.box(quotientBox)->visibleFlag());
        QCOMPARE(w.visibleStepButtons(), step + 1);
        QVERIFY(w.form->isVisible());
    }

    // After a digit is changed and steps pressed again, boxes an earlier, longer
    // value filled are emptied: no old digit is read into later steps or the check.
    void shorterValuesLeaveNoOldDigitBehind_data()
    {
        addSheetColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("newDivisor");
        QTest::addColumn<QStringList>("laterRounds"); // rounds 4 to n after pressing again
        QTest::addColumn<QString>("labels");
        QTest::addColumn<QString>("quotientDigits");
        QTest::addColumn<QString>("sum");
        // First worked over 500, whose rounds from 4 on leave 499; then over 666.
        QTest::newRow("Form8") << SheetId::Form8 << "1999" << "666" << QStringList{"9 1 9 9 8   1"}
                               << "3 666 1" << "- 3" << "1998 1 1999";
        QTest::newRow("Form9") << SheetId::Form9 << "19999" << "666"
                               << QStringList{"9 1 9 9 8   1", "9    0  1 9"} << "30 666 19" << "- 3 0"
                               << "19980 19 19999";
        QTest::newRow("Form10") << SheetId::Form10 << "199999" << "666"
                                << QStringList{"9 1 9 9 8   1", "9    0  1 9", "9    0 1 9 9"}
                                << "300 666 199" << "- 3 0 0" << "199800 199 199999";
    }
    void shorterValuesLeaveNoOldDigitBehind()
    {
        QFETCH(SheetId, sheet);
        QFETCH(QString, dividend);
        QFETCH(QString, newDivisor);
        QFETCH(QStringList, laterRounds);
        QFETCH(QString, labels);
        QFETCH(QString, quotientDigits);
        QFETCH(QString, sum);
        const int n = digitsOf(sheet);
        MessageCatcher catcher;
        open(sheet);
        w.typeProblem(dividend, "500");
        QVERIFY(w.workAll());
        QCOMPARE(w.row({40, 37, 36}), QStringLiteral("4 9 9"));
        retypeDivisor(w, newDivisor);
        for (int k = 13; k <= stepsOf(sheet); ++k)
            QVERIFY(w.step(k));
        QCOMPARE(catcher.count(), 0);
        for (int k = 4; k <= n; ++k)
            QCOMPARE(w.row(Rounds[k - 1]), laterRounds[k - 4]);
        click(w.button(16));
        QCOMPARE(w.labels({4, 5, 7}), labels);
        QCOMPARE(w.row(CheckQuotient.last(n - 2)), quotientDigits);
        QCOMPARE(w.labels({9, 15, 13}), sum);
    }

    void pressingAStepAgainRecomputes()
    {
        open(SheetId::Form8);
        w.typeProblem("5278", "347");
        QVERIFY(w.workAll());
        QVERIFY(w.step(14));
        QCOMPARE(w.row(Rounds[3]), QStringLiteral("8 1 7 3 5 - 7 3"));
        // A new divisor units digit: step 14 multiplies the old quotient digit by it.
        retype(w.box(Units), "8"); // 5 x 348 = 1740
        QVERIFY(w.step(14));
        QCOMPARE(w.row({42, 35, 34, 33}), QStringLiteral("1 7 4 0"));
        QCOMPARE(w.row(QuotientRow.first(4)), QStringLiteral("0 0 1 5"));
        // The round-2 product is always 0, its tens box hidden, however often it is pressed.
        QVERIFY(w.step(6));
        QCOMPARE(w.row({13, 12}), QStringLiteral("- 0"));
    }

    void secondCheckShowsALongerQuotient_data()
    {
        addSheetColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("firstDigits");
        QTest::addColumn<QString>("secondDigits");
        QTest::newRow("Form8") << SheetId::Form8 << "1000" << "- 1" << "1 0";
        QTest::newRow("Form9") << SheetId::Form9 << "10000" << "- 1 0" << "1 0 0";
        QTest::newRow("Form10") << SheetId::Form10 << "100000" << "- 1 0 0" << "1 0 0 0";
    }
    void secondCheckShowsALongerQuotient()
    {
        QFETCH(SheetId, sheet);
        QFETCH(QString, dividend);
        QFETCH(QString, firstDigits);
        QFETCH(QString, secondDigits);
        const int n = digitsOf(sheet);
        MessageCatcher catcher;
        open(sheet);
        w.typeProblem(dividend, "999");
        QVERIFY(w.workAll());
        click(w.button(16));
        QCOMPARE(w.row(CheckQuotient.last(n - 2)), firstDigits);
        retypeDivisor(w, "100");
        QVERIFY(w.workAll());
        click(w.button(16));
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.row(CheckQuotient.last(n - 2)), secondDigits);
        QCOMPARE(w.label(4)->text(), QString(secondDigits).remove(' '));
        QCOMPARE(w.label(13)->text(), dividend);
    }

    void sizeButtons_data()
    {
        addSheetColumn();
        QTest::addColumn<int>("which");
        for (SheetId from : All)
            for (int which = 0; which < 3; ++which)
                QTest::newRow(qPrintable(sheetName(from) + " -> " + sheetName(familyMember(3, which))))
                    << from << which;
    }
    void sizeButtons()
    {
        QFETCH(SheetId, sheet);
        QFETCH(int, which);
        const SheetId target = familyMember(3, which);
        MessageCatcher catcher;
        open(sheet);
        StepTutorForm *from = w.form;
        w.typeProblem(dividendFor(sheet), "347");
        QVERIFY(w.step(1));
        click(w.button(which + 1));
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QCOMPARE(forms::loadedForms().size(), 1);
        if (target == sheet) { // its own length: nothing changes
            QCOMPARE(loadedSheet(sheetName(sheet)), from);
            QVERIFY(w.box(7)->visibleFlag());
            QCOMPARE(w.box(7)->text(), QStringLiteral("0"));
            QCOMPARE(w.box(Hundreds)->text(), QStringLiteral("3"));
            return;
        }
        QVERIFY(!loadedSheet(sheetName(sheet)));
        Sheetside other{loadedSheet(sheetName(target))};
        QVERIFY(other.form && other.form->isVisible());
        QVERIFY(other.form->isMaximized());
        QCOMPARE(other.visibleStepButtons(), 0);
        QCOMPARE(other.box(5)->text(), QString());
        QCOMPARE(other.box(Hundreds)->text(), QString());
        // Going back opens the first worksheet again, fresh.
        click(other.button(digitsOf(sheet) - 3));
        QCOMPARE(forms::loadedForms().size(), 1);
        QVERIFY(!loadedSheet(sheetName(target)));
        Sheetside back{loadedSheet(sheetName(sheet))};
        QVERIFY(back.form && back.form->isVisible());
        QCOMPARE(back.box(Hundreds)->text(), QString());
        QVERIFY(!back.box(7)->visibleFlag());
    }

    void menuButtonGoesBackToTheMenu_data()
    {
        addSheetColumn();
        for (SheetId id : All)
            QTest::newRow(qPrintable(sheetName(id))) << id;
    }
    void menuButtonGoesBackToTheMenu()
    {
        QFETCH(SheetId, sheet);
        MessageCatcher catcher;
        open(sheet);
        w.typeProblem(dividendFor(sheet), "347");
        QVERIFY(w.step(1));
        click(w.button(17));
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QVERIFY(!loadedSheet(sheetName(sheet)));
        auto *menu = forms::instance<Form4>();
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(forms::loadedForms().size(), 1);
        // The menu's three-digit choice opens Form8, empty.
        click(control<QPushButton>(menu, "Command3"));
        Sheetside again{loadedSheet(QStringLiteral("Form8"))};
        QVERIFY(again.form && again.form->isVisible());
        QCOMPARE(again.box(5)->text(), QString());
        QCOMPARE(again.visibleStepButtons(), 0);
        QCOMPARE(forms::loadedForms().size(), 1);
    }
};

QTEST_MAIN(ThreeDigitTest)
#include "three_digit_test.moc"
