// Daskin's window driven as a pupil would: type a number, click "ابحث", read the box below.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTextDocumentFragment>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <memory>

#include "daskin.h"
#include "daskin_form.h"
#include "forms/app.h"
#include "forms/geometry.h"
#include "forms/multiline.h"
#include "forms/tests/driver.h"
#include "forms/tests/pixels.h"
#include "forms/tests/reset.h"

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

// 866421317361600: 26880 divisors, a run of 294837 characters.
QString longRun()
{
    return run(divisorsFromPrimes(
        {{2, 6}, {3, 4}, {5, 2}, {7, 1}, {11, 1}, {13, 1}, {17, 1}, {19, 1}, {23, 1}, {29, 1}, {31, 1}}));
}

// How the pupil takes text out of the box.
enum class TakeOut { CtrlC, CtrlX, MenuCopy, Drag };

// Where a difference between two long texts starts, to name it in a failure.
QString firstDifference(const QString &got, const QString &want)
{
    int at = 0;
    while (at < got.size() && at < want.size() && got.at(at) == want.at(at))
        ++at;
    return QStringLiteral("%1 characters, %2 expected; first difference at %3: \"%4\" for \"%5\"")
        .arg(got.size())
        .arg(want.size())
        .arg(at)
        .arg(got.mid(std::max(0, at - 20), 40), want.mid(std::max(0, at - 20), 40));
}

// The lines a box shows, its whole text laid out.
int shownLines(MultiLineTextBox *box)
{
    int n = 0;
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next()) {
        box->document()->documentLayout()->blockBoundingRect(b);
        n += b.layout()->lineCount();
    }
    return n;
}

} // namespace

Q_DECLARE_METATYPE(TakeOut)

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

    // The text that the pupil takes out of the box by that way; a cut also
    // takes it out of the box.
    QString takeOut(TakeOut way)
    {
        QGuiApplication::clipboard()->clear();
        switch (way) {
        case TakeOut::CtrlC:
            clipboardEdit(found, ClipEdit::CtrlC);
            break;
        case TakeOut::CtrlX:
            clipboardEdit(found, ClipEdit::CtrlX);
            break;
        case TakeOut::MenuCopy:
            contextMenuAction(found->viewport(), found->viewport()->rect().center(), QStringLiteral("edit-copy"));
            break;
        case TakeOut::Drag: {
            // What a drag carries, and the selection clipboard where there is one.
            const std::unique_ptr<QMimeData> data(found->createMimeDataFromSelection());
            if (data->hasHtml()) {
                const QString asHtml = QTextDocumentFragment::fromHtml(data->html()).toPlainText();
                if (asHtml != data->text())
                    return QStringLiteral("html: ") + asHtml;
            }
            return data->text();
        }
        }
        const QMimeData *held = QGuiApplication::clipboard()->mimeData();
        return held ? held->text() : QString();
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
    void cleanup() { formstest::resetAll(); }

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

    // Two runs of 866421317361600 come out as they were appended, by every way
    // of taking them out: the whole box or a stretch of it across the places
    // where the box lays the runs out in parts.
    void theListComesOutAsAppended_data()
    {
        QTest::addColumn<TakeOut>("way");
        QTest::addColumn<QString>("selected");
        const std::pair<const char *, TakeOut> ways[] = {{"Ctrl+C", TakeOut::CtrlC},
                                                         {"Ctrl+X", TakeOut::CtrlX},
                                                         {"menu copy", TakeOut::MenuCopy},
                                                         {"drag", TakeOut::Drag}};
        const char *selections[] = {"Ctrl+A", "from the 100th character on", "all but the last five"};
        for (const auto &[name, way] : ways)
            for (const char *selected : selections)
                QTest::addRow("%s, %s", name, selected) << way << QString::fromLatin1(selected);
    }
    void theListComesOutAsAppended()
    {
        QFETCH(TakeOut, way);
        QFETCH(QString, selected);
        const QString two = longRun() + longRun();
        searchFor(QStringLiteral("866421317361600"));
        click(search);
        QCOMPARE(found->text(), two);
        found->setFocus();
        QString want, left;
        if (selected == QLatin1String("Ctrl+A")) {
            QTest::keyClick(found, Qt::Key_A, Qt::ControlModifier);
            want = two;
        } else if (selected.startsWith(QLatin1String("from"))) {
            QTextCursor caret(found->document());
            caret.setPosition(100);
            found->setTextCursor(caret);
            QTest::keyClick(found, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
            want = two.mid(100);
            left = two.left(100);
        } else {
            QTest::keyClick(found, Qt::Key_End, Qt::ControlModifier);
            for (int i = 0; i < 5; ++i)
                QTest::keyClick(found, Qt::Key_Backspace);
            QTest::keyClick(found, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
            want = two.chopped(5);
        }
        const QString got = takeOut(way);
        QVERIFY2(got == want, qPrintable(firstDifference(got, want)));
        if (way == TakeOut::CtrlX)
            QCOMPARE(found->text(), left);
        else if (!selected.startsWith(QLatin1String("all but")))
            QCOMPARE(found->text(), two);
    }

    // The pupil's edits where the box lays the runs out in parts, with the
    // caret just after or just before the place where the first run's last
    // line starts: each reads back and copies as the same edit of the whole
    // text would, and the next search goes behind it.
    void editsWhereTheRunsArePartedReadBackInPlace_data()
    {
        QTest::addColumn<bool>("after");
        QTest::addColumn<QString>("edit");
        for (const char *edit : {"Backspace", "Delete", "Backspace, Ctrl+Z", "Delete, Ctrl+Z", "type", "Enter",
                                 "Enter, Backspace", "Shift+Up, Delete", "Shift+Down, Delete",
                                 "Shift+Down, Delete, Ctrl+Z", "Ctrl+Shift+End, Delete, Enter, type",
                                 "Ctrl+Shift+End, Delete, Ctrl+Z", "Ctrl+Shift+Home, Delete, Enter",
                                 "Ctrl+Z, Ctrl+Shift+Z", "Ctrl+A, type"}) {
            QTest::addRow("after, %s", edit) << true << QString::fromLatin1(edit);
            QTest::addRow("before, %s", edit) << false << QString::fromLatin1(edit);
        }
    }
    void editsWhereTheRunsArePartedReadBackInPlace()
    {
        QFETCH(bool, after);
        QFETCH(QString, edit);
        const QString one = longRun();
        searchFor(QStringLiteral("866421317361600"));
        click(search);
        found->setFocus();
        const QTextBlock part = found->document()->begin().next();
        QVERIFY(part.isValid());
        QTextCursor caret(found->document());
        caret.setPosition(after ? part.position() : part.position() - 1);
        found->setTextCursor(caret);
        // A document position, as the text read back counts it.
        const auto readBack = [&](int position) { return position >= part.position() ? position - 1 : position; };
        const int at = readBack(part.position());
        QVERIFY2(at > 0 && at < one.size(), qPrintable(QString::number(at)));

        // What the pupil expects of a plain text box: the text, the caret in
        // it, and the texts that undo and redo go back and forth between.
        QString want = one + one;
        int caretAt = at;
        QStringList undone{one}, redone;
        const auto change = [&](int from, int removed, const QString &added) {
            undone << want;
            redone.clear();
            want.replace(from, removed, added);
            caretAt = from + int(added.size());
        };
        const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(found, k, m); };
        for (const QString &step : edit.split(QStringLiteral(", "))) {
            const QTextCursor sel = found->textCursor();
            const int from = readBack(sel.selectionStart()), to = readBack(sel.selectionEnd());
            const bool selected = sel.hasSelection();
            if (step == QLatin1String("Backspace")) {
                // A line break goes whole, CR and LF together.
                const int n = want.mid(caretAt - 2, 2) == QLatin1String("\r\n") ? 2 : 1;
                key(Qt::Key_Backspace);
                change(caretAt - n, n, QString());
            } else if (step == QLatin1String("Delete")) {
                const int n = want.mid(caretAt, 2) == QLatin1String("\r\n") ? 2 : 1;
                key(Qt::Key_Delete);
                change(selected ? from : caretAt, selected ? to - from : n, QString());
            } else if (step == QLatin1String("type") || step == QLatin1String("Enter")) {
                const QString typed = step == QLatin1String("type") ? QStringLiteral("ب") : QStringLiteral("\r\n");
                if (step == QLatin1String("type"))
                    type(found, typed);
                else
                    key(Qt::Key_Return);
                change(selected ? from : caretAt, selected ? to - from : 0, typed);
            } else if (step == QLatin1String("Ctrl+Z")) {
                key(Qt::Key_Z, Qt::ControlModifier);
                redone << want;
                want = undone.takeLast();
            } else if (step == QLatin1String("Ctrl+Shift+Z")) {
                key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
                undone << want;
                want = redone.takeLast();
            } else if (step == QLatin1String("Shift+Up")) {
                key(Qt::Key_Up, Qt::ShiftModifier);
            } else if (step == QLatin1String("Shift+Down")) {
                key(Qt::Key_Down, Qt::ShiftModifier);
            } else if (step == QLatin1String("Ctrl+Shift+End")) {
                key(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
            } else if (step == QLatin1String("Ctrl+Shift+Home")) {
                key(Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
            } else if (step == QLatin1String("Ctrl+A")) {
                key(Qt::Key_A, Qt::ControlModifier);
            } else {
                QFAIL(qPrintable(step));
            }
            QVERIFY2(found->text() == want, qPrintable(step + QStringLiteral(": ") + firstDifference(found->text(), want)));
        }
        // Where a whole part went, the box shows as many lines as the same
        // text written whole: no empty line that the text does not have.
        if (edit.startsWith(QLatin1String("Ctrl+Shift+"))) {
            MultiLineTextBox whole(form, QStringLiteral("whole"));
            whole.setGeometry(found->geometry());
            whole.setFont(found->font());
            whole.setText(want);
            whole.show();
            QCOMPARE(shownLines(found), shownLines(&whole));
            found->setFocus();
        }
        key(Qt::Key_A, Qt::ControlModifier);
        const QString copied = takeOut(TakeOut::CtrlC);
        QVERIFY2(copied == want, qPrintable(firstDifference(copied, want)));
        click(search);
        QVERIFY2(found->text() == want + one, qPrintable(firstDifference(found->text(), want + one)));
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
#include "daskin_window_test.moc"
