#include "help/help_texts.h"

#include <string_view>

namespace morvello {
namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string joinLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += kCrLf;
    }
    return text;
}

}  // namespace

const std::string& rulesText() {
    static const std::string text = joinLines({
        "Morvello is played by 4 players in two couples, partners sitting",
        "opposite each other, with the 40-card Neapolitan deck.",
        "In every suit the cards rank 3, 2, 1, King, Horse, Knave, 7, 6, 5, 4.",
        "Ace ...................................... 1 point",
        "3, 2, King, Horse, Knave ........... 1/3 point",
        "To last hand (the last trick) ....... 1 point",
        "",
        "The dealer gives 10 cards to each player; then the turn passes",
        "to the player on his right.",
        "",
        "How to play",
        "The player on the dealer's right leads the first trick and so",
        "chooses its suit. The others must follow that suit when they can;",
        "a player who cannot may play any card. The highest card of the",
        "suit led takes the trick, and its player leads the next one.",
        "Combinations that score:",
        "- four 3s, four 2s or four aces ..................... 4 points",
        "- Buongioco: three 3s, three 2s or three aces ....... 3 points",
        "- Napoletana: 3, 2 and ace of the same suit ......... 3 points",
        "Every player declares his combinations at the end of the first",
        "trick, saying the suit of a Napoletana and the suit lacking from",
        "a Buongioco. One card may count in two combinations: a Napoletana",
        "in coppe together with four 2s makes 7 points.",
        "",
        "At the start of each trick a player may call to his partner:",
        "Busso (knock): play your highest card of this suit, then lead it back.",
        "Liscio (fling): I have no more cards of this suit.",
        "Striscio (creep): I still hold at least one more card of this suit.",
        "You can activate these options clicking the right button on the card just played.",
        "",
        "The Score",
        "The deck holds 11 + 2/3 points, but fractions are not counted,",
        "so a deal is worth 11 points plus the declarations.",
        "The couple that first reaches 21 points wins the match",
        "(31 points if chosen in the Options menu).",
    });
    return text;
}

const std::string& aboutText() {
    static const std::string text = joinLines({
        "Morvello ver 5.7",
        "                Cards from Napoli                   ",
        "--------------------",
        "A card game for one player and three computer players.",
        "Made by the Velquist card table workshop.",
        "Click here to close this panel.",
    });
    return text;
}

std::string declarationsHelp() {
    const std::string cr = "\r", crlflf = "\r\n\n";
    return "        POINT-DECLARATIONS" + cr + "'Buongioco of.., means a Player declares he has " +
           cr + "3 aces or 3 two or 3 three (in the brackets the lacking suit): - 3 points" +
           crlflf + "'4 assi' means a Player declares he has four aces.    - 4 points" + cr +
           "'4 two' means a Player declares he has four two.    - 4 points" + cr +
           "'4 three' means a Player declares he has four three.   - 4 points" + crlflf +
           "'Napoletana. A Player declares he has ace, two and three " + cr +
           "of the same suit: - 3 points" + crlflf + "        PLAY-DECLARATIONS" + cr +
           "LISCIO (to fling a card)" + cr +
           "The Player tells the Partner he has no more same suit cards" + cr + "BUSSO (to knock)" +
           cr + "The Player asks the partner for highest value of same suit" + cr +
           "card and then return playing, if he can do, with same suit one" + cr +
           "STRISCIO (to drag)" + cr +
           "The Player tells Partner he has at least another same suit " + cr +
           "card beyond that just played.";
}

std::string withLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

}  // namespace morvello
