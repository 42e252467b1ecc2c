// The match controller: the life of the game as one script with waits. It is
// the only writer of the game state: the table is handed what it shows, the
// player's input comes back through the controller's waits and commands, and
// listeners are told what happened.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cards/game_state.h"
#include "match/choice_recorder.h"
#include "match/commands.h"
#include "match/match_observers.h"
#include "match/names_input.h"
#include "match/procedures.h"
#include "match/seat_players.h"
#include "rules/seat_view.h"
#include "task/task.h"

namespace morvello {

struct MatchOptions {
    // Fills deck with the next fresh deck; returns false when there is none, which
    // ends playMatches (the headless runner's deck file ran out). Default: shuffleDeck seeded
    // from the time of day.
    std::function<bool(Deck&)> newDeck;
    // The dealer of the first match, skipping its dealer choice (headless runner).
    std::optional<Byte> firstDealer;
    // Who plays each seat: a person, the classic strategy or the Expert.
    SeatKinds players = kOnePersonAtSeatOne;
    // The Expert's sampled deals per card, and the seed that, with each deal's
    // deck, fixes its sampling.
    int expertSamples = kDefaultExpertSamples;
    std::uint32_t expertSeed = 0;
    // Keeps the run's record (record()): its start, its decks, every choice.
    bool recorded = false;
};

class Match final : public NamesInput {
  public:
    Match(TableView& view, PlayerInput& input, MatchOptions options = {});
    Match(const Match&) = delete;
    Match& operator=(const Match&) = delete;

    void addObserver(MatchObserver& observer) { events_.add(observer); }

    const GameState& state() const { return g_; }
    // The options, deck and dealer a run starts from (config.qvr's, a record's),
    // taken in before playMatches starts; and as they stand, to be stored.
    void restore(const StoredGame& stored) { restoreStored(g_, stored); }
    StoredGame stored() const { return storedGame(g_); }
    // What a seat sees of the game now.
    SeatView view(Byte seat) const { return seatView(g_, seat); }

    // Runs matches until a Quit command, or until newDeck runs out. The window
    // quits by destroying the task.
    Task<> playMatches();

    // The run so far, when its options ask for a record: replayed, it plays the
    // same again.
    const MatchRecord& record() const { return record_; }
    // Told each time the record grows by a deck or a choice.
    std::function<void()> onRecordChanged;
    // The match set back to where the recorded run started: its state, players
    // and Expert as the record's start has them, and its first decks the
    // record's. playMatches then plays the run again (with a table that answers
    // its waits from the record, ReplayingTable); the decks of this program's
    // own source are drawn as they would have been.
    void startOver(const MatchRecord& record);
    // The person took back a card: noted in the record and told to listeners.
    void noteTakeBack();

    // How many cards the Expert seats have chosen so far.
    long expertDecisions() const { return experts_.decisions; }
    // Who plays each seat from its next move on.
    void setPlayers(const SeatKinds& players);
    const SeatKinds& players() const { return kinds_; }

    // ---- the Options menu: each stores the choice, sets the menus and saves.
    void setPlayRate(int rate);
    void setWhoDeclares(int index);
    void setMatchTarget(int index);

    // ---- the names panel
    void openNamesPanel() override;
    void setPlayerName(int index, const std::string& name) override;
    // OK: saved; a dealer choice under way starts again once the deck input says so.
    void confirmNames() override;

    // ---- "Repeat the last hand": what the player is told before the command.
    ReplayAnswer replayAnswer() const { return morvello::replayAnswer(g_); }

    // A signal picked from the list opened again after the wait for it was over:
    // it replaces the seat's signal of the trick, unshown.
    void pickLateSignal(Byte seat, int item);

  private:
    void startRecord();
    void noteChoice(Choice choice);
    void recordChanged() {
        if (onRecordChanged) onRecordChanged();
    }
    bool nextDeck(Deck& deck);

    GameState g_;
    MatchObservers events_;
    MatchOptions options_;
    MatchRecord record_;
    std::unique_ptr<ChoiceRecorder> recorder_;  // when the run is recorded
    std::vector<Deck> replayDecks_;             // the decks of a run played again
    std::size_t decksDealt_ = 0;                // decks dealt since the run started
    std::size_t ownDecksDrawn_ = 0;             // decks drawn from options_.newDeck
    ExpertPlayers experts_;
    PersonPlayer person_;
    ClassicPlayer classic_;
    ExpertPlayer expert_{experts_};
    SeatKinds kinds_{};
    MatchIo io_;
};

}  // namespace morvello
