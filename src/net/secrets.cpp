#include "net/secrets.h"

#include <QRandomGenerator>

namespace morvello::net {
namespace {

constexpr char kCodeLetters[] = "abcdefghijkmnpqrstuvwxyz23456789";  // 32: five bits each
constexpr int kCodeLength = 10;
constexpr int kTokenWords = 4;  // of 32 bits

}  // namespace

QString newJoinCode(const QString& serverName) {
    QRandomGenerator* random = QRandomGenerator::system();
    QString code = serverName.isEmpty() ? QString() : serverName + QLatin1Char('-');
    for (int i = 0; i < kCodeLength; ++i)
        code +=
            QLatin1Char(kCodeLetters[random->bounded(static_cast<int>(sizeof kCodeLetters - 1))]);
    return code;
}

QString newSeatToken() {
    QString token;
    for (int i = 0; i < kTokenWords; ++i)
        token += QStringLiteral("%1").arg(QRandomGenerator::system()->generate(), 8, 16,
                                          QLatin1Char('0'));
    return token;
}

}  // namespace morvello::net
