// Windows without a minimize button never stay minimized; windows with one do.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "forms/app.h"
#include "forms/msgbox.h"
#include "forms/window.h"
#include "forms/tests/reset.h"

using namespace forms;

namespace {
class Window : public Form {
public:
    Window(Border border, bool inTaskbar, Placement placement)
    {
        setBorder(border, inTaskbar);
        setClientSizeTwips(6000, 4000);
        setPlacement(placement);
    }
};

Form *shown(Form::Border border, bool inTaskbar, Form::Placement placement)
{
    Form *f = load(QStringLiteral("Window"), [&] { return new Window(border, inTaskbar, placement); });
    f->showForm();
    QTest::qWait(20);
    return f;
}

// What the window manager does to a window when the pupil minimizes it.
void minimize(QWidget *w)
{
    w->setWindowState(w->windowState() | Qt::WindowMinimized);
    QTest::qWait(50);
}
} // namespace

class MinimizedTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Minimized")); }
    void cleanup() { formstest::resetAll(); }

    void aWindowWithoutMinimizeButtonComesBack_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<bool>("inTaskbar");
        QTest::addColumn<int>("placement");
        QTest::addColumn<bool>("comesBack");
        using B = Form::Border;
        using P = Form::Placement;
        QTest::newRow("fixed dialog, no taskbar button") << int(B::FixedDialog) << false << int(P::CentreScreen) << true;
        QTest::newRow("no title bar, no taskbar button") << int(B::ToolNoCaption) << false << int(P::CentreScreen) << true;
        QTest::newRow("no title bar, maximized") << int(B::ToolNoCaption) << false << int(P::Maximized) << true;
        QTest::newRow("sizable, in the taskbar") << int(B::Sizable) << true << int(P::CentreScreen) << false;
    }
    void aWindowWithoutMinimizeButtonComesBack()
    {
        QFETCH(int, border);
        QFETCH(bool, inTaskbar);
        QFETCH(int, placement);
        QFETCH(bool, comesBack);
        Form *f = shown(Form::Border(border), inTaskbar, Form::Placement(placement));
        const QRect before = f->geometry();
        const Qt::WindowStates stateBefore = f->windowState();
        minimize(f);
        if (!comesBack) {
            QVERIFY(f->windowState() & Qt::WindowMinimized);
            return;
        }
        QVERIFY(f->isVisible());
        QCOMPARE(f->windowState(), stateBefore);
        QCOMPARE(f->geometry(), before);
        // Again, the same.
        minimize(f);
        QCOMPARE(f->windowState(), stateBefore);
    }

    void aMessageBoxComesBack()
    {
        Form *f = shown(Form::Border::FixedDialog, false, Form::Placement::CentreScreen);
        bool minimized = false;
        Qt::WindowStates after = Qt::WindowMinimized;
        bool visible = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            if (!minimized) {
                minimized = true;
                box->setWindowState(Qt::WindowMinimized);
                return;
            }
            poll.stop();
            after = box->windowState();
            visible = box->isVisible();
            box->button(QMessageBox::Ok)->click();
        });
        poll.start(30);
        msgBox(f, QStringLiteral("أكمل حل المسألة أولاً"), MsgOkOnly | MsgExclamation);
        QVERIFY(minimized);
        QVERIFY(visible);
        QVERIFY(!(after & Qt::WindowMinimized));
    }
};

QTEST_MAIN(MinimizedTest)
#include "minimized_test.moc"
