// The match under way, kept in the user's data folder so that a closed window,
// a crash or a power cut costs the player nothing: from its first deck to its
// end, its run's record is replaced whole after every deck and choice (the
// first deck is kept before config.qvr says it was dealt). At
// the next start the record left there is offered again. A finished or
// given-up match's record is kept once more as the last match's.
#pragma once

#include <QString>
#include <optional>

#include "match/controller.h"

namespace morvello {

// What an earlier run left: its record, and where its match stood.
struct LeftMatch {
    MatchRecord record;
    GameState standing;
};

class UnfinishedMatch final : public MatchObserver {
  public:
    // folder empty: nothing is kept.
    UnfinishedMatch(QString folder, const Match& match)
        : folder_(std::move(folder)), match_(match) {}

    QString path() const { return folder_ + "/unfinished-match.record"; }
    QString lastMatchPath() const { return folder_ + "/last-match.record"; }

    // The match an earlier run left unfinished. A record that cannot be read,
    // was written by a newer version or does not replay is set aside, said in
    // one line on standard error, and none is left; one whose match is over
    // (the window went between the last card and the record kept as the last
    // match's) becomes the last match's.
    std::optional<LeftMatch> left() const;
    // The match left is not played on: its record becomes the last match's.
    void giveUp() const { finish(); }

    // Told after each deck and choice of the run.
    void recordChanged();
    // While a run is played again its record is what the file holds already.
    void setPaused(bool paused) { paused_ = paused; }
    // True while a match under way is kept, to be played on at the next start.
    bool kept() const { return !folder_.isEmpty() && underWay_; }

    void onMatchStart(const GameState&) override;
    void onGameOver(const GameState&, int, int, int) override;

  private:
    void save() const;
    void finish() const;
    void setAside(const QString& why) const;

    QString folder_;
    const Match& match_;
    bool underWay_ = false;
    std::size_t decksSeen_ = 0;  // the run's decks as last seen: one more starts a deal
    bool paused_ = false;
};

}  // namespace morvello
