// The five card sounds of the game, synthesised, laid one after the other in a
// four-second mono track at the millisecond ranges the game plays them from:
//   0-160 a card laid down, 160-2320 a card flung, 2320-2500 a knock,
//   2500-3180 a card creeping, 3180-4000 the chime of a tied dealer choice.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace morvello::soundgen {

inline constexpr int kEffectsRate = 44100;
inline constexpr std::array<int, 6> kEffectMarks{0, 160, 2320, 2500, 3180, 4000};

std::vector<std::int16_t> synthesiseEffects(int rate = kEffectsRate);

}  // namespace morvello::soundgen
