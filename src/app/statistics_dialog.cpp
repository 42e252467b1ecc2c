#include "app/statistics_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace morvello {
namespace {

struct Row {
    const char* caption;
    std::function<QString(const TargetRecord&)> value;
};

QString count(int n) {
    return QString::number(n);
}

QString average(double value) {
    return QString::number(value, 'f', 1);
}

const std::vector<Row>& rows() {
    static const std::vector<Row> list{
        {"Matches played", [](const TargetRecord& r) { return count(r.matches); }},
        {"Won", [](const TargetRecord& r) { return count(r.won); }},
        {"Lost", [](const TargetRecord& r) { return count(r.lost); }},
        {"Abandoned", [](const TargetRecord& r) { return count(r.abandoned); }},
        {"Win rate",
         [](const TargetRecord& r) { return QString::number(winRate(r) * 100, 'f', 0) + " %"; }},
        {"Current winning streak", [](const TargetRecord& r) { return count(r.currentStreak); }},
        {"Longest winning streak", [](const TargetRecord& r) { return count(r.longestStreak); }},
        {"Deals played", [](const TargetRecord& r) { return count(r.deals); }},
        {"Average deal score, us",
         [](const TargetRecord& r) { return average(averageDealScore(r, 0)); }},
        {"Average deal score, them",
         [](const TargetRecord& r) { return average(averageDealScore(r, 1)); }},
        {"Four of a kind, us / them",
         [](const TargetRecord& r) {
             return count(r.declarations[0][kFourKind]) + " / " +
                    count(r.declarations[1][kFourKind]);
         }},
        {"Buongioco, us / them",
         [](const TargetRecord& r) {
             return count(r.declarations[0][kBuongioco]) + " / " +
                    count(r.declarations[1][kBuongioco]);
         }},
        {"Napoletana, us / them",
         [](const TargetRecord& r) {
             return count(r.declarations[0][kNapoletanaKind]) + " / " +
                    count(r.declarations[1][kNapoletanaKind]);
         }},
        {"Last trick taken, us / them",
         [](const TargetRecord& r) {
             return count(r.lastTricks[0]) + " / " + count(r.lastTricks[1]);
         }},
    };
    return list;
}

}  // namespace

StatisticsDialog::StatisticsDialog(const Statistics& stats, std::function<void()> reset,
                                   QWidget* parent)
    : QDialog(parent), stats_(stats), reset_(std::move(reset)), table_(new QTableWidget(this)) {
    setWindowTitle("Statistics");
    table_->setColumnCount(kTargetCount);
    table_->setHorizontalHeaderLabels({"21 points", "31 points"});
    table_->setRowCount(static_cast<int>(rows().size()));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QStringList captions;
    for (const Row& row : rows()) captions << row.caption;
    table_->setVerticalHeaderLabels(captions);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* resetButton = buttons->addButton("Reset…", QDialogButtonBox::ResetRole);
    connect(resetButton, &QPushButton::clicked, this, [this] { askReset(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(520, 520);
    fill();
}

void StatisticsDialog::fill() {
    for (int r = 0; r < static_cast<int>(rows().size()); ++r)
        for (int t = 0; t < kTargetCount; ++t)
            table_->setItem(r, t,
                            new QTableWidgetItem(
                                rows()[static_cast<std::size_t>(r)].value(stats_.byTarget[t])));
}

void StatisticsDialog::askReset() {
    auto* box = new QMessageBox(QMessageBox::Question, "Statistics",
                                "Clear all statistics? This cannot be undone.",
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this](int answer) {
        if (answer != QMessageBox::Yes) return;
        reset_();
        fill();
    });
    box->open();
}

}  // namespace morvello
