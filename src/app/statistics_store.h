// The statistics file: a small versioned JSON file in the user's data folder,
// apart from config.qvr, kept through the files module and replaced whole by each
// save. A regular file that is damaged (or larger than any statistics) is set
// aside under another name, said once on standard error, and the statistics
// start again; an empty one is as none. A file of an earlier version is read,
// the figures it lacks starting at 0; one of a newer version is read for what
// this version knows and never replaced: this run's figures stay in memory. A
// link, FIFO or device in its place is left alone.
#pragma once

#include <QJsonObject>
#include <QString>

#include "stats/statistics.h"

namespace morvello {

inline constexpr int kStatisticsVersion = 2;

enum class StatisticsVersion { Known, Newer, NotStatistics };

QJsonObject statisticsToJson(const Statistics& stats);
// Reads what this version knows into stats; NotStatistics for an object that is
// not statistics.
StatisticsVersion statisticsFromJson(const QJsonObject& object, Statistics& stats);

class StatisticsStore {
  public:
    explicit StatisticsStore(QString folder) : folder_(std::move(folder)) {}

    QString path() const { return folder_ + "/statistics.json"; }
    // The stored statistics; none stored: all zero. Removes first what
    // interrupted saves left.
    Statistics load();
    // False when the file was not replaced: it is of a newer version, or could not
    // be written whole (the old one is then left whole, and the reason said once).
    bool save(const Statistics& stats) const;

  private:
    void setAside() const;

    QString folder_;
    bool newer_ = false;  // the file on disk is of a newer version: never replaced
};

}  // namespace morvello
