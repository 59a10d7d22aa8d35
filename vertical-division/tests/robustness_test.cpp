// A pupil pressing or pasting anything in any order, in and out of the pauses: nothing
// crashes, nothing ends the program but the exit, and the boxes stay sound.
#include <QApplication>
#include <QRegularExpression>
#include <QTest>

#include "forms/app.h"
#include "forms/timing.h"
#include "forms/tests/monkey.h"
#include "forms/tests/reset.h"
#include "forms/window.h"
#include "tolbrinmenu.h"
#include "pupil.h"
#include "tolbrin.h"

using namespace formstest;
using namespace tolbrintest;

namespace {

// One thing a pupil might do on whatever window is on top; `closed` tells
// whether it closed a window.
void act(Monkey &monkey, bool &closed)
{
    closed = false;
    if (auto *about = forms::instance<tolbrin::Form4>(); about && monkey.pick(4) == 0) {
        closed = true;
        click(control<QPushButton>(about, QStringLiteral("Command1")));
        return;
    }
    if (auto *menu = forms::instance<tolbrin::Form1>()) {
        click(control<QPushButton>(menu, monkey.pick(2) ? QStringLiteral("Command1") : QStringLiteral("Command2")));
        return;
    }
    VerticalDivisionForm *sheet = loadedSheet(QStringLiteral("Form3"));
    if (!sheet || monkey.pick(2))
        sheet = loadedSheet(QStringLiteral("Form2")) ? loadedSheet(QStringLiteral("Form2")) : sheet;
    if (!sheet)
        return;
    WorksheetDriver w{sheet};
    const QStringList entries = entryBoxes(sheet);
    monkey.oneOf({
        {4, [&] {
             static const QString keys = QStringLiteral("01234567891234567899a-") + QChar(0x0663);
             forms::TextBox *b = w.box(monkey.pickFrom(entries));
             type(b, monkey.pickKey(keys));
         }},
        {1, [&] {
             forms::TextBox *b = w.box(monkey.pickFrom(entries));
             b->setFocus();
             QTest::keyClick(b, monkey.pick(2) ? Qt::Key_Delete : Qt::Key_Backspace);
             QTest::keyClick(b, Qt::Key_Home);
             QTest::keyClick(b, Qt::Key_Delete);
         }},
        {1, [&] { // a paste, cut or copy, mostly in an entry box
             monkey.clipboardEdit(sheet, monkey.pick(4) ? w.box(monkey.pickFrom(entries)) : nullptr);
         }},
        {3, [&] {
             QStringList buttons;
             for (const tolbrin::ButtonDef &b : sheet->sheetDef().buttons)
                 if (w.button(b.name)->isVisible() && b.role != tolbrin::ButtonRole::Exit
                     && (b.role != tolbrin::ButtonRole::Return || monkey.pick(6) == 0))
                     buttons << b.name;
             if (monkey.pick(40) == 0) {
                 closed = true;
                 sheet->close();
             } else if (!buttons.isEmpty()) {
                 w.press(monkey.pickFrom(buttons));
             }
         }},
    });
}

// Every worksheet still loaded holds sound boxes.
bool sound()
{
    static const QRegularExpression whole(QStringLiteral("^(-?[0-9]+)?$"));
    for (const char *name : {"Form2", "Form3"}) {
        VerticalDivisionForm *sheet = loadedSheet(QLatin1String(name));
        if (!sheet)
            continue;
        for (const tolbrin::BoxDef &b : sheet->sheetDef().boxes) {
            const QString t = sheet->box(b.name)->text();
            if (b.kind == tolbrin::BoxKind::Entry
                && !(t.isEmpty() || (t.size() == 1 && t.at(0).isDigit() && t.at(0).unicode() < 128)))
                return false;
            if (b.kind != tolbrin::BoxKind::Entry && t != b.name && !whole.match(t).hasMatch())
                return false;
        }
    }
    return true;
}

} // namespace

class RobustnessTest : public QObject {
    Q_OBJECT
    int actedInPauses = 0;

private slots:
    void initTestCase() { startProgramTests(); }
    void cleanupTestCase() { QVERIFY(actedInPauses > 100); } // the runs were met mid-pause
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void anythingInAnyOrder_data()
    {
        Monkey::addSeedRows({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    }
    void anythingInAnyOrder()
    {
        QFETCH(unsigned, seed);
        MessageCatcher catcher;
        Monkey monkey(seed);
        bool closed = false; // the last thing done closed a window
        int depth = 0;
        int budget = 400; // things done inside pauses
        forms::testing::setPauseHook([&](int) {
            if (depth >= 2 || budget <= 0 || monkey.pick(2))
                return;
            ++depth;
            --budget;
            act(monkey, closed);
            --depth;
        });
        tolbrin::start();
        monkey.run(400, [&] { act(monkey, closed); }, [&](int step) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(sound(), qPrintable(QString::number(step)));
            if (forms::programEnded()) {
                // Only closing the last window ends it (the exit is never pressed here).
                QVERIFY(closed);
                QVERIFY(forms::loadedForms().isEmpty());
                formstest::unloadAll();
                tolbrin::start();
            }
        });
        actedInPauses += 400 - budget;
    }
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
