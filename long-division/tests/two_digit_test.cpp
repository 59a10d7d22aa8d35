#include <QTest>

#include "worksheet_driver.h"

class TwoDigitTest : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TwoDigitTest)
#include "two_digit_test.moc"
