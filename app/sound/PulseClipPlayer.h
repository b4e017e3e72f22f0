// SPDX-License-Identifier: MIT
// Plays one clip at a time on the PulseAudio server (or PipeWire's, which speaks the same
// protocol), through libpulse on its own thread. One playback stream carries the clips: each
// clip is written whole, and a new clip first flushes what the server still holds of the one
// playing, which cuts it off. The stream stays open between clips of a move (opening one takes
// PipeWire a variable few tens of milliseconds) and closes a few seconds after the last clip has
// played, so nothing is open and nothing wakes at rest. A lost server is noticed and connected
// to again at the next clip; without one the game stays silent and one line on stderr says why.
#pragma once

#include "sound/WaveClip.h"

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;
struct pa_mainloop_api;

namespace quadrelle::app {

class PulseClipPlayer {
public:
    PulseClipPlayer();
    ~PulseClipPlayer();
    PulseClipPlayer(const PulseClipPlayer&) = delete;
    PulseClipPlayer& operator=(const PulseClipPlayer&) = delete;

    // Connects to the server ahead of the first clip, so that it starts without that delay.
    void connect();
    // Starts the clip at once, cutting off the one playing. The clip must outlive the player.
    void play(const WaveClip& clip);
    // Stops the clip playing and closes the stream and the connection until the next clip.
    void release();

private:
    // Everything below runs with the main loop's lock held.
    void connectContext();
    void startStream();
    void writeClip();
    void drain();
    void endStream();
    void stopIdleTimer();
    void complain(const char* what);
    static void onContextState(pa_context* context, void* self);
    static void onStreamState(pa_stream* stream, void* self);
    static void onDrained(pa_stream* stream, int success, void* self);
    static void onIdle(pa_mainloop_api* api, pa_time_event* event, const struct timeval* time, void* self);

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    const WaveClip* clip_ = nullptr; // the clip to play next, or playing
    pa_time_event* idleTimer_ = nullptr;
    // One drain at a time: a clip written while one is under way drains after it.
    bool draining_ = false;
    bool writtenSinceDrain_ = false;
    bool complained_ = false; // since the last working connection
};

} // namespace quadrelle::app
