#include "settings/install_layout.h"

#include <system_error>

namespace morvello {
namespace {

// From the program's folder to the data and module folders; set by the build
// from the install folders, "../share/morvello" and "../lib/morvello" by default.
constexpr std::string_view kDataFromProgram = MORVELLO_DATA_FROM_PROGRAM;
constexpr std::string_view kModulesFromProgram = MORVELLO_MODULES_FROM_PROGRAM;

bool isFolder(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

}  // namespace

std::filesystem::path installedDataFolder(const std::filesystem::path& programFolder) {
    return (programFolder / kDataFromProgram).lexically_normal();
}

bool isInstalledProgram(const std::filesystem::path& programFolder) {
    return isFolder(installedDataFolder(programFolder));
}

std::filesystem::path findProgramModule(const std::filesystem::path& programFolder,
                                        std::string_view name) {
    const std::filesystem::path installed =
        (programFolder / kModulesFromProgram / name).lexically_normal();
    std::error_code ec;
    if (std::filesystem::is_regular_file(installed, ec)) return installed;
    return programFolder / name;
}

}  // namespace morvello
