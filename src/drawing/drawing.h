// The table's immediate drawing as a list of operations in table units, the way
// the window's own drawing works: a pen with a current position, a colour and a
// font size. Text is placed with its top at the current position; a print that
// ends the line moves the position to the next text line, one that stays on the
// line leaves it just after the text (its width is known only to the renderer).
// Lines and rectangles leave the position at their second point.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace morvello {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colours {
inline constexpr Rgb table{0, 112, 0};
inline constexpr Rgb nameGreen{0, 192, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb red{192, 0, 0};
inline constexpr Rgb maroon{128, 0, 0};
inline constexpr Rgb lightGreen{192, 255, 192};
inline constexpr Rgb lightYellow{255, 255, 192};
inline constexpr Rgb yellow{255, 255, 0};
}  // namespace colours

// A font size in points, as the window's text sizes are given, measured in table
// units: 10 points is about 10.4 units (10 points at 96 dpi on the 1024-pixel-wide
// table), and a text line is as high as the window's default font makes it.
constexpr double fontUnits(double points) {
    return points * 96.0 / 72.0 * 800.0 / 1024.0;
}
constexpr double lineHeight(double points) {
    return points * 1.25;
}

enum class BackPicture { Vertical, Horizontal };

struct DrawOp {
    enum class Kind { Text, Line, Rect, FillRect, Picture };
    Kind kind = Kind::Text;
    double x1 = 0, y1 = 0;  // text: its top-left; shapes and pictures: first corner
    double x2 = 0, y2 = 0;  // shapes and pictures: second corner
    Rgb colour;
    double fontSize = 0;     // text, in points
    std::string text;        // UTF-8
    bool afterText = false;  // text: starts where the previous text ended (x1 unused)
    BackPicture picture = BackPicture::Vertical;
    friend bool operator==(const DrawOp&, const DrawOp&) = default;
};

// Builds a list of operations with the window's pen.
class Drawing {
  public:
    void setColour(Rgb c) { colour_ = c; }
    void setFontSize(double points) { fontSize_ = points; }
    void moveTo(double x, double y) {
        x_ = x;
        y_ = y;
        afterText_ = false;
    }
    void setX(double x) {
        x_ = x;
        afterText_ = false;
    }
    double y() const { return y_; }
    double fontSize() const { return fontSize_; }

    // Prints at the current position; endLine moves to the start of the next line.
    void print(std::string text, bool endLine) {
        DrawOp op;
        op.x1 = x_;
        op.y1 = y_;
        op.colour = colour_;
        op.fontSize = fontSize_;
        op.text = std::move(text);
        op.afterText = afterText_;
        ops_.push_back(std::move(op));
        if (endLine) {
            x_ = 0;
            y_ += lineHeight(fontSize_);
            afterText_ = false;
        } else {
            afterText_ = true;
        }
    }
    void line(double x1, double y1, double x2, double y2, Rgb c) {
        shape(DrawOp::Kind::Line, x1, y1, x2, y2, c);
    }
    void rect(double x1, double y1, double x2, double y2, Rgb c) {
        shape(DrawOp::Kind::Rect, x1, y1, x2, y2, c);
    }
    void fillRect(double x1, double y1, double x2, double y2, Rgb c) {
        shape(DrawOp::Kind::FillRect, x1, y1, x2, y2, c);
    }
    // A card back stretched into the box with top-left (x, y), w wide and h high.
    void picture(BackPicture which, double x, double y, double w, double h) {
        DrawOp op;
        op.kind = DrawOp::Kind::Picture;
        op.x1 = x;
        op.y1 = y;
        op.x2 = x + w;
        op.y2 = y + h;
        op.picture = which;
        ops_.push_back(std::move(op));
    }

    const std::vector<DrawOp>& ops() const { return ops_; }
    std::vector<DrawOp> take() { return std::exchange(ops_, {}); }

  private:
    void shape(DrawOp::Kind kind, double x1, double y1, double x2, double y2, Rgb c) {
        DrawOp op;
        op.kind = kind;
        op.x1 = x1;
        op.y1 = y1;
        op.x2 = x2;
        op.y2 = y2;
        op.colour = c;
        ops_.push_back(std::move(op));
        moveTo(x2, y2);
    }

    std::vector<DrawOp> ops_;
    double x_ = 0;
    double y_ = 0;
    bool afterText_ = false;
    Rgb colour_;
    double fontSize_ = 10;
};

}  // namespace morvello
