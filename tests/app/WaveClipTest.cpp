// Reading the clips: the format and samples of a WAVE file, odd-sized chunks skipped, and
// files that are not 8- or 16-bit PCM refused; and both clips of the game readable.
#include <QFile>
#include <QTest>

#include "QtSoundPlayer.h"
#include "Resources.h"
#include "WaveClip.h"

using namespace quadrelle::app;

namespace {

QByteArray le32(quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); }
QByteArray le16(quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); }

QByteArray wave(quint16 formatTag, quint16 bits, const QByteArray& samples, const QByteArray& extraChunk = {}) {
    const QByteArray fmt = le16(formatTag) + le16(1) + le32(11025) + le32(11025 * bits / 8) + le16(bits / 8) + le16(bits);
    QByteArray body = "WAVE" + extraChunk + "fmt " + le32(16) + fmt + "data" + le32(quint32(samples.size())) + samples;
    return "RIFF" + le32(quint32(body.size())) + body;
}

} // namespace

class WaveClipTest : public QObject {
    Q_OBJECT

private slots:
    void readsTheFormatAndSamplesOfAnEightBitClip() {
        const auto clip = parseWave(wave(1, 8, "\x80\x90\x70"));
        QVERIFY(clip);
        QCOMPARE(clip->format.sampleRate(), 11025);
        QCOMPARE(clip->format.channelCount(), 1);
        QCOMPARE(clip->format.sampleFormat(), QAudioFormat::UInt8);
        QCOMPARE(clip->samples, QByteArray("\x80\x90\x70"));
    }

    void skipsOtherChunksWithTheirPadding() {
        const QByteArray list = QByteArray("LIST") + le32(3) + "abc" + '\0';
        const auto clip = parseWave(wave(1, 16, QByteArray(4, '\1'), list));
        QVERIFY(clip);
        QCOMPARE(clip->format.sampleFormat(), QAudioFormat::Int16);
        QCOMPARE(clip->samples.size(), 4);
    }

    void refusesWhatItCannotPlay() {
        QVERIFY(!parseWave("not a wave file"));
        QVERIFY(!parseWave(wave(3, 32, QByteArray(8, '\0')))); // floating point
        QVERIFY(!parseWave(wave(1, 8, "abc").chopped(2)));      // data chunk cut short
    }

    void bothClipsOfTheGameAreReadable() {
        if (!registerResources()) QSKIP("built without the assets");
        for (int n = 0; n < kClipCount; ++n) {
            QFile file(clipResourcePath(n));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const auto clip = parseWave(file.readAll());
            QVERIFY(clip);
            QCOMPARE(clip->format.sampleRate(), 11025);
            QVERIFY(clip->samples.size() > 1000);
        }
    }
};

QTEST_GUILESS_MAIN(WaveClipTest)
#include "WaveClipTest.moc"
