// A pupil clicking, typing, pasting and waiting in any order: no window breaks, one
// always stays on screen, and the counts of every drill stay consistent.
#include <random>

#include "halverytest.h"

using namespace halverytest;

class RobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void anythingInAnyOrder_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u, 4u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void anythingInAnyOrder()
    {
        QFETCH(unsigned, seed);
        std::mt19937 random(20261210u + seed);
        auto pick = [&](int n) { return int(random() % unsigned(n)); };
        formstest::MessageCatcher messages;
        auto pupil = std::make_unique<Pupil>();
        pupil->atSuiteMenu();
        const QString keys = QStringLiteral("0123456789 .ab\u0628\u0661");
        for (int step = 0; step < 3000; ++step) {
            if (forms::programEnded()) {
                pupil.reset();
                pupil = std::make_unique<Pupil>();
                pupil->atSuiteMenu();
            }
            QList<forms::Form *> shown;
            for (forms::Form *f : forms::loadedForms())
                if (f->isVisible())
                    shown << f;
            QVERIFY2(!shown.isEmpty(), "no window left on screen");
            forms::Form *w = shown[pick(int(shown.size()))];

            switch (pick(7)) {
            case 0: { // a click on a label or button (never on the exit label)
                QList<QWidget *> targets;
                for (QWidget *c : w->findChildren<QWidget *>())
                    if (c->isVisible() && c->isEnabled()
                        && (qobject_cast<forms::Label *>(c) || qobject_cast<QPushButton *>(c))
                        && !(qobject_cast<forms::Label *>(c) && static_cast<forms::Label *>(c)->text() == QStringLiteral("خروج")))
                        targets << c;
                if (!targets.isEmpty()) {
                    QWidget *t = targets[pick(int(targets.size()))];
                    QTest::mouseClick(t, Qt::LeftButton, Qt::NoModifier, t->rect().center());
                }
                break;
            }
            case 1:
            case 2: { // a key to whatever has the focus, Esc now and then
                QWidget *target = w->focusWidget() ? w->focusWidget() : w;
                const int k = pick(200);
                if (k == 0)
                    formstest::press(target, Qt::Key_Escape);
                else if (k < 40)
                    formstest::press(target, Qt::Key_Return);
                else if (k < 50)
                    formstest::press(target, Qt::Key_Backspace);
                else
                    formstest::press(target, Qt::Key_unknown, keys.mid(pick(int(keys.size())), 1));
                break;
            }
            case 3: {
                QWidget *under = w->childAt(pick(w->width()), pick(w->height()));
                moveOver(under ? under : w);
                break;
            }
            case 4: // a paste, cut or copy on whatever has the focus
                formstest::randomClipboardEdit(w, random);
                break;
            default:
                forms::testing::advance(pick(3000));
            }
            QCoreApplication::processEvents();

            for (forms::Form *f : forms::loadedForms())
                if (auto *drill = qobject_cast<drills::QuestionWindow *>(f)) {
                    const auto &s = drill->scoreBoard();
                    const int answered = s.right() + s.wrong();
                    // One answer per question: the one on screen may be unanswered.
                    QVERIFY(answered == s.questions() || answered == s.questions() - 1);
                }
        }
        // The only message: the step drill's entry button pressed on an empty box.
        for (const formstest::SeenMessage &m : messages.seen())
            QCOMPARE(m.text, QStringLiteral("عفواً لم تضع رقما"));
    }
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
