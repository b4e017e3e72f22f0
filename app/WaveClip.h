// A sound clip read from a RIFF WAVE file of PCM samples: its sample format and the bytes of
// its samples, ready for an audio sink.
#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <optional>

namespace quadrelle::app {

struct WaveClip {
    QAudioFormat format;
    QByteArray samples;
};

// Nothing when the bytes are not a PCM WAVE file of 8-bit unsigned or 16-bit signed samples.
std::optional<WaveClip> parseWave(const QByteArray& file);

} // namespace quadrelle::app
