#include "rules/declarations.h"

#include <bit>

namespace morvello {

namespace {

// The ace, two and three of each suit as one 12-bit set: bit 3 (suit - 1) +
// (value - 1). A value's column holds its four suits, a suit's row its three values.
constexpr unsigned kValueColumn = 0b001'001'001'001U;
constexpr unsigned kSuitRow = 0b111U;

unsigned topCards(const HeldValues& held) {
    unsigned top = 0;
    for (unsigned suit = 1; suit <= 4; ++suit)
        top |= ((held[suit] >> 1) & kSuitRow) << (3 * (suit - 1));
    return top;
}

// Four of a value: slot v holds 8; three of them: slot v holds the lacking suit.
void findValueDeclarations(unsigned top, HandDeclarations& found) {
    for (int value = 1; value <= 3; ++value) {
        const unsigned column = kValueColumn << (value - 1);
        const unsigned held = (top & column) >> (value - 1);  // bits 0, 3, 6, 9
        const int count = static_cast<int>((held & 1U) + ((held >> 3) & 1U) + ((held >> 6) & 1U) +
                                           ((held >> 9) & 1U));
        if (count == 4) {
            found.records[value] = kFourOfAKind;
            found.points += 4;
        } else if (count == 3) {
            const unsigned lacking = column & ~top;
            found.records[value] = static_cast<Byte>(std::countr_zero(lacking) / 3 + 1);
            found.points += 3;
        }
    }
}

// A Napoletana of suit s takes slot s, over a value record there; both score.
void findNapoletane(unsigned top, HandDeclarations& found) {
    for (int suit = 1; suit <= 4; ++suit) {
        if (((top >> (3 * (suit - 1))) & kSuitRow) == kSuitRow) {
            found.records[suit] = kNapoletana;
            found.points += 3;
        }
    }
}

}  // namespace

HandDeclarations declarationsOf(const HeldValues& held) {
    HandDeclarations found;
    const unsigned top = topCards(held);
    findValueDeclarations(top, found);
    findNapoletane(top, found);
    return found;
}

void recordDeclarations(GameState& g) {
    for (int seat = 1; seat <= 4; ++seat) {
        const HeldValues& held = g.holdMap[seat];
        for (int value = 1; value <= 3; ++value) {
            for (int suit = 1; suit <= 4; ++suit)
                g.topDealt[seat][value][suit] = static_cast<Byte>((held[suit] >> value) & 1U);
        }
        const HandDeclarations found = declarationsOf(held);
        g.declSlots[seat] = found.records;
        g.declPoints[seat] = static_cast<Byte>(g.declPoints[seat] + found.points);
    }
}

ShownDeclarations shownDeclarations(const GameState& g, Byte seat) {
    ShownDeclarations shown;
    const auto add = [&shown](Declaration::Kind kind, int value, int suit) {
        shown.items[static_cast<std::size_t>(shown.count++)] = {kind, static_cast<Byte>(value),
                                                                static_cast<Byte>(suit)};
    };
    const auto& slots = g.declSlots[seat];
    for (int slot = 1; slot <= 4; ++slot) {
        const Byte code = slots[slot];
        if (code == kFourOfAKind && slot <= 3) {
            add(Declaration::Kind::FourOfAKind, slot, 0);
        } else if (code >= 1 && code <= 4 && slot <= 3) {
            add(Declaration::Kind::Buongioco, slot, code);
        } else if (code == kNapoletana) {
            add(Declaration::Kind::Napoletana, 0, slot);
        }
    }
    return shown;
}

}  // namespace morvello
