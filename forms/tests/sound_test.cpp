// The blocking sound player: it returns when the sound has ended, at once
// when there is nothing it can play, and never writes to standard error.
#include <QDir>
#include <QScopeGuard>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "forms/sound.h"

#include <alsa/asoundlib.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

// A mono 16-bit wave file of a tone.
void writeWave(const QString &path, int ms)
{
    const int rate = 8000, frames = rate * ms / 1000;
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const qint16 v = qint16(8000 * std::sin(i * 0.3));
        data.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
    }
    auto le32 = [](quint32 v) {
        const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        return QByteArray(b, 4);
    };
    auto le16 = [](quint16 v) {
        const char b[2] = {char(v), char(v >> 8)};
        return QByteArray(b, 2);
    };
    QByteArray wav = "RIFF" + le32(36 + quint32(data.size())) + "WAVEfmt " + le32(16) + le16(1) + le16(1)
        + le32(rate) + le32(rate * 2) + le16(2) + le16(16) + "data" + le32(quint32(data.size())) + data;
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(wav);
}

// Runs the player with standard error sent to a file; returns what it wrote.
QByteArray stderrOf(const std::function<void()> &run)
{
    QTemporaryDir dir;
    const QByteArray file = QFile::encodeName(dir.filePath(QStringLiteral("stderr")));
    std::fflush(stderr);
    const int saved = dup(2);
    FILE *out = std::fopen(file.constData(), "w");
    dup2(fileno(out), 2);
    run();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::fclose(out);
    QFile f(QString::fromLocal8Bit(file));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    void nothingPlayableReturnsAtOnceAndQuietly_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a sound") << QByteArray("this is no wave file, only text");
        QTest::newRow("empty file") << QByteArray("");
    }
    void nothingPlayableReturnsAtOnceAndQuietly()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("صوت ما/yes.wav"));
        if (!content.isNull()) {
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("صوت ما")));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QElapsedTimer t;
        t.start();
        const QByteArray err = stderrOf([&] { forms::playSound(path); });
        QVERIFY2(t.elapsed() < 500, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(err, QByteArray());
        QCOMPARE(forms::soundLengthMs(path), -1);
    }

    void aSoundEndsWithinItsLengthAndASecond()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("مجلد فيه فراغ/no.wav"));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("مجلد فيه فراغ")));
        writeWave(path, 300);
        QCOMPARE(forms::soundLengthMs(path), 300);
        QElapsedTimer t;
        t.start();
        const QByteArray err = stderrOf([&] { forms::playSound(path); });
        QVERIFY2(t.elapsed() < 1300 + 200, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(err, QByteArray());
    }

    // A device that takes the data at once (ALSA's null device) still holds
    // the call for the sound's length.
    void aSoundLastsItsLengthOnADeviceThatDoesNotPace()
    {
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("asound.conf"));
        QFile f(config);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("pcm.!default { type null }\n");
        f.close();
        const QByteArray saved = qgetenv("ALSA_CONFIG_PATH");
        const bool had = qEnvironmentVariableIsSet("ALSA_CONFIG_PATH");
        qputenv("ALSA_CONFIG_PATH", QFile::encodeName(config));
        auto restore = qScopeGuard([&] {
            if (had)
                qputenv("ALSA_CONFIG_PATH", saved);
            else
                qunsetenv("ALSA_CONFIG_PATH");
            snd_config_update_free_global();
        });
        snd_config_update_free_global();
        snd_pcm_t *pcm = nullptr;
        QCOMPARE(snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK), 0);
        QCOMPARE(snd_pcm_type(pcm), SND_PCM_TYPE_NULL);
        snd_pcm_close(pcm);

        const QString path = QString::fromUtf8(SUITE_SOURCE_DIR) + QStringLiteral("/assets/sound/yes.wav");
        const int length = forms::soundLengthMs(path);
        QVERIFY(length > 100);
        QElapsedTimer t;
        t.start();
        const QByteArray err = stderrOf([&] { forms::playSound(path); });
        const qint64 took = t.elapsed();
        QVERIFY2(took >= length && took <= length + 1000,
                 qPrintable(QStringLiteral("%1 ms for %2 ms").arg(took).arg(length)));
        QCOMPARE(err, QByteArray());
    }

    void theProgramsSoundsAreShort_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("yes") << "yes.wav";
        QTest::newRow("no") << "no.wav";
    }
    void theProgramsSoundsAreShort()
    {
        QFETCH(QString, file);
        const int ms = forms::soundLengthMs(QString::fromUtf8(SUITE_SOURCE_DIR) + "/assets/sound/" + file);
        QVERIFY2(ms > 100 && ms < 1000, qPrintable(QString::number(ms)));
    }

    void theHookGetsThePathAndNothingPlays()
    {
        QStringList paths;
        forms::testing::setSoundHook([&](const QString &p) { paths << p; });
        forms::playSound(QStringLiteral("/suite/sound/yes.wav"));
        forms::testing::setSoundHook(nullptr);
        QCOMPARE(paths, QStringList{"/suite/sound/yes.wav"});
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
