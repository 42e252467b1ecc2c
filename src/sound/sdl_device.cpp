#include "sound/sdl_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

#include "sound/sound_log.h"

namespace morvello {

SdlDevice::Use::~Use() {
    if (device_ != nullptr) device_->release();
}

SdlDevice::~SdlDevice() {
    if (!usable_) return;
    std::lock_guard lock(mutex_);
    if (open_) Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlDevice::open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        soundLog(std::string("no audio device, playing silently: ") + SDL_GetError());
        return false;
    }
    std::lock_guard lock(mutex_);
    if (!openMixer()) {
        soundLog(std::string("no audio device, playing silently: ") + Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    int rate = 0;
    Uint16 sampleFormat = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &sampleFormat, &channels) != 0) format_.rate = rate;
    Mix_Init(MIX_INIT_MID);
    usable_ = true;
    touch();
    return true;
}

bool SdlDevice::openMixer() {
    open_ = Mix_OpenAudio(format_.rate, AUDIO_S16SYS, 2, format_.bufferFrames) == 0;
    return open_;
}

bool SdlDevice::isOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

SdlDevice::Use SdlDevice::use() {
    if (!usable_) return Use(nullptr);
    bool reopened = false;
    {
        std::lock_guard lock(mutex_);
        if (!open_) {
            if (!openMixer()) {
                if (!reopenFailed_)
                    soundLog(std::string("the audio device cannot be opened again: ") +
                             Mix_GetError());
                reopenFailed_ = true;
                return Use(nullptr);
            }
            reopened = true;
        }
        ++users_;
        touch();
    }
    if (reopened && onReopen_) onReopen_();
    return Use(this);
}

void SdlDevice::release() {
    std::lock_guard lock(mutex_);
    --users_;
    touch();
}

SdlDevice::Clock::time_point SdlDevice::quietUntil() const {
    if (format_.restAfter == kNeverRest) return Clock::time_point::max();
    return Clock::time_point(Clock::duration(lastSound_.load())) + format_.restAfter;
}

SdlDevice::Clock::time_point SdlDevice::restTime() const {
    std::lock_guard lock(mutex_);
    return open_ ? quietUntil() : Clock::time_point::max();
}

bool SdlDevice::restIfQuiet() {
    std::lock_guard lock(mutex_);
    if (!open_) return true;
    if (users_ > 0 || Clock::now() < quietUntil()) return false;
    if (Mix_Playing(-1) > 0 || Mix_PlayingMusic()) {
        touch();
        return false;
    }
    Mix_CloseAudio();
    open_ = false;
    return true;
}

}  // namespace morvello
