#include "match/headless_table.h"

#include "match/commands.h"
#include "match/human_input.h"
#include "scoring/settlement.h"

namespace morvello {

Byte firstLegalCard(const GameState& g) {
    for (int slot = 1; slot <= 10; ++slot) {
        const int card = g.hands[1][slot];
        if (!isPlayed(card) && card != 0 && isLegalPlay(g, static_cast<Byte>(card)))
            return static_cast<Byte>(card);
    }
    return 0;
}

Wait<> HeadlessTable::showMessage(const std::string& text) {
    messages.push_back(text);
    return {};
}

Wait<Byte> HeadlessTable::waitForHumanCard() {
    return humanCard ? humanCard(g_) : firstLegalCard(g_);
}

Wait<int> HeadlessTable::waitForSignalChoice() {
    return signalChoice ? signalChoice(g_) : -1;
}

Wait<> HeadlessTable::waitForCommand() {
    if (command) {
        command(g_);
    } else if (g_.menus.continueEnabled) {
        continue_Click(g_, *this);
    } else {
        menu_NewGame_Click(g_);
    }
    if (!g_.continueRequested && !g_.newGameRequested && !g_.menus.replayChecked)
        g_.quitRequested = true;
    return {};
}

}  // namespace morvello
