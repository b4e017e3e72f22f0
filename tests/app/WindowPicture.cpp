// SPDX-License-Identifier: MIT
// quadrelle-window-picture GAME OUTPUT.png: draws the designed window dealing game GAME, with
// nothing stored and no sound, and writes it as a PNG once the fresh board has settled. The
// browser's tests compare their board with this one; run it on Qt's offscreen platform.
#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "RecordingSoundDevice.h"
#include "session/GameNumberText.h"
#include "settings/SettingsStorage.h"
#include "window/Tessarin.h"

using namespace quadrelle;

namespace {

// Stores nothing beyond the run, so the window shows what a first start shows.
class StorageForOneRun : public play::SettingsStorage {
public:
    play::StoredTexts read() const override { return texts_; }
    bool update(const ChangeOf& changeOf) override {
        changeOf(texts_).applyTo(texts_);
        return true;
    }

private:
    play::StoredTexts texts_;
};

constexpr int kPollMs = 50;
constexpr int kGiveUpMs = 60000;

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const std::optional<GameNumber> game = argc == 3 ? play::parseGameNumber(argv[1]) : std::nullopt;
    if (!game) {
        std::fprintf(stderr, "usage: %s GAME-NUMBER OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    StorageForOneRun storage;
    doubles::RecordingSoundDevice sound;
    app::Tessarin window(storage, sound, game);
    window.show();

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!window.game().atRest()) return;
        poll.stop();
        const bool written = window.grab().toImage().save(output, "PNG");
        if (!written) std::fprintf(stderr, "cannot write %s\n", argv[2]);
        QApplication::exit(written ? 0 : 1);
    });
    poll.start(kPollMs);
    QTimer::singleShot(kGiveUpMs, [] {
        std::fprintf(stderr, "the board did not settle\n");
        QApplication::exit(1);
    });
    return QApplication::exec();
}
