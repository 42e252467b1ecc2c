// morvello-songgen SONG.txt... OUTPUT_FOLDER: writes each note list as a MIDI
// file named like it (songs/Santa Lucia.txt gives OUTPUT_FOLDER/Santa Lucia.mid).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "midi_file.h"
#include "song_text.h"

namespace {

bool writeSong(const std::filesystem::path& source, const std::filesystem::path& folder) {
    using namespace morvello::songgen;
    std::ifstream in(source);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "morvello-songgen: cannot read %s\n", source.string().c_str());
        return false;
    }
    try {
        const Song song = parseSong(text.str());
        const auto bytes = encodeMidi(song);
        const auto target = folder / (source.stem().string() + ".mid");
        std::ofstream out(target, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) throw SongError("cannot write " + target.string());
        std::printf("%s: %.1f s\n", target.string().c_str(), song.seconds());
        return true;
    } catch (const SongError& e) {
        std::fprintf(stderr, "%s: %s\n", source.string().c_str(), e.what());
        return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: morvello-songgen SONG.txt... OUTPUT_FOLDER\n");
        return 2;
    }
    bool ok = true;
    for (int i = 1; i + 1 < argc; ++i) ok = writeSong(argv[i], argv[argc - 1]) && ok;
    return ok ? 0 : 1;
}
