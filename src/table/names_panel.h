// The names panel in the top-left corner of the table: four name boxes and OK,
// opened from "&Personalize Playersi" during the dealer choice.
#pragma once

#include <QString>
#include <string>

#include <array>

#include "match/names_input.h"
#include "settings/player_name.h"

namespace morvello {

class QtTable;
class TableScene;
class TextPanel;

// Widest name, in table units at the names' font size, that fits its places on
// the table and on the score sheet (its length is capped by kMaxNameLength).
inline constexpr double kMaxNameWidth = 110;

// Why a name cannot be stored in the configuration file and read back the same,
// or does not fit its places on the table: a short sentence for the player, empty
// when the name is acceptable.
QString nameRefusal(const QString& name);
bool isAcceptableName(const QString& name);

// The longest acceptable start of a name held elsewhere (the file, the game):
// what cannot be stored left out, then cut to the length and the width allowed.
QString fittedName(const std::string& utf8);

class NamesPanel {
  public:
    NamesPanel(NamesInput& input, TableScene& scene, QtTable& table);

    // Opens the panel on the names as they stand.
    void openNamesPanel(const std::array<std::string, 4>& names);
    void setPlayerName(int index);
    void confirmNames();
    bool shown() const;
    // The line under the panel that says why a keystroke was refused.
    const TextPanel& hint() const { return *hint_; }

  private:
    void connectWidgets();

    NamesInput& input_;
    TableScene& scene_;
    QtTable& table_;
    TextPanel* hint_;  // owned by the scene
};

}  // namespace morvello
