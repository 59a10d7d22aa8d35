// A started program looks its fonts up among the stand-ins alone: each design
// font still finds its own, and they draw every kind of character the windows show.
#include <QApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QTest>
#include <QTextLayout>

#include "forms/app.h"
#include "forms/fonts.h"

using namespace forms;

class FontsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialize(*qobject_cast<QApplication *>(qApp), QStringLiteral("Fonts")); }

    void everyCharacterHasAGlyph_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("text");
        const char *designs[] = {"Arial", "MS Sans Serif", "Arabic Transparent", "Akhbar MT", "Monotype Koufi", "SC_OUHOD"};
        const QString texts[] = {
            QStringLiteral("اختر الاجابة الصحيحة مما يلي: 0.98 × 10 = 9.8"),
            QStringLiteral("القسمة على عدد مكون من 3 أرقام ÷ 1000 - 5 + 2"),
            QStringLiteral("هل تريد الخروج من البرنامج ؟ نعم، لا"),
            QStringLiteral("Daskin 1.0 (c) /usr/share"),
        };
        for (const char *design : designs)
            for (int i = 0; i < int(std::size(texts)); ++i)
                QTest::addRow("%s %d", design, i) << QString::fromLatin1(design) << texts[i];
    }
    void everyCharacterHasAGlyph()
    {
        QFETCH(QString, design);
        QFETCH(QString, text);
        const QFont font = designFont(design, 12);
        QCOMPARE(QFontInfo(font).family(), fontFamiliesFor(design).first());
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns())
            for (quint32 glyph : run.glyphIndexes())
                QVERIFY2(glyph != 0, qPrintable(run.rawFont().familyName() + QStringLiteral(" has no glyph in ") + text));
    }
};

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
