// The game's card sounds and background music: the sound procedures under their
// game names, over the shared game state, an audio device and the menu model.
//
// Music states: silent, one song (plays to its end, then silent) and sequence
// (each song that plays to its end starts the next, after the last the first).
// In sequence musicChoice holds the number of the song now playing; the saved
// file records the sequence as 101.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "settings/sound_choices.h"
#include "sound/audio_device.h"
#include "sound/data_folders.h"
#include "sound/sound_menu.h"

namespace morvello {

// Segment bounds in milliseconds within the effects file: segment k runs from
// soundMarks[k] to soundMarks[k + 1].
inline constexpr std::array<int, 6> soundMarks{0, 160, 2320, 2500, 3180, 4000};

// Sound numbers for playSegment.
enum SoundNumber : int {
    kCardSound = 0,   // a card dealt, drawn or laid on the table
    kFlingSound = 1,  // Volo
    kKnockSound = 2,  // Busso, once per knock
    kCreepSound = 3,  // Striscio
    kTieSound = 4,    // the dealer choice ended in a tie
};

inline constexpr int kMusicSequenceStored = 101;  // musicChoice as saved for the sequence
inline constexpr const char* kEffectsName = "complessivo";

class SoundBoard {
  public:
    struct Hooks {
        std::function<void()> saveConfig;     // config.qvr written whole
        std::function<void()> menuChanged;    // a check mark or a song item changed
        std::function<void()> hideInfoPanel;  // the information panel is hidden
    };

    SoundBoard(SoundChoices& choices, AudioDevice& device, SoundFolders folders, Hooks hooks);
    SoundBoard(const SoundBoard&) = delete;
    SoundBoard& operator=(const SoundBoard&) = delete;
    ~SoundBoard();

    // Start-up, after the configuration was read: builds the Music menu, restores
    // the check marks and opens the effects file.
    void startUp();
    void buildMusicMenu();
    void restoreCheckMarks();

    void openEffects(const std::string& name);
    void playSegment(int k);

    void setCardRustle(int index);
    void musicMenuOpened();
    void chooseNoMusic();
    void chooseSong(int index);
    void chooseAllSongs();
    void songFinished();

    const SoundMenu& menu() const { return menu_; }

  private:
    void playSongItem(int index);
    void prepareNextSong();
    void changed() const;
    void save() const;
    void hideInfo() const;

    SoundChoices& choices_;
    AudioDevice& device_;
    SoundFolders folders_;
    Hooks hooks_;
    SoundMenu menu_;
};

}  // namespace morvello
