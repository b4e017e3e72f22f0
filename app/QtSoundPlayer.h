// The game's two sound clips played with Qt Multimedia: clip n is ":/sounds/<101 + n>.wav".
// Both clips are loaded once, on load() (the window calls it right after it is first shown,
// so opening the sound device never delays the first frame) or at the first clip played.
// A new clip cuts off the one playing. Without a sound device the game stays silent.
#pragma once

#include <QObject>
#include <QUrl>

#include <array>
#include <memory>

#include "game/SoundOutput.h"

class QSoundEffect;

namespace quadrelle::app {

inline constexpr int kClipCount = 2;

QUrl clipUrl(int n);

class QtSoundPlayer : public QObject, public SoundOutput {
    Q_OBJECT

public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    void load();
    bool isLoaded() const { return clips_[0] != nullptr; }
    void PlaySoundRes(int n) override;

private:
    std::array<QSoundEffect*, kClipCount> clips_{};
};

} // namespace quadrelle::app
