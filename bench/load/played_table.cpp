#include "played_table.h"

#include <QJsonArray>

#include "net/protocol.h"
#include "network_play.h"

namespace morvello::bench {
namespace {

constexpr unsigned kEverySeat = (1u << kTableSeats) - 1;
constexpr double kNsPerMs = 1e6;
constexpr int kHostIndex = 0;  // seat 1; the index of seat s is s - 1

// A JSON object's keys are written in order, so a `view` message's frame
// begins with its type; the seat reads the frame whole itself.
bool isViewFrame(const QByteArray& frame) {
    return frame.startsWith(R"({"type":"view")");
}

QJsonObject tableSettings() {
    return {{QStringLiteral("target"), 21},
            {QStringLiteral("seats"), QJsonArray{QStringLiteral("person"), QStringLiteral("person"),
                                                 QStringLiteral("person")}}};
}

QString seatName(int index) {
    return QStringLiteral("Seat %1").arg(index + 1);
}

}  // namespace

PlayedTable::PlayedTable(AnswerPace pace, std::uint32_t seed, QObject* parent)
    : QObject(parent), pace_(pace), random_(seed) {
    clock_.start();
    for (int i = 0; i < kTableSeats; ++i) {
        answerTimers_[i].setSingleShot(true);
        connect(&answerTimers_[i], &QTimer::timeout, this, [this, i] { answer(i); });
    }
    connect(&seatingRetry_, &QTimer::timeout, this, &PlayedTable::seatAgain);
}

void PlayedTable::host(const QUrl& server) {
    server_ = server;
    for (int i = 0; i < kTableSeats; ++i) seatAt(i);
    seats_[kHostIndex]->host(server_, seatName(kHostIndex), tableSettings());
    seatingRetry_.start(kSeatingRetryMs);
}

void PlayedTable::seatAgain() {
    if (started_ || over_) {
        seatingRetry_.stop();
        return;
    }
    for (int i = 0; i < kTableSeats; ++i) {
        if (seats_[i]->seat() != 0 || (i != kHostIndex && code_.isEmpty())) continue;
        ++seatingRetries_;
        seats_[i].release()->deleteLater();
        seatAt(i);
        if (i == kHostIndex)
            seats_[i]->host(server_, seatName(i), tableSettings());
        else
            seats_[i]->join(server_, code_, seatName(i), i + 1);
    }
}

void PlayedTable::seatAt(int index) {
    auto seat = std::make_unique<net::NetworkSeat>(this);
    net::NetworkSeat& s = *seat;
    if (index == kHostIndex) {
        s.onSeated = [this, &s] {
            startSent_ = false;
            if (!code_.isEmpty()) return;  // back after a drop
            code_ = s.code();
            joinOpenSeats();
        };
        // The host starts once every seat is taken, and again should a restart
        // bring the table back before its match began.
        s.onSeats = [this, &s](const QJsonObject& seats) {
            if (startSent_ || seats.value(QLatin1String("started")).toBool() ||
                !sim::everySeatTaken(seats))
                return;
            startSent_ = true;
            s.send(net::to_server::kStart);
        };
    }
    s.onAsk = [this, index](const QString& what) { asked(index, what); };
    s.onFrame = [this, index](const QByteArray& frame) { frameAt(index, frame); };
    // The table's run ended, or the host left it over: that ends the table even
    // when no other seat is there to hear it (a seat the server seated but a
    // kill kept from hearing its token never comes back).
    s.onOver = [this] { ended(); };
    s.onError = [this, index](const QString& code, const QString& refused) {
        ++refusals_[refused + QLatin1Char(' ') + code];
        if (refused != QLatin1String(net::to_server::kRejoin)) return;
        if (code == QLatin1String(net::errors::kWrongCode))
            ended();  // the table ended while the seat was away
        else
            stranded_[index] = true;
    };
    seats_[index] = std::move(seat);
}

void PlayedTable::joinOpenSeats() {
    for (int i = 1; i < kTableSeats; ++i) seats_[i]->join(server_, code_, seatName(i), i + 1);
}

int PlayedTable::strandedSeats() const {
    int stranded = 0;
    for (const bool s : stranded_) stranded += s;
    return stranded;
}

// The seats go once the table is over: none of them comes back to it.
void PlayedTable::ended() {
    if (over_) return;
    over_ = true;
    seatingRetry_.stop();
    for (QTimer& timer : answerTimers_) timer.stop();
    for (auto& seat : seats_) seat.release()->deleteLater();
    if (onOver) onOver(*this);
}

// A new ask replaces one not yet answered: after a restart the table asks again.
void PlayedTable::asked(int index, const QString& what) {
    if (!started_) {
        started_ = true;
        if (onStarted) onStarted(*this);
    }
    pendingAsk_[index] = what;
    if (pace_.longestMs <= 0) {
        answer(index);
        return;
    }
    std::uniform_int_distribution<int> wait(pace_.shortestMs, pace_.longestMs);
    answerTimers_[index].start(wait(random_));
}

void PlayedTable::answer(int index) {
    const QString what = std::exchange(pendingAsk_[index], QString());
    if (what.isEmpty() || over_) return;
    choiceSent(what);
    sim::answerAsk(*seats_[index], what, false);
}

void PlayedTable::choiceSent(const QString& what) {
    ++choices_;
    if (awaitingUpdate_) ++unseenUpdates_;
    awaitingUpdate_ = true;
    seenBy_ = 0;
    choiceNs_ = clock_.nsecsElapsed();
    choiceWhat_ = what;
}

void PlayedTable::frameAt(int index, const QByteArray& frame) {
    if (!awaitingUpdate_ || !isViewFrame(frame)) return;
    seenBy_ |= 1u << index;
    if (seenBy_ != kEverySeat) return;
    awaitingUpdate_ = false;
    if (onUpdateSeen)
        onUpdateSeen(static_cast<double>(clock_.nsecsElapsed() - choiceNs_) / kNsPerMs,
                     choiceWhat_);
}

}  // namespace morvello::bench
