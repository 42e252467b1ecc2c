// What the window's table needs from the window around it.
#pragma once

#include "cards/game_state.h"
#include "match/table_view.h"

class QWidget;

namespace morvello {

// The seat of the person at this window: the bottom of the table.
inline constexpr Byte kOwnSeat = 1;

class TableHost {
  public:
    virtual ~TableHost() = default;
    virtual void updateMenus(const MenuState& menus) = 0;   // into the menu bar
    virtual void playSound(Sound sound) = 0;                // a card sound or a signal's
    virtual void saveConfig(const StoredGame& stored) = 0;  // config.qvr written whole
    // A signal picked from the list once the controller no longer waits for one.
    virtual void lateSignalChoice(int item) = 0;
    virtual QWidget* dialogParent() = 0;  // the window the messages belong to
};

}  // namespace morvello
