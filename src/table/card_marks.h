// Marks laid on the table's cards: the keyboard focus on a hand card, the hint,
// the card that led the trick, and the dimmed cards that may not be played.
// Each mark is a child of its card, so it moves with it.
#pragma once

#include <QColor>
#include <QGraphicsRectItem>

#include "cards/game_state.h"
#include "table/table_scene.h"

namespace morvello {

class CardMarks {
  public:
    explicit CardMarks(TableScene& scene);

    void setFocus(int card) { put(focus_, card); }
    void setHint(int card) { put(hint_, card); }
    void setLead(int card) { put(lead_, card); }
    int focus() const { return on(focus_); }
    int hint() const { return on(hint_); }
    int lead() const { return on(lead_); }

    // Dims the cards of the set, and shows every other card whole.
    void dim(CardSet cards);
    CardSet dimmed() const { return dimmed_; }

  private:
    QGraphicsRectItem* frame(QColor colour, double inset, Qt::PenStyle style);
    void put(QGraphicsRectItem* mark, int card);
    static int on(const QGraphicsRectItem* mark);

    TableScene& scene_;
    QGraphicsRectItem* focus_;
    QGraphicsRectItem* hint_;
    QGraphicsRectItem* lead_;
    CardSet dimmed_ = 0;
};

}  // namespace morvello
