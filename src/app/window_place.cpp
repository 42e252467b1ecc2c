#include "app/window_place.h"

#include <QDir>
#include <QStandardPaths>
#include <QWidget>

#include "settings/settings_file.h"

namespace morvello {
namespace {

// QWidget::saveGeometry's bytes, in base64.
const QString kGeometryKey = QStringLiteral("window/geometry");
constexpr const char* kFileName = "window.ini";

}  // namespace

WindowPlace::WindowPlace(QString file) : file_(std::move(file)) {}

WindowPlace WindowPlace::forThisUser() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return WindowPlace(QDir(folder).filePath(kFileName));
}

bool WindowPlace::restore(QWidget& window) const {
    const std::optional<QString> stored = SettingsFile(file_).value(kGeometryKey);
    if (!stored) return false;
    const auto geometry =
        QByteArray::fromBase64Encoding(stored->toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return geometry && !geometry.decoded.isEmpty() && window.restoreGeometry(geometry.decoded);
}

bool WindowPlace::save(const QWidget& window) const {
    return SettingsFile(file_).setValue(kGeometryKey,
                                        QString::fromLatin1(window.saveGeometry().toBase64()));
}

}  // namespace morvello
