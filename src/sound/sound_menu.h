// The check marks of the Sounds and Music menus. The window mirrors this model
// into its menu bar; the sound procedures read and write only the model.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace morvello {

// One song item of the Music menu: its caption is the file name without ".mid".
struct SongItem {
    std::string caption;
    std::filesystem::path file;
    bool checked = false;
};

struct SoundMenu {
    std::array<bool, 2> rustleChecked{};  // items 0 "No" and 1 "Yes"
    bool noMusic = false;                 // "None"
    bool all = false;                     // "SEQUENTIAL MODE"
    std::vector<SongItem> songItems;      // song items 1..n are entries 0..n-1

    int songCount() const { return static_cast<int>(songItems.size()); }
    SongItem& song(int index) { return songItems.at(static_cast<std::size_t>(index - 1)); }
    const SongItem& song(int index) const {
        return songItems.at(static_cast<std::size_t>(index - 1));
    }
    void uncheckSongs() {
        for (SongItem& s : songItems) s.checked = false;
    }
};

}  // namespace morvello
