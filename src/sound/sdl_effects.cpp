#include "sound/sdl_effects.h"

#include <algorithm>
#include <string>

#include "sound/sound_log.h"

namespace morvello {

SdlEffects::~SdlEffects() {
    close();
}

bool SdlEffects::open(const std::filesystem::path& path) {
    close();
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0) return false;
    wave_ = Mix_LoadWAV(path.string().c_str());
    if (wave_ == nullptr) {
        soundLog("cannot open the sound effects " + path.string() + ": " + Mix_GetError());
        return false;
    }
    rate_ = rate;
    frameBytes_ = static_cast<Uint32>(SDL_AUDIO_BITSIZE(format) / 8 * channels);
    return true;
}

void SdlEffects::close() {
    if (wave_ == nullptr) return;
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    // No channel may go on reading a view into the wave; a resting output has none.
    if (Mix_QuerySpec(&rate, &format, &channels) != 0) Mix_HaltChannel(-1);
    segments_.clear();
    Mix_FreeChunk(wave_);
    wave_ = nullptr;
}

void SdlEffects::play(int fromMs, int toMs) {
    Mix_Chunk* chunk = segment(fromMs, toMs);
    if (chunk == nullptr) return;
    if (Mix_PlayChannel(-1, chunk, 0) < 0) Mix_PlayChannel(Mix_GroupOldest(-1), chunk, 0);
}

Mix_Chunk* SdlEffects::segment(int fromMs, int toMs) {
    if (wave_ == nullptr) return nullptr;
    const auto key = std::make_pair(fromMs, toMs);
    auto it = segments_.find(key);
    if (it == segments_.end()) {
        const Uint32 from = byteOffset(fromMs);
        const Uint32 to = std::max(from, byteOffset(toMs));
        Mix_Chunk view{};
        view.allocated = 0;  // the bytes belong to wave_
        view.abuf = wave_->abuf + from;
        view.alen = to - from;
        view.volume = MIX_MAX_VOLUME;
        it = segments_.emplace(key, view).first;
    }
    return it->second.alen > 0 ? &it->second : nullptr;
}

Uint32 SdlEffects::byteOffset(int ms) const {
    const long long frames = static_cast<long long>(std::max(ms, 0)) * rate_ / 1000;
    const long long bytes = frames * frameBytes_;
    return static_cast<Uint32>(std::min<long long>(bytes, wave_->alen));
}

}  // namespace morvello
