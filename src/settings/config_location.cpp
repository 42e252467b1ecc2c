#include "settings/config_location.h"

#include <string_view>

#include "settings/install_layout.h"

namespace morvello {

namespace {

// Programs of every kind share a bin folder: no settings of ours belong there.
constexpr std::string_view kSharedProgramFolder = "bin";

}  // namespace

bool keepsConfigBesideProgram(const std::filesystem::path& programFolder) {
    const std::filesystem::path folder = programFolder.lexically_normal();
    const std::filesystem::path name =
        folder.has_filename() ? folder.filename() : folder.parent_path().filename();
    return !isInstalledProgram(programFolder) && name != kSharedProgramFolder;
}

}  // namespace morvello
