// SPDX-License-Identifier: MIT
// Reading and writing the high score, the start level and the options.
#include "StoredSettings.h"

#include "screen/Captions.h"
#include "settings/WholeNumber.h"

namespace quadrelle::play {

namespace {

std::string_view textAt(const StoredTexts& texts, const char* key) {
    const auto found = texts.find(key);
    return found == texts.end() ? std::string_view() : std::string_view(found->second);
}

// Anything but the two words keeps the default.
bool flagAt(const StoredTexts& texts, const char* key, bool fallback) {
    const std::string_view text = textAt(texts, key);
    if (text == "true") return true;
    if (text == "false") return false;
    return fallback;
}

const char* textOf(bool flag) {
    return flag ? "true" : "false";
}

} // namespace

std::optional<std::int64_t> parseHighScore(std::string_view text) {
    const auto value = wholeNumberOf<std::int64_t>(text);
    if (!value || *value < 0 || *value > kMaxStoredHighScore) return std::nullopt;
    return value;
}

std::optional<int> parseStartLevel(std::string_view text) {
    const auto value = wholeNumberOf<std::int64_t>(text);
    if (!value || *value < kMinStartLevel || *value > kMaxStartLevel) return std::nullopt;
    return static_cast<int>(*value);
}

Settings settingsIn(const StoredTexts& texts) {
    const Settings defaults;
    return {parseHighScore(textAt(texts, kHiScoreKey)).value_or(defaults.highScore),
            parseStartLevel(textAt(texts, kStartLevelKey)).value_or(defaults.startLevel)};
}

Options optionsIn(const StoredTexts& texts) {
    const Options defaults;
    return {flagAt(texts, kSoundKey, defaults.sound),
            flagAt(texts, kColourSymbolsKey, defaults.colourSymbols)};
}

StoredTexts textsOf(const Settings& settings) {
    return {{kHiScoreKey, numberText(settings.highScore)}, {kStartLevelKey, numberText(settings.startLevel)}};
}

StoredTexts highScoreTextOf(std::int64_t highScore) {
    return {{kHiScoreKey, numberText(highScore)}};
}

StoredTexts textsOf(const Options& options) {
    return {{kSoundKey, textOf(options.sound)}, {kColourSymbolsKey, textOf(options.colourSymbols)}};
}

} // namespace quadrelle::play
