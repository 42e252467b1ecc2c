#include "sound/midi_check.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace morvello {
namespace {

std::uint32_t big(const std::vector<char>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | static_cast<unsigned char>(b[at + std::size_t(i)]);
    return v;
}

bool tagAt(const std::vector<char>& b, std::size_t at, const char* tag) {
    return b.size() >= at + 8 && std::equal(tag, tag + 4, b.begin() + static_cast<long>(at));
}

}  // namespace

std::string midiFileProblem(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return "cannot be read";
    const std::vector<char> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!tagAt(b, 0, "MThd") || big(b, 4, 4) < 6 || b.size() < 14) return "not a MIDI file";
    const std::uint32_t tracks = big(b, 10, 2);
    if (tracks == 0) return "a MIDI file without tracks";
    std::size_t at = 8 + big(b, 4, 4);
    std::uint32_t found = 0;
    while (found < tracks) {
        if (b.size() < at + 8) return "a MIDI file cut short";
        const std::size_t end = at + 8 + big(b, at + 4, 4);
        if (end > b.size()) return "a MIDI file cut short";
        found += tagAt(b, at, "MTrk");
        at = end;
    }
    return {};
}

}  // namespace morvello
