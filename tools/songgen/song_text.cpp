#include "song_text.h"

#include <charconv>
#include <sstream>
#include <vector>

namespace morvello::songgen {
namespace {

// A '#' that begins a word starts a comment; inside a word it is a sharp.
std::string_view withoutComment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
            return line.substr(0, i);
        }
    }
    return line;
}

std::vector<std::string> words(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

int number(const std::string& word, int low, int high, const char* what) {
    int value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size() || value < low || value > high) {
        throw SongError(std::string(what) + " must be a number from " + std::to_string(low) +
                        " to " + std::to_string(high) + ", not \"" + word + "\"");
    }
    return value;
}

// Builds the parts while the lines are read.
class Reader {
  public:
    void line(std::string_view text);
    Song finish();

  private:
    void header(const std::vector<std::string>& w);
    void startPart(const std::vector<std::string>& w);
    void music(const std::vector<std::string>& w);
    void note(const std::string& pitches, const std::string& duration);
    void repeat();

    Song song_;
    bool tempoSet_ = false;
    int nextChannel_ = 0;
    std::size_t repeatNote_ = 0;  // where the passage to repeat starts
    int repeatTick_ = 0;
};

void Reader::line(std::string_view text) {
    const std::vector<std::string> w = words(withoutComment(text));
    if (w.empty()) return;
    if (w[0] == "title" || w[0] == "tempo") return header(w);
    if (w[0] == "part") return startPart(w);
    if (song_.parts.empty()) throw SongError("notes before the first part");
    music(w);
}

void Reader::header(const std::vector<std::string>& w) {
    if (!song_.parts.empty()) throw SongError(w[0] + " must come before the first part");
    if (w[0] == "tempo") {
        if (w.size() != 2) throw SongError("tempo takes one number");
        song_.tempo = number(w[1], 20, 300, "tempo");
        tempoSet_ = true;
        return;
    }
    std::string title;
    for (std::size_t i = 1; i < w.size(); ++i) title += (i > 1 ? " " : "") + w[i];
    song_.title = title;
}

void Reader::startPart(const std::vector<std::string>& w) {
    if (w.size() < 2 || w.size() % 2 != 0) throw SongError("part NAME then KEY VALUE pairs");
    Part p;
    p.name = w[1];
    bool channelSet = false;
    for (std::size_t i = 2; i < w.size(); i += 2) {
        if (w[i] == "program")
            p.program = number(w[i + 1], 0, 127, "program");
        else if (w[i] == "volume")
            p.volume = number(w[i + 1], 0, 127, "volume");
        else if (w[i] == "velocity")
            p.velocity = number(w[i + 1], 1, 127, "velocity");
        else if (w[i] == "channel") {
            p.channel = number(w[i + 1], 0, 15, "channel");
            channelSet = true;
        } else
            throw SongError("unknown part setting \"" + w[i] + "\"");
    }
    if (!channelSet) {
        if (nextChannel_ == 9) ++nextChannel_;
        if (nextChannel_ > 15) throw SongError("too many parts");
        p.channel = nextChannel_++;
    }
    song_.parts.push_back(std::move(p));
    repeatNote_ = 0;
    repeatTick_ = 0;
}

void Reader::music(const std::vector<std::string>& w) {
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (w[i] == "|") continue;
        if (w[i] == "|:") {
            repeatNote_ = song_.parts.back().notes.size();
            repeatTick_ = song_.parts.back().length;
        } else if (w[i] == ":|") {
            repeat();
        } else {
            if (i + 1 >= w.size()) throw SongError("\"" + w[i] + "\" has no duration");
            note(w[i], w[i + 1]);
            ++i;
        }
    }
}

void Reader::note(const std::string& pitches, const std::string& duration) {
    Part& p = song_.parts.back();
    const int length = parseDuration(duration);
    if (pitches != "R") {
        std::istringstream chord(pitches);
        for (std::string pitch; std::getline(chord, pitch, '+');) {
            p.notes.push_back({p.length, length, parsePitch(pitch)});
        }
    }
    p.length += length;
}

void Reader::repeat() {
    Part& p = song_.parts.back();
    const int span = p.length - repeatTick_;
    const std::size_t end = p.notes.size();
    for (std::size_t i = repeatNote_; i < end; ++i) {
        Note copy = p.notes[i];
        copy.start += span;
        p.notes.push_back(copy);
    }
    p.length += span;
    repeatNote_ = p.notes.size();
    repeatTick_ = p.length;
}

Song Reader::finish() {
    if (!tempoSet_) throw SongError("the song has no tempo");
    if (song_.parts.empty()) throw SongError("the song has no parts");
    for (const Part& p : song_.parts) {
        if (p.length != song_.parts.front().length) {
            throw SongError("part " + p.name + " lasts " + std::to_string(p.length) +
                            " ticks but part " + song_.parts.front().name + " lasts " +
                            std::to_string(song_.parts.front().length));
        }
    }
    return std::move(song_);
}

}  // namespace

int parsePitch(std::string_view pitch) {
    static constexpr int kSteps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (pitch.size() < 2 || pitch[0] < 'A' || pitch[0] > 'G') {
        throw SongError("bad pitch \"" + std::string(pitch) + "\"");
    }
    int key = kSteps[pitch[0] - 'A'];
    std::size_t i = 1;
    if (pitch[i] == '#')
        ++key, ++i;
    else if (pitch[i] == 'b')
        --key, ++i;
    const std::string octave(pitch.substr(i));
    int o = 0;
    try {
        o = number(octave, -1, 9, "octave");
    } catch (const SongError&) {
        throw SongError("bad pitch \"" + std::string(pitch) + "\"");
    }
    key += (o + 1) * 12;
    if (key < 0 || key > 127) throw SongError("pitch out of range \"" + std::string(pitch) + "\"");
    return key;
}

int parseDuration(std::string_view duration) {
    static constexpr std::string_view kLetters = "whqes";
    const std::size_t letter =
        duration.empty() ? std::string_view::npos : kLetters.find(duration[0]);
    const std::string_view rest = duration.empty() ? duration : duration.substr(1);
    if (letter == std::string_view::npos || (rest != "" && rest != "." && rest != "3")) {
        throw SongError("bad duration \"" + std::string(duration) + "\"");
    }
    const int ticks = kTicksPerQuarter * 4 >> letter;
    if (rest == ".") return ticks * 3 / 2;
    if (rest == "3") return ticks * 2 / 3;
    return ticks;
}

Song parseSong(std::string_view text) {
    Reader reader;
    int lineNumber = 0;
    std::istringstream in{std::string(text)};
    try {
        for (std::string line; std::getline(in, line);) {
            ++lineNumber;
            reader.line(line);
        }
        return reader.finish();
    } catch (const SongError& e) {
        throw SongError("line " + std::to_string(lineNumber) + ": " + e.what());
    }
}

}  // namespace morvello::songgen
