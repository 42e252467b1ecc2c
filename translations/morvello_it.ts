<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>                Cards from Napoli                   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A card game for one player and three computer players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by the Velquist card table workshop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to close this panel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A card on the table: who played it, then the card.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck: draw for the dealer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeclarationsHelp</name>
    <message>
        <source>HELP MORVELLO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        POINT-DECLARATIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Buongioco of.., means a Player declares he has </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 aces or 3 two or 3 three (in the brackets the lacking suit): - 3 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;4 assi&apos; means a Player declares he has four aces.    - 4 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;4 two&apos; means a Player declares he has four two.    - 4 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;4 three&apos; means a Player declares he has four three.   - 4 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Napoletana. A Player declares he has ace, two and three </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of the same suit: - 3 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        PLAY-DECLARATIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LISCIO (to fling a card)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Player tells the Partner he has no more same suit cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUSSO (to knock)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Player asks the partner for highest value of same suit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>card and then return playing, if he can do, with same suit one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STRISCIO (to drag)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Player tells Partner he has at least another same suit </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>card beyond that just played.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Velquist - Morvello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game stopped because of an error:
%1

It will close now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the game waits for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info          </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help            </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review the last deal…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat the last hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options       </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Personalize Playersi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Allow all to declare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>31 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sounds         </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card rustle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Music        </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEQUENTIAL MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hand so far played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The final score will report the points of repeated hand
These will take the place of the previous one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left, Right: move over your cards
Enter or Space: play the card, draw for the dealer, or go on after a lead
Up (held): lift the card
S or Down after a lead: open the signal list; Up, Down and Enter pick a signal;
    Escape: no signal

Ctrl+N: New Game
Ctrl+Enter: Continue
Ctrl+R: Repeat the last hand
F1: Game rules (Escape puts them away)
Ctrl+L: Last trick (any key or click puts it away)
Ctrl+H: Hint (the focus moves to the card)
F11: Full screen
Ctrl+Q: Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A name cannot start with a space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot contain a comma.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot contain a double quote.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name must fit on one line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot contain control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name can only use the letters of Western European languages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A name can have at most %n character(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>This name is too wide for the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Names of the Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player1 (you)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>&amp;Partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Opponents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReviewDialog</name>
    <message>
        <source>It is not a regular file, so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Any file of that name is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (dealer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review of deal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;deck…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hands as dealt. Step through the tricks with the arrow keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trick %1 of %2: %3 led; %4 took it, worth %5.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card points so far: %1 - %2  %3,  %4 - %5  %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be written. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Morvello is played by 4 players in two couples, partners sitting
opposite each other, with the 40-card Neapolitan deck.
In every suit the cards rank 3, 2, 1, King, Horse, Knave, 7, 6, 5, 4.
Ace ...................................... 1 point
3, 2, King, Horse, Knave ........... 1/3 point
To last hand (the last trick) ....... 1 point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dealer gives 10 cards to each player; then the turn passes
to the player on his right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to play
The player on the dealer&apos;s right leads the first trick and so
chooses its suit. The others must follow that suit when they can;
a player who cannot may play any card. The highest card of the
suit led takes the trick, and its player leads the next one.
Combinations that score:
- four 3s, four 2s or four aces ..................... 4 points
- Buongioco: three 3s, three 2s or three aces ....... 3 points
- Napoletana: 3, 2 and ace of the same suit ......... 3 points
Every player declares his combinations at the end of the first
trick, saying the suit of a Napoletana and the suit lacking from
a Buongioco. One card may count in two combinations: a Napoletana
in coppe together with four 2s makes 7 points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the start of each trick a player may call to his partner:
Busso (knock): play your highest card of this suit, then lead it back.
Liscio (fling): I have no more cards of this suit.
Striscio (creep): I still hold at least one more card of this suit.
You can activate these options clicking the right button on the card just played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Score
The deck holds 11 + 2/3 points, but fractions are not counted,
so a deal is worth 11 points plus the declarations.
The couple that first reaches 21 points wins the match
(31 points if chosen in the Options menu).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>SCORES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>^ Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+1 last hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+1 ult.mano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> decl.points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total   = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Signals</name>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Striscio!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Too low screen resolution for this program. Please increase the screen resolution</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Matches played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deals played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average deal score, us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average deal score, them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of a kind, us / them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buongioco, us / them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napoletana, us / them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last trick taken, us / them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>31 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all statistics? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>%1-%2</source>
        <extracomment>A couple: the names of its two players.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter to draw for the dealer: %1 draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the deck to draw for the dealer: %1 draws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow %1</source>
        <extracomment>%1 is the suit led.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 deals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 led the %2 with a Volo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 led the %2 with a Busso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 led the %2 with a Striscio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 led the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 played the %2 with a Volo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 played the %2 with a Busso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 played the %2 with a Striscio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 played the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal %1: %2 %3, %4 %5. Totals %6 to %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 won the trick: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAME OVER: %1 win %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tie for the highest card: the four draw again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gave a Volo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gave a Busso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gave a Striscio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gave no signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 declares: %2</source>
        <extracomment>%1 is the player, %2 the declarations, each after a comma.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last trick: %1 %2, %3 %4, %5 %6, %7 %8; %9 took it</source>
        <extracomment>Each player with the card played, then who took the trick.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The end of the match, then what to do next.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter to draw for the dealer: your card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the deck to draw for the dealer: your card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your lead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Ctrl+N to play again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game ▸ New Game to play again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter to go on, or S to give a signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click your card to go on, or right-click it to give a signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Ctrl+Enter for the next deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game ▸ Continue for the next deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You deal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Cards from Napoli</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewItems</name>
    <message>
        <source>&amp;Last trick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;playable cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Denari</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coppe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bastoni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: its value, then its suit (&quot;Ace of Coppe&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Striscio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four aces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buongioco of aces (-%1)</source>
        <extracomment>%1 is the lacking suit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buongioco of two (-%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buongioco of three (-%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napoletana with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1/3 point</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n %1/3 point(s)</source>
        <extracomment>A whole number of points (%n) and thirds (%1): &quot;1 1/3 points&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Repeat, please</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have %1</source>
        <extracomment>A card refused: the player holds a card of the suit led (%1).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
