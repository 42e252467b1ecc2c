#include "match/json_trace.h"

namespace morvello {
namespace {

constexpr std::size_t kFlushAt = 1 << 16;

void appendNumbers(std::string& s, const int* values, int count) {
    s += '[';
    for (int i = 0; i < count; ++i) {
        if (i) s += ',';
        s += std::to_string(values[i]);
    }
    s += ']';
}

template <class Array>
void appendFrom1(std::string& s, const Array& a, int count) {
    int values[kCardCount];
    for (int i = 0; i < count; ++i) values[i] = a[i + 1];
    appendNumbers(s, values, count);
}

const char* boolText(bool b) {
    return b ? "true" : "false";
}

}  // namespace

void JsonTrace::endEvent() {
    buffer_ += line_;
    buffer_ += '\n';
    if (buffer_.size() > kFlushAt) flush();
}

void JsonTrace::flush() {
    if (buffer_.empty()) return;
    std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    buffer_.clear();
}

void JsonTrace::onMatchStart(const GameState&) {
    line_ = "{\"ev\":\"match\",\"n\":" + std::to_string(++matchesStarted_) + "}";
    endEvent();
}

void JsonTrace::onDraw(const GameState&, Byte seat, Byte card) {
    line_ = "{\"ev\":\"draw\",\"seat\":" + std::to_string(seat) +
            ",\"card\":" + std::to_string(card) + "}";
    endEvent();
}

void JsonTrace::onTie(const GameState&) {
    line_ = "{\"ev\":\"tie\"}";
    endEvent();
}

void JsonTrace::onDealer(const GameState&, Byte seat) {
    line_ = "{\"ev\":\"dealer\",\"seat\":" + std::to_string(seat) + "}";
    endEvent();
}

void JsonTrace::onDeal(const GameState& g, bool replay) {
    line_ = "{\"ev\":\"deal\",\"n\":" + std::to_string(g.dealNumber) +
            ",\"dealer\":" + std::to_string(g.dealerSeat) + ",\"replay\":" + boolText(replay) +
            ",\"deck\":";
    appendFrom1(line_, g.deck, kCardCount);
    line_ += ",\"hands\":[";
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat > 1) line_ += ',';
        appendFrom1(line_, g.hands[seat], 10);
    }
    line_ += "]}";
    endEvent();
}

void JsonTrace::onDeclarations(const GameState& g) {
    line_ = "{\"ev\":\"decl\",\"points\":";
    appendFrom1(line_, g.declPoints, 4);
    line_ += ",\"slots\":[";
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat > 1) line_ += ',';
        appendFrom1(line_, g.declSlots[seat], 4);
    }
    line_ += "]}";
    endEvent();
}

void JsonTrace::onPlay(const GameState& g, Byte seat, Byte card) {
    line_ = "{\"ev\":\"play\",\"trick\":" + std::to_string(g.trickNumber) +
            ",\"seat\":" + std::to_string(seat) + ",\"card\":" + std::to_string(card) +
            ",\"signal\":" + std::to_string(g.trickSignals[seat]) + "}";
    endEvent();
}

void JsonTrace::onTrick(const GameState& g, Byte winner, int thirds) {
    line_ = "{\"ev\":\"trick\",\"trick\":" + std::to_string(g.trickNumber - 1) +
            ",\"winner\":" + std::to_string(winner) + ",\"thirds\":" + std::to_string(thirds) + "}";
    endEvent();
}

void JsonTrace::onResult(const GameState& g, int lastTrickCouple) {
    const int n = g.dealNumber;
    const int cardPoints[2] = {g.cardPoints[0] / 3, g.cardPoints[1] / 3};
    const int decl[2] = {g.declPoints[1] + g.declPoints[3], g.declPoints[2] + g.declPoints[4]};
    const int dealScore[2] = {g.dealScoreA[n] / 3, g.dealScoreB[n] / 3};
    line_ = "{\"ev\":\"result\",\"n\":" + std::to_string(n) + ",\"cardPoints\":";
    appendNumbers(line_, cardPoints, 2);
    line_ += ",\"lastTrick\":" + std::to_string(lastTrickCouple) + ",\"decl\":";
    appendNumbers(line_, decl, 2);
    line_ += ",\"dealScore\":";
    appendNumbers(line_, dealScore, 2);
    line_ += ",\"matchTotal\":";
    appendNumbers(line_, g.matchTotal.data(), 2);
    line_ += '}';
    endEvent();
}

void JsonTrace::onGameOver(const GameState&, int winnerCouple, int totalA, int totalB) {
    const int totals[2] = {totalA, totalB};
    line_ = "{\"ev\":\"gameover\",\"winner\":" + std::to_string(winnerCouple) + ",\"matchTotal\":";
    appendNumbers(line_, totals, 2);
    line_ += '}';
    endEvent();
}

}  // namespace morvello
