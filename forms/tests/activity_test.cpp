// How the tests tell a window at rest from one that works: a burst of
// processor time the machine spends once passes, work that goes on does not,
// and a paint while the window is left alone is always seen.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include "driver.h"

namespace {

constexpr int RestMs = 300;

// Spins on the processor for `ms`, or until stopped when `ms` is 0.
class Spinner {
public:
    explicit Spinner(int ms)
        : thread_([this, ms] {
              const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
              while (!stop_ && (ms == 0 || std::chrono::steady_clock::now() < end)) {
              }
          })
    {
    }
    ~Spinner()
    {
        stop_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace

class ActivityTest : public QObject {
    Q_OBJECT
private slots:
    void processorTimeAtRest_data()
    {
        QTest::addColumn<int>("spinMs");
        QTest::addColumn<bool>("busy");
        QTest::newRow("nothing runs") << -1 << false;
        QTest::newRow("one burst as the rest begins") << 150 << false;
        QTest::newRow("work that goes on") << 0 << true;
    }
    void processorTimeAtRest()
    {
        QFETCH(int, spinMs);
        QFETCH(bool, busy);
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        formstest::leftAlone(100);
        std::optional<Spinner> spinner;
        if (spinMs >= 0)
            spinner.emplace(spinMs);
        const formstest::Activity seen = formstest::leftAloneIdle(RestMs);
        spinner.reset();
        QVERIFY2((seen.cpuShare() > formstest::IdleShare) == busy, qPrintable(seen.cost()));
        QVERIFY(seen.wallMs >= RestMs);
        QVERIFY2(seen.paints.isEmpty(), qPrintable(formstest::listed(seen.paints)));
    }

    // A window that paints once while left alone is caught, though the
    // processor time it took is small and the later rests are quiet.
    void aPaintAtRestIsSeen()
    {
        QWidget window;
        window.setObjectName(QStringLiteral("Form1"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        formstest::leftAlone(100);
        Spinner spinner(150);
        QTimer::singleShot(20, &window, [&window] { window.update(); });
        const formstest::Activity seen = formstest::leftAloneIdle(RestMs);
        QCOMPARE(seen.paints.value(QStringLiteral("Form1")), 1);
    }
};

QTEST_MAIN(ActivityTest)
#include "activity_test.moc"
