#include "server/table_journal.h"

#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <cstdio>

namespace morvello::server {
namespace {

QString jsonText(const QJsonObject& json) {
    return QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact));
}

QJsonObject jsonObject(const QString& text) {
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

// Each journal its own connection, so that servers in one process (the tests)
// keep apart.
QString newConnectionName() {
    static int opened = 0;
    return QStringLiteral("morvello-journal-%1").arg(++opened);
}

}  // namespace

TableJournal::~TableJournal() {
    if (connection_.isEmpty()) return;
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

bool TableJournal::open(const QString& path, QString& error) {
    connection_ = newConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path);
    if (!db.open()) {
        error = db.lastError().text();
        return false;
    }
    // The log is written at each commit; a process killed at any instant loses
    // no committed choice.
    static const char kTables[] =
        "CREATE TABLE IF NOT EXISTS tables (code TEXT PRIMARY KEY, settings TEXT NOT NULL, "
        "seats TEXT NOT NULL, record TEXT NOT NULL DEFAULT '', over INTEGER NOT NULL DEFAULT 0)";
    const char* const setup[] = {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", kTables};
    for (const char* statement : setup) {
        QSqlQuery query(db);
        if (!query.exec(QString::fromLatin1(statement))) {
            error = query.lastError().text();
            return false;
        }
    }
    return true;
}

bool TableJournal::run(const QString& statement, const QVariantList& values) const {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(statement);
    for (const QVariant& value : values) query.addBindValue(value);
    if (query.exec()) return true;
    std::fprintf(stderr, "morvello-server: the journal cannot be written: %s\n",
                 query.lastError().text().toLocal8Bit().constData());
    return false;
}

void TableJournal::addTable(const QString& code, const QJsonObject& settings,
                            const QJsonObject& seats) {
    run(QStringLiteral("INSERT INTO tables (code, settings, seats) VALUES (?, ?, ?)"),
        {code, jsonText(settings), jsonText(seats)});
}

void TableJournal::saveSeats(const QString& code, const QJsonObject& seats) {
    run(QStringLiteral("UPDATE tables SET seats = ? WHERE code = ?"), {jsonText(seats), code});
}

void TableJournal::saveRecord(const QString& code, const std::string& record) {
    run(QStringLiteral("UPDATE tables SET record = ? WHERE code = ?"),
        {QString::fromStdString(record), code});
}

void TableJournal::tableOver(const QString& code) {
    run(QStringLiteral("UPDATE tables SET over = 1 WHERE code = ?"), {code});
}

std::optional<QJsonObject> TableJournal::endedTableSeats(const QString& code) const {
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT seats FROM tables WHERE code = ? AND over = 1"));
    query.addBindValue(code);
    if (!query.exec() || !query.next()) return std::nullopt;
    return jsonObject(query.value(0).toString());
}

std::vector<JournalledTable> TableJournal::openTables() const {
    std::vector<JournalledTable> tables;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(
            QStringLiteral("SELECT code, settings, seats, record FROM tables WHERE over = 0")))
        return tables;
    while (query.next())
        tables.push_back({query.value(0).toString(), jsonObject(query.value(1).toString()),
                          jsonObject(query.value(2).toString()), query.value(3).toString()});
    return tables;
}

}  // namespace morvello::server
