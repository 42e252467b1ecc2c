#include "table/status_line.h"

#include <QCoreApplication>

#include "cards/play_signal.h"
#include "rules/declarations.h"
#include "rules/play_rules.h"
#include "table/game_words.h"

namespace morvello {
namespace {

inline constexpr int kThirdsPerPoint = 3;

QString phrase(const char* source) {
    return QCoreApplication::translate("Status", source);
}

std::string utf8(const QString& sentence) {
    return sentence.toStdString();
}

QString nameOf(const SeatView& v, int seat) {
    return QString::fromStdString(v.playerNames[static_cast<std::size_t>(seat - 1)]);
}

QString coupleName(const SeatView& v, int couple) {
    const int first = couple == 0 ? 1 : 2;
    //: A couple: the names of its two players.
    return QCoreApplication::translate("Status", "%1-%2")
        .arg(nameOf(v, first), nameOf(v, v.partnerOf[first]));
}

QString deckSentence(const SeatView& v, InputWay way) {
    const bool own = v.turnSeat == v.seat;
    if (way == InputWay::Keys) {
        if (own)
            return phrase(
                QT_TRANSLATE_NOOP("Status", "Press Enter to draw for the dealer: your card"));
        return QCoreApplication::translate("Status", "Press Enter to draw for the dealer: %1 draws")
            .arg(nameOf(v, v.turnSeat));
    }
    if (own)
        return phrase(
            QT_TRANSLATE_NOOP("Status", "Click the deck to draw for the dealer: your card"));
    return QCoreApplication::translate("Status", "Click the deck to draw for the dealer: %1 draws")
        .arg(nameOf(v, v.turnSeat));
}

QString ownCardSentence(const SeatView& v) {
    if (v.leaderSeat == v.seat) return phrase(QT_TRANSLATE_NOOP("Status", "Your lead"));
    //: %1 is the suit led.
    return QCoreApplication::translate("Status", "Follow %1")
        .arg(suitName(suitOf(v.tableCards[v.leaderSeat])));
}

QString newGameSentence(InputWay way) {
    return way == InputWay::Keys
               ? phrase(QT_TRANSLATE_NOOP("Status", "Press Ctrl+N to play again"))
               : phrase(QT_TRANSLATE_NOOP("Status", "Game ▸ New Game to play again"));
}

}  // namespace

std::string waitSentence(const SeatView& v, Awaited what, InputWay way) {
    const bool keys = way == InputWay::Keys;
    switch (what) {
        case Awaited::DeckDraw:
            return utf8(deckSentence(v, way));
        case Awaited::HumanCard:
            return utf8(ownCardSentence(v));
        case Awaited::Signal:
            return utf8(keys
                            ? phrase(QT_TRANSLATE_NOOP(
                                  "Status", "Press Enter to go on, or S to give a signal"))
                            : phrase(QT_TRANSLATE_NOOP(
                                  "Status",
                                  "Click your card to go on, or right-click it to give a signal")));
        case Awaited::Command:
            return utf8(
                keys ? phrase(QT_TRANSLATE_NOOP("Status", "Press Ctrl+Enter for the next deal"))
                     : phrase(QT_TRANSLATE_NOOP("Status", "Game ▸ Continue for the next deal")));
    }
    return {};
}

std::string dealerSentence(const SeatView& v, Byte dealer) {
    const QString name = nameOf(v, dealer);
    // The name the person at a seat goes by unless renamed takes "deal", not "deals".
    if (name == QCoreApplication::translate("Names", "You"))
        return utf8(phrase(QT_TRANSLATE_NOOP("Status", "You deal")));
    return utf8(QCoreApplication::translate("Status", "%1 deals").arg(name));
}

std::string playSentence(const SeatView& v, Byte seat, Byte card, Byte shownSignal) {
    const QString who = nameOf(v, seat), what = cardName(card);
    if (seat == v.leaderSeat) {
        switch (shownSignal) {
            case kVolo:
                return utf8(QCoreApplication::translate("Status", "%1 led the %2 with a Volo")
                                .arg(who, what));
            case kBusso:
                return utf8(QCoreApplication::translate("Status", "%1 led the %2 with a Busso")
                                .arg(who, what));
            case kStriscio:
                return utf8(QCoreApplication::translate("Status", "%1 led the %2 with a Striscio")
                                .arg(who, what));
        }
        return utf8(QCoreApplication::translate("Status", "%1 led the %2").arg(who, what));
    }
    switch (shownSignal) {
        case kVolo:
            return utf8(QCoreApplication::translate("Status", "%1 played the %2 with a Volo")
                            .arg(who, what));
        case kBusso:
            return utf8(QCoreApplication::translate("Status", "%1 played the %2 with a Busso")
                            .arg(who, what));
        case kStriscio:
            return utf8(QCoreApplication::translate("Status", "%1 played the %2 with a Striscio")
                            .arg(who, what));
    }
    return utf8(QCoreApplication::translate("Status", "%1 played the %2").arg(who, what));
}

std::string dealScoreSentence(const ScoreSheet& sheet) {
    const auto couple = [&sheet](int first) {
        return QCoreApplication::translate("Status", "%1-%2")
            .arg(QString::fromStdString(sheet.names[static_cast<std::size_t>(first - 1)]),
                 QString::fromStdString(sheet.names[static_cast<std::size_t>(first + 1)]));
    };
    const auto points = [&sheet](int c) {
        const bool lastTrick = sheet.lastTrickA == (c == 0);
        return sheet.cardPoints[static_cast<std::size_t>(c)] / kThirdsPerPoint +
               (lastTrick ? 1 : 0) + sheet.declPoints[static_cast<std::size_t>(c)];
    };
    return utf8(QCoreApplication::translate("Status", "Deal %1: %2 %3, %4 %5. Totals %6 to %7")
                    .arg(sheet.dealNumber)
                    .arg(couple(1))
                    .arg(points(0))
                    .arg(couple(2))
                    .arg(points(1))
                    .arg(sheet.matchTotal[0])
                    .arg(sheet.matchTotal[1]));
}

std::string trickSentence(const SeatView& v, Byte winner, int thirds) {
    return utf8(QCoreApplication::translate("Status", "%1 won the trick: %2")
                    .arg(nameOf(v, winner), pointsText(thirds)));
}

std::string gameOverSentence(const SeatView& v, int winnerCouple, int totalA, int totalB) {
    const int won = winnerCouple == 0 ? totalA : totalB, lost = winnerCouple == 0 ? totalB : totalA;
    return utf8(QCoreApplication::translate("Status", "GAME OVER: %1 win %2 to %3")
                    .arg(coupleName(v, winnerCouple))
                    .arg(won)
                    .arg(lost));
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
    say(utf8(
        QCoreApplication::translate("Status", "A tie for the highest card: the four draw again")));
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
    const QString who = nameOf(seatView(g, seat_), g.turnSeat);
    switch (signal) {
        case kVolo:
            return say(utf8(QCoreApplication::translate("Status", "%1 gave a Volo").arg(who)));
        case kBusso:
            return say(utf8(QCoreApplication::translate("Status", "%1 gave a Busso").arg(who)));
        case kStriscio:
            return say(utf8(QCoreApplication::translate("Status", "%1 gave a Striscio").arg(who)));
    }
    say(utf8(QCoreApplication::translate("Status", "%1 gave no signal").arg(who)));
}

void StatusLine::onDeclarationsShown(const GameState& g, Byte seat) {
    QStringList said;
    for (const Declaration& d : shownDeclarations(g, seat)) said << declarationText(d);
    //: %1 is the player, %2 the declarations, each after a comma.
    say(utf8(QCoreApplication::translate("Status", "%1 declares: %2")
                 .arg(nameOf(seatView(g, seat_), seat),
                      said.join(QCoreApplication::translate("Status", ", ")))));
}

void StatusLine::showingLastTrick(const SeatView& view, const std::array<Byte, 5>& bySeat,
                                  Byte winner) {
    //: Each player with the card played, then who took the trick.
    say(utf8(
        QCoreApplication::translate("Status", "Last trick: %1 %2, %3 %4, %5 %6, %7 %8; %9 took it")
            .arg(nameOf(view, 1), cardName(bySeat[1]), nameOf(view, 2), cardName(bySeat[2]),
                 nameOf(view, 3), cardName(bySeat[3]), nameOf(view, 4), cardName(bySeat[4]),
                 nameOf(view, winner))));
}

void StatusLine::onTrick(const GameState& g, Byte winner, int thirds) {
    say(trickSentence(seatView(g, seat_), winner, thirds));
}

void StatusLine::onResult(const GameState& g, int) {
    say(dealScoreSentence(scoreSheetOf(g, false)));
}

void StatusLine::onGameOver(const GameState& g, int winnerCouple, int totalA, int totalB) {
    gameOver_ = true;
    //: The end of the match, then what to do next.
    say(utf8(QCoreApplication::translate("Status", "%1. %2")
                 .arg(QString::fromStdString(
                          gameOverSentence(seatView(g, seat_), winnerCouple, totalA, totalB)),
                      newGameSentence(way_))));
}

}  // namespace morvello
