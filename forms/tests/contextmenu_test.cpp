// The right-click menu of every kind of box speaks Arabic from the start,
// before any message box has been shown.
#include <QApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/multiline.h"
#include "forms/window.h"

class ContextMenuTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Test")); }

    void menuOfEveryBoxIsArabic_data()
    {
        QTest::addColumn<bool>("multiLine");
        QTest::newRow("one-line box") << false;
        QTest::newRow("multi-line box") << true;
    }
    void menuOfEveryBoxIsArabic()
    {
        QFETCH(bool, multiLine);
        forms::Form window;
        window.resize(300, 200);
        QWidget *box = multiLine ? static_cast<QWidget *>(new forms::MultiLineTextBox(&window, QStringLiteral("Text2")))
                                 : static_cast<QWidget *>(new forms::TextBox(&window, QStringLiteral("Text1")));
        box->setGeometry(10, 10, 200, 100);
        window.show();
        std::unique_ptr<QMenu> menu;
        if (auto *line = qobject_cast<QLineEdit *>(box))
            menu.reset(line->createStandardContextMenu());
        else
            menu.reset(static_cast<forms::MultiLineTextBox *>(box)->createStandardContextMenu());
        QVERIFY(menu);
        static const QRegularExpression arabic(QStringLiteral("[\\x{0600}-\\x{06FF}]"));
        int entries = 0;
        for (QAction *a : menu->actions()) {
            if (a->isSeparator())
                continue;
            ++entries;
            QVERIFY2(a->text().contains(arabic), qPrintable(a->text()));
        }
        QVERIFY(entries >= 5); // undo, redo, cut, copy, paste, ...
    }
};

QTEST_MAIN(ContextMenuTest)
#include "contextmenu_test.moc"
