#include "sound/sound_board.h"

#include <utility>

#include "sound/song_list.h"

namespace morvello {

SoundBoard::SoundBoard(SoundChoices& choices, AudioDevice& device, SoundFolders folders,
                       Hooks hooks)
    : choices_(choices), device_(device), folders_(std::move(folders)), hooks_(std::move(hooks)) {
    device_.setSongEndHandler([this] { songFinished(); });
}

SoundBoard::~SoundBoard() {
    device_.setSongEndHandler({});
}

void SoundBoard::startUp() {
    buildMusicMenu();
    restoreCheckMarks();
    openEffects(kEffectsName);
}

void SoundBoard::buildMusicMenu() {
    menu_.songItems = listSongs(folders_.music);
    changed();
}

void SoundBoard::restoreCheckMarks() {
    if (choices_.musicChoice == 0) menu_.noMusic = true;
    if (choices_.musicChoice == kMusicSequenceStored) {
        menu_.all = true;
        choices_.musicChoice = 0;
    }
    if (choices_.rustleChoice < menu_.rustleChecked.size()) {
        menu_.rustleChecked[choices_.rustleChoice] = true;
    }
    changed();
}

void SoundBoard::openEffects(const std::string& name) {
    device_.openEffects(folders_.sounds / (name + ".wav"));
}

void SoundBoard::playSegment(int k) {
    if (!menu_.rustleChecked[1]) return;
    if (k < 0 || k + 1 >= static_cast<int>(soundMarks.size())) return;
    device_.playEffect(soundMarks[static_cast<std::size_t>(k)],
                       soundMarks[static_cast<std::size_t>(k + 1)]);
}

void SoundBoard::setCardRustle(int index) {
    if (index < 0 || index > 1) return;
    hideInfo();
    menu_.rustleChecked = {false, false};
    menu_.rustleChecked[static_cast<std::size_t>(index)] = true;
    choices_.rustleChoice = static_cast<Byte>(index);
    changed();
    save();
}

void SoundBoard::musicMenuOpened() {
    hideInfo();
}

void SoundBoard::chooseNoMusic() {
    menu_.uncheckSongs();
    menu_.noMusic = true;
    menu_.all = false;
    choices_.musicChoice = 0;
    changed();
    save();
    device_.stopSong();
}

void SoundBoard::chooseSong(int index) {
    if (index < 1 || index > menu_.songCount()) return;
    menu_.uncheckSongs();
    menu_.song(index).checked = true;
    menu_.noMusic = false;
    menu_.all = false;
    choices_.musicChoice = 0;
    changed();
    playSongItem(index);
    save();
}

void SoundBoard::chooseAllSongs() {
    menu_.uncheckSongs();
    menu_.noMusic = false;
    menu_.all = true;
    changed();
    choices_.musicChoice = kMusicSequenceStored;
    save();
    choices_.musicChoice = 0;
    prepareNextSong();
}

void SoundBoard::songFinished() {
    if (!menu_.all) return;
    const int n = menu_.songCount();
    if (n == 0) return;
    if (choices_.musicChoice >= n) choices_.musicChoice = 0;
    choices_.musicChoice = static_cast<Byte>(choices_.musicChoice + 1);
    menu_.song(choices_.musicChoice == 1 ? n : choices_.musicChoice - 1).checked = false;
    menu_.song(choices_.musicChoice).checked = true;
    changed();
    playSongItem(choices_.musicChoice);
    prepareNextSong();
}

// In sequence the song after musicChoice (song 1 after the last, or when none
// plays yet) is opened ahead, so it follows without a pause.
void SoundBoard::prepareNextSong() {
    const int n = menu_.songCount();
    if (n > 0) device_.prepareSong(menu_.song(choices_.musicChoice % n + 1).file);
}

void SoundBoard::playSongItem(int index) {
    device_.playSong(menu_.song(index).file);
}

void SoundBoard::changed() const {
    if (hooks_.menuChanged) hooks_.menuChanged();
}

void SoundBoard::save() const {
    if (hooks_.saveConfig) hooks_.saveConfig();
}

void SoundBoard::hideInfo() const {
    if (hooks_.hideInfoPanel) hooks_.hideInfoPanel();
}

}  // namespace morvello
