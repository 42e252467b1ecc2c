#include "sim_options.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstring>
#include <limits>
#include <sstream>

#include "cards/shuffle.h"
#include "files/kept_file.h"

namespace morvello::sim {
namespace {

constexpr long kLargestDealNumber = std::numeric_limits<int>::max();

bool toNumber(const std::string& text, long& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// The longest line a deck takes ("40, " forty times) with room to spare, and
// the most decks a file may hold.
constexpr std::size_t kLongestDeckLine = 256;
constexpr std::size_t kMostDecks = 100000;
constexpr files::ReadBound kDeckFileBound{kMostDecks * kLongestDeckLine, kLongestDeckLine};

// A record: at most 64 MiB, a line at most 1 KiB (a deck, or four names).
constexpr files::ReadBound kRecordBound{std::size_t{64} << 20, 1024};

// The whole text of a regular file, `what` in the messages. Anything else (a
// link, a FIFO, a device, a folder) is refused without waiting on it, as is a
// file larger than its bound (`tooMuch` says how much it may hold).
std::string readFile(const std::string& what, const std::string& path,
                     const files::ReadBound& bound, const std::string& tooMuch,
                     std::string& error) {
    const files::ReadResult read = files::readKeptFile(path, bound);
    switch (read.state) {
        case files::FileState::Missing:
            error = "cannot read " + what + " " + path + ": no such file";
            break;
        case files::FileState::NotRegular:
            error = what + " " + path + " is not a regular file";
            break;
        case files::FileState::Unreadable:
            error = "cannot read " + what + " " + path + ": " + std::strerror(read.error);
            break;
        case files::FileState::Regular:
            if (read.whole) break;
            error = read.text.size() == bound.bytes
                        ? what + " " + path + " holds more than " + tooMuch
                        : what + " " + path + " has a line longer than " +
                              std::to_string(bound.lineBytes) + " characters";
            break;
    }
    return error.empty() ? read.text : std::string();
}

std::string readDeckFile(const std::string& path, std::string& error) {
    return readFile("deck file", path, kDeckFileBound, std::to_string(kMostDecks) + " decks",
                    error);
}

// The word of a deck file's dealer line.
constexpr const char* kDealerWord = "dealer";

// `dealer N`: once, before the first deck.
std::string readDealerLine(const std::vector<std::string>& words, DeckFile& file) {
    long seat = 0;
    if (words.size() != 2 || !toNumber(words[1], seat) || seat < 0 || seat > 4)
        return "gives no dealer: 'dealer' takes a seat from 0 to 4";
    if (file.dealer || !file.decks.empty())
        return "gives a dealer after a deck or a dealer: it stands once, before the first deck";
    file.dealer = static_cast<int>(seat);
    return {};
}

// The 40 codes of a deck, each card once.
bool readDeckLine(const std::vector<std::string>& words, Deck& deck) {
    if (words.size() != kCardCount) return false;
    for (int place = 1; place <= kCardCount; ++place) {
        long code = 0;
        if (!toNumber(words[static_cast<std::size_t>(place - 1)], code) || code < 1 ||
            code > kCardCount)
            return false;
        deck[place] = static_cast<int>(code);
    }
    return isFullDeck(deck);
}

// Every item between commas must be a deal number, the first and the last too.
std::string parseReplays(const std::string& list, std::set<int>& replays) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        long n = 0;
        if (!toNumber(list.substr(start, comma - start), n) || n < 1 || n > kLargestDealNumber)
            return "--replay takes deal numbers from 1 to " + std::to_string(kLargestDealNumber) +
                   " separated by commas, not '" + list + "'";
        replays.insert(static_cast<int>(n));
        if (comma == list.size()) return {};
        start = comma + 1;
    }
}

// A list of distinct seats 1..4 separated by commas, each played by `kind`; a
// seat another option gave a player already is refused.
std::string parseSeats(const std::string& flag, const std::string& list, PlayerKind kind,
                       SeatKinds& players) {
    const std::string error =
        flag + " takes seats from 1 to 4 separated by commas, each seat given once, not '" + list +
        "'";
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        long n = 0;
        if (!toNumber(list.substr(start, comma - start), n) || n < 1 || n > 4 ||
            players[static_cast<std::size_t>(n)] != PlayerKind::Classic)
            return error;
        players[static_cast<std::size_t>(n)] = kind;
        if (comma == list.size()) return {};
        start = comma + 1;
    }
}

std::uint32_t timeOfDaySeed() {
    return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// A replayed record brings its own options and decks; --to needs a record.
std::string checkReplayOptions(const std::set<std::string>& given) {
    if (!given.count("--replay-record")) {
        if (given.count("--to")) return "--to needs --replay-record";
        return {};
    }
    for (const char* flag : {"--decks", "--seed", "--dealer", "--target", "--matches", "--replay",
                             "--expert", "--people", "--samples", "--record"}) {
        if (given.count(flag))
            return std::string(flag) + " cannot be given with --replay-record: the record has it";
    }
    return {};
}

std::string readRecordFile(const std::string& path, SimOptions& o) {
    std::string error;
    const std::string text = readFile("record", path, kRecordBound, "64 MiB", error);
    if (!error.empty()) return error;
    RecordReading reading = readRecord(text);
    if (!reading.record) return "record " + path + ": " + reading.error;
    o.replayRecord = std::move(reading.record);
    return {};
}

// Applies one option with its value; returns an error or "". `given`: the options
// seen so far, this one too.
std::string applyOption(const std::string& flag, const std::string& value,
                        const std::set<std::string>& given, SimOptions& o) {
    long n = 0;
    if (flag == "--record") {
        o.recordFile = value;
        return {};
    }
    if (flag == "--replay-record") return readRecordFile(value, o);
    if (flag == "--decks") {
        std::string error;
        const std::string text = readDeckFile(value, error);
        if (!error.empty()) return error;
        DeckFile file;
        if (error = parseDecks(text, file); !error.empty()) return error;
        if (file.decks.empty()) return "deck file " + value + " holds no deck";
        o.decks = std::move(file.decks);
        if (file.dealer && !given.count("--dealer")) o.dealer = *file.dealer;
        return {};
    }
    if (flag == "--replay") return parseReplays(value, o.replays);
    if (flag == "--expert") return parseSeats(flag, value, PlayerKind::Expert, o.players);
    if (flag == "--people") return parseSeats(flag, value, PlayerKind::Person, o.players);
    if (!toNumber(value, n)) return flag + " takes a whole number, not '" + value + "'";
    if (flag == "--seed") {
        if (n < 0 || n > 0xFFFFFFFFL) return "--seed takes a number from 0 to 4294967295";
        o.seed = static_cast<std::uint32_t>(n);
    } else if (flag == "--dealer") {
        if (n < 0 || n > 4) return "--dealer takes a seat from 0 to 4";
        o.dealer = static_cast<int>(n);
    } else if (flag == "--target") {
        if (n != 21 && n != 31) return "--target takes 21 or 31";
        o.target = static_cast<int>(n);
    } else if (flag == "--matches") {
        if (n < 1) return "--matches takes a number of at least 1";
        o.matches = n;
    } else if (flag == "--to") {
        if (n < 0) return "--to takes a number of choices of at least 0";
        o.replayTo = n;
    } else if (flag == "--samples") {
        if (n < 1 || n > kMostSamples)
            return "--samples takes a number from 1 to " + std::to_string(kMostSamples);
        o.samples = static_cast<int>(n);
    }
    return {};
}

}  // namespace

std::string parseDecks(const std::string& text, DeckFile& file) {
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        for (char& c : line) {
            if (c == ',' || c == '\r' || c == '\t') c = ' ';
        }
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string field; fields >> field;) words.push_back(field);
        if (words.empty()) continue;  // a blank line
        const std::string where = "deck file line " + std::to_string(lineNumber);
        if (words.front() == kDealerWord) {
            if (std::string error = readDealerLine(words, file); !error.empty())
                return where + " " + error;
            continue;
        }
        Deck deck{};
        if (!readDeckLine(words, deck)) return where + " is not a permutation of the cards 1..40";
        file.decks.push_back(deck);
    }
    return {};
}

ParseResult parseOptions(const std::vector<std::string>& args) {
    ParseResult result;
    result.options.seed = timeOfDaySeed();
    const std::set<std::string> valued{"--decks",   "--seed",   "--dealer",        "--target",
                                       "--matches", "--replay", "--expert",        "--people",
                                       "--samples", "--record", "--replay-record", "--to"};
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag == "--help" || flag == "--version") {
            (flag == "--help" ? result.options.help : result.options.version) = true;
            return result;
        }
        if (flag == "--trace") {
            result.options.trace = true;
        } else if (flag == "--bench") {
            result.options.bench = true;
        } else if (valued.count(flag)) {
            if (i + 1 >= args.size()) {
                result.error = flag + " needs a value";
                return result;
            }
            given.insert(flag);
            result.error = applyOption(flag, args[++i], given, result.options);
            if (!result.error.empty()) return result;
        } else {
            result.error = "unknown option '" + flag + "'";
            return result;
        }
    }
    result.error = checkReplayOptions(given);
    return result;
}

std::string usage() {
    return std::string("usage: morvello-sim [OPTIONS]\n") +
           "Plays whole matches with no window and prints what the options ask for.\n"
           "\n"
           "  --trace              print every event as JSON Lines\n"
           "  --bench              print deals (and Expert decisions) per second\n"
           "  --seed N             the shuffle's seed, 0 to 4294967295 (default: the time)\n"
           "  --decks FILE         deal the decks of FILE, one a line; a line 'dealer N'\n"
           "                       before the first deck gives the first dealer\n"
           "  --dealer S           the first dealer, seat 0 to 4 (default 1)\n"
           "  --target 21|31       the match target (default 21)\n"
           "  --matches N          the matches played (default 1)\n"
           "  --replay LIST        repeat these deals, numbers separated by commas\n"
           "  --people SEATS       seats played by people, answered by the runner\n"
           "  --expert SEATS       seats played by the Expert (seats 1 to 4, by commas)\n"
           "  --samples N          the Expert's sampled deals per card, 1 to " +
           std::to_string(kMostSamples) + " (default " + std::to_string(kDefaultExpertSamples) +
           ")\n"
           "  --record FILE        write the run's record\n"
           "  --replay-record FILE play a record again\n"
           "  --to N               stop the replayed record after N choices\n"
           "  --help               print this and stop\n"
           "  --version            print the version and stop\n"
           "\n"
           "One seat of a server's table, played as a window would play it:\n"
           "  --connect URL        the server (ws:// or wss://), with --code or --host\n"
           "  --code CODE          join the table of CODE\n"
           "  --host SEATS         host a table with these seats (2 to 4) open to people\n"
           "                       and print its code\n"
           "  --seat N             the seat wanted (default: the first open one)\n"
           "  --expert             play the Expert's card rather than the hint's\n"
           "  --name NAME          the seat's name (default Sim)\n"
           "  --trust SHA256       trust the server's certificate with this fingerprint\n";
}

}  // namespace morvello::sim
