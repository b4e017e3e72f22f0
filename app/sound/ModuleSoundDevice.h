// SPDX-License-Identifier: MIT
// The game's sound device when its sound lives in a module: the module (and the sound server's
// library with the many it brings) is loaded at the first prepare() or clip, which comes after
// the first frame, and every call is handed on to the device it makes. A module that is
// missing or will not load leaves the game silent, with one line on stderr saying why.
#pragma once

#include <QStringList>
#include <memory>

#include "sound/SoundDevice.h"

namespace quadrelle::app {

class ModuleSoundDevice final : public play::SoundDevice {
public:
    // The module is the first of these files that exists.
    explicit ModuleSoundDevice(QStringList modulePaths);
    ~ModuleSoundDevice() override;
    ModuleSoundDevice(const ModuleSoundDevice&) = delete;
    ModuleSoundDevice& operator=(const ModuleSoundDevice&) = delete;

    void prepare(bool reachDevice) override;
    void play(Clip clip) override;
    // Lets go of the module's device; a module not loaded yet stays so.
    void release() override;

    // True once the module has been loaded and has made its device.
    bool isLoaded() const { return device_ != nullptr; }

private:
    // The module's device, loaded the first time; null when it could not be.
    play::SoundDevice* device();

    QStringList paths_;
    bool tried_ = false;
    std::unique_ptr<play::SoundDevice> device_;
};

// Where the game looks for its sound module: beside the program (a build tree), then where it
// is installed, relative to the program.
QStringList soundModulePaths();

} // namespace quadrelle::app
