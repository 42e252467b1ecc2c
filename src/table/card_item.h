// A card image of the table: the face of one card code, W x H table units, whose
// width can be squeezed edge-on while its picture stays stretched to it.
#pragma once

#include <QGraphicsItem>
#include <functional>

namespace morvello {

class CardItem : public QGraphicsItem {
  public:
    CardItem(int code, QSizeF size);

    int code() const { return code_; }
    // Fraction of the full width shown: 1 normally, shrinking while squeezed.
    void setWidthFactor(double factor);
    double widthFactor() const { return widthFactor_; }
    QSizeF size() const { return size_; }
    // A dimmed card is painted under a dark veil.
    void setDimmed(bool dimmed);
    bool dimmed() const { return dimmed_; }

    std::function<void(int code, Qt::MouseButton)> onPress;
    std::function<void(int code, Qt::MouseButton)> onRelease;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

  private:
    int code_;
    QSizeF size_;
    double widthFactor_ = 1;
    bool dimmed_ = false;
};

// The deck shown at the table centre during the dealer choice, and the title.
class PictureItem : public QGraphicsItem {
  public:
    enum class Kind { Deck, Title };
    PictureItem(Kind kind, QSizeF size);

    std::function<void()> onPress;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

  private:
    Kind kind_;
    QSizeF size_;
};

}  // namespace morvello
