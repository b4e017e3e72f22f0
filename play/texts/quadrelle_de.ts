<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutText</name>
    <message>
        <source>About Quadrelle!</source>
        <translation>Über Quadrelle!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A colour-reaction puzzle on a 6 × 6 board.</source>
        <translation>Ein Farbreaktions-Puzzle auf einem Spielfeld von 6 × 6 Feldern.</translation>
    </message>
    <message>
        <source>Game number %1</source>
        <translation>Spielnummer %1</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>wildcard</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>%1, arrows up and down</source>
        <translation>%1, Pfeile nach oben und unten</translation>
    </message>
    <message>
        <source>%1, arrow up</source>
        <translation>%1, Pfeil nach oben</translation>
    </message>
    <message>
        <source>%1, arrow down</source>
        <translation>%1, Pfeil nach unten</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, markiert</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>AnswerWords</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>BestScoresTable</name>
    <message>
        <source>Best scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spielnummer</translation>
    </message>
    <message>
        <source>This game took rank %1.</source>
        <translation>Dieses Spiel hat Platz %1 erreicht.</translation>
    </message>
    <message>
        <source>No games in the table yet: a game over with a score enters it.</source>
        <translation>Noch keine Spiele in der Liste: Ein beendetes Spiel mit Punkten wird eingetragen.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Play the game with this number: the same number deals the same boards.</source>
        <translation>Das Spiel mit dieser Nummer spielen: Dieselbe Nummer ergibt dieselben Spielfelder.</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>quadrelle: %1 &apos;%2&apos;; see quadrelle --help</source>
        <translation>quadrelle: %1 „%2“; siehe quadrelle --help</translation>
    </message>
    <message>
        <source>Quadrelle! - step the colours of squares to make rows of three.
The high score and the start level are kept in $XDG_CONFIG_HOME/Chromafall/Chromafall.ini.</source>
        <translation>Quadrelle! - ändere die Farben der Felder, bis drei in einer Reihe stehen.
Rekord und Startstufe werden in $XDG_CONFIG_HOME/Chromafall/Chromafall.ini gespeichert.</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>unerwartetes Argument</translation>
    </message>
    <message>
        <source>not a game number:</source>
        <translation>keine Spielnummer:</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Five colours</source>
        <translation>Fünf Farben</translation>
    </message>
    <message>
        <source>Every square has one of five colours, and its colour also sets the size of its outline: pink is a small dot, green, yellow and red grow larger, and blue fills the whole square.</source>
        <translation>Jedes Feld hat eine von fünf Farben, und die Farbe bestimmt auch die Größe seines Umrisses: Rosa ist ein kleiner Punkt, Grün, Gelb und Rot werden größer, und Blau füllt das ganze Feld.</translation>
    </message>
    <message>
        <source>Three in a row</source>
        <translation>Drei in einer Reihe</translation>
    </message>
    <message>
        <source>Three squares of one colour side by side in a row or a column react, whatever their arrows: they are removed, the other squares close up, and new squares fill the gaps. Four in a line are two reactions. The new board may react again: a chain of two or more reactions is a combo, shown at the top right.</source>
        <translation>Drei Felder einer Farbe nebeneinander in einer Zeile oder Spalte reagieren, gleich welche Pfeile sie tragen: Sie werden entfernt, die übrigen Felder rücken nach, und neue Felder füllen die Lücken. Vier in einer Linie sind zwei Reaktionen. Das neue Spielfeld kann wieder reagieren: Eine Kette von zwei oder mehr Reaktionen ist eine Kombo, oben rechts angezeigt.</translation>
    </message>
    <message>
        <source>Colour step</source>
        <translation>Farbschritt</translation>
    </message>
    <message>
        <source>Click a square with an arrow to step its colour once along the arrow, for one point: up to the next larger outline, down to the next smaller. A step up to blue or down to pink takes the arrow away: the square is plain from then on. The board reacts a second after your last click, so you can make several quick clicks before it does.</source>
        <translation>Klicke ein Feld mit Pfeil an, um seine Farbe einen Schritt in Pfeilrichtung zu ändern, für einen Punkt: nach oben zum nächstgrößeren Umriss, nach unten zum nächstkleineren. Ein Schritt nach oben zu Blau oder nach unten zu Rosa nimmt den Pfeil weg: Das Feld bleibt danach ohne Pfeil. Das Spielfeld reagiert erst eine Sekunde nach deinem letzten Klick; so kannst du mehrere schnelle Klicks machen, bevor es reagiert.</translation>
    </message>
    <message>
        <source>Two-way squares</source>
        <translation>Doppelpfeil-Felder</translation>
    </message>
    <message>
        <source>A square with both arrows steps up when you click its upper half and down when you click its lower half. A step takes away the other arrow.</source>
        <translation>Ein Feld mit beiden Pfeilen geht einen Schritt nach oben, wenn du seine obere Hälfte anklickst, und nach unten, wenn du seine untere Hälfte anklickst. Ein Schritt nimmt ihm den anderen Pfeil.</translation>
    </message>
    <message>
        <source>Colour search</source>
        <translation>Farbsuche</translation>
    </message>
    <message>
        <source>Right-click an arrow square (or click it with Shift, Ctrl or Alt held) to try every colour its arrow can reach, nearest first: the first that reacts is kept. When none reacts, the square stays as it was. A search earns no point itself, only its reactions score; and a search that ends on blue or pink leaves the square plain, without its arrow.</source>
        <translation>Klicke ein Pfeilfeld mit der rechten Maustaste an (oder mit gedrückter Umschalt-, Strg- oder Alt-Taste), um jede Farbe zu probieren, die sein Pfeil erreicht, die nächste zuerst: Die erste, die reagiert, bleibt. Reagiert keine, bleibt das Feld, wie es war. Die Suche selbst bringt keinen Punkt, nur ihre Reaktionen zählen; und endet sie bei Blau oder Rosa, verliert das Feld seinen Pfeil.</translation>
    </message>
    <message>
        <source>Wildcard</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>The multi-coloured square counts as every colour in a run of three. It has no arrow and cannot be erased. It appears from level 4 on.</source>
        <translation>Das bunte Feld zählt in einer Dreierreihe als jede Farbe. Es hat keinen Pfeil und lässt sich nicht wegradieren. Es erscheint ab Stufe 4.</translation>
    </message>
    <message>
        <source>Erasers</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>A square without an arrow cannot change. Click or right-click it to spend an eraser: it breaks up and is removed. A row or column whose six squares all react at once earns an eraser (you hold at most 3) and sweeps every square of its colour off the board.</source>
        <translation>Ein Feld ohne Pfeil kann sich nicht ändern. Klicke es mit der linken oder rechten Maustaste an, um einen Radierer zu verbrauchen: Es zerfällt und wird entfernt. Eine Zeile oder Spalte, deren sechs Felder alle zugleich reagieren, bringt einen Radierer (mehr als 3 kannst du nicht haben) und fegt jedes Feld ihrer Farbe vom Spielfeld.</translation>
    </message>
    <message>
        <source>Score, levels and the end</source>
        <translation>Punkte, Stufen und Spielende</translation>
    </message>
    <message>
        <source>Each reaction scores 10 points once you have made your first move. Every 20 reactions raise the level (&quot;Left&quot; counts them down); higher levels bring more squares without arrows. The game is over when nothing reacts and no square can change any more. Play goes on after &quot;Game Over&quot;: an eraser still removes a plain square, the squares that fall in may bring arrows back, and the game can end again with a higher score. &quot;New Game&quot; starts again at the start level you choose below it.</source>
        <translation>Jede Reaktion bringt 10 Punkte, sobald du deinen ersten Zug gemacht hast. Alle 20 Reaktionen steigt die Stufe („Rest“ zählt sie herunter); höhere Stufen bringen mehr Felder ohne Pfeil. Das Spiel ist aus, wenn nichts mehr reagiert und sich kein Feld mehr ändern kann. Nach „Spielende“ geht das Spiel weiter: Ein Radierer entfernt noch immer ein Feld ohne Pfeil, die nachrückenden Felder können wieder Pfeile bringen, und das Spiel kann mit mehr Punkten noch einmal enden. „Neues Spiel“ beginnt von vorn mit der Startstufe, die du darunter wählst.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Press H for a hint. A white frame marks, for two seconds, a square whose colour step reacts now, or else one whose colour search does, or else, while you hold an eraser, one whose erasing does; its corner shows the move: an arrow up or down, a magnifying glass for the search, a cross for the eraser, and the move is also written below the board. When no move reacts, the board says so. While the board is still reacting, the hint waits until it settles.</source>
        <translation>Drücke H für einen Tipp. Ein weißer Rahmen markiert zwei Sekunden lang ein Feld, dessen Farbschritt jetzt reagiert, sonst eines, dessen Farbsuche reagiert, oder, solange du einen Radierer hast, eines, dessen Radieren reagiert; seine Ecke zeigt den Zug: ein Pfeil nach oben oder unten, eine Lupe für die Farbsuche, ein Kreuz für den Radierer, und unter dem Spielfeld steht der Zug auch in Worten. Reagiert kein Zug, zeigt das Spielfeld das an. Solange das Spielfeld noch reagiert, wartet der Tipp, bis es zur Ruhe kommt.</translation>
    </message>
    <message>
        <source>Colour symbols</source>
        <translation>Farbsymbole</translation>
    </message>
    <message>
        <source>Press C to give every square a symbol of its colour, to tell the colours apart by shape: a ring on pink, a triangle on green, bars on yellow, a plus on red, a star on blue and an asterisk on the wildcard. C again takes them away.</source>
        <translation>Drücke C, um jedem Feld ein Symbol seiner Farbe zu geben, damit sich die Farben auch an der Form unterscheiden lassen: ein Ring auf Rosa, ein Dreieck auf Grün, Balken auf Gelb, ein Plus auf Rot, ein Stern auf Blau und ein Sternchen auf dem Joker. Noch einmal C nimmt sie wieder weg.</translation>
    </message>
    <message>
        <source>Anywhere in the window:</source>
        <translation>Überall im Fenster:</translation>
    </message>
    <message>
        <source>While the board has the focus (Tab reaches it after the other controls):</source>
        <translation>Solange das Spielfeld den Fokus hat (Tab erreicht es nach den anderen Bedienelementen):</translation>
    </message>
    <message>
        <source>Only in the menu:</source>
        <translation>Nur im Menü:</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
</context>
<context>
    <name>HintText</name>
    <message>
        <source>Hint: step up at %1</source>
        <translation>Tipp: nach oben schalten bei %1</translation>
    </message>
    <message>
        <source>Hint: step down at %1</source>
        <translation>Tipp: nach unten schalten bei %1</translation>
    </message>
    <message>
        <source>Hint: colour search at %1</source>
        <translation>Tipp: Farbsuche bei %1</translation>
    </message>
    <message>
        <source>Hint: spend an eraser at %1</source>
        <translation>Tipp: einen Radierer einsetzen bei %1</translation>
    </message>
    <message>
        <source>No move reacts now</source>
        <translation>Kein Zug reagiert jetzt</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Clear best scores</source>
        <translation>Bestenliste löschen</translation>
    </message>
    <message>
        <source>Do you really want to clear the best scores?</source>
        <translation>Willst du die Bestenliste wirklich löschen?</translation>
    </message>
    <message>
        <source>Clear Hiscore</source>
        <translation>Rekord löschen</translation>
    </message>
    <message>
        <source>Do you really want to clear the hiscore?</source>
        <translation>Willst du den Rekord wirklich löschen?</translation>
    </message>
    <message>
        <source>Play game number</source>
        <translation>Spiel nach Nummer</translation>
    </message>
    <message>
        <source>Game number (the same number deals the same boards):</source>
        <translation>Spielnummer (dieselbe Nummer ergibt dieselben Spielfelder):</translation>
    </message>
    <message>
        <source>Type a game number.</source>
        <translation>Gib eine Spielnummer ein.</translation>
    </message>
    <message>
        <source>A game number has the digits 0 to 9 only.</source>
        <translation>Eine Spielnummer besteht nur aus den Ziffern 0 bis 9.</translation>
    </message>
    <message>
        <source>A game number is at most %1.</source>
        <translation>Eine Spielnummer ist höchstens %1.</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Play game number…</source>
        <translation>Spiel nach Nummer…</translation>
    </message>
    <message>
        <source>Sound on/off</source>
        <translation>Ton an/aus</translation>
    </message>
    <message>
        <source>Colour symbols on/off</source>
        <translation>Farbsymbole an/aus</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>About Quadrelle!</source>
        <translation>Über Quadrelle!</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Move the cursor over the board</source>
        <translation>Cursor über das Spielfeld bewegen</translation>
    </message>
    <message>
        <source>Click the square: a colour step, or an eraser on a plain square</source>
        <translation>Feld anklicken: ein Farbschritt, auf einem Feld ohne Pfeil ein Radierer</translation>
    </message>
    <message>
        <source>This menu</source>
        <translation>Dieses Menü</translation>
    </message>
    <message>
        <source>Step the square up</source>
        <translation>Feld nach oben schalten</translation>
    </message>
    <message>
        <source>Step the square down</source>
        <translation>Feld nach unten schalten</translation>
    </message>
    <message>
        <source>Colour search on the square, or an eraser on a plain square</source>
        <translation>Farbsuche auf dem Feld, auf einem Feld ohne Pfeil ein Radierer</translation>
    </message>
    <message>
        <source>Clear the best scores…</source>
        <translation>Bestenliste löschen…</translation>
    </message>
    <message>
        <source>Clear the high score…</source>
        <translation>Rekord löschen…</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source> Combo x</source>
        <translation> Kombo x</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Hiscore</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Erasers</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Start­stufe</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Quadrelle! - step colours, make rows of three</source>
        <translation>Quadrelle! - Farben ändern, drei in eine Reihe</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Game number %1</source>
        <translation>Spielnummer %1</translation>
    </message>
    <message>
        <source>Other keys</source>
        <translation>Weitere Tasten</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Scores and settings cannot be saved</source>
        <translation>Punkte und Einstellungen können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Start level</source>
        <comment>spinner</comment>
        <translation>Startstufe</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
</context>
</TS>
