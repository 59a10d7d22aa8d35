// The start card and the mode menu.
#include <QApplication>
#include <QStyleHints>
#include <QTest>

#include "drill_driver.h"
#include "forms/app.h"
#include "forms/timing.h"
#include "forms/tests/pixels.h"
#include "mirranemenu.h"
#include "mirrane.h"
#include "mirranesplash.h"

using namespace mirrane;
using namespace mirranetest;
using formstest::control;
using formstest::press;

namespace {
QStringList shownWindows()
{
    QStringList names;
    for (forms::Form *f : forms::loadedForms())
        if (f->isVisible())
            names << f->objectName();
    return names;
}

// The draws of the first question of the drill a menu label opens: the
// right-or-wrong drill's also draw what it shows.
drillstest::Draws firstQuestion(const QString &menuLabel)
{
    if (menuLabel == QLatin1String("Label4"))
        return drillstest::statement(1, 11, drillstest::Shown::Answer);
    return drillstest::question(1, 11);
}

Form5 *openMenu()
{
    mirrane::start();
    forms::testing::advance(3000);
    return forms::instance<Form5>();
}
} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void theCardOpensTheMenuAfter3000ms()
    {
        mirrane::start();
        auto *card = forms::instance<Form1>();
        QCOMPARE(shownWindows(), QStringList{"Form1"});
        QCOMPARE(card->size(), QSize(418, 458));
        QVERIFY(card->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(formstest::blankIcon(card->windowIcon()));
        QCOMPARE(caption(card, "Label2"), QStringLiteral("Mirrane"));
        QCOMPARE(caption(card, "Label3"), QStringLiteral("للصف السادس الابتدائي"));
        QCOMPARE(caption(card, "Label4"), QStringLiteral("الفصل الدراسي الأول"));

        // Keys on the card do nothing.
        for (Qt::Key key : {Qt::Key_A, Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape})
            press(card, key);
        forms::testing::advance(2999);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QCOMPARE(shownWindows(), QStringList{"Form1"});
        QVERIFY(!forms::instance<Form5>()); // the menu is not loaded before it is needed

        forms::testing::advance(1);
        QCOMPARE(shownWindows(), QStringList{"Form5"});
        QVERIFY(forms::instance<Form1>()); // hidden, still loaded
        QVERIFY(!control<forms::Timer>(card, "Timer1")->enabled());
        forms::testing::advance(6000);
        QCOMPARE(shownWindows(), QStringList{"Form5"});
    }

    void theMenuOpensEachDrill_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("drill");
        QTest::addColumn<QString>("back");
        QTest::newRow("write") << "Label2" << "Form2" << "Label7";
        QTest::newRow("choose") << "Label3" << "Form4" << "Label7";
        QTest::newRow("right or wrong") << "Label4" << "Form3" << "Label11";
    }
    void theMenuOpensEachDrill()
    {
        QFETCH(QString, label);
        QFETCH(QString, drill);
        QFETCH(QString, back);
        Form5 *menu = openMenu();
        forms::testing::scriptDraws(firstQuestion(label));
        clickLabel(menu, qPrintable(label));
        QCOMPARE(shownWindows(), QStringList{drill});
        forms::Form *w = forms::loadedForms().last();
        const QString question = caption(w, "Label2");
        QCOMPARE(caption(w, "Label6"), QStringLiteral("عدد الأسئلة :  1"));

        // Back to the menu and in again: the same question, loaded once.
        clickLabel(w, qPrintable(back));
        QCOMPARE(shownWindows(), QStringList{"Form5"});
        clickLabel(menu, qPrintable(label));
        QCOMPARE(shownWindows(), QStringList{drill});
        QCOMPARE(forms::loadedForms().last(), w);
        QCOMPARE(caption(w, "Label2"), question);
        QCOMPARE(caption(w, "Label6"), QStringLiteral("عدد الأسئلة :  1"));
    }

    // The drill's "الواجهة" lies over the menu's "خروج": the second click of a
    // double click on it must not end the program.
    void aDoubleClickOnTheReturnLabelKeepsTheDrill_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("back");
        QTest::addColumn<bool>("quick"); // the second press within the double-click interval
        for (bool quick : {true, false}) {
            const char *when = quick ? "double click" : "two clicks";
            QTest::addRow("write, %s", when) << "Label2" << "Label7" << quick;
            QTest::addRow("choose, %s", when) << "Label3" << "Label7" << quick;
            QTest::addRow("right or wrong, %s", when) << "Label4" << "Label11" << quick;
        }
    }
    void aDoubleClickOnTheReturnLabelKeepsTheDrill()
    {
        QFETCH(QString, label);
        QFETCH(QString, back);
        QFETCH(bool, quick);
        Form5 *menu = openMenu();
        forms::testing::scriptDraws(firstQuestion(label));
        clickLabel(menu, qPrintable(label));
        forms::Form *w = forms::loadedForms().last();
        const QString question = caption(w, "Label2");
        forms::Label *backLabel = mirranetest::label(w, qPrintable(back));
        // A point of the return label that the menu's "خروج" also covers.
        forms::Label *exitLabel = mirranetest::label(menu, "Label7");
        const QRect backRect(backLabel->mapToGlobal(QPoint(0, 0)), backLabel->size());
        const QRect exitRect(exitLabel->mapToGlobal(QPoint(0, 0)), exitLabel->size());
        QVERIFY(backRect.intersects(exitRect));
        const QPoint where = backRect.intersected(exitRect).center();

        const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        formstest::clickOnScreen(w, where, 2 * interval);
        QCOMPARE(shownWindows(), QStringList{"Form5"});
        QWidget *under = menu->childAt(menu->mapFromGlobal(where));
        QVERIFY(under);
        QCOMPARE(under->objectName(), QStringLiteral("Label7"));
        formstest::clickOnScreen(menu, where, quick ? interval / 2 : interval + 1);
        if (quick) {
            QVERIFY(!forms::programEnded());
            QCOMPARE(shownWindows(), QStringList{"Form5"});
            clickLabel(menu, qPrintable(label));
            QCOMPARE(forms::loadedForms().last(), w); // the same drill, its counts kept
            QCOMPARE(caption(w, "Label2"), question);
            QCOMPARE(caption(w, "Label6"), QStringLiteral("عدد الأسئلة :  1"));
            clickLabel(w, qPrintable(back));
            // A click after the interval works as always.
            formstest::clickOnScreen(menu, where, interval);
        }
        QVERIFY(forms::programEnded());
    }

    void exitEndsTheProgramWithEveryWindow_data()
    {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("خروج") << false;
        QTest::newRow("Esc") << true;
    }
    void exitEndsTheProgramWithEveryWindow()
    {
        QFETCH(bool, byEsc);
        Form5 *menu = openMenu();
        for (const char *l : {"Label2", "Label3", "Label4"}) {
            clickLabel(menu, l);
            clickLabel(forms::loadedForms().last(), forms::loadedForms().last()->objectName() == "Form3" ? "Label11"
                                                                                                          : "Label7");
        }
        QCOMPARE(forms::loadedForms().size(), 5);
        QCOMPARE(caption(menu, "Label7"), QStringLiteral("خروج"));
        if (byEsc)
            press(menu, Qt::Key_Escape);
        else
            clickLabel(menu, "Label7");
        QVERIFY(forms::programEnded());
        QVERIFY(forms::loadedForms().isEmpty());
    }

    void otherKeysLeaveTheMenuAsItWas()
    {
        Form5 *menu = openMenu();
        for (Qt::Key key : {Qt::Key_A, Qt::Key_Return, Qt::Key_Space, Qt::Key_1, Qt::Key_Tab})
            press(menu, key);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QCOMPARE(shownWindows(), QStringList{"Form5"});
    }

    void theMenuHasNoHover()
    {
        Form5 *menu = openMenu();
        auto *oval = control<forms::Shape>(menu, "Shape1");
        const QColor before = oval->fillColor();
        QTest::mouseMove(label(menu, "Label2"));
        QTest::mouseMove(label(menu, "Label1"));
        QCOMPARE(oval->fillColor(), before);
        QCOMPARE(oval->borderWidth(), 6);
        QVERIFY(!menu->findChild<forms::Label *>("Label5")); // no back label
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
