#include "match/status_line.h"

#include "cards/card_name.h"

namespace morvello {
namespace {

inline constexpr int kThirdsPerPoint = 3;
inline constexpr const char* kContinueSentence = "Game \u25b8 Continue for the next deal";
inline constexpr const char* kSignalSentence =
    "Click your card to go on, or right-click it to give a signal";

const std::string& nameOf(const GameState& g, int seat) {
    return g.playerNames[static_cast<std::size_t>(seat - 1)];
}

std::string coupleName(const GameState& g, int couple) {
    const int first = couple == 0 ? 1 : 2;
    return nameOf(g, first) + "-" + nameOf(g, g.partnerOf[first]);
}

std::string deckSentence(const GameState& g) {
    const std::string who =
        g.turnSeat == 1 ? std::string("your card") : nameOf(g, g.turnSeat) + " draws";
    return "Click the deck to draw for the dealer: " + who;
}

std::string humanCardSentence(const GameState& g) {
    if (g.leaderSeat == 1) return "Your lead";
    return "Follow " + suitNames[suitOf(g.tableCards[g.leaderSeat])];
}

}  // namespace

std::string pointsText(int thirds) {
    const int whole = thirds / kThirdsPerPoint, rest = thirds % kThirdsPerPoint;
    std::string text;
    if (whole > 0) text = std::to_string(whole);
    if (rest > 0) text += (whole > 0 ? " " : "") + std::to_string(rest) + "/3";
    if (text.empty()) text = "0";
    return text + (thirds > 0 && thirds <= kThirdsPerPoint ? " point" : " points");
}

std::string waitSentence(const GameState& g, Awaited what) {
    switch (what) {
        case Awaited::DeckDraw:
            return deckSentence(g);
        case Awaited::HumanCard:
            return humanCardSentence(g);
        case Awaited::Signal:
            return kSignalSentence;
        case Awaited::Command:
            return kContinueSentence;
    }
    return {};
}

std::string trickSentence(const GameState& g, Byte winner, int thirds) {
    return nameOf(g, winner) + " won the trick: " + pointsText(thirds);
}

std::string gameOverSentence(const GameState& g, int winnerCouple, int totalA, int totalB) {
    const int won = winnerCouple == 0 ? totalA : totalB, lost = winnerCouple == 0 ? totalB : totalA;
    return "GAME OVER: " + coupleName(g, winnerCouple) + " win " + std::to_string(won) + " to " +
           std::to_string(lost);
}

void StatusLine::say(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    if (onChange) onChange(text_);
}

void StatusLine::waiting(const GameState& g, Awaited what) {
    if (what == Awaited::Command && gameOver_) return;
    if (what != Awaited::Command) gameOver_ = false;
    say(waitSentence(g, what));
}

void StatusLine::onMatchStart(const GameState&) {
    gameOver_ = false;
}

void StatusLine::onDealer(const GameState& g, Byte seat) {
    if (seat != 0) say(nameOf(g, seat) + " deals");
}

void StatusLine::onPlay(const GameState& g, Byte seat, Byte card) {
    say(nameOf(g, seat) + " played the " + cardName(card));
}

void StatusLine::onTrick(const GameState& g, Byte winner, int thirds) {
    say(trickSentence(g, winner, thirds));
}

void StatusLine::onResult(const GameState&, int) {
    say(kContinueSentence);
}

void StatusLine::onGameOver(const GameState& g, int winnerCouple, int totalA, int totalB) {
    gameOver_ = true;
    say(gameOverSentence(g, winnerCouple, totalA, totalB));
}

}  // namespace morvello
