// SPDX-License-Identifier: MIT
#include "WebAudioSound.h"

#include <array>
#include <cstdio>
#include <span>

namespace quadrelle::web {

namespace {

using emscripten::val;

// The clips' files, 101.wav and 102.wav, as bytes; written at build time.
constexpr unsigned char kReactionClip[] = {
#include "clip101.inc"
};
constexpr unsigned char kSingleRemovalClip[] = {
#include "clip102.inc"
};

// In the order of Clip.
constexpr std::array<std::span<const unsigned char>, 2> kClipFiles{std::span(kReactionClip),
                                                                   std::span(kSingleRemovalClip)};

val audioContextClass() {
    const val window = val::global("window");
    if (!window["AudioContext"].isUndefined()) return window["AudioContext"];
    return window["webkitAudioContext"];
}

} // namespace

void WebAudioSound::readClips() {
    if (clipsRead_) return;
    clipsRead_ = true;
    for (const std::span<const unsigned char> file : kClipFiles) {
        clips_.push_back(waveSamplesOf(file));
        if (!clips_.back()) std::fprintf(stderr, "Quadrelle!: a sound clip is not a PCM WAVE file\n");
    }
}

bool WebAudioSound::openContext() {
    if (!context_) {
        const val type = audioContextClass();
        if (type.isUndefined()) return false;
        context_ = type.new_();
        buffers_.clear();
        for (const std::optional<WaveSamples>& clip : clips_) {
            if (!clip || clip->mono.empty()) {
                buffers_.push_back(val::null());
                continue;
            }
            val buffer =
                context_->call<val>("createBuffer", 1, static_cast<int>(clip->mono.size()), clip->sampleRate);
            buffer.call<val>("getChannelData", 0)
                .call<void>("set", val(emscripten::typed_memory_view(clip->mono.size(), clip->mono.data())));
            buffers_.push_back(std::move(buffer));
        }
    }
    if ((*context_)["state"].as<std::string>() == "suspended") context_->call<val>("resume");
    return true;
}

void WebAudioSound::prepare(bool reachDevice) {
    readClips();
    if (reachDevice) openContext();
}

void WebAudioSound::play(Clip clip) {
    // Without a click or a key first, the browser would not start the context anyway.
    if (!context_) return;
    const auto index = static_cast<std::size_t>(clip);
    if (index >= buffers_.size() || buffers_[index].isNull()) return;
    stopPlaying();
    val source = context_->call<val>("createBufferSource");
    source.set("buffer", buffers_[index]);
    source.call<void>("connect", (*context_)["destination"]);
    source.call<void>("start");
    playing_ = std::move(source);
}

void WebAudioSound::stopPlaying() {
    if (!playing_) return;
    // A source that has ended already is disconnected without complaint.
    playing_->call<void>("disconnect");
    playing_.reset();
}

void WebAudioSound::release() {
    stopPlaying();
    if (context_) context_->call<val>("close");
    context_.reset();
    buffers_.clear();
}

} // namespace quadrelle::web
