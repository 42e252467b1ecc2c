#include "table/last_trick_view.h"

#include <QColor>
#include <QPen>

#include "drawing/drawing.h"

namespace morvello {
namespace {

constexpr int kVeilAlpha = 215;  // the table under the veil shows faintly
constexpr double kWinnerFrameWidth = 4;
const QColor kWinnerColour(255, 200, 0);
constexpr double kVeilZ = stacking::panels + 10;

}  // namespace

// The veil over the table: a click on it, or on a card of it, ends the showing.
class LastTrickView::Veil : public QGraphicsRectItem {
  public:
    Veil(QRectF area, LastTrickView& owner) : QGraphicsRectItem(area), owner_(owner) {}

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent*) override { owner_.hide(); }

  private:
    LastTrickView& owner_;
};

LastTrickView::LastTrickView(TableScene& scene, const TableGeometry& geometry)
    : scene_(scene), geometry_(geometry), veil_(new Veil(scene.sceneRect(), *this)) {
    const Rgb table = colours::table;
    veil_->setBrush(QColor(table.r, table.g, table.b, kVeilAlpha));
    veil_->setPen(Qt::NoPen);
    veil_->setZValue(kVeilZ);
    veil_->hide();
    scene_.addItem(veil_);
    const QSizeF size = scene.cardSize();
    winnerFrame_ = new QGraphicsRectItem(0, 0, size.width(), size.height(), veil_);
    winnerFrame_->setPen(QPen(kWinnerColour, kWinnerFrameWidth));
    winnerFrame_->setAcceptedMouseButtons(Qt::NoButton);
}

LastTrickView::~LastTrickView() {
    for (CardItem* card : cards_)
        if (card) card->onPress = nullptr;
}

QPointF LastTrickView::placeOf(int seat) const {
    const Point at = tablePosition(geometry_, seat);
    return QPointF(at.x, at.y);
}

void LastTrickView::show(const std::array<Byte, 5>& cardBySeat, Byte winner) {
    for (int seat = 1; seat <= 4; ++seat) {
        const std::size_t s = static_cast<std::size_t>(seat);
        delete cards_[s];
        auto* card = new CardItem(cardBySeat[s], scene_.cardSize());
        card->setParentItem(veil_);
        card->setPos(placeOf(seat));
        card->onPress = [this](int, Qt::MouseButton) { hide(); };
        cards_[s] = card;
    }
    winner_ = winner;
    winnerFrame_->setPos(placeOf(winner));
    winnerFrame_->setZValue(1);
    veil_->show();
}

void LastTrickView::hide() {
    veil_->hide();
}

bool LastTrickView::shown() const {
    return veil_->isVisible();
}

int LastTrickView::cardAt(int seat) const {
    const CardItem* card = cards_[static_cast<std::size_t>(seat)];
    return card ? card->code() : 0;
}

}  // namespace morvello
