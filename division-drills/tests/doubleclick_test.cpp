// A double click on "الواجهة": the first click shows the menu, the second
// lands where the menu has "خروج" (or, from the mode menu, where the suite
// menu has "عن البرنامج").
#include <QStyleHints>

#include "halverytest.h"

using namespace halvery;
using namespace halverytest;
using formstest::clickOnScreen;

class DoubleClickTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Pupil> pupil;

private slots:
    void init() { pupil = std::make_unique<Pupil>(); }
    void cleanup() { pupil.reset(); }

    void returnLabelTakesOneClickOfADoubleClick_data()
    {
        QTest::addColumn<QString>("modeLabel"); // the mode menu's label that opens the window; none: the mode menu
        QTest::addColumn<QString>("back");      // the window's return label
        QTest::addColumn<bool>("quick");        // the second press within the double-click interval
        for (bool quick : {true, false}) {
            const char *when = quick ? "double click" : "two clicks";
            QTest::addRow("write drill, %s", when) << "Label2" << "Label7" << quick;
            QTest::addRow("choose drill, %s", when) << "Label3" << "Label7" << quick;
            QTest::addRow("right or wrong drill, %s", when) << "Label4" << "Label11" << quick;
            QTest::addRow("mode menu, %s", when) << QString() << "Label5" << quick;
        }
    }
    void returnLabelTakesOneClickOfADoubleClick()
    {
        QFETCH(QString, modeLabel);
        QFETCH(QString, back);
        QFETCH(bool, quick);
        Form5 *modeMenu = pupil->atModeMenu();
        forms::Form *window = modeMenu;
        QString questions;
        if (!modeLabel.isEmpty()) {
            clickLabel(modeMenu, modeLabel.toLatin1().constData());
            window = qobject_cast<forms::Form *>(forms::loadedForms().last());
            QVERIFY(window && window != modeMenu && window->isVisible());
            questions = caption(window, "Label6");
        }
        forms::Form *menu = modeLabel.isEmpty() ? static_cast<forms::Form *>(forms::instance<Form7>()) : modeMenu;
        forms::Label *backLabel = label(window, back.toLatin1().constData());
        const QPoint where = backLabel->mapToGlobal(backLabel->rect().center());

        const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        clickOnScreen(window, where, 2 * interval);
        QVERIFY(menu->isVisible());
        QVERIFY(!window->isVisible());
        // The second press comes to the window now under the pointer.
        QWidget *under = menu->childAt(menu->mapFromGlobal(where));
        QVERIFY(under);
        const QString underName = under->objectName();
        QVERIFY2(underName == "Label7" || underName == "Command8", qPrintable(underName));
        clickOnScreen(menu, where, quick ? interval / 2 : interval + 1);

        if (quick) {
            QVERIFY(!forms::programEnded());
            QVERIFY(menu->isVisible());
            QVERIFY(!forms::instance<Form12>()); // no about box
            QVERIFY(forms::loadedForms().contains(window)); // the drill and its counts are kept
            if (!questions.isEmpty())
                QCOMPARE(caption(window, "Label6"), questions);
            // A click after the interval works as always.
            clickOnScreen(menu, where, interval);
        }
        if (underName == "Label7")
            QVERIFY(forms::programEnded());
        else
            QVERIFY(forms::instance<Form12>() && forms::instance<Form12>()->isVisible());
    }
};

QTEST_MAIN(DoubleClickTest)
#include "doubleclick_test.moc"
