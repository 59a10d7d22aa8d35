// What a window shows around its client area: the icon of its title bar, and
// a message box wide enough for its title.
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "driver.h"
#include "forms/app.h"
#include "forms/msgbox.h"
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
        resetProgramState();
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

    void aMessageBoxIsAsWideAsItsTitle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("short text") << QStringLiteral("عفواً لم تضع رقما") << QStringLiteral("رسالة البرنامج");
        QTest::newRow("one word") << QStringLiteral("خطأ") << QStringLiteral("تعذر تشغيل البرنامج المطلوب");
    }
    void aMessageBoxIsAsWideAsItsTitle()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        auto *f = show<Plain>();
        QSize seen;
        int titleWidth = 0;
        int barHeight = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen = box->size();
            const QFontMetrics fm(QApplication::font("QMdiSubWindowTitleBar"));
            titleWidth = std::max(fm.horizontalAdvance(box->windowTitle()),
                                  box->fontMetrics().horizontalAdvance(box->windowTitle()));
            barHeight = fm.height();
            box->button(QMessageBox::Ok)->click();
        });
        poll.start(10);
        msgBox(f, text, MsgOkOnly | MsgExclamation, title);
        QVERIFY(seen.isValid());
        // The title, and beside it the title bar's icon and three buttons.
        QVERIFY2(seen.width() >= titleWidth + 4 * barHeight,
                 qPrintable(QStringLiteral("%1 < %2 + room").arg(seen.width()).arg(titleWidth)));
    }
};

QTEST_MAIN(ChromeTest)
#include "chrome_test.moc"
