// What the window's table needs from the window around it.
#pragma once

class QWidget;

namespace morvello {

class TableHost {
  public:
    virtual ~TableHost() = default;
    virtual void updateMenus() = 0;           // mirror the state's menus into the menu bar
    virtual void playSound(int segment) = 0;  // suona
    virtual void saveConfig() = 0;            // Set_Write
    virtual QWidget* dialogParent() = 0;      // the window the messages belong to
};

}  // namespace morvello
