#include "index_glyphs.h"

#include <stdexcept>

namespace artgen {
namespace {

// Strokes in a 20 x 34 box, y downwards.
Path glyphPath(int value) {
    switch (value) {
        case 1:
            return Path().M({4, 8}).L({12, 1.5}).L({12, 33}).M({5, 33}).L({18, 33});
        case 2:
            return Path()
                .M({2.5, 9})
                .C({2.5, -0.5}, {18, -0.5}, {18, 9})
                .C({18, 17}, {6, 22}, {2, 33})
                .L({19, 33});
        case 3:
            return Path()
                .M({2, 5})
                .C({6, -0.5}, {18, 0}, {18, 8.5})
                .C({18, 14.5}, {12, 16}, {8, 16})
                .C({13, 16}, {19, 18}, {19, 25})
                .C({19, 35}, {5, 35}, {1.5, 29});
        case 4:
            return Path().M({15, 33}).L({15, 1.5}).L({1.5, 23}).L({20, 23});
        case 5:
            return Path()
                .M({18, 1.5})
                .L({4.5, 1.5})
                .L({3, 15})
                .C({7, 12}, {19, 12}, {19, 22.5})
                .C({19, 35}, {4, 35}, {1.5, 29});
        case 6:
            return Path()
                .M({17, 3.5})
                .C({8, -1}, {2, 8}, {2, 21})
                .C({2, 35}, {19, 35}, {19, 24})
                .C({19, 13}, {5, 13}, {2.2, 21});
        case 7:
            return Path().M({1.5, 1.5}).L({19, 1.5}).L({7.5, 33});
        case 8:
            return Path().M({18, 1.5}).L({3.5, 1.5}).L({3.5, 33}).M({3.5, 16.5}).L({14, 16.5});
        case 9:
            return Path()
                .M({19, 7})
                .C({15, -0.5}, {1.5, 0}, {1.5, 17.5})
                .C({1.5, 35}, {15, 35.5}, {19, 28});
        case 10:
            return Path()
                .M({3, 33})
                .L({3, 1.5})
                .L({10.5, 1.5})
                .C({20, 1.5}, {20, 17}, {10.5, 17})
                .L({3, 17})
                .M({10, 17})
                .L({19, 33});
        default:
            throw std::out_of_range("card value");
    }
}

}  // namespace

void indexGlyph(Svg& svg, int value, Pt at, double k, const char* colour) {
    svg.beginGroup({at, k});
    Style s = strokeOnly(colour, 4.6);
    svg.path(glyphPath(value), s);
    svg.endGroup();
}

}  // namespace artgen
