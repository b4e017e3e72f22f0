// Playing the clips through QSoundEffect.
#include "QtSoundPlayer.h"

#include <QSoundEffect>

#include "Resources.h"

namespace quadrelle::app {

QUrl clipUrl(int n) { return QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(101 + n)); }

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::load() {
    if (isLoaded()) return;
    registerResources();
    for (int n = 0; n < kClipCount; ++n) {
        auto* clip = new QSoundEffect(this);
        clip->setSource(clipUrl(n));
        clips_[static_cast<std::size_t>(n)] = clip;
    }
}

void QtSoundPlayer::PlaySoundRes(int n) {
    if (n < 0 || n >= kClipCount) return;
    load();
    // Stopping every clip first, the same one included, makes the new clip start from its
    // beginning and silences the one that was playing.
    for (QSoundEffect* clip : clips_) clip->stop();
    clips_[static_cast<std::size_t>(n)]->play();
}

} // namespace quadrelle::app
