// SPDX-License-Identifier: MIT
// The front end's settings store, watched by the session: it notes a save the store refused (a
// full disk, a browser that keeps nothing), so the player can be told once that the scores and
// settings are not being kept.
#pragma once

#include <utility>

#include "settings/SettingsStorage.h"

namespace quadrelle::play {

class WatchedStorage final : public SettingsStorage {
public:
    explicit WatchedStorage(SettingsStorage& store) : store_(store) {}

    StoredTexts read() const override { return store_.read(); }
    bool update(const ChangeOf& changeOf) override {
        const bool saved = store_.update(changeOf);
        refused_ = refused_ || !saved;
        return saved;
    }

    // True the first time it is asked after a refused save, never again.
    bool firstRefusal() { return refused_ && !std::exchange(told_, true); }

private:
    SettingsStorage& store_;
    bool refused_ = false;
    bool told_ = false;
};

} // namespace quadrelle::play
