// Reading the sound clips back for the tests.
#include "WaveReader.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace assettest {
namespace {

std::uint32_t le(const QByteArray& bytes, int offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | std::uint8_t(bytes[offset + i]);
    return value;
}

bool hasTag(const QByteArray& bytes, int offset, const char* tag) {
    return bytes.mid(offset, 4) == tag;
}

} // namespace

std::optional<WaveClip> readWave(const QByteArray& bytes) {
    constexpr int headerSize = 44;
    if (bytes.size() < headerSize || !hasTag(bytes, 0, "RIFF") || !hasTag(bytes, 8, "WAVE") ||
        !hasTag(bytes, 12, "fmt ") || le(bytes, 16, 4) != 16 || !hasTag(bytes, 36, "data"))
        return std::nullopt;
    WaveClip clip;
    clip.riffSize = le(bytes, 4, 4);
    clip.format = std::uint16_t(le(bytes, 20, 2));
    clip.channels = std::uint16_t(le(bytes, 22, 2));
    clip.sampleRate = le(bytes, 24, 4);
    clip.byteRate = le(bytes, 28, 4);
    clip.blockAlign = std::uint16_t(le(bytes, 32, 2));
    clip.bitsPerSample = std::uint16_t(le(bytes, 34, 2));
    clip.dataSize = le(bytes, 40, 4);
    if (bytes.size() < headerSize + qsizetype(clip.dataSize)) return std::nullopt;
    for (std::uint32_t i = 0; i < clip.dataSize; ++i)
        clip.samples.push_back(int(std::uint8_t(bytes[headerSize + int(i)])) - 128);
    clip.trailer = bytes.mid(headerSize + qsizetype(clip.dataSize));
    return clip;
}

double rms(const std::vector<int>& samples, int from, int to) {
    double sum = 0;
    for (int i = from; i < to; ++i)
        sum += double(samples[i]) * samples[i];
    return to > from ? std::sqrt(sum / (to - from)) : 0;
}

int peak(const std::vector<int>& samples, int from, int to) {
    int loudest = 0;
    for (int i = from; i < to; ++i)
        loudest = std::max(loudest, std::abs(samples[i]));
    return loudest;
}

int zeroCrossings(const std::vector<int>& samples, int from, int to) {
    int crossings = 0;
    for (int i = from + 1; i < to; ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
    return crossings;
}

} // namespace assettest
