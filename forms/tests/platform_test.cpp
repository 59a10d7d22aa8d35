// Which window system a program asks Qt for, by the session it starts in.
#include <QTest>

#include "forms/app.h"

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void aWaylandSessionWithAnXServerRunsOnX_data()
    {
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("chosen"); // QT_QPA_PLATFORM as the user set it
        QTest::addColumn<QByteArray>("platform");
        QTest::newRow("Wayland session with XWayland") << QByteArray("wayland") << QByteArray("wayland-0")
                                                       << QByteArray(":0") << QByteArray() << QByteArray("xcb");
        QTest::newRow("Wayland display only set") << QByteArray() << QByteArray("wayland-0") << QByteArray(":0")
                                                  << QByteArray() << QByteArray("xcb");
        QTest::newRow("Wayland only") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray()
                                      << QByteArray() << QByteArray();
        QTest::newRow("the user's choice stands") << QByteArray("wayland") << QByteArray("wayland-0")
                                                  << QByteArray(":0") << QByteArray("wayland")
                                                  << QByteArray("wayland");
        QTest::newRow("X session") << QByteArray("x11") << QByteArray() << QByteArray(":0") << QByteArray()
                                   << QByteArray();
    }
    void aWaylandSessionWithAnXServerRunsOnX()
    {
        QFETCH(QByteArray, session);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, chosen);
        QFETCH(QByteArray, platform);
        const auto set = [](const char *name, const QByteArray &value) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        set("XDG_SESSION_TYPE", session);
        set("WAYLAND_DISPLAY", wayland);
        set("DISPLAY", display);
        set("QT_QPA_PLATFORM", chosen);
        forms::choosePlatform();
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), platform);
    }
};

QTEST_APPLESS_MAIN(PlatformTest)
#include "platform_test.moc"
