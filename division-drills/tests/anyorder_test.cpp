// A pupil pressing anything in any order on the windows of the suite menu's
// list, pastes included: nothing crashes, and each window stays in a state it can be in.
#include "drills/grade.h"
#include "factcards.h"
#include "forms/multiline.h"
#include "forms/tests/monkey.h"
#include "openfromlist.h"
#include "remainderdrill.h"
#include "stepdrill.h"

using namespace halvery;
using namespace halverytest;
using formstest::MessageCatcher;

namespace {

const Qt::Key Keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backspace,
                        Qt::Key_Delete, Qt::Key_Left, Qt::Key_Shift, Qt::Key_F1, Qt::Key_A, Qt::Key_5};

// Something the pupil may type into a box.
QString junk(formstest::Monkey &m)
{
    static const QStringList texts = {"", " ", "0", "7", "42", "5 ", "x", "٣", "1.5", "-2", "99999999999"};
    return m.pickFrom(texts);
}

// A paste, cut or copy in a box of the window, or on whatever has the focus.
void clipboard(formstest::Monkey &m, QWidget *window)
{
    QList<QWidget *> shown;
    for (QWidget *b : window->findChildren<QWidget *>())
        if (b->isVisible() && (qobject_cast<forms::TextBox *>(b) || qobject_cast<forms::MultiLineTextBox *>(b)))
            shown << b;
    m.clipboardEdit(window, !shown.isEmpty() && m.chance(70) ? m.pickFrom(shown) : nullptr);
}

// A key on whatever has the focus in the window, never Esc.
void key(formstest::Monkey &m, QWidget *window)
{
    QTest::keyClick(formstest::Monkey::focusOf(window), m.pickFrom(Keys));
}

QPushButton *button(QWidget *w, const QString &name) { return control<QPushButton>(w, name); }

// A click where the pupil can click: on a button that is shown.
void clickShown(QPushButton *b)
{
    if (b->isVisible())
        formstest::click(b);
}

// What the step drill may show: at most one entry button, the boxes up to its
// step with the earlier ones locked, "مسألة جديدة" usable only with no step
// open, and the counts and grade matching the entries heard.
void checkStepDrill(Form8 *drill, int sounds)
{
    int open = 0;
    for (int step = 1; step <= 3; ++step)
        if (!button(drill, QStringLiteral("enter%1").arg(step))->isHidden()) {
            QCOMPARE(open, 0);
            open = step;
        }
    if (open) {
        for (int step = 1; step <= 3; ++step) {
            auto *box = control<forms::TextBox>(drill, QStringLiteral("Txtnatj%1").arg(step));
            QCOMPARE(box->isHidden(), step > open);
            if (step <= open)
                QCOMPARE(box->isReadOnly(), step < open);
        }
        QCOMPARE(control<QWidget>(drill, "naqs")->isHidden(), open < 3);
        QCOMPARE(control<QWidget>(drill, "Line4")->isHidden(), open < 3);
    }
    QCOMPARE(button(drill, "Comq")->isEnabled(), open == 0);
    const drills::ScoreBoard &score = drill->scoreBoard();
    QCOMPARE(score.right() + score.wrong(), sounds);
    if (sounds)
        QCOMPARE(caption(drill, "Label9"), drills::gradeBand(score.right(), sounds));
}

} // namespace

class AnyOrderTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Pupil> pupil;

private slots:
    void init() { pupil = std::make_unique<Pupil>(); }
    void cleanup() { pupil.reset(); }

    void stepDrill_data()
    {
        formstest::Monkey::addSeedRows({1u, 2u, 3u, 4u});
    }
    void stepDrill()
    {
        QFETCH(unsigned, seed);
        MessageCatcher catcher;
        formstest::Monkey m(seed);
        auto *drill = openFromList<Form8>(*pupil, "Command3");
        const auto press = [&] {
            m.oneOf({
                {1, [&] { clickShown(button(drill, "Comq")); }},
                {3, [&] {
                     int step = 1 + m.pick(3);
                     for (int k = 1; k <= 3 && m.chance(80); ++k)
                         if (button(drill, QStringLiteral("enter%1").arg(k))->isVisible())
                             step = k;
                     auto *box = control<forms::TextBox>(drill, QStringLiteral("Txtnatj%1").arg(step));
                     if (box->isVisible()) {
                         const RemainderProblem &p = drill->problem();
                         const int values[] = {p.quotient, p.quotient * p.divisor, p.remainder};
                         formstest::erase(box);
                         formstest::type(box, m.chance(50) ? QString::number(values[step - 1]) : junk(m));
                     }
                     clickShown(button(drill, QStringLiteral("enter%1").arg(step)));
                 }},
                {1, [&] { clickShown(button(drill, "Comhelp")); }},
                {1, [&] { key(m, drill); }},
                {1, [&] {
                     if (m.chance(30)) {
                         clickLabel(drill, "Label7");
                         m.wait(4000);
                         QCOMPARE(openFromList<Form8>(*pupil, "Command3"), drill);
                     }
                 }},
                {2, [&] { m.wait(3500); }},
                {1, [&] { clipboard(m, drill); }},
            });
        };
        m.run(400, press, [&](int) {
            QVERIFY(!forms::programEnded());
            QVERIFY(drill->isVisible());
            checkStepDrill(drill, int(pupil->sounds.size()));
        });
        if (QTest::currentTestFailed())
            return;
        // The run went through many problems and entries.
        QVERIFY(drill->scoreBoard().questions() >= 5);
        QVERIFY(drill->scoreBoard().wrong() > 0);
    }

    void remainderDrillAndCards_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Form6") << "Command2";
        QTest::newRow("Form9") << "Command4";
        QTest::newRow("Form10") << "Command5";
    }
    void remainderDrillAndCards()
    {
        QFETCH(QString, button);
        formstest::Monkey m(7);
        auto *menu = pupil->atSuiteMenu();
        formstest::click(control<QPushButton>(menu, button));
        QWidget *window = nullptr;
        for (forms::Form *f : forms::loadedForms())
            if (f->isVisible())
                window = f;
        QVERIFY(window && window != menu);
        const auto press = [&] {
            m.oneOf({
                {1, [&] {
                     if (auto *box = window->findChild<forms::TextBox *>(m.chance(50) ? "Text1" : "Text2"))
                         formstest::type(box, junk(m));
                 }},
                {2, [&] { key(m, window); }},
                {1, [&] {
                     if (m.chance(30)) {
                         clickLabel(window, "Label7");
                         m.wait(4000);
                         formstest::click(control<QPushButton>(menu, button));
                     }
                 }},
                {1, [&] { m.wait(3000); }},
                {1, [&] { clipboard(m, window); }},
            });
        };
        m.run(400, press, [&](int) {
            QVERIFY(!forms::programEnded());
            QVERIFY(window->isVisible());
            if (auto *drill = qobject_cast<Form6 *>(window)) {
                const drills::ScoreBoard &s = drill->scoreBoard();
                QCOMPARE(s.right() + s.wrong(), int(pupil->sounds.size()));
                QVERIFY(s.questions() - (s.right() + s.wrong()) <= 1);
                QCOMPARE(label(drill, "Label3")->isHidden(), !drill->inFeedback());
                QCOMPARE(caption(drill, "Label2"), QStringLiteral("%1÷%2=")
                                                       .arg(drill->problem().dividend)
                                                       .arg(drill->problem().divisor));
            } else {
                auto *cards = qobject_cast<CardWindow *>(window);
                QVERIFY(cards);
                const drills::FactCard &card = cards->card();
                QCOMPARE(caption(cards, "Label1"),
                         card.turned() ? QString::number(card.answer())
                                       : drills::factText(card.table(), card.x(), card.y()));
            }
        });
    }
};

QTEST_MAIN(AnyOrderTest)
#include "anyorder_test.moc"
