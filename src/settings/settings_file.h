// A small settings file of "[section]" and "key=value" lines (window.ini,
// view.ini, players.ini) kept through the files module: read once, bounded,
// only from a regular file; each change rewrites it whole, keeping the keys a
// newer version wrote. A file that cannot be read leaves the defaults; one
// that cannot be saved keeps what it held; either is said once on stderr.
#pragma once

#include <QString>
#include <optional>

#include "settings/ini_text.h"

namespace morvello {

class SettingsFile {
  public:
    // Reads the file, after removing what interrupted saves left beside it. An
    // empty path keeps nothing.
    explicit SettingsFile(QString path);

    std::optional<QString> value(const QString& key) const;
    // Stores the value and saves the file; false when it could not be saved.
    bool setValue(const QString& key, const QString& value);

    const QString& path() const { return path_; }

  private:
    QString path_;
    IniText text_;
};

}  // namespace morvello
