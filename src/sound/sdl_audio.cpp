#include "sound/sdl_audio.h"

#include <SDL.h>

#include <sstream>
#include <string>
#include <system_error>
#include <utility>

#include "sound/sound_log.h"

namespace morvello {
namespace {

bool anyFileExists(const char* pathList) {
    if (pathList == nullptr) return false;
    std::stringstream list(pathList);
    std::string path;
    std::error_code ec;
    while (std::getline(list, path, ';')) {
        if (!path.empty() && std::filesystem::is_regular_file(path, ec)) return true;
    }
    return false;
}

}  // namespace

SdlAudio::SdlAudio(PostToOwner post, AudioFormat format) : format_(format) {
    if (!openMixer()) return;
    songsPlayable_ = chooseSoundFont();
    music_ = std::make_unique<SdlMusic>(std::move(post));
}

SdlAudio::~SdlAudio() {
    if (!isOpen()) return;
    music_.reset();
    effects_.close();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::openMixer() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        soundLog(std::string("no audio device, playing silently: ") + SDL_GetError());
        return false;
    }
    if (Mix_OpenAudio(format_.rate, AUDIO_S16SYS, 2, format_.bufferFrames) != 0) {
        soundLog(std::string("no audio device, playing silently: ") + Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    int rate = 0;
    Uint16 sampleFormat = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &sampleFormat, &channels) != 0) format_.rate = rate;
    Mix_Init(MIX_INIT_MID);
    return true;
}

bool SdlAudio::chooseSoundFont() const {
    std::vector<std::filesystem::path> candidates = format_.soundFonts;
    if (candidates.empty()) {
        if (anyFileExists(Mix_GetSoundFonts())) return true;
        candidates.emplace_back(kFallbackSoundFont);
    }
    std::error_code ec;
    for (const std::filesystem::path& font : candidates) {
        if (std::filesystem::is_regular_file(font, ec)) {
            Mix_SetSoundFonts(font.string().c_str());
            return true;
        }
    }
    soundLog("no General MIDI soundfont found, songs will not play: looked for " +
             candidates.front().string());
    return false;
}

bool SdlAudio::openEffects(const std::filesystem::path& path) {
    return isOpen() && effects_.open(path);
}

void SdlAudio::playEffect(int fromMs, int toMs) {
    if (isOpen()) effects_.play(fromMs, toMs);
}

void SdlAudio::playSong(const std::filesystem::path& path) {
    if (isOpen() && songsPlayable_) music_->play(path);
}

void SdlAudio::stopSong() {
    if (isOpen()) music_->stop();
}

void SdlAudio::setSongEndHandler(std::function<void()> handler) {
    if (isOpen()) music_->setEndHandler(std::move(handler));
}

void SdlAudio::settleSongs() {
    if (isOpen()) music_->settle();
}

bool SdlAudio::songPlaying() const {
    return isOpen() && music_->playing();
}

}  // namespace morvello
