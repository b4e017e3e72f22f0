// SPDX-License-Identifier: MIT
// Reading the clips: the format and samples of a WAVE file, odd-sized chunks skipped, and
// files that are not 8- or 16-bit PCM refused; and both clips of the game readable.
#include <QFile>
#include <QTest>

#include "platform/Resources.h"
#include "sound/SoundClips.h"
#include "sound/WaveClip.h"

using namespace quadrelle::app;

namespace {

QByteArray le32(quint32 v) {
    return QByteArray(reinterpret_cast<const char*>(&v), 4);
}
QByteArray le16(quint16 v) {
    return QByteArray(reinterpret_cast<const char*>(&v), 2);
}

QByteArray wave(quint16 formatTag, quint16 bits, const QByteArray& samples,
                const QByteArray& extraChunk = {}) {
    const QByteArray fmt =
        le16(formatTag) + le16(1) + le32(11025) + le32(11025 * bits / 8) + le16(bits / 8) + le16(bits);
    QByteArray body =
        "WAVE" + extraChunk + "fmt " + le32(16) + fmt + "data" + le32(quint32(samples.size())) + samples;
    return "RIFF" + le32(quint32(body.size())) + body;
}

} // namespace

class WaveClipTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheFormatAndSamplesOfAnEightBitClip() {
        const auto clip = parseWave(wave(1, 8, "\x80\x90\x70"));
        QVERIFY(clip);
        QCOMPARE(clip->format.sampleRate, 11025);
        QCOMPARE(clip->format.channels, 1);
        QCOMPARE(clip->format.bitsPerSample, 8);
        QCOMPARE(clip->samples, QByteArray("\x80\x90\x70"));
    }

    void skipsOtherChunksWithTheirPadding() {
        const QByteArray list = QByteArray("LIST") + le32(3) + "abc" + '\0';
        const auto clip = parseWave(wave(1, 16, QByteArray(4, '\1'), list));
        QVERIFY(clip);
        QCOMPARE(clip->format.bitsPerSample, 16);
        QCOMPARE(clip->samples.size(), 4);
    }

    void refusesWhatItCannotPlay() {
        QVERIFY(!parseWave("not a wave file"));
        QVERIFY(!parseWave(wave(3, 32, QByteArray(8, '\0')))); // floating point
        QVERIFY(!parseWave(wave(1, 8, "abc").chopped(2)));     // data chunk cut short
    }

    void widensEightBitSamplesAroundSilenceAtZero_data() {
        QTest::addColumn<QByteArray>("samples");
        QTest::addColumn<QList<qint16>>("wide");
        QTest::newRow("silence, louder, quieter")
            << QByteArray("\x80\x90\x70") << QList<qint16>{0, 4096, -4096};
        QTest::newRow("the extremes") << QByteArray("\x00\xff", 2) << QList<qint16>{-32768, 32512};
    }

    void widensEightBitSamplesAroundSilenceAtZero() {
        QFETCH(QByteArray, samples);
        QFETCH(QList<qint16>, wide);
        const WaveClip clip = withSixteenBitSamples(*parseWave(wave(1, 8, samples)));
        QCOMPARE(clip.format.bitsPerSample, 16);
        QCOMPARE(clip.format.blockAlign, 2);
        QCOMPARE(clip.format.byteRate, 2 * 11025);
        QCOMPARE(QList<qint16>(reinterpret_cast<const qint16*>(clip.samples.constData()),
                               reinterpret_cast<const qint16*>(clip.samples.constData()) + wide.size()),
                 wide);
        QCOMPARE(clip.samples.size(), 2 * samples.size());
    }

    void bothClipsOfTheGameAreReadable() {
        if (!registerResources()) QSKIP("built without the assets");
        for (int n = 0; n < kClipCount; ++n) {
            QFile file(clipResourcePath(n));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const auto clip = parseWave(file.readAll());
            QVERIFY(clip);
            QCOMPARE(clip->format.sampleRate, 11025);
            QVERIFY(clip->samples.size() > 1000);
        }
    }
};

QTEST_GUILESS_MAIN(WaveClipTest)
#include "WaveClipTest.moc"
