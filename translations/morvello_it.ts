<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>                Cards from Napoli                   </source>
        <translation>                Carte da Napoli                   </translation>
    </message>
    <message>
        <source>A card game for one player and three computer players.</source>
        <translation>Un gioco di carte per un giocatore contro tre giocatori del computer.</translation>
    </message>
    <message>
        <source>Made by the Velquist card table workshop.</source>
        <translation>Fatto dal laboratorio di tavoli da gioco Velquist.</translation>
    </message>
    <message>
        <source>Click here to close this panel.</source>
        <translation>Clicca qui per chiudere questo riquadro.</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A card on the table: who played it, then the card.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Tavolo da gioco</translation>
    </message>
    <message>
        <source>Deck: draw for the dealer</source>
        <translation>Mazzo: scegli il mazziere</translation>
    </message>
</context>
<context>
    <name>DeclarationsHelp</name>
    <message>
        <source>HELP MORVELLO</source>
        <translation>AIUTO MORVELLO</translation>
    </message>
    <message>
        <source>        POINT-DECLARATIONS</source>
        <translation>        ACCUSI A PUNTI</translation>
    </message>
    <message>
        <source>&apos;Buongioco of.., means a Player declares he has </source>
        <translation>&apos;Buongioco di..&apos; vuol dire che un giocatore accusa </translation>
    </message>
    <message>
        <source>3 aces or 3 two or 3 three (in the brackets the lacking suit): - 3 points</source>
        <translation>3 assi o 3 due o 3 tre (tra parentesi il seme che manca): - 3 punti</translation>
    </message>
    <message>
        <source>&apos;4 assi&apos; means a Player declares he has four aces.    - 4 points</source>
        <translation>&apos;Quattro assi&apos;: un giocatore accusa i quattro assi.    - 4 punti</translation>
    </message>
    <message>
        <source>&apos;4 two&apos; means a Player declares he has four two.    - 4 points</source>
        <translation>&apos;Quattro due&apos;: un giocatore accusa i quattro due.    - 4 punti</translation>
    </message>
    <message>
        <source>&apos;4 three&apos; means a Player declares he has four three.   - 4 points</source>
        <translation>&apos;Quattro tre&apos;: un giocatore accusa i quattro tre.   - 4 punti</translation>
    </message>
    <message>
        <source>&apos;Napoletana. A Player declares he has ace, two and three </source>
        <translation>&apos;Napoletana&apos;: un giocatore accusa asso, due e tre </translation>
    </message>
    <message>
        <source>of the same suit: - 3 points</source>
        <translation>dello stesso seme: - 3 punti</translation>
    </message>
    <message>
        <source>        PLAY-DECLARATIONS</source>
        <translation>        SEGNALI DI GIOCO</translation>
    </message>
    <message>
        <source>LISCIO (to fling a card)</source>
        <translation>VOLO (o liscio)</translation>
    </message>
    <message>
        <source>The Player tells the Partner he has no more same suit cards</source>
        <translation>Il giocatore dice al compagno che non ha più carte di quel seme</translation>
    </message>
    <message>
        <source>BUSSO (to knock)</source>
        <translation>BUSSO</translation>
    </message>
    <message>
        <source>The Player asks the partner for highest value of same suit</source>
        <translation>Il giocatore chiede al compagno la carta più alta di quel seme</translation>
    </message>
    <message>
        <source>card and then return playing, if he can do, with same suit one</source>
        <translation>e poi di tornare a giocare, se può, una carta di quel seme</translation>
    </message>
    <message>
        <source>STRISCIO (to drag)</source>
        <translation>STRISCIO</translation>
    </message>
    <message>
        <source>The Player tells Partner he has at least another same suit </source>
        <translation>Il giocatore dice al compagno che ha almeno un&apos;altra carta di quel seme </translation>
    </message>
    <message>
        <source>card beyond that just played.</source>
        <translation>oltre a quella appena giocata.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Velquist - Morvello</source>
        <translation>Velquist - Morvello</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>un errore sconosciuto</translation>
    </message>
    <message>
        <source>The game stopped because of an error:
%1

It will close now.</source>
        <translation>Il gioco si è fermato per un errore:
%1

Ora si chiuderà.</translation>
    </message>
    <message>
        <source>What the game waits for</source>
        <translation>Che cosa aspetta il gioco</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>Gio&amp;catori</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Info          </source>
        <translation>&amp;Info          </translation>
    </message>
    <message>
        <source>&amp;Help            </source>
        <translation>&amp;Aiuto            </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>St&amp;atistiche…</translation>
    </message>
    <message>
        <source>&amp;Review the last deal…</source>
        <translation>&amp;Rivedi l&apos;ultima mano…</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>Repeat the last hand</source>
        <translation>Ripeti l&apos;ultima mano</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>&amp;Game rules</source>
        <translation>&amp;Regole del gioco</translation>
    </message>
    <message>
        <source>&amp;Options       </source>
        <translation>&amp;Opzioni       </translation>
    </message>
    <message>
        <source>&amp;Play rate</source>
        <translation>&amp;Velocità di gioco</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>&amp;Personalize Playersi</source>
        <translation>&amp;Personalizza giocatori</translation>
    </message>
    <message>
        <source>&amp;Allow all to declare</source>
        <translation>&amp;Tutti possono segnalare</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>P&amp;unteggio</translation>
    </message>
    <message>
        <source>21 points</source>
        <translation>21 punti</translation>
    </message>
    <message>
        <source>31 points</source>
        <translation>31 punti</translation>
    </message>
    <message>
        <source>&amp;Sounds         </source>
        <translation>&amp;Suoni         </translation>
    </message>
    <message>
        <source>Card rustle</source>
        <translation>Fruscio delle carte</translation>
    </message>
    <message>
        <source>&amp;Music        </source>
        <translation>&amp;Musica        </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>SEQUENTIAL MODE</source>
        <translation>IN SEQUENZA</translation>
    </message>
    <message>
        <source>No hand so far played</source>
        <translation>Nessuna mano ancora giocata</translation>
    </message>
    <message>
        <source>The final score will report the points of repeated hand
These will take the place of the previous one</source>
        <translation>Il punteggio finale riporterà i punti della mano ripetuta
Che prenderanno il posto di quelli precedenti</translation>
    </message>
    <message>
        <source>Go on with the match you left? %1-%2 %3, %4-%5 %6</source>
        <translation>Riprendere la partita lasciata a metà? %1-%2 %3, %4-%5 %6</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mossa</translation>
    </message>
    <message>
        <source>&amp;Take back your card</source>
        <translation>&amp;Riprendi la tua carta</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Rete</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
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
Ctrl+Z: take back your last card of the deal
F1: Game rules (Escape puts them away)
Ctrl+L: Last trick (any key or click puts it away)
Ctrl+H: Hint (the focus moves to the card)
F11: Full screen
Ctrl+Q: Quit</source>
        <translation>Sinistra, Destra: scorri le tue carte
Invio o Spazio: gioca la carta, pesca per il mazziere, o prosegui dopo un&apos;apertura
Su (tenuto premuto): solleva la carta
S o Giù dopo un&apos;apertura: apri la lista dei segnali; Su, Giù e Invio scelgono un segnale;
    Esc: nessun segnale

Ctrl+N: Nuova partita
Ctrl+Invio: Continua
Ctrl+R: Ripeti l&apos;ultima mano
Ctrl+Z: riprendi la tua ultima carta della mano
F1: Regole del gioco (Esc le chiude)
Ctrl+L: Ultima presa (un tasto o un clic la chiude)
Ctrl+H: Suggerimento (il fuoco passa alla carta)
F11: Schermo intero
Ctrl+Q: Esci</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A name cannot start with a space.</source>
        <translation>Un nome non può iniziare con uno spazio.</translation>
    </message>
    <message>
        <source>A name cannot contain a comma.</source>
        <translation>Un nome non può contenere una virgola.</translation>
    </message>
    <message>
        <source>A name cannot contain a double quote.</source>
        <translation>Un nome non può contenere le virgolette.</translation>
    </message>
    <message>
        <source>A name must fit on one line.</source>
        <translation>Un nome deve stare su una riga.</translation>
    </message>
    <message>
        <source>A name cannot contain control characters.</source>
        <translation>Un nome non può contenere caratteri di controllo.</translation>
    </message>
    <message>
        <source>A name can only use the letters of Western European languages.</source>
        <translation>Un nome può usare solo le lettere delle lingue dell&apos;Europa occidentale.</translation>
    </message>
    <message numerus="yes">
        <source>A name can have at most %n character(s).</source>
        <translation>
            <numerusform>Un nome può avere al massimo %n carattere.</numerusform>
            <numerusform>Un nome può avere al massimo %n caratteri.</numerusform>
        </translation>
    </message>
    <message>
        <source>This name is too wide for the table.</source>
        <translation>Questo nome è troppo largo per il tavolo.</translation>
    </message>
    <message>
        <source>  Names of the Players</source>
        <translation>  Nomi dei giocatori</translation>
    </message>
    <message>
        <source>Player1 (you)</source>
        <translation>Gioc.1 (tu)</translation>
    </message>
    <message>
        <source>Player%1</source>
        <translation>Gioc.%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Compagno</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>&amp;Host a table…</source>
        <translation>&amp;Ospita un tavolo…</translation>
    </message>
    <message>
        <source>&amp;Join a table…</source>
        <translation>&amp;Unisciti a un tavolo…</translation>
    </message>
    <message>
        <source>&amp;Leave the table</source>
        <translation>&amp;Lascia il tavolo</translation>
    </message>
    <message>
        <source>Host a table</source>
        <translation>Ospita un tavolo</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Match:</source>
        <translation>Partita:</translation>
    </message>
    <message>
        <source>Open to a person</source>
        <translation>Aperto a una persona</translation>
    </message>
    <message>
        <source>Classic computer</source>
        <translation>Computer classico</translation>
    </message>
    <message>
        <source>Expert computer</source>
        <translation>Computer esperto</translation>
    </message>
    <message>
        <source>Seat %1:</source>
        <translation>Posto %1:</translation>
    </message>
    <message>
        <source>Join a table</source>
        <translation>Unisciti a un tavolo</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Codice:</translation>
    </message>
    <message>
        <source>The table cannot be hosted: %1</source>
        <translation>Il tavolo non può essere ospitato: %1</translation>
    </message>
    <message>
        <source>The server refused to seat you (%1).</source>
        <translation>Il server non ti ha fatto sedere (%1).</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inizia</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Connessione…</translation>
    </message>
    <message>
        <source>Code: %1</source>
        <translation>Codice: %1</translation>
    </message>
    <message>
        <source>a computer</source>
        <translation>un computer</translation>
    </message>
    <message>
        <source>open</source>
        <translation>libero</translation>
    </message>
    <message>
        <source>%1 (away)</source>
        <translation>%1 (assente)</translation>
    </message>
    <message>
        <source> — you</source>
        <translation> — tu</translation>
    </message>
    <message>
        <source>Seat %1: %2%3</source>
        <translation>Posto %1: %2%3</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Tocca a te</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <translation>Tocca a %1</translation>
    </message>
    <message>
        <source>%1 is away</source>
        <translation>%1 è assente</translation>
    </message>
    <message>
        <source>The host chose New Game</source>
        <translation>L&apos;ospite ha scelto Nuova partita</translation>
    </message>
    <message>
        <source>The host chose to repeat the last hand</source>
        <translation>L&apos;ospite ha scelto di ripetere l&apos;ultima mano</translation>
    </message>
    <message>
        <source>The host chose Continue</source>
        <translation>L&apos;ospite ha scelto Continua</translation>
    </message>
    <message>
        <source>The table cannot be reached: %1</source>
        <translation>Il tavolo non si può raggiungere: %1</translation>
    </message>
    <message>
        <source>The server %1 shows a certificate this computer does not trust.
Its SHA-256 fingerprint is:
%2

Play with this server, and trust its certificate from now on?</source>
        <translation>Il server %1 mostra un certificato di cui questo computer non si fida.
La sua impronta SHA-256 è:
%2

Giocare con questo server, e fidarsi del suo certificato d&apos;ora in poi?</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>&amp;Partner</source>
        <translation>&amp;Compagno</translation>
    </message>
    <message>
        <source>&amp;Opponents</source>
        <translation>&amp;Avversari</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classico</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Esperto</translation>
    </message>
</context>
<context>
    <name>ReviewDialog</name>
    <message>
        <source>It is not a regular file, so it was left as it is.</source>
        <translation>Non è un file normale, quindi è stato lasciato com&apos;era.</translation>
    </message>
    <message>
        <source>%1. Any file of that name is as it was.</source>
        <translation>%1. Un eventuale file con quel nome è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>%1  (dealer)</source>
        <translation>%1  (mazziere)</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Avanti &gt;</translation>
    </message>
    <message>
        <source>Review of deal %1</source>
        <translation>Revisione della mano %1</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Salva…</translation>
    </message>
    <message>
        <source>Save &amp;deck…</source>
        <translation>Salva il &amp;mazzo…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Save the deal</source>
        <translation>Salva la mano</translation>
    </message>
    <message>
        <source>Save the deck</source>
        <translation>Salva il mazzo</translation>
    </message>
    <message>
        <source>The hands as dealt. Step through the tricks with the arrow keys.</source>
        <translation>Le carte come sono state distribuite. Scorri le prese con i tasti freccia.</translation>
    </message>
    <message>
        <source>Trick %1 of %2: %3 led; %4 took it, worth %5.
</source>
        <translation>Presa %1 di %2: ha aperto %3; l&apos;ha presa %4, vale %5.
</translation>
    </message>
    <message>
        <source>Card points so far: %1 - %2  %3,  %4 - %5  %6</source>
        <translation>Punti delle carte finora: %1 - %2  %3,  %4 - %5  %6</translation>
    </message>
    <message>
        <source>The file %1 could not be written. %2</source>
        <translation>Non è stato possibile scrivere il file %1. %2</translation>
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
        <translation>Morvello si gioca in 4, in due coppie, con i compagni seduti
uno di fronte all&apos;altro, con il mazzo napoletano da 40 carte.
In ogni seme l&apos;ordine è 3, 2, Asso, Re, Cavallo, Fante, 7, 6, 5, 4.
Asso ...................................... 1 punto
3, 2, Re, Cavallo, Fante ............ 1/3 di punto
Ultima mano (l&apos;ultima presa) ....... 1 punto</translation>
    </message>
    <message>
        <source>The dealer gives 10 cards to each player; then the turn passes
to the player on his right.</source>
        <translation>Il mazziere dà 10 carte a ogni giocatore; poi il turno passa
al giocatore alla sua destra.</translation>
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
        <translation>Come si gioca
Il giocatore alla destra del mazziere apre la prima presa e ne
sceglie il seme. Gli altri devono rispondere a quel seme se possono;
chi non può gioca una carta qualsiasi. La carta più alta del seme
d&apos;apertura prende, e chi l&apos;ha giocata apre la presa seguente.
Combinazioni che contano:
- quattro 3, quattro 2 o quattro assi ............... 4 punti
- Buongioco: tre 3, tre 2 o tre assi ................ 3 punti
- Napoletana: 3, 2 e asso dello stesso seme ......... 3 punti
Ogni giocatore accusa le sue combinazioni alla fine della prima
presa, dicendo il seme della Napoletana e il seme che manca al
Buongioco. Una carta può contare in due combinazioni: una Napoletana
a coppe insieme ai quattro 2 fa 7 punti.</translation>
    </message>
    <message>
        <source>At the start of each trick a player may call to his partner:
Busso (knock): play your highest card of this suit, then lead it back.
Liscio (fling): I have no more cards of this suit.
Striscio (creep): I still hold at least one more card of this suit.
You can activate these options clicking the right button on the card just played.</source>
        <translation>All&apos;inizio di ogni presa un giocatore può segnalare al compagno:
Busso: gioca la tua carta più alta di questo seme, poi ritorna a giocarlo.
Volo (liscio): non ho più carte di questo seme.
Striscio: ho ancora almeno un&apos;altra carta di questo seme.
Si segnala cliccando con il tasto destro sulla carta appena giocata.</translation>
    </message>
    <message>
        <source>The Score
The deck holds 11 + 2/3 points, but fractions are not counted,
so a deal is worth 11 points plus the declarations.
The couple that first reaches 21 points wins the match
(31 points if chosen in the Options menu).</source>
        <translation>Il punteggio
Il mazzo vale 11 punti e 2/3, ma le frazioni non si contano,
quindi una mano vale 11 punti più gli accusi.
Vince la partita la coppia che arriva per prima a 21 punti
(31 punti se scelto nel menu Opzioni).</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>SCORES</source>
        <translation>PUNTEGGI</translation>
    </message>
    <message>
        <source>^ Game</source>
        <translation>^ Mano</translation>
    </message>
    <message>
        <source>Points = </source>
        <translation>Punti = </translation>
    </message>
    <message>
        <source>+1 last hand</source>
        <translation>+1 ult.mano</translation>
    </message>
    <message>
        <source>+1 ult.mano</source>
        <translation>+1 ult.mano</translation>
    </message>
    <message>
        <source> decl.points</source>
        <translation> p.accuso</translation>
    </message>
    <message>
        <source>Total   = </source>
        <translation>Totale = </translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FINE PARTITA</translation>
    </message>
</context>
<context>
    <name>Signals</name>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Volo</source>
        <translation>Volo</translation>
    </message>
    <message>
        <source>Busso</source>
        <translation>Busso</translation>
    </message>
    <message>
        <source>Striscio!</source>
        <translation>Striscio!</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Too low screen resolution for this program. Please increase the screen resolution</source>
        <translation>Risoluzione dello schermo troppo bassa per questo programma. Aumenta la risoluzione dello schermo</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Matches played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perse</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abbandonate</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Percentuale di vittorie</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Vittorie di fila, ora</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Vittorie di fila, record</translation>
    </message>
    <message>
        <source>Deals played</source>
        <translation>Mani giocate</translation>
    </message>
    <message>
        <source>Average deal score, us</source>
        <translation>Punti medi per mano, noi</translation>
    </message>
    <message>
        <source>Average deal score, them</source>
        <translation>Punti medi per mano, loro</translation>
    </message>
    <message>
        <source>Four of a kind, us / them</source>
        <translation>Quattro uguali, noi / loro</translation>
    </message>
    <message>
        <source>Buongioco, us / them</source>
        <translation>Buongioco, noi / loro</translation>
    </message>
    <message>
        <source>Napoletana, us / them</source>
        <translation>Napoletana, noi / loro</translation>
    </message>
    <message>
        <source>Last trick taken, us / them</source>
        <translation>Ultima mano presa, noi / loro</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>21 points</source>
        <translation>21 punti</translation>
    </message>
    <message>
        <source>31 points</source>
        <translation>31 punti</translation>
    </message>
    <message>
        <source>Reset…</source>
        <translation>Azzera…</translation>
    </message>
    <message>
        <source>Clear all statistics? This cannot be undone.</source>
        <translation>Cancellare tutte le statistiche? Non si potrà tornare indietro.</translation>
    </message>
    <message>
        <source>With take-backs</source>
        <translation>Con carte riprese</translation>
    </message>
    <message>
        <source>With other people</source>
        <translation>Con altre persone</translation>
    </message>
    <message>
        <source>Won with other people</source>
        <translation>Vinte con altre persone</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>%1-%2</source>
        <extracomment>A couple: the names of its two players.</extracomment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>Press Enter to draw for the dealer: %1 draws</source>
        <translation>Premi Invio per scegliere il mazziere: pesca %1</translation>
    </message>
    <message>
        <source>Click the deck to draw for the dealer: %1 draws</source>
        <translation>Clicca il mazzo per scegliere il mazziere: pesca %1</translation>
    </message>
    <message>
        <source>Follow %1</source>
        <extracomment>%1 is the suit led.</extracomment>
        <translation>Rispondi a %1</translation>
    </message>
    <message>
        <source>%1 deals</source>
        <translation>%1 dà le carte</translation>
    </message>
    <message>
        <source>%1 led the %2 with a Volo</source>
        <translation>%1 apre: %2, con Volo</translation>
    </message>
    <message>
        <source>%1 led the %2 with a Busso</source>
        <translation>%1 apre: %2, con Busso</translation>
    </message>
    <message>
        <source>%1 led the %2 with a Striscio</source>
        <translation>%1 apre: %2, con Striscio</translation>
    </message>
    <message>
        <source>%1 led the %2</source>
        <translation>%1 apre: %2</translation>
    </message>
    <message>
        <source>%1 played the %2 with a Volo</source>
        <translation>%1 gioca: %2, con Volo</translation>
    </message>
    <message>
        <source>%1 played the %2 with a Busso</source>
        <translation>%1 gioca: %2, con Busso</translation>
    </message>
    <message>
        <source>%1 played the %2 with a Striscio</source>
        <translation>%1 gioca: %2, con Striscio</translation>
    </message>
    <message>
        <source>%1 played the %2</source>
        <translation>%1 gioca: %2</translation>
    </message>
    <message>
        <source>Deal %1: %2 %3, %4 %5. Totals %6 to %7</source>
        <translation>Mano %1: %2 %3, %4 %5. Totale %6 a %7</translation>
    </message>
    <message>
        <source>%1 won the trick: %2</source>
        <translation>%1 prende: %2</translation>
    </message>
    <message>
        <source>GAME OVER: %1 win %2 to %3</source>
        <translation>FINE PARTITA: vincono %1, %2 a %3</translation>
    </message>
    <message>
        <source>A tie for the highest card: the four draw again</source>
        <translation>Parità sulla carta più alta: si pesca di nuovo in quattro</translation>
    </message>
    <message>
        <source>%1 gave a Volo</source>
        <translation>%1 fa Volo</translation>
    </message>
    <message>
        <source>%1 gave a Busso</source>
        <translation>%1 bussa</translation>
    </message>
    <message>
        <source>%1 gave a Striscio</source>
        <translation>%1 striscia</translation>
    </message>
    <message>
        <source>%1 gave no signal</source>
        <translation>%1 non segnala</translation>
    </message>
    <message>
        <source>%1 declares: %2</source>
        <extracomment>%1 is the player, %2 the declarations, each after a comma.</extracomment>
        <translation>%1 accusa: %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Last trick: %1 %2, %3 %4, %5 %6, %7 %8; %9 took it</source>
        <extracomment>Each player with the card played, then who took the trick.</extracomment>
        <translation>Ultima presa: %1 %2, %3 %4, %5 %6, %7 %8; l&apos;ha presa %9</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The end of the match, then what to do next.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Press Enter to draw for the dealer: your card</source>
        <translation>Premi Invio per scegliere il mazziere: tocca a te</translation>
    </message>
    <message>
        <source>Click the deck to draw for the dealer: your card</source>
        <translation>Clicca il mazzo per scegliere il mazziere: tocca a te</translation>
    </message>
    <message>
        <source>Your lead</source>
        <translation>Apri tu</translation>
    </message>
    <message>
        <source>Press Ctrl+N to play again</source>
        <translation>Premi Ctrl+N per giocare ancora</translation>
    </message>
    <message>
        <source>Game ▸ New Game to play again</source>
        <translation>Gioco ▸ Nuova partita per giocare ancora</translation>
    </message>
    <message>
        <source>Press Enter to go on, or S to give a signal</source>
        <translation>Premi Invio per proseguire, o S per segnalare</translation>
    </message>
    <message>
        <source>Click your card to go on, or right-click it to give a signal</source>
        <translation>Clicca la tua carta per proseguire, o con il tasto destro per segnalare</translation>
    </message>
    <message>
        <source>Press Ctrl+Enter for the next deal</source>
        <translation>Premi Ctrl+Invio per la mano seguente</translation>
    </message>
    <message>
        <source>Game ▸ Continue for the next deal</source>
        <translation>Gioco ▸ Continua per la mano seguente</translation>
    </message>
    <message>
        <source>You deal</source>
        <translation>Dai tu le carte</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Cards from Napoli</source>
        <translation>Carte da Napoli</translation>
    </message>
</context>
<context>
    <name>ViewItems</name>
    <message>
        <source>&amp;Last trick</source>
        <translation>&amp;Ultima presa</translation>
    </message>
    <message>
        <source>Show &amp;playable cards</source>
        <translation>Mostra le carte &amp;giocabili</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>Schermo &amp;intero</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasti</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Denari</source>
        <translation>Denari</translation>
    </message>
    <message>
        <source>Coppe</source>
        <translation>Coppe</translation>
    </message>
    <message>
        <source>Bastoni</source>
        <translation>Bastoni</translation>
    </message>
    <message>
        <source>Spade</source>
        <translation>Spade</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sette</translation>
    </message>
    <message>
        <source>Knave</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavallo</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: its value, then its suit (&quot;Ace of Coppe&quot;).</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Volo</source>
        <translation>Volo</translation>
    </message>
    <message>
        <source>Busso</source>
        <translation>Busso</translation>
    </message>
    <message>
        <source>Striscio</source>
        <translation>Striscio</translation>
    </message>
    <message>
        <source>Four aces</source>
        <translation>Quattro assi</translation>
    </message>
    <message>
        <source>Four two</source>
        <translation>Quattro due</translation>
    </message>
    <message>
        <source>Four three</source>
        <translation>Quattro tre</translation>
    </message>
    <message>
        <source>Buongioco of aces (-%1)</source>
        <extracomment>%1 is the lacking suit.</extracomment>
        <translation>Buongioco di assi (manca %1)</translation>
    </message>
    <message>
        <source>Buongioco of two (-%1)</source>
        <translation>Buongioco di due (manca %1)</translation>
    </message>
    <message>
        <source>Buongioco of three (-%1)</source>
        <translation>Buongioco di tre (manca %1)</translation>
    </message>
    <message>
        <source>Napoletana with %1</source>
        <translation>Napoletana a %1</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1/3 point</source>
        <translation>%1/3 di punto</translation>
    </message>
    <message numerus="yes">
        <source>%n %1/3 point(s)</source>
        <extracomment>A whole number of points (%n) and thirds (%1): &quot;1 1/3 points&quot;.</extracomment>
        <translation>
            <numerusform>%n e %1/3 punti</numerusform>
            <numerusform>%n e %1/3 punti</numerusform>
        </translation>
    </message>
    <message>
        <source>Repeat, please</source>
        <translation>Ripetere, prego</translation>
    </message>
    <message>
        <source>You have %1</source>
        <extracomment>A card refused: the player holds a card of the suit led (%1).</extracomment>
        <translation>Hai carte di %1: rispondi a %1</translation>
    </message>
</context>
</TS>
