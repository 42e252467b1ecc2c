#include "settings/config_store.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <string>

#include "settings/config_format.h"
#include "settings/config_location.h"

namespace morvello {
namespace {

// A real file is under 2 KB; anything much larger is not ours.
constexpr qint64 kMaxBytes = 1 << 20;

const QString kFileName = QString::fromLatin1(kConfigFileName.data(), kConfigFileName.size());

std::string readBytes(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.read(kMaxBytes);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Writes through a temporary file in the same folder, renamed over the old file.
bool saveAtomically(const QString& path, const std::string& bytes, QString& error) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = QStringLiteral("cannot create the folder");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.commit()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

}  // namespace

ConfigStore::ConfigStore(QString programDir, QString userDir)
    : programDir_(std::move(programDir)), userDir_(std::move(userDir)) {}

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

bool ConfigStore::programDirWritable() const {
    const QFileInfo dir(programDir_);
    return dir.isDir() && dir.isWritable();
}

QString ConfigStore::writePath() const {
    return programDirWritable() || userDir_.isEmpty() ? programFile() : userFile();
}

QString ConfigStore::readPath() const {
    const QString written = writePath();
    if (QFileInfo::exists(written)) return written;
    for (const QString& path : {programFile(), userFile()}) {
        if (QFileInfo::exists(path)) return path;
    }
    return {};
}

void ConfigStore::Set_Read(GameState& g) const {
    try {
        parseConfig(readBytes(readPath()), g);
    } catch (const std::exception& e) {
        qWarning().noquote() << "Morvello: settings not read:" << e.what();
        parseConfig({}, g);
    }
}

bool ConfigStore::Set_Write(const GameState& g) const {
    const QString path = writePath();
    QString error;
    try {
        if (saveAtomically(path, formatConfig(g), error)) return true;
    } catch (const std::exception& e) {
        error = QString::fromLocal8Bit(e.what());
    }
    qWarning().noquote() << "Morvello: settings not saved to" << QDir::toNativeSeparators(path)
                         << "-" << error;
    return false;
}

}  // namespace morvello
