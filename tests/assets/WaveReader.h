// Reading the sound clips back: the fields of a canonical 44-byte WAVE header and
// the samples, re-centred so that silence is 0.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace assettest {

struct WaveClip {
    std::uint32_t riffSize = 0;
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t dataSize = 0;
    QByteArray trailer;       // bytes after the data chunk (the pad byte, if any)
    std::vector<int> samples; // 8-bit unsigned samples minus 128
};

// Empty if the bytes do not start with RIFF/WAVE, "fmt " of 16 bytes and "data".
std::optional<WaveClip> readWave(const QByteArray& bytes);

// Root mean square and largest magnitude of samples [from, to).
double rms(const std::vector<int>& samples, int from, int to);
int peak(const std::vector<int>& samples, int from, int to);
int zeroCrossings(const std::vector<int>& samples, int from, int to);

} // namespace assettest
