// The start card, the divisor-size menu and moving between worksheets.
#include <QApplication>
#include <QTest>

#include "corvane.h"
#include "forms/app.h"
#include "forms/tests/reset.h"
#include "forms/window.h"
#include "forms/tests/pixels.h"
#include "corvanemenu.h"
#include "corvanesplash.h"
#include "worksheet_driver.h"

using namespace corvane;
using namespace formstest;
using corvanetest::WorksheetDriver;
using corvanetest::loadedSheet;
using corvanetest::NoticeTitle;

namespace {
// Fails on any shown caption of a window whose digits are not drawn as Western ones.
void digitsWestern(QWidget *window)
{
    const QStringList foreign = formstest::foreignDigits(window);
    QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
}
} // namespace

class StartTest : public QObject {
    Q_OBJECT
private slots:
    // The program's own fonts and direction, as its executable starts.
    void initTestCase() { forms::initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Corvane")); }
    void init() { corvane::start(); }
    void cleanup() { formstest::resetAll(); }

    void startCardShowsItsTwoButtons()
    {
        auto *card = forms::instance<frmSplash>();
        QVERIFY(card && card->isVisible());
        QCOMPARE(loadedNames(), QStringList{"frmSplash"});
        QCOMPARE(card->size(), QSize(400, 299));
        QVERIFY(card->windowFlags() & Qt::FramelessWindowHint);
        auto *enter = control<QPushButton>(card, "Command1");
        auto *exit = control<QPushButton>(card, "Command2");
        QCOMPARE(enter->text(), QStringLiteral("دخول"));
        QCOMPARE(exit->text(), QStringLiteral("خروج"));
        QVERIFY(enter->geometry().x() > exit->geometry().x()); // enter on the right
        QApplication::setActiveWindow(card);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(enter));
    }

    void enterOpensTheMenu()
    {
        click(control<QPushButton>(forms::instance<frmSplash>(), "Command1"));
        QCOMPARE(loadedNames(), QStringList{"Form4"});
        auto *menu = forms::instance<Form4>();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(control<QGroupBox>(menu, "Frame1")->title(), QStringLiteral("إختر القسمة المطلوبة :"));
        QCOMPARE(control<QPushButton>(menu, "Command1")->text(), QStringLiteral("القسمة على عدد مكون من رقم"));
        QCOMPARE(control<QPushButton>(menu, "Command2")->text(), QStringLiteral("القسمة على عدد مكون من رقمين"));
        QCOMPARE(control<QPushButton>(menu, "Command3")->text(), QStringLiteral("القسمة على عدد مكون من 3 أرقام"));
        QVERIFY(!(menu->windowFlags() & Qt::WindowMinimizeButtonHint));
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
    }

    void exitAsksFirst()
    {
        MessageCatcher catcher;
        auto *card = forms::instance<frmSplash>();
        catcher.answerNext(QMessageBox::No);
        click(control<QPushButton>(card, "Command2"));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().text, QStringLiteral("هل تريد الخروج حقاً ؟"));
        QCOMPARE(catcher.last().title, NoticeTitle);
        QCOMPARE(catcher.last().icon, QMessageBox::Question);
        QCOMPARE(catcher.last().buttons.size(), 2);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QVERIFY(card->isVisible()); // No leaves the card as it was

        catcher.answerNext(QMessageBox::Yes);
        click(control<QPushButton>(card, "Command2"));
        QVERIFY(forms::programEnded());
    }

    void anyCharacterKeyEndsTheProgram_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("letter") << "a";
        QTest::newRow("Arabic letter") << QStringLiteral("ب");
        QTest::newRow("digit") << "5";
        QTest::newRow("blank") << " ";
    }
    void anyCharacterKeyEndsTheProgram()
    {
        QFETCH(QString, key);
        MessageCatcher catcher;
        auto *enter = control<QPushButton>(forms::instance<frmSplash>(), "Command1");
        QTest::sendKeyEvent(QTest::Click, enter, Qt::Key_unknown, key, Qt::NoModifier);
        QTRY_VERIFY(forms::programEnded());
        QCOMPARE(catcher.count(), 0); // no question
    }

    void tabMovesBetweenTheButtonsWithoutEnding()
    {
        auto *card = forms::instance<frmSplash>();
        auto *enter = control<QPushButton>(card, "Command1");
        QTest::keyClick(enter, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QVERIFY(card->isVisible());
    }

    void closingTheMenuEndsTheProgram()
    {
        click(control<QPushButton>(forms::instance<frmSplash>(), "Command1"));
        forms::instance<Form4>()->close();
        QTRY_VERIFY(forms::programEnded());
    }

    void menuOpensTheFirstWorksheetOfEachLength_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("one digit") << 1 << "Form1";
        QTest::newRow("two digits") << 2 << "Form5";
        QTest::newRow("three digits") << 3 << "Form8";
    }
    void menuOpensTheFirstWorksheetOfEachLength()
    {
        QFETCH(int, choice);
        QFETCH(QString, sheet);
        click(control<QPushButton>(forms::instance<frmSplash>(), "Command1"));
        click(control<QPushButton>(forms::instance<Form4>(), QStringLiteral("Command%1").arg(choice)));
        QCOMPARE(loadedNames(), QStringList{sheet});
        WorksheetDriver w{loadedSheet(sheet)};
        QVERIFY(w.form->isVisible());
        QVERIFY(w.form->isMaximized());
        QCOMPARE(w.visibleStepButtons(), 0);

        // Leave it with work done, come back: it starts empty again.
        w.typeProblem(QStringLiteral("9999"), QStringLiteral("999"));
        QCOMPARE(w.visibleStepButtons(), 1);
        click(w.button(w.form->sheetDef().menuButton));
        QCOMPARE(loadedNames(), QStringList{"Form4"});
        click(control<QPushButton>(forms::instance<Form4>(), QStringLiteral("Command%1").arg(choice)));
        WorksheetDriver again{loadedSheet(sheet)};
        QCOMPARE(again.visibleStepButtons(), 0);
        for (int n : again.form->sheetDef().dividendBoxes)
            QCOMPARE(again.box(n)->text(), QString());
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
    }

    void closingAWorksheetEndsTheProgram()
    {
        click(control<QPushButton>(forms::instance<frmSplash>(), "Command1"));
        click(control<QPushButton>(forms::instance<Form4>(), "Command1"));
        loadedSheet("Form1")->close();
        QTRY_VERIFY(forms::programEnded());
    }

    // The card, the menu and a worksheet with its problem draw every digit as a Western one.
    void digitsAreWesternOnEveryWindow_data() { menuOpensTheFirstWorksheetOfEachLength_data(); }
    void digitsAreWesternOnEveryWindow()
    {
        QFETCH(int, choice);
        QFETCH(QString, sheet);
        digitsWestern(forms::instance<frmSplash>());
        click(control<QPushButton>(forms::instance<frmSplash>(), "Command1"));
        digitsWestern(forms::instance<Form4>());
        click(control<QPushButton>(forms::instance<Form4>(), QStringLiteral("Command%1").arg(choice)));
        WorksheetDriver w{loadedSheet(sheet)};
        w.typeProblem(QStringLiteral("9999"), QStringLiteral("999"));
        digitsWestern(w.form);
    }

    // Every caption of the card, the menu and each worksheet, as first shown,
    // worked to the end and checked, is drawn whole, inside its window, at
    // 80% of its design size or more, with Western digits.
    void everyCaptionIsWholeInEachState_data()
    {
        QTest::addColumn<QString>("sheet");
        for (const corvanetest::Layout &l : corvanetest::layouts())
            QTest::newRow(qPrintable(l.name)) << l.name;
    }
    void everyCaptionIsWholeInEachState()
    {
        QFETCH(QString, sheet);
        const auto expectWhole = [](QWidget *window, const char *state) {
            const QStringList faults = formstest::captionFaults(window) + formstest::foreignDigits(window);
            QVERIFY2(faults.isEmpty(), qPrintable(window->objectName() + QLatin1Char(' ') + QLatin1String(state)
                                                  + QLatin1String(": ") + faults.join(QLatin1String("; "))));
        };
        expectWhole(forms::instance<frmSplash>(), "first shown");
        formstest::unloadAll();
        WorksheetDriver w{corvanetest::openSheet(sheet)};
        QVERIFY(w.form);
        expectWhole(w.form, "first shown");
        const Sheet &s = w.form->sheetDef();
        w.typeProblem(QStringLiteral("987654").left(int(s.dividendBoxes.size())),
                      QStringLiteral("734").left(int(s.divisorBoxes.size())));
        QVERIFY(w.workAll());
        expectWhole(w.form, "worked");
        click(w.button(s.checkButton));
        expectWhole(w.form, "checked");
    }

    void menuCaptionsAreWhole()
    {
        click(control<QPushButton>(forms::instance<frmSplash>(), "Command1"));
        const QStringList faults = formstest::captionFaults(forms::instance<Form4>());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
    }
};

QTEST_MAIN(StartTest)
#include "start_test.moc"
