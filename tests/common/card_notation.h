// The card notation of the tests: value then suit, "AD" the ace of Denari, "7C",
// "JB" a knave, "HS" a horse, "KC" a king; lists are separated by spaces.
#pragma once

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cards/card.h"
#include "rules/declarations.h"

namespace morvello::testing {

inline constexpr Byte kDenari = 1, kCoppe = 2, kBastoni = 3, kSpade = 4;

inline const std::string kValueLetters = "A234567JHK";
inline const std::string kSuitLetters = "DCBS";

inline Byte card(const std::string& name) {
    const std::size_t value = kValueLetters.find(name.substr(0, 1));
    const std::size_t suit = kSuitLetters.find(name.substr(1));
    if (name.size() != 2 || value == std::string::npos || suit == std::string::npos)
        throw std::invalid_argument("no such card: " + name);
    return cardCode(static_cast<int>(suit) + 1, static_cast<int>(value) + 1);
}

// The name of a card code 1..40 in the same notation.
inline std::string cardName(int code) {
    return {kValueLetters.at(valueOf(code) - 1), kSuitLetters.at(suitOf(code) - 1)};
}

// The cards of a list: "3C 2C AC".
inline std::vector<Byte> cards(const std::string& list) {
    std::vector<Byte> found;
    std::istringstream in(list);
    for (std::string name; in >> name;) found.push_back(card(name));
    return found;
}

// " napoletana D, four 2": each declaration with its value and suit letters.
inline std::string declarationsNote(const ShownDeclarations& shown) {
    std::string note;
    const char* between = " ";
    for (const Declaration& d : shown) {
        note += between;
        between = ", ";
        switch (d.kind) {
            case Declaration::Kind::FourOfAKind:
                note += std::string("four ") + kValueLetters.at(d.value - 1u);
                break;
            case Declaration::Kind::Buongioco:
                note += std::string("buongioco ") + kValueLetters.at(d.value - 1u) + " -" +
                        kSuitLetters.at(d.suit - 1u);
                break;
            case Declaration::Kind::Napoletana:
                note += std::string("napoletana ") + kSuitLetters.at(d.suit - 1u);
                break;
        }
    }
    return note;
}

}  // namespace morvello::testing
