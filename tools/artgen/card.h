// Whole images: a card face by its code, the card backs and the title picture.
#pragma once

#include <string>

#include "svg.h"

namespace artgen {

// A card is 60 x 94.25 table units; its drawings use four units to the table unit.
inline constexpr double kCardW = 240;
inline constexpr double kCardH = 377;
inline constexpr Pt kCardCentre{kCardW / 2, kCardH / 2};

// The face of the card with code 1..40: (suit - 1) * 10 + value.
std::string cardFace(int code);
// The card back, upright (uprightBack) or turned a quarter (sidewaysBack).
std::string cardBack(bool horizontal);
// The word Morvello on a transparent ground, 400 x 120.
std::string titlePicture();
// The application's icon: a card back and the ace of Denari fanned, 256 x 256.
std::string appIcon();

// The whole card back, upright, and the whole face of card code 1..40, drawn in
// card units (kCardW x kCardH) at the current placement.
void drawBack(Svg& svg);
void drawFace(Svg& svg, int code);

// The cream card with its rounded border; the parts of a face are drawn on it.
void cardBlank(Svg& svg);
// The pips of a card of value 1..7.
void drawPips(Svg& svg, int suit, int value);
// The court figure of value 8 (Fante), 9 (Cavallo) or 10 (Re).
void drawCourt(Svg& svg, int suit, int value);

}  // namespace artgen
