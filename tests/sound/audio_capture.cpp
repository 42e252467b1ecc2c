#include "audio_capture.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace morvello::testing {
namespace {

std::vector<char> readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

void useDiskDriver(const std::filesystem::path& file) {
    useDriver("disk");
    ::setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    // A short pause per buffer: the output runs several times faster than real time.
    ::setenv("SDL_DISKAUDIODELAY", "2", 1);
}

void useDriver(const char* name) {
    ::setenv("SDL_AUDIODRIVER", name, 1);
}

Frames readOutput(const std::filesystem::path& file) {
    const std::vector<char> bytes = readAll(file);
    Frames out;
    const std::size_t count = bytes.size() / 4;
    out.left.resize(count);
    out.right.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::memcpy(&out.left[i], &bytes[4 * i], 2);
        std::memcpy(&out.right[i], &bytes[4 * i + 2], 2);
    }
    return out;
}

std::vector<std::int16_t> readMonoWav(const std::filesystem::path& file) {
    const std::vector<char> bytes = readAll(file);
    constexpr std::size_t kHeader = 44;
    std::vector<std::int16_t> samples(bytes.size() > kHeader ? (bytes.size() - kHeader) / 2 : 0);
    if (!samples.empty()) std::memcpy(samples.data(), &bytes[kHeader], samples.size() * 2);
    return samples;
}

PostToOwner OwnerQueue::poster() {
    return [this](std::function<void()> f) {
        {
            std::lock_guard lock(mutex_);
            queue_.push_back(std::move(f));
        }
        posted_.notify_all();
    };
}

bool OwnerQueue::runNext(std::chrono::seconds cap) {
    std::function<void()> next;
    {
        std::unique_lock lock(mutex_);
        if (!posted_.wait_for(lock, cap, [this] { return !queue_.empty(); })) return false;
        next = std::move(queue_.front());
        queue_.erase(queue_.begin());
    }
    next();
    return true;
}

std::size_t OwnerQueue::waiting() {
    std::lock_guard lock(mutex_);
    return queue_.size();
}

void OutputMeter::attach() {
    Mix_SetPostMix(&OutputMeter::postMix, this);
}

void OutputMeter::detach() {
    Mix_SetPostMix(nullptr, nullptr);
}

void OutputMeter::postMix(void* self, Uint8* stream, int len) {
    auto* meter = static_cast<OutputMeter*>(self);
    std::int64_t loud = 0;
    for (int i = 0; i + 1 < len; i += 4) {
        std::int16_t left = 0;
        std::memcpy(&left, stream + i, 2);
        if (left > 64 || left < -64) ++loud;
    }
    {
        std::lock_guard lock(meter->mutex_);
        meter->frames_ += len / 4;
        meter->loud_ += loud;
    }
    meter->produced_.notify_all();
}

std::int64_t OutputMeter::frames() {
    std::lock_guard lock(mutex_);
    return frames_;
}

std::int64_t OutputMeter::loudFrames() {
    std::lock_guard lock(mutex_);
    return loud_;
}

bool OutputMeter::waitForFrames(std::int64_t count, std::chrono::seconds cap) {
    std::unique_lock lock(mutex_);
    const std::int64_t target = frames_ + count;
    return produced_.wait_for(lock, cap, [&] { return frames_ >= target; });
}

bool OutputMeter::waitForSound(std::chrono::seconds cap) {
    std::unique_lock lock(mutex_);
    return produced_.wait_for(lock, cap, [&] { return loud_ > 0; });
}

}  // namespace morvello::testing
