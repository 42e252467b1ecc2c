// A tiny SVG writer: paths, basic shapes and transformed groups, written as
// plain text with numbers rounded to one decimal so the output never varies.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace artgen {

struct Pt {
    double x = 0;
    double y = 0;
};

inline Pt operator+(Pt a, Pt b) {
    return {a.x + b.x, a.y + b.y};
}
inline Pt operator-(Pt a, Pt b) {
    return {a.x - b.x, a.y - b.y};
}
inline Pt operator*(Pt a, double k) {
    return {a.x * k, a.y * k};
}
inline Pt mirrorX(Pt a) {
    return {-a.x, a.y};
}

// A number as SVG text: one decimal, no trailing zero, never "-0".
std::string num(double v);

// Path data built with the usual commands in absolute coordinates.
class Path {
  public:
    Path& M(Pt p);
    Path& L(Pt p);
    Path& Q(Pt c, Pt p);
    Path& C(Pt c1, Pt c2, Pt p);
    Path& A(double rx, double ry, double rotation, bool large, bool sweep, Pt p);
    Path& Z();
    const std::string& d() const { return d_; }

  private:
    Path& cmd(char c, std::initializer_list<Pt> pts);
    std::string d_;
};

// Fill and stroke of one element; an empty colour means "none".
struct Style {
    std::string fill;
    std::string stroke;
    double width = 0;
    bool round = true;  // round joins and caps on stroked shapes
};

Style fillOnly(std::string_view fill);
Style outlined(std::string_view fill, std::string_view stroke, double width);
Style strokeOnly(std::string_view stroke, double width);

// A group transform written in SVG order: translate, rotate, scale.
struct Place {
    Pt at;
    double scale = 1;
    double angle = 0;  // degrees, clockwise on screen
    bool flipX = false;
};

// Adds a small round dot to a path, so many dots make one shape.
void dot(Path& p, Pt c, double r);

class Svg {
  public:
    Svg(double width, double height);
    void path(const Path& p, const Style& s);
    void polygon(const std::vector<Pt>& pts, const Style& s);
    void polyline(const std::vector<Pt>& pts, const Style& s);
    void circle(Pt c, double r, const Style& s);
    void ellipse(Pt c, double rx, double ry, const Style& s);
    void rect(double x, double y, double w, double h, double radius, const Style& s);
    void line(Pt a, Pt b, const Style& s);
    void beginGroup(const Place& p);
    void beginRaw(std::string_view transform);
    void endGroup();
    // Raw markup, for definitions such as gradients.
    void raw(std::string_view markup);
    std::string text() const;

  private:
    void element(std::string_view head, const Style& s);
    double width_;
    double height_;
    std::string body_;
    int depth_ = 0;
};

}  // namespace artgen
