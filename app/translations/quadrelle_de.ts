<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
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
    <message>
        <source>About Quadrelle!</source>
        <translation>Über Quadrelle!</translation>
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
</context>
<context>
    <name>ClearHiscorePrompt</name>
    <message>
        <source>Clear Hiscore</source>
        <translation>Rekord löschen</translation>
    </message>
    <message>
        <source>Do you really want to clear the hiscore?</source>
        <translation>Willst du den Rekord wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>GameNumberPrompt</name>
    <message>
        <source>Play game number</source>
        <translation>Spiel Nummer spielen</translation>
    </message>
    <message>
        <source>Game number (the same number deals the same boards):</source>
        <translation>Spielnummer (dieselbe Nummer gibt dieselben Bretter):</translation>
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
        <source>Step a two-way square up</source>
        <translation>Doppelpfeil-Feld nach oben schalten</translation>
    </message>
    <message>
        <source>Step a two-way square down</source>
        <translation>Doppelpfeil-Feld nach unten schalten</translation>
    </message>
    <message>
        <source>Colour search on the square</source>
        <translation>Farbsuche auf dem Feld</translation>
    </message>
    <message>
        <source>This menu</source>
        <translation>Dieses Menü</translation>
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
    <message>
        <source>Start level</source>
        <comment>spinner</comment>
        <translation>Startstufe</translation>
    </message>
</context>
<context>
    <name>quadrelle::app::BestScoresDialog</name>
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
        <source>No games in the table yet: a game over with a score enters it.</source>
        <translation>Noch keine Spiele in der Liste: Ein beendetes Spiel mit Punkten wird eingetragen.</translation>
    </message>
</context>
<context>
    <name>quadrelle::app::BoardOverlay</name>
    <message>
        <source>No move reacts now</source>
        <translation>Kein Zug reagiert jetzt</translation>
    </message>
</context>
<context>
    <name>quadrelle::app::HelpWindow</name>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
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
        <source>Click a square with an arrow to step its colour once along the arrow, for one point: up to the next larger outline, down to the next smaller. The board reacts a second after your last click, so quick clicks are all made first.</source>
        <translation>Klicke ein Feld mit Pfeil an, um seine Farbe einen Schritt in Pfeilrichtung zu ändern, für einen Punkt: nach oben zum nächstgrößeren Umriss, nach unten zum nächstkleineren. Das Spielfeld reagiert eine Sekunde nach deinem letzten Klick, schnelle Klicks kommen also alle zuerst.</translation>
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
        <source>Right-click an arrow square (or click it with Shift, Ctrl or Alt held) to try every colour its arrow can reach, nearest first: the first that reacts is kept. When none reacts, the square stays as it was.</source>
        <translation>Klicke ein Pfeilfeld mit der rechten Maustaste an (oder mit gedrückter Umschalt-, Strg- oder Alt-Taste), um jede Farbe zu probieren, die sein Pfeil erreicht, die nächste zuerst: Die erste, die reagiert, bleibt. Reagiert keine, bleibt das Feld, wie es war.</translation>
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
        <source>A square without an arrow cannot change. Click it to spend an eraser: it breaks up and is removed. A row or column whose six squares all react at once earns an eraser (you hold at most 3) and sweeps every square of its colour off the board.</source>
        <translation>Ein Feld ohne Pfeil kann sich nicht ändern. Klicke es an, um einen Radierer zu verbrauchen: Es zerfällt und wird entfernt. Eine Zeile oder Spalte, deren sechs Felder alle zugleich reagieren, bringt einen Radierer (du hältst höchstens 3) und fegt jedes Feld ihrer Farbe vom Spielfeld.</translation>
    </message>
    <message>
        <source>Score, levels and the end</source>
        <translation>Punkte, Stufen und Spielende</translation>
    </message>
    <message>
        <source>Each reaction scores 10 points once you have made your first move. Every 20 reactions raise the level (&quot;Left&quot; counts them down); higher levels bring more squares without arrows. The game is over when nothing reacts and no square can change any more. &quot;New Game&quot; starts again at the start level you choose below it.</source>
        <translation>Jede Reaktion bringt 10 Punkte, sobald du deinen ersten Zug gemacht hast. Alle 20 Reaktionen steigt die Stufe („Rest“ zählt sie herunter); höhere Stufen bringen mehr Felder ohne Pfeil. Das Spiel ist aus, wenn nichts mehr reagiert und sich kein Feld mehr ändern kann. „Neues Spiel“ beginnt von vorn mit der Startstufe, die du darunter wählst.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>While the board has the focus (Tab reaches it after the other controls):</source>
        <translation>Solange das Spielfeld den Fokus hat (Tab erreicht es nach den anderen Bedienelementen):</translation>
    </message>
</context>
<context>
    <name>quadrelle::app::Tessarin</name>
    <message>
        <source>Game number %1</source>
        <translation>Spielnummer %1</translation>
    </message>
    <message>
        <source>Other keys</source>
        <translation>Weitere Tasten</translation>
    </message>
</context>
</TS>
