#include "table/scaled_view.h"

#include <QResizeEvent>
#include <algorithm>

#include "drawing/drawing.h"
#include "table/table_surface.h"

namespace morvello {

ScaledView::ScaledView(QGraphicsScene* scene, QWidget* parent) : QGraphicsView(scene, parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignCenter);
    setBackgroundBrush(QColor(colours::table.r, colours::table.g, colours::table.b));
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                   QPainter::TextAntialiasing);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setSceneRect(0, 0, kTableWidth, kTableHeight);
    setMinimumSize(200, 150);
    fitTable();
}

void ScaledView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    fitTable();
}

void ScaledView::fitTable() {
    const QSize area = viewport()->size();
    const double s = std::min(area.width() / kTableWidth, area.height() / kTableHeight);
    if (s <= 0) return;
    setTransform(QTransform::fromScale(s, s));
    centerOn(kTableWidth / 2, kTableHeight / 2);
}

}  // namespace morvello
