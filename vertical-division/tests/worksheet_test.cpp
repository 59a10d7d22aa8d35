// The two worksheets step by step, as a pupil types and clicks: worked
// problems, the digit-only entry, the divisor watch, the redirect to the
// two-digit worksheet, a new problem, and steps that cannot be worked.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "forms/app.h"
#include "forms/tests/reset.h"
#include "forms/timing.h"
#include "forms/window.h"
#include "pupil.h"

using namespace formstest;
using namespace tolbrintest;

namespace {
const QString FixedButtons3 = QStringLiteral("Command8 Command12 Command11 Command17");
const QString FixedButtons2 = QStringLiteral("Command8 Command12 Command11 Command13");
}

class WorksheetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { startProgramTests(); }
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void opensInItsDesignState_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QString>("background");
        QTest::newRow("Form3") << "Form3" << "Text3 Text2 Text1 Text23" << FixedButtons3 << "#ffff00";
        QTest::newRow("Form2") << "Form2" << "Text3 Text2 Text1" << FixedButtons2 << "#00ff00";
    }
    void opensInItsDesignState()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, entries);
        QFETCH(QString, fixed);
        QFETCH(QString, background);
        WorksheetDriver w{openFromMenu(sheet)};
        QVERIFY(w.form);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("برنامج القسمة الرأسية للمرحلة الابتدائية"));
        QCOMPARE(w.form->palette().color(QPalette::Window).name(), background);
        QCOMPARE(entryBoxes(w.form).join(QLatin1Char(' ')), entries);
        QCOMPARE(w.shownButtons().join(QLatin1Char(' ')), fixed);
        QTRY_VERIFY(w.box(QStringLiteral("Text3"))->hasFocus());
        // The focus goes divisor, then the dividend's digits leading first.
        for (const QString &next : entries.split(QLatin1Char(' ')).mid(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
        for (const tolbrin::BoxDef &b : w.form->sheetDef().boxes) {
            QCOMPARE(w.box(b.name)->isHidden(), b.kind != tolbrin::BoxKind::Entry);
            // Only entry boxes are cut to one character.
            QCOMPARE(w.box(b.name)->maxLength() == 1, b.kind == tolbrin::BoxKind::Entry);
        }
        // Numbers read left to right: divisor, then the leading digit.
        const QStringList e = entries.split(QLatin1Char(' '));
        for (int i = 1; i < e.size(); ++i)
            QVERIFY(w.box(e[i - 1])->x() < w.box(e[i])->x());
        QVERIFY(w.form->control(QStringLiteral("Line1"))->isVisible());
        QVERIFY(w.form->control(QStringLiteral("Line7"))->isVisible());
        QVERIFY(w.form->control(QStringLiteral("Line8"))->isHidden());
        QVERIFY(w.label(QStringLiteral("Label1"))->isHidden());
    }

    // Each row: the problem, how it is worked, then what the worksheet shows, row by row.
    void workedProblems_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<bool>("quick");       // by the quick solution, else by the steps
        QTest::addColumn<QString>("quotient"); // Text4 Text5 (Text26)
        QTest::addColumn<QString>("first");    // Text6 Text7 Text8
        QTest::addColumn<QString>("second");   // Text9 Text10 Text11 Text12 (Text24)
        QTest::addColumn<QString>("third");    // Text29 Text28 Text30 Text31
        struct Row {
            const char *name, *sheet, *divisor, *dividend;
            std::initializer_list<bool> modes;
            const char *quotient, *first, *second, *third;
        };
        const Row rows[] = {
            {"975 / 5", "Form3", "5", "975", {false, true}, "1 9 5", "5 4 7", "4 5 0 2 5", "2 5 0 0"},
            {"100 / 7", "Form3", "7", "100", {false, true}, "0 1 4", "0 1 0", "0 7 0 3 0", "2 8 0 2"},
            {"075 / 3", "Form3", "3", "075", {true}, "0 2 5", "0 0 7", "0 6 0 1 5", "1 5 0 0"},
            {"999 / 1", "Form3", "1", "999", {false}, "9 9 9", "9 0 9", "0 9 0 0 9", "0 9 0 0"},
            {"47 / 6", "Form2", "6", "47", {false, true}, "0 7", "0 4 7", "4 2 0 5", ""},
            {"05 / 5", "Form2", "5", "05", {false, true}, "0 1", "0 0 5", "0 5 0 0", ""},
            {"99 / 9", "Form2", "9", "99", {false}, "1 1", "9 0 9", "0 9 0 0", ""},
        };
        for (const Row &r : rows)
            for (bool quick : r.modes)
                QTest::addRow("%s %s %s", r.sheet, r.name, quick ? "by quick solution" : "by the steps")
                    << r.sheet << r.divisor << r.dividend << quick << r.quotient << r.first << r.second << r.third;
    }
    void workedProblems()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, divisor);
        QFETCH(QString, dividend);
        QFETCH(bool, quick);
        QFETCH(QString, quotient);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, third);
        MessageCatcher catcher;
        WorksheetDriver w{openFromMenu(sheet)};
        w.typeProblem(divisor, dividend);
        const bool three = sheet == QLatin1String("Form3");
        const auto &steps = w.form->sheetDef().steps;
        if (quick) {
            QVERIFY(w.press(QStringLiteral("Command9")));
            // The quick solution shows and hides no step button.
            for (size_t k = 1; k < steps.size(); ++k)
                QVERIFY(w.button(steps[k].button)->isHidden());
        } else {
            for (int k = 0; k < int(steps.size()); ++k) {
                QVERIFY2(w.press(steps[k].button), qPrintable(steps[k].button));
                // Every button so far stays, and the next one is offered.
                for (int j = 1; j <= k + 1 && j < int(steps.size()); ++j)
                    QVERIFY(w.button(steps[j].button)->isVisible());
                if (k + 2 < int(steps.size()))
                    QVERIFY(w.button(steps[k + 2].button)->isHidden());
                QCOMPARE(w.button(QStringLiteral("Command10"))->isVisible(), k + 1 == int(steps.size()));
            }
            QCOMPARE(w.shownButtons().size(), int(w.form->sheetDef().buttons.size())); // every button
        }
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.row(three ? "Text4 Text5 Text26" : "Text4 Text5"), quotient);
        QCOMPARE(w.row("Text6 Text7 Text8"), first);
        QCOMPARE(w.row(three ? "Text9 Text10 Text11 Text12 Text24" : "Text9 Text10 Text11 Text12"), second);
        if (three)
            QCOMPARE(w.row("Text29 Text28 Text30 Text31"), third);
        QVERIFY(w.button(QStringLiteral("Command10"))->isVisible());
        QCOMPARE(w.row("Label1 Label2 Label3 Label4"),
                 QStringLiteral("خارج القسمة الباقي المقسوم عليه المقسوم"));
    }

    void typedKeys_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::newRow("digit") << "" << 0 << "7" << "7";
        QTest::newRow("second digit") << "7" << 0 << "8" << "7";
        QTest::newRow("letter") << "" << 0 << "a" << "";
        QTest::newRow("Arabic letter") << "" << 0 << QString(QChar(0x0628)) << "";
        QTest::newRow("minus sign") << "" << 0 << "-" << "";
        QTest::newRow("plus sign") << "" << 0 << "+" << "";
        QTest::newRow("blank") << "" << 0 << " " << "";
        QTest::newRow("Arabic-Indic digit") << "" << 0 << QString(QChar(0x0663)) << "";
        QTest::newRow("Backspace") << "4" << int(Qt::Key_Backspace) << "" << "4";
        QTest::newRow("Enter") << "4" << int(Qt::Key_Return) << "" << "4";
        QTest::newRow("Delete empties") << "4" << int(Qt::Key_Delete) << "" << "";
    }
    void typedKeys()
    {
        QFETCH(QString, before);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, after);
        for (const QString &sheet : {QStringLiteral("Form3"), QStringLiteral("Form2")}) {
            WorksheetDriver w{openFromMenu(sheet)};
            for (const QString &name : entryBoxes(w.form)) {
                forms::TextBox *b = w.box(name);
                type(b, before);
                if (key) {
                    QTest::keyClick(b, key == Qt::Key_Delete ? Qt::Key_Home : Qt::Key_End);
                    QTest::keyClick(b, Qt::Key(key));
                } else {
                    type(b, text);
                }
                QCOMPARE(b->text(), after);
            }
            formstest::unloadAll();
        }
    }

    void pastedTextKeepsToTheDigits_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("after");
        QTest::newRow("letter") << "a" << "";
        QTest::newRow("digit then letter") << "4a" << "";
        QTest::newRow("minus and digit") << "-4" << "";
        QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0665)) << "";
        QTest::newRow("digit") << "4" << "4";
        QTest::newRow("two digits") << "45" << "4";
    }
    void pastedTextKeepsToTheDigits()
    {
        QFETCH(QString, clip);
        QFETCH(QString, after);
        WorksheetDriver w{openFromMenu(QStringLiteral("Form3"))};
        QApplication::clipboard()->setText(clip);
        forms::TextBox *hundreds = w.box(QStringLiteral("Text2"));
        hundreds->setFocus();
        QTest::keyClick(hundreds, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(hundreds->text(), after);
        forms::TextBox *divisor = w.box(QStringLiteral("Text3"));
        divisor->setFocus();
        QTest::keyClick(divisor, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(divisor->text(), after);
        QCOMPARE(w.button(QStringLiteral("Command1"))->isVisible(), !after.isEmpty());
    }

    void divisorWatchOffersTheFirstStepForADivisorOf1To9()
    {
        WorksheetDriver w{openFromMenu(QStringLiteral("Form3"))};
        forms::TextBox *divisor = w.box(QStringLiteral("Text3"));
        auto offered = [&] {
            const bool a = w.button(QStringLiteral("Command1"))->isVisible();
            const bool b = w.button(QStringLiteral("Command9"))->isVisible();
            return a && b ? 1 : !a && !b ? 0 : -1;
        };
        type(divisor, QStringLiteral("4"));
        QCOMPARE(offered(), 1);
        divisor->setFocus();
        QTest::keyClick(divisor, Qt::Key_End);
        QTest::keyClick(divisor, Qt::Key_Backspace); // dropped
        QCOMPARE(offered(), 1);
        QTest::keyClick(divisor, Qt::Key_Home);
        QTest::keyClick(divisor, Qt::Key_Delete);
        QCOMPARE(offered(), 0);
        type(divisor, QStringLiteral("0"));
        QCOMPARE(offered(), 0);
        erase(divisor);
        type(divisor, QStringLiteral("1"));
        QCOMPARE(offered(), 1);
        // The other boxes do not offer it.
        erase(divisor);
        w.typeProblem(QStringLiteral(" "), QStringLiteral("975"));
        QCOMPARE(offered(), 0);
    }

    void stepThreeAgainUsesTheNewDigitAndTheOldProduct()
    {
        WorksheetDriver w{openFromMenu(QStringLiteral("Form3"))};
        w.typeProblem(QStringLiteral("5"), QStringLiteral("975"));
        for (const char *b : {"Command1", "Command2", "Command3"})
            QVERIFY(w.press(QLatin1String(b)));
        QCOMPARE(w.row("Text4 Text6 Text7"), QStringLiteral("1 5 4"));
        retypeHundreds(w, QStringLiteral("8"));
        QVERIFY(w.press(QStringLiteral("Command3")));
        QCOMPARE(w.row("Text4 Text6 Text7"), QStringLiteral("1 5 3"));
        retypeHundreds(w, QStringLiteral("2"));
        QVERIFY(w.press(QStringLiteral("Command3")));
        QCOMPARE(w.row("Text7"), QStringLiteral("-3")); // an output box holds the whole number
    }

    void redirectToTheTwoDigitWorksheet_data()
    {
        QTest::addColumn<QString>("dividend");
        QTest::newRow("units box empty") << "97 ";
        QTest::newRow("hundreds box empty") << " 75";
        QTest::newRow("hundreds digit 0") << "075";
        QTest::newRow("only the divisor") << "   ";
    }
    void redirectToTheTwoDigitWorksheet()
    {
        QFETCH(QString, dividend);
        MessageCatcher catcher;
        WorksheetDriver w{openFromMenu(QStringLiteral("Form3"))};
        w.typeProblem(QStringLiteral("3"), dividend);
        QVERIFY(w.press(QStringLiteral("Command1")));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, RedirectText);
        QCOMPARE(catcher.last().title, QStringLiteral("Tolbrin"));
        QCOMPARE(catcher.last().icon, QMessageBox::NoIcon);
        QCOMPARE(catcher.last().buttons.size(), 1);
        QCoreApplication::processEvents();
        QVERIFY(!loadedSheet(QStringLiteral("Form3")));
        WorksheetDriver two{loadedSheet(QStringLiteral("Form2"))};
        QVERIFY(two.form && two.form->isVisible());
        QCOMPARE(two.row("Text3 Text2 Text1"), QStringLiteral("  "));
        QCOMPARE(two.shownButtons().join(QLatin1Char(' ')), FixedButtons2);
        QVERIFY(!forms::programEnded());
    }

    void anEmptyTensBoxIsWorkedWithoutRedirect()
    {
        MessageCatcher catcher;
        WorksheetDriver w{openFromMenu(QStringLiteral("Form3"))};
        w.typeProblem(QStringLiteral("4"), QStringLiteral("9 5"));
        QVERIFY(w.press(QStringLiteral("Command1")));
        QCOMPARE(catcher.count(), 0);
        QCOMPARE(w.row("Text4"), QStringLiteral("2"));
    }

    void newProblemAfterTheLastStepLeavesTheEmptyWorksheet_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("Form3") << "Form3" << "975" << FixedButtons3;
        QTest::newRow("Form2") << "Form2" << "47" << FixedButtons2;
    }
    void newProblemAfterTheLastStepLeavesTheEmptyWorksheet()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, dividend);
        QFETCH(QString, fixed);
        WorksheetDriver w{openFromMenu(sheet)};
        w.typeProblem(QStringLiteral("6"), dividend);
        QVERIFY(w.workAll());
        QVERIFY(w.press(QStringLiteral("Command10")));
        w.box(QStringLiteral("Text2"))->setFocus();
        QWidget *focus = w.form->focusWidget();
        w.button(QStringLiteral("Command8"))->click();
        QCOMPARE(w.shownButtons().join(QLatin1Char(' ')), fixed);
        for (const tolbrin::BoxDef &b : w.form->sheetDef().boxes) {
            QCOMPARE(w.box(b.name)->isHidden(), b.kind != tolbrin::BoxKind::Entry);
            if (b.kind == tolbrin::BoxKind::Entry || b.kind == tolbrin::BoxKind::Value)
                QCOMPARE(w.box(b.name)->text(), QString());
        }
        for (const tolbrin::LabelDef &l : w.form->sheetDef().labels)
            QVERIFY2(w.label(l.name)->isHidden(), qPrintable(l.name));
        for (const tolbrin::LineDef &l : w.form->sheetDef().lines)
            QCOMPARE(w.form->control(l.name)->isHidden(), l.hidden);
        QCOMPARE(w.form->focusWidget(), focus); // the focus is not moved
        // The worksheet works again from the start.
        w.typeProblem(QStringLiteral("5"), sheet == QLatin1String("Form3") ? QStringLiteral("975") : QStringLiteral("05"));
        QVERIFY(w.workAll());
    }

    // A step whose boxes hold no whole number, or which would divide by 0,
    // shows and writes nothing and offers no next button; the program runs on.
    void aStepThatCannotBeWorkedIsRefused_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<int>("stepsBefore");
        QTest::addColumn<QString>("divisorThen"); // "" emptied, or the new digit
        QTest::addColumn<int>("refused");         // the step refused, 1-based
        QTest::newRow("Form3 tens box empty at step 5") << "Form3" << "9 5" << 4 << "keep" << 5;
        QTest::newRow("Form3 divisor emptied after step 1") << "Form3" << "975" << 1 << "" << 2;
        QTest::newRow("Form3 divisor 0 at step 5") << "Form3" << "975" << 4 << "0" << 5;
        QTest::newRow("Form3 divisor 0 at step 9") << "Form3" << "975" << 8 << "0" << 9;
        QTest::newRow("Form2 units box empty at step 5") << "Form2" << "4 " << 4 << "keep" << 5;
        QTest::newRow("Form2 divisor 0 at step 5") << "Form2" << "47" << 4 << "0" << 5;
        QTest::newRow("Form2 divisor emptied at step 2") << "Form2" << "47" << 1 << "" << 2;
    }
    void aStepThatCannotBeWorkedIsRefused()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, dividend);
        QFETCH(int, stepsBefore);
        QFETCH(QString, divisorThen);
        QFETCH(int, refused);
        MessageCatcher catcher;
        WorksheetDriver w{openFromMenu(sheet)};
        w.typeProblem(QStringLiteral("5"), dividend);
        const auto &steps = w.form->sheetDef().steps;
        for (int k = 0; k < stepsBefore; ++k)
            QVERIFY(w.press(steps[k].button));
        if (divisorThen != QLatin1String("keep")) {
            erase(w.box(QStringLiteral("Text3")));
            type(w.box(QStringLiteral("Text3")), divisorThen);
        }
        const tolbrin::Step &step = steps[refused - 1];
        QVERIFY(w.press(step.button));
        for (const QString &b : step.shows)
            QVERIFY2(w.box(b)->isHidden(), qPrintable(b));
        for (const QString &n : step.thenShows)
            QVERIFY2(w.form->control(n)->isHidden(), qPrintable(n));
        QCOMPARE(catcher.count(), 0);
        QVERIFY(!forms::programEnded());
        QVERIFY(w.form->isVisible());
        // Once the box holds a digit again the step goes on.
        erase(w.box(QStringLiteral("Text3")));
        type(w.box(QStringLiteral("Text3")), QStringLiteral("5"));
        for (const QString &name : entryBoxes(w.form))
            if (w.box(name)->text().isEmpty())
                type(w.box(name), QStringLiteral("1"));
        for (int k = 0; k < refused; ++k)
            QVERIFY(w.press(steps[k].button));
        for (const QString &b : step.shows)
            QVERIFY2(w.box(b)->isVisible(), qPrintable(b));
    }

private:
    static void retypeHundreds(const WorksheetDriver &w, const QString &digit)
    {
        erase(w.box(QStringLiteral("Text2")));
        type(w.box(QStringLiteral("Text2")), digit);
    }
};

QTEST_MAIN(WorksheetTest)
#include "worksheet_test.moc"
