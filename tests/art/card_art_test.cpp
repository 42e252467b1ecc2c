#include "table/card_art.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QImage>
#include <QSvgRenderer>
#include <set>

#include "qt_warnings.h"

namespace morvello {
namespace {

constexpr QSize kDesignCard(96, 153);
constexpr double kCardAspect = 94.25 / 60.0;  // height over width on the table

QSize designSize(int id) {
    if (id == CardArt::kSidewaysBack) return kDesignCard.transposed();
    if (id == CardArt::kTitle) return {400, 120};
    return kDesignCard;
}

QImage rendered(CardArt& art, int id, qreal dpr = 1.0) {
    return art.image(id, designSize(id), dpr).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(CardArtImages, EveryImageReadsAndDrawsWithoutWarnings) {
    QtWarnings::seen().clear();
    {
        QtWarnings guard;
        CardArt art;
        for (int id = 1; id <= CardArt::kImageCount; ++id) {
            QSvgRenderer direct(CardArt::resourcePath(id));
            EXPECT_TRUE(direct.isValid()) << qPrintable(CardArt::resourcePath(id));
            EXPECT_TRUE(art.isValid(id)) << "image " << id;
            for (qreal dpr : {1.0, 2.0}) EXPECT_FALSE(art.image(id, designSize(id), dpr).isNull());
        }
    }
    EXPECT_TRUE(QtWarnings::seen().isEmpty()) << qPrintable(QtWarnings::seen().join('\n'));
}

// Faces and backs have the card's proportions and fill their rounded shape only:
// the corners outside the border stay transparent and the middle is covered, at
// both pixel ratios; and no two pictures look alike.
TEST(CardArtImages, CardsHaveTheirProportionsAndShapeAndAllDiffer) {
    CardArt art;
    for (int id = 1; id <= CardArt::kUprightBack; ++id) {
        const QSize s = art.naturalSize(id);
        EXPECT_NEAR(double(s.height()) / s.width(), kCardAspect, 0.005) << "image " << id;
    }
    EXPECT_EQ(art.naturalSize(CardArt::kSidewaysBack),
              art.naturalSize(CardArt::kUprightBack).transposed());
    const QSize title = art.naturalSize(CardArt::kTitle);
    EXPECT_NEAR(double(title.width()) / title.height(), 400.0 / 120.0, 0.01);
    for (int id = 1; id <= CardArt::kSidewaysBack; ++id) {
        for (qreal dpr : {1.0, 2.0}) {
            const QImage img = rendered(art, id, dpr);
            const int w = img.width() - 1, h = img.height() - 1;
            for (QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
                EXPECT_EQ(qAlpha(img.pixel(corner)), 0) << "image " << id << " dpr " << dpr;
            }
            EXPECT_EQ(qAlpha(img.pixel(w / 2, h / 2)), 255) << "image " << id;
            EXPECT_EQ(qAlpha(img.pixel(w / 2, 2)), 255) << "image " << id;  // the border's edge
        }
    }
    std::set<QByteArray> hashes;
    for (int id = 1; id <= CardArt::kImageCount; ++id) {
        const QImage img = rendered(art, id);
        hashes.insert(QCryptographicHash::hash(QByteArrayView(img.constBits(), img.sizeInBytes()),
                                               QCryptographicHash::Sha1));
    }
    EXPECT_EQ(hashes.size(), size_t(CardArt::kImageCount));
}

TEST(CardArtImages, TitleLeavesTheTableShowingAroundTheWord) {
    CardArt art;
    const QImage img = rendered(art, CardArt::kTitle);
    int covered = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) covered += qAlpha(img.pixel(x, y)) > 0 ? 1 : 0;
    }
    const double share = double(covered) / (img.width() * img.height());
    EXPECT_GT(share, 0.1);
    EXPECT_LT(share, 0.6);
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
}

// High-density screens get pixmaps at their resolution, cached apart.
TEST(CardArtCache, SameRequestGivesTheSamePixmapAnotherSizeOrDensityANewOne) {
    CardArt art;
    const QPixmap a = art.face(7, kDesignCard);
    EXPECT_EQ(art.face(7, kDesignCard).cacheKey(), a.cacheKey());
    EXPECT_EQ(art.cachedCount(), 1);
    const QPixmap bigger = art.face(7, {120, 190});
    EXPECT_NE(bigger.cacheKey(), a.cacheKey());
    EXPECT_EQ(bigger.size(), QSize(120, 190));
    EXPECT_NE(art.face(8, kDesignCard).cacheKey(), a.cacheKey());
    EXPECT_EQ(art.cachedCount(), 3);

    const QPixmap sharp = art.face(7, kDesignCard, 2.0);
    EXPECT_EQ(sharp.size(), kDesignCard * 2);
    EXPECT_DOUBLE_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.deviceIndependentSize().toSize(), kDesignCard);
    EXPECT_NE(sharp.cacheKey(), a.cacheKey());
    EXPECT_EQ(art.face(21, kDesignCard, 1.5).size(), QSize(144, 230));

    art.clearCache();
    EXPECT_NE(art.face(7, kDesignCard).cacheKey(), a.cacheKey());
}

TEST(CardArtCache, UnknownImagesAndEmptySizesGiveNullPixmaps) {
    CardArt art;
    EXPECT_TRUE(art.face(0, kDesignCard).isNull());
    EXPECT_TRUE(art.face(41, kDesignCard).isNull());
    EXPECT_TRUE(art.image(CardArt::kImageCount + 1, kDesignCard).isNull());
    EXPECT_TRUE(art.face(5, QSize(0, 153)).isNull());
    EXPECT_TRUE(art.face(5, kDesignCard, 0.0).isNull());
    EXPECT_FALSE(art.isValid(0));
    EXPECT_TRUE(art.naturalSize(99).isEmpty());
    EXPECT_EQ(art.cachedCount(), 0);
}

}  // namespace
}  // namespace morvello
