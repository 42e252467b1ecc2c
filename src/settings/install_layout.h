// Where an installed game keeps its files: the program in <prefix>/bin, its data
// in <prefix>/share/morvello, its private module in <prefix>/lib/morvello. Each is
// found from the program's own folder at run time, so any prefix works and an
// unpacked install runs where it lies.
#pragma once

#include <filesystem>
#include <string_view>

namespace morvello {

// The data folder an install around programFolder has (it may not exist).
std::filesystem::path installedDataFolder(const std::filesystem::path& programFolder);

// Whether programFolder is the bin folder of an install: its data folder is there.
// A build folder or an unpacked folder of its own is not.
bool isInstalledProgram(const std::filesystem::path& programFolder);

// The private module `name`: in the install's module folder when it is there,
// else beside the program (the build folder).
std::filesystem::path findProgramModule(const std::filesystem::path& programFolder,
                                        std::string_view name);

}  // namespace morvello
