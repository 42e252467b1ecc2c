// Where things lie on the 800 x 600 table, seat by seat (top-left corners, in
// table units): the one place of the table's geometry.
#pragma once

#include <cmath>

namespace morvello {

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// The table's centre and the card size, in table units.
struct TableGeometry {
    double centerX = 400;
    double centerY = 300;
    double cardWidth = 60;
    double cardHeight = 94.25;
};

// Off-table places where card images and the signal list wait, beyond the
// visible 800 x 600.
inline constexpr Point kParkedForDeal{2500, 2500};
inline constexpr Point kParkedAfterTrick{1500, 1500};
inline constexpr double kListParked = 2500;     // after a signal was picked
inline constexpr double kListWaiting = 2600;    // while the human may pick one
inline constexpr double kListDismissed = 2800;  // after the card was clicked to go on

// The names: size 10, side names one character per line starting 50 units above
// the centre line.
inline constexpr double kNamesFontSize = 10;
inline constexpr double kSideNameTop = 50;
inline constexpr double kSideNameLineGap = 5;

// The deck image at the table centre.
inline Point deckPosition(const TableGeometry& t) {
    return {t.centerX - t.cardWidth / 2, t.centerY - t.cardHeight / 2};
}

// Slot 1..10 of the human's fan along the bottom edge.
inline Point humanSlot(const TableGeometry& t, int slot) {
    return {t.centerX - 2.8 * t.cardWidth + (slot - 1) * t.cardWidth / 2,
            2 * t.centerY - t.cardHeight - 20};
}

// Slot 1..10 of a computer hand's painted backs (seats 2, 3, 4).
inline Point backSlot(const TableGeometry& t, int seat, int slot) {
    const double along = (slot - 1) * t.cardWidth / 2;
    switch (seat) {
        case 2:
            return {2 * t.centerX - t.cardHeight - 5, t.centerY - 2.6 * t.cardWidth + along};
        case 3:
            return {t.centerX - 2.8 * t.cardWidth + along, 25};
        default:
            return {5, t.centerY - 2.6 * t.cardWidth + along};
    }
}

// The band of a computer hand's backs, erased before it is painted again: its
// top-left and bottom-right corners.
struct Band {
    Point from;
    Point to;
};
inline Band backBand(const TableGeometry& t, int seat) {
    if (seat == 3) {
        const double x0 = t.centerX - 2.8 * t.cardWidth;
        return {{x0, 25}, {x0 + 5.5 * t.cardWidth, t.cardHeight + 26}};
    }
    const double x = seat == 4 ? 5 : 2 * t.centerX - t.cardHeight - 5;
    const double y0 = t.centerY - 2.6 * t.cardWidth;
    return {{x, y0}, {x + t.cardHeight + 1, y0 + 5.5 * t.cardWidth + 1}};
}

// Where a played card is first shown, beside its player.
inline Point startPosition(const TableGeometry& t, int seat) {
    const double w = t.cardWidth, h = t.cardHeight;
    switch (seat) {
        case 1:
            return {t.centerX + 2 * w, humanSlot(t, 1).y - h - 3};
        case 2:
            return {t.centerX + 1.8 * w, t.centerY - h / 2};
        case 3:
            return {t.centerX - 3 * w, h + 28};
        default:
            return {t.centerX - 2.8 * w, t.centerY - h / 2};
    }
}

// Where a played card lies in the 2 x 2 block around the centre.
inline Point tablePosition(const TableGeometry& t, int seat) {
    const double w = t.cardWidth, h = t.cardHeight;
    switch (seat) {
        case 1:
            return {t.centerX + 3, t.centerY + 3};
        case 2:
            return {t.centerX + 3, t.centerY - h - 3};
        case 3:
            return {t.centerX - w - 3, t.centerY - h - 3};
        default:
            return {t.centerX - w - 3, t.centerY + 3};
    }
}

// Where the card a seat draws in the dealer choice is laid face up.
inline Point drawPosition(const TableGeometry& t, int seat) {
    const double w = t.cardWidth, h = t.cardHeight;
    switch (seat) {
        case 1:
            return {t.centerX - w / 2, 2 * t.centerY - 1.2 * h};
        case 2:
            return {2 * t.centerX - w - 10, t.centerY - h / 2};
        case 3:
            return {t.centerX - w / 2, 0.2 * h};
        default:
            return {15, t.centerY - h / 2};
    }
}

// A quarter turn as the trick's slide towards its winner measures it: seat s
// lies at s quarter turns, so the way to it is (-cos, sin) of that angle.
inline constexpr double kQuarterTurn = 1.570796;

// Where the won trick slides to, `widths` card widths from the centre towards
// the winner: 2 for the slide out, 3 for the end of the squeeze.
inline Point towardsWinner(const TableGeometry& t, int winner, double widths) {
    const double a = winner * kQuarterTurn;
    return {t.centerX - widths * t.cardWidth * std::cos(a),
            t.centerY + widths * t.cardWidth * std::sin(a)};
}

}  // namespace morvello
