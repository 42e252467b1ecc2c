// The texts of the rules panel, the information panel and the declarations help.
// Lines end with CR LF as the window shows them; a lone CR also breaks a line.
#pragma once

#include <string>

namespace morvello {

inline constexpr const char* kHelpTitle = "HELP MORVELLO";

// The rules panel: the cards and their points, the deal, "How to play" with the
// declarations, the call-declarations, and "The Score".
const std::string& rulesText();

// The information panel.
const std::string& aboutText();

// The declarations help message, built when it is asked for.
std::string declarationsHelp();

// Text as a label shows it: every CR LF, and every CR, becomes one line break.
std::string withLineBreaks(const std::string& text);

}  // namespace morvello
