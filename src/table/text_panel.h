// A label of the table: text wrapped in a box of fixed width, optionally on a
// coloured ground with a border. Its height follows the text.
#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QString>
#include <functional>

namespace morvello {

struct PanelStyle {
    double points = 8;
    QColor text = Qt::black;
    QColor ground = Qt::transparent;
    QColor border = Qt::transparent;
    double padding = 3;
};

class TextPanel : public QGraphicsItem {
  public:
    TextPanel(double width, PanelStyle style);

    void setText(const QString& text);
    const QString& text() const { return text_; }
    double width() const { return width_; }
    double height() const { return height_; }

    // A press on the label; without one, presses go to what lies beneath.
    void setOnPress(std::function<void()> onPress);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

  private:
    double width_;
    double height_ = 0;
    PanelStyle style_;
    QString text_;
    std::function<void()> onPress_;
};

}  // namespace morvello
