#include "table/card_item.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include "table/card_pictures.h"

namespace morvello {
namespace {

const QColor kDimVeil(0, 0, 0, 120);

}  // namespace

CardItem::CardItem(int code, QSizeF size) : code_(code), size_(size) {
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton);
}

void CardItem::setWidthFactor(double factor) {
    if (factor == widthFactor_) return;
    prepareGeometryChange();
    widthFactor_ = factor;
}

QRectF CardItem::boundingRect() const {
    return QRectF(0, 0, size_.width() * widthFactor_, size_.height());
}

void CardItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    paintCardFace(*painter, boundingRect(), code_, QRectF(QPointF(0, 0), size_));
    if (dimmed_) painter->fillRect(boundingRect(), kDimVeil);
}

void CardItem::setDimmed(bool dimmed) {
    if (dimmed == dimmed_) return;
    dimmed_ = dimmed;
    update();
}

void CardItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
    if (onPress) onPress(code_, event->button());
}

void CardItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
    if (onRelease) onRelease(code_, event->button());
}

PictureItem::PictureItem(Kind kind, QSizeF size) : kind_(kind), size_(size) {
    setAcceptedMouseButtons(kind == Kind::Deck ? Qt::LeftButton : Qt::NoButton);
}

QRectF PictureItem::boundingRect() const {
    return QRectF(QPointF(0, 0), size_);
}

void PictureItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    if (kind_ == Kind::Deck)
        paintCardBack(*painter, boundingRect(), BackPicture::Vertical);
    else
        paintTitle(*painter, boundingRect());
}

void PictureItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
    if (onPress) onPress();
}

}  // namespace morvello
