// What every long-division worksheet does alike, driven as a pupil would, one
// table row per worksheet and case; each worksheet's layout comes from the
// worksheet table.
#include <QApplication>
#include <QTest>

#include "forms/app.h"
#include "forms/tests/reset.h"
#include "forms/window.h"
#include "corvanemenu.h"
#include "worksheet_driver.h"
#include "worksheet_table.h"

using namespace corvane;
using namespace formstest;
using namespace corvanetest;

namespace {

const QString Credit = QStringLiteral("برنامج القسمة المطولة للمرحلة الابتدائية");
const QString Caption = QStringLiteral("القسمة المطولة - ") + Credit;

// The size buttons' captions for a divisor length, shortest dividend first.
QStringList sizeCaptions(int divisorLength)
{
    static const char *const captions[3][3] = {
        {"ثلاثة أرقام على رقم", "أربعة أرقام على رقم", "خمسة أرقام على رقم"},
        {"ثلاثة أرقام على رقمين", "أربعة أرقام على رقمين", "خمسة أرقام على رقمين"},
        {"أربعة أرقام على3 أرقام", "خمسة أرقام على3 أرقام", "ستة أرقام على3 أرقام"},
    };
    QStringList list;
    for (const char *c : captions[divisorLength - 1])
        list << QString::fromUtf8(c);
    return list;
}

// Every round of the grid as shown, " | " between rounds.
QString roundsShown(const WorksheetDriver &w, const Layout &l)
{
    QStringList rounds;
    for (const QList<int> &r : l.rounds)
        rounds << w.row(r);
    return rounds.join(QStringLiteral(" | "));
}

// Edits written as "6=1 5=4": each box cleared and the text typed into it, in order.
QList<std::pair<int, QString>> edits(const QString &list)
{
    QList<std::pair<int, QString>> out;
    for (const QString &e : list.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out.append({e.section(QLatin1Char('='), 0, 0).toInt(), e.section(QLatin1Char('='), 1)});
    return out;
}

bool loaded(const QString &name) { return loadedSheet(name) != nullptr; }

// A problem for each worksheet: its name, dividend and divisor.
const char *const Problems[][3] = {{"Form1", "847", "4"},      {"Form2", "98765", "4"},  {"Form3", "98765", "4"},
                                   {"Form5", "73915", "56"},   {"Form6", "73915", "56"}, {"Form7", "73915", "56"},
                                   {"Form8", "5278", "347"},   {"Form9", "52781", "347"}, {"Form10", "527813", "347"}};

} // namespace

class WorksheetsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { formstest::resetAll(); }

    void opensInItsDesignState_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("caption");
        for (const Layout &l : layouts()) {
            // Two worksheets carry their own caption.
            const QString caption = l.name == QLatin1String("Form8")   ? QStringLiteral("الفسمة المطولة - ") + Credit
                                    : l.name == QLatin1String("Form9") ? QStringLiteral("Tolbrin - ") + Credit
                                                                       : Caption;
            QTest::newRow(qPrintable(l.name)) << l.name << caption;
        }
    }
    void opensInItsDesignState()
    {
        QFETCH(QString, form);
        QFETCH(QString, caption);
        const Layout &l = layout(form);
        WorksheetDriver w{openSheet(form)};
        QVERIFY(w.form);
        QCOMPARE(w.form->objectName(), form);
        QCOMPARE(w.form->windowTitle(), caption);
        QCOMPARE(w.form->layoutDirection(), Qt::RightToLeft);
        QVERIFY(w.form->isMaximized());
        QCOMPARE(w.visibleStepButtons(), 0);
        QCOMPARE(int(w.form->sheetDef().stepButtons.size()), l.steps());
        QVERIFY(!w.form->frame(3)->visibleFlag());
        if (l.helpFrame) { // there, empty and hidden
            QCOMPARE(w.form->frame(4)->title(), QStringLiteral("مساعدة :"));
            QVERIFY(!w.form->frame(4)->visibleFlag());
            for (int n : {10, 11}) {
                QCOMPARE(w.label(n)->parentWidget(), static_cast<QWidget *>(w.form->frame(4)));
                QCOMPARE(w.label(n)->text(), QString());
            }
        }
        if (l.continuedFrame)
            QVERIFY(!w.form->frame(l.continuedFrame)->visibleFlag());

        // On the grid only the entry boxes show, empty, in one row read left
        // to right: the divisor, then the dividend.
        for (int n : l.outputs())
            QVERIFY2(!w.box(n)->visibleFlag(), qPrintable(QString::number(n)));
        QList<int> visible;
        for (auto *b : w.form->findChildren<forms::TextBox *>())
            if (b->parentWidget() == w.form && b->visibleFlag())
                visible << b->objectName().mid(4).toInt();
        std::sort(visible.begin(), visible.end());
        QList<int> expected = l.entries();
        std::sort(expected.begin(), expected.end());
        QCOMPARE(visible, expected);
        const QList<int> row = l.entries();
        for (int i = 0; i + 1 < row.size(); ++i) {
            QVERIFY(w.box(row[i])->x() < w.box(row[i + 1])->x());
            QCOMPARE(w.box(row[i])->y(), w.box(row[i + 1])->y());
        }
        for (int n : row)
            QCOMPARE(w.box(n)->text(), QString());
        // Each quotient box stands above its dividend digit.
        for (int i = 0; i < l.dividend.size(); ++i) {
            QCOMPARE(w.box(l.quotientRow[i])->x(), w.box(l.dividend[i])->x());
            QVERIFY(w.box(l.quotientRow[i])->y() < w.box(l.dividend[i])->y());
        }
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), l.focus);

        QCOMPARE(w.button(15)->text(), QStringLiteral("مسألة جديدة"));
        QCOMPARE(w.button(16)->text(), QStringLiteral("التحقق من الحل"));
        QCOMPARE(w.button(l.menuButton)->text(), QStringLiteral("القائمة الرئيسية"));
        QVERIFY(shown(w.button(l.menuButton)));
        // Size buttons: the shortest dividend rightmost.
        const QStringList sizes = sizeCaptions(l.divisorLength());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w.button(i + 1)->text(), sizes[i]);
        QVERIFY(w.button(3)->x() < w.button(2)->x() && w.button(2)->x() < w.button(1)->x());
    }

    void colours_data()
    {
        addFormColumn();
        QTest::addColumn<QList<int>>("blue"); // boxes in blue
        QTest::addColumn<QList<int>>("red");
        QTest::addColumn<QList<int>>("plain"); // neither blue nor red
        QTest::newRow("Form5") << "Form5" << QList<int>{7, 11, 17} << QList<int>{20} << QList<int>{2, 8, 18};
        QTest::newRow("Form6") << "Form6" << QList<int>{7, 11, 17} << QList<int>{20} << QList<int>{32, 36, 37};
        QTest::newRow("Form7") << "Form7" << QList<int>{7, 11, 17} << QList<int>{20} << QList<int>{32, 42, 46, 47};
        // Later quotient digits and the remainder are in the ordinary colour.
        const QList<int> checkBlue = {7, 11, 17, 21, 22, 23};
        QTest::newRow("Form8") << "Form8" << checkBlue << QList<int>{20} << QList<int>{32, 36, 37};
        QTest::newRow("Form9") << "Form9" << checkBlue << QList<int>{20} << QList<int>{32, 50, 51};
        QTest::newRow("Form10") << "Form10" << checkBlue << QList<int>{20} << QList<int>{32, 62, 63};
    }
    void colours()
    {
        QFETCH(QString, form);
        QFETCH(QList<int>, blue);
        QFETCH(QList<int>, red);
        QFETCH(QList<int>, plain);
        WorksheetDriver w{openSheet(form)};
        auto colour = [&](int n) { return w.box(n)->palette().color(QPalette::Text); };
        for (int n : blue)
            QCOMPARE(colour(n), QColor(0x00, 0x00, 0xFF));
        for (int n : red)
            QCOMPARE(colour(n), QColor(0xFF, 0x00, 0x00));
        for (int n : plain) {
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
        QTest::addColumn<QString>("rounds");         // round by round, " | " between
        QTest::addColumn<QString>("labels");         // Label4 Label5 Label7
        QTest::addColumn<QString>("quotientDigits"); // the check's, highest first
        QTest::addColumn<QString>("divisorDigits");
        QTest::addColumn<QString>("productDigits");
        QTest::addColumn<QString>("sum"); // Label9, the sum row's remainder, Label13
        auto row = [](const char *form, const char *dividend, const char *divisor) -> QTestData & {
            return QTest::addRow("%s %s / %s", form, dividend, divisor) << form << dividend << divisor;
        };
        row("Form1", "847", "4") << "2 1 1" << "8 0 | 4 - 4 - 0 | 7 - 4 3" << "211 4 3" << "2 1 1" << "4"
                                 << "8 4 4" << "844 3 847";
        row("Form1", "156", "3") << "0 5 2" << "0 1 | 5 1 5 - 0 | 6 - 6 0" << "52 3 0" << "- 5 2" << "3"
                                 << "1 5 6" << "156 0 156";
        row("Form1", "100", "7") << "0 1 4" << "0 1 | 0 - 7 - 3 | 0 2 8 2" << "14 7 2" << "- 1 4" << "7"
                                 << " 9 8" << "98 2 100";
        row("Form1", "999", "9") << "1 1 1" << "9 0 | 9 - 9 - 0 | 9 - 9 0" << "111 9 0" << "1 1 1" << "9"
                                 << "9 9 9" << "999 0 999";

        row("Form2", "9999", "2") << "4 9 9 9" << "8 1 | 9 1 8 1 | 9 1 8 1 | 9 1 8 1" << "4999 2 1" << "4 9 9 9"
                                  << "2" << "9 9 9 8" << "9998 1 9999";
        row("Form2", "1000", "9") << "0 1 1 1" << "0 1 | 0 - 9 1 | 0 - 9 1 | 0 - 9 1" << "111 9 1" << "- 1 1 1"
                                  << "9" << " 9 9 9" << "999 1 1000";
        row("Form2", "5000", "7") << "0 7 1 4" << "0 5 | 0 4 9 1 | 0 - 7 3 | 0 2 8 2" << "714 7 2" << "- 7 1 4"
                                  << "7" << "4 9 9 8" << "4998 2 5000";
        row("Form2", "8064", "8") << "1 0 0 8" << "8 0 | 0 - 0 0 | 6 - 0 6 | 4 6 4 0" << "1008 8 0" << "1 0 0 8"
                                  << "8" << "8 0 6 4" << "8064 0 8064";

        row("Form3", "10000", "9") << "0 1 1 1 1" << "0 1 | 0 - 9 1 | 0 - 9 1 | 0 - 9 1 | 0 - 9 1" << "1111 9 1"
                                   << "- 1 1 1 1" << "9" << " 9 9 9 9" << "9999 1 10000";
        row("Form3", "99999", "2") << "4 9 9 9 9" << "8 1 | 9 1 8 1 | 9 1 8 1 | 9 1 8 1 | 9 1 8 1" << "49999 2 1"
                                   << "4 9 9 9 9" << "2" << "9 9 9 9 8" << "99998 1 99999";
        row("Form3", "10000", "2") << "0 5 0 0 0" << "0 1 | 0 1 0 0 | 0 - 0 0 | 0 - 0 0 | 0 - 0 0" << "5000 2 0"
                                   << "- 5 0 0 0" << "2" << "1 0 0 0 0" << "10000 0 10000";
        // Round 5: 81 \ 9 = 9, and 9 x 9 = 81 fills the fifth product's tens box.
        row("Form3", "10071", "9") << "0 1 1 1 9" << "0 1 | 0 - 9 1 | 0 - 9 1 | 7 - 9 8 | 1 8 1 0" << "1119 9 0"
                                   << "- 1 1 1 9" << "9" << "1 0 0 7 1" << "10071 0 10071";

        row("Form5", "100", "10") << "0 1 0" << "0 1 | 0 1 0 - 0 | 0 - - 0 - 0" << "10 10 0" << "- 1 0" << "1 0"
                                  << "1 0 0" << "100 0 100";
        row("Form5", "999", "10") << "0 9 9" << "0 9 | 9 9 0 - 9 | 9 - 9 0 - 9" << "99 10 9" << "- 9 9" << "1 0"
                                  << "9 9 0" << "990 9 999";
        row("Form5", "100", "99") << "0 0 1" << "0 1 | 0 - 0 1 0 | 0 - 9 9 - 1" << "1 99 1" << "- - 1" << "9 9"
                                  << " 9 9" << "99 1 100";
        row("Form5", "989", "99") << "0 0 9" << "0 9 | 8 - 0 9 8 | 9 8 9 1 9 8" << "9 99 98" << "- - 9" << "9 9"
                                  << "8 9 1" << "891 98 989";
        row("Form5", "847", "23") << "0 3 6" << "0 8 | 4 6 9 1 5 | 7 1 3 8 1 9" << "36 23 19" << "- 3 6" << "2 3"
                                  << "8 2 8" << "828 19 847";
        row("Form5", "505", "11") << "0 4 5" << "0 5 | 0 4 4 - 6 | 5 - 5 5 1 0" << "45 11 10" << "- 4 5" << "1 1"
                                  << "4 9 5" << "495 10 505";

        row("Form6", "1000", "10") << "0 1 0 0" << "0 1 | 0 1 0 - 0 | 0 - - 0 - 0 | 0 - - 0 - 0" << "100 10 0"
                                   << "1 0 0" << "1 0" << "1 0 0 0" << "1000 0 1000";
        row("Form6", "3995", "45") << "0 0 8 8" << "0 3 | 9 - 0 3 9 | 9 3 6 0 3 9 | 5 3 6 0 3 5" << "88 45 35"
                                   << "- 8 8" << "4 5" << "3 9 6 0" << "3960 35 3995";
        row("Form6", "9999", "10") << "0 9 9 9" << "0 9 | 9 9 0 - 9 | 9 - 9 0 - 9 | 9 - 9 0 - 9" << "999 10 9"
                                   << "9 9 9" << "1 0" << "9 9 9 0" << "9990 9 9999";
        row("Form6", "1000", "99") << "0 0 1 0" << "0 1 | 0 - 0 1 0 | 0 - 9 9 - 1 | 0 - - 0 1 0" << "10 99 10"
                                   << "- 1 0" << "9 9" << " 9 9 0" << "990 10 1000";
        row("Form6", "7391", "56") << "0 1 3 1" << "0 7 | 3 5 6 1 7 | 9 1 6 8 1 1 | 1 - 5 6 5 5" << "131 56 55"
                                   << "1 3 1" << "5 6" << "7 3 3 6" << "7336 55 7391";

        row("Form7", "10000", "10") << "0 1 0 0 0" << "0 1 | 0 1 0 - 0 | 0 - - 0 - 0 | 0 - - 0 - 0 | 0 - - 0 - 0"
                                    << "1000 10 0" << "1 0 0 0" << "1 0" << "1 0 0 0 0" << "10000 0 10000";
        row("Form7", "99999", "10") << "0 9 9 9 9" << "0 9 | 9 9 0 - 9 | 9 - 9 0 - 9 | 9 - 9 0 - 9 | 9 - 9 0 - 9"
                                    << "9999 10 9" << "9 9 9 9" << "1 0" << "9 9 9 9 0" << "99990 9 99999";
        row("Form7", "10000", "99") << "0 0 1 0 1" << "0 1 | 0 - 0 1 0 | 0 - 9 9 - 1 | 0 - - 0 1 0 | 0 - 9 9 - 1"
                                    << "101 99 1" << "- 1 0 1" << "9 9" << " 9 9 9 9" << "9999 1 10000";
        row("Form7", "39955", "45") << "0 0 8 8 7" << "0 3 | 9 - 0 3 9 | 9 3 6 0 3 9 | 5 3 6 0 3 5 | 5 3 1 5 4 0"
                                    << "887 45 40" << "- 8 8 7" << "4 5" << "3 9 9 1 5" << "39915 40 39955";
        row("Form7", "73915", "56") << "0 1 3 1 9" << "0 7 | 3 5 6 1 7 | 9 1 6 8 1 1 | 1 - 5 6 5 5 | 5 5 0 4 5 1"
                                    << "1319 56 51" << "1 3 1 9" << "5 6" << "7 3 8 6 4" << "73864 51 73915";
        row("Form7", "50716", "38") << "0 1 3 3 4" << "0 5 | 0 3 8 1 2 | 7 1 1 4 1 3 | 1 1 1 4 1 7 | 6 1 5 2 2 4"
                                    << "1334 38 24" << "1 3 3 4" << "3 8" << "5 0 6 9 2" << "50692 24 50716";

        row("Form8", "5278", "347") << "0 0 1 5" << "0 5 | 2 - 0 5 2 | 7 3 4 7 1 8 0 | 8 1 7 3 5 - 7 3"
                                    << "15 347 73" << "1 5" << "3 4 7" << "5 2 0 5" << "5205 73 5278";
        row("Form8", "1000", "999") << "0 0 0 1" << "0 1 | 0 - 0 1 0 | 0 - - 0 1 0 0 | 0 - 9 9 9 - - 1"
                                    << "1 999 1" << "- 1" << "9 9 9" << " 9 9 9" << "999 1 1000";
        row("Form8", "9999", "100") << "0 0 9 9" << "0 9 | 9 - 0 9 9 | 9 9 0 0 - 9 9 | 9 - 9 0 0 - 9 9"
                                    << "99 100 99" << "9 9" << "1 0 0" << "9 9 0 0" << "9900 99 9999";
        row("Form8", "1234", "617") << "0 0 0 2" << "0 1 | 2 - 0 1 2 | 3 - - 0 1 2 3 | 4 1 2 3 4 - - 0"
                                    << "2 617 0" << "- 2" << "6 1 7" << "1 2 3 4" << "1234 0 1234";

        row("Form9", "52781", "347") << "0 0 1 5 2"
                                     << "0 5 | 2 - 0 5 2 | 7 3 4 7 1 8 0 | 8 1 7 3 5 - 7 3 | 1 - 6 9 4 - 3 7"
                                     << "152 347 37" << "1 5 2" << "3 4 7" << "5 2 7 4 4" << "52744 37 52781";
        row("Form9", "10000", "999") << "0 0 0 1 0"
                                     << "0 1 | 0 - 0 1 0 | 0 - - 0 1 0 0 | 0 - 9 9 9 - - 1 | 0 - - - 0 - 1 0"
                                     << "10 999 10" << "- 1 0" << "9 9 9" << " 9 9 9 0" << "9990 10 10000";
        row("Form9", "99999", "100") << "0 0 9 9 9"
                                     << "0 9 | 9 - 0 9 9 | 9 9 0 0 - 9 9 | 9 - 9 0 0 - 9 9 | 9 - 9 0 0 - 9 9"
                                     << "999 100 99" << "9 9 9" << "1 0 0" << "9 9 9 0 0" << "99900 99 99999";
        row("Form9", "10099", "101") << "0 0 0 9 9"
                                     << "0 1 | 0 - 0 1 0 | 0 - - 0 1 0 0 | 9 - 9 0 9 1 0 0 | 9 - 9 0 9 1 0 0"
                                     << "99 101 100" << "- 9 9" << "1 0 1" << " 9 9 9 9" << "9999 100 10099";
        row("Form9", "12345", "123") << "0 0 1 0 0"
                                     << "0 1 | 2 - 0 1 2 | 3 1 2 3 - - 0 | 4 - - - 0 - - 4 | 5 - - - 0 - 4 5"
                                     << "100 123 45" << "1 0 0" << "1 2 3" << "1 2 3 0 0" << "12300 45 12345";

        row("Form10", "527813", "347")
            << "0 0 1 5 2 1"
            << "0 5 | 2 - 0 5 2 | 7 3 4 7 1 8 0 | 8 1 7 3 5 - 7 3 | 1 - 6 9 4 - 3 7 | 3 - 3 4 7 - 2 6"
            << "1521 347 26" << "1 5 2 1" << "3 4 7" << "5 2 7 7 8 7" << "527787 26 527813";
        row("Form10", "100000", "999")
            << "0 0 0 1 0 0"
            << "0 1 | 0 - 0 1 0 | 0 - - 0 1 0 0 | 0 - 9 9 9 - - 1 | 0 - - - 0 - 1 0 | 0 - - - 0 1 0 0"
            << "100 999 100" << "- 1 0 0" << "9 9 9" << " 9 9 9 0 0" << "99900 100 100000";
        row("Form10", "123456", "123")
            << "0 0 1 0 0 3"
            << "0 1 | 2 - 0 1 2 | 3 1 2 3 - - 0 | 4 - - - 0 - - 4 | 5 - - - 0 - 4 5 | 6 - 3 6 9 - 8 7"
            << "1003 123 87" << "1 0 0 3" << "1 2 3" << "1 2 3 3 6 9" << "123369 87 123456";
        row("Form10", "999999", "100")
            << "0 0 9 9 9 9"
            << "0 9 | 9 - 0 9 9 | 9 9 0 0 - 9 9 | 9 - 9 0 0 - 9 9 | 9 - 9 0 0 - 9 9 | 9 - 9 0 0 - 9 9"
            << "9999 100 99" << "9 9 9 9" << "1 0 0" << "9 9 9 9 0 0" << "999900 99 999999";
    }
    void workedProblems()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(QString, quotientRow);
        QFETCH(QString, rounds);
        QFETCH(QString, labels);
        QFETCH(QString, quotientDigits);
        QFETCH(QString, divisorDigits);
        QFETCH(QString, productDigits);
        QFETCH(QString, sum);
        const Layout &l = layout(form);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.visibleStepButtons(), l.steps());
        QCOMPARE(w.row(l.quotientRow), quotientRow);
        QCOMPARE(roundsShown(w, l), rounds);

        click(w.button(16));
        QCOMPARE(catcher.count(), 0);
        QVERIFY(shown(w.form->frame(3)));
        QCOMPARE(w.labels({4, 5, 7}), labels);
        QCOMPARE(w.row(l.checkQuotient), quotientDigits);
        QCOMPARE(w.row(l.checkDivisor), divisorDigits);
        QCOMPARE(w.row(l.checkProduct), productDigits);
        QCOMPARE(w.labels({9, l.sumRemainderLabel, 13}), sum);
        if (l.helpFrame)
            QVERIFY(!w.form->frame(4)->visibleFlag()); // the help frame never shows

        // Pressing the check again refills the same values.
        click(w.button(16));
        QCOMPARE(w.row(l.checkQuotient), quotientDigits);
        QCOMPARE(w.row(l.checkProduct), productDigits);
        QCOMPARE(w.labels({9, l.sumRemainderLabel, 13}), sum);
    }

    void chainShowsOneButtonAtATime_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("divisorTyping"); // box=digit:step buttons then shown
        QTest::addColumn<QString>("dividend");
        // One digit: the divisor alone shows step 1 at once.
        QTest::newRow("Form1") << "Form1" << "6=7:1" << "523";
        QTest::newRow("Form2") << "Form2" << "6=7:1" << "5238";
        QTest::newRow("Form3") << "Form3" << "6=7:1" << "52386";
        // Two digits: the units box plays no part, the tens box shows step 1.
        QTest::newRow("Form5") << "Form5" << "6=6:0 1=5:1" << "847";
        QTest::newRow("Form6") << "Form6" << "6=6:0 1=5:1" << "7391";
        QTest::newRow("Form7") << "Form7" << "6=6:0 1=5:1" << "73915";
        // Three digits: the hundreds digit alone shows step 1.
        QTest::newRow("Form8") << "Form8" << "38=3:1 1=4:1 6=7:1" << "5278";
        QTest::newRow("Form9") << "Form9" << "38=3:1 1=4:1 6=7:1" << "52781";
        QTest::newRow("Form10") << "Form10" << "38=3:1 1=4:1 6=7:1" << "527813";
    }
    void chainShowsOneButtonAtATime()
    {
        QFETCH(QString, form);
        QFETCH(QString, divisorTyping);
        QFETCH(QString, dividend);
        const Layout &l = layout(form);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        for (const auto &[box, typed] : edits(divisorTyping)) {
            formstest::type(w.box(box), typed.section(QLatin1Char(':'), 0, 0));
            const int buttons = typed.section(QLatin1Char(':'), 1).toInt();
            QCOMPARE(w.visibleStepButtons(), buttons);
            if (buttons)
                QVERIFY(shown(w.button(l.stepButtons.front())));
        }
        w.typeProblem(dividend, "");
        for (int k = 1; k <= l.steps(); ++k) {
            QCOMPARE(w.visibleStepButtons(), k);
            QVERIFY(shown(w.button(l.stepButtons[k - 1])));
            QVERIFY2(w.step(k), qPrintable(QString::number(k)));
        }
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.visibleStepButtons(), l.steps());
        // Steps 1 to 19 stand in step order down one column (step 2 on the
        // window, in the steps frame's column), each with its ordinal.
        for (int k = 1; k <= l.steps(); ++k) {
            auto *b = w.button(l.stepButtons[k - 1]);
            QCOMPARE(b->text(), stepCaption(k));
            if (k > 1 && k <= 19) {
                auto *a = w.button(l.stepButtons[k - 2]);
                QVERIFY(a->mapTo(w.form, QPoint()).y() < b->mapTo(w.form, QPoint()).y());
                QCOMPARE(a->mapTo(w.form, QPoint()).x(), b->mapTo(w.form, QPoint()).x());
            }
        }
        const std::pair<int, const char *> ordinals[] = {
            {2, "الثانية"}, {11, "الحادية عشرة"}, {12, "الثانية عشرة"}, {15, "الخامسة عشرة"}, {19, "التاسعة عشرة"}};
        for (const auto &[step, caption] : ordinals)
            if (step <= l.steps())
                QCOMPARE(w.button(l.stepButtons[step - 1])->text(), QString::fromUtf8(caption));
    }

    void entryGuards_data()
    {
        addFormColumn();
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<bool>("firstStepShown");
        QTest::newRow("Form1: 0 as leading dividend digit") << "Form1" << 5 << "0" << LeadZero << false;
        QTest::newRow("Form1: 0 in the middle") << "Form1" << 4 << "0" << "" << false;
        QTest::newRow("Form1: 0 as ones digit") << "Form1" << 3 << "0" << "" << false;
        QTest::newRow("Form1: 1 as divisor") << "Form1" << 6 << "1" << DivisorRefused << true;
        QTest::newRow("Form1: 0 as divisor") << "Form1" << 6 << "0" << DivisorRefused << true;
        QTest::newRow("Form1: 2 as divisor") << "Form1" << 6 << "2" << "" << true;
        QTest::newRow("Form1: 9 as divisor") << "Form1" << 6 << "9" << "" << true;
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
        QTest::newRow("Form5: 0 as divisor tens") << "Form5" << 1 << "0" << ZeroRefused << true;
        QTest::newRow("Form5: 1 as divisor tens") << "Form5" << 1 << "1" << "" << true;
        QTest::newRow("Form5: 9 as divisor tens") << "Form5" << 1 << "9" << "" << true;
        QTest::newRow("Form5: 0 as divisor units") << "Form5" << 6 << "0" << "" << false;
        QTest::newRow("Form5: 1 as divisor units") << "Form5" << 6 << "1" << "" << false;
        QTest::newRow("Form5: 0 as leading dividend digit") << "Form5" << 5 << "0" << LeadZero << false;
        QTest::newRow("Form5: 0 as middle digit") << "Form5" << 4 << "0" << "" << false;
        QTest::newRow("Form5: 0 as ones digit") << "Form5" << 3 << "0" << "" << false;
        QTest::newRow("Form6: 0 as divisor tens") << "Form6" << 1 << "0" << ZeroRefused << true;
        QTest::newRow("Form6: 0 as leading dividend digit") << "Form6" << 5 << "0" << LeadZero << false;
        QTest::newRow("Form6: 0 as ones digit") << "Form6" << 30 << "0" << "" << false;
        QTest::newRow("Form7: 0 as divisor tens") << "Form7" << 1 << "0" << ZeroRefused << true;
        QTest::newRow("Form7: 0 as divisor units") << "Form7" << 6 << "0" << "" << false;
        QTest::newRow("Form7: 0 as leading dividend digit") << "Form7" << 5 << "0" << LeadZero << false;
        QTest::newRow("Form7: 0 as tens digit") << "Form7" << 30 << "0" << "" << false;
        QTest::newRow("Form7: 0 as ones digit") << "Form7" << 40 << "0" << "" << false;
        for (const char *form : {"Form8", "Form9", "Form10"}) {
            const Layout &l = layout(QString::fromLatin1(form));
            auto row = [&](const char *what) -> QTestData & {
                return QTest::addRow("%s: %s", form, what) << l.name;
            };
            row("0 as divisor hundreds") << 38 << "0" << ZeroRefused << true;
            row("5 as divisor hundreds") << 38 << "5" << "" << true;
            row("0 as divisor tens") << 1 << "0" << "" << false;
            row("1 as divisor tens") << 1 << "1" << "" << false;
            row("0 as divisor units") << 6 << "0" << "" << false;
            row("1 as divisor units") << 6 << "1" << "" << false;
            row("0 as leading dividend digit") << 5 << "0" << LeadZero << false;
            row("0 as second dividend digit") << 4 << "0" << "" << false;
            row("0 as last dividend digit") << l.dividend.back() << "0" << "" << false;
        }
    }
    void entryGuards()
    {
        QFETCH(QString, form);
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, firstStepShown);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        typeIntoGuardedBox(w, catcher, box, typed, message, firstStepShown);
    }

    void guardsKeepWorkingAfterTheFirstSteps_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<int>("stepsDone");
        QTest::addColumn<QString>("retyped");    // box=text, in order
        QTest::addColumn<QStringList>("messages"); // one per retyped box; empty: the text stays
        QTest::newRow("Form1 divisor") << "Form1" << "847" << "4" << 1 << "6=0" << QStringList{DivisorRefused};
        QTest::newRow("Form2") << "Form2" << "98765" << "4" << 12 << "6=0 5=0" << QStringList{DivisorRefused, LeadZero};
        QTest::newRow("Form3") << "Form3" << "98765" << "4" << 12 << "6=0 5=0" << QStringList{DivisorRefused, LeadZero};
        // The divisor's units still take 0.
        QTest::newRow("Form6 divisor tens") << "Form6" << "7391" << "56" << 2 << "1=0 6=0"
                                            << QStringList{ZeroRefused, QString()};
        QTest::newRow("Form9") << "Form9" << "52781" << "347" << 1 << "38=0 5=0" << QStringList{ZeroRefused, LeadZero};
    }
    void guardsKeepWorkingAfterTheFirstSteps()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(int, stepsDone);
        QFETCH(QString, retyped);
        QFETCH(QStringList, messages);
        const Layout &l = layout(form);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workSteps(1, stepsDone));
        int refused = 0;
        const auto list = edits(retyped);
        for (int i = 0; i < list.size(); ++i) {
            const auto &[box, text] = list[i];
            retype(w.box(box), text);
            if (messages[i].isEmpty()) {
                QCOMPARE(catcher.count(), refused);
                QCOMPARE(w.box(box)->text(), text);
            } else {
                QCOMPARE(catcher.count(), ++refused);
                QCOMPARE(catcher.last().text, messages[i]);
                QCOMPARE(w.box(box)->text(), QString());
            }
        }
        QVERIFY(w.button(l.stepButtons.front())->visibleFlag());
        QCOMPARE(w.visibleStepButtons(), stepsDone + 1);
    }

    void stepOneRefusesAnIncompleteProblem_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("alsoTyped"); // box=text typed after the problem
        QTest::addColumn<int>("emptied");       // a box erased after typing, 0 for none
        QTest::addColumn<bool>("refilled");     // the emptied box filled again: step 1 works
        auto row = [](const char *name, const char *form, const char *dividend, const char *divisor) -> QTestData & {
            return QTest::addRow("%s %s", form, name) << form << dividend << divisor;
        };
        row("ones box empty", "Form1", "84", "4") << "" << 0 << false;
        row("divisor refused then left empty", "Form1", "847", "1") << "" << 0 << false;
        for (int n : {5, 4, 3, 2, 6})
            QTest::addRow("Form2 Text%d empty", n) << "Form2" << "9999" << "2" << "" << n << true;
        for (int n : {5, 4, 3, 2, 33, 6})
            QTest::addRow("Form3 Text%d empty", n) << "Form3" << "99999" << "2" << "" << n << true;
        row("ones box empty", "Form5", "84", "23") << "" << 0 << false;
        row("divisor units empty", "Form5", "847", "2") << "" << 0 << false;
        row("divisor tens refused", "Form5", "847", "05") << "" << 0 << false;
        row("fourth digit empty", "Form6", "739", "56") << "" << 0 << false;
        row("divisor tens refused", "Form6", "7391", "06") << "" << 0 << false;
        row("fifth digit empty", "Form7", "7391", "56") << "" << 0 << false;
        row("fourth digit empty", "Form7", "739", "56") << "40=5" << 0 << false;
        row("divisor tens refused", "Form7", "73915", "06") << "" << 0 << false;
        row("last dividend digit missing", "Form8", "527", "347") << "" << 0 << false;
        row("divisor units missing", "Form8", "5278", "34") << "" << 0 << false;
        row("divisor tens erased", "Form8", "5278", "347") << "" << 1 << false;
        row("hundreds refused", "Form8", "5278", "047") << "" << 0 << false;
        row("fifth digit missing", "Form9", "5278", "347") << "" << 0 << false;
        row("middle digit erased", "Form9", "52781", "347") << "" << 3 << false;
        row("sixth digit missing", "Form10", "52781", "347") << "" << 0 << false;
        row("leading digit refused", "Form10", "027813", "347") << "" << 0 << false;
    }
    void stepOneRefusesAnIncompleteProblem()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(QString, alsoTyped);
        QFETCH(int, emptied);
        QFETCH(bool, refilled);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        w.typeProblem(dividend, divisor);
        for (const auto &[box, text] : edits(alsoTyped))
            formstest::type(w.box(box), text);
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
        if (!refilled)
            return;
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
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<int>("stepsDone");
        QTest::newRow("Form1") << "Form1" << "847" << "4" << 10;
        QTest::newRow("Form2") << "Form2" << "9999" << "2" << 14;
        QTest::newRow("Form3") << "Form3" << "99999" << "2" << 18;
        QTest::newRow("Form5") << "Form5" << "847" << "56" << 10;
        QTest::newRow("Form6") << "Form6" << "7391" << "56" << 14;
        QTest::newRow("Form7") << "Form7" << "73915" << "56" << 18;
        QTest::newRow("Form8 after step 14") << "Form8" << "5278" << "347" << 14;
        QTest::newRow("Form9 after step 15") << "Form9" << "52781" << "347" << 15;
        QTest::newRow("Form9 after step 18") << "Form9" << "52781" << "347" << 18;
        QTest::newRow("Form10 after step 19") << "Form10" << "527813" << "347" << 19;
        QTest::newRow("Form10 after step 22") << "Form10" << "527813" << "347" << 22;
        QTest::newRow("Form10 before any step") << "Form10" << "527813" << "347" << 0;
    }
    void checkBeforeTheLastStepOnlyTellsThePupil()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(int, stepsDone);
        const Layout &l = layout(form);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workSteps(1, stepsDone));
        QVERIFY(!w.box(l.remainderUnits())->visibleFlag());
        const QStringList before = w.snapshot();
        click(w.button(16));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, NotDone);
        QCOMPARE(catcher.last().title, NoticeTitle);
        QCOMPARE(catcher.last().icon, QMessageBox::Information);
        QCOMPARE(catcher.last().buttons.size(), 1);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        QCOMPARE(w.label(4)->text(), QString());
        QCOMPARE(w.snapshot(), before);
        // Once the last step has run, the check works.
        QVERIFY(w.workSteps(stepsDone + 1, l.steps()));
        click(w.button(16));
        QCOMPARE(catcher.count(), 1);
        QVERIFY(shown(w.form->frame(3)));
    }

    void newProblemReturnsToTheDesignState_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QList<int>>("hiddenByCheck"); // check quotient boxes the short quotient hides
        QTest::addColumn<QString>("nextDividend");
        QTest::addColumn<QString>("nextDivisor");
        QTest::addColumn<QString>("nextQuotientRow");
        QTest::addColumn<QString>("nextQuotientDigits"); // the check's
        QTest::newRow("Form1") << "Form1" << "156" << "3" << QList<int>{23} << "847" << "4" << "2 1 1" << "2 1 1";
        QTest::newRow("Form2") << "Form2" << "1000" << "9" << QList<int>{31} << "9999" << "2" << "4 9 9 9"
                               << "4 9 9 9";
        QTest::newRow("Form3") << "Form3" << "10000" << "9" << QList<int>{39} << "99999" << "2" << "4 9 9 9 9"
                               << "4 9 9 9 9";
        QTest::newRow("Form5") << "Form5" << "100" << "99" << QList<int>{22, 23} << "100" << "99" << "0 0 1"
                               << "- - 1";
        QTest::newRow("Form6") << "Form6" << "3995" << "45" << QList<int>{23} << "3995" << "45" << "0 0 8 8"
                               << "- 8 8";
        QTest::newRow("Form7") << "Form7" << "39955" << "45" << QList<int>{38} << "39955" << "45" << "0 0 8 8 7"
                               << "- 8 8 7";
        QTest::newRow("Form8") << "Form8" << "1000" << "999" << QList<int>{22} << "9999" << "100" << "0 0 9 9"
                               << "9 9";
        QTest::newRow("Form9") << "Form9" << "10000" << "999" << QList<int>{53} << "99999" << "100" << "0 0 9 9 9"
                               << "9 9 9";
        QTest::newRow("Form10") << "Form10" << "100000" << "999" << QList<int>{65} << "527813" << "347"
                                << "0 0 1 5 2 1" << "1 5 2 1";
    }
    void newProblemReturnsToTheDesignState()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(QList<int>, hiddenByCheck);
        QFETCH(QString, nextDividend);
        QFETCH(QString, nextDivisor);
        QFETCH(QString, nextQuotientRow);
        QFETCH(QString, nextQuotientDigits);
        const Layout &l = layout(form);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        const QStringList design = w.snapshot();
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        click(w.button(16));
        for (int n : hiddenByCheck)
            QVERIFY(!w.box(n)->visibleFlag());

        click(w.button(15));
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.snapshot(), design); // every box empty, outputs and step buttons hidden
        for (int n : l.entries())
            QCOMPARE(w.box(n)->text(), QString());
        for (int n : l.outputs()) {
            QVERIFY2(!w.box(n)->visibleFlag(), qPrintable(QString::number(n)));
            QCOMPARE(w.box(n)->text(), QString());
        }
        QCOMPARE(w.visibleStepButtons(), 0);
        QVERIFY(!w.form->frame(3)->visibleFlag());
        if (l.helpFrame)
            QVERIFY(!w.form->frame(4)->visibleFlag());
        if (l.continuedFrame)
            QVERIFY(!w.form->frame(l.continuedFrame)->visibleFlag());
        for (int n : hiddenByCheck)
            QVERIFY(w.box(n)->visibleFlag());
        for (int n : l.checkBoxes()) {
            QVERIFY2(w.box(n)->visibleFlag(), qPrintable(QString::number(n)));
            QCOMPARE(w.box(n)->text(), QString());
        }
        for (int n : {4, 5, 7, 9, 13, l.sumRemainderLabel})
            QCOMPARE(w.label(n)->text(), QString());

        // A new problem works from the start, and its check shows every quotient digit.
        w.typeProblem(nextDividend, nextDivisor);
        QVERIFY(w.workAll());
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.row(l.quotientRow), nextQuotientRow);
        click(w.button(16));
        QCOMPARE(w.row(l.checkQuotient), nextQuotientDigits);
        QCOMPARE(w.label(13)->text(), nextDividend);
    }

    // A divisor that reads as 0 is never divided by: the step says so and
    // changes nothing, and step 1 refuses too.
    void anEmptiedDivisorIsNeverDividedBy_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("quotientBox");
        QTest::newRow("Form1 second quotient") << "Form1" << "847" << "4" << 5 << 11;
        QTest::newRow("Form2 step 13") << "Form2" << "98765" << "4" << 13 << 29;
        QTest::newRow("Form3 step 17") << "Form3" << "98765" << "4" << 17 << 35;
        QTest::newRow("Form5 second quotient") << "Form5" << "847" << "56" << 5 << 11;
        QTest::newRow("Form5 rebuilt third quotient") << "Form5" << "847" << "56" << 9 << 17;
        QTest::newRow("Form6 fourth quotient") << "Form6" << "7391" << "56" << 13 << 32;
        QTest::newRow("Form7 fifth quotient") << "Form7" << "73915" << "56" << 17 << 42;
        QTest::newRow("Form8 round 2") << "Form8" << "5278" << "347" << 5 << 11;
        QTest::newRow("Form8 round 3") << "Form8" << "5278" << "347" << 9 << 17;
        QTest::newRow("Form8 round 4") << "Form8" << "5278" << "347" << 13 << 32;
        QTest::newRow("Form9 round 5") << "Form9" << "52781" << "347" << 17 << 45;
        QTest::newRow("Form10 round 6") << "Form10" << "527813" << "347" << 21 << 57;
    }
    void anEmptiedDivisorIsNeverDividedBy()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(int, step);
        QFETCH(int, quotientBox);
        const Layout &l = layout(form);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workSteps(1, step - 1));
        for (int n : l.divisor)
            erase(w.box(n));
        QCOMPARE(catcher.count(), 0);
        const QStringList before = w.snapshot();
        QVERIFY(w.step(step));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, Missing);
        QCOMPARE(catcher.last().title, ErrorTitle);
        QCOMPARE(catcher.last().icon, QMessageBox::Critical);
        QCOMPARE(catcher.last().buttons.size(), 1);
        QCOMPARE(w.snapshot(), before);
        QVERIFY(!w.box(quotientBox)->visibleFlag());
        QCOMPARE(w.visibleStepButtons(), step);
        QVERIFY(w.step(1)); // step 1 refuses too
        QCOMPARE(catcher.count(), 2);
        QCOMPARE(catcher.last().text, Missing);
        QCOMPARE(w.snapshot(), before);
        QVERIFY(w.form->isVisible());

        // With the divisor typed again the same step goes on.
        w.typeProblem("", divisor);
        QVERIFY(w.step(step));
        QCOMPARE(catcher.count(), 2);
        QVERIFY(w.box(quotientBox)->visibleFlag());
        QCOMPARE(w.visibleStepButtons(), step + 1);
        QVERIFY(w.form->isVisible());
    }

    void secondCheckShowsALongerQuotient_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("firstDigits"); // the check's quotient boxes, highest first
        QTest::addColumn<QString>("retyped");     // box=text, in order
        QTest::addColumn<int>("refused");         // messages the retyping brings
        QTest::addColumn<QString>("secondDigits");
        QTest::addColumn<QString>("secondQuotient"); // Label4
        QTest::addColumn<QString>("secondDividend"); // Label13
        // A 1 typed as the divisor is refused; 456 / 2 = 228.
        QTest::newRow("Form1") << "Form1" << "156" << "3" << "- 5 2" << "6=1 6=2 5=4" << 1 << "2 2 8" << "228"
                               << "456";
        // 9000 / 9 = 1000, 90000 / 9 = 10000
        QTest::newRow("Form2") << "Form2" << "1000" << "9" << "- 1 1 1" << "5=9" << 0 << "1 0 0 0" << "1000"
                               << "9000";
        QTest::newRow("Form3") << "Form3" << "10000" << "9" << "- 1 1 1 1" << "5=9" << 0 << "1 0 0 0 0" << "10000"
                               << "90000";
        // Over 99, then over 10.
        QTest::newRow("Form5") << "Form5" << "100" << "99" << "- - 1" << "1=1 6=0" << 0 << "- 1 0" << "10" << "100";
        QTest::newRow("Form6") << "Form6" << "1000" << "99" << "- 1 0" << "1=1 6=0" << 0 << "1 0 0" << "100"
                               << "1000";
        QTest::newRow("Form7") << "Form7" << "10000" << "99" << "- 1 0 1" << "1=1 6=0" << 0 << "1 0 0 0" << "1000"
                               << "10000";
        // Over 999, then over 100.
        QTest::newRow("Form8") << "Form8" << "1000" << "999" << "- 1" << "38=1 1=0 6=0" << 0 << "1 0" << "10"
                               << "1000";
        QTest::newRow("Form9") << "Form9" << "10000" << "999" << "- 1 0" << "38=1 1=0 6=0" << 0 << "1 0 0" << "100"
                               << "10000";
        QTest::newRow("Form10") << "Form10" << "100000" << "999" << "- 1 0 0" << "38=1 1=0 6=0" << 0 << "1 0 0 0"
                                << "1000" << "100000";
    }
    void secondCheckShowsALongerQuotient()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(QString, firstDigits);
        QFETCH(QString, retyped);
        QFETCH(int, refused);
        QFETCH(QString, secondDigits);
        QFETCH(QString, secondQuotient);
        QFETCH(QString, secondDividend);
        const Layout &l = layout(form);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        click(w.button(16));
        QCOMPARE(w.row(l.checkQuotient), firstDigits);
        for (const auto &[box, text] : edits(retyped))
            retype(w.box(box), text);
        QVERIFY(w.workAll());
        click(w.button(16));
        QCOMPARE(catcher.count(), refused);
        QCOMPARE(w.row(l.checkQuotient), secondDigits);
        QCOMPARE(w.label(4)->text(), secondQuotient);
        QCOMPARE(w.label(13)->text(), secondDividend);
    }

    void outputBoxesNeverTakeTheCaret_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::newRow("Form1") << "Form1" << "847" << "4";
        QTest::newRow("Form5") << "Form5" << "989" << "99";
        QTest::newRow("Form6") << "Form6" << "3995" << "99";
        QTest::newRow("Form7") << "Form7" << "73915" << "99";
    }
    void outputBoxesNeverTakeTheCaret()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        WorksheetDriver w{openSheet(form)};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        for (int n : layout(form).outputs()) {
            if (!w.box(n)->visibleFlag())
                continue;
            QTest::mouseClick(w.box(n), Qt::LeftButton);
            QVERIFY2(!w.box(n)->hasFocus(), qPrintable(QString::number(n)));
            QCOMPARE(w.box(n)->focusPolicy(), Qt::NoFocus);
        }
    }

    // Tab walks the window in its own order from the control that has the
    // focus at start; hidden controls are passed over.
    void tabOrder_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend"); // empty: as the worksheet opens
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QList<int>>("clickOnly"); // boxes Tab passes over that still take a click
        QTest::newRow("Form2 at start")
            << "Form2" << "" << "" << false
            << "Command16 Command15 Text3 Command3 Command2 Command1 Text6 Text5 Text4 Text2 Command21" << QList<int>{};
        QTest::newRow("Form2 with every step shown")
            << "Form2" << "9999" << "2" << false
            << "Command16 Command15 Text3 Command5 Command14 Command13 Command12 Command11 Command10 Command9 "
               "Command8 Command7 Command6 Command4 Command3 Command2 Command1 Text6 Text5 Text4 Text2 Command17 "
               "Command18 Command19 Command20 Command21"
            << QList<int>{};
        QTest::newRow("Form3 at start")
            << "Form3" << "" << "" << false
            << "Text5 Text4 Text3 Text2 Text33 Text6 Command15 Command16 Command25 Command1 Command2 Command3"
            << QList<int>{};
        // With every control shown the check frame's quotient boxes are passed over.
        QTest::newRow("Form6") << "Form6" << "9999" << "10" << true
                               << "Text1 Command5 Command1 Command2 Command3 Text4 Text5 Text6 Command4 Command6 "
                                  "Command7 Command8 Command9 Command10 Command11 Command12 Command13 Command14 "
                                  "Text3 Command15 Command16 Text29 Text24 Text25 Text26 Text27 Command17 Text30 "
                                  "Command18 Command19 Command20 Command21 Text39 Text1"
                               << QList<int>{21};
        QTest::newRow("Form7") << "Form7" << "99999" << "10" << true
                               << "Text30 Command5 Command3 Command2 Command1 Command17 Text39 Text38 Text27 Text26 "
                                  "Text25 Text24 Text29 Command16 Command15 Text3 Command21 Command20 Command19 "
                                  "Command18 Command14 Command13 Command12 Command11 Command10 Command9 Command8 "
                                  "Command7 Command6 Command4 Text6 Text5 Text4 Text1 Command22 Command23 "
                                  "Command24 Command25 Text40 Text48 Text30"
                               << QList<int>{21};
    }
    void tabOrder()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(bool, checked);
        QFETCH(QString, order);
        QFETCH(QList<int>, clickOnly);
        const QStringList expected = order.split(QLatin1Char(' '));
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), expected.front());
        QWidget *first = QApplication::focusWidget();
        if (!dividend.isEmpty()) {
            w.typeProblem(dividend, divisor);
            QVERIFY(w.workAll());
            if (checked)
                click(w.button(16));
            first->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(QApplication::focusWidget(), first);
        }
        QStringList seen{first->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, expected);
        for (int n : clickOnly) {
            QTest::mouseClick(w.box(n), Qt::LeftButton);
            QVERIFY(w.box(n)->hasFocus());
        }
    }

    void sizeButtons_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("target"); // the worksheet itself: it stays as it is
        QTest::addColumn<int>("back");       // the target's size button back, 0 for none
        QTest::addColumn<bool>("withMenu");  // the menu and Form1 loaded beforehand
        QTest::addColumn<bool>("menuUnloaded");
        auto row = [](const char *form, int button, const char *target, int back = 0) -> QTestData & {
            const char *dividend = "", *divisor = "";
            for (const auto &p : Problems)
                if (qstrcmp(p[0], form) == 0)
                    dividend = p[1], divisor = p[2];
            return QTest::addRow("%s button %d to %s%s", form, button, target, back ? " and back" : "")
                   << form << dividend << divisor << button << target << back;
        };
        row("Form1", 1, "Form1") << false << false;
        row("Form1", 2, "Form2", 1) << false << false;
        row("Form2", 1, "Form1") << false << false;
        row("Form2", 2, "Form2") << false << false;
        row("Form2", 3, "Form3") << false << false;
        row("Form2", 3, "Form3", 2) << false << false;
        row("Form3", 1, "Form1") << false << false;
        row("Form3", 2, "Form2") << false << false;
        row("Form3", 3, "Form3") << false << false;
        row("Form3", 1, "Form1", 3) << false << false;
        // One-digit worksheets go; the longest dividend from the shortest unloads the menu too.
        row("Form5", 2, "Form6") << true << false;
        row("Form5", 3, "Form7") << true << true;
        row("Form6", 1, "Form5") << true << false;
        row("Form6", 3, "Form7") << true << false;
        row("Form7", 1, "Form5") << true << false;
        row("Form7", 2, "Form6") << true << false;
        row("Form5", 1, "Form5") << true << false;
        row("Form6", 2, "Form6") << true << false;
        row("Form7", 3, "Form7") << true << false;
        for (const char *form : {"Form8", "Form9", "Form10"}) {
            const int own = int(layout(QString::fromLatin1(form)).dividend.size()) - 3;
            row(form, 1, "Form8", own == 1 ? 0 : own) << false << false;
            row(form, 2, "Form9", own == 2 ? 0 : own) << false << false;
            row(form, 3, "Form10", own == 3 ? 0 : own) << false << false;
        }
    }
    void sizeButtons()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(int, button);
        QFETCH(QString, target);
        QFETCH(int, back);
        QFETCH(bool, withMenu);
        QFETCH(bool, menuUnloaded);
        if (withMenu) {
            forms::load<Form4>();
            QVERIFY(loadSheet(QStringLiteral("Form1")));
        }
        const Layout &l = layout(form);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.step(1));
        const QString typed = w.row(l.entries());
        const QString firstQuotient = w.box(7)->text();
        click(w.button(button));
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QCOMPARE(forms::instance<Form4>() == nullptr, !withMenu || menuUnloaded);
        for (const Layout &other : layouts())
            QCOMPARE(loaded(other.name), other.name == target);
        QCOMPARE(forms::loadedForms().size(), withMenu && !menuUnloaded ? 2 : 1);
        WorksheetDriver t{loadedSheet(target)};
        QVERIFY(t.form && t.form->isVisible());
        if (target == form) { // its own length: nothing changes
            QCOMPARE(t.form, w.form);
            QCOMPARE(t.row(l.entries()), typed);
            QCOMPARE(t.box(7)->text(), firstQuotient);
            QVERIFY(t.box(7)->visibleFlag());
            return;
        }
        QVERIFY(t.form->isMaximized());
        QCOMPARE(t.visibleStepButtons(), 0);
        for (int n : layout(target).entries())
            QCOMPARE(t.box(n)->text(), QString());
        QVERIFY(!t.box(7)->visibleFlag());
        if (!back)
            return;
        // Going back opens the first worksheet again, fresh.
        click(t.button(back));
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QCOMPARE(forms::loadedForms().size(), 1);
        QVERIFY(!loaded(target));
        WorksheetDriver again{loadedSheet(form)};
        QVERIFY(again.form && again.form->isVisible());
        for (int n : l.entries())
            QCOMPARE(again.box(n)->text(), QString());
        QVERIFY(!again.box(7)->visibleFlag());
        QCOMPARE(again.visibleStepButtons(), 0);
    }

    // Every step button and size button shown stands clear of the top line
    // of the frame it lies on, as the pupil sees the worked problem.
    void frameLinesPassAboveTheirButtons_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        for (const auto &p : Problems)
            QTest::newRow(p[0]) << p[0] << p[1] << p[2];
    }
    void frameLinesPassAboveTheirButtons()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        WorksheetDriver w{openSheet(form)};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workAll());
        // Drawn once the window has its maximized size.
        QTRY_VERIFY(w.form->rect().contains(w.form->frame(2)->geometry()));
        const QImage seen = w.form->grab().toImage();
        int checked = 0;
        for (forms::Frame *frame : w.form->findChildren<forms::Frame *>()) {
            if (!shown(frame))
                continue;
            const QRect f(frame->mapTo(w.form, QPoint()), frame->size());
            // The line where the frame's left side meets it, left of its buttons.
            const int x = f.left() + 4;
            int line = -1;
            for (int y = f.top() + 1; y <= f.bottom() && line < 0; ++y)
                if (seen.pixel(x, y) != seen.pixel(x, f.top()))
                    line = y;
            QVERIFY2(line > f.top(), qPrintable(frame->objectName()));
            for (forms::CommandButton *b : w.form->findChildren<forms::CommandButton *>()) {
                const QRect face(b->mapTo(w.form, QPoint()), b->size());
                if (!shown(b) || !face.intersects(f))
                    continue;
                QVERIFY2(face.left() > x, qPrintable(b->objectName()));
                QVERIFY2(line < face.top(), qPrintable(QStringLiteral("%1 \"%2\" at rows %3..%4, %5's line at row %6")
                                                           .arg(b->objectName(), b->text())
                                                           .arg(face.top()).arg(face.bottom())
                                                           .arg(frame->objectName()).arg(line)));
                ++checked;
            }
        }
        // The three size buttons and every step button.
        QCOMPARE(checked, 3 + w.stepCount());
    }

    void menuButtonGoesBackToTheMenu_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<int>("stepsDone");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("choice"); // the menu button pressed then, 0 for none
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Form2") << "Form2" << "98765" << "4" << 15 << true << 0 << "";
        QTest::newRow("Form3") << "Form3" << "98765" << "4" << 19 << true << 0 << "";
        // The two-digit choice opens Form5 empty, the three-digit one Form8.
        for (const char *form : {"Form5", "Form6", "Form7"})
            QTest::newRow(form) << form << "739" << "56" << 0 << false << 2 << "Form5";
        QTest::newRow("Form8") << "Form8" << "5278" << "347" << 1 << false << 3 << "Form8";
        QTest::newRow("Form9") << "Form9" << "52781" << "347" << 1 << false << 3 << "Form8";
        QTest::newRow("Form10") << "Form10" << "527813" << "347" << 1 << false << 3 << "Form8";
    }
    void menuButtonGoesBackToTheMenu()
    {
        QFETCH(QString, form);
        QFETCH(QString, dividend);
        QFETCH(QString, divisor);
        QFETCH(int, stepsDone);
        QFETCH(bool, checked);
        QFETCH(int, choice);
        QFETCH(QString, chosen);
        MessageCatcher catcher;
        WorksheetDriver w{openSheet(form)};
        w.typeProblem(dividend, divisor);
        QVERIFY(w.workSteps(1, stepsDone));
        if (checked)
            click(w.button(16));
        click(w.button(layout(form).menuButton));
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QVERIFY(!loaded(form));
        auto *menu = forms::instance<Form4>();
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(forms::loadedForms().size(), 1);
        if (!choice)
            return;
        click(control<QPushButton>(menu, QStringLiteral("Command%1").arg(choice)));
        WorksheetDriver again{loadedSheet(chosen)};
        QVERIFY(again.form && again.form->isVisible());
        QCOMPARE(again.box(5)->text(), QString());
        QCOMPARE(again.visibleStepButtons(), 0);
        QVERIFY(!forms::instance<Form4>());
        QCOMPARE(forms::loadedForms().size(), 1);
    }
};

QTEST_MAIN(WorksheetsTest)
#include "worksheets_test.moc"
