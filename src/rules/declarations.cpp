#include "rules/declarations.h"

#include <algorithm>
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

// Appends the pieces as one line, padded with spaces or cut to the line width.
template <typename... Pieces>
void appendLine(DeclarationCaption& caption, Pieces... pieces) {
    char* const line = caption.chars.data() + caption.length;
    int used = 0;
    for (const std::string_view piece : {std::string_view(pieces)...}) {
        const int room = kDeclarationLineWidth - used;
        const int take = std::min(room, static_cast<int>(piece.size()));
        std::copy_n(piece.data(), take, line + used);
        used += take;
    }
    std::fill(line + used, line + kDeclarationLineWidth, ' ');
    caption.length += kDeclarationLineWidth;
}

std::string_view valueName(int slot) {
    return slot >= 1 && slot <= 3 ? std::string_view(valueNames[slot - 1]) : std::string_view();
}

std::string_view suitName(int suit) {
    return suit >= 1 && suit <= 4 ? std::string_view(suitNames[suit]) : std::string_view();
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

std::vector<std::string> DeclarationCaption::lines() const {
    return captionLines(text());
}

std::vector<std::string> captionLines(std::string_view all) {
    std::vector<std::string> out;
    for (std::size_t at = 0; at < all.size(); at += kDeclarationLineWidth) {
        const std::string_view line = all.substr(at, kDeclarationLineWidth);
        const std::size_t end = line.find_last_not_of(' ');
        if (end != std::string_view::npos) out.emplace_back(line.substr(0, end + 1));
    }
    return out;
}

DeclarationCaption declarationCaption(const GameState& g, Byte seat) {
    DeclarationCaption caption;
    const auto& slots = g.declSlots[seat];
    caption.declares = slots[1] != 0 || slots[2] != 0 || slots[3] != 0 || slots[4] != 0;
    for (int slot = 1; slot <= 4; ++slot) {
        const Byte code = slots[slot];
        if (code == kFourOfAKind) {
            appendLine(caption, "Four ", valueName(slot));
        } else if (code >= 1 && code <= 4) {
            appendLine(caption, "Buongioco ", "of ", valueName(slot), " (-", suitName(code), ")");
        } else if (code == kNapoletana) {
            appendLine(caption, "Napoletana with ", suitName(slot));
        }
    }
    return caption;
}

}  // namespace morvello
