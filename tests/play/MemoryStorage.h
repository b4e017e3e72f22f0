// SPDX-License-Identifier: MIT
// A settings store in memory for the play layer's tests: it holds the texts as they are, counts
// the saves, and can be made to refuse them, as a held lock or a full disk does.
#pragma once

#include <utility>

#include "settings/CalendarDate.h"
#include "settings/SettingsStorage.h"

namespace quadrelle::play::testing {

class MemoryStorage : public SettingsStorage {
public:
    explicit MemoryStorage(StoredTexts stored = {}) : texts(std::move(stored)) {}

    StoredTexts read() const override { return texts; }
    bool update(const ChangeOf& changeOf) override {
        if (refusing) return false;
        changeOf(texts).applyTo(texts);
        ++saves;
        return true;
    }

    StoredTexts texts;
    bool refusing = false;
    int saves = 0;
};

inline constexpr CalendarDate kToday{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(9)};

inline CalendarDate today() {
    return kToday;
}

} // namespace quadrelle::play::testing
