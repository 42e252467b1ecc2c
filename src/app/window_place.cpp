#include "app/window_place.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QWidget>

#include "settings/settings_file.h"

namespace morvello {
namespace {

// QWidget::saveGeometry's bytes, in base64.
const QString kGeometryKey = QStringLiteral("window/geometry");
constexpr const char* kFileName = "window.ini";

// The geometry as earlier versions wrote it, in the toolkit's own escaped form
// ("@ByteArray(...)"): decoded by the toolkit's reader from a private copy of
// the one line, so a place kept before this version comes back once more.
QByteArray earlierGeometry(const QString& stored) {
    QTemporaryFile copy;
    if (!copy.open()) return {};
    copy.write("[window]\ngeometry=" + stored.toLatin1() + "\n");
    copy.close();
    return QSettings(copy.fileName(), QSettings::IniFormat).value(kGeometryKey).toByteArray();
}

QByteArray storedGeometry(const QString& stored) {
    if (stored.startsWith(QStringLiteral("@ByteArray("))) return earlierGeometry(stored);
    const auto geometry =
        QByteArray::fromBase64Encoding(stored.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return geometry ? geometry.decoded : QByteArray();
}

}  // namespace

WindowPlace::WindowPlace(QString file) : file_(std::move(file)) {}

WindowPlace WindowPlace::forThisUser() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return WindowPlace(QDir(folder).filePath(kFileName));
}

bool WindowPlace::restore(QWidget& window) const {
    const std::optional<QString> stored = SettingsFile(file_).value(kGeometryKey);
    if (!stored) return false;
    const QByteArray geometry = storedGeometry(*stored);
    return !geometry.isEmpty() && window.restoreGeometry(geometry);
}

bool WindowPlace::save(const QWidget& window) const {
    return SettingsFile(file_).setValue(kGeometryKey,
                                        QString::fromLatin1(window.saveGeometry().toBase64()));
}

}  // namespace morvello
