// The suite menu's list: each button shows its window, loaded at its first
// showing and only hidden afterwards, and "الواجهة" brings the menu back.
#include "factcards.h"
#include "openfromlist.h"
#include "remainderdrill.h"
#include "stepdrill.h"

using namespace halvery;
using namespace halverytest;

using formstest::loadedForm;

class ListTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Pupil> pupil;

private slots:
    void init() { pupil = std::make_unique<Pupil>(); }
    void cleanup() { pupil.reset(); }

    void eachButtonShowsItsWindowAndHidesTheMenu_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::newRow("quotient and remainder") << "Command2" << "Form6" << QStringLiteral("القسمة مع وجود باقي");
        QTest::newRow("step division") << "Command3" << "Form8" << QStringLiteral("Tolbrin");
        QTest::newRow("division facts") << "Command4" << "Form9" << QStringLiteral("بطاقات حقائق القسمة");
        QTest::newRow("multiplication facts") << "Command5" << "Form10" << QStringLiteral("بطاقات Quillet");
    }
    void eachButtonShowsItsWindowAndHidesTheMenu()
    {
        QFETCH(QString, button);
        QFETCH(QString, form);
        QFETCH(QString, caption);
        auto *menu = pupil->atSuiteMenu();
        auto *b = control<QPushButton>(menu, button);
        QCOMPARE(b->text(), caption);
        QVERIFY(!loadedForm(form)); // nothing is loaded before it is asked for
        forms::testing::scriptDraws({7, 5}); // a problem 7÷5, or a card of 7 and 5
        formstest::click(b);
        forms::Form *window = loadedForm(form);
        QVERIFY(window && window->isVisible());
        QVERIFY(!menu->isVisible());
        const int drawsLeft = forms::testing::scriptedDrawsLeft();

        clickLabel(window, "Label7");
        QVERIFY(!window->isVisible());
        QVERIFY(menu->isVisible());
        QCOMPARE(loadedForm(form), window); // only hidden
        formstest::click(b);
        QVERIFY(window->isVisible());
        QVERIFY(!menu->isVisible());
        QCOMPARE(forms::testing::scriptedDrawsLeft(), drawsLeft); // not loaded again, nothing drawn
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
    }

    void theWindowsStayApartAndKeepTheirState()
    {
        auto *drill = openFromList<Form6>(*pupil, "Command2", remainderProblem(47, 5));
        clickLabel(drill, "Label7");
        auto *cards = openFromList<Form9>(*pupil, "Command4", card(7, 8));
        clickLabel(cards, "Label7");
        auto *steps = openFromList<Form8>(*pupil, "Command3");
        clickLabel(steps, "Label7");
        QCOMPARE(openFromList<Form6>(*pupil, "Command2"), drill);
        QCOMPARE(caption(drill, "Label2"), QStringLiteral("47÷5="));
        QCOMPARE(caption(cards, "Label1"), QStringLiteral("56 ÷ 8="));
        QCOMPARE(caption(steps, "lamaksoom"), QStringLiteral("??"));
        QCOMPARE(forms::loadedForms().size(), 5); // Form1, Form7 and the three windows
    }
};

QTEST_MAIN(ListTest)
#include "list_test.moc"
