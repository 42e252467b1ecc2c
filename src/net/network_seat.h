// A seat at a server's table, seen from the player's side: it connects, hosts
// or joins a table, keeps the seat's view, hands each of the table's asks to
// whoever plays the seat, and comes back to its seat by itself when the
// connection drops, waiting a little longer after each failed try.
#pragma once

#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <optional>

#include "rules/seat_view.h"

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

    const QString& code() const { return code_; }
    int seat() const { return seat_; }
    const std::optional<SeatView>& view() const { return view_; }

    std::function<void()> onSeated;
    // The table waits for the seat: "draw", "card", "signal" or "command".
    std::function<void(const QString& what)> onAsk;
    std::function<void(const QJsonObject& seats)> onSeats;
    std::function<void(const QString& code, const QString& refused)> onError;
    // The seat's part is over: the table's run has ended, or the seat left.
    std::function<void()> onOver;
    // Every frame received, as it came.
    std::function<void(const QByteArray& frame)> onFrame;

  private:
    void open(const QString& path);
    void received(const QString& text);
    void dropped();
    void reconnect();

    QWebSocket* socket_;
    QUrl server_;
    QJsonObject first_;  // the message that seats the connection
    QString code_;
    QString token_;
    int seat_ = 0;
    bool finished_ = false;  // left, or the table is over: no coming back
    bool overTold_ = false;
    int backoffMs_ = 0;
    QTimer retry_;
    std::optional<SeatView> view_;
};

}  // namespace morvello::net
