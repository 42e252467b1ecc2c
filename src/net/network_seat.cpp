#include "net/network_seat.h"

#include <QSslCertificate>
#include <QSslError>
#include <QWebSocket>

#include "net/fingerprint.h"
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
    connect(socket_, &QWebSocket::disconnected, this, &NetworkSeat::closed);
    connect(socket_, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            &NetworkSeat::failed);
    connect(socket_, &QWebSocket::sslErrors, this, &NetworkSeat::checkCertificate);
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
    if (QLatin1String(type) == QLatin1String(to_server::kLeave)) finished_ = left_ = true;
    socket_->sendTextMessage(QString::fromUtf8(writeMessage(type, body)));
}

void NetworkSeat::trustFingerprint(const QString& fingerprint) {
    const QString normal = normalFingerprint(fingerprint);
    if (!normal.isEmpty()) trusted_.insert(normal);
}

// The errors of a certificate the system does not trust are ignored when the
// certificate itself is trusted, by fingerprint or by the person's answer.
void NetworkSeat::checkCertificate(const QList<QSslError>& errors) {
    const QSslCertificate certificate = socket_->sslConfiguration().peerCertificate();
    if (certificate.isNull()) return;
    const QString fingerprint = certificateFingerprint(certificate);
    if (!trusted_.contains(fingerprint)) {
        if (!onUntrustedCertificate || !onUntrustedCertificate(fingerprint)) return;
        trusted_.insert(fingerprint);
    }
    socket_->ignoreSslErrors(errors);
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
        if (onOver) onOver();
    }
}

void NetworkSeat::closed() {
    if (!left_) {
        dropped();
        return;
    }
    if (onLeft) onLeft();
}

// A seat that was seated comes back by itself, unless it left or the table is over.
void NetworkSeat::dropped() {
    if (finished_ || token_.isEmpty() || retry_.isActive()) return;
    backoffMs_ = backoffMs_ == 0 ? kFirstBackoffMs : std::min(backoffMs_ * 2, kLongestBackoffMs);
    retry_.start(backoffMs_);
}

// A seat not yet seated has nothing to come back to: the failure is told.
void NetworkSeat::failed() {
    if (!token_.isEmpty()) {
        dropped();
        return;
    }
    if (onUnreachable) onUnreachable(socket_->errorString());
}

void NetworkSeat::reconnect() {
    open(QStringLiteral("/table/") + code_);
}

}  // namespace morvello::net
