// One table of the server: a match run by the same controller as the game,
// each person's moves coming over the wire and each computer's from its
// strategy. The table keeps the game's pace by its own clock, hands each seat
// only its view and what it may see of each movement, and accepts from a seat
// only the move the match waits for from that seat.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cards/shuffle.h"
#include "match/controller.h"
#include "match/replaying_table.h"
#include "net/protocol.h"
#include "qt_waits/waits.h"
#include "server/table_settings.h"

namespace morvello::server {

// A person's seat: the name, the secret that brings them back, whether a
// connection holds it now.
struct PersonSeat {
    std::string name;
    QString token;  // empty while the seat is open
    bool connected = false;
};
using PersonSeats = std::array<PersonSeat, 5>;  // [seat] 1..4

// How a table reaches the rest of the server.
struct TableLinks {
    std::function<void(Byte seat, const QByteArray& frame)> send;
    std::function<void()> seatsChanged;   // the seats, to be journalled
    std::function<void()> recordChanged;  // the record, to be journalled
    std::function<void()> over;           // the run has ended; before the seats hear it
};

// How fast a table plays, and where its decks come from.
struct TablePace {
    double delayScale = 1;  // 0: every pause and movement over at once
    // How long a table brought back waits for its people before the classic
    // strategy plays their seats.
    int rejoinGraceMs = 10000;
};

class ServerTable final : public TableView, public PlayerInput {
  public:
    ServerTable(QString code, const TableSettings& settings, TablePace pace, ShuffleEngine decks,
                TableLinks links);
    ServerTable(const ServerTable&) = delete;
    ServerTable& operator=(const ServerTable&) = delete;
    ~ServerTable() override;

    const QString& code() const { return code_; }
    const TableSettings& settings() const { return settings_; }
    const PersonSeats& seats() const { return seats_; }
    bool started() const { return started_; }
    const Match& match() const { return match_; }
    void addObserver(MatchObserver& observer) { match_.addObserver(observer); }

    // ---- seating: each returns an error code of the protocol, empty when done
    // A person takes seat `wanted` (0: the first open one), named, with its token.
    QString seatPerson(Byte wanted, const std::string& name, const QString& token, Byte& seat);
    std::optional<Byte> seatOfToken(const QString& token) const;
    void connectSeat(Byte seat);
    // The seat's connection is gone; `left` when the person said so, who is then
    // not waited for even by a table brought back.
    void dropSeat(Byte seat, bool left = false);
    // The host starts the match once every person's seat is taken.
    QString start(Byte bySeat);
    // A seat's move: a draw, a card, a signal or a command.
    QString move(Byte seat, const net::Message& message);

    // ---- the journal
    QJsonObject seatsJson(bool withTokens) const;
    std::string recordText() const;
    // Brings a journalled table back: its seats, and its run played again from
    // its record to where it stood.
    void restore(const PersonSeats& seats, std::optional<MatchRecord> record);

    // ---- TableView
    Wait<> delay(double units) override;
    Wait<> thinkDuring(double units, std::function<void()> think) override;
    Wait<> showMessage(const TableMessage& message) override;
    Wait<> cardToTable(Byte seat, Byte card, Byte shownSignal, bool pauseAfter) override;
    Wait<> dealPacket(Byte seat, const Hand& packet) override;
    Wait<> cardPlayed(Byte seat, Byte card, const Hand& hand, Byte shownSignal,
                      bool pauseAfter) override;
    Wait<> gatherTrick(const GatheredTrick& trick) override;
    void clearDrawing() override;
    void drawNames(const std::array<std::string, 4>& names, Byte turnSeat) override;
    void showTitle(bool) override {}
    void showDeck(bool shown) override;
    void parkAllCards() override;
    void parkCard(Byte card, Parking where) override;
    void showDrawnCard(Byte seat, Byte card) override;
    void layOutHand(Byte seat, const Hand& hand) override;
    void cardToStart(Byte seat, Byte card, const Hand& hand) override;
    void showDeclaration(Byte seat, const ShownDeclarations& shown) override;
    void hideDeclarations() override;
    void drawScoreSheet(const ScoreSheet& sheet) override;
    void updateMenus(const MenuState&) override { viewsChanged(); }
    void playSound(Sound sound) override;
    void saveConfig(const StoredGame&) override {}

    // ---- PlayerInput: each wait goes to the seat whose turn it is
    Wait<DeckInput> deckInput() override;
    Wait<Byte> humanCard() override;
    Wait<int> signalChoice() override;
    Wait<Command> command() override;

  private:
    enum class Ask { None, Draw, Card, Signal, Command };

    bool isPerson(Byte seat) const { return settings_.seats[seat] == PlayerKind::Person; }
    // A person the table waits for: connected, or not yet back after a restart.
    bool awaited(Byte seat) const;
    bool everyPersonConnected() const;
    SeatKinds currentPlayers() const;
    void runMatch();
    void runEnded();
    void sendAsk();
    void answerForAway(Byte seat);
    void endGrace();

    Task<> pause(double units);
    Task<> thinking(int ms, std::function<void()> think);
    Task<DeckInput> drawWait(Byte seat);
    Task<Byte> cardWait(Byte seat);
    Task<int> signalWait(Byte seat);
    Task<Command> commandWait(Byte seat);
    Command commandForAway() const;
    Byte classicCard() const;
    QString command(Byte seat, const QString& name);

    // ---- what the seats are sent
    void send(Byte seat, const QByteArray& frame);
    void show(const char* op, QJsonObject fields, Byte onlySeat = 0, Byte exceptSeat = 0);
    void viewsChanged();
    void sendViews();
    void sendView(Byte seat);

    QString code_;
    TableSettings settings_;
    TablePace pace_;
    ShuffleEngine decks_;
    TableLinks links_;
    PersonSeats seats_{};
    bool started_ = false;
    bool inGrace_ = false;
    std::array<bool, 5> left_{};  // [seat]: the person left, and has not come back
    QObject context_;             // owns the table's timers
    ReplayingTable front_;
    Match match_;
    Task<> run_;
    Ask asked_ = Ask::None;
    Byte askedSeat_ = 0;
    InputSlot<DeckInput> draw_;
    InputSlot<Byte> card_;
    InputSlot<int> signal_;
    InputSlot<Command> command_;
    bool viewsDue_ = false;
    std::array<QByteArray, 5> lastView_{};
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace morvello::server
