// The kinds of seat player: a person answering through the table's input, the
// classic strategy, and the Expert.
#pragma once

#include "match/expert_players.h"
#include "match/player_input.h"
#include "match/seat_player.h"

namespace morvello {

// A person: the card and the signal come from the table's input (the window's
// clicks and keys, or a policy of the headless table).
class PersonPlayer final : public SeatPlayer {
  public:
    explicit PersonPlayer(PlayerInput& input) : SeatPlayer(true), input_(input) {}

    Wait<> pauseBeforeTurn(const GameState&, MatchIo&, Byte) override { return {}; }
    Wait<Byte> proposeCard(const GameState&, MatchIo&) override { return input_.humanCard(); }
    Wait<int> signalAfterLead(const GameState&, MatchIo&) override { return input_.signalChoice(); }

  private:
    PlayerInput& input_;
};

// The game's own fixed strategy: its lead and follow rules, its signals.
class ClassicPlayer final : public SeatPlayer {
  public:
    ClassicPlayer() : SeatPlayer(false) {}

    Wait<> pauseBeforeTurn(const GameState& g, MatchIo& io, Byte seat) override;
    Wait<> chooseCard(GameState& g, MatchIo& io) override;
    Wait<int> signalAfterLead(const GameState&, MatchIo&) override { return kNoSignalChosen; }
};

// The Expert: it thinks of its card during the pause before its turn, on what
// it will know then, and plays the card that did best over its sampled deals.
// Every Expert seat of a match shares one ExpertPlayers: a deal's sampling
// engine, the thought under way, the count of decisions.
class ExpertPlayer final : public SeatPlayer {
  public:
    explicit ExpertPlayer(ExpertPlayers& shared) : SeatPlayer(false), shared_(shared) {}

    Wait<> pauseBeforeTurn(const GameState& g, MatchIo& io, Byte seat) override;
    Wait<> chooseCard(GameState& g, MatchIo& io) override;
    Wait<int> signalAfterLead(const GameState&, MatchIo&) override { return kNoSignalChosen; }

  private:
    Wait<> thinkDuring(const GameState& atTurn, MatchIo& io, double units);
    void play(GameState& g);
    Task<> thinkNow(GameState& g, MatchIo& io);

    ExpertPlayers& shared_;
};

}  // namespace morvello
