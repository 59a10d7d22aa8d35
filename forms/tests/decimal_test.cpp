#include <QTest>

#include "forms/decimal.h"

#include <limits>

using namespace forms;

Q_DECLARE_METATYPE(std::optional<forms::Decimal>)

namespace {
Decimal milli(std::int64_t t) { return Decimal::fromThousandths(t); }
std::optional<Decimal> some(std::int64_t t) { return milli(t); }
} // namespace

class DecimalTest : public QObject {
    Q_OBJECT
private slots:
    void writesShortestText_data()
    {
        QTest::addColumn<qint64>("thousandths");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0";
        QTest::newRow("smallest") << qint64(1) << "0.001";
        QTest::newRow("three places") << qint64(35) << "0.035";
        QTest::newRow("two places") << qint64(350) << "0.35";
        QTest::newRow("one place") << qint64(3500) << "3.5";
        QTest::newRow("whole") << qint64(810000) << "810";
        QTest::newRow("no separators") << qint64(9900000) << "9900";
        QTest::newRow("thousand, no exponent") << qint64(1000000) << "1000";
        QTest::newRow("negative") << qint64(-2500) << "-2.5";
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "9223372036854775.807";
        QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << "-9223372036854775.808";
    }
    void writesShortestText()
    {
        QFETCH(qint64, thousandths);
        QFETCH(QString, text);
        QCOMPARE(milli(thousandths).text(), text);
    }

    void multipliesAndDividesExactly()
    {
        // In binary floating point each of these comes out a little off.
        QCOMPARE(Decimal::ratio(11, 10)->times(100), some(110000));  // 1.1 × 100
        QCOMPARE(Decimal::ratio(7, 100)->times(10), some(700));      // 0.07 × 10
        QCOMPARE(Decimal::ratio(35, 1000)->times(100), some(3500));  // 0.035 × 100
        QCOMPARE(Decimal::ratio(23, 10)->times(1000), some(2300000)); // 2.3 × 1000
        QCOMPARE(milli(3500).dividedBy(10), some(350));
        QCOMPARE(milli(3500).dividedBy(100), some(35));
        QCOMPARE(milli(1).dividedBy(10), std::nullopt);             // 0.0001 is not held
        QCOMPARE(Decimal::ratio(1, 3), std::nullopt);
        QCOMPARE(milli(5).dividedBy(0), std::nullopt);
        QCOMPARE(milli(std::numeric_limits<qint64>::min()).dividedBy(-1), std::nullopt);
        QCOMPARE(milli(std::numeric_limits<qint64>::max() / 5).times(10), std::nullopt);
        QCOMPARE(Decimal::ratio(std::numeric_limits<qint64>::max() / 100, 1), std::nullopt);
    }

    void readsExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<Decimal>>("value");
        QTest::newRow("empty") << "" << some(0);
        QTest::newRow("letters") << "abc" << some(0);
        QTest::newRow("whole") << "810" << some(810000);
        QTest::newRow("point first") << ".7" << some(700);
        QTest::newRow("trailing zero") << "0.70" << some(700);
        QTest::newRow("blanks anywhere") << " 0 . 7" << some(700);
        QTest::newRow("letters after") << "0.7abc" << some(700);
        QTest::newRow("comma ends it") << "0,7" << some(0);
        QTest::newRow("second point ends it") << "1.2.3" << some(1200);
        QTest::newRow("sign") << "- 3.5" << some(-3500);
        QTest::newRow("plus sign") << "+0.001" << some(1);
        QTest::newRow("point last") << "9." << some(9000);
        QTest::newRow("zeros past the third place") << "0.0350000000" << some(35);
        QTest::newRow("digit past the third place") << "0.7000000000000001" << std::optional<Decimal>();
        QTest::newRow("fourth place") << "0.0001" << std::optional<Decimal>();
        QTest::newRow("leading zeros, any number") << QString(300, QLatin1Char('0')) + "12" << some(12000);
        QTest::newRow("largest") << "9223372036854775.807" << some(std::numeric_limits<qint64>::max());
        QTest::newRow("just too large") << "9223372036854775.808" << std::optional<Decimal>();
        QTest::newRow("most negative") << "-9223372036854775.808" << some(std::numeric_limits<qint64>::min());
        QTest::newRow("forty digits") << QString(40, QLatin1Char('9')) << std::optional<Decimal>();
        QTest::newRow("a million digits") << QString(1000000, QLatin1Char('7')) << std::optional<Decimal>();
        QTest::newRow("long fraction of zeros") << "5." + QString(100000, QLatin1Char('0')) << some(5000);
    }
    void readsExactly()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<Decimal>, value);
        QCOMPARE(decimalFromText(text), value);
    }

    void textReadsBack()
    {
        for (std::int64_t t : {std::int64_t(1), std::int64_t(35), std::int64_t(-120), std::int64_t(9900000),
                               std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()})
            QCOMPARE(decimalFromText(milli(t).text()), some(t));
    }
};

namespace QTest {
template <> inline char *toString(const std::optional<forms::Decimal> &d)
{
    return qstrdup(d ? qPrintable(d->text()) : "nothing");
}
} // namespace QTest

QTEST_GUILESS_MAIN(DecimalTest)
#include "decimal_test.moc"
