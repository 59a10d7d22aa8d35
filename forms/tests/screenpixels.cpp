// The desktop test's eyes on the screen:
//   screenpixels grab FILE         writes the X screen to FILE (PNG)
//   screenpixels box FILE RRGGBB   prints the bounding box "left top width height"
//                                  of the pixels of that colour in FILE, or "none"
//   screenpixels region FILE LEFT TOP WIDTH HEIGHT
//                                  prints a checksum of the pixels of that part of
//                                  FILE: two pictures show it alike when they match
//   screenpixels ink FILE LEFT TOP WIDTH HEIGHT
//                                  prints how many pixels of that part are coloured
//                                  (an icon's; a button face is nearly grey) and how
//                                  far from its left edge the leftmost dark pixel
//                                  (a caption's) lies, -1 when none is
#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    const QByteArray verb = argc > 2 ? QByteArray(argv[1]) : QByteArray();
    if (verb == "grab") {
        QGuiApplication app(argc, argv);
        QScreen *screen = QGuiApplication::primaryScreen();
        return screen && screen->grabWindow(0).save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
    }
    if (verb == "box" && argc > 3) {
        const QImage image = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
        bool ok = false;
        const QRgb colour = QByteArray(argv[3]).toUInt(&ok, 16) | 0xFF000000u;
        if (image.isNull() || !ok)
            return 1;
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (line[x] == colour)
                    box |= QRect(x, y, 1, 1);
        }
        if (box.isEmpty())
            std::printf("none\n");
        else
            std::printf("%d %d %d %d\n", box.left(), box.top(), box.width(), box.height());
        return 0;
    }
    if ((verb == "region" || verb == "ink") && argc > 6) {
        const QImage image = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
        const QRect part(QByteArray(argv[3]).toInt(), QByteArray(argv[4]).toInt(), QByteArray(argv[5]).toInt(),
                         QByteArray(argv[6]).toInt());
        if (image.isNull() || part.isEmpty() || !image.rect().contains(part))
            return 1;
        if (verb == "ink") {
            int coloured = 0, darkLeft = -1;
            for (int y = part.top(); y <= part.bottom(); ++y)
                for (int x = part.left(); x <= part.right(); ++x) {
                    const QRgb c = image.pixel(x, y);
                    const int high = std::max({qRed(c), qGreen(c), qBlue(c)});
                    const int low = std::min({qRed(c), qGreen(c), qBlue(c)});
                    coloured += high - low > 40;
                    if (high < 100 && (darkLeft < 0 || x - part.left() < darkLeft))
                        darkLeft = x - part.left();
                }
            std::printf("%d %d\n", coloured, darkLeft);
            return 0;
        }
        QCryptographicHash sum(QCryptographicHash::Sha1);
        for (int y = part.top(); y <= part.bottom(); ++y)
            sum.addData(QByteArrayView(reinterpret_cast<const char *>(image.constScanLine(y)) + part.left() * 4,
                                       part.width() * 4));
        std::printf("%s\n", sum.result().toHex().constData());
        return 0;
    }
    std::fprintf(stderr, "usage: screenpixels grab FILE | box FILE RRGGBB | region|ink FILE LEFT TOP WIDTH HEIGHT\n");
    return 2;
}
