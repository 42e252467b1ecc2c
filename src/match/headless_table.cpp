#include "match/headless_table.h"

#include "rules/play_rules.h"

namespace morvello {

Byte firstLegalCard(const GameState& g) {
    const Byte seat = g.turnSeat;
    for (int slot = 1; slot <= 10; ++slot) {
        const int card = g.hands[seat][slot];
        if (!isPlayed(card) && card != 0 && isLegalPlay(g, seat, static_cast<Byte>(card)))
            return static_cast<Byte>(card);
    }
    return 0;
}

Wait<> HeadlessTable::showMessage(const TableMessage& message) {
    messages.push_back(message);
    return {};
}

Wait<Byte> HeadlessTable::humanCard() {
    return chooseCard ? chooseCard(state()) : firstLegalCard(state());
}

Wait<int> HeadlessTable::signalChoice() {
    return chooseSignal ? chooseSignal(state()) : kNoSignalChosen;
}

Wait<Command> HeadlessTable::command() {
    if (chooseCommand) return chooseCommand(state());
    return state().menus.continueEnabled ? Command::Continue : Command::NewGame;
}

}  // namespace morvello
