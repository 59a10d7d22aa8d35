#include <QTest>

#include "forms/numbers.h"

using namespace forms;

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void readsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letter") << "a" << 0.0;
        QTest::newRow("digits") << "347" << 347.0;
        QTest::newRow("leading zero") << "052" << 52.0;
        QTest::newRow("blanks anywhere") << " 1 2 3" << 123.0;
        QTest::newRow("stops at a letter") << "12a4" << 12.0;
        QTest::newRow("decimal point") << "3.25" << 3.25;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2;
        QTest::newRow("negative") << "-7" << -7.0;
        QTest::newRow("blank then empty joins") << " " << 0.0;
        QTest::newRow("plus sign") << "+ 4" << 4.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("second sign ends it") << "--4" << 0.0;
        QTest::newRow("sign after a digit ends it") << "4-2" << 4.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("negative point first") << "- .5" << -0.5;
        QTest::newRow("point last") << "7." << 7.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("tab skipped") << "1\t2" << 12.0;
        QTest::newRow("comma ends it") << "0,7" << 0.0;
        QTest::newRow("forty digits") << QString(40, QLatin1Char('9')) << 1e40;
        QTest::newRow("too long for a double") << QString(400, QLatin1Char('9')) << 0.0;
    }
    void readsText()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(numberFromText(text), value);
    }

    void writesText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("blankLed");
        QTest::newRow("zero") << 0.0 << "0" << " 0";
        QTest::newRow("whole") << 347.0 << "347" << " 347";
        QTest::newRow("negative") << -3.0 << "-3" << "-3";
        QTest::newRow("large, no separators") << 1234567.0 << "1234567" << " 1234567";
        QTest::newRow("decimal") << 0.25 << "0.25" << " 0.25";
        QTest::newRow("decimal sum") << (0.1 + 0.2) << "0.3" << " 0.3";
    }
    void writesText()
    {
        QFETCH(double, value);
        QFETCH(QString, plain);
        QFETCH(QString, blankLed);
        QCOMPARE(numberText(value), plain);
        QCOMPARE(blankLedText(value), blankLed);
    }

    void roundsHalvesToEven()
    {
        QCOMPARE(roundHalfEven(0.5), 0LL);
        QCOMPARE(roundHalfEven(1.5), 2LL);
        QCOMPARE(roundHalfEven(2.5), 2LL);
        QCOMPARE(roundHalfEven(-2.5), -2LL);
        QCOMPARE(roundHalfEven(2.6), 3LL);
    }

    void dividesWholeNumbers()
    {
        QCOMPARE(wholeDivide(847, 4), 211LL);
        QCOMPARE(wholeDivide(-7, 2), -3LL);
        QCOMPARE(wholeDivide(7.5, 2), 4LL); // 7.5 rounds to 8 first
        QCOMPARE(wholeDivide(5, 0), 0LL);   // never a crash
    }

    void lastCharacters()
    {
        QCOMPARE(lastChars(QStringLiteral(" 347"), 1), QStringLiteral("7"));
        QCOMPARE(lastChars(QStringLiteral(" 347"), 4), QStringLiteral(" 347"));
        QCOMPARE(lastChars(QStringLiteral(" 7"), 3), QStringLiteral(" 7"));
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "numbers_test.moc"
