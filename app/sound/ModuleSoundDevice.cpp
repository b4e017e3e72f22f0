// SPDX-License-Identifier: MIT
// Loading the sound module with QLibrary and handing the calls on to its device.
#include "sound/ModuleSoundDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <algorithm>
#include <cstdio>

#include "platform/Resources.h"
#include "sound/SoundModule.h"

namespace quadrelle::app {

ModuleSoundDevice::ModuleSoundDevice(QStringList modulePaths) : paths_(std::move(modulePaths)) {}

// The module stays loaded to the end of the program: its device is gone before, and its
// sound thread with it.
ModuleSoundDevice::~ModuleSoundDevice() = default;

void ModuleSoundDevice::prepare(bool reachDevice) {
    if (play::SoundDevice* loaded = device()) loaded->prepare(reachDevice);
}

void ModuleSoundDevice::play(Clip clip) {
    if (play::SoundDevice* loaded = device()) loaded->play(clip);
}

void ModuleSoundDevice::release() {
    if (device_) device_->release();
}

play::SoundDevice* ModuleSoundDevice::device() {
    if (tried_) return device_.get();
    tried_ = true;
    const auto found = std::find_if(paths_.cbegin(), paths_.cend(),
                                    [](const QString& path) { return QFileInfo::exists(path); });
    if (found == paths_.cend()) {
        std::fprintf(stderr, "quadrelle: no sound: the sound module is missing (looked for %s)\n",
                     qPrintable(paths_.join(QStringLiteral(", "))));
        return nullptr;
    }
    // The device reads its clips from the program's resources.
    registerResources();
    QLibrary module(*found);
    const auto make = reinterpret_cast<SoundModuleEntry>(module.resolve(kSoundModuleEntry));
    if (make) device_.reset(make());
    if (!device_) std::fprintf(stderr, "quadrelle: no sound: %s\n", qPrintable(module.errorString()));
    return device_.get();
}

QStringList soundModulePaths() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString file = QStringLiteral(QUADRELLE_SOUND_MODULE_FILE);
    return {program + QLatin1Char('/') + file,
            QDir::cleanPath(program + QStringLiteral("/" QUADRELLE_SOUND_MODULE_DIR "/") + file)};
}

} // namespace quadrelle::app
