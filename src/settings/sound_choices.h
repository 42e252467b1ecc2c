// The Sounds menu's two choices, stored in config.qvr with the game's options.
// The sound board is their only writer; the game never reads them.
#pragma once

#include "cards/card.h"

namespace morvello {

struct SoundChoices {
    Byte rustleChoice = 1;  // "Card rustle": 0 No, 1 Yes
    Byte musicChoice = 0;   // 0 none or one song, 101 sequential mode (in the file)

    bool operator==(const SoundChoices&) const = default;
};

}  // namespace morvello
