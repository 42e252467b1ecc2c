#include "net/fingerprint.h"

#include <QCryptographicHash>
#include <QSslCertificate>

namespace morvello::net {
namespace {

constexpr qsizetype kFingerprintDigits = 64;  // 32 bytes of SHA-256

bool isHexDigit(QChar c) {
    return c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

}  // namespace

QString certificateFingerprint(const QSslCertificate& certificate) {
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex());
}

QString normalFingerprint(const QString& text) {
    QString digits = text.trimmed().toLower();
    digits.remove(QLatin1Char(':'));
    if (digits.size() != kFingerprintDigits) return {};
    for (const QChar c : digits)
        if (!isHexDigit(c)) return {};
    return digits;
}

}  // namespace morvello::net
