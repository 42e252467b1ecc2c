#include "settings/config_location.h"

#include "settings/install_layout.h"

namespace morvello {

bool keepsConfigBesideProgram(const std::filesystem::path& programFolder) {
    return !isInstalledProgram(programFolder);
}

}  // namespace morvello
