// A server's certificate told by its SHA-256 fingerprint, the way a person
// checks it against what the server's keeper gave them.
#pragma once

#include <QString>

class QSslCertificate;

namespace morvello::net {

// The SHA-256 digest of the certificate's DER bytes, as 64 lowercase hex digits.
QString certificateFingerprint(const QSslCertificate& certificate);

// A fingerprint as a person writes it, with or without colons and in either
// case, as 64 lowercase hex digits; empty when it is not one.
QString normalFingerprint(const QString& text);

}  // namespace morvello::net
