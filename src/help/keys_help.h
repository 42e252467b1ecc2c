// The keys of the game, as View > Keys lists them.
#pragma once

#include <QCoreApplication>

namespace morvello {

inline constexpr const char* kKeysTitle = QT_TRANSLATE_NOOP("Keys", "Keys");
inline constexpr const char* kKeysHelp = QT_TRANSLATE_NOOP(
    "Keys",
    "Left, Right: move over your cards\n"
    "Enter or Space: play the card, draw for the dealer, or go on after a lead\n"
    "Up (held): lift the card\n"
    "S or Down after a lead: open the signal list; Up, Down and Enter pick a signal;\n"
    "    Escape: no signal\n"
    "\n"
    "Ctrl+N: New Game\n"
    "Ctrl+Enter: Continue\n"
    "Ctrl+R: Repeat the last hand\n"
    "Ctrl+Z: take back your last card of the deal\n"
    "F1: Game rules (Escape puts them away)\n"
    "Ctrl+L: Last trick (any key or click puts it away)\n"
    "Ctrl+H: Hint (the focus moves to the card)\n"
    "F11: Full screen\n"
    "Ctrl+Q: Quit");

}  // namespace morvello
