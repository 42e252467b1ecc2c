#include "suits.h"

#include <algorithm>
#include <cmath>

#include "palette.h"

namespace artgen {
namespace {

// Outline width for a symbol of the given size: thin lines stay visible when small.
double outlineFor(double size) {
    return std::clamp(size * 0.045, 1.5, 2.6);
}

void coinRosette(Svg& svg, double outline) {
    Path petals;
    for (int i = 0; i < 8; ++i) {
        const double a = i * 45.0;
        const Pt tip = polar(24, a), left = polar(13, a - 22), right = polar(13, a + 22);
        petals.M({0, 0}).Q(left * 1.3, tip).Q(right * 1.3, {0, 0}).Z();
    }
    svg.path(petals, outlined(ink::kPaleGold, ink::kDarkRed, outline * 0.6));
}

}  // namespace

void outlinedStroke(Svg& svg, const std::vector<Pt>& pts, double width, const char* colour,
                    double outline) {
    svg.polyline(pts, strokeOnly(ink::kLine, width + 2 * outline));
    svg.polyline(pts, strokeOnly(colour, width));
}

void coin(Svg& svg, Pt c, double r) {
    const double k = r / 50.0;
    const double ow = outlineFor(2 * r) / k;
    svg.beginGroup({c, k});
    svg.circle({0, 0}, 50, outlined(ink::kGold, ink::kLine, ow));
    svg.circle({0, 0}, 41, strokeOnly(ink::kOchre, 4));
    if (r >= 18) {
        Path beads;
        for (int i = 0; i < 24; ++i) dot(beads, polar(45.5, i * 15.0), 1.9);
        svg.path(beads, fillOnly(ink::kDarkRed));
    }
    svg.circle({0, 0}, 32, outlined(ink::kRed, ink::kLine, ow * 0.8));
    coinRosette(svg, ow);
    svg.circle({0, 0}, 7, outlined(ink::kGreen, ink::kLine, ow * 0.6));
    svg.endGroup();
}

void cup(Svg& svg, Pt c, double h) {
    const double k = h / 100.0;
    const double ow = outlineFor(h * 0.7) / k;
    svg.beginGroup({c, k});
    // foot
    svg.path(Path()
                 .M({-6, 26})
                 .C({-8, 38}, {-27, 40}, {-30, 47})
                 .Q({0, 54}, {30, 47})
                 .C({27, 40}, {8, 38}, {6, 26})
                 .Z(),
             outlined(ink::kGold, ink::kLine, ow));
    svg.path(Path().M({-29, 46}).Q({0, 52}, {29, 46}), strokeOnly(ink::kRed, 3.5));
    // stem and knot
    svg.rect(-5, 0, 10, 28, 0, outlined(ink::kOchre, ink::kLine, ow));
    svg.ellipse({0, 14}, 11, 7, outlined(ink::kBlue, ink::kLine, ow));
    // bowl with its band and rim
    svg.path(Path()
                 .M({-32, -42})
                 .C({-32, -12}, {-16, 1}, {-7, 2})
                 .L({7, 2})
                 .C({16, 1}, {32, -12}, {32, -42})
                 .Z(),
             outlined(ink::kGold, ink::kLine, ow));
    svg.path(
        Path().M({-31.5, -33}).Q({0, -25}, {31.5, -33}).L({30, -22}).Q({0, -14}, {-30, -22}).Z(),
        outlined(ink::kRed, ink::kLine, ow * 0.6));
    svg.path(Path().M({-18, -8}).Q({0, 0}, {18, -8}), strokeOnly(ink::kOchre, 3));
    svg.ellipse({0, -42}, 32, 7, outlined(ink::kDarkRed, ink::kLine, ow));
    svg.path(Path().M({-26, -12}).Q({-22, -4}, {-14, -2}), strokeOnly(ink::kPaleGold, 3));
    svg.endGroup();
}

void club(Svg& svg, const Spine& spine, double w) {
    const double ow = outlineFor(w * 4);
    auto half = [w](double t) { return w * 0.5 * (0.5 + 0.5 * t * t); };
    // stumps of cut twigs, drawn first so the club covers their roots
    const struct {
        double t;
        double side;
    } stubs[] = {{0.3, 1}, {0.52, -1}, {0.74, 1}};
    for (const auto& s : stubs) {
        const Pt base0 = spine.side(s.t - 0.03, s.side * half(s.t) * 0.7);
        const Pt base1 = spine.side(s.t + 0.05, s.side * half(s.t) * 0.7);
        const Pt tip = spine.side(s.t + 0.07, s.side * (half(s.t) + w * 0.55));
        svg.polygon({base0, tip, base1}, outlined(ink::kWood, ink::kLine, ow));
        svg.circle(tip, w * 0.12, outlined(ink::kPaleWood, ink::kLine, ow * 0.6));
    }
    Path body;
    const int n = 14;
    body.M(spine.side(0, half(0)));
    for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n;
        body.L(spine.side(t, half(t)));
    }
    body.A(half(1), half(1), 0, false, true, spine.side(1, -half(1)));
    for (int i = n - 1; i >= 0; --i) {
        const double t = double(i) / n;
        body.L(spine.side(t, -half(t)));
    }
    body.A(half(0), half(0), 0, false, true, spine.side(0, half(0)));
    body.Z();
    svg.path(body, outlined(ink::kWood, ink::kLine, ow));
    // light grain along one side and knot rings
    std::vector<Pt> grain;
    for (int i = 1; i < n; ++i)
        grain.push_back(spine.side(double(i) / n, half(double(i) / n) * 0.45));
    svg.polyline(grain, strokeOnly(ink::kPaleWood, std::max(1.0, w * 0.16)));
    for (const auto& s : stubs) {
        const double t = s.t + 0.02;
        svg.path(
            Path().M(spine.side(t, half(t))).Q(spine.side(t + 0.025, 0), spine.side(t, -half(t))),
            strokeOnly(ink::kDarkWood, ow * 0.8));
    }
    svg.circle(spine.at(1), half(1) * 0.55, fillOnly(ink::kPaleWood));
}

void sword(Svg& svg, const Spine& spine, double w) {
    const double ow = outlineFor(w * 4);
    const double guardT = 0.2;
    // blade: full width below, narrowing to the point
    auto half = [w](double u) {
        return w * 0.5 * (u < 0.7 ? 1.0 - 0.1 * u : 0.93 * std::sqrt((1 - u) / 0.3));
    };
    Path blade;
    const int n = 16;
    for (int i = 0; i <= n; ++i) {
        const double u = double(i) / n, t = guardT + (1 - guardT) * u;
        const Pt p = spine.side(t, half(u));
        if (i == 0)
            blade.M(p);
        else
            blade.L(p);
    }
    for (int i = n - 1; i >= 0; --i) {
        const double u = double(i) / n, t = guardT + (1 - guardT) * u;
        blade.L(spine.side(t, -half(u)));
    }
    blade.Z();
    svg.path(blade, outlined(ink::kSteel, ink::kLine, ow));
    std::vector<Pt> fuller;
    for (int i = 1; i <= 12; ++i) fuller.push_back(spine.side(guardT + 0.62 * i / 12.0, w * 0.12));
    svg.polyline(fuller, strokeOnly(ink::kBlue, std::max(1.0, w * 0.22)));
    // grip, guard and pommel
    outlinedStroke(svg, {spine.at(0.04), spine.at(guardT)}, w * 0.7, ink::kRed, ow);
    const Pt g0 = spine.side(guardT, w * 1.7), g1 = spine.side(guardT, -w * 1.7);
    outlinedStroke(svg, {g0, spine.side(guardT + 0.005, 0), g1}, w * 0.55, ink::kGold, ow);
    svg.circle(g0, w * 0.38, outlined(ink::kGold, ink::kLine, ow));
    svg.circle(g1, w * 0.38, outlined(ink::kGold, ink::kLine, ow));
    svg.circle(spine.at(0.02), w * 0.55, outlined(ink::kGold, ink::kLine, ow));
}

void suitSymbol(Svg& svg, int suit, Pt c, double size, double angle) {
    const Pt up = polar(size * 0.5, angle);
    switch (suit) {
        case kDenari:
            coin(svg, c, size * 0.5);
            break;
        case kCoppe:
            svg.beginGroup({c, 1, angle});
            cup(svg, {0, 0}, size);
            svg.endGroup();
            break;
        case kBastoni:
            club(svg, Spine::straight(c - up, c + up), size * 0.2);
            break;
        default:
            sword(svg, {c - up, c + polar(size * 0.1, angle + 90), c + up}, size * 0.1);
            break;
    }
}

}  // namespace artgen
