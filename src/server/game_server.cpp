#include "server/game_server.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>
#include <algorithm>
#include <array>
#include <cstdio>

#include "match/json_trace.h"
#include "net/secrets.h"

namespace morvello::server {
namespace {

// A connection may send this many messages a second; more is a flood.
constexpr int kMessagesPerSecond = 50;
constexpr qint64 kSecondMs = 1000;
// Failed joins an address may make in a minute before it is refused for the rest of it.
constexpr int kTriesPerMinute = 10;
constexpr qint64 kMinuteMs = 60 * kSecondMs;
// Larger frames are not read at all; up to it, a message too big gets its error.
constexpr quint64 kLargestFrameRead = 64 * 1024;

qint64 nowMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

ShuffleEngine deckEngine(const std::optional<std::uint32_t>& seed, std::uint32_t tableNumber) {
    return ShuffleEngine(seed ? *seed + tableNumber : QRandomGenerator::system()->generate());
}

bool hasVersion(const net::Message& message) {
    return net::intField(message.body, "version", net::kProtocolVersion, net::kProtocolVersion)
        .has_value();
}

std::string nameOf(const net::Message& message) {
    return message.body.value(QLatin1String("name")).toString().toStdString();
}

std::optional<PersonSeats> seatsFromJson(const QJsonObject& json) {
    const QJsonArray list = json.value(QLatin1String("seats")).toArray();
    if (list.size() != 4) return std::nullopt;
    PersonSeats seats{};
    for (int i = 0; i < 4; ++i) {
        const QJsonObject seat = list[i].toObject();
        seats[static_cast<std::size_t>(i + 1)] = {
            seat.value(QLatin1String("name")).toString().toStdString(),
            seat.value(QLatin1String("token")).toString(), false};
    }
    return seats;
}

}  // namespace

struct GameServer::Connection {
    QWebSocket* socket = nullptr;
    QString address;
    QString code;  // of the table it is seated at
    Byte seat = 0;
    int messages = 0;  // in the second that began at secondStart
    qint64 secondStart = 0;
};

struct GameServer::Table {
    std::unique_ptr<ServerTable> table;
    std::array<Connection*, 5> seats{};  // [seat]: the connection holding it
    std::FILE* traceFile = nullptr;
    std::unique_ptr<JsonTrace> trace;

    ~Table() {
        table.reset();
        trace.reset();
        if (traceFile) std::fclose(traceFile);
    }

    void flushTrace() {
        if (!trace) return;
        trace->flush();
        std::fflush(traceFile);
    }
};

GameServer::GameServer(ServerOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options)) {}

GameServer::~GameServer() {
    for (auto& [socket, connection] : connections_) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    tables_.clear();
}

bool GameServer::start(QString& error) {
    if (!journal_.open(options_.journalPath, error)) return false;
    restoreTables();
    const bool secure = !options_.certificatePath.isEmpty() && !options_.keyPath.isEmpty();
    listener_ = new QWebSocketServer(
        QStringLiteral("morvello-server"),
        secure ? QWebSocketServer::SecureMode : QWebSocketServer::NonSecureMode, this);
    if (secure) {
        QFile certificate(options_.certificatePath), key(options_.keyPath);
        if (!certificate.open(QIODevice::ReadOnly) || !key.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot read the certificate or its key");
            return false;
        }
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(QSslCertificate(&certificate, QSsl::Pem));
        tls.setPrivateKey(QSslKey(&key, QSsl::Rsa, QSsl::Pem));
        if (tls.localCertificate().isNull() || tls.privateKey().isNull()) {
            error = QStringLiteral("the certificate or its key cannot be read");
            return false;
        }
        listener_->setSslConfiguration(tls);
    }
    if (!listener_->listen(options_.address, options_.port)) {
        error = listener_->errorString();
        return false;
    }
    connect(listener_, &QWebSocketServer::newConnection, this, &GameServer::accept);
    return true;
}

quint16 GameServer::port() const {
    return listener_ ? listener_->serverPort() : 0;
}

const ServerTable* GameServer::table(const QString& code) const {
    const auto found = tables_.find(code);
    return found == tables_.end() ? nullptr : found->second->table.get();
}

// ---- tables

GameServer::Table& GameServer::addTable(const QString& code, const TableSettings& settings) {
    auto added = std::make_unique<Table>();
    Table& table = *added;
    TableLinks links{
        [&table](Byte seat, const QByteArray& frame) {
            if (table.seats[seat])
                table.seats[seat]->socket->sendTextMessage(QString::fromUtf8(frame));
        },
        [this, &table] {
            journal_.saveSeats(table.table->code(), table.table->seatsJson(true));
            sendSeats(table);
        },
        [this, &table] { journal_.saveRecord(table.table->code(), table.table->recordText()); },
        [this, code] { tableOver(code); },
    };
    table.table =
        std::make_unique<ServerTable>(code, settings, options_.pace,
                                      deckEngine(options_.seed, tablesHosted_++), std::move(links));
    if (!options_.traceFolder.isEmpty()) {
        const QString path = QDir(options_.traceFolder).filePath(code + QStringLiteral(".jsonl"));
        table.traceFile = std::fopen(QFile::encodeName(path).constData(), "w");
        if (table.traceFile) {
            table.trace = std::make_unique<JsonTrace>(table.traceFile);
            table.table->addObserver(*table.trace);
        }
    }
    return *tables_.emplace(code, std::move(added)).first->second;
}

// Every table the journal holds under way, its run played again to where it stood.
void GameServer::restoreTables() {
    for (const JournalledTable& kept : journal_.openTables()) {
        const std::optional<TableSettings> settings = settingsFromJson(kept.settings);
        const std::optional<PersonSeats> seats = seatsFromJson(kept.seats);
        std::optional<MatchRecord> record;
        if (!kept.record.isEmpty()) record = readRecord(kept.record.toStdString()).record;
        if (!settings || !seats || (!kept.record.isEmpty() && !record)) {
            std::fprintf(stderr, "morvello-server: table %s cannot be brought back\n",
                         kept.code.toLocal8Bit().constData());
            journal_.tableOver(kept.code);
            continue;
        }
        addTable(kept.code, *settings).table->restore(*seats, std::move(record));
    }
}

void GameServer::tableOver(const QString& code) {
    const auto found = tables_.find(code);
    // The trace is whole on disk before the journal says the table is over: a
    // server killed in between would not bring the table back to write it again.
    if (found != tables_.end()) found->second->flushTrace();
    journal_.tableOver(code);
    if (found == tables_.end()) return;
    for (Connection* connection : found->second->seats)
        if (connection) connection->seat = 0;
    // The table is told from inside its own callbacks: it goes once they return.
    QTimer::singleShot(0, this, [this, code] { tables_.erase(code); });
}

void GameServer::sendSeats(Table& table) {
    const QByteArray frame = net::writeMessage(net::to_seat::kSeats, table.table->seatsJson(false));
    for (Connection* connection : table.seats)
        if (connection) connection->socket->sendTextMessage(QString::fromUtf8(frame));
}

// ---- connections

void GameServer::accept() {
    while (QWebSocket* socket = listener_->nextPendingConnection()) {
        socket->setMaxAllowedIncomingMessageSize(kLargestFrameRead);
        socket->setMaxAllowedIncomingFrameSize(kLargestFrameRead);
        auto connection = std::make_unique<Connection>();
        connection->socket = socket;
        connection->address = socket->peerAddress().toString();
        Connection& c = *connection;
        connections_.emplace(socket, std::move(connection));
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, &c](const QString& text) { receive(c, text.toUtf8()); });
        connect(socket, &QWebSocket::binaryMessageReceived, this,
                [this, &c](const QByteArray&) { refuse(c, net::errors::kNotJson, {}, true); });
        connect(socket, &QWebSocket::disconnected, this, [this, &c] { closed(c); });
    }
}

void GameServer::closed(Connection& connection) {
    QWebSocket* socket = connection.socket;
    if (connection.seat != 0) {
        const auto found = tables_.find(connection.code);
        if (found != tables_.end() && found->second->seats[connection.seat] == &connection) {
            found->second->seats[connection.seat] = nullptr;
            found->second->table->dropSeat(connection.seat);
        }
    }
    connections_.erase(socket);
    socket->deleteLater();
}

void GameServer::refuse(Connection& connection, const QString& code, const QString& refused,
                        bool close) {
    connection.socket->sendTextMessage(QString::fromUtf8(net::errorMessage(code, refused)));
    if (close) connection.socket->close(QWebSocketProtocol::CloseCodePolicyViolated, code);
}

void GameServer::receive(Connection& connection, const QByteArray& frame) {
    const qint64 now = nowMs();
    if (now - connection.secondStart >= kSecondMs) {
        connection.secondStart = now;
        connection.messages = 0;
    }
    if (++connection.messages > kMessagesPerSecond) {
        if (connection.messages == kMessagesPerSecond + 1)
            refuse(connection, net::errors::kFlood, {}, true);
        return;
    }
    const net::ReadMessage read = net::readMessage(frame);
    if (!read.message) {
        refuse(connection, read.error, {}, true);
        return;
    }
    const net::Message& message = *read.message;
    if (connection.seat == 0) {
        seatConnection(connection, message);
        return;
    }
    ServerTable& table = *tables_.at(connection.code)->table;
    QString error;
    if (message.type == QLatin1String(net::to_server::kLeave)) {
        tables_.at(connection.code)->seats[connection.seat] = nullptr;
        table.dropSeat(std::exchange(connection.seat, 0), true);
        connection.socket->close();
        return;
    }
    if (message.type == QLatin1String(net::to_server::kStart))
        error = table.start(connection.seat);
    else
        error = table.move(connection.seat, message);
    if (!error.isEmpty()) refuse(connection, error, message.type);
}

// The first message of a connection seats it: host, join or rejoin.
void GameServer::seatConnection(Connection& connection, const net::Message& message) {
    const QString& type = message.type;
    const bool seating = type == QLatin1String(net::to_server::kHost) ||
                         type == QLatin1String(net::to_server::kJoin) ||
                         type == QLatin1String(net::to_server::kRejoin);
    if (!seating) {
        refuse(connection, net::errors::kNotSeated, type);
        return;
    }
    if (!hasVersion(message)) {
        refuse(connection, net::errors::kWrongVersion, type);
        return;
    }
    if (type == QLatin1String(net::to_server::kHost)) {
        host(connection, message);
        return;
    }
    if (tooManyTries(connection)) {
        refuse(connection, net::errors::kTooManyTries, type);
        return;
    }
    if (type == QLatin1String(net::to_server::kJoin))
        join(connection, message);
    else
        rejoin(connection, message);
}

void GameServer::host(Connection& connection, const net::Message& message) {
    std::optional<TableSettings> settings = settingsFromJson(message.body);
    if (!settings) {
        refuse(connection, net::errors::kBadField, message.type);
        return;
    }
    const QString code = net::newJoinCode(options_.serverName);
    Table& table = addTable(code, *settings);
    const QString token = net::newSeatToken();
    Byte seat = 0;
    const QString error = table.table->seatPerson(kHostSeat, nameOf(message), token, seat);
    if (!error.isEmpty()) {
        tables_.erase(code);
        refuse(connection, error, message.type);
        return;
    }
    journal_.addTable(code, settingsJson(*settings), table.table->seatsJson(true));
    seated(connection, table, seat);
}

void GameServer::join(Connection& connection, const net::Message& message) {
    const QString code = message.body.value(QLatin1String("code")).toString();
    const auto found = tables_.find(code);
    if (found == tables_.end()) {
        failedTry(connection);
        refuse(connection, net::errors::kWrongCode, message.type);
        return;
    }
    const Byte wanted = static_cast<Byte>(net::intField(message.body, "seat", 1, 4).value_or(0));
    Byte seat = 0;
    const QString error =
        found->second->table->seatPerson(wanted, nameOf(message), net::newSeatToken(), seat);
    if (!error.isEmpty()) {
        refuse(connection, error, message.type);
        return;
    }
    seated(connection, *found->second, seat);
}

void GameServer::rejoin(Connection& connection, const net::Message& message) {
    const QString code = message.body.value(QLatin1String("code")).toString();
    const auto found = tables_.find(code);
    const QString token = message.body.value(QLatin1String("token")).toString();
    if (found == tables_.end() && heldSeatOfEndedTable(code, token)) {
        // The table ended while the seat was away, perhaps while the server
        // was down: the seat hears of it as if it had stayed.
        connection.socket->sendTextMessage(
            QString::fromUtf8(net::writeMessage(net::to_seat::kOver)));
        connection.socket->close();
        return;
    }
    const std::optional<Byte> seat =
        found == tables_.end() ? std::nullopt : found->second->table->seatOfToken(token);
    if (!seat) {
        failedTry(connection);
        refuse(connection,
               found == tables_.end() ? net::errors::kWrongCode : net::errors::kWrongToken,
               message.type);
        return;
    }
    Table& table = *found->second;
    if (Connection* before = table.seats[*seat]) {  // the seat's older connection gives way
        before->seat = 0;
        before->socket->close();
    }
    seated(connection, table, *seat);
}

// The connection holds the seat: it is told its code, seat and token, and the
// table sends it its view.
void GameServer::seated(Connection& connection, Table& table, Byte seat) {
    connection.code = table.table->code();
    connection.seat = seat;
    table.seats[seat] = &connection;
    connection.socket->sendTextMessage(QString::fromUtf8(net::writeMessage(
        net::to_seat::kSeated, {{QStringLiteral("code"), connection.code},
                                {QStringLiteral("seat"), seat},
                                {QStringLiteral("token"), table.table->seats()[seat].token}})));
    table.table->connectSeat(seat);
}

bool GameServer::heldSeatOfEndedTable(const QString& code, const QString& token) const {
    const std::optional<QJsonObject> kept = journal_.endedTableSeats(code);
    const std::optional<PersonSeats> seats = kept ? seatsFromJson(*kept) : std::nullopt;
    if (!seats || token.isEmpty()) return false;
    return std::any_of(seats->begin(), seats->end(),
                       [&token](const PersonSeat& seat) { return seat.token == token; });
}

bool GameServer::tooManyTries(const Connection& connection) const {
    const auto found = tries_.find(connection.address);
    return found != tries_.end() && nowMs() - found->second.second < kMinuteMs &&
           found->second.first >= kTriesPerMinute;
}

void GameServer::failedTry(const Connection& connection) {
    auto& [count, since] = tries_[connection.address];
    const qint64 now = nowMs();
    if (count == 0 || now - since >= kMinuteMs) {
        count = 0;
        since = now;
    }
    ++count;
}

}  // namespace morvello::server
