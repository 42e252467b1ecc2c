// A card played: shown beside its player, its signal, then on the table.
// A trick won: gathered onto the winner's card, slid towards the winner and
// squeezed edge-on until it vanishes.
#include <cmath>

#include "match/procedures.h"
#include "match/seat_geometry.h"

namespace morvello {
namespace {

bool humanChoosesSignal(const GameState& g, const Table& table) {
    return g.turnSeat == 1 && !table.seatOneIsComputer() && g.leaderSeat == 1 && g.trickNumber < 10;
}

// Unit steps towards each seat, from the angle seat x 1.570796 radians: down for
// seat 1, right for 2, up for 3, left for 4.
struct Towards {
    double dx[5] = {};
    double dy[5] = {};
    Towards() {
        for (int seat = 1; seat <= 4; ++seat) {
            dx[seat] = -std::cos(seat * 1.570796);
            dy[seat] = std::sin(seat * 1.570796);
        }
    }
};
const Towards kTowards;

}  // namespace

Task<> muovo_carta_da_giocare(GameState& g, Table& table) {
    const Byte card = g.cardToPlay;
    const Byte seat = g.turnSeat;
    table.sendToBack(card);
    table.placeCard(card, startPosition(g, seat));
    if (seat != 1) {
        table.playSound(0);  // the human's card sounded when it was clicked
        table.repaintBacks(seat);
    } else if (humanChoosesSignal(g, table)) {
        const int choice = co_await table.waitForSignalChoice();
        if (choice >= 0) g.trickSignals[1] = static_cast<Byte>(choice);
    }
    const Byte signal = g.trickSignals[seat];
    if (signal == 1) co_await liscio(g, table);
    if (signal == 2) co_await busso(g, table);
    if (signal == 3) co_await striscio(g, table);
    table.placeCard(card, tablePosition(g, seat));
    if (signal != 0) co_await table.ritardo(0.5);
}

Task<> muovo_carte_prese(GameState& g, Table& table) {
    co_await table.ritardo(1);
    const Point winnerPlace = tablePosition(g, g.turnSeat);
    co_await table.waitWhileRulesShown();  // the trick stays while the player reads the rules
    const Byte winnerCard = g.trickBySeat[g.turnSeat];
    table.bringToFront(winnerCard);
    for (int i = 1; i <= 4; ++i) {
        const Byte card = g.tableCards[i];
        co_await table.slideCard(card, winnerPlace);
        if (card != winnerCard) table.placeCard(card, kParkedAfterTrick);
    }
    co_await table.ritardo(1);
    const double dx = kTowards.dx[g.turnSeat] * g.cardWidth;
    const double dy = kTowards.dy[g.turnSeat] * g.cardWidth;
    co_await table.slideCard(winnerCard, {g.centerX + 2 * dx, g.centerY + 2 * dy});
    co_await table.squeezeCard(winnerCard, {g.centerX + 3 * dx, g.centerY + 3 * dy});
    table.placeCard(winnerCard, kParkedAfterTrick);
}

}  // namespace morvello
