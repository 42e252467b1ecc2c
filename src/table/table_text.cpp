#include "table/table_text.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>

#include "drawing/drawing.h"

namespace morvello {
namespace {

constexpr int kReferencePixels = 100;  // text is laid out at this size, then scaled

double scaleFor(double points) {
    return fontUnits(points) / kReferencePixels;
}

}  // namespace

QFont tableFont() {
    QFont font = QApplication::font();
    font.setPixelSize(kReferencePixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double tableTextWidth(const QString& text, double points) {
    static const QFontMetricsF metrics(tableFont());
    return metrics.horizontalAdvance(text) * scaleFor(points);
}

void drawTableText(QPainter& painter, QPointF topLeft, const QString& text, double points,
                   const QColor& colour) {
    static const QFont font = tableFont();
    static const double ascent = QFontMetricsF(font).ascent();
    const double k = scaleFor(points);
    painter.save();
    painter.translate(topLeft);
    painter.scale(k, k);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(0, ascent), text);
    painter.restore();
}

double drawWrappedTableText(QPainter* painter, const QRectF& box, const QString& text,
                            double points, const QColor& colour) {
    static const QFont font = tableFont();
    const double k = scaleFor(points);
    const QRectF reference(0, 0, box.width() / k, 1e6);
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    const QRectF used = QFontMetricsF(font).boundingRect(reference, flags, text);
    if (painter) {
        painter->save();
        painter->translate(box.topLeft());
        painter->scale(k, k);
        painter->setFont(font);
        painter->setPen(colour);
        painter->drawText(reference, flags, text);
        painter->restore();
    }
    return used.height() * k;
}

}  // namespace morvello
