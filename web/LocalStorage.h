// SPDX-License-Identifier: MIT
// The settings in the browser: each stored text under its own name ("General/HiScore",
// "BestScores/1") in the page's window.localStorage. Where the browser refuses the storage
// (blocked for the site, a sandboxed frame), the texts are kept in memory for this visit only.
#pragma once

#include "settings/SettingsStorage.h"

namespace quadrelle::web {

class LocalStorage final : public play::SettingsStorage {
public:
    LocalStorage();

    play::StoredTexts read() const override;
    bool update(const ChangeOf& changeOf) override;
    // False when the texts last only as long as the page.
    bool persistent() const { return persistent_; }

private:
    bool persistent_;
    play::StoredTexts memory_;
};

} // namespace quadrelle::web
