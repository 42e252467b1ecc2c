// The last trick shown again: the four cards of the trick just gathered, each at
// its seat's table place, the winner's card framed, over a veil on the table,
// until a click or a key.
#pragma once

#include <QGraphicsRectItem>
#include <array>

#include "cards/game_state.h"
#include "table/table_geometry.h"
#include "table/table_scene.h"

namespace morvello {

class LastTrickView {
  public:
    LastTrickView(TableScene& scene, const TableGeometry& geometry);
    ~LastTrickView();
    LastTrickView(const LastTrickView&) = delete;
    LastTrickView& operator=(const LastTrickView&) = delete;

    void show(const std::array<Byte, 5>& cardBySeat, Byte winner);
    void hide();
    bool shown() const;

    // The card shown at a seat's place, and the seat whose card is framed.
    int cardAt(int seat) const;
    int winner() const { return winner_; }
    QPointF placeOf(int seat) const;

  private:
    class Veil;
    TableScene& scene_;
    const TableGeometry& geometry_;
    Veil* veil_;
    std::array<CardItem*, 5> cards_{};
    QGraphicsRectItem* winnerFrame_;
    int winner_ = 0;
};

}  // namespace morvello
