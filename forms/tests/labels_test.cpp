// How a label places and draws its caption: the rules as a table of cases.
#include <QMap>
#include <QTest>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/geometry.h"
#include "forms/window.h"
#include "forms/tests/driver.h"
#include "forms/tests/pixels.h"
#include "forms/tests/reset.h"

using namespace forms;

namespace {

enum Outcome { DesignBox, FromLeftTop, MovedIn, Grown, Smaller };

class Sheet : public Form {
public:
    Sheet()
    {
        setObjectName(QStringLiteral("Sheet"));
        setClientSizeTwips(12000, 9000);
    }
};

const QString Instruction = QStringLiteral("اكتب ناتج ما يلي :");
const QString Sum = QStringLiteral("0.035×1000=");
const QString Feedback = QStringLiteral("أخطأت الاجابة الصحيحة هي  0.035");
const QString Sentence = QStringLiteral("اختر صح او خطأ لتحصل على عبارة صحيحة مما يلي :");

// Plain controls standing in the window at those places (twips).
QList<QWidget *> addNeighbours(QWidget *window, const QList<QRect> &places)
{
    QList<QWidget *> others;
    for (const QRect &n : places) {
        auto *w = new QWidget(window);
        placeTwips(w, n.x(), n.y(), n.width(), n.height());
        w->show();
        others << w;
    }
    return others;
}

// A label in bold Arabic Transparent placed at its design box (twips; no
// size when it is auto-sized).
Label *addLabel(QWidget *window, const char *name, double points, Qt::Alignment alignment, const QRect &design)
{
    auto *l = new Label(window, QLatin1String(name));
    l->setFont(designFont(QStringLiteral("Arabic Transparent"), points, true));
    l->setAlignment(alignment);
    placeTwips(l, design.x(), design.y(), design.width(), design.height());
    return l;
}

// The window shown and drawn, then left alone for a while: what was painted meanwhile.
QMap<QString, int> paintedAtRest(QWidget *window, int ms = 300)
{
    if (!QTest::qWaitForWindowExposed(window))
        return {{QStringLiteral("not exposed"), 1}};
    QTest::qWait(50);
    return formstest::leftAlone(ms).paints;
}

} // namespace

class LabelsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { formstest::resetAll(); }

    void aCaptionIsPlacedAndDrawnByTheRules_data()
    {
        QTest::addColumn<bool>("autoSized");
        QTest::addColumn<double>("points");
        QTest::addColumn<QRect>("design"); // twips; no size when auto-sized
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QList<QRect>>("neighbours"); // twips
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("oneLine");
        QTest::addColumn<QRect>("room"); // twips; none is the window
        QTest::addColumn<bool>("wrap"); // a fixed box's word wrap
        QTest::addColumn<int>("alignment");
        const QList<QRect> none;
        const int centred = int(Qt::AlignHCenter | Qt::AlignTop);
        QTest::newRow("auto-sized from its Left and Top")
            << true << 36.0 << QRect(1200, 1500, 0, 0) << Instruction << none << int(FromLeftTop) << true << QRect() << true << centred;
        QTest::newRow("auto-sized, moved in at the right edge")
            << true << 36.0 << QRect(10000, 1500, 0, 0) << Instruction << none << int(MovedIn) << true << QRect() << true << centred;
        QTest::newRow("auto-sized, moved in at the bottom")
            << true << 36.0 << QRect(1200, 8800, 0, 0) << Instruction << none << int(MovedIn) << true << QRect() << true << centred;
        QTest::newRow("auto-sized long line, never smaller")
            << true << 26.25 << QRect(6000, 1500, 0, 0) << Sentence << none << int(MovedIn) << true << QRect() << true << centred;
        QTest::newRow("auto-sized, moved in at the edge of its room")
            << true << 26.25 << QRect(5280, 1440, 0, 0) << Sentence << none << int(MovedIn) << true
            << QRect(300, 720, 11500, 7500) << true << centred;
        QTest::newRow("fixed box that holds its caption")
            << false << 18.0 << QRect(705, 8100, 1500, 700) << QStringLiteral("خروج") << none << int(DesignBox) << true << QRect() << true << centred;
        QTest::newRow("fixed box wraps at blanks")
            << false << 18.0 << QRect(3000, 3000, 3000, 2000) << Sentence << none << int(DesignBox) << false << QRect() << true << centred;
        QTest::newRow("grows around its centre")
            << false << 72.0 << QRect(3893, 2160, 4215, 1695) << Sum << none << int(Grown) << true << QRect() << true << centred;
        QTest::newRow("grows, kept inside the window")
            << false << 72.0 << QRect(0, 2160, 4215, 1695) << Sum << none << int(Grown) << true << QRect() << true << centred;
        QTest::newRow("grows clear of its neighbours")
            << false << 48.0 << QRect(4598, 6600, 2805, 1125) << Feedback
            << QList<QRect>{{10560, 6600, 1440, 1125}, {4253, 4470, 3495, 1245}} << int(Grown) << false << QRect() << true << centred;
        QTest::newRow("hemmed in: smaller, never below 80%")
            << false << 36.0 << QRect(3000, 3000, 4400, 900) << Instruction
            << QList<QRect>{{3000, 2000, 4400, 990}, {3000, 3910, 4400, 900}, {2000, 3000, 990, 900},
                            {7410, 3000, 990, 900}}
            << int(Smaller) << true << QRect() << true << centred;
        // Without word wrap a fixed box keeps its caption on one line.
        const int right = int(Qt::AlignRight | Qt::AlignTop);
        QTest::newRow("no wrap: grows to one line")
            << false << 18.0 << QRect(3000, 3000, 3000, 2000) << Sentence << none << int(Grown) << true << QRect()
            << false << right;
        QTest::newRow("no wrap, hemmed in: smaller on one line")
            << false << 18.0 << QRect(3000, 3000, 5700, 450) << Sentence
            << QList<QRect>{{1500, 3000, 1380, 450}, {8820, 3000, 1500, 450}} << int(Smaller) << true << QRect()
            << false << right;
    }
    void aCaptionIsPlacedAndDrawnByTheRules()
    {
        QFETCH(bool, autoSized);
        QFETCH(double, points);
        QFETCH(QRect, design);
        QFETCH(QString, caption);
        QFETCH(QList<QRect>, neighbours);
        QFETCH(int, outcome);
        QFETCH(bool, oneLine);
        QFETCH(QRect, room);
        QFETCH(bool, wrap);
        QFETCH(int, alignment);
        auto *window = show<Sheet>();
        const QList<QWidget *> others = addNeighbours(window, neighbours);
        auto *l = addLabel(window, "Label1", points, Qt::Alignment(alignment), design);
        if (!wrap)
            l->setWordWrap(false);
        if (autoSized)
            l->setAutoSize(true);
        const QRect edges = room.isEmpty() ? window->rect() : twipsRect(room.x(), room.y(), room.width(), room.height());
        if (!room.isEmpty())
            l->setRoom(edges);
        l->setCaption(caption);
        l->show();
        const QRect box = twipsRect(design.x(), design.y(), design.width(), design.height());
        const QRect g = l->geometry();

        switch (Outcome(outcome)) {
        case FromLeftTop:
            QCOMPARE(g.topLeft(), box.topLeft());
            break;
        case MovedIn:
            QVERIFY(g.right() == edges.right() || g.bottom() == edges.bottom());
            QVERIFY(g.x() <= box.x() && g.y() <= box.y());
            QVERIFY(g.x() == box.x() || g.y() == box.y()); // only as far as it must
            break;
        case DesignBox:
            QCOMPARE(g, box);
            break;
        case Grown:
            QVERIFY(g.contains(box) || g.width() > box.width());
            if (window->rect().adjusted(g.width(), 0, -g.width(), 0).contains(box.center()))
                QVERIFY(std::abs(g.center().x() - box.center().x()) <= 1);
            break;
        case Smaller:
            QVERIFY(l->shrunk());
            break;
        }
        if (outcome != Smaller)
            QVERIFY2(!l->shrunk(), qPrintable(QStringLiteral("%1 pt in %2,%3 %4x%5").arg(l->font().pointSizeF()).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height())));
        if (autoSized)
            QCOMPARE(g.size(), QSize(QFontMetrics(l->font()).size(0, caption)).expandedTo(g.size()));
        QVERIFY(edges.contains(g));
        for (QWidget *o : others)
            QVERIFY2(!o->geometry().intersects(g), "covers a neighbour");
        // As drawn: at 80% of the design size or more, on its lines, whole.
        const QString fault = formstest::captionFault(l, oneLine);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        const formstest::DrawnCaption drawn = formstest::measureCaption(l);
        if (outcome != Smaller)
            QVERIFY2(drawn.scale > 0.95, qPrintable(QString::number(drawn.scale)));
        if (outcome == DesignBox && !oneLine)
            QVERIFY2(drawn.lines > 1.5, qPrintable(QString::number(drawn.lines)));
    }

    // Once drawn, a label is not drawn again until something it shows changes:
    // no caption, box or neighbour makes it measure or paint while it rests.
    void aLabelAtRestIsNotPaintedAgain_data()
    {
        QTest::addColumn<bool>("autoSized");
        QTest::addColumn<double>("points");
        QTest::addColumn<QRect>("design"); // twips
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QList<QRect>>("neighbours"); // twips
        const QList<QRect> none;
        QTest::newRow("auto-sized") << true << 36.0 << QRect(1200, 1500, 0, 0) << Instruction << none;
        QTest::newRow("fixed box that holds its caption") << false << 18.0 << QRect(705, 8100, 1500, 700)
                                                          << QStringLiteral("خروج") << none;
        QTest::newRow("fixed box, wrapped") << false << 18.0 << QRect(3000, 3000, 3000, 2000) << Sentence << none;
        QTest::newRow("fixed box, grown") << false << 72.0 << QRect(3893, 2160, 4215, 1695) << Sum << none;
        QTest::newRow("fixed box, grown clear of its neighbours")
            << false << 48.0 << QRect(4598, 6600, 2805, 1125) << Feedback
            << QList<QRect>{{10560, 6600, 1440, 1125}, {4253, 4470, 3495, 1245}};
        QTest::newRow("fixed box, hemmed in")
            << false << 36.0 << QRect(3000, 3000, 4400, 900) << Instruction
            << QList<QRect>{{3000, 2000, 4400, 990}, {3000, 3910, 4400, 900}, {2000, 3000, 990, 900},
                            {7410, 3000, 990, 900}};
    }
    void aLabelAtRestIsNotPaintedAgain()
    {
        QFETCH(bool, autoSized);
        QFETCH(double, points);
        QFETCH(QRect, design);
        QFETCH(QString, caption);
        QFETCH(QList<QRect>, neighbours);
        auto *window = show<Sheet>();
        addNeighbours(window, neighbours);
        auto *l = addLabel(window, "Label1", points, Qt::AlignHCenter | Qt::AlignTop, design);
        if (autoSized)
            l->setAutoSize(true);
        l->setCaption(caption);
        l->show();
        QMap<QString, int> painted = paintedAtRest(window);
        QVERIFY2(painted.isEmpty(), qPrintable(formstest::listed(painted)));

        // The same caption again changes nothing on screen; a new one is drawn once, then rests.
        const auto paintsFor = [l](const QString &c) {
            return formstest::activityOf([&] {
                       l->setCaption(c);
                       QTest::qWait(50);
                   })
                .paints.value(l->objectName());
        };
        QCOMPARE(paintsFor(caption), 0);
        QVERIFY(paintsFor(QStringLiteral("7")) >= 1);
        painted = paintedAtRest(window);
        QVERIFY2(painted.isEmpty(), qPrintable(formstest::listed(painted)));
    }

    // A control the program moves next to a grown box hems it in at once,
    // and once it goes the box grows again; neither keeps anything busy.
    void aNeighbourMovedBesideAGrownBoxHemsItIn()
    {
        auto *window = show<Sheet>();
        auto *l = addLabel(window, "Label2", 72, Qt::AlignHCenter | Qt::AlignTop, QRect(3893, 2160, 4215, 1695));
        l->setCaption(Sum);
        l->show();
        const QRect box = twipsRect(3893, 2160, 4215, 1695);
        const QRect grown = l->geometry();
        QVERIFY(grown.width() > box.width());
        QWidget *other = addNeighbours(window, {QRect(600, 600, 900, 900)}).first();
        other->setObjectName(QStringLiteral("Command1"));
        // Beside the design box, where the grown box reached.
        other->setGeometry(QRect(QPoint(box.right() + 2, box.top()), QSize(grown.right() - box.right(), box.height())));
        QVERIFY2(!l->geometry().intersects(other->geometry()), "covers the control moved beside it");
        QVERIFY(formstest::captionWhole(l));
        QMap<QString, int> painted = paintedAtRest(window);
        QVERIFY2(painted.isEmpty(), qPrintable(formstest::listed(painted)));
        other->move(twips(600), twips(6000));
        QCOMPARE(l->geometry(), grown);
        delete other;
        QCOMPARE(l->geometry(), grown);
        painted = paintedAtRest(window);
        QVERIFY2(painted.isEmpty(), qPrintable(formstest::listed(painted)));
    }

    // Two boxes that would both grow into the room between them settle: they
    // do not move each other back and forth.
    void twoBoxesGrowingTowardsEachOtherSettle()
    {
        auto *window = show<Sheet>();
        auto *a = addLabel(window, "Label1", 72, Qt::AlignHCenter | Qt::AlignTop, QRect(1500, 3000, 4215, 1695));
        auto *b = addLabel(window, "Label2", 72, Qt::AlignHCenter | Qt::AlignTop, QRect(6300, 3000, 4215, 1695));
        a->setCaption(Sum);
        b->setCaption(Sum);
        a->show();
        b->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect ga = a->geometry(), gb = b->geometry();
        QVERIFY2(!ga.intersects(gb), "the two boxes overlap");
        const QMap<QString, int> painted = paintedAtRest(window);
        QVERIFY2(painted.isEmpty(), qPrintable(formstest::listed(painted)));
        QCOMPARE(a->geometry(), ga);
        QCOMPARE(b->geometry(), gb);
    }

    // A caption or alignment written through QLabel itself is measured anew
    // before it is drawn, as one written with setCaption.
    void aCaptionWrittenPastSetCaptionIsPlacedAnew()
    {
        auto *window = show<Sheet>();
        auto *l = addLabel(window, "Label2", 72, Qt::AlignHCenter | Qt::AlignTop, QRect(3893, 2160, 4215, 1695));
        l->setCaption(QStringLiteral("7"));
        l->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect box = l->geometry();
        static_cast<QLabel *>(l)->setText(Sum);
        QTest::qWait(50);
        QVERIFY(l->width() > box.width());
        QVERIFY(formstest::captionFault(l, true).isEmpty());
        const QMap<QString, int> painted = paintedAtRest(window);
        QVERIFY2(painted.isEmpty(), qPrintable(formstest::listed(painted)));
    }

    // A caption written later is placed anew, and a short one goes back to the design box.
    void aLaterCaptionIsPlacedAnew()
    {
        auto *window = show<Sheet>();
        auto *l = addLabel(window, "Label2", 72, Qt::AlignHCenter | Qt::AlignTop, QRect(3893, 2160, 4215, 1695));
        l->show();
        const QRect box = l->geometry();
        l->setCaption(QStringLiteral("7"));
        QCOMPARE(l->geometry(), box);
        l->setCaption(Sum);
        QVERIFY(l->width() > box.width());
        QVERIFY(formstest::captionFault(l, true).isEmpty());
        l->setCaption(QStringLiteral("0.5×10="));
        l->setCaption(QStringLiteral("8"));
        QCOMPARE(l->geometry(), box);
        // Placed anew by the program, it starts from there.
        placeTwips(l, 600, 600, 4215, 1695);
        QCOMPARE(l->geometry(), twipsRect(600, 600, 4215, 1695));
    }

    // An auto-sized label in a window that grows goes back to its design Left.
    void anAutoSizedLabelFollowsItsWindow()
    {
        auto *window = show<Sheet>();
        auto *l = addLabel(window, "Label1", 36, Qt::AlignLeft | Qt::AlignVCenter, QRect(10000, 1500, 0, 0));
        l->setAutoSize(true);
        l->setCaption(Instruction);
        l->show();
        QCOMPARE(l->geometry().right(), window->width() - 1);
        window->resize(window->width() + 1000, window->height());
        QCOMPARE(l->x(), twips(10000));
    }

    // Letters drawn from a fallback font with a taller line keep to the line
    // of the caption's own font: their ink starts where that line puts it.
    void anAutoSizedCaptionKeepsToItsFontsLine_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("right") << QStringLiteral("صح");
        QTest::newRow("wrong") << QStringLiteral("خطأ");
        QTest::newRow("instruction") << Instruction;
    }

    void anAutoSizedCaptionKeepsToItsFontsLine()
    {
        QFETCH(QString, caption);
        auto *window = show<Sheet>();
        auto *l = addLabel(window, "Label7", 72, Qt::AlignHCenter | Qt::AlignTop, QRect(3000, 3000, 0, 0));
        l->setAutoSize(true);
        l->setCaption(caption);
        l->show();
        QImage drawn(l->size(), QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        l->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags()); // the caption alone
        int top = -1;
        for (int y = 0; y < drawn.height() && top < 0; ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (qAlpha(drawn.pixel(x, y)) >= 128) {
                    top = y;
                    break;
                }
        const QFontMetrics fm(l->font());
        const int expected = std::max(0, fm.ascent() + fm.tightBoundingRect(caption).top());
        QVERIFY2(top >= 0 && top <= expected + 4,
                 qPrintable(QStringLiteral("ink from %1, its own line puts it at %2").arg(top).arg(expected)));
        QVERIFY(formstest::captionWhole(l));
    }

    // A caption greyed while its label is disabled is drawn, and measured, at its size.
    void aGreyedCaptionKeepsItsSize_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("black") << QColor(Qt::black) << true;
        QTest::newRow("black, greyed") << QColor(Qt::black) << false;
        QTest::newRow("light orange") << QColor(0xFF, 0xC0, 0x80) << true;
        QTest::newRow("light orange, greyed") << QColor(0xFF, 0xC0, 0x80) << false;
    }

    void aGreyedCaptionKeepsItsSize()
    {
        QFETCH(QColor, color);
        QFETCH(bool, enabled);
        auto *window = show<Sheet>();
        auto *l = addLabel(window, "Label7", 72, Qt::AlignHCenter | Qt::AlignTop, QRect(3000, 3000, 0, 0));
        l->setForeColor(color);
        l->setAutoSize(true);
        l->setCaption(QStringLiteral("صح"));
        l->show();
        l->setEnabled(enabled);
        const QString fault = formstest::captionFault(l, true);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        const formstest::DrawnCaption drawn = formstest::measureCaption(l);
        QVERIFY2(drawn.scale > 0.95 && drawn.scale < 1.05, qPrintable(QString::number(drawn.scale)));
    }
};

QTEST_MAIN(LabelsTest)
#include "labels_test.moc"
