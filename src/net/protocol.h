// The wire between a table's server and the seats that play at it: JSON
// objects over WebSocket text frames, each naming its type. docs/protocol.md
// describes every message.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace morvello::net {

// The protocol's version: a peer sends it in its first message, and a server
// refuses any other.
inline constexpr int kProtocolVersion = 1;
// No message, either way, is longer than this.
inline constexpr qsizetype kMaxMessageBytes = 4096;

// Why a message was refused: the `error` message's code.
namespace errors {
inline constexpr char kTooBig[] = "too-big";
inline constexpr char kNotJson[] = "not-json";
inline constexpr char kUnknownType[] = "unknown-type";
inline constexpr char kBadField[] = "bad-field";
inline constexpr char kWrongVersion[] = "wrong-version";
inline constexpr char kWrongCode[] = "wrong-code";
inline constexpr char kWrongToken[] = "wrong-token";
inline constexpr char kTooManyTries[] = "too-many-tries";
inline constexpr char kSeatTaken[] = "seat-taken";
inline constexpr char kNoSeat[] = "no-seat";
inline constexpr char kNotSeated[] = "not-seated";
inline constexpr char kNotHost[] = "not-host";
inline constexpr char kNotReady[] = "not-ready";
inline constexpr char kNotYourTurn[] = "not-your-turn";
inline constexpr char kIllegalMove[] = "illegal-move";
inline constexpr char kFlood[] = "flood";
}  // namespace errors

// The types of message a seat sends.
namespace to_server {
inline constexpr char kHost[] = "host";
inline constexpr char kJoin[] = "join";
inline constexpr char kRejoin[] = "rejoin";
inline constexpr char kStart[] = "start";
inline constexpr char kDraw[] = "draw";
inline constexpr char kCard[] = "card";
inline constexpr char kSignal[] = "signal";
inline constexpr char kCommand[] = "command";
inline constexpr char kLeave[] = "leave";
}  // namespace to_server

// The types of message a server sends.
namespace to_seat {
inline constexpr char kSeated[] = "seated";
inline constexpr char kSeats[] = "seats";
inline constexpr char kView[] = "view";
inline constexpr char kShow[] = "show";
inline constexpr char kAsk[] = "ask";
inline constexpr char kError[] = "error";
inline constexpr char kOver[] = "over";
}  // namespace to_seat

// A message as read: its type and the whole object.
struct Message {
    QString type;
    QJsonObject body;
};

struct ReadMessage {
    std::optional<Message> message;
    QString error;  // one of errors:: when the message cannot be read
};

// Reads one frame: at most kMaxMessageBytes, a JSON object with a string `type`.
ReadMessage readMessage(const QByteArray& frame);

// The frame of a message: body with its `type`, compact.
QByteArray writeMessage(const char* type, QJsonObject body = {});

// An error message: the code, and what the refused message was.
QByteArray errorMessage(const QString& code, const QString& refused = {});

// An integer field within [low, high], or nothing.
std::optional<int> intField(const QJsonObject& body, const char* name, int low, int high);

}  // namespace morvello::net
