// A morvello-server run by a benchmark: started as a child process on
// 127.0.0.1, killed with SIGKILL and started again on the same port and
// journal, and its CPU time and resident memory read from /proc.
#pragma once

#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace morvello::bench {

class ServerProcess {
  public:
    // `arguments` without --listen and --port, which the process adds.
    ServerProcess(QString program, QStringList arguments);
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;
    ~ServerProcess();

    // Starts the server (on any free port the first time, on the same port
    // after) and waits until it listens; false, with the reason, when it cannot.
    bool start(QString& error);
    void kill();  // SIGKILL, and waits for the process to end
    void stop();  // SIGTERM, and waits for the process to end

    QUrl url() const;
    qint64 pid() const { return process_.processId(); }
    int tablesBroughtBack() const { return broughtBack_; }

  private:
    QString program_;
    QStringList arguments_;
    QProcess process_;
    quint16 port_ = 0;
    int broughtBack_ = 0;
};

// What /proc tells of a running process.
double cpuSeconds(qint64 pid);    // user and system time so far
long residentKb(qint64 pid);      // VmRSS
long peakResidentKb(qint64 pid);  // VmHWM

// Raises the soft limit of open files to the hard one: each table is four
// sockets here and four in the server, which inherits the limit.
void raiseFileLimit();

}  // namespace morvello::bench
