#include "settings/kept_file_notice.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSet>
#include <cstdio>
#include <cstring>

namespace morvello {
namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString notRegular(const QString& path) {
    return shown(path) + " is not a regular file, so it is neither read nor replaced";
}

}  // namespace

std::string filePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void sayOnce(const QString& message) {
    static QMutex mutex;
    static QSet<QString> said;
    const QMutexLocker lock(&mutex);
    if (said.contains(message)) return;
    said.insert(message);
    std::fprintf(stderr, "morvello: %s\n", qPrintable(message));
    std::fflush(stderr);
}

QString notReadReason(const QString& path, const files::ReadResult& read) {
    switch (read.state) {
        case files::FileState::NotRegular:
            return notRegular(path);
        case files::FileState::Unreadable:
            return "cannot read " + shown(path) + ": " + errorText(read.error);
        default:
            return {};
    }
}

QString notSavedReason(const QString& path, const files::SaveResult& saved) {
    switch (saved.state) {
        case files::SaveState::NotRegular:
            return notRegular(path);
        case files::SaveState::Failed:
            return shown(path) + " could not be written whole (" + errorText(saved.error) +
                   "); the old file is kept";
        default:
            return {};
    }
}

files::ReadResult readAndSay(const QString& path, const files::ReadBound& bound) {
    files::ReadResult read = files::readKeptFile(filePath(path), bound);
    if (const QString reason = notReadReason(path, read); !reason.isEmpty()) sayOnce(reason);
    return read;
}

QString setAsideKeptFile(const QString& path) {
    const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    QString aside = path + ".damaged-" + stamp;
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path + ".damaged-" + stamp + "-" + QString::number(n);
    return QFile::rename(path, aside) ? aside : QString();
}

}  // namespace morvello
