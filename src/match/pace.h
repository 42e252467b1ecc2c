// The pace of the game: how long the paced delay `delay` lasts.
#pragma once

namespace morvello {

// A unit of delay lasts kDelayPerUnit / rate factor milliseconds, the rate
// factor being ten times the play rate (Low 1, Middle 2, High 3): 3050 ms
// divided by the play rate.
inline constexpr double kDelayPerUnit = 30500;
inline constexpr int kRateFactorPerStep = 10;

inline int delayMs(double units, int playRate) {
    const double rateFactor = playRate * kRateFactorPerStep;
    return static_cast<int>(units * kDelayPerUnit / rateFactor);
}

}  // namespace morvello
