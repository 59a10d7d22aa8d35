// Where a drawn text leaves ink, and whether it fits a room, held against the
// same text drawn on an image and looked at pixel by pixel.
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "forms/app.h"
#include "forms/fonts.h"
#include "forms/textfit.h"
#include "forms/tests/pixels.h"

using namespace forms;

namespace {

const QString Arabic = QStringLiteral("اختر الاجابة الصحيحة");
const QString Latin = QStringLiteral("Daskin 1.0");
constexpr int LeftToRight = Qt::AlignLeft | Qt::AlignTop | Qt::TextForceLeftToRight;
constexpr int RightToLeft = Qt::AlignRight | Qt::AlignTop | Qt::TextForceRightToLeft;

QFont italic(QFont f)
{
    f.setItalic(true);
    return f;
}

// The pixels a text drawn in a rectangle leaves ink on (empty for none), as
// painted in black on a white image at the screen's resolution.
QRect drawnInk(const QFont &font, const QRect &drawIn, int flags, const QString &text)
{
    const int spare = 2 * QFontMetrics(font).height();
    const QRect canvas = drawIn.adjusted(-spare, -spare, spare, spare);
    QImage img(canvas.size(), QImage::Format_RGB32);
    const QScreen *screen = QGuiApplication::primaryScreen();
    img.setDotsPerMeterX(qRound(screen->logicalDotsPerInchX() / 0.0254));
    img.setDotsPerMeterY(qRound(screen->logicalDotsPerInchY() / 0.0254));
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.translate(-canvas.topLeft());
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(drawIn, flags | Qt::TextDontClip, text);
    }
    QRect ink;
    for (int y = 0; y < img.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (row[x] != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    }
    return ink.translated(canvas.topLeft());
}

// Whether the text, drawn in a room of that size, has its lines no wider than
// the room and all its ink inside it.
bool drawnInside(const QFont &font, const QSize &room, int flags, const QString &text)
{
    return QFontMetrics(font).boundingRect(QRect(QPoint(), room), flags, text).width() <= room.width()
        && formstest::drawnWhole(font, room, flags, text);
}

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT
    QWidget screen; // the resolution texts are measured at

private slots:
    void initTestCase() { initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Text fit")); }

    void textFitsItsRoomButNotAPixelLess_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("flags");
        QTest::newRow("Latin, from the left") << designFont(QStringLiteral("Arial"), 12) << Latin << LeftToRight;
        QTest::newRow("Arabic, from the right")
            << designFont(QStringLiteral("Arabic Transparent"), 14, true) << Arabic << RightToLeft;
        QTest::newRow("Arabic, centred")
            << designFont(QStringLiteral("Akhbar MT"), 16)
            << Arabic << int(Qt::AlignCenter | Qt::TextForceRightToLeft);
        QTest::newRow("Arabic, wrapped")
            << designFont(QStringLiteral("Arabic Transparent"), 12) << Arabic
            << int(RightToLeft | Qt::TextWordWrap);
        QTest::newRow("italic, reaching left") << italic(designFont(QStringLiteral("Arial"), 28)) << QStringLiteral("jam")
                                               << int(Qt::AlignCenter | Qt::TextForceLeftToRight);
        QTest::newRow("large Arabic") << designFont(QStringLiteral("Monotype Koufi"), 48) << Arabic << RightToLeft;
        QTest::newRow("large italic Latin") << italic(designFont(QStringLiteral("Arial"), 54)) << Latin
                                            << int(Qt::AlignCenter | Qt::TextForceLeftToRight);
    }
    void textFitsItsRoomButNotAPixelLess()
    {
        QFETCH(QFont, font);
        QFETCH(QString, text);
        QFETCH(int, flags);
        const QFontMetrics fm(font);
        const int tall = 3 * fm.height(), wide = 2 * fm.horizontalAdvance(text);
        // The narrowest room the drawn text fits, and the lowest.
        int width = 1;
        while (width < wide && !drawnInside(font, QSize(width, tall), flags, text))
            ++width;
        int height = 1;
        while (height < tall && !drawnInside(font, QSize(wide, height), flags, text))
            ++height;
        QVERIFY(width < wide && height < tall);
        QVERIFY(textFits(font, QSize(width, tall), flags, text, &screen));
        QVERIFY2(!textFits(font, QSize(width - 1, tall), flags, text, &screen), qPrintable(QString::number(width)));
        QVERIFY(textFits(font, QSize(wide, height), flags, text, &screen));
        QVERIFY2(!textFits(font, QSize(wide, height - 1), flags, text, &screen), qPrintable(QString::number(height)));
    }

    void anEmptyTextLeavesNoInk_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << QStringLiteral("   ");
    }
    void anEmptyTextLeavesNoInk()
    {
        QFETCH(QString, text);
        const QFont font = designFont(QStringLiteral("Arabic Transparent"), 14);
        QVERIFY(drawnInk(font, QRect(0, 0, 200, 40), RightToLeft, text).isEmpty());
        QCOMPARE(inkOf(font, QRect(0, 0, 200, 40), RightToLeft, text, screen.logicalDpiX(), screen.logicalDpiY()),
                 QRect());
        QCOMPARE(sideBearings(font, text), QMargins());
        QCOMPARE(sideBearings(font, text, true), QMargins());
        QCOMPARE(inkBelow(QFontMetrics(font), text), 0);
        QCOMPARE(textFits(font, QSize(200, 40), RightToLeft, text, &screen), true);
    }

    // A glyph may reach past its advance: the margins keep its ink clear of
    // the room's edge, a pixel to spare. A fallback font's taller line draws
    // a text lower than its own font would: lifted, it is drawn up again.
    void sideBearingsCoverInkPastTheAdvance_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pastLeft");
        QTest::addColumn<bool>("pastRight");
        QTest::addColumn<bool>("lifted");
        const QFont upright = designFont(QStringLiteral("Arial"), 28), slanted = italic(upright);
        QTest::newRow("italic f at the right") << slanted << QStringLiteral("elf") << false << true << false;
        QTest::newRow("italic j at the left") << slanted << QStringLiteral("jam") << true << false << false;
        QTest::newRow("j at the left") << upright << QStringLiteral("jam") << true << false << false;
        QTest::newRow("within its advance") << upright << QStringLiteral("nun") << false << false << false;
        QTest::newRow("Arabic in its own font")
            << designFont(QStringLiteral("Akhbar MT"), 24) << QStringLiteral("في الذي يلي") << false << false << false;
        QTest::newRow("Arabic in a fallback font")
            << designFont(QStringLiteral("Arabic Transparent"), 24) << QStringLiteral("في الذي يلي") << false << false
            << true;
    }
    void sideBearingsCoverInkPastTheAdvance()
    {
        QFETCH(QFont, font);
        QFETCH(QString, text);
        QFETCH(bool, pastLeft);
        QFETCH(bool, pastRight);
        QFETCH(bool, lifted);
        const QFontMetrics fm(font);
        const int advance = fm.horizontalAdvance(text), height = fm.height();
        const int flags = Qt::AlignLeft | Qt::AlignTop
            | (text.isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
        const QRect ink = drawnInk(font, QRect(0, 0, advance, height), flags, text);
        const int left = std::max(0, -ink.left()), right = std::max(0, ink.right() + 1 - advance);
        QCOMPARE(left > 0, pastLeft);
        QCOMPARE(right > 0, pastRight);
        const QMargins inset = sideBearings(font, text);
        QCOMPARE(inset, QMargins(left + 1, std::max(0, -ink.top()), right + 1, 0));
        // Drawn inside the margins, its ink lies a pixel clear of either side.
        const QRect room(0, 0, advance + inset.left() + inset.right(), height);
        const QRect inside = drawnInk(font, room.marginsRemoved(inset), flags, text);
        QVERIFY(inside.left() >= room.left() + 1 && inside.right() <= room.right() - 1);
        const QMargins lift = sideBearings(font, text, true);
        QCOMPARE(lift.left(), inset.left());
        QCOMPARE(lift.right(), inset.right());
        QCOMPARE(lift.top() < 0, lifted);
        if (lifted) // drawn up, the ink starts where the font's own line puts it
            QCOMPARE(ink.top() + lift.top(), fm.ascent() + fm.tightBoundingRect(text).top());
    }

    // Small glyphs are measured on their drawing, to the pixel; large ones by
    // their glyph boxes, which hold the ink and reach at most two pixels past it.
    void inkOfLargeAndSmallGlyphs_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("large");
        for (const auto &[name, family] : {std::pair{"Koufi", "Monotype Koufi"}, {"Akhbar", "Akhbar MT"}}) {
            QTest::addRow("%s, small", name) << designFont(QLatin1String(family), 14) << Arabic << RightToLeft << false;
            QTest::addRow("%s, large", name) << designFont(QLatin1String(family), 60) << Arabic << RightToLeft << true;
        }
        QTest::newRow("digits, small") << designFont(QStringLiteral("Arial"), 12) << QStringLiteral("4 ÷ 1000 = 0.004")
                                       << int(Qt::AlignCenter | Qt::TextForceLeftToRight) << false;
        QTest::newRow("digits, large") << designFont(QStringLiteral("Arial"), 72, true)
                                       << QStringLiteral("4 ÷ 1000 = 0.004")
                                       << int(Qt::AlignCenter | Qt::TextForceLeftToRight) << true;
    }
    void inkOfLargeAndSmallGlyphs()
    {
        QFETCH(QFont, font);
        QFETCH(QString, text);
        QFETCH(int, flags);
        QFETCH(bool, large);
        const QFontMetrics fm(font);
        QCOMPARE(fm.height() >= 64, large); // the size from which glyph boxes are measured
        const QRect drawIn(30, 20, fm.horizontalAdvance(text) + 17, fm.height() + 9);
        const QRect drawn = drawnInk(font, drawIn, flags, text);
        const QRect measured = inkOf(font, drawIn, flags, text, screen.logicalDpiX(), screen.logicalDpiY());
        QVERIFY(!drawn.isEmpty());
        if (!large) {
            QCOMPARE(measured, drawn);
            return;
        }
        QVERIFY2(measured.contains(drawn) && drawn.adjusted(-2, -2, 2, 2).contains(measured),
                 qPrintable(QStringLiteral("glyph boxes %1,%2 %3x%4, ink %5,%6 %7x%8")
                                .arg(measured.x()).arg(measured.y()).arg(measured.width()).arg(measured.height())
                                .arg(drawn.x()).arg(drawn.y()).arg(drawn.width()).arg(drawn.height())));
    }

    // The answers remembered are those measured, each for its own question:
    // asked again in any order, a room, a font and a lift keep their answers.
    void rememberedAnswersStayTheirOwn()
    {
        const QFont font = designFont(QStringLiteral("Arabic Transparent"), 14, true);
        const QFont other = designFont(QStringLiteral("Arabic Transparent"), 18, true);
        const int tall = 3 * QFontMetrics(other).height();
        int width = 1;
        while (!drawnInside(font, QSize(width, tall), RightToLeft, Arabic))
            ++width;
        const QSize fits(width, tall), narrower = fits - QSize(1, 0);
        for (int round = 0; round < 2; ++round) {
            QVERIFY(textFits(font, fits, RightToLeft, Arabic, &screen));
            QVERIFY(!textFits(font, narrower, RightToLeft, Arabic, &screen));
            QVERIFY(!textFits(other, fits, RightToLeft, Arabic, &screen));
            QVERIFY(!textFits(font, fits, RightToLeft, Arabic, &screen, QMargins(1, 0, 0, 0)));
        }
        const QMargins first = sideBearings(font, Arabic), lifted = sideBearings(font, Arabic, true);
        QCOMPARE(sideBearings(other, Arabic), sideBearings(other, Arabic));
        QCOMPARE(sideBearings(font, Arabic), first);
        QCOMPARE(sideBearings(font, Arabic, true), lifted);
        QCOMPARE(lifted.left(), first.left());
        QCOMPARE(lifted.right(), first.right());
    }
};

QTEST_MAIN(TextFitTest)
#include "textfit_test.moc"
