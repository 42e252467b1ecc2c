// The play signals a seat gives with its card, as stored in trickSignals.
#pragma once

#include "cards/card.h"

namespace morvello {

inline constexpr Byte kNoSignal = 0;
inline constexpr Byte kVolo = 1;      // fling: no more cards of the suit
inline constexpr Byte kBusso = 2;     // knock: partner, play your highest and lead the suit back
inline constexpr Byte kStriscio = 3;  // creep: at least one more card of the suit

}  // namespace morvello
