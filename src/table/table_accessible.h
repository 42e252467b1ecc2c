// The table for assistive technologies: the view is an accessible object whose
// children are the deck, while it is shown, the viewer's cards from left to
// right, each with a name a screen reader speaks ("Ace of Coppe"), and the cards
// on the table with who played them ("Right: Six of Coppe"). Card images are
// scene items, not widgets: the children are interfaces of their own.
#pragma once

#include <QCoreApplication>

#include "table/qt_table.h"
#include "table/scaled_view.h"

namespace morvello {

inline constexpr const char* kTableAccessibleName = QT_TRANSLATE_NOOP("Accessible", "Card table");
inline constexpr const char* kDeckAccessibleName =
    QT_TRANSLATE_NOOP("Accessible", "Deck: draw for the dealer");

// Gives the view its accessible interface for as long as the view lives.
void makeTableAccessible(ScaledView& view, QtTable& table, TableScene& scene);
// Tells assistive technologies that the keyboard focus is on the hand's card.
void announceFocus(ScaledView& view, int card);
// Tells assistive technologies which of the table's items came, went or were
// renamed since it last told them.
void announceTableChanges(ScaledView& view);

}  // namespace morvello
