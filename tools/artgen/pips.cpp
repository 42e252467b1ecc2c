// The pips of the cards 1 to 7 in the arrangements of the Neapolitan pattern.
#include <vector>

#include "card.h"
#include "geometry.h"
#include "palette.h"
#include "suits.h"

namespace artgen {
namespace {

constexpr double kLeft = 82, kRight = 158, kMid = 120;

// Places of the round pips (coins and cups) for values 2..7.
std::vector<Pt> roundPipPlaces(int suit, int value) {
    const double top = 90, centre = 188.5, bottom = 287;
    switch (value) {
        case 2:
            return {{kMid, 110}, {kMid, 267}};
        case 3:
            if (suit == kCoppe) return {{kMid, 84}, {kMid, centre}, {kMid, 293}};
            return {{kLeft, 100}, {kMid, centre}, {kRight, 277}};
        case 4:
            return {{kLeft, 112}, {kRight, 112}, {kLeft, 265}, {kRight, 265}};
        case 5:
            return {{kLeft, 100}, {kRight, 100}, {kMid, centre}, {kLeft, 277}, {kRight, 277}};
        case 6:
            return {{kLeft, top},     {kRight, top},   {kLeft, centre},
                    {kRight, centre}, {kLeft, bottom}, {kRight, bottom}};
        default: {
            const double l = suit == kCoppe ? 77 : kLeft, r = kCardW - l;  // cups are wider
            return {{l, top},    {r, top},    {kMid, 139}, {l, centre},
                    {r, centre}, {l, bottom}, {r, bottom}};
        }
    }
}

void roundPips(Svg& svg, int suit, int value) {
    for (const Pt& p : roundPipPlaces(suit, value)) {
        if (suit == kDenari) {
            coin(svg, p, value <= 3 ? 34 : value <= 5 ? 30 : 25);
        } else {
            cup(svg, p, value == 2 ? 90 : value <= 5 ? 74 : 60);
        }
    }
}

// Long pips (clubs and swords) cross the card: pairs of diagonals, and a
// straight one down the middle when the value is odd.
struct LongPip {
    Spine spine;
    bool upright;
};

std::vector<LongPip> longPipPlaces(int suit, int value) {
    // Parallel diagonals a fixed step apart, cut to the art's box: they weave a
    // lattice of diamonds, mirrored left to right.
    const Box box{54, 38, kCardW - 54, 340};
    const Pt diagonal = unit(Pt{box.x1 - box.x0, box.y0 - box.y1});
    const Pt across = normal(diagonal);
    const int perSide = value / 2;
    const double step = perSide == 3 ? 38 : 44;
    const double bow = suit == kSpade ? 34 : 0;
    std::vector<LongPip> out;
    for (int i = 0; i < perSide; ++i) {
        const double o = (i - (perSide - 1) / 2.0) * step;
        const Pt through = kCardCentre + across * o;
        const auto seg = clip(through - diagonal * 400, through + diagonal * 400, box);
        if (!seg) continue;
        const Pt a = seg->first, b = seg->second;
        const Pt bend = lerp(a, b, 0.5) + across * (-bow * length(b - a) / 300);
        out.push_back({{a, bend, b}, false});
        out.push_back(
            {{{kCardW - a.x, a.y}, {kCardW - bend.x, bend.y}, {kCardW - b.x, b.y}}, false});
    }
    if (value % 2 == 1) out.push_back({Spine::straight({kMid, 348}, {kMid, 30}), true});
    return out;
}

void longPips(Svg& svg, int suit, int value) {
    const double w = suit == kBastoni ? (value >= 6 ? 16 : 19) : (value >= 6 ? 11 : 12);
    for (const LongPip& p : longPipPlaces(suit, value)) {
        if (suit == kBastoni)
            club(svg, p.spine, w);
        else
            sword(svg, p.spine, w);
    }
}

void leafSprig(Svg& svg, Pt at, double angle, double size) {
    svg.beginGroup({at, size / 30, angle});
    svg.path(Path().M({0, 0}).Q({-2, -14}, {0, -30}), strokeOnly(ink::kDarkGreen, 2.5));
    const double ys[] = {-8, -16, -24};
    for (double y : ys) {
        svg.path(Path().M({0, y}).Q({-12, y - 10}, {-16, y - 4}).Q({-10, y + 2}, {0, y}).Z(),
                 outlined(ink::kGreen, ink::kLine, 1.2));
        svg.path(Path().M({0, y}).Q({12, y - 10}, {16, y - 4}).Q({10, y + 2}, {0, y}).Z(),
                 outlined(ink::kGreen, ink::kLine, 1.2));
    }
    svg.endGroup();
}

void ace(Svg& svg, int suit) {
    switch (suit) {
        case kDenari:
            for (int i = 0; i < 16; ++i) {
                const double a = i * 22.5;
                const Pt p = kCardCentre + polar(76, a);
                svg.path(Path()
                             .M(kCardCentre + polar(64, a - 7))
                             .L(p)
                             .L(kCardCentre + polar(64, a + 7))
                             .Z(),
                         outlined(i % 2 ? ink::kRed : ink::kGold, ink::kLine, 1.4));
            }
            coin(svg, kCardCentre, 64);
            leafSprig(svg, {120, 84}, 0, 30);
            leafSprig(svg, {120, 293}, 180, 30);
            break;
        case kCoppe:
            cup(svg, {120, 192}, 210);
            break;
        case kBastoni:
            club(svg, {{108, 352}, {118, 190}, {130, 34}}, 46);
            leafSprig(svg, {104, 160}, -60, 40);
            leafSprig(svg, {140, 230}, 60, 40);
            break;
        default:
            leafSprig(svg, {113, 262}, -35, 40);
            leafSprig(svg, {127, 262}, 35, 40);
            sword(svg, {{120, 356}, {112, 190}, {120, 28}}, 28);  // in front of the laurel
            break;
    }
}

}  // namespace

void drawPips(Svg& svg, int suit, int value) {
    if (value == 1) {
        ace(svg, suit);
    } else if (suit == kDenari || suit == kCoppe) {
        roundPips(svg, suit, value);
    } else {
        longPips(svg, suit, value);
    }
}

}  // namespace artgen
