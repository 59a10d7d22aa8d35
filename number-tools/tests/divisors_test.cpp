// Reading the number to search and listing its divisors, exactly.
#include <QTest>

#include "divisors.h"

using namespace daskin;

Q_DECLARE_METATYPE(std::int64_t)

class DivisorsTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheWholePartExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<bool>("tooLarge");
        QTest::addColumn<quint64>("whole");
        QTest::addColumn<bool>("fraction");
        QTest::newRow("plain") << "12" << true << false << false << quint64(12) << false;
        QTest::newRow("letters after") << "12abc" << true << false << false << quint64(12) << false;
        QTest::newRow("blanks anywhere") << " 1 2 " << true << false << false << quint64(12) << false;
        QTest::newRow("tab") << "\t12" << true << false << false << quint64(12) << false;
        QTest::newRow("leading zero") << "012" << true << false << false << quint64(12) << false;
        QTest::newRow("plus") << "+12" << true << false << false << quint64(12) << false;
        QTest::newRow("minus, blank after") << "- 12" << true << true << false << quint64(12) << false;
        QTest::newRow("zero fraction") << "12.0" << true << false << false << quint64(12) << false;
        QTest::newRow("bare point") << "12." << true << false << false << quint64(12) << false;
        QTest::newRow("fraction") << "12.5" << true << false << false << quint64(12) << true;
        QTest::newRow("blank inside the fraction") << "12.0 0 1" << true << false << false << quint64(12) << true;
        QTest::newRow("fraction only") << ".5" << true << false << false << quint64(0) << true;
        QTest::newRow("second point ends it") << "12.0.5" << true << false << false << quint64(12) << false;
        QTest::newRow("empty") << "" << false << false << false << quint64(0) << false;
        QTest::newRow("blanks") << "   " << false << false << false << quint64(0) << false;
        QTest::newRow("point alone") << "." << false << false << false << quint64(0) << false;
        QTest::newRow("letters first") << "abc12" << false << false << false << quint64(0) << false;
        QTest::newRow("two signs") << "+-12" << false << false << false << quint64(0) << false;
        QTest::newRow("Arabic-Indic digits are no number") << "١٢" << false << false << false << quint64(0) << false;
        QTest::newRow("largest searched") << "999999999999999" << true << false << false << quint64(999999999999999)
                                          << false;
        QTest::newRow("many leading zeros") << "0000000000000000000000012" << true << false << false << quint64(12)
                                            << false;
        QTest::newRow("16 digits") << "1000000000000000" << true << false << true << quint64(0) << false;
        QTest::newRow("past 2^53") << "9007199254740993" << true << false << true << quint64(0) << false;
        QTest::newRow("past 2^64") << "18446744073709551617" << true << false << true << quint64(0) << false;
        QTest::newRow("400 digits") << QString(400, QLatin1Char('9')) << true << false << true << quint64(0) << false;
    }
    void readsTheWholePartExactly()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(bool, negative);
        QFETCH(bool, tooLarge);
        QFETCH(quint64, whole);
        QFETCH(bool, fraction);
        const WholeReading r = readWhole(text);
        QCOMPARE(r.number, number);
        QCOMPARE(r.negative, negative);
        QCOMPARE(r.tooLarge, tooLarge);
        QCOMPARE(quint64(r.whole), whole);
        QCOMPARE(r.fraction, fraction);
    }

    void searchesOnlyWholeNumbersInRange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("searched"); // 0: nothing
        QTest::newRow("12") << "12" << qint64(12);
        QTest::newRow("12.0") << "12.0" << qint64(12);
        QTest::newRow("largest") << "999 999 999 999 999" << qint64(999999999999999);
        QTest::newRow("zero") << "0" << qint64(0);
        QTest::newRow("zero point five") << "0.5" << qint64(0);
        QTest::newRow("negative") << "-12" << qint64(0);
        QTest::newRow("negative zero") << "-0" << qint64(0);
        QTest::newRow("fraction") << "12.5" << qint64(0);
        QTest::newRow("one past the largest") << "1000000000000000" << qint64(0);
        QTest::newRow("no number") << "abc" << qint64(0);
    }
    void searchesOnlyWholeNumbersInRange()
    {
        QFETCH(QString, text);
        QFETCH(qint64, searched);
        const auto n = numberToSearch(text);
        QCOMPARE(n.has_value(), searched != 0);
        if (n)
            QCOMPARE(qint64(*n), searched);
    }

    void listsEveryDivisorAscending_data()
    {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<int>("count");
        QTest::newRow("1") << qint64(1) << 1;
        QTest::newRow("prime 7") << qint64(7) << 2;
        QTest::newRow("square 16") << qint64(16) << 5;
        QTest::newRow("square 36") << qint64(36) << 9;
        QTest::newRow("2^16") << qint64(65536) << 17;
        QTest::newRow("2^32") << qint64(4294967296) << 33;
        QTest::newRow("2^31 - 1, prime") << qint64(2147483647) << 2;
        QTest::newRow("999999999999") << qint64(999999999999) << 256;
        QTest::newRow("largest prime searched") << qint64(999999999999989) << 2;
        QTest::newRow("largest searched") << qint64(999999999999999) << 128;
    }
    void listsEveryDivisorAscending()
    {
        QFETCH(qint64, n);
        QFETCH(int, count);
        const std::vector<std::int64_t> d = divisorsOf(n);
        QCOMPARE(int(d.size()), count);
        QCOMPARE(d.front(), std::int64_t(1));
        QCOMPARE(d.back(), std::int64_t(n));
        for (std::size_t k = 0; k < d.size(); ++k) {
            QCOMPARE(n % d[k], std::int64_t(0));
            if (k > 0)
                QVERIFY(d[k - 1] < d[k]);
            QCOMPARE(d[k] * d[d.size() - 1 - k], std::int64_t(n)); // partners pair up
        }
    }

    void writesTheRunBehindSeparators()
    {
        QCOMPARE(divisorRun(12), QStringLiteral(" ، 1 ، 2 ، 3 ، 4 ، 6 ، 12"));
        QCOMPARE(divisorRun(1), QStringLiteral(" ، 1"));
        QCOMPARE(divisorRun(999999999999989), QStringLiteral(" ، 1 ، 999999999999989"));
    }
};

QTEST_MAIN(DivisorsTest)
#include "divisors_test.moc"
