// Where the game finds its sound effects and songs: the folders "sounds" and
// "music" beside the program, else those of the data folder of the install the
// program is in (share/morvello beside its bin folder).
#pragma once

#include <filesystem>

namespace morvello {

struct SoundFolders {
    std::filesystem::path sounds;
    std::filesystem::path music;
};

// programFolder is the folder of the running executable. A folder found in neither
// place is given beside the program, so a failure names the place a player looks.
SoundFolders findSoundFolders(const std::filesystem::path& programFolder,
                              const std::filesystem::path& installedDataFolder);

// The same, with the data folder of the install around programFolder.
SoundFolders findSoundFolders(const std::filesystem::path& programFolder);

}  // namespace morvello
