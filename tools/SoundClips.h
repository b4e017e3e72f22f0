// SPDX-License-Identifier: MIT
// The game's two sound clips, synthesised: clip 101, the fizz of a reaction, and
// clip 102, the whoosh of a single removal. Samples are 8-bit unsigned, 11025 Hz.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace assets {

inline constexpr int fizzSampleCount = 16704;
inline constexpr int whooshSampleCount = 2157;

std::vector<std::uint8_t> synthesiseFizz();
std::vector<std::uint8_t> synthesiseWhoosh();

// Writes sounds/101.wav and sounds/102.wav; returns the relative paths.
QStringList writeSoundClips(const QString& outputDir);

} // namespace assets
