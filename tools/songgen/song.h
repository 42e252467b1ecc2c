// A song as the note lists describe it: one tempo and a few parts of notes.
#pragma once

#include <string>
#include <vector>

namespace morvello::songgen {

inline constexpr int kTicksPerQuarter = 480;

struct Note {
    int start = 0;   // ticks from the start of the song
    int length = 0;  // ticks
    int pitch = 60;  // MIDI key, 60 is C4
};

struct Part {
    std::string name;
    int program = 0;  // General MIDI program 0..127
    int channel = 0;  // 0..15; 9 is the percussion channel
    int volume = 100;
    int velocity = 90;
    int length = 0;  // ticks: where the part's last note or rest ends
    std::vector<Note> notes;
};

struct Song {
    std::string title;
    int tempo = 120;  // quarter notes per minute
    std::vector<Part> parts;

    int lengthTicks() const;
    double seconds() const { return lengthTicks() * 60.0 / (tempo * double(kTicksPerQuarter)); }
};

inline int Song::lengthTicks() const {
    int ticks = 0;
    for (const Part& p : parts) ticks = p.length > ticks ? p.length : ticks;
    return ticks;
}

}  // namespace morvello::songgen
