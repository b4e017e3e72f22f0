// Helpers for the window tests: a window with its settings and a recording sound output,
// finding controls by name, and setting up a board position with every timer at rest.
#pragma once

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QScrollBar>

#include <array>
#include <memory>

#include "SettingsStore.h"
#include "Tessarin.h"
#include "game/SoundOutput.h"

namespace quadrelle::app::testing {

struct TestWindow {
    SettingsStore settings;
    RecordingSound sound;
    std::unique_ptr<Tessarin> window = std::make_unique<Tessarin>(settings, sound);

    Tessarin& operator*() { return *window; }
    Tessarin* operator->() { return window.get(); }

    template <typename T = QWidget>
    T* control(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QLabel* label(const char* name) const { return control<QLabel>(name); }
    QString text(const char* name) const { return label(name)->text(); }
    QScrollBar* spinner() const { return control<QScrollBar>("HScrollLevel"); }
    QAbstractButton* newGameButton() const { return control<QAbstractButton>("Command1"); }
};

inline void writeSettings(const QByteArray& contents) {
    const QString path = SettingsStore().filePath();
    QFile::remove(path);
    if (contents.isEmpty()) return;
    QFile file(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (file.open(QIODevice::WriteOnly)) file.write(contents);
}

inline QByteArray settingsFileText() {
    QFile file(SettingsStore().filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A board of plain colours with no three alike in any row or column: colour (row + 2 column) mod 5.
inline std::array<Kind, kSquareCount> quietBoard() {
    static constexpr std::array<Kind, 5> kPlain = {Kind::K0, Kind::K1, Kind::K2, Kind::K3, Kind::K4};
    std::array<Kind, kSquareCount> kinds{};
    for (int i = 0; i < kSquareCount; ++i)
        kinds[static_cast<std::size_t>(i)] = kPlain[static_cast<std::size_t>((rowOf(i) + 2 * columnOf(i)) % 5)];
    return kinds;
}

inline void setPosition(Tessarin& window, const std::array<Kind, kSquareCount>& kinds) {
    window.timers().stopAll();
    Board& board = window.game().board();
    for (int i = 0; i < kSquareCount; ++i) {
        board.setKindAndPicture(i, kinds[static_cast<std::size_t>(i)]);
        board[i].marked = false;
    }
    window.showState();
}

} // namespace quadrelle::app::testing
