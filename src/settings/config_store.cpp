#include "settings/config_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>
#include <string>

#include "settings/config_format.h"
#include "settings/config_location.h"
#include "settings/kept_file_notice.h"

namespace morvello {
namespace {

// A real file is under 2 KB; a line longer than a name box's name ever needs is
// cut, the lines after it still read.
constexpr files::ReadBound kConfigBound{64 * 1024, 1024};

const QString kFileName = QString::fromLatin1(kConfigFileName.data(), kConfigFileName.size());

files::FileState stateAt(const QString& path) {
    return files::stateAt(filePath(path));
}

// The text of a regular file; nothing when it cannot be read.
std::optional<std::string> readBytes(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    files::ReadResult read = files::readKeptFile(filePath(path), kConfigBound);
    if (read.state != files::FileState::Regular) return std::nullopt;
    return std::move(read.text);
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

ConfigStore::ConfigStore(QString programDir, QString userDir, AccessCheck access)
    : programDir_(std::move(programDir)),
      userDir_(std::move(userDir)),
      access_(access ? std::move(access)
                     : [](const QString&, QIODevice::OpenMode) { return true; }) {}

ConfigStore ConfigStore::forThisProgram() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    // An installed program has no folder of its own for the file: the user's is both.
    return ConfigStore(keepsConfigBesideProgram(program.toStdString()) ? program : user, user);
}

QString ConfigStore::programFile() const {
    return QDir(programDir_).filePath(kFileName);
}

QString ConfigStore::userFile() const {
    return QDir(userDir_).filePath(kFileName);
}

bool ConfigStore::canRead(const QString& path) const {
    return access_(path, QIODevice::ReadOnly) && readBytes(path).has_value();
}

bool ConfigStore::canWrite(const QString& path) const {
    return access_(path, QIODevice::WriteOnly) && QFileInfo(path).isWritable();
}

// The game saves beside the program unless that folder is read-only or holds a
// config.qvr it cannot read, write or replace.
bool ConfigStore::programFileUsable() const {
    const QFileInfo dir(programDir_);
    if (!dir.isDir() || !dir.isWritable()) return false;
    switch (stateAt(programFile())) {
        case files::FileState::Missing:
            return true;
        case files::FileState::Regular:
            return canRead(programFile()) && canWrite(programFile());
        default:
            return false;
    }
}

QString ConfigStore::writePath() const {
    return programFileUsable() || userDir_.isEmpty() ? programFile() : userFile();
}

QString ConfigStore::readPath() const {
    for (const QString& path : {writePath(), programFile()}) {
        if (canRead(path)) return path;
    }
    return !userDir_.isEmpty() && canRead(userFile()) ? userFile() : QString();
}

void ConfigStore::reportProgramFile() const {
    const QString file = programFile();
    const QString instead = writePath() == file
                                ? QStringLiteral("the settings are not saved")
                                : QStringLiteral("the settings are saved in ") + shown(writePath());
    const files::FileState state = stateAt(file);
    if (state == files::FileState::NotRegular) {
        sayOnce(shown(file) + " is not a regular file, so it is neither read nor replaced; " +
                instead);
    } else if (state == files::FileState::Unreadable ||
               (state == files::FileState::Regular && !canRead(file))) {
        sayOnce("cannot read " + shown(file) + "; " + instead);
    } else if (state == files::FileState::Regular && !canWrite(file) &&
               QFileInfo(programDir_).isWritable()) {
        sayOnce("cannot write " + shown(file) + "; " + instead);
    }
}

void ConfigStore::removeStaleTemporaries() const {
    for (const QString& folder : {programDir_, userDir_}) {
        if (!folder.isEmpty()) files::removeLeftovers(filePath(QDir(folder).filePath(kFileName)));
    }
}

void ConfigStore::readConfig(StoredGame& game, SoundChoices& sound) const {
    try {
        removeStaleTemporaries();
        reportProgramFile();
        parseConfig(readBytes(readPath()).value_or(std::string()), game, sound);
    } catch (const std::exception& e) {
        sayOnce(QStringLiteral("settings not read: ") + QString::fromLocal8Bit(e.what()));
        parseConfig({}, game, sound);
    }
}

bool ConfigStore::writeConfig(const StoredGame& game, const SoundChoices& sound) const {
    const QString path = writePath();
    files::SaveResult saved;
    try {
        saved = files::replaceKeptFile(filePath(path), formatConfig(game, sound));
    } catch (const std::exception& e) {
        sayOnce("settings not saved to " + shown(path) + " - " + QString::fromLocal8Bit(e.what()));
        return false;
    }
    if (!saved) sayOnce("settings not saved: " + notSavedReason(path, saved));
    return static_cast<bool>(saved);
}

}  // namespace morvello
