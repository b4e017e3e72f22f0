// SPDX-License-Identifier: MIT
// Saving values into an INI file that QSettings reads back, in QSettings' own format. Unlike
// QSettings::sync() it never waits long for the file's lock (a stale lock in a folder we may
// not change would make sync() retry for ever) and never replaces what is not a settings file.
#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace quadrelle::app {

using IniValues = std::vector<std::pair<QString, QString>>;

// Sets the keys, ungrouped (so under [General]), keeping the file's other keys. Returns false,
// after one line on stderr, when the file was left as it was.
bool saveIniValues(const QString& path, const IniValues& values);

} // namespace quadrelle::app
