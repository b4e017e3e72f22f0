// SPDX-License-Identifier: MIT
// A sound clip read from a RIFF WAVE file of PCM samples: its sample format and the bytes of
// its samples, ready for the sound server.
#pragma once

#include <QByteArray>
#include <optional>

namespace quadrelle::app {

struct WaveFormat {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0; // 8 (unsigned) or 16 (signed, little-endian)
    int byteRate = 0;
    int blockAlign = 0;

    bool operator==(const WaveFormat&) const = default;
};

struct WaveClip {
    WaveFormat format;
    QByteArray samples;
};

// Nothing when the bytes are not a PCM WAVE file of 8-bit unsigned or 16-bit signed samples.
std::optional<WaveClip> parseWave(const QByteArray& file);

// The clip with 16-bit samples: a sound server that pads a stream with zero bytes when it runs
// dry (PipeWire's does) makes an 8-bit clip end in a loud click, as zero is its lowest level.
WaveClip withSixteenBitSamples(const WaveClip& clip);

} // namespace quadrelle::app
