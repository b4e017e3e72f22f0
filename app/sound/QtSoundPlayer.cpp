// SPDX-License-Identifier: MIT
// Reading the clips from the resources and handing them to the sound server.
#include "sound/QtSoundPlayer.h"

#include "sound/PulseClipPlayer.h"

#include <QFile>
#include <cstdio>

namespace quadrelle::app {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::prepare(bool reachDevice) {
    if (loaded_) return;
    loaded_ = true;
    for (int n = 0; n < kClipCount; ++n) {
        QFile file(clipResourcePath(n));
        auto& clip = clips_[static_cast<std::size_t>(n)];
        if (file.open(QIODevice::ReadOnly)) clip = parseWave(file.readAll());
        if (clip)
            clip = withSixteenBitSamples(*clip);
        else
            std::fprintf(stderr, "quadrelle: sound clip %s is missing or unreadable\n",
                         qPrintable(clipResourcePath(n)));
    }
    output_ = std::make_unique<PulseClipPlayer>();
    if (reachDevice) output_->connect();
}

void QtSoundPlayer::play(Clip which) {
    const int n = static_cast<int>(which);
    if (n < 0 || n >= kClipCount) return;
    prepare(true);
    if (const auto& clip = clips_[static_cast<std::size_t>(n)]) output_->play(*clip);
}

void QtSoundPlayer::release() {
    if (output_) output_->release();
}

} // namespace quadrelle::app
