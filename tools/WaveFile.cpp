// SPDX-License-Identifier: MIT
// Packing 8-bit unsigned mono samples into a RIFF WAVE file image, little-endian
// as the format demands whatever the host's byte order.
#include "WaveFile.h"

namespace assets {
namespace {

void appendTag(QByteArray& out, const char (&tag)[5]) {
    out.append(tag, 4);
}

void appendLe16(QByteArray& out, std::uint16_t value) {
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void appendLe32(QByteArray& out, std::uint32_t value) {
    appendLe16(out, std::uint16_t(value & 0xFFFF));
    appendLe16(out, std::uint16_t(value >> 16));
}

} // namespace

QByteArray waveFileBytes(const std::vector<std::uint8_t>& samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t padSize = dataSize % 2;
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bitsPerSample = 8;
    constexpr std::uint16_t blockAlign = channels * bitsPerSample / 8;

    QByteArray out;
    appendTag(out, "RIFF");
    appendLe32(out, 4 + (8 + 16) + (8 + dataSize + padSize));
    appendTag(out, "WAVE");
    appendTag(out, "fmt ");
    appendLe32(out, 16);
    appendLe16(out, 1); // PCM
    appendLe16(out, channels);
    appendLe32(out, waveSampleRate);
    appendLe32(out, waveSampleRate * blockAlign);
    appendLe16(out, blockAlign);
    appendLe16(out, bitsPerSample);
    appendTag(out, "data");
    appendLe32(out, dataSize);
    out.append(reinterpret_cast<const char*>(samples.data()), qsizetype(dataSize));
    if (padSize != 0) out.append('\0');
    return out;
}

} // namespace assets
