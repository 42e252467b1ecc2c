// The Network menu: hosting a table (a server started inside the game),
// joining one with its address and code, leaving it; and the panel that shows
// the table's code and who sits where. While the window is at a table of the
// network, the match on its own table waits, stopped, and starts again when
// the person leaves.
#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QObject>
#include <QUrl>
#include <functional>
#include <memory>

#include "app/network_table.h"
#include "settings/settings_file.h"

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

namespace morvello {

class NetworkMenu final : public QObject {
    Q_DECLARE_TR_FUNCTIONS(NetworkMenu)

  public:
    // What the menu needs of the window.
    struct Window {
        QWidget* parent = nullptr;
        QtTable* table = nullptr;
        double delayScale = 1;
        bool autoStart = false;   // the host starts once the seats are filled
        bool printTable = false;  // prints "table <address> <code>" and "table over"
        QString trustedServers;   // the settings file of the certificates trusted
        std::function<void(Sound)> playSound;
        std::function<QString()> playerName;
        std::function<void()> leaveOwnTable;  // the window's own match stops
        std::function<void()> backToOwnTable;
        std::function<void()> refreshMenus;
        std::function<void(const QString&)> showStatus;
        std::function<void(int scoreOption, bool won)> matchOver;  // for the statistics
    };

    NetworkMenu(QMenu& menu, Window window);
    ~NetworkMenu() override;

    bool active() const { return table_ != nullptr; }
    NetworkTable* table() { return table_.get(); }

    // Hosts a table on `port` with the host message's settings.
    void hostTable(quint16 port, const QJsonObject& settings);
    void joinTable(const QUrl& url, const QString& code);
    void leaveTable();

  private:
    void askHost();
    void askJoin();
    bool openTable();
    void tableChanged();
    void tableOver();
    void refused(const QString& code, const QString& refused);
    QString seatsText() const;
    QString statusText() const;
    QString hostChoice(const QString& command) const;
    void buildPanel();
    bool askTrust(const QUrl& server, const QString& fingerprint);

    Window window_;
    QAction* host_;
    QAction* join_;
    QAction* leave_;
    QDialog* panel_ = nullptr;
    QLabel* seatsLabel_ = nullptr;
    QPushButton* startButton_ = nullptr;
    std::unique_ptr<NetworkTable> table_;
    bool tablePrinted_ = false;  // the hosted table's address and code, once
    SettingsFile trusted_;
};

}  // namespace morvello
