// The pace of the game: how long the paced delay `delay` lasts.
#pragma once

namespace morvello {

// A unit of delay lasts kDelayPerUnit / rate factor milliseconds, the rate
// factor being ten times the play rate (Low 1, Middle 2, High 3): 3050 ms
// divided by the play rate.
inline constexpr double kDelayPerUnit = 30500;
inline constexpr int kRateFactorPerStep = 10;

// How long the table's movements last, in units of the paced delay.
inline constexpr double kSlideUnits = 0.2;      // a card's slide across the table
inline constexpr double kSqueezeUnits = 0.45;   // a won trick's card turning edge-on
inline constexpr double kDealtCardUnits = 0.2;  // the pause after each card dealt

inline int delayMs(double units, int playRate) {
    const double rateFactor = playRate * kRateFactorPerStep;
    return static_cast<int>(units * kDelayPerUnit / rateFactor);
}

}  // namespace morvello
