// A server's table driven without sockets: every frame it sends is checked
// against the whole state as it stands when sent, and the seats' asks are
// answered by the hint's strategy, as morvello-sim answers them.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QTimer>
#include <deque>
#include <utility>

#include "net/seat_view_json.h"
#include "players/hint.h"
#include "rules/play_rules.h"
#include "server/server_table.h"

namespace morvello::testing {

// Every card a frame names for the seat it is sent to, but the seat's own hand.
inline std::vector<int> cardsNamed(const net::Message& m) {
    std::vector<int> cards;
    auto add = [&cards](const QJsonValue& v) {
        if (v.isDouble()) cards.push_back(v.toInt() % 100);
        for (const QJsonValue item : v.toArray()) cards.push_back(item.toInt() % 100);
    };
    const QString op = m.body[QLatin1String("op")].toString();
    const bool ownCards = op == QLatin1String("hand") || op == QLatin1String("packet");
    if (m.type == QLatin1String("show") && !ownCards) {
        add(m.body[QLatin1String("card")]);
        add(m.body[QLatin1String("cards")]);
    }
    if (m.type == QLatin1String("view")) {
        const QJsonObject view = m.body[QLatin1String("view")].toObject();
        for (const char* field : {"tableCards", "trickBySeat", "cardToPlay"})
            add(view[QLatin1String(field)]);
        for (const QJsonValue hand : view[QLatin1String("playedFromSlots")].toArray()) add(hand);
    }
    return cards;
}

class TableHarness {
  public:
    explicit TableHarness(server::TableSettings settings = {}, std::uint32_t seed = 1)
        : table_(QStringLiteral("test"), settings, {0, 0}, ShuffleEngine(seed),
                 {[this](Byte seat, const QByteArray& frame) { received(seat, frame); },
                  {},
                  {},
                  [this] { over_ = true; }}) {}

    server::ServerTable& table() { return table_; }
    bool over() const { return over_; }
    long frames() const { return frames_; }
    const std::optional<SeatView>& view(Byte seat) const { return views_[seat]; }
    // The asks not yet answered, oldest first.
    std::deque<std::pair<Byte, QString>>& asks() { return asks_; }

    // Seats every person, the host first, and starts.
    void seatAndStart() {
        for (Byte seat = 1; seat <= 4; ++seat) {
            if (table_.settings().seats[seat] != PlayerKind::Person) continue;
            Byte given = 0;
            ASSERT_TRUE(table_
                            .seatPerson(seat, "P" + std::to_string(seat),
                                        QStringLiteral("token%1").arg(seat), given)
                            .isEmpty());
        }
        ASSERT_TRUE(table_.start(server::kHostSeat).isEmpty());
    }

    // The move a computer would make for the ask, as a message.
    net::Message answerTo(Byte seat, const QString& what) const {
        const SeatView& view = *views_[seat];
        if (what == QLatin1String("card"))
            return {QStringLiteral("card"), {{QStringLiteral("card"), hintCard(view)}}};
        if (what == QLatin1String("signal"))
            return {QStringLiteral("signal"), {{QStringLiteral("signal"), kNoSignalChosen}}};
        if (what == QLatin1String("command"))
            return {QStringLiteral("command"),
                    {{QStringLiteral("command"), QStringLiteral("continue")}}};
        return {QStringLiteral("draw"), {}};
    }

    // Answers asks until the table is over, `stop` says so, `moves` are made or
    // nothing more comes; at game over the host's command wait is left for the test.
    void play(long moves = 100000, const std::function<bool()>& stop = {}) {
        for (int idle = 0; moves > 0 && !over_ && !(stop && stop()) && idle < kIdleRounds;) {
            const long framesBefore = frames_;
            QCoreApplication::processEvents();
            if (asks_.empty()) waitForEvents();
            idle = asks_.empty() && frames_ == framesBefore ? idle + 1 : 0;
            if (asks_.empty()) continue;
            const auto [seat, what] = asks_.front();
            if (what == QLatin1String("command") && !views_[seat]->menus.continueEnabled) return;
            asks_.pop_front();
            --moves;
            ASSERT_EQ(table_.move(seat, answerTo(seat, what)), QString()) << what.toStdString();
        }
    }

  private:
    // How long the table may stay silent (an Expert thinking on another thread)
    // before play() gives up on it.
    static constexpr int kWaitMs = 100;
    static constexpr int kIdleRounds = 600;

    // Runs the event loop until something happens, or for kWaitMs.
    static void waitForEvents() {
        QEventLoop loop;
        QTimer::singleShot(kWaitMs, &loop, &QEventLoop::quit);
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }

    void received(Byte seat, const QByteArray& frame) {
        ++frames_;
        const net::ReadMessage read = net::readMessage(frame);
        ASSERT_TRUE(read.message) << frame.toStdString();
        const net::Message& m = *read.message;
        const GameState& g = table_.match().state();
        for (const int card : cardsNamed(m))
            for (Byte other = 1; other <= 4; ++other)
                EXPECT_FALSE(other != seat && card != 0 &&
                             holdsUnplayed(g, other, static_cast<Byte>(card)))
                    << "seat " << int(seat) << " was sent seat " << int(other) << "'s card " << card
                    << ": " << frame.toStdString();
        if (m.type == QLatin1String("view")) {
            views_[seat] = net::seatViewFromJson(m.body[QLatin1String("view")].toObject());
            ASSERT_TRUE(views_[seat]);
            EXPECT_EQ(views_[seat]->hand, g.hands[seat]);
        }
        if (m.type == QLatin1String("ask"))
            asks_.emplace_back(seat, m.body[QLatin1String("what")].toString());
    }

    server::ServerTable table_;
    std::array<std::optional<SeatView>, 5> views_{};
    std::deque<std::pair<Byte, QString>> asks_;
    long frames_ = 0;
    bool over_ = false;
};

}  // namespace morvello::testing
