// Daskin's number typed on an Arabic or a Persian keyboard: the box shows
// Western digits and "ابحث" lists the divisors of the number typed.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "daskin.h"
#include "daskin_form.h"
#include "divisors.h"
#include "forms/app.h"
#include "forms/multiline.h"
#include "forms/tests/driver.h"
#include "forms/tests/reset.h"

using formstest::control;
using formstest::Entry;

namespace {
// " ، " before each divisor.
QString run(std::initializer_list<int> divisors)
{
    QString s;
    for (int d : divisors)
        s += QStringLiteral(" ، ") + QString::number(d);
    return s;
}

} // namespace

class DaskinDigitsTest : public QObject {
    Q_OBJECT
    QWidget *form = nullptr;
    forms::TextBox *number = nullptr;
    QPushButton *search = nullptr;
    forms::MultiLineTextBox *found = nullptr;

private slots:
    void initTestCase() { forms::initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Daskin")); }
    void init()
    {
        daskin::start();
        form = forms::instance<daskin::Form1>();
        QVERIFY(form);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        number = control<forms::TextBox>(form, QStringLiteral("Text1"));
        search = control<QPushButton>(form, QStringLiteral("Command1"));
        found = control<forms::MultiLineTextBox>(form, QStringLiteral("Text2"));
    }
    void cleanup() { formstest::resetAll(); }

    void theDivisorsOfTheNumberTyped_data()
    {
        QTest::addColumn<Entry>("way");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("listed");
        for (const auto &[name, way] : formstest::Entries) {
            const auto row = [&](const char *what) -> QTestData & {
                return QTest::addRow("%s, %s", what, name) << way;
            };
            row("36 in Arabic-Indic digits") << "٣٦" << "36" << run({1, 2, 3, 4, 6, 9, 12, 18, 36});
            row("36 in Persian digits") << "۳۶" << "36" << run({1, 2, 3, 4, 6, 9, 12, 18, 36});
            row("12 in Western and Arabic-Indic digits") << "1٢" << "12" << run({1, 2, 3, 4, 6, 12});
            row("a prime") << "٩٧" << "97" << run({1, 97});
            row("letters after the number") << "١٢ب" << "12ب" << run({1, 2, 3, 4, 6, 12});
            row("0 lists nothing") << "٠" << "0" << "";
            row("12 and a half, with the Arabic decimal separator, lists nothing") << "١٢٫٥" << "12.5" << "";
            row("fifteen digits, the largest searched") << "٩٩٩٩٩٩٩٩٩٩٩٩٩٩٩" << "999999999999999"
                                                         << daskin::divisorRun(999'999'999'999'999);
        }
    }
    void theDivisorsOfTheNumberTyped()
    {
        QFETCH(Entry, way);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, listed);
        formstest::enter(number, typed, way);
        QCOMPARE(number->text(), shown);
        formstest::click(search);
        QCOMPARE(found->text(), listed);
        QCOMPARE(number->text(), shown);
        QVERIFY(formstest::foreignDigits(form).isEmpty());
    }

    // A second search of the same number appends the same run again.
    void aSecondSearchAppendsAgain()
    {
        formstest::typeOnArabicKeyboard(number, QStringLiteral("١٢"));
        formstest::click(search);
        formstest::click(search);
        QCOMPARE(found->text(), run({1, 2, 3, 4, 6, 12}) + run({1, 2, 3, 4, 6, 12}));
    }
};

QTEST_MAIN(DaskinDigitsTest)
#include "daskin_digits_test.moc"
