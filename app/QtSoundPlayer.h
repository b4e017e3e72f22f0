// SPDX-License-Identifier: MIT
// The game's two sound clips: clip n is ":/sounds/<101 + n>.wav". Both clips are read once, on
// load() (the window calls it right after it is first shown, so reaching the sound server never
// delays the first frame) or at the first clip played, and played from memory by a
// PulseClipPlayer: a new clip cuts off the one playing. Without a sound server the game stays
// silent.
#pragma once

#include "WaveClip.h"
#include "game/SoundOutput.h"

#include <QObject>
#include <array>
#include <memory>
#include <optional>

namespace quadrelle::app {

class PulseClipPlayer;

inline constexpr int kClipCount = 2;

QString clipResourcePath(int n);

class QtSoundPlayer : public QObject, public SoundOutput {
    Q_OBJECT

public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    // Reads the clips; and reaches the sound server ahead of the first clip, unless told not to
    // (the player has switched the sound off).
    void load(bool connectNow = true);
    bool isLoaded() const { return loaded_; }
    // True once every clip has been read; false before load() or when a clip is missing.
    bool isReady() const;
    // Starts clip n at once; a clip number out of range, or a clip missing, is silent.
    void playClip(int n);
    void play(Clip clip) override { playClip(static_cast<int>(clip)); }
    // Stops the clip playing and lets go of the sound server until the next clip.
    void releaseDevice();

private:
    bool loaded_ = false;
    std::array<std::optional<WaveClip>, kClipCount> clips_;
    std::unique_ptr<PulseClipPlayer> output_;
};

} // namespace quadrelle::app
