#include "table/card_art.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace morvello {

CardArt::CardArt() = default;
CardArt::~CardArt() = default;

QString CardArt::resourcePath(int id) {
    if (id >= 1 && id <= 40)
        return QStringLiteral(":/art/card%1.svg").arg(id, 2, 10, QLatin1Char('0'));
    switch (id) {
        case kUprightBack:
            return QStringLiteral(":/art/back_upright.svg");
        case kSidewaysBack:
            return QStringLiteral(":/art/back_sideways.svg");
        case kTitle:
            return QStringLiteral(":/art/title.svg");
        default:
            return {};
    }
}

QSvgRenderer* CardArt::renderer(int id) {
    if (id < 1 || id > kImageCount) return nullptr;
    auto& slot = renderers_[static_cast<size_t>(id)];
    if (!slot) {
        slot = std::make_unique<QSvgRenderer>(resourcePath(id));
        if (!slot->isValid()) qWarning("CardArt: cannot read %s", qPrintable(resourcePath(id)));
    }
    return slot.get();
}

bool CardArt::isValid(int id) {
    QSvgRenderer* r = renderer(id);
    return r != nullptr && r->isValid();
}

QSize CardArt::naturalSize(int id) {
    return isValid(id) ? renderer(id)->defaultSize() : QSize();
}

QPixmap CardArt::face(int code, QSize size, qreal dpr) {
    return code >= 1 && code <= 40 ? image(code, size, dpr) : QPixmap();
}

QPixmap CardArt::image(int id, QSize size, qreal dpr) {
    if (size.isEmpty() || !(dpr > 0) || !isValid(id)) return {};
    const Key key{id, size.width(), size.height(), static_cast<int>(std::lround(dpr * 1000))};
    if (auto found = cache_.find(key); found != cache_.end()) return found->second;

    const QSize pixels(std::max(1, static_cast<int>(std::lround(size.width() * dpr))),
                       std::max(1, static_cast<int>(std::lround(size.height() * dpr))));
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer(id)->render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    pixmap.setDevicePixelRatio(dpr);
    cache_.emplace(key, pixmap);
    return pixmap;
}

}  // namespace morvello
