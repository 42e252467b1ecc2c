#include "match/match_record.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "cards/play_signal.h"
#include "cards/shuffle.h"
#include "match/player_input.h"

namespace morvello {
namespace {

constexpr std::string_view kFormatName = "morvello-record";

constexpr std::array<std::string_view, 3> kKindWords{"person", "classic", "expert"};
constexpr std::array<std::string_view, 4> kCommandWords{"continue", "new-game", "replay", "quit"};
// The words of the choices, in the order of Choice::Kind.
constexpr std::array<std::string_view, 12> kChoiceWords{
    "draw",      "look-again",   "card",         "signal", "command",      "late-signal",
    "play-rate", "who-declares", "match-target", "names",  "seat-players", "take-back"};

// A name keeps every byte but the few that would split a line or a list.
std::string escaped(std::string_view name) {
    std::string out;
    for (const char c : name) {
        if (c == '%' || c == ',' || c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            constexpr std::string_view kHex = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(c);
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        unsigned byte = 0;
        if (i + 2 >= text.size()) return std::nullopt;
        const auto [end, ec] = std::from_chars(text.data() + i + 1, text.data() + i + 3, byte, 16);
        if (ec != std::errc() || end != text.data() + i + 3) return std::nullopt;
        out += static_cast<char>(byte);
        i += 2;
    }
    return out;
}

std::string namesText(const std::array<std::string, 4>& names) {
    return escaped(names[0]) + ',' + escaped(names[1]) + ',' + escaped(names[2]) + ',' +
           escaped(names[3]);
}

std::string playersText(const SeatKinds& players) {
    std::string out;
    for (int seat = 1; seat <= 4; ++seat)
        out += std::string(seat > 1 ? " " : "") +
               std::string(kKindWords[static_cast<std::size_t>(players[seat])]);
    return out;
}

void writeDeck(std::ostream& out, std::string_view word, const Deck& deck) {
    out << word;
    for (int place = 1; place <= kCardCount; ++place) out << ' ' << deck[place];
    out << '\n';
}

void writeChoice(std::ostream& out, const Choice& c) {
    out << kChoiceWords[static_cast<std::size_t>(c.kind)];
    switch (c.kind) {
        case Choice::Kind::Draw:
        case Choice::Kind::LookAgain:
            break;
        case Choice::Kind::Card:
        case Choice::Kind::Signal:
            out << ' ' << int{c.seat} << ' ' << c.value;
            break;
        case Choice::Kind::Command:
            out << ' ' << kCommandWords[static_cast<std::size_t>(c.value)];
            break;
        case Choice::Kind::LateSignal:
            out << ' ' << c.atWait << ' ' << int{c.seat} << ' ' << c.value;
            break;
        case Choice::Kind::PlayRate:
        case Choice::Kind::WhoDeclares:
        case Choice::Kind::MatchTarget:
            out << ' ' << c.atWait << ' ' << c.value;
            break;
        case Choice::Kind::Names:
            out << ' ' << c.atWait << ' ' << namesText(c.names);
            break;
        case Choice::Kind::Players:
            out << ' ' << c.atWait << ' ' << playersText(c.players);
            break;
        case Choice::Kind::TakeBack:
            out << ' ' << c.atWait;
            break;
    }
    out << '\n';
}

// ---- reading

// The words of one line, read in turn; any word that is missing or not what
// was asked for makes the line bad.
class LineReader {
  public:
    explicit LineReader(std::string_view line) : line_(line) {}

    std::string_view word() {
        while (pos_ < line_.size() && line_[pos_] == ' ') ++pos_;
        const std::size_t start = pos_;
        while (pos_ < line_.size() && line_[pos_] != ' ') ++pos_;
        if (start == pos_) good_ = false;
        return line_.substr(start, pos_ - start);
    }
    long number(long low, long high) {
        const std::string_view text = word();
        long value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
            good_ = false;
        return value;
    }
    template <std::size_t N>
    std::size_t oneOf(const std::array<std::string_view, N>& words) {
        const std::string_view text = word();
        for (std::size_t i = 0; i < N; ++i)
            if (words[i] == text) return i;
        good_ = false;
        return 0;
    }
    // True when every word was good and none is left over.
    bool done() {
        while (pos_ < line_.size() && line_[pos_] == ' ') ++pos_;
        return good_ && pos_ == line_.size();
    }
    void fail() { good_ = false; }

  private:
    std::string_view line_;
    std::size_t pos_ = 0;
    bool good_ = true;
};

SeatKinds readPlayers(LineReader& in) {
    SeatKinds players = kFourComputers;
    for (int seat = 1; seat <= 4; ++seat)
        players[static_cast<std::size_t>(seat)] = static_cast<PlayerKind>(in.oneOf(kKindWords));
    return players;
}

Deck readDeck(LineReader& in) {
    Deck deck{};
    for (int place = 1; place <= kCardCount; ++place)
        deck[place] = static_cast<int>(in.number(0, kCardCount));
    return deck;
}

// Four names between commas.
std::array<std::string, 4> readNames(LineReader& in) {
    std::array<std::string, 4> names{};
    const std::string_view text = in.word();
    std::size_t start = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) comma = text.size();
        const bool last = i + 1 == names.size();
        if (last != (comma == text.size())) in.fail();
        const std::optional<std::string> name = unescaped(text.substr(start, comma - start));
        if (!name) in.fail();
        names[i] = name.value_or("");
        start = std::min(comma + 1, text.size());
    }
    return names;
}

constexpr long kMostWaits = 1L << 60;

Choice readChoice(LineReader& in, Choice::Kind kind) {
    Choice c;
    c.kind = kind;
    switch (kind) {
        case Choice::Kind::Draw:
        case Choice::Kind::LookAgain:
            break;
        case Choice::Kind::Card:
            c.seat = static_cast<Byte>(in.number(1, 4));
            c.value = static_cast<int>(in.number(1, kCardCount));
            break;
        case Choice::Kind::Signal:
            c.seat = static_cast<Byte>(in.number(1, 4));
            c.value = static_cast<int>(in.number(kNoSignalChosen, kStriscio));
            break;
        case Choice::Kind::Command:
            c.value = static_cast<int>(in.oneOf(kCommandWords));
            break;
        case Choice::Kind::LateSignal:
            c.atWait = in.number(0, kMostWaits);
            c.seat = static_cast<Byte>(in.number(1, 4));
            c.value = static_cast<int>(in.number(kNoSignal, kStriscio));
            break;
        case Choice::Kind::PlayRate:
            c.atWait = in.number(0, kMostWaits);
            c.value = static_cast<int>(in.number(1, 3));
            break;
        case Choice::Kind::WhoDeclares:
            c.atWait = in.number(0, kMostWaits);
            c.value = static_cast<int>(in.number(kAllDeclare, kOnlyLeaderDeclares));
            break;
        case Choice::Kind::MatchTarget:
            c.atWait = in.number(0, kMostWaits);
            c.value = static_cast<int>(in.number(0, 1));
            break;
        case Choice::Kind::Names:
            c.atWait = in.number(0, kMostWaits);
            c.names = readNames(in);
            break;
        case Choice::Kind::Players:
            c.atWait = in.number(0, kMostWaits);
            c.players = readPlayers(in);
            break;
        case Choice::Kind::TakeBack:
            c.atWait = in.number(0, kMostWaits);
            break;
    }
    return c;
}

// Reads one line into the record; false when the line is bad.
bool readLine(std::string_view line, MatchRecord& r, int& namesRead) {
    LineReader in(line);
    const std::string_view key = in.word();
    for (std::size_t i = 0; i < kChoiceWords.size(); ++i) {
        if (key == kChoiceWords[i]) {
            r.choices.push_back(readChoice(in, static_cast<Choice::Kind>(i)));
            return in.done();
        }
    }
    RecordStart& s = r.start;
    if (key == "deck") {
        r.decks.push_back(readDeck(in));
        return in.done() && isFullDeck(r.decks.back());
    }
    if (key == "players") {
        s.players = readPlayers(in);
    } else if (key == "expert") {
        s.expertSamples = static_cast<int>(in.number(0, 1L << 30));
        s.expertSeed = static_cast<std::uint32_t>(in.number(0, 0xFFFFFFFFL));
    } else if (key == "first-dealer") {
        const long dealer = in.number(-1, 4);
        if (dealer >= 0) s.firstDealer = static_cast<Byte>(dealer);
    } else if (key == "options") {
        s.game.playRate = static_cast<Byte>(in.number(1, 3));
        s.game.allowAllDeclare = static_cast<Byte>(in.number(kAllDeclare, kOnlyLeaderDeclares));
        s.game.scoreOption = static_cast<Byte>(in.number(0, 1));
    } else if (key == "start-names") {
        s.game.playerNames = readNames(in);
        ++namesRead;
    } else if (key == "stored-deck") {
        s.game.deck = readDeck(in);
    } else if (key == "stored-dealer") {
        s.game.dealerSeat = static_cast<Byte>(in.number(0, 4));
    } else {
        return false;
    }
    return in.done();
}

}  // namespace

std::string recordText(const MatchRecord& record) {
    std::ostringstream out;
    const RecordStart& s = record.start;
    out << kFormatName << ' ' << kRecordVersion << '\n';
    out << "players " << playersText(s.players) << '\n';
    out << "expert " << s.expertSamples << ' ' << s.expertSeed << '\n';
    out << "first-dealer " << (s.firstDealer ? int{*s.firstDealer} : -1) << '\n';
    const StoredGame& o = s.game;
    out << "options " << int{o.playRate} << ' ' << int{o.allowAllDeclare} << ' '
        << int{o.scoreOption} << '\n';
    out << "start-names " << namesText(o.playerNames) << '\n';
    writeDeck(out, "stored-deck", s.game.deck);
    out << "stored-dealer " << int{s.game.dealerSeat} << '\n';
    for (const Deck& d : record.decks) writeDeck(out, "deck", d);
    for (const Choice& c : record.choices) writeChoice(out, c);
    return out.str();
}

RecordReading readRecord(std::string_view text) {
    RecordReading result;
    std::size_t start = 0;
    int lineNumber = 0;
    MatchRecord record;
    int namesRead = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (lineNumber == 1) {
            LineReader in(line);
            if (in.word() != kFormatName) {
                result.error = "not a Morvello match record";
                return result;
            }
            const long version = in.number(1, 1L << 30);
            if (!in.done()) {
                result.error = "not a Morvello match record";
                return result;
            }
            if (version > kRecordVersion) {
                result.newer = true;
                result.error =
                    "written by a newer version (record version " + std::to_string(version) + ")";
                return result;
            }
            continue;
        }
        if (!readLine(line, record, namesRead)) {
            result.error = "line " + std::to_string(lineNumber) + " cannot be read";
            return result;
        }
    }
    if (lineNumber == 0) {
        result.error = "the record is empty";
        return result;
    }
    if (text.back() != '\n') {
        result.error = "the record ends in the middle of a line";
        return result;
    }
    if (namesRead != 1) {
        result.error = "the record has no start";
        return result;
    }
    result.record = std::move(record);
    return result;
}

}  // namespace morvello
