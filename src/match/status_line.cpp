#include "match/status_line.h"

#include "cards/card_name.h"
#include "cards/play_signal.h"
#include "rules/declarations.h"
#include "rules/play_rules.h"

namespace morvello {
namespace {

inline constexpr int kThirdsPerPoint = 3;
inline constexpr const char* kContinueSentence = "Game \u25b8 Continue for the next deal";
inline constexpr const char* kContinueKeysSentence = "Press Ctrl+Enter for the next deal";
inline constexpr const char* kSignalSentence =
    "Click your card to go on, or right-click it to give a signal";
inline constexpr const char* kSignalKeysSentence = "Press Enter to go on, or S to give a signal";
inline constexpr const char* kNewGameSentence = "Game \u25b8 New Game to play again";
inline constexpr const char* kNewGameKeysSentence = "Press Ctrl+N to play again";
inline constexpr const char* kTieSentence = "A tie for the highest card: the four draw again";
// The name the person at a seat goes by unless renamed, which takes "deal", not "deals".
inline constexpr const char* kSecondPerson = "You";

const std::string& nameOf(const SeatView& v, int seat) {
    return v.playerNames[static_cast<std::size_t>(seat - 1)];
}

std::string coupleName(const SeatView& v, int couple) {
    const int first = couple == 0 ? 1 : 2;
    return nameOf(v, first) + "-" + nameOf(v, v.partnerOf[first]);
}

std::string deckSentence(const SeatView& v, InputWay way) {
    const std::string who =
        v.turnSeat == v.seat ? std::string("your card") : nameOf(v, v.turnSeat) + " draws";
    const char* how = way == InputWay::Keys ? "Press Enter" : "Click the deck";
    return std::string(how) + " to draw for the dealer: " + who;
}

std::string ownCardSentence(const SeatView& v) {
    if (v.leaderSeat == v.seat) return "Your lead";
    return "Follow " + suitNames[suitOf(v.tableCards[v.leaderSeat])];
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

std::string waitSentence(const SeatView& v, Awaited what, InputWay way) {
    const bool keys = way == InputWay::Keys;
    switch (what) {
        case Awaited::DeckDraw:
            return deckSentence(v, way);
        case Awaited::HumanCard:
            return ownCardSentence(v);
        case Awaited::Signal:
            return keys ? kSignalKeysSentence : kSignalSentence;
        case Awaited::Command:
            return keys ? kContinueKeysSentence : kContinueSentence;
    }
    return {};
}

std::string dealerSentence(const SeatView& v, Byte dealer) {
    const std::string& name = nameOf(v, dealer);
    return name + (name == kSecondPerson ? " deal" : " deals");
}

std::string playSentence(const SeatView& v, Byte seat, Byte card, Byte shownSignal) {
    static const std::array<const char*, 4> kWithSignal{"", " with a Volo", " with a Busso",
                                                        " with a Striscio"};
    const char* verb = seat == v.leaderSeat ? " led the " : " played the ";
    return nameOf(v, seat) + verb + cardName(card) + kWithSignal.at(shownSignal);
}

std::string dealScoreSentence(const ScoreSheet& sheet) {
    const auto couple = [&sheet](int first) {
        return sheet.names[static_cast<std::size_t>(first - 1)] + "-" +
               sheet.names[static_cast<std::size_t>(first + 1)];
    };
    const auto points = [&sheet](int c) {
        const bool lastTrick = sheet.lastTrickA == (c == 0);
        return sheet.cardPoints[static_cast<std::size_t>(c)] / kThirdsPerPoint +
               (lastTrick ? 1 : 0) + sheet.declPoints[static_cast<std::size_t>(c)];
    };
    return "Deal " + std::to_string(sheet.dealNumber) + ": " + couple(1) + " " +
           std::to_string(points(0)) + ", " + couple(2) + " " + std::to_string(points(1)) +
           ". Totals " + std::to_string(sheet.matchTotal[0]) + " to " +
           std::to_string(sheet.matchTotal[1]);
}

std::string trickSentence(const SeatView& v, Byte winner, int thirds) {
    return nameOf(v, winner) + " won the trick: " + pointsText(thirds);
}

std::string gameOverSentence(const SeatView& v, int winnerCouple, int totalA, int totalB) {
    const int won = winnerCouple == 0 ? totalA : totalB, lost = winnerCouple == 0 ? totalB : totalA;
    return "GAME OVER: " + coupleName(v, winnerCouple) + " win " + std::to_string(won) + " to " +
           std::to_string(lost);
}

void StatusLine::say(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    if (onChange) onChange(text_);
}

void StatusLine::waiting(const SeatView& view, Awaited what) {
    if (what == Awaited::Command && gameOver_) return;
    if (what != Awaited::Command) gameOver_ = false;
    say(waitSentence(view, what, way_));
}

void StatusLine::onMatchStart(const GameState&) {
    gameOver_ = false;
}

void StatusLine::onTie(const GameState&) {
    say(kTieSentence);
}

void StatusLine::onDealer(const GameState& g, Byte seat) {
    if (seat != 0) say(dealerSentence(seatView(g, seat_), seat));
}

void StatusLine::onDealing(const GameState& g) {
    say(dealerSentence(seatView(g, seat_), g.dealerSeat));
}

void StatusLine::onPlay(const GameState& g, Byte seat, Byte card) {
    say(playSentence(seatView(g, seat_), seat, card, shownSignal(g)));
}

void StatusLine::onSignalChosen(const GameState& g, Byte signal) {
    static const std::array<const char*, 4> kSignalNames{"no signal", "a Volo", "a Busso",
                                                         "a Striscio"};
    const SeatView v = seatView(g, seat_);
    say(nameOf(v, g.turnSeat) + " gave " + kSignalNames.at(signal));
}

void StatusLine::onDeclarationsShown(const GameState& g, Byte seat) {
    std::string said = nameOf(seatView(g, seat_), seat) + " declares";
    const char* between = ": ";
    for (const std::string& line : declarationCaption(g, seat).lines()) {
        said += between + line;
        between = ", ";
    }
    say(said);
}

void StatusLine::showingLastTrick(const SeatView& view, const std::array<Byte, 5>& bySeat,
                                  Byte winner) {
    std::string said = "Last trick:";
    for (Byte seat = 1; seat <= 4; ++seat)
        said +=
            std::string(seat == 1 ? " " : ", ") + nameOf(view, seat) + " " + cardName(bySeat[seat]);
    say(said + "; " + nameOf(view, winner) + " took it");
}

void StatusLine::onTrick(const GameState& g, Byte winner, int thirds) {
    say(trickSentence(seatView(g, seat_), winner, thirds));
}

void StatusLine::onResult(const GameState& g, int) {
    say(dealScoreSentence(scoreSheetOf(g, false)));
}

void StatusLine::onGameOver(const GameState& g, int winnerCouple, int totalA, int totalB) {
    gameOver_ = true;
    const char* again = way_ == InputWay::Keys ? kNewGameKeysSentence : kNewGameSentence;
    say(gameOverSentence(seatView(g, seat_), winnerCouple, totalA, totalB) + ". " + again);
}

}  // namespace morvello
