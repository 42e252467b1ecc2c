#include <stdexcept>

#include "card.h"
#include "index_glyphs.h"
#include "palette.h"
#include "suits.h"

namespace artgen {
namespace {

// The value and a small suit sign in the top-left corner, and again upside down
// in the bottom-right one.
void cornerIndex(Svg& svg, int suit, int value) {
    indexGlyph(svg, value, {11, 11}, 1.05, ink::kLine);
    const double size = suit == kDenari ? 22 : suit == kCoppe ? 28 : 34;
    suitSymbol(svg, suit, {21.5, suit == kDenari ? 64.0 : 70.0}, size);
}

}  // namespace

void cardBlank(Svg& svg) {
    svg.rect(1.5, 1.5, kCardW - 3, kCardH - 3, 14, outlined(ink::kCream, ink::kBorder, 2.6));
    svg.rect(6.5, 6.5, kCardW - 13, kCardH - 13, 9, strokeOnly(ink::kRed, 1.2));
}

std::string cardFace(int code) {
    if (code < 1 || code > 40) throw std::out_of_range("card code");
    Svg svg(kCardW, kCardH);
    drawFace(svg, code);
    return svg.text();
}

void drawFace(Svg& svg, int code) {
    const int suit = (code - 1) / 10 + 1, value = (code - 1) % 10 + 1;
    cardBlank(svg);
    if (value <= 7)
        drawPips(svg, suit, value);
    else
        drawCourt(svg, suit, value);
    cornerIndex(svg, suit, value);
    svg.beginRaw("rotate(180 120 188.5)");
    cornerIndex(svg, suit, value);
    svg.endGroup();
}

}  // namespace artgen
