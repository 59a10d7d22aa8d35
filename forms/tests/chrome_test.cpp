// What a window shows around its client area: the icon of its title bar, and
// a message box wide enough for its title, in the title font of the window
// manager.
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "driver.h"
#include "pixels.h"
#include "reset.h"
#include "forms/app.h"
#include "forms/msgbox.h"
#include "forms/titlebar.h"
#include "forms/window.h"

using namespace forms;

namespace {
class Plain : public Form {
public:
    Plain() { setClientSizeTwips(6000, 4000); }
};

QPixmap iconPixmap(const QColor &c)
{
    QPixmap p(16, 16);
    p.fill(c);
    return p;
}
} // namespace

class ChromeTest : public QObject {
    Q_OBJECT
private slots:
    // The program's fonts, as its executable starts.
    void initTestCase() { initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Chrome")); }

    void cleanup()
    {
        QApplication::setWindowIcon(QIcon());
        formstest::resetAll();
    }

    void theTitleBarIcon_data()
    {
        QTest::addColumn<bool>("own");
        QTest::addColumn<bool>("program");
        QTest::addColumn<QColor>("seen"); // the icon's colour; transparent: blank
        QTest::newRow("no icon") << false << false << QColor(Qt::transparent);
        QTest::newRow("its own") << true << false << QColor(Qt::red);
        QTest::newRow("the program's") << false << true << QColor(Qt::blue);
        QTest::newRow("its own over the program's") << true << true << QColor(Qt::red);
    }
    void theTitleBarIcon()
    {
        QFETCH(bool, own);
        QFETCH(bool, program);
        QFETCH(QColor, seen);
        if (program)
            QApplication::setWindowIcon(QIcon(iconPixmap(Qt::blue)));
        auto *f = load<Plain>();
        if (own)
            f->setWindowIcon(QIcon(iconPixmap(Qt::red)));
        f->showForm();
        const QIcon icon = f->windowIcon();
        QVERIFY(formstest::blankIcon(icon) == (seen.alpha() == 0));
        if (seen.alpha() != 0)
            QCOMPARE(icon.pixmap(16, 16).toImage().pixelColor(8, 8), seen);
    }

    // openbox's title font as its configuration sets it: the active window's
    // font, in points on the X screen's resolution, and the title layout.
    void theTitleFontIsReadFromOpenboxsConfiguration_data()
    {
        QTest::addColumn<QByteArray>("theme"); // the <theme> element's content
        QTest::addColumn<double>("dpi");       // of the X screen, against Qt's
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");    // in Qt's points
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("layout");
        const QByteArray debian = "<name>Clearlooks</name><titleLayout>NLIMC</titleLayout>"
                                  "<font place=\"ActiveWindow\"><name>sans</name><size>8</size>"
                                  "<!-- font size in points --><weight>bold</weight><slant>normal</slant></font>"
                                  "<font place=\"InactiveWindow\"><name>sans</name><size>8</size>"
                                  "<weight>bold</weight></font>"
                                  "<font place=\"MenuHeader\"><name>serif</name><size>9</size>"
                                  "<weight>normal</weight></font>";
        QTest::newRow("Debian's") << debian << 1.0 << true << "sans" << 8.0 << true << "NLIMC";
        QTest::newRow("Debian's, on a screen of 100 dpi") << debian << 100.0 / 96 << true << "sans" << 8.0 * 100 / 96
                                                          << true << "NLIMC";
        QTest::newRow("another")
            << QByteArray("<font place=\"MenuItem\"><name>serif</name><size>20</size></font>"
                          "<font place=\"ActiveWindow\"><name>DejaVu Serif, serif</name><size>11</size>"
                          "<weight>normal</weight></font><titleLayout>CLI</titleLayout>")
            << 1.0 << true << "DejaVu Serif" << 11.0 << false << "CLI";
        QTest::newRow("no active window's font")
            << QByteArray("<titleLayout>NLIMC</titleLayout><font place=\"MenuItem\"><name>sans</name></font>") << 1.0
            << false << "" << 0.0 << false << "";
        QTest::newRow("cut short") << QByteArray("<font place=\"ActiveWindow\"><name>sans</name><size>8") << 1.0
                                   << false << "" << 0.0 << false << "";
    }
    void theTitleFontIsReadFromOpenboxsConfiguration()
    {
        QFETCH(QByteArray, theme);
        QFETCH(double, dpi);
        QFETCH(bool, found);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QString, layout);
        QTemporaryDir dir;
        QFile rc(dir.filePath(QStringLiteral("rc.xml")));
        QVERIFY(rc.open(QIODevice::WriteOnly));
        rc.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<openbox_config xmlns=\"http://openbox.org/3.4/rc\"><placement><policy>Smart</policy></placement>"
                 "<theme>"
                 + theme + "</theme><menu><file>menu.xml</file></menu></openbox_config>\n");
        rc.close();
        const double qtDpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
        const std::optional<TitleBar> bar = openboxTitleBar(rc.fileName(), dpi * qtDpi);
        QCOMPARE(bar.has_value(), found);
        if (!found)
            return;
        QCOMPARE(bar->font.families().value(0), family);
        QVERIFY2(std::abs(bar->font.pointSizeF() - points) < 0.01, qPrintable(QString::number(bar->font.pointSizeF())));
        QCOMPARE(bar->font.bold(), bold);
        QCOMPARE(bar->layout, layout);
        QVERIFY(!openboxTitleBar(dir.filePath(QStringLiteral("missing.xml")), qtDpi));
    }

    // The box is wide enough for its whole title on a title bar as openbox
    // lays it out with Debian's theme: the window's icon on the left, three
    // buttons on the right, the title centred between them with 2 pixels
    // either side, each button as wide as the font's line (made even) plus 2.
    void aMessageBoxIsAsWideAsItsTitle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("openbox"); // openbox's bar on a screen of 100 dpi, else the one found here
        for (const bool openbox : {false, true}) {
            const char *bar = openbox ? ", openbox" : "";
            QTest::addRow("short text%s", bar) << QStringLiteral("عفواً لم تضع رقما") << QStringLiteral("رسالة البرنامج")
                                               << openbox;
            QTest::addRow("one word%s", bar) << QStringLiteral("خطأ") << QStringLiteral("تعذر تشغيل البرنامج المطلوب")
                                             << openbox;
            QTest::addRow("short title%s", bar) << QStringLiteral("أكمل حل المسألة أولاً") << QStringLiteral("تنبيه")
                                                << openbox;
        }
    }
    void aMessageBoxIsAsWideAsItsTitle()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(bool, openbox);
        QTemporaryDir dir;
        if (openbox) {
            QFile rc(dir.filePath(QStringLiteral("rc.xml")));
            QVERIFY(rc.open(QIODevice::WriteOnly));
            rc.write("<openbox_config><theme><titleLayout>NLIMC</titleLayout><font place=\"ActiveWindow\">"
                     "<name>sans</name><size>8</size><weight>bold</weight></font></theme></openbox_config>");
            rc.close();
            testing::setTitleBar(openboxTitleBar(rc.fileName(), 100));
        }
        const QFont font = titleBar(title).font;
        auto *f = show<Plain>();
        int seen = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen = box->width();
            box->button(QMessageBox::Ok)->click();
        });
        poll.start(10);
        msgBox(f, text, MsgOkOnly | MsgExclamation, title);
        QVERIFY(seen > 0);
        const QFontMetrics fm(font);
        const int line = fm.height() + fm.height() % 2;
        const int room = seen - 2 * (4 + 3 * (line + 2)) - 4;
        const int needed = std::max(fm.horizontalAdvance(title), fm.boundingRect(title).width());
        QVERIFY2(room >= needed, qPrintable(QStringLiteral("%1 px for a title of %2 px").arg(room).arg(needed)));
    }
};

QTEST_MAIN(ChromeTest)
#include "chrome_test.moc"
