// The title and the icon are drawn inside their view boxes: no letter or card
// is cut off at a picture's edge.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <string>

namespace {

constexpr int kMargin = 40;  // drawing units looked at around the view box

// The rectangle of painted pixels, in view-box units, of the SVG drawn at one
// pixel a unit with a margin all round, so what lies outside shows too.
QRect paintedArea(const QString& file, QRect& viewBox) {
    QSvgRenderer svg(file);
    if (!svg.isValid()) return {};
    viewBox = svg.viewBox();
    svg.setViewBox(viewBox.adjusted(-kMargin, -kMargin, kMargin, kMargin));
    QImage image(viewBox.size() + QSize(2 * kMargin, 2 * kMargin),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    QRect painted;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) painted |= QRect(x, y, 1, 1);
        }
    }
    return painted.translated(viewBox.topLeft() - QPoint(kMargin, kMargin));
}

// The icon is square and fills most of its box: a small icon looks lost in a menu.
TEST(ArtBounds, TitleAndIconStayInsideTheirViewBoxes) {
    for (const char* name : {"title.svg", "icon.svg"}) {
        SCOPED_TRACE(name);
        QRect viewBox;
        const QRect painted = paintedArea(QStringLiteral(MORVELLO_ART_DIR "/") + name, viewBox);
        ASSERT_FALSE(painted.isEmpty()) << "nothing drawn";
        EXPECT_TRUE(viewBox.contains(painted))
            << "drawn from (" << painted.left() << ", " << painted.top() << ") to ("
            << painted.right() << ", " << painted.bottom() << ") in a box of " << viewBox.width()
            << " x " << viewBox.height();
        if (std::string(name) != "icon.svg") continue;
        EXPECT_EQ(viewBox.width(), viewBox.height());
        EXPECT_GT(painted.width(), viewBox.width() * 3 / 4);
        EXPECT_GT(painted.height(), viewBox.height() * 3 / 4);
    }
}

}  // namespace
