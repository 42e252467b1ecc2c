// The scripted procedures of a match, each awaited by the one above it:
// Main -> Scelta_Cartaro, daicarte, gioco, risultato; gioco -> the card
// movements; the card movements -> the signal movements.
#pragma once

#include "cards/game_state.h"
#include "match/table.h"
#include "match/task.h"

namespace morvello {

// Resets the table before a dealer choice.
void gioco_imposta(GameState& g, Table& table);

// The dealer choice: one deck click a seat, seats 2, 3, 4, 1; ties draw again.
Task<> Scelta_Cartaro(GameState& g, Table& table);

// Deals deck in packets of ten, from the seat after the dealer.
Task<> daicarte(GameState& g, Table& table);

// Orders a freshly dealt hand; for the human, lays the fan out and pauses.
Task<> OrdMieCarte(GameState& g, Table& table, Byte seat);

// Moves the human's held cards to their fan slots, a higher slot in front.
void layOutHumanHand(GameState& g, Table& table);

// Plays the ten tricks of a deal.
Task<> gioco(GameState& g, Table& table);

// Brings cardToPlay from turnSeat onto the table, with its play signal.
Task<> muovo_carta_da_giocare(GameState& g, Table& table);

// Gathers the decided trick onto the winner's card and slides it away.
Task<> muovo_carte_prese(GameState& g, Table& table);

// The three play-signal movements of cardToPlay played by turnSeat.
Task<> busso(GameState& g, Table& table);
Task<> liscio(GameState& g, Table& table);
Task<> striscio(GameState& g, Table& table);

// Settles the deal, draws the score sheet and sets the Game menu for what follows.
void risultato(GameState& g, Table& table);

}  // namespace morvello
