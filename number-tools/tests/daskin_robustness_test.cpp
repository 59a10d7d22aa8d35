// A pupil typing, clicking, pasting and editing in any order on Daskin's
// window: nothing crashes, the window stays until it is closed, and each
// search appends the divisors of the number typed, in order, behind what the
// result box holds.
#include <QApplication>
#include <QTest>

#include "daskin.h"
#include "daskin_form.h"
#include "forms/app.h"
#include "forms/controls.h"
#include "forms/multiline.h"
#include "forms/tests/driver.h"
#include "forms/tests/monkey.h"
#include "forms/tests/reset.h"

using formstest::control;

namespace {

const QString Separator = QStringLiteral(" ، ");

// Whether a run is " ، d" items: 1 first, ascending, each dividing the last.
bool soundRun(const QString &run)
{
    if (run.isEmpty())
        return true;
    if (!run.startsWith(Separator))
        return false;
    QList<qint64> items;
    for (const QString &item : run.mid(Separator.size()).split(Separator)) {
        bool ok = false;
        items << item.toLongLong(&ok);
        if (!ok)
            return false;
    }
    if (items.first() != 1)
        return false;
    for (qsizetype i = 0; i < items.size(); ++i)
        if ((i > 0 && items[i] <= items[i - 1]) || items.last() % items[i] != 0)
            return false;
    return true;
}

// The divisors of a small number as the box shows them, counted one by one.
QString divisorsCounted(int n)
{
    QString run;
    for (int d = 1; d <= n; ++d)
        if (n % d == 0)
            run += Separator + QString::number(d);
    return run;
}

} // namespace

class DaskinRobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { formstest::resetAll(); }

    void anythingInAnyOrder_data()
    {
        formstest::Monkey::addSeedRows({1u, 2u, 3u});
    }
    void anythingInAnyOrder()
    {
        QFETCH(unsigned, seed);
        formstest::Monkey monkey(formstest::Monkey::seedFor(seed));
        const QString keys = QStringLiteral("0123456789012345 .-ab\u0628\u0661");
        int searches = 0, found = 0;
        bool closing = false;
        daskin::Form1 *form = nullptr;
        forms::TextBox *number = nullptr;
        forms::MultiLineTextBox *box = nullptr;
        daskin::start();
        const auto press = [&] {
            form = forms::instance<daskin::Form1>();
            QVERIFY(form && form->isVisible());
            number = control<forms::TextBox>(form, QStringLiteral("Text1"));
            auto *search = control<QPushButton>(form, QStringLiteral("Command1"));
            box = control<forms::MultiLineTextBox>(form, QStringLiteral("Text2"));
            closing = false;
            monkey.oneOf({
                {2, [&] { // a few keys into the number box, often after emptying it
                     if (monkey.pick(2))
                         formstest::erase(number);
                     const int n = 1 + monkey.pick(4);
                     for (int i = 0; i < n; ++i)
                         formstest::type(number, monkey.pickKey(keys));
                 }},
                {2, [&] { // "ابحث"
                     const QString before = box->text();
                     const QString typed = number->text();
                     formstest::click(search);
                     ++searches;
                     QVERIFY(box->text().startsWith(before));
                     const QString run = box->text().mid(before.size());
                     QVERIFY2(soundRun(run), qPrintable(typed + QLatin1String(" -> ") + run.left(200)));
                     bool plain = false;
                     const int n = typed.size() <= 6 ? typed.toInt(&plain) : 0;
                     if (plain && n > 0 && !typed.startsWith(QLatin1Char('+')))
                         QCOMPARE(run, divisorsCounted(n));
                     if (!run.isEmpty())
                         ++found;
                 }},
                {2, [&] { monkey.clipboardEdit(form); }},
                {1, [&] { // the focus somewhere else, by Tab or a click
                     if (monkey.pick(2))
                         QTest::keyClick(formstest::Monkey::focusOf(form), Qt::Key_Tab);
                     else
                         QTest::mouseClick(monkey.pick(2) ? static_cast<QWidget *>(number) : box->viewport(),
                                           Qt::LeftButton);
                 }},
                {1, [&] { // the pupil's own edit of the result box, sometimes emptying it
                     if (monkey.pick(3) == 0)
                         formstest::erase(box);
                     else
                         formstest::type(box, monkey.pickKey(keys));
                 }},
                {1, [&] {
                     if (monkey.pick(60) == 0) {
                         closing = true;
                         form->close();
                     }
                 }},
                {1, [&] {
                     formstest::press(formstest::Monkey::focusOf(form), monkey.pick(2) ? Qt::Key_Return : Qt::Key_Backspace);
                 }},
            });
        };
        monkey.run(600, press, [&](int) {
            if (forms::programEnded()) {
                QVERIFY2(closing, "the program ended without its window closed");
                QVERIFY(forms::loadedForms().isEmpty());
                formstest::unloadAll();
                daskin::start();
                return;
            }
            QVERIFY2(!closing, "a closed window left the program running");
            QVERIFY(number->text().size() <= number->maxLength());
            QCOMPARE(box->text(), box->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")));
        });
        if (QTest::currentTestFailed())
            return;
        QVERIFY(searches > 50);
        QVERIFY(found > 0);
    }
};

QTEST_MAIN(DaskinRobustnessTest)
#include "daskin_robustness_test.moc"
