#include "table/table_keys.h"

#include <QGraphicsProxyWidget>
#include <QKeyEvent>
#include <QListWidget>
#include <algorithm>
#include <utility>

#include "cards/play_signal.h"
#include "rules/play_rules.h"

namespace morvello {
namespace {

bool isActivate(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace

TableKeys::TableKeys(QtTable& table, TableScene& scene) : table_(table), scene_(scene) {}

void TableKeys::waitStarts(Awaited what) {
    if (what == Awaited::HumanCard) focusFirstHeld();
}

bool TableKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        if (takesKey && takesKey(static_cast<QKeyEvent&>(*event).key())) return true;
        if (pressed(static_cast<QKeyEvent&>(*event))) return true;
    } else if (event->type() == QEvent::KeyRelease) {
        if (released(static_cast<QKeyEvent&>(*event))) return true;
    }
    return QObject::eventFilter(watched, event);
}

// A name box or the names panel's button has the keys while it has the focus.
bool TableKeys::typingInTable() const {
    const auto* proxy = dynamic_cast<const QGraphicsProxyWidget*>(scene_.focusItem());
    return proxy && proxy->widget() != &scene_.signalList();
}

bool TableKeys::pressed(const QKeyEvent& key) {
    if (typingInTable() || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    if (table_.waitingForDeck() && isActivate(key.key())) {
        table_.onDeckClick();
        return true;
    }
    if (table_.waitingForHumanCard()) return humanTurnKey(key.key());
    if (table_.waitingForSignal()) return signalKey(key.key());
    return false;
}

bool TableKeys::released(const QKeyEvent& key) {
    if (key.isAutoRepeat() || key.key() != Qt::Key_Up || liftedCard_ == 0) return false;
    table_.onCardRelease(std::exchange(liftedCard_, 0), Qt::RightButton);
    return true;
}

bool TableKeys::humanTurnKey(int key) {
    const int card = focusedCard();
    switch (key) {
        case Qt::Key_Left:
            moveFocus(-1);
            return true;
        case Qt::Key_Right:
            moveFocus(1);
            return true;
        case Qt::Key_Up:
            if (card != 0 && liftedCard_ == 0) {
                liftedCard_ = card;
                table_.onCardPress(card, Qt::RightButton);
            }
            return true;
        default:
            if (!isActivate(key) || card == 0) return false;
            clickCard(card, Qt::LeftButton);
            return true;
    }
}

bool TableKeys::signalKey(int key) {
    if (table_.signalListOpen()) return signalListKey(key);
    const int card = table_.view().cardToPlay;
    if (isActivate(key)) {
        clickCard(card, Qt::LeftButton);
        return true;
    }
    if (key != Qt::Key_S && key != Qt::Key_Down) return false;
    clickCard(card, Qt::RightButton);
    scene_.signalList().setCurrentRow(kNoSignal);
    return true;
}

bool TableKeys::signalListKey(int key) {
    QListWidget& list = scene_.signalList();
    const int row = std::max(list.currentRow(), 0);
    switch (key) {
        case Qt::Key_Up:
            list.setCurrentRow(std::max(row - 1, 0));
            return true;
        case Qt::Key_Down:
            list.setCurrentRow(std::min(row + 1, list.count() - 1));
            return true;
        case Qt::Key_Escape:
            clickCard(table_.view().cardToPlay, Qt::LeftButton);
            return true;
        default:
            if (!isActivate(key)) return false;
            table_.pickLateSignal(row);
            return true;
    }
}

void TableKeys::clickCard(int card, Qt::MouseButton button) {
    table_.onCardPress(card, button);
    table_.onCardRelease(card, button);
}

// The turn starts with the focus where it was: on the card it was on, or, once
// that card is played, on the next card to its right, else to its left.
void TableKeys::focusFirstHeld() {
    const int card = focusedCard();
    if (focusable(table_.view(), static_cast<Byte>(card))) return;
    const int from = std::clamp(focusSlot_, 1, kTricksPerDeal);
    if (!focusHeldFrom(from, 1)) focusHeldFrom(from, -1);
}

// The focus goes to the next card still held, left or right, and stays at the ends.
void TableKeys::moveFocus(int step) {
    const int card = focusedCard();
    const int slot = card != 0 ? focusSlot_ : (step > 0 ? 0 : kTricksPerDeal + 1);
    focusHeldFrom(slot + step, step);
}

bool TableKeys::focusHeldFrom(int slot, int step) {
    const Hand& fan = table_.fan();
    const SeatView view = table_.view();
    for (int s = slot; s >= 1 && s <= kTricksPerDeal; s += step) {
        const Byte card = fan[static_cast<std::size_t>(s)];
        if (focusable(view, card)) {
            focusOnSlot(s);
            return true;
        }
    }
    return false;
}

// A card the focus may rest on: held, and not dimmed as one that may not be played.
bool TableKeys::focusable(const SeatView& view, Byte card) const {
    return card != 0 && holdsUnplayed(view, card) && (table_.marks().dimmed() & cardBit(card)) == 0;
}

void TableKeys::focusCard(int card) {
    const Hand& fan = table_.fan();
    const auto at = std::find(fan.begin() + 1, fan.end(), card);
    if (card != 0 && at != fan.end()) focusOnSlot(static_cast<int>(at - fan.begin()));
}

void TableKeys::focusOnSlot(int slot) {
    const Byte card = table_.fan()[static_cast<std::size_t>(slot)];
    focusSlot_ = slot;
    table_.marks().setFocus(card);
    if (onFocusMoved) onFocusMoved(card);
}

}  // namespace morvello
