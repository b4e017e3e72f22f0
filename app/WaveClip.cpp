// Reading the "fmt " and "data" chunks of a RIFF WAVE file.
#include "WaveClip.h"

#include <QtEndian>

namespace quadrelle::app {

namespace {

constexpr quint16 kPcm = 1;

// Bytes past the end read as zero.
template <typename T>
T numberAt(const QByteArray& bytes, qsizetype at) {
    if (at < 0 || at + qsizetype(sizeof(T)) > bytes.size()) return 0;
    return qFromLittleEndian<T>(bytes.constData() + at);
}

quint16 u16At(const QByteArray& bytes, qsizetype at) { return numberAt<quint16>(bytes, at); }
quint32 u32At(const QByteArray& bytes, qsizetype at) { return numberAt<quint32>(bytes, at); }

} // namespace

std::optional<WaveClip> parseWave(const QByteArray& file) {
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return std::nullopt;
    std::optional<QAudioFormat> format;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = u32At(file, at + 4);
        const qsizetype body = at + 8;
        if (size > file.size() - body) return std::nullopt;
        if (id == "fmt " && size >= 16) {
            const quint16 bits = u16At(file, body + 14);
            if (u16At(file, body) != kPcm || (bits != 8 && bits != 16)) return std::nullopt;
            QAudioFormat parsed;
            parsed.setChannelCount(u16At(file, body + 2));
            parsed.setSampleRate(static_cast<int>(u32At(file, body + 4)));
            parsed.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
            format = parsed;
        } else if (id == "data" && format) {
            return WaveClip{*format, file.mid(body, size)};
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace quadrelle::app
