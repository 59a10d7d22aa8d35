// Every caption of every window lies whole inside its label and its window,
// with the longest texts each window shows, its digits drawn as Western digits.
#include <QApplication>

#include "drills/tests/scorerow.h"
#include "factcards.h"
#include "forms/app.h"
#include "forms/tests/pixels.h"
#include "halverytest.h"
#include "openfromlist.h"
#include "remainderdrill.h"
#include "stepdrill.h"

using namespace halverytest;

namespace {

// The score board's captions, right to left.
const QStringList ScoreCaptions = {"Label4", "Label5", "Label6", "Label9"};

// A control drawn on its own, nothing behind it, on a transparent image.
QImage drawnAlone(QWidget *w)
{
    QImage drawn(w->size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    w->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
    return drawn;
}

void checkShown(forms::Form *w)
{
    const QStringList foreign = formstest::foreignDigits(w);
    QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
    for (forms::Label *l : w->findChildren<forms::Label *>()) {
        if (l->isHidden() || l->text().isEmpty())
            continue;
        const QString where = w->objectName() + "." + l->objectName() + ": " + l->text();
        QVERIFY2(w->rect().contains(l->geometry()), qPrintable(where));
        QVERIFY2(formstest::captionWhole(l), qPrintable(where));
    }
}

// Each score-board caption lies whole on the plaques of the strip picture behind it.
void checkOnPlaques(forms::Form *w)
{
    auto *strip = w->findChild<forms::Picture *>(QStringLiteral("Image2"));
    QVERIFY(strip);
    const QImage picture = QImage(QStringLiteral(":/pictures/buttonstrip.png"))
                               .scaled(strip->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QList<int> plaques;
    for (const QString &name : ScoreCaptions) {
        auto *l = w->findChild<forms::Label *>(name);
        QVERIFY(l);
        const QRect g = l->geometry().translated(-strip->pos());
        const int y = g.center().y();
        // The plaque: the run of lit pixels on the caption's middle row around its centre.
        const auto lit = [&](int x) { return x >= 0 && x < picture.width() && qGray(picture.pixel(x, y)) > 100; };
        int left = g.center().x(), right = left;
        QVERIFY2(lit(left), qPrintable(w->objectName() + "." + name + ": no plaque under " + l->text()));
        while (lit(left - 1))
            --left;
        while (lit(right + 1))
            ++right;
        const QString where = QStringLiteral("%1.%2: %3 at %4..%5 on a plaque at %6..%7")
                                  .arg(w->objectName(), name, l->text())
                                  .arg(g.left()).arg(g.right()).arg(left).arg(right);
        QVERIFY2(g.left() >= left && g.right() <= right && lit(g.center().x()) && g.top() >= 0
                     && g.bottom() < picture.height() && lit(g.left()) && lit(g.right()),
                 qPrintable(where));
        QVERIFY2(!plaques.contains(left), qPrintable(where + " shared with another caption"));
        plaques << left;
    }
}

// Where a label's caption leaves ink, in its window's coordinates.
QRect inkRect(forms::Label *l)
{
    const QImage drawn = drawnAlone(l); // the caption alone
    QRect ink;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (qAlpha(drawn.pixel(x, y)) >= 64)
                ink |= QRect(x, y, 1, 1);
    return ink.translated(l->pos());
}

// The score captions drawn whole, on one line, at their design size, each on
// a plaque of its own and clear of one another.
void checkScoreCaptions(forms::Form *w)
{
    checkOnPlaques(w);
    QList<forms::Label *> labels;
    for (const QString &name : ScoreCaptions) {
        auto *l = w->findChild<forms::Label *>(name);
        const QString where = w->objectName() + "." + name + ": " + l->text();
        QVERIFY2(l->font().pointSizeF() == l->designFont().pointSizeF(), qPrintable(where));
        const QString fault = formstest::captionFault(l, true);
        QVERIFY2(fault.isEmpty(), qPrintable(where + ": " + fault));
        labels << l;
    }
    const QStringList row = drillstest::scoreRowFaults(w);
    QVERIFY2(row.isEmpty(), qPrintable(w->objectName() + ": " + row.join(QStringLiteral("; "))));
    for (int i = 0; i < labels.size(); ++i)
        for (int j = i + 1; j < labels.size(); ++j) {
            const QRect a = inkRect(labels[i]), b = inkRect(labels[j]);
            const int gap = std::max(a.left(), b.left()) - std::min(a.right(), b.right()) - 1;
            QVERIFY2(gap >= 8 && !labels[i]->geometry().intersects(labels[j]->geometry()),
                     qPrintable(QStringLiteral("%1: \"%2\" at %3..%4 and \"%5\" at %6..%7")
                                    .arg(w->objectName(), labels[i]->text()).arg(a.left()).arg(a.right())
                                    .arg(labels[j]->text()).arg(b.left()).arg(b.right())));
        }
}

// Every caption drawn on the chalkboard lies on it, clear of the black frame:
// its ink inside the board as the picture alone draws it, out from the
// caption's middle to the frame on every side (the light ledge is board).
void checkOnBoard(forms::Form *w)
{
    auto *board = w->findChild<forms::Picture *>(QStringLiteral("Image1"));
    QVERIFY(board);
    const QImage picture = drawnAlone(board);
    const QRect shown = board->geometry() & w->rect();
    const auto at = [&](QPoint p) { return picture.pixel(p - board->pos()); };
    const auto frame = [&](QPoint p) {
        if (!shown.contains(p))
            return true;
        const QRgb c = at(p);
        return std::max({qRed(c), qGreen(c), qBlue(c)}) < 60;
    };
    for (forms::Label *l : w->findChildren<forms::Label *>()) {
        const QString name = l->objectName();
        if (l->isHidden() || l->text().isEmpty() || ScoreCaptions.contains(name))
            continue;
        const QRect ink = inkRect(l);
        const QPoint c = ink.center();
        QRect area(c, c);
        while (!frame(QPoint(area.left() - 1, c.y())))
            area.setLeft(area.left() - 1);
        while (!frame(QPoint(area.right() + 1, c.y())))
            area.setRight(area.right() + 1);
        while (!frame(QPoint(c.x(), area.top() - 1)))
            area.setTop(area.top() - 1);
        while (!frame(QPoint(c.x(), area.bottom() + 1)))
            area.setBottom(area.bottom() + 1);
        QVERIFY2(!frame(c) && area.contains(ink),
                 qPrintable(QStringLiteral("%1.%2: %3 drawn at %4..%5 x %6..%7, the board's green at %8..%9 x %10..%11")
                                .arg(w->objectName(), name, l->text())
                                .arg(ink.left()).arg(ink.right()).arg(ink.top()).arg(ink.bottom())
                                .arg(area.left()).arg(area.right()).arg(area.top()).arg(area.bottom())));
    }
}

// The two choice captions of the judge drill lie on their circles, clear of the rims.
void checkOnCircles(forms::Form *w)
{
    for (const auto &[label, shape] : {std::pair{"Label7", "Shape2"}, std::pair{"Label8", "Shape1"}}) {
        auto *l = w->findChild<forms::Label *>(QLatin1String(label));
        const QImage drawn = drawnAlone(l); // the caption alone
        const QRectF circle = QRectF(w->findChild<QWidget *>(QLatin1String(shape))->geometry());
        int inkOff = 0, ink = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                if (qAlpha(drawn.pixel(x, y)) < 128)
                    continue;
                ++ink;
                const double dx = (l->x() + x + 0.5 - circle.center().x()) / (circle.width() / 2);
                const double dy = (l->y() + y + 0.5 - circle.center().y()) / (circle.height() / 2);
                if (dx * dx + dy * dy > 0.8)
                    ++inkOff;
            }
        QVERIFY2(ink > 0 && inkOff == 0, qPrintable(QStringLiteral("%1: %2 of %3 pixels off %4")
                                                        .arg(QLatin1String(label)).arg(inkOff).arg(ink)
                                                        .arg(QLatin1String(shape))));
    }
}

// Answers wrongly 99 times, then rightly 99 times, so every count has two digits.
template <class Drill> void answerMany(Drill *w, const std::function<void(bool right)> &answer)
{
    for (int i = 0; i < 198; ++i) {
        answer(i >= 99);
        forms::testing::advance(2500);
    }
    QCOMPARE(w->scoreBoard().right(), 99);
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Pupil> pupil;

private slots:
    // The program's own fonts and direction, as its executable starts.
    void initTestCase() { forms::initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Halvery")); }
    void init() { pupil = std::make_unique<Pupil>(); }
    void cleanup() { pupil.reset(); }

    void cardsAndMenus()
    {
        halvery::start();
        checkShown(forms::instance<halvery::Form1>());
        auto *menu = pupil->atSuiteMenu();
        checkShown(menu);
        formstest::click(control<QPushButton>(menu, "Command8"));
        checkShown(forms::instance<halvery::Form12>());
        formstest::click(control<QPushButton>(menu, "Command1"));
        checkShown(forms::instance<halvery::Form5>());
    }

    void theWriteDrillsLongestTexts()
    {
        auto *w = pupil->open<halvery::Form2>("Label2", repeated(question(5, 99, 9), 200)); // 990000÷1000=
        auto *box = control<QWidget>(w, "Text1");
        answerMany(w, [&](bool right) {
            formstest::type(box, right ? "990" : "9900");
            formstest::press(box, Qt::Key_Return);
        });
        formstest::type(box, "1");
        formstest::press(box, Qt::Key_Return);
        QCOMPARE(caption(w, "Label3"), QStringLiteral("أخطأت الاجابة الصحيحة هي  990"));
        checkShown(w);
        checkOnPlaques(w);
        checkOnBoard(w);
    }

    void theChooseDrillsLongestTexts()
    {
        // 99000÷10=, buttons up to 990000
        auto *w = pupil->open<halvery::Form4>("Label3", repeated(question(4, 99, 9), 200));
        answerMany(w, [&](bool right) { formstest::click(control<QPushButton>(w, right ? "Command2" : "Command1")); });
        formstest::click(control<QPushButton>(w, "Command1"));
        QCOMPARE(caption(w, "Label3"), QStringLiteral("أخطأت الاجابة الصحيحة هي  9900"));
        checkShown(w);
        checkOnPlaques(w);
        checkOnBoard(w);
        for (const char *name : {"Command1", "Command2", "Command3"}) {
            auto *b = control<QPushButton>(w, name);
            QVERIFY(b->fontMetrics().horizontalAdvance(b->text()) < b->width());
        }
    }

    void theJudgeDrillsLongestTexts()
    {
        // 990000÷10=990000
        auto *w = pupil->open<halvery::Form3>("Label4", repeated(statement(7, 99, Shown::TenTimesLarger, 9), 200));
        checkOnCircles(w);
        answerMany(w, [&](bool right) { clickLabel(w, right ? "Label8" : "Label7"); });
        clickLabel(w, "Label7");
        QCOMPARE(caption(w, "Label2"), QStringLiteral("990000÷10=990000"));
        QCOMPARE(caption(w, "Label3"), QStringLiteral("أخطأت الاجابة الصحيحة هي  99000"));
        checkShown(w);
        checkOnPlaques(w);
        checkOnBoard(w);
    }

    void theListWindowsLongestTexts()
    {
        auto *drill = openFromList<halvery::Form6>(*pupil, "Command2", remainderProblem(21, 2));
        checkShown(drill);
        QTest::keyClick(control<forms::TextBox>(drill, "Text1"), Qt::Key_Return);
        QCOMPARE(caption(drill, "Label3"), QStringLiteral("أخطأت الاجابة الصحيحة هي  10 و الباقي 1"));
        checkShown(drill);
        checkOnBoard(drill);
        clickLabel(drill, "Label7");

        auto *steps = openFromList<halvery::Form8>(*pupil, "Command3");
        checkShown(steps);
        forms::testing::scriptDraws(remainderProblem(89, 9));
        formstest::click(control<QPushButton>(steps, "Comq"));
        forms::testing::advance(100);
        formstest::click(control<QPushButton>(steps, "Comhelp"));
        {
            formstest::MessageCatcher catcher;
            formstest::click(control<QPushButton>(steps, "enter1")); // the step's box still empty
            QCOMPARE(catcher.count(), 1);
            QVERIFY2(catcher.last().foreignDigits.isEmpty(), qPrintable(catcher.last().foreignDigits.join(' ')));
        }
        formstest::type(control<forms::TextBox>(steps, "Txtnatj1"), "1");
        formstest::click(control<QPushButton>(steps, "enter1"));
        QCOMPARE(caption(steps, "Label3"), QStringLiteral("أخطأت حاول مرة أخرى"));
        checkShown(steps);
        checkOnBoard(steps);
        clickLabel(steps, "Label7");

        // A card as wide as the test screen lets it be at its design size.
        auto *cards = openFromList<halvery::Form10>(*pupil, "Command5", card(9, 9));
        checkShown(cards);
        QTest::keyClick(cards, Qt::Key_Space);
        checkShown(cards);
    }

    // The score row as first shown, after a wrong first answer, and with
    // counts of two and of three digits under the lowest grade word: every
    // score caption on a plaque of its own, whole and at its design size, all
    // on one baseline and an em apart.
    void scoreCaptionsAtEveryCount_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("digits"); // of the counts; 1: one wrong answer, 0: none
        for (const char *name : {"Form2", "Form4", "Form3", "Form6", "Form8"}) {
            QTest::addRow("%s, as first shown", name) << QString::fromLatin1(name) << 0;
            QTest::addRow("%s, wrong first answer", name) << QString::fromLatin1(name) << 1;
            QTest::addRow("%s, two-digit counts", name) << QString::fromLatin1(name) << 2;
            QTest::addRow("%s, three-digit counts", name) << QString::fromLatin1(name) << 3;
        }
    }
    void scoreCaptionsAtEveryCount()
    {
        QFETCH(QString, window);
        QFETCH(int, digits);
        // The same question throughout: 990000÷1000= (write), 99000÷10= (choose), 990000÷10=990000 (judge).
        forms::Form *w = nullptr;
        std::function<void(bool)> answer;
        if (window == QStringLiteral("Form2")) {
            auto *d = pupil->open<halvery::Form2>("Label2", repeated(question(5, 99, 9), 300));
            w = d;
            answer = [d](bool right) {
                formstest::type(control<QWidget>(d, "Text1"), right ? "990" : "1");
                formstest::press(control<QWidget>(d, "Text1"), Qt::Key_Return);
            };
        } else if (window == QStringLiteral("Form4")) {
            auto *d = pupil->open<halvery::Form4>("Label3", repeated(question(4, 99, 9), 300));
            w = d;
            answer = [d](bool right) {
                formstest::click(control<QPushButton>(d, right ? "Command2" : "Command1"));
            };
        } else if (window == QStringLiteral("Form3")) {
            auto *d = pupil->open<halvery::Form3>("Label4", repeated(statement(7, 99, Shown::TenTimesLarger, 9), 300));
            w = d;
            answer = [d](bool right) { clickLabel(d, right ? "Label8" : "Label7"); };
        } else if (window == QStringLiteral("Form6")) {
            auto *d = openFromList<halvery::Form6>(*pupil, "Command2");
            w = d;
            answer = [d](bool right) {
                const halvery::RemainderProblem p = d->problem();
                formstest::type(control<QWidget>(d, "Text1"), QString::number(p.quotient + (right ? 0 : 1)));
                formstest::type(control<QWidget>(d, "Text2"), QString::number(p.remainder));
                formstest::press(control<QWidget>(d, "Text2"), Qt::Key_Return);
            };
        }
        if (w) {
            // Wrong answers first, then right ones: 115 and 105 of 220, 14 and 10 of 24.
            const int answers[] = {0, 1, 24, 220}, wrongFirst[] = {0, 1, 14, 115};
            for (int i = 0; i < answers[digits]; ++i) {
                if (i > 0)
                    forms::testing::advance(2500);
                answer(i >= wrongFirst[digits]);
            }
            const QString right = QString::number(answers[digits] - wrongFirst[digits]);
            QVERIFY(w->findChild<forms::Label *>(QStringLiteral("Label4"))->text().endsWith(right));
        } else {
            // The step drill: a problem, ten or a hundred, each with four wrong
            // entries before the right steps; the first problem with one wrong entry alone.
            auto *d = openFromList<halvery::Form8>(*pupil, "Command3");
            w = d;
            const int problems[] = {0, 1, 10, 100};
            for (int i = 0; i < problems[digits]; ++i) {
                formstest::click(control<QPushButton>(d, "Comq"));
                forms::testing::advance(100);
                const halvery::RemainderProblem p = d->problem();
                for (int k = 0; k < (digits == 1 ? 1 : 4); ++k) {
                    formstest::type(control<forms::TextBox>(d, "Txtnatj1"), QString::number(p.quotient + 1));
                    formstest::click(control<QPushButton>(d, "enter1"));
                }
                if (digits == 1)
                    break;
                const long long values[] = {p.quotient, p.quotient * p.divisor, p.remainder};
                for (int step = 1; step <= 3; ++step) {
                    const QByteArray b = "Txtnatj" + QByteArray::number(step);
                    const QByteArray e = "enter" + QByteArray::number(step);
                    formstest::type(control<forms::TextBox>(d, b.constData()), QString::number(values[step - 1]));
                    formstest::click(control<QPushButton>(d, e.constData()));
                }
                forms::testing::advance(3000);
            }
            QCOMPARE(d->scoreBoard().wrong(), digits == 1 ? 1 : 4 * problems[digits]);
        }
        QCOMPARE(caption(w, "Label9"), digits ? QStringLiteral("راسب ، لماذا ؟ ") : QStringLiteral("التقدير"));
        checkScoreCaptions(w);
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
