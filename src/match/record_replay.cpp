#include "match/record_replay.h"

#include <coroutine>
#include <type_traits>

#include "cards/shuffle.h"

namespace morvello {
namespace {

// A wait that never ends: the replay stops here, the match waiting as it stood.
template <class T>
Task<T> forever() {
    co_await std::suspend_always{};
    if constexpr (!std::is_void_v<T>) co_return T{};
}

}  // namespace

MatchOptions replayOptions() {
    MatchOptions options;
    options.newDeck = [](Deck&) { return false; };
    return options;
}

std::optional<GameState> replayedState(const MatchRecord& record, std::string& error,
                                       MatchObserver* listener) {
    RecordReplay table(record, -1);
    // Left between a Continue and the next deck, the run goes on to a deal of
    // some deck: where it stands is the same.
    MatchOptions options;
    options.newDeck = [engine = ShuffleEngine(1)](Deck& deck) mutable {
        shuffleDeck(deck, engine);
        return true;
    };
    Match match(table, table, std::move(options));
    table.attach(match);
    if (listener) match.addObserver(*listener);
    Task<> run = match.playMatches();
    try {
        run.start();
        run.rethrowIfFailed();
    } catch (const std::exception& e) {
        error = e.what();
        return std::nullopt;
    }
    if (!table.stopped() || table.choicesMade() != static_cast<long>(record.choices.size())) {
        error = "the record's run does not stop where its choices end";
        return std::nullopt;
    }
    return match.state();
}

void RecordReplay::attach(Match& match) {
    match.startOver(record_);
    watch(match.state());
    cursor_.attach(match);
}

Wait<DeckInput> RecordReplay::deckInput() {
    const Choice* c = cursor_.answer({Choice::Kind::Draw, Choice::Kind::LookAgain});
    if (c == nullptr) return forever<DeckInput>();
    return c->kind == Choice::Kind::Draw ? DeckInput::Draw : DeckInput::LookAgain;
}

Wait<Byte> RecordReplay::humanCard() {
    const Choice* c = cursor_.answer({Choice::Kind::Card});
    if (c == nullptr) return forever<Byte>();
    return static_cast<Byte>(c->value);
}

Wait<int> RecordReplay::signalChoice() {
    const Choice* c = cursor_.answer({Choice::Kind::Signal});
    if (c == nullptr) return forever<int>();
    return c->value;
}

Wait<Command> RecordReplay::command() {
    const Choice* c = cursor_.answer({Choice::Kind::Command});
    if (c == nullptr) return forever<Command>();
    return static_cast<Command>(c->value);
}

Wait<> RecordReplay::delay(double) {
    if (cursor_.waitStarts()) return forever<void>();
    return {};
}

Wait<> RecordReplay::thinkDuring(double units, std::function<void()> think) {
    if (cursor_.waitStarts()) return forever<void>();
    return HeadlessTable::thinkDuring(units, std::move(think));
}

Wait<> RecordReplay::showMessage(const TableMessage& message) {
    if (cursor_.waitStarts()) return forever<void>();
    return HeadlessTable::showMessage(message);
}

Wait<> RecordReplay::cardToTable(Byte, Byte, Byte, bool) {
    if (cursor_.waitStarts()) return forever<void>();
    return {};
}

Wait<> RecordReplay::dealPacket(Byte, const Hand&) {
    if (cursor_.waitStarts()) return forever<void>();
    return {};
}

Wait<> RecordReplay::cardPlayed(Byte, Byte, const Hand&, Byte, bool) {
    if (cursor_.waitStarts()) return forever<void>();
    return {};
}

Wait<> RecordReplay::gatherTrick(const GatheredTrick&) {
    if (cursor_.waitStarts()) return forever<void>();
    return {};
}

}  // namespace morvello
