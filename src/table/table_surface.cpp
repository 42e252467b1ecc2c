#include "table/table_surface.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include "table/card_pictures.h"
#include "table/table_text.h"

namespace morvello {
namespace {

QColor toColour(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QRectF shapeBox(const DrawOp& op) {
    return QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)).normalized();
}

}  // namespace

void paintDrawing(QPainter& painter, const std::vector<DrawOp>& ops, const QRectF& exposed) {
    double penX = 0;  // where the last text ended
    for (const DrawOp& op : ops) {
        switch (op.kind) {
            case DrawOp::Kind::Text: {
                const QString text = QString::fromStdString(op.text);
                const double x = op.afterText ? penX : op.x1;
                const double width = tableTextWidth(text, op.fontSize);
                penX = x + width;
                const QRectF box(x, op.y1, width, lineHeight(op.fontSize));
                if (box.intersects(exposed))
                    drawTableText(painter, {x, op.y1}, text, op.fontSize, toColour(op.colour));
                break;
            }
            case DrawOp::Kind::Line:
                painter.setPen(QPen(toColour(op.colour), 0));
                painter.drawLine(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
                break;
            case DrawOp::Kind::Rect:
                painter.setPen(QPen(toColour(op.colour), 0));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(shapeBox(op));
                break;
            case DrawOp::Kind::FillRect:
                painter.fillRect(shapeBox(op), toColour(op.colour));
                break;
            case DrawOp::Kind::Picture:
                if (shapeBox(op).intersects(exposed))
                    paintCardBack(painter, shapeBox(op), op.picture);
                break;
        }
    }
}

TableSurface::TableSurface() {
    setFlag(ItemClipsChildrenToShape);
    setFlag(ItemUsesExtendedStyleOption);
    setZValue(-1);
    // Drawn once per change at the screen's resolution: a moving card or the ticking
    // clock only copies the felt back from the cache.
    setCacheMode(DeviceCoordinateCache);
}

void TableSurface::append(const std::vector<DrawOp>& ops) {
    ops_.insert(ops_.end(), ops.begin(), ops.end());
    update();
}

void TableSurface::replaceNames(const std::vector<DrawOp>& ops) {
    if (namesCount_ == 0) {
        namesAt_ = ops_.size();
        ops_.insert(ops_.end(), ops.begin(), ops.end());
    } else {
        const auto first = ops_.begin() + static_cast<std::ptrdiff_t>(namesAt_);
        ops_.erase(first, first + static_cast<std::ptrdiff_t>(namesCount_));
        ops_.insert(ops_.begin() + static_cast<std::ptrdiff_t>(namesAt_), ops.begin(), ops.end());
    }
    namesCount_ = ops.size();
    update();
}

void TableSurface::clear() {
    ops_.clear();
    namesCount_ = 0;
    update();
}

QRectF TableSurface::boundingRect() const {
    return QRectF(0, 0, kTableWidth, kTableHeight);
}

void TableSurface::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(boundingRect(), toColour(colours::table));
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->setRenderHint(QPainter::TextAntialiasing);
    paintDrawing(*painter, ops_, option->exposedRect);
}

void TableSurface::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
    if (onPress) onPress();
}

}  // namespace morvello
