#include "net/protocol.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <cmath>

namespace morvello::net {

ReadMessage readMessage(const QByteArray& frame) {
    if (frame.size() > kMaxMessageBytes) return {std::nullopt, errors::kTooBig};
    QJsonParseError parsed{};
    const QJsonDocument document = QJsonDocument::fromJson(frame, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isObject())
        return {std::nullopt, errors::kNotJson};
    QJsonObject body = document.object();
    const QJsonValue type = body.value(QStringLiteral("type"));
    if (!type.isString()) return {std::nullopt, errors::kUnknownType};
    return {Message{type.toString(), std::move(body)}, {}};
}

QByteArray writeMessage(const char* type, QJsonObject body) {
    body.insert(QStringLiteral("type"), QString::fromLatin1(type));
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

QByteArray errorMessage(const QString& code, const QString& refused) {
    QJsonObject body{{QStringLiteral("code"), code}};
    if (!refused.isEmpty()) body.insert(QStringLiteral("refused"), refused);
    return writeMessage(to_seat::kError, body);
}

std::optional<int> intField(const QJsonObject& body, const char* name, int low, int high) {
    const QJsonValue value = body.value(QLatin1String(name));
    if (!value.isDouble()) return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < low || number > high) return std::nullopt;
    return static_cast<int>(number);
}

}  // namespace morvello::net
