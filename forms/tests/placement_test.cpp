// Window shapes and placements: an elliptic cut, a stored position, the whole
// screen, and bringing a shown window forward.
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "forms/app.h"
#include "forms/geometry.h"
#include "forms/window.h"
#include "forms/tests/reset.h"

using namespace forms;

namespace {
class Round : public Form {
public:
    Round()
    {
        setBorder(Border::ToolNoCaption, false);
        setClientSizeTwips(12000, 7695);
        setStoredPositionTwips(1995, 690);
        setEllipseRegion(100, 100, 400, 400);
    }
};
class Sheet : public Form {
public:
    Sheet()
    {
        setClientSizeTwips(6210, 5835);
        setPlacement(Placement::FullScreen);
    }
};
class Other : public Form {};
} // namespace

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { formstest::resetAll(); }

    void ellipseCutsTheWindow_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("inside");
        QTest::newRow("centre") << QPoint(250, 250) << true;
        QTest::newRow("near the left edge") << QPoint(102, 250) << true;
        QTest::newRow("near the bottom edge") << QPoint(250, 397) << true;
        QTest::newRow("window corner") << QPoint(0, 0) << false;
        QTest::newRow("corner of the bounding square") << QPoint(110, 110) << false;
        QTest::newRow("right of the circle") << QPoint(420, 250) << false;
        QTest::newRow("below the circle") << QPoint(250, 405) << false;
        QTest::newRow("far right of the window") << QPoint(700, 450) << false;
    }
    void ellipseCutsTheWindow()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, inside);
        Round *f = show<Round>();
        QCOMPARE(f->mask().contains(point), inside);
        // The window system gets the same region: outside it clicks reach what lies behind.
        QVERIFY(f->windowHandle());
        QCOMPARE(f->windowHandle()->mask().contains(point), inside);
        QCOMPARE(f->mask().boundingRect().left(), 100);
        QVERIFY(f->mask().boundingRect().right() <= 399);
    }

    void storedPositionIsTheClientAreaInTwips()
    {
        Round *f = show<Round>();
        QCOMPARE(f->geometry(), QRect(twips(1995), twips(690), twips(12000), twips(7695)));
        QVERIFY(f->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY((f->windowFlags() & Qt::Tool) == Qt::Tool); // no taskbar button
    }

    void fullScreenCoversTheScreenWithItsFrame()
    {
        Sheet *f = load<Sheet>();
        f->setWindowState(Qt::WindowMaximized);
        f->showForm();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(f->frameGeometry(), screen);
        QVERIFY(f->geometry().width() < screen.width()); // the frame is kept
        QVERIFY(!f->isMaximized());
        QVERIFY(!f->isFullScreen());
        QVERIFY(!(f->windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(!(f->windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(f->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(f->frameGeometry(), screen);
    }

    void showingAShownWindowBringsItForward()
    {
        Round *a = show<Round>();
        QVERIFY(QTest::qWaitForWindowActive(a));
        Other *b = show<Other>();
        QVERIFY(QTest::qWaitForWindowActive(b));
        QCOMPARE(show<Round>(), a);
        QVERIFY(QTest::qWaitForWindowActive(a));
        QCOMPARE(loadedForms().size(), 2);
    }
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
