#include "server_process.h"

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QFile>
#include <QRegularExpression>
#include <cstdio>

namespace morvello::bench {
namespace {

// How long a server may take to bring its tables back and listen.
constexpr int kStartTimeoutMs = 120000;
constexpr int kExitTimeoutMs = 30000;
// /proc/<pid>/stat: utime and stime, in clock ticks, are its 14th and 15th fields.
constexpr int kUserTimeField = 14;

QByteArray procFile(qint64 pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

long statusKb(qint64 pid, const char* field) {
    const QByteArray status = procFile(pid, "status");
    const QRegularExpression line(QStringLiteral("^%1:\\s+(\\d+) kB").arg(QLatin1String(field)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch found = line.match(QString::fromLatin1(status));
    return found.hasMatch() ? found.captured(1).toLong() : 0;
}

}  // namespace

ServerProcess::ServerProcess(QString program, QStringList arguments)
    : program_(std::move(program)), arguments_(std::move(arguments)) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

ServerProcess::~ServerProcess() {
    if (process_.state() != QProcess::NotRunning) kill();
}

bool ServerProcess::start(QString& error) {
    QStringList arguments = arguments_;
    arguments << QStringLiteral("--listen") << QStringLiteral("127.0.0.1")
              << QStringLiteral("--port") << QString::number(port_);
    process_.start(program_, arguments);
    if (!process_.waitForStarted()) {
        error = process_.errorString();
        return false;
    }
    // "morvello-server: listening on port N, K tables brought back"
    const QRegularExpression listening(
        QStringLiteral("listening on port (\\d+), (\\d+) tables brought back"));
    QByteArray said;
    while (process_.waitForReadyRead(kStartTimeoutMs)) {
        said += process_.readAllStandardOutput();
        const QRegularExpressionMatch found = listening.match(QString::fromUtf8(said));
        if (!found.hasMatch()) continue;
        port_ = static_cast<quint16>(found.captured(1).toUInt());
        broughtBack_ = found.captured(2).toInt();
        return true;
    }
    error = QStringLiteral("the server did not listen: ") + QString::fromUtf8(said);
    return false;
}

void ServerProcess::kill() {
    ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
    process_.waitForFinished(kExitTimeoutMs);
}

void ServerProcess::stop() {
    process_.terminate();
    process_.waitForFinished(kExitTimeoutMs);
}

QUrl ServerProcess::url() const {
    return QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(port_));
}

double cpuSeconds(qint64 pid) {
    const QByteArray stat = procFile(pid, "stat");
    // The command's name, in parentheses, may hold spaces: count from its end.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    const int user = kUserTimeField - 3;  // fields 1 and 2 are before the cut
    if (fields.size() <= user + 1) return 0;
    const double ticks = fields[user].toDouble() + fields[user + 1].toDouble();
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long residentKb(qint64 pid) {
    return statusKb(pid, "VmRSS");
}

long peakResidentKb(qint64 pid) {
    return statusKb(pid, "VmHWM");
}

void raiseFileLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == limit.rlim_max) return;
    limit.rlim_cur = limit.rlim_max;
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) std::perror("cannot raise the limit of open files");
}

}  // namespace morvello::bench
