// Playing with the keyboard: during the human's turn the arrow keys move a
// visible focus over the hand and Enter or Space plays the focused card as a
// click does; during the dealer choice Enter or Space draws; after a lead Enter
// goes on, S or Down opens the signal list, which the arrows and Enter operate
// and Escape dismisses as no signal; Up lifts the focused card while held, as
// the right press does.
#pragma once

#include <QObject>
#include <functional>

#include "table/qt_table.h"

class QKeyEvent;

namespace morvello {

class TableKeys : public QObject {
  public:
    TableKeys(QtTable& table, TableScene& scene);

    // Told by the table when a wait starts: the human's turn shows the focus.
    void waitStarts(Awaited what);
    int focusedCard() const { return table_.marks().focus(); }

    // Runs first on every key; true when it has taken the key (a shown panel).
    std::function<bool(int key)> takesKey;
    // Moves the focus to a card of the hand (the hinted one).
    void focusCard(int card);
    // Called with the card the focus has moved to.
    std::function<void(int card)> onFocusMoved;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool pressed(const QKeyEvent& key);
    bool released(const QKeyEvent& key);
    bool humanTurnKey(int key);
    bool signalKey(int key);
    bool signalListKey(int key);
    bool typingInTable() const;
    void focusFirstHeld();
    void moveFocus(int step);
    bool focusHeldFrom(int slot, int step);
    bool focusable(const SeatView& view, Byte card) const;
    void focusOnSlot(int slot);
    void clickCard(int card, Qt::MouseButton button);

    QtTable& table_;
    TableScene& scene_;
    int liftedCard_ = 0;  // the card held up by the Up key, until it is released
    int focusSlot_ = 0;   // the fan's slot the focus is on, or was on before its card was played
};

}  // namespace morvello
