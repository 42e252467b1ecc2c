#include "table/text_panel.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include "table/table_text.h"

namespace morvello {

TextPanel::TextPanel(double width, PanelStyle style) : width_(width), style_(std::move(style)) {
    setAcceptedMouseButtons(Qt::NoButton);
    setText({});
}

void TextPanel::setText(const QString& text) {
    prepareGeometryChange();
    text_ = text;
    const QRectF inner(0, 0, width_ - 2 * style_.padding, 0);
    height_ = drawWrappedTableText(nullptr, inner, text_, style_.points, style_.text) +
              2 * style_.padding;
    update();
}

void TextPanel::setOnPress(std::function<void()> onPress) {
    onPress_ = std::move(onPress);
    setAcceptedMouseButtons(onPress_ ? Qt::LeftButton | Qt::RightButton : Qt::NoButton);
}

QRectF TextPanel::boundingRect() const {
    return QRectF(0, 0, width_, height_);
}

void TextPanel::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(style_.border.alpha() ? QPen(style_.border, 0.8) : QPen(Qt::NoPen));
    painter->setBrush(style_.ground);
    painter->drawRect(boundingRect().adjusted(0.4, 0.4, -0.4, -0.4));
    const QRectF inner(style_.padding, style_.padding, width_ - 2 * style_.padding,
                       height_ - 2 * style_.padding);
    drawWrappedTableText(painter, inner, text_, style_.points, style_.text);
}

void TextPanel::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
    if (onPress_) onPress_();
}

}  // namespace morvello
