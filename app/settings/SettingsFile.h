// SPDX-License-Identifier: MIT
// Saving values into an INI file that QSettings reads back, in QSettings' own format. Unlike
// QSettings::sync() it never waits long for the file's lock (a stale lock in a folder we may
// not change would make sync() retry for ever) and never replaces what is not a settings file.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class QSettings;

namespace quadrelle::app {

using IniValues = std::vector<std::pair<QString, QString>>;

// What a save does to the file: the groups whose old keys all go (an empty name for the keys
// in no group), then the keys it sets.
struct IniChange {
    QStringList replacedGroups;
    IniValues values;
};

// Makes the change, worked out from the file as it stands under the lock so that what another
// instance saved a moment ago can be taken into account, keeping the file's other keys.
// Returns false, after one line on stderr, when the file was left as it was.
using IniChangeOf = std::function<IniChange(const QSettings& current)>;
bool saveIniChange(const QString& path, const IniChangeOf& changeOf);

} // namespace quadrelle::app
