// The round menu and about window, moving between windows, the worksheets'
// full-screen placement and the program's end.
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "forms/app.h"
#include "forms/geometry.h"
#include "forms/timing.h"
#include "forms/window.h"
#include "tolbrinmenu.h"
#include "pupil.h"
#include "tolbrin.h"

using namespace formstest;
using namespace tolbrintest;
using tolbrin::Form1;
using tolbrin::Form4;

namespace {
QPushButton *buttonOf(QWidget *w, const char *name) { return w->findChild<QPushButton *>(QLatin1String(name)); }

// The circle of the round windows, in pixels from the window's corner.
void checkRound(forms::Form *w)
{
    const QRegion region = w->windowHandle() ? w->windowHandle()->mask() : QRegion();
    QCOMPARE(w->mask(), region);
    QVERIFY(region.contains(QPoint(250, 250)));
    QVERIFY(region.contains(QPoint(250, 103)));
    QVERIFY(region.contains(QPoint(103, 250)));
    QVERIFY(!region.contains(QPoint(110, 110))); // corner of the bounding square
    QVERIFY(!region.contains(QPoint(10, 10)));   // the window's own corner
    QVERIFY(!region.contains(QPoint(402, 250)));
    QVERIFY(!region.contains(QPoint(600, 400)));
    // Its buttons lie wholly inside.
    for (QPushButton *b : w->findChildren<QPushButton *>()) {
        const QRect r = b->geometry();
        for (QPoint p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            QVERIFY2(region.contains(p), qPrintable(b->objectName()));
    }
}
} // namespace

namespace {
// Fails on any shown caption of a window whose digits are not drawn as Western ones.
void digitsWestern(QWidget *window)
{
    const QStringList foreign = formstest::foreignDigits(window);
    QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
}
} // namespace

class MenuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { startProgramTests(); }
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void startsOnTheRoundMenu()
    {
        tolbrin::start();
        QCOMPARE(forms::loadedForms().size(), 1);
        auto *menu = forms::instance<Form1>();
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->objectName(), QStringLiteral("Form1"));
        QCOMPARE(menu->geometry(), QRect(forms::twips(1995), forms::twips(690), forms::twips(12000), forms::twips(7695)));
        QVERIFY(menu->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(menu->windowFlags() & Qt::Tool, Qt::Tool); // no taskbar button
        QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(menu->palette().color(QPalette::Window).name(), QStringLiteral("#ff80ff"));
        QCOMPARE(buttonOf(menu, "Command1")->text(), QStringLiteral("قسمة رقمين على رقم"));
        QCOMPARE(buttonOf(menu, "Command2")->text(), QStringLiteral("قسمة ثلاثة أرقام على رقم"));
        checkRound(menu);
    }

    void aMenuButtonOpensItsWorksheet_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("two digits") << "Command1" << "Form2";
        QTest::newRow("three digits") << "Command2" << "Form3";
    }
    void aMenuButtonOpensItsWorksheet()
    {
        QFETCH(QString, button);
        QFETCH(QString, sheet);
        tolbrin::start();
        click(buttonOf(forms::instance<Form1>(), qPrintable(button)));
        QCoreApplication::processEvents();
        QVERIFY(!forms::instance<Form1>());
        QCOMPARE(forms::loadedForms().size(), 1);
        auto *w = loadedSheet(sheet);
        QVERIFY(w && w->isVisible());
        // Spread over the whole screen, caption bar and border kept, not maximized.
        QCOMPARE(w->frameGeometry(), QGuiApplication::primaryScreen()->geometry());
        QVERIFY(!w->isMaximized() && !w->isFullScreen());
        QVERIFY(!(w->windowFlags() & (Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)));
        QVERIFY(!forms::programEnded());
    }

    void theReturnShowsAFreshRoundMenu_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("back");
        QTest::newRow("Form2") << "Form2" << "Command13";
        QTest::newRow("Form3") << "Form3" << "Command17";
    }
    void theReturnShowsAFreshRoundMenu()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, back);
        for (int round = 0; round < 2; ++round) {
            WorksheetDriver w{openFromMenu(sheet)};
            w.typeProblem(QStringLiteral("5"), QStringLiteral("975"));
            QVERIFY(w.press(back));
            QCoreApplication::processEvents();
            QVERIFY(!loadedSheet(sheet));
            auto *menu = forms::instance<Form1>();
            QVERIFY(menu && menu->isVisible());
            checkRound(menu);
            QCOMPARE(menu->geometry().topLeft(), QPoint(forms::twips(1995), forms::twips(690)));
        }
        // Both buttons work after a return.
        auto *again = openFromMenu(QStringLiteral("Form3"));
        QVERIFY(again);
        QVERIFY(WorksheetDriver{again}.press(QStringLiteral("Command17")));
        QVERIFY(openFromMenu(QStringLiteral("Form2")));
    }

    void oneAboutWindowAtATime()
    {
        WorksheetDriver w{openFromMenu(QStringLiteral("Form3"))};
        QVERIFY(w.press(QStringLiteral("Command12")));
        auto *about = forms::instance<Form4>();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("Form2"));
        QCOMPARE(about->geometry().topLeft(), QPoint(forms::twips(1995), forms::twips(930)));
        QCOMPARE(about->palette().color(QPalette::Window).name(), QStringLiteral("#00ffff"));
        checkRound(about);
        QVERIFY(w.form->isVisible()); // the worksheet stays shown and usable
        w.typeProblem(QStringLiteral("4"), QString());
        QVERIFY(w.button(QStringLiteral("Command1"))->isVisible());
        QVERIFY(w.press(QStringLiteral("Command12")));
        QCOMPARE(forms::instance<Form4>(), about);
        int abouts = 0;
        for (QWidget *t : QApplication::topLevelWidgets())
            abouts += t->objectName() == QLatin1String("Form4") && t->isVisible();
        QCOMPARE(abouts, 1);
        QTRY_VERIFY(about->isActiveWindow()); // brought forward
        QPushButton *done = buttonOf(about, "Command1");
        QCOMPARE(done->text(), QStringLiteral("الحمد لله"));
        click(done);
        QVERIFY(!forms::instance<Form4>());
        QVERIFY(w.form->isVisible());
        QVERIFY(w.press(QStringLiteral("Command12")));
        QVERIFY(forms::instance<Form4>());
    }

    void exitEndsTheProgramAtOnceWithoutAQuestion_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::newRow("Form2") << "Form2";
        QTest::newRow("Form3") << "Form3";
    }
    void exitEndsTheProgramAtOnceWithoutAQuestion()
    {
        QFETCH(QString, sheet);
        MessageCatcher catcher;
        WorksheetDriver w{openFromMenu(sheet)};
        QVERIFY(w.press(QStringLiteral("Command12")));
        QVERIFY(w.press(QStringLiteral("Command11")));
        QVERIFY(forms::programEnded());
        QVERIFY(forms::loadedForms().isEmpty());
        QCOMPARE(catcher.count(), 0);
    }

    void closingTheLastWindowEndsTheProgram()
    {
        WorksheetDriver w{openFromMenu(QStringLiteral("Form3"))};
        QVERIFY(w.press(QStringLiteral("Command12")));
        w.form->close(); // the close box unloads the worksheet
        QCoreApplication::processEvents();
        QVERIFY(!loadedSheet(QStringLiteral("Form3")));
        QVERIFY(!forms::programEnded()); // the about window is still loaded
        click(buttonOf(forms::instance<Form4>(), "Command1"));
        QTRY_VERIFY(forms::programEnded());
    }

    void aCloseRequestOnTheMenuEndsTheProgram()
    {
        tolbrin::start();
        forms::instance<Form1>()->close(); // Alt+F4
        QTRY_VERIFY(forms::programEnded());
    }

    // The round menu, a worksheet with a problem solved and the about window draw every digit as a Western one.
    void digitsAreWesternOnEveryWindow_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("dividend");
        QTest::newRow("three digits") << "Form3" << "985";
        QTest::newRow("two digits") << "Form2" << "98";
    }
    void digitsAreWesternOnEveryWindow()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, dividend);
        tolbrin::start();
        digitsWestern(forms::instance<Form1>());
        WorksheetDriver w{openFromMenu(sheet)};
        w.typeProblem(QStringLiteral("7"), dividend);
        w.workAll();
        digitsWestern(w.form);
        QVERIFY(w.press(QStringLiteral("Command12")));
        digitsWestern(forms::instance<Form4>());
    }
};

QTEST_MAIN(MenuTest)
#include "menu_test.moc"
