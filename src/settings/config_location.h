// Which folder keeps config.qvr. A program run from its build folder, or from an
// unpacked folder of its own, keeps the file beside itself as it always did; an
// installed program, or any program in a folder named bin, keeps it in the user's
// configuration folder and never writes into a bin folder shared with others.
#pragma once

#include <filesystem>

namespace morvello {

// True when the file belongs beside the program in programFolder.
bool keepsConfigBesideProgram(const std::filesystem::path& programFolder);

}  // namespace morvello
