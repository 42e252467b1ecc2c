#include "table/qt_table.h"

#include <QGraphicsProxyWidget>
#include <QListWidget>
#include <QMessageBox>
#include <algorithm>
#include <cmath>

#include "match/seat_geometry.h"
#include "scoring/score_sheet.h"
#include "settings/player_name.h"

namespace morvello {
namespace {

constexpr double kSlideUnits = 0.2;     // a 600-position slide lasts this much of ritardo
constexpr double kSqueezeUnits = 0.45;  // the squeeze, eased so the card visibly turns
constexpr int kShortestTickMs = 15;     // signal timers tick no faster than a desktop's timer
constexpr int kSlidePositions = 600;
constexpr double kListParked = 2500;
constexpr double kListWaiting = 2600;
constexpr double kListDismissed = 2800;

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

// The caption's 34-character declarations, one to a line.
QString declarationLines(const std::string& caption) {
    QStringList lines;
    for (std::size_t at = 0; at < caption.size(); at += 34) {
        QString line = QString::fromStdString(caption.substr(at, 34));
        while (line.endsWith(' ')) line.chop(1);
        if (!line.isEmpty()) lines << line;
    }
    return lines.join('\n');
}

}  // namespace

QtTable::QtTable(GameState& g, TableScene& scene, TableHost& host)
    : g_(g), scene_(scene), host_(host) {
    for (int code = 1; code <= 40; ++code) {
        CardItem& item = scene_.card(code);
        item.onPress = [this](int c, Qt::MouseButton b) { carta_MouseDown(c, b); };
        item.onRelease = [this](int c, Qt::MouseButton b) { carta_MouseUp(c, b); };
    }
    scene_.deck().onPress = [this] { dorsov_Click(); };
    scene_.surface().onPress = [this] { Form_MouseDown(); };
    scene_.rules().setOnPress([this] { hideRules(); });
    scene_.about().setOnPress([this] { hideAbout(); });
    scene_.whenWidgetsBuilt([this] {
        QObject::connect(
            &scene_.signalList(), &QListWidget::itemClicked, &context_,
            [this](QListWidgetItem* item) { List1_Click(scene_.signalList().row(item)); });
    });
}

QtTable::~QtTable() {
    for (int code = 1; code <= 40; ++code) {
        scene_.card(code).onPress = nullptr;
        scene_.card(code).onRelease = nullptr;
    }
    scene_.deck().onPress = nullptr;
    scene_.surface().onPress = nullptr;
    scene_.rules().setOnPress(nullptr);
    scene_.about().setOnPress(nullptr);
}

// ---- waits

int QtTable::paceMs(double units) const {
    const int ms = static_cast<int>(units * 30500 / g_.rateFactor);
    return static_cast<int>(ms * delayScale_);
}

Task<> QtTable::delay(int ms) {
    co_await TimerAwaiter(&context_, ms);
}

Task<> QtTable::animate(int ms, std::function<void(double)> frame) {
    co_await AnimationAwaiter(&context_, ms, std::move(frame));
}

Task<> QtTable::ticks(int intervalMs, int count, std::function<void()> tick) {
    co_await TickAwaiter(&context_, intervalMs, count, std::move(tick));
}

Wait<> QtTable::ritardo(double units) {
    const int ms = paceMs(units);
    if (ms <= 0) return {};
    return delay(ms);
}

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

Wait<> QtTable::showMessage(const std::string& text) {
    if (autoDraw_) {
        // The dealer choice's "Repeat, please" is answered as well.
        QTimer::singleShot(0, &context_, [this] {
            if (message_) message_->accept();
        });
    }
    return message(QString::fromStdString(text));
}

Task<> QtTable::deckClick() {
    co_await deck_.wait();
}

Wait<> QtTable::waitForDeckClick() {
    if (autoDraw_) {
        QTimer::singleShot(0, &context_, [this] { dorsov_Click(); });
    }
    return deckClick();
}

Task<Byte> QtTable::humanCard() {
    co_return co_await humanCard_.wait();
}

Wait<Byte> QtTable::waitForHumanCard() {
    if (onHumanTurn) onHumanTurn();
    return humanCard();
}

Task<int> QtTable::signalChoice() {
    co_return co_await signal_.wait();
}

Wait<int> QtTable::waitForSignalChoice() {
    parkSignalList(kListWaiting);
    return signalChoice();
}

Task<> QtTable::command() {
    co_await command_.wait();
}

Wait<> QtTable::waitForCommand() {
    return command();
}

Task<> QtTable::rulesClosed() {
    co_await rules_.wait();
}

Wait<> QtTable::waitWhileRulesShown() {
    if (!rulesShown()) return {};
    return rulesClosed();
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

void QtTable::drawNames() {
    // Posiziona_Players: the names at size 10, the player to move in white.
    Drawing d;
    d.setFontSize(10);
    const double cx = g_.centerX, cy = g_.centerY, w = g_.cardWidth, h = g_.cardHeight;
    auto colourOf = [this](int seat) {
        return g_.turnSeat == seat ? colours::white : colours::nameGreen;
    };
    d.setColour(colourOf(1));
    d.moveTo(cx - w / 2, 2 * cy - 16);
    d.print(nameText(g_.playerNames[0]), true);
    d.setColour(colourOf(3));
    d.moveTo(cx - w / 2, 6);
    d.print(nameText(g_.playerNames[2]), true);
    auto vertical = [&](int seat, double x) {
        d.setColour(colourOf(seat));
        const QList<uint> chars =
            nameCharacters(g_.playerNames[static_cast<std::size_t>(seat - 1)]);
        for (int k = 1; k <= chars.size(); ++k) {
            d.moveTo(x, cy - 50 + k * (d.fontSize() + 5));
            const char32_t c = chars[k - 1];
            d.print(QString::fromUcs4(&c, 1).toStdString(), true);
        }
    };
    vertical(2, 2 * cx - h - 25);
    vertical(4, h + 20);
    scene_.surface().replaceNames(d.ops());
}

void QtTable::paintBack(Byte seat, int slot) {
    const Point at = backSlot(g_, seat, slot);
    Drawing d;
    if (seat == 3)
        d.picture(BackPicture::Vertical, at.x, at.y, g_.cardWidth, g_.cardHeight);
    else
        d.picture(BackPicture::Horizontal, at.x, at.y, g_.cardHeight, g_.cardWidth);
    scene_.surface().append(d.ops());
}

void QtTable::repaintBacks(Byte seat) {
    const double cx = g_.centerX, cy = g_.centerY, w = g_.cardWidth, h = g_.cardHeight;
    Drawing d;
    if (seat == 3) {
        const double x0 = cx - 2.8 * w;
        d.fillRect(x0, 25, x0 + 5.5 * w, h + 26, colours::table);
    } else {
        const double x = seat == 4 ? 5 : 2 * cx - h - 5, y0 = cy - 2.6 * w;
        d.fillRect(x, y0, x + h + 1, y0 + 5.5 * w + 1, colours::table);
    }
    scene_.surface().append(d.ops());
    for (int slot = 1; slot <= 10; ++slot) {
        const int code = g_.hands[seat][static_cast<std::size_t>(slot)];
        if (code != 0 && !isPlayed(code)) paintBack(seat, slot);
    }
}

void QtTable::drawScoreSheet(bool gameOver) {
    scene_.surface().append(scoreSheetDrawing(g_, gameOver));
}

void QtTable::placeCard(Byte card, Point topLeft) {
    CardItem& item = scene_.card(card);
    item.setWidthFactor(1);
    item.setPos(toScene(topLeft));
    item.show();
}

void QtTable::bringToFront(Byte card) {
    scene_.bringToFront(card);
}

void QtTable::sendToBack(Byte card) {
    scene_.sendToBack(card);
}

void QtTable::parkAllCards(Point where) {
    for (int code = 1; code <= 40; ++code) placeCard(static_cast<Byte>(code), where);
}

void QtTable::showDeck(bool shown) {
    scene_.deck().setPos(toScene(deckPosition(g_)));
    scene_.deck().setVisible(shown);
}

void QtTable::showTitle(bool shown) {
    PictureItem& title = scene_.title();
    const QRectF box = title.boundingRect();
    title.setPos(g_.centerX - box.width() / 2, g_.centerY - box.height() / 2);
    title.setVisible(shown);
}

void QtTable::showDeclaration(Byte seat, const std::string& caption) {
    TextPanel& label = scene_.declaration(seat);
    label.setText(declarationLines(caption));
    const double cx = g_.centerX, cy = g_.centerY, c = g_.cardHeight;
    const double w = label.width(), h = label.height();
    switch (seat) {
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

// ---- input

void QtTable::dorsov_Click() {
    if (g_.menus.replayChecked || g_.phase != Phase::SceltaCartaro) return;
    deck_.deliver(0);
}

void QtTable::carta_MouseDown(int card, Qt::MouseButton button) {
    hideRules();
    hideAbout();
    const bool right = button == Qt::RightButton;
    if (right) {
        g_.rightPressedCard = card;
        scene_.bringToFront(card);
    }
    const bool cardJustPlayed = card == g_.cardToPlay && !g_.jolly[static_cast<std::size_t>(card)];
    if (right && cardJustPlayed && g_.leaderSeat == 1) {
        // The signal list opens just right of the card.
        const QPointF at = scene_.card(card).pos();
        scene_.signalListItem().setPos(at.x() + g_.cardWidth, at.y());
        return;
    }
    if (button != Qt::LeftButton) return;
    if (cardJustPlayed) {
        parkSignalList(kListDismissed);
        signal_.deliver(-1);
        return;
    }
    if (!g_.jolly[static_cast<std::size_t>(card)] || g_.inputLock != 0) return;
    humanCard_.deliver(static_cast<Byte>(card));
}

void QtTable::carta_MouseUp(int, Qt::MouseButton button) {
    if (button != Qt::RightButton || g_.rightPressedCard == 0) return;
    layOutHumanHand();
    g_.rightPressedCard = 0;
}

void QtTable::layOutHumanHand() {
    for (int slot = 1; slot <= 10; ++slot) {
        const int code = g_.hands[1][static_cast<std::size_t>(slot)];
        if (code == 0 || isPlayed(code)) continue;
        scene_.bringToFront(code);
        scene_.card(code).setPos(toScene(humanSlot(g_, slot)));
    }
}

void QtTable::List1_Click(int item) {
    if (item < 0 || item > 3) return;
    g_.trickSignals[1] = static_cast<Byte>(item);
    parkSignalList(kListParked);
    signal_.deliver(item);
}

void QtTable::parkSignalList(double x) {
    QGraphicsProxyWidget& list = scene_.signalListItem();
    list.setPos(x, list.pos().y());
    scene_.signalList().clearSelection();
}

void QtTable::Form_MouseDown() {
    hideRules();
    hideAbout();
}

void QtTable::commandGiven() {
    if (command_.deliver(0)) return;
    if (g_.menus.replayChecked) deck_.deliver(0);
}

void QtTable::dealerChoiceChanged() {
    deck_.deliver(0);
}

// ---- the rules and about panels

namespace {

// Of the two panels, front is drawn over behind wherever they overlap.
void bringPanelToFront(TextPanel& front, TextPanel& behind) {
    front.setZValue(stacking::panels + 1);
    behind.setZValue(stacking::panels);
}

}  // namespace

void QtTable::menu_rules_Click() {
    bringPanelToFront(scene_.rules(), scene_.about());
    if (rulesShown())
        hideRules();
    else
        scene_.rules().show();
}

void QtTable::menu_about_Click() {
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
