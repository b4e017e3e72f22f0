// SPDX-License-Identifier: MIT
// Reading and writing window.localStorage. The storage can throw at any call (a full quota, a
// blocked site), so the calls are made inside JavaScript try blocks, where an exception is
// caught before it could unwind through the game.
#include "LocalStorage.h"

#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

// clang-format off
EM_JS(int, quadrelle_storage_usable, (), {
    try {
        const probe = "quadrelle-probe";
        window.localStorage.setItem(probe, probe);
        window.localStorage.removeItem(probe);
        return 1;
    } catch (e) {
        return 0;
    }
});

// Every stored text, as "name\0value\0" pairs in one block the caller frees; null on failure.
EM_JS(char*, quadrelle_storage_read_all, (int* size), {
    try {
        const storage = window.localStorage;
        const parts = [];
        for (let i = 0; i < storage.length; ++i) {
            const name = storage.key(i);
            if (name !== null && name.indexOf("/") > 0) parts.push(name, storage.getItem(name) || "");
        }
        const text = parts.map(part => part + String.fromCharCode(0)).join("");
        const length = lengthBytesUTF8(text) + 1;
        const block = _malloc(length);
        stringToUTF8(text, block, length);
        HEAP32[size >> 2] = length - 1;
        return block;
    } catch (e) {
        return 0;
    }
});

EM_JS(int, quadrelle_storage_set, (const char* name, const char* value), {
    try {
        window.localStorage.setItem(UTF8ToString(name), UTF8ToString(value));
        return 1;
    } catch (e) {
        console.warn("Quadrelle!: the browser's storage refused a setting:", e.message);
        return 0;
    }
});

EM_JS(int, quadrelle_storage_remove, (const char* name), {
    try {
        window.localStorage.removeItem(UTF8ToString(name));
        return 1;
    } catch (e) {
        return 0;
    }
});
// clang-format on

namespace quadrelle::web {

namespace {

std::optional<play::StoredTexts> readStorage() {
    int size = 0;
    char* block = quadrelle_storage_read_all(&size);
    if (block == nullptr) return std::nullopt;
    play::StoredTexts texts;
    // UTF8ToString stops at the first NUL, so the pairs are split here by the sizes JavaScript gave.
    std::vector<std::string> parts;
    std::string part;
    for (int i = 0; i < size; ++i) {
        if (block[i] == '\0') {
            parts.push_back(std::move(part));
            part.clear();
        } else {
            part += block[i];
        }
    }
    std::free(block);
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) texts[parts[i]] = parts[i + 1];
    return texts;
}

bool setOrRemove(const std::string& name, const std::optional<std::string>& value) {
    return value ? quadrelle_storage_set(name.c_str(), value->c_str()) != 0
                 : quadrelle_storage_remove(name.c_str()) != 0;
}

} // namespace

LocalStorage::LocalStorage() : persistent_(quadrelle_storage_usable() != 0) {
    if (!persistent_)
        std::fprintf(stderr,
                     "Quadrelle!: the browser keeps no settings for this page; they last until it closes\n");
}

play::StoredTexts LocalStorage::read() const {
    if (!persistent_) return memory_;
    return readStorage().value_or(play::StoredTexts{});
}

bool LocalStorage::update(const ChangeOf& changeOf) {
    // Kept for as long as the page is open, but not saved: the session tells the player.
    if (!persistent_) {
        changeOf(memory_).applyTo(memory_);
        return false;
    }
    const std::optional<play::StoredTexts> before = readStorage();
    if (!before) return false;
    play::StoredTexts after = *before;
    changeOf(*before).applyTo(after);

    // Written one name at a time; a name the browser refuses puts back what was written so far.
    std::vector<std::string> written;
    const auto valueIn = [](const play::StoredTexts& texts,
                            const std::string& name) -> std::optional<std::string> {
        const auto found = texts.find(name);
        return found == texts.end() ? std::nullopt : std::optional(found->second);
    };
    std::vector<std::string> names;
    for (const auto& [name, value] : *before)
        if (!after.contains(name)) names.push_back(name);
    for (const auto& [name, value] : after)
        if (valueIn(*before, name) != value) names.push_back(name);
    for (const std::string& name : names) {
        if (!setOrRemove(name, valueIn(after, name))) {
            for (const std::string& done : written) setOrRemove(done, valueIn(*before, done));
            return false;
        }
        written.push_back(name);
    }
    return true;
}

} // namespace quadrelle::web
