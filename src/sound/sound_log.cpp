#include "sound/sound_log.h"

#include <cstdio>
#include <string>

namespace morvello {

void soundLog(std::string_view message) {
    // One write per line, so lines from the song thread never interleave.
    const std::string line = "morvello: sound: " + std::string(message) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

}  // namespace morvello
