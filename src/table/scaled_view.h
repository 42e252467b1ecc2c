// Shows the 800 x 600 table at the largest uniform scale that fits the view,
// centred, the margins in the table's colour, so cards never look stretched.
#pragma once

#include <QGraphicsView>

namespace morvello {

class ScaledView : public QGraphicsView {
  public:
    explicit ScaledView(QGraphicsScene* scene, QWidget* parent = nullptr);

    // Table units per pixel of the view's area.
    double tableScale() const { return transform().m11(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitTable();
};

}  // namespace morvello
