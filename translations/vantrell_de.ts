<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
</TS>
