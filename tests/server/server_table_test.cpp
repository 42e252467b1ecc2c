// A table of the server, driven without sockets: whole matches of people and
// computers that give the trace their record replays, no frame showing a seat
// another seat's unplayed card, every move not awaited or not legal refused
// with nothing changed, a person dropping and coming back, and a table brought
// back from its record.
#include <gtest/gtest.h>

#include <QJsonDocument>

#include "common/replayed_trace.h"
#include "net/seat_view_json.h"
#include "table_harness.h"

using namespace morvello;
using namespace morvello::testing;

namespace {

constexpr SeatKinds kFourPeople{PlayerKind::Classic, PlayerKind::Person, PlayerKind::Person,
                                PlayerKind::Person, PlayerKind::Person};

server::TableSettings settingsWith(const SeatKinds& seats, Byte scoreOption = 0) {
    server::TableSettings settings;
    settings.seats = seats;
    settings.scoreOption = scoreOption;
    return settings;
}

// Ends the match: the host leaves at game over and the table closes.
void finish(TableHarness& harness) {
    harness.play();
    if (!harness.over()) harness.table().dropSeat(server::kHostSeat);
    harness.play();
    ASSERT_TRUE(harness.over());
}

std::string finalRecordTrace(const server::ServerTable& table) {
    return replayed(table.match().record(), -1);
}

QByteArray viewsNow(const server::ServerTable& table) {
    QByteArray all;
    for (Byte seat = 1; seat <= 4; ++seat)
        all += QJsonDocument(net::seatViewJson(table.match().view(seat))).toJson();
    return all;
}

}  // namespace

TEST(ServerTable, MatchesOfPeopleAndComputersGiveTheTraceTheirRecordReplays) {
    const SeatKinds mixed{PlayerKind::Classic, PlayerKind::Person, PlayerKind::Expert,
                          PlayerKind::Person, PlayerKind::Classic};
    const std::pair<SeatKinds, Byte> tables[] = {{kFourPeople, 0}, {kFourPeople, 1}, {mixed, 0}};
    std::uint32_t seed = 11;
    for (const auto& [seats, target] : tables) {
        TableHarness harness(settingsWith(seats, target), seed++);
        TraceText trace;
        harness.table().addObserver(trace.observer());
        harness.seatAndStart();
        finish(harness);
        EXPECT_GT(harness.frames(), 500);
        EXPECT_EQ(trace.text(), finalRecordTrace(harness.table()));
        EXPECT_NE(trace.text().find("gameover"), std::string::npos);
    }
}

TEST(ServerTable, MovesNotAwaitedOrNotLegalAreRefusedAndChangeNothing) {
    TableHarness harness(settingsWith(kFourPeople));
    server::ServerTable& table = harness.table();
    harness.seatAndStart();
    harness.play(100000, [&] {
        const auto& asks = harness.asks();
        if (asks.empty() || asks.front().second != QLatin1String("card")) return false;
        const SeatView& view = *harness.view(asks.front().first);
        return view.cardsPlayed % 4 != 1;  // a follower, who may have to follow suit
    });
    const Byte seat = harness.asks().front().first;
    const SeatView& view = *harness.view(seat);
    const Byte other = seat % 4 + 1;
    Byte notFollowing = 0, notHeld = 0;
    for (Byte card = 1; card <= kCardCount; ++card) {
        if (holdsUnplayed(view, card) && !isLegalPlay(view, card)) notFollowing = card;
        if (holdsUnplayed(table.match().view(other), card)) notHeld = card;
    }
    const QByteArray before = viewsNow(table);
    const std::size_t choices = table.match().record().choices.size();
    auto refused = [&](Byte by, const QString& type, QJsonObject body) {
        return table.move(by, {type, std::move(body)}).toStdString();
    };
    EXPECT_EQ(refused(other, "card", {{"card", notHeld}}), "not-your-turn");
    EXPECT_EQ(refused(seat, "draw", {}), "not-your-turn");
    EXPECT_EQ(refused(seat, "signal", {{"signal", 1}}), "not-your-turn");
    EXPECT_EQ(refused(seat, "card", {{"card", notHeld}}), "illegal-move");
    EXPECT_EQ(refused(seat, "card", {{"card", 41}}), "bad-field");
    EXPECT_EQ(refused(seat, "card", {{"card", "AD"}}), "bad-field");
    if (notFollowing != 0) {
        EXPECT_EQ(refused(seat, "card", {{"card", notFollowing}}), "illegal-move");
    }
    EXPECT_EQ(refused(seat == 1 ? 2 : seat, "command", {{"command", "continue"}}), "not-host");
    EXPECT_EQ(refused(seat, "shuffle", {}), "unknown-type");
    EXPECT_EQ(table.start(server::kHostSeat).toStdString(), "not-ready");
    EXPECT_EQ(viewsNow(table), before);
    EXPECT_EQ(table.match().record().choices.size(), choices);
    harness.play();  // and the match goes on
    EXPECT_FALSE(harness.asks().empty());
}

TEST(ServerTable, SeatsAreTakenOnceAndTheMatchStartsWhenTheyAreAll) {
    TableHarness harness(settingsWith(kFourPeople));
    server::ServerTable& table = harness.table();
    Byte seat = 0;
    EXPECT_EQ(table.seatPerson(0, "", QStringLiteral("t1"), seat).toStdString(), "bad-field");
    EXPECT_EQ(table.seatPerson(0, std::string(40, 'x'), QStringLiteral("t1"), seat).toStdString(),
              "bad-field");
    ASSERT_EQ(table.seatPerson(1, "Ann", QStringLiteral("t1"), seat), QString());
    EXPECT_EQ(table.start(server::kHostSeat).toStdString(), "not-ready");
    EXPECT_EQ(table.seatPerson(1, "Bo", QStringLiteral("t2"), seat).toStdString(), "seat-taken");
    for (int i = 2; i <= 4; ++i) {
        ASSERT_EQ(table.seatPerson(0, "P", QStringLiteral("t%1").arg(i), seat), QString());
        EXPECT_EQ(seat, i);  // the first open seat
    }
    EXPECT_EQ(table.seatPerson(0, "Cy", QStringLiteral("t5"), seat).toStdString(), "no-seat");
    EXPECT_EQ(table.seatOfToken(QStringLiteral("t3")), 3);
    EXPECT_FALSE(table.seatOfToken(QStringLiteral("t9")));
    EXPECT_EQ(table.start(2).toStdString(), "not-host");
    EXPECT_EQ(table.start(server::kHostSeat), QString());
}

// A person who drops is played by the classic strategy at once, the move the
// table waited for included; back, they play their seat again.
TEST(ServerTable, APersonWhoDropsIsPlayedAtOnceAndComesBack) {
    TableHarness harness(settingsWith(kFourPeople), 5);
    server::ServerTable& table = harness.table();
    TraceText trace;
    table.addObserver(trace.observer());
    harness.seatAndStart();
    const auto seatTwoAsked = [&] {
        return !harness.asks().empty() &&
               harness.asks().front() == std::pair<Byte, QString>{2, "card"};
    };
    harness.play(100000, seatTwoAsked);
    ASSERT_TRUE(seatTwoAsked());
    const int playedBefore = table.match().state().cardsPlayed;
    harness.asks().pop_front();
    table.dropSeat(2);
    EXPECT_EQ(table.match().players()[2], PlayerKind::Classic);
    harness.play(200);
    EXPECT_GT(table.match().state().cardsPlayed, playedBefore);
    for (const auto& [seat, what] : harness.asks()) EXPECT_NE(seat, 2);
    table.connectSeat(2);
    EXPECT_EQ(table.match().players()[2], PlayerKind::Person);
    finish(harness);
    EXPECT_EQ(trace.text(), finalRecordTrace(table));
}

TEST(ServerTable, ATableBroughtBackFromItsRecordGoesOnWhereItStood) {
    TableHarness first(settingsWith(kFourPeople), 9);
    first.seatAndStart();
    first.play(150);
    const std::string recordSoFar = first.table().recordText();
    const QByteArray viewsThen = viewsNow(first.table());

    TableHarness again(settingsWith(kFourPeople), 99);
    TraceText trace;
    again.table().addObserver(trace.observer());
    again.table().restore(first.table().seats(), readRecord(recordSoFar).record);
    EXPECT_TRUE(viewsNow(again.table()) == viewsThen);
    for (Byte seat = 1; seat <= 4; ++seat) again.table().connectSeat(seat);
    finish(again);
    EXPECT_EQ(trace.text(), finalRecordTrace(again.table()));
}
