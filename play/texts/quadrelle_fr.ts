<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutText</name>
    <message>
        <source>About Quadrelle!</source>
        <translation>À propos de Quadrelle!</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A colour-reaction puzzle on a 6 × 6 board.</source>
        <translation>Un casse-tête de réactions de couleurs sur un plateau de 6 × 6 cases.</translation>
    </message>
    <message>
        <source>Game number %1</source>
        <translation>Partie numéro %1</translation>
    </message>
    <message>
        <source>Released under the MIT licence.</source>
        <translation>Publié sous licence MIT.</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>wildcard</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>%1, arrows up and down</source>
        <translation>%1, flèches vers le haut et vers le bas</translation>
    </message>
    <message>
        <source>%1, arrow up</source>
        <translation>%1, flèche vers le haut</translation>
    </message>
    <message>
        <source>%1, arrow down</source>
        <translation>%1, flèche vers le bas</translation>
    </message>
    <message>
        <source>%1, marked</source>
        <translation>%1, marqué</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>BestScoresTable</name>
    <message>
        <source>Best scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numéro de partie</translation>
    </message>
    <message>
        <source>This game took rank %1.</source>
        <translation>Cette partie a pris le rang %1.</translation>
    </message>
    <message>
        <source>No games in the table yet: a game over with a score enters it.</source>
        <translation>Aucune partie dans le tableau pour l’instant&#xa0;: une partie terminée avec des points y entre.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Play the game with this number: the same number deals the same boards.</source>
        <translation>Jouer la partie portant ce numéro&#xa0;: le même numéro donne les mêmes plateaux.</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numéro</translation>
    </message>
    <message>
        <source>quadrelle: %1 &apos;%2&apos;; see quadrelle --help</source>
        <translation>quadrelle&#xa0;: %1 «&#xa0;%2&#xa0;»&#xa0;; voir quadrelle --help</translation>
    </message>
    <message>
        <source>Quadrelle! - step the colours of squares to make rows of three.
The high score and the start level are kept in $XDG_CONFIG_HOME/Chromafall/Chromafall.ini.</source>
        <translation>Quadrelle! - changez la couleur des cases pour en aligner trois.
Le record et le niveau de départ sont gardés dans $XDG_CONFIG_HOME/Chromafall/Chromafall.ini.</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>argument inattendu</translation>
    </message>
    <message>
        <source>not a game number:</source>
        <translation>pas un numéro de partie&#xa0;:</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Five colours</source>
        <translation>Cinq couleurs</translation>
    </message>
    <message>
        <source>Every square has one of five colours, and its colour also sets the size of its outline: pink is a small dot, green, yellow and red grow larger, and blue fills the whole square.</source>
        <translation>Chaque case a l’une des cinq couleurs, et sa couleur fixe aussi la taille de son contour&#xa0;: le rose est un petit point, le vert, le jaune et le rouge sont de plus en plus grands, et le bleu remplit toute la case.</translation>
    </message>
    <message>
        <source>Three in a row</source>
        <translation>Trois alignées</translation>
    </message>
    <message>
        <source>Three squares of one colour side by side in a row or a column react, whatever their arrows: they are removed, the other squares close up, and new squares fill the gaps. Four in a line are two reactions. The new board may react again: a chain of two or more reactions is a combo, shown at the top right.</source>
        <translation>Trois cases d’une même couleur côte à côte dans une ligne ou une colonne réagissent, quelles que soient leurs flèches&#xa0;: elles sont retirées, les autres cases se resserrent et de nouvelles cases comblent les vides. Quatre alignées font deux réactions. Le nouveau plateau peut réagir à son tour&#xa0;: une chaîne de deux réactions ou plus est un combo, affiché en haut à droite.</translation>
    </message>
    <message>
        <source>Colour step</source>
        <translation>Pas de couleur</translation>
    </message>
    <message>
        <source>Click a square with an arrow to step its colour once along the arrow, for one point: up to the next larger outline, down to the next smaller. A step up to blue or down to pink takes the arrow away: the square is plain from then on. The board reacts a second after your last click, so you can make several quick clicks before it does.</source>
        <translation>Cliquez sur une case fléchée pour faire avancer sa couleur d’un pas dans le sens de la flèche, pour un point&#xa0;: vers le haut jusqu’au contour plus grand suivant, vers le bas jusqu’au plus petit. Un pas qui monte au bleu ou descend au rose retire la flèche&#xa0;: la case reste ensuite sans flèche. Le plateau réagit une seconde après votre dernier clic&#xa0;: vous pouvez donc cliquer plusieurs fois rapidement avant qu’il ne réagisse.</translation>
    </message>
    <message>
        <source>Two-way squares</source>
        <translation>Cases à double flèche</translation>
    </message>
    <message>
        <source>A square with both arrows steps up when you click its upper half and down when you click its lower half. A step takes away the other arrow.</source>
        <translation>Une case à deux flèches monte quand vous cliquez sur sa moitié haute et descend quand vous cliquez sur sa moitié basse. Un pas lui retire l’autre flèche.</translation>
    </message>
    <message>
        <source>Colour search</source>
        <translation>Recherche de couleur</translation>
    </message>
    <message>
        <source>Right-click an arrow square (or click it with Shift, Ctrl or Alt held) to try every colour its arrow can reach, nearest first: the first that reacts is kept. When none reacts, the square stays as it was. A search earns no point itself, only its reactions score; and a search that ends on blue or pink leaves the square plain, without its arrow.</source>
        <translation>Faites un clic droit sur une case fléchée (ou cliquez dessus en tenant Maj, Ctrl ou Alt) pour essayer chaque couleur que sa flèche peut atteindre, la plus proche d’abord&#xa0;: la première qui réagit est gardée. Si aucune ne réagit, la case reste telle quelle. La recherche elle-même ne rapporte aucun point, seules ses réactions comptent&#xa0;; et une recherche qui s’arrête sur le bleu ou le rose laisse la case sans flèche.</translation>
    </message>
    <message>
        <source>Wildcard</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>The multi-coloured square counts as every colour in a run of three. It has no arrow and cannot be erased. It appears from level 4 on.</source>
        <translation>La case multicolore compte comme toutes les couleurs dans un alignement de trois. Elle n’a pas de flèche et ne peut pas être gommée. Elle apparaît à partir du niveau 4.</translation>
    </message>
    <message>
        <source>Erasers</source>
        <translation>Gommes</translation>
    </message>
    <message>
        <source>A square without an arrow cannot change. Click or right-click it to spend an eraser: it breaks up and is removed. A row or column whose six squares all react at once earns an eraser (you hold at most 3) and sweeps every square of its colour off the board.</source>
        <translation>Une case sans flèche ne peut pas changer. Cliquez dessus, du bouton gauche ou droit, pour dépenser une gomme&#xa0;: elle se brise et disparaît. Une ligne ou une colonne dont les six cases réagissent toutes à la fois rapporte une gomme (vous en gardez 3 au plus) et balaie du plateau toutes les cases de sa couleur.</translation>
    </message>
    <message>
        <source>Score, levels and the end</source>
        <translation>Score, niveaux et fin de partie</translation>
    </message>
    <message>
        <source>Each reaction scores 10 points once you have made your first move. Every 20 reactions raise the level (&quot;Left&quot; counts them down); higher levels bring more squares without arrows. The game is over when nothing reacts and no square can change any more. Play goes on after &quot;Game Over&quot;: an eraser still removes a plain square, the squares that fall in may bring arrows back, and the game can end again with a higher score. &quot;New Game&quot; starts again at the start level you choose below it.</source>
        <translation>Chaque réaction rapporte 10 points dès votre premier coup. Toutes les 20 réactions, le niveau monte («&#xa0;Reste&#xa0;» les décompte)&#xa0;; les niveaux plus élevés apportent plus de cases sans flèche. La partie est finie quand plus rien ne réagit et qu’aucune case ne peut plus changer. Le jeu continue après «&#xa0;Partie finie&#xa0;»&#xa0;: une gomme retire encore une case sans flèche, les cases qui tombent peuvent ramener des flèches, et la partie peut se terminer à nouveau avec un score plus élevé. «&#xa0;Nouvelle partie&#xa0;» recommence au niveau de départ que vous choisissez en dessous.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Press H for a hint. A white frame marks, for two seconds, a square whose colour step reacts now, or else one whose colour search does, or else, while you hold an eraser, one whose erasing does; its corner shows the move: an arrow up or down, a magnifying glass for the search, a cross for the eraser, and the move is also written below the board. When no move reacts, the board says so. While the board is still reacting, the hint waits until it settles.</source>
        <translation>Appuyez sur H pour un indice. Un cadre blanc marque pendant deux secondes une case dont le pas de couleur réagit maintenant, à défaut une case dont la recherche de couleur réagit, ou, tant que vous avez une gomme, une case dont l’effacement réagit&#xa0;; son coin montre le coup&#xa0;: une flèche vers le haut ou le bas, une loupe pour la recherche, une croix pour la gomme, et le coup est aussi écrit sous le plateau. Si aucun coup ne réagit, le plateau l’indique. Tant que le plateau réagit encore, l’indice attend qu’il se soit calmé.</translation>
    </message>
    <message>
        <source>Colour symbols</source>
        <translation>Symboles des couleurs</translation>
    </message>
    <message>
        <source>Press C to give every square a symbol of its colour, to tell the colours apart by shape: a ring on pink, a triangle on green, bars on yellow, a plus on red, a star on blue and an asterisk on the wildcard. C again takes them away.</source>
        <translation>Appuyez sur C pour donner à chaque case un symbole de sa couleur, afin de distinguer les couleurs par leur forme&#xa0;: un anneau sur le rose, un triangle sur le vert, des barres sur le jaune, un plus sur le rouge, une étoile sur le bleu et un astérisque sur le joker. Appuyez de nouveau sur C pour les retirer.</translation>
    </message>
    <message>
        <source>Anywhere in the window:</source>
        <translation>Partout dans la fenêtre&#xa0;:</translation>
    </message>
    <message>
        <source>While the board has the focus (Tab reaches it after the other controls):</source>
        <translation>Quand le plateau a le focus (Tab l’atteint après les autres commandes)&#xa0;:</translation>
    </message>
    <message>
        <source>Only in the menu:</source>
        <translation>Seulement dans le menu&#xa0;:</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
</context>
<context>
    <name>HintText</name>
    <message>
        <source>Hint: step up at %1</source>
        <translation>Indice&#xa0;: faire monter en %1</translation>
    </message>
    <message>
        <source>Hint: step down at %1</source>
        <translation>Indice&#xa0;: faire descendre en %1</translation>
    </message>
    <message>
        <source>Hint: colour search at %1</source>
        <translation>Indice&#xa0;: recherche de couleur en %1</translation>
    </message>
    <message>
        <source>Hint: spend an eraser at %1</source>
        <translation>Indice&#xa0;: utiliser une gomme en %1</translation>
    </message>
    <message>
        <source>No move reacts now</source>
        <translation>Aucun coup ne réagit maintenant</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Clear best scores</source>
        <translation>Effacer les meilleurs scores</translation>
    </message>
    <message>
        <source>Do you really want to clear the best scores?</source>
        <translation>Voulez-vous vraiment effacer les meilleurs scores&#xa0;?</translation>
    </message>
    <message>
        <source>Clear Hiscore</source>
        <translation>Effacer le record</translation>
    </message>
    <message>
        <source>Do you really want to clear the hiscore?</source>
        <translation>Voulez-vous vraiment effacer le record&#xa0;?</translation>
    </message>
    <message>
        <source>Play game number</source>
        <translation>Jouer la partie numéro</translation>
    </message>
    <message>
        <source>Game number (the same number deals the same boards):</source>
        <translation>Numéro de partie (le même numéro donne les mêmes plateaux) :</translation>
    </message>
    <message>
        <source>Type a game number.</source>
        <translation>Tapez un numéro de partie.</translation>
    </message>
    <message>
        <source>A game number has the digits 0 to 9 only.</source>
        <translation>Un numéro de partie ne contient que les chiffres 0 à 9.</translation>
    </message>
    <message>
        <source>A game number is at most %1.</source>
        <translation>Un numéro de partie vaut au plus %1.</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Play game number…</source>
        <translation>Jouer la partie numéro…</translation>
    </message>
    <message>
        <source>Sound on/off</source>
        <translation>Son activé/coupé</translation>
    </message>
    <message>
        <source>Colour symbols on/off</source>
        <translation>Symboles des couleurs oui/non</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Best scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>About Quadrelle!</source>
        <translation>À propos de Quadrelle!</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Move the cursor over the board</source>
        <translation>Déplacer le curseur sur le plateau</translation>
    </message>
    <message>
        <source>Click the square: a colour step, or an eraser on a plain square</source>
        <translation>Cliquer sur la case&#xa0;: un pas de couleur, ou une gomme sur une case sans flèche</translation>
    </message>
    <message>
        <source>This menu</source>
        <translation>Ce menu</translation>
    </message>
    <message>
        <source>Step the square up</source>
        <translation>Faire monter la case</translation>
    </message>
    <message>
        <source>Step the square down</source>
        <translation>Faire descendre la case</translation>
    </message>
    <message>
        <source>Colour search on the square, or an eraser on a plain square</source>
        <translation>Recherche de couleur sur la case, ou une gomme sur une case sans flèche</translation>
    </message>
    <message>
        <source>Clear the best scores…</source>
        <translation>Effacer les meilleurs scores…</translation>
    </message>
    <message>
        <source>Clear the high score…</source>
        <translation>Effacer le record…</translation>
    </message>
</context>
<context>
    <name>Tessarin</name>
    <message>
        <source> Combo x</source>
        <translation> Combo x</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Hiscore</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Reste</translation>
    </message>
    <message>
        <source>Erasers</source>
        <translation>Gommes</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie finie</translation>
    </message>
    <message>
        <source>Quadrelle! - step colours, make rows of three</source>
        <translation>Quadrelle! - changez de couleur, alignez trois</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Game number %1</source>
        <translation>Partie numéro %1</translation>
    </message>
    <message>
        <source>Other keys</source>
        <translation>Autres touches</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Scores and settings cannot be saved</source>
        <translation>Les scores et les réglages ne peuvent pas être enregistrés</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Start level</source>
        <comment>spinner</comment>
        <translation>Niveau de départ</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
</TS>
