// The card back: a red field with a gold lattice and a medallion, on the cream card.
#include <algorithm>
#include <cmath>
#include <optional>

#include "card.h"
#include "palette.h"
#include "suits.h"

namespace artgen {
namespace {

struct Box {
    double x0, y0, x1, y1;
};

// The part of the segment a-b inside the box (Liang-Barsky), if any.
std::optional<std::pair<Pt, Pt>> clip(Pt a, Pt b, const Box& box) {
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - box.x0, box.x1 - a.x, a.y - box.y0, box.y1 - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 >= t1) return std::nullopt;
    return std::make_pair(lerp(a, b, t0), lerp(a, b, t1));
}

// Two families of diagonals, a dot where they cross.
void lattice(Svg& svg, const Box& box) {
    const double step = 24, rise = 1.6;  // a diamond twice as tall as it is wide
    const double h = box.y1 - box.y0;
    Path lines;
    for (double x = box.x0 - h / rise; x <= box.x1 + h / rise; x += step) {
        for (int dir = -1; dir <= 1; dir += 2) {
            const Pt a{x, box.y0}, b{x + dir * h / rise, box.y1};
            if (auto seg = clip(a, b, box)) lines.M(seg->first).L(seg->second);
        }
    }
    svg.path(lines, strokeOnly(ink::kGold, 1.6));
    for (double y = box.y0 + step * rise / 2; y < box.y1; y += step * rise / 2) {
        const int row = static_cast<int>(std::lround((y - box.y0) / (step * rise / 2)));
        for (double x = box.x0 + (row % 2 ? step / 2 : 0); x <= box.x1 + 0.01; x += step) {
            if (x > box.x0 + 3 && x < box.x1 - 3) svg.circle({x, y}, 2.4, fillOnly(ink::kPaleGold));
        }
    }
}

void medallion(Svg& svg) {
    const Pt c = kCardCentre;
    svg.ellipse(c, 54, 74, outlined(ink::kDarkRed, ink::kGold, 3));
    svg.ellipse(c, 45, 64, outlined(ink::kCream, ink::kLine, 1.8));
    for (int i = 0; i < 4; ++i) {
        const double a = i * 90.0;
        const Pt tip = c + polar(58, a) * 1.0;
        svg.path(Path()
                     .M(c + polar(18, a - 30))
                     .Q(c + polar(42, a - 14), tip)
                     .Q(c + polar(42, a + 14), c + polar(18, a + 30))
                     .Z(),
                 outlined(i % 2 ? ink::kBlue : ink::kRed, ink::kLine, 1.4));
    }
    coin(svg, c, 22);
}

void backArt(Svg& svg) {
    cardBlank(svg);
    svg.rect(11, 11, kCardW - 22, kCardH - 22, 8, outlined(ink::kRed, ink::kDarkRed, 2));
    lattice(svg, {17, 17, kCardW - 17, kCardH - 17});
    svg.rect(17, 17, kCardW - 34, kCardH - 34, 3, strokeOnly(ink::kGold, 2.4));
    medallion(svg);
}

}  // namespace

std::string cardBack(bool horizontal) {
    if (!horizontal) {
        Svg svg(kCardW, kCardH);
        backArt(svg);
        return svg.text();
    }
    Svg svg(kCardH, kCardW);
    svg.beginRaw("translate(377 0) rotate(90)");
    backArt(svg);
    svg.endGroup();
    return svg.text();
}

}  // namespace artgen
