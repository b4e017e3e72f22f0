// SPDX-License-Identifier: MIT
// Where a front end keeps the settings: the desktop's settings file, the browser's storage.
// It reads all the stored texts and writes a change all at once. The change is worked out from
// what is stored at the moment of writing (under the desktop's file lock), so that what another
// running game saved a moment ago is taken into account rather than overwritten.
#pragma once

#include <functional>

#include "StoredTexts.h"

namespace quadrelle::play {

class SettingsStorage {
public:
    using ChangeOf = std::function<SettingsChange(const StoredTexts& current)>;

    virtual ~SettingsStorage() = default;

    // Nothing stored reads as no texts.
    virtual StoredTexts read() const = 0;
    // Returns false when the store was left as it was; the storage reports why on its own.
    // changeOf is not called when the store cannot even be read.
    virtual bool update(const ChangeOf& changeOf) = 0;

    // Sets these texts whatever the others are.
    bool set(const StoredTexts& values) {
        return update([&values](const StoredTexts&) { return SettingsChange{{}, values}; });
    }
};

} // namespace quadrelle::play
