// The title picture: "Morvello" written with a broad pen in an italic hand, in
// gold with a dark edge and a soft shadow, on a transparent ground.
#include <cmath>
#include <vector>

#include "card.h"
#include "geometry.h"
#include "palette.h"

namespace artgen {
namespace {

constexpr double kSlant = 0.2;  // italic lean: x moves this much per unit of height
constexpr double kScale = 1.07;
constexpr Pt kOrigin{27, 98};  // where the baseline begins on the picture

// A pen stroke: the centre line as cubic pieces, in letter units (baseline y = 0).
struct Stroke {
    std::vector<Pt> points;  // first point, then three per cubic piece
};

Pt cubicAt(Pt a, Pt b, Pt c, Pt d, double t) {
    const double u = 1 - t;
    return a * (u * u * u) + b * (3 * u * u * t) + c * (3 * u * t * t) + d * (t * t * t);
}

Pt toPicture(Pt p) {
    return kOrigin + Pt{(p.x - p.y * kSlant) * kScale, p.y * kScale};
}

// The shape a broad nib leaves along the stroke: the centre line shifted both
// ways by the nib, joined into one outline.
Path nibShape(const Stroke& s) {
    const Pt nib = Pt{std::cos(0.7), -std::sin(0.7)} * 5.2;
    std::vector<Pt> centre{s.points.front()};
    for (size_t i = 1; i + 2 < s.points.size(); i += 3) {
        for (int k = 1; k <= 10; ++k) {
            centre.push_back(
                cubicAt(s.points[i - 1], s.points[i], s.points[i + 1], s.points[i + 2], k / 10.0));
        }
    }
    Path p;
    p.M(toPicture(centre.front() + nib));
    for (size_t i = 1; i < centre.size(); ++i) p.L(toPicture(centre[i] + nib));
    for (size_t i = centre.size(); i-- > 0;) p.L(toPicture(centre[i] - nib));
    return p.Z();
}

// Straight runs written as cubic pieces, so every stroke has one form.
Stroke polyStroke(std::vector<Pt> corners) {
    Stroke s{{corners.front()}};
    for (size_t i = 1; i < corners.size(); ++i) {
        const Pt a = corners[i - 1], b = corners[i];
        s.points.insert(s.points.end(), {lerp(a, b, 1.0 / 3), lerp(a, b, 2.0 / 3), b});
    }
    return s;
}

Stroke letterO(double x) {
    return {{{x + 18, -44},
             {x + 6, -44},
             {x, -30},
             {x, -18},
             {x, -6},
             {x + 8, 0},
             {x + 14, 0},
             {x + 26, 0},
             {x + 32, -14},
             {x + 32, -26},
             {x + 32, -38},
             {x + 26, -44},
             {x + 14, -43}}};
}

std::vector<Stroke> word() {
    std::vector<Stroke> s;
    // M: a lead-in curl, two peaks, a foot
    s.push_back({{{-6, -58}, {-4, -70}, {8, -76}, {12, -72}}});
    s.push_back(polyStroke({{12, -72}, {8, -2}}));
    s.push_back(polyStroke({{12, -72}, {34, -4}, {56, -72}, {58, -4}}));
    s.push_back({{{58, -4}, {59, 1}, {64, 2}, {68, -2}}});
    s.push_back(letterO(74));
    // r
    s.push_back(polyStroke({{116, -44}, {116, 0}}));
    s.push_back({{{116, -26}, {120, -40}, {130, -46}, {140, -41}}});
    // v
    s.push_back(polyStroke({{144, -44}, {160, 0}, {174, -40}}));
    s.push_back({{{174, -40}, {176, -46}, {182, -46}, {184, -42}}});
    // e
    s.push_back({{{188, -18},
                  {196, -20},
                  {206, -24},
                  {212, -30},
                  {214, -40},
                  {206, -44},
                  {200, -44},
                  {190, -44},
                  {186, -30},
                  {186, -20},
                  {186, -6},
                  {194, 0},
                  {202, 0},
                  {208, 0},
                  {214, -4},
                  {218, -10}}});
    // l l
    for (double x : {228.0, 250.0}) {
        s.push_back(
            {{{x + 8, -80}, {x + 4, -50}, {x, -20}, {x, -8}, {x, 0}, {x + 6, 1}, {x + 12, -6}}});
    }
    s.push_back(letterO(272));
    // a swash under the word
    s.push_back({{{30, 10}, {110, 4}, {220, 14}, {316, 2}}});
    return s;
}

}  // namespace

std::string titlePicture() {
    Svg svg(400, 120);
    svg.raw(
        "<defs><linearGradient id=\"gold\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"120\" "
        "gradientUnits=\"userSpaceOnUse\"><stop offset=\"0\" stop-color=\"#fff1b0\"/>"
        "<stop offset=\"0.55\" stop-color=\"#eab534\"/><stop offset=\"1\" stop-color=\"#a8661a\"/>"
        "</linearGradient></defs>");
    const std::vector<Stroke> strokes = word();
    std::vector<Path> shapes;
    for (const Stroke& s : strokes) shapes.push_back(nibShape(s));
    svg.beginRaw("translate(3 4)");
    for (const Path& p : shapes) svg.path(p, outlined("#001c00", "#001c00", 3));
    svg.endGroup();
    for (const Path& p : shapes) svg.path(p, outlined(ink::kDarkWood, "#3a210c", 4.5));
    for (const Path& p : shapes) svg.path(p, fillOnly("url(#gold)"));
    return svg.text();
}

}  // namespace artgen
