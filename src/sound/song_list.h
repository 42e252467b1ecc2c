// The songs of the Music menu: the ".mid" files of the music folder.
#pragma once

#include <filesystem>
#include <vector>

#include "sound/sound_menu.h"

namespace morvello {

// Every regular file of folder whose name ends in ".mid" (in any letter case),
// captioned with its name without the extension and sorted by caption ignoring
// letter case, as a player reads a list. Other files are skipped. A missing or
// empty folder gives no songs and logs one line.
std::vector<SongItem> listSongs(const std::filesystem::path& folder);

}  // namespace morvello
