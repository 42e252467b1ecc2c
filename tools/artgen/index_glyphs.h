// The value index in a card's corner: the figures 1 to 7 and the letters F, C, R
// (Fante, Cavallo, Re), drawn as pen strokes so they need no font.
#pragma once

#include "svg.h"

namespace artgen {

inline constexpr double kGlyphWidth = 20;
inline constexpr double kGlyphHeight = 34;

// The index mark of a value 1..10, its box's top-left corner at `at`, scaled by k.
void indexGlyph(Svg& svg, int value, Pt at, double k, const char* colour);

}  // namespace artgen
