// The bottom item of the table: the green felt and the window's immediate drawing
// (names, painted backs, score sheet, names panel) as a list of operations. Every
// other item of the table is its child, clipped to the 800 x 600 table, so cards
// parked beyond it never show in the margins.
#pragma once

#include <QGraphicsItem>
#include <functional>
#include <vector>

#include "drawing/drawing.h"

namespace morvello {

inline constexpr double kTableWidth = 800;
inline constexpr double kTableHeight = 600;

class TableSurface : public QGraphicsItem {
  public:
    TableSurface();

    void append(const std::vector<DrawOp>& ops);
    // Draws the names: the previous names are replaced where they stood.
    void replaceNames(const std::vector<DrawOp>& ops);
    void clear();
    const std::vector<DrawOp>& ops() const { return ops_; }

    // A press on the bare table.
    std::function<void()> onPress;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

  private:
    std::vector<DrawOp> ops_;
    std::size_t namesAt_ = 0;     // where the names stand in ops_
    std::size_t namesCount_ = 0;  // 0: no names drawn since the last clear
};

// Paints a list of operations (the renderer of the pen model).
void paintDrawing(QPainter& painter, const std::vector<DrawOp>& ops, const QRectF& exposed);

}  // namespace morvello
