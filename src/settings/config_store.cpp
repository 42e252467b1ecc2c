#include "settings/config_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "settings/config_format.h"
#include "settings/config_location.h"

namespace morvello {
namespace {

// A real file is under 2 KB; anything much larger is not ours.
constexpr qint64 kMaxBytes = 1 << 20;

const QString kFileName = QString::fromLatin1(kConfigFileName.data(), kConfigFileName.size());

enum class Kind { Missing, Regular, Other };

// What stands at path, the link itself for a symbolic link.
Kind kindOf(const QString& path) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(QFile::encodeName(path).toStdString(), ec);
    if (status.type() == std::filesystem::file_type::not_found) return Kind::Missing;
    return status.type() == std::filesystem::file_type::regular ? Kind::Regular : Kind::Other;
}

// The bytes of a regular file; nothing when it cannot be opened. Only regular
// files are opened, so opening never waits.
std::optional<std::string> readBytes(const QString& path) {
    if (path.isEmpty() || kindOf(path) != Kind::Regular) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(kMaxBytes);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Writes through a temporary file in the same folder, renamed over the old file
// only when every byte was written.
bool saveAtomically(const QString& path, const std::string& bytes, QString& error) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = QStringLiteral("cannot create the folder");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        error = QStringLiteral("not every byte could be written: ") + std::strerror(errno);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

// An interrupted save's temporary file: the file's name, a dot and six letters
// or digits.
bool isTemporaryName(const QString& name) {
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(kFileName) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    return pattern.match(name).hasMatch();
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
    switch (kindOf(programFile())) {
        case Kind::Missing:
            return true;
        case Kind::Regular:
            return canRead(programFile()) && canWrite(programFile());
        case Kind::Other:
            return false;
    }
    return false;
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

void ConfigStore::tellOnce(const QString& message) const {
    if (told_.contains(message)) return;
    told_.insert(message);
    std::fprintf(stderr, "morvello: %s\n", qPrintable(message));
    std::fflush(stderr);
}

void ConfigStore::reportProgramFile() const {
    const QString file = programFile();
    const QString instead = writePath() == file
                                ? QStringLiteral("the settings are not saved")
                                : QStringLiteral("the settings are saved in ") + shown(writePath());
    const Kind kind = kindOf(file);
    if (kind == Kind::Other) {
        tellOnce(shown(file) + " is not a regular file, so it is neither read nor replaced; " +
                 instead);
    } else if (kind == Kind::Regular && !canRead(file)) {
        tellOnce("cannot read " + shown(file) + "; " + instead);
    } else if (kind == Kind::Regular && !canWrite(file) && QFileInfo(programDir_).isWritable()) {
        tellOnce("cannot write " + shown(file) + "; " + instead);
    }
}

void ConfigStore::removeStaleTemporaries() const {
    for (const QString& folder : {programDir_, userDir_}) {
        if (folder.isEmpty()) continue;
        const QDir dir(folder);
        const QStringList names =
            dir.entryList({kFileName + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
        for (const QString& name : names) {
            const QString path = dir.filePath(name);
            if (isTemporaryName(name) && kindOf(path) == Kind::Regular) QFile::remove(path);
        }
    }
}

void ConfigStore::readConfig(GameState& g, SoundChoices& sound) const {
    try {
        removeStaleTemporaries();
        reportProgramFile();
        parseConfig(readBytes(readPath()).value_or(std::string()), g, sound);
    } catch (const std::exception& e) {
        tellOnce(QStringLiteral("settings not read: ") + QString::fromLocal8Bit(e.what()));
        parseConfig({}, g, sound);
    }
}

bool ConfigStore::writeConfig(const GameState& g, const SoundChoices& sound) const {
    const QString path = writePath();
    if (kindOf(path) == Kind::Other) {
        tellOnce(shown(path) + " is not a regular file, so the settings are not saved");
        return false;
    }
    QString error;
    try {
        if (saveAtomically(path, formatConfig(g, sound), error)) return true;
    } catch (const std::exception& e) {
        error = QString::fromLocal8Bit(e.what());
    }
    tellOnce("settings not saved to " + shown(path) + " - " + error);
    return false;
}

}  // namespace morvello
