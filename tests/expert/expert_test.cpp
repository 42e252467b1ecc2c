// What this suite guards: the Expert over positions from real deals: a seat's
// knowledge is true, sampled deals keep it, only true shown signals are noted, its
// choice is fair; in a match it thinks in the pause and a repeated deal repeats it.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

#include "cards/play_signal.h"
#include "expert/deal_sampler.h"
#include "expert/expert_choice.h"
#include "match_harness.h"
#include "players/card_choice.h"
#include "rules/declarations.h"

// Positions from real deals: headless matches with the classic strategy at every
// seat, caught as each card is about to be chosen.
namespace morvello::testing {

// A headless table told of each card as it reaches the table, with the signal shown.
class PlayWatch : public HeadlessTable, public MatchObserver {
  public:
    Wait<> cardPlayed(Byte seat, Byte card, const Hand&, Byte shown, bool) override {
        played(seat, card, shown);
        return {};
    }
    Wait<> cardToTable(Byte seat, Byte card, Byte shown, bool) override {
        played(seat, card, shown);
        return {};
    }
    virtual void played(Byte seat, Byte card, Byte shown) = 0;
};

// The state as the seat to move chooses: once a card of a trick under way is
// on the table, its signal noted, the next seat; after a trick, its winner
// leading the next.
class PositionCollector : public PlayWatch {
  public:
    std::vector<GameState> positions;

    void onTrick(const GameState& g, Byte, int) override {
        if (g.cardsPlayed == kCardCount) return;
        GameState next = g;
        next.trickSignals = {};
        next.tableCards = {};
        ++next.cardsPlayed;
        positions.push_back(next);
    }

  private:
    void played(Byte, Byte, Byte) override {
        if (state().cardsPlayed % 4 == 0) return;
        GameState next = state();
        next.turnSeat = nextSeat(next.turnSeat);
        ++next.cardsPlayed;
        positions.push_back(next);
    }
};

// Every position of `matches` headless matches from the seed.
inline std::vector<GameState> positionsOfMatches(std::uint32_t seed, int matches) {
    PositionCollector collector;
    MatchRun run(collector, MatchOptions{shuffles(seed), Byte{1}, kFourComputers});
    run.match().addObserver(collector);
    int over = 0;
    collector.chooseCommand = [&](const GameState& g) {
        if (g.menus.continueEnabled) return Command::Continue;
        return ++over == matches ? Command::Quit : Command::NewGame;
    };
    run.run();
    return collector.positions;
}

// The unplayed cards of the seat's hand.
inline CardSet handOf(const GameState& g, Byte seat) {
    CardSet set = 0;
    for (int slot = 1; slot <= 10; ++slot) {
        const Byte entry = g.hands[seat][slot];
        if (entry >= 1 && entry <= kCardCount) set |= cardBit(entry);
    }
    return set;
}

// The declaration records a whole dealt hand makes.
inline std::array<Byte, 5> dealtDeclarations(CardSet dealt) {
    HeldValues held{};
    for (int c = 1; c <= kCardCount; ++c)
        if (dealt & cardBit(c)) held[suitOf(c)] |= valueBit(valueOf(c));
    return declarationsOf(held).records;
}

// The state with the unplayed cards of every seat but the one to move replaced
// by the given ones, and a deck that no longer tells how they were dealt.
inline GameState withHands(const GameState& g, const std::array<CardSet, 5>& hands) {
    GameState swapped = g;
    for (Byte seat = 1; seat <= 4; ++seat) {
        if (seat == g.turnSeat) continue;
        CardSet left = hands[seat];
        for (int slot = 1; slot <= 10; ++slot) {
            if (isPlayed(swapped.hands[seat][slot]) || swapped.hands[seat][slot] == 0) continue;
            swapped.hands[seat][slot] = static_cast<Byte>(std::countr_zero(left));
            left &= left - 1;
        }
    }
    rebuildHoldMap(swapped);
    swapped.deck = shuffledDeck(static_cast<std::uint32_t>(hands[1] ^ hands[2]));
    swapped.suitTopCount = {};
    return swapped;
}

}  // namespace morvello::testing

namespace morvello {
namespace {

using namespace morvello::testing;

constexpr int kDealsPerPosition = 8;

// A seat has shown its declarations, or that it has none, with its second card.
constexpr int kCardsBeforeAnnouncing = 2;

CardSet playedByAll(const GameState& g) {
    return g.playedCards[1] | g.playedCards[2] | g.playedCards[3] | g.playedCards[4];
}

// Checks a deal of the unplayed cards against what the seat knows and against
// what is true of the real deal: the signals shown, the suits lacked, the
// declarations announced. The real deal itself must pass (the knowledge is read,
// not guessed), and so must every deal sampled from the knowledge.
void expectAgrees(const GameState& g, const SeatKnowledge& k, const SampledHands& hands) {
    CardSet dealt = 0;
    for (Byte s = 1; s <= 4; ++s) {
        EXPECT_EQ(dealt & hands[s], 0u) << "a card dealt twice";
        dealt |= hands[s];
        EXPECT_EQ(std::popcount(hands[s]), k.handSize[s]);
        EXPECT_EQ(hands[s] & k.known[s], k.known[s]) << "a known card moved, seat " << int(s);
        EXPECT_EQ(hands[s] & k.notDealt[s], 0u);
        for (int suit = 1; suit <= 4; ++suit) {
            const unsigned bit = 1U << suit;
            const bool lacked = ((k.lackedSuits[s] | g.lackedSuits[s] | g.voloSuits[s]) & bit) != 0;
            const bool held = ((k.heldSuits[s] | g.striscioSuits[s]) & bit) != 0;
            EXPECT_TRUE(!lacked || (hands[s] & suitCards(suit)) == 0) << "seat " << int(s);
            EXPECT_TRUE(!held || (hands[s] & suitCards(suit)) != 0) << "seat " << int(s);
        }
        const bool announced =
            k.announced[s] || std::popcount(g.playedCards[s]) >= kCardsBeforeAnnouncing;
        EXPECT_TRUE(!announced || dealtDeclarations(hands[s] | g.playedCards[s]) == g.declSlots[s]);
        EXPECT_TRUE(!k.announced[s] || k.shownSlots[s] == g.declSlots[s]);
    }
    EXPECT_EQ(hands[k.seat], handOf(g, k.seat));
    EXPECT_EQ(dealt & playedByAll(g), 0u) << "a played card came back";
    EXPECT_EQ(dealt | playedByAll(g), ~CardSet{0} << 1 & ~(~CardSet{0} << (kCardCount + 1)));
}

TEST(SamplerOverRealDeals, TheRealHandsAndEverySampledDealAgreeWithWhatTheSeatKnows) {
    std::mt19937 engine(5);
    int declaredCardsKnown = 0, lacks = 0, flings = 0, holds = 0;
    for (const GameState& g : testing::positionsOfMatches(31, 25)) {
        const SeatKnowledge k = knowledgeOf(seatView(g, g.turnSeat));
        SampledHands real{};
        for (Byte s = 1; s <= 4; ++s) {
            real[s] = handOf(g, s);
            if (s != k.seat) declaredCardsKnown += std::popcount(k.known[s]);
            lacks += std::popcount(k.lackedSuits[s]);
            flings += std::popcount(g.voloSuits[s]);
            holds += std::popcount(k.heldSuits[s]);
        }
        expectAgrees(g, k, real);
        EXPECT_EQ(k.known[k.seat], handOf(g, k.seat));
        EXPECT_EQ(k.hidden & (playedByAll(g) | handOf(g, k.seat)), 0u);
        for (int n = 0; n < kDealsPerPosition; ++n) {
            SampledHands hands{};
            ASSERT_TRUE(sampleHands(k, engine, hands));
            expectAgrees(g, k, hands);
        }
    }
    EXPECT_GT(declaredCardsKnown, 0);  // some declarations revealed cards
    EXPECT_GT(lacks, 0);
    EXPECT_GT(flings, 0);  // the shown signals told something
    EXPECT_GT(holds, 0);
}

TEST(Sampler, RefusesKnowledgeThatNoDealAgreesWith) {
    SeatKnowledge k;
    k.seat = 1;
    k.handSize = {0, 0, 1, 0, 0};
    k.hidden = cardBit(5);
    k.lackedSuits[2] = 1U << suitOf(5);
    std::mt19937 engine(1);
    SampledHands hands{};
    EXPECT_FALSE(sampleHands(k, engine, hands));
    k.handSize[3] = 0;
    k.handSize[2] = 2;
    k.known[2] = cardBit(6) | cardBit(7) | cardBit(8);
    EXPECT_FALSE(sampleHands(k, engine, hands));  // more known cards than room
}

// A match with the human at seat 1 flinging every card it leads, and only the
// leader showing Volo and Striscio: what is noted is what the computer seats
// showed, and what they showed is true.
class SignalWatch : public testing::PlayWatch {
  public:
    int flings = 0, creeps = 0, unshown = 0, humanSignals = 0;

    void onDeclarations(const GameState& g) override {
        EXPECT_EQ(g.voloSuits, (std::array<Byte, 5>{})) << "a new deal starts knowing nothing";
        EXPECT_EQ(g.striscioSuits, (std::array<Byte, 5>{}));
    }

  private:
    void played(Byte seat, Byte card, Byte shown) override {
        const GameState& g = state();
        if (seat == 1) {
            EXPECT_EQ(g.voloSuits[1] | g.striscioSuits[1], 0);
            humanSignals += shown != kNoSignal;
            return;
        }
        const unsigned bit = 1U << suitOf(card);
        const bool moreOfSuit = (handOf(g, seat) & suitCards(suitOf(card))) != 0;
        EXPECT_EQ((g.voloSuits[seat] & bit) != 0, shown == kVolo);
        EXPECT_EQ((g.striscioSuits[seat] & bit) != 0, shown == kStriscio);
        EXPECT_TRUE(shown != kVolo || !moreOfSuit);
        EXPECT_TRUE(shown != kStriscio || moreOfSuit);
        flings += shown == kVolo;
        creeps += shown == kStriscio;
        unshown += shown == kNoSignal && g.trickSignals[seat] != kNoSignal;
    }
};

TEST(ShownSignals, OnlyTheComputerSeatsShownSignalsAreNotedAndTheyAreTrue) {
    SignalWatch table;
    table.chooseSignal = [](const GameState&) { return int{kVolo}; };
    int over = 0;
    table.chooseCommand = [&](const GameState& g) {
        if (g.menus.continueEnabled) return Command::Continue;
        return ++over == 3 ? Command::Quit : Command::NewGame;
    };
    testing::MatchRun run(table, MatchOptions{testing::shuffles(12), Byte{1}, kOnePersonAtSeatOne});
    run.match().addObserver(table);
    run.setUp().allowAllDeclare = kOnlyLeaderDeclares;
    run.run();
    EXPECT_GT(table.flings, 0);
    EXPECT_GT(table.creeps, 0);
    EXPECT_GT(table.unshown, 0);  // a follower's, or the last trick's
    EXPECT_GT(table.humanSignals, 0);
}

constexpr int kFewSamples = 24;

// The chosen card and its signal, playing the choice on a copy.
std::pair<Byte, Byte> choiceIn(const GameState& g, std::uint32_t seed) {
    GameState copy = g;
    std::mt19937 engine(seed);
    expertChooses(copy, kFewSamples, engine);
    return {copy.cardToPlay, copy.trickSignals[g.turnSeat]};
}

TEST(ExpertFairness, TheChoiceIgnoresWhichConsistentHandsTheOthersHold) {
    const std::vector<GameState> positions = testing::positionsOfMatches(77, 3);
    std::mt19937 dealer(3);
    int choices = 0, handsChanged = 0;
    for (std::size_t i = 0; i < positions.size(); i += 3) {
        const GameState& g = positions[i];
        const SeatKnowledge k = knowledgeOf(seatView(g, g.turnSeat));
        for (int swap = 0; swap < 2; ++swap) {
            SampledHands other{};
            ASSERT_TRUE(sampleHands(k, dealer, other));
            const GameState swapped = testing::withHands(g, other);
            for (Byte s = 1; s <= 4; ++s)
                handsChanged += testing::handOf(swapped, s) != testing::handOf(g, s);
            EXPECT_EQ(choiceIn(swapped, 11), choiceIn(g, 11)) << "position " << i;
            ++choices;
        }
    }
    EXPECT_GT(choices, 100);
    EXPECT_GT(handsChanged, choices / 2);
}

// Seats 1..4 hold these cards (seat 4's led card on the table); every other
// card was played earlier, seat by seat, seat 2 first with its aces of Bastoni
// and Spade.
GameState lastTwoTricks() {
    GameState g;
    const std::array<std::string, 5> held{"", "3D 5D", "AD 6C", "4C 5C", "7C"};
    CardSet placed = cardBit(card("4D")) | cardBit(card("AB")) | cardBit(card("AS"));
    for (Byte s = 1; s <= 4; ++s) {
        int slot = 1;
        for (const Byte c : cards(held[s])) {
            g.hands[s][slot++] = c;
            placed |= cardBit(c);
        }
    }
    std::array<std::vector<Byte>, 5> played{};
    played[2] = cards("AB AS");
    played[4] = cards("4D");
    Byte seat = 1;
    for (int c = 1; c <= kCardCount; ++c) {
        if (placed & cardBit(c)) continue;
        while (played[seat].size() == (seat == 4 ? 9u : 8u)) ++seat;
        played[seat].insert(played[seat].begin(), static_cast<Byte>(c));
    }
    for (Byte s = 1; s <= 4; ++s) {
        int slot = 10;
        for (const Byte c : played[s]) g.hands[s][slot--] = static_cast<Byte>(c + kPlayedMark);
    }
    rebuildHoldMap(g);
    for (Byte s = 1; s <= 4; ++s)
        g.declSlots[s] = testing::dealtDeclarations(testing::handOf(g, s) | g.playedCards[s]);
    // Buongioco of aces without Coppe: the ace of Denari is seat 2's
    EXPECT_EQ(g.declSlots[2][1], 2);
    g.lackedSuits[3] = 1U << 1;
    g.leaderSeat = 4;
    g.turnSeat = 1;
    g.tableCards[4] = g.cardToPlay = card("4D");
    g.trickNumber = 9;
    g.cardsPlayed = 34;
    return g;
}

TEST(ExpertChoice, TakesTheAceWithTheThreeWhereTheClassicStrategyPlaysLow) {
    const GameState g = lastTwoTricks();
    GameState classic = g;
    chooseComputerCard(classic);
    ASSERT_EQ(classic.cardToPlay, card("5D"));  // the ace then takes 4 thirds and the last trick
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        const auto [chosen, signal] = choiceIn(g, seed);
        EXPECT_EQ(chosen, card("3D")) << "seed " << seed;
        EXPECT_EQ(signal, kStriscio);  // another Denari is held behind it
    }
}

TEST(ExpertChoice, AHandWithOneLegalCardPlaysItWithoutSampling) {
    GameState g = lastTwoTricks();
    g.hands[1][2] = static_cast<Byte>(card("5D") + kPlayedMark);  // the 3 of Denari alone
    rebuildHoldMap(g);
    std::mt19937 engine(1);
    const std::mt19937 before = engine;
    EXPECT_EQ(expertCard(knowledgeOf(seatView(g, 1)), kFewSamples, engine), card("3D"));
    EXPECT_EQ(engine, before);
}

// Deal 1, deal 2, deal 2 repeated, then deal 3 with no Expert seat.
TEST(ExpertTurns, ThoughtInThePauseBeforeEachCardAndRepeatedWithTheDeal) {
    using enum PlayerKind;
    MatchOptions options{
        testing::shuffles(11), Byte{1}, {Classic, Classic, Expert, Classic, Expert}};
    options.expertSamples = 8;
    testing::RecordingTable table;
    testing::MatchRun run(table, std::move(options));
    int commands = 0;
    table.chooseCommand = [&](const GameState&) {
        if (++commands == 3) run.match().setPlayers(kFourComputers);
        return commands == 2 ? Command::Replay : commands == 4 ? Command::Quit : Command::Continue;
    };
    run.run();

    std::vector<std::vector<std::string>> plays;  // by deal
    int thoughts = 0, pausesBeforeExperts = 0, expertPlays = 0;
    std::vector<std::string> sincePlay;
    for (const std::string& line : table.log) {
        if (line.starts_with("think ")) ++thoughts;
        if (line.starts_with("deal ") || line.starts_with("replayed deal ")) {
            plays.emplace_back();
            sincePlay.clear();  // the dealing's own pauses
            continue;
        }
        if (!line.starts_with("play seat ")) {
            sincePlay.push_back(line);
            continue;
        }
        plays.back().push_back(line);
        const bool expert = plays.size() <= 3 && (line[10] == '2' || line[10] == '4');
        const bool thought = std::count(sincePlay.begin(), sincePlay.end(), "think 1") +
                                 std::count(sincePlay.begin(), sincePlay.end(), "think 0") ==
                             1;
        EXPECT_EQ(thought, expert) << line;
        if (expert) {
            ++expertPlays;
            pausesBeforeExperts += std::count(sincePlay.begin(), sincePlay.end(), "delay 1");
        }
        sincePlay.clear();
    }
    ASSERT_EQ(plays.size(), 4u);
    EXPECT_EQ(plays[1], plays[2]);
    EXPECT_EQ(expertPlays, 3 * 20);
    EXPECT_EQ(thoughts, expertPlays);
    EXPECT_EQ(pausesBeforeExperts, 0);  // the thinking is the pause
    EXPECT_EQ(run.match().expertDecisions(), 3 * 20);
}

}  // namespace
}  // namespace morvello
