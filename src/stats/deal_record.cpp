#include "stats/deal_record.h"

#include <cstdlib>

#include "match/json_trace.h"

namespace morvello {

void DealRecorder::onDeal(const GameState& g, bool replay) {
    current_.clear();
    current_.push_back({DealEvent::Kind::Deal, g, 0, 0, 0, replay});
}

void DealRecorder::onDeclarations(const GameState& g) {
    current_.push_back({DealEvent::Kind::Declarations, g});
}

void DealRecorder::onPlay(const GameState& g, Byte seat, Byte card) {
    current_.push_back({DealEvent::Kind::Play, g, seat, card});
}

void DealRecorder::onSignalChosen(const GameState& g, Byte signal) {
    current_.push_back({DealEvent::Kind::SignalChosen, g, signal});
}

void DealRecorder::onTrick(const GameState& g, Byte winner, int thirds) {
    current_.push_back({DealEvent::Kind::Trick, g, winner, 0, thirds});
}

void DealRecorder::onResult(const GameState& g, int lastTrickCouple) {
    current_.push_back({DealEvent::Kind::Result, g, 0, 0, lastTrickCouple});
    last_ = std::move(current_);
    current_.clear();
    if (onSettled) onSettled();
}

void tellEvent(const DealEvent& e, MatchObserver& to) {
    switch (e.kind) {
        case DealEvent::Kind::Deal:
            to.onDeal(e.state, e.replay);
            break;
        case DealEvent::Kind::Declarations:
            to.onDeclarations(e.state);
            break;
        case DealEvent::Kind::Play:
            to.onPlay(e.state, e.seat, e.card);
            break;
        case DealEvent::Kind::SignalChosen:
            to.onSignalChosen(e.state, e.seat);
            break;
        case DealEvent::Kind::Trick:
            to.onTrick(e.state, e.seat, e.value);
            break;
        case DealEvent::Kind::Result:
            to.onResult(e.state, e.value);
            break;
    }
}

void writeDealTrace(const DealEvents& deal, std::FILE* out) {
    JsonTrace trace(out);
    for (const DealEvent& e : deal) tellEvent(e, trace);
}

std::string dealTrace(const DealEvents& deal) {
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    if (!out) return {};
    writeDealTrace(deal, out);
    std::fclose(out);
    std::string lines(text, size);
    std::free(text);
    return lines;
}

std::string deckLine(const Deck& deck) {
    std::string line;
    for (int place = 1; place <= kCardCount; ++place) {
        if (place > 1) line += ' ';
        line += std::to_string(deck[place]);
    }
    return line;
}

std::string deckFileText(const Deck& deck, Byte dealer) {
    return "dealer " + std::to_string(dealer) + "\n" + deckLine(deck) + "\n";
}

}  // namespace morvello
