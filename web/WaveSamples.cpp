// SPDX-License-Identifier: MIT
#include "WaveSamples.h"

#include <cstdint>
#include <string_view>

namespace quadrelle::web {

namespace {

std::uint32_t littleEndian(std::span<const unsigned char> bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

bool tagAt(std::span<const unsigned char> bytes, std::size_t at, std::string_view tag) {
    return bytes.size() >= at + 4 &&
           std::string_view(reinterpret_cast<const char*>(bytes.data() + at), 4) == tag;
}

} // namespace

std::optional<WaveSamples> waveSamplesOf(std::span<const unsigned char> file) {
    if (!tagAt(file, 0, "RIFF") || !tagAt(file, 8, "WAVE")) return std::nullopt;
    int channels = 0;
    int bits = 0;
    int rate = 0;
    std::span<const unsigned char> data;
    // Chunks follow one another, each padded to an even length.
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const std::size_t size = littleEndian(file, at + 4, 4);
        if (size > file.size() - at - 8) return std::nullopt;
        if (tagAt(file, at, "fmt ") && size >= 16) {
            if (littleEndian(file, at + 8, 2) != 1) return std::nullopt; // PCM only
            channels = static_cast<int>(littleEndian(file, at + 10, 2));
            rate = static_cast<int>(littleEndian(file, at + 12, 4));
            bits = static_cast<int>(littleEndian(file, at + 22, 2));
        } else if (tagAt(file, at, "data")) {
            data = file.subspan(at + 8, size);
        }
        at += 8 + size + (size % 2);
    }
    if (channels < 1 || rate <= 0 || (bits != 8 && bits != 16) || data.empty()) return std::nullopt;

    const std::size_t bytesPerSample = static_cast<std::size_t>(bits / 8);
    const std::size_t frameSize = bytesPerSample * static_cast<std::size_t>(channels);
    WaveSamples samples{rate, {}};
    samples.mono.reserve(data.size() / frameSize);
    for (std::size_t frame = 0; frame + frameSize <= data.size(); frame += frameSize) {
        float sum = 0;
        for (int channel = 0; channel < channels; ++channel) {
            const std::size_t at = frame + static_cast<std::size_t>(channel) * bytesPerSample;
            sum += bits == 8
                       ? (static_cast<float>(data[at]) - 128.0F) / 128.0F
                       : static_cast<float>(static_cast<std::int16_t>(littleEndian(data, at, 2))) / 32768.0F;
        }
        samples.mono.push_back(sum / static_cast<float>(channels));
    }
    return samples;
}

} // namespace quadrelle::web
