#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/geometry.h"
#include "forms/multiline.h"
#include "forms/window.h"
#include "forms/tests/driver.h"
#include "forms/tests/pixels.h"
#include "forms/tests/reset.h"

using namespace forms;
using formstest::captionWhole;

namespace {

class Sheet : public Form {
public:
    Sheet()
    {
        setObjectName(QStringLiteral("Sheet"));
        setClientSizeTwips(12000, 9000);
        label = new Label(this, QStringLiteral("Label1"));
        box = new TextBox(this, QStringLiteral("Text1"));
        placeTwips(box, 6000, 7800, 1500, 495);
        lines = new MultiLineTextBox(this, QStringLiteral("Text2"));
        placeTwips(lines, 120, 5400, 4500, 1935);
        lines->setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25));
        setTabOrder(box, lines);
    }
    Label *label;
    TextBox *box;
    MultiLineTextBox *lines;
};

// The columns and rows of a widget's picture that differ from its top-left pixel.
QRect ink(QWidget *w)
{
    const QImage img = w->grab().toImage();
    const QRgb back = img.pixel(img.width() / 2, img.height() - 3);
    QRect r;
    for (int y = 2; y < img.height() - 2; ++y)
        for (int x = 2; x < img.width() - 2; ++x)
            if (img.pixel(x, y) != back)
                r |= QRect(x, y, 1, 1);
    return r;
}

int lineCount(QPlainTextEdit *edit)
{
    int n = 0;
    for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next())
        n += b.layout()->lineCount();
    return n;
}

} // namespace

// Shows the window active, so that its controls take the focus.
Sheet *showActive()
{
    auto *f = show<Sheet>();
    f->activateWindow();
    if (!QTest::qWaitForWindowActive(f))
        qWarning("window not active");
    return f;
}

class TextLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { formstest::resetAll(); }

    void aCrLfPairIsOneLineBreakAndReadsBackAsWritten_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("lines");
        QTest::newRow("one line") << "اضرب الناتج" << 1;
        QTest::newRow("CR LF") << "اطرح  47\r\n- 42" << 2;
        QTest::newRow("two pairs, an empty line between") << "اضرب الناتج \r\n\r\nأو اضرب  7 × 6" << 3;
        QTest::newRow("trailing pair") << "12\r\n" << 2;
        QTest::newRow("lone LF") << "1\n2" << 2;
        QTest::newRow("lone CR") << "1\r2" << 2;
        QTest::newRow("empty") << "" << 1;
    }
    void aCrLfPairIsOneLineBreakAndReadsBackAsWritten()
    {
        QFETCH(QString, written);
        QFETCH(int, lines);
        auto *f = show<Sheet>();
        int changes = 0;
        connect(f->lines, &MultiLineTextBox::changed, [&] { ++changes; });
        f->lines->setText(QStringLiteral("x"));
        changes = 0;
        f->lines->setText(written);
        QCOMPARE(changes, 1);
        QCOMPARE(f->lines->text(), written);
        QCOMPARE(f->lines->document()->blockCount(), lines);
        QVERIFY(!f->lines->toPlainText().contains(QLatin1Char('\r')));
    }

    void thePupilTypesLinesAndEditsWrittenText()
    {
        auto *f = showActive();
        MultiLineTextBox *box = f->lines;
        box->setText(QStringLiteral(" ، 1 ، 2"));
        QStringList seen;
        connect(box, &MultiLineTextBox::changed, [&] { seen << box->text(); });
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        formstest::type(box, QStringLiteral(" ب"));
        QTest::keyClick(box, Qt::Key_Return);
        formstest::type(box, QStringLiteral("3"));
        QCOMPARE(box->text(), QStringLiteral(" ، 1 ، 2 ب\r\n3"));
        QCOMPARE(seen.size(), 4);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral(" ، 1 ، 2 ب"));
        // Code appends behind the pupil's text.
        box->setText(box->text() + QStringLiteral(" ، 4"));
        QCOMPARE(box->text(), QStringLiteral(" ، 1 ، 2 ب ، 4"));
        QCOMPARE(box->toPlainText(), box->text());
        // Tab moves on rather than going into the text.
        f->box->setFocus();
        QTest::keyClick(f->box, Qt::Key_Tab);
        QVERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(!box->hasFocus());
        QCOMPARE(box->text(), QStringLiteral(" ، 1 ، 2 ب ، 4"));
    }

    // Appending shows and reads back as writing the joined text would.
    void appendingReadsAsWritingTheWhole_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("more");
        QTest::newRow("plain run") << " ، 1" << " ، 2 ، 4";
        QTest::newRow("into an empty box") << "" << " ، 1";
        QTest::newRow("CR LF inside") << "a" << "b\r\nc";
        QTest::newRow("lone LF and CR") << "a" << "b\nc\rd";
        QTest::newRow("CR then LF: one break") << "a\r" << "\nb";
        QTest::newRow("ends with a break") << "a" << "b\r\n";
    }
    void appendingReadsAsWritingTheWhole()
    {
        QFETCH(QString, before);
        QFETCH(QString, more);
        auto *f = show<Sheet>();
        MultiLineTextBox *box = f->lines;
        box->setText(before);
        QStringList seen;
        connect(box, &MultiLineTextBox::changed, [&] { seen << box->text(); });
        box->appendText(more);
        QCOMPARE(seen, QStringList{before + more}); // raised once, with the new text in place
        MultiLineTextBox whole(f, QStringLiteral("whole"));
        whole.setText(before + more);
        QCOMPARE(box->toPlainText(), whole.toPlainText());
        QCOMPARE(box->document()->blockCount(), whole.document()->blockCount());
        box->appendText(QString());
        QCOMPARE(seen.size(), 1); // nothing appended, nothing raised
    }

    // A long text appended run by run is laid out in parts, yet it looks and
    // reads back as one paragraph, and the pupil edits it as one.
    void aLongAppendedTextLooksAndReadsAsOneParagraph()
    {
        auto *f = showActive();
        MultiLineTextBox *box = f->lines;
        QString all;
        for (int r = 0; r < 6; ++r) {
            QString run;
            for (int i = 1; i <= 1500; ++i)
                run += QStringLiteral(" ، ") + QString::number(i * (r + 1));
            box->appendText(run);
            all += run;
        }
        QCOMPARE(box->text(), all);
        QVERIFY(box->document()->blockCount() > 1); // the parts

        MultiLineTextBox *whole = new MultiLineTextBox(f, QStringLiteral("whole"));
        whole->setGeometry(box->geometry());
        whole->setFont(box->font());
        whole->setText(all);
        whole->show();
        QCOMPARE(whole->document()->blockCount(), 1);
        auto sameView = [&](QTextCursor::MoveOperation where) {
            box->moveCursor(where);
            whole->moveCursor(where);
            box->setFocus();
            QImage a = box->viewport()->grab().toImage();
            whole->setFocus();
            QImage b = whole->viewport()->grab().toImage();
            return a == b;
        };
        QVERIFY(sameView(QTextCursor::Start));
        QVERIFY(sameView(QTextCursor::End));
        // Every part begins a line that the paragraph wraps to anyway.
        for (QTextBlock part = box->document()->begin().next(); part.isValid(); part = part.next()) {
            const QTextCursor at(part);
            QTextCursor same(whole->document());
            same.setPosition(at.position() - part.blockNumber());
            QVERIFY(same.block().layout()->lineForTextPosition(same.positionInBlock()).textStart()
                    == same.positionInBlock());
        }

        // Typing at the start of a part and Enter inside one read back in place.
        const QTextBlock second = box->document()->begin().next();
        const int offset = second.position() - 1;
        QTextCursor caret(second);
        box->setTextCursor(caret);
        box->setFocus();
        formstest::type(box, QStringLiteral("ب"));
        QCOMPARE(box->text(), all.left(offset) + QStringLiteral("ب") + all.mid(offset));
        caret.setPosition(second.position() + 10);
        box->setTextCursor(caret);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), all.left(offset) + QStringLiteral("ب") + all.mid(offset, 9) + QStringLiteral("\r\n")
                     + all.mid(offset + 9));
        // Writing the text again leaves no part behind.
        box->setText(QStringLiteral("1\r\n2"));
        QCOMPARE(box->text(), QStringLiteral("1\r\n2"));
        box->moveCursor(QTextCursor::End);
        formstest::type(box, QStringLiteral("3"));
        QCOMPARE(box->text(), QStringLiteral("1\r\n23"));
    }

    void aLongTextWrapsWithoutScrollBars()
    {
        auto *f = show<Sheet>();
        MultiLineTextBox *box = f->lines;
        QString run;
        for (int i = 1; i <= 300; ++i)
            run += QStringLiteral(" ، ") + QString::number(i);
        box->setText(run);
        QVERIFY(lineCount(box) > 3);
        QVERIFY(!box->verticalScrollBar()->isVisible());
        QVERIFY(!box->horizontalScrollBar()->isVisible());
        QString digits(400, QLatin1Char('9')); // no blank: broken anywhere
        box->setText(digits);
        QVERIFY(lineCount(box) > 1);
        QCOMPARE(box->text(), digits);
    }

    void aShortLineSitsAtTheRightEdge()
    {
        auto *f = show<Sheet>();
        MultiLineTextBox *box = f->lines;
        box->setText(QStringLiteral("12"));
        const QRect drawn = ink(box->viewport());
        QVERIFY(!drawn.isEmpty());
        QVERIFY2(drawn.left() > box->viewport()->width() * 3 / 4, qPrintable(QString::number(drawn.left())));
        QCOMPARE(box->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(box->document()->defaultTextOption().textDirection(), Qt::RightToLeft);
    }

    // A locked box refuses typing, pasting and deleting but still takes the focus.
    void lockedBoxesTakeTheFocusButNoEdit_data()
    {
        QTest::addColumn<bool>("multiLine");
        QTest::newRow("one-line box") << false;
        QTest::newRow("multi-line box") << true;
    }
    void lockedBoxesTakeTheFocusButNoEdit()
    {
        QFETCH(bool, multiLine);
        auto *f = showActive();
        QWidget *box = multiLine ? static_cast<QWidget *>(f->lines) : f->box;
        auto text = [&] { return multiLine ? f->lines->text() : f->box->text(); };
        if (multiLine) {
            f->lines->setText(QStringLiteral("42"));
            f->lines->setLocked(true);
            QVERIFY(f->lines->locked());
        } else {
            f->box->setText(QStringLiteral("42"));
            f->box->setLocked(true);
            QVERIFY(f->box->locked());
        }
        f->label->setFocus();
        QTest::mouseClick(multiLine ? f->lines->viewport() : box, Qt::LeftButton);
        QVERIFY(box->hasFocus());
        formstest::type(box, QStringLiteral("7a "));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_Return);
        QApplication::clipboard()->setText(QStringLiteral("99"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text(), QStringLiteral("42"));
        QVERIFY(box->isEnabled());
        // Code still writes it, and unlocked it takes typing again.
        if (multiLine) {
            f->lines->setText(QStringLiteral("43"));
            f->lines->setLocked(false);
            f->lines->moveCursor(QTextCursor::End);
        } else {
            f->box->setText(QStringLiteral("43"));
            f->box->setLocked(false);
            f->box->end(false);
        }
        formstest::type(box, QStringLiteral("5"));
        QCOMPARE(text(), QStringLiteral("435"));
    }

    // Every way of pasting: a clipboard without text puts nothing in, text goes
    // in as plain text with its line breaks read back as CR LF, one change
    // each; a locked box takes nothing.
    void pastingIntoAMultiLineBox_data() { formstest::addPasteRows(); }
    void pastingIntoAMultiLineBox()
    {
        QFETCH(formstest::ClipEdit, how);
        QFETCH(formstest::Clip, clip);
        auto *f = showActive();
        MultiLineTextBox *box = f->lines;
        const QString before = QStringLiteral("12\r\n34");
        box->setText(before);
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        int changes = 0;
        connect(box, &MultiLineTextBox::changed, [&] { ++changes; });
        const QString pasted = formstest::setClipboard(clip);
        formstest::clipboardEdit(box, how);
        QVERIFY(instance<Sheet>());
        if (pasted.isEmpty()) {
            QCOMPARE(box->text(), before);
            QCOMPARE(changes, 0);
        } else {
            QVERIFY(box->text().contains(pasted));
            QCOMPARE(box->text().size(), before.size() + pasted.size());
            QCOMPARE(box->document()->blockCount(), 2 + int(pasted.count(QStringLiteral("\r\n"))));
            QCOMPARE(changes, 1);
        }

        const QString held = box->text();
        box->setLocked(true);
        changes = 0;
        formstest::setClipboard(formstest::Clip::Digit);
        formstest::clipboardEdit(box, how);
        formstest::setClipboard(clip);
        formstest::clipboardEdit(box, how);
        QCOMPARE(box->text(), held);
        QCOMPARE(changes, 0);
    }

    void placementCanBeLeftToTheWindowSystem()
    {
        Sheet own;
        own.setPlacement(Form::Placement::WindowSystem);
        const QPoint before = own.pos();
        own.showForm();
        QCOMPARE(own.pos(), before);
        QVERIFY(own.isVisible());

        Sheet centred;
        centred.showForm();
        const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(std::abs(centred.geometry().center().x() - avail.center().x()) <= 1);
    }

    // Every design font draws a Western digit and point as such, also after Arabic words.
    void designFontsDrawWesternDigits_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("text");
        const QStringList texts = {QStringLiteral("أخطأت الاجابة الصحيحة هي 9.8"), QStringLiteral("الإصدار 1.0"),
                                   QStringLiteral("القسمة على 10 و 100 و 1000"),
                                   QStringLiteral("القسمة على عدد مكون من 3 أرقام"),
                                   QStringLiteral("عدد الأسئلة :  1234567890"), QStringLiteral("0.98×10=")};
        for (const char *family : {"Arabic Transparent", "MS Sans Serif", "Arial", "Akhbar MT", "Monotype Koufi",
                                   "SC_OUHOD"})
            for (const QString &text : texts)
                QTest::addRow("%s: %s", family, qPrintable(text)) << QString::fromLatin1(family) << text;
    }
    void designFontsDrawWesternDigits()
    {
        QFETCH(QString, family);
        QFETCH(QString, text);
        for (bool bold : {false, true}) {
            QString families;
            QVERIFY2(formstest::digitsDrawnWestern(designFont(family, 18, bold), text, Qt::RightToLeft, &families),
                     qPrintable(families));
        }
    }
    // The check itself sees a font that puts Arabic-Indic shapes after Arabic words.
    // The font is added by its file, since the programs see only their stand-in fonts' folders.
    void aFontWithArabicIndicDigitsIsCaught()
    {
        const QString file = QStringLiteral("/usr/share/fonts/truetype/kacst-one/KacstOne.ttf");
        const int id = QFontDatabase::addApplicationFont(file);
        QVERIFY2(id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("KacstOne")),
                 qPrintable(file + QStringLiteral(" is missing: install the Debian package fonts-kacst-one "
                                                  "(scripts/setup.sh does)")));
        QFont kacst(QStringLiteral("KacstOne"), 18);
        QCOMPARE(QFontInfo(kacst).family(), QStringLiteral("KacstOne"));
        QVERIFY(formstest::digitsDrawnWestern(kacst, QStringLiteral("9.8"), Qt::RightToLeft));
        QVERIFY(!formstest::digitsDrawnWestern(kacst, QStringLiteral("هي 9.8"), Qt::RightToLeft));
    }
};

QTEST_MAIN(TextLayoutTest)
#include "textlayout_test.moc"
