#include "server/table_settings.h"

#include <QJsonArray>

#include "net/protocol.h"

namespace morvello::server {
namespace {

constexpr int kTargets[] = {21, 31};  // by scoreOption

std::optional<PlayerKind> kindNamed(const QString& name) {
    if (name == QLatin1String("person")) return PlayerKind::Person;
    if (name == QLatin1String("classic")) return PlayerKind::Classic;
    if (name == QLatin1String("expert")) return PlayerKind::Expert;
    return std::nullopt;
}

QString kindName(PlayerKind kind) {
    switch (kind) {
        case PlayerKind::Person:
            return QStringLiteral("person");
        case PlayerKind::Classic:
            return QStringLiteral("classic");
        case PlayerKind::Expert:
            return QStringLiteral("expert");
    }
    return {};
}

}  // namespace

// {"target": 21|31, "allowAllDeclare": bool, "rate": 1..3,
//  "seats": [kind of seat 2, of seat 3, of seat 4]}; every field may be left out.
std::optional<TableSettings> settingsFromJson(const QJsonObject& host) {
    TableSettings settings;
    if (host.contains(QLatin1String("target"))) {
        const std::optional<int> target = net::intField(host, "target", kTargets[0], kTargets[1]);
        if (target != kTargets[0] && target != kTargets[1]) return std::nullopt;
        settings.scoreOption = target == kTargets[1] ? 1 : 0;
    }
    if (host.contains(QLatin1String("allowAllDeclare"))) {
        const QJsonValue all = host.value(QLatin1String("allowAllDeclare"));
        if (!all.isBool()) return std::nullopt;
        settings.allowAllDeclare = all.toBool() ? kAllDeclare : 0;
    }
    if (host.contains(QLatin1String("rate"))) {
        const std::optional<int> rate = net::intField(host, "rate", 1, 3);
        if (!rate) return std::nullopt;
        settings.playRate = static_cast<Byte>(*rate);
    }
    if (host.contains(QLatin1String("seats"))) {
        const QJsonArray seats = host.value(QLatin1String("seats")).toArray();
        if (seats.size() != 3) return std::nullopt;
        for (Byte seat = 2; seat <= 4; ++seat) {
            const std::optional<PlayerKind> kind = kindNamed(seats[seat - 2].toString());
            if (!kind) return std::nullopt;
            settings.seats[seat] = *kind;
        }
    }
    return settings;
}

QJsonObject settingsJson(const TableSettings& settings) {
    QJsonArray seats;
    for (Byte seat = 2; seat <= 4; ++seat) seats.append(kindName(settings.seats[seat]));
    return {{QStringLiteral("target"), kTargets[settings.scoreOption]},
            {QStringLiteral("allowAllDeclare"), settings.allowAllDeclare == kAllDeclare},
            {QStringLiteral("rate"), settings.playRate},
            {QStringLiteral("seats"), seats}};
}

}  // namespace morvello::server
