// "Review the last deal…": the deal just settled with every hand open, its
// tricks one at a time (buttons and the arrow keys), its result, and the deal
// saved as the runner's events or as a deck line. It only reads the record.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QWidget>

#include "files/kept_file.h"
#include "stats/deal_review.h"
#include "table/card_art.h"

class QLabel;
class QPushButton;

namespace morvello {

// The green board: the four hands, the current trick in the middle.
class ReviewBoard : public QWidget {
  public:
    ReviewBoard(const DealReview& review, CardArt& art, QWidget* parent);
    void setStep(int step);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    bool playedBy(Byte card) const;  // played in a trick shown so far

    const DealReview& review_;
    CardArt& art_;
    int step_ = 0;
};

class ReviewDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ReviewDialog)

  public:
    ReviewDialog(DealEvents deal, CardArt& art, QWidget* parent);

    // 0: the hands as dealt; 1..10: after that trick.
    int step() const { return step_; }
    int lastStep() const { return static_cast<int>(review_.tricks.size()); }
    void stepTo(int step);
    QString stepText() const;
    // A couple's result as the score sheet words it.
    QString resultLine(int couple) const;
    const DealReview& review() const { return review_; }

    // The exports, to a path chosen by the caller; the result says whether the file
    // was written whole, and why not.
    files::SaveResult saveEvents(const QString& path) const;
    files::SaveResult saveDeck(const QString& path) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void chooseAndSave(const QString& caption, const QString& suffix,
                       files::SaveResult (ReviewDialog::*save)(const QString&) const);

    DealEvents deal_;
    DealReview review_;
    int step_ = 0;
    ReviewBoard* board_;
    QLabel* text_;
    QPushButton* back_;
    QPushButton* forward_;
};

}  // namespace morvello
