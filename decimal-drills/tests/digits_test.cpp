// Mirrane's write drill answered from an Arabic or a Persian keyboard: the
// Arabic-Indic digits and the Arabic decimal separator show as Western digits
// and ".", and the answer is judged by its value.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "drill_driver.h"
#include "forms/numbers.h"

using namespace mirrane;
using namespace mirranetest;
using formstest::control;
using formstest::press;
using namespace drillstest;

using formstest::Entry;

namespace {
const QString Right = QStringLiteral("أحسنت إجابة صحيحة ");
const QString WrongIs = QStringLiteral("أخطأت الاجابة الصحيحة هي  ");
const QString RightCount = QStringLiteral("عدد الاجابات الصحيحة :  ");
const QString WrongCount = QStringLiteral("عدد الاجابات الخاطئة :  ");

} // namespace

class DigitsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { startCase(); }
    void cleanup() { endCase(); }

    void theWriteDrill_data()
    {
        QTest::addColumn<Entry>("way");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("product"); // empty when the answer is right
        for (const auto &[name, way] : formstest::Entries) {
            const auto row = [&](const char *what) -> QTestData & {
                return QTest::addRow("%s, %s", what, name) << way;
            };
            row("0.6×10 as ٦") << question(0, 6) << "0.6×10=" << "٦" << "6" << "";
            row("0.6×10 as Persian ۶") << question(0, 6) << "0.6×10=" << "۶" << "6" << "";
            row("8.1×100 as ٨١٠") << question(1, 81) << "8.1×100=" << "٨١٠" << "810" << "";
            row("0.07×10 as ٠٫٧") << question(2, 7) << "0.07×10=" << "٠٫٧" << "0.7" << "";
            row("0.07×10 as Persian ۰٫۷") << question(2, 7) << "0.07×10=" << "۰٫۷" << "0.7" << "";
            row("0.07×10 as ٫٧") << question(2, 7) << "0.07×10=" << "٫٧" << ".7" << "";
            row("0.07×10 as ٠٫٧٠") << question(2, 7) << "0.07×10=" << "٠٫٧٠" << "0.70" << "";
            row("0.07×10 with a Western point") << question(2, 7) << "0.07×10=" << "٠.٧" << "0.7" << "";
            row("0.035×100 as ٣٫٥") << question(3, 35) << "0.035×100=" << "٣٫٥" << "3.5" << "";
            row("a tenth of the answer is wrong") << question(2, 7) << "0.07×10=" << "٠٫٠٧" << "0.07" << "0.7";
            row("ten times the answer is wrong") << question(0, 6) << "0.6×10=" << "٦٠" << "60" << "6";
            row("the Arabic comma reads as 0") << question(2, 7) << "0.07×10=" << "٠،٧" << "0،7" << "0.7";
        }
    }
    void theWriteDrill()
    {
        QFETCH(Entry, way);
        QFETCH(Draws, draws);
        QFETCH(QString, question);
        QFETCH(QString, answer);
        QFETCH(QString, shown);
        QFETCH(QString, product);
        auto *w = openDrill<Form2>(draws);
        QCOMPARE(caption(w, "Label2"), question);
        auto *box = control<forms::TextBox>(w, "Text1");
        formstest::enter(box, answer, way);
        QCOMPARE(box->text(), shown);
        press(box, Qt::Key_Return);
        QVERIFY(label(w, "Label3")->isVisible());
        if (product.isEmpty()) {
            QCOMPARE(caption(w, "Label3"), Right);
            QCOMPARE(caption(w, "Label4"), RightCount + "1");
            QCOMPARE(caption(w, "Label9"), QStringLiteral("ممتاز"));
        } else {
            QCOMPARE(caption(w, "Label3"), WrongIs + product);
            QCOMPARE(caption(w, "Label5"), WrongCount + "1");
        }
        QCOMPARE(box->text(), shown); // stays until the tick
    }

    // Nothing is blocked during the feedback: every Enter on an answer typed
    // in Arabic-Indic digits is judged again, and the next question takes them too.
    void everyAnswerIsJudgedAgain()
    {
        auto *w = openDrill<Form2>(inOrder({question(0, 6), question(2, 7)}));
        auto *box = control<forms::TextBox>(w, "Text1");
        formstest::typeOnArabicKeyboard(box, QStringLiteral("٦"));
        press(box, Qt::Key_Return);
        press(box, Qt::Key_Return);
        QCOMPARE(caption(w, "Label4"), RightCount + "2");
        forms::testing::advance(2500);
        QCOMPARE(caption(w, "Label2"), QStringLiteral("0.07×10="));
        QVERIFY(box->text().isEmpty());
        formstest::typeOnArabicKeyboard(box, QStringLiteral("٠٫٧"));
        QCOMPARE(box->text(), QStringLiteral("0.7"));
        press(box, Qt::Key_Return);
        QCOMPARE(caption(w, "Label3"), Right);
        QCOMPARE(caption(w, "Label4"), RightCount + "3");
        QCOMPARE(caption(w, "Label6"), QStringLiteral("عدد الأسئلة :  2"));
    }
};

QTEST_MAIN(DigitsTest)
#include "digits_test.moc"
