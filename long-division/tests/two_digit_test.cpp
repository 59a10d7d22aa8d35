// Form5, Form6 and Form7: three-, four- and five-digit dividends over a
// two-digit divisor, driven as a pupil would.
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
bool loaded(const QString &name) { return loadedSheet(name) != nullptr; }

// The grid as the pupil reads it, per worksheet.
struct Layout {
    QString quotientRow;     // quotient boxes, leading first
    QString laterRounds;     // rounds 4 and 5: brought down, product h t u, difference t u
    QString checkQuotient;   // check quotient boxes, highest first
    QString checkProduct;    // check product boxes, highest first
    QString outputs;         // every output box of the grid
    QString hideable;        // check quotient boxes a short quotient hides
    int lastStep;
    int remainderUnits;
};

Layout layout(const QString &form)
{
    if (form == QLatin1String("Form5"))
        return {"7 11 17", "", "23 22 21", "27 26 25", "2 7 8 9 10 11 12 13 14 15 16 17 18 19 20 28", "22 23", 11,
                20};
    if (form == QLatin1String("Form6"))
        return {"7 11 17 32",
                "31 35 34 33 37 36",
                "23 22 21",
                "39 27 26 25",
                "2 7 8 9 10 11 12 13 14 15 16 17 18 19 20 28 31 32 33 34 35 36 37",
                "23",
                15,
                36};
    return {"7 11 17 32 42",
            "31 35 34 33 37 36 | 41 45 44 43 47 46",
            "38 23 22 21",
            "48 39 27 26 25",
            "2 7 8 9 10 11 12 13 14 15 16 17 18 19 20 28 31 32 33 34 35 36 37 41 42 43 44 45 46 47",
            "38",
            19,
            46};
}

// Rounds 4 and 5 as shown, "|" between rounds.
QString laterRounds(const Sheetside &w, const QString &boxes)
{
    QStringList rounds;
    for (const QString &r : boxes.split('|', Qt::SkipEmptyParts))
        rounds << w.row(numbers(r));
    return rounds.join(QStringLiteral(" | "));
}
} // namespace

class TwoDigitTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { forms::resetProgramState(); }

    void opensInItsDesignState_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("entries"); // divisor tens, units, then the dividend, leading first
        QTest::addColumn<int>("focus");
        QTest::newRow("Form5") << "Form5" << "1 6 5 4 3" << 4;
        QTest::newRow("Form6") << "Form6" << "1 6 5 4 3 30" << 1;
        QTest::newRow("Form7") << "Form7" << "1 6 5 4 3 30 40" << 30;
    }
    void opensInItsDesignState()
    {
        QFETCH(QString, form);
        QFETCH(QString, entries);
        QFETCH(int, focus);
        Sheetside w{openSheet(form)};
        QCOMPARE(w.form->windowTitle().left(17), QStringLiteral("القسمة المطولة - "));
        QCOMPARE(w.form->layoutDirection(), Qt::RightToLeft);
        QVERIFY(w.form->isMaximized());
        QCOMPARE(w.visibleStepButtons(), 0);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        for (int n : numbers(layout(form).outputs))
            QVERIFY2(!w.box(n)->visibleFlag(), qPrintable(QString::number(n)));
        // The divisor's two boxes stand left of the dividend, all on one row, read left to right.
        const QList<int> row = numbers(entries);
        for (int i = 0; i + 1 < row.size(); ++i) {
            QVERIFY(w.box(row[i])->x() < w.box(row[i + 1])->x());
            QCOMPARE(w.box(row[i])->y(), w.box(row[i + 1])->y());
            QVERIFY(w.box(row[i])->visibleFlag());
            QCOMPARE(w.box(row[i])->text(), QString());
        }
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.box(focus)));
        QCOMPARE(w.button(1)->text(), QStringLiteral("ثلاثة أرقام على رقمين"));
        QCOMPARE(w.button(2)->text(), QStringLiteral("أربعة أرقام على رقمين"));
        QCOMPARE(w.button(3)->text(), QStringLiteral("خمسة أرقام على رقمين"));
        QCOMPARE(w.button(15)->text(), QStringLiteral("مسألة جديدة"));
        QCOMPARE(w.button(16)->text(), QStringLiteral("التحقق من الحل"));
        QCOMPARE(w.button(17)->text(), QStringLiteral("القائمة الرئيسية"));
        // The help frame is there, empty and hidden.
        QCOMPARE(w.form->frame(4)->title(), QStringLiteral("مساعدة :"));
        QVERIFY(!w.form->frame(4)->visibleFlag());
        for (int n : {10, 11}) {
            QCOMPARE(w.label(n)->parentWidget(), static_cast<QWidget *>(w.form->frame(4)));
            QCOMPARE(w.label(n)->text(), QString());
        }
    }

    void colours_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("blue"); // grid boxes in blue
        QTest::addColumn<QString>("red");
        QTest::addColumn<QString>("plain"); // neither blue nor red
        QTest::newRow("Form5") << "Form5" << "7 11 17" << "20" << "2 8 18";
        QTest::newRow("Form6") << "Form6" << "7 11 17" << "20" << "32 36 37";
        QTest::newRow("Form7") << "Form7" << "7 11 17" << "20" << "32 42 46 47";
    }
    void colours()
    {
        QFETCH(QString, form);
        QFETCH(QString, blue);
        QFETCH(QString, red);
        QFETCH(QString, plain);
        Sheetside w{openSheet(form)};
        auto colour = [&](int n) { return w.box(n)->palette().color(QPalette::Text); };
        for (int n : numbers(blue))
            QCOMPARE(colour(n), QColor(0x00, 0x00, 0xFF));
        for (int n : numbers(red))
            QCOMPARE(colour(n), QColor(0xFF, 0x00, 0x00));
        for (int n : numbers(plain)) {
            QVERIFY2(colour(n) != QColor(0x00, 0x00, 0xFF), qPrintable(QString::number(n)));
            QVERIFY2(colour(n) != QColor(0xFF, 0x00, 0x00), qPrintable(QString::number(n)));
        }
    }

    void workedProblems_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("quotientRow");
        QTest::addColumn<QString>("round1");         // Text8 Text9
        QTest::addColumn<QString>("round2");         // Text10, Text13 Text12, Text15 Text14
        QTest::addColumn<QString>("round3");         // Text16, Text28 Text19 Text18, Text2 Text20
        QTest::addColumn<QString>("later");          // rounds 4 and 5
        QTest::addColumn<QString>("labels");         // Label4 Label5 Label7
        QTest::addColumn<QString>("quotientDigits"); // highest first
        QTest::addColumn<QString>("divisorDigits");  // Text29 Text24
        QTest::addColumn<QString>("productDigits");  // highest first
        QTest::addColumn<QString>("sum");            // Label9 Label15 Label13

        QTest::newRow("Form5 100 / 10") << "Form5" << "100" << "10" << "0 1 0" << "0 1" << "0 1 0 - 0"
                                        << "0 - - 0 - 0" << "" << "10 10 0" << "- 1 0" << "1 0" << "1 0 0"
                                        << "100 0 100";
        QTest::newRow("Form5 999 / 10") << "Form5" << "999" << "10" << "0 9 9" << "0 9" << "9 9 0 - 9"
                                        << "9 - 9 0 - 9" << "" << "99 10 9" << "- 9 9" << "1 0" << "9 9 0"
                                        << "990 9 999";
        QTest::newRow("Form5 100 / 99") << "Form5" << "100" << "99" << "0 0 1" << "0 1" << "0 - 0 1 0"
                                        << "0 - 9 9 - 1" << "" << "1 99 1" << "- - 1" << "9 9" << " 9 9"
                                        << "99 1 100";
        QTest::newRow("Form5 989 / 99") << "Form5" << "989" << "99" << "0 0 9" << "0 9" << "8 - 0 9 8"
                                        << "9 8 9 1 9 8" << "" << "9 99 98" << "- - 9" << "9 9" << "8 9 1"
                                        << "891 98 989";
        QTest::newRow("Form5 847 / 23") << "Form5" << "847" << "23" << "0 3 6" << "0 8" << "4 6 9 1 5"
                                        << "7 1 3 8 1 9" << "" << "36 23 19" << "- 3 6" << "2 3" << "8 2 8"
                                        << "828 19 847";
        QTest::newRow("Form5 505 / 11") << "Form5" << "505" << "11" << "0 4 5" << "0 5" << "0 4 4 - 6"
                                        << "5 - 5 5 1 0" << "" << "45 11 10" << "- 4 5" << "1 1" << "4 9 5"
                                        << "495 10 505";

        QTest::newRow("Form6 1000 / 10") << "Form6" << "1000" << "10" << "0 1 0 0" << "0 1" << "0 1 0 - 0"
                                         << "0 - - 0 - 0" << "0 - - 0 - 0" << "100 10 0" << "1 0 0" << "1 0"
                                         << "1 0 0 0" << "1000 0 1000";
        QTest::newRow("Form6 3995 / 45") << "Form6" << "3995" << "45" << "0 0 8 8" << "0 3" << "9 - 0 3 9"
                                         << "9 3 6 0 3 9" << "5 3 6 0 3 5" << "88 45 35" << "- 8 8" << "4 5"
                                         << "3 9 6 0" << "3960 35 3995";
        QTest::newRow("Form6 9999 / 10") << "Form6" << "9999" << "10" << "0 9 9 9" << "0 9" << "9 9 0 - 9"
                                         << "9 - 9 0 - 9" << "9 - 9 0 - 9" << "999 10 9" << "9 9 9" << "1 0"
                                         << "9 9 9 0" << "9990 9 9999";
        QTest::newRow("Form6 1000 / 99") << "Form6" << "1000" << "99" << "0 0 1 0" << "0 1" << "0 - 0 1 0"
                                         << "0 - 9 9 - 1" << "0 - - 0 1 0" << "10 99 10" << "- 1 0" << "9 9"
                                         << " 9 9 0" << "990 10 1000";
        QTest::newRow("Form6 7391 / 56") << "Form6" << "7391" << "56" << "0 1 3 1" << "0 7" << "3 5 6 1 7"
                                         << "9 1 6 8 1 1" << "1 - 5 6 5 5" << "131 56 55" << "1 3 1" << "5 6"
                                         << "7 3 3 6" << "7336 55 7391";

        QTest::newRow("Form7 10000 / 10") << "Form7" << "10000" << "10" << "0 1 0 0 0" << "0 1" << "0 1 0 - 0"
                                          << "0 - - 0 - 0" << "0 - - 0 - 0 | 0 - - 0 - 0" << "1000 10 0"
                                          << "1 0 0 0" << "1 0" << "1 0 0 0 0" << "10000 0 10000";
        QTest::newRow("Form7 99999 / 10") << "Form7" << "99999" << "10" << "0 9 9 9 9" << "0 9" << "9 9 0 - 9"
                                          << "9 - 9 0 - 9" << "9 - 9 0 - 9 | 9 - 9 0 - 9" << "9999 10 9"
                                          << "9 9 9 9" << "1 0" << "9 9 9 9 0" << "99990 9 99999";
        QTest::newRow("Form7 10000 / 99") << "Form7" << "10000" << "99" << "0 0 1 0 1" << "0 1" << "0 - 0 1 0"
                                          << "0 - 9 9 - 1" << "0 - - 0 1 0 | 0 - 9 9 - 1" << "101 99 1"
                                          << "- 1 0 1" << "9 9" << " 9 9 9 9" << "9999 1 10000";
        QTest::newRow("Form7 39955 / 45") << "Form7" << "39955" << "45" << "0 0 8 8 7" << "0 3" << "9 - 0 3 9"
                                          << "9 3 6 0 3 9" << "5 3 6 0 3 5 | 5 3 1 5 4 0" << "887 45 40"
                                          << "- 8 8 7" << "4 5" << "3 9 9 1 5" << "39915 40 39955";
        QTest::newRow("Form7 73915 / 56") << "Form7" << "73915" << "56" << "0 1 3 1 9" << "0 7" << "3 5 6 1 7"
                                          << "9 1 6 8 1 1" << "1 - 5 6 5 5 | 5 5 0 4 5 1" << "1319 56 51"
                                          << "1 3 1 9" << "5 6" << "7 3 8 6 4" << "73864 51 73915";
        QTest::newRow("Form7 50716 / 38") << "Form7" << "50716" << "38" << "0 1 3 3 4" << "0 5" << "0 3 8 1 2"
                                          << "7 1 1 4 1 3" << "1 1 1 4 1 7 | 6 1 5 2 2 4" << "1334 38 24"
                                          << "1 3 3 4" << "3 8" << "5 0 6 9 2" << "50692 24 50716";
    }
    void workedProblems()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(QString, quotientRow);
        QFETCH(QString, round1);
        QFETCH(QString, round2);
        QFETCH(QString, round3);
        QFETCH(QString, later);
        QFETCH(QString, labels);
        QFETCH(QString, quotientDigits);
        QFETCH(QString, divisorDigits);
        QFETCH(QString, productDigits);
        QFETCH(QString, sum);
        const Layout l = layout(form);
        Sheetside w{openSheet(form)};
        MessageCatcher catcher;
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.visibleStepButtons(), l.lastStep);
        QCOMPARE(w.row(numbers(l.quotientRow)), quotientRow);
        QCOMPARE(w.row({8, 9}), round1);
        QCOMPARE(w.row({10, 13, 12, 15, 14}), round2);
        QCOMPARE(w.row({16, 28, 19, 18, 2, 20}), round3);
        QCOMPARE(laterRounds(w, l.laterRounds), later);

        click(w.button(16));
        QCOMPARE(catcher.count(), 0);
        QVERIFY(shown(w.form->frame(3)));
        QCOMPARE(w.labels({4, 5, 7}), labels);
        QCOMPARE(w.row(numbers(l.checkQuotient)), quotientDigits);
        QCOMPARE(w.row({29, 24}), divisorDigits);
        QCOMPARE(w.row(numbers(l.checkProduct)), productDigits);
        QCOMPARE(w.labels({9, 15, 13}), sum);
        QVERIFY(!w.form->frame(4)->visibleFlag());

        // Pressing the check again refills the same values.
        click(w.button(16));
        QCOMPARE(w.row(numbers(l.checkQuotient)), quotientDigits);
        QCOMPARE(w.row(numbers(l.checkProduct)), productDigits);
        QCOMPARE(w.labels({9, 15, 13}), sum);
    }

    void chainShowsOneButtonAtATime_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("laterButtons"); // buttons of steps 12 and up
        QTest::newRow("Form5") << "Form5" << "847" << "";
        QTest::newRow("Form6") << "Form6" << "7391" << "18 19 20 21";
        QTest::newRow("Form7") << "Form7" << "73915" << "18 19 20 21 22 23 24 25";
    }
    void chainShowsOneButtonAtATime()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, laterButtons);
        Sheetside w{openSheet(form)};
        formstest::type(w.box(6), "6"); // the units box plays no part
        QCOMPARE(w.visibleStepButtons(), 0);
        formstest::type(w.box(1), "5"); // the tens box shows step 1 at once
        QCOMPARE(w.visibleStepButtons(), 1);
        QVERIFY(shown(w.button(4)));
        w.typeProblem(dividend, "");
        const int steps = layout(form).lastStep;
        for (int k = 1; k <= steps; ++k) {
            QCOMPARE(w.visibleStepButtons(), k);
            QVERIFY(w.step(k));
        }
        QCOMPARE(w.visibleStepButtons(), steps);
        // Buttons in step order down one column; step 2 sits in the frame's column.
        QList<int> buttons;
        for (int n = 4; n <= 14; ++n)
            buttons << n;
        buttons << numbers(laterButtons);
        for (int k = 0; k + 1 < buttons.size(); ++k) {
            auto *a = w.button(buttons[k]), *b = w.button(buttons[k + 1]);
            QVERIFY(a->mapTo(w.form, QPoint()).y() < b->mapTo(w.form, QPoint()).y());
            QCOMPARE(a->mapTo(w.form, QPoint()).x(), b->mapTo(w.form, QPoint()).x());
        }
        QCOMPARE(w.button(5)->text(), QStringLiteral("الثانية"));
        QCOMPARE(w.button(14)->text(), QStringLiteral("الحادية عشرة"));
        if (!laterButtons.isEmpty()) {
            QCOMPARE(w.button(18)->text(), QStringLiteral("الثانية عشرة"));
            QCOMPARE(w.button(21)->text(), QStringLiteral("الخامسة عشرة"));
        }
        if (form == QLatin1String("Form7"))
            QCOMPARE(w.button(25)->text(), QStringLiteral("التاسعة عشرة"));
    }

    void entryGuards_data()
    {
        addFormColumn();
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<bool>("firstStepShown");
        QTest::newRow("Form5 0 as divisor tens") << "Form5" << 1 << "0" << ZeroRefused << true;
        QTest::newRow("Form5 1 as divisor tens") << "Form5" << 1 << "1" << "" << true;
        QTest::newRow("Form5 9 as divisor tens") << "Form5" << 1 << "9" << "" << true;
        QTest::newRow("Form5 0 as divisor units") << "Form5" << 6 << "0" << "" << false;
        QTest::newRow("Form5 1 as divisor units") << "Form5" << 6 << "1" << "" << false;
        QTest::newRow("Form5 0 as leading dividend digit") << "Form5" << 5 << "0" << LeadZero << false;
        QTest::newRow("Form5 0 as middle digit") << "Form5" << 4 << "0" << "" << false;
        QTest::newRow("Form5 0 as ones digit") << "Form5" << 3 << "0" << "" << false;
        QTest::newRow("Form6 0 as divisor tens") << "Form6" << 1 << "0" << ZeroRefused << true;
        QTest::newRow("Form6 0 as leading dividend digit") << "Form6" << 5 << "0" << LeadZero << false;
        QTest::newRow("Form6 0 as ones digit") << "Form6" << 30 << "0" << "" << false;
        QTest::newRow("Form7 0 as divisor tens") << "Form7" << 1 << "0" << ZeroRefused << true;
        QTest::newRow("Form7 0 as divisor units") << "Form7" << 6 << "0" << "" << false;
        QTest::newRow("Form7 0 as leading dividend digit") << "Form7" << 5 << "0" << LeadZero << false;
        QTest::newRow("Form7 0 as tens digit") << "Form7" << 30 << "0" << "" << false;
        QTest::newRow("Form7 0 as ones digit") << "Form7" << 40 << "0" << "" << false;
    }
    void entryGuards()
    {
        QFETCH(QString, form);
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, firstStepShown);
        Sheetside w{openSheet(form)};
        MessageCatcher catcher;
        typeIntoGuardedBox(w, catcher, box, typed, message, firstStepShown);
    }

    void tensGuardKeepsWorkingAfterStepOne()
    {
        Sheetside w{openSheet("Form6")};
        MessageCatcher catcher;
        w.typeProblem("7391", "56");
        QVERIFY(w.step(1));
        QVERIFY(w.step(2));
        retype(w.box(1), "0");
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, ZeroRefused);
        QCOMPARE(w.box(1)->text(), QString());
        retype(w.box(6), "0"); // units still take 0
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(w.box(6)->text(), QStringLiteral("0"));
    }

    void stepOneRefusesAnIncompleteProblem_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::newRow("Form5 ones box empty") << "Form5" << "84" << "23";
        QTest::newRow("Form5 divisor units empty") << "Form5" << "847" << "2";
        QTest::newRow("Form5 divisor tens refused") << "Form5" << "847" << "05";
        QTest::newRow("Form6 fourth digit empty") << "Form6" << "739" << "56";
        QTest::newRow("Form6 divisor tens refused") << "Form6" << "7391" << "06";
        QTest::newRow("Form7 fifth digit empty") << "Form7" << "7391" << "56";
        QTest::newRow("Form7 fourth digit empty") << "Form7" << "739" << "56";
        QTest::newRow("Form7 divisor tens refused") << "Form7" << "73915" << "06";
    }
    void stepOneRefusesAnIncompleteProblem()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        Sheetside w{openSheet(form)};
        MessageCatcher catcher;
        w.typeProblem(dividend, divisor);
        if (form == QLatin1String("Form7") && dividend.size() == 3)
            formstest::type(w.box(40), "5"); // only the fourth digit is missing
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
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::newRow("Form5") << "Form5" << "847";
        QTest::newRow("Form6") << "Form6" << "7391";
        QTest::newRow("Form7") << "Form7" << "73915";
    }
    void checkBeforeTheLastStepOnlyTellsThePupil()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        const Layout l = layout(form);
        Sheetside w{openSheet(form)};
        MessageCatcher catcher;
        w.typeProblem(dividend, "56");
        for (int k = 1; k < l.lastStep; ++k)
            QVERIFY(w.step(k));
        QVERIFY(!w.box(l.remainderUnits)->visibleFlag());
        click(w.button(16));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, NotDone);
        QCOMPARE(catcher.last().title, NoticeTitle);
        QCOMPARE(catcher.last().icon, QMessageBox::Information);
        QCOMPARE(catcher.last().buttons.size(), 1);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        QCOMPARE(w.label(4)->text(), QString());
    }

    // A divisor emptied after step 1 reads as 0: no step divides by it.
    void anEmptiedDivisorIsNeverDividedBy_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<int>("dividingStep");
        QTest::addColumn<int>("itsBox");
        QTest::newRow("Form5 second quotient") << "Form5" << "847" << 5 << 11;
        QTest::newRow("Form5 rebuilt third quotient") << "Form5" << "847" << 9 << 17;
        QTest::newRow("Form6 fourth quotient") << "Form6" << "7391" << 13 << 32;
        QTest::newRow("Form7 fifth quotient") << "Form7" << "73915" << 17 << 42;
    }
    void anEmptiedDivisorIsNeverDividedBy()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(int, dividingStep);
        QFETCH(int, itsBox);
        Sheetside w{openSheet(form)};
        MessageCatcher catcher;
        w.typeProblem(dividend, "56");
        for (int k = 1; k < dividingStep; ++k)
            QVERIFY(w.step(k));
        erase(w.box(1));
        erase(w.box(6));
        QCOMPARE(catcher.count(), 0);
        const QString before = w.row({7, 8, 9, 10, 11, 12, 14, 16});
        QVERIFY(w.step(dividingStep));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, Missing);
        QCOMPARE(catcher.last().title, ErrorTitle);
        QCOMPARE(catcher.last().icon, QMessageBox::Critical);
        QCOMPARE(catcher.last().buttons.size(), 1);
        QVERIFY(!w.box(itsBox)->visibleFlag());
        QCOMPARE(w.visibleStepButtons(), dividingStep);
        QCOMPARE(w.row({7, 8, 9, 10, 11, 12, 14, 16}), before);
        QVERIFY(w.step(1)); // step 1 refuses too
        QCOMPARE(catcher.count(), 2);
        QCOMPARE(catcher.last().text, Missing);
        QCOMPARE(w.box(7)->text(), QStringLiteral("0"));
        QVERIFY(w.form->isVisible());
        // With the divisor typed again the step goes on.
        w.typeProblem("", "56");
        QVERIFY(w.step(dividingStep));
        QCOMPARE(catcher.count(), 2);
        QVERIFY(w.box(itsBox)->visibleFlag());
    }

    void aChangedDigitLeavesNoOldDigitBehind()
    {
        Sheetside w{openSheet("Form6")};
        MessageCatcher catcher;
        w.typeProblem("7391", "56");
        QVERIFY(w.workAll());
        QCOMPARE(w.row({2, 20}), QStringLiteral("1 1"));
        retype(w.box(3), "0"); // 7301 / 56
        for (int k = 8; k <= 15; ++k)
            QVERIFY(w.step(k));
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
        Sheetside w{openSheet("Form5")};
        MessageCatcher catcher;
        w.typeProblem("847", "23");
        QVERIFY(w.workAll());
        QCOMPARE(w.row({13, 12, 15, 14}), QStringLiteral("6 9 1 5"));
        retype(w.box(5), "1"); // 147 / 23: q2 = 0
        for (int k = 3; k <= 6; ++k)
            QVERIFY(w.step(k));
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

    void secondCheckShowsALongerQuotient_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("firstDigits"); // over 99
        QTest::addColumn<QString>("secondDigits"); // over 10
        QTest::newRow("Form5") << "Form5" << "100" << "- - 1" << "- 1 0";
        QTest::newRow("Form6") << "Form6" << "1000" << "- 1 0" << "1 0 0";
        QTest::newRow("Form7") << "Form7" << "10000" << "- 1 0 1" << "1 0 0 0";
    }
    void secondCheckShowsALongerQuotient()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, firstDigits);
        QFETCH(QString, secondDigits);
        const Layout l = layout(form);
        Sheetside w{openSheet(form)};
        MessageCatcher catcher;
        w.typeProblem(dividend, "99");
        QVERIFY(w.workAll());
        click(w.button(16));
        QCOMPARE(w.row(numbers(l.checkQuotient)), firstDigits);
        retype(w.box(1), "1");
        retype(w.box(6), "0");
        QVERIFY(w.workAll());
        click(w.button(16));
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.row(numbers(l.checkQuotient)), secondDigits);
        QCOMPARE(w.label(13)->text(), dividend);
    }

    void newProblemReturnsToTheDesignState_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("entries");
        QTest::newRow("Form5") << "Form5" << "100" << "99" << "1 3 4 5 6";
        QTest::newRow("Form6") << "Form6" << "3995" << "45" << "1 3 4 5 6 30";
        QTest::newRow("Form7") << "Form7" << "39955" << "45" << "1 3 4 5 6 30 40";
    }
    void newProblemReturnsToTheDesignState()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(QString, entries);
        const Layout l = layout(form);
        Sheetside w{openSheet(form)};
        MessageCatcher catcher;
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        click(w.button(16));
        for (int n : numbers(l.hideable)) // each of these quotients is short
            QVERIFY(!w.box(n)->visibleFlag());
        click(w.button(15));
        QCOMPARE(catcher.count(), 0);
        for (int n : numbers(entries))
            QCOMPARE(w.box(n)->text(), QString());
        for (int n : numbers(l.outputs)) {
            QVERIFY2(!w.box(n)->visibleFlag(), qPrintable(QString::number(n)));
            QCOMPARE(w.box(n)->text(), QString());
        }
        QCOMPARE(w.visibleStepButtons(), 0);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        QVERIFY(!w.form->frame(4)->visibleFlag());
        for (int n : numbers(l.hideable))
            QVERIFY(w.box(n)->visibleFlag());
        for (int n : numbers(l.checkQuotient) + numbers(l.checkProduct) + QList<int>{24, 29})
            QCOMPARE(w.box(n)->text(), QString());
        for (int n : {4, 5, 7, 9, 13, 15})
            QCOMPARE(w.label(n)->text(), QString());
        // And a new problem works from the start.
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        click(w.button(16));
        QCOMPARE(w.label(13)->text(), dividend);
    }

    void outputBoxesNeverTakeTheCaret_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::newRow("Form5") << "Form5" << "989";
        QTest::newRow("Form6") << "Form6" << "3995";
        QTest::newRow("Form7") << "Form7" << "73915";
    }
    void outputBoxesNeverTakeTheCaret()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        Sheetside w{openSheet(form)};
        w.typeProblem(dividend, "99");
        QVERIFY(w.workAll());
        for (int n : numbers(layout(form).outputs)) {
            if (!w.box(n)->visibleFlag())
                continue;
            QTest::mouseClick(w.box(n), Qt::LeftButton);
            QVERIFY2(!w.box(n)->hasFocus(), qPrintable(QString::number(n)));
            QCOMPARE(w.box(n)->focusPolicy(), Qt::NoFocus);
        }
    }

    // With every control shown, Tab walks the window in its own order; the
    // check frame's quotient boxes are passed over.
    void tabOrder_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("order");
        QTest::newRow("Form6") << "Form6"
                               << "Text1 Command5 Command1 Command2 Command3 Text4 Text5 Text6 Command4 Command6 "
                                  "Command7 Command8 Command9 Command10 Command11 Command12 Command13 Command14 "
                                  "Text3 Command15 Command16 Text29 Text24 Text25 Text26 Text27 Command17 Text30 "
                                  "Command18 Command19 Command20 Command21 Text39 Text1";
        QTest::newRow("Form7") << "Form7"
                               << "Text30 Command5 Command3 Command2 Command1 Command17 Text39 Text38 Text27 Text26 "
                                  "Text25 Text24 Text29 Command16 Command15 Text3 Command21 Command20 Command19 "
                                  "Command18 Command14 Command13 Command12 Command11 Command10 Command9 Command8 "
                                  "Command7 Command6 Command4 Text6 Text5 Text4 Text1 Command22 Command23 "
                                  "Command24 Command25 Text40 Text48 Text30";
    }
    void tabOrder()
    {
        QFETCH(QString, form);
        QFETCH(QString, order);
        Sheetside w{openSheet(form)};
        w.typeProblem(form == QLatin1String("Form6") ? "9999" : "99999", "10");
        QVERIFY(w.workAll());
        click(w.button(16));
        const QStringList expected = order.split(' ');
        QWidget *first = w.form->findChild<QWidget *>(expected.first());
        first->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        QStringList seen{expected.first()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, expected);
        // The passed-over quotient boxes still take a click.
        QTest::mouseClick(w.box(21), Qt::LeftButton);
        QVERIFY(w.box(21)->hasFocus());
    }

    void sizeButtons_data()
    {
        addFormColumn();
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("menuUnloaded");
        QTest::newRow("Form5 to Form6") << "Form5" << 2 << "Form6" << false;
        QTest::newRow("Form5 to Form7") << "Form5" << 3 << "Form7" << true;
        QTest::newRow("Form6 to Form5") << "Form6" << 1 << "Form5" << false;
        QTest::newRow("Form6 to Form7") << "Form6" << 3 << "Form7" << false;
        QTest::newRow("Form7 to Form5") << "Form7" << 1 << "Form5" << false;
        QTest::newRow("Form7 to Form6") << "Form7" << 2 << "Form6" << false;
        QTest::newRow("Form5 stays") << "Form5" << 1 << "Form5" << false;
        QTest::newRow("Form6 stays") << "Form6" << 2 << "Form6" << false;
        QTest::newRow("Form7 stays") << "Form7" << 3 << "Form7" << false;
    }
    void sizeButtons()
    {
        QFETCH(QString, form);
        QFETCH(int, button);
        QFETCH(QString, target);
        QFETCH(bool, menuUnloaded);
        forms::load<Form4>();
        forms::load<Form1>();
        Sheetside w{openSheet(form)};
        MessageCatcher catcher;
        w.typeProblem("73915", "56");
        QVERIFY(w.step(1));
        click(w.button(button));
        QCOMPARE(forms::instance<Form4>() == nullptr, menuUnloaded);
        QVERIFY(!forms::instance<Form1>()); // one-digit worksheets go
        for (const QString &other : QStringList{"Form5", "Form6", "Form7"})
            QCOMPARE(loaded(other), other == target);
        Sheetside t{loadedSheet(target)};
        QVERIFY(t.form && t.form->isVisible());
        if (target == form) { // its own length: nothing changes
            QCOMPARE(t.form, w.form);
            QCOMPARE(t.box(7)->text(), QStringLiteral("0"));
            QVERIFY(t.box(7)->visibleFlag());
            QCOMPARE(t.box(1)->text(), QStringLiteral("5"));
        } else {
            QCOMPARE(t.visibleStepButtons(), 0);
            QCOMPARE(t.box(1)->text(), QString());
            QVERIFY(!t.box(7)->visibleFlag());
        }
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
    }

    void menuButtonGoesBackToTheMenu_data()
    {
        addFormColumn();
        QTest::newRow("Form5") << "Form5";
        QTest::newRow("Form6") << "Form6";
        QTest::newRow("Form7") << "Form7";
    }
    void menuButtonGoesBackToTheMenu()
    {
        QFETCH(QString, form);
        Sheetside w{openSheet(form)};
        w.typeProblem("739", "56");
        click(w.button(17));
        QVERIFY(!loaded(form));
        auto *menu = forms::instance<Form4>();
        QVERIFY(menu && menu->isVisible());
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        // The two-digit choice opens Form5 empty.
        click(control<QPushButton>(menu, "Command2"));
        Sheetside again{loadedSheet("Form5")};
        QVERIFY(again.form && again.form->isVisible());
        QCOMPARE(again.box(5)->text(), QString());
        QCOMPARE(again.visibleStepButtons(), 0);
        QVERIFY(!forms::instance<Form4>());
    }
};

QTEST_MAIN(TwoDigitTest)
#include "two_digit_test.moc"
