// The server's journal: each table's settings, seats and record in an SQLite
// file (write-ahead log), written as the choices happen, so a server started
// again brings every table back where it was.
#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

namespace morvello::server {

struct JournalledTable {
    QString code;
    QJsonObject settings;
    QJsonObject seats;
    QString record;  // the record's text; empty before the match starts
};

class TableJournal {
  public:
    TableJournal() = default;
    TableJournal(const TableJournal&) = delete;
    TableJournal& operator=(const TableJournal&) = delete;
    ~TableJournal();

    // Opens the journal at path, creating it; false with the reason when it cannot.
    bool open(const QString& path, QString& error);

    void addTable(const QString& code, const QJsonObject& settings, const QJsonObject& seats);
    void saveSeats(const QString& code, const QJsonObject& seats);
    void saveRecord(const QString& code, const std::string& record);
    // A table whose run has ended is not brought back.
    void tableOver(const QString& code);
    // The seats of a table whose run has ended; nothing for any other code.
    std::optional<QJsonObject> endedTableSeats(const QString& code) const;
    // The tables still under way.
    std::vector<JournalledTable> openTables() const;

  private:
    bool run(const QString& statement, const QVariantList& values) const;

    QString connection_;
};

}  // namespace morvello::server
