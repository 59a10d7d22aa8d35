// The start card and the next-question delay on the wall clock: neither ends
// before its interval, nor much after it.
#include <QElapsedTimer>
#include <QTest>

#include "drill_driver.h"
#include "forms/app.h"
#include "forms/timing.h"
#include "mirrane.h"
#include "mirranemenu.h"

using namespace mirrane;
using namespace mirranetest;
using drillstest::Draws;
using drillstest::inOrder;
using drillstest::question;

namespace {
// How late a delay may end on a quiet machine.
constexpr qint64 Slack = 150;

QString inRange(qint64 took, int interval)
{
    return QStringLiteral("%1 ms for an interval of %2 ms").arg(took).arg(interval);
}
} // namespace

class DelaysTest : public QObject {
    Q_OBJECT
private slots:
    void init() { forms::testing::useManualTime(false); }
    void cleanup() { endCase(); }

    void theCardShowsTheMenuAfter3000ms()
    {
        mirrane::start();
        QElapsedTimer clock;
        clock.start();
        auto menuShown = [] {
            auto *menu = formstest::loadedForm<Form5>(QStringLiteral("Form5"));
            return menu && menu->isVisible();
        };
        QVERIFY(QTest::qWaitFor(menuShown, 5000));
        const qint64 took = clock.elapsed();
        QVERIFY2(took >= 3000 && took <= 3000 + Slack, qPrintable(inRange(took, 3000)));
    }

    // Each question's answer is typed and Enter pressed; the next question
    // shows once the 2500 ms have passed.
    void theNextQuestionComesAfter2500ms_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("wrong answers") << QStringList{"1", "2", "3", "4"};
        QTest::newRow("right answers") << QStringList{"0.7", "3.5", "9900", "0.7"};
        QTest::newRow("right and wrong") << QStringList{"0.7", "0", "9900", "5"};
    }
    void theNextQuestionComesAfter2500ms()
    {
        QFETCH(QStringList, answers);
        const QStringList questions{"0.07×10=", "0.035×100=", "9.9×1000=", "0.07×10=", "0.035×100="};
        auto *w = openDrill<Form2>(
            inOrder({question(2, 7), question(3, 35), question(5, 99), question(2, 7), question(3, 35)}));
        for (int i = 0; i < answers.size(); ++i) {
            QCOMPARE(caption(w, "Label2"), questions[i]);
            answerTyped(w, answers[i]);
            QElapsedTimer clock;
            clock.start();
            QVERIFY(label(w, "Label3")->isVisible());
            const QString next = questions[i + 1];
            QVERIFY(QTest::qWaitFor([&] { return caption(w, "Label2") == next; }, 5000));
            const qint64 took = clock.elapsed();
            QVERIFY2(took >= 2500 && took <= 2500 + Slack, qPrintable(inRange(took, 2500)));
            QVERIFY(!label(w, "Label3")->isVisible());
        }
    }
};

QTEST_MAIN(DelaysTest)
#include "delays_test.moc"
