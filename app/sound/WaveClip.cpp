// SPDX-License-Identifier: MIT
// Reading the "fmt " and "data" chunks of a RIFF WAVE file.
#include "sound/WaveClip.h"

#include <QtEndian>

namespace quadrelle::app {

namespace {

constexpr quint16 kPcm = 1;

// Bytes past the end read as zero.
template <typename T> T numberAt(const QByteArray& bytes, qsizetype at) {
    if (at < 0 || at + qsizetype(sizeof(T)) > bytes.size()) return 0;
    return qFromLittleEndian<T>(bytes.constData() + at);
}

quint16 u16At(const QByteArray& bytes, qsizetype at) {
    return numberAt<quint16>(bytes, at);
}
quint32 u32At(const QByteArray& bytes, qsizetype at) {
    return numberAt<quint32>(bytes, at);
}

} // namespace

std::optional<WaveClip> parseWave(const QByteArray& file) {
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return std::nullopt;
    std::optional<WaveFormat> format;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = u32At(file, at + 4);
        const qsizetype body = at + 8;
        if (size > file.size() - body) return std::nullopt;
        if (id == "fmt " && size >= 16) {
            const quint16 bits = u16At(file, body + 14);
            if (u16At(file, body) != kPcm || (bits != 8 && bits != 16)) return std::nullopt;
            format = WaveFormat{u16At(file, body + 2), static_cast<int>(u32At(file, body + 4)), bits,
                                static_cast<int>(u32At(file, body + 8)), u16At(file, body + 12)};
        } else if (id == "data" && format) {
            return WaveClip{*format, file.mid(body, size)};
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

WaveClip withSixteenBitSamples(const WaveClip& clip) {
    if (clip.format.bitsPerSample == 16) return clip;
    WaveClip wide{clip.format, QByteArray(clip.samples.size() * 2, Qt::Uninitialized)};
    wide.format.bitsPerSample = 16;
    wide.format.byteRate = clip.format.byteRate * 2;
    wide.format.blockAlign = clip.format.blockAlign * 2;
    for (qsizetype i = 0; i < clip.samples.size(); ++i)
        qToLittleEndian<qint16>(qint16((quint8(clip.samples[i]) - 128) * 256), wide.samples.data() + 2 * i);
    return wide;
}

} // namespace quadrelle::app
