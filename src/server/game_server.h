// The server: many tables at once, each reached over WebSocket. It seats
// people with a table's code or their seat's token, hands each connection's
// messages to its table, refuses what cannot be read, and keeps the journal
// that brings the tables back after a restart.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>

#include "net/protocol.h"
#include "server/server_table.h"
#include "server/table_journal.h"

class QWebSocket;
class QWebSocketServer;

namespace morvello::server {

struct ServerOptions {
    QHostAddress address = QHostAddress::LocalHost;
    quint16 port = 0;  // 0: any free port
    QString journalPath;
    // With both, the server speaks TLS (wss://).
    QString certificatePath;
    QString keyPath;
    // The name each code begins with, so that a proxy in front of several
    // servers sends a table's connections to the server that holds it.
    QString serverName;
    TablePace pace;
    // The tables' decks drawn from this seed, the nth table's from seed + n.
    std::optional<std::uint32_t> seed;
    // Each table's events written there as JSON Lines, one file a table.
    QString traceFolder;
};

class GameServer final : public QObject {
  public:
    explicit GameServer(ServerOptions options, QObject* parent = nullptr);
    ~GameServer() override;

    // Opens the journal, brings its tables back and listens; false, with the
    // reason, when it cannot.
    bool start(QString& error);
    quint16 port() const;
    std::size_t tableCount() const { return tables_.size(); }
    const ServerTable* table(const QString& code) const;

  private:
    struct Connection;
    struct Table;

    void accept();
    void receive(Connection& connection, const QByteArray& frame);
    void closed(Connection& connection);
    void seatConnection(Connection& connection, const net::Message& message);
    void host(Connection& connection, const net::Message& message);
    void join(Connection& connection, const net::Message& message);
    void rejoin(Connection& connection, const net::Message& message);
    void seated(Connection& connection, Table& table, Byte seat);
    bool heldSeatOfEndedTable(const QString& code, const QString& token) const;
    bool tooManyTries(const Connection& connection) const;
    void failedTry(const Connection& connection);
    void refuse(Connection& connection, const QString& code, const QString& refused,
                bool close = false);

    Table& addTable(const QString& code, const TableSettings& settings);
    void restoreTables();
    void tableOver(const QString& code);
    void sendSeats(Table& table);

    ServerOptions options_;
    QWebSocketServer* listener_ = nullptr;
    TableJournal journal_;
    std::map<QString, std::unique_ptr<Table>> tables_;
    std::map<QWebSocket*, std::unique_ptr<Connection>> connections_;
    // Failed joins per address: how many in the current window, and when it began.
    std::map<QString, std::pair<int, qint64>> tries_;
    std::uint32_t tablesHosted_ = 0;
};

}  // namespace morvello::server
