// The application's icon: two cards of the deck held in a fan, the back behind
// and the ace of Denari in front, on a transparent ground.
#include "card.h"

namespace artgen {
namespace {

constexpr double kIconSize = 256;
constexpr double kCardScale = 0.56;
constexpr Pt kPivot{128, 231};    // where the fan is held: the cards' bottom centres meet
constexpr double kFanAngle = 14;  // degrees each card leans out of the upright
constexpr int kAceOfDenari = 1;

// A card laid on the fan: its bottom centre on the pivot, leaning by `angle`.
template <typename Draw>
void fanCard(Svg& svg, double angle, Draw draw) {
    svg.beginGroup(Place{kPivot, kCardScale, angle});
    svg.beginRaw("translate(" + num(-kCardW / 2) + ' ' + num(-kCardH) + ')');
    draw();
    svg.endGroup();
    svg.endGroup();
}

}  // namespace

std::string appIcon() {
    Svg svg(kIconSize, kIconSize);
    fanCard(svg, -kFanAngle, [&] { drawBack(svg); });
    fanCard(svg, kFanAngle, [&] { drawFace(svg, kAceOfDenari); });
    return svg.text();
}

}  // namespace artgen
