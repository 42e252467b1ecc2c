// Reads a song from its note list. The text, line by line (a word that starts with '#' starts a
// comment):
//
//   title Tarantella del mazzo
//   tempo 132                          quarter notes per minute, once
//   part Mandolin program 25 volume 100 velocity 96 [channel 3]
//   |: A4 e  C5 e  E5 e  A5 q. :|      notes of the part, until the next "part"
//
// A note is a pitch and a duration. Pitches: a letter C..B, an optional # or b,
// an octave (C4 is middle C); R is a rest; pitches joined by + sound together
// (C4+E4+G4). Durations: w h q e s (whole .. sixteenth), a trailing . adds half,
// a trailing 3 makes a triplet. Bar lines | are for the reader; |: and :| play
// the passage between them twice. Every part must last as long as the others.
// Parts take channels 0, 1, 2 ... in order, skipping the percussion channel 9,
// unless a part names its channel.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "song.h"

namespace morvello::songgen {

class SongError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws SongError naming the line of the first mistake.
Song parseSong(std::string_view text);

// The MIDI key of a pitch such as "C4", "F#3" or "Bb5"; throws SongError.
int parsePitch(std::string_view pitch);

// A duration such as "q", "e." or "e3" in ticks; throws SongError.
int parseDuration(std::string_view duration);

}  // namespace morvello::songgen
