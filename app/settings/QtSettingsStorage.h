// SPDX-License-Identifier: MIT
// The desktop's settings store: the user's settings of the application "Chromafall", on Linux
// the INI file $XDG_CONFIG_HOME/Chromafall/Chromafall.ini (~/.config/Chromafall/Chromafall.ini),
// read with QSettings and written in QSettings' own format by saveIniChange (SettingsFile.h):
// atomically, under the file's lock. A store that cannot be written is reported in one line on
// stderr, within a second, and the file is left as it was; the game goes on.
#pragma once

#include <QString>

#include "settings/SettingsStorage.h"

namespace quadrelle::app {

inline constexpr auto kSettingsApplication = "Chromafall";

class QtSettingsStorage : public play::SettingsStorage {
public:
    // The user's settings file.
    QtSettingsStorage();
    // A given INI file.
    explicit QtSettingsStorage(QString iniPath);

    QString filePath() const;

    play::StoredTexts read() const override;
    bool update(const ChangeOf& changeOf) override;

private:
    QString path_;
};

} // namespace quadrelle::app
