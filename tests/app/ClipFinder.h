// SPDX-License-Identifier: MIT
// Finds the clips that a probe played in a recording of the sink's monitor. Each clip is
// compared with the clip's own samples as a loudness curve in 10 ms windows: over the time it
// should have sounded (up to the next clip, which cuts it off), searched around the time the
// probe started it. The recording is signed 16-bit mono at 11025 Hz, the clips' own rate.
#pragma once

#include <QByteArray>
#include <vector>

namespace soundcheck {

struct Played {
    int clip = 0;
    long long atMs = 0; // on the probe's clock
};

struct Found {
    int lagMs = 0;             // onset against where the clip before places it; the first's is 0
    int soundingMs = 0;        // from the first to the last loud window heard
    int expectedMs = 0;        // the same for the clip's own samples, up to the cut-off
    double mismatch = 1;       // squared loudness error over the clip's loudness
    bool silentAfter = true;   // nothing sounds between its end and the next clip
    bool afterSilence = false; // the clip before had ended: its onset is not held to the one before
};

class ClipFinder {
public:
    // clips[n]: the samples of clip n, re-centred and scaled to 16 bits.
    explicit ClipFinder(std::vector<std::vector<double>> clips);
    // One entry per clip played; nothing if the first clip is nowhere in the recording.
    std::vector<Found> find(const QByteArray& recording, const std::vector<Played>& played) const;

private:
    std::vector<std::vector<double>> clips_;
};

} // namespace soundcheck
