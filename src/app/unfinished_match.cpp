#include "app/unfinished_match.h"

#include <QFile>
#include <cstdio>

#include "match/record_replay.h"
#include "settings/kept_file_notice.h"

namespace morvello {
namespace {

// A record of years of play stays far below this.
constexpr files::ReadBound kRecordBound{std::size_t{16} << 20};

// Whether the last match of a run is over.
struct MatchOverListener final : MatchObserver {
    bool over = false;
    void onMatchStart(const GameState&) override { over = false; }
    void onGameOver(const GameState&, int, int, int) override { over = true; }
};

}  // namespace

std::optional<LeftMatch> UnfinishedMatch::left() const {
    if (folder_.isEmpty()) return std::nullopt;
    files::removeLeftovers(filePath(path()));
    const files::ReadResult read = readAndSay(path(), kRecordBound);
    if (read.state != files::FileState::Regular) return std::nullopt;
    if (!read.whole) {
        setAside("it is larger than any record");
        return std::nullopt;
    }
    RecordReading reading = readRecord(read.text);
    if (!reading.record) {
        setAside(QString::fromStdString(reading.error));
        return std::nullopt;
    }
    std::string error;
    MatchOverListener over;
    std::optional<GameState> standing = replayedState(*reading.record, error, &over);
    if (!standing) {
        setAside(QString::fromStdString(error));
        return std::nullopt;
    }
    if (over.over) {
        finish();
        return std::nullopt;
    }
    return LeftMatch{std::move(*reading.record), std::move(*standing)};
}

void UnfinishedMatch::setAside(const QString& why) const {
    const QString aside = setAsideKeptFile(path());
    std::fprintf(
        stderr, "morvello: the unfinished match %s cannot be played on (%s); %s\n",
        qPrintable(path()), qPrintable(why),
        aside.isEmpty() ? "it could not be set aside either" : qPrintable("set aside as " + aside));
}

void UnfinishedMatch::recordChanged() {
    const std::size_t decks = match_.record().decks.size();
    if (decks > decksSeen_) underWay_ = true;
    decksSeen_ = decks;
    if (underWay_ && !paused_) save();
}

void UnfinishedMatch::save() const {
    if (folder_.isEmpty()) return;
    const files::SaveResult saved =
        files::replaceKeptFile(filePath(path()), recordText(match_.record()));
    if (!saved) sayOnce(notSavedReason(path(), saved));
}

void UnfinishedMatch::finish() const {
    if (folder_.isEmpty() || !QFile::exists(path())) return;
    QFile::remove(lastMatchPath());
    QFile::rename(path(), lastMatchPath());
}

// A new match: the one before it is over or given up.
void UnfinishedMatch::onMatchStart(const GameState&) {
    underWay_ = false;
    if (!paused_) finish();
}

void UnfinishedMatch::onGameOver(const GameState&, int, int, int) {
    underWay_ = false;
    if (!paused_) finish();
}

}  // namespace morvello
