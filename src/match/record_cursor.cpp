#include "match/record_cursor.h"

#include <algorithm>
#include <string>

#include "match/controller.h"

namespace morvello {

RecordCursor::RecordCursor(const MatchRecord& record, long limit)
    : record_(record),
      limit_(limit < 0 ? record.choices.size()
                       : std::min(record.choices.size(), static_cast<std::size_t>(limit))) {}

void RecordCursor::attach(Match& match) {
    match_ = &match;
    applyDue();
}

// Nothing of the controller runs between the start of a wait and its end, so
// the choices made during a wait are made again as it starts.
bool RecordCursor::waitStarts() {
    ++waits_;
    applyDue();
    if (next_ < limit_ || next_ == record_.choices.size()) return false;
    const Choice& first = record_.choices[next_];
    stopped_ = !first.answersAWait() && first.atWait <= waits_;
    return stopped_;
}

void RecordCursor::applyDue() {
    while (next_ < limit_) {
        const Choice& choice = record_.choices[next_];
        if (choice.answersAWait() || choice.atWait > waits_) return;
        makeChoice(choice);
        ++next_;
    }
}

void RecordCursor::makeChoice(const Choice& c) {
    switch (c.kind) {
        case Choice::Kind::LateSignal:
            match_->pickLateSignal(c.seat, c.value);
            break;
        case Choice::Kind::PlayRate:
            match_->setPlayRate(c.value);
            break;
        case Choice::Kind::WhoDeclares:
            match_->setWhoDeclares(c.value);
            break;
        case Choice::Kind::MatchTarget:
            match_->setMatchTarget(c.value);
            break;
        case Choice::Kind::Names:
            for (int seat = 1; seat <= 4; ++seat)
                match_->setPlayerName(seat, c.names[static_cast<std::size_t>(seat - 1)]);
            match_->confirmNames();
            break;
        case Choice::Kind::Players:
            match_->setPlayers(c.players);
            break;
        case Choice::Kind::TakeBack:
            match_->noteTakeBack();
            break;
        default:
            break;
    }
}

const Choice* RecordCursor::answer(std::initializer_list<Choice::Kind> kinds) {
    if (waitStarts() || next_ >= limit_) {
        stopped_ = true;
        return nullptr;
    }
    const Choice& choice = record_.choices[next_];
    for (const Choice::Kind kind : kinds) {
        if (choice.kind != kind) continue;
        ++next_;
        return &choice;
    }
    throw RecordMismatch("the record's choice " + std::to_string(next_ + 1) +
                         " does not answer what the match waits for");
}

}  // namespace morvello
