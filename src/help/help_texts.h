// The texts of the rules panel, the information panel and the declarations help,
// in the player's language.
// Lines end with CR LF as the window shows them; a lone CR also breaks a line.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace morvello {

inline constexpr const char* kHelpTitle = QT_TRANSLATE_NOOP("DeclarationsHelp", "HELP MORVELLO");

// The rules panel: the cards and their points, the deal, "How to play" with the
// declarations, the call-declarations, and "The Score".
QString rulesText();

// The information panel.
QString aboutText();

// The declarations help message, built when it is asked for.
QString declarationsHelp();

// Text as a label shows it: every CR LF, and every CR, becomes one line break.
QString withLineBreaks(const QString& text);

}  // namespace morvello
