#include "app/network_table.h"

#include <QJsonArray>

#include "net/protocol.h"
#include "rules/play_rules.h"

namespace morvello {
namespace {

// More movements than this waiting, and the window shows them at once until
// it has caught up with the table.
constexpr std::size_t kMostBehind = 6;

Byte byteOf(const QJsonObject& body, const char* name) {
    return static_cast<Byte>(body.value(QLatin1String(name)).toInt());
}

// The cards of a hand by slot; for another seat only which slots hold one.
Hand handOf(const QJsonArray& bySlot) {
    Hand hand{};
    for (int slot = 1; slot <= 10 && slot <= bySlot.size(); ++slot) {
        const QJsonValue v = bySlot[slot - 1];
        hand[static_cast<std::size_t>(slot)] =
            static_cast<Byte>(v.isBool() ? v.toBool() : v.toInt());
    }
    return hand;
}

template <std::size_t N>
std::array<int, N> intsOf(const QJsonValue& list) {
    std::array<int, N> values{};
    const QJsonArray array = list.toArray();
    for (std::size_t i = 0; i < N && i < static_cast<std::size_t>(array.size()); ++i)
        values[i] = array[static_cast<qsizetype>(i)].toInt();
    return values;
}

std::array<std::string, 4> namesOf(const QJsonValue& list) {
    std::array<std::string, 4> names{};
    const QJsonArray array = list.toArray();
    for (qsizetype i = 0; i < 4 && i < array.size(); ++i)
        names[static_cast<std::size_t>(i)] = array[i].toString().toStdString();
    return names;
}

ScoreSheet sheetOf(const QJsonObject& body) {
    ScoreSheet sheet;
    sheet.names = namesOf(body[QLatin1String("names")]);
    sheet.dealNumber = body[QLatin1String("deal")].toInt();
    sheet.firstListed = body[QLatin1String("firstListed")].toInt();
    sheet.earlierA = intsOf<kSheetHistoryRows>(body[QLatin1String("earlierA")]);
    sheet.earlierB = intsOf<kSheetHistoryRows>(body[QLatin1String("earlierB")]);
    sheet.lastTrickA = body[QLatin1String("lastTrickA")].toBool();
    sheet.cardPoints = intsOf<2>(body[QLatin1String("cardPoints")]);
    sheet.declPoints = intsOf<2>(body[QLatin1String("declPoints")]);
    sheet.matchTotal = intsOf<2>(body[QLatin1String("matchTotal")]);
    sheet.gameOver = body[QLatin1String("gameOver")].toBool();
    return sheet;
}

ShownDeclarations declarationsOf(const QJsonValue& list) {
    ShownDeclarations shown;
    for (const QJsonValue item : list.toArray()) {
        if (shown.count == static_cast<int>(shown.items.size())) break;
        const QJsonArray d = item.toArray();
        shown.items[static_cast<std::size_t>(shown.count++)] = {
            static_cast<Declaration::Kind>(d[0].toInt()), static_cast<Byte>(d[1].toInt()),
            static_cast<Byte>(d[2].toInt())};
    }
    return shown;
}

const char* commandName(Command command) {
    switch (command) {
        case Command::Continue:
            return "continue";
        case Command::NewGame:
            return "new-game";
        case Command::Replay:
            return "repeat";
        case Command::Quit:
            break;
    }
    return "";
}

}  // namespace

NetworkTable::NetworkTable(QtTable& table, double delayScale, std::function<void(Sound)> playSound)
    : table_(table), delayScale_(delayScale), playSound_(std::move(playSound)) {
    seat_.onFrame = [this](const QByteArray& frame) { received(frame); };
    seat_.onSeats = [this](const QJsonObject& seats) {
        seats_ = seats;
        if (onChanged) onChanged();
    };
    seat_.onSeated = [this] { turnTo(seat()); };
    seat_.onUntrustedCertificate = [this](const QString& fingerprint) {
        return onUntrustedCertificate && onUntrustedCertificate(fingerprint);
    };
    seat_.onUnreachable = [this](const QString& reason) {
        if (onUnreachable) onUnreachable(reason);
    };
    seat_.onError = [this](const QString& code, const QString& refused) {
        if (onError) onError(code, refused);
    };
    follower_ = follow();
    follower_.start();
}

NetworkTable::~NetworkTable() {
    follower_.reset();
    table_.setDelayScale(delayScale_);
}

bool NetworkTable::host(quint16 port, const QString& name, const QJsonObject& settings,
                        QString& error) {
    server::ServerOptions options;
    options.address = QHostAddress::Any;
    options.port = port;
    options.journalPath = QStringLiteral(":memory:");
    options.pace.delayScale = delayScale_;
    server_ = std::make_unique<server::GameServer>(options);
    if (!server_->start(error)) {
        server_.reset();
        return false;
    }
    seat_.host(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(server_->port())), name, settings);
    return true;
}

void NetworkTable::join(const QUrl& url, const QString& code, const QString& name) {
    seat_.join(url, code, name, 0);
}

void NetworkTable::start() {
    seat_.send(net::to_server::kStart);
}

void NetworkTable::leave() {
    seat_.send(net::to_server::kLeave);
}

// The window's table is turned so that this seat sits at its bottom.
void NetworkTable::turnTo(Byte seat) {
    table_.setViewer(seat);
    table_.watch([this](Byte) { return view(); });
    if (onChanged) onChanged();
}

SeatView NetworkTable::view() const {
    SeatView view = seat_.view().value_or(SeatView{});
    if (view.seat == 0) view.seat = seat();
    MenuState& m = view.menus;
    const bool host = seat() == server::kHostSeat;
    m.continueEnabled = host && m.continueEnabled;
    m.newGameEnabled = host && m.newGameEnabled;
    m.replayEnabled = host && m.replayEnabled;
    // The table's options are the host's, chosen when the table was made.
    m.personalizeEnabled = m.allowDeclareEnabled = m.scoreEnabled = m.playRateEnabled = false;
    return view;
}

bool NetworkTable::commandGiven(Command command) {
    return table_.commandGiven(command);
}

void NetworkTable::received(const QByteArray& frame) {
    const net::ReadMessage read = net::readMessage(frame);
    if (!read.message) return;
    const QString& type = read.message->type;
    if (type == QLatin1String(net::to_seat::kView)) {
        if (onChanged) onChanged();
        return;
    }
    const bool inTurn = type == QLatin1String(net::to_seat::kShow) ||
                        type == QLatin1String(net::to_seat::kAsk) ||
                        type == QLatin1String(net::to_seat::kOver);
    if (!inTurn) return;
    items_.push_back({type, read.message->body});
    arrived_.deliver(true);
}

// The movements and asks, one after the other, as they came; the table's end
// once every movement before it is shown.
Task<> NetworkTable::follow() {
    for (;;) {
        if (items_.empty()) co_await arrived_.wait();
        const Item item = std::move(items_.front());
        items_.pop_front();
        table_.setDelayScale(items_.size() > kMostBehind ? 0 : delayScale_);
        if (item.type == QLatin1String(net::to_seat::kShow)) {
            co_await show(item.body);
        } else if (item.type == QLatin1String(net::to_seat::kAsk)) {
            co_await answer(item.body.value(QLatin1String("what")).toString());
        } else if (onOver) {
            onOver();
            co_return;
        }
    }
}

Wait<> NetworkTable::show(const QJsonObject& body) {
    const QString op = body.value(QLatin1String("op")).toString();
    const Byte seat = byteOf(body, "seat"), card = byteOf(body, "card");
    const QJsonArray cards = body.value(QLatin1String("cards")).toArray();
    if (op == QLatin1String("names"))
        table_.drawNames(namesOf(body[QLatin1String("names")]), byteOf(body, "turn"));
    if (op == QLatin1String("deck")) table_.showDeck(body[QLatin1String("shown")].toBool());
    if (op == QLatin1String("clear")) table_.clearDrawing();
    if (op == QLatin1String("park-all")) table_.parkAllCards();
    if (op == QLatin1String("park"))
        table_.parkCard(card, body[QLatin1String("afterTrick")].toBool() ? Parking::AfterTrick
                                                                         : Parking::ForDeal);
    if (op == QLatin1String("drawn")) table_.showDrawnCard(seat, card);
    if (op == QLatin1String("hand")) table_.layOutHand(this->seat(), handOf(cards));
    if (op == QLatin1String("to-start"))
        table_.cardToStart(seat, card, handOf(body[QLatin1String("held")].toArray()));
    if (op == QLatin1String("declaration"))
        table_.showDeclaration(seat, declarationsOf(body[QLatin1String("items")]));
    if (op == QLatin1String("hide-declarations")) table_.hideDeclarations();
    if (op == QLatin1String("score-sheet")) scoreSheet(sheetOf(body));
    if (op == QLatin1String("command") && onHostChose)
        onHostChose(body[QLatin1String("command")].toString());
    if (op == QLatin1String("sound") && playSound_)
        playSound_(static_cast<Sound>(body[QLatin1String("sound")].toInt()));
    if (op == QLatin1String("packet")) {
        Hand packet{};
        for (int slot = 1; slot <= 10; ++slot)  // another seat's packet: backs only
            packet[static_cast<std::size_t>(slot)] =
                cards.isEmpty() ? 1 : static_cast<Byte>(cards[slot - 1].toInt());
        return table_.dealPacket(seat, packet);
    }
    if (op == QLatin1String("to-table"))
        return table_.cardToTable(seat, card, byteOf(body, "signal"),
                                  body[QLatin1String("pause")].toBool());
    if (op == QLatin1String("gather")) {
        GatheredTrick trick{byteOf(body, "winner"), card, {}};
        for (qsizetype i = 0; i < 4 && i < cards.size(); ++i)
            trick.strongestFirst[static_cast<std::size_t>(i)] = static_cast<Byte>(cards[i].toInt());
        return table_.gatherTrick(trick);
    }
    if (op == QLatin1String("message"))
        return table_.showMessage(
            {static_cast<TableMessage::Kind>(body[QLatin1String("kind")].toInt()),
             byteOf(body, "suit")});
    return {};
}

// The sheet drawn; at the match's end, whether this seat's couple won it.
void NetworkTable::scoreSheet(const ScoreSheet& sheet) {
    table_.drawScoreSheet(sheet);
    if (!sheet.gameOver || !onMatchOver) return;
    const int ours = seat() % 2 == 1 ? 0 : 1;  // seats 1 and 3 are the first couple
    onMatchOver(view().scoreOption, sheet.matchTotal[ours] > sheet.matchTotal[1 - ours]);
}

Task<> NetworkTable::answer(QString what) {
    if (what == QLatin1String("draw")) {
        while (co_await table_.deckInput() != DeckInput::Draw) {
        }
        seat_.send(net::to_server::kDraw);
    } else if (what == QLatin1String("card")) {
        co_await cardAnswer();
    } else if (what == QLatin1String("signal")) {
        const int signal = co_await table_.signalChoice();
        seat_.send(net::to_server::kSignal, {{QStringLiteral("signal"), signal}});
    } else if (what == QLatin1String("command")) {
        Command command = co_await table_.command();
        while (command == Command::Quit) command = co_await table_.command();
        seat_.send(net::to_server::kCommand,
                   {{QStringLiteral("command"), QLatin1String(commandName(command))}});
    }
}

// A card that may not be played is refused here, with the suit led, as the
// table would refuse it.
Task<> NetworkTable::cardAnswer() {
    for (;;) {
        const SeatView now = view();
        const Byte card = co_await table_.humanCard();
        if (!holdsUnplayed(now, card)) continue;
        if (isLegalPlay(now, card)) {
            seat_.send(net::to_server::kCard, {{QStringLiteral("card"), card}});
            co_return;
        }
        co_await table_.showMessage(
            {TableMessage::Kind::MustFollowSuit, static_cast<Byte>(leadSuitOf(stateSeenBy(now)))});
    }
}

}  // namespace morvello
