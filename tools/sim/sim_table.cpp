#include "sim_table.h"

#include "match/commands.h"

namespace morvello::sim {
namespace {

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
    int values[40];
    for (int i = 0; i < count; ++i) values[i] = a[i + 1];
    appendNumbers(s, values, count);
}

}  // namespace

SimTable::SimTable(GameState& g, const SimOptions& options, std::FILE* out)
    : HeadlessTable(g), options_(options), out_(out) {
    computerAtSeatOne = true;
    command = [this](GameState& state) { chooseCommand(state); };
}

SimTable::~SimTable() {
    flush();
}

void SimTable::chooseCommand(GameState& g) {
    if (matchJustOver_) {
        matchJustOver_ = false;
        if (matchesOver_ < options_.matches) menu_NewGame_Click(g);
        return;  // nothing set: the run ends
    }
    const int deal = g.dealNumber;
    if (deal > 1 && options_.replays.count(deal) && !replayedThisMatch_.count(deal)) {
        replayedThisMatch_.insert(deal);
        if (menu_replay_Click(g) == ReplayAnswer::Confirm) {
            confirmReplay(g);
            return;
        }
    }
    continue_Click(g, *this);
}

void SimTable::emit() {
    if (!options_.trace) return;
    buffer_ += line_;
    buffer_ += '\n';
    if (buffer_.size() > (1 << 16)) flush();
}

void SimTable::flush() {
    if (buffer_.empty()) return;
    std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    buffer_.clear();
}

void SimTable::onMatchStart() {
    replayedThisMatch_.clear();
    line_ = "{\"ev\":\"match\",\"n\":" + std::to_string(++matchesStarted_) + "}";
    emit();
}

void SimTable::onDraw(Byte seat, Byte card) {
    if (!options_.trace) return;
    line_ = "{\"ev\":\"draw\",\"seat\":" + std::to_string(seat) +
            ",\"card\":" + std::to_string(card) + "}";
    emit();
}

void SimTable::onTie() {
    line_ = "{\"ev\":\"tie\"}";
    emit();
}

void SimTable::onDealer(Byte seat) {
    line_ = "{\"ev\":\"dealer\",\"seat\":" + std::to_string(seat) + "}";
    emit();
}

void SimTable::onDeal(bool replay) {
    ++dealsDealt_;
    if (!options_.trace) return;
    line_ = "{\"ev\":\"deal\",\"n\":" + std::to_string(g_.dealNumber) +
            ",\"dealer\":" + std::to_string(g_.dealerSeat) +
            ",\"replay\":" + (replay ? "true" : "false") + ",\"deck\":";
    appendFrom1(line_, g_.deck, 40);
    line_ += ",\"hands\":[";
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat > 1) line_ += ',';
        appendFrom1(line_, g_.hands[seat], 10);
    }
    line_ += "]}";
    emit();
}

void SimTable::onDeclarations() {
    if (!options_.trace) return;
    line_ = "{\"ev\":\"decl\",\"points\":";
    appendFrom1(line_, g_.declPoints, 4);
    line_ += ",\"slots\":[";
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat > 1) line_ += ',';
        appendFrom1(line_, g_.declSlots[seat], 4);
    }
    line_ += "]}";
    emit();
}

void SimTable::onPlay(Byte seat, Byte card) {
    if (!options_.trace) return;
    line_ = "{\"ev\":\"play\",\"trick\":" + std::to_string(g_.trickNumber) +
            ",\"seat\":" + std::to_string(seat) + ",\"card\":" + std::to_string(card) +
            ",\"signal\":" + std::to_string(g_.trickSignals[seat]) + "}";
    emit();
}

void SimTable::onTrick(Byte winner, int thirds) {
    if (!options_.trace) return;
    line_ = "{\"ev\":\"trick\",\"trick\":" + std::to_string(g_.trickNumber - 1) +
            ",\"winner\":" + std::to_string(winner) + ",\"thirds\":" + std::to_string(thirds) + "}";
    emit();
}

void SimTable::onResult(int lastTrickCouple) {
    if (!options_.trace) return;
    const int n = g_.dealNumber;
    const int cardPoints[2] = {g_.cardPoints[0] / 3, g_.cardPoints[1] / 3};
    const int decl[2] = {g_.declPoints[1] + g_.declPoints[3], g_.declPoints[2] + g_.declPoints[4]};
    const int dealScore[2] = {g_.dealScoreA[n] / 3, g_.dealScoreB[n] / 3};
    line_ = "{\"ev\":\"result\",\"n\":" + std::to_string(n) + ",\"cardPoints\":";
    appendNumbers(line_, cardPoints, 2);
    line_ += ",\"lastTrick\":" + std::to_string(lastTrickCouple) + ",\"decl\":";
    appendNumbers(line_, decl, 2);
    line_ += ",\"dealScore\":";
    appendNumbers(line_, dealScore, 2);
    line_ += ",\"matchTotal\":";
    appendNumbers(line_, g_.matchTotal.data(), 2);
    line_ += '}';
    emit();
}

void SimTable::onGameOver(int winnerCouple, int totalA, int totalB) {
    ++matchesOver_;
    matchJustOver_ = true;
    const int totals[2] = {totalA, totalB};
    line_ = "{\"ev\":\"gameover\",\"winner\":" + std::to_string(winnerCouple) + ",\"matchTotal\":";
    appendNumbers(line_, totals, 2);
    line_ += '}';
    emit();
}

}  // namespace morvello::sim
