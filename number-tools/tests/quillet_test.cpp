// Quillet's cards driven from the keyboard as a pupil would, draws scripted.
#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "forms/app.h"
#include "forms/geometry.h"
#include "forms/random.h"
#include "forms/tests/driver.h"
#include "forms/tests/pixels.h"
#include "forms/tests/reset.h"
#include "drills/tests/draws.h"
#include "forms/timing.h"
#include "quillet.h"
#include "quillet_form.h"

using namespace formstest;
using forms::Label;
using quillet::Form1;

namespace {

const QColor Blue(0x00, 0x00, 0xFF), Red(0xFF, 0x00, 0x00);

Label *label(QWidget *w, const char *name) { return control<Label>(w, QLatin1String(name)); }
QColor colourOf(Label *l) { return l->palette().color(QPalette::WindowText); }

// A key as the keyboard gives it to the window in front.
void key(Qt::Key k, const QString &text = QString(), Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QPointer<QWindow> front = QGuiApplication::focusWindow();
    QVERIFY(front);
    QTest::sendKeyEvent(QTest::Press, front, k, text, mods);
    if (front) // Esc may have closed it
        QTest::sendKeyEvent(QTest::Release, front, k, text, mods);
}

} // namespace

class QuilletTest : public QObject {
    Q_OBJECT

    Form1 *form = nullptr;
    Label *card = nullptr;

    // Starts the program, its first card drawn from `draws`.
    void open(std::vector<int> draws)
    {
        forms::testing::scriptDraws(std::move(draws));
        quillet::start();
        form = forms::instance<Form1>();
        QVERIFY(form);
        QTRY_COMPARE(QGuiApplication::focusWindow(), form->windowHandle());
        card = label(form, "Label1");
    }
    void expectCard(const QString &text, const QColor &colour)
    {
        QCOMPARE(card->text(), text);
        QCOMPARE(colourOf(card), colour);
    }

private slots:
    // The program's own fonts and direction, as its executable starts.
    void initTestCase() { forms::initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Quillet")); }
    void init() { forms::testing::useManualTime(true); }
    void cleanup() { formstest::resetAll(); }

    void theWindowAsThePupilSeesIt()
    {
        open(drillstest::card(7, 8));
        QCOMPARE(form->objectName(), QStringLiteral("Form1"));
        QVERIFY(form->windowState() & Qt::WindowMaximized);
        QTRY_VERIFY(form->width() >= QGuiApplication::primaryScreen()->geometry().width() * 9 / 10);
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(form->windowFlags() & Qt::Tool); // no taskbar button
        QVERIFY(formstest::blankIcon(form->windowIcon()));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(form->layoutDirection(), Qt::RightToLeft);

        expectCard(QStringLiteral("7 × 8"), Blue);
        QCOMPARE(card->font().pointSizeF(), 180.0);
        QCOMPARE(card->y(), forms::twips(2160));
        // From its design Left, moved in only where it would leave the window.
        QCOMPARE(card->x(), std::min(forms::twips(720), form->width() - card->width()));

        // Each line whole inside the design area, none over another.
        struct Expect {
            const char *name;
            QString text;
            QColor colour;
            int left, top;
        };
        const Expect labels[] = {
            {"Label2", QStringLiteral("اضغط Enter لتبديل السؤال و اضغط المسافة لتعرف الجواب الصحيح  و اضغط Ese للخروج"),
             Red, 2295, 7680},
            {"Label3", QStringLiteral("خروج"), QColor(0xFF, 0xC0, 0x80), 1080, 7680},
            {"Label4", QString(), QColor(0xFF, 0xFF, 0xFF), -1, 8160},
        };
        const QRect design(0, 0, forms::twips(11880), forms::twips(8595));
        for (const Expect &e : labels) {
            Label *l = label(form, e.name);
            QVERIFY2(l, e.name);
            if (!e.text.isEmpty())
                QCOMPARE(l->text(), e.text);
            QCOMPARE(colourOf(l), e.colour);
            QVERIFY2(l->y() == forms::twips(e.top), qPrintable(QStringLiteral("%1 at %2 in %3x%4, %5 high").arg(QLatin1String(e.name)).arg(l->y()).arg(form->width()).arg(form->height()).arg(l->height())));
            if (e.left >= 0)
                QCOMPARE(l->x(), forms::twips(e.left));
            QVERIFY(l->font().bold());
            QVERIFY2(captionWhole(l), e.name);
            QVERIFY2(design.contains(l->geometry()), e.name);
        }
        QCOMPARE(label(form, "Label3")->font().pointSizeF(), 12.0);
        QCOMPARE(label(form, "Label4")->font().pointSizeF(), 12.0);
        QCOMPARE(label(form, "Label2")->font().pointSizeF(), 12.0);
        QVERIFY(label(form, "Label3")->geometry().right() < label(form, "Label2")->x());
        QCOMPARE(label(form, "Label4")->x(), forms::twips(3533));
        for (const char *name : {"Label2", "Label3", "Label4"})
            QVERIFY2(formstest::captionFault(label(form, name), true).isEmpty(),
                     qPrintable(formstest::captionFault(label(form, name), true)));
        QVERIFY(label(form, "Label4")->text().contains(QStringLiteral("Quillet")));
    }

    // Every card, from the first to the widest, stays whole on one line in its design font.
    void theCardIsAlwaysWhole_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::newRow("0 × 0") << 0 << 0;
        QTest::newRow("12 × 12") << 12 << 12;
        QTest::newRow("11 × 12") << 11 << 12;
    }
    void theCardIsAlwaysWhole()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        open(drillstest::card(1, 1));
        forms::testing::scriptDraws(drillstest::card(a, b));
        key(Qt::Key_Return, QStringLiteral("\r"));
        for (int face = 0; face < 2; ++face) {
            // Smaller only when wider than the window, and never below 80%.
            QCOMPARE(card->font().pointSizeF() == 180.0,
                     QFontMetrics(card->designFont()).horizontalAdvance(card->text()) < card->parentWidget()->width());
            QVERIFY2(formstest::captionFault(card, true).isEmpty(), qPrintable(formstest::captionFault(card, true)));
            // As large as the window's width lets it be, measured on the drawn pixels.
            const double fits = std::min(1.0, double(card->parentWidget()->width())
                                                  / QFontMetrics(card->designFont()).horizontalAdvance(card->text()));
            const double drawn = formstest::measureCaption(card).scale;
            QVERIFY2(drawn >= fits - 0.03, qPrintable(QStringLiteral("%1 drawn at %2, fits at %3").arg(card->text()).arg(drawn).arg(fits)));
            QVERIFY(captionWhole(card));
            QVERIFY(QFontMetrics(card->font()).horizontalAdvance(card->text()) <= card->width());
            QVERIFY(card->parentWidget()->rect().contains(card->geometry()));
            QCOMPARE(card->x(), std::min(forms::twips(720), card->parentWidget()->width() - card->width()));
            key(Qt::Key_Space, QStringLiteral(" "));
        }
    }

    void cardsTurnToTheirProduct_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("product");
        QTest::newRow("0 × 9 turns to 0") << 0 << 9 << QStringLiteral("0 × 9") << "0";
        QTest::newRow("a zero second number stays") << 5 << 0 << QStringLiteral("5 × 0") << "0";
        QTest::newRow("7 × 8") << 7 << 8 << QStringLiteral("7 × 8") << "56";
        QTest::newRow("largest first card") << 11 << 11 << QStringLiteral("11 × 11") << "121";
    }
    void cardsTurnToTheirProduct()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, face);
        QFETCH(QString, product);
        open(drillstest::card(a, b));
        QCOMPARE(forms::testing::scriptedDrawsLeft(), 0); // nothing redrawn
        expectCard(face, Blue);
        QVERIFY(formstest::foreignDigits(card->window()).isEmpty());
        key(Qt::Key_Space, QStringLiteral(" "));
        expectCard(product, Red);
        const QStringList foreign = formstest::foreignDigits(card->window());
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
        key(Qt::Key_A, QStringLiteral("a")); // a second key changes nothing
        expectCard(product, Red);
    }

    // Only a key that types a character turns the card.
    void keys_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("turns");
        const int none = Qt::NoModifier;
        QTest::newRow("space bar") << int(Qt::Key_Space) << " " << none << true;
        QTest::newRow("letter") << int(Qt::Key_Q) << "q" << none << true;
        QTest::newRow("capital letter") << int(Qt::Key_Q) << "Q" << int(Qt::ShiftModifier) << true;
        QTest::newRow("Arabic letter") << int(Qt::Key_unknown) << QStringLiteral("ض") << none << true;
        QTest::newRow("digit") << int(Qt::Key_7) << "7" << none << true;
        QTest::newRow("sign") << int(Qt::Key_Minus) << "-" << none << true;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b" << none << true;
        QTest::newRow("Shift") << int(Qt::Key_Shift) << "" << int(Qt::ShiftModifier) << false;
        QTest::newRow("Ctrl") << int(Qt::Key_Control) << "" << int(Qt::ControlModifier) << false;
        QTest::newRow("Alt") << int(Qt::Key_Alt) << "" << int(Qt::AltModifier) << false;
        QTest::newRow("AltGr") << int(Qt::Key_AltGr) << "" << none << false;
        QTest::newRow("Caps Lock") << int(Qt::Key_CapsLock) << "" << none << false;
        QTest::newRow("right arrow") << int(Qt::Key_Right) << "" << none << false;
        QTest::newRow("up arrow") << int(Qt::Key_Up) << "" << none << false;
        QTest::newRow("Home") << int(Qt::Key_Home) << "" << none << false;
        QTest::newRow("End") << int(Qt::Key_End) << "" << none << false;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << "" << none << false;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << "" << none << false;
        QTest::newRow("Insert") << int(Qt::Key_Insert) << "" << none << false;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << "\x7f" << none << false;
        QTest::newRow("F1") << int(Qt::Key_F1) << "" << none << false;
        QTest::newRow("F12") << int(Qt::Key_F12) << "" << none << false;
    }
    void keys()
    {
        QFETCH(int, k);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QFETCH(bool, turns);
        open(drillstest::card(6, 7));
        key(Qt::Key(k), text, Qt::KeyboardModifiers(modifiers));
        if (turns)
            expectCard(QStringLiteral("42"), Red);
        else
            expectCard(QStringLiteral("6 × 7"), Blue);
        QVERIFY(!forms::programEnded());
    }

    // Unscripted, with the clock standing still: first cards stay below 12,
    // later cards reach 12 and never pass it.
    void theRangesOfTheDraws()
    {
        int firstLargest = 0;
        for (int i = 0; i < 150; ++i) {
            open({});
            const auto &c = form->card();
            QVERIFY(c.x() >= 0 && c.x() <= 11 && c.y() >= 0 && c.y() <= 11);
            firstLargest = std::max({firstLargest, c.x(), c.y()});
            formstest::unloadAll();
        }
        QCOMPARE(firstLargest, 11);
        open({});
        bool twelve = false, zero = false;
        for (int i = 0; i < 1000; ++i) {
            key(Qt::Key_Return, QStringLiteral("\r"));
            const auto &c = form->card();
            QVERIFY(c.x() >= 0 && c.x() <= 12 && c.y() >= 0 && c.y() <= 12);
            QCOMPARE(card->text(), QStringLiteral("%1 × %2").arg(c.x()).arg(c.y()));
            twelve = twelve || c.x() == 12 || c.y() == 12;
            zero = zero || c.y() == 0;
        }
        QVERIFY(twelve && zero);
    }

    // Esc or "خروج" ends the program from either face.
    void leaving_data()
    {
        QTest::addColumn<bool>("turnFirst");
        QTest::addColumn<bool>("byLabel");
        QTest::newRow("Esc on the face") << false << false;
        QTest::newRow("Esc on the turned card") << true << false;
        QTest::newRow("خروج on the face") << false << true;
        QTest::newRow("خروج on the turned card") << true << true;
    }
    void leaving()
    {
        QFETCH(bool, turnFirst);
        QFETCH(bool, byLabel);
        open(drillstest::card(2, 9));
        if (turnFirst)
            key(Qt::Key_Space, QStringLiteral(" "));
        if (byLabel) {
            Label *exit = label(form, "Label3");
            QTest::mouseClick(exit, Qt::LeftButton, Qt::NoModifier, exit->rect().center());
        } else {
            key(Qt::Key_Escape, QStringLiteral("\x1b"));
        }
        QTRY_VERIFY(forms::programEnded());
        QVERIFY(forms::loadedForms().isEmpty());
        form = nullptr;
    }
};

QTEST_MAIN(QuilletTest)
#include "quillet_test.moc"
