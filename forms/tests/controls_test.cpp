#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/geometry.h"
#include "forms/msgbox.h"
#include "forms/palette.h"
#include "forms/random.h"
#include "forms/timing.h"
#include "forms/window.h"
#include "forms/tests/driver.h"
#include "forms/tests/reset.h"

using namespace forms;
using formstest::MessageCatcher;

namespace {
class Plain : public Form {
public:
    Plain()
    {
        box = new TextBox(this, QStringLiteral("Text1"));
        placeTwips(box, 0, 0, 375, 495);
    }
    TextBox *box;
};
class Other : public Form {};

// A frame drawn alone, nothing behind it and none of its controls.
QImage drawnAlone(Frame *frame)
{
    QImage drawn(frame->size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    frame->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
    return drawn;
}
} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { formstest::resetAll(); }

    void writingCutsToMaximumLength()
    {
        TextBox box(nullptr, QStringLiteral("T"));
        box.setMaxLength(1);
        box.setText(QStringLiteral(" 347"));
        QCOMPARE(box.text(), QStringLiteral(" "));
        box.setMaxLength(2);
        box.setText(QStringLiteral(" 27"));
        QCOMPARE(box.text(), QStringLiteral(" 2"));
        box.setMaxLength(0);
        box.setText(QStringLiteral("12345"));
        QCOMPARE(box.text(), QStringLiteral("12345"));
    }

    void changeIsRaisedInsideTheWriter()
    {
        TextBox box(nullptr, QStringLiteral("T"));
        QStringList order;
        connect(&box, &TextBox::changed, [&] {
            order << QStringLiteral("changed:") + box.text();
            if (box.text() == QLatin1String("0"))
                box.setText(QString()); // nested write raises a nested change
        });
        order << QStringLiteral("before");
        box.setText(QStringLiteral("0"));
        order << QStringLiteral("after");
        QCOMPARE(order, QStringList({"before", "changed:0", "changed:", "after"}));
        box.setText(QString()); // no change, no event
        QCOMPARE(order.size(), 4);
    }

    void digitsOnlyEntry_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("digit") << "7" << "7";
        QTest::newRow("second digit cut by the maximum") << "78" << "7";
        QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0663)) << "3";
        QTest::newRow("extended Arabic-Indic digit") << QString(QChar(0x06F9)) << "9";
        QTest::newRow("letter refused") << "a" << "";
        QTest::newRow("Arabic letter refused") << QString(QChar(0x0628)) << "";
        QTest::newRow("blank refused") << " " << "";
        QTest::newRow("sign refused") << "-" << "";
        QTest::newRow("letter then digit") << "x5" << "5";
    }
    void digitsOnlyEntry()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        auto *f = show<Plain>();
        f->box->setMaxLength(1);
        f->box->setDigitsOnly(true);
        formstest::type(f->box, typed);
        QCOMPARE(f->box->text(), kept);
    }

    void pasteIsFilteredAndCut()
    {
        auto *f = show<Plain>();
        f->box->setMaxLength(1);
        f->box->setDigitsOnly(true);
        QApplication::clipboard()->setText(QStringLiteral("42"));
        f->box->paste();
        QCOMPARE(f->box->text(), QStringLiteral("4"));
        f->box->clear();
        QApplication::clipboard()->setText(QStringLiteral("a4"));
        f->box->paste();
        QCOMPARE(f->box->text(), QString());
    }

    void editingKeysStillWork()
    {
        auto *f = show<Plain>();
        f->box->setMaxLength(1);
        f->box->setDigitsOnly(true);
        formstest::type(f->box, QStringLiteral("5"));
        QTest::keyClick(f->box, Qt::Key_Backspace);
        QCOMPARE(f->box->text(), QString());
        formstest::type(f->box, QStringLiteral("6"));
        QCOMPARE(f->box->text(), QStringLiteral("6"));
    }

    void displayOnlyBoxTakesNoFocus()
    {
        auto *f = show<Plain>();
        f->box->setDisplayOnly(true);
        f->box->setText(QStringLiteral("3"));
        QTest::mouseClick(f->box, Qt::LeftButton);
        QVERIFY(!f->box->hasFocus());
        QCOMPARE(f->box->focusPolicy(), Qt::NoFocus);
        QVERIFY(f->box->isEnabled()); // colours stay at full strength
    }

    void messageBoxIsArabicAndRightToLeft()
    {
        MessageCatcher catcher;
        catcher.answerNext(QMessageBox::No);
        const int answer = msgBox(nullptr, QStringLiteral("سؤال"), MsgYesNo | MsgQuestion, QStringLiteral("تنبيه"));
        QCOMPARE(answer, int(MsgNo));
        QCOMPARE(catcher.count(), 1);
        QCOMPARE(catcher.last().title, QStringLiteral("تنبيه"));
        QCOMPARE(catcher.last().icon, QMessageBox::Question);
        QVERIFY(catcher.last().buttons.contains(QStringLiteral("&نعم")) || catcher.last().buttons.contains(QStringLiteral("نعم")));
        QCOMPARE(msgBox(nullptr, QStringLiteral("x"), MsgOkOnly | MsgCritical), int(MsgOk));
        QCOMPARE(catcher.last().title, programTitle());
        QCOMPARE(catcher.last().icon, QMessageBox::Critical);
    }

    void programEndsWhenNoWindowIsLoaded()
    {
        QVERIFY(!programEnded());
        auto *a = show<Plain>();
        auto *b = show<Other>();
        QCOMPARE(show<Plain>(), a); // one instance per window
        b->hide();
        unload<Plain>();
        QCoreApplication::processEvents();
        QVERIFY(!programEnded()); // the hidden window keeps it running
        QVERIFY(!instance<Plain>());
        b->close(); // the close box unloads
        QTRY_VERIFY(programEnded());
    }

    void explicitEndUnloadsEverything()
    {
        show<Plain>();
        show<Other>();
        endProgram();
        QVERIFY(programEnded());
        QVERIFY(loadedForms().isEmpty());
    }

    void reloadedWindowStartsFresh()
    {
        auto *f = show<Plain>();
        f->box->setText(QStringLiteral("9"));
        show<Other>();
        unload<Plain>();
        QCOMPARE(show<Plain>()->box->text(), QString());
    }

    void windowsLoadedByName()
    {
        int made = 0;
        auto make = [&made] {
            ++made;
            return new Plain;
        };
        Form *a = forms::load(QStringLiteral("A"), make);
        QCOMPARE(forms::load(QStringLiteral("A"), make), a); // one instance per name
        Form *b = forms::load(QStringLiteral("B"), make);
        QVERIFY(b != a);
        QCOMPARE(made, 2);
        QCOMPARE(forms::instance(QStringLiteral("A")), a);
        QVERIFY(!instance<Plain>()); // a window loaded by name is not the type's instance
        QCOMPARE(loadedForms(), (QList<Form *>{a, b}));
        static_cast<Plain *>(a)->box->setText(QStringLiteral("9"));
        forms::unload(QStringLiteral("A"));
        QVERIFY(!forms::instance(QStringLiteral("A")));
        auto *again = static_cast<Plain *>(forms::load(QStringLiteral("A"), make));
        QCOMPARE(made, 3);
        QCOMPARE(again->box->text(), QString()); // reloaded fresh
        forms::unload(QStringLiteral("A"));
        forms::unload(QStringLiteral("B"));
        QTRY_VERIFY(programEnded());
    }

    void aFixedDialogKeepsItsClientSize()
    {
        Plain f;
        f.setBorder(Form::Border::FixedDialog, false);
        f.setClientSizeTwips(4485, 3600);
        const QSize size(twips(4485), twips(3600));
        QCOMPARE(f.size(), size);
        QCOMPARE(f.minimumSize(), size);
        QCOMPARE(f.maximumSize(), size);
        Plain sizable;
        sizable.setBorder(Form::Border::Sizable);
        sizable.setClientSizeTwips(4485, 3600);
        QCOMPARE(sizable.size(), size);
        QVERIFY(sizable.maximumSize() != size);
    }

    void controlArrayElementsByIndex()
    {
        QWidget parent;
        LineControl *lines[3];
        for (int i = 0; i < 3; ++i) {
            lines[i] = new LineControl(&parent, QStringLiteral("Line1"), 0, 0, 100 * (i + 1), 0);
            setArrayIndex(lines[i], i);
        }
        auto *single = new LineControl(&parent, QStringLiteral("Line2"), 0, 0, 100, 0);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(arrayElement<LineControl>(&parent, QStringLiteral("Line1"), i), lines[i]);
            QCOMPARE(arrayIndex(lines[i]), i);
        }
        QVERIFY(!arrayElement<LineControl>(&parent, QStringLiteral("Line1"), 3));
        QCOMPARE(arrayIndex(single), -1);
    }

    void manualTimeDrivesTimers()
    {
        testing::useManualTime(true);
        Timer timer(nullptr, QStringLiteral("Timer1"), 3000);
        int ticks = 0;
        connect(&timer, &Timer::tick, [&] { ++ticks; });
        testing::advance(2999);
        QCOMPARE(ticks, 0);
        testing::advance(1);
        QCOMPARE(ticks, 1);
        timer.setEnabled(false);
        testing::advance(10000);
        QCOMPARE(ticks, 1);
    }

    void aLongNumberShrinksToFitItsLabel()
    {
        auto *f = show<Plain>();
        auto *l = new Label(f, QStringLiteral("Label13"));
        placeTwips(l, 240, 3840, 735, 375);
        l->setFont(designFont(QStringLiteral("Arial"), 15.75));
        l->show();
        l->setCaption(QStringLiteral("527813"));
        QVERIFY(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->contentsRect().width());
        l->setCaption(QStringLiteral("7"));
        QCOMPARE(l->font().pointSizeF(), 15.75);
    }

    void keyHandlerCanReplaceOrDropAKey()
    {
        auto *f = show<Plain>();
        f->box->setKeyFilter([](QChar c) { return c == QLatin1Char('x') ? QChar() : c.toUpper(); });
        formstest::type(f->box, QStringLiteral("axb"));
        QCOMPARE(f->box->text(), QStringLiteral("AB"));
        QTest::keyClick(f->box, Qt::Key_Backspace);
        QCOMPARE(f->box->text(), QStringLiteral("A"));
    }

    void labelReportsClicksAndMouseMoves()
    {
        auto *f = show<Plain>();
        auto *l = new Label(f, QStringLiteral("Label7"), QStringLiteral("خروج"));
        placeTwips(l, 0, 600, 1200, 375);
        l->show();
        int clicks = 0, moves = 0;
        connect(l, &Label::clicked, [&] { ++clicks; });
        connect(l, &Label::mouseMoved, [&] { ++moves; });
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), l->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(l, &move);
        QTest::mouseClick(l, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QVERIFY(moves >= 1);
    }

    void enterPressesTheFocusedButton()
    {
        auto *f = show<Plain>();
        auto *b = new CommandButton(f, QStringLiteral("Command1"), QStringLiteral("دخول"));
        b->show();
        int clicks = 0;
        connect(b, &QPushButton::clicked, [&] { ++clicks; });
        QTest::keyClick(b, Qt::Key_Return);
        QTest::keyClick(b, Qt::Key_Space);
        QCOMPARE(clicks, 2);
    }

    void randomDrawsStayInRangeAndRepeatFromASeed()
    {
        reseed(7);
        QList<int> first;
        for (int i = 0; i < 200; ++i) {
            const int v = randomBelow(10);
            QVERIFY(v >= 0 && v < 10);
            first << v;
        }
        reseed(7);
        for (int i = 0; i < 200; ++i)
            QCOMPARE(randomBelow(10), first[i]);
        QVERIFY(std::count(first.begin(), first.end(), 0) > 0 && std::count(first.begin(), first.end(), 9) > 0);
        reseedFromClock();
        const float u = randomDraw();
        QVERIFY(u >= 0.0f && u < 1.0f);
    }

    void designFontsMapToInstalledArabicFonts_data()
    {
        QTest::addColumn<QString>("design");
        for (const char *name : {"Arial", "MS Sans Serif", "Arabic Transparent", "Akhbar MT", "Monotype Koufi", "SC_OUHOD"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void designFontsMapToInstalledArabicFonts()
    {
        QFETCH(QString, design);
        const QStringList installed = QFontDatabase::families();
        const QStringList arabic = QFontDatabase::families(QFontDatabase::Arabic);
        const QStringList mapped = fontFamiliesFor(design);
        for (const QString &family : mapped)
            QVERIFY2(installed.contains(family), qPrintable(family + QStringLiteral(" is not installed")));
        QVERIFY(std::any_of(mapped.begin(), mapped.end(), [&](const QString &f) { return arabic.contains(f); }));
        QCOMPARE(QFontInfo(designFont(design, 12)).family(), mapped.first());
    }

    // A frame's top line runs through the middle of its caption, a few pixels
    // down, broken behind the caption, which is drawn whole at the right;
    // its background covers the caption's line too.
    void frameDrawsItsCaptionOnItsLine_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QSize>("twipsSize");
        QTest::newRow("default font") << QStringLiteral("إختر القسمة المطلوبة :") << QFont() << QColor()
                                      << QSize(3255, 2535);
        QTest::newRow("13.5 pt on green") << QStringLiteral("اختر التمرين المناسب ")
                                          << designFont(QStringLiteral("MS Sans Serif"), 13.5) << QColor(0, 0xC0, 0)
                                          << QSize(5055, 5775);
        QTest::newRow("15.75 pt bold") << QStringLiteral("المساعدة")
                                       << designFont(QStringLiteral("Arabic Transparent"), 15.75, true) << QColor()
                                       << QSize(2415, 2655);
    }
    void frameDrawsItsCaptionOnItsLine()
    {
        QFETCH(QString, caption);
        QFETCH(QFont, font);
        QFETCH(QColor, back);
        QFETCH(QSize, twipsSize);
        auto *f = show<Plain>();
        auto *frame = new Frame(f, QStringLiteral("Frame1"), caption);
        frame->setFont(font);
        if (back.isValid())
            frame->setBackColor(back);
        placeTwips(frame, 120, 600, twipsSize.width(), twipsSize.height());
        const QImage drawn = drawnAlone(frame);
        // The caption's ink: what changes when its colour does.
        setRoleColor(frame, QPalette::WindowText, Qt::red);
        const QImage recoloured = drawnAlone(frame);
        QRect ink;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixel(x, y) != recoloured.pixel(x, y))
                    ink |= QRect(x, y, 1, 1);
        QVERIFY(!ink.isEmpty());
        const auto drawnOn = [&](int x, int y) {
            return drawn.pixel(x, y) != recoloured.pixel(x, y) || drawn.pixel(x, y) != drawn.pixel(x, 0);
        };
        // The top line: the first row drawn across the frame's width, but for
        // the caption and a blank or so either side of it.
        const int blank = QFontMetrics(frame->font()).horizontalAdvance(QLatin1Char(' ')) + 4;
        int line = -1;
        for (int y = 1; y < drawn.height() && line < 0; ++y) {
            bool across = true;
            for (int x = 0; x < drawn.width() && across; ++x)
                across = drawnOn(x, y) || (x >= ink.left() - blank && x <= ink.right() + blank);
            if (across)
                line = y;
        }
        const QString where = QStringLiteral("line at %1, caption's ink at rows %2..%3, columns %4..%5 of %6")
                                  .arg(line).arg(ink.top()).arg(ink.bottom()).arg(ink.left()).arg(ink.right())
                                  .arg(drawn.width());
        QVERIFY2(line >= 2 && std::abs(line - (ink.top() + ink.bottom()) / 2.0) <= 1, qPrintable(where));
        // Broken behind the caption: on the caption's rows only the caption is drawn there.
        for (int y = ink.top(); y <= ink.bottom(); ++y)
            for (int x = ink.left() - 1; x <= ink.right() + 1; ++x)
                QVERIFY2(drawn.pixel(x, y) == recoloured.pixel(x, y) ? drawn.pixel(x, y) == drawn.pixel(x, 0) : true,
                         qPrintable(where + QStringLiteral(": drawn over at %1, %2").arg(x).arg(y)));
        // Whole: the same ink as the caption drawn by itself in the frame's font.
        QImage alone(ink.size() + QSize(40, 40), QImage::Format_ARGB32);
        alone.fill(Qt::transparent);
        {
            QPainter p(&alone);
            p.setFont(frame->font());
            p.setPen(Qt::black);
            p.drawText(QRect(QPoint(20, 20), ink.size()), Qt::AlignCenter | Qt::TextDontClip, caption);
        }
        QRect aloneInk;
        for (int y = 0; y < alone.height(); ++y)
            for (int x = 0; x < alone.width(); ++x)
                if (qAlpha(alone.pixel(x, y)))
                    aloneInk |= QRect(x, y, 1, 1);
        QCOMPARE(ink.size(), aloneInk.size());
        // At the right, inside the frame.
        QVERIFY2(ink.left() > 0 && ink.right() < drawn.width() - 1 && ink.right() >= drawn.width() - 14,
                 qPrintable(where));
        // The background above the line and inside the box alike.
        if (back.isValid()) {
            QCOMPARE(QColor(drawn.pixel(drawn.width() / 2, 0)), back);
            QCOMPARE(QColor(drawn.pixel(drawn.width() / 2, drawn.height() / 2)), back);
        }
    }

    void programFolderAndStart()
    {
        QCOMPARE(programFolder(), QFileInfo(QCoreApplication::applicationFilePath()).absolutePath());
        QVERIFY(!programFolder().endsWith(QLatin1Char('/')));
        QVERIFY(!startProgram(programFolder() + QStringLiteral("/zorurav/missing-program")));
    }

    void folderGetsOneFinalSlash_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("folder") << "/suite" << "/suite/";
        QTest::newRow("root") << "/" << "/";
        QTest::newRow("blanks and Arabic") << QStringLiteral("/home/م ع/ب") << QStringLiteral("/home/م ع/ب/");
    }
    void folderGetsOneFinalSlash()
    {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(withFinalSlash(folder), path);
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
