// The window's side of a table at a server: the table's movements shown on
// the window's table as the server tells them, turned to the person's seat,
// each at the table's pace (all at once while the window is behind), and the
// person's clicks sent back when the table waits for this seat. Hosting
// starts a server inside the game, so friends on the same network need
// nothing else.
#pragma once

#include <QJsonObject>
#include <QObject>
#include <QUrl>
#include <deque>
#include <functional>
#include <memory>

#include "net/network_seat.h"
#include "qt_waits/waits.h"
#include "server/game_server.h"
#include "table/qt_table.h"

namespace morvello {

class NetworkTable final : public QObject {
  public:
    NetworkTable(QtTable& table, double delayScale, std::function<void(Sound)> playSound);
    ~NetworkTable() override;

    // Hosts a table on a server started here on `port`: false, with why, when
    // it cannot listen there.
    bool host(quint16 port, const QString& name, const QJsonObject& settings, QString& error);
    void join(const QUrl& url, const QString& code, const QString& name);
    // A certificate the system does not trust, accepted by its fingerprint.
    void trustFingerprint(const QString& fingerprint) { seat_.trustFingerprint(fingerprint); }
    // The host starts the match once the seats are filled.
    void start();
    void leave();

    bool hosting() const { return server_ != nullptr; }
    // The port the server started here listens on; 0 when not hosting.
    quint16 hostedPort() const { return server_ ? server_->port() : 0; }
    const QString& code() const { return seat_.code(); }
    Byte seat() const { return static_cast<Byte>(seat_.seat()); }
    const QJsonObject& seats() const { return seats_; }
    // The seat's view, with the menus as this seat may use them.
    SeatView view() const;
    // A command of the Game menu, given when the table waits for the host's.
    bool commandGiven(Command command);

    std::function<void()> onChanged;  // the seats or the view changed
    // A certificate neither the system nor the seat trusts: true to play on.
    std::function<bool(const QString& fingerprint)> onUntrustedCertificate;
    // The connection that was to seat this seat failed, and why.
    std::function<void(const QString& reason)> onUnreachable;
    std::function<void(const QString& code, const QString& refused)> onError;
    std::function<void()> onOver;
    // What the host chose between deals: "continue", "new-game" or "repeat".
    std::function<void(const QString& command)> onHostChose;
    // The match at the table reached its end: to 21 or 31 points (scoreOption),
    // won or lost by this seat's couple.
    std::function<void(int scoreOption, bool won)> onMatchOver;

  private:
    struct Item {
        QString type;  // show, ask or over
        QJsonObject body;
    };

    void received(const QByteArray& frame);
    Task<> follow();
    Wait<> show(const QJsonObject& body);
    Task<> answer(QString what);
    Task<> cardAnswer();
    void scoreSheet(const ScoreSheet& sheet);
    void turnTo(Byte seat);

    QtTable& table_;
    double delayScale_;
    std::function<void(Sound)> playSound_;
    std::unique_ptr<server::GameServer> server_;
    net::NetworkSeat seat_;
    QJsonObject seats_;
    std::deque<Item> items_;
    InputSlot<bool> arrived_;
    Task<> follower_;
};

}  // namespace morvello
