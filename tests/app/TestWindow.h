// SPDX-License-Identifier: MIT
// Helpers for the window tests: a window with its settings and a recording sound device,
// finding controls by their names, reading the game's state, and going on from a position.
#pragma once

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QScrollBar>

#include <array>
#include <memory>

#include "RecordingSoundDevice.h"
#include "window/SquareWidget.h"
#include "window/TemplatePictures.h"
#include "window/Tessarin.h"
#include "settings/QtSettingsStorage.h"

namespace quadrelle::app::testing {

struct TestWindow {
    QtSettingsStorage settings;
    doubles::RecordingSoundDevice sound;
    std::unique_ptr<Tessarin> window = std::make_unique<Tessarin>(settings, sound);

    Tessarin& operator*() { return *window; }
    Tessarin* operator->() { return window.get(); }

    template <typename T = QWidget> T* control(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QLabel* label(const char* name) const { return control<QLabel>(name); }
    QString text(const char* name) const { return label(name)->text(); }
    QScrollBar* spinner() const { return control<QScrollBar>("HScrollLevel"); }
    QAbstractButton* newGameButton() const { return control<QAbstractButton>("Command1"); }
    SquareWidget* square(int index) const {
        return control<SquareWidget>(qPrintable(QStringLiteral("sq%1").arg(index)));
    }

    const Game& game() const { return window->game(); }
    bool timerEnabled(TimerId timer) const { return game().timers().isEnabled(timer); }
    bool anyTimerEnabled() const {
        for (TimerId timer : kAllTimers)
            if (timerEnabled(timer)) return true;
        return false;
    }
    // Goes on from the window's game changed by `change`, with every timer at rest.
    template <typename Change> void resumeWith(Change change) {
        Position position = game().position();
        change(position);
        window->resume(position);
    }
};

// The square's drawn pixels are those of the picture.
inline bool showsPicture(SquareWidget* square, Picture picture) {
    static const TemplatePictures pictures;
    const QImage drawn = square->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return drawn == pictures[picture].toImage().convertToFormat(QImage::Format_RGB32);
}

inline void writeSettings(const QByteArray& contents) {
    const QString path = QtSettingsStorage().filePath();
    QFile::remove(path);
    if (contents.isEmpty()) return;
    QFile file(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (file.open(QIODevice::WriteOnly)) file.write(contents);
}

inline QByteArray settingsFileText() {
    QFile file(QtSettingsStorage().filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of the stored [BestScores] section, which QSettings ends with a blank line.
inline QStringList storedBestScoreLines() {
    const QString text = QString::fromUtf8(settingsFileText());
    const qsizetype start = text.indexOf(QStringLiteral("[BestScores]\n"));
    return start < 0
               ? QStringList()
               : text.mid(start).section(QStringLiteral("\n\n"), 0, 0).split('\n', Qt::SkipEmptyParts).mid(1);
}

// A board of plain colours with no three alike in any row or column: colour (row + 2 column) mod 5.
inline std::array<Kind, kSquareCount> quietBoard() {
    static constexpr std::array<Kind, 5> kPlain = {Kind::K0, Kind::K1, Kind::K2, Kind::K3, Kind::K4};
    std::array<Kind, kSquareCount> kinds{};
    for (int i = 0; i < kSquareCount; ++i)
        kinds[static_cast<std::size_t>(i)] =
            kPlain[static_cast<std::size_t>((rowOf(i) + 2 * columnOf(i)) % 5)];
    return kinds;
}

inline void setPosition(TestWindow& w, const std::array<Kind, kSquareCount>& kinds) {
    w.resumeWith([&](Position& position) {
        for (int i = 0; i < kSquareCount; ++i) {
            position.board.setKindAndPicture(i, kinds[static_cast<std::size_t>(i)]);
            position.board[i].marked = false;
        }
    });
}

} // namespace quadrelle::app::testing
