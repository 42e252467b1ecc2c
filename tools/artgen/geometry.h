// Small plane geometry for the drawings: vectors, a straight axis and a curved
// spine along which long shapes (clubs, blades, limbs) are laid out.
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "svg.h"

namespace artgen {

inline constexpr double kPi = 3.14159265358979323846;

inline double length(Pt a) {
    return std::hypot(a.x, a.y);
}
inline Pt unit(Pt a) {
    const double l = length(a);
    return l > 0 ? Pt{a.x / l, a.y / l} : Pt{0, 0};
}
inline Pt normal(Pt a) {
    return {-a.y, a.x};
}  // a quarter turn, counter-clockwise on screen
inline Pt lerp(Pt a, Pt b, double t) {
    return a + (b - a) * t;
}
inline Pt polar(double radius, double degrees) {
    const double r = degrees * kPi / 180.0;
    return {radius * std::sin(r), -radius * std::cos(r)};  // 0 degrees points up
}

// A quadratic curve from `from` through control `bend` to `to`; points are found by
// the fraction t of the way along and an offset sideways (positive to the left of
// the direction of travel, as seen on screen).
struct Spine {
    Pt from;
    Pt bend;
    Pt to;

    static Spine straight(Pt a, Pt b) { return {a, lerp(a, b, 0.5), b}; }

    Pt at(double t) const {
        const double u = 1 - t;
        return from * (u * u) + bend * (2 * u * t) + to * (t * t);
    }
    Pt tangent(double t) const {
        return unit((bend - from) * (2 * (1 - t)) + (to - bend) * (2 * t));
    }
    Pt side(double t, double offset) const {
        const Pt n = normal(tangent(t));
        return at(t) + Pt{n.x, n.y} * (-offset);
    }
    double angle(double t) const {  // degrees, 0 pointing up, clockwise
        const Pt d = tangent(t);
        return std::atan2(d.x, -d.y) * 180.0 / kPi;
    }
};

struct Box {
    double x0, y0, x1, y1;
};

// The part of the segment a-b inside the box (Liang-Barsky), if any.
inline std::optional<std::pair<Pt, Pt>> clip(Pt a, Pt b, const Box& box) {
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

}  // namespace artgen
