// SPDX-License-Identifier: MIT
// The level odds, written out independently of the engine: one row of band bounds per level along the
// chain "4down" … "1234" (−1 switches a kind off), the last row serving levels 10 and up.
#pragma once

#include <array>
#include <string_view>

namespace quadrelle::test {

inline constexpr std::array<std::string_view, 17> kChainTexts = {
    "4down",   "3up", "3down", "3updown", "2up", "2down", "2updown", "1up", "1down",
    "1updown", "0up", "4",     "3",       "2",   "1",     "0",       "1234"};

struct LevelOdds {
    int level;
    std::array<int, 17> bounds;
    int total;
};

inline constexpr std::array<LevelOdds, 10> kLevelOdds = {{
    {1, {20, 30, 40, -1, 50, 60, -1, 70, 80, -1, 100, 103, 106, 109, 112, 115, -1}, 115},
    {2, {20, 30, 40, -1, 50, 60, -1, 70, 80, -1, 100, 106, 112, 118, 124, 130, -1}, 130},
    {3, {20, 30, 40, 42, 52, 62, 74, 84, 94, 96, 116, 124, 132, 140, 148, 156, -1}, 156},
    {4, {23, 33, 43, 46, 56, 66, 69, 79, 89, 92, 115, 125, 135, 145, 155, 165, 168}, 168},
    {5, {19, 27, 35, 38, 46, 54, 57, 65, 73, 76, 95, 105, 115, 125, 135, 145, 148}, 148},
    {6, {17, 23, 30, 34, 41, 48, 52, 59, 66, 70, 87, 97, 107, 117, 127, 137, 140}, 140},
    {7, {15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 75, 85, 95, 105, 115, 125, 128}, 128},
    {8, {13, 17, 21, 26, 30, 34, 39, 43, 47, 52, 64, 74, 84, 94, 104, 114, 117}, 117},
    {9, {11, 14, 17, 22, 25, 28, 33, 36, 39, 44, 55, 65, 75, 85, 95, 105, 108}, 108},
    {10, {9, 11, 13, 18, 20, 22, 27, 29, 31, 33, 42, 52, 62, 72, 82, 92, 95}, 95},
}};

} // namespace quadrelle::test
