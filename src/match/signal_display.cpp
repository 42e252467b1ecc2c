// The play signals shown on the table by moving the card just played, a timer
// step at a time: a knock taps it right and back, a fling throws it away from
// its player, a creep edges it to the right.
#include "match/procedures.h"

namespace morvello {
namespace {

// How many timer steps of `perStep` units it takes to cover `distance`, counted
// the way the timer moves the card.
int stepsToCover(float distance, float perStep) {
    float moved = 0;
    int steps = 0;
    while (moved < distance) {
        moved += perStep;
        ++steps;
    }
    return steps;
}

constexpr float kSlowStep = 0.1f;  // the knock's and the creep's signal step
constexpr float kFlingStep = 1.0f;

// No signal on the last trick; a follower's Volo and Striscio are shown only
// when every player may declare.
bool showsHoldingSignal(const GameState& g) {
    if (g.allowAllDeclare == 2 && g.turnSeat != g.leaderSeat) return false;
    return g.cardsPlayed <= 36;
}

}  // namespace

Task<> busso(GameState& g, Table& table) {
    const Byte card = g.cardToPlay;
    if (g.cardsPlayed > 36 || ValCarta(card) == 3) co_return;
    const float tap = 3 * kSlowStep;
    const int steps = stepsToCover(0.2f, tap);
    table.playSound(2);
    co_await table.stepCard(card, tap, 0, steps, 1);
    co_await table.ritardo(0.25);
    table.playSound(2);
    co_await table.stepCard(card, -tap, 0, steps, 1);
    co_await table.ritardo(1);
}

Task<> liscio(GameState& g, Table& table) {
    if (!showsHoldingSignal(g)) co_return;
    const Byte card = g.cardToPlay;
    table.playSound(1);
    switch (g.turnSeat) {
        case 1:
        case 3: {
            const float step = 3 * kFlingStep;  // up from the bottom seat, down from the top
            const float dy = g.turnSeat == 1 ? -step : step;
            co_await table.stepCard(card, 0, dy, stepsToCover(40, step), 1);
            break;
        }
        default: {
            const float step = 4 * kFlingStep;  // left from the right seat, right from the left
            const float dx = g.turnSeat == 2 ? -step : step;
            co_await table.stepCard(card, dx, 0, stepsToCover(30, step), 4);
            break;
        }
    }
    co_await table.ritardo(1);
}

Task<> striscio(GameState& g, Table& table) {
    if (!showsHoldingSignal(g)) co_return;
    const float step = 3 * kSlowStep;
    table.playSound(3);
    co_await table.stepCard(g.cardToPlay, step, 0, stepsToCover(10, step), 1);
    co_await table.ritardo(1);
}

}  // namespace morvello
