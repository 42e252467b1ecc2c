#include "sound/data_folders.h"

#include <system_error>

#include "settings/install_layout.h"

namespace morvello {
namespace {

std::filesystem::path findFolder(const std::filesystem::path& programFolder,
                                 const std::filesystem::path& installedDataFolder,
                                 const char* name) {
    std::error_code ec;
    const std::filesystem::path beside = programFolder / name;
    if (std::filesystem::is_directory(beside, ec)) return beside;
    const std::filesystem::path installed = installedDataFolder / name;
    if (!installedDataFolder.empty() && std::filesystem::is_directory(installed, ec)) {
        return installed;
    }
    return beside;
}

}  // namespace

SoundFolders findSoundFolders(const std::filesystem::path& programFolder,
                              const std::filesystem::path& installedDataFolder) {
    return {findFolder(programFolder, installedDataFolder, "sounds"),
            findFolder(programFolder, installedDataFolder, "music")};
}

SoundFolders findSoundFolders(const std::filesystem::path& programFolder) {
    return findSoundFolders(programFolder, installedDataFolder(programFolder));
}

}  // namespace morvello
