// The card back: a red field with a gold lattice and a medallion, on the cream card.
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "card.h"
#include "palette.h"
#include "suits.h"

namespace artgen {
namespace {

// The part of a convex polygon inside the box (Sutherland-Hodgman, one side at a time).
std::vector<Pt> clipPolygon(std::vector<Pt> poly, const Box& box) {
    auto cut = [&poly](auto inside, auto cross) {
        std::vector<Pt> out;
        for (size_t i = 0; i < poly.size(); ++i) {
            const Pt a = poly[i], b = poly[(i + 1) % poly.size()];
            if (inside(a)) out.push_back(a);
            if (inside(a) != inside(b)) out.push_back(cross(a, b));
        }
        poly = std::move(out);
    };
    auto atX = [](double x) {
        return [x](Pt a, Pt b) { return lerp(a, b, (x - a.x) / (b.x - a.x)); };
    };
    auto atY = [](double y) {
        return [y](Pt a, Pt b) { return lerp(a, b, (y - a.y) / (b.y - a.y)); };
    };
    cut([&](Pt p) { return p.x >= box.x0; }, atX(box.x0));
    cut([&](Pt p) { return p.x <= box.x1; }, atX(box.x1));
    cut([&](Pt p) { return p.y >= box.y0; }, atY(box.y0));
    cut([&](Pt p) { return p.y <= box.y1; }, atY(box.y1));
    return poly;
}

// A gold lattice: red diamonds on a gold ground, a small pale diamond where the
// gold lines cross. Every diamond is a small separate shape, which draws fast.
void lattice(Svg& svg, const Box& box) {
    const double halfW = 12, halfH = 19.2, gap = 1.5;  // a cell's half sizes, the gold line
    svg.rect(box.x0, box.y0, box.x1 - box.x0, box.y1 - box.y0, 0, fillOnly(ink::kGold));
    // one shape per row: Qt fills a shape by its bounding box, so small ones are cheaper
    int row = 0;
    for (double y = box.y0; y <= box.y1 + halfH; y += halfH, ++row) {
        Path cells, crossings;
        for (double x = box.x0 + (row % 2 ? halfW : 0); x <= box.x1 + halfW; x += 2 * halfW) {
            const double w = halfW - gap * 1.2, h = halfH - gap * 1.9;
            const auto cell = clipPolygon({{x, y - h}, {x + w, y}, {x, y + h}, {x - w, y}}, box);
            if (cell.size() >= 3) {
                cells.M(cell[0]);
                for (size_t i = 1; i < cell.size(); ++i) cells.L(cell[i]);
                cells.Z();
            }
            const double cx = x + halfW, cy = y;  // the crossing to the cell's right
            if (cx > box.x0 + 4 && cx < box.x1 - 4 && cy > box.y0 + 4 && cy < box.y1 - 4) {
                crossings.M({cx, cy - 3.6})
                    .L({cx + 2.6, cy})
                    .L({cx, cy + 3.6})
                    .L({cx - 2.6, cy})
                    .Z();
            }
        }
        if (!cells.d().empty()) svg.path(cells, fillOnly(ink::kRed));
        if (!crossings.d().empty()) svg.path(crossings, fillOnly(ink::kPaleGold));
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

}  // namespace

void drawBack(Svg& svg) {
    cardBlank(svg);
    svg.rect(11, 11, kCardW - 22, kCardH - 22, 8, outlined(ink::kRed, ink::kDarkRed, 2));
    lattice(svg, {17, 17, kCardW - 17, kCardH - 17});
    svg.rect(17, 17, kCardW - 34, kCardH - 34, 3, strokeOnly(ink::kGold, 2.4));
    medallion(svg);
}

std::string cardBack(bool horizontal) {
    if (!horizontal) {
        Svg svg(kCardW, kCardH);
        drawBack(svg);
        return svg.text();
    }
    Svg svg(kCardH, kCardW);
    svg.beginRaw("translate(377 0) rotate(90)");
    drawBack(svg);
    svg.endGroup();
    return svg.text();
}

}  // namespace artgen
