// playMatches: the life of the game. The dealer choice, the shuffle and the deal, the
// ten tricks, the settling, and the wait for Continue, Repeat the last hand or
// New Game, over and over.
#include "match/controller.h"

#include "cards/play_signal.h"
#include "cards/shuffle.h"

namespace morvello {
namespace {

enum class Next { NewMatch, Replay, NextDeal };

bool shuffleFromTimeOfDay(Deck& deck) {
    ShuffleEngine engine = timeOfDayEngine();
    shuffleDeck(deck, engine);
    return true;
}

// The dealer choice draws from the stored deck. A deck that is not a permutation
// of 1..40 (a first start, or a file with an entry missing, unreadable, out of
// range or repeated) cannot be drawn from: it becomes a fresh shuffle, so every
// deal is dealt from a whole deck.
void ensureDrawableDeck(GameState& g) {
    if (!isFullDeck(g.deck)) shuffleFromTimeOfDay(g.deck);
}

Task<> startUpPause(GameState& g, MatchIo& io) {
    g.menus.personalizeEnabled = false;
    g.dealNumber = 1;
    g.menus.continueEnabled = false;
    io.view.updateMenus(g.menus);
    io.view.showTitle(true);
    co_await io.view.delay(2);
    io.view.showTitle(false);
    g.menus.personalizeEnabled = true;
    io.view.updateMenus(g.menus);
}

bool commandGiven(const GameState& g) {
    return g.menus.replayChecked || g.newGameRequested || g.continueRequested || g.quitRequested;
}

// Takes the deal just played back out of the totals, to be played again.
void takeBackDeal(GameState& g) {
    int& scoreA = dealScore(g, 0);
    int& scoreB = dealScore(g, 1);
    g.matchTotal[0] -= scoreA / 3;
    g.matchTotal[1] -= scoreB / 3;
    scoreA = 0;
    scoreB = 0;
}

}  // namespace

void resetTable(GameState& g, MatchIo& io) {
    g.holdMap = {};
    io.view.clearDrawing();
    g.partnerOf = {0, 3, 4, 1, 2};
    io.view.drawNames(g.playerNames, g.turnSeat);
    io.view.parkAllCards();
    io.view.showDeck(true);
}

namespace {

std::unique_ptr<ChoiceRecorder> recorderFor(const MatchOptions& options, TableView& view,
                                            PlayerInput& input, const GameState& g,
                                            MatchRecord& record, std::function<void()> noted) {
    if (!options.recorded) return nullptr;
    return std::make_unique<ChoiceRecorder>(view, input, g, record, std::move(noted));
}

}  // namespace

Match::Match(TableView& view, PlayerInput& input, MatchOptions options)
    : options_(std::move(options)),
      recorder_(recorderFor(options_, view, input, g_, record_, [this] { recordChanged(); })),
      person_(recorder_ ? *recorder_ : input),
      io_{recorder_ ? static_cast<TableView&>(*recorder_) : view,
          recorder_ ? static_cast<PlayerInput&>(*recorder_) : input, events_} {
    if (!options_.newDeck) options_.newDeck = shuffleFromTimeOfDay;
    experts_.samples = options_.expertSamples;
    experts_.seed = options_.expertSeed;
    setPlayers(options_.players);
}

Task<> Match::playMatches() {
    GameState& g = g_;
    MatchIo& io = io_;
    // The dealer choice draws from the stored deck: a record starts from one
    // that can be drawn from, so the choice is the same when played again.
    if (!options_.firstDealer) ensureDrawableDeck(g);
    startRecord();
    co_await startUpPause(g, io);
    Next next = Next::NewMatch;
    bool firstMatch = true;
    for (;;) {
        if (next != Next::NextDeal) {
            const bool newMatch = next == Next::NewMatch;
            if (newMatch) io.events.onMatchStart(g);
            resetTable(g, io);
            if (newMatch && firstMatch && options_.firstDealer) {
                g.dealerSeat = *options_.firstDealer;
                g.turnSeat = nextSeat(g.dealerSeat);
            } else {
                if (!g.menus.replayChecked) ensureDrawableDeck(g);
                co_await chooseDealer(g, io);
            }
            if (newMatch) io.events.onDealer(g, g.dealerSeat);
            firstMatch = false;
        }
        const bool replay = g.menus.replayChecked;
        if (!replay) {
            g.turnSeat = nextSeat(g.dealerSeat);
            g.leaderSeat = g.turnSeat;
            if (!nextDeck(g.deck)) co_return;
            if (recorder_) {
                record_.decks.push_back(g.deck);
                recordChanged();
            }
            io.view.saveConfig(storedGame(g));
        }
        g.menus.replayEnabled = false;
        g.menus.replayChecked = false;
        io.view.updateMenus(g.menus);
        experts_.startDeal(g.deck);
        io.events.onDealing(g);
        co_await dealCards(g, io);  // holdMap now marks every card dealt, as rebuilt from the hands
        g.noReplayDeck = false;
        io.events.onDeal(g, replay);
        co_await playTricks(g, io);
        finishDeal(g, io);
        g.menus.newGameEnabled = true;
        io.view.updateMenus(g.menus);
        while (!commandGiven(g)) applyCommand(g, io, co_await io.input.command());
        if (g.quitRequested) co_return;
        if (g.menus.replayEnabled && g.menus.replayChecked) {
            io.view.clearDrawing();
            takeBackDeal(g);
            next = Next::Replay;
        } else if (g.continueRequested) {
            io.view.clearDrawing();
            g.dealerSeat = nextSeat(g.dealerSeat);
            ++g.dealNumber;
            next = Next::NextDeal;
        } else {
            resetMatch(g);
            next = Next::NewMatch;
        }
    }
}

// ---- options

// ---- the record

void Match::startRecord() {
    if (!recorder_) return;
    record_ = {};
    record_.start = {kinds_, experts_.samples, experts_.seed, options_.firstDealer, storedGame(g_)};
}

void Match::noteChoice(Choice choice) {
    if (!recorder_) return;
    choice.atWait = recorder_->waits();
    record_.choices.push_back(std::move(choice));
    recordChanged();
}

// A run played again deals the record's decks; the program's own source is
// drawn for each deck it had not drawn yet, so that a seeded source goes on
// as it would have without the stop.
bool Match::nextDeck(Deck& deck) {
    const std::size_t index = decksDealt_++;
    if (index >= replayDecks_.size()) {
        ++ownDecksDrawn_;
        return options_.newDeck(deck);
    }
    if (index >= ownDecksDrawn_) {
        Deck passed{};
        ++ownDecksDrawn_;
        options_.newDeck(passed);
    }
    deck = replayDecks_[index];
    return true;
}

void Match::startOver(const MatchRecord& record) {
    const RecordStart& start = record.start;
    g_ = GameState{};
    restore(start.game);
    experts_ = ExpertPlayers{};
    experts_.samples = start.expertSamples;
    experts_.seed = start.expertSeed;
    options_.firstDealer = start.firstDealer;
    setPlayers(start.players);
    io_.lateSignal = {};
    replayDecks_ = record.decks;
    decksDealt_ = 0;
    if (recorder_) recorder_->restart();
}

void Match::noteTakeBack() {
    noteChoice({.kind = Choice::Kind::TakeBack});
    events_.onTakeBack(g_);
}

void Match::setPlayRate(int rate) {
    noteChoice({Choice::Kind::PlayRate, 0, rate});
    g_.playRate = static_cast<Byte>(rate);
    io_.view.updateMenus(g_.menus);
    io_.view.saveConfig(storedGame(g_));
}

void Match::setWhoDeclares(int index) {
    noteChoice({Choice::Kind::WhoDeclares, 0, index});
    g_.allowAllDeclare = static_cast<Byte>(index);
    io_.view.updateMenus(g_.menus);
    io_.view.saveConfig(storedGame(g_));
}

void Match::setMatchTarget(int index) {
    noteChoice({Choice::Kind::MatchTarget, 0, index});
    g_.scoreOption = static_cast<Byte>(index);
    io_.view.updateMenus(g_.menus);
    io_.view.saveConfig(storedGame(g_));
}

// ---- the players

void Match::setPlayers(const SeatKinds& players) {
    noteChoice({.kind = Choice::Kind::Players, .players = players});
    kinds_ = players;
    for (Byte seat = 1; seat <= 4; ++seat) {
        SeatPlayer* player = &classic_;
        if (players[seat] == PlayerKind::Person) player = &person_;
        if (players[seat] == PlayerKind::Expert) player = &expert_;
        io_.players[seat] = player;
    }
}

// ---- names

void Match::openNamesPanel() {
    g_.phase = Phase::PersonalizePlayers;
}

void Match::setPlayerName(int index, const std::string& name) {
    g_.playerNames[static_cast<std::size_t>(index - 1)] = name;
}

void Match::confirmNames() {
    noteChoice({.kind = Choice::Kind::Names, .names = g_.playerNames});
    io_.view.saveConfig(storedGame(g_));
    g_.phase = Phase::DealerChoiceAgain;
}

void Match::pickLateSignal(Byte seat, int item) {
    if (item < kNoSignal || item > kStriscio) return;
    noteChoice({Choice::Kind::LateSignal, seat, item});
    io_.lateSignal = {seat, static_cast<Byte>(item)};
}

}  // namespace morvello
