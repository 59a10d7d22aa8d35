// Keys, time, draws, shapes and pictures of the forms layer, as the windows use them.
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTest>

#include "driver.h"
#include "reset.h"
#include "forms/app.h"
#include "forms/controls.h"
#include "forms/random.h"
#include "forms/timing.h"
#include "forms/window.h"

using namespace forms;
using namespace formstest;

namespace {
class Plain : public Form {
public:
    Plain()
    {
        setObjectName(QStringLiteral("Plain"));
        resize(200, 200);
    }
};
class Other : public Form {
public:
    Other() { setObjectName(QStringLiteral("Other")); }
};

QColor pixelAt(QWidget *w, QPoint p) { return w->grab().toImage().pixelColor(p); }

void sendMouseMove(QWidget *w)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}
} // namespace

class EventsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { formstest::resetAll(); }

    void keyPreviewSeesEnterAndEscOnceAndDropsOrPasses()
    {
        auto *f = show<Plain>();
        auto *box = new TextBox(f, QStringLiteral("Text1"));
        box->show();
        QList<int> seen;
        f->setKeyPreviewHandler([&](int key) {
            seen << key;
            return key == 'x' || key == Form::KeyEnter;
        });
        f->setKeyPreview(true);
        type(box, QStringLiteral("ax5"));
        press(box, Qt::Key_Return);
        press(box, Qt::Key_Escape); // the box ignores it and it travels on to the window
        press(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("a"));
        QCOMPARE(seen, (QList<int>{'a', 'x', '5', Form::KeyEnter, Form::KeyEscape, Form::KeyBackspace}));

        f->setKeyPreview(false);
        type(box, QStringLiteral("x"));
        QCOMPARE(box->text(), QStringLiteral("ax"));
        QCOMPARE(seen.size(), 6);
    }

    void theWindowsOwnKeyPressOnlyWhileNoControlHasTheFocus()
    {
        auto *f = show<Plain>();
        QList<int> seen;
        f->setKeyPressHandler([&](int key) { seen << key; });
        press(f, Qt::Key_Escape);
        press(f, Qt::Key_A, QStringLiteral("a"));
        QCOMPARE(seen, (QList<int>{Form::KeyEscape, 'a'}));

        auto *button = new CommandButton(f, QStringLiteral("Command1"), QStringLiteral("موافق"));
        button->show();
        button->setFocus();
        press(button, Qt::Key_Escape);
        press(button, Qt::Key_A, QStringLiteral("a"));
        QCOMPARE(seen.size(), 2);
    }

    void closeFromOutside_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<bool>("ended");
        QTest::newRow("unload") << int(Form::CloseAction::Unload) << false << false;
        QTest::newRow("hide") << int(Form::CloseAction::Hide) << true << false;
        QTest::newRow("end") << int(Form::CloseAction::EndProgram) << false << true;
    }
    void closeFromOutside()
    {
        QFETCH(int, action);
        QFETCH(bool, loaded);
        QFETCH(bool, ended);
        show<Other>()->hide(); // a hidden window keeps the program running
        QPointer<Plain> f = show<Plain>();
        f->setCloseAction(Form::CloseAction(action));
        f->close();
        QVERIFY(!f->isVisible());
        QCOMPARE(instance<Plain>() != nullptr, loaded);
        QCoreApplication::processEvents();
        QCOMPARE(programEnded(), ended);
    }

    void aSecondEnableLeavesTheCountdownAlone()
    {
        testing::useManualTime(true);
        auto *f = show<Plain>();
        auto *t = new Timer(f, QStringLiteral("Timer1"), 2500, false);
        int ticks = 0;
        connect(t, &Timer::tick, [&] { ++ticks; });
        t->setEnabled(true);
        testing::advance(1000);
        t->setEnabled(true);
        testing::advance(1500);
        QCOMPARE(ticks, 1);
        t->setEnabled(false);
        t->setEnabled(true); // a fresh countdown after a disable
        testing::advance(2499);
        QCOMPARE(ticks, 1);
        testing::advance(1);
        QCOMPARE(ticks, 2);
    }

    void scriptedDrawsComeFirstThenRandomOnes()
    {
        testing::scriptDraws({3, 0, 99});
        QCOMPARE(randomBelow(10), 3);
        QCOMPARE(randomBelow(2), 0);
        QCOMPARE(randomBelow(100), 99);
        QCOMPARE(testing::scriptedDrawsLeft(), 0);
        const int v = randomBelow(10);
        QVERIFY(v >= 0 && v < 10);
    }

    void reseedingTwiceAtOneClockReadingGivesNewDraws()
    {
        testing::useManualTime(true); // the clock stands still
        QList<int> runs[2];
        for (auto &run : runs) {
            reseedFromClock();
            for (int i = 0; i < 20; ++i)
                run << randomBelow(1000);
        }
        QVERIFY(runs[0] != runs[1]);
    }

    void startProgramHookRecordsAndCanFail()
    {
        QStringList started;
        bool works = true;
        testing::setStartProgramHook([&](const QString &path) {
            started << path;
            return works;
        });
        QVERIFY(startProgram(QStringLiteral("/suite/zorurav/Corvane")));
        works = false;
        QVERIFY(!startProgram(QStringLiteral("/x")));
        QCOMPARE(started, (QStringList{"/suite/zorurav/Corvane", "/x"}));
    }

    void shapesChangeFillAndBorderAtRunTime()
    {
        auto *f = show<Plain>();
        f->setBackColor(Qt::black);
        auto *circle = new Shape(f, QStringLiteral("Shape1"), Shape::Circle, Qt::black, Qt::white);
        circle->setGeometry(0, 0, 120, 60);
        circle->show();
        QCOMPARE(pixelAt(f, QPoint(60, 30)), QColor(Qt::white));
        QCOMPARE(pixelAt(f, QPoint(5, 30)), QColor(Qt::black)); // outside the circle, inside the control
        circle->setFillColor(QColor(0xFF, 0xC0, 0xC0));
        QCOMPARE(pixelAt(f, QPoint(60, 30)), QColor(0xFF, 0xC0, 0xC0));

        auto *oval = new Shape(f, QStringLiteral("Shape2"), Shape::Oval, QColor(0xFF, 0xC0, 0x80), Qt::white);
        oval->setGeometry(0, 100, 120, 60);
        oval->setBorderWidth(6);
        oval->show();
        QCOMPARE(pixelAt(f, QPoint(60, 102)), QColor(0xFF, 0xC0, 0x80)); // inside the 6-pixel border
        QCOMPARE(pixelAt(f, QPoint(60, 110)), QColor(Qt::white));
        oval->setBorderWidth(0);
        QCOMPARE(pixelAt(f, QPoint(60, 102)), QColor(Qt::white));
    }

    void aDisabledLabelIsGreyed()
    {
        auto *f = show<Plain>();
        f->setBackColor(Qt::white);
        auto *l = new Label(f, QStringLiteral("Label7"), QStringLiteral("صح"));
        l->setFont(QFont(l->font().family(), 40, QFont::Bold));
        l->setForeColor(QColor(Qt::red));
        l->setGeometry(0, 0, 200, 100);
        l->show();
        auto reddish = [&] {
            const QImage img = l->grab().toImage();
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QColor c = img.pixelColor(x, y);
                    if (c.red() > 200 && c.green() < 80)
                        return true;
                }
            return false;
        };
        QVERIFY(reddish());
        l->setEnabled(false);
        QVERIFY(!reddish());
    }

    void pictureStretchesAndReportsMouseMoves()
    {
        auto *f = show<Plain>();
        auto *pic = new Picture(f, QStringLiteral("Image1"), QString());
        QPixmap small(2, 2);
        small.fill(Qt::green);
        pic->setPixmap(small);
        pic->setStretch(true);
        pic->setGeometry(0, 0, 100, 100);
        pic->show();
        QCOMPARE(pixelAt(f, QPoint(90, 90)), QColor(Qt::green));

        int moves = 0, windowMoves = 0;
        connect(pic, &Picture::mouseMoved, [&] { ++moves; });
        connect(f, &Form::mouseMoved, [&] { ++windowMoves; });
        sendMouseMove(pic);
        QCOMPARE(moves, 1);
        QCOMPARE(windowMoves, 0);
        sendMouseMove(f);
        QCOMPARE(windowMoves, 1);
    }
};

QTEST_MAIN(EventsTest)
#include "events_test.moc"
