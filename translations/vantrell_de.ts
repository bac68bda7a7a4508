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
</TS>
