// What this suite guards: the committed SVGs are the generator's; every card image
// draws without warnings in the card's shape, differs from every other and is
// cached per size and density; the title and icon fit their boxes; the contact sheet.
#include "table/card_art.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <set>

#include "contact_sheet.h"

namespace morvello {
namespace {

// Collects the Qt warnings issued while it lives, so a test can insist on none.
class QtWarnings {
  public:
    QtWarnings() { previous_ = qInstallMessageHandler(&QtWarnings::collect); }
    ~QtWarnings() { qInstallMessageHandler(previous_); }

    static QStringList& seen() {
        static QStringList messages;
        return messages;
    }

  private:
    static void collect(QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg) seen().append(text);
    }
    QtMessageHandler previous_;
};

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

// Every image reads and draws without a Qt warning. Faces and backs have the
// card's proportions and fill their rounded shape only: the corners outside the
// border stay transparent and the middle is covered, at both pixel ratios; and no
// two pictures look alike.
TEST(CardArtImages, EveryImageDrawsWithoutWarningsInItsShapeAndAllDiffer) {
    QtWarnings::seen().clear();
    {
        QtWarnings guard;
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
                for (QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
                    EXPECT_EQ(qAlpha(img.pixel(corner)), 0) << "image " << id << " dpr " << dpr;
                EXPECT_EQ(qAlpha(img.pixel(w / 2, h / 2)), 255) << "image " << id;
                EXPECT_EQ(qAlpha(img.pixel(w / 2, 2)), 255) << "image " << id;  // the border
            }
        }
        std::set<QByteArray> hashes;
        for (int id = 1; id <= CardArt::kImageCount; ++id) {
            EXPECT_TRUE(art.isValid(id)) << qPrintable(CardArt::resourcePath(id));
            const QImage img = rendered(art, id);
            hashes.insert(QCryptographicHash::hash(
                QByteArrayView(img.constBits(), img.sizeInBytes()), QCryptographicHash::Sha1));
        }
        EXPECT_EQ(hashes.size(), size_t(CardArt::kImageCount));
    }
    EXPECT_TRUE(QtWarnings::seen().isEmpty()) << qPrintable(QtWarnings::seen().join('\n'));
}

// High-density screens get pixmaps at their resolution, cached apart; unknown
// images and empty sizes give null pixmaps and cache nothing.
TEST(CardArtCache, OnePixmapPerImageSizeAndDensity) {
    CardArt art;
    EXPECT_TRUE(art.face(0, kDesignCard).isNull());
    EXPECT_TRUE(art.face(41, kDesignCard).isNull());
    EXPECT_TRUE(art.face(5, QSize(0, 153)).isNull());
    EXPECT_TRUE(art.face(5, kDesignCard, 0.0).isNull());
    EXPECT_EQ(art.cachedCount(), 0);
    const QPixmap a = art.face(7, kDesignCard);
    EXPECT_EQ(art.face(7, kDesignCard).cacheKey(), a.cacheKey());
    EXPECT_NE(art.face(7, {120, 190}).cacheKey(), a.cacheKey());
    EXPECT_NE(art.face(8, kDesignCard).cacheKey(), a.cacheKey());
    const QPixmap sharp = art.face(7, kDesignCard, 2.0);
    EXPECT_EQ(sharp.size(), kDesignCard * 2);
    EXPECT_EQ(sharp.deviceIndependentSize().toSize(), kDesignCard);
    EXPECT_EQ(art.cachedCount(), 4);
    art.clearCache();
    EXPECT_NE(art.face(7, kDesignCard).cacheKey(), a.cacheKey());
}

// The painted pixels of the SVG, in view-box units, drawn at one pixel a unit
// with a margin all round, so that what lies outside the view box shows too.
QRect paintedArea(QSvgRenderer& svg) {
    constexpr int kMargin = 40;
    const QRect box = svg.viewBox();
    svg.setViewBox(box.adjusted(-kMargin, -kMargin, kMargin, kMargin));
    QImage image(box.size() + QSize(2 * kMargin, 2 * kMargin), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    QRect painted;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) painted |= QRect(x, y, 1, 1);
    return painted.translated(box.topLeft() - QPoint(kMargin, kMargin));
}

// No letter or card cut off at a picture's edge; the icon is square and fills
// most of its box: a small icon looks lost in a menu.
TEST(ArtBounds, TitleAndIconStayInsideTheirViewBoxes) {
    for (const QString name : {"title.svg", "icon.svg"}) {
        SCOPED_TRACE(name.toStdString());
        QSvgRenderer svg(MORVELLO_ART_DIR "/" + name);
        ASSERT_TRUE(svg.isValid());
        const QRect box = svg.viewBox();
        const QRect painted = paintedArea(svg);
        ASSERT_FALSE(painted.isEmpty()) << "nothing drawn";
        EXPECT_TRUE(box.contains(painted))
            << "drawn over " << painted.width() << " x " << painted.height() << " from "
            << painted.left() << ", " << painted.top();
        if (name != "icon.svg") continue;
        EXPECT_EQ(box.width(), box.height());
        EXPECT_GT(painted.width(), box.width() * 3 / 4);
        EXPECT_GT(painted.height(), box.height() * 3 / 4);
    }
}

TEST(ContactSheet, DrawsAndSavesThePng) {
    CardArt art;
    const QImage sheet = renderContactSheet(art);
    ASSERT_FALSE(sheet.isNull());
    ASSERT_TRUE(sheet.save(MORVELLO_CONTACT_SHEET_PNG, "PNG"));
    EXPECT_EQ(QImage(MORVELLO_CONTACT_SHEET_PNG).size(), sheet.size());
    EXPECT_EQ(renderContactSheet(art, 2.0).size(), sheet.size() * 2);
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList svgFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
}

TEST(ArtGenerator, CommittedArtIsUpToDate) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess gen;
    gen.start(QStringLiteral(MORVELLO_ARTGEN), {out.path()});
    ASSERT_TRUE(gen.waitForFinished(60000));
    ASSERT_EQ(gen.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().toStdString();

    const QString committed = QStringLiteral(MORVELLO_ART_DIR);
    const QStringList names = svgFiles(out.path());
    EXPECT_EQ(names.size(), 44);
    EXPECT_EQ(names, svgFiles(committed)) << "regenerate with the morvello-art-update target";
    for (const QString& name : names) {
        EXPECT_EQ(contents(out.filePath(name)), contents(committed + '/' + name))
            << qPrintable(name) << " differs: regenerate with the morvello-art-update target";
    }
}

}  // namespace
}  // namespace morvello
