// The names panel in the top-left corner of the table: four name boxes and OK,
// opened from "&Personalize Playersi" during the dealer choice.
#pragma once

#include <QString>

#include "cards/game_state.h"
#include "settings/player_name.h"

namespace morvello {

class QtTable;
class TableScene;

// Widest name, in table units at the names' font size, that fits its places on
// the table and on the score sheet (its length is capped by kMaxNameLength).
inline constexpr double kMaxNameWidth = 110;

// Whether a name can be stored in the configuration file and read back the same,
// and fits its places on the table.
bool isAcceptableName(const QString& name);

class NamesPanel {
  public:
    NamesPanel(GameState& g, TableScene& scene, QtTable& table);

    void personalize_players_Click();
    void TxtPlayer_Change(int index);
    void CMDNames_Click();
    bool shown() const;

  private:
    GameState& g_;
    TableScene& scene_;
    QtTable& table_;
};

}  // namespace morvello
