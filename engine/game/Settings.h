// SPDX-License-Identifier: MIT
// The two settings that outlive a run: the high score and the start level.
#pragma once

#include <cstdint>

namespace quadrelle {

inline constexpr int kMinStartLevel = 1;
inline constexpr int kMaxStartLevel = 9;
// A stored high score above this is not one the game can have written.
inline constexpr std::int64_t kMaxStoredHighScore = 999'999'999'999;

struct Settings {
    std::int64_t highScore = 0;
    int startLevel = kMinStartLevel;

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace quadrelle
