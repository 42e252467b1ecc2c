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

SdlAudio::SdlAudio(PostToOwner post, AudioFormat format)
    : format_(std::move(format)), device_({format_.rate, format_.bufferFrames, format_.restAfter}) {
    if (!device_.open()) return;
    format_.rate = device_.format().rate;
    songsPlayable_ = chooseSoundFont();
    music_ = std::make_unique<SdlMusic>(std::move(post), device_);
}

SdlAudio::~SdlAudio() {
    if (!isOpen()) return;
    music_.reset();
    effects_.close();
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
    const SdlDevice::Use output = device_.use();
    return output && effects_.open(path);
}

void SdlAudio::playEffect(int fromMs, int toMs) {
    if (!isOpen()) return;
    if (const SdlDevice::Use output = device_.use()) effects_.play(fromMs, toMs);
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

void SdlAudio::prepareSong(const std::filesystem::path& path) {
    if (isOpen() && songsPlayable_) music_->prepare(path);
}

std::filesystem::path SdlAudio::preparedSong() {
    return isOpen() ? music_->preparedSong() : std::filesystem::path();
}

bool SdlAudio::waitUntilResting(std::chrono::milliseconds cap) {
    return !isOpen() || music_->waitUntilResting(cap);
}

void SdlAudio::settleSongs() {
    if (isOpen()) music_->settle();
}

bool SdlAudio::songPlaying() const {
    return isOpen() && music_->playing();
}

}  // namespace morvello
