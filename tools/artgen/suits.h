// The four suit symbols of the Neapolitan deck, drawn at any size and place:
// the gold coin (Denari), the goblet (Coppe), the knotted club (Bastoni) and the
// curved sword (Spade).
#pragma once

#include "geometry.h"
#include "svg.h"

namespace artgen {

enum Suit { kDenari = 1, kCoppe = 2, kBastoni = 3, kSpade = 4 };

// A coin of radius r centred on c.
void coin(Svg& svg, Pt c, double r);
// A goblet standing upright, centred on c, h high.
void cup(Svg& svg, Pt c, double h);
// A club from its handle (spine.from) to its thick head (spine.to), w thick at the head.
void club(Svg& svg, const Spine& spine, double w);
// A sword from its pommel (spine.from) to its point (spine.to); w is the blade's width.
void sword(Svg& svg, const Spine& spine, double w);

// Draws a thick line with a dark outline: the outline first, the colour over it.
void outlinedStroke(Svg& svg, const std::vector<Pt>& pts, double width, const char* colour,
                    double outline);

// The suit's symbol held or shown small, centred on c, about `size` high,
// turned by `angle` degrees (clockwise, 0 upright).
void suitSymbol(Svg& svg, int suit, Pt c, double size, double angle = 0);

}  // namespace artgen
