// The quick solution and the check in time: what each pause reveals, how
// long the pauses are, what a pupil may click meanwhile, runs that meet an
// emptied box, a new problem or a window that is gone, and runs on the real
// clock that leave the processor idle.
#include <QApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

#include "forms/app.h"
#include "forms/timing.h"
#include "forms/window.h"
#include "forms/tests/pixels.h"
#include "tolbrinmenu.h"
#include "pupil.h"

using namespace formstest;
using namespace tolbrintest;

namespace {

QDateTime at(int ms) { return QDateTime(QDate(2026, 10, 4), QTime(8, 15, 0).addMSecs(ms)); }

// The output boxes and check values on show, as "Text4=1 Text6=5 ...".
QMap<QString, QString> onShow(const WorksheetDriver &w)
{
    QMap<QString, QString> shown;
    for (const tolbrin::BoxDef &b : w.form->sheetDef().boxes)
        if (b.kind == tolbrin::BoxKind::Output || b.kind == tolbrin::BoxKind::Value)
            if (w.box(b.name)->isVisible())
                shown.insert(b.name, w.box(b.name)->text());
    for (const tolbrin::LabelDef &l : w.form->sheetDef().labels)
        if (l.caption.isEmpty() && w.label(l.name)->isVisible())
            shown.insert(l.name, w.label(l.name)->text());
    return shown;
}

// What changed between two looks, in the worksheet's own order of boxes.
QString news(const QMap<QString, QString> &before, const QMap<QString, QString> &after)
{
    QStringList out;
    for (auto it = after.begin(); it != after.end(); ++it)
        if (before.value(it.key(), QStringLiteral("\x01")) != it.value())
            out << it.key() + QLatin1Char('=') + it.value();
    std::sort(out.begin(), out.end(), [](const QString &a, const QString &b) {
        auto number = [](const QString &s) { return s.section(QLatin1Char('='), 0, 0).mid(s.startsWith(QLatin1Char('T')) ? 4 : 5).toInt(); };
        return number(a) < number(b);
    });
    return out.join(QLatin1Char(' '));
}

// Runs a button's animation and notes what each pause revealed.
struct Film {
    QStringList frames; // what was new at the start of each pause, then at the end
    QList<int> lengths;
};

Film film(const WorksheetDriver &w, const QString &button, std::function<void(int)> during = {})
{
    Film f;
    auto last = std::make_shared<QMap<QString, QString>>(onShow(w));
    int pauses = 0;
    forms::testing::setPauseHook([&, last](int ms) {
        f.lengths << ms;
        ++pauses;
        const auto now = onShow(w);
        f.frames << news(*last, now);
        *last = now;
        if (during)
            during(pauses);
    });
    const QPointer<VerticalDivisionForm> alive(w.form);
    if (w.press(button) && alive)
        f.frames << news(*last, onShow(w));
    forms::testing::setPauseHook(nullptr);
    return f;
}

// Runs on the real clock until it goes out of scope.
struct RealTime {
    RealTime() { forms::testing::useManualTime(false); }
    ~RealTime() { forms::testing::useManualTime(true); }
};

using formstest::IdleShare;

// Once the last reveal is drawn, the window left alone for a second: what it
// painted or the processor time it took, or "" when it did neither.
QString atRest()
{
    for (int settling = 0; settling < 30; ++settling)
        if (formstest::leftAlone(100).paints.isEmpty())
            break;
    const formstest::Activity rest = formstest::leftAloneIdle(1000);
    if (!rest.paints.isEmpty())
        return QStringLiteral("painted at rest: ") + formstest::listed(rest.paints);
    if (rest.cpuShare() >= IdleShare)
        return QStringLiteral("busy at rest: ") + rest.cost();
    return QString();
}

QList<int> repeated(std::initializer_list<std::pair<int, int>> runs)
{
    QList<int> list;
    for (auto [count, ms] : runs)
        for (int i = 0; i < count; ++i)
            list << ms;
    return list;
}

} // namespace

class AnimationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { startProgramTests(); }
    void init()
    {
        startCase();
        forms::testing::setNow(at(0));
    }
    void cleanup() { endCase(); }

    void quickSolutionRevealsOneStepPerPause_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<QStringList>("frames");
        QTest::newRow("Form3 975 / 5")
            << "Form3" << "5" << "975"
            << QStringList{"",       "Text4=1", "Text6=5",          "Text7=4",  "Text8=7",  "Text5=9",
                           "Text9=4 Text10=5", "", "Text11=0 Text12=2", "Text24=5", "Text26=5",
                           "Text28=5 Text29=2", "Text30=0 Text31=0"};
        QTest::newRow("Form3 100 / 7")
            << "Form3" << "7" << "100"
            << QStringList{"",       "Text4=0", "Text6=0",          "Text7=1",  "Text8=0",  "Text5=1",
                           "Text9=0 Text10=7", "", "Text11=0 Text12=3", "Text24=0", "Text26=4",
                           "Text28=8 Text29=2", "Text30=0 Text31=2"};
        QTest::newRow("Form3 075 / 3, no redirect")
            << "Form3" << "3" << "075"
            << QStringList{"",       "Text4=0", "Text6=0",          "Text7=0",  "Text8=7",  "Text5=2",
                           "Text9=0 Text10=6", "", "Text11=0 Text12=1", "Text24=5", "Text26=5",
                           "Text28=5 Text29=1", "Text30=0 Text31=0"};
        QTest::newRow("Form2 47 / 6") << "Form2" << "6" << "47"
                                      << QStringList{"", "Text4=0", "Text6=0", "Text7=4", "Text8=7", "Text5=7",
                                                     "Text9=4 Text10=2", "Text11=0 Text12=5"};
        QTest::newRow("Form2 05 / 5") << "Form2" << "5" << "05"
                                      << QStringList{"", "Text4=0", "Text6=0", "Text7=0", "Text8=5", "Text5=1",
                                                     "Text9=0 Text10=5", "Text11=0 Text12=0"};
    }
    void quickSolutionRevealsOneStepPerPause()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, divisor);
        QFETCH(QString, dividend);
        QFETCH(QStringList, frames);
        MessageCatcher catcher;
        WorksheetDriver w{openFromMenu(sheet)};
        w.typeProblem(divisor, dividend);
        const Film f = film(w, QStringLiteral("Command9"));
        QCOMPARE(f.frames, frames);
        QCOMPARE(catcher.count(), 0);
        QVERIFY(loadedSheet(sheet) == w.form);
        // Solved: the check button and the part labels; no step button comes or goes.
        QVERIFY(w.button(QStringLiteral("Command10"))->isVisible());
        QCOMPARE(w.row("Label1 Label2 Label3 Label4"), QStringLiteral("خارج القسمة الباقي المقسوم عليه المقسوم"));
        QVERIFY(w.button(QStringLiteral("Command1"))->isVisible());
        for (const tolbrin::Step &s : w.form->sheetDef().steps.size() > 1 ? std::vector<tolbrin::Step>(
                 w.form->sheetDef().steps.begin() + 1, w.form->sheetDef().steps.end())
                                                                            : std::vector<tolbrin::Step>{})
            QVERIFY2(w.button(s.button)->isHidden(), qPrintable(s.button));
    }

    void pauseLengthsFollowTheSecondsCount_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QList<int>>("lengths");
        QTest::newRow("Form3 on the tick") << "Form3" << 0 << repeated({{7, 2000}, {5, 1000}});
        QTest::newRow("Form3 mid-second") << "Form3" << 300 << repeated({{1, 1700}, {6, 2000}, {5, 1000}});
        QTest::newRow("Form3 just before the tick") << "Form3" << 999 << repeated({{1, 1001}, {6, 2000}, {5, 1000}});
        QTest::newRow("Form2 on the tick") << "Form2" << 0 << repeated({{7, 2000}});
        QTest::newRow("Form2 mid-second") << "Form2" << 640 << repeated({{1, 1360}, {6, 2000}});
    }
    void pauseLengthsFollowTheSecondsCount()
    {
        QFETCH(QString, sheet);
        QFETCH(int, phase);
        QFETCH(QList<int>, lengths);
        WorksheetDriver w{openFromMenu(sheet)};
        w.typeProblem(QStringLiteral("5"), QStringLiteral("975"));
        forms::testing::setNow(at(phase));
        const Film f = film(w, QStringLiteral("Command9"));
        QCOMPARE(f.lengths, lengths);
        int total = 0;
        for (int ms : lengths)
            total += ms;
        QCOMPARE(at(phase).msecsTo(forms::now()), qint64(total));
    }

    void aCheckPauseOfOneBegunLateInASecondEndsAtTheTick()
    {
        WorksheetDriver w{openFromMenu(QStringLiteral("Form2"))};
        w.typeProblem(QStringLiteral("6"), QStringLiteral("47"));
        QVERIFY(w.workAll());
        forms::testing::setNow(at(999));
        const Film f = film(w, QStringLiteral("Command10"));
        QCOMPARE(f.lengths, repeated({{1, 1}, {4, 1000}}));
    }

    void checkShowsTheIdentityValueByValue_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<bool>("byQuickSolution");
        QTest::addColumn<QStringList>("frames");
        const QStringList form3 = {"Label7=195 Label8= Label9= Label10= Label11= Label12=", "Label8=5", "Label9=975",
                                   "Label10=975", "Label11=0", "Label12=975"};
        QTest::newRow("Form3 975 / 5 after the steps") << "Form3" << "5" << "975" << false << form3;
        QTest::newRow("Form3 975 / 5 after a quick solution") << "Form3" << "5" << "975" << true << form3;
        QTest::newRow("Form3 100 / 7") << "Form3" << "7" << "100" << false
                                       << QStringList{"Label7=14 Label8= Label9= Label10= Label11= Label12=",
                                                      "Label8=7", "Label9=98", "Label10=98", "Label11=2",
                                                      "Label12=100"};
        const QStringList form2 = {"Text17=7 Text18= Text19= Text20= Text21= Text22=", "Text18=6", "Text19=42",
                                   "Text20=42", "Text21=5", "Text22=47"};
        QTest::newRow("Form2 47 / 6 after the steps") << "Form2" << "6" << "47" << false << form2;
        QTest::newRow("Form2 47 / 6 after a quick solution") << "Form2" << "6" << "47" << true << form2;
    }
    void checkShowsTheIdentityValueByValue()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, divisor);
        QFETCH(QString, dividend);
        QFETCH(bool, byQuickSolution);
        QFETCH(QStringList, frames);
        WorksheetDriver w{openFromMenu(sheet)};
        w.typeProblem(divisor, dividend);
        if (byQuickSolution)
            film(w, QStringLiteral("Command9"));
        else
            QVERIFY(w.workAll());
        QStringList signs;
        const Film f = film(w, QStringLiteral("Command10"), [&](int pause) {
            if (pause == 1)
                for (int n = 8; n <= 15; ++n)
                    if (w.form->control(QStringLiteral("Line%1").arg(n))->isVisible())
                        signs << QString::number(n);
        });
        QCOMPARE(f.frames, frames);
        QCOMPARE(f.lengths, repeated({{5, 1000}}));
        QCOMPARE(signs.size(), 8); // every sign at once, with the captions
        QVERIFY(w.label(QStringLiteral("Label5"))->isVisible() && w.label(QStringLiteral("Label6"))->isVisible());
        // Again: the same values with the same pauses.
        const Film again = film(w, QStringLiteral("Command10"));
        QCOMPARE(again.lengths, f.lengths);
        QCOMPARE(onShow(w), onShow(w));
        QCOMPARE(again.frames.join(QString()), QString()); // nothing new to see
    }

    // The captions of the check rows keep to the room beside the values, so no
    // caption is drawn under a value.
    void checkCaptionsStayClearOfTheValues_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("dividend");
        QTest::newRow("Form3 975 / 5") << "Form3" << "5" << "975";
        QTest::newRow("Form2 47 / 6") << "Form2" << "6" << "47";
    }
    void checkCaptionsStayClearOfTheValues()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, divisor);
        QFETCH(QString, dividend);
        WorksheetDriver w{openFromMenu(sheet)};
        w.typeProblem(divisor, dividend);
        QVERIFY(w.workAll());
        film(w, QStringLiteral("Command10"));
        static const QRegularExpression value(QStringLiteral("^(Label(7|8|9|10|11|12)|Text(17|18|19|20|21|22))$"));
        for (const QString &name : {QStringLiteral("Label5"), QStringLiteral("Label6")}) {
            forms::Label *caption = w.label(name);
            QVERIFY(caption->isVisible());
            QVERIFY2(formstest::captionWhole(caption), qPrintable(name));
            const QRect room = caption->contentsRect().translated(caption->pos());
            for (QWidget *c : w.form->findChildren<QWidget *>())
                if (c->isVisible() && value.match(c->objectName()).hasMatch())
                    QVERIFY2(!room.intersects(c->geometry()), qPrintable(name + QLatin1String(" over ") + c->objectName()));
            // On one line at its design size, as measured on the drawn pixels.
            QVERIFY2(formstest::captionFault(caption, true).isEmpty(), qPrintable(formstest::captionFault(caption, true)));
            const formstest::DrawnCaption drawn = formstest::measureCaption(caption);
            QVERIFY2(drawn.scale > 0.97 && !caption->shrunk(), qPrintable(name + QLatin1String(" at ") + QString::number(drawn.scale)));
        }
    }

    // Every caption of a worksheet, in each state the pupil meets, is drawn
    // whole, on one line, at 80% of its design size or more, inside the window.
    void everyCaptionIsWholeInEachState_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("dividend");
        QTest::newRow("Form3 958 / 7") << "Form3" << "7" << "958";
        QTest::newRow("Form2 95 / 7") << "Form2" << "7" << "95";
    }
    void everyCaptionIsWholeInEachState()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, divisor);
        QFETCH(QString, dividend);
        WorksheetDriver w{openFromMenu(sheet)};
        const auto expectWhole = [&](const char *state) {
            const QStringList faults = formstest::captionFaults(w.form);
            QVERIFY2(faults.isEmpty(), qPrintable(QLatin1String(state) + QLatin1String(": ") + faults.join(QLatin1String("; "))));
            const QStringList foreign = formstest::foreignDigits(w.form);
            QVERIFY2(foreign.isEmpty(), qPrintable(QLatin1String(state) + QLatin1String(": ") + foreign.join(QLatin1String("; "))));
        };
        expectWhole("first shown");
        w.typeProblem(divisor, dividend);
        film(w, QStringLiteral("Command9"));
        expectWhole("quick solution");
        film(w, QStringLiteral("Command10"));
        expectWhole("check finished");
    }

    // Every button stays live in a pause; its handler runs to its end there.
    void aStepClickedMidPauseRunsToItsEnd()
    {
        WorksheetDriver w{openFromMenu(QStringLiteral("Form3"))};
        w.typeProblem(QStringLiteral("5"), QStringLiteral("975"));
        QString seen;
        const Film f = film(w, QStringLiteral("Command9"), [&](int pause) {
            if (pause == 3) {
                QVERIFY(w.press(QStringLiteral("Command1")));
                QVERIFY(w.press(QStringLiteral("Command2")));
                seen = w.row("Text4 Text6");
                QVERIFY(w.button(QStringLiteral("Command3"))->isVisible());
                QVERIFY(w.press(QStringLiteral("Command12")));
            }
        });
        QCOMPARE(seen, QStringLiteral("1 5"));
        QCOMPARE(f.lengths.size(), 12);
        QVERIFY(forms::instance<tolbrin::Form4>());
        QVERIFY(w.button(QStringLiteral("Command3"))->isVisible()); // the steps' own buttons stay
        QCOMPARE(w.row("Text30 Text31"), QStringLiteral("0 0"));
    }

    void aSecondQuickSolutionMidPausePlaysInFull()
    {
        WorksheetDriver w{openFromMenu(QStringLiteral("Form3"))};
        w.typeProblem(QStringLiteral("5"), QStringLiteral("975"));
        int nested = 0;
        const Film f = film(w, QStringLiteral("Command9"), [&](int pause) {
            if (pause == 2 && nested++ == 0) {
                QVERIFY(w.press(QStringLiteral("Command9")));
                QVERIFY(w.button(QStringLiteral("Command10"))->isVisible()); // the inner one finished
                QCOMPARE(w.row("Text30 Text31"), QStringLiteral("0 0"));
            }
        });
        QCOMPARE(f.lengths.size(), 2 + 12 + 10);
        QCOMPARE(w.row("Text4 Text5 Text26 Text30 Text31"), QStringLiteral("1 9 5 0 0"));
    }

    // Before it starts, a run needs every box it reads as a number to hold one.
    void aRunThatCannotBeWorkedShowsNothing_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<bool>("solvedFirst");
        QTest::addColumn<QString>("button");
        QTest::newRow("Form3 quick solution, tens empty") << "Form3" << "9 5" << false << "Command9";
        QTest::newRow("Form3 quick solution, units empty") << "Form3" << "97 " << false << "Command9";
        QTest::newRow("Form3 quick solution, hundreds empty") << "Form3" << " 75" << false << "Command9";
        QTest::newRow("Form2 quick solution, tens empty") << "Form2" << " 7" << false << "Command9";
        QTest::newRow("Form2 quick solution, units empty") << "Form2" << "4 " << false << "Command9";
        QTest::newRow("Form2 check, divisor emptied") << "Form2" << "47" << true << "Command10";
    }
    void aRunThatCannotBeWorkedShowsNothing()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, dividend);
        QFETCH(bool, solvedFirst);
        QFETCH(QString, button);
        MessageCatcher catcher;
        WorksheetDriver w{openFromMenu(sheet)};
        w.typeProblem(QStringLiteral("6"), dividend);
        if (solvedFirst) {
            QVERIFY(w.workAll());
            erase(w.box(QStringLiteral("Text3")));
        }
        const auto before = onShow(w);
        const Film f = film(w, button);
        QVERIFY(f.lengths.isEmpty());
        QCOMPARE(onShow(w), before);
        QCOMPARE(w.label(QStringLiteral("Label5"))->isVisible(), false);
        QCOMPARE(w.button(QStringLiteral("Command10"))->isVisible(), solvedFirst);
        QCOMPARE(catcher.count(), 0);
        QVERIFY(!forms::programEnded());
    }

    void theThreeDigitCheckReadsNoEntryBox()
    {
        WorksheetDriver w{openFromMenu(QStringLiteral("Form3"))};
        w.typeProblem(QStringLiteral("5"), QStringLiteral("975"));
        QVERIFY(w.workAll());
        erase(w.box(QStringLiteral("Text3")));
        const Film f = film(w, QStringLiteral("Command10"));
        QCOMPARE(f.lengths.size(), 5);
        QCOMPARE(w.row("Label7 Label8 Label9 Label10 Label11 Label12"), QStringLiteral("195  0 0 0 0"));
    }

    // A box emptied or a divisor set to 0 during a run stops it before the
    // reveal that needs it, leaving what is shown.
    void aRunStopsBeforeTheRevealThatCannotBeWorked_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("pause");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("digit");      // "" empties
        QTest::addColumn<int>("pauses");         // pauses waited before it stopped
        QTest::addColumn<QString>("shown");      // the last reveal, still on show
        QTest::addColumn<QString>("unrevealed"); // what it stopped before
        QTest::newRow("Form3 tens emptied in pause 4") << "Form3" << "Command9" << 4 << "Text1" << "" << 5 << "Text8="
                                                       << "Text5";
        QTest::newRow("Form3 divisor 0 in pause 5") << "Form3" << "Command9" << 5 << "Text3" << "0" << 5 << "Text8=7"
                                                    << "Text5";
        QTest::newRow("Form3 divisor 0 in pause 10") << "Form3" << "Command9" << 10 << "Text3" << "0" << 10
                                                     << "Text24=5" << "Text26";
        QTest::newRow("Form3 units emptied in pause 9") << "Form3" << "Command9" << 9 << "Text23" << "" << 10
                                                        << "Text24=" << "Text26";
        QTest::newRow("Form2 divisor emptied in pause 2") << "Form2" << "Command9" << 2 << "Text3" << "" << 2
                                                          << "Text4=0" << "Text6";
        QTest::newRow("Form2 check, divisor emptied in pause 1") << "Form2" << "Command10" << 1 << "Text3" << "" << 2
                                                                 << "Text18=" << "Text19";
    }
    void aRunStopsBeforeTheRevealThatCannotBeWorked()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, button);
        QFETCH(int, pause);
        QFETCH(QString, box);
        QFETCH(QString, digit);
        QFETCH(int, pauses);
        QFETCH(QString, shown);
        QFETCH(QString, unrevealed);
        WorksheetDriver w{openFromMenu(sheet)};
        w.typeProblem(QStringLiteral("5"), sheet == QLatin1String("Form3") ? QStringLiteral("975") : QStringLiteral("47"));
        if (button == QLatin1String("Command10"))
            QVERIFY(w.workAll());
        const Film f = film(w, button, [&](int k) {
            if (k == pause) {
                erase(w.box(box));
                type(w.box(box), digit);
            }
        });
        QCOMPARE(f.lengths.size(), pauses);
        QCOMPARE(f.frames.last(), QString()); // nothing more after it stopped
        const auto now = onShow(w);
        QCOMPARE(now.value(shown.section(QLatin1Char('='), 0, 0), QStringLiteral("hidden")),
                 shown.section(QLatin1Char('='), 1));
        QCOMPARE(now.value(unrevealed), QString());
        if (button == QLatin1String("Command9"))
            QCOMPARE(w.label(QStringLiteral("Label1"))->isVisible(), false);
        QVERIFY(!forms::programEnded());
    }

    // Wall-clock changes do not hold a pause: each is as long as it was when it began.
    void aClockSetBackMidPauseHoldsNothing()
    {
        WorksheetDriver w{openFromMenu(QStringLiteral("Form2"))};
        w.typeProblem(QStringLiteral("6"), QStringLiteral("47"));
        const Film f = film(w, QStringLiteral("Command9"), [](int pause) {
            if (pause == 2)
                forms::testing::setNow(forms::now().addSecs(-3600));
        });
        QCOMPARE(f.lengths, repeated({{7, 2000}}));
        QCOMPARE(w.row("Text11 Text12"), QStringLiteral("0 5"));
    }

    void newProblemStopsTheRunsBegunBeforeIt_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("pause");
        QTest::newRow("Form3 quick solution") << "Form3" << "Command9" << 5;
        QTest::newRow("Form3 quick solution, last pause") << "Form3" << "Command9" << 12;
        QTest::newRow("Form3 check") << "Form3" << "Command10" << 2;
        QTest::newRow("Form2 quick solution") << "Form2" << "Command9" << 7;
        QTest::newRow("Form2 check") << "Form2" << "Command10" << 5;
    }
    void newProblemStopsTheRunsBegunBeforeIt()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, button);
        QFETCH(int, pause);
        WorksheetDriver w{openFromMenu(sheet)};
        const QString fixed = w.shownButtons().join(QLatin1Char(' '));
        w.typeProblem(QStringLiteral("5"), sheet == QLatin1String("Form3") ? QStringLiteral("975") : QStringLiteral("47"));
        if (button == QLatin1String("Command10"))
            QVERIFY(w.workAll());
        const Film f = film(w, button, [&](int k) {
            if (k == pause)
                QVERIFY(w.press(QStringLiteral("Command8")));
        });
        QCOMPARE(f.lengths.size(), pause);
        QCOMPARE(w.shownButtons().join(QLatin1Char(' ')), fixed);
        QVERIFY(onShow(w).isEmpty());
        for (const tolbrin::LabelDef &l : w.form->sheetDef().labels)
            QVERIFY2(w.label(l.name)->isHidden(), qPrintable(l.name));
    }

    void aRunBegunAfterANewProblemPlaysInFull()
    {
        WorksheetDriver w{openFromMenu(QStringLiteral("Form3"))};
        w.typeProblem(QStringLiteral("5"), QStringLiteral("975"));
        int k = 0;
        const Film f = film(w, QStringLiteral("Command9"), [&](int) {
            if (++k == 3) {
                QVERIFY(w.press(QStringLiteral("Command8")));
                w.typeProblem(QStringLiteral("7"), QStringLiteral("100"));
                QVERIFY(w.press(QStringLiteral("Command9")));
            }
        });
        QCOMPARE(f.lengths.size(), 3 + 12);
        QCOMPARE(w.row("Text4 Text5 Text26 Text30 Text31"), QStringLiteral("0 1 4 0 2"));
        QVERIFY(w.button(QStringLiteral("Command10"))->isVisible());
    }

    // Leaving mid-pause: the run stops and never touches its old window again.
    void leavingMidPauseStopsTheRun_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("leave");
        QTest::addColumn<QString>("then"); // the worksheet loaded afterwards, if any
        QTest::newRow("Form3 return") << "Form3" << "Command9" << "Command17" << "";
        QTest::newRow("Form2 return") << "Form2" << "Command9" << "Command13" << "";
        QTest::newRow("Form3 return, then Form3 again") << "Form3" << "Command9" << "Command17" << "Form3";
        QTest::newRow("Form3 check, return, then Form3 again") << "Form3" << "Command10" << "Command17" << "Form3";
        QTest::newRow("Form2 check, return, then Form2 again") << "Form2" << "Command10" << "Command13" << "Form2";
        QTest::newRow("Form3 redirect") << "Form3" << "Command9" << "redirect" << "";
        QTest::newRow("Form3 close box") << "Form3" << "Command9" << "close" << "";
        QTest::newRow("Form2 close box") << "Form2" << "Command10" << "close" << "";
    }
    void leavingMidPauseStopsTheRun()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, button);
        QFETCH(QString, leave);
        QFETCH(QString, then);
        MessageCatcher catcher;
        WorksheetDriver w{openFromMenu(sheet)};
        w.typeProblem(QStringLiteral("5"), sheet == QLatin1String("Form3") ? QStringLiteral("975") : QStringLiteral("47"));
        if (button == QLatin1String("Command10"))
            QVERIFY(w.workAll());
        QVERIFY(w.press(QStringLiteral("Command12"))); // the about window keeps the program running
        const QPointer<VerticalDivisionForm> old(w.form);
        VerticalDivisionForm *fresh = nullptr;
        int pauses = 0;
        forms::testing::setPauseHook([&](int) {
            if (++pauses != 3)
                return;
            if (leave == QLatin1String("redirect")) {
                erase(w.box(QStringLiteral("Text23")));
                QVERIFY(w.press(QStringLiteral("Command1")));
            } else if (leave == QLatin1String("close")) {
                w.form->close();
            } else {
                QVERIFY(w.press(leave));
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (!then.isEmpty())
                fresh = openFromMenu(then);
        });
        formstest::click(w.button(button));
        forms::testing::setPauseHook(nullptr);
        QCOMPARE(pauses, 3);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!old); // freed once its handler was done
        QVERIFY(!forms::programEnded());
        if (fresh) {
            WorksheetDriver again{fresh};
            QVERIFY(onShow(again).isEmpty());
            QCOMPARE(again.row("Text3 Text2 Text1"), QStringLiteral("  "));
        }
        if (leave == QLatin1String("redirect")) {
            QCOMPARE(catcher.count(), 1);
            QVERIFY(loadedSheet(QStringLiteral("Form2")));
        }
    }

    // On the real clock: a pupil's runs wait idle through every pause, end
    // showing their last reveal, and then leave the window at rest.
    void realRunsWaitIdleAndLeaveTheWindowAtRest_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("divisor");
        QTest::addColumn<QString>("dividend");
        QTest::addColumn<bool>("quick");       // solved by the quick solution, else by the steps
        QTest::addColumn<QString>("lastStep");  // the last reveal's boxes, then the part captions
        QTest::addColumn<QString>("solved");
        QTest::addColumn<QString>("checkValues");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("leastMs"); // the shortest the quick solution can take
        const QString parts = QStringLiteral("خارج القسمة الباقي المقسوم عليه المقسوم");
        QTest::newRow("Form3 975 / 5, quick solution, then check")
            << "Form3" << "5" << "975" << true << "Text30 Text31 Label1 Label2 Label3 Label4"
            << QStringLiteral("0 0 ") + parts << "Label7 Label8 Label9 Label10 Label11 Label12"
            << "195 5 975 975 0 975" << 6 * 2000 + 5 * 1000;
        QTest::newRow("Form2 47 / 6, steps, then check")
            << "Form2" << "6" << "47" << false << "Text11 Text12 Label1 Label2 Label3 Label4"
            << QStringLiteral("0 5 ") + parts << "Text17 Text18 Text19 Text20 Text21 Text22"
            << "7 6 42 42 5 47" << 0;
    }
    void realRunsWaitIdleAndLeaveTheWindowAtRest()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, divisor);
        QFETCH(QString, dividend);
        QFETCH(bool, quick);
        QFETCH(QString, lastStep);
        QFETCH(QString, solved);
        QFETCH(QString, checkValues);
        QFETCH(QString, checked);
        QFETCH(int, leastMs);
        const RealTime real;
        MessageCatcher catcher;
        WorksheetDriver w{openFromMenu(sheet)};
        w.typeProblem(divisor, dividend);
        formstest::leftAlone(100);

        if (quick) {
            bool pressed = false;
            const formstest::Activity run = formstest::activityOf([&] { pressed = w.press(QStringLiteral("Command9")); });
            QVERIFY(pressed);
            QVERIFY2(run.wallMs >= leastMs, qPrintable(run.cost()));
            QVERIFY2(run.cpuShare() < IdleShare, qPrintable(QLatin1String("quick solution: ") + run.cost()));
        } else {
            QVERIFY(w.workAll());
        }
        QCOMPARE(w.row(lastStep), solved);
        QVERIFY(w.button(QStringLiteral("Command10"))->isVisible());
        const QString solvedRest = atRest();
        QVERIFY2(solvedRest.isEmpty(), qPrintable(QLatin1String("solved: ") + solvedRest));

        bool pressed = false;
        const formstest::Activity check = formstest::activityOf([&] { pressed = w.press(QStringLiteral("Command10")); });
        QVERIFY(pressed);
        QVERIFY2(check.wallMs >= 3500, qPrintable(check.cost()));
        QVERIFY2(check.cpuShare() < IdleShare, qPrintable(QLatin1String("check: ") + check.cost()));
        QCOMPARE(w.row(checkValues), checked);
        const QString checkedRest = atRest();
        QVERIFY2(checkedRest.isEmpty(), qPrintable(QLatin1String("checked: ") + checkedRest));
        QCOMPARE(catcher.count(), 0);
        QVERIFY(loadedSheet(sheet) == w.form);
    }

    void exitEndsTheProgramAtOnceMidPause()
    {
        MessageCatcher catcher;
        WorksheetDriver w{openFromMenu(QStringLiteral("Form3"))};
        w.typeProblem(QStringLiteral("5"), QStringLiteral("975"));
        QVERIFY(w.press(QStringLiteral("Command12")));
        const Film f = film(w, QStringLiteral("Command9"), [&](int k) {
            if (k == 4)
                QVERIFY(w.press(QStringLiteral("Command11")));
        });
        QCOMPARE(f.lengths.size(), 4);
        QVERIFY(forms::programEnded());
        QVERIFY(forms::loadedForms().isEmpty());
        QCOMPARE(catcher.count(), 0);
    }
};

QTEST_MAIN(AnimationTest)
#include "animation_test.moc"
