#include <QRegularExpression>
#include <QTest>

#include "questions.h"

using namespace mirrane;

Q_DECLARE_METATYPE(drills::AnswerMode)

namespace {
QStringList texts(const std::array<Decimal, 3> &values)
{
    return {values[0].text(), values[1].text(), values[2].text()};
}
} // namespace

class QuestionsTest : public QObject {
    Q_OBJECT
private slots:
    void asksExactly_data()
    {
        QTest::addColumn<AnswerMode>("drill");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("first");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("product");
        // In double precision x ÷ D × m gives 110.00000000000001, 3.5000000000000004, ...
        QTest::newRow("write 1, 11") << AnswerMode::Write << 1 << 11 << false << "1.1×100=" << "110";
        QTest::newRow("write 1, 81") << AnswerMode::Write << 1 << 81 << false << "8.1×100=" << "810";
        QTest::newRow("write 2, 7") << AnswerMode::Write << 2 << 7 << false << "0.07×10=" << "0.7";
        QTest::newRow("write 3, 35") << AnswerMode::Write << 3 << 35 << false << "0.035×100=" << "3.5";
        QTest::newRow("write 4, 35 first") << AnswerMode::Write << 4 << 35 << true << "0.035×10=" << "0.35";
        QTest::newRow("write 4, 35 later") << AnswerMode::Write << 4 << 35 << false << "0.35×100=" << "35";
        QTest::newRow("write 5, 99") << AnswerMode::Write << 5 << 99 << false << "9.9×1000=" << "9900";
        QTest::newRow("choose 3, 7") << AnswerMode::Choose << 3 << 7 << false << "0.007×100=" << "0.7";
        QTest::newRow("choose 4, 35") << AnswerMode::Choose << 4 << 35 << true << "0.035×1000=" << "35";
        QTest::newRow("right-or-wrong 7, 1") << AnswerMode::Judge << 7 << 1 << false << "0.001×10=" << "0.01";
        QTest::newRow("right-or-wrong 3, 35") << AnswerMode::Judge << 3 << 35 << false << "0.35×100=" << "35";
    }
    void asksExactly()
    {
        QFETCH(AnswerMode, drill);
        QFETCH(int, k);
        QFETCH(int, x);
        QFETCH(bool, first);
        QFETCH(QString, question);
        QFETCH(QString, product);
        const Question q = mirrane::question(drill, k, x, first);
        QCOMPARE(q.text(), question);
        QCOMPARE(q.product.text(), product);
    }

    void offersDecoys_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("x");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("kind 0") << 0 << 3 << QStringList{"30", "3", "0.3"};
        QTest::newRow("kind 1") << 1 << 23 << QStringList{"2300", "23", "230"};
        QTest::newRow("kind 2") << 2 << 45 << QStringList{"45", "450", "4.5"};
        QTest::newRow("kind 3") << 3 << 7 << QStringList{"0.7", "7", "0.07"};
        QTest::newRow("kind 4") << 4 << 99 << QStringList{"9900", "99", "990"};
        QTest::newRow("kind 5") << 5 << 1 << QStringList{"0.1", "100", "10"};
    }
    void offersDecoys()
    {
        QFETCH(int, k);
        QFETCH(int, x);
        QFETCH(QStringList, captions);
        QCOMPARE(texts(decoyAnswers(k, question(AnswerMode::Choose, k, x, false).product)), captions);
    }

    void statesRightOrWrong()
    {
        const Decimal p = question(AnswerMode::Judge, 7, 1, false).product;
        QCOMPARE(statement(p, 0).shown.text(), QStringLiteral("0.01"));
        QVERIFY(statement(p, 0).truth);
        QCOMPARE(statement(p, 1).shown.text(), QStringLiteral("0.1"));
        QVERIFY(!statement(p, 1).truth);
        QCOMPARE(statement(p, 2).shown.text(), QStringLiteral("0.001"));
        QVERIFY(!statement(p, 2).truth);
    }

    void judgesTypedAnswers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("plain") << "0.7" << true;
        QTest::newRow("point first") << ".7" << true;
        QTest::newRow("trailing zero") << "0.70" << true;
        QTest::newRow("blanks inside") << " 0 . 7" << true;
        QTest::newRow("letters after") << "0.7abc" << true;
        QTest::newRow("comma") << "0,7" << false;
        QTest::newRow("a tenth of it") << "0.07" << false;
        QTest::newRow("ten times it") << "7" << false;
        QTest::newRow("binary noise") << "0.7000000000000001" << false;
        QTest::newRow("empty") << "" << false;
    }
    void judgesTypedAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QCOMPARE(isRightAnswer(typed, question(AnswerMode::Write, 2, 7, false).product), right);
    }

    // Every value a window can show, for every kind and x.
    void everyValueIsPlainAndInRange()
    {
        const Decimal low = Decimal::fromThousandths(1), high = Decimal::fromThousandths(9900000);
        // No leading point, no trailing zero, at most three places.
        const QRegularExpression plain(QStringLiteral("^(0|[1-9][0-9]*)(\\.[0-9]{0,2}[1-9])?$"));
        for (AnswerMode drill : {AnswerMode::Write, AnswerMode::Choose, AnswerMode::Judge}) {
            for (int k = 0; k < kindCount(drill); ++k) {
                for (bool first : {true, false}) {
                    for (int x = 1; x < kind(drill, k, first).rangeX; ++x) {
                        const Question q = question(drill, k, x, first);
                        QList<Decimal> shown{q.multiplicand, q.product};
                        if (drill == AnswerMode::Choose)
                            for (Decimal d : decoyAnswers(k, q.product))
                                shown << d;
                        if (drill == AnswerMode::Judge)
                            for (int c = 0; c < 3; ++c)
                                shown << statement(q.product, c).shown;
                        for (Decimal d : shown) {
                            const QString t = d.text();
                            const QString where = QStringLiteral("%1 in %2").arg(t, q.text());
                            QVERIFY2(d >= low && d <= high, qPrintable(where));
                            QVERIFY2(plain.match(t).hasMatch(), qPrintable(where));
                            QVERIFY2(forms::decimalFromText(t) == d, qPrintable(where));
                        }
                    }
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(QuestionsTest)
#include "questions_test.moc"
