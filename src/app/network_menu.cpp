#include "app/network_menu.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <utility>

#include "server/server_options.h"

namespace morvello {
namespace {

constexpr int kLowestPort = 1024;
constexpr int kHighestPort = 65535;
const char* const kSeatKinds[] = {"person", "classic", "expert"};

// Where a server's trusted certificate is kept: its host and port.
QString serverKey(const QUrl& url) {
    return QStringLiteral("servers/%1:%2").arg(url.host()).arg(url.port(server::kDefaultPort));
}

QDialogButtonBox* okCancel(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

NetworkMenu::NetworkMenu(QMenu& menu, Window window)
    : QObject(&menu), window_(std::move(window)), trusted_(window_.trustedServers) {
    host_ = menu.addAction(tr("&Host a table…"));
    join_ = menu.addAction(tr("&Join a table…"));
    leave_ = menu.addAction(tr("&Leave the table"));
    leave_->setEnabled(false);
    connect(host_, &QAction::triggered, this, [this] { askHost(); });
    connect(join_, &QAction::triggered, this, [this] { askJoin(); });
    connect(leave_, &QAction::triggered, this, [this] { leaveTable(); });
}

NetworkMenu::~NetworkMenu() {
    table_.reset();
}

// The host's choices: the port friends reach the game on, the match's points,
// and who plays each other seat.
void NetworkMenu::askHost() {
    QDialog dialog(window_.parent);
    dialog.setWindowTitle(tr("Host a table"));
    auto* form = new QFormLayout(&dialog);
    auto* port = new QSpinBox(&dialog);
    port->setRange(kLowestPort, kHighestPort);
    port->setValue(server::kDefaultPort);
    form->addRow(tr("Port:"), port);
    auto* target = new QComboBox(&dialog);
    // The Score menu's own words for the two matches.
    target->addItems({QCoreApplication::translate("GameWindow", "21 points"),
                      QCoreApplication::translate("GameWindow", "31 points")});
    form->addRow(tr("Match:"), target);
    // The Options menu's own words for the play rate and the declarations.
    auto* rate = new QComboBox(&dialog);
    rate->addItems({QCoreApplication::translate("GameWindow", "Low"),
                    QCoreApplication::translate("GameWindow", "Middle"),
                    QCoreApplication::translate("GameWindow", "High")});
    rate->setCurrentIndex(1);
    form->addRow(QCoreApplication::translate("GameWindow", "&Play rate"), rate);
    auto* declare = new QComboBox(&dialog);
    declare->addItems({QCoreApplication::translate("GameWindow", "Yes"),
                       QCoreApplication::translate("GameWindow", "No")});
    form->addRow(QCoreApplication::translate("GameWindow", "&Allow all to declare"), declare);
    std::array<QComboBox*, 3> seats{};
    for (int i = 0; i < 3; ++i) {
        seats[static_cast<std::size_t>(i)] = new QComboBox(&dialog);
        seats[static_cast<std::size_t>(i)]->addItems(
            {tr("Open to a person"), tr("Classic computer"), tr("Expert computer")});
        form->addRow(tr("Seat %1:").arg(i + 2), seats[static_cast<std::size_t>(i)]);
    }
    form->addRow(okCancel(dialog));
    if (dialog.exec() != QDialog::Accepted) return;
    QJsonArray kinds;
    for (QComboBox* seat : seats) kinds.append(QLatin1String(kSeatKinds[seat->currentIndex()]));
    hostTable(static_cast<quint16>(port->value()),
              {{QStringLiteral("target"), target->currentIndex() == 0 ? 21 : 31},
               {QStringLiteral("rate"), rate->currentIndex() + 1},
               {QStringLiteral("allowAllDeclare"), declare->currentIndex() == 0},
               {QStringLiteral("seats"), kinds}});
}

void NetworkMenu::askJoin() {
    QDialog dialog(window_.parent);
    dialog.setWindowTitle(tr("Join a table"));
    auto* form = new QFormLayout(&dialog);
    auto* address = new QLineEdit(QStringLiteral("ws://"), &dialog);
    form->addRow(tr("Address:"), address);
    auto* code = new QLineEdit(&dialog);
    form->addRow(tr("Code:"), code);
    form->addRow(okCancel(dialog));
    if (dialog.exec() != QDialog::Accepted) return;
    joinTable(QUrl(address->text().trimmed()), code->text().trimmed());
}

bool NetworkMenu::openTable() {
    if (table_) return false;
    window_.leaveOwnTable();
    table_ = std::make_unique<NetworkTable>(*window_.table, window_.delayScale, window_.playSound);
    tablePrinted_ = false;
    table_->onChanged = [this] { tableChanged(); };
    table_->onError = [this](const QString& code, const QString& what) { refused(code, what); };
    table_->onOver = [this] { tableOver(); };
    table_->onUnreachable = [this](const QString& reason) {
        QMessageBox::warning(window_.parent, QStringLiteral("Morvello"),
                             tr("The table cannot be reached: %1").arg(reason));
        leaveTable();
    };
    table_->onMatchOver = window_.matchOver;
    table_->onHostChose = [this](const QString& command) {
        window_.showStatus(hostChoice(command));
    };
    host_->setEnabled(false);
    join_->setEnabled(false);
    leave_->setEnabled(true);
    buildPanel();
    return true;
}

void NetworkMenu::hostTable(quint16 port, const QJsonObject& settings) {
    if (!openTable()) return;
    QString error;
    if (!table_->host(port, window_.playerName(), settings, error)) {
        leaveTable();
        QMessageBox::warning(window_.parent, QStringLiteral("Morvello"),
                             tr("The table cannot be hosted: %1").arg(error));
        return;
    }
}

// A server's certificate the system does not trust is asked about once; the
// answer "Yes" is kept for that server.
void NetworkMenu::joinTable(const QUrl& url, const QString& code) {
    if (!openTable()) return;
    const QString server = serverKey(url);
    if (const std::optional<QString> known = trusted_.value(server))
        table_->trustFingerprint(*known);
    table_->onUntrustedCertificate = [this, url](const QString& fingerprint) {
        return askTrust(url, fingerprint);
    };
    table_->join(url, code, window_.playerName());
}

bool NetworkMenu::askTrust(const QUrl& server, const QString& fingerprint) {
    const auto answer =
        QMessageBox::question(window_.parent, QStringLiteral("Morvello"),
                              tr("The server %1 shows a certificate this computer does not trust.\n"
                                 "Its SHA-256 fingerprint is:\n%2\n\n"
                                 "Play with this server, and trust its certificate from now on?")
                                  .arg(server.host(), fingerprint));
    if (answer != QMessageBox::Yes) return false;
    trusted_.setValue(serverKey(server), fingerprint);
    return true;
}

void NetworkMenu::leaveTable() {
    if (!table_) return;
    table_->leave();
    if (panel_) panel_->hide();
    // The table goes once the events that led here are over.
    QTimer::singleShot(0, this, [this] {
        table_.reset();
        host_->setEnabled(true);
        join_->setEnabled(true);
        leave_->setEnabled(false);
        window_.backToOwnTable();
    });
}

void NetworkMenu::tableOver() {
    if (window_.printTable) {
        std::printf("table over\n");
        std::fflush(stdout);
    }
    leaveTable();
}

void NetworkMenu::refused(const QString& code, const QString& what) {
    if (table_ && table_->seat() != 0) return;  // a move refused: the table asks again
    QMessageBox::warning(window_.parent, QStringLiteral("Morvello"),
                         tr("The server refused to seat you (%1).").arg(code));
    Q_UNUSED(what);
    leaveTable();
}

// ---- the panel

void NetworkMenu::buildPanel() {
    if (!panel_) {
        panel_ = new QDialog(window_.parent);
        panel_->setWindowTitle(tr("Table"));
        auto* layout = new QVBoxLayout(panel_);
        seatsLabel_ = new QLabel(panel_);
        seatsLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(seatsLabel_);
        startButton_ = new QPushButton(tr("&Start"), panel_);
        layout->addWidget(startButton_);
        connect(startButton_, &QPushButton::clicked, this, [this] {
            if (table_) table_->start();
        });
    }
    startButton_->setVisible(false);
    seatsLabel_->setText(tr("Connecting…"));
    panel_->show();
}

void NetworkMenu::tableChanged() {
    if (!table_) return;
    const QJsonObject& seats = table_->seats();
    const bool started = seats.value(QLatin1String("started")).toBool();
    bool filled = true;
    for (const QJsonValue seat : seats.value(QLatin1String("seats")).toArray())
        filled = filled &&
                 (!seat[QLatin1String("person")].toBool() || seat[QLatin1String("taken")].toBool());
    const bool canStart = table_->seat() == server::kHostSeat && !started && filled;
    if (panel_) {
        seatsLabel_->setText(seatsText());
        startButton_->setVisible(canStart);
    }
    if (canStart && window_.autoStart) table_->start();
    const bool seatedHost = table_->hosting() && table_->seat() == server::kHostSeat;
    if (window_.printTable && seatedHost && !std::exchange(tablePrinted_, true)) {
        std::printf("table ws://127.0.0.1:%u %s\n", table_->hostedPort(),
                    table_->code().toUtf8().constData());
        std::fflush(stdout);
    }
    window_.refreshMenus();
    if (started) window_.showStatus(statusText());
}

// "Code: k7m2…", then each seat: its number, who plays it, whether they are here.
QString NetworkMenu::seatsText() const {
    QStringList lines{tr("Code: %1").arg(table_->code())};
    for (const QJsonValue seat : table_->seats().value(QLatin1String("seats")).toArray()) {
        const int number = seat[QLatin1String("seat")].toInt();
        QString who = seat[QLatin1String("name")].toString();
        if (!seat[QLatin1String("person")].toBool())
            who = tr("a computer");
        else if (!seat[QLatin1String("taken")].toBool())
            who = tr("open");
        else if (!seat[QLatin1String("connected")].toBool())
            who = tr("%1 (away)").arg(who);
        const QString you = number == table_->seat() ? tr(" — you") : QString();
        lines << tr("Seat %1: %2%3").arg(number).arg(who, you);
    }
    return lines.join(QLatin1Char('\n'));
}

// The others are told what the host chose between deals.
QString NetworkMenu::hostChoice(const QString& command) const {
    if (command == QLatin1String("new-game")) return tr("The host chose New Game");
    if (command == QLatin1String("repeat")) return tr("The host chose to repeat the last hand");
    return tr("The host chose Continue");
}

// Whose turn it is, and who is away.
QString NetworkMenu::statusText() const {
    const SeatView view = table_->view();
    QStringList parts;
    if (view.turnSeat == table_->seat())
        parts << tr("Your turn");
    else if (view.turnSeat >= 1 && view.turnSeat <= 4)
        parts << tr("%1 to play").arg(QString::fromStdString(view.playerNames[view.turnSeat - 1u]));
    for (const QJsonValue seat : table_->seats().value(QLatin1String("seats")).toArray())
        if (seat[QLatin1String("taken")].toBool() && !seat[QLatin1String("connected")].toBool())
            parts << tr("%1 is away").arg(seat[QLatin1String("name")].toString());
    return parts.join(QStringLiteral(". "));
}

}  // namespace morvello
