// The whole-second pause, the manual clock, and windows that are unloaded
// while one of their handlers waits in a pause or a message box.
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <ctime>

#include "forms/app.h"
#include "forms/msgbox.h"
#include "forms/pause.h"
#include "forms/timing.h"
#include "forms/window.h"
#include "forms/tests/driver.h"
#include "forms/tests/reset.h"

using namespace forms;

namespace {
// A window whose handler waits, then writes into its own state.
class Waiting : public Form {
public:
    bool waitThenWrite(int seconds)
    {
        const bool whole = pauseWholeSeconds(this, seconds);
        note = whole ? QStringLiteral("done") : QStringLiteral("stopped");
        return whole;
    }
    QString note;
};
class Other : public Form {};

QDateTime at(int second, int ms) { return QDateTime(QDate(2026, 3, 1), QTime(9, 30, second, ms)); }

void flushDeletes()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class LifetimeTest : public QObject {
    Q_OBJECT
private slots:
    void init() { testing::useManualTime(true); }
    void cleanup() { formstest::resetAll(); }

    void manualClockStartsAtAChosenInstant()
    {
        testing::setNow(at(5, 250));
        QCOMPARE(now(), at(5, 250));
        testing::advance(800);
        QCOMPARE(now(), at(6, 50));
    }

    void wholeSecondPauseEndsAtTheSecondsBoundary_data()
    {
        QTest::addColumn<int>("phase"); // ms already gone of the current second
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("length");
        QTest::newRow("1 s on the tick") << 0 << 1 << 1000;
        QTest::newRow("1 s mid-second") << 400 << 1 << 600;
        QTest::newRow("1 s just before the tick") << 999 << 1 << 1;
        QTest::newRow("2 s on the tick") << 0 << 2 << 2000;
        QTest::newRow("2 s mid-second") << 300 << 2 << 1700;
        QTest::newRow("2 s just before the tick") << 999 << 2 << 1001;
    }
    void wholeSecondPauseEndsAtTheSecondsBoundary()
    {
        QFETCH(int, phase);
        QFETCH(int, seconds);
        QFETCH(int, length);
        auto *w = show<Waiting>();
        testing::setNow(at(10, phase));
        QList<int> hooked;
        testing::setPauseHook([&](int ms) { hooked << ms; });
        QVERIFY(w->waitThenWrite(seconds));
        QCOMPARE(hooked, QList<int>{length});
        QCOMPARE(at(10, phase).msecsTo(now()), qint64(length));
        QCOMPARE(now().time().second(), 10 + seconds);
        QCOMPARE(now().time().msec(), 0);
    }

    void unloadingTheWindowMidPauseEndsItButKeepsTheWindowUntilItsHandlerIsDone()
    {
        auto *w = show<Waiting>();
        show<Other>();
        QPointer<Waiting> alive(w);
        testing::setPauseHook([&](int) {
            unload(w);
            flushDeletes(); // what a nested event loop would do
        });
        QVERIFY(!w->waitThenWrite(2));
        QVERIFY(alive);
        QCOMPARE(w->note, QStringLiteral("stopped"));
        QVERIFY(w->isUnloaded());
        QVERIFY(!instance<Waiting>());
        flushDeletes();
        QVERIFY(!alive);
    }

    void nestedPausesOfOneWindowAllEndWhenItIsUnloaded()
    {
        auto *w = show<Waiting>();
        show<Other>();
        QPointer<Waiting> alive(w);
        bool inner = true;
        int depth = 0;
        testing::setPauseHook([&](int) {
            if (++depth == 1) {
                inner = pauseWholeSeconds(w, 1); // a second run started in the pause
                return;
            }
            unload(w);
            flushDeletes();
        });
        QVERIFY(!w->waitThenWrite(1));
        QVERIFY(!inner);
        QVERIFY(alive);
        flushDeletes();
        QVERIFY(!alive);
    }

    void pauseOfAnUnloadedWindowOrAfterTheEndDoesNotWait()
    {
        auto *w = show<Waiting>();
        show<Other>();
        testing::setNow(at(0, 0));
        {
            FormHold keep(w);
            unload(w);
            QVERIFY(!pauseWholeSeconds(w, 2));
        }
        QCOMPARE(now(), at(0, 0));
        endProgram();
        QVERIFY(!pauseWholeSeconds(nullptr, 1));
        QCOMPARE(now(), at(0, 0));
    }

    void endingTheProgramMidPauseEndsIt()
    {
        auto *w = show<Waiting>();
        testing::setPauseHook([](int) { endProgram(); });
        QVERIFY(!w->waitThenWrite(2));
        QVERIFY(programEnded());
        QVERIFY(loadedForms().isEmpty());
    }

    void ownerUnloadedUnderItsOpenMessageBoxIsKeptUntilTheBoxCloses()
    {
        formstest::MessageCatcher catcher;
        auto *w = show<Waiting>();
        show<Other>();
        QPointer<Waiting> alive(w);
        QTimer::singleShot(0, w, [w] {
            unload(w);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });
        QCOMPARE(msgBox(w, QStringLiteral("نص"), MsgOkOnly), int(MsgOk));
        QCOMPARE(catcher.count(), 1);
        QVERIFY(alive);
        flushDeletes();
        QVERIFY(!alive);
    }

    void realPauseWaitsInTheEventLoopAndEndsEarlyOnUnload()
    {
        testing::useManualTime(false);
        auto *w = show<Waiting>();
        show<Other>();
        QTimer::singleShot(30, [w] { unload(w); });
        QElapsedTimer wall;
        wall.start();
        const std::clock_t cpu0 = std::clock();
        QVERIFY(!w->waitThenWrite(2));
        const double cpuMs = double(std::clock() - cpu0) * 1000.0 / CLOCKS_PER_SEC;
        QVERIFY(wall.elapsed() >= 25);
        QVERIFY2(wall.elapsed() < 1000, qPrintable(QString::number(wall.elapsed())));
        QVERIFY2(cpuMs < 100, qPrintable(QString::number(cpuMs)));
    }
};

QTEST_MAIN(LifetimeTest)
#include "lifetime_test.moc"
