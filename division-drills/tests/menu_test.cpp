// The start card, the suite menu with its program starts and about box, and
// the drill-mode menu.
#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QStyleHints>

#include "forms/geometry.h"
#include "halverytest.h"

using namespace halvery;
using namespace halverytest;
using formstest::click;
using formstest::loadedNames;
using formstest::MessageCatcher;

namespace {
QPushButton *button(QWidget *w, const char *name) { return control<QPushButton>(w, QLatin1String(name)); }
} // namespace

class MenuTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Pupil> pupil;

private slots:
    void init() { pupil = std::make_unique<Pupil>(); }
    void cleanup() { pupil.reset(); }

    void theCardGivesWayToTheMenuAfterThreeSeconds()
    {
        halvery::start();
        auto *card = forms::instance<Form1>();
        QVERIFY(card->isVisible());
        QVERIFY(card->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(card->size(), QSize(418, 458));
        QCOMPARE(caption(card, "Label2"), QStringLiteral("تمارين على عملية القسمة"));
        QTest::keyClick(card, Qt::Key_A); // keys do nothing on the card
        forms::testing::advance(2999);
        QCOMPARE(loadedNames(), QStringList{"Form1"});
        forms::testing::advance(1);
        auto *menu = forms::instance<Form7>();
        QVERIFY(menu && menu->isVisible());
        QVERIFY(!card->isVisible());
        QCOMPARE(menu->size(), QSize(800, 600));
        const QPoint off = menu->geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY(off.manhattanLength() <= 2); // centred on the screen
        QCOMPARE(menu->palette().color(QPalette::Window), QColor(Qt::black));
        forms::testing::advance(6000); // the card's timer ticked once
        QCOMPARE(loadedNames(), (QStringList{"Form1", "Form7"}));
        QVERIFY(!card->isVisible() && menu->isVisible());
    }

    // The list's green frame starts at its design top, 1560 twips: its
    // caption sits on the green, not on the chalkboard above it.
    void theListFrameIsGreenFromItsTop()
    {
        auto *menu = pupil->atSuiteMenu();
        auto *frame = control<QGroupBox>(menu, "Frame1");
        QCOMPARE(frame->geometry().top(), forms::twips(1560));
        const QImage seen = menu->grab().toImage();
        const QColor green(0x00, 0xC0, 0x00);
        // Above the border, which runs through the middle of the caption.
        const int aboveBorder = frame->fontMetrics().height() / 2 - 2;
        for (int y = frame->y(); y < frame->y() + aboveBorder; ++y)
            for (int x : {frame->x() + 2, frame->x() + 12, frame->x() + frame->width() / 4})
                QVERIFY2(seen.pixelColor(x, y) == green, qPrintable(QStringLiteral("not green at %1, %2").arg(x).arg(y)));
    }

    void theMenuShowsItsListWithTheFocusOnTheFirstButton()
    {
        auto *menu = pupil->atSuiteMenu();
        QCOMPARE(control<QGroupBox>(menu, "Frame1")->title(), QStringLiteral("اختر التمرين المناسب "));
        QCOMPARE(caption(menu, "Label1"), QStringLiteral("واجهة التمارين"));
        QCOMPARE(button(menu, "Command1")->text(), QStringLiteral("القسمة على 10-100-1000"));
        QCOMPARE(button(menu, "Command3")->text(), QStringLiteral("Tolbrin"));
        QCOMPARE(button(menu, "Command6")->text(), QStringLiteral("تمارين على Tolbrin"));
        QCOMPARE(button(menu, "Command7")->text(), QStringLiteral("تمارين على Tolbrin"));
        QCOMPARE(button(menu, "Command8")->text(), QStringLiteral("عن البرنامج"));
        QCOMPARE(caption(menu, "Label7"), QStringLiteral("خروج"));
        QCOMPARE(menu->focusWidget(), button(menu, "Command1"));
        QStringList chain;
        QWidget *w = button(menu, "Command1");
        for (int i = 0; i < 8; ++i, w = w->nextInFocusChain()) {
            while (!qobject_cast<QPushButton *>(w))
                w = w->nextInFocusChain();
            chain << w->objectName();
        }
        QCOMPARE(chain, (QStringList{"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                                     "Command7", "Command8"}));
    }

    void theFirstButtonOpensTheModeMenu()
    {
        auto *menu = pupil->atSuiteMenu();
        click(button(menu, "Command1"));
        QVERIFY(!menu->isVisible());
        QVERIFY(forms::instance<Form5>()->isVisible());
    }

    void keysOnTheMenu_data()
    {
        QTest::addColumn<bool>("buttonFocused");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("modeMenu");
        QTest::newRow("Esc on a focused button") << true << int(Qt::Key_Escape) << false << false;
        QTest::newRow("letter on a focused button") << true << int(Qt::Key_A) << false << false;
        QTest::newRow("Esc with no button focused") << false << int(Qt::Key_Escape) << true << false;
        QTest::newRow("letter with no button focused") << false << int(Qt::Key_A) << false << true;
    }
    void keysOnTheMenu()
    {
        QFETCH(bool, buttonFocused);
        QFETCH(int, key);
        QFETCH(bool, ends);
        QFETCH(bool, modeMenu);
        auto *menu = pupil->atSuiteMenu();
        QWidget *target = button(menu, "Command3");
        if (buttonFocused)
            target->setFocus();
        else {
            menu->focusWidget()->clearFocus();
            target = menu;
        }
        QTest::keyClick(target, Qt::Key(key), Qt::NoModifier);
        QCOMPARE(forms::programEnded(), ends);
        QCOMPARE(forms::instance<Form5>() != nullptr, modeMenu);
        if (!ends)
            QCOMPARE(menu->isVisible(), !modeMenu);
    }

    void theExitLabelEndsTheProgram()
    {
        clickLabel(pupil->atSuiteMenu(), "Label7");
        QVERIFY(forms::programEnded());
    }

    void closingFromOutside_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("start card") << "Form1";
        QTest::newRow("suite menu") << "Form7";
        QTest::newRow("mode menu") << "Form5";
    }
    void closingFromOutside()
    {
        QFETCH(QString, window);
        if (window == "Form1")
            halvery::start();
        else if (window == "Form7")
            pupil->atSuiteMenu();
        else
            pupil->atModeMenu();
        forms::Form *shown = formstest::loadedForm(window);
        QVERIFY(shown);
        shown->close();
        QCoreApplication::processEvents();
        QVERIFY(forms::programEnded());
    }

    void theAboutBoxStaysAboveUntilOk()
    {
        auto *menu = pupil->atSuiteMenu();
        click(button(menu, "Command8"));
        auto *about = forms::instance<Form12>();
        QVERIFY(about && about->isVisible());
        QVERIFY(about->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(about->size(), QSize(418, 478));
        QCOMPARE(button(about, "Command1")->text(), QStringLiteral("موافق"));
        QVERIFY(menu->isVisible()); // modeless: the menu stays and works
        click(button(menu, "Command8"));
        QCOMPARE(loadedNames().count("Form12"), 1);
        QVERIFY(about->isVisible());

        click(button(menu, "Command1")); // the menu hides, the box stays
        QVERIFY(!menu->isVisible());
        QVERIFY(about->isVisible());
        click(button(about, "Command1"));
        QVERIFY(!about->isVisible());
        QVERIFY(!forms::programEnded());
    }

    void closingTheAboutBoxHidesIt()
    {
        auto *menu = pupil->atSuiteMenu();
        click(button(menu, "Command8"));
        forms::instance<Form12>()->close();
        QCoreApplication::processEvents();
        QVERIFY(!forms::instance<Form12>()->isVisible());
        QVERIFY(menu->isVisible());
        QVERIFY(!forms::programEnded());
        click(button(menu, "Command8"));
        QVERIFY(forms::instance<Form12>()->isVisible());
    }

    void theListStartsTheTutorsBesideTheProgram_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("program");
        QTest::newRow("Command7") << "Command7" << "Corvane";
        QTest::newRow("Command6") << "Command6" << "Brandor";
    }
    void theListStartsTheTutorsBesideTheProgram()
    {
        QFETCH(QString, button);
        QFETCH(QString, program);
        MessageCatcher catcher;
        auto *menu = pupil->atSuiteMenu();
        auto *b = control<QPushButton>(menu, button);
        click(b);
        click(b);
        const QString path = forms::programFolder() + QStringLiteral("/zorurav/") + program;
        QCOMPARE(pupil->started, (QStringList{path, path}));
        QVERIFY(menu->isVisible());
        QCOMPARE(catcher.count(), 0);
    }

    // The started program's window may come up under the pointer before the
    // second click of a double click: that click still starts a second one,
    // and a later click goes to the new window.
    void aDoubleClickStartsTwoEvenUnderTheNewWindow()
    {
        auto *menu = pupil->atSuiteMenu();
        auto *b = control<QPushButton>(menu, "Command7");
        const QPoint at = b->mapToGlobal(b->rect().center());
        formstest::clickOnScreen(menu, at, 1000);
        QCOMPARE(pupil->started.size(), 1);
        QWidget newWindow;
        newWindow.setGeometry(QRect(at - QPoint(100, 100), QSize(200, 200)));
        newWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&newWindow));
        formstest::clickOnScreen(&newWindow, at, 150);
        QCOMPARE(pupil->started.size(), 2);
        QVERIFY(menu->isVisible());
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
        formstest::clickOnScreen(&newWindow, at, 1000);
        QCOMPARE(pupil->started.size(), 2);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    void aProgramThatCannotStartIsReported_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("realStart"); // the real start of a file that is not there
        QTest::newRow("Corvane refused") << "Command7" << "Corvane" << false;
        QTest::newRow("Brandor missing") << "Command6" << "Brandor" << true;
    }
    void aProgramThatCannotStartIsReported()
    {
        QFETCH(QString, button);
        QFETCH(QString, program);
        QFETCH(bool, realStart);
        MessageCatcher catcher;
        pupil->startWorks = false;
        if (realStart)
            forms::testing::setStartProgramHook(nullptr);
        auto *menu = pupil->atSuiteMenu();
        click(control<QPushButton>(menu, button));
        QCOMPARE(catcher.count(), 1);
        auto *first = control<QPushButton>(menu, "Command1");
        const QString path = forms::programFolder() + QStringLiteral("/zorurav/") + program;
        QCOMPARE(catcher.last().text, QStringLiteral("تعذر تشغيل البرنامج ") + program + "\n" + path);
        QCOMPARE(catcher.last().title, QStringLiteral("خطأ"));
        QCOMPARE(catcher.last().icon, QMessageBox::Critical);
        QCOMPARE(catcher.last().buttons.size(), 1);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QVERIFY(menu->isVisible());
        click(first); // still usable
        QVERIFY(forms::instance<Form5>()->isVisible());
    }

    void theModeMenuLightsTheOvalUnderThePointer_data()
    {
        QTest::addColumn<QString>("over");
        QTest::addColumn<QStringList>("lit");
        QTest::newRow("write") << "Label2" << QStringList{"Shape1", "Shape3"};
        QTest::newRow("choose") << "Label3" << QStringList{"Shape3"};
        QTest::newRow("judge") << "Label4" << QStringList{"Shape2", "Shape3"};
        QTest::newRow("title") << "Label1" << QStringList{"Shape1", "Shape3"};
        QTest::newRow("picture") << "Image1" << QStringList{};
    }
    void theModeMenuLightsTheOvalUnderThePointer()
    {
        QFETCH(QString, over);
        QFETCH(QStringList, lit);
        auto *menu = pupil->atModeMenu();
        auto litShapes = [&] {
            QStringList names;
            for (const char *s : {"Shape1", "Shape2", "Shape3"}) {
                auto *shape = control<forms::Shape>(menu, s);
                if (shape->borderWidth() != 6)
                    names << "border";
                if (shape->fillColor() == drills::ovalLitColor())
                    names << s;
                else if (shape->fillColor() != drills::ovalPlainColor())
                    names << "other colour";
            }
            return names;
        };
        QCOMPARE(litShapes(), QStringList{"Shape3"}); // as first shown
        moveOver(control<QWidget>(menu, over));
        QCOMPARE(litShapes(), lit);
        moveOver(control<QWidget>(menu, "Image1"));
        QCOMPARE(litShapes(), QStringList{});
        // Lit ovals stay lit while the menu is away.
        moveOver(control<QWidget>(menu, "Label4"));
        clickLabel(menu, "Label5");
        QVERIFY(forms::instance<Form7>()->isVisible());
        click(button(forms::instance<Form7>(), "Command1"));
        QCOMPARE(litShapes(), QStringList{"Shape2"});
    }

    void keysOnTheModeMenu_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << "" << true;
        QTest::newRow("letter") << int(Qt::Key_A) << "a" << false;
        QTest::newRow("Enter") << int(Qt::Key_Return) << "" << false;
        QTest::newRow("Arabic letter") << int(Qt::Key_unknown) << QStringLiteral("ب") << false;
    }
    void keysOnTheModeMenu()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, ends);
        auto *menu = pupil->atModeMenu();
        formstest::press(menu, Qt::Key(key), text);
        QCOMPARE(forms::programEnded(), ends);
        if (!ends) {
            QVERIFY(menu->isVisible()); // the key is ignored: the menu stays on screen
            QCOMPARE(loadedNames(), (QStringList{"Form1", "Form7", "Form5"}));
        }
    }

    void theModeMenuExitAndBack()
    {
        auto *menu = pupil->atModeMenu();
        QCOMPARE(caption(menu, "Label1"), QStringLiteral("القسمة على 10 و 100 و 1000"));
        clickLabel(menu, "Label5");
        QVERIFY(!menu->isVisible());
        QVERIFY(forms::instance<Form7>()->isVisible());
        click(button(forms::instance<Form7>(), "Command1"));
        QVERIFY(menu->isVisible());
        clickLabel(menu, "Label7");
        QVERIFY(forms::programEnded());
    }
};

QTEST_MAIN(MenuTest)
#include "menu_test.moc"
