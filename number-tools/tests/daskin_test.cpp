// Daskin's window driven as a pupil would: type a number, click "ابحث", read the box below.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <algorithm>

#include "daskin.h"
#include "daskin_form.h"
#include "forms/app.h"
#include "forms/geometry.h"
#include "forms/multiline.h"
#include "forms/tests/driver.h"

using namespace formstest;
using formstest::Clip;
using formstest::ClipEdit;
using forms::Label;
using forms::MultiLineTextBox;
using forms::TextBox;

namespace {

QString run(const std::vector<qint64> &divisors)
{
    QString s;
    for (qint64 d : divisors)
        s += QStringLiteral(" ، ") + QString::number(d);
    return s;
}

std::vector<qint64> powersOfTwoUpTo(int exponent)
{
    std::vector<qint64> d;
    for (int k = 0; k <= exponent; ++k)
        d.push_back(qint64(1) << k);
    return d;
}

// Every product of the prime powers, sorted.
std::vector<qint64> divisorsFromPrimes(const std::vector<std::pair<qint64, int>> &primes)
{
    std::vector<qint64> d{1};
    for (auto [p, e] : primes) {
        const std::size_t before = d.size();
        qint64 power = 1;
        for (int k = 1; k <= e; ++k) {
            power *= p;
            for (std::size_t i = 0; i < before; ++i)
                d.push_back(d[i] * power);
        }
    }
    std::sort(d.begin(), d.end());
    return d;
}

} // namespace

class DaskinTest : public QObject {
    Q_OBJECT

    QWidget *form = nullptr;
    TextBox *number = nullptr;
    QPushButton *search = nullptr;
    MultiLineTextBox *found = nullptr;

    void searchFor(const QString &typed)
    {
        erase(number);
        type(number, typed);
        click(search);
    }

private slots:
    // The program's own fonts and direction, as its executable starts.
    void initTestCase() { forms::initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Daskin")); }
    void init()
    {
        daskin::start();
        form = forms::instance<daskin::Form1>();
        QVERIFY(form);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        number = control<TextBox>(form, QStringLiteral("Text1"));
        search = control<QPushButton>(form, QStringLiteral("Command1"));
        found = control<MultiLineTextBox>(form, QStringLiteral("Text2"));
        QVERIFY(number && search && found);
    }
    void cleanup()
    {
        formstest::unloadAll();
    }

    void theWindowAsThePupilSeesIt()
    {
        QCOMPARE(form->objectName(), QStringLiteral("Form1"));
        QVERIFY(form->windowTitle().contains(QStringLiteral("Daskin")));
        QCOMPARE(form->windowType(), Qt::Window); // an ordinary window, in the taskbar
        QVERIFY(!(form->windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(formstest::blankIcon(form->windowIcon()));
        QCOMPARE(form->size(), QSize(forms::twips(7785), forms::twips(5565)));
        QCOMPARE(form->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(number));
        QCOMPARE(number->geometry(), forms::twipsRect(1440, 360, 4335, 735));
        QVERIFY(number->x() > search->geometry().right());
        QCOMPARE(search->text(), QStringLiteral("ابحث"));
        QCOMPARE(search->geometry(), forms::twipsRect(0, 360, 1335, 495));
        QCOMPARE(found->geometry(), forms::twipsRect(120, 2400, 7455, 1935));
        QVERIFY(!found->isReadOnly());
        QCOMPARE(found->text(), QString());

        auto *caption = control<Label>(form, QStringLiteral("العدد"));
        auto *heading = control<Label>(form, QStringLiteral("Label1"));
        auto *howTo = control<Label>(form, QStringLiteral("Label2"));
        auto *credit = control<Label>(form, QStringLiteral("Label3"));
        QVERIFY(caption && heading && howTo && credit);
        QCOMPARE(caption->text(), QStringLiteral("العدد"));
        QCOMPARE(caption->pos(), QPoint(forms::twips(6000), forms::twips(360)));
        QVERIFY(caption->geometry().right() < form->width()); // on screen, right of the box
        QVERIFY(caption->x() > number->geometry().right());
        QCOMPARE(heading->text(), QStringLiteral("Daskin"));
        QCOMPARE(heading->pos(), QPoint(forms::twips(3007), forms::twips(1800)));
        QCOMPARE(howTo->text(),
                 QStringLiteral("طريقة العمل : اكتب العدد بالاعلى ثم اضغط على ابحث و ستجد القواسم بالاسفل"));
        QCOMPARE(howTo->palette().color(QPalette::WindowText), QColor(0xFF, 0x00, 0x00));
        QCOMPARE(howTo->geometry(), forms::twipsRect(240, 4680, 7215, 375));
        QVERIFY(credit->text().contains(QStringLiteral("Daskin")));
        for (Label *l : {caption, heading, howTo, credit}) {
            QVERIFY2(captionWhole(l), qPrintable(l->objectName()));
            QVERIFY2(l->geometry().bottom() < form->height(), qPrintable(l->objectName()));
        }
        // Tab goes from the number to the button, then the box below.
        QTest::keyClick(number, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(search));
        QTest::keyClick(search, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(found));
    }

    // A typed number shows whole in its box: every digit's ink inside the box's
    // text room, none cut at its edge, as wide as the number drawn alone.
    void theTypedNumberShowsWhole_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("one digit") << "7";
        QTest::newRow("twelve digits") << "963761198400";
        QTest::newRow("fifteen nines, the largest searched") << "999999999999999";
        QTest::newRow("fifteen digits, wide and narrow") << "100000000000001";
    }
    void theTypedNumberShowsWhole()
    {
        QFETCH(QString, typed);
        type(number, typed);
        QCOMPARE(number->text(), typed);
        // Tab takes the focus on to the button: no cursor in the box.
        QTest::keyClick(number, Qt::Key_Tab);
        QVERIFY(!number->hasFocus());
        const QImage shot = number->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // Inside the frame: 3 pixels clear of the border on each side.
        const QRect room = number->rect().adjusted(3, 3, -3, -3);
        const QRgb back = shot.pixel(room.center().x(), room.top());
        QRect ink;
        for (int y = room.top(); y <= room.bottom(); ++y)
            for (int x = room.left(); x <= room.right(); ++x)
                if (qGray(shot.pixel(x, y)) < qGray(back) - 96)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.left() > room.left() && ink.right() < room.right(),
                 qPrintable(QStringLiteral("ink %1-%2 in %3-%4").arg(ink.left()).arg(ink.right()).arg(room.left()).arg(room.right())));
        // As wide as the whole number drawn on its own in the box's font.
        const QRect whole = QFontMetrics(number->font()).tightBoundingRect(typed);
        QVERIFY2(std::abs(ink.width() - whole.width()) <= 2,
                 qPrintable(QStringLiteral("ink %1 px wide, the number %2").arg(ink.width()).arg(whole.width())));
    }

    void theDivisorsAreAppended_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("appended");
        const QString twelve = run({1, 2, 3, 4, 6, 12});
        QTest::newRow("12") << "12" << twelve;
        QTest::newRow("1") << "1" << run({1});
        QTest::newRow("16, 4 once") << "16" << run({1, 2, 4, 8, 16});
        QTest::newRow("12abc") << "12abc" << twelve;
        QTest::newRow("blanks around and inside") << " 1 2 " << twelve;
        QTest::newRow("leading zero") << "012" << twelve;
        QTest::newRow("plus sign") << "+12" << twelve;
        QTest::newRow("12.0") << "12.0" << twelve;
        QTest::newRow("12.") << "12." << twelve;
        QTest::newRow("65536") << "65536" << run(powersOfTwoUpTo(16));
        QTest::newRow("4294967296") << "4294967296" << run(powersOfTwoUpTo(32));
        QTest::newRow("2147483647, prime") << "2147483647" << run({1, 2147483647});
        QTest::newRow("999999999989, largest prime") << "999999999999989" << run({1, 999999999999989});
        QTest::newRow("999999999999, 256 divisors")
            << "999999999999" << run(divisorsFromPrimes({{3, 3}, {7, 1}, {11, 1}, {13, 1}, {37, 1}, {101, 1}, {9901, 1}}));
        QTest::newRow("0") << "0" << "";
        QTest::newRow("-12") << "-12" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("blanks") << "   " << "";
        QTest::newRow("abc") << "abc" << "";
        QTest::newRow("abc12") << "abc12" << "";
        QTest::newRow("12.5") << "12.5" << "";
        QTest::newRow(".5") << ".5" << "";
        QTest::newRow("1000000000000000") << "1000000000000000" << "";
        QTest::newRow("9007199254740993") << "9007199254740993" << "";
        QTest::newRow("400 digits") << QString(400, QLatin1Char('7')) << "";
    }
    void theDivisorsAreAppended()
    {
        QFETCH(QString, typed);
        QFETCH(QString, appended);
        QElapsedTimer clock;
        clock.start();
        searchFor(typed);
        QCOMPARE(found->text(), appended);
        QCOMPARE(number->text(), typed); // the number stays as typed
        const QStringList foreign = foreignDigits(form);
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
        if (appended.isEmpty())
            QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed()))); // at once
        QVERIFY(forms::instance<daskin::Form1>()); // still running
        if (appended.count(QStringLiteral(" ، ")) == 256)
            QVERIFY(!found->verticalScrollBar()->isVisible());
    }

    void eachSearchGoesBehindWhatTheBoxHolds()
    {
        type(found, QStringLiteral("قواسم"));
        QTest::keyClick(found, Qt::Key_Return);
        type(found, QStringLiteral("12:"));
        searchFor(QStringLiteral("12"));
        const QString twelve = run({1, 2, 3, 4, 6, 12});
        QCOMPARE(found->text(), QStringLiteral("قواسم\r\n12:") + twelve);
        click(search);
        QCOMPARE(found->text(), QStringLiteral("قواسم\r\n12:") + twelve + twelve);
        searchFor(QStringLiteral("abc"));
        QCOMPARE(found->text(), QStringLiteral("قواسم\r\n12:") + twelve + twelve);
        // The pupil empties it; the next run starts with the separator.
        erase(found);
        searchFor(QStringLiteral("7"));
        QCOMPARE(found->text(), run({1, 7}));
    }

    // A paste into the result box: a clipboard without text leaves it as it
    // was and the program runs on; text goes in and reads back, and the next
    // search appends behind it.
    void pastingIntoTheResultBox_data() { addPasteRows(); }
    void pastingIntoTheResultBox()
    {
        QFETCH(ClipEdit, how);
        QFETCH(Clip, clip);
        searchFor(QStringLiteral("6"));
        const QString before = found->text();
        found->setFocus();
        found->moveCursor(QTextCursor::End);
        const QString pasted = setClipboard(clip);
        clipboardEdit(found, how);
        QCoreApplication::processEvents();
        QVERIFY(!forms::programEnded());
        QVERIFY(form->isVisible());
        if (pasted.isEmpty()) {
            QCOMPARE(found->text(), before);
        } else {
            QVERIFY(found->text().contains(pasted));
            QCOMPARE(found->text().size(), before.size() + pasted.size());
        }
        const QString held = found->text();
        searchFor(QStringLiteral("12"));
        QCOMPARE(found->text(), held + run({1, 2, 3, 4, 6, 12}));
    }

    // The pupil edits between searches: the next run goes behind the edits,
    // each search raises one change, and Ctrl+Z takes back the last run only.
    void editsBetweenSearchesStayAndUndoTakesOneRun()
    {
        QStringList seen;
        connect(found, &MultiLineTextBox::changed, [&] { seen << found->text(); });
        const QString twelve = run({1, 2, 3, 4, 6, 12});
        const QString seven = run({1, 7});
        searchFor(QStringLiteral("12"));
        searchFor(QStringLiteral("12"));
        QCOMPARE(seen, (QStringList{twelve, twelve + twelve}));
        found->setFocus();
        QTest::keyClick(found, Qt::Key_End, Qt::ControlModifier);
        type(found, QStringLiteral("ab"));
        QTest::keyClick(found, Qt::Key_Backspace);
        QTest::keyClick(found, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(found, Qt::Key_Delete); // the leading blank
        const QString edited = twelve.mid(1) + twelve + QStringLiteral("a");
        QCOMPARE(found->text(), edited);
        seen.clear();
        searchFor(QStringLiteral("7"));
        QCOMPARE(found->text(), edited + seven);
        QCOMPARE(seen, QStringList{edited + seven});
        found->setFocus();
        QTest::keyClick(found, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(found->text(), edited);
        QCOMPARE(seen.last(), edited);
        searchFor(QStringLiteral("7"));
        QCOMPARE(found->text(), edited + seven);
    }

    // Runs long enough that the box lays them out in parts still read back
    // whole, with the pupil's text between them.
    void longRunsReadBackWhole()
    {
        const QString big = run(
            divisorsFromPrimes({{2, 6}, {3, 4}, {5, 2}, {7, 1}, {11, 1}, {13, 1}, {17, 1}, {19, 1}, {23, 1}}));
        QCOMPARE(big.count(QStringLiteral(" ، ")), 6720);
        for (int i = 0; i < 3; ++i)
            searchFor(QStringLiteral("963761198400"));
        found->setFocus();
        QTest::keyClick(found, Qt::Key_End, Qt::ControlModifier);
        type(found, QStringLiteral("قواسم"));
        searchFor(QStringLiteral("963761198400"));
        QCOMPARE(found->text(), big + big + big + QStringLiteral("قواسم") + big);
    }

    void enterInTheNumberBoxDoesNotSearch()
    {
        type(number, QStringLiteral("12"));
        QTest::keyClick(number, Qt::Key_Return);
        QTest::keyClick(number, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(found->text(), QString());
        QCOMPARE(number->text(), QStringLiteral("12"));
    }

    void closingTheWindowEndsTheProgram()
    {
        searchFor(QStringLiteral("6"));
        form->close();
        QTRY_VERIFY(forms::programEnded());
        QVERIFY(forms::loadedForms().isEmpty());
    }
};

QTEST_MAIN(DaskinTest)
#include "daskin_test.moc"
