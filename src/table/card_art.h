// The deck's pictures: the 40 faces, the two backs and the title, drawn from the
// SVG art built into the program and handed out as pixmaps at the pixel size the
// screen needs, kept for the next request of the same size.
#pragma once

#include <QPixmap>
#include <QSize>
#include <array>
#include <map>
#include <memory>
#include <tuple>

class QSvgRenderer;

namespace morvello {

class CardArt {
  public:
    // Images by number: the card codes 1..40, then these.
    static constexpr int kUprightBack = 41;   // the upright back, also the deck
    static constexpr int kSidewaysBack = 42;  // the back turned a quarter, for the side seats
    static constexpr int kTitle = 43;         // the title picture
    static constexpr int kImageCount = 43;

    CardArt();
    ~CardArt();
    CardArt(const CardArt&) = delete;
    CardArt& operator=(const CardArt&) = delete;

    // The face of card code 1..40, `size` in logical pixels, drawn for a screen of the
    // given device pixel ratio (the pixmap carries that ratio).
    QPixmap face(int code, QSize size, qreal dpr = 1.0);
    QPixmap uprightBack(QSize size, qreal dpr = 1.0) { return image(kUprightBack, size, dpr); }
    QPixmap sidewaysBack(QSize size, qreal dpr = 1.0) { return image(kSidewaysBack, size, dpr); }
    QPixmap title(QSize size, qreal dpr = 1.0) { return image(kTitle, size, dpr); }

    // Any image by number; a null pixmap for an unknown number or an empty size.
    QPixmap image(int id, QSize size, qreal dpr = 1.0);
    // The image's own size in drawing units (its proportions); empty when unknown.
    QSize naturalSize(int id);
    // Whether the image's SVG was read without errors.
    bool isValid(int id);
    // Where the image lives among the program's resources, e.g. ":/art/card07.svg".
    static QString resourcePath(int id);

    // Forgets every pixmap made so far (the parsed drawings are kept).
    void clearCache() { cache_.clear(); }
    int cachedCount() const { return static_cast<int>(cache_.size()); }

  private:
    QSvgRenderer* renderer(int id);

    std::array<std::unique_ptr<QSvgRenderer>, kImageCount + 1> renderers_;
    // (image, logical width, logical height, device pixel ratio in thousandths)
    using Key = std::tuple<int, int, int, int>;
    std::map<Key, QPixmap> cache_;
};

}  // namespace morvello
