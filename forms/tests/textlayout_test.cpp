#include <QApplication>
#include <QClipboard>
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
    void cleanup()
    {
        for (Form *f : loadedForms())
            unload(f);
        resetProgramState();
    }

    // A caption that does not fit is drawn smaller, whole; one that fits keeps the design font.
    void captionsFitTheirLabels_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<QRect>("design");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("designFontKept");
        QTest::newRow("short word fits") << "Arial" << 12.0 << QRect(0, 0, 2400, 375) << "خروج" << true;
        QTest::newRow("two lines fit wrapped") << "Arial" << 12.0 << QRect(240, 4680, 2000, 900)
                                               << "اكتب العدد ثم اضغط على ابحث" << true;
        QTest::newRow("question at 72 pt") << "Arabic Transparent" << 72.0 << QRect(2040, 1560, 4215, 1455)
                                           << "0.035×1000=" << false;
        QTest::newRow("long message at 48 pt")
            << "Arabic Transparent" << 48.0 << QRect(5040, 3480, 2805, 1215)
            << "أخطأت الاجابة الصحيحة هي  0.035" << false;
        QTest::newRow("instruction in a small box")
            << "Arabic Transparent" << 18.0 << QRect(9720, 1680, 1575, 855)
            << "اختر صح او خطأ لتحصل على عبارة صحيحة مما يلي :" << false;
        QTest::newRow("empty") << "Arial" << 24.0 << QRect(0, 0, 900, 600) << "" << true;
    }
    void captionsFitTheirLabels()
    {
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(QRect, design);
        QFETCH(QString, caption);
        QFETCH(bool, designFontKept);
        auto *f = show<Sheet>();
        Label *l = f->label;
        placeTwips(l, design.x(), design.y(), design.width(), design.height());
        l->setFont(designFont(family, points, true));
        l->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
        l->setCaption(caption);
        QCOMPARE(l->geometry(), twipsRect(design.x(), design.y(), design.width(), design.height()));
        QCOMPARE(l->text(), caption);
        QVERIFY(captionWhole(l));
        QCOMPARE(l->font().pointSizeF() == points, designFontKept);
        QCOMPARE(l->designFont().pointSizeF(), points);
        if (!designFontKept) {
            // Not needlessly small: a point larger, even wrapped at its blanks, is wider than the
            // box or drawn past it (a number such as 0.035×1000= is never broken).
            QFont bigger = l->font();
            bigger.setPointSizeF(bigger.pointSizeF() + 1);
            const int flags = Qt::AlignCenter | (caption.contains(QLatin1Char(' ')) ? Qt::TextWordWrap : 0);
            QVERIFY(QFontMetrics(bigger).boundingRect(l->rect(), flags, caption).width() > l->width()
                    || !formstest::drawnWhole(bigger, l->size(), flags, caption));
        }
        // A short caption afterwards is back in the design font.
        l->setCaption(QStringLiteral("7"));
        QCOMPARE(l->font().pointSizeF(), points);
    }

    void aShrunkCaptionIsDrawnCentred()
    {
        auto *f = show<Sheet>();
        Label *l = f->label;
        placeTwips(l, 2040, 1560, 4215, 1455);
        l->setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
        l->setFont(designFont(QStringLiteral("Arabic Transparent"), 72, true));
        l->setBackColor(Qt::white);
        l->setForeColor(Qt::black);
        l->setCaption(QStringLiteral("أخطأت الاجابة الصحيحة هي  810"));
        QVERIFY(l->shrunk());
        const QRect drawn = ink(l);
        QVERIFY(!drawn.isEmpty());
        QVERIFY2(std::abs(drawn.center().x() - l->width() / 2) <= 3, qPrintable(QString::number(drawn.center().x())));
        QVERIFY2(std::abs(drawn.center().y() - l->height() / 2) <= 6, qPrintable(QString::number(drawn.center().y())));
        QVERIFY(drawn.left() > 0 && drawn.right() < l->width() - 1);
    }

    // A caption given when the label is made, before its font and place, is fitted too.
    void aDesignCaptionIsFittedWhenShown()
    {
        Sheet f;
        auto *l = new Label(&f, QStringLiteral("Label2"), QStringLiteral("اختر صح او خطأ لتحصل على عبارة صحيحة"));
        l->setFont(designFont(QStringLiteral("Arabic Transparent"), 36));
        placeTwips(l, 0, 0, 1575, 855);
        f.show();
        QVERIFY(l->shrunk());
        QVERIFY(captionWhole(l));
    }

    void autoSizedLabelsTakeTheSizeOfTheirCaption_data()
    {
        QTest::addColumn<int>("anchor");
        QTest::newRow("keeps its Left") << int(Label::Anchor::Left);
        QTest::newRow("stays centred on its box") << int(Label::Anchor::Centre);
    }
    void autoSizedLabelsTakeTheSizeOfTheirCaption()
    {
        QFETCH(int, anchor);
        auto *f = show<Sheet>();
        Label *l = f->label;
        placeTwips(l, 720, 2160, 6000, 1200);
        QRect design = l->geometry();
        l->setFont(designFont(QStringLiteral("Arabic Transparent"), 48, true));
        l->setAutoSize(true, Label::Anchor(anchor));
        const auto check = [&](const QString &caption) {
            l->setCaption(caption);
            const QFontMetrics fm(l->font());
            QCOMPARE(l->font().pointSizeF(), 48.0);
            QVERIFY(!l->shrunk());
            QVERIFY(l->width() >= fm.horizontalAdvance(caption));
            QVERIFY(l->width() <= fm.horizontalAdvance(caption) + fm.averageCharWidth());
            QCOMPARE(l->height(), fm.height());
            QCOMPARE(l->y(), design.y());
            if (anchor == int(Label::Anchor::Left))
                QCOMPARE(l->x(), design.x());
            else
                QVERIFY(std::abs(l->geometry().center().x() - design.center().x()) <= 1);
            QVERIFY(captionWhole(l));
        };
        check(QStringLiteral("7 × 8"));
        const int narrow = l->width();
        check(QStringLiteral("12 × 12 × 12 × 12 × 12 × 12")); // wider than its box: grows, never shrinks
        QVERIFY(l->width() > design.width());
        check(QStringLiteral("56"));
        QVERIFY(l->width() < narrow);
        // Placed anew, it sizes itself from there.
        placeTwips(l, 1500, 300, 3000, 600);
        design = twipsRect(1500, 300, 3000, 600);
        check(QStringLiteral("144"));
    }

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
    void aFontWithArabicIndicDigitsIsCaught()
    {
        QFont kacst(QStringLiteral("KacstOne"), 18);
        if (QFontInfo(kacst).family() != QStringLiteral("KacstOne"))
            QSKIP("KacstOne is not installed");
        QVERIFY(formstest::digitsDrawnWestern(kacst, QStringLiteral("9.8"), Qt::RightToLeft));
        QVERIFY(!formstest::digitsDrawnWestern(kacst, QStringLiteral("هي 9.8"), Qt::RightToLeft));
    }
};

QTEST_MAIN(TextLayoutTest)
#include "textlayout_test.moc"
