#include "app/window_place.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace morvello {
namespace {

constexpr const char* kGeometryKey = "window/geometry";
constexpr const char* kFileName = "window.ini";

}  // namespace

WindowPlace::WindowPlace(QString file) : file_(std::move(file)) {}

WindowPlace WindowPlace::forThisUser() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return WindowPlace(QDir(folder).filePath(kFileName));
}

bool WindowPlace::restore(QWidget& window) const {
    const QSettings settings(file_, QSettings::IniFormat);
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
    return !geometry.isEmpty() && window.restoreGeometry(geometry);
}

bool WindowPlace::save(const QWidget& window) const {
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(kGeometryKey, window.saveGeometry());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace morvello
