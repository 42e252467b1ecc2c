#include "table/card_marks.h"

#include <QPen>

namespace morvello {
namespace {

constexpr double kFocusInset = -2;  // just outside the card
constexpr double kHintInset = 2;    // just inside it
constexpr double kLeadDot = 8;      // the lead mark: a small square in the top right corner
constexpr double kLeadMargin = 3;
constexpr double kFrameWidth = 2.5;
const QColor kFocusColour(40, 110, 255);
const QColor kHintColour(255, 200, 0);
const QColor kLeadColour(200, 30, 30);

}  // namespace

CardMarks::CardMarks(TableScene& scene)
    : scene_(scene),
      focus_(frame(kFocusColour, kFocusInset, Qt::DashLine)),
      hint_(frame(kHintColour, kHintInset, Qt::SolidLine)),
      lead_(new QGraphicsRectItem(scene.cardSize().width() - kLeadMargin - kLeadDot, kLeadMargin,
                                  kLeadDot, kLeadDot)) {
    lead_->setPen(Qt::NoPen);
    lead_->setBrush(kLeadColour);
    lead_->hide();
    scene_.addItem(lead_);
}

QGraphicsRectItem* CardMarks::frame(QColor colour, double inset, Qt::PenStyle style) {
    const QSizeF size = scene_.cardSize();
    auto* mark =
        new QGraphicsRectItem(inset, inset, size.width() - 2 * inset, size.height() - 2 * inset);
    mark->setPen(QPen(colour, kFrameWidth, style));
    mark->setBrush(Qt::NoBrush);
    mark->setAcceptedMouseButtons(Qt::NoButton);
    mark->hide();
    scene_.addItem(mark);
    return mark;
}

void CardMarks::put(QGraphicsRectItem* mark, int card) {
    if (card < 1 || card > kCardCount) {
        mark->hide();
        mark->setParentItem(nullptr);
        return;
    }
    mark->setParentItem(&scene_.card(card));
    mark->show();
}

int CardMarks::on(const QGraphicsRectItem* mark) {
    const auto* card = dynamic_cast<const CardItem*>(mark->parentItem());
    return card && mark->isVisibleTo(card) ? card->code() : 0;
}

void CardMarks::dim(CardSet cards) {
    dimmed_ = cards;
    for (int code = 1; code <= kCardCount; ++code)
        scene_.card(code).setDimmed((cards & cardBit(code)) != 0);
}

}  // namespace morvello
