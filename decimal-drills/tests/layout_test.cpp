// The longest texts the draws give are shown whole inside their labels.
#include <QApplication>
#include <QFontMetrics>
#include <QTest>

#include "drill_driver.h"
#include "drills/tests/answering.h"
#include "drills/tests/scorerow.h"
#include "forms/app.h"
#include "forms/tests/pixels.h"
#include "mirranemenu.h"
#include "mirranesplash.h"

#include <set>

using namespace mirrane;
using namespace mirranetest;
using formstest::captionWhole;
using formstest::control;

namespace {

// Every question or statement text a drill can show, and every product.
struct DrillTexts {
    std::set<QString> questions;
    std::set<QString> products;
};
DrillTexts textsOf(AnswerMode drill)
{
    DrillTexts t;
    for (int k = 0; k < kindCount(drill); ++k)
        for (bool first : {true, false})
            for (int x = 1; x < kind(drill, k, first).rangeX; ++x) {
                const Question q = question(drill, k, x, first);
                t.products.insert(q.product.text());
                if (drill == AnswerMode::Judge) {
                    for (int c = 0; c < 3; ++c)
                        t.questions.insert(q.text() + statement(q.product, c).shown.text());
                } else {
                    t.questions.insert(q.text());
                }
            }
    return t;
}

// The widest few of some texts in a label's design font.
QStringList widest(const forms::Label *l, const std::set<QString> &texts, int n = 3)
{
    QStringList all(texts.begin(), texts.end());
    const QFontMetrics fm(l->designFont());
    std::sort(all.begin(), all.end(),
              [&fm](const QString &a, const QString &b) { return fm.horizontalAdvance(a) > fm.horizontalAdvance(b); });
    return all.mid(0, n);
}

const QString WrongIs = QStringLiteral("أخطأت الاجابة الصحيحة هي  ");

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

    // Writes each text into the label and checks it is drawn whole, legibly,
    // inside the window, its digits and points as Western ones.
    void checkShownWhole(QWidget *window, const char *name, const QStringList &texts, double smallest = 12)
    {
        forms::Label *l = label(window, name);
        QVERIFY2(l, name);
        for (const QString &t : texts) {
            l->setCaption(t);
            const QString what = QStringLiteral("%1: %2 at %3 pt").arg(QLatin1String(name), t).arg(l->font().pointSizeF());
            QVERIFY2(captionWhole(l), qPrintable(what));
            QVERIFY2(l->font().pointSizeF() >= smallest, qPrintable(what));
            QVERIFY2(window->rect().contains(l->geometry()), qPrintable(what));
            QVERIFY2(formstest::foreignDigits(window).isEmpty(), qPrintable(what));
            // At 80% of its design size or more, on one line where it is auto-sized, nothing cut.
            const QString fault = formstest::captionFault(l, l->autoSize());
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }

private slots:
    // The program's own fonts and direction, as its executable starts.
    void initTestCase() { forms::initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Mirrane")); }
    void cleanup() { endCase(); }

    void drillTextsFit_data()
    {
        QTest::addColumn<AnswerMode>("drill");
        QTest::newRow("write") << AnswerMode::Write;
        QTest::newRow("choose") << AnswerMode::Choose;
        QTest::newRow("right or wrong") << AnswerMode::Judge;
    }
    void drillTextsFit()
    {
        QFETCH(AnswerMode, drill);
        MultiplicationDrill *w = openDrill(drill);
        const DrillTexts texts = textsOf(drill);
        checkShownWhole(w, "Label2", widest(label(w, "Label2"), texts.questions), 24);

        std::set<QString> feedback{QStringLiteral("أحسنت إجابة صحيحة ")};
        for (const QString &p : texts.products)
            feedback.insert(WrongIs + p);
        checkShownWhole(w, "Label3", widest(label(w, "Label3"), feedback));

        checkShownWhole(w, "Label4", {QStringLiteral("عدد الاجابات الصحيحة :  999")});
        checkShownWhole(w, "Label5", {QStringLiteral("عدد الاجابات الخاطئة :  999")});
        checkShownWhole(w, "Label6", {QStringLiteral("عدد الأسئلة :  999")});
        checkShownWhole(w, "Label9", {QStringLiteral("ممتاز"), QStringLiteral("جيد جدا"), QStringLiteral("جيد"),
                                      QStringLiteral("مقبول"), QStringLiteral("تدرب أكثر"),
                                      QStringLiteral("راسب ، لماذا ؟ ")});
        if (drill == AnswerMode::Judge) {
            // The instruction's box is small for its text: it is drawn much smaller.
            checkShownWhole(w, "Label1", {QStringLiteral("اختر صح او خطأ لتحصل على عبارة صحيحة مما يلي :")}, 6);
            for (const char *name : {"Label7", "Label8", "Label11"})
                checkShownWhole(w, name, {label(w, name)->caption()});
            QVERIFY(!label(w, "Label11")->shrunk());
        } else {
            checkShownWhole(w, "Label7", {QStringLiteral("الواجهة")});
            QVERIFY(!label(w, "Label7")->shrunk());
        }
        if (drill == AnswerMode::Choose) {
            for (const char *name : {"Command1", "Command2", "Command3"}) {
                auto *b = control<QPushButton>(w, name);
                const QFontMetrics fm(b->font());
                for (const QString &p : texts.products)
                    for (const QString &t : {p, p + "00"}) // the decoys run to 100 times the product
                        if (forms::decimalFromText(t) <= forms::Decimal::fromThousandths(9900000))
                            QVERIFY2(fm.horizontalAdvance(t) < b->width() - 8, qPrintable(t));
            }
        }
    }

    // The score board with every caption at its longest at once: each on one
    // line, whole, at 80% of its size or more, and its text clear of its
    // neighbours' texts.
    void scoreBoardCaptionsStayApart_data() { drillTextsFit_data(); }
    void scoreBoardCaptionsStayApart()
    {
        QFETCH(AnswerMode, drill);
        QWidget *w = openDrill(drill);
        const char *names[] = {"Label4", "Label5", "Label6", "Label9"};
        const QStringList longest = {QStringLiteral("عدد الاجابات الصحيحة :  999"),
                                     QStringLiteral("عدد الاجابات الخاطئة :  999"),
                                     QStringLiteral("عدد الأسئلة :  999"), QStringLiteral("راسب ، لماذا ؟ ")};
        QList<QRect> texts;
        for (int i = 0; i < 4; ++i)
            label(w, names[i])->setCaption(longest[i]);
        for (int i = 0; i < 4; ++i) {
            forms::Label *l = label(w, names[i]);
            const QString fault = formstest::captionFault(l, true);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            const QRect laid = QFontMetrics(l->font()).boundingRect(l->textRect(), l->drawFlags(), l->text());
            texts << laid.translated(l->pos());
        }
        // Right to left across the window: right answers, wrong answers, questions, grade.
        for (int i = 0; i + 1 < 4; ++i)
            QVERIFY2(texts[i + 1].right() + 4 < texts[i].left(),
                     qPrintable(QStringLiteral("%1 ends at %2, %3 begins at %4").arg(QLatin1String(names[i + 1])).arg(texts[i + 1].right()).arg(QLatin1String(names[i])).arg(texts[i].left())));
    }

    // The score row as the pupil sees it as first shown, after a wrong first
    // answer, and with counts of two and of three digits under the lowest
    // grade word: every caption on one baseline, an em clear of its neighbours.
    void scoreRowAtEveryCount_data()
    {
        QTest::addColumn<AnswerMode>("drill");
        QTest::addColumn<int>("wrong"); // answered first
        QTest::addColumn<int>("right"); // answered after
        const std::pair<const char *, AnswerMode> drills[] = {
            {"write", AnswerMode::Write}, {"choose", AnswerMode::Choose}, {"right or wrong", AnswerMode::Judge}};
        for (const auto &[name, mode] : drills) {
            QTest::addRow("%s, as first shown", name) << mode << 0 << 0;
            QTest::addRow("%s, wrong first answer", name) << mode << 1 << 0;
            QTest::addRow("%s, two-digit counts", name) << mode << 14 << 10;
            QTest::addRow("%s, three-digit counts", name) << mode << 103 << 100;
        }
    }
    void scoreRowAtEveryCount()
    {
        QFETCH(AnswerMode, drill);
        QFETCH(int, wrong);
        QFETCH(int, right);
        startCase();
        MultiplicationDrill *w = openDrill(drill, drillstest::question(4, 97));
        // Each answer to a question of its own.
        for (int i = 0; i < wrong + right; ++i) {
            if (i > 0)
                forms::testing::advance(2500);
            drillanswers::answer(w, drill, i >= wrong);
        }
        QCOMPARE(w->scoreBoard().wrong(), wrong);
        QCOMPARE(w->scoreBoard().right(), right);
        QCOMPARE(w->scoreBoard().questions(), std::max(1, wrong + right));
        QCOMPARE(caption(w, "Label9"), wrong ? QStringLiteral("راسب ، لماذا ؟ ") : QStringLiteral("التقدير"));
        const QStringList faults = drillstest::scoreRowFaults(w);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void menuAndCardTextsFit()
    {
        auto *card = forms::show<Form1>();
        for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8",
                                 "Label9", "Label10", "Label11", "Label12"})
            checkShownWhole(card, name, {label(card, name)->caption()}, 8);
        auto *menu = forms::show<Form5>();
        for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label7"})
            checkShownWhole(menu, name, {label(menu, name)->caption()});
        // Each mode label inside its oval.
        const std::pair<const char *, const char *> framed[] = {{"Label2", "Shape1"}, {"Label3", "Shape3"},
                                                                {"Label4", "Shape2"}};
        for (auto [l, oval] : framed)
            QVERIFY2(control<QWidget>(menu, oval)->geometry().contains(label(menu, l)->geometry()), l);
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
