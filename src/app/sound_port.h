// The window's way to the card sounds, the music and the Sounds menu's model.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "settings/sound_choices.h"
#include "sound/sound_menu.h"

namespace morvello {

class SoundPort {
  public:
    struct Hooks {
        std::function<void()> saveConfig;     // config.qvr written whole
        std::function<void()> menuChanged;    // check marks or song items changed
        std::function<void()> hideInfoPanel;  // the sound menus hide the information panel
    };

    virtual ~SoundPort() = default;
    // Builds the Music menu, restores the check marks, opens the effects file.
    virtual void startUp() = 0;
    virtual void playSegment(int segment) = 0;
    virtual void setCardRustle(int index) = 0;
    virtual void musicMenuOpened() = 0;
    virtual void chooseNoMusic() = 0;
    virtual void chooseAllSongs() = 0;
    virtual void chooseSong(int index) = 0;
    virtual const SoundMenu& menu() const = 0;
};

// The module that holds the sound board: in the install's module folder, or
// beside the program in the build folder.
inline constexpr const char* kSoundModuleName = "morvello_sound_board.so";

// The game's sound board on the machine's audio output, from its module (by
// default beside the program). When the module cannot be loaded the game plays
// silent, with one line on stderr, and its Sounds and Music menus work all the
// same: choices move the check marks and are saved.
std::unique_ptr<SoundPort> makeSoundBoard(SoundChoices& choices, SoundPort::Hooks hooks,
                                          const QString& modulePath = {});

}  // namespace morvello
