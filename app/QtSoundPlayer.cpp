// Playing the clips through QAudioSink.
#include "QtSoundPlayer.h"

#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>

#include <cstdio>

#include "Resources.h"

namespace quadrelle::app {

namespace {

// The sink turns idle once it has pulled the last bytes, while the sound server may still hold
// a buffer's worth unplayed; stopping it then would drop the end of a clip, and all of the
// 0.2 s single-removal clip. Silence after each clip lets the clip itself play out first.
constexpr int kTrailingSilenceMs = 400;

QByteArray withTrailingSilence(const WaveClip& clip) {
    const QAudioFormat& format = clip.format;
    const qint32 silentBytes = format.bytesForDuration(qint64(kTrailingSilenceMs) * 1000);
    const char silence = format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
    return clip.samples + QByteArray(silentBytes, silence);
}

} // namespace

QString clipResourcePath(int n) { return QStringLiteral(":/sounds/%1.wav").arg(101 + n); }

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

QtSoundPlayer::~QtSoundPlayer() {
    if (sink_) sink_->stop();
}

void QtSoundPlayer::load() {
    if (loaded_) return;
    loaded_ = true;
    registerResources();
    for (int n = 0; n < kClipCount; ++n) {
        QFile file(clipResourcePath(n));
        auto& clip = clips_[static_cast<std::size_t>(n)];
        if (file.open(QIODevice::ReadOnly)) clip = parseWave(file.readAll());
        if (clip)
            clip->samples = withTrailingSilence(*clip);
        else
            std::fprintf(stderr, "quadrelle: sound clip %s is missing or unreadable\n",
                         qPrintable(clipResourcePath(n)));
    }
}

bool QtSoundPlayer::isReady() const {
    if (!loaded_) return false;
    for (const auto& clip : clips_)
        if (!clip) return false;
    return true;
}

void QtSoundPlayer::PlaySoundRes(int n) {
    if (n < 0 || n >= kClipCount) return;
    load();
    const auto& clip = clips_[static_cast<std::size_t>(n)];
    if (!clip) return;

    if (sink_) sink_->stop();
    playing_.close();
    if (!sink_ || sink_->format() != clip->format) {
        delete sink_;
        sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), clip->format, this);
        connect(sink_, &QAudioSink::stateChanged, this, &QtSoundPlayer::onSinkStateChanged);
    }
    playing_.setData(clip->samples);
    playing_.open(QIODevice::ReadOnly);
    sink_->start(&playing_);
}

void QtSoundPlayer::releaseDevice() {
    delete sink_;
    sink_ = nullptr;
    playing_.close();
}

void QtSoundPlayer::onSinkStateChanged(QAudio::State state) {
    // The clip has run out: release the stream until the next clip.
    if (state == QAudio::IdleState) sink_->stop();
}

} // namespace quadrelle::app
