<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppStream</name>
    <message>
        <source>Play blackjack in a small town</source>
        <extracomment>The software centre&apos;s one line about the game</extracomment>
        <translation>Spiele Blackjack in einer kleinen Stadt</translation>
    </message>
    <message>
        <source>A single-player blackjack game set in a small town. Start a new game in one of three save slots, with $100 in hand and $0 in the bank, or continue a saved one, then choose where to go:</source>
        <extracomment>The software centre&apos;s description of the game</extracomment>
        <translation>Ein Blackjack-Spiel für eine Person in einer kleinen Stadt. Beginne ein neues Spiel in einem von drei Spielständen, mit 100 $ Bargeld und 0 $ auf dem Konto, oder setze ein gespeichertes fort, und wähle dann, wohin du gehst:</translation>
    </message>
    <message>
        <source>the casino, to bet on one hand at a time, with hit, stand and double down;</source>
        <extracomment>An item of the software centre&apos;s list of places</extracomment>
        <translation>ins Casino, um Hand für Hand zu setzen, mit Karte, Stehen und Verdoppeln;</translation>
    </message>
    <message>
        <source>the school, whose tournament of five rounds without wagering pays a $200 prize;</source>
        <extracomment>An item of the software centre&apos;s list of places</extracomment>
        <translation>in die Schule, deren Turnier aus fünf Runden ohne Einsatz einen Preis von 200 $ auszahlt;</translation>
    </message>
    <message>
        <source>the bank, to deposit and withdraw, neither side holding more than $9999;</source>
        <extracomment>An item of the software centre&apos;s list of places</extracomment>
        <translation>zur Bank, um einzuzahlen und abzuheben, wobei weder Bargeld noch Konto mehr als 9999 $ fassen;</translation>
    </message>
    <message>
        <source>home, to look at your name, cash and balance, and to sleep, which ends the game.</source>
        <extracomment>An item of the software centre&apos;s list of places</extracomment>
        <translation>nach Hause, um dir deinen Namen, dein Bargeld und deinen Kontostand anzusehen und schlafen zu gehen, was das Spiel beendet.</translation>
    </message>
    <message>
        <source>The dealer draws to 18. The game saves itself after every casino hand, when the tournament pays and when you leave the bank.</source>
        <extracomment>The software centre&apos;s description of the game</extracomment>
        <translation>Der Croupier zieht bis 18. Das Spiel speichert sich selbst nach jeder Hand im Casino, wenn das Turnier auszahlt und wenn du die Bank verlässt.</translation>
    </message>
    <message>
        <source>It is played with a pointer or with the keyboard alone: every click has its key, and a screen reader hears every button, caption and card by name.</source>
        <extracomment>The software centre&apos;s description of the game</extracomment>
        <translation>Gespielt wird mit der Maus oder allein mit der Tastatur: Jeder Klick hat seine Taste, und ein Bildschirmleser liest jede Schaltfläche, jede Beschriftung und jede Karte mit Namen vor.</translation>
    </message>
    <message>
        <source>The casino table in the middle of a hand</source>
        <extracomment>A screenshot&apos;s caption in the software centre</extracomment>
        <translation>Der Casinotisch mitten in einer Hand</translation>
    </message>
    <message>
        <source>The main menu</source>
        <extracomment>A screenshot&apos;s caption in the software centre</extracomment>
        <translation>Das Hauptmenü</translation>
    </message>
    <message>
        <source>The bank</source>
        <extracomment>A screenshot&apos;s caption in the software centre</extracomment>
        <translation>Die Bank</translation>
    </message>
    <message>
        <source>The tournament at the school</source>
        <extracomment>A screenshot&apos;s caption in the software centre</extracomment>
        <translation>Das Turnier in der Schule</translation>
    </message>
</context>
<context>
    <name>Bank</name>
    <message>
        <source>Invalid Input</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>You do not have that much money to deposit.</source>
        <translation>So viel Geld hast du nicht zum Einzahlen.</translation>
    </message>
    <message>
        <source>You do not have that much money to withdraw.</source>
        <translation>So viel Geld ist nicht auf deinem Konto.</translation>
    </message>
    <message>
        <source>Please do not fool around with the machines like that.</source>
        <translation>Bitte spiel nicht so mit den Automaten herum.</translation>
    </message>
    <message>
        <source>Depositing money, however, your bank account cannot hold more than $%1.</source>
        <translation>Geld wird eingezahlt, aber auf dein Konto passen höchstens %1 $.</translation>
    </message>
    <message>
        <source>Withdrawing money, however, you cannot hold more than $%1.</source>
        <translation>Geld wird abgehoben, aber du kannst höchstens %1 $ bei dir tragen.</translation>
    </message>
    <message>
        <source>The machine cannot hold that much money. Order refused.</source>
        <translation>So viel Geld kann der Automat nicht verbuchen. Auftrag abgelehnt.</translation>
    </message>
    <message>
        <source>Depositing money, please wait</source>
        <comment>followed by dots</comment>
        <translation>Einzahlung läuft, bitte warten</translation>
    </message>
    <message>
        <source>Withdrawing money, please wait</source>
        <comment>followed by dots</comment>
        <translation>Auszahlung läuft, bitte warten</translation>
    </message>
</context>
<context>
    <name>Button</name>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlen</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Abheben</translation>
    </message>
    <message>
        <source>Double Down</source>
        <translation>Verdoppeln</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Abräumen</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Stand</source>
        <translation>Stehen</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Croupier</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Turnier</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Schlafen</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Busted</source>
        <translation>Überkauft</translation>
    </message>
    <message>
        <source>Save Slots</source>
        <translation>Spielstände</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>Spades</source>
        <comment>suit</comment>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Hearts</source>
        <comment>suit</comment>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Clubs</source>
        <comment>suit</comment>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <comment>suit</comment>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Ace</source>
        <comment>rank</comment>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <comment>rank</comment>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <comment>rank</comment>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <comment>rank</comment>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <comment>rank</comment>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <comment>rank</comment>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <comment>rank</comment>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <comment>rank</comment>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <comment>rank</comment>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <comment>rank</comment>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <comment>rank</comment>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <comment>rank</comment>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <comment>rank</comment>
        <translation>König</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>a card: %1 its rank, %2 its suit</comment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>face-down card</source>
        <comment>the dealer&apos;s hidden card</comment>
        <translation>verdeckte Karte</translation>
    </message>
    <message>
        <source>deck</source>
        <comment>the pile the cards are drawn from</comment>
        <translation>Kartenstapel</translation>
    </message>
</context>
<context>
    <name>Casino</name>
    <message>
        <source>You haven&apos;t made a bet.</source>
        <translation>Du hast nichts gesetzt.</translation>
    </message>
    <message>
        <source>Not a valid bet.</source>
        <translation>Das ist kein gültiger Einsatz.</translation>
    </message>
    <message>
        <source>Sorry, you don&apos;t have that much money.</source>
        <translation>Tut mir leid, so viel Geld hast du nicht.</translation>
    </message>
    <message>
        <source>... Not valid.</source>
        <translation>... Das gilt nicht.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>platformName[:options]</source>
        <translation>Plattformname[:Optionen]</translation>
    </message>
    <message>
        <source>Window system plugin (xcb, wayland, offscreen …).</source>
        <translation>Fenstersystem-Plugin (xcb, wayland, offscreen …).</translation>
    </message>
    <message>
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Where the window system plugins are.</source>
        <translation>Wo die Fenstersystem-Plugins liegen.</translation>
    </message>
    <message>
        <source>theme</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>Plattform-Thema.</translation>
    </message>
    <message>
        <source>plugin</source>
        <translation>Plugin</translation>
    </message>
    <message>
        <source>An additional plugin to load.</source>
        <translation>Ein zusätzliches Plugin, das geladen wird.</translation>
    </message>
    <message>
        <source>geometry</source>
        <translation>Geometrie</translation>
    </message>
    <message>
        <source>Window geometry, as 600x400+50+50.</source>
        <translation>Fenstergeometrie, etwa 600x400+50+50.</translation>
    </message>
    <message>
        <source>icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Window icon.</source>
        <translation>Fenstersymbol.</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Window title.</source>
        <translation>Fenstertitel.</translation>
    </message>
    <message>
        <source>Lays the window out right to left.</source>
        <translation>Ordnet das Fenster von rechts nach links an.</translation>
    </message>
    <message>
        <source>session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Restores an earlier session.</source>
        <translation>Stellt eine frühere Sitzung wieder her.</translation>
    </message>
    <message>
        <source>display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>X display, instead of $DISPLAY.</source>
        <translation>X-Display, statt $DISPLAY.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>X instance name.</source>
        <translation>Name der X-Instanz.</translation>
    </message>
    <message>
        <source>Same as -qwindowgeometry, on X.</source>
        <translation>Wie -qwindowgeometry, unter X.</translation>
    </message>
    <message>
        <source>Same as -qwindowicon, on X.</source>
        <translation>Wie -qwindowicon, unter X.</translation>
    </message>
    <message>
        <source>Same as -qwindowtitle, on X.</source>
        <translation>Wie -qwindowtitle, unter X.</translation>
    </message>
    <message>
        <source>id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>X visual to use.</source>
        <translation>Das zu verwendende X-Visual.</translation>
    </message>
    <message>
        <source>Never grabs the mouse.</source>
        <translation>Fängt die Maus nie ein.</translation>
    </message>
    <message>
        <source>Grabs the mouse even in a debugger.</source>
        <translation>Fängt die Maus auch im Debugger ein.</translation>
    </message>
    <message>
        <source>style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Widget style (fusion …).</source>
        <translation>Widget-Stil (fusion …).</translation>
    </message>
    <message>
        <source>styleSheet</source>
        <translation>Stylesheet</translation>
    </message>
    <message>
        <source>Style sheet file.</source>
        <translation>Stylesheet-Datei.</translation>
    </message>
    <message>
        <source>Counts the widgets left at the end.</source>
        <translation>Zählt am Ende die übrig gebliebenen Widgets.</translation>
    </message>
    <message>
        <source>Loads Qt&apos;s testability library.</source>
        <translation>Lädt die Testability-Bibliothek von Qt.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Keep the saves in &lt;%1&gt;, created and given three empty slots if need be.</source>
        <translation>Legt die Spielstände in &lt;%1&gt; ab; der Ordner wird bei Bedarf angelegt und bekommt drei leere Spielstände.</translation>
    </message>
    <message>
        <source>Vantrell: blackjack in a small town.

This copy keeps its saves in %1
(beside the program: a portable copy). --saves chooses another folder.</source>
        <translation>Vantrell: Blackjack in einer kleinen Stadt.

Diese Kopie legt ihre Spielstände hier ab: %1
(neben dem Programm: eine portable Kopie). --saves wählt einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Vantrell: blackjack in a small town.

This copy keeps its saves in %1
(the player&apos;s own data folder: an installed copy). --saves chooses another folder.</source>
        <translation>Vantrell: Blackjack in einer kleinen Stadt.

Diese Kopie legt ihre Spielstände hier ab: %1
(im Datenordner des Spielers: eine installierte Kopie). --saves wählt einen anderen Ordner.</translation>
    </message>
    <message>
        <source>vantrell: %1
Try &apos;vantrell --help&apos;.
</source>
        <translation>vantrell: %1
„vantrell --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
        <source>--saves needs the name of a folder</source>
        <translation>--saves braucht den Namen eines Ordners</translation>
    </message>
    <message>
        <source>Vantrell cannot keep its saves: %1.

To play, start it from a terminal with --saves and a folder you may write in:
vantrell --saves ~/vantrell-saves</source>
        <translation>Vantrell kann seine Spielstände nicht speichern: %1.

Um zu spielen, starte es aus einem Terminal mit --saves und einem Ordner, in dem du schreiben darfst:
vantrell --saves ~/vantrell-saves</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Vantrell</source>
        <comment>Name</comment>
        <extracomment>The desktop menu&apos;s Name of the game</extracomment>
        <translation>Vantrell</translation>
    </message>
    <message>
        <source>Blackjack game</source>
        <comment>GenericName</comment>
        <extracomment>The desktop menu&apos;s GenericName of the game</extracomment>
        <translation>Blackjack-Spiel</translation>
    </message>
    <message>
        <source>Play blackjack in a small town: casino, school tournament, bank and home</source>
        <comment>Comment</comment>
        <extracomment>The desktop menu&apos;s Comment of the game</extracomment>
        <translation>Spiele Blackjack in einer kleinen Stadt: Casino, Schulturnier, Bank und Zuhause</translation>
    </message>
    <message>
        <source>blackjack;cards;casino;21;</source>
        <comment>Keywords</comment>
        <extracomment>Words a desktop&apos;s search finds the game by, each ended by a semicolon</extracomment>
        <translation>Karten;Blackjack;Casino;Kartenspiel;Siebzehn und Vier;21;</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Welcome to Vantrell</source>
        <translation>Willkommen in Vantrell</translation>
    </message>
    <message>
        <source>*New Game* starts a game in one of three save slots. You are asked your name and begin with *$100* in hand and *$0* in the bank. A new game overwrites the slot you pick.</source>
        <translation>*Neues Spiel* beginnt ein Spiel in einem von drei Spielständen. Du wirst nach deinem Namen gefragt und startest mit *100&#xa0;$* Bargeld und *0&#xa0;$* auf der Bank. Ein neues Spiel überschreibt den gewählten Spielstand.</translation>
    </message>
    <message>
        <source>*Continue* picks up a saved slot where you left it.</source>
        <translation>*Weiter* setzt einen gespeicherten Spielstand dort fort, wo du aufgehört hast.</translation>
    </message>
    <message>
        <source>The game saves itself: after every casino hand, when the tournament pays, and when you leave the bank.</source>
        <translation>Das Spiel speichert von selbst: nach jedem Spiel im Casino, wenn das Turnier auszahlt und wenn du die Bank verlässt.</translation>
    </message>
    <message>
        <source>The town has four places: *Home*, *Casino*, *Vantrell* (your school) and *Bank*. Pick one in the list and press *Go*.</source>
        <translation>Die Stadt hat vier Orte: *Zuhause*, *Casino*, *Vantrell* (deine Schule) und *Bank*. Wähle einen in der Liste und drücke *Los*.</translation>
    </message>
    <message>
        <source>Keys: *N*, *C*, *I* and *Q* on the main menu, *1* to *3* for a slot, *Enter* for *Go*, *Esc* to go back or leave.</source>
        <translation>Tasten: *N*, *W*, *A* und *B* im Hauptmenü, *1* bis *3* für einen Spielstand, *Enter* für *Los*, *Esc* geht zurück oder hinaus.</translation>
    </message>
    <message>
        <source>The casino</source>
        <translation>Das Casino</translation>
    </message>
    <message>
        <source>Press *Deal* and type a bet in whole dollars: 1 to 9999, and no more than you hold.</source>
        <translation>Drücke *Geben* und tippe einen Einsatz in ganzen Dollar ein: 1 bis 9999, höchstens so viel, wie du hast.</translation>
    </message>
    <message>
        <source>You get two cards face up; the dealer gets one face down and one face up.</source>
        <translation>Du bekommst zwei offene Karten, der Croupier eine verdeckte und eine offene.</translation>
    </message>
    <message>
        <source>*Hit* takes a card. *Stand* ends your turn. *Double Down* doubles the bet, takes exactly one card and stands.</source>
        <translation>*Karte* nimmt eine Karte. *Stehen* beendet deinen Zug. *Verdoppeln* verdoppelt den Einsatz, nimmt genau eine Karte und bleibt stehen.</translation>
    </message>
    <message>
        <source>Cards 2 to 10 count their value; J, Q and K count 10. Aces count 11, but when a hand passes 21 all its aces count 1 at once.</source>
        <translation>Karten von 2 bis 10 zählen ihren Wert, Bube, Dame und König (J, Q, K) zählen 10. Asse zählen 11; kommt eine Hand über 21, zählen all ihre Asse auf einmal 1.</translation>
    </message>
    <message>
        <source>Over 21 you bust and lose. Six cards without busting win.</source>
        <translation>Über 21 bist du überkauft und verlierst. Sechs Karten bis 21 gewinnen.</translation>
    </message>
    <message>
        <source>The dealer draws to 18 (stands on 18 or more) and holds at most five cards.</source>
        <translation>Der Croupier zieht bis 18 (ab 18 bleibt er stehen) und hält höchstens fünf Karten.</translation>
    </message>
    <message>
        <source>A win pays even money: your bet comes back twice. A draw returns the bet. Cash in hand after a win is capped at $9999.</source>
        <translation>Ein Gewinn zahlt 1:1, dein Einsatz kommt doppelt zurück; bei Unentschieden kommt er einfach zurück. Nach einem Gewinn ist dein Bargeld auf 9999&#xa0;$ begrenzt.</translation>
    </message>
    <message>
        <source>Press *Reset* for the next hand; leave with the small *X* between hands.</source>
        <translation>*Abräumen* bringt die nächste Runde; zwischen den Runden führt das *X* hinaus.</translation>
    </message>
    <message>
        <source>Keys: *H* hit, *S* stand, *D* double down, *Enter* deals and resets, *Esc* leaves.</source>
        <translation>Tasten: *K* Karte, *S* Stehen, *V* Verdoppeln, *Enter* gibt und räumt ab, *Esc* geht.</translation>
    </message>
    <message>
        <source>The school tournament</source>
        <translation>Das Schulturnier</translation>
    </message>
    <message>
        <source>Choose *Vantrell* in town and enter the *Tournament*.</source>
        <translation>Wähle in der Stadt *Vantrell* und tritt zum *Turnier* an.</translation>
    </message>
    <message>
        <source>Five rounds, no wager, no double down: *Start* deals, *Continue* goes on.</source>
        <translation>Fünf Runden ohne Einsatz und Verdoppeln: *Start* teilt aus, *Weiter* macht weiter.</translation>
    </message>
    <message>
        <source>A win or six cards pass a round, a draw replays it, a loss or a bust ends it.</source>
        <translation>Mit einem Gewinn oder sechs Karten kommst du weiter, Unentschieden heißt noch einmal, Verlieren oder Überkaufen ist das Aus.</translation>
    </message>
    <message>
        <source>Once dealt, you stay until the tournament ends.</source>
        <translation>Einmal ausgeteilt, bleibst du bis zum Turnierende.</translation>
    </message>
    <message>
        <source>Five wins pay *$200* in cash, even above $9999.</source>
        <translation>Fünf Gewinne zahlen *200&#xa0;$* bar, auch über 9999&#xa0;$.</translation>
    </message>
    <message>
        <source>Keys: *T* at the school, then as in the casino.</source>
        <translation>Tasten: *T* in der Schule, dann wie im Casino.</translation>
    </message>
    <message>
        <source>The bank and home</source>
        <translation>Bank und Zuhause</translation>
    </message>
    <message>
        <source>The *Bank* keeps your money: type an amount and press *Deposit* or *Withdraw*.</source>
        <translation>Die *Bank* verwahrt dein Geld: Tippe einen Betrag ein und drücke *Einzahlen* oder *Abheben*.</translation>
    </message>
    <message>
        <source>Neither your cash nor your account can hold more than $9999; any excess goes back.</source>
        <translation>Weder dein Bargeld noch dein Konto fasst mehr als 9999&#xa0;$; was darüber liegt, geht zurück.</translation>
    </message>
    <message>
        <source>Wait three seconds between orders.</source>
        <translation>Warte zwischen zwei Aufträgen drei Sekunden.</translation>
    </message>
    <message>
        <source>*Home* shows your name, cash and bank balance.</source>
        <translation>*Zuhause* zeigt deinen Namen, dein Bargeld und deinen Kontostand.</translation>
    </message>
    <message>
        <source>There is no way back from town to the main menu: *Sleep*, answered *Yes*, ends the game; your slot keeps everything for next time.</source>
        <translation>Aus der Stadt führt kein Weg zurück ins Hauptmenü: *Schlafen*, mit *Ja* beantwortet, beendet das Spiel; dein Spielstand bewahrt alles für das nächste Mal.</translation>
    </message>
    <message>
        <source>Keys: *Alt+D* deposits, *Alt+W* withdraws, *Esc* leaves; asked to sleep, *Y* or *N*, then *Enter*.</source>
        <translation>Tasten: *Alt+E* zahlt ein, *Alt+A* hebt ab, *Esc* geht; bei der Frage nach dem Schlafen *J* oder *N*, dann *Enter*.</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Viel Glück!</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Pfeil links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Pfeil rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Pfeil hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Pfeil runter</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Games</source>
        <extracomment>The title of manual section 6</extracomment>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>A heading of the manual page, in capitals</extracomment>
        <translation>BEZEICHNUNG</translation>
    </message>
    <message>
        <source>vantrell \- blackjack in a small town</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>vantrell \- Blackjack in einer kleinen Stadt</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <extracomment>A heading of the manual page, in capitals</extracomment>
        <translation>ÜBERSICHT</translation>
    </message>
    <message>
        <source>.B vantrell
.RB [ \-\-saves
.IR folder ]
.RI [ &quot;Qt options&quot; ]
.br
.B vantrell
.BR \-\-help &quot; | &quot; \-\-help\-all &quot; | &quot; \-\-version</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.B vantrell
.RB [ \-\-saves
.IR Ordner ]
.RI [ &quot;Qt-Optionen&quot; ]
.br
.B vantrell
.BR \-\-help &quot; | &quot; \-\-help\-all &quot; | &quot; \-\-version</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <extracomment>A heading of the manual page, in capitals</extracomment>
        <translation>BESCHREIBUNG</translation>
    </message>
    <message>
        <source>.B Vantrell
is a single-player blackjack game set in a small town.
Start a new game in one of three save slots (you arrive with $100 in hand and $0 in the bank)
or continue a saved one, then choose where to go:</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.B Vantrell
ist ein Blackjack-Spiel für eine Person in einer kleinen Stadt.
Beginne ein neues Spiel in einem von drei Spielständen (du kommst mit 100\~$ Bargeld und
0\~$ auf dem Konto an) oder setze ein gespeichertes fort, und wähle dann, wohin du gehst:</translation>
    </message>
    <message>
        <source>.B Casino
Bet on one hand at a time; hit, stand or double down.
The dealer draws to 18; a win pays twice the bet and a draw gives it back.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.B Casino
Setze auf eine Hand nach der anderen; nimm eine Karte, bleib stehen oder verdopple.
Der Croupier zieht bis 18; ein Gewinn zahlt den doppelten Einsatz, bei Unentschieden bekommst du
ihn zurück.</translation>
    </message>
    <message>
        <source>.BR Vantrell &quot;, your school&quot;
A tournament of five unwagered rounds that pays $200.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.BR Vantrell &quot;, deine Schule&quot;
Ein Turnier aus fünf Runden ohne Einsatz, das 200\~$ auszahlt.</translation>
    </message>
    <message>
        <source>.B Bank
Deposit and withdraw; neither your cash nor your account holds more than $9999.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.B Bank
Einzahlen und abheben; weder dein Bargeld noch dein Konto fasst mehr als 9999\~$.</translation>
    </message>
    <message>
        <source>.B Home
See your name, cash and balance, and go to sleep to end the game.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.B Zuhause
Sieh dir deinen Namen, dein Bargeld und deinen Kontostand an, und geh schlafen, um das Spiel zu
beenden.</translation>
    </message>
    <message>
        <source>The game saves itself after every casino hand, when the tournament pays and when you leave the
bank.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Das Spiel speichert sich selbst nach jeder Hand im Casino, wenn das Turnier auszahlt und wenn du
die Bank verlässt.</translation>
    </message>
    <message>
        <source>It is played with a pointer or with the keyboard alone.
Every click has its key, and a key does only what its click would do at that moment;
each button&apos;s tooltip names its key (see
.BR KEYS ).
A screen reader such as Orca hears every button, caption and card by name.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Gespielt wird mit der Maus oder allein mit der Tastatur.
Jeder Klick hat seine Taste, und eine Taste tut nur, was ihr Klick in diesem Moment täte;
der Tooltip jeder Schaltfläche nennt ihre Taste (siehe
.BR TASTEN ).
Ein Bildschirmleser wie Orca liest jede Schaltfläche, jede Beschriftung und jede Karte mit Namen
vor.</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <extracomment>A heading of the manual page, in capitals</extracomment>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>.BI \-\-saves &quot; folder&quot;
Keep the saves in
.IR folder ,
created and given three empty slots if need be.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.BI \-\-saves &quot; Ordner&quot;
Bewahrt die Spielstände in
.I Ordner
auf, der bei Bedarf angelegt wird und drei leere Spielstände bekommt.</translation>
    </message>
    <message>
        <source>.BR \-h &quot;, &quot; \-\-help
Say where this copy keeps its saves and list the options, then end.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.BR \-h &quot;, &quot; \-\-help
Sagt, wo diese Kopie ihre Spielstände aufbewahrt, und listet die Optionen auf; dann endet das
Programm.</translation>
    </message>
    <message>
        <source>.B \-\-help\-all
The same, with the options of Qt.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.B \-\-help\-all
Dasselbe, mit den Optionen von Qt.</translation>
    </message>
    <message>
        <source>.BR \-v &quot;, &quot; \-\-version
Print the version, then end.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.BR \-v &quot;, &quot; \-\-version
Gibt die Version aus; dann endet das Programm.</translation>
    </message>
    <message>
        <source>The standard options of Qt programs are accepted too, among them
.BI \-platform &quot; name&quot;
(for instance
.BR &quot;\-platform offscreen&quot; ),
.BI \-style &quot; name&quot;
and
.BR \-reverse .</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Auch die üblichen Optionen von Qt-Programmen werden angenommen, darunter
.BI \-platform &quot; Name&quot;
(zum Beispiel
.BR &quot;\-platform offscreen&quot; ),
.BI \-style &quot; Name&quot;
und
.BR \-reverse .</translation>
    </message>
    <message>
        <source>KEYS</source>
        <extracomment>A heading of the manual page, in capitals</extracomment>
        <translation>TASTEN</translation>
    </message>
    <message>
        <source>Tab moves through a screen&apos;s buttons from the top left, and Space or Enter presses the one with
the gold ring.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Tab geht von oben links durch die Schaltflächen eines Bildschirms, und die Leertaste oder Enter
drückt die mit dem goldenen Ring.</translation>
    </message>
    <message>
        <source>main menu
N new game, C continue, I instructions, Q quit.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Hauptmenü
N neues Spiel, W weiter, A Anleitung, B beenden.</translation>
    </message>
    <message>
        <source>slot screens
1, 2, 3 choose a slot; Esc main menu.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Spielstände
1, 2, 3 wählen einen Spielstand; Esc Hauptmenü.</translation>
    </message>
    <message>
        <source>town
Up and Down choose a place (or type its first letter); Enter goes there.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Stadt
Pfeil hoch und Pfeil runter wählen einen Ort (oder tippe seinen Anfangsbuchstaben); Enter geht
dorthin.</translation>
    </message>
    <message>
        <source>casino
Enter deals (resets once the hand is over); H hit, S stand, D double down;
Esc leaves between hands.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Casino
Enter gibt (und räumt ab, wenn die Hand vorbei ist); K Karte, S Stehen, V Verdoppeln;
Esc verlässt den Tisch zwischen zwei Händen.</translation>
    </message>
    <message>
        <source>tournament
Enter starts and continues; H hit, S stand; Esc leaves before the first deal.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Turnier
Enter startet und geht weiter; K Karte, S Stehen; Esc verlässt das Turnier vor dem ersten Geben.</translation>
    </message>
    <message>
        <source>school, home, bank
Esc leaves (at home it first leaves the stats); T the tournament;
at the bank, type the amount, then Alt+D deposit or Alt+W withdraw.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Schule, Zuhause, Bank
Esc geht hinaus (zu Hause schließt es zuerst die Statistik); T das Turnier;
in der Bank den Betrag eintippen, dann Alt+E einzahlen oder Alt+A abheben.</translation>
    </message>
    <message>
        <source>instructions
Left and Right turn the page; Esc main menu.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Anleitung
Pfeil links und Pfeil rechts blättern um; Esc Hauptmenü.</translation>
    </message>
    <message>
        <source>sleep question
Y yes, N no; Enter selects.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Frage vor dem Schlafen
J ja, N nein; Enter wählt aus.</translation>
    </message>
    <message>
        <source>SAVES</source>
        <extracomment>A heading of the manual page, in capitals</extracomment>
        <translation>SPIELSTÄNDE</translation>
    </message>
    <message>
        <source>Where a copy keeps its saves depends on where its program folder is:</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Wo eine Kopie ihre Spielstände aufbewahrt, hängt davon ab, wo ihr Programmordner liegt:</translation>
    </message>
    <message>
        <source>.B a portable copy
(a folder the player may write in, as a build folder):
.I Files/
beside the program.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.B eine portable Kopie
(ein Ordner, in den der Spieler schreiben darf, etwa ein Build-Ordner):
.I Files/
neben dem Programm.</translation>
    </message>
    <message>
        <source>.B an installed copy
(the program folder is the installation&apos;s,
.IR /usr/lib/games/vantrell/ ,
whoever plays, root included; or a folder that is not the player&apos;s to write):
.IR ~/.local/share/Vantrell/Files/ ,
or
.I $XDG_DATA_HOME/Vantrell/Files/
when
.B XDG_DATA_HOME
is set.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.B eine installierte Kopie
(der Programmordner ist der der Installation,
.IR /usr/lib/games/vantrell/ ,
wer auch immer spielt, root eingeschlossen; oder ein Ordner, in den der Spieler nicht schreiben
darf):
.IR ~/.local/share/Vantrell/Files/
oder,
wenn
.B XDG_DATA_HOME
gesetzt ist,
.IR $XDG_DATA_HOME/Vantrell/Files/ .</translation>
    </message>
    <message>
        <source>.BI &quot;vantrell \-\-saves &quot; folder
the folder named.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.BI &quot;vantrell \-\-saves &quot; Ordner
der genannte Ordner.</translation>
    </message>
    <message>
        <source>.B vantrell \-\-help
says which folder this copy uses.
A save folder the game has not used yet is created and given three empty slots on first start,
from the delivered
.IR Files/ ;
a file already there is never replaced.
A save folder that cannot be created or written is reported, and the game does not start.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.B vantrell \-\-help
sagt, welchen Ordner diese Kopie benutzt.
Ein Spielstand-Ordner, den das Spiel noch nicht benutzt hat, wird beim ersten Start angelegt und
bekommt drei leere Spielstände aus den mitgelieferten
.IR Files/ ;
eine Datei, die schon da ist, wird nie ersetzt.
Ein Spielstand-Ordner, der sich nicht anlegen oder beschreiben lässt, wird gemeldet, und das Spiel
startet nicht.</translation>
    </message>
    <message>
        <source>Removing the package leaves every player&apos;s saves in place.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Wird das Paket entfernt, bleiben die Spielstände jedes Spielers, wo sie sind.</translation>
    </message>
    <message>
        <source>FILES</source>
        <extracomment>A heading of the manual page, in capitals</extracomment>
        <translation>DATEIEN</translation>
    </message>
    <message>
        <source>The paths are those of the Debian package; a copy installed with
.B cmake \-\-install
under another prefix has the same layout under that prefix.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Die Pfade sind die des Debian-Pakets; eine mit
.B cmake \-\-install
unter einem anderen Präfix installierte Kopie hat unter diesem Präfix denselben Aufbau.</translation>
    </message>
    <message>
        <source>.I /usr/games/vantrell
The command: a link to the program in its program folder.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.I /usr/games/vantrell
Der Befehl: ein Link auf das Programm in seinem Programmordner.</translation>
    </message>
    <message>
        <source>.I /usr/lib/games/vantrell/
The program folder: the program, its window icon
.IR vantrell.png ,
the pictures in
.I Graphics/
and the delivered save folders in
.IR Files/ .</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.I /usr/lib/games/vantrell/
Der Programmordner: das Programm, sein Fenstersymbol
.IR vantrell.png ,
die Bilder in
.I Graphics/
und die mitgelieferten Spielstand-Ordner in
.IR Files/ .</translation>
    </message>
    <message>
        <source>.IR Files/Slot1/ &quot;, &quot; Files/Slot2/ &quot;, &quot; Files/Slot3/
One save slot each: the player&apos;s name in
.IR Name.txt ,
the cash in
.I Money.txt
and the bank balance in
.IR Bank.txt .</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.IR Files/Slot1/ &quot;, &quot; Files/Slot2/ &quot;, &quot; Files/Slot3/
Je ein Spielstand: der Name des Spielers in
.IR Name.txt ,
das Bargeld in
.I Money.txt
und der Kontostand in
.IR Bank.txt .</translation>
    </message>
    <message>
        <source>.I Files/TempFiles/
The game being played:
.IR CurrentSlot.txt ,
.I CurrentMoney.txt
and
.IR CurrentBank.txt .</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.I Files/TempFiles/
Das laufende Spiel:
.IR CurrentSlot.txt ,
.I CurrentMoney.txt
und
.IR CurrentBank.txt .</translation>
    </message>
    <message>
        <source>.I /usr/share/applications/org.vantrell.Vantrell.desktop
The desktop&apos;s menu entry (Games).</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.I /usr/share/applications/org.vantrell.Vantrell.desktop
Der Eintrag im Menü des Desktops (Spiele).</translation>
    </message>
    <message>
        <source>.I /usr/share/metainfo/org.vantrell.Vantrell.metainfo.xml
The description that software centres show.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.I /usr/share/metainfo/org.vantrell.Vantrell.metainfo.xml
Die Beschreibung, die Software-Center zeigen.</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <extracomment>A heading of the manual page, in capitals</extracomment>
        <translation>UMGEBUNG</translation>
    </message>
    <message>
        <source>.B XDG_DATA_HOME
Where an installed copy keeps its saves, in
.IR Vantrell/Files/ ;
.I ~/.local/share
when unset.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.B XDG_DATA_HOME
Wo eine installierte Kopie ihre Spielstände aufbewahrt, in
.IR Vantrell/Files/ ;
.IR ~/.local/share ,
wenn nicht gesetzt.</translation>
    </message>
    <message>
        <source>.B QT_QPA_PLATFORM
The window system, as
.B \-platform
chooses it; for instance
.B offscreen
plays without a display.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>.B QT_QPA_PLATFORM
Das Fenstersystem, wie
.B \-platform
es wählt; zum Beispiel spielt
.B offscreen
ohne Bildschirm.</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <extracomment>A heading of the manual page, in capitals</extracomment>
        <translation>EXIT-STATUS</translation>
    </message>
    <message>
        <source>0 when the game ends, or after
.B \-\-help
and
.BR \-\-version ;
1 for an unknown option or a save folder that cannot be used.</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>0, wenn das Spiel endet, und nach
.B \-\-help
und
.BR \-\-version ;
1 bei einer unbekannten Option oder einem Spielstand-Ordner, der sich nicht benutzen lässt.</translation>
    </message>
    <message>
        <source>COPYRIGHT</source>
        <extracomment>A heading of the manual page, in capitals</extracomment>
        <translation>COPYRIGHT</translation>
    </message>
    <message>
        <source>The Vantrell developers.
Vantrell is free software under the MIT license:
.IR /usr/share/doc/vantrell/copyright .</source>
        <extracomment>A stretch of the manual page, in the manual&apos;s markup: keep each line that starts with a dot a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep - before options; name the keys the game binds in your language</extracomment>
        <translation>Die Vantrell-Entwickler.
Vantrell ist freie Software unter der MIT-Lizenz:
.IR /usr/share/doc/vantrell/copyright .</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Vantrell: the picture %1 could not be read</source>
        <translation>Vantrell: Das Bild %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>VANTRELL SAVINGS BANK</source>
        <comment>over the bank&apos;s door</comment>
        <translation>SPARKASSE VANTRELL</translation>
    </message>
    <message>
        <source>Amount:</source>
        <comment>above the bank&apos;s amount box</comment>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>ACCOUNT</source>
        <comment>bank&apos;s status pad</comment>
        <translation>KONTO</translation>
    </message>
    <message>
        <source>Home Sweet Home</source>
        <comment>embroidered sampler on the wall at home</comment>
        <translation>Trautes Heim</translation>
    </message>
    <message>
        <source>$100 to start</source>
        <comment>first instruction page, under two cards</comment>
        <translation>100&#xa0;$ zum Start</translation>
    </message>
    <message>
        <source>$200</source>
        <comment>tournament prize ticket</comment>
        <translation>200&#xa0;$</translation>
    </message>
    <message>
        <source>prize</source>
        <comment>under the tournament&apos;s $200</comment>
        <translation>Preisgeld</translation>
    </message>
    <message>
        <source>next round</source>
        <translation>nächste Runde</translation>
    </message>
    <message>
        <source>play it again</source>
        <translation>noch einmal</translation>
    </message>
    <message>
        <source>tournament over</source>
        <translation>Turnier vorbei</translation>
    </message>
    <message>
        <source>Blackjack in a small town</source>
        <comment>under the game&apos;s name on the main menu</comment>
        <translation>Blackjack in der Kleinstadt</translation>
    </message>
    <message>
        <source>VANTRELL SCHOOL</source>
        <comment>the school&apos;s pennant</comment>
        <translation>SCHULE VANTRELL</translation>
    </message>
    <message>
        <source>SCHOOL EVENT</source>
        <comment>notice above the tournament button</comment>
        <translation>SCHULTURNIER</translation>
    </message>
    <message>
        <source>5 rounds</source>
        <comment>tournament prize ticket</comment>
        <translation>5 Runden</translation>
    </message>
    <message>
        <source>prize, no wager</source>
        <comment>tournament prize ticket</comment>
        <translation>Preisgeld, ohne Einsatz</translation>
    </message>
    <message>
        <source>Today: the tournament</source>
        <comment>chalked on the school&apos;s blackboard</comment>
        <translation>Heute: das Turnier</translation>
    </message>
    <message>
        <source>A + K = 21</source>
        <comment>chalked on the blackboard: ace and king make 21</comment>
        <translation>A + K = 21</translation>
    </message>
    <message>
        <source>DEALER STANDS ON 18</source>
        <comment>printed on the table</comment>
        <translation>CROUPIER STEHT AB 18</translation>
    </message>
    <message>
        <source>WINS PAY EVEN MONEY</source>
        <comment>printed on the table</comment>
        <translation>GEWINNE ZAHLEN 1:1</translation>
    </message>
    <message>
        <source>VANTRELL</source>
        <comment>sign over the school&apos;s door</comment>
        <translation>VANTRELL</translation>
    </message>
    <message>
        <source>CASINO</source>
        <comment>sign over the casino&apos;s door</comment>
        <translation>CASINO</translation>
    </message>
    <message>
        <source>BANK</source>
        <comment>carved over the bank&apos;s door</comment>
        <translation>BANK</translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>No name has been entered.</source>
        <translation>Du hast keinen Namen eingegeben.</translation>
    </message>
    <message>
        <source>That name can&apos;t be saved: %1 can&apos;t be part of a name.</source>
        <translation>Dieser Name lässt sich nicht speichern: %1 darf in keinem Namen vorkommen.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>it is not a file</source>
        <translation>das ist keine Datei</translation>
    </message>
    <message>
        <source>it is far too large</source>
        <translation>sie ist viel zu groß</translation>
    </message>
    <message>
        <source>The save file %1 is missing.</source>
        <translation>Die Spielstanddatei %1 fehlt.</translation>
    </message>
    <message>
        <source>The save file %1 could not be read%2.</source>
        <translation>Die Spielstanddatei %1 konnte nicht gelesen werden%2.</translation>
    </message>
    <message>
        <source>The save file %1 is empty.</source>
        <translation>Die Spielstanddatei %1 ist leer.</translation>
    </message>
    <message>
        <source>The save file %1 is damaged%2.</source>
        <translation>Die Spielstanddatei %1 ist beschädigt%2.</translation>
    </message>
    <message>
        <source>The save file %1 holds a number outside -32768 to 32767.</source>
        <translation>Die Spielstanddatei %1 enthält eine Zahl außerhalb von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>The save file %1 could not be written%2.</source>
        <translation>Die Spielstanddatei %1 konnte nicht geschrieben werden%2.</translation>
    </message>
    <message>
        <source>%1 cannot be saved in %2.</source>
        <translation>%1 lässt sich nicht in %2 speichern.</translation>
    </message>
    <message>
        <source>A double quote</source>
        <translation>Ein doppeltes Anführungszeichen</translation>
    </message>
    <message>
        <source>A control character</source>
        <translation>Ein Steuerzeichen</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot;</source>
        <translation>Das Zeichen „%1“</translation>
    </message>
    <message>
        <source>more than one line</source>
        <translation>mehr als eine Zeile</translation>
    </message>
    <message>
        <source>no whole number</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>nicht nur eine ganze Zahl</translation>
    </message>
    <message>
        <source>unreadable characters</source>
        <translation>unlesbare Zeichen</translation>
    </message>
    <message>
        <source>an unclosed quote</source>
        <translation>ein nicht geschlossenes Anführungszeichen</translation>
    </message>
    <message>
        <source>text after the quotes</source>
        <translation>Text nach den Anführungszeichen</translation>
    </message>
</context>
<context>
    <name>SaveFolder</name>
    <message>
        <source>cannot create the save folder %1</source>
        <translation>der Ordner für die Spielstände %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>cannot write in the save folder %1</source>
        <translation>in den Ordner für die Spielstände %1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2</source>
        <translation>%1 lässt sich nicht nach %2 kopieren</translation>
    </message>
</context>
<context>
    <name>ScreenTitle</name>
    <message>
        <source>Main menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Continue game</source>
        <translation>Spiel fortsetzen</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Zuhause</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Schlafen</translation>
    </message>
    <message>
        <source>Casino</source>
        <translation>Casino</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Schule</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Turnier</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>You win</source>
        <comment>result of a hand</comment>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>You lose</source>
        <comment>result of a hand</comment>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Draw</source>
        <comment>result of a hand</comment>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Busted</source>
        <comment>result of a hand: over 21</comment>
        <translation>Überkauft</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two of a list of cards</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list of cards, before its last two</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You have %1: %2. The dealer shows %3.</source>
        <comment>%1 the player&apos;s two cards, %2 their count, %3 the dealer&apos;s open card</comment>
        <translation>Du hast %1: %2. Der Croupier zeigt %3.</translation>
    </message>
    <message>
        <source>You draw %1, a sixth card: %2, over 21.</source>
        <comment>%1 the card, %2 the count</comment>
        <translation>Du bekommst %1, deine sechste Karte: %2, über 21.</translation>
    </message>
    <message>
        <source>You draw %1, a sixth card: %2.</source>
        <comment>%1 the card, %2 the count</comment>
        <translation>Du bekommst %1, deine sechste Karte: %2.</translation>
    </message>
    <message>
        <source>You draw %1: %2, over 21.</source>
        <comment>%1 the card, %2 the count</comment>
        <translation>Du bekommst %1: %2, über 21.</translation>
    </message>
    <message>
        <source>You draw %1: %2.</source>
        <comment>%1 the card, %2 the count</comment>
        <translation>Du bekommst %1: %2.</translation>
    </message>
    <message>
        <source>The dealer turns up %1: %2.</source>
        <comment>%1 the hidden card, %2 the dealer&apos;s count</comment>
        <translation>Der Croupier deckt %1 auf: %2.</translation>
    </message>
    <message>
        <source>The dealer turns up %1 and draws %2: %3.</source>
        <comment>%1 the hidden card, %2 the cards drawn, %3 the dealer&apos;s count</comment>
        <translation>Der Croupier deckt %1 auf und zieht %2: %3.</translation>
    </message>
</context>
<context>
    <name>Tournament</name>
    <message>
        <source>%1 The $%2 prize could not be paid.</source>
        <comment>%1 names the save file that failed</comment>
        <translation>%1 Der Preis von %2 $ konnte nicht ausgezahlt werden.</translation>
    </message>
    <message>
        <source>Here&apos;s your $%1.</source>
        <translation>Hier sind deine %1 $.</translation>
    </message>
    <message>
        <source>Your purse can&apos;t hold more than $%1, so the $%2 prize could not be added.</source>
        <translation>In deine Geldbörse passen höchstens %1 $, deshalb konnte der Preis von %2 $ nicht dazukommen.</translation>
    </message>
    <message>
        <source>Your purse can&apos;t hold more than $%1, so you receive $%2.</source>
        <translation>In deine Geldbörse passen höchstens %1 $, deshalb bekommst du nur %2 $.</translation>
    </message>
    <message>
        <source>%1 It is in your cash for this game, but your save slot could not be updated. %2</source>
        <comment>%1 what was paid, %2 names the save file that failed</comment>
        <translation>%1 Das Geld ist in diesem Spiel in deiner Tasche, aber dein Spielstand konnte nicht aktualisiert werden. %2</translation>
    </message>
    <message>
        <source>it names no save slot</source>
        <comment>why the save file is damaged</comment>
        <translation>sie nennt keinen Spielstand</translation>
    </message>
</context>
<context>
    <name>bank::BankScreen</name>
    <message>
        <source>Leave the bank</source>
        <translation>Bank verlassen</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Alt+D</source>
        <comment>key: Deposit</comment>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>Alt+W</source>
        <comment>key: Withdraw</comment>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>The bank stays closed; nothing was changed.</source>
        <translation>Die Bank bleibt geschlossen; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>it names no save slot 1 to 3</source>
        <comment>why the save file is damaged</comment>
        <translation>sie nennt keinen Spielstand von 1 bis 3</translation>
    </message>
    <message>
        <source>Name: %1
Money: $%2
Bank Account: $%3</source>
        <comment>three lines of the display</comment>
        <translation>Name: %1
Geld: %2 $
Konto: %3 $</translation>
    </message>
    <message>
        <source>Awaiting order</source>
        <comment>the machine&apos;s display, followed by dots</comment>
        <translation>Warte auf Auftrag</translation>
    </message>
    <message>
        <source>Money: $%1. Bank Account: $%2.</source>
        <translation>Geld: %1 $. Konto: %2 $.</translation>
    </message>
    <message>
        <source>Name: %1.</source>
        <translation>Name: %1.</translation>
    </message>
    <message>
        <source>Your account is not saved yet, so you stay in the bank; leaving again tries once more.</source>
        <translation>Dein Konto ist noch nicht gespeichert, darum bleibst du in der Bank; beim nächsten Verlassen wird es noch einmal versucht.</translation>
    </message>
</context>
<context>
    <name>casino::CasinoTable</name>
    <message>
        <source>Leave the casino</source>
        <translation>Casino verlassen</translation>
    </message>
    <message>
        <source>H</source>
        <comment>key: Hit</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>S</source>
        <comment>key: Stand</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>D</source>
        <comment>key: Double Down</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>The casino stays closed; nothing was changed.</source>
        <translation>Das Casino bleibt geschlossen; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Money: $%1</source>
        <translation>Geld: %1 $</translation>
    </message>
    <message>
        <source>Bet: $%1</source>
        <translation>Einsatz: %1 $</translation>
    </message>
    <message>
        <source>How much will you be betting?</source>
        <translation>Wie viel möchtest du setzen?</translation>
    </message>
    <message>
        <source>Place your bet!</source>
        <translation>Mach dein Spiel!</translation>
    </message>
    <message>
        <source>Bet $%1, cash $%2.</source>
        <translation>Einsatz %1 $, Bargeld %2 $.</translation>
    </message>
    <message>
        <source>You double down: bet $%1, cash $%2.</source>
        <translation>Du verdoppelst: Einsatz %1 $, Bargeld %2 $.</translation>
    </message>
    <message>
        <source>The table is clear. Cash $%1.</source>
        <translation>Der Tisch ist abgeräumt. Bargeld %1 $.</translation>
    </message>
    <message>
        <source>Oh, looks like you ran out of money!</source>
        <translation>Oh, da ist dir wohl das Geld ausgegangen!</translation>
    </message>
    <message>
        <source>Better luck next time.</source>
        <translation>Mehr Glück beim nächsten Mal.</translation>
    </message>
    <message>
        <source>Sorry, but you have no money on you.</source>
        <translation>Tut mir leid, aber du hast kein Geld dabei.</translation>
    </message>
    <message>
        <source>Please come back when you have money.</source>
        <translation>Komm bitte wieder, wenn du Geld hast.</translation>
    </message>
    <message>
        <source>it names no save slot 1 to 3</source>
        <comment>why the save file is damaged</comment>
        <translation>sie nennt keinen Spielstand von 1 bis 3</translation>
    </message>
    <message>
        <source>Your cash of $%1 stays at the table but is not saved.</source>
        <translation>Dein Bargeld von %1 $ bleibt am Tisch, ist aber nicht gespeichert.</translation>
    </message>
    <message>
        <source>Cash $%1.</source>
        <translation>Bargeld %1 $.</translation>
    </message>
    <message>
        <source>Leave the table now? Your bet of $%1 is lost.</source>
        <translation>Den Tisch jetzt verlassen? Dein Einsatz von %1 $ ist dann verloren.</translation>
    </message>
</context>
<context>
    <name>game::ContinueGameScreen</name>
    <message>
        <source>Click on a slot to continue a saved game.</source>
        <translation>Klicke auf einen Spielstand, um ein gespeichertes Spiel fortzusetzen.</translation>
    </message>
    <message>
        <source>This game can&apos;t be continued.</source>
        <translation>Dieses Spiel lässt sich nicht fortsetzen.</translation>
    </message>
    <message>
        <source>No Data Found</source>
        <translation>Kein Spielstand gefunden</translation>
    </message>
</context>
<context>
    <name>game::InstructionsScreen</name>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Keys: Enter deals, H hit, S stand, D double down, Esc leaves, Tab moves</source>
        <translation>Tasten: Enter geben, K Karte, S stehen, V verdoppeln, Esc zurück, Tab weiter</translation>
    </message>
    <message>
        <source>Instructions, page %1 of %2</source>
        <translation>Anleitung, Seite %1 von %2</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Page %1 of %2.</source>
        <translation>Seite %1 von %2.</translation>
    </message>
</context>
<context>
    <name>game::NewGameScreen</name>
    <message>
        <source>Click on a slot to begin new game. Warning: Data will be overwritten.</source>
        <translation>Klicke auf einen Spielstand für ein neues Spiel. Achtung: Er wird überschrieben.</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Wie heißt du?</translation>
    </message>
    <message>
        <source>Enter name.</source>
        <translation>Name eingeben</translation>
    </message>
    <message>
        <source>The new game could not be started.</source>
        <translation>Das neue Spiel ließ sich nicht starten.</translation>
    </message>
</context>
<context>
    <name>game::PlaceholderScreen</name>
    <message>
        <source>%1 opens soon.</source>
        <translation>%1 öffnet bald.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>game::SlotScreen</name>
    <message>
        <source>Its save files are missing</source>
        <translation>Alle Dateien fehlen</translation>
    </message>
    <message>
        <source>%1 of its save files are missing</source>
        <translation>%1 Dateien fehlen</translation>
    </message>
    <message>
        <source>%1 of its save files are damaged</source>
        <translation>%1 Dateien sind beschädigt</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read</source>
        <translation>%1 ist unlesbar</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 is out of range</source>
        <translation>%1: Wert ungültig</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 ist beschädigt</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Spielstand %1</translation>
    </message>
    <message>
        <source>save damaged, %1</source>
        <translation>Spielstand beschädigt, %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, money $%2, bank $%3</source>
        <translation>%1, Geld %2 $, Konto %3 $</translation>
    </message>
    <message>
        <source>Slot %1: %2.</source>
        <translation>Spielstand %1: %2.</translation>
    </message>
    <message>
        <source>%1. Key %2.</source>
        <translation>%1. Taste %2.</translation>
    </message>
    <message>
        <source>Name: (save damaged)</source>
        <translation>Name: (beschädigt)</translation>
    </message>
    <message>
        <source>Name: (Nobody)</source>
        <translation>Name: (Niemand)</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Money: $%1     Bank: $%2</source>
        <translation>Geld: %1 $     Konto: %2 $</translation>
    </message>
    <message>
        <source>No game was started; every slot is as it was.</source>
        <translation>Es wurde kein Spiel begonnen; alle Spielstände sind unverändert.</translation>
    </message>
</context>
<context>
    <name>game::StartScreen</name>
    <message>
        <source>N</source>
        <comment>key: New Game</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>C</source>
        <comment>key: Continue</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>I</source>
        <comment>key: Instructions</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>Q</source>
        <comment>key: Quit</comment>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>school::SchoolScreen</name>
    <message>
        <source>Back to town</source>
        <translation>Zurück in die Stadt</translation>
    </message>
    <message>
        <source>T</source>
        <comment>key: Tournament</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>Win 5 rounds of Blackjack to recieve $%1.
(Note that Doubling Down is not allowed since you aren&apos;t wagering any money anyways.)</source>
        <translation>Gewinne 5 Runden Blackjack und du bekommst %1 $.
(Verdoppeln ist hier nicht erlaubt – du setzt ja sowieso kein Geld.)</translation>
    </message>
</context>
<context>
    <name>school::TournamentTable</name>
    <message>
        <source>Leave the tournament</source>
        <translation>Turnier verlassen</translation>
    </message>
    <message>
        <source>H</source>
        <comment>key: Hit</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>S</source>
        <comment>key: Stand</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Round #%1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>Round %1.</source>
        <translation>Runde %1.</translation>
    </message>
    <message>
        <source>Sorry, but you lose.</source>
        <translation>Tut mir leid, du hast verloren.</translation>
    </message>
    <message>
        <source>Good job!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Well, it&apos;s a draw, let&apos;s do this round again.</source>
        <translation>Tja, unentschieden – die Runde spielen wir noch mal.</translation>
    </message>
    <message>
        <source>You have passed all five rounds.</source>
        <translation>Du hast alle fünf Runden geschafft.</translation>
    </message>
    <message>
        <source>Alright, next round!</source>
        <translation>Gut, auf zur nächsten Runde!</translation>
    </message>
    <message>
        <source>Looks like you&apos;re finished here.</source>
        <translation>Sieht so aus, als wärst du hier fertig.</translation>
    </message>
    <message>
        <source>See you around.</source>
        <translation>Man sieht sich.</translation>
    </message>
</context>
<context>
    <name>town::HomeScreen</name>
    <message>
        <source>Back to town</source>
        <translation>Zurück in die Stadt</translation>
    </message>
    <message>
        <source>Home menu</source>
        <translation>Zuhause-Menü</translation>
    </message>
    <message>
        <source>You stay in town; nothing was changed.</source>
        <translation>Du bleibst in der Stadt; nichts wurde verändert.</translation>
    </message>
    <message>
        <source>it names no save slot</source>
        <translation>sie nennt keinen Spielstand</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Money: $%1</source>
        <translation>Geld: %1 $</translation>
    </message>
    <message>
        <source>Bank: $%1</source>
        <translation>Konto: %1 $</translation>
    </message>
</context>
<context>
    <name>town::LocationsScreen</name>
    <message>
        <source>Home</source>
        <translation>Zuhause</translation>
    </message>
    <message>
        <source>Go home to write in your diary, view your stats, and sleep.</source>
        <translation>Geh nach Hause, um in dein Tagebuch zu schreiben, deine Statistik anzusehen und zu schlafen.</translation>
    </message>
    <message>
        <source>Casino</source>
        <translation>Casino</translation>
    </message>
    <message>
        <source>Go to the casino to bet money on Blackjack games.</source>
        <translation>Geh ins Casino und setze beim Blackjack dein Geld.</translation>
    </message>
    <message>
        <source>Vantrell</source>
        <translation>Vantrell</translation>
    </message>
    <message>
        <source>Go to your school to participate in special events.</source>
        <translation>Geh zu deiner Schule und nimm an besonderen Veranstaltungen teil.</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Go to the bank to deposit and withdraw money.</source>
        <translation>Geh zur Bank, um Geld einzuzahlen und abzuheben.</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Orte</translation>
    </message>
    <message>
        <source>Choose your location:</source>
        <translation>Wähle dein Ziel:</translation>
    </message>
    <message>
        <source>Please choose a location.</source>
        <translation>Bitte wähle zuerst ein Ziel.</translation>
    </message>
</context>
<context>
    <name>town::SleepDialog</name>
    <message>
        <source>Sleeping so soon?</source>
        <translation>Schon ins Bett?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>key: Yes</comment>
        <translation>J</translation>
    </message>
    <message>
        <source>N</source>
        <comment>key: No</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Please choose Yes or No.</source>
        <translation>Bitte wähle Ja oder Nein.</translation>
    </message>
    <message>
        <source>The game ends all the same.</source>
        <translation>Das Spiel endet trotzdem.</translation>
    </message>
</context>
<context>
    <name>ui::Screen</name>
    <message>
        <source>%1 (%2)</source>
        <comment>tooltip: a control&apos;s name (its key)</comment>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
