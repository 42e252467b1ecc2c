#include "app/review_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "cards/play_signal.h"
#include "drawing/drawing.h"
#include "drawing/score_sheet.h"
#include "settings/kept_file_notice.h"
#include "table/game_words.h"

namespace morvello {
namespace {

constexpr QSize kBoardSize(860, 560);
constexpr double kCardAspect = 1.6;  // height over width
constexpr int kMargin = 8;
constexpr double kPlayedOpacity = 0.3;

QColor colour(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Thirds as a figure: "2", "1/3", "2 2/3".
QString figureText(int thirds) {
    const int whole = thirds / 3, rest = thirds % 3;
    if (rest == 0) return QString::number(whole);
    return (whole ? QString::number(whole) + " " : QString()) + QString::number(rest) + "/3";
}

files::SaveResult writeText(const QString& path, const std::string& text) {
    return files::replaceKeptFile(filePath(path), text);
}

QString whyNotWritten(const files::SaveResult& saved) {
    if (saved.state == files::SaveState::NotRegular)
        return ReviewDialog::tr("It is not a regular file, so it was left as it is.");
    return ReviewDialog::tr("%1. Any file of that name is as it was.")
        .arg(QString::fromLocal8Bit(std::strerror(saved.error)));
}

// Where the Save dialogs open: the user's documents folder, or home when there is none.
QString saveFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

ReviewBoard::ReviewBoard(const DealReview& review, CardArt& art, QWidget* parent)
    : QWidget(parent), review_(review), art_(art) {
    setMinimumSize(kBoardSize);
}

void ReviewBoard::setStep(int step) {
    step_ = step;
    update();
}

bool ReviewBoard::playedBy(Byte card) const {
    for (int t = 0; t < step_; ++t)
        for (int seat = 1; seat <= 4; ++seat)
            if (review_.tricks[static_cast<std::size_t>(t)].cards[seat] == card) return true;
    return false;
}

// Four rows of hands on the left, one a seat, with names and declarations; the
// trick on the right, each card where its seat sits at the table.
void ReviewBoard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colour(colours::table));
    const int rowHeight = (height() - kMargin) / 4;
    const int cardH = rowHeight - 2 * kMargin - 14;
    const QSize card(static_cast<int>(cardH / kCardAspect), cardH);
    const int handWidth = width() * 3 / 5;
    const int step = std::min(card.width(), (handWidth - card.width() - kMargin) / 9);
    const qreal dpr = devicePixelRatioF();
    p.setPen(colour(colours::white));
    for (int seat = 1; seat <= 4; ++seat) {
        const int top = kMargin + (seat - 1) * rowHeight;
        QString title = QString::fromStdString(review_.names[static_cast<std::size_t>(seat - 1)]);
        if (seat == review_.dealer) title = ReviewDialog::tr("%1  (dealer)").arg(title);
        p.drawText(kMargin, top + 12, title);
        for (int slot = 1; slot <= 10; ++slot) {
            const Byte code = static_cast<Byte>(review_.hands[seat][slot] % kPlayedMark);
            p.setOpacity(playedBy(code) ? kPlayedOpacity : 1.0);
            p.drawPixmap(kMargin + (slot - 1) * step, top + 16, art_.face(code, card, dpr));
        }
        p.setOpacity(1.0);
        const QString decl = declarationLines(review_.declarations[seat]);
        if (!decl.isEmpty())
            p.drawText(
                QRect(kMargin + 9 * step + card.width() + kMargin, top + 16, handWidth / 3, cardH),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, decl);
    }
    if (step_ == 0) return;
    const ReviewTrick& trick = review_.tricks[static_cast<std::size_t>(step_ - 1)];
    const QPoint centre(handWidth + (width() - handWidth) / 2 + kMargin, height() / 2);
    const QPoint offsets[5] = {{}, {0, 1}, {1, 0}, {0, -1}, {-1, 0}};
    for (int seat = 1; seat <= 4; ++seat) {
        const QPoint at(
            centre.x() + offsets[seat].x() * card.width() - card.width() / 2,
            centre.y() + offsets[seat].y() * (card.height() * 3 / 4) - card.height() / 2);
        p.drawPixmap(at, art_.face(trick.cards[seat], card, dpr));
        if (seat == trick.winner) {
            p.setPen(QPen(colour(colours::yellow), 3));
            p.drawRect(QRect(at, card));
        }
        p.setPen(colour(colours::white));
        const QString signal = signalName(trick.seatSignals[seat]);
        if (!signal.isEmpty()) p.drawText(at + QPoint(2, card.height() + 12), signal);
    }
}

ReviewDialog::ReviewDialog(DealEvents deal, CardArt& art, QWidget* parent)
    : QDialog(parent),
      deal_(std::move(deal)),
      review_(reviewOf(deal_)),
      board_(new ReviewBoard(review_, art, this)),
      text_(new QLabel(this)),
      back_(new QPushButton(tr("< &Back"), this)),
      forward_(new QPushButton(tr("&Forward >"), this)) {
    setWindowTitle(tr("Review of deal %1").arg(review_.dealNumber));
    auto* save = new QPushButton(tr("&Save…"), this);
    auto* saveDeck = new QPushButton(tr("Save &deck…"), this);
    auto* close = new QPushButton(tr("&Close"), this);
    connect(back_, &QPushButton::clicked, this, [this] { stepTo(step_ - 1); });
    connect(forward_, &QPushButton::clicked, this, [this] { stepTo(step_ + 1); });
    connect(save, &QPushButton::clicked, this,
            [this] { chooseAndSave(tr("Save the deal"), "jsonl", &ReviewDialog::saveEvents); });
    connect(saveDeck, &QPushButton::clicked, this,
            [this] { chooseAndSave(tr("Save the deck"), "txt", &ReviewDialog::saveDeck); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {back_, forward_}) buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton* b : {save, saveDeck, close}) buttons->addWidget(b);
    // Left and Right step through the tricks wherever the focus is, a button's
    // included (a button would move the focus with them).
    installEventFilter(this);
    for (QPushButton* b : {back_, forward_, save, saveDeck, close}) b->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(board_, 1);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    text_->setMinimumHeight(text_->fontMetrics().height() * 3);
    stepTo(0);
}

bool ReviewDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            stepTo(step_ + (key == Qt::Key_Left ? -1 : 1));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ReviewDialog::stepTo(int step) {
    step_ = std::clamp(step, 0, lastStep());
    board_->setStep(step_);
    text_->setText(stepText());
    back_->setEnabled(step_ > 0);
    forward_->setEnabled(step_ < lastStep());
}

QString ReviewDialog::resultLine(int couple) const {
    const ScoreSheetWords w = scoreSheetWords();
    const auto c = static_cast<std::size_t>(couple);
    std::string line = w.points + formatScore(review_.cardPoints[c]);
    if (review_.lastTrickCouple == couple) line += couple == 0 ? w.lastTrickA : w.lastTrickB;
    line += "+" + formatScore(review_.declPoints[c]) + w.declarationPoints;
    return QString::fromStdString(line);
}

QString ReviewDialog::stepText() const {
    const auto name = [this](int seat) {
        return QString::fromStdString(review_.names[static_cast<std::size_t>(seat - 1)]);
    };
    if (step_ == 0) return tr("The hands as dealt. Step through the tricks with the arrow keys.");
    const ReviewTrick& t = review_.tricks[static_cast<std::size_t>(step_ - 1)];
    QString text = tr("Trick %1 of %2: %3 led; %4 took it, worth %5.\n")
                       .arg(step_)
                       .arg(lastStep())
                       .arg(name(t.leader), name(t.winner), figureText(t.thirds));
    text += tr("Card points so far: %1 - %2  %3,  %4 - %5  %6")
                .arg(name(1), name(3), figureText(t.runningThirds[0]), name(2), name(4),
                     figureText(t.runningThirds[1]));
    if (step_ == lastStep()) text += "\n" + resultLine(0) + "     " + resultLine(1);
    return text;
}

files::SaveResult ReviewDialog::saveEvents(const QString& path) const {
    return writeText(path, dealTrace(deal_));
}

files::SaveResult ReviewDialog::saveDeck(const QString& path) const {
    const GameState& dealt = deal_.front().state;
    return writeText(path, deckFileText(dealt.deck, dealt.dealerSeat));
}

void ReviewDialog::chooseAndSave(const QString& caption, const QString& suffix,
                                 files::SaveResult (ReviewDialog::*save)(const QString&) const) {
    const QString path = QFileDialog::getSaveFileName(
        this, caption,
        QDir(saveFolder()).filePath("deal-" + QString::number(review_.dealNumber) + "." + suffix));
    if (path.isEmpty()) return;
    const files::SaveResult saved = (this->*save)(path);
    if (saved) return;
    QMessageBox::warning(
        this, caption, tr("The file %1 could not be written. %2").arg(path, whyNotWritten(saved)));
}

}  // namespace morvello
