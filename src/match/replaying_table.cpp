#include "match/replaying_table.h"

namespace morvello {

void ReplayingTable::replay(MatchRecord record, Match& match) {
    record_ = std::make_unique<MatchRecord>(std::move(record));
    cursor_ = std::make_unique<RecordCursor>(*record_, -1);
    if (onReplaying) onReplaying(true);
    cursor_->attach(match);
}

void ReplayingTable::goLive() {
    cursor_.reset();
    record_.reset();
    if (onReplaying) onReplaying(false);
}

bool ReplayingTable::replayedWait() {
    if (!cursor_) return false;
    if (!cursor_->waitStarts()) return true;
    goLive();
    return false;
}

const Choice* ReplayingTable::recordedAnswer(std::initializer_list<Choice::Kind> kinds) {
    if (!cursor_) return nullptr;
    const Choice* choice = cursor_->answer(kinds);
    if (!choice) goLive();
    return choice;
}

// ---- waits that end at once while replayed

Wait<> ReplayingTable::delay(double units) {
    if (replayedWait()) return {};
    return view_.delay(units);
}

Wait<> ReplayingTable::thinkDuring(double units, std::function<void()> think) {
    if (!replayedWait()) return view_.thinkDuring(units, std::move(think));
    think();
    return {};
}

Wait<> ReplayingTable::showMessage(const TableMessage& message) {
    if (replayedWait()) return {};
    return view_.showMessage(message);
}

void ReplayingTable::playSound(Sound sound) {
    if (!replaying()) view_.playSound(sound);
}

// The stored game is saved as it was when the run was played.
void ReplayingTable::saveConfig(const StoredGame& stored) {
    if (!replaying()) view_.saveConfig(stored);
}

// ---- movements: the table lays the cards out, at once while replayed

Wait<> ReplayingTable::cardToTable(Byte seat, Byte card, Byte shownSignal, bool pauseAfter) {
    replayedWait();
    return view_.cardToTable(seat, card, shownSignal, pauseAfter);
}

Wait<> ReplayingTable::dealPacket(Byte seat, const Hand& packet) {
    replayedWait();
    return view_.dealPacket(seat, packet);
}

Wait<> ReplayingTable::cardPlayed(Byte seat, Byte card, const Hand& hand, Byte shownSignal,
                                  bool pauseAfter) {
    replayedWait();
    return view_.cardPlayed(seat, card, hand, shownSignal, pauseAfter);
}

Wait<> ReplayingTable::gatherTrick(const GatheredTrick& trick) {
    replayedWait();
    return view_.gatherTrick(trick);
}

// ---- the person's waits

Wait<DeckInput> ReplayingTable::deckInput() {
    const Choice* c = recordedAnswer({Choice::Kind::Draw, Choice::Kind::LookAgain});
    if (!c) return input_.deckInput();
    return c->kind == Choice::Kind::Draw ? DeckInput::Draw : DeckInput::LookAgain;
}

Wait<Byte> ReplayingTable::humanCard() {
    const Choice* c = recordedAnswer({Choice::Kind::Card});
    if (!c) return input_.humanCard();
    return static_cast<Byte>(c->value);
}

Wait<int> ReplayingTable::signalChoice() {
    const Choice* c = recordedAnswer({Choice::Kind::Signal});
    if (!c) return input_.signalChoice();
    return c->value;
}

Wait<Command> ReplayingTable::command() {
    const Choice* c = recordedAnswer({Choice::Kind::Command});
    if (!c) return input_.command();
    return static_cast<Command>(c->value);
}

}  // namespace morvello
