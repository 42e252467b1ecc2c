// morvello-sim --connect: one seat of a server's table, played as a window
// would play it, by the hint's strategy or the Expert's.
#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace morvello::net {
class NetworkSeat;
}

namespace morvello::sim {

struct NetworkPlay {
    std::string url;
    std::string code;      // --code: the table to join
    std::string hostOpen;  // --host SEATS: host a table, these seats open to people
    int seat = 0;          // --seat: the seat wanted, or the first open one
    bool expert = false;   // --expert: the Expert's card rather than the hint's
    std::string name = "Sim";
    int target = 21;
    // --trust: SHA-256 fingerprints of certificates played with though the
    // system does not trust them.
    std::vector<std::string> trusted;
};

// The command line of a network seat, when it has --connect; the error is
// set when it cannot be read.
std::optional<NetworkPlay> parseNetworkPlay(const std::vector<std::string>& args,
                                            std::string& error);

// Whether every seat open to a person is taken, by a `seats` message.
bool everySeatTaken(const QJsonObject& seats);

// The seat's answer to the table's ask, `what` it waits for: the draw, the
// hint's card (the Expert's with `expert`), no signal, and Continue between
// deals or leaving once the match is over.
void answerAsk(net::NetworkSeat& seat, const QString& what, bool expert);

// Plays the seat until the table is over; the process's exit status.
int playAtTable(int argc, char** argv, const NetworkPlay& play);

}  // namespace morvello::sim
