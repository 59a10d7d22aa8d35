// A text box's key-press handler: which keys it is offered, and text that
// arrives without a key (paste, drop).
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"
#include "forms/tests/driver.h"
#include "forms/tests/reset.h"

using namespace forms;

namespace {
class Boxes : public Form {
public:
    Boxes()
    {
        first = new TextBox(this, QStringLiteral("Text1"));
        second = new TextBox(this, QStringLiteral("Text2"));
        placeTwips(first, 0, 0, 735, 495);
        placeTwips(second, 1000, 0, 735, 495);
        first->setMaxLength(1);
        first->setKeyFilter([this](QChar c) {
            offered << c.unicode();
            return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c : QChar();
        });
    }
    TextBox *first;
    TextBox *second;
    QList<int> offered;
};

void dropText(QWidget *target, const QString &text)
{
    QMimeData data;
    data.setText(text);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}
} // namespace

class KeyFilterTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { formstest::resetAll(); }

    void backspaceAndEnterAreOffered_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 8;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 13;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 13;
    }
    void backspaceAndEnterAreOffered()
    {
        QFETCH(int, key);
        QFETCH(int, code);
        auto *f = show<Boxes>();
        formstest::type(f->first, QStringLiteral("4"));
        f->offered.clear();
        QTest::keyClick(f->first, Qt::Key(key));
        QCOMPARE(f->offered, QList<int>{code});
        QCOMPARE(f->first->text(), QStringLiteral("4")); // dropped by the handler
    }

    void keysWithoutACharacterAreNotOffered()
    {
        auto *f = show<Boxes>();
        formstest::type(f->first, QStringLiteral("4"));
        f->offered.clear();
        QTest::keyClick(f->first, Qt::Key_Left);
        QTest::keyClick(f->first, Qt::Key_Home);
        QTest::keyClick(f->first, Qt::Key_Delete);
        QVERIFY(f->offered.isEmpty());
        QCOMPARE(f->first->text(), QString());
        formstest::type(f->first, QStringLiteral("5"));
        f->offered.clear();
        QTest::keyClick(f->first, Qt::Key_A, Qt::ControlModifier); // select all is a shortcut, not a character
        QTest::keyClick(f->first, Qt::Key_Delete);
        QCOMPARE(f->first->text(), QString());
        QTest::keyClick(f->first, Qt::Key_Tab);
        QVERIFY(f->offered.isEmpty());
        QTRY_VERIFY(f->second->hasFocus());
    }

    void aHandlerThatPassesBackspaceLetsItDelete()
    {
        auto *f = show<Boxes>();
        f->second->setKeyFilter([](QChar c) { return c; });
        formstest::type(f->second, QStringLiteral("ab"));
        QTest::keyClick(f->second, Qt::Key_Backspace);
        QCOMPARE(f->second->text(), QStringLiteral("a"));
    }

    void pasteGoesInOnlyIfEveryCharacterPasses_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("kept");
        QTest::newRow("digit") << "7" << "7";
        QTest::newRow("letter") << "a" << "";
        QTest::newRow("digit then letter") << "4a" << "";
        QTest::newRow("letter then digit") << "a4" << "";
        QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0663)) << "";
        QTest::newRow("two digits cut to one") << "42" << "4";
    }
    void pasteGoesInOnlyIfEveryCharacterPasses()
    {
        QFETCH(QString, clip);
        QFETCH(QString, kept);
        auto *f = show<Boxes>();
        QApplication::clipboard()->setText(clip);
        f->first->setFocus();
        QTest::keyClick(f->first, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->first->text(), kept);
        f->first->clear();
        QTest::keyClick(f->first, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(f->first->text(), kept);
        f->first->clear();
        dropText(f->first, clip);
        QCOMPARE(f->first->text(), kept);
    }

    void contextMenuPasteKeepsToTheFilter()
    {
        auto *f = show<Boxes>();
        QApplication::clipboard()->setText(QStringLiteral("x"));
        QContextMenuEvent event(QContextMenuEvent::Mouse, f->first->rect().center(),
                                f->first->mapToGlobal(f->first->rect().center()));
        QApplication::sendEvent(f->first, &event);
        QMenu *menu = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *m = qobject_cast<QMenu *>(w); m && m->isVisible())
                menu = m;
        QVERIFY(menu);
        QAction *paste = nullptr;
        for (QAction *a : menu->actions())
            if (a->text().startsWith(QLineEdit::tr("&Paste")))
                paste = a;
        QVERIFY(paste);
        paste->trigger();
        QCOMPARE(f->first->text(), QString());
        QApplication::clipboard()->setText(QStringLiteral("8"));
        paste->trigger();
        QCOMPARE(f->first->text(), QStringLiteral("8"));
        menu->close();
    }

    void aBoxWithoutAHandlerPastesAsBefore()
    {
        auto *f = show<Boxes>();
        QApplication::clipboard()->setText(QStringLiteral("x1"));
        f->second->setFocus();
        QTest::keyClick(f->second, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->second->text(), QStringLiteral("x1"));
    }
};

QTEST_MAIN(KeyFilterTest)
#include "keyfilter_test.moc"
