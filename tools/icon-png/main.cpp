// morvello-icon-png INPUT.svg SIZE OUTPUT.png: draws the SVG picture as a square PNG
// of SIZE pixels a side, for the desktop's icon folders. Runs at build time with no
// display.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <string>

namespace {

constexpr int kSmallestSize = 1;
constexpr int kLargestSize = 4096;

int usage() {
    std::fprintf(stderr, "usage: morvello-icon-png INPUT.svg SIZE OUTPUT.png\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return usage();
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[3]);
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&ok);
    if (!ok || size < kSmallestSize || size > kLargestSize) {
        std::fprintf(stderr, "morvello-icon-png: SIZE takes a number of pixels from %d to %d\n",
                     kSmallestSize, kLargestSize);
        return 2;
    }
    QSvgRenderer svg(input);
    if (!svg.isValid()) {
        std::fprintf(stderr, "morvello-icon-png: cannot read the picture %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&painter);
    }
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "morvello-icon-png: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
