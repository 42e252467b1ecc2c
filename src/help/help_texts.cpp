#include "help/help_texts.h"

#include <QCoreApplication>
#include <QStringList>

namespace morvello {
namespace {

QString joinLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return text;
}

}  // namespace

QString rulesText() {
    // Each section is one text of the catalogue, its lines ended by \n; an empty
    // line stands between sections.
    const QString sections[] = {
        QCoreApplication::translate(
            "Rules",
            "Morvello is played by 4 players in two couples, partners sitting\n"
            "opposite each other, with the 40-card Neapolitan deck.\n"
            "In every suit the cards rank 3, 2, 1, King, Horse, Knave, 7, 6, 5, 4.\n"
            "Ace ...................................... 1 point\n"
            "3, 2, King, Horse, Knave ........... 1/3 point\n"
            "To last hand (the last trick) ....... 1 point"),
        QCoreApplication::translate(
            "Rules",
            "The dealer gives 10 cards to each player; then the turn passes\n"
            "to the player on his right."),
        QCoreApplication::translate(
            "Rules",
            "How to play\n"
            "The player on the dealer's right leads the first trick and so\n"
            "chooses its suit. The others must follow that suit when they can;\n"
            "a player who cannot may play any card. The highest card of the\n"
            "suit led takes the trick, and its player leads the next one.\n"
            "Combinations that score:\n"
            "- four 3s, four 2s or four aces ..................... 4 points\n"
            "- Buongioco: three 3s, three 2s or three aces ....... 3 points\n"
            "- Napoletana: 3, 2 and ace of the same suit ......... 3 points\n"
            "Every player declares his combinations at the end of the first\n"
            "trick, saying the suit of a Napoletana and the suit lacking from\n"
            "a Buongioco. One card may count in two combinations: a Napoletana\n"
            "in coppe together with four 2s makes 7 points."),
        QCoreApplication::translate(
            "Rules",
            "At the start of each trick a player may call to his partner:\n"
            "Busso (knock): play your highest card of this suit, then lead it back.\n"
            "Liscio (fling): I have no more cards of this suit.\n"
            "Striscio (creep): I still hold at least one more card of this suit.\n"
            "You can activate these options clicking the right button on the card just played."),
        QCoreApplication::translate(
            "Rules",
            "The Score\n"
            "The deck holds 11 + 2/3 points, but fractions are not counted,\n"
            "so a deal is worth 11 points plus the declarations.\n"
            "The couple that first reaches 21 points wins the match\n"
            "(31 points if chosen in the Options menu)."),
    };
    QStringList lines;
    for (const QString& section : sections) {
        if (!lines.isEmpty()) lines << QString();
        lines << section.split(QLatin1Char('\n'));
    }
    return joinLines(lines);
}

QString aboutText() {
    return joinLines({
        QStringLiteral("Morvello ver 5.7"),
        QCoreApplication::translate("About",
                                    "                Cards from Napoli                   "),
        QStringLiteral("--------------------"),
        QCoreApplication::translate("About",
                                    "A card game for one player and three computer players."),
        QCoreApplication::translate("About", "Made by the Velquist card table workshop."),
        QCoreApplication::translate("About", "Click here to close this panel."),
    });
}

QString declarationsHelp() {
    const QString cr = QStringLiteral("\r"), crlflf = QStringLiteral("\r\n\n");
    const auto row = [](const char* source) {
        return QCoreApplication::translate("DeclarationsHelp", source);
    };
    return row(QT_TRANSLATE_NOOP("DeclarationsHelp", "        POINT-DECLARATIONS")) + cr +
           row(QT_TRANSLATE_NOOP("DeclarationsHelp",
                                 "'Buongioco of.., means a Player declares he has ")) +
           cr +
           row(QT_TRANSLATE_NOOP(
               "DeclarationsHelp",
               "3 aces or 3 two or 3 three (in the brackets the lacking suit): - 3 points")) +
           crlflf +
           row(QT_TRANSLATE_NOOP(
               "DeclarationsHelp",
               "'4 assi' means a Player declares he has four aces.    - 4 points")) +
           cr +
           row(QT_TRANSLATE_NOOP(
               "DeclarationsHelp",
               "'4 two' means a Player declares he has four two.    - 4 points")) +
           cr +
           row(QT_TRANSLATE_NOOP(
               "DeclarationsHelp",
               "'4 three' means a Player declares he has four three.   - 4 points")) +
           crlflf +
           row(QT_TRANSLATE_NOOP("DeclarationsHelp",
                                 "'Napoletana. A Player declares he has ace, two and three ")) +
           cr + row(QT_TRANSLATE_NOOP("DeclarationsHelp", "of the same suit: - 3 points")) +
           crlflf + row(QT_TRANSLATE_NOOP("DeclarationsHelp", "        PLAY-DECLARATIONS")) + cr +
           row(QT_TRANSLATE_NOOP("DeclarationsHelp", "LISCIO (to fling a card)")) + cr +
           row(QT_TRANSLATE_NOOP("DeclarationsHelp",
                                 "The Player tells the Partner he has no more same suit cards")) +
           cr + row(QT_TRANSLATE_NOOP("DeclarationsHelp", "BUSSO (to knock)")) + cr +
           row(QT_TRANSLATE_NOOP("DeclarationsHelp",
                                 "The Player asks the partner for highest value of same suit")) +
           cr +
           row(QT_TRANSLATE_NOOP(
               "DeclarationsHelp",
               "card and then return playing, if he can do, with same suit one")) +
           cr + row(QT_TRANSLATE_NOOP("DeclarationsHelp", "STRISCIO (to drag)")) + cr +
           row(QT_TRANSLATE_NOOP("DeclarationsHelp",
                                 "The Player tells Partner he has at least another same suit ")) +
           cr + row(QT_TRANSLATE_NOOP("DeclarationsHelp", "card beyond that just played."));
}

QString withLineBreaks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\r')) {
            out += text[i];
            continue;
        }
        out += QLatin1Char('\n');
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
    }
    return out;
}

}  // namespace morvello
