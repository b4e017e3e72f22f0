// SPDX-License-Identifier: MIT
// The new text is staged by QSettings in a private temporary folder, so the format stays
// exactly QSettings'; then it replaces the file atomically with QSaveFile, under the same lock
// file QSettings uses, so another instance of the game saving at the same moment is respected.
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace quadrelle::app {

namespace {

// A live save by another instance takes milliseconds; a lock held longer is never released.
constexpr int kLockWaitMs = 500;

bool report(const QString& path, const QString& reason) {
    std::fprintf(stderr, "quadrelle: could not save the settings to %s: %s\n", qPrintable(path),
                 qPrintable(reason));
    return false;
}

// The file that saving replaces: the path itself, or the file a symbolic link leads to.
QString fileToReplace(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) return info.canonicalFilePath();
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

bool isInGroup(const QString& key, const QString& group) {
    return group.isEmpty() ? !key.contains(QLatin1Char('/')) : key.startsWith(group + QLatin1Char('/'));
}

bool isInReplacedGroup(const QString& key, const QStringList& groups) {
    return std::any_of(groups.begin(), groups.end(),
                       [&key](const QString& group) { return isInGroup(key, group); });
}

std::optional<QByteArray> stagedText(const QString& path, const IniChangeOf& changeOf, QString& problem) {
    QSettings current(path, QSettings::IniFormat);
    if (current.status() == QSettings::AccessError) {
        problem = QStringLiteral("it cannot be read");
        return std::nullopt;
    }
    const IniChange change = changeOf(current);
    QTemporaryDir stage;
    const QString stagedPath = stage.filePath(QStringLiteral("staged.ini"));
    {
        QSettings staged(stagedPath, QSettings::IniFormat);
        for (const QString& key : current.allKeys())
            if (!isInReplacedGroup(key, change.replacedGroups)) staged.setValue(key, current.value(key));
        for (const auto& [key, value] : change.values) staged.setValue(key, value);
        staged.sync();
        // A file of lines that are not key=value reads with FormatError; its keys still carry over.
        if (staged.status() == QSettings::AccessError) {
            problem = QStringLiteral("no temporary file");
            return std::nullopt;
        }
    }
    QFile staged(stagedPath);
    // QSettings makes no file for no keys, as when the only section there was is emptied.
    if (!staged.exists()) return QByteArray();
    if (!staged.open(QIODevice::ReadOnly)) {
        problem = staged.errorString();
        return std::nullopt;
    }
    return staged.readAll();
}

} // namespace

bool saveIniChange(const QString& path, const IniChangeOf& changeOf) {
    const QString target = fileToReplace(path);
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && !targetInfo.isFile())
        return report(path, QStringLiteral("not a regular file"));

    const QFileInfo pathInfo(path);
    if (!QDir().mkpath(pathInfo.absolutePath()))
        return report(path, QStringLiteral("its folder cannot be made"));
    const QString lockPath = pathInfo.absoluteFilePath() + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (!lock.tryLock(kLockWaitMs)) {
        return report(path, lock.error() == QLockFile::LockFailedError
                                ? QStringLiteral("%1 is held or cannot be removed").arg(lockPath)
                                : QStringLiteral("%1 cannot be made").arg(lockPath));
    }

    QString problem;
    const std::optional<QByteArray> text = stagedText(path, changeOf, problem);
    if (!text) return report(path, problem);

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(*text) != text->size() || !file.commit())
        return report(path, file.errorString());
    return true;
}

} // namespace quadrelle::app
