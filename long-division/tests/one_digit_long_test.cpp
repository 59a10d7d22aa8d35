#include <QTest>

#include "worksheet_driver.h"

class OneDigitLongTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(OneDigitLongTest)
#include "one_digit_long_test.moc"
