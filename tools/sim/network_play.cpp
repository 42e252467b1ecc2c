#include "network_play.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <cstdio>
#include <utility>

#include "match/expert_players.h"
#include "match/player_input.h"
#include "net/fingerprint.h"
#include "net/network_seat.h"
#include "net/protocol.h"
#include "players/hint.h"

namespace morvello::sim {
namespace {

// "2,4": seats 2 and 4 open to people, the other two played by the classic strategy.
std::optional<QJsonArray> openSeats(const std::string& list) {
    QJsonArray seats{QStringLiteral("classic"), QStringLiteral("classic"),
                     QStringLiteral("classic")};
    for (const QString& item : QString::fromStdString(list).split(QLatin1Char(','))) {
        bool ok = false;
        const int seat = item.toInt(&ok);
        if (!ok || seat < 2 || seat > 4) return std::nullopt;
        seats[seat - 2] = QStringLiteral("person");
    }
    return seats;
}

}  // namespace

bool everySeatTaken(const QJsonObject& seats) {
    for (const QJsonValue seat : seats.value(QLatin1String("seats")).toArray())
        if (seat[QLatin1String("person")].toBool() && !seat[QLatin1String("taken")].toBool())
            return false;
    return true;
}

void answerAsk(net::NetworkSeat& seat, const QString& what, bool expert) {
    const SeatView& view = *seat.view();
    if (what == QLatin1String("draw")) {
        seat.send(net::to_server::kDraw);
    } else if (what == QLatin1String("card")) {
        const Byte card = expert ? expertHintCard(view) : hintCard(view);
        seat.send(net::to_server::kCard, {{QStringLiteral("card"), card}});
    } else if (what == QLatin1String("signal")) {
        seat.send(net::to_server::kSignal, {{QStringLiteral("signal"), kNoSignalChosen}});
    } else if (view.menus.continueEnabled) {
        seat.send(net::to_server::kCommand,
                  {{QStringLiteral("command"), QStringLiteral("continue")}});
    } else {
        seat.send(net::to_server::kLeave);  // the match is over
    }
}

std::optional<NetworkPlay> parseNetworkPlay(const std::vector<std::string>& args,
                                            std::string& error) {
    NetworkPlay play;
    bool connect = false;
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        const std::string& flag = args[i];
        if (flag == "--expert") {
            play.expert = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = flag + " needs a value";
            break;
        }
        const std::string& value = args[++i];
        if (flag == "--connect") {
            connect = true;
            play.url = value;
        } else if (flag == "--code") {
            play.code = value;
        } else if (flag == "--host") {
            if (!openSeats(value)) error = "--host takes the open seats, from 2 to 4: 2,3,4";
            play.hostOpen = value;
        } else if (flag == "--seat") {
            play.seat = std::atoi(value.c_str());
            if (play.seat < 1 || play.seat > 4) error = "--seat takes a seat from 1 to 4";
        } else if (flag == "--name") {
            play.name = value;
        } else if (flag == "--trust") {
            if (net::normalFingerprint(QString::fromStdString(value)).isEmpty())
                error = "--trust takes a SHA-256 fingerprint: 64 hex digits, colons allowed";
            play.trusted.push_back(value);
        } else if (flag == "--target") {
            play.target = std::atoi(value.c_str());
            if (play.target != 21 && play.target != 31) error = "--target takes 21 or 31";
        } else {
            error = "with --connect, unknown argument " + flag;
        }
    }
    if (!connect) return std::nullopt;
    if (error.empty() && play.code.empty() == play.hostOpen.empty())
        error = "--connect takes either --code CODE or --host SEATS";
    return play;
}

int playAtTable(int argc, char** argv, const NetworkPlay& play) {
    QCoreApplication app(argc, argv);
    net::NetworkSeat seat;
    const bool hosting = !play.hostOpen.empty();
    int status = 0;
    bool codeShown = false;
    bool startSent = false;  // since the host was last seated
    seat.onSeated = [&] {
        if (!hosting) return;
        // Seated again, perhaps at a table a restart brought back before its
        // match began: the host starts it again once every seat is taken.
        startSent = false;
        if (std::exchange(codeShown, true)) return;
        std::printf("code %s\n", seat.code().toUtf8().constData());
        std::fflush(stdout);
    };
    seat.onSeats = [&](const QJsonObject& seats) {
        const bool started = seats.value(QLatin1String("started")).toBool();
        if (!hosting || startSent || started || !everySeatTaken(seats)) return;
        startSent = true;
        seat.send(net::to_server::kStart);
    };
    seat.onAsk = [&](const QString& what) { answerAsk(seat, what, play.expert); };
    seat.onError = [&](const QString& code, const QString& refused) {
        std::fprintf(stderr, "morvello-sim: the server refused %s: %s\n",
                     refused.toUtf8().constData(), code.toUtf8().constData());
        if (seat.seat() == 0) {  // not seated: nothing more to do
            status = 1;
            app.quit();
        }
    };
    seat.onOver = [&] { app.quit(); };
    seat.onLeft = [&] { app.quit(); };
    for (const std::string& fingerprint : play.trusted)
        seat.trustFingerprint(QString::fromStdString(fingerprint));
    seat.onUntrustedCertificate = [](const QString& fingerprint) {
        std::fprintf(stderr,
                     "morvello-sim: the server's certificate is not trusted: SHA-256 %s "
                     "(--trust it to play)\n",
                     fingerprint.toUtf8().constData());
        return false;
    };
    seat.onUnreachable = [&](const QString& reason) {
        std::fprintf(stderr, "morvello-sim: cannot reach the server: %s\n",
                     reason.toUtf8().constData());
        status = 1;
        app.quit();
    };
    const QUrl url(QString::fromStdString(play.url));
    const QString name = QString::fromStdString(play.name);
    if (hosting) {
        seat.host(url, name,
                  {{QStringLiteral("target"), play.target},
                   {QStringLiteral("seats"), *openSeats(play.hostOpen)}});
    } else {
        seat.join(url, QString::fromStdString(play.code), name, play.seat);
    }
    const int ended = app.exec();
    return status != 0 ? status : ended;
}

}  // namespace morvello::sim
