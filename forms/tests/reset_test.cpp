// What one case may leave in the state the forms layer shares, and what the
// next case meets once the shared reset has run: a fresh program on real time.
#include <QApplication>
#include <QTest>

#include <functional>

#include "forms/app.h"
#include "forms/pause.h"
#include "forms/random.h"
#include "forms/sound.h"
#include "forms/timing.h"
#include "forms/titlebar.h"
#include "forms/window.h"
#include "reset.h"

using namespace forms;

namespace {
class Plain : public Form {};

// One thing a case leaves behind: how it leaves it (its hooks note their
// calls), and what the next case would meet of it; empty when nothing.
struct Leftover {
    const char *name;
    std::function<void(QStringList &calls)> leave;
    std::function<QString(const QStringList &calls)> fault;
};

const Leftover leftovers[] = {
    {"test time on a clock of its own",
     [](QStringList &) {
         testing::useManualTime(true);
         testing::setNow(QDateTime(QDate(2001, 1, 1), QTime(0, 0)));
         testing::advance(5000);
     },
     [](const QStringList &) -> QString {
         if (testing::manualTime())
             return QStringLiteral("still on test time");
         if (qAbs(now().secsTo(QDateTime::currentDateTime())) > 60)
             return QStringLiteral("the clock reads ") + now().toString(Qt::ISODate);
         Timer timer(nullptr, QStringLiteral("Timer1"), 10);
         int ticks = 0;
         QObject::connect(&timer, &Timer::tick, [&] { ++ticks; });
         return QTest::qWaitFor([&] { return ticks > 0; }, 2000)
                    ? QString()
                    : QStringLiteral("a timer does not tick on the real clock");
     }},
    {"scripted draws",
     [](QStringList &) { testing::scriptDraws({3, 3, 3}); },
     [](const QStringList &) -> QString {
         return testing::scriptedDrawsLeft() ? QStringLiteral("scripted draws wait") : QString();
     }},
    {"a sound hook",
     [](QStringList &calls) { testing::setSoundHook([&calls](const QString &p) { calls << p; }); },
     [](const QStringList &calls) -> QString {
         playSound(QStringLiteral("/nowhere/yes.wav"));
         return calls.isEmpty() ? QString() : QStringLiteral("the hook heard ") + calls.join(u' ');
     }},
    {"a program-start hook",
     [](QStringList &calls) {
         testing::setStartProgramHook([&calls](const QString &p) {
             calls << p;
             return true;
         });
     },
     [](const QStringList &calls) -> QString {
         if (startProgram(QStringLiteral("/nowhere/program")))
             return QStringLiteral("a missing program started");
         return calls.isEmpty() ? QString() : QStringLiteral("the hook was asked for ") + calls.join(u' ');
     }},
    {"a pause hook",
     [](QStringList &calls) { testing::setPauseHook([&calls](int ms) { calls << QString::number(ms); }); },
     [](const QStringList &calls) -> QString {
         testing::useManualTime(true);
         pauseWholeSeconds(show<Plain>(), 1);
         return calls.isEmpty() ? QString() : QStringLiteral("the hook saw a pause of ") + calls.join(u' ');
     }},
    {"a title bar of its own",
     [](QStringList &) {
         TitleBar bar;
         bar.layout = QStringLiteral("C");
         testing::setTitleBar(bar);
     },
     [](const QStringList &) -> QString {
         const QString layout = titleBar(QStringLiteral("نافذة")).layout;
         return layout == QLatin1String("C") ? QStringLiteral("the case's title bar is still given") : QString();
     }},
    {"a window left open",
     [](QStringList &) { show<Plain>(); },
     [](const QStringList &) -> QString {
         return loadedForms().isEmpty() ? QString() : QStringLiteral("loaded: ") + loadedForms().first()->objectName();
     }},
    {"a program that ended",
     [](QStringList &) {
         show<Plain>();
         endProgram();
     },
     [](const QStringList &) -> QString {
         if (programEnded())
             return QStringLiteral("the program reads as ended");
         return show<Plain>()->isVisible() ? QString() : QStringLiteral("a window shown does not show");
     }},
};
} // namespace

class ResetTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { formstest::resetAll(); }

    void theNextCaseMeetsNothingOfTheLast_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(leftovers)); ++i)
            QTest::newRow(leftovers[i].name) << i;
    }
    void theNextCaseMeetsNothingOfTheLast()
    {
        QFETCH(int, row);
        QStringList calls;
        leftovers[row].leave(calls);
        formstest::resetAll();
        const QString fault = leftovers[row].fault(calls);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

QTEST_MAIN(ResetTest)
#include "reset_test.moc"
