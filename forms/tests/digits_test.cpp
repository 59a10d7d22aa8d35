// A box that takes a number, typed into from an Arabic or a Persian keyboard:
// its Arabic-Indic digits go in as Western ones, however they come in.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/numbers.h"
#include "forms/window.h"
#include "forms/tests/driver.h"
#include "forms/tests/reset.h"

using namespace forms;
using formstest::Clip;
using formstest::ClipEdit;

Q_DECLARE_METATYPE(forms::NumberEntry)

namespace {

class Boxes : public Form {
public:
    Boxes()
    {
        box = new TextBox(this, QStringLiteral("Text1"));
        other = new TextBox(this, QStringLiteral("Text2"));
        placeTwips(box, 0, 0, 3495, 1245);
        placeTwips(other, 0, 1500, 3495, 1245);
        connect(box, &TextBox::changed, this, [this] { changes << box->text(); });
    }
    TextBox *box;
    TextBox *other;
    QStringList changes; // the box's text at each of its change events
};

// Arabic-Indic, extended Arabic-Indic (Persian) digits and the Arabic decimal separator.
const QString ArabicDigits = QStringLiteral("٠١٢٣٤٥٦٧٨٩");
const QString PersianDigits = QStringLiteral("۰۱۲۳۴۵۶۷۸۹");
const QString Separator = QStringLiteral("٫");

bool hasArabicIndicDigit(const QString &text)
{
    for (QChar c : text)
        if ((c.unicode() >= 0x0660 && c.unicode() <= 0x0669) || (c.unicode() >= 0x06F0 && c.unicode() <= 0x06F9))
            return true;
    return false;
}

// Ways of putting text in that the headless platform has: the middle button
// pastes only where the window system has a selection.
void addPasteWays()
{
    QTest::addColumn<ClipEdit>("how");
    const std::pair<const char *, ClipEdit> ways[] = {{"Ctrl+V", ClipEdit::CtrlV},
                                                      {"Shift+Insert", ClipEdit::ShiftInsert},
                                                      {"context menu", ClipEdit::MenuPaste},
                                                      {"middle button", ClipEdit::MiddleClick},
                                                      {"drop", ClipEdit::Drop}};
    for (const auto &[name, how] : ways)
        QTest::newRow(name) << how;
}
bool pastes(ClipEdit how)
{
    return how != ClipEdit::MiddleClick || QGuiApplication::clipboard()->supportsSelection();
}

} // namespace

class DigitsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Test")); }
    void cleanup() { formstest::resetAll(); }

    void westernDigitsOfEveryScript()
    {
        QCOMPARE(westernDigits(ArabicDigits, false), QStringLiteral("0123456789"));
        QCOMPARE(westernDigits(PersianDigits, false), QStringLiteral("0123456789"));
        QCOMPARE(westernDigits(QStringLiteral("٠٫٦"), false), QStringLiteral("0٫6"));
        QCOMPARE(westernDigits(QStringLiteral("٠٫٦"), true), QStringLiteral("0.6"));
        // Letters, blanks, the Arabic comma and the thousands separator stay as they are.
        QCOMPARE(westernDigits(QStringLiteral("٤ ب،٬x"), true), QStringLiteral("4 ب،٬x"));
        QCOMPARE(westernDigit(QChar(0x0664)), QLatin1Char('4'));
        QCOMPARE(westernDigit(QChar(0x06F4)), QLatin1Char('4'));
        QCOMPARE(westernDigit(QChar(0x0628)), QChar(0x0628));
    }

    void typedOnAnArabicKeyboard_data()
    {
        QTest::addColumn<NumberEntry>("entry");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const auto W = NumberEntry::Whole, D = NumberEntry::Decimal;
        QTest::newRow("every Arabic-Indic digit") << W << 0 << ArabicDigits << "0123456789";
        QTest::newRow("every Persian digit") << W << 0 << PersianDigits << "0123456789";
        QTest::newRow("43") << W << 0 << "٤٣" << "43";
        QTest::newRow("Western and Arabic-Indic digits together") << W << 0 << "4٣" << "43";
        QTest::newRow("the separator in a whole-number box") << W << 0 << "٠٫٦" << "0٫6";
        QTest::newRow("the separator in a decimal box") << D << 0 << "٠٫٦" << "0.6";
        QTest::newRow("Persian digits with the separator") << D << 0 << "۰٫۶" << "0.6";
        QTest::newRow("Western point in a decimal box") << D << 0 << "٠.٦" << "0.6";
        QTest::newRow("letters and blanks go in as they are") << W << 0 << " ٤ب" << " 4ب";
        QTest::newRow("maximum length cuts") << W << 1 << "٤٣" << "4";
        QTest::newRow("maximum length cuts a decimal") << D << 3 << "٠٫٦٥" << "0.6";
        QTest::newRow("a box that takes text keeps them") << NumberEntry::Text << 0 << "٤٣" << "٤٣";
    }
    void typedOnAnArabicKeyboard()
    {
        QFETCH(NumberEntry, entry);
        QFETCH(int, maxLength);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        auto *f = show<Boxes>();
        f->box->setNumberEntry(entry);
        f->box->setMaxLength(maxLength);
        formstest::typeOnArabicKeyboard(f->box, typed);
        QCOMPARE(f->box->text(), shown);
        QCOMPARE(f->box->cursorPosition(), int(shown.size()));
        // Each key that went in raised one change, at once, with the text as shown.
        QCOMPARE(f->changes.size(), std::min<int>(typed.size(), maxLength > 0 ? maxLength : int(typed.size())));
        QCOMPARE(f->changes.last(), shown);
        if (entry != NumberEntry::Text)
            for (const QString &t : f->changes)
                QVERIFY2(!hasArabicIndicDigit(t), qPrintable(t));
    }

    // Typing digits on an Arabic keyboard edits as typing Western ones does.
    void editingGoesOnAsForWesternDigits()
    {
        auto *f = show<Boxes>();
        f->box->setNumberEntry(NumberEntry::Whole);
        f->other->setNumberEntry(NumberEntry::Whole);
        formstest::typeOnArabicKeyboard(f->box, QStringLiteral("٤٥٦"));
        formstest::type(f->other, QStringLiteral("456"));
        for (TextBox *b : {f->box, f->other}) {
            QTest::keyClick(b, Qt::Key_Left);
            QTest::keyClick(b, Qt::Key_Backspace);
        }
        formstest::typeOnArabicKeyboard(f->box, QStringLiteral("٧"));
        formstest::type(f->other, QStringLiteral("7"));
        QCOMPARE(f->box->text().size(), 3);
        QVERIFY(f->box->text().contains(QLatin1Char('7')));
        QCOMPARE(f->box->text(), f->other->text());
        QCOMPARE(f->box->cursorPosition(), f->other->cursorPosition());
        const QString edited = f->box->text();
        for (TextBox *b : {f->box, f->other})
            QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->box->text(), f->other->text()); // undone, as after Western digits
        QVERIFY(f->box->text() != edited);
    }

    void pasted_data()
    {
        QTest::addColumn<ClipEdit>("how");
        QTest::addColumn<NumberEntry>("entry");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("shown");
        const std::pair<const char *, ClipEdit> ways[] = {{"Ctrl+V", ClipEdit::CtrlV},
                                                          {"Shift+Insert", ClipEdit::ShiftInsert},
                                                          {"context menu", ClipEdit::MenuPaste},
                                                          {"middle button", ClipEdit::MiddleClick},
                                                          {"drop", ClipEdit::Drop}};
        const std::tuple<const char *, NumberEntry, QString, QString> clips[] = {
            {"43", NumberEntry::Whole, QStringLiteral("٤٣"), QStringLiteral("43")},
            {"Persian 43", NumberEntry::Whole, QStringLiteral("۴۳"), QStringLiteral("43")},
            {"0.6 into a whole-number box", NumberEntry::Whole, QStringLiteral("٠٫٦"), QStringLiteral("0٫6")},
            {"0.6 into a decimal box", NumberEntry::Decimal, QStringLiteral("٠٫٦"), QStringLiteral("0.6")},
            {"43 and a word", NumberEntry::Whole, QStringLiteral("٤٣ ب"), QStringLiteral("43 ب")},
            {"43 into a box that takes text", NumberEntry::Text, QStringLiteral("٤٣"), QStringLiteral("٤٣")}};
        for (const auto &[way, how] : ways)
            for (const auto &[name, entry, clip, shown] : clips)
                QTest::addRow("%s, %s", way, name) << how << entry << clip << shown;
    }
    void pasted()
    {
        QFETCH(ClipEdit, how);
        QFETCH(NumberEntry, entry);
        QFETCH(QString, clip);
        QFETCH(QString, shown);
        auto *f = show<Boxes>();
        f->box->setNumberEntry(entry);
        f->box->setFocus();
        QApplication::clipboard()->setText(clip);
        if (QApplication::clipboard()->supportsSelection())
            QApplication::clipboard()->setText(clip, QClipboard::Selection);
        formstest::clipboardEdit(f->box, how);
        const QString expected = pastes(how) ? shown : QString();
        QCOMPARE(f->box->text(), expected);
        QCOMPARE(f->changes.size(), expected.isEmpty() ? 0 : 1); // one change for the paste
    }

    void pastedIntoAFullBoxIsCut_data() { addPasteWays(); }
    void pastedIntoAFullBoxIsCut()
    {
        QFETCH(ClipEdit, how);
        auto *f = show<Boxes>();
        f->box->setNumberEntry(NumberEntry::Whole);
        f->box->setMaxLength(2);
        QApplication::clipboard()->setText(QStringLiteral("٤٣٢١"));
        if (QApplication::clipboard()->supportsSelection())
            QApplication::clipboard()->setText(QStringLiteral("٤٣٢١"), QClipboard::Selection);
        formstest::clipboardEdit(f->box, how);
        QCOMPARE(f->box->text(), pastes(how) ? QStringLiteral("43") : QString());
    }

    void committedByAnInputMethod_data()
    {
        QTest::addColumn<NumberEntry>("entry");
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Arabic-Indic digits") << NumberEntry::Whole << "٤٣" << "43";
        QTest::newRow("Persian digits") << NumberEntry::Whole << "۴۳" << "43";
        QTest::newRow("a decimal") << NumberEntry::Decimal << "٠٫٦" << "0.6";
        QTest::newRow("a box that takes text") << NumberEntry::Text << "٤٣" << "٤٣";
    }
    void committedByAnInputMethod()
    {
        QFETCH(NumberEntry, entry);
        QFETCH(QString, committed);
        QFETCH(QString, shown);
        auto *f = show<Boxes>();
        f->box->setNumberEntry(entry);
        formstest::commitText(f->box, committed);
        QCOMPARE(f->box->text(), shown);
    }

    // A locked box and a display-only box take nothing, whichever digits come.
    void lockedAndDisplayOnlyBoxesTakeNothing_data()
    {
        QTest::addColumn<bool>("displayOnly");
        QTest::newRow("locked") << false;
        QTest::newRow("display-only") << true;
    }
    void lockedAndDisplayOnlyBoxesTakeNothing()
    {
        QFETCH(bool, displayOnly);
        auto *f = show<Boxes>();
        f->box->setNumberEntry(NumberEntry::Decimal);
        f->box->setText(QStringLiteral("7"));
        if (displayOnly)
            f->box->setDisplayOnly(true);
        else
            f->box->setLocked(true);
        f->changes.clear();
        QApplication::clipboard()->setText(QStringLiteral("٤٣"));
        formstest::typeOnArabicKeyboard(f->box, QStringLiteral("٤٣"));
        for (ClipEdit how : {ClipEdit::CtrlV, ClipEdit::ShiftInsert, ClipEdit::MenuPaste, ClipEdit::Drop})
            formstest::clipboardEdit(f->box, how);
        // The line edit tells an input method that it takes text even when
        // read-only; the box keeps to its lock all the same.
        formstest::commitText(f->box, QStringLiteral("٤٣"));
        QCOMPARE(f->box->text(), QStringLiteral("7"));
        QVERIFY(f->changes.isEmpty());
    }

    // What code writes into the box is its own business: it is not changed.
    void codeWritesAsItWrites()
    {
        auto *f = show<Boxes>();
        f->box->setNumberEntry(NumberEntry::Decimal);
        f->box->setText(QStringLiteral("٤٫٣"));
        QCOMPARE(f->box->text(), QStringLiteral("٤٫٣"));
        QCOMPARE(f->changes, QStringList{QStringLiteral("٤٫٣")});
    }

    // A key handler of its own (Tolbrin's) still sees, and can drop, the
    // Arabic-Indic digit as it was typed.
    void aKeyFilterStillSeesTheDigitTyped()
    {
        auto *f = show<Boxes>();
        QList<int> offered;
        f->box->setKeyFilter([&offered](QChar c) {
            offered << c.unicode();
            return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c : QChar();
        });
        formstest::typeOnArabicKeyboard(f->box, QStringLiteral("٤"));
        QCOMPARE(offered, QList<int>{0x0664});
        QCOMPARE(f->box->text(), QString());
        QApplication::clipboard()->setText(QStringLiteral("٤"));
        formstest::clipboardEdit(f->box, ClipEdit::CtrlV);
        QCOMPARE(f->box->text(), QString());
    }

    // A digits-only box maps them too, and still refuses everything else.
    void aDigitsOnlyBoxAsBefore()
    {
        auto *f = show<Boxes>();
        f->box->setDigitsOnly(true);
        formstest::typeOnArabicKeyboard(f->box, QStringLiteral("٤ب۳٫"));
        QCOMPARE(f->box->text(), QStringLiteral("43"));
    }

    // A digit typed into a number box is the box's: the window sees no key of its own.
    void theTypedDigitStaysInTheBox()
    {
        auto *f = show<Boxes>();
        f->box->setNumberEntry(NumberEntry::Whole);
        f->box->setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, QStringLiteral("٤"));
        press.ignore();
        QApplication::sendEvent(f->box, &press);
        QVERIFY(press.isAccepted());
        QCOMPARE(f->box->text(), QStringLiteral("4"));
    }
};

QTEST_MAIN(DigitsTest)
#include "digits_test.moc"
