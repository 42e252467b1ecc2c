#include "contact_sheet.h"

#include <QPainter>

#include "table/card_art.h"

namespace morvello {
namespace {

constexpr int kCardW = 96;
constexpr int kCardH = 153;
constexpr int kGap = 12;
constexpr QSize kTitleSize(400, 120);
const QColor kTableGreen(0, 112, 0);

}  // namespace

QImage renderContactSheet(CardArt& art, qreal scale) {
    const int width = kGap + 10 * (kCardW + kGap);
    const int height = kGap + 5 * (kCardH + kGap);
    QImage sheet(QSize(width, height) * scale, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(scale);
    sheet.fill(kTableGreen);
    QPainter painter(&sheet);
    const QSize card(kCardW, kCardH);
    for (int code = 1; code <= 40; ++code) {
        const int row = (code - 1) / 10, column = (code - 1) % 10;
        painter.drawPixmap(QPoint(kGap + column * (kCardW + kGap), kGap + row * (kCardH + kGap)),
                           art.face(code, card, scale));
    }
    const int lastTop = kGap + 4 * (kCardH + kGap);
    painter.drawPixmap(QPoint(kGap, lastTop), art.uprightBack(card, scale));
    painter.drawPixmap(QPoint(2 * kGap + kCardW, lastTop),
                       art.sidewaysBack(card.transposed(), scale));
    const int titleLeft = 3 * kGap + kCardW + kCardH;
    painter.drawPixmap(QPoint(titleLeft, lastTop + (kCardH - kTitleSize.height()) / 2),
                       art.title(kTitleSize, scale));
    return sheet;
}

}  // namespace morvello
