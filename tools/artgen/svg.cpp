#include "svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace artgen {

std::string num(double v) {
    long tenths = std::lround(v * 10.0);
    const bool negative = tenths < 0;
    tenths = std::labs(tenths);
    char buf[32];
    if (tenths % 10 == 0) {
        std::snprintf(buf, sizeof buf, "%s%ld", negative ? "-" : "", tenths / 10);
    } else {
        std::snprintf(buf, sizeof buf, "%s%ld.%ld", negative ? "-" : "", tenths / 10, tenths % 10);
    }
    return buf;
}

Path& Path::cmd(char c, std::initializer_list<Pt> pts) {
    if (!d_.empty()) d_ += ' ';
    d_ += c;
    bool first = true;
    for (const Pt& p : pts) {
        if (!first) d_ += ' ';
        first = false;
        d_ += num(p.x) + ',' + num(p.y);
    }
    return *this;
}

Path& Path::M(Pt p) {
    return cmd('M', {p});
}
Path& Path::L(Pt p) {
    return cmd('L', {p});
}
Path& Path::Q(Pt c, Pt p) {
    return cmd('Q', {c, p});
}
Path& Path::C(Pt c1, Pt c2, Pt p) {
    return cmd('C', {c1, c2, p});
}
Path& Path::Z() {
    return cmd('Z', {});
}

Path& Path::A(double rx, double ry, double rotation, bool large, bool sweep, Pt p) {
    if (!d_.empty()) d_ += ' ';
    d_ += 'A';
    d_ += num(rx);
    d_ += ',';
    d_ += num(ry);
    d_ += ' ';
    d_ += num(rotation);
    d_ += large ? " 1 " : " 0 ";
    d_ += sweep ? "1 " : "0 ";
    d_ += num(p.x);
    d_ += ',';
    d_ += num(p.y);
    return *this;
}

void dot(Path& p, Pt c, double r) {
    p.M({c.x + r, c.y})
        .A(r, r, 0, true, true, {c.x - r, c.y})
        .A(r, r, 0, true, true, {c.x + r, c.y})
        .Z();
}

Style fillOnly(std::string_view fill) {
    return {std::string(fill), "", 0, true};
}
Style outlined(std::string_view fill, std::string_view stroke, double width) {
    return {std::string(fill), std::string(stroke), width, false};
}
Style strokeOnly(std::string_view stroke, double width) {
    return {"", std::string(stroke), width, true};
}

Svg::Svg(double width, double height) : width_(width), height_(height) {}

void Svg::element(std::string_view head, const Style& s) {
    body_ += std::string(depth_ + 1, ' ');
    body_ += '<';
    body_ += head;
    body_ += " fill=\"" + (s.fill.empty() ? std::string("none") : s.fill) + '"';
    if (!s.stroke.empty()) {
        body_ += " stroke=\"" + s.stroke + "\" stroke-width=\"" + num(s.width) + '"';
        if (s.round) body_ += " stroke-linejoin=\"round\" stroke-linecap=\"round\"";
    }
    body_ += "/>\n";
}

void Svg::path(const Path& p, const Style& s) {
    element("path d=\"" + p.d() + '"', s);
}

static std::string pointList(const std::vector<Pt>& pts) {
    std::string out;
    for (const Pt& p : pts) {
        if (!out.empty()) out += ' ';
        out += num(p.x) + ',' + num(p.y);
    }
    return out;
}

void Svg::polygon(const std::vector<Pt>& pts, const Style& s) {
    element("polygon points=\"" + pointList(pts) + '"', s);
}

void Svg::polyline(const std::vector<Pt>& pts, const Style& s) {
    element("polyline points=\"" + pointList(pts) + '"', s);
}

// An outlined round shape is drawn as two fills, a dark one and the colour
// inside it: it looks the same as a stroke and draws several times faster.
static bool twoFills(const Style& s) {
    return !s.fill.empty() && !s.stroke.empty();
}

void Svg::circle(Pt c, double r, const Style& s) {
    if (twoFills(s)) {
        circle(c, r + s.width / 2, fillOnly(s.stroke));
        circle(c, std::max(0.0, r - s.width / 2), fillOnly(s.fill));
        return;
    }
    element("circle cx=\"" + num(c.x) + "\" cy=\"" + num(c.y) + "\" r=\"" + num(r) + '"', s);
}

void Svg::ellipse(Pt c, double rx, double ry, const Style& s) {
    if (twoFills(s)) {
        const double h = s.width / 2;
        ellipse(c, rx + h, ry + h, fillOnly(s.stroke));
        ellipse(c, std::max(0.0, rx - h), std::max(0.0, ry - h), fillOnly(s.fill));
        return;
    }
    element("ellipse cx=\"" + num(c.x) + "\" cy=\"" + num(c.y) + "\" rx=\"" + num(rx) + "\" ry=\"" +
                num(ry) + '"',
            s);
}

void Svg::rect(double x, double y, double w, double h, double radius, const Style& s) {
    if (twoFills(s)) {
        const double o = s.width / 2;
        rect(x - o, y - o, w + 2 * o, h + 2 * o, radius > 0 ? radius + o : 0, fillOnly(s.stroke));
        rect(x + o, y + o, w - 2 * o, h - 2 * o, std::max(0.0, radius - o), fillOnly(s.fill));
        return;
    }
    std::string head = "rect x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"" + num(w) +
                       "\" height=\"" + num(h) + '"';
    if (radius > 0) head += " rx=\"" + num(radius) + "\" ry=\"" + num(radius) + '"';
    element(head, s);
}

void Svg::line(Pt a, Pt b, const Style& s) {
    element("line x1=\"" + num(a.x) + "\" y1=\"" + num(a.y) + "\" x2=\"" + num(b.x) + "\" y2=\"" +
                num(b.y) + '"',
            s);
}

void Svg::beginGroup(const Place& p) {
    std::string t = "translate(" + num(p.at.x) + ',' + num(p.at.y) + ')';
    if (p.angle != 0) t += " rotate(" + num(p.angle) + ')';
    if (p.scale != 1 || p.flipX) {
        // Scales are kept to three decimals: one decimal is too coarse for them.
        char buf[64];
        std::snprintf(buf, sizeof buf, " scale(%.3f,%.3f)", p.flipX ? -p.scale : p.scale, p.scale);
        t += buf;
    }
    beginRaw(t);
}

void Svg::beginRaw(std::string_view transform) {
    body_ += std::string(depth_ + 1, ' ');
    body_ += "<g transform=\"" + std::string(transform) + "\">\n";
    ++depth_;
}

void Svg::endGroup() {
    if (depth_ == 0) throw std::logic_error("endGroup without a group");
    --depth_;
    body_ += std::string(depth_ + 1, ' ') + "</g>\n";
}

void Svg::raw(std::string_view markup) {
    body_ += std::string(depth_ + 1, ' ');
    body_ += markup;
    body_ += '\n';
}

std::string Svg::text() const {
    if (depth_ != 0) throw std::logic_error("unclosed group");
    const std::string w = num(width_), h = num(height_);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" "
           "width=\"" +
           w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + ' ' + h + "\">\n" + body_ +
           "</svg>\n";
}

}  // namespace artgen
