// A pupil pressing or pasting anything in any order, in and out of the pauses: nothing
// crashes, nothing ends the program but the exit, and the boxes stay sound.
#include <QApplication>
#include <QRegularExpression>
#include <QTest>

#include <random>

#include "forms/app.h"
#include "forms/timing.h"
#include "forms/window.h"
#include "menu.h"
#include "pupil.h"
#include "tolbrin.h"

using namespace formstest;
using namespace tolbrintest;

namespace {

class Monkey {
public:
    explicit Monkey(unsigned seed) : rng_(seed) {}

    int pick(int n) { return int(rng_() % unsigned(n)); }

    // One thing a pupil might do on whatever window is on top.
    void act()
    {
        closed = false;
        if (auto *about = forms::instance<tolbrin::Form4>(); about && pick(4) == 0) {
            closed = true;
            click(about->findChild<QPushButton *>(QStringLiteral("Command1")));
            return;
        }
        if (auto *menu = forms::instance<tolbrin::Form1>()) {
            click(menu->findChild<QPushButton *>(pick(2) ? QStringLiteral("Command1") : QStringLiteral("Command2")));
            return;
        }
        VerticalDivisionForm *sheet = loadedSheet(QStringLiteral("Form3"));
        if (!sheet || pick(2))
            sheet = loadedSheet(QStringLiteral("Form2")) ? loadedSheet(QStringLiteral("Form2")) : sheet;
        if (!sheet)
            return;
        Sheetside w{sheet};
        const QStringList entries = entryBoxes(sheet);
        switch (pick(9)) {
        case 0:
        case 1:
        case 2:
        case 3: {
            static const QString keys = QStringLiteral("01234567891234567899a-") + QChar(0x0663);
            type(w.box(entries[pick(int(entries.size()))]), QString(keys.at(pick(int(keys.size())))));
            break;
        }
        case 4: {
            forms::TextBox *b = w.box(entries[pick(int(entries.size()))]);
            b->setFocus();
            QTest::keyClick(b, pick(2) ? Qt::Key_Delete : Qt::Key_Backspace);
            QTest::keyClick(b, Qt::Key_Home);
            QTest::keyClick(b, Qt::Key_Delete);
            break;
        }
        case 5: { // a paste, cut or copy, mostly in an entry box
            if (pick(4))
                w.box(entries[pick(int(entries.size()))])->setFocus(Qt::OtherFocusReason);
            randomClipboardEdit(sheet, rng_);
            break;
        }
        default: {
            QStringList buttons;
            for (const tolbrin::ButtonDef &b : sheet->sheetDef().buttons)
                if (w.button(b.name)->isVisible() && b.role != tolbrin::ButtonRole::Exit
                    && (b.role != tolbrin::ButtonRole::Return || pick(6) == 0))
                    buttons << b.name;
            if (pick(40) == 0) {
                closed = true;
                sheet->close();
            }
            else if (!buttons.isEmpty())
                w.press(buttons[pick(int(buttons.size()))]);
        }
        }
    }

    // Every worksheet still loaded holds sound boxes.
    bool sound() const
    {
        static const QRegularExpression whole(QStringLiteral("^(-?[0-9]+)?$"));
        for (const char *name : {"Form2", "Form3"}) {
            VerticalDivisionForm *sheet = loadedSheet(QLatin1String(name));
            if (!sheet)
                continue;
            for (const tolbrin::BoxDef &b : sheet->sheetDef().boxes) {
                const QString t = sheet->box(b.name)->text();
                if (b.kind == tolbrin::BoxKind::Entry && !(t.isEmpty() || (t.size() == 1 && t.at(0).isDigit() && t.at(0).unicode() < 128)))
                    return false;
                if (b.kind != tolbrin::BoxKind::Entry && t != b.name && !whole.match(t).hasMatch())
                    return false;
            }
        }
        return true;
    }

    bool closed = false; // the last thing done closed a window

private:
    std::mt19937 rng_;
};

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
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed = 1; seed <= 12; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }
    void anythingInAnyOrder()
    {
        QFETCH(unsigned, seed);
        MessageCatcher catcher;
        Monkey monkey(seed);
        int depth = 0;
        int budget = 400; // things done inside pauses
        forms::testing::setPauseHook([&](int) {
            if (depth >= 2 || budget <= 0 || monkey.pick(2))
                return;
            ++depth;
            --budget;
            monkey.act();
            --depth;
        });
        tolbrin::start();
        for (int i = 0; i < 400; ++i) {
            monkey.act();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(monkey.sound(), qPrintable(QString::number(i)));
            if (forms::programEnded()) {
                // Only closing the last window ends it (the exit is never pressed here).
                QVERIFY(monkey.closed);
                QVERIFY(forms::loadedForms().isEmpty());
                forms::resetProgramState();
                tolbrin::start();
            }
        }
        actedInPauses += 400 - budget;
    }
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
