#include "expert/deal_sampler.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "rules/declarations.h"

namespace morvello {
namespace {

struct FreeCard {
    Byte card;
    int seats;  // how many seats may take it
};

bool mayTake(const SeatKnowledge& k, Byte seat, Byte card) {
    return (k.lackedSuits[seat] & (1U << suitOf(card))) == 0 &&
           (k.notDealt[seat] & cardBit(card)) == 0;
}

// The card at index `pick` of a set, in code order.
Byte nthCard(CardSet set, int pick) {
    for (; pick > 0; --pick) set &= set - 1;
    return static_cast<Byte>(std::countr_zero(set));
}

// Gives each seat that must hold a card of a suit, and holds none yet, one of
// the free cards of that suit it may take, at random.
bool dealHeldSuits(const SeatKnowledge& k, std::array<int, 5>& room, CardSet& free,
                   std::mt19937& engine, SampledHands& hands) {
    for (Byte s = 1; s <= 4; ++s) {
        if (s == k.seat) continue;
        for (int suit = 1; suit <= 4; ++suit) {
            if ((k.heldSuits[s] & (1U << suit)) == 0 || (hands[s] & suitCards(suit)) != 0) continue;
            CardSet choices = free & suitCards(suit) & ~k.notDealt[s];
            if (choices == 0 || room[s] == 0 || (k.lackedSuits[s] & (1U << suit)) != 0)
                return false;
            const int count = std::popcount(choices);
            const Byte card =
                nthCard(choices, std::uniform_int_distribution<int>(0, count - 1)(engine));
            hands[s] |= cardBit(card);
            free &= ~cardBit(card);
            --room[s];
        }
    }
    return true;
}

// One attempt at dealing the free cards into the room left in each hand.
bool dealOnce(const SeatKnowledge& k, const std::vector<FreeCard>& order, std::array<int, 5> room,
              std::mt19937& engine, SampledHands& hands) {
    CardSet free = k.hidden;
    for (Byte s = 1; s <= 4; ++s) free &= ~hands[s];
    if (!dealHeldSuits(k, room, free, engine, hands)) return false;
    for (const FreeCard& entry : order) {
        if ((free & cardBit(entry.card)) == 0) continue;
        int total = 0;
        std::array<int, 5> weight{};
        for (Byte s = 1; s <= 4; ++s) {
            if (s == k.seat || room[s] == 0 || !mayTake(k, s, entry.card)) continue;
            weight[s] = room[s];
            total += room[s];
        }
        if (total == 0) return false;
        int pick = std::uniform_int_distribution<int>(0, total - 1)(engine);
        Byte seat = 1;
        while (pick >= weight[seat]) pick -= weight[seat++];
        hands[seat] |= cardBit(entry.card);
        --room[seat];
    }
    return true;
}

// The values of each suit in a set of cards, as holdMap marks them.
HeldValues heldValues(CardSet cards) {
    HeldValues held{};
    for (int suit = 1; suit <= 4; ++suit) held[suit] = suitValues(cards, suit);
    return held;
}

// Every seat that announced its declarations was dealt a hand that makes
// exactly the records it showed, no more and no fewer.
bool declarationsAgree(const SeatKnowledge& k, const SampledHands& hands) {
    for (Byte s = 1; s <= 4; ++s) {
        if (s == k.seat || !k.announced[s]) continue;
        const CardSet dealt = hands[s] | k.seen.playedCards[s];
        if (declarationsOf(heldValues(dealt)).records != k.shownSlots[s]) return false;
    }
    return true;
}

}  // namespace

bool sampleHands(const SeatKnowledge& k, std::mt19937& engine, SampledHands& hands) {
    std::array<int, 5> room{};
    CardSet placed = 0;
    for (Byte s = 1; s <= 4; ++s) {
        placed |= k.known[s];
        if (s == k.seat) continue;
        room[s] = k.handSize[s] - std::popcount(k.known[s]);
        if (room[s] < 0) return false;
    }
    std::vector<FreeCard> order;
    for (int card = 1; card <= kCardCount; ++card) {
        if ((k.hidden & cardBit(card)) == 0 || (placed & cardBit(card)) != 0) continue;
        int seats = 0;
        for (Byte s = 1; s <= 4; ++s)
            seats += s != k.seat && mayTake(k, s, static_cast<Byte>(card));
        order.push_back({static_cast<Byte>(card), seats});
    }
    for (int attempt = 0; attempt < kSamplerAttempts; ++attempt) {
        std::shuffle(order.begin(), order.end(), engine);
        std::stable_sort(order.begin(), order.end(),
                         [](const FreeCard& a, const FreeCard& b) { return a.seats < b.seats; });
        hands = {};
        for (Byte s = 1; s <= 4; ++s) hands[s] = k.known[s];
        if (dealOnce(k, order, room, engine, hands) && declarationsAgree(k, hands)) return true;
    }
    return false;
}

}  // namespace morvello
