#include "app/view_items.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QSignalBlocker>

#include "help/keys_help.h"
#include "match/expert_players.h"
#include "players/hint.h"
#include "rules/play_rules.h"
#include "table/table_host.h"

namespace morvello {
namespace {

const QString kPlayableKey = QStringLiteral("view/showPlayableCards");
const QString kTrue = QStringLiteral("true");
const QString kFalse = QStringLiteral("false");

// The viewer's cards that may not be played now.
CardSet unplayableCards(const SeatView& view) {
    CardSet cards = 0;
    for (int slot = 1; slot <= kTricksPerDeal; ++slot) {
        const Byte card = view.hand[static_cast<std::size_t>(slot)];
        if (card != 0 && !isPlayed(card) && !isLegalPlay(view, card)) cards |= cardBit(card);
    }
    return cards;
}

}  // namespace

ViewItems::ViewItems(QMainWindow& window, QMenu& menu, QtTable& table, TableScene& scene,
                     QString settingsFile)
    : window_(window),
      table_(table),
      lastTrick_(scene, table.geometry()),
      settings_(std::move(settingsFile)) {
    addItems(menu);
    window_.installEventFilter(this);
    actions_.playable->setChecked(settings_.value(kPlayableKey) == kTrue);
}

// An item that waits for the game to enable it, with its shortcut.
QAction* ViewItems::gameItem(QMenu& menu, const QString& caption, QKeySequence keys,
                             void (ViewItems::*handler)()) {
    QAction* item = menu.addAction(caption);
    item->setShortcut(keys);
    item->setEnabled(false);
    connect(item, &QAction::triggered, this, handler);
    return item;
}

void ViewItems::addItems(QMenu& menu) {
    actions_.lastTrick = gameItem(menu, tr("&Last trick"), QKeySequence(Qt::CTRL | Qt::Key_L),
                                  &ViewItems::showLastTrick);
    actions_.playable = menu.addAction(tr("Show &playable cards"));
    actions_.playable->setCheckable(true);
    connect(actions_.playable, &QAction::toggled, this, [this] {
        savePlayable();
        showPlayable(table_.waitingForHumanCard());
    });
    actions_.hint =
        gameItem(menu, tr("&Hint"), QKeySequence(Qt::CTRL | Qt::Key_H), &ViewItems::showHint);
    actions_.fullScreen = menu.addAction(tr("&Full screen"));
    actions_.fullScreen->setCheckable(true);
    // F11 first, as the menu shows it, then the desktop's own key if it differs.
    QList<QKeySequence> fullScreenKeys{QKeySequence(Qt::Key_F11)};
    for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::FullScreen))
        if (!keys.isEmpty() && !fullScreenKeys.contains(keys)) fullScreenKeys << keys;
    actions_.fullScreen->setShortcuts(fullScreenKeys);
    connect(actions_.fullScreen, &QAction::toggled, this, [this](bool on) { setFullScreen(on); });
    actions_.keys = menu.addAction(tr("&Keys"));
    connect(actions_.keys, &QAction::triggered, this, [this] { showKeys(); });
}

void ViewItems::waitStarts(Awaited what) {
    const bool humanTurn = what == Awaited::HumanCard;
    actions_.hint->setEnabled(humanTurn);
    if (humanTurn) showPlayable(true);
}

bool ViewItems::takesKey() {
    if (!lastTrick_.shown()) return false;
    lastTrick_.hide();
    return true;
}

void ViewItems::onMatchStart(const GameState&) {
    actions_.lastTrick->setEnabled(false);
    lastTrick_.hide();
}

void ViewItems::onDeal(const GameState&, bool) {
    actions_.lastTrick->setEnabled(false);
    lastTrick_.hide();
}

void ViewItems::onPlay(const GameState&, Byte seat, Byte) {
    if (seat == kOwnSeat) actions_.hint->setEnabled(false);
}

void ViewItems::onTrick(const GameState& g, Byte winner, int) {
    lastTrickCards_ = g.trickBySeat;
    lastTrickWinner_ = winner;
    actions_.lastTrick->setEnabled(true);
}

void ViewItems::showLastTrick() {
    if (lastTrickWinner_ == 0) return;
    lastTrick_.show(lastTrickCards_, lastTrickWinner_);
    if (onLastTrickShown) onLastTrickShown(lastTrickCards_, lastTrickWinner_);
}

// During the human's turn the cards that may not be played are dimmed.
void ViewItems::showPlayable(bool humanTurn) {
    const bool dim = actions_.playable->isChecked() && humanTurn;
    table_.marks().dim(dim ? unplayableCards(table_.view()) : 0);
}

void ViewItems::showHint() {
    if (!table_.waitingForHumanCard()) return;
    const SeatView view = table_.view();
    const Byte card = expertHint && expertHint() ? expertHintCard(view) : hintCard(view);
    table_.marks().setHint(card);
    if (onHint) onHint(card);
}

void ViewItems::setFullScreen(bool on) {
    if (on)
        window_.setWindowState(window_.windowState() | Qt::WindowFullScreen);
    else
        window_.setWindowState(window_.windowState() & ~Qt::WindowFullScreen);
}

// The check mark follows the window, however it entered or left full screen.
bool ViewItems::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowStateChange) {
        const QSignalBlocker quiet(actions_.fullScreen);
        actions_.fullScreen->setChecked(window_.isFullScreen());
    }
    return QObject::eventFilter(watched, event);
}

void ViewItems::showKeys() {
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, QCoreApplication::translate("Keys", kKeysTitle),
                        QCoreApplication::translate("Keys", kKeysHelp), QMessageBox::Ok, &window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void ViewItems::savePlayable() {
    settings_.setValue(kPlayableKey, actions_.playable->isChecked() ? kTrue : kFalse);
}

}  // namespace morvello
