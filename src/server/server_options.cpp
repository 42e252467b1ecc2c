#include "server/server_options.h"

#include <QDir>
#include <QStandardPaths>

namespace morvello::server {
namespace {

// A number within [low, high] for `flag`, or the error.
bool readNumber(const QString& flag, const QString& text, double low, double high, double& value,
                QString& error) {
    bool ok = false;
    value = text.toDouble(&ok);
    if (ok && value >= low && value <= high) return true;
    error = QStringLiteral("%1 takes a number from %2 to %3").arg(flag).arg(low).arg(high);
    return false;
}

QString defaultJournal() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath(QStringLiteral("tables.sqlite"));
}

bool isServerName(const QString& name) {
    if (name.isEmpty() || name.size() > 16) return false;
    for (const QChar c : name)
        if (!(c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('z')))) return false;
    return true;
}

}  // namespace

QString serverUsage() {
    return QStringLiteral(
        "usage: morvello-server [options]\n"
        "  --listen ADDRESS      the address to listen on (default: every address)\n"
        "  --port N              the port (default 47021; 0: any free port)\n"
        "  --journal FILE        the SQLite file of the tables (default: the data folder's\n"
        "                        tables.sqlite)\n"
        "  --certificate FILE    with --key: speak TLS (wss://), PEM files\n"
        "  --key FILE\n"
        "  --name NAME           begin each join code with NAME (a-z, 0-9), for a group\n"
        "                        of servers behind one proxy\n"
        "  --delay-scale X       the pauses and movements times X (default 1)\n"
        "  --rejoin-grace MS     how long a table brought back waits for its people\n"
        "  --seed N              draw the tables' decks from N (tests)\n"
        "  --trace-dir FOLDER    write each table's events there as JSON Lines\n"
        "  --help, --version\n");
}

ParsedServerOptions parseServerOptions(const QStringList& arguments) {
    ParsedServerOptions parsed;
    ServerOptions& o = parsed.options;
    o.address = QHostAddress::Any;
    o.port = kDefaultPort;
    QString& error = parsed.error;
    for (qsizetype i = 0; i < arguments.size() && error.isEmpty(); ++i) {
        const QString& flag = arguments[i];
        if (flag == QLatin1String("--help") || flag == QLatin1String("--version")) {
            (flag == QLatin1String("--help") ? parsed.help : parsed.version) = true;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = flag.startsWith(QLatin1String("--"))
                        ? flag + QStringLiteral(" needs a value")
                        : QStringLiteral("unknown argument ") + flag;
            break;
        }
        const QString value = arguments[++i];
        double number = 0;
        if (flag == QLatin1String("--listen")) {
            if (!o.address.setAddress(value))
                error = QStringLiteral("--listen takes an IP address");
        } else if (flag == QLatin1String("--port")) {
            if (readNumber(flag, value, 0, 65535, number, error))
                o.port = static_cast<quint16>(number);
        } else if (flag == QLatin1String("--journal")) {
            o.journalPath = value;
        } else if (flag == QLatin1String("--certificate")) {
            o.certificatePath = value;
        } else if (flag == QLatin1String("--key")) {
            o.keyPath = value;
        } else if (flag == QLatin1String("--name")) {
            if (!isServerName(value)) error = QStringLiteral("--name takes 1 to 16 of a-z and 0-9");
            o.serverName = value;
        } else if (flag == QLatin1String("--delay-scale")) {
            if (readNumber(flag, value, 0, 100, number, error)) o.pace.delayScale = number;
        } else if (flag == QLatin1String("--rejoin-grace")) {
            if (readNumber(flag, value, 0, 3600000, number, error))
                o.pace.rejoinGraceMs = static_cast<int>(number);
        } else if (flag == QLatin1String("--seed")) {
            if (readNumber(flag, value, 0, 4294967295.0, number, error))
                o.seed = static_cast<std::uint32_t>(number);
        } else if (flag == QLatin1String("--trace-dir")) {
            o.traceFolder = value;
        } else {
            error = QStringLiteral("unknown argument ") + flag;
        }
    }
    if (error.isEmpty() && o.certificatePath.isEmpty() != o.keyPath.isEmpty())
        error = QStringLiteral("--certificate and --key go together");
    if (error.isEmpty() && o.journalPath.isEmpty() && !parsed.help && !parsed.version)
        o.journalPath = defaultJournal();
    return parsed;
}

}  // namespace morvello::server
