#include <QTest>

#include "worksheet_driver.h"

class ThreeDigitTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(ThreeDigitTest)
#include "three_digit_test.moc"
