// The one shared state of the game. Every procedure of the game reads and writes
// these variables by the names the game gives them. Arrays are indexed from 1 by
// seat, slot, suit or value (index 0 holds nothing unless noted), so formulas read
// as the game states them. Card points and deal scores are counted in thirds.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cards/card.h"

namespace morvello {

// State of the dealer choice, as the deck click and the names panel see it.
enum class Phase {
    None,                // no choice running: deck clicks are ignored
    DealerChoice,        // the choice is running: deck clicks draw
    DealerChoiceAgain,   // names were confirmed during the choice: start it again
    PersonalizePlayers,  // the names panel is open: deck clicks are ignored
};

// "&Allow all to declare": Yes, every player shows Volo and Striscio; No, only
// the leader of a trick.
inline constexpr Byte kAllDeclare = 1;
inline constexpr Byte kOnlyLeaderDeclares = 2;

// Enabled states and check marks of the menu items that carry game state.
struct MenuState {
    bool continueEnabled = false;
    bool newGameEnabled = true;
    bool replayEnabled = true;   // "Repeat the last hand"
    bool replayChecked = false;  // the check mark is the replay request
    bool personalizeEnabled = false;
    bool allowDeclareEnabled = true;  // "&Allow all to declare"
    bool scoreEnabled = true;         // "&Score"
    bool playRateEnabled = true;
};

// The values of one suit a seat holds: bit v is set while the seat holds the card
// of value v (bits 1..10).
using SuitMask = std::uint16_t;

constexpr SuitMask valueBit(int value) {
    return static_cast<SuitMask>(1U << value);
}

// How many values a SuitMask holds.
inline constexpr std::array<Byte, 1 << 11> kValuesHeld = [] {
    std::array<Byte, 1 << 11> counts{};
    for (unsigned mask = 1; mask < counts.size(); ++mask)
        counts[mask] = static_cast<Byte>(counts[mask >> 1] + (mask & 1U));
    return counts;
}();

// A set of cards: bit c for the card of code c.
using CardSet = std::uint64_t;

constexpr CardSet cardBit(int card) {
    return CardSet{1} << card;
}

// The codes of a suit follow one another, so its cards lie in a CardSet as ten
// bits in a row: the suit's values in a set, and the set of a suit's cards.
constexpr SuitMask suitValues(CardSet cards, int suit) {
    return static_cast<SuitMask>(cards >> cardCode(suit, 0) & 0x7FEU);
}
constexpr CardSet suitCards(int suit) {
    return CardSet{0x7FEU} << cardCode(suit, 0);
}

// Card codes in dealing order, places 1..40 (place 0 unused).
using Deck = std::array<int, 41>;

// A hand: card codes in slots 1..10 (entry + 100 once played; slot 0 and 11 unused).
using Hand = std::array<Byte, 12>;

// The cards each seat holds and what follows from them: what nobody sees but
// the holder (and the controller, which deals them).
struct Hands {
    std::array<Hand, 5> hands{};  // [seat][slot], slots 1..10; +100 once played
    // The slot each card lies in in its holder's hand, and the values each seat
    // holds, for the computer players' questions.
    std::array<Byte, kCardCount + 1> slotOf{};
    std::array<std::array<SuitMask, 5>, 5> holdMap{};  // [seat][suit]: the values held
    // What each seat may declare: its top cards dealt, its declaration
    // records and their points.
    std::array<std::array<std::array<Byte, 5>, 4>, 5> topDealt{};  // [seat][value 1..3][suit]
    std::array<std::array<Byte, 5>, 5> declSlots{};                // [seat][slot 1..4]
    std::array<Byte, 5> declPoints{};
};

// The table as every seat sees it: the trick, the turn, the deal, the dealer
// choice, the points and what each seat has shown.
struct TableState {
    // --- the trick
    std::array<CardSet, 5> playedCards{};  // the cards each seat has played in the deal
    std::array<Byte, 5> tableCards{};      // card of each seat; strongest first once decided
    std::array<Byte, 5> trickBySeat{};     // the decided trick's cards by seat
    std::array<Byte, 11> seatOrder{};
    std::array<Byte, 5> trickSignals{};  // 0 none, 1 Volo, 2 Busso, 3 Striscio
    std::array<Byte, 5> partnerOf{0, 3, 4, 1, 2};

    // --- turn and deal
    Byte turnSeat = 0;
    Byte leaderSeat = 0;
    Byte cardToPlay = 0;
    Byte chosenSlot = 0;
    Byte cardsPlayed = 0;
    Byte trickNumber = 0;
    int dealNumber = 1;

    // --- dealer choice
    std::array<Byte, 5> drawValues{};
    int drawCount = 0;
    Phase phase = Phase::None;

    // --- points, in thirds where a fraction can occur
    std::array<int, 2> cardPoints{};  // thirds won in the deal by couple A, B
    std::vector<int> dealScoreA{0};   // thirds, by deal number from 1; every deal of the match kept
    std::vector<int> dealScoreB{0};
    std::array<int, 2> matchTotal{};  // whole points
    std::array<int, 2> targetPoints{21, 31};

    // --- what the seats have shown
    // The suits each seat has shown it lacks in this deal by not following them:
    // bit s for suit s.
    std::array<Byte, 5> lackedSuits{};
    // What the computer seats' shown signals told in this deal (they signal
    // truly; a person's signals tell nothing), bit s for suit s: a Volo, that
    // the seat holds no more of the suit; a Striscio, that it holds at least one
    // more, until it plays another card of the suit.
    std::array<Byte, 5> voloSuits{};
    std::array<Byte, 5> striscioSuits{};

    // --- the waited-for card
    int refusedPlay = 0;  // 1 after the must-follow-suit message, 0 after an accepted card
};

// What the classic computer players remember between their turns.
struct ClassicMemory {
    Byte leadSuit = 0;                 // carried from trick to trick, deal to deal, match to match
    std::array<Byte, 5> returnSuit{};  // suit owed back after answering a knock
    std::array<int, 5> suitTopCount{};
};

// The options a player chooses: the Options menu and the names panel.
struct GameOptions {
    Byte playRate = 2;  // 1 Low, 2 Middle, 3 High
    std::array<std::string, 4> playerNames{"You", "Right", "Partner", "Left"};
    Byte allowAllDeclare = kAllDeclare;  // "&Allow all to declare"
    Byte scoreOption = 0;                // 0 for 21 points, 1 for 31

    bool operator==(const GameOptions&) const = default;
};

// What a run of matches starts from, and what config.qvr keeps: the options,
// and the last deck dealt with its dealer, which "Repeat the last hand" deals
// again.
struct StoredGame : GameOptions {
    Deck deck{};  // card codes in dealing order, 1..40
    Byte dealerSeat = 0;

    bool operator==(const StoredGame&) const = default;
};

// The commands waited for between deals, and the menus that offer them.
struct MatchCommands {
    bool continueRequested = false;
    bool newGameRequested = false;
    bool quitRequested = false;  // ends the match loop (the headless runner's last match)
    bool noReplayDeck = true;    // no deal dealt yet in this run of the program
    MenuState menus;
};

// The game as the controller keeps it: each part has one job, and a reader
// that needs one part is handed that part. The deck and the dealer are kept
// with the options, as what config.qvr stores.
struct GameState : StoredGame, Hands, TableState, ClassicMemory, MatchCommands {};

// The options, deck and dealer of a state, as config.qvr and a record keep them.
inline const StoredGame& storedGame(const GameState& g) {
    return g;
}
// Takes the options, deck and dealer in: the state a run of matches starts from.
void restoreStored(GameState& g, const StoredGame& stored);

// The score of the current deal for couple A or B, in thirds; grows the columns as
// deals are added, so a match keeps every deal however many it takes.
void growDealScores(GameState& g);
inline int& dealScore(GameState& g, int couple) {
    if (static_cast<int>(g.dealScoreB.size()) <= g.dealNumber) growDealScores(g);
    return (couple == 0 ? g.dealScoreA : g.dealScoreB)[g.dealNumber];
}

// New game: resets the state of a match, keeping the dealer, the deck, the names
// and the options.
void resetMatch(GameState& g);

// Decides the dealer from drawValues: the seat with the single highest value, or
// 0 on a tie for the highest. Leaves drawValues sorted.
void decideDealer(GameState& g);

// The first slot of turnSeat's hand holding the unplayed card (suit, value); 0 if none.
inline Byte findSlot(const GameState& g, int suit, int value) {
    if ((g.holdMap[g.turnSeat][suit] & valueBit(value)) == 0) return 0;
    return g.slotOf[cardCode(suit, value)];
}

// Marks every unplayed card of every hand in holdMap, after clearing it; and
// sets playedCards and slotOf from the hands as they stand.
void rebuildHoldMap(GameState& g);

// holdMap's marks for one card: taken into a hand, or gone from it.
inline void markHeld(GameState& g, Byte seat, Byte card) {
    g.holdMap[seat][suitOf(card)] |= valueBit(valueOf(card));
}
inline void markGone(GameState& g, Byte seat, Byte card) {
    g.holdMap[seat][suitOf(card)] &= static_cast<SuitMask>(~valueBit(valueOf(card)));
}

// Puts a card in a slot of the seat's hand, marked in holdMap.
inline void placeInHand(GameState& g, Byte seat, int slot, Byte card) {
    g.hands[seat][slot] = card;
    g.slotOf[card] = static_cast<Byte>(slot);
    markHeld(g, seat, card);
}

// Takes the card in the slot out of the seat's hand: the played mark, holdMap
// and playedCards.
void playFromSlot(GameState& g, Byte seat, Byte slot);

}  // namespace morvello
