// SPDX-License-Identifier: MIT
// Packing 8-bit mono samples into a RIFF WAVE file image.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace assets {

inline constexpr int waveSampleRate = 11025;

// A canonical 44-byte header (RIFF, "fmt " PCM, "data") followed by the samples,
// plus the pad byte that RIFF requires after a chunk of odd size.
QByteArray waveFileBytes(const std::vector<std::uint8_t>& samples);

} // namespace assets
