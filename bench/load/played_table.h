// A table of network play as its four people play it, all in this process:
// one NetworkSeat hosts it with seats 2, 3 and 4 open to people, three more
// take them, and each seat answers the table's asks by the hint after a wait
// drawn for it. The table times each choice until every seat has its next view.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <random>

#include "net/network_seat.h"

namespace morvello::bench {

inline constexpr int kTableSeats = 4;
// A connection lost before its seat was given (its handshake timed out by a
// server too busy to answer, say) does not come back by itself: a table whose
// match has not begun this long after it was hosted, and every as long again,
// seats such people again.
inline constexpr int kSeatingRetryMs = 15000;

// How long a seat waits before it answers an ask: drawn evenly between the
// two, in milliseconds; 0 and 0 answer at once.
struct AnswerPace {
    int shortestMs = 0;
    int longestMs = 0;
};

class PlayedTable final : public QObject {
  public:
    PlayedTable(AnswerPace pace, std::uint32_t seed, QObject* parent = nullptr);

    void host(const QUrl& server);

    const QString& code() const { return code_; }
    bool started() const { return started_; }
    bool over() const { return over_; }
    long choices() const { return choices_; }
    // Choices whose update some seat had not seen when the next choice went.
    long unseenUpdates() const { return unseenUpdates_; }
    const std::map<QString, long>& refusals() const { return refusals_; }
    // Connections opened again because a seat had not been given in time.
    int seatingRetries() const { return seatingRetries_; }
    // The seats that no longer take part: the connection is seated nowhere
    // after the server refused to bring it back.
    int strandedSeats() const;

    std::function<void(PlayedTable&)> onStarted;
    std::function<void(PlayedTable&)> onOver;
    // A choice's update seen at every seat, milliseconds after the choice
    // went, and what the choice answered ("draw", "card", "signal", "command").
    std::function<void(double ms, const QString& what)> onUpdateSeen;

  private:
    void seatAt(int index);
    void joinOpenSeats();
    void seatAgain();
    void asked(int index, const QString& what);
    void answer(int index);
    void choiceSent(const QString& what);
    void frameAt(int index, const QByteArray& frame);
    void ended();

    AnswerPace pace_;
    std::mt19937 random_;
    QUrl server_;
    QString code_;
    std::array<std::unique_ptr<net::NetworkSeat>, kTableSeats> seats_;
    std::array<QTimer, kTableSeats> answerTimers_;
    QTimer seatingRetry_;
    int seatingRetries_ = 0;
    std::array<QString, kTableSeats> pendingAsk_;
    std::array<bool, kTableSeats> stranded_{};
    bool startSent_ = false;  // by the host, since it was last seated
    bool started_ = false;
    bool over_ = false;
    long choices_ = 0;
    long unseenUpdates_ = 0;
    std::map<QString, long> refusals_;
    // The last choice, until every seat has had a view after it.
    QElapsedTimer clock_;
    qint64 choiceNs_ = 0;
    QString choiceWhat_;
    unsigned seenBy_ = 0;
    bool awaitingUpdate_ = false;
};

}  // namespace morvello::bench
