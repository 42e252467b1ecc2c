#include "net/network_seat.h"

#include <QWebSocket>
#include <utility>

#include "net/protocol.h"
#include "net/seat_view_json.h"

namespace morvello::net {
namespace {

// The wait before the first try again, doubled after each failure up to the last.
constexpr int kFirstBackoffMs = 250;
constexpr int kLongestBackoffMs = 8000;

}  // namespace

NetworkSeat::NetworkSeat(QObject* parent)
    : QObject(parent), socket_(new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this)) {
    socket_->setMaxAllowedIncomingMessageSize(kMaxMessageBytes);
    connect(socket_, &QWebSocket::textMessageReceived, this, &NetworkSeat::received);
    connect(socket_, &QWebSocket::connected, this, [this] {
        socket_->sendTextMessage(QString::fromUtf8(writeMessage(
            first_.value(QLatin1String("type")).toString().toLatin1().constData(), first_)));
    });
    connect(socket_, &QWebSocket::disconnected, this, &NetworkSeat::dropped);
    connect(socket_, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            &NetworkSeat::dropped);
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &NetworkSeat::reconnect);
}

NetworkSeat::~NetworkSeat() {
    socket_->disconnect(this);
}

// Each table is reached at a path of its own (the host's at /host), so that a
// proxy can send it to the server holding it.
void NetworkSeat::open(const QString& path) {
    QUrl url = server_;
    QString base = url.path();
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    url.setPath(base + path);
    socket_->open(url);
}

void NetworkSeat::host(const QUrl& url, const QString& name, const QJsonObject& settings) {
    server_ = url;
    first_ = settings;
    first_.insert(QStringLiteral("type"), QLatin1String(to_server::kHost));
    first_.insert(QStringLiteral("version"), kProtocolVersion);
    first_.insert(QStringLiteral("name"), name);
    open(QStringLiteral("/host"));
}

void NetworkSeat::join(const QUrl& url, const QString& code, const QString& name, int seat) {
    server_ = url;
    first_ = {{QStringLiteral("type"), QLatin1String(to_server::kJoin)},
              {QStringLiteral("version"), kProtocolVersion},
              {QStringLiteral("code"), code},
              {QStringLiteral("name"), name}};
    if (seat != 0) first_.insert(QStringLiteral("seat"), seat);
    open(QStringLiteral("/table/") + code);
}

void NetworkSeat::send(const char* type, const QJsonObject& body) {
    if (QLatin1String(type) == QLatin1String(to_server::kLeave)) finished_ = true;
    socket_->sendTextMessage(QString::fromUtf8(writeMessage(type, body)));
}

void NetworkSeat::received(const QString& text) {
    const QByteArray frame = text.toUtf8();
    if (onFrame) onFrame(frame);
    const ReadMessage read = readMessage(frame);
    if (!read.message) return;
    const QString& type = read.message->type;
    const QJsonObject& body = read.message->body;
    if (type == QLatin1String(to_seat::kSeated)) {
        code_ = body.value(QLatin1String("code")).toString();
        token_ = body.value(QLatin1String("token")).toString();
        seat_ = body.value(QLatin1String("seat")).toInt();
        backoffMs_ = 0;
        // From now on the connection comes back to this seat.
        first_ = {{QStringLiteral("type"), QLatin1String(to_server::kRejoin)},
                  {QStringLiteral("version"), kProtocolVersion},
                  {QStringLiteral("code"), code_},
                  {QStringLiteral("token"), token_}};
        if (onSeated) onSeated();
    } else if (type == QLatin1String(to_seat::kView)) {
        view_ = seatViewFromJson(body.value(QLatin1String("view")).toObject());
    } else if (type == QLatin1String(to_seat::kAsk)) {
        if (onAsk) onAsk(body.value(QLatin1String("what")).toString());
    } else if (type == QLatin1String(to_seat::kSeats)) {
        if (onSeats) onSeats(body);
    } else if (type == QLatin1String(to_seat::kError)) {
        if (onError)
            onError(body.value(QLatin1String("code")).toString(),
                    body.value(QLatin1String("refused")).toString());
    } else if (type == QLatin1String(to_seat::kOver)) {
        finished_ = true;
        if (onOver && std::exchange(overTold_, true) == false) onOver();
    }
}

// A seat that was seated comes back by itself, unless it left or the table is over.
void NetworkSeat::dropped() {
    if (finished_) {
        if (onOver && std::exchange(overTold_, true) == false) onOver();
        return;
    }
    if (token_.isEmpty() || retry_.isActive()) return;
    backoffMs_ = backoffMs_ == 0 ? kFirstBackoffMs : std::min(backoffMs_ * 2, kLongestBackoffMs);
    retry_.start(backoffMs_);
}

void NetworkSeat::reconnect() {
    open(QStringLiteral("/table/") + code_);
}

}  // namespace morvello::net
