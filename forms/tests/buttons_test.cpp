// What a button shows the pupil: its caption whole inside its face, and no
// icon; the buttons of the message boxes, also where the platform's theme
// puts stock icons on dialog buttons (as it does on X11).
#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include "driver.h"
#include "pixels.h"
#include "reset.h"
#include "forms/app.h"
#include "forms/controls.h"
#include "forms/msgbox.h"
#include "forms/window.h"

using namespace forms;

namespace {

// The style of a platform whose theme gives dialog buttons their stock icons.
class IconsOnDialogButtons : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returned) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

class Plain : public Form {
public:
    Plain() { setClientSizeTwips(6000, 4000); }
};

QStringList faultsOf(const QStringList &faults, const QString &caption)
{
    QStringList found;
    for (const QString &f : faults)
        if (f.contains(QLatin1Char('"') + caption + QLatin1Char('"')))
            found << f;
    return found;
}

} // namespace

class ButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Buttons")); }

    void cleanup()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        formstest::resetAll();
    }

    // A box built as the message boxes were, its buttons with the stock icons
    // that the X11 theme gives them, or too narrow for their captions.
    void theCheckFindsWhatWasWrongWithTheBoxes_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("icons");
        QTest::addColumn<int>("narrowTo"); // the width of every button; 0: as the box lays them out
        QTest::addColumn<QStringList>("faults"); // of every button
        const QString icon = QStringLiteral("an icon on the button");
        const QString cut = QStringLiteral("caption not whole inside its face");
        QTest::newRow("Yes and No, stock icons") << int(MsgYesNo) << true << 0 << QStringList{icon};
        QTest::newRow("OK, stock icon") << int(MsgOkOnly) << true << 0 << QStringList{icon};
        QTest::newRow("OK, too narrow") << int(MsgOkOnly) << false << 14 << QStringList{cut};
        QTest::newRow("Yes and No, stock icons, too narrow") << int(MsgYesNo) << true << 20 << QStringList{icon, cut};
        QTest::newRow("Yes and No, plain") << int(MsgYesNo) << false << 0 << QStringList{};
    }
    void theCheckFindsWhatWasWrongWithTheBoxes()
    {
        QFETCH(int, buttons);
        QFETCH(bool, icons);
        QFETCH(int, narrowTo);
        QFETCH(QStringList, faults);
        QMessageBox box;
        box.setObjectName(QStringLiteral("AlertMessage"));
        box.setLayoutDirection(Qt::RightToLeft);
        box.setWindowTitle(QStringLiteral("تنبيه"));
        box.setText(QStringLiteral("هل تريد الخروج حقاً ؟"));
        box.setIcon(QMessageBox::Question);
        if (buttons == MsgYesNo)
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        else
            box.setStandardButtons(QMessageBox::Ok);
        for (QAbstractButton *b : box.buttons()) {
            if (icons)
                b->setIcon(box.style()->standardIcon(b == box.button(QMessageBox::No) ? QStyle::SP_DialogNoButton
                                                                                       : QStyle::SP_DialogYesButton));
            if (narrowTo > 0)
                b->setFixedWidth(narrowTo);
        }
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QStringList seen = formstest::captionFaults(&box);
        for (QAbstractButton *b : box.buttons()) {
            const QStringList ofButton = faultsOf(seen, b->text());
            for (const QString &f : faults)
                QVERIFY2(ofButton.filter(f).size() == 1,
                         qPrintable(QStringLiteral("\"%1\" not found in: %2").arg(f, seen.join(QStringLiteral("; ")))));
            QVERIFY2(ofButton.size() == faults.size(), qPrintable(seen.join(QStringLiteral("; "))));
        }
    }

    // Every message box of the suite, also where the theme puts icons on
    // dialog buttons: each caption inside its button's face, no icon.
    void messageBoxButtonsAreWholeAndPlain_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("themeIcons");
        const struct {
            const char *name;
            const char *text;
            int style;
            const char *title;
        } boxes[] = {
            {"exit question", "هل تريد الخروج حقاً ؟", MsgYesNo | MsgQuestion, "تنبيه"},
            {"not complete", "أكمل حل المسألة أولاً", MsgOkOnly | MsgInformation, "تنبيه"},
            {"refusal", "الصفر غير مسموح به في آخر خانة من المقسوم !!", MsgOkOnly | MsgCritical, "خطأ"},
            {"no number", "عفواً لم تضع رقما", MsgOkOnly | MsgExclamation, "رسالة البرنامج"},
            {"cannot start", "تعذر تشغيل البرنامج Brandor\n/opt/suite/zorurav/Brandor", MsgOkOnly | MsgCritical,
             "خطأ"},
            {"two-digit redirect", "استخدم البرنامج الخاص بقسمة رقمين أفضل", MsgOkOnly, ""},
        };
        for (const auto &b : boxes)
            for (const bool themeIcons : {false, true})
                QTest::addRow("%s%s", b.name, themeIcons ? ", theme with button icons" : "")
                    << QString::fromUtf8(b.text) << b.style << QString::fromUtf8(b.title) << themeIcons;
    }
    void messageBoxButtonsAreWholeAndPlain()
    {
        QFETCH(QString, text);
        QFETCH(int, style);
        QFETCH(QString, title);
        QFETCH(bool, themeIcons);
        if (themeIcons)
            QApplication::setStyle(new IconsOnDialogButtons(QStyleFactory::create(QStringLiteral("Fusion"))));
        auto *owner = show<Plain>();
        int buttons = 0;
        QStringList faults;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || buttons > 0)
                return;
            buttons = int(box->buttons().size());
            faults = formstest::captionFaults(box);
            box->defaultButton()->click();
        });
        poll.start(10);
        msgBox(owner, text, style, title);
        QCOMPARE(buttons, (style & 0x7) == MsgYesNo ? 2 : 1);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    // A window's own button, plain or with its back colour, as drawn.
    void theCheckSeesAWindowsButtonAsDrawn_data()
    {
        QTest::addColumn<bool>("coloured");
        QTest::addColumn<int>("widthTwips");
        QTest::addColumn<bool>("fault");
        for (const bool coloured : {false, true}) {
            const char *look = coloured ? "back colour" : "plain";
            QTest::addRow("%s, room to spare", look) << coloured << 1575 << false;
            QTest::addRow("%s, too narrow", look) << coloured << 600 << true;
        }
    }
    void theCheckSeesAWindowsButtonAsDrawn()
    {
        QFETCH(bool, coloured);
        QFETCH(int, widthTwips);
        QFETCH(bool, fault);
        auto *f = show<Plain>();
        auto *b = new CommandButton(f, QStringLiteral("Command1"), QStringLiteral("مسألة جديدة"));
        placeTwips(b, 480, 480, widthTwips, 615);
        if (coloured)
            b->setBackColor(QColor(0xFF, 0xC0, 0xC0));
        b->show();
        QCoreApplication::processEvents();
        const QStringList faults = formstest::captionFaults(f);
        QCOMPARE(faults.filter(QStringLiteral("Command1 \"مسألة جديدة\": caption not whole inside its face")).size(),
                 fault ? 1 : 0);
        QCOMPARE(faults.size(), fault ? 1 : 0);
    }
};

QTEST_MAIN(ButtonsTest)
#include "buttons_test.moc"
