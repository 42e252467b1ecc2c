// The server over real WebSockets on the loopback, with its SQLite journal:
// frames that cannot be read and wrong codes or tokens are refused (and too
// many wrong ones, and floods), and four morvello-sim seats play a whole match
// through a server that is stopped mid-match and started again on its journal,
// a seat coming back after the end hearing that the table is over.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QWebSocket>
#include <fstream>
#include <sstream>

#include "common/replayed_trace.h"
#include "common/temp_folder.h"
#include "server/game_server.h"

using namespace morvello;
using namespace morvello::testing;

namespace {

// Turns the event loop until done() or the bound passes.
bool runUntil(const std::function<bool()>& done, int boundMs = 30000) {
    const QDeadlineTimer bound(boundMs);
    while (!done() && !bound.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// A raw connection: what it sends, and every message and the close it gets.
class Probe {
  public:
    explicit Probe(quint16 port) {
        QObject::connect(&socket_, &QWebSocket::textMessageReceived, [this](const QString& text) {
            replies_.push_back(QJsonDocument::fromJson(text.toUtf8()).object());
        });
        QObject::connect(&socket_, &QWebSocket::disconnected, [this] { closed_ = true; });
        socket_.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(port)));
        runUntil([this] { return socket_.state() == QAbstractSocket::ConnectedState; });
    }
    // Sends text and waits for the answer; its error code, or its type.
    std::string say(const QString& text) {
        const std::size_t before = replies_.size();
        socket_.sendTextMessage(text);
        const auto answer =
            [&]() -> const QJsonObject* {  // the seats and views the table sends are passed over
            for (std::size_t i = before; i < replies_.size(); ++i) {
                const QString type = replies_[i][QLatin1String("type")].toString();
                if (type == QLatin1String("error") || type == QLatin1String("seated") ||
                    type == QLatin1String("over"))
                    return &replies_[i];
            }
            return nullptr;
        };
        runUntil([&] { return answer() != nullptr; });
        if (!answer()) return "no answer";
        const QJsonObject& reply = *answer();
        if (reply[QLatin1String("type")] == QLatin1String("error"))
            return reply[QLatin1String("code")].toString().toStdString();
        return reply[QLatin1String("type")].toString().toStdString();
    }
    void send(const QString& text) { socket_.sendTextMessage(text); }
    bool closedAfterAWhile() {
        return runUntil([this] { return closed_; }, 5000);
    }
    const QJsonObject& first() const { return replies_.front(); }

  private:
    QWebSocket socket_;
    std::vector<QJsonObject> replies_;
    bool closed_ = false;
};

server::ServerOptions optionsIn(const TempFolder& folder, quint16 port = 0) {
    server::ServerOptions options;
    options.port = port;
    options.journalPath = QString::fromStdString((folder.path() / "tables.sqlite").string());
    options.traceFolder = QString::fromStdString(folder.path().string());
    options.pace.delayScale = 0.005;
    options.seed = 3;
    options.pace.rejoinGraceMs = 2000;
    return options;
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A column of the journal's row for the table of code.
QString journalled(const QString& journal, const QString& code, const char* column) {
    QString value;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        db.setDatabaseName(journal);
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        query.prepare(
            QStringLiteral("SELECT %1 FROM tables WHERE code = ?").arg(QLatin1String(column)));
        query.addBindValue(code);
        if (query.exec() && query.next()) value = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    return value;
}

}  // namespace

TEST(GameServer, FramesThatCannotBeReadAndWrongSecretsAreRefused) {
    TempFolder folder;
    server::GameServer server(optionsIn(folder));
    QString error;
    ASSERT_TRUE(server.start(error)) << error.toStdString();
    const quint16 port = server.port();

    Probe host(port);
    ASSERT_EQ(host.say(R"({"type":"host","version":1,"name":"Ann"})"), "seated");
    const QString code = host.first()[QLatin1String("code")].toString();
    const QString token = host.first()[QLatin1String("token")].toString();
    EXPECT_EQ(code.size(), 10);
    EXPECT_EQ(token.size(), 32);
    EXPECT_EQ(host.say(R"({"type":"card","card":3})"), "not-your-turn");

    Probe notJson(port);
    EXPECT_EQ(notJson.say(QStringLiteral("{card: 3")), "not-json");
    EXPECT_TRUE(notJson.closedAfterAWhile());
    Probe tooBig(port);
    EXPECT_EQ(
        tooBig.say(
            QStringLiteral(R"({"type":"join","pad":"%1"})").arg(QString(5000, QLatin1Char('x')))),
        "too-big");
    EXPECT_TRUE(tooBig.closedAfterAWhile());

    Probe stranger(port);
    EXPECT_EQ(stranger.say(R"({"type":"card","card":3})"), "not-seated");
    EXPECT_EQ(
        stranger.say(
            QStringLiteral(R"({"type":"join","version":2,"code":"%1","name":"Bo"})").arg(code)),
        "wrong-version");
    EXPECT_EQ(
        stranger.say(QStringLiteral(R"({"type":"rejoin","version":1,"code":"%1","token":"%2"})")
                         .arg(code, QString(32, QLatin1Char('0')))),
        "wrong-token");
    for (int i = 1; i < 10; ++i)
        EXPECT_EQ(stranger.say(R"({"type":"join","version":1,"code":"abcdefghij","name":"Bo"})"),
                  "wrong-code");
    // Ten wrong tries in a minute: the address is refused even the right code.
    EXPECT_EQ(
        stranger.say(
            QStringLiteral(R"({"type":"join","version":1,"code":"%1","name":"Bo"})").arg(code)),
        "too-many-tries");
    EXPECT_FALSE(server.table(code)->seats()[2].connected);

    for (int i = 0; i < 60; ++i) host.send(QStringLiteral(R"({"type":"draw"})"));
    EXPECT_TRUE(host.closedAfterAWhile());  // a flood
    ASSERT_TRUE(server.table(code));
    EXPECT_EQ(server.table(code)->seats()[1].token, token);  // the table is as it was
    EXPECT_FALSE(server.table(code)->started());
}

TEST(GameServer, FourSimSeatsPlayAMatchThroughAServerStartedAgainMidMatch) {
    TempFolder folder;
    auto server = std::make_unique<server::GameServer>(optionsIn(folder));
    QString error;
    ASSERT_TRUE(server->start(error)) << error.toStdString();
    const quint16 port = server->port();
    const QString url = QStringLiteral("ws://127.0.0.1:%1").arg(port);

    std::vector<std::unique_ptr<QProcess>> seats;
    auto sim = [&](QStringList args) {
        seats.push_back(std::make_unique<QProcess>());
        seats.back()->start(QStringLiteral(MORVELLO_SIM), QStringList{"--connect", url} + args);
        return seats.back().get();
    };
    QProcess* host = sim({"--host", "2,3,4", "--name", "Ann"});
    ASSERT_TRUE(runUntil([&] { return host->canReadLine(); }));
    const QString code =
        QString::fromUtf8(host->readLine()).split(QLatin1Char(' ')).last().trimmed();
    for (const char* name : {"Bo", "Cy", "Di"}) sim({"--code", code, "--name", name});
    ASSERT_TRUE(runUntil([&] {
        const server::ServerTable* table = server->table(code);
        return table && table->match().record().choices.size() >= 30;
    }));

    server.reset();  // stopped mid-match, and started again on its journal
    server = std::make_unique<server::GameServer>(optionsIn(folder, port));
    ASSERT_TRUE(server->start(error)) << error.toStdString();
    ASSERT_EQ(server->tableCount(), 1U);
    for (auto& seat : seats) {
        ASSERT_TRUE(runUntil([&] { return seat->state() == QProcess::NotRunning; }, 120000));
        EXPECT_EQ(seat->exitCode(), 0) << seat->readAllStandardError().toStdString();
    }
    const QString journal = optionsIn(folder).journalPath;
    const std::string record = journalled(journal, code, "record").toStdString();
    const std::string trace = fileText(folder.path() / (code.toStdString() + ".jsonl"));
    EXPECT_NE(trace.find("gameover"), std::string::npos);
    EXPECT_EQ(trace, replayed(*readRecord(record).record, -1));

    // A seat coming back once the table is over (its end may have come while
    // the seat was away) hears so, however often: no failed try of its address.
    const QJsonObject seatsJson =
        QJsonDocument::fromJson(journalled(journal, code, "seats").toUtf8()).object();
    const QString token = seatsJson[QLatin1String("seats")][1][QLatin1String("token")].toString();
    for (int i = 0; i < 10; ++i) {
        Probe late(port);
        EXPECT_EQ(
            late.say(QStringLiteral(R"({"type":"rejoin","version":1,"code":"%1","token":"%2"})")
                         .arg(code, token)),
            "over");
        EXPECT_TRUE(late.closedAfterAWhile());
    }
    Probe stranger(port);
    EXPECT_EQ(stranger.say(R"({"type":"join","version":1,"code":"abcdefghij","name":"Bo"})"),
              "wrong-code");
}
