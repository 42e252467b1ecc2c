#include "match/record_replay.h"

#include <coroutine>
#include <string>
#include <type_traits>

namespace morvello {
namespace {

// A wait that never ends: the replay stops here, the match waiting as it stood.
template <class T>
Task<T> forever() {
    co_await std::suspend_always{};
    if constexpr (!std::is_void_v<T>) co_return T{};
}

}  // namespace

MatchOptions replayOptions(const MatchRecord& record) {
    MatchOptions options;
    options.newDeck = [&decks = record.decks, next = std::size_t{0}](Deck& deck) mutable {
        if (next == decks.size()) return false;
        deck = decks[next++];
        return true;
    };
    options.firstDealer = record.start.firstDealer;
    options.players = record.start.players;
    options.expertSamples = record.start.expertSamples;
    options.expertSeed = record.start.expertSeed;
    return options;
}

RecordReplay::RecordReplay(const MatchRecord& record, long limit)
    : record_(record),
      limit_(limit < 0 ? record.choices.size()
                       : std::min(record.choices.size(), static_cast<std::size_t>(limit))) {}

void RecordReplay::attach(Match& match) {
    match_ = &match;
    match.restore(record_.start.game);
    watch(match.state());
    applyDue();  // the choices made before the first wait
}

// The choices made during this wait, made again as it starts: nothing of the
// controller runs between the start of a wait and its end. True when the
// replay stops here: the first choice not replayed was made during this wait.
bool RecordReplay::waitStarts() {
    ++waits_;
    applyDue();
    if (next_ < limit_ || next_ == record_.choices.size()) return false;
    const Choice& first = record_.choices[next_];
    stopped_ = !first.answersAWait() && first.atWait <= waits_;
    return stopped_;
}

void RecordReplay::applyDue() {
    while (next_ < limit_) {
        const Choice& choice = record_.choices[next_];
        if (choice.answersAWait() || choice.atWait > waits_) return;
        makeChoice(choice);
        ++next_;
    }
}

void RecordReplay::makeChoice(const Choice& c) {
    switch (c.kind) {
        case Choice::Kind::LateSignal:
            match_->pickLateSignal(c.seat, c.value);
            break;
        case Choice::Kind::PlayRate:
            match_->setPlayRate(c.value);
            break;
        case Choice::Kind::WhoDeclares:
            match_->setWhoDeclares(c.value);
            break;
        case Choice::Kind::MatchTarget:
            match_->setMatchTarget(c.value);
            break;
        case Choice::Kind::Names:
            for (int seat = 1; seat <= 4; ++seat)
                match_->setPlayerName(seat, c.names[static_cast<std::size_t>(seat - 1)]);
            match_->confirmNames();
            break;
        case Choice::Kind::Players:
            match_->setPlayers(c.players);
            break;
        default:
            break;
    }
}

const Choice* RecordReplay::answer(std::initializer_list<Choice::Kind> kinds) {
    if (waitStarts() || next_ >= limit_) {
        stopped_ = true;
        return nullptr;
    }
    const Choice& choice = record_.choices[next_];
    for (const Choice::Kind kind : kinds) {
        if (choice.kind != kind) continue;
        ++next_;
        return &choice;
    }
    throw RecordMismatch("the record's choice " + std::to_string(next_ + 1) +
                         " does not answer what the match waits for");
}

Wait<DeckInput> RecordReplay::deckInput() {
    const Choice* c = answer({Choice::Kind::Draw, Choice::Kind::LookAgain});
    if (c == nullptr) return forever<DeckInput>();
    return c->kind == Choice::Kind::Draw ? DeckInput::Draw : DeckInput::LookAgain;
}

Wait<Byte> RecordReplay::humanCard() {
    const Choice* c = answer({Choice::Kind::Card});
    if (c == nullptr) return forever<Byte>();
    return static_cast<Byte>(c->value);
}

Wait<int> RecordReplay::signalChoice() {
    const Choice* c = answer({Choice::Kind::Signal});
    if (c == nullptr) return forever<int>();
    return c->value;
}

Wait<Command> RecordReplay::command() {
    const Choice* c = answer({Choice::Kind::Command});
    if (c == nullptr) return forever<Command>();
    return static_cast<Command>(c->value);
}

Wait<> RecordReplay::delay(double) {
    if (waitStarts()) return forever<void>();
    return {};
}

Wait<> RecordReplay::thinkDuring(double units, std::function<void()> think) {
    if (waitStarts()) return forever<void>();
    return HeadlessTable::thinkDuring(units, std::move(think));
}

Wait<> RecordReplay::showMessage(const TableMessage& message) {
    if (waitStarts()) return forever<void>();
    return HeadlessTable::showMessage(message);
}

Wait<> RecordReplay::cardToTable(Byte, Byte, Byte, bool) {
    if (waitStarts()) return forever<void>();
    return {};
}

Wait<> RecordReplay::dealPacket(Byte, const Hand&) {
    if (waitStarts()) return forever<void>();
    return {};
}

Wait<> RecordReplay::cardPlayed(Byte, Byte, const Hand&, Byte, bool) {
    if (waitStarts()) return forever<void>();
    return {};
}

Wait<> RecordReplay::gatherTrick(const GatheredTrick&) {
    if (waitStarts()) return forever<void>();
    return {};
}

}  // namespace morvello
