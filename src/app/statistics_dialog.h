// "Statistics…": the player's record as a table, one column for each match
// target, with a reset that asks first.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <functional>

#include "stats/statistics.h"

class QTableWidget;

namespace morvello {

class StatisticsDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(StatisticsDialog)

  public:
    // reset: clears the statistics (and saves them); the table is shown again.
    StatisticsDialog(const Statistics& stats, std::function<void()> reset, QWidget* parent);

    QTableWidget& table() { return *table_; }
    void fill();

  private:
    void askReset();

    const Statistics& stats_;
    std::function<void()> reset_;
    QTableWidget* table_;
};

}  // namespace morvello
