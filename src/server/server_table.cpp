#include "server/server_table.h"

#include <QJsonArray>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <cstdio>

#include "match/pace.h"
#include "net/seat_view_json.h"
#include "players/card_choice.h"
#include "rules/play_rules.h"

namespace morvello::server {
namespace {

// The table's movements, in units of the paced delay, as long as the window
// takes to show them.
constexpr double kSignalMovementUnits = 0.5;  // a Volo, Busso or Striscio shown
constexpr double kPauseAfterSignalUnits = 0.5;
constexpr double kGatherPauseUnits = 2;  // before and after the cards come together
constexpr int kCardsPerPacket = 10;
// The longest name a person may give.
constexpr qsizetype kLongestName = 32;

MatchOptions tableOptions(ShuffleEngine& decks, const TableSettings& settings) {
    MatchOptions options;
    options.newDeck = [&decks](Deck& deck) {
        shuffleDeck(deck, decks);
        return true;
    };
    options.players = settings.seats;
    options.expertSeed = static_cast<std::uint32_t>(decks());
    options.recorded = true;
    return options;
}

QJsonArray cardList(const Hand& hand) {
    QJsonArray cards;
    for (int slot = 1; slot <= kCardsPerPacket; ++slot)
        cards.append(hand[static_cast<std::size_t>(slot)]);
    return cards;
}

// Which slots of a hand still hold a card, without the cards.
QJsonArray heldSlots(const Hand& hand) {
    QJsonArray held;
    for (int slot = 1; slot <= kCardsPerPacket; ++slot) {
        const Byte card = hand[static_cast<std::size_t>(slot)];
        held.append(card != 0 && !isPlayed(card));
    }
    return held;
}

template <std::size_t N>
QJsonArray intList(const std::array<int, N>& values) {
    QJsonArray list;
    for (const int v : values) list.append(v);
    return list;
}

const char* askName(int ask) {
    static const char* const names[] = {"", "draw", "card", "signal", "command"};
    return names[ask];
}

}  // namespace

ServerTable::ServerTable(QString code, const TableSettings& settings, TablePace pace,
                         ShuffleEngine decks, TableLinks links)
    : code_(std::move(code)),
      settings_(settings),
      pace_(pace),
      decks_(std::move(decks)),
      links_(std::move(links)),
      front_(*this, *this),
      match_(front_, front_, tableOptions(decks_, settings)) {
    match_.onRecordChanged = [this] {
        if (links_.recordChanged) links_.recordChanged();
    };
}

ServerTable::~ServerTable() {
    run_.reset();  // its waits go before the slots they wait on
}

// ---- seating

QString ServerTable::seatPerson(Byte wanted, const std::string& name, const QString& token,
                                Byte& seat) {
    const qsizetype length = QString::fromStdString(name).size();
    if (length == 0 || length > kLongestName || wanted > 4) return net::errors::kBadField;
    seat = 0;
    for (Byte s = 1; s <= 4 && seat == 0; ++s)
        if ((wanted == 0 || wanted == s) && isPerson(s) && seats_[s].token.isEmpty()) seat = s;
    if (seat == 0) {
        if (wanted != 0 && isPerson(wanted) && !started_) return net::errors::kSeatTaken;
        return net::errors::kNoSeat;
    }
    seats_[seat] = {name, token, true};
    if (links_.seatsChanged) links_.seatsChanged();
    return {};
}

std::optional<Byte> ServerTable::seatOfToken(const QString& token) const {
    for (Byte s = 1; s <= 4; ++s)
        if (!token.isEmpty() && seats_[s].token == token) return s;
    return std::nullopt;
}

bool ServerTable::awaited(Byte seat) const {
    return isPerson(seat) && (seats_[seat].connected || (inGrace_ && !left_[seat]));
}

bool ServerTable::everyPersonConnected() const {
    for (Byte s = 1; s <= 4; ++s)
        if (isPerson(s) && !seats_[s].connected) return false;
    return true;
}

SeatKinds ServerTable::currentPlayers() const {
    SeatKinds kinds = settings_.seats;
    for (Byte s = 1; s <= 4; ++s)
        if (isPerson(s) && !awaited(s)) kinds[s] = PlayerKind::Classic;
    return kinds;
}

void ServerTable::connectSeat(Byte seat) {
    seats_[seat].connected = true;
    left_[seat] = false;
    lastView_[seat].clear();
    if (links_.seatsChanged) links_.seatsChanged();
    if (!started_) return;
    // Once all its people are back, a table brought back waits for no one who
    // leaves again.
    if (inGrace_ && everyPersonConnected()) inGrace_ = false;
    if (match_.players() != currentPlayers()) match_.setPlayers(currentPlayers());
    sendView(seat);
    if (asked_ != Ask::None && askedSeat_ == seat) sendAsk();
}

// A person who drops is played by the classic strategy from now on, beginning
// with any move the table is waiting for from them.
void ServerTable::dropSeat(Byte seat, bool left) {
    seats_[seat].connected = false;
    left_[seat] = left;
    if (links_.seatsChanged) links_.seatsChanged();
    if (!started_ || (inGrace_ && !left)) return;
    if (match_.players() != currentPlayers()) match_.setPlayers(currentPlayers());
    answerForAway(seat);
}

void ServerTable::answerForAway(Byte seat) {
    if (asked_ == Ask::None || askedSeat_ != seat) return;
    const Ask ask = std::exchange(asked_, Ask::None);
    switch (ask) {
        case Ask::Draw:
            draw_.deliver(DeckInput::Draw);
            break;
        case Ask::Card:
            card_.deliver(classicCard());
            break;
        case Ask::Signal:
            signal_.deliver(kNoSignalChosen);
            break;
        case Ask::Command:
            command_.deliver(commandForAway());
            break;
        case Ask::None:
            break;
    }
}

QString ServerTable::start(Byte bySeat) {
    if (bySeat != kHostSeat) return net::errors::kNotHost;
    if (started_) return net::errors::kNotReady;
    for (Byte s = 1; s <= 4; ++s)
        if (isPerson(s) && seats_[s].token.isEmpty()) return net::errors::kNotReady;
    StoredGame stored;
    stored.scoreOption = settings_.scoreOption;
    stored.allowAllDeclare = settings_.allowAllDeclare;
    stored.playRate = settings_.playRate;
    for (Byte s = 1; s <= 4; ++s)
        if (isPerson(s)) stored.playerNames[s - 1] = seats_[s].name;
    match_.restore(stored);
    match_.setPlayers(currentPlayers());
    started_ = true;
    if (links_.seatsChanged) links_.seatsChanged();
    runMatch();
    return {};
}

void ServerTable::restore(const PersonSeats& seats, std::optional<MatchRecord> record) {
    seats_ = seats;
    for (PersonSeat& seat : seats_) seat.connected = false;
    if (!record) return;
    started_ = true;
    inGrace_ = true;
    match_.startOver(*record);
    front_.replay(std::move(*record), match_);
    runMatch();
    QTimer::singleShot(pace_.rejoinGraceMs, &context_, [this] { endGrace(); });
}

void ServerTable::endGrace() {
    inGrace_ = false;
    if (match_.players() != currentPlayers()) match_.setPlayers(currentPlayers());
    for (Byte s = 1; s <= 4; ++s)
        if (isPerson(s) && !seats_[s].connected) answerForAway(s);
}

void ServerTable::runMatch() {
    run_ = match_.playMatches();
    run_.setOnFinished([](void* table) { static_cast<ServerTable*>(table)->runEnded(); }, this);
    run_.start();
}

// Told from inside the run's last step: the rest waits for the next turn of
// the event loop. The server settles the table (its journal, its trace) before
// the seats are told.
void ServerTable::runEnded() {
    try {
        run_.rethrowIfFailed();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "morvello-server: table %s stopped: %s\n", code_.toUtf8().constData(),
                     e.what());
    }
    QTimer::singleShot(0, &context_, [this] {
        if (links_.over) links_.over();
        for (Byte s = 1; s <= 4; ++s) send(s, net::writeMessage(net::to_seat::kOver));
    });
}

// ---- moves

QString ServerTable::move(Byte seat, const net::Message& message) {
    namespace types = net::to_server;
    const QString& type = message.type;
    const auto expected = [&](Ask ask) { return asked_ == ask && askedSeat_ == seat; };
    if (type == QLatin1String(types::kCommand)) {
        if (seat != kHostSeat) return net::errors::kNotHost;
        if (!expected(Ask::Command)) return net::errors::kNotYourTurn;
        return command(seat, message.body.value(QLatin1String("command")).toString());
    }
    if (type == QLatin1String(types::kDraw)) {
        if (!expected(Ask::Draw)) return net::errors::kNotYourTurn;
        asked_ = Ask::None;
        draw_.deliver(DeckInput::Draw);
        return {};
    }
    if (type == QLatin1String(types::kCard)) {
        if (!expected(Ask::Card)) return net::errors::kNotYourTurn;
        const std::optional<int> card = net::intField(message.body, "card", 1, kCardCount);
        if (!card) return net::errors::kBadField;
        const SeatView view = match_.view(seat);
        const Byte played = static_cast<Byte>(*card);
        if (!holdsUnplayed(view, played) || !isLegalPlay(view, played))
            return net::errors::kIllegalMove;
        asked_ = Ask::None;
        card_.deliver(played);
        return {};
    }
    if (type == QLatin1String(types::kSignal)) {
        if (!expected(Ask::Signal)) return net::errors::kNotYourTurn;
        const std::optional<int> signal = net::intField(message.body, "signal", kNoSignalChosen, 3);
        if (!signal) return net::errors::kBadField;
        asked_ = Ask::None;
        signal_.deliver(*signal);
        return {};
    }
    return net::errors::kUnknownType;
}

// The host's command between deals, refused when its menu item is disabled.
QString ServerTable::command(Byte seat, const QString& name) {
    const MenuState& menus = match_.view(seat).menus;
    std::optional<Command> command;
    if (name == QLatin1String("continue") && menus.continueEnabled) command = Command::Continue;
    if (name == QLatin1String("new-game") && menus.newGameEnabled) command = Command::NewGame;
    if (name == QLatin1String("repeat") && menus.replayEnabled &&
        match_.replayAnswer() == ReplayAnswer::Confirm)
        command = Command::Replay;
    if (!command) return net::errors::kIllegalMove;
    show("command", {{QStringLiteral("command"), name}});
    asked_ = Ask::None;
    command_.deliver(*command);
    return {};
}

Byte ServerTable::classicCard() const {
    GameState g = match_.state();
    chooseComputerCard(g);
    return g.cardToPlay;
}

// With the host away the deals go on; once the match is over, the table ends.
Command ServerTable::commandForAway() const {
    return match_.state().menus.continueEnabled ? Command::Continue : Command::Quit;
}

// ---- the waits of the seats

void ServerTable::sendAsk() {
    sendViews();
    send(askedSeat_, net::writeMessage(net::to_seat::kAsk, {{QStringLiteral("what"),
                                                             askName(static_cast<int>(asked_))}}));
}

Task<DeckInput> ServerTable::drawWait(Byte seat) {
    if (!awaited(seat)) {
        co_await pause(1);
        co_return DeckInput::Draw;
    }
    asked_ = Ask::Draw;
    askedSeat_ = seat;
    sendAsk();
    co_return co_await draw_.wait();
}

Task<Byte> ServerTable::cardWait(Byte seat) {
    if (!awaited(seat)) co_return classicCard();
    asked_ = Ask::Card;
    askedSeat_ = seat;
    sendAsk();
    co_return co_await card_.wait();
}

Task<int> ServerTable::signalWait(Byte seat) {
    if (!awaited(seat)) co_return kNoSignalChosen;
    asked_ = Ask::Signal;
    askedSeat_ = seat;
    sendAsk();
    co_return co_await signal_.wait();
}

Task<Command> ServerTable::commandWait(Byte seat) {
    if (!awaited(seat)) {
        co_await pause(1);
        co_return commandForAway();
    }
    asked_ = Ask::Command;
    askedSeat_ = seat;
    sendAsk();
    co_return co_await command_.wait();
}

Wait<DeckInput> ServerTable::deckInput() {
    return drawWait(match_.state().turnSeat);
}

Wait<Byte> ServerTable::humanCard() {
    return cardWait(match_.state().turnSeat);
}

Wait<int> ServerTable::signalChoice() {
    return signalWait(match_.state().turnSeat);
}

Wait<Command> ServerTable::command() {
    return commandWait(kHostSeat);
}

// ---- the table's clock

Task<> ServerTable::pause(double units) {
    const int ms =
        front_.replaying()
            ? 0
            : static_cast<int>(delayMs(units, match_.state().playRate) * pace_.delayScale);
    if (ms > 0) co_await TimerAwaiter(&context_, ms);
}

Wait<> ServerTable::delay(double units) {
    if (pace_.delayScale <= 0 || front_.replaying()) return {};
    return pause(units);
}

Task<> ServerTable::thinking(int ms, std::function<void()> think) {
    QFuture<void> thought = QtConcurrent::run(std::move(think));
    if (ms > 0) co_await TimerAwaiter(&context_, ms);
    co_await FutureAwaiter(&context_, std::move(thought));
}

Wait<> ServerTable::thinkDuring(double units, std::function<void()> think) {
    const int ms = static_cast<int>(delayMs(units, match_.state().playRate) * pace_.delayScale);
    return thinking(ms, std::move(think));
}

// No box waits for an OK: the seats are told, and the table pauses a unit.
Wait<> ServerTable::showMessage(const TableMessage& message) {
    show("message", {{QStringLiteral("kind"), static_cast<int>(message.kind)},
                     {QStringLiteral("suit"), message.suit}});
    return delay(1);
}

Wait<> ServerTable::cardToTable(Byte seat, Byte card, Byte shownSignal, bool pauseAfter) {
    show("to-table", {{QStringLiteral("seat"), seat},
                      {QStringLiteral("card"), card},
                      {QStringLiteral("signal"), shownSignal},
                      {QStringLiteral("pause"), pauseAfter}});
    double units = kSlideUnits;
    if (shownSignal != kNoSignal) units += kSignalMovementUnits;
    if (pauseAfter) units += kPauseAfterSignalUnits;
    return delay(units);
}

Wait<> ServerTable::dealPacket(Byte seat, const Hand& packet) {
    show("packet", {{QStringLiteral("seat"), seat}}, 0, seat);
    show("packet", {{QStringLiteral("seat"), seat}, {QStringLiteral("cards"), cardList(packet)}},
         seat);
    return delay(kCardsPerPacket * kDealtCardUnits);
}

Wait<> ServerTable::cardPlayed(Byte seat, Byte card, const Hand& hand, Byte shownSignal,
                               bool pauseAfter) {
    cardToStart(seat, card, hand);
    playSound(Sound::Card);
    return cardToTable(seat, card, shownSignal, pauseAfter);
}

Wait<> ServerTable::gatherTrick(const GatheredTrick& trick) {
    QJsonArray cards;
    for (const Byte card : trick.strongestFirst) cards.append(card);
    show("gather", {{QStringLiteral("winner"), trick.winner},
                    {QStringLiteral("card"), trick.winnerCard},
                    {QStringLiteral("cards"), cards}});
    return delay(kGatherPauseUnits + 5 * kSlideUnits + kSqueezeUnits);
}

// ---- what every seat is shown

void ServerTable::clearDrawing() {
    show("clear", {});
}

void ServerTable::drawNames(const std::array<std::string, 4>& names, Byte turnSeat) {
    QJsonArray list;
    for (const std::string& name : names) list.append(QString::fromStdString(name));
    show("names", {{QStringLiteral("names"), list}, {QStringLiteral("turn"), turnSeat}});
}

void ServerTable::showDeck(bool shown) {
    show("deck", {{QStringLiteral("shown"), shown}});
}

void ServerTable::parkAllCards() {
    show("park-all", {});
}

void ServerTable::parkCard(Byte card, Parking where) {
    show("park", {{QStringLiteral("card"), card},
                  {QStringLiteral("afterTrick"), where == Parking::AfterTrick}});
}

void ServerTable::showDrawnCard(Byte seat, Byte card) {
    show("drawn", {{QStringLiteral("seat"), seat}, {QStringLiteral("card"), card}});
}

void ServerTable::layOutHand(Byte seat, const Hand& hand) {
    show("hand", {{QStringLiteral("cards"), cardList(hand)}}, seat);
}

void ServerTable::cardToStart(Byte seat, Byte card, const Hand& hand) {
    show("to-start", {{QStringLiteral("seat"), seat},
                      {QStringLiteral("card"), card},
                      {QStringLiteral("held"), heldSlots(hand)}});
}

void ServerTable::showDeclaration(Byte seat, const ShownDeclarations& shown) {
    QJsonArray items;
    for (const Declaration& d : shown)
        items.append(QJsonArray{static_cast<int>(d.kind), d.value, d.suit});
    show("declaration", {{QStringLiteral("seat"), seat}, {QStringLiteral("items"), items}});
}

void ServerTable::hideDeclarations() {
    show("hide-declarations", {});
}

void ServerTable::drawScoreSheet(const ScoreSheet& sheet) {
    QJsonArray names;
    for (const std::string& name : sheet.names) names.append(QString::fromStdString(name));
    show("score-sheet", {{QStringLiteral("names"), names},
                         {QStringLiteral("deal"), sheet.dealNumber},
                         {QStringLiteral("firstListed"), sheet.firstListed},
                         {QStringLiteral("earlierA"), intList(sheet.earlierA)},
                         {QStringLiteral("earlierB"), intList(sheet.earlierB)},
                         {QStringLiteral("lastTrickA"), sheet.lastTrickA},
                         {QStringLiteral("cardPoints"), intList(sheet.cardPoints)},
                         {QStringLiteral("declPoints"), intList(sheet.declPoints)},
                         {QStringLiteral("matchTotal"), intList(sheet.matchTotal)},
                         {QStringLiteral("gameOver"), sheet.gameOver}});
}

void ServerTable::playSound(Sound sound) {
    show("sound", {{QStringLiteral("sound"), static_cast<int>(sound)}});
}

// ---- sending

void ServerTable::send(Byte seat, const QByteArray& frame) {
    if (seat >= 1 && seat <= 4 && seats_[seat].connected && links_.send) links_.send(seat, frame);
}

// A movement for every connected person, or for `onlySeat` alone, or for all
// but `exceptSeat`. Nothing is
// shown while the run is played again from its record.
void ServerTable::show(const char* op, QJsonObject fields, Byte onlySeat, Byte exceptSeat) {
    if (front_.replaying()) return;
    fields.insert(QStringLiteral("op"), QLatin1String(op));
    const QByteArray frame = net::writeMessage(net::to_seat::kShow, fields);
    for (Byte s = 1; s <= 4; ++s)
        if ((onlySeat == 0 || onlySeat == s) && s != exceptSeat) send(s, frame);
    viewsChanged();
}

// The views are sent once the event loop turns, so a run of changes sends one.
void ServerTable::viewsChanged() {
    if (viewsDue_) return;
    viewsDue_ = true;
    QTimer::singleShot(0, &context_, [this] { sendViews(); });
}

void ServerTable::sendViews() {
    viewsDue_ = false;
    for (Byte s = 1; s <= 4; ++s)
        if (isPerson(s) && seats_[s].connected) sendView(s);
}

void ServerTable::sendView(Byte seat) {
    QByteArray frame = net::writeMessage(
        net::to_seat::kView, {{QStringLiteral("view"), net::seatViewJson(match_.view(seat))}});
    if (frame == lastView_[seat]) return;
    lastView_[seat] = frame;
    send(seat, frame);
}

// ---- the journal

QJsonObject ServerTable::seatsJson(bool withTokens) const {
    QJsonArray list;
    for (Byte s = 1; s <= 4; ++s) {
        QJsonObject seat{{QStringLiteral("seat"), s},
                         {QStringLiteral("person"), isPerson(s)},
                         {QStringLiteral("name"), QString::fromStdString(seats_[s].name)},
                         {QStringLiteral("taken"), !seats_[s].token.isEmpty()},
                         {QStringLiteral("connected"), seats_[s].connected}};
        if (withTokens) seat.insert(QStringLiteral("token"), seats_[s].token);
        list.append(seat);
    }
    return {{QStringLiteral("seats"), list}, {QStringLiteral("started"), started_}};
}

std::string ServerTable::recordText() const {
    return morvello::recordText(match_.record());
}

}  // namespace morvello::server
