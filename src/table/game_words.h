// The game's own words in the player's language: suits, cards, signals, point
// declarations and points in thirds, each through the catalogue (context "Words").
// The core hands the shell a suit, a card or a declaration; these word it.
#pragma once

#include <QString>
#include <array>
#include <string>

#include "drawing/score_sheet.h"
#include "match/table_message.h"
#include "rules/declarations.h"

namespace morvello {

QString suitName(int suit);                     // "Coppe"
QString cardName(int card);                     // "Ace of Coppe"; empty for no card
QString signalName(Byte signal);                // "Volo", "Busso", "Striscio"; empty for none
QString declarationText(const Declaration& d);  // "Buongioco of two (-Spade)"
// The declarations one to a line.
QString declarationLines(const ShownDeclarations& shown);
// Thirds of a point as a player reads them: "1 point", "2/3 point", "1 1/3 points".
QString pointsText(int thirds);
// "You have Coppe", "Repeat, please".
QString messageText(const TableMessage& message);

// A text with a count (%n), as the catalogue has it; in English, where no
// catalogue is loaded, the English form for the count (one: 1, other: any other).
QString countText(const QString& translated, const char* source, int n, const char* one,
                  const char* other);

// The players' default names as config.qvr keeps them ("You", "Right",
// "Partner", "Left") shown in the player's language, and back: a name the
// player chose is left as it is, and the file keeps the English defaults in
// every language.
std::array<std::string, 4> shownNames(const std::array<std::string, 4>& stored);
std::array<std::string, 4> storedNames(const std::array<std::string, 4>& shown);

// The score sheet's words.
ScoreSheetWords scoreSheetWords();

}  // namespace morvello
