// A quick look at a MIDI file before the synthesiser is asked to play it: the
// synthesiser accepts a damaged file and only fails while playing, which would
// look like a song that ended at once.
#pragma once

#include <filesystem>
#include <string>

namespace morvello {

// Empty when the file is a Standard MIDI File whose chunks all fit in it;
// otherwise what is wrong with it.
std::string midiFileProblem(const std::filesystem::path& file);

}  // namespace morvello
