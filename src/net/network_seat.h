// A seat at a server's table, seen from the player's side: it connects, hosts
// or joins a table, keeps the seat's view, hands each of the table's asks to
// whoever plays the seat, and comes back to its seat by itself when the
// connection drops, waiting a little longer after each failed try. Over TLS
// it plays only with a server whose certificate the system trusts or whose
// fingerprint it was told to trust.
#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <optional>

#include "rules/seat_view.h"

class QSslError;
class QWebSocket;

namespace morvello::net {

class NetworkSeat final : public QObject {
  public:
    explicit NetworkSeat(QObject* parent = nullptr);
    ~NetworkSeat() override;

    // Hosts a table with `settings` (docs/protocol.md, "host") at the server of url.
    void host(const QUrl& url, const QString& name, const QJsonObject& settings);
    // Takes a seat at the table of `code`: `seat`, or the first open one when 0.
    void join(const QUrl& url, const QString& code, const QString& name, int seat);
    // Sends a message of the seat: a move, "start" or "leave".
    void send(const char* type, const QJsonObject& body = {});
    // A certificate the system does not trust is accepted when its SHA-256
    // fingerprint (net/fingerprint.h) is one of these.
    void trustFingerprint(const QString& fingerprint);

    const QString& code() const { return code_; }
    int seat() const { return seat_; }
    const std::optional<SeatView>& view() const { return view_; }

    std::function<void()> onSeated;
    // The table waits for the seat: "draw", "card", "signal" or "command".
    std::function<void(const QString& what)> onAsk;
    std::function<void(const QJsonObject& seats)> onSeats;
    std::function<void(const QString& code, const QString& refused)> onError;
    std::function<void()> onOver;  // the table's run has ended
    std::function<void()> onLeft;  // the seat left, and its connection is closed
    // Every frame received, as it came.
    std::function<void(const QByteArray& frame)> onFrame;
    // A certificate neither the system nor the seat trusts, by its fingerprint:
    // true trusts it from now on (the window asks the person once), false
    // refuses the connection. With no answer given, it is refused.
    std::function<bool(const QString& fingerprint)> onUntrustedCertificate;
    // The connection that was to seat it failed: the server is unreachable, is
    // not a table's server, or its certificate was refused.
    std::function<void(const QString& reason)> onUnreachable;

  private:
    void open(const QString& path);
    void received(const QString& text);
    void closed();
    void dropped();
    void failed();
    void reconnect();
    void checkCertificate(const QList<QSslError>& errors);

    QWebSocket* socket_;
    QUrl server_;
    QJsonObject first_;  // the message that seats the connection
    QString code_;
    QString token_;
    int seat_ = 0;
    bool finished_ = false;  // left, or the table is over: no coming back
    bool left_ = false;
    int backoffMs_ = 0;
    QTimer retry_;
    std::optional<SeatView> view_;
    QSet<QString> trusted_;  // fingerprints
};

}  // namespace morvello::net
