// A sum too wide for its box, in a right-to-left window, still reads as written on one line.
#include <QApplication>
#include <QTest>

#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/geometry.h"
#include "forms/window.h"

using namespace forms;

class LabelSumTest : public QObject {
    Q_OBJECT
private slots:
    void aWideSumKeepsItsOrderOnOneLine_data()
    {
        QTest::addColumn<QString>("sum");
        QTest::newRow("statement") << QStringLiteral("0.035×1000=350");
        QTest::newRow("question") << QStringLiteral("9.9×1000=");
        QTest::newRow("division") << QStringLiteral("990000÷1000=");
    }
    void aWideSumKeepsItsOrderOnOneLine()
    {
        QFETCH(QString, sum);
        Form window;
        window.setClientSizeTwips(12000, 9000);
        const QFont font = designFont(QStringLiteral("Arabic Transparent"), 72, true);
        auto *label = new Label(&window, QStringLiteral("Label2"));
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        placeTwips(label, 3893, 2280, 4215, 1695);
        label->setCaption(sum);
        QVERIFY(!label->shrunk());

        // What a plain label shows in the same font, on one line, left to right.
        QLabel plain(sum, &window);
        plain.setFont(label->font());
        plain.setAlignment(Qt::AlignCenter);
        plain.setGeometry(label->geometry().translated(0, label->height() + 10));
        QCOMPARE(label->grab().toImage(), plain.grab().toImage());
    }
};

QTEST_MAIN(LabelSumTest)
#include "labelsum_test.moc"
