// What the names panel tells the controller: it opened (deck clicks wait), a
// name changed (taken at once), OK (saved, the dealer choice starts again).
#pragma once

#include <string>

namespace morvello {

class NamesInput {
  public:
    virtual ~NamesInput() = default;
    virtual void openNamesPanel() = 0;
    // index 1..4: the seat whose name changed.
    virtual void setPlayerName(int index, const std::string& name) = 0;
    virtual void confirmNames() = 0;
};

}  // namespace morvello
