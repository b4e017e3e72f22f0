// The game's two sound clips played with Qt Multimedia: clip n is ":/sounds/<101 + n>.wav".
// Both clips are read once, on load() (the window calls it right after it is first shown, so
// opening the sound device never delays the first frame) or at the first clip played. Each
// clip plays through a QAudioSink that pulls it from memory; a new clip stops the sink and
// starts it again, so it cuts off the clip that was playing. When a clip has played the sink
// stops, so nothing runs at rest. Without a sound device the game stays silent.
#pragma once

#include <QAudio>
#include <QBuffer>
#include <QObject>

#include <array>
#include <optional>

#include "WaveClip.h"
#include "game/SoundOutput.h"

class QAudioSink;

namespace quadrelle::app {

inline constexpr int kClipCount = 2;

QString clipResourcePath(int n);

class QtSoundPlayer : public QObject, public SoundOutput {
    Q_OBJECT

public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    void load();
    bool isLoaded() const { return loaded_; }
    // True once every clip has been read; false before load() or when a clip is missing.
    bool isReady() const;
    void play(Clip clip) override { PlaySoundRes(static_cast<int>(clip)); }
    void PlaySoundRes(int n);
    // Stops the clip playing and lets go of the sound device.
    void releaseDevice();

private:
    void onSinkStateChanged(QAudio::State state);

    bool loaded_ = false;
    std::array<std::optional<WaveClip>, kClipCount> clips_;
    QBuffer playing_;
    QAudioSink* sink_ = nullptr;
};

} // namespace quadrelle::app
