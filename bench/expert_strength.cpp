// How strong the Expert couple plays against the classic one: whole matches to
// 21 in pairs dealt the same decks, the Expert couple at seats 1 and 3 in the
// first match of a pair and at seats 2 and 4 in the second. It reports the
// Expert couple's match wins and deal-score margin, each with a 95% interval,
// and the time of each Expert decision.
//
//   expert_strength [--matches N] [--samples S] [--seed K] [--threads T]
//
// N matches (even; default 200), S sampled deals a card (default the Expert's
// own budget), K the seed of the decks and of the Expert, T threads sharing
// the matches (default 1). The same options give the same wins and margins,
// whatever T.
#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "cards/shuffle.h"
#include "match/controller.h"
#include "match/headless_table.h"

namespace morvello {
namespace {

using Clock = std::chrono::steady_clock;

inline constexpr double kZ95 = 1.96;  // the normal quantile of a two-sided 95% interval
inline constexpr double kTopPercentile = 0.99;
inline constexpr Byte kFirstDealer = 1;

struct Options {
    long matches = 200;
    int samples = kDefaultExpertSamples;
    std::uint32_t seed = 1;
    int threads = 1;
};

// One match's outcome, as the Expert couple sees it.
struct MatchOutcome {
    bool expertWon = false;
    std::vector<int> margins;        // each deal's settled points, Expert couple less the other
    std::vector<double> decisionMs;  // each Expert decision
};

// The headless table that ends after one match and times each Expert decision:
// the thinking the controller hands it during the pause before the seat's turn.
class StrengthTable final : public HeadlessTable, public MatchObserver {
  public:
    StrengthTable(int expertCouple, MatchOutcome& outcome)
        : expertCouple_(expertCouple), outcome_(outcome) {
        chooseCommand = [](const GameState& g) {
            return g.menus.continueEnabled ? Command::Continue : Command::Quit;
        };
    }

    Wait<> thinkDuring(double, std::function<void()> think) override {
        const Clock::time_point start = Clock::now();
        think();
        const std::chrono::duration<double, std::milli> spent = Clock::now() - start;
        outcome_.decisionMs.push_back(spent.count());
        return {};
    }

    void onResult(const GameState& g, int) override {
        const int n = g.dealNumber;
        const int margin =
            g.dealScoreA[n] / 3 - g.dealScoreB[n] / 3;  // each couple's points truncated
        outcome_.margins.push_back(expertCouple_ == 0 ? margin : -margin);
    }
    void onGameOver(const GameState&, int winnerCouple, int, int) override {
        outcome_.expertWon = winnerCouple == expertCouple_;
    }

  private:
    int expertCouple_;
    MatchOutcome& outcome_;
};

// Both matches of a pair shuffle their decks from the same seed.
std::uint32_t pairSeed(std::uint32_t seed, long pair) {
    std::seed_seq sequence{seed, static_cast<std::uint32_t>(pair)};
    std::uint32_t value = 0;
    sequence.generate(&value, &value + 1);
    return value;
}

MatchOutcome playMatch(const Options& options, long index) {
    MatchOutcome outcome;
    const int expertCouple = static_cast<int>(index % 2);
    const std::uint32_t seed = pairSeed(options.seed, index / 2);
    StrengthTable table(expertCouple, outcome);
    MatchOptions main{[engine = ShuffleEngine(seed)](Deck& deck) mutable {
                          shuffleDeck(deck, engine);
                          return true;
                      },
                      kFirstDealer, kFourComputers};
    for (Byte seat = 1; seat <= 4; ++seat)
        if (coupleOf(seat) == expertCouple) main.players[seat] = PlayerKind::Expert;
    main.expertSamples = options.samples;
    main.expertSeed = seed;
    Match match(table, table, std::move(main));
    table.watch(match.state());
    match.addObserver(table);
    Task<> run = match.playMatches();
    run.start();
    run.rethrowIfFailed();
    return outcome;
}

std::vector<MatchOutcome> playAll(const Options& options) {
    std::vector<MatchOutcome> outcomes(static_cast<std::size_t>(options.matches));
    std::atomic<long> next{0};
    auto work = [&] {
        for (long i = next++; i < options.matches; i = next++)
            outcomes[static_cast<std::size_t>(i)] = playMatch(options, i);
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < options.threads; ++t) threads.emplace_back(work);
    work();
    for (std::thread& thread : threads) thread.join();
    return outcomes;
}

// The Wilson score interval of a proportion.
void printWinRate(long wins, long matches) {
    const double n = static_cast<double>(matches), p = static_cast<double>(wins) / n;
    const double z2 = kZ95 * kZ95;
    const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
    const double half = kZ95 * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / (1 + z2 / n);
    std::printf("Expert couple match wins: %ld of %ld, %.1f%% (95%% CI %.1f%% to %.1f%%)\n", wins,
                matches, 100 * p, 100 * (centre - half), 100 * (centre + half));
}

void printMargin(const std::vector<int>& margins) {
    const double n = static_cast<double>(margins.size());
    double sum = 0, squares = 0;
    for (const int m : margins) sum += m;
    const double mean = sum / n;
    for (const int m : margins) squares += (m - mean) * (m - mean);
    const double half = n > 1 ? kZ95 * std::sqrt(squares / (n - 1) / n) : 0;
    std::printf("Expert couple margin: %.3f points a deal over %zu deals (95%% CI %.3f to %.3f)\n",
                mean, margins.size(), mean - half, mean + half);
}

void printDecisionTimes(std::vector<double> times, int samples) {
    if (times.empty()) return;
    std::sort(times.begin(), times.end());
    const auto at = [&](double q) {
        return times[static_cast<std::size_t>(q * static_cast<double>(times.size() - 1))];
    };
    std::printf("Expert decisions: %zu at %d samples; median %.2f ms, 99th percentile %.2f ms\n",
                times.size(), samples, at(0.5), at(kTopPercentile));
}

void report(const Options& options, const std::vector<MatchOutcome>& outcomes) {
    long wins = 0;
    std::vector<int> margins;
    std::vector<double> times;
    for (const MatchOutcome& outcome : outcomes) {
        wins += outcome.expertWon;
        margins.insert(margins.end(), outcome.margins.begin(), outcome.margins.end());
        times.insert(times.end(), outcome.decisionMs.begin(), outcome.decisionMs.end());
    }
    printWinRate(wins, options.matches);
    printMargin(margins);
    printDecisionTimes(std::move(times), options.samples);
}

bool toNumber(const std::string& text, long low, long high, long& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= low && value <= high;
}

inline constexpr long kMostMatches = 1000000;
inline constexpr long kMostSamples = 1000000;
inline constexpr long kMostThreads = 256;
inline constexpr long kMostSeed = 0xFFFFFFFFL;

// Reads the options; an error names the bad one.
std::string parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; i += 2) {
        const std::string flag = argv[i];
        if (i + 1 == argc) return flag + " needs a value";
        const std::string text = argv[i + 1];
        long n = 0;
        if (flag == "--matches" && toNumber(text, 2, kMostMatches, n) && n % 2 == 0) {
            options.matches = n;
        } else if (flag == "--samples" && toNumber(text, 1, kMostSamples, n)) {
            options.samples = static_cast<int>(n);
        } else if (flag == "--seed" && toNumber(text, 0, kMostSeed, n)) {
            options.seed = static_cast<std::uint32_t>(n);
        } else if (flag == "--threads" && toNumber(text, 1, kMostThreads, n)) {
            options.threads = static_cast<int>(n);
        } else {
            return "bad option " + flag + " " + text +
                   " (--matches: an even number from 2, --samples from 1, --seed 0 to 4294967295,"
                   " --threads 1 to 256)";
        }
    }
    return {};
}

}  // namespace
}  // namespace morvello

int main(int argc, char** argv) {
    morvello::Options options;
    const std::string error = morvello::parse(argc, argv, options);
    if (!error.empty()) {
        std::fprintf(stderr, "expert_strength: %s\n", error.c_str());
        return 2;
    }
    morvello::report(options, morvello::playAll(options));
    return 0;
}
