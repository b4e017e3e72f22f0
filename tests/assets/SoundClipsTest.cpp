// SPDX-License-Identifier: MIT
// The two sound clips. Clip 101 is the fizz of a reaction, clip 102 the whoosh of a
// single removal; times below are in samples at 11025 per second.
#include "SoundClipsTest.h"

#include "AssetPaths.h"
#include "SampleMeasures.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

using namespace assettest;

namespace {

constexpr int rate = 11025;

int at(double seconds) {
    return int(seconds * rate);
}

QByteArray clipBytes(const QString& number) {
    QFile file(assetPath(QStringLiteral("sounds/%1.wav").arg(number)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<int> samplesOf(const QString& number) {
    const auto clip = quadrelle::app::parseWave(clipBytes(number));
    return clip ? centredSamples(*clip) : std::vector<int>();
}

quint32 u32At(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

void SoundClipsTest::headerIsCanonical_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("dataSize");
    QTest::newRow("101") << "101" << 16704;
    QTest::newRow("102") << "102" << 2157;
}

void SoundClipsTest::headerIsCanonical() {
    QFETCH(QString, number);
    QFETCH(int, dataSize);
    const QByteArray bytes = clipBytes(number);
    const auto clip = quadrelle::app::parseWave(bytes); // PCM only
    QVERIFY(clip.has_value());
    QCOMPARE(clip->format.channels, 1);
    QCOMPARE(clip->format.sampleRate, 11025);
    QCOMPARE(clip->format.byteRate, 11025);
    QCOMPARE(clip->format.blockAlign, 1);
    QCOMPARE(clip->format.bitsPerSample, 8);
    QCOMPARE(int(clip->samples.size()), dataSize);
    // The canonical 44-byte layout: "fmt " of 16 bytes, then "data" right after it.
    QCOMPARE(bytes.mid(12, 4), QByteArray("fmt "));
    QCOMPARE(u32At(bytes, 16), 16u);
    QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
    QCOMPARE(int(u32At(bytes, 40)), dataSize);
    // An odd-sized data chunk is followed by one zero pad byte, counted by RIFF.
    const QByteArray pad = dataSize % 2 ? QByteArray(1, '\0') : QByteArray();
    QCOMPARE(bytes.mid(44 + dataSize), pad);
    QCOMPARE(int(u32At(bytes, 4)), 36 + dataSize + int(pad.size()));
    QCOMPARE(int(bytes.size()), 44 + dataSize + int(pad.size()));
}

void SoundClipsTest::peaksStayQuiet_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("101 near a quarter of full scale") << "101" << 28 << 36;
    QTest::newRow("102 near a fifth of full scale") << "102" << 22 << 29;
}

void SoundClipsTest::peaksStayQuiet() {
    QFETCH(QString, number);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    const std::vector<int> samples = samplesOf(number);
    QVERIFY(!samples.empty());
    const int loudest = peak(samples, 0, int(samples.size()));
    QVERIFY2(loudest >= lowest && loudest <= highest, qPrintable(QString::number(loudest)));
}

void SoundClipsTest::fizzSwellsThenFadesToSilence() {
    const std::vector<int> s = samplesOf("101");
    QCOMPARE(int(s.size()), 16704);
    QVERIFY(peak(s, 0, at(0.02)) > 0); // no lead-in
    QCOMPARE(peak(s, at(1.2), int(s.size())), 0);
    QVERIFY(rms(s, at(0.15), at(0.25)) > 3 * rms(s, at(0.95), at(1.05)));
    // The loudest 50 ms lies around 0.2 s.
    int loudestStart = 0;
    for (int start = 0; start + at(0.05) <= int(s.size()); start += at(0.01))
        if (rms(s, start, start + at(0.05)) > rms(s, loudestStart, loudestStart + at(0.05)))
            loudestStart = start;
    QVERIFY2(loudestStart >= at(0.1) && loudestStart <= at(0.3), qPrintable(QString::number(loudestStart)));
}

// Zero crossings per second approximate the dominant frequency.
void SoundClipsTest::fizzSinksInPitch() {
    const std::vector<int> s = samplesOf("101");
    const double early = zeroCrossings(s, at(0.1), at(0.3)) / 0.2 / 2;
    const double late = zeroCrossings(s, at(0.8), at(1.0)) / 0.2 / 2;
    QVERIFY2(early > 2500 && early < 4700, qPrintable(QString::number(early)));
    QVERIFY2(late < early * 0.75, qPrintable(QString::number(late)));
}

void SoundClipsTest::whooshWaitsThenGrowsToTheEnd() {
    const std::vector<int> s = samplesOf("102");
    const int size = int(s.size());
    const int window = 220; // 20 ms
    QCOMPARE(size, 2157);
    QCOMPARE(peak(s, 0, window), 0);
    QVERIFY(peak(s, window, 2 * window) > 0);
    const double last = rms(s, size - window, size);
    for (int start = 0; start + window < size; start += window / 4)
        QVERIFY(rms(s, start, start + window) < last);
    QCOMPARE(peak(s, size - window, size), peak(s, 0, size));
    // Cut off, not faded: the last few milliseconds are still loud.
    QVERIFY(rms(s, size - 22, size) > last / 2);
}

void SoundClipsTest::whooshSinksInPitch() {
    const std::vector<int> s = samplesOf("102");
    const int size = int(s.size());
    const double early = zeroCrossings(s, 700, 1100) / (400.0 / rate) / 2;
    const double late = zeroCrossings(s, size - 400, size) / (400.0 / rate) / 2;
    QVERIFY2(late < early * 0.6, qPrintable(QStringLiteral("%1 then %2").arg(early).arg(late)));
    QVERIFY2(late < 1000, qPrintable(QString::number(late)));
}
