// SPDX-License-Identifier: MIT
// The two sound clips. Both are built in floating point from a few oscillators and
// filtered noise from a fixed-seed generator, then scaled so that their peak lands
// on a chosen 8-bit level: both clips stay well below full scale.
#include "SoundClips.h"

#include "AssetFiles.h"
#include "BandPass.h"
#include "Prng.h"
#include "WaveFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace assets {
namespace {

constexpr double rate = waveSampleRate;
constexpr double twoPi = 2 * std::numbers::pi;
constexpr std::uint8_t silence = 128;

std::vector<std::uint8_t> quantise(const std::vector<double>& signal, double peak) {
    double loudest = 0;
    for (double s : signal) loudest = std::max(loudest, std::abs(s));
    const double gain = loudest > 0 ? peak / loudest : 0;
    std::vector<std::uint8_t> samples;
    samples.reserve(signal.size());
    for (double s : signal)
        samples.push_back(std::uint8_t(std::clamp<long>(silence + std::lround(s * gain), 0, 255)));
    return samples;
}

// --- Clip 101: the fizz ----------------------------------------------------------

constexpr double fizzPeakAt = 0.2;   // seconds
constexpr double fizzEndsAt = 1.2;   // seconds; silence after this
constexpr double fizzFadeSpan = 1.1; // seconds from the top to where the fade would reach zero
constexpr double fizzPeakLevel = 32; // a quarter of full scale (128 either side of silence)

// Starts audibly at once, swells to its top at fizzPeakAt, then falls away along a
// half cosine. The cosine would end a little after fizzEndsAt; by then it is within
// a step of the 8-bit output, so cutting it there leaves no audible corner while the
// fade stays audible almost until the silence.
double fizzEnvelope(double t) {
    if (t < fizzPeakAt) return 0.3 + 0.7 * std::sin(std::numbers::pi / 2 * t / fizzPeakAt);
    if (t < fizzEndsAt) return 0.5 * (1 + std::cos(std::numbers::pi * (t - fizzPeakAt) / fizzFadeSpan));
    return 0;
}

// The pitch holds while the fizz swells, then sinks exponentially as it fades.
double glide(double t, double fromHz, double toHz) {
    const double progress = std::clamp((t - 0.15) / (fizzEndsAt - 0.15), 0.0, 1.0);
    return fromHz * std::pow(toHz / fromHz, progress);
}

struct Partial {
    double fromHz;
    double toHz;
    double level;
};

constexpr std::array<Partial, 2> fizzPartials = {{{3100, 1000, 1.0}, {4200, 2000, 0.8}}};
// Three slightly detuned voices per partial beat against each other: the shimmer.
constexpr std::array<double, 3> voiceDetune = {1.0, 1.013, 0.989};

std::vector<double> synthesiseFizzSignal() {
    Prng noise(0x51A7F122u);
    std::array<BandPass, 2> fizzBands;
    std::array<std::array<double, 3>, 2> phases{};
    std::vector<double> signal(fizzSampleCount);
    for (int n = 0; n < fizzSampleCount; ++n) {
        const double t = n / rate;
        double tone = 0, fizz = 0;
        for (std::size_t p = 0; p < fizzPartials.size(); ++p) {
            const Partial& partial = fizzPartials[p];
            const double hz = glide(t, partial.fromHz, partial.toHz);
            for (std::size_t v = 0; v < voiceDetune.size(); ++v) {
                phases[p][v] = std::fmod(phases[p][v] + twoPi * hz * voiceDetune[v] / rate, twoPi);
                tone += partial.level * std::sin(phases[p][v]) / voiceDetune.size();
            }
            fizz += partial.level * fizzBands[p].process(noise.bipolar(), hz, 6, rate);
        }
        signal[n] = fizzEnvelope(t) * (0.6 * tone + 2.5 * fizz);
    }
    return signal;
}

// --- Clip 102: the whoosh --------------------------------------------------------

constexpr int whooshLeadIn = 220;      // 20 ms of silence before the sound
constexpr double whooshPeakLevel = 25; // a fifth of full scale
constexpr double whooshFromHz = 3000;
constexpr double whooshToHz = 300;
constexpr double whooshQ = 1.5;

std::vector<double> synthesiseWhooshSignal() {
    Prng noise(0x0B5E55EDu);
    BandPass band;
    std::vector<double> signal(whooshSampleCount, 0.0);
    const int span = whooshSampleCount - whooshLeadIn - 1;
    for (int n = whooshLeadIn; n < whooshSampleCount; ++n) {
        const double u = double(n - whooshLeadIn) / span; // 0 .. 1 over the sound
        const double hz = whooshFromHz * std::pow(whooshToHz / whooshFromHz, u);
        const double filtered = band.process(noise.bipolar(), hz, whooshQ, rate);
        // A narrower band passes less noise; undo that so only the envelope sets the level.
        const double bandwidthGain = std::sqrt(whooshFromHz / hz);
        // A faint start right after the lead-in, then a steep swell to the cut-off.
        const double envelope = 0.1 + 0.9 * u * u * u;
        signal[n] = envelope * bandwidthGain * filtered;
    }
    return signal;
}

} // namespace

std::vector<std::uint8_t> synthesiseFizz() {
    return quantise(synthesiseFizzSignal(), fizzPeakLevel);
}

std::vector<std::uint8_t> synthesiseWhoosh() {
    return quantise(synthesiseWhooshSignal(), whooshPeakLevel);
}

QStringList writeSoundClips(const QString& outputDir) {
    const QString fizzPath = QStringLiteral("sounds/101.wav");
    const QString whooshPath = QStringLiteral("sounds/102.wav");
    writeBytes(outputDir + '/' + fizzPath, waveFileBytes(synthesiseFizz()));
    writeBytes(outputDir + '/' + whooshPath, waveFileBytes(synthesiseWhoosh()));
    return {fizzPath, whooshPath};
}

} // namespace assets
