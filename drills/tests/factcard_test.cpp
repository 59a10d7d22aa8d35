// The fact card on a bare window, with the two kinds of table it serves:
// white division or multiplication cards with "=", redrawn while the second
// number is 0; and blue-and-red multiplication cards without "=", wider draws
// after Enter, nothing redrawn, closed by Esc.
#include <QApplication>
#include <QTest>

#include "drills/factcard.h"
#include "forms/app.h"
#include "forms/controls.h"
#include "forms/random.h"
#include "forms/timing.h"
#include "forms/window.h"
#include "forms/tests/driver.h"
#include "forms/tests/reset.h"
#include "drills/tests/draws.h"

using drills::FactCard;
using drills::FactCardTable;
using namespace formstest;
using namespace drillstest;

namespace {

const QColor White(0xFF, 0xFF, 0xFF), Yellow(0xFF, 0xFF, 0x00), Blue(0x00, 0x00, 0xFF), Red(0xFF, 0x00, 0x00);

FactCardTable chalkTable(FactCardTable::Fact fact)
{
    FactCardTable t;
    t.fact = fact;
    t.first = t.later = {11, true};
    t.equals = true;
    t.faceColor = White;
    t.answerColor = Yellow;
    t.escCloses = false;
    return t;
}

FactCardTable blueTable()
{
    FactCardTable t;
    t.fact = FactCardTable::Fact::Multiplication;
    t.first = {12, false};
    t.later = {13, false};
    t.equals = false;
    t.faceColor = Blue;
    t.answerColor = Red;
    t.escCloses = true;
    return t;
}

// A window holding nothing but the card, drawn by the table given to openCard.
FactCardTable nextTable;

class CardWindow : public forms::Form {
public:
    CardWindow()
    {
        setObjectName(QStringLiteral("Form1"));
        resize(600, 400);
        label = new forms::Label(this, QStringLiteral("Label1"));
        label->setGeometry(0, 0, 600, 200);
        label->setAutoSize(true);
        card = new FactCard(this, label, nextTable);
    }
    void onLoad() override { card->start(); }
    forms::Label *label;
    FactCard *card;
};

CardWindow *openCard(const FactCardTable &table)
{
    nextTable = table;
    return forms::show<CardWindow>();
}

QColor colourOf(const forms::Label *l) { return l->palette().color(QPalette::WindowText); }

} // namespace

class FactCardTest : public QObject {
    Q_OBJECT
private slots:
    void init() { forms::testing::useManualTime(true); }
    void cleanup() { formstest::resetAll(); }

    void facts_data()
    {
        QTest::addColumn<int>("fact");
        QTest::addColumn<bool>("equals");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("answer");
        const int div = int(FactCardTable::Fact::Division), mul = int(FactCardTable::Fact::Multiplication);
        QTest::newRow("division") << div << true << 7 << 8 << QStringLiteral("56 ÷ 8=") << "7";
        QTest::newRow("division by 10") << div << true << 10 << 10 << QStringLiteral("100 ÷ 10=") << "10";
        QTest::newRow("division of 0") << div << true << 0 << 5 << QStringLiteral("0 ÷ 5=") << "0";
        QTest::newRow("multiplication") << mul << true << 7 << 8 << QStringLiteral("7 × 8=") << "56";
        QTest::newRow("multiplication by 0") << mul << true << 0 << 5 << QStringLiteral("0 × 5=") << "0";
        QTest::newRow("without equals") << mul << false << 9 << 11 << QStringLiteral("9 × 11") << "99";
    }
    void facts()
    {
        QFETCH(int, fact);
        QFETCH(bool, equals);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, face);
        QFETCH(QString, answer);
        const FactCardTable t = equals ? chalkTable(FactCardTable::Fact(fact)) : blueTable();
        forms::testing::scriptDraws(card(x, y));
        auto *w = openCard(t);
        QCOMPARE(w->label->text(), face);
        QCOMPARE(colourOf(w->label), t.faceColor);
        QTest::keyClick(w, Qt::Key_Space);
        QCOMPARE(w->label->text(), answer);
        QCOMPARE(colourOf(w->label), t.answerColor);
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("turns");
        QTest::newRow("space") << int(Qt::Key_Space) << " " << true;
        QTest::newRow("letter") << int(Qt::Key_A) << "a" << true;
        QTest::newRow("capital") << int(Qt::Key_A) << "A" << true;
        QTest::newRow("Arabic letter") << int(Qt::Key_unknown) << QStringLiteral("ب") << true;
        QTest::newRow("digit") << int(Qt::Key_5) << "5" << true;
        QTest::newRow("sign") << int(Qt::Key_Plus) << "+" << true;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b" << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << "\x1b" << true;
        QTest::newRow("Shift") << int(Qt::Key_Shift) << "" << false;
        QTest::newRow("Ctrl") << int(Qt::Key_Control) << "" << false;
        QTest::newRow("Alt") << int(Qt::Key_Alt) << "" << false;
        QTest::newRow("AltGr") << int(Qt::Key_AltGr) << "" << false;
        QTest::newRow("Caps Lock") << int(Qt::Key_CapsLock) << "" << false;
        QTest::newRow("left arrow") << int(Qt::Key_Left) << "" << false;
        QTest::newRow("down arrow") << int(Qt::Key_Down) << "" << false;
        QTest::newRow("Home") << int(Qt::Key_Home) << "" << false;
        QTest::newRow("End") << int(Qt::Key_End) << "" << false;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << "" << false;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << "" << false;
        QTest::newRow("Insert") << int(Qt::Key_Insert) << "" << false;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << "\x7f" << false;
        QTest::newRow("F1") << int(Qt::Key_F1) << "" << false;
        QTest::newRow("F12") << int(Qt::Key_F12) << "" << false;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << "\t" << false;
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, turns);
        forms::testing::scriptDraws(card(7, 8));
        auto *w = openCard(chalkTable(FactCardTable::Fact::Division));
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(key), text, Qt::NoModifier);
        QCOMPARE(w->label->text(), turns ? QStringLiteral("7") : QStringLiteral("56 ÷ 8="));
        QCOMPARE(colourOf(w->label), turns ? Yellow : White);
        QCOMPARE(w->card->turned(), turns);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
    }

    // Enter, and Enter of the keypad, draw a new card from either face; it
    // shows its face and turns as any card does.
    void enterDrawsANewCardFromEitherFace_data()
    {
        QTest::addColumn<bool>("blue");
        QTest::addColumn<bool>("turnFirst");
        QTest::addColumn<int>("turnKey");
        QTest::addColumn<Draws>("first");
        QTest::addColumn<Draws>("next"); // drawn by Enter
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("turnedBetween"); // the answer shown next; empty: not turned
        QTest::addColumn<Draws>("last"); // drawn by Enter of the keypad
        QTest::addColumn<QString>("lastFace");
        for (bool turnFirst : {false, true}) {
            const char *from = turnFirst ? "turned" : "face";
            QTest::addRow("white, %s", from) << false << turnFirst << int(Qt::Key_X) << card(7, 8) << card(3, 4)
                                             << QStringLiteral("3 × 4=") << QString() << card(9, 2)
                                             << QStringLiteral("9 × 2=");
            QTest::addRow("blue, %s", from) << true << turnFirst << int(Qt::Key_Space) << card(3, 4) << card(12, 12)
                                            << QStringLiteral("12 × 12") << "144" << card(0, 0)
                                            << QStringLiteral("0 × 0");
        }
    }
    void enterDrawsANewCardFromEitherFace()
    {
        QFETCH(bool, blue);
        QFETCH(bool, turnFirst);
        QFETCH(int, turnKey);
        QFETCH(Draws, first);
        QFETCH(Draws, next);
        QFETCH(QString, face);
        QFETCH(QString, turnedBetween);
        QFETCH(Draws, last);
        QFETCH(QString, lastFace);
        const FactCardTable t = blue ? blueTable() : chalkTable(FactCardTable::Fact::Multiplication);
        forms::testing::scriptDraws(first);
        auto *w = openCard(t);
        if (turnFirst)
            QTest::keyClick(w, Qt::Key(turnKey));
        forms::testing::scriptDraws(next);
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(w->label->text(), face);
        QCOMPARE(colourOf(w->label), t.faceColor);
        QVERIFY(!w->card->turned());
        if (!turnedBetween.isEmpty()) {
            QTest::keyClick(w, Qt::Key_Space);
            QCOMPARE(w->label->text(), turnedBetween);
            QCOMPARE(colourOf(w->label), t.answerColor);
        }
        forms::testing::scriptDraws(last);
        QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(w->label->text(), lastFace);
        QCOMPARE(colourOf(w->label), t.faceColor);
        QCOMPARE(w->card->answer(), last[0] * last[1]);
        QCOMPARE(forms::testing::scriptedDrawsLeft(), 0);
    }

    void aSecondKeyOnATurnedCardChangesNothing()
    {
        forms::testing::scriptDraws(card(7, 8));
        auto *w = openCard(blueTable());
        QTest::keyClick(w, Qt::Key_Space);
        QTest::keyClick(w, Qt::Key_7);
        QTest::keyClick(w, Qt::Key_Backspace);
        QCOMPARE(w->label->text(), QStringLiteral("56"));
        QCOMPARE(colourOf(w->label), Red);
        QCOMPARE(forms::testing::scriptedDrawsLeft(), 0);
    }

    void escOnlyTurnsACardThatStays()
    {
        forms::testing::scriptDraws(card(7, 8));
        auto *w = openCard(chalkTable(FactCardTable::Fact::Division));
        QTest::keyClick(w, Qt::Key_Escape);
        QTest::keyClick(w, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QVERIFY(forms::instance<CardWindow>() == w && w->isVisible());
        QCOMPARE(w->label->text(), QStringLiteral("7"));
    }

    void escClosesTheWindowFromEitherFace_data()
    {
        QTest::addColumn<bool>("turnFirst");
        QTest::newRow("face") << false;
        QTest::newRow("turned") << true;
    }
    void escClosesTheWindowFromEitherFace()
    {
        QFETCH(bool, turnFirst);
        auto *w = openCard(blueTable());
        if (turnFirst)
            QTest::keyClick(w, Qt::Key_Space);
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!forms::instance<CardWindow>());
        QTRY_VERIFY(forms::programEnded()); // it was the only window
    }

    void aZeroSecondNumberIsDrawnAgainOnlyWhereTheTableSaysSo()
    {
        forms::testing::scriptDraws(inOrder({card(3, 0), card(4, 0), card(5, 6)}));
        auto *redrawn = openCard(chalkTable(FactCardTable::Fact::Division));
        QCOMPARE(redrawn->label->text(), QStringLiteral("30 ÷ 6="));
        QCOMPARE(forms::testing::scriptedDrawsLeft(), 0);
        formstest::unloadAll();

        forms::testing::scriptDraws(card(3, 0));
        auto *kept = openCard(blueTable());
        QCOMPARE(kept->label->text(), QStringLiteral("3 × 0"));
        QTest::keyClick(kept, Qt::Key_Space);
        QCOMPARE(kept->label->text(), QStringLiteral("0"));
    }

    // With the clock standing still, every reseed still starts a fresh
    // sequence: a thousand cards come quickly, each inside its bounds.
    void aThousandCardsWithTimeStopped()
    {
        QSet<int> xs, ys;
        auto *w = openCard(chalkTable(FactCardTable::Fact::Division));
        for (int i = 0; i < 1000; ++i) {
            QTest::keyClick(w, Qt::Key_Return);
            const int x = w->card->x(), y = w->card->y();
            QVERIFY(x >= 0 && x <= 10);
            QVERIFY(y >= 1 && y <= 10);
            QCOMPARE(w->label->text(), drills::factText(w->card->table(), x, y));
            xs << x;
            ys << y;
        }
        QCOMPARE(xs.size(), 11);
        QCOMPARE(ys.size(), 10);
    }

    void firstCardsStayBelowTheirBoundLaterOnesReachTheWiderOne()
    {
        int firstMax = 0, laterMax = 0;
        bool firstZero = false;
        for (int i = 0; i < 300; ++i) {
            auto *w = openCard(blueTable());
            firstMax = std::max({firstMax, w->card->x(), w->card->y()});
            firstZero = firstZero || w->card->y() == 0;
            formstest::unloadAll();
        }
        QCOMPARE(firstMax, 11);
        QVERIFY(firstZero);
        auto *w = openCard(blueTable());
        for (int i = 0; i < 1000; ++i) {
            QTest::keyClick(w, Qt::Key_Return);
            laterMax = std::max({laterMax, w->card->x(), w->card->y()});
        }
        QCOMPARE(laterMax, 12);
    }
};

QTEST_MAIN(FactCardTest)
#include "factcard_test.moc"
