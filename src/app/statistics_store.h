// The statistics file: a small versioned JSON file in the user's data folder,
// apart from config.qvr, replaced whole by each save. A file that cannot be read
// is set aside under another name, said once on standard error, and the
// statistics start again; a file of an earlier version is read, the figures it
// lacks starting at 0.
#pragma once

#include <QJsonObject>
#include <QString>

#include "stats/statistics.h"

namespace morvello {

inline constexpr int kStatisticsVersion = 2;

QJsonObject statisticsToJson(const Statistics& stats);
// False for an object that is not statistics of a version this program reads.
bool statisticsFromJson(const QJsonObject& object, Statistics& stats);

class StatisticsStore {
  public:
    explicit StatisticsStore(QString folder) : folder_(std::move(folder)) {}

    QString path() const { return folder_ + "/statistics.json"; }
    // The stored statistics; none stored: all zero.
    Statistics load() const;
    // False when the file could not be written; the old one is then left whole.
    bool save(const Statistics& stats) const;

  private:
    void setAside() const;

    QString folder_;
};

}  // namespace morvello
