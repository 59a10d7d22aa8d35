// A pupil pressing anything in any order on Quillet's card, pasting included:
// nothing crashes, the window stays on screen until Esc or "خروج" closes it,
// and the card shows its fact or, turned, its answer.
#include <QApplication>
#include <QTest>

#include <random>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/tests/driver.h"
#include "forms/timing.h"
#include "quillet.h"
#include "quillet_form.h"

using formstest::control;

class QuilletRobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void init() { forms::testing::useManualTime(true); }
    void cleanup()
    {
        for (forms::Form *f : forms::loadedForms())
            forms::unload(f);
        QCoreApplication::processEvents();
        forms::resetProgramState();
        forms::testing::useManualTime(false);
    }

    void anythingInAnyOrder_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void anythingInAnyOrder()
    {
        QFETCH(unsigned, seed);
        std::mt19937 random(20261210u + seed);
        auto pick = [&](int n) { return int(random() % unsigned(n)); };
        const QString keys = QStringLiteral("0123456789 .ab\u0628\u0661");
        int restarts = 0;
        quillet::start();
        for (int step = 0; step < 800; ++step) {
            auto *form = forms::instance<quillet::Form1>();
            QVERIFY(form && form->isVisible());
            bool ending = false;
            switch (pick(7)) {
            case 0: { // a click anywhere on the window, on "خروج" now and then
                auto *leave = control<forms::Label>(form, QStringLiteral("Label3"));
                if (pick(40) == 0) {
                    ending = true;
                    QTest::mouseClick(leave, Qt::LeftButton, Qt::NoModifier, leave->rect().center());
                } else {
                    QWidget *under = form->childAt(pick(form->width()), pick(form->height()));
                    if (under != leave)
                        QTest::mouseClick(under ? under : form, Qt::LeftButton);
                }
                break;
            }
            case 1:
            case 2: { // a key, Esc now and then
                QWidget *target = form->focusWidget() ? form->focusWidget() : form;
                const int k = pick(100);
                if (k == 0) {
                    ending = true;
                    formstest::press(target, Qt::Key_Escape);
                } else if (k < 30) {
                    formstest::press(target, Qt::Key_Return);
                } else if (k < 40) {
                    formstest::press(target, pick(2) ? Qt::Key_Shift : Qt::Key_Left);
                } else {
                    formstest::press(target, Qt::Key_unknown, keys.mid(pick(int(keys.size())), 1));
                }
                break;
            }
            case 3:
            case 4:
                formstest::randomClipboardEdit(form, random);
                break;
            default:
                forms::testing::advance(pick(3000));
            }
            QCoreApplication::processEvents();

            if (forms::programEnded()) {
                QVERIFY2(ending, "the program ended without Esc or \"خروج\"");
                QVERIFY(forms::loadedForms().isEmpty());
                forms::resetProgramState();
                quillet::start();
                ++restarts;
                continue;
            }
            form = forms::instance<quillet::Form1>();
            QVERIFY(form && form->isVisible());
            const drills::FactCard &card = form->card();
            auto *face = control<forms::Label>(form, QStringLiteral("Label1"));
            const drills::FactCardTable table = quillet::cardTable();
            QCOMPARE(face->text(), card.turned() ? QString::number(card.answer()) : drills::factText(table, card.x(), card.y()));
            QCOMPARE(face->palette().color(QPalette::WindowText), card.turned() ? table.answerColor : table.faceColor);
            QCOMPARE(card.answer(), card.x() * card.y());
            QVERIFY(card.x() >= 0 && card.x() <= 12 && card.y() >= 0 && card.y() <= 12);
        }
        QVERIFY(restarts > 0); // Esc or "خروج" was met
    }
};

QTEST_MAIN(QuilletRobustnessTest)
#include "quillet_robustness_test.moc"
