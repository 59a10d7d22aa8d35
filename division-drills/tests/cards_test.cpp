// The division and multiplication fact cards, opened from the suite menu.
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <cmath>

#include "factcards.h"
#include "forms/tests/pixels.h"
#include "openfromlist.h"

using namespace halvery;
using namespace halverytest;

namespace {
const QColor White(0xFF, 0xFF, 0xFF), Yellow(0xFF, 0xFF, 0x00);
QColor colourOf(QWidget *w, const char *name) { return label(w, name)->palette().color(QPalette::WindowText); }

// The contrast ratio of two colours by their relative luminance (1 to 21).
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

class CardsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Pupil> pupil;

    CardWindow *open(const char *button, std::vector<int> draws)
    {
        if (QByteArray(button) == "Command4")
            return openFromList<Form9>(*pupil, button, std::move(draws));
        return openFromList<Form10>(*pupil, button, std::move(draws));
    }

private slots:
    void init() { pupil = std::make_unique<Pupil>(); }
    void cleanup() { pupil.reset(); }

    // Every caption stands out from the whole of the picture behind it, the
    // yellow instruction included, on the card's face and on its answer.
    void everyCaptionStandsOutFromThePicture_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("turned");
        QTest::newRow("division, face") << "Command4" << false;
        QTest::newRow("division, answer") << "Command4" << true;
        QTest::newRow("multiplication, face") << "Command5" << false;
        QTest::newRow("multiplication, answer") << "Command5" << true;
    }
    void everyCaptionStandsOutFromThePicture()
    {
        QFETCH(QString, button);
        QFETCH(bool, turned);
        auto *w = open(button.toLatin1().constData(), card(10, 10));
        if (turned)
            QTest::keyClick(w, Qt::Key_Space);
        QList<forms::Label *> labels;
        for (forms::Label *l : w->findChildren<forms::Label *>())
            if (l->isVisible())
                labels << l;
        QVERIFY(labels.size() >= 3);
        for (forms::Label *l : labels)
            l->hide();
        const QImage picture = w->grab().toImage();
        for (forms::Label *l : labels)
            l->show();
        for (forms::Label *l : labels) {
            const QColor ink = l->palette().color(QPalette::WindowText);
            const QRect box = l->geometry() & picture.rect();
            double worst = 21;
            QPoint at;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x) {
                    const double c = contrast(ink, picture.pixelColor(x, y));
                    if (c < worst) {
                        worst = c;
                        at = QPoint(x, y);
                    }
                }
            QVERIFY2(worst >= 3, qPrintable(QStringLiteral("%1 \"%2\": contrast %3 at %4, %5")
                                                .arg(l->objectName(), l->caption())
                                                .arg(worst, 0, 'f', 1)
                                                .arg(at.x())
                                                .arg(at.y())));
        }
    }

    void cards_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("answer");
        QTest::newRow("division") << "Command4" << "Form9" << 7 << 8 << QStringLiteral("56 ÷ 8=") << "7";
        QTest::newRow("division of 0") << "Command4" << "Form9" << 0 << 5 << QStringLiteral("0 ÷ 5=") << "0";
        QTest::newRow("largest division") << "Command4" << "Form9" << 10 << 10 << QStringLiteral("100 ÷ 10=") << "10";
        QTest::newRow("multiplication") << "Command5" << "Form10" << 7 << 8 << QStringLiteral("7 × 8=") << "56";
        QTest::newRow("multiplication by 0") << "Command5" << "Form10" << 0 << 5 << QStringLiteral("0 × 5=") << "0";
        QTest::newRow("largest product") << "Command5" << "Form10" << 10 << 10 << QStringLiteral("10 × 10=") << "100";
    }
    // Each key that types a character shows the answer in yellow; Esc too,
    // without closing anything; Enter then draws a new white card.
    void cards()
    {
        QFETCH(QString, button);
        QFETCH(QString, form);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, face);
        QFETCH(QString, answer);
        auto *w = open(button.toLatin1().constData(), card(x, y));
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->objectName(), form);
        QVERIFY(!forms::instance<Form7>()->isVisible());
        QCOMPARE(caption(w, "Label1"), face);
        QCOMPARE(colourOf(w, "Label1"), White);
        // Whole, on one line, in its design size, from its design Left unless that would leave the window.
        auto *card = label(w, "Label1");
        // Smaller only when wider than the window, and never below 80%.
        QCOMPARE(card->font().pointSizeF() == 150.0, QFontMetrics(card->designFont()).horizontalAdvance(face) < w->width());
        QVERIFY2(formstest::captionFault(card, true).isEmpty(), qPrintable(formstest::captionFault(card, true)));
        QCOMPARE(card->x(), std::min(105, w->width() - card->width()));
        QVERIFY(w->rect().contains(card->geometry()));
        QVERIFY(card->width() >= QFontMetrics(card->font()).horizontalAdvance(face));
        QTest::keyClick(w, Qt::Key_Shift);
        QTest::keyClick(w, Qt::Key_Right);
        QCOMPARE(caption(w, "Label1"), face);
        QTest::keyClick(w, Qt::Key_Space);
        QCOMPARE(caption(w, "Label1"), answer);
        QCOMPARE(colourOf(w, "Label1"), Yellow);
        QTest::keyClick(w, Qt::Key_Escape);
        QCOMPARE(caption(w, "Label1"), answer);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QVERIFY(w->isVisible());
        forms::testing::scriptDraws(drillstest::card(3, 4));
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(caption(w, "Label1"), form == "Form9" ? QStringLiteral("12 ÷ 4=") : QStringLiteral("3 × 4="));
        QCOMPARE(colourOf(w, "Label1"), White);
    }

    void escOnAWhiteCardShowsTheAnswer()
    {
        auto *w = open("Command4", card(6, 9));
        QTest::keyClick(w, Qt::Key_Escape);
        QCOMPARE(caption(w, "Label1"), QStringLiteral("6"));
        QCOMPARE(colourOf(w, "Label1"), Yellow);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        forms::testing::scriptDraws(card(2, 2));
        QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier); // Enter on a white card gives a new white card
        forms::testing::scriptDraws(card(5, 5));
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(caption(w, "Label1"), QStringLiteral("25 ÷ 5="));
    }

    void aZeroSecondNumberIsDrawnAgain()
    {
        auto *w = open("Command5", inOrder({card(4, 0), card(0, 0), card(9, 3)}));
        QCOMPARE(caption(w, "Label1"), QStringLiteral("9 × 3="));
        forms::testing::scriptDraws(inOrder({card(1, 0), card(0, 7)}));
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(caption(w, "Label1"), QStringLiteral("0 × 7="));
    }

    void theCardFillsTheScreenWithTheChalkboardAtTheTopLeft()
    {
        auto *w = open("Command4", card(7, 8));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(w->windowState() & Qt::WindowMaximized);
        QTRY_VERIFY(w->size().width() >= screen.width() * 9 / 10);
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(w->windowFlags() & Qt::Tool); // no taskbar button
        QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::black));
        auto *board = control<forms::Picture>(w, QStringLiteral("Image1"));
        QCOMPARE(board->geometry(), QRect(0, -8, 807, 580));
        QCOMPARE(caption(w, "Label2"),
                 QStringLiteral("اضغط ادخال او Enter لتغيير السؤال و اضغط المسافة لتعرف الاجابة "));
        QCOMPARE(colourOf(w, "Label2"), Yellow);
        QCOMPARE(caption(w, "Label7"), QStringLiteral("الواجهة"));
        QCOMPARE(w->layoutDirection(), Qt::RightToLeft);
    }

    void theWayBackKeepsTheCard()
    {
        auto *w = open("Command5", card(7, 8));
        QTest::keyClick(w, Qt::Key_A);
        clickLabel(w, "Label7");
        QVERIFY(!w->isVisible());
        QVERIFY(forms::instance<Form7>()->isVisible());
        QCOMPARE(openFromList<Form10>(*pupil, "Command5"), w);
        QCOMPARE(caption(w, "Label1"), QStringLiteral("56"));
        QCOMPARE(colourOf(w, "Label1"), Yellow);
        QCOMPARE(forms::testing::scriptedDrawsLeft(), 0);
        // The other card window is a window of its own.
        clickLabel(w, "Label7");
        auto *division = open("Command4", card(2, 3));
        QCOMPARE(caption(division, "Label1"), QStringLiteral("6 ÷ 3="));
        QCOMPARE(caption(w, "Label1"), QStringLiteral("56"));
    }

    // The card behaves as its table says (the drill library tests that):
    // both windows draw below 11, redrawing a 0 second number, show "=", turn
    // white to yellow and keep their window on Esc.
    void eachCardWindowDrawsByItsTable_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("fact");
        QTest::newRow("division") << "Command4" << int(drills::FactCardTable::Fact::Division);
        QTest::newRow("multiplication") << "Command5" << int(drills::FactCardTable::Fact::Multiplication);
    }
    void eachCardWindowDrawsByItsTable()
    {
        QFETCH(QString, button);
        QFETCH(int, fact);
        const drills::FactCardTable &t = open(button.toLatin1().constData(), {})->card().table();
        QCOMPARE(int(t.fact), fact);
        for (const drills::FactCardTable::Draw &d : {t.first, t.later}) {
            QCOMPARE(d.below, 11);
            QVERIFY(d.redrawZero);
        }
        QVERIFY(t.equals);
        QCOMPARE(t.faceColor, White);
        QCOMPARE(t.answerColor, Yellow);
        QVERIFY(!t.escCloses);
    }
};

QTEST_MAIN(CardsTest)
#include "cards_test.moc"
