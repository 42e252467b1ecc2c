#include "table/qt_table.h"

#include <QGraphicsProxyWidget>
#include <QListWidget>
#include <QMessageBox>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>

#include "cards/play_signal.h"
#include "drawing/score_sheet.h"
#include "match/pace.h"
#include "rules/declarations.h"
#include "rules/play_rules.h"
#include "settings/player_name.h"
#include "table/game_words.h"

namespace morvello {
namespace {

constexpr int kShortestTickMs = 15;  // signal timers tick no faster than a desktop's timer
constexpr int kSlidePositions = 600;

// The signal movements, in table units per timer step and thresholds to reach.
constexpr float kSlowStep = 0.3f;      // the knock's tap and the creep, per step
constexpr float kKnockReach = 0.2f;    // how far the knock taps the card right
constexpr float kCreepReach = 10;      // how far the creep edges it right
constexpr float kFlingStepUpDown = 3;  // a fling from the bottom or top seat
constexpr float kFlingReachUpDown = 40;
constexpr float kFlingStepSideways = 4;  // a fling from a side seat
constexpr float kFlingReachSideways = 30;
constexpr int kSignalTickMs = 1;
constexpr int kSidewaysFlingTickMs = 4;

// How many timer steps of `perStep` units it takes to cover `distance`, counted
// the way the timer moves the card.
int stepsToCover(float distance, float perStep) {
    float moved = 0;
    int steps = 0;
    while (moved < distance) {
        moved += perStep;
        ++steps;
    }
    return steps;
}

// A modal message on the window, ended by its OK button.
class MessageAwaiter {
  public:
    MessageAwaiter(QWidget* parent, QString text, QPointer<QMessageBox>& shown)
        : parent_(parent), text_(std::move(text)), shown_(shown) {}
    MessageAwaiter(const MessageAwaiter&) = delete;
    MessageAwaiter& operator=(const MessageAwaiter&) = delete;
    ~MessageAwaiter() {
        if (!box_) return;
        QObject::disconnect(box_, nullptr, nullptr, nullptr);
        box_->hide();
        box_->deleteLater();
    }
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> h) {
        box_ = new QMessageBox(QMessageBox::NoIcon, "Morvello", text_, QMessageBox::Ok, parent_);
        box_->setWindowModality(Qt::WindowModal);
        shown_ = box_;
        QObject::connect(box_, &QDialog::finished, [h](int) { h.resume(); });
        box_->open();
    }
    void await_resume() const noexcept {}

  private:
    QWidget* parent_;
    QString text_;
    QPointer<QMessageBox>& shown_;
    QPointer<QMessageBox> box_;
};

QPointF toScene(Point p) {
    return QPointF(p.x, p.y);
}

}  // namespace

QtTable::QtTable(TableScene& scene, TableHost& host) : scene_(scene), host_(host), marks_(scene) {
    for (int code = 1; code <= kCardCount; ++code) {
        CardItem& item = scene_.card(code);
        item.onPress = [this](int c, Qt::MouseButton b) { onCardPress(c, b); };
        item.onRelease = [this](int c, Qt::MouseButton b) { onCardRelease(c, b); };
    }
    scene_.deck().onPress = [this] { onDeckClick(); };
    scene_.surface().onPress = [this] { onTableClick(); };
    scene_.rules().setOnPress([this] { hideRules(); });
    scene_.about().setOnPress([this] { hideAbout(); });
    scene_.whenWidgetsBuilt([this] {
        QObject::connect(
            &scene_.signalList(), &QListWidget::itemClicked, &context_,
            [this](QListWidgetItem* item) { pickLateSignal(scene_.signalList().row(item)); });
    });
}

QtTable::~QtTable() {
    for (int code = 1; code <= kCardCount; ++code) {
        scene_.card(code).onPress = nullptr;
        scene_.card(code).onRelease = nullptr;
    }
    scene_.deck().onPress = nullptr;
    scene_.surface().onPress = nullptr;
    scene_.rules().setOnPress(nullptr);
    scene_.about().setOnPress(nullptr);
}

// ---- the leaf waits

int QtTable::paceMs(double units) const {
    return static_cast<int>(delayMs(units, view().playRate) * delayScale_);
}

Task<> QtTable::waitMs(int ms) {
    co_await TimerAwaiter(&context_, ms);
}

Task<> QtTable::animate(int ms, std::function<void(double)> frame) {
    co_await AnimationAwaiter(&context_, ms, std::move(frame));
}

Task<> QtTable::ticks(int intervalMs, int count, std::function<void()> tick) {
    co_await TickAwaiter(&context_, intervalMs, count, std::move(tick));
}

Wait<> QtTable::delay(double units) {
    const int ms = paceMs(units);
    if (ms <= 0) return {};
    return waitMs(ms);
}

// The thinking runs on Qt's thread pool while the delay runs here.
Wait<> QtTable::thinkDuring(double units, std::function<void()> think) {
    return thinking(paceMs(units), QtConcurrent::run(std::move(think)));
}

Task<> QtTable::thinking(int ms, QFuture<void> thought) {
    if (ms > 0) co_await TimerAwaiter(&context_, ms);
    co_await FutureAwaiter(&context_, std::move(thought));
}

// A slide passes through 600 positions, from where the card lies to `to`.
Wait<> QtTable::slideCard(Byte card, Point to) {
    CardItem& item = scene_.card(card);
    const QPointF from = item.pos(), delta = toScene(to) - from;
    auto at = [&item, from, delta](int s) { item.setPos(from + delta * s / kSlidePositions); };
    const int ms = paceMs(kSlideUnits);
    if (ms <= 0 || delta.isNull()) {
        at(kSlidePositions - 1);
        return {};
    }
    return animate(ms, [at](double p) {
        at(std::min(kSlidePositions - 1, static_cast<int>(p * kSlidePositions)));
    });
}

// The slide on to `to` while the card's width shrinks by (600 - s) / 600 at each
// step s, so it turns edge-on; afterwards its width is whole again.
Wait<> QtTable::squeezeCard(Byte card, Point to) {
    CardItem& item = scene_.card(card);
    const QPointF from = item.pos(), delta = toScene(to) - from;
    const int ms = paceMs(kSqueezeUnits);
    if (ms <= 0) {
        item.setPos(from + delta * (kSlidePositions - 1) / kSlidePositions);
        item.setWidthFactor(1);
        return {};
    }
    auto squeezed = std::make_shared<std::pair<int, double>>(0, 1.0);  // steps done, width left
    return animate(ms, [&item, from, delta, squeezed](double p) {
        // Eased in, so the first hundred steps, where the card turns, take longer.
        const int s = std::min(kSlidePositions - 1, static_cast<int>(p * p * kSlidePositions));
        item.setPos(from + delta * s / kSlidePositions);
        auto& [done, width] = *squeezed;
        for (; done < s + 1; ++done)
            width *= double(kSlidePositions - (done + 1)) / kSlidePositions;
        item.setWidthFactor(p >= 1.0 ? 1.0 : width);
    });
}

// Moves a card `steps` times by (dx, dy), one step per timer tick.
Wait<> QtTable::stepCard(Byte card, double dx, double dy, int steps, int intervalMs) {
    CardItem& item = scene_.card(card);
    auto step = [&item, dx, dy] { item.moveBy(dx, dy); };
    if (delayScale_ <= 0 || steps <= 0) {
        for (int i = 0; i < steps; ++i) step();
        return {};
    }
    return ticks(std::max(intervalMs, kShortestTickMs), steps, step);
}

Task<> QtTable::message(QString text) {
    co_await MessageAwaiter(host_.dialogParent(), std::move(text), message_);
}

Wait<> QtTable::showMessage(const TableMessage& shown) {
    if (autoDraw_) {
        // The dealer choice's "Repeat, please" is answered as well.
        QTimer::singleShot(0, &context_, [this] {
            if (message_) message_->accept();
        });
    }
    return message(messageText(shown));
}

// ---- a card to the table, with its signal

// showBusso: the card taps right and back, a knock each way.
Task<> QtTable::showBusso(Byte card) {
    const int steps = stepsToCover(kKnockReach, kSlowStep);
    host_.playSound(Sound::Knock);
    co_await stepCard(card, kSlowStep, 0, steps, kSignalTickMs);
    co_await delay(0.25);
    host_.playSound(Sound::Knock);
    co_await stepCard(card, -kSlowStep, 0, steps, kSignalTickMs);
    co_await delay(1);
}

// showVolo: the card is flung away from its player.
Task<> QtTable::showVolo(Byte seat, Byte card) {
    host_.playSound(Sound::Fling);
    const Byte place = placeOf(seat);
    if (place == 1 || place == 3) {
        const float dy = place == 1 ? -kFlingStepUpDown : kFlingStepUpDown;
        co_await stepCard(card, 0, dy, stepsToCover(kFlingReachUpDown, kFlingStepUpDown),
                          kSignalTickMs);
    } else {
        const float dx = place == 2 ? -kFlingStepSideways : kFlingStepSideways;
        co_await stepCard(card, dx, 0, stepsToCover(kFlingReachSideways, kFlingStepSideways),
                          kSidewaysFlingTickMs);
    }
    co_await delay(1);
}

// showStriscio: the card creeps to the right.
Task<> QtTable::showStriscio(Byte card) {
    host_.playSound(Sound::Creep);
    co_await stepCard(card, kSlowStep, 0, stepsToCover(kCreepReach, kSlowStep), kSignalTickMs);
    co_await delay(1);
}

Task<> QtTable::signalThenTable(Byte seat, Byte card, Byte signal, bool pauseAfter) {
    if (signal == kBusso) co_await showBusso(card);
    if (signal == kVolo) co_await showVolo(seat, card);
    if (signal == kStriscio) co_await showStriscio(card);
    placeCard(card, tablePosition(geometry_, placeOf(seat)));
    if (pauseAfter) co_await delay(0.5);
}

Wait<> QtTable::cardToTable(Byte seat, Byte card, Byte shownSignal, bool pauseAfter) {
    if (seat == view().leaderSeat) marks_.setLead(card);
    if (shownSignal != kNoSignal) return signalThenTable(seat, card, shownSignal, pauseAfter);
    placeCard(card, tablePosition(geometry_, placeOf(seat)));
    if (pauseAfter) return delay(0.5);
    return {};
}

Wait<> QtTable::cardPlayed(Byte seat, Byte card, const Hand& hand, Byte shownSignal,
                           bool pauseAfter) {
    cardToStart(seat, card, hand);
    host_.playSound(Sound::Card);
    return cardToTable(seat, card, shownSignal, pauseAfter);
}

// ---- a trick gathered

Task<> QtTable::gathering(GatheredTrick trick) {
    co_await delay(1);
    marks_.setLead(0);
    const Byte winner = placeOf(trick.winner);
    const Point winnerPlace = tablePosition(geometry_, winner);
    if (rulesShown()) co_await rulesClosed();  // the trick stays while the player reads the rules
    scene_.bringToFront(trick.winnerCard);
    for (const Byte card : trick.strongestFirst) {
        co_await slideCard(card, winnerPlace);
        if (card != trick.winnerCard) placeCard(card, kParkedAfterTrick);
    }
    co_await delay(1);
    co_await slideCard(trick.winnerCard, towardsWinner(geometry_, winner, 2));
    co_await squeezeCard(trick.winnerCard, towardsWinner(geometry_, winner, 3));
    placeCard(trick.winnerCard, kParkedAfterTrick);
}

Wait<> QtTable::gatherTrick(const GatheredTrick& trick) {
    return gathering(trick);
}

// ---- presentation

void QtTable::clearDrawing() {
    scene_.surface().clear();
}

namespace {

// A name as the table writes it: no more characters than the name boxes take, so
// a longer name from elsewhere neither runs off the table nor slows the drawing.
QList<uint> nameCharacters(const std::string& name) {
    return QString::fromStdString(name).toUcs4().mid(0, kMaxNameLength);
}

std::string nameText(const std::string& name) {
    const QList<uint> chars = nameCharacters(name);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), chars.size())
        .toStdString();
}

}  // namespace

// The names at size 10, each at its player's place, the player to move in
// white; the side names one character a line.
void QtTable::drawNames(const std::array<std::string, 4>& names, Byte turnSeat) {
    const TableGeometry& t = geometry_;
    Drawing d;
    d.setFontSize(kNamesFontSize);
    auto colourOf = [this, turnSeat](Byte place) {
        return turnSeat == seatAt(place) ? colours::white : colours::nameGreen;
    };
    auto nameAt = [&](Byte place) -> const std::string& {
        return names[static_cast<std::size_t>(seatAt(place) - 1)];
    };
    d.setColour(colourOf(1));
    d.moveTo(t.centerX - t.cardWidth / 2, 2 * t.centerY - 16);
    d.print(nameText(nameAt(1)), true);
    d.setColour(colourOf(3));
    d.moveTo(t.centerX - t.cardWidth / 2, 6);
    d.print(nameText(nameAt(3)), true);
    auto vertical = [&](Byte place, double x) {
        d.setColour(colourOf(place));
        const QList<uint> chars = nameCharacters(nameAt(place));
        for (int k = 1; k <= chars.size(); ++k) {
            d.moveTo(x, t.centerY - kSideNameTop + k * (d.fontSize() + kSideNameLineGap));
            const char32_t c = chars[k - 1];
            d.print(QString::fromUcs4(&c, 1).toStdString(), true);
        }
    };
    vertical(2, 2 * t.centerX - t.cardHeight - 25);
    vertical(4, t.cardHeight + 20);
    scene_.surface().replaceNames(d.ops());
}

void QtTable::showTitle(bool shown) {
    PictureItem& title = scene_.title();
    const QRectF box = title.boundingRect();
    title.setPos(geometry_.centerX - box.width() / 2, geometry_.centerY - box.height() / 2);
    title.setVisible(shown);
}

void QtTable::showDeck(bool shown) {
    scene_.deck().setPos(toScene(deckPosition(geometry_)));
    scene_.deck().setVisible(shown);
}

void QtTable::placeCard(Byte card, Point topLeft) {
    CardItem& item = scene_.card(card);
    item.setWidthFactor(1);
    item.setPos(toScene(topLeft));
    item.show();
}

void QtTable::parkAllCards() {
    marks_.setFocus(0);
    marks_.setHint(0);
    marks_.setLead(0);
    marks_.dim(0);
    for (int code = 1; code <= kCardCount; ++code)
        placeCard(static_cast<Byte>(code), kParkedForDeal);
}

void QtTable::parkCard(Byte card, Parking where) {
    placeCard(card, where == Parking::ForDeal ? kParkedForDeal : kParkedAfterTrick);
}

void QtTable::showDrawnCard(Byte seat, Byte card) {
    placeCard(card, drawPosition(geometry_, placeOf(seat)));
    scene_.bringToFront(card);
}

void QtTable::paintBack(Byte seat, int slot) {
    const Byte place = placeOf(seat);
    const Point at = backSlot(geometry_, place, slot);
    const double w = geometry_.cardWidth, h = geometry_.cardHeight;
    Drawing d;
    if (place == 3)
        d.picture(BackPicture::Vertical, at.x, at.y, w, h);
    else
        d.picture(BackPicture::Horizontal, at.x, at.y, h, w);
    scene_.surface().append(d.ops());
}

void QtTable::dealCard(Byte seat, int slot, Byte card) {
    if (seat != viewer_) {
        paintBack(seat, slot);
        return;
    }
    fan_[static_cast<std::size_t>(slot)] = card;
    placeCard(card, humanSlot(geometry_, slot));
    scene_.bringToFront(card);
}

Task<> QtTable::dealing(Byte seat, Hand packet) {
    if (seat == viewer_) fan_ = {};
    for (int slot = 1; slot <= 10; ++slot) {
        dealCard(seat, slot, packet[static_cast<std::size_t>(slot)]);
        host_.playSound(Sound::Card);
        co_await delay(kDealtCardUnits);
    }
}

Wait<> QtTable::dealPacket(Byte seat, const Hand& packet) {
    return dealing(seat, packet);
}

void QtTable::layOutHand(Byte seat, const Hand& hand) {
    if (seat != viewer_) return;  // its backs were painted as it was dealt
    fan_ = hand;
    for (int slot = 1; slot <= 10; ++slot) {
        const int card = hand[static_cast<std::size_t>(slot)];
        if (card == 0 || isPlayed(card)) continue;
        scene_.bringToFront(card);
        placeCard(static_cast<Byte>(card), humanSlot(geometry_, slot));
    }
}

// The seat's band erased and its held
// slots painted again, so a card played from the middle leaves a gap.
void QtTable::cardToStart(Byte seat, Byte card, const Hand& hand) {
    scene_.sendToBack(card);
    placeCard(card, startPosition(geometry_, placeOf(seat)));
    if (seat == viewer_) {
        marks_.setFocus(0);
        marks_.setHint(0);
        marks_.dim(0);
        return;
    }
    const Band band = backBand(geometry_, placeOf(seat));
    Drawing d;
    d.fillRect(band.from.x, band.from.y, band.to.x, band.to.y, colours::table);
    scene_.surface().append(d.ops());
    for (int slot = 1; slot <= 10; ++slot) {
        const int code = hand[static_cast<std::size_t>(slot)];
        if (code != 0 && !isPlayed(code)) paintBack(seat, slot);
    }
}

void QtTable::showDeclaration(Byte seat, const ShownDeclarations& shown) {
    const Byte place = placeOf(seat);
    TextPanel& label = scene_.declaration(place);
    label.setText(declarationLines(shown));
    const double cx = geometry_.centerX, cy = geometry_.centerY, c = geometry_.cardHeight;
    const double w = label.width(), h = label.height();
    switch (place) {
        case 1:
            label.setPos(cx - w / 2, 2 * cy - c - 24 - h);
            break;
        case 2:
            label.setPos(2 * cx - c - 30 - w, cy - h / 2);
            break;
        case 3:
            label.setPos(cx - w / 2, c + 30);
            break;
        default:
            label.setPos(c + 30, cy - h / 2);
            break;
    }
    label.show();
}

void QtTable::hideDeclarations() {
    for (int seat = 1; seat <= 4; ++seat) scene_.declaration(seat).hide();
}

void QtTable::drawScoreSheet(const ScoreSheet& sheet) {
    scene_.surface().append(scoreSheetDrawing(sheet, scoreSheetWords()));
}

// ---- the player's waits

Task<DeckInput> QtTable::deckWait() {
    co_return co_await deck_.wait();
}

void QtTable::waitStarts(Awaited what) {
    if (onWait) onWait(what);
}

Wait<DeckInput> QtTable::deckInput() {
    waitStarts(Awaited::DeckDraw);
    if (autoDraw_) QTimer::singleShot(0, &context_, [this] { onDeckClick(); });
    return deckWait();
}

Task<Byte> QtTable::humanCardWait() {
    co_return co_await humanCard_.wait();
}

Wait<Byte> QtTable::humanCard() {
    if (onHumanTurn) onHumanTurn();
    waitStarts(Awaited::HumanCard);
    return humanCardWait();
}

Task<int> QtTable::signalWait() {
    co_return co_await signal_.wait();
}

Wait<int> QtTable::signalChoice() {
    parkSignalList(kListWaiting);
    waitStarts(Awaited::Signal);
    return signalWait();
}

Task<Command> QtTable::commandWait() {
    co_return co_await command_.wait();
}

Wait<Command> QtTable::command() {
    waitStarts(Awaited::Command);
    return commandWait();
}

Task<> QtTable::rulesClosed() {
    co_await rules_.wait();
}

// ---- input

void QtTable::onDeckClick() {
    const SeatView v = view();
    if (v.menus.replayChecked || v.phase != Phase::DealerChoice) return;
    deck_.deliver(DeckInput::Draw);
}

// The card the human has just played, lying on the table.
bool QtTable::isCardJustPlayed(int card) const {
    const SeatView v = view();
    return card == v.cardToPlay && !holdsUnplayed(v, static_cast<Byte>(card));
}

void QtTable::onCardPress(int card, Qt::MouseButton button) {
    hideRules();
    hideAbout();
    const bool right = button == Qt::RightButton;
    if (right) {
        rightPressedCard_ = card;
        scene_.bringToFront(card);
    }
    const bool justPlayed = isCardJustPlayed(card);
    if (right && justPlayed && view().leaderSeat == viewer_) {
        // The signal list opens just right of the card.
        const QPointF at = scene_.card(card).pos();
        scene_.signalListItem().show();  // shown first: showing syncs its place to whole pixels
        scene_.signalListItem().setPos(at.x() + geometry_.cardWidth, at.y());
        return;
    }
    if (button != Qt::LeftButton) return;
    if (justPlayed) {
        parkSignalList(kListDismissed);
        signal_.deliver(kNoSignalChosen);
        return;
    }
    if (holdsUnplayed(view(), static_cast<Byte>(card))) humanCard_.deliver(static_cast<Byte>(card));
}

void QtTable::onCardRelease(int, Qt::MouseButton button) {
    if (button != Qt::RightButton || rightPressedCard_ == 0) return;
    const SeatView v = view();
    for (Byte& card : fan_) {
        if (card != 0 && !holdsUnplayed(v, card)) card = 0;  // played since
    }
    layOutHand(viewer_, fan_);
    rightPressedCard_ = 0;
}

void QtTable::pickLateSignal(int item) {
    if (item < kNoSignal || item > kStriscio) return;
    parkSignalList(kListParked);
    if (!signal_.deliver(item)) host_.lateSignalChoice(item);
}

void QtTable::parkSignalList(double x) {
    QGraphicsProxyWidget& list = scene_.signalListItem();
    list.setPos(x, list.pos().y());
    list.hide();
    scene_.signalList().clearSelection();
}

void QtTable::dropStartedInput() {
    parkSignalList(kListParked);
    rightPressedCard_ = 0;
}

bool QtTable::signalListOpen() const {
    return signal_.waiting() && scene_.signalListItem().pos().x() < kListParked;
}

void QtTable::onTableClick() {
    hideRules();
    hideAbout();
}

bool QtTable::commandGiven(Command command) {
    return command_.deliver(command);
}

void QtTable::dealerChoiceChanged() {
    deck_.deliver(DeckInput::LookAgain);
}

// ---- the rules and about panels

namespace {

// Of the two panels, front is drawn over behind wherever they overlap.
void bringPanelToFront(TextPanel& front, TextPanel& behind) {
    front.setZValue(stacking::panels + 1);
    behind.setZValue(stacking::panels);
}

}  // namespace

void QtTable::showRules() {
    bringPanelToFront(scene_.rules(), scene_.about());
    if (rulesShown())
        hideRules();
    else
        scene_.rules().show();
}

void QtTable::showAbout() {
    hideRules();
    if (aboutShown()) {
        hideAbout();
    } else {
        scene_.about().show();
        bringPanelToFront(scene_.about(), scene_.rules());
    }
}

void QtTable::hideRules() {
    if (!rulesShown()) return;
    scene_.rules().hide();
    rules_.deliver(0);
}

void QtTable::hideAbout() {
    scene_.about().hide();
}

bool QtTable::rulesShown() const {
    return scene_.rules().isVisible();
}

bool QtTable::aboutShown() const {
    return scene_.about().isVisible();
}

}  // namespace morvello
