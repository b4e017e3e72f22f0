// SPDX-License-Identifier: MIT
// Matching loudness curves of the clips against the recording.
#include "ClipFinder.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace soundcheck {

namespace {

constexpr int kRate = 11025;
constexpr int kWindow = kRate / 100; // 10 ms
// Null-sink silence records as exact zeros; the clips are far louder than this.
constexpr double kSilenceRms = 100;
// How far from where the first clip places it a clip's onset is searched.
constexpr int kEarliestMs = -40;
constexpr int kLatestMs = 60;
constexpr int kEarliestAfterSilenceMs = -200;
constexpr int kFirstClipSearchMs = 5000;
// A curve this close is the clip; where the first clip starts, its best fit lies just after.
constexpr double kCloseFit = 0.3;
constexpr int kLookAheadMs = 20;

int samplesFor(long long ms) {
    return static_cast<int>(ms * kRate / 1000);
}

// Window loudness at any sample offset, from running sums of squares.
class Loudness {
public:
    explicit Loudness(const std::vector<double>& samples) : sums_(samples.size() + 1, 0.0) {
        for (std::size_t i = 0; i < samples.size(); ++i) sums_[i + 1] = sums_[i] + samples[i] * samples[i];
    }
    int size() const { return static_cast<int>(sums_.size()) - 1; }
    // Root mean square of the window at `start`; silence outside the samples.
    double at(int start) const {
        const int from = std::clamp(start, 0, size());
        const int to = std::clamp(start + kWindow, 0, size());
        return std::sqrt((sums_[std::size_t(to)] - sums_[std::size_t(from)]) / kWindow);
    }

private:
    std::vector<double> sums_;
};

// `gain`: how much louder the server records than it was played (PipeWire's mixing of the
// mono clip into a stereo sink and back gives about 1.4).
double mismatchAt(const Loudness& heard, int start, const Loudness& clip, int windows, double gain = 1) {
    double error = 0;
    double energy = 0;
    for (int w = 0; w < windows; ++w) {
        const double expected = clip.at(w * kWindow);
        const double difference = heard.at(start + w * kWindow) / gain - expected;
        error += difference * difference;
        energy += expected * expected;
    }
    return energy > 0 ? error / energy : 1;
}

// The start between `from` and `to` where the clip's curve fits best, 1 ms apart.
int bestStart(const Loudness& heard, int from, int to, const Loudness& clip, int windows, double gain = 1) {
    int best = from;
    double least = std::numeric_limits<double>::max();
    for (int start = from; start <= to; start += kRate / 1000) {
        const double mismatch = mismatchAt(heard, start, clip, windows, gain);
        if (mismatch < least) least = mismatch, best = start;
    }
    return best;
}

// The first place between `from` and `to` where the clip fits closely, or -1. Not the best fit
// over the whole span: the same clip played again 100 ms later fits as well. A curve sliding in
// fits closely a little before the clip's start, so the fit is followed while it improves.
int firstFit(const Loudness& heard, int from, int to, const Loudness& clip, int windows, double gain = 1) {
    for (int start = from; start <= to; start += kRate / 1000) {
        if (mismatchAt(heard, start, clip, windows, gain) >= kCloseFit) continue;
        for (int next = start;; start = next) {
            next = bestStart(heard, start, start + samplesFor(kLookAheadMs), clip, windows, gain);
            if (next == start) return start;
        }
    }
    return -1;
}

double gainAt(const Loudness& heard, int start, const Loudness& clip, int windows) {
    double heardEnergy = 0;
    double clipEnergy = 0;
    for (int w = 0; w < windows; ++w) {
        heardEnergy += heard.at(start + w * kWindow) * heard.at(start + w * kWindow);
        clipEnergy += clip.at(w * kWindow) * clip.at(w * kWindow);
    }
    return clipEnergy > 0 ? std::sqrt(heardEnergy / clipEnergy) : 1;
}

int soundingMs(const Loudness& loudness, int start, int windows) {
    int first = -1;
    int last = -1;
    for (int w = 0; w < windows; ++w) {
        if (loudness.at(start + w * kWindow) <= kSilenceRms) continue;
        if (first < 0) first = w;
        last = w + 1;
    }
    return first < 0 ? 0 : (last - first) * 10;
}

bool silentBetween(const Loudness& loudness, int from, int to) {
    for (int start = from; start + kWindow <= to; start += kWindow)
        if (loudness.at(start) > kSilenceRms) return false;
    return true;
}

std::vector<double> samplesOf(const QByteArray& recording) {
    std::vector<double> samples(std::size_t(recording.size() / 2));
    const auto* raw = reinterpret_cast<const qint16*>(recording.constData());
    std::copy(raw, raw + samples.size(), samples.begin());
    return samples;
}

} // namespace

ClipFinder::ClipFinder(std::vector<std::vector<double>> clips) : clips_(std::move(clips)) {}

std::vector<Found> ClipFinder::find(const QByteArray& recording, const std::vector<Played>& played) const {
    if (played.empty()) return {};
    const Loudness heard(samplesOf(recording));
    std::vector<Loudness> clips;
    for (const auto& clip : clips_) clips.emplace_back(clip);

    // Up to the next clip, which cuts this one off.
    const auto windowsOf = [&](std::size_t i) {
        const int whole = clips[std::size_t(played[i].clip)].size() / kWindow;
        if (i + 1 == played.size()) return whole;
        return std::min<int>(whole, int((played[i + 1].atMs - played[i].atMs) / 10));
    };
    const int firstStart = firstFit(heard, 0, std::min(heard.size(), samplesFor(kFirstClipSearchMs)),
                                    clips[std::size_t(played[0].clip)], windowsOf(0));
    if (firstStart < 0) return {};
    const double gain = gainAt(heard, firstStart, clips[std::size_t(played[0].clip)], windowsOf(0));

    std::vector<Found> found;
    std::vector<int> starts;
    for (std::size_t i = 0; i < played.size(); ++i) {
        const Loudness& clip = clips[std::size_t(played[i].clip)];
        const int windows = windowsOf(i);
        Found result;
        // As far after the clip before as it was played: the server's clock may drift from ours.
        const int expected =
            i == 0 ? firstStart : starts.back() + samplesFor(played[i].atMs - played[i - 1].atMs);
        // PipeWire's monitor may lose some of a long silence, so a clip after one is searched further back.
        result.afterSilence =
            i > 0 && played[i].atMs - played[i - 1].atMs >
                         clips[std::size_t(played[i - 1].clip)].size() * 1000 / kRate + kLatestMs;
        const int earliest = result.afterSilence ? kEarliestAfterSilenceMs : kEarliestMs;
        const int from = expected + samplesFor(earliest);
        const int to = expected + samplesFor(kLatestMs);
        int start = result.afterSilence ? firstFit(heard, from, to, clip, windows, gain) : -1;
        if (start < 0) start = bestStart(heard, from, to, clip, windows, gain);
        result.lagMs = (start - expected) * 1000 / kRate;
        result.soundingMs = soundingMs(heard, start, windows);
        result.expectedMs = soundingMs(clip, 0, windows);
        result.mismatch = mismatchAt(heard, start, clip, windows, gain);
        found.push_back(result);
        starts.push_back(start);
    }
    for (std::size_t i = 0; i < played.size(); ++i) {
        const int end = starts[i] + clips[std::size_t(played[i].clip)].size() + samplesFor(30);
        found[i].silentAfter =
            silentBetween(heard, end, i + 1 < played.size() ? starts[i + 1] - samplesFor(10) : heard.size());
    }
    return found;
}

} // namespace soundcheck
