// An audio device that only records what it is asked to do. A song "ends" when the
// test says so, as the real device reports a song that played to its end.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "sound/audio_device.h"

namespace morvello::testing {

class FakeAudioDevice final : public AudioDevice {
  public:
    bool openEffects(const std::filesystem::path& path) override {
        effectsFile = path;
        return true;
    }
    void playEffect(int fromMs, int toMs) override { effects.emplace_back(fromMs, toMs); }
    void playSong(const std::filesystem::path& path) override {
        songs.push_back(path.filename().string());
        playing = true;
    }
    void stopSong() override {
        ++stops;
        playing = false;
    }
    void setSongEndHandler(std::function<void()> handler) override { onEnd = std::move(handler); }

    // The song now playing plays to its end.
    void finishSong() {
        ASSERT_TRUE(playing) << "no song plays";
        playing = false;
        onEnd();
    }

    std::filesystem::path effectsFile;
    std::vector<std::pair<int, int>> effects;
    std::vector<std::string> songs;  // file names, in the order they were started
    int stops = 0;
    bool playing = false;
    std::function<void()> onEnd;
};

}  // namespace morvello::testing
