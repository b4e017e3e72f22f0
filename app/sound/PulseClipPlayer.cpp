// SPDX-License-Identifier: MIT
// Clips on the sound server through libpulse's threaded main loop.
#include "sound/PulseClipPlayer.h"

#include <cstdio>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/rtclock.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

namespace quadrelle::app {

namespace {

constexpr const char* kName = "Quadrelle";
// What the server may hold ahead of the speaker: a clip starts and is cut off within this, and
// the server sets its own latency to match.
constexpr pa_usec_t kTargetLatencyUsec = 30'000;
// How long the stream stays open after the last clip has played.
constexpr pa_usec_t kIdleCloseUsec = 3'000'000;

class Locked {
public:
    explicit Locked(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~Locked() { pa_threaded_mainloop_unlock(loop_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

pa_sample_spec specOf(const WaveFormat& format) {
    return {format.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE,
            static_cast<uint32_t>(format.sampleRate), static_cast<uint8_t>(format.channels)};
}

bool usable(pa_context* context) {
    return context && PA_CONTEXT_IS_GOOD(pa_context_get_state(context));
}

void drop(pa_context*& context) {
    if (!context) return;
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
    context = nullptr;
}

} // namespace

PulseClipPlayer::PulseClipPlayer() : loop_(pa_threaded_mainloop_new()) {
    if (loop_ && pa_threaded_mainloop_start(loop_) < 0) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }
    if (!loop_) complain("the sound thread could not be started");
}

PulseClipPlayer::~PulseClipPlayer() {
    if (!loop_) return;
    {
        Locked locked(loop_);
        endStream();
        drop(context_);
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

void PulseClipPlayer::connect() {
    if (!loop_) return;
    Locked locked(loop_);
    if (!usable(context_)) connectContext();
}

void PulseClipPlayer::play(const WaveClip& clip) {
    if (!loop_) return;
    Locked locked(loop_);
    stopIdleTimer();
    if (stream_ && clip_ && clip_->format != clip.format) endStream();
    clip_ = &clip;
    if (stream_) {
        // A stream still being set up writes the newest clip once it is ready.
        if (pa_stream_get_state(stream_) == PA_STREAM_READY) writeClip();
    } else if (!usable(context_)) {
        connectContext(); // the clip starts once the connection is ready
    } else if (pa_context_get_state(context_) == PA_CONTEXT_READY) {
        startStream();
    }
}

void PulseClipPlayer::release() {
    if (!loop_) return;
    Locked locked(loop_);
    clip_ = nullptr;
    endStream();
    drop(context_);
}

void PulseClipPlayer::connectContext() {
    drop(context_);
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), kName);
    if (!context_) return complain("no connection to the sound server could be made");
    pa_context_set_state_callback(context_, &PulseClipPlayer::onContextState, this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        complain(pa_strerror(pa_context_errno(context_)));
}

void PulseClipPlayer::startStream() {
    const pa_sample_spec sampleSpec = specOf(clip_->format);
    stream_ = pa_stream_new(context_, kName, &sampleSpec, nullptr);
    if (!stream_) return;
    pa_stream_set_state_callback(stream_, &PulseClipPlayer::onStreamState, this);
    const auto serverDefault = static_cast<uint32_t>(-1);
    pa_buffer_attr buffer{serverDefault, static_cast<uint32_t>(pa_usec_to_bytes(kTargetLatencyUsec, &sampleSpec)),
                          serverDefault, serverDefault, serverDefault};
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        endStream();
}

void PulseClipPlayer::writeClip() {
    // Whatever the server still holds of the clip before goes first (libpulse copies the new one).
    if (pa_operation* flush = pa_stream_flush(stream_, nullptr, nullptr)) pa_operation_unref(flush);
    const QByteArray& samples = clip_->samples;
    pa_stream_write(stream_, samples.constData(), std::size_t(samples.size()), nullptr, 0, PA_SEEK_RELATIVE);
    if (draining_)
        writtenSinceDrain_ = true;
    else
        drain();
}

void PulseClipPlayer::drain() {
    draining_ = true;
    writtenSinceDrain_ = false;
    if (pa_operation* drain = pa_stream_drain(stream_, &PulseClipPlayer::onDrained, this))
        pa_operation_unref(drain);
}

void PulseClipPlayer::endStream() {
    stopIdleTimer();
    draining_ = false;
    if (!stream_) return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void PulseClipPlayer::stopIdleTimer() {
    if (!idleTimer_) return;
    pa_threaded_mainloop_get_api(loop_)->time_free(idleTimer_);
    idleTimer_ = nullptr;
}

void PulseClipPlayer::complain(const char* what) {
    // Once per outage: a game without a sound server would otherwise repeat it at every clip.
    if (complained_) return;
    complained_ = true;
    std::fprintf(stderr, "quadrelle: no sound: %s\n", what);
}

void PulseClipPlayer::onContextState(pa_context* context, void* self) {
    auto& player = *static_cast<PulseClipPlayer*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        player.complained_ = false;
        if (player.clip_ && !player.stream_) player.startStream();
        break;
    case PA_CONTEXT_FAILED: {
        // Lost or never there: the next clip connects again.
        const int error = pa_context_errno(context);
        player.endStream();
        player.clip_ = nullptr;
        player.complain(pa_strerror(error));
        break;
    }
    default: break;
    }
}

void PulseClipPlayer::onStreamState(pa_stream* stream, void* self) {
    auto& player = *static_cast<PulseClipPlayer*>(self);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        if (player.clip_) player.writeClip();
        break;
    case PA_STREAM_FAILED:
        player.endStream();
        player.clip_ = nullptr;
        break;
    default: break;
    }
}

void PulseClipPlayer::onDrained(pa_stream* stream, int, void* self) {
    auto& player = *static_cast<PulseClipPlayer*>(self);
    if (stream != player.stream_) return;
    player.draining_ = false;
    if (player.writtenSinceDrain_) return player.drain();
    player.stopIdleTimer();
    player.idleTimer_ = pa_context_rttime_new(player.context_, pa_rtclock_now() + kIdleCloseUsec,
                                              &PulseClipPlayer::onIdle, self);
}

void PulseClipPlayer::onIdle(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self) {
    auto& player = *static_cast<PulseClipPlayer*>(self);
    player.endStream();
    player.clip_ = nullptr;
}

} // namespace quadrelle::app
