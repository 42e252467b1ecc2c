#include "settings/settings_file.h"

#include "settings/kept_file_notice.h"

namespace morvello {
namespace {

// A settings file holds a few short lines.
constexpr files::ReadBound kSettingsBound{64 * 1024, 4 * 1024};

}  // namespace

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {
    if (path_.isEmpty()) return;
    files::removeLeftovers(filePath(path_));
    text_ = IniText(readAndSay(path_, kSettingsBound).text);
}

std::optional<QString> SettingsFile::value(const QString& key) const {
    const auto held = text_.value(key.toStdString());
    if (!held) return std::nullopt;
    return QString::fromStdString(*held);
}

bool SettingsFile::setValue(const QString& key, const QString& value) {
    text_.setValue(key.toStdString(), value.toStdString());
    if (path_.isEmpty()) return false;
    const files::SaveResult saved = files::replaceKeptFile(filePath(path_), text_.text());
    if (!saved) sayOnce(notSavedReason(path_, saved));
    return static_cast<bool>(saved);
}

}  // namespace morvello
