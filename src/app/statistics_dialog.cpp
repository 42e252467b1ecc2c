#include "app/statistics_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
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

// What a figure shows before anything was played for it.
const QString kNoFigure = QStringLiteral("\u2013");

QString count(int n) {
    return QString::number(n);
}

QString percent(std::optional<double> share) {
    return share ? QString::number(*share * 100, 'f', 0) + " %" : kNoFigure;
}

// With the decimal mark of the player's language: "7.0", "7,0".
QString average(std::optional<double> value) {
    return value ? QLocale().toString(*value, 'f', 1) : kNoFigure;
}

// The human's couple first, then the other: "3 / 5".
QString bothCouples(const std::array<int, 2>& figures) {
    return count(figures[0]) + " / " + count(figures[1]);
}

std::array<int, 2> declarationsOf(const TargetRecord& r, int kind) {
    return {r.declarations[0][kind], r.declarations[1][kind]};
}

const std::vector<Row>& rows() {
    static const std::vector<Row> list{
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Matches played"),
         [](const TargetRecord& r) { return count(r.matches); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Won"),
         [](const TargetRecord& r) { return count(r.won); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Lost"),
         [](const TargetRecord& r) { return count(r.lost); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Abandoned"),
         [](const TargetRecord& r) { return count(r.abandoned); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "With take-backs"),
         [](const TargetRecord& r) { return count(r.withTakeBacks); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "With other people"),
         [](const TargetRecord& r) { return count(r.withPeople); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Won with other people"),
         [](const TargetRecord& r) { return count(r.wonWithPeople); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Win rate"),
         [](const TargetRecord& r) { return percent(winRate(r)); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Current winning streak"),
         [](const TargetRecord& r) { return count(r.currentStreak); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Longest winning streak"),
         [](const TargetRecord& r) { return count(r.longestStreak); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Deals played"),
         [](const TargetRecord& r) { return count(r.deals); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Average deal score, us"),
         [](const TargetRecord& r) { return average(averageDealScore(r, 0)); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Average deal score, them"),
         [](const TargetRecord& r) { return average(averageDealScore(r, 1)); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Four of a kind, us / them"),
         [](const TargetRecord& r) { return bothCouples(declarationsOf(r, kFourKind)); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Buongioco, us / them"),
         [](const TargetRecord& r) { return bothCouples(declarationsOf(r, kBuongioco)); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Napoletana, us / them"),
         [](const TargetRecord& r) { return bothCouples(declarationsOf(r, kNapoletanaKind)); }},
        {QT_TRANSLATE_NOOP("StatisticsDialog", "Last trick taken, us / them"),
         [](const TargetRecord& r) { return bothCouples(r.lastTricks); }},
    };
    return list;
}

}  // namespace

StatisticsDialog::StatisticsDialog(const Statistics& stats, std::function<void()> reset,
                                   QWidget* parent)
    : QDialog(parent), stats_(stats), reset_(std::move(reset)), table_(new QTableWidget(this)) {
    setWindowTitle(tr("Statistics"));
    table_->setColumnCount(kTargetCount);
    table_->setHorizontalHeaderLabels({tr("21 points"), tr("31 points")});
    table_->setRowCount(static_cast<int>(rows().size()));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The rows share the table's height, so no blank space below them reads as a row.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QStringList captions;
    for (const Row& row : rows()) captions << tr(row.caption);
    table_->setVerticalHeaderLabels(captions);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* resetButton = buttons->addButton(tr("Reset…"), QDialogButtonBox::ResetRole);
    connect(resetButton, &QPushButton::clicked, this, [this] { askReset(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(520, 520);
    fill();
}

void StatisticsDialog::fill() {
    for (int r = 0; r < static_cast<int>(rows().size()); ++r) {
        for (int t = 0; t < kTargetCount; ++t) {
            const Row& row = rows()[static_cast<std::size_t>(r)];
            auto* item = new QTableWidgetItem(row.value(stats_.byTarget[t]));
            item->setTextAlignment(Qt::AlignCenter);
            table_->setItem(r, t, item);
        }
    }
}

void StatisticsDialog::askReset() {
    auto* box = new QMessageBox(QMessageBox::Question, tr("Statistics"),
                                tr("Clear all statistics? This cannot be undone."),
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
