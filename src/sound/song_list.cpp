#include "sound/song_list.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

#include "sound/sound_log.h"

namespace morvello {
namespace {

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool isSongFile(const std::filesystem::directory_entry& entry) {
    std::error_code ec;
    return entry.is_regular_file(ec) && lowered(entry.path().extension().string()) == ".mid";
}

bool readsBefore(const SongItem& a, const SongItem& b) {
    const std::string la = lowered(a.caption);
    const std::string lb = lowered(b.caption);
    return la != lb ? la < lb : a.caption < b.caption;
}

}  // namespace

std::vector<SongItem> listSongs(const std::filesystem::path& folder) {
    std::vector<SongItem> songs;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (isSongFile(*it)) songs.push_back({it->path().stem().string(), it->path(), false});
    }
    std::sort(songs.begin(), songs.end(), readsBefore);
    if (songs.empty()) soundLog("no songs in " + folder.string() + ": the Music menu is empty");
    return songs;
}

}  // namespace morvello
