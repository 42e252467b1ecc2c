// How long a Standard MIDI File plays: the time of its last event, through its
// tempo changes. The synthesiser reports a song's end only once every note has
// died away, seconds after the music itself is over; the game goes on to the
// next song of a sequence when the music is.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

namespace morvello {

// Nothing when the bytes are not a whole Standard MIDI File.
std::optional<std::chrono::microseconds> midiLength(std::string_view bytes);
std::optional<std::chrono::microseconds> midiFileLength(const std::filesystem::path& file);

}  // namespace morvello
