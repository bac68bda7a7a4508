<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <source>Dealer</source>
        <translation>Croupier</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Hit</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Stand</source>
        <translation>Stehen</translation>
    </message>
    <message>
        <source>Double Down</source>
        <translation>Verdoppeln</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Abräumen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Save Slots</source>
        <translation>Spielstände</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
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
        <source>Tournament</source>
        <translation>Turnier</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlen</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Abheben</translation>
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
    <name>Pictures</name>
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
