// SPDX-License-Identifier: MIT
// Writing and strictly reading one best-scores entry.
#include "BestScoreText.h"

#include <QStringList>

#include "settings/WholeNumber.h"
#include "game/Settings.h"

namespace quadrelle::app {

namespace {

constexpr auto kDateFormat = "yyyy-MM-dd";

template <typename Number>
std::optional<Number> numberIn(const QString& text, Number lowest, Number highest) {
    const auto value = play::wholeNumberOf<Number>(text.toStdString());
    if (!value || *value < lowest || *value > highest) return std::nullopt;
    return value;
}

std::optional<QDate> dateIn(const QString& text, const QDate& today) {
    const QDate date = QDate::fromString(text, QLatin1StringView(kDateFormat));
    // fromString also takes one-digit months and days; only the text it writes comes back.
    if (!date.isValid() || dateTextOf(date) != text || date > today.addDays(1)) return std::nullopt;
    return date;
}

} // namespace

QString dateTextOf(const QDate& date) {
    return date.toString(QLatin1StringView(kDateFormat));
}

QString storedTextOf(const BestScoreEntry& entry) {
    return QStringLiteral("%1 %2 %3 %4")
        .arg(entry.score)
        .arg(entry.level)
        .arg(dateTextOf(entry.date))
        .arg(entry.gameNumber);
}

std::optional<BestScoreEntry> bestScoreEntryOf(const QString& text, const QDate& today) {
    const QStringList fields = text.split(QLatin1Char(' '));
    if (fields.size() != 4) return std::nullopt;
    const auto score = numberIn<std::int64_t>(fields[0], 1, kMaxStoredHighScore);
    const auto level = numberIn<int>(fields[1], 1, kMaxBestScoreLevel);
    const auto date = dateIn(fields[2], today);
    const auto gameNumber = play::wholeNumberOf<std::uint64_t>(fields[3].toStdString());
    if (!score || !level || !date || !gameNumber) return std::nullopt;
    return BestScoreEntry{*score, *level, *date, *gameNumber};
}

} // namespace quadrelle::app
