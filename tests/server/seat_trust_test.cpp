// What this suite guards: a seat over TLS with a certificate its system does
// not trust. It asks once, by the certificate's SHA-256 fingerprint (the one
// openssl prints), plays on when trusted and comes back without asking again;
// it is refused, and says why, when not; a fingerprint told beforehand, as
// openssl writes it, is never asked about.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QTest>
#include <memory>

#include "net/fingerprint.h"
#include "net/network_seat.h"
#include "run_command.h"
#include "server/game_server.h"
#include "temp_folder.h"

namespace morvello {
namespace {

using server::GameServer;
using server::ServerOptions;
using testing::TempFolder;

constexpr int kWaitMs = 20000;  // a bound on each wait, never reached when all is well

QCoreApplication& qtCore() {
    static int argc = 1;
    static char name[] = "morvello-tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    return *app;
}

// A throwaway self-signed certificate and its key, and its fingerprint as
// openssl prints it ("AB:CD:..."); empty when there is no openssl.
struct Certificate {
    TempFolder folder;
    QString certificate = QString::fromStdString((folder.path() / "cert.pem").string());
    QString key = QString::fromStdString((folder.path() / "key.pem").string());
    QString printed;

    Certificate() {
        const std::string made = certificate.toStdString(), secret = key.toStdString();
        const testing::CommandRun run = testing::runCommand(
            "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=morvello-test "
            "-addext subjectAltName=IP:127.0.0.1 -keyout " +
            secret + " -out " + made +
            " 2>/dev/null && openssl x509 -noout -fingerprint -sha256 -in " + made);
        if (run.exitCode != 0 || run.out.empty()) return;
        const std::string& line = run.out.front();
        printed = QString::fromStdString(line.substr(line.find('=') + 1));
    }
};

class SeatTrust : public ::testing::Test {
  protected:
    static Certificate& certificate() {
        static Certificate made;
        return made;
    }

    void SetUp() override {
        qtCore();
        if (certificate().printed.isEmpty()) GTEST_SKIP() << "no openssl to make a certificate";
        startServer(0);
    }

    // A server over TLS with the certificate, on `port` (0: any free one).
    void startServer(quint16 port) {
        ServerOptions options;
        options.port = port;
        options.journalPath = QString::fromStdString((folder_.path() / "tables.sqlite").string());
        options.certificatePath = certificate().certificate;
        options.keyPath = certificate().key;
        options.pace.delayScale = 0;
        server_ = std::make_unique<GameServer>(options);
        QString error;
        ASSERT_TRUE(server_->start(error)) << error.toStdString();
        url_ = QUrl(QStringLiteral("wss://127.0.0.1:%1").arg(server_->port()));
    }

    // Hosts a table the computer plays but for the host; counts the seatings.
    void host() {
        seat_.onSeated = [this] { ++seatings_; };
        seat_.onUnreachable = [this](const QString& reason) { unreachable_ = reason; };
        seat_.host(url_, QStringLiteral("Host"),
                   {{QStringLiteral("seats"),
                     QJsonArray{QStringLiteral("classic"), QStringLiteral("classic"),
                                QStringLiteral("classic")}}});
    }

    bool seatedOrRefused(int seatings) {
        return QTest::qWaitFor([&] { return seatings_ >= seatings || !unreachable_.isEmpty(); },
                               kWaitMs);
    }

    TempFolder folder_;
    std::unique_ptr<GameServer> server_;
    QUrl url_;
    net::NetworkSeat seat_;
    int seatings_ = 0;
    QString unreachable_;
};

TEST_F(SeatTrust, AnUntrustedCertificateIsAskedAboutOnceAndPlayedWithOnceTrusted) {
    QStringList asked;
    seat_.onUntrustedCertificate = [&](const QString& fingerprint) {
        asked << fingerprint;
        return true;
    };
    host();
    ASSERT_TRUE(seatedOrRefused(1));
    EXPECT_EQ(unreachable_, QString());
    EXPECT_EQ(asked, QStringList{net::normalFingerprint(certificate().printed)});

    // The server goes and comes back on its port: the seat comes back to its
    // seat, the certificate trusted from the first time.
    const quint16 port = server_->port();
    server_.reset();
    startServer(port);
    ASSERT_TRUE(seatedOrRefused(2));
    EXPECT_EQ(unreachable_, QString());
    EXPECT_EQ(asked.size(), 1);
}

TEST_F(SeatTrust, ACertificateNotTrustedLeavesTheSeatUnseatedAndSaysWhy) {
    for (const bool withAnswer : {true, false}) {
        seat_.onUntrustedCertificate = nullptr;
        if (withAnswer) seat_.onUntrustedCertificate = [](const QString&) { return false; };
        unreachable_.clear();
        host();
        ASSERT_TRUE(seatedOrRefused(1));
        EXPECT_EQ(seatings_, 0);
        EXPECT_NE(unreachable_, QString()) << "with an answer: " << withAnswer;
    }
}

TEST_F(SeatTrust, AFingerprintToldAsOpensslPrintsItIsNotAskedAbout) {
    bool asked = false;
    seat_.onUntrustedCertificate = [&](const QString&) { return asked = true; };
    seat_.trustFingerprint(certificate().printed);
    host();
    ASSERT_TRUE(seatedOrRefused(1));
    EXPECT_EQ(seatings_, 1);
    EXPECT_FALSE(asked);
}

}  // namespace
}  // namespace morvello
