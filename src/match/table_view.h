// What the table shows, as the match controller hands it over: places and
// intents, never coordinates. The window turns them into the positions, slides
// and squeezes of the table's geometry; the headless table shows nothing and
// every wait of it is over at once.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "cards/game_state.h"
#include "match/table_message.h"
#include "rules/declarations.h"
#include "rules/settlement.h"
#include "task/task.h"

namespace morvello {

// The sounds the game makes.
enum class Sound { Card, Fling, Knock, Creep, Tie };

// Where card images wait off the table.
enum class Parking {
    ForDeal,     // all cards, before a deal and after the dealer choice
    AfterTrick,  // a gathered trick, and a tied draw of the dealer choice
};

// A decided trick as the gathering shows it: the winner, the winner's own card,
// and the four cards strongest first (the order they are gathered in).
struct GatheredTrick {
    Byte winner = 0;
    Byte winnerCard = 0;
    std::array<Byte, 4> strongestFirst{};
};

class TableView {
  public:
    virtual ~TableView() = default;

    // ---- waits
    // The paced delay: units of 3050 ms divided by the play rate.
    virtual Wait<> delay(double units) = 0;
    // The paced delay of `units` while a computer seat thinks: over when both the
    // delay and `think` are done. The window runs `think` off its own thread, so
    // the table goes on moving meanwhile.
    virtual Wait<> thinkDuring(double units, std::function<void()> think) = 0;
    // A modal message with an OK button, titled with the program's title.
    virtual Wait<> showMessage(const TableMessage& message) = 0;
    // The card played by the seat goes from beside its player onto its place on
    // the table: first, when `shownSignal` is not kNoSignal, that signal's
    // movement with its sounds; after it, a pause of half a unit when `pauseAfter`.
    virtual Wait<> cardToTable(Byte seat, Byte card, Byte shownSignal, bool pauseAfter) = 0;
    // A packet of ten cards dealt to the seat, shown arriving one by one, each
    // with the card sound and a pause of a fifth of a unit: a human card face
    // up in its fan slot, a back painted in a computer seat's band.
    virtual Wait<> dealPacket(Byte seat, const Hand& packet) = 0;
    // A computer seat's card, in one: cardToStart, the card sound, cardToTable.
    virtual Wait<> cardPlayed(Byte seat, Byte card, const Hand& hand, Byte shownSignal,
                              bool pauseAfter) = 0;
    // The decided trick is gathered onto the winner's card, which slides towards
    // the winner, turns edge-on and leaves the table (the window first waits
    // while the rules are being read).
    virtual Wait<> gatherTrick(const GatheredTrick& trick) = 0;

    // ---- presentation
    virtual void clearDrawing() = 0;  // names, painted backs, score sheet
    virtual void drawNames(const std::array<std::string, 4>& names, Byte turnSeat) = 0;
    virtual void showTitle(bool shown) = 0;
    virtual void showDeck(bool shown) = 0;  // the deck at the table centre
    virtual void parkAllCards() = 0;        // every card image waits for the deal
    virtual void parkCard(Byte card, Parking where) = 0;
    virtual void showDrawnCard(Byte seat, Byte card) = 0;  // face up on the drawing seat's side
    // A seat's hand, sorted as dealt: the viewer's held cards laid out face up
    // in their fan slots, a higher slot in front.
    virtual void layOutHand(Byte seat, const Hand& hand) = 0;
    // The card played by the seat is shown beside its player, behind the other
    // cards; a computer seat's band is painted again with the backs of the held
    // slots of `hand`.
    virtual void cardToStart(Byte seat, Byte card, const Hand& hand) = 0;
    virtual void showDeclaration(Byte seat, const ShownDeclarations& shown) = 0;
    virtual void hideDeclarations() = 0;
    virtual void drawScoreSheet(const ScoreSheet& sheet) = 0;
    virtual void updateMenus(const MenuState& menus) = 0;
    virtual void playSound(Sound sound) = 0;
    virtual void saveConfig(const StoredGame& stored) = 0;  // config.qvr written whole
};

}  // namespace morvello
