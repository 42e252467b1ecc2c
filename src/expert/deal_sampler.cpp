#include "expert/deal_sampler.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace morvello {
namespace {

struct FreeCard {
    Byte card;
    int seats;  // how many seats may take it
};

bool mayTake(const SeatKnowledge& k, Byte seat, Byte card) {
    return (k.lackedSuits[seat] & (1U << Seme(card))) == 0 &&
           (k.notDealt[seat] & cardBit(card)) == 0;
}

// One attempt at dealing the free cards into the room left in each hand.
bool dealOnce(const SeatKnowledge& k, const std::vector<FreeCard>& order, std::array<int, 5> room,
              std::mt19937& engine, SampledHands& hands) {
    for (const FreeCard& free : order) {
        int total = 0;
        std::array<int, 5> weight{};
        for (Byte s = 1; s <= 4; ++s) {
            if (s == k.seat || room[s] == 0 || !mayTake(k, s, free.card)) continue;
            weight[s] = room[s];
            total += room[s];
        }
        if (total == 0) return false;
        int pick = std::uniform_int_distribution<int>(0, total - 1)(engine);
        Byte seat = 1;
        while (pick >= weight[seat]) pick -= weight[seat++];
        hands[seat] |= cardBit(free.card);
        --room[seat];
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
        if (dealOnce(k, order, room, engine, hands)) return true;
    }
    return false;
}

}  // namespace morvello
