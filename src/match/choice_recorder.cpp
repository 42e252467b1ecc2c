#include "match/choice_recorder.h"

namespace morvello {
namespace {

template <class T>
Task<T> noted(Wait<T> wait, std::function<void(const T&)> note) {
    T answer = co_await wait;
    note(answer);
    co_return answer;
}

}  // namespace

void ChoiceRecorder::note(Choice::Kind kind, int value, Byte seat) {
    Choice choice;
    choice.kind = kind;
    choice.value = value;
    choice.seat = seat;
    record_.choices.push_back(choice);
    if (noted_) noted_();
}

Wait<DeckInput> ChoiceRecorder::deckInput() {
    ++waits_;
    return noted<DeckInput>(input_.deckInput(), [this](const DeckInput& input) {
        note(input == DeckInput::Draw ? Choice::Kind::Draw : Choice::Kind::LookAgain, 0);
    });
}

Wait<Byte> ChoiceRecorder::humanCard() {
    ++waits_;
    return noted<Byte>(input_.humanCard(),
                       [this](const Byte& card) { note(Choice::Kind::Card, card, g_.turnSeat); });
}

Wait<int> ChoiceRecorder::signalChoice() {
    ++waits_;
    return noted<int>(input_.signalChoice(), [this](const int& signal) {
        note(Choice::Kind::Signal, signal, g_.turnSeat);
    });
}

Wait<Command> ChoiceRecorder::command() {
    ++waits_;
    return noted<Command>(input_.command(), [this](const Command& command) {
        note(Choice::Kind::Command, static_cast<int>(command));
    });
}

}  // namespace morvello
