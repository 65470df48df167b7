<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Apariencia</name>
    <message>
        <source>Velunda - A game by Quorlan! ( get more FREE GAMES at %1 )</source>
        <extracomment>Every window&apos;s title bar; %1 is the maker&apos;s web host.</extracomment>
        <translation>Velunda - Un jeu de Quorlan ! ( plus de JEUX GRATUITS sur %1 )</translation>
    </message>
</context>
<context>
    <name>BorrarDatos</name>
    <message>
        <source>Clear the high scores?
The table goes back to the ten places Velunda comes with. Tables once moved aside as damaged (HOF.rec.bad) are kept.</source>
        <extracomment>Asked before the high-score table is cleared; the buttons are Yes and No.</extracomment>
        <translation>Effacer les records ?
Le tableau revient aux dix places livrées avec Velunda. Les tableaux mis de côté car abîmés (HOF.rec.bad) sont gardés.</translation>
    </message>
    <message>
        <source>The high scores are back to the ten places Velunda comes with.</source>
        <translation>Les records sont revenus aux dix places livrées avec Velunda.</translation>
    </message>
    <message>
        <source>The high scores could not be cleared: their file could not be written.</source>
        <translation>Les records n&apos;ont pas pu être effacés : leur fichier n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Clear your history?
Every game and level recorded is deleted. History files once moved aside as damaged (.bad) are kept.</source>
        <extracomment>Asked before the player&apos;s history is emptied; the buttons are Yes and No.</extracomment>
        <translation>Effacer ton historique ?
Chaque partie et chaque niveau enregistrés sont supprimés. Les fichiers d&apos;historique mis de côté car abîmés (.bad) sont gardés.</translation>
    </message>
    <message>
        <source>Your history is empty.</source>
        <translation>Ton historique est vide.</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>L&apos;historique n&apos;a pas pu être effacé.</translation>
    </message>
</context>
<context>
    <name>Color</name>
    <message>
        <source>RED</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>ROUGE</translation>
    </message>
    <message>
        <source>GREEN</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>VERT</translation>
    </message>
    <message>
        <source>BLUE</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>BLEU</translation>
    </message>
    <message>
        <source>BROWN</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>MARRON</translation>
    </message>
    <message>
        <source>PINK</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>ROSE</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>JAUNE</translation>
    </message>
    <message>
        <source>CYAN</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>TURQUOISE</translation>
    </message>
    <message>
        <source>ORANGE</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>ORANGE</translation>
    </message>
</context>
<context>
    <name>Dificultad</name>
    <message>
        <source>VERY EASY</source>
        <extracomment>Difficulty in the high-score table (97 x 17 px, 8.25 pt).</extracomment>
        <translation>TRÈS FACILE</translation>
    </message>
    <message>
        <source>EASY</source>
        <extracomment>Difficulty in the high-score table (97 x 17 px, 8.25 pt).</extracomment>
        <translation>FACILE</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <extracomment>Difficulty in the high-score table (97 x 17 px, 8.25 pt).</extracomment>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>Difficulty in the high-score table (97 x 17 px, 8.25 pt).</extracomment>
        <translation>DIFFICILE</translation>
    </message>
</context>
<context>
    <name>ModuloProgreso</name>
    <message>
        <source>The progress window could not be opened.</source>
        <translation>La fenêtre des progrès n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>It belongs to another version of the game.</source>
        <extracomment>The reason under the message above: the module beside the program is another version&apos;s.</extracomment>
        <translation>Il appartient à une autre version du jeu.</translation>
    </message>
    <message>
        <source>The check-up could not be opened.</source>
        <extracomment>A message box, then the system&apos;s reason on the next line.</extracomment>
        <translation>Le bilan n&apos;a pas pu s&apos;ouvrir.</translation>
    </message>
</context>
<context>
    <name>Salida</name>
    <message>
        <source>Quit!</source>
        <extracomment>Title of the quit question.</extracomment>
        <translation>Quitter !</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>The quit question; the buttons are the desktop&apos;s Yes and No.</extracomment>
        <translation>Tu veux vraiment quitter ?</translation>
    </message>
</context>
<context>
    <name>TextosJuego</name>
    <message>
        <source>LEVEL %1

FIND %2 CORRECT MATCHES

IN %3 SECONDS</source>
        <extracomment>The level goal on the message panel (329 x 177 px, 13.5 pt): keep the five lines. %1 level (1-50), %2 matches to find, %3 whole seconds.</extracomment>
        <translation>NIVEAU %1

TROUVE %2 BONNES RÉPONSES

EN %3 SECONDES</translation>
    </message>
    <message>
        <source>Level Finished !
You got %1 points.
You took %2 seconds to find %3 correct matches.
( %4 seconds per match )</source>
        <extracomment>Message box after a level: %1 points, %2 seconds taken (0.00), %3 matches, %4 seconds per match (0.00). Keep the four lines.</extracomment>
        <translation>Niveau terminé !
Tu marques %1 points.
Tu as mis %2 secondes pour trouver %3 bonnes réponses.
( %4 secondes par bonne réponse )</translation>
    </message>
    <message>
        <source>Failed.
Back to Level 1</source>
        <extracomment>Message box after a wrong click on level 1 or 2.</extracomment>
        <translation>Raté !
Retour au niveau 1</translation>
    </message>
    <message>
        <source>Failed.
You go back 2 levels till level %1</source>
        <extracomment>Message box after a wrong click: %1 is the level the player goes back to.</extracomment>
        <translation>Raté !
Tu recules de 2 niveaux, jusqu&apos;au niveau %1</translation>
    </message>
    <message>
        <source>Time over.
Back to Level 1</source>
        <extracomment>Message box when time runs out on level 1 or 2.</extracomment>
        <translation>Temps écoulé !
Retour au niveau 1</translation>
    </message>
    <message>
        <source>Time over.
You go back 2 levels till level %1</source>
        <extracomment>Message box when time runs out: %1 is the level the player goes back to.</extracomment>
        <translation>Temps écoulé !
Tu recules de 2 niveaux, jusqu&apos;au niveau %1</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WIN!
YOU GOT %1 POINTS!</source>
        <extracomment>Message box after the last level: %1 is the game&apos;s total.</extracomment>
        <translation>BRAVO ! TU AS GAGNÉ !
TU MARQUES %1 POINTS !</translation>
    </message>
</context>
<context>
    <name>Titulo</name>
    <message>
        <source>CLICK THE WORDS THAT MATCH THEIR COLOR</source>
        <extracomment>The title menu&apos;s motto, on a strip 464 x 17 px (bold, shrinks to fit).</extracomment>
        <translation>CLIQUE SUR LES MOTS ÉCRITS DANS LEUR PROPRE COULEUR</translation>
    </message>
    <message>
        <source>HIGH
SCORES</source>
        <extracomment>The title menu&apos;s high-score choice: two lines of one size (the letters shrink to fit).</extracomment>
        <translation>MEILLEURS
SCORES</translation>
    </message>
    <message>
        <source>QUIT</source>
        <extracomment>The title menu&apos;s small quit tile (about 65 x 25 px; the letters shrink to fit).</extracomment>
        <translation>ADIEU</translation>
    </message>
    <message>
        <source>EXIT</source>
        <extracomment>The title menu&apos;s big quit tile, beside a door (about 70 x 45 px; shrinks to fit).</extracomment>
        <translation>FIN</translation>
    </message>
    <message>
        <source>MORE FREE GAMES ON THE WEB</source>
        <extracomment>The title menu&apos;s web link, beside a globe (about 250 x 25 px; shrinks to fit).</extracomment>
        <translation>PLUS DE JEUX GRATUITS SUR LE WEB</translation>
    </message>
    <message>
        <source>A GAME BY QUORLAN!</source>
        <extracomment>The maker&apos;s line at the foot of the title menu (132 x 17 px; shrinks to fit).</extracomment>
        <translation>UN JEU DE QUORLAN !</translation>
    </message>
    <message>
        <source>PLAY</source>
        <extracomment>The title menu&apos;s play choice, a big word (about 165 x 60 px; shrinks to fit).</extracomment>
        <translation>JOUER</translation>
    </message>
    <message>
        <source>START A NEW GAME</source>
        <extracomment>The line under PLAY on the title menu (about 160 x 18 px; shrinks to fit).</extracomment>
        <translation>NOUVELLE PARTIE</translation>
    </message>
    <message>
        <source>HELP</source>
        <extracomment>The title menu&apos;s help choice, a big word (about 125 x 35 px; shrinks to fit).</extracomment>
        <translation>AIDE</translation>
    </message>
    <message>
        <source>HOW TO PLAY</source>
        <extracomment>The line under HELP on the title menu (about 130 x 15 px; shrinks to fit).</extracomment>
        <translation>COMMENT JOUER</translation>
    </message>
</context>
<context>
    <name>VolverAlMenu</name>
    <message>
        <source>BACK TO
MENU</source>
        <extracomment>The back-to-menu tile on the game screen: two lines, a small one over a big one (about 60 px wide; the letters shrink to fit).</extracomment>
        <translation>RETOUR AU
MENU</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Get more FREE GAMES at %1</source>
        <extracomment>The game screen&apos;s foot line (257 x 17 px, 8.25 pt); %1 is the maker&apos;s web host.</extracomment>
        <translation>Plus de JEUX GRATUITS sur %1</translation>
    </message>
    <message>
        <source>If you like Velunda, get more FREE GAMES at %1</source>
        <extracomment>Help and high-score screens (353 x 17 px, 8.25 pt); %1 is the maker&apos;s web host.</extracomment>
        <translation>Tu aimes Velunda ? Plus de JEUX GRATUITS : %1</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web page, %1, in the browser</source>
        <extracomment>Accessible name of the web hotspots, read by screen readers; %1 is the maker&apos;s web host.</extracomment>
        <translation>Ouvrir la page web de l’auteur, %1, dans le navigateur</translation>
    </message>
</context>
<context>
    <name>frmAjustes</name>
    <message>
        <source>This choice lasts only this run: the settings file cannot be read.</source>
        <translation>Ce choix ne vaut que pour cette session : le fichier des réglages ne peut pas être lu.</translation>
    </message>
    <message>
        <source>This choice lasts only this run: the settings file cannot be written.</source>
        <translation>Ce choix ne vaut que pour cette session : le fichier des réglages ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>RÉGLAGES</translation>
    </message>
    <message>
        <source>Sound cues (the M key turns them on or off)</source>
        <translation>Annonces sonores (la touche M les active ou les coupe)</translation>
    </message>
    <message>
        <source>Calm warning: when time runs low, a steady red
instead of a flashing window</source>
        <translation>Alerte calme : quand le temps presse, un rouge fixe
au lieu d&apos;une fenêtre qui clignote</translation>
    </message>
    <message>
        <source>During a level, Escape or P pauses the game and hides the board; Enter or Space goes on. The arrow keys move a ring over the words; Space or Enter chooses.</source>
        <translation>Pendant un niveau, Échap ou P met le jeu en pause et cache le plateau ; Entrée ou Espace reprend. Les flèches déplacent un cadre sur les mots ; Espace ou Entrée choisit.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear high scores…</source>
        <extracomment>Settings button (193 x 25 px); asks before it clears.</extracomment>
        <translation>Effacer les records…</translation>
    </message>
    <message>
        <source>Clear my history…</source>
        <extracomment>Settings button (193 x 25 px); asks before it clears.</extracomment>
        <translation>Effacer mon historique…</translation>
    </message>
    <message>
        <source>Colour-blind-safe inks: colours that stay apart for
every kind of colour vision (from the next game)</source>
        <translation>Encres sûres pour daltoniens : des couleurs distinctes
pour toute vision des couleurs (dès la prochaine partie)</translation>
    </message>
    <message>
        <source>Outline the words, so that pale inks read on white</source>
        <translation>Contourer les mots, pour lire les encres pâles</translation>
    </message>
    <message>
        <source>Relaxed pace: ten times the time on every level
(such a game does not enter the high scores)</source>
        <translation>Rythme détendu : dix fois plus de temps à chaque niveau
(une telle partie n’entre pas aux meilleurs scores)</translation>
    </message>
    <message>
        <source>Size (from the next start):</source>
        <extracomment>Settings, beside the list of sizes (250 x 25 px, 9.75 pt).</extracomment>
        <translation>Taille (au prochain démarrage) :</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>Settings, the size that follows the desktop&apos;s scale, as large as the screen allows.</extracomment>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>Settings, a size of the windows; %1 is 100, 150 or 200.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>frmAyuda</name>
    <message>
        <source>When you see this image, something strange happens. Your brain gets two contradictory informations from two valid sources. On the one hand, the label says &apos;Red&apos;. On the other hand, the color of the label says &apos;Blue&apos;. This way, your brain gets confused.</source>
        <extracomment>Help, under the example label (the word RED printed in blue); 601 x 73 px, 9.75 pt. Name the two colours as the translated colour words say them.</extracomment>
        <translation>Quand tu vois cette image, il se passe quelque chose d&apos;étrange. Ton cerveau reçoit deux informations contradictoires de deux sources valables. D&apos;un côté, le mot dit « Rouge ». De l&apos;autre, sa couleur dit « Bleu ». Et ton cerveau s&apos;embrouille.</translation>
    </message>
    <message>
        <source>Your goal: click on the labels wich TEXT matches its COLOR.</source>
        <extracomment>Help, the rule in one line (601 x 49 px, 13.5 pt).</extracomment>
        <translation>Ton but : clique sur les mots dont le TEXTE correspond à leur COULEUR.</translation>
    </message>
    <message>
        <source>For example:</source>
        <extracomment>Help, before two example labels (81 x 17 px, 9.75 pt).</extracomment>
        <translation>Exemples :</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <extracomment>Help, under the example label that matches (161 x 17 px, 9.75 pt).</extracomment>
        <translation>JUSTE</translation>
    </message>
    <message>
        <source>INCORRECT</source>
        <extracomment>Help, under the example label that does not match (161 x 17 px, 9.75 pt).</extracomment>
        <translation>FAUX</translation>
    </message>
    <message>
        <source>Time is limited, so go quickly! :) . The faster you are, the higher your score! But be carefull, because if you click on an incorrect label you will go back 2 levels.</source>
        <extracomment>Help, the clock and the fall-back (601 x 65 px, 9.75 pt).</extracomment>
        <translation>Le temps est limité, alors fais vite ! :) Plus tu es rapide, plus ton score est élevé ! Mais attention : si tu cliques sur un mauvais mot, tu recules de 2 niveaux.</translation>
    </message>
    <message>
        <source>Now it&apos;s your time. Are you a master of Velunda?</source>
        <extracomment>Help, the last line (601 x 33 px, 9.75 pt, bold).</extracomment>
        <translation>À toi de jouer. Es-tu un maître de Velunda ?</translation>
    </message>
    <message>
        <source>HELP</source>
        <extracomment>The help screen&apos;s heading (601 x 25 px, 13.5 pt, bold).</extracomment>
        <translation>AIDE</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The help screen&apos;s close button (73 x 25 px).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Réglages...</translation>
    </message>
</context>
<context>
    <name>frmChequeo</name>
    <message>
        <source>%1 ms</source>
        <extracomment>A time in milliseconds; the dash stands for a figure there is no answer for.</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>MEDIAN</source>
        <translation>MÉDIANE</translation>
    </message>
    <message>
        <source>ERRORS</source>
        <translation>ERREURS</translation>
    </message>
    <message>
        <source>INV. EFFICIENCY</source>
        <translation>EFFIC. INVERSE</translation>
    </message>
    <message>
        <source>YOUR INTERFERENCE, CHECK-UP BY CHECK-UP</source>
        <translation>TON INTERFÉRENCE, BILAN APRÈS BILAN</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the check-up</source>
        <translation>Fermer le bilan</translation>
    </message>
    <message>
        <source>INTERFERENCE
%1</source>
        <extracomment>The result&apos;s main figure: the title, then the milliseconds on the next line.</extracomment>
        <translation>INTERFÉRENCE
%1</translation>
    </message>
    <message>
        <source>Congruent</source>
        <translation>Congruent</translation>
    </message>
    <message>
        <source>Incongruent</source>
        <translation>Incongruent</translation>
    </message>
    <message>
        <source>Neutral (XXXXX)</source>
        <translation>Neutre (XXXXX)</translation>
    </message>
    <message>
        <source>Trials kept: %1 of %2. Too fast to count (under %3 ms): %4. No answer in %5 s: %6.</source>
        <translation>Essais comptés : %1 sur %2. Trop rapides pour compter (moins de %3 ms) : %4. Sans réponse en %5 s : %6.</translation>
    </message>
    <message>
        <source>Your own trend; not a medical or clinical test; one check-up varies by tens of milliseconds.</source>
        <translation>Ta propre tendance ; pas un test médical ni clinique ; un bilan varie de dizaines de millisecondes.</translation>
    </message>
    <message>
        <source>Interference</source>
        <translation>Interférence</translation>
    </message>
    <message>
        <source>check-up, oldest first</source>
        <translation>bilan, le plus ancien en premier</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>History is not kept in this run: this check-up is not kept.</source>
        <translation>L&apos;historique n&apos;est pas tenu pendant cette session : ce bilan n&apos;est pas gardé.</translation>
    </message>
    <message>
        <source>History is off: this check-up is not kept.</source>
        <translation>L&apos;historique est désactivé : ce bilan n&apos;est pas gardé.</translation>
    </message>
    <message>
        <source>CHECK-UP</source>
        <extracomment>The check-up window&apos;s title (552 x 41 px, 24 pt bold).</extracomment>
        <translation>BILAN</translation>
    </message>
    <message>
        <source>NAME THE INK, NOT THE WORD

One word at a time appears in the middle. Answer the colour it is printed in:
press its key, 1 to 4, or click its button.
Be quick, and right. Three practice words come first.

About two minutes. Escape pauses.</source>
        <translation>NOMME L&apos;ENCRE, PAS LE MOT

Un mot à la fois apparaît au milieu. Réponds la couleur dans laquelle il est imprimé :
appuie sur sa touche, de 1 à 4, ou clique sur son bouton.
Sois rapide, et juste. Trois mots d&apos;entraînement viennent d&apos;abord.

Environ deux minutes. Échap met en pause.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>C&apos;EST PARTI</translation>
    </message>
    <message>
        <source>Start the check-up</source>
        <translation>Commencer le bilan</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <extracomment>An ink button&apos;s name for screen readers: the colour word, then its key.</extracomment>
        <translation>%1, touche %2</translation>
    </message>
    <message>
        <source>Answer the ink, not the word: keys 1 to 4, or click. Escape pauses.</source>
        <translation>Réponds l&apos;encre, pas le mot : touches 1 à 4, ou clic. Échap met en pause.</translation>
    </message>
    <message>
        <source>CHECK-UP PAUSED

THE WORD YOU MISSED COMES AGAIN

PRESS ENTER TO GO ON</source>
        <translation>BILAN EN PAUSE

LE MOT MANQUÉ REVIENDRA

APPUIE SUR ENTRÉE POUR CONTINUER</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>REPRENDRE</translation>
    </message>
    <message>
        <source>LEAVE IT</source>
        <extracomment>The paused check-up&apos;s button that closes it; nothing of it is kept (161 x 25 px).</extracomment>
        <translation>ABANDONNER</translation>
    </message>
    <message>
        <source>Leave the check-up; nothing of it is kept</source>
        <translation>Abandonner le bilan ; rien n&apos;en est gardé</translation>
    </message>
    <message>
        <source>PRACTICE %1 OF %2</source>
        <translation>ENTRAÎNEMENT %1 SUR %2</translation>
    </message>
    <message>
        <source>%1 OF %2</source>
        <translation>%1 SUR %2</translation>
    </message>
    <message>
        <source>XXXXX</source>
        <extracomment>A neutral word of the check-up: a row of X&apos;s, in one of the inks.</extracomment>
        <translation>XXXXX</translation>
    </message>
</context>
<context>
    <name>frmHOF</name>
    <message>
        <source>The table was not saved: its lock file HOF.rec.lock is not a plain file.</source>
        <translation>Le tableau n&apos;a pas été enregistré : son fichier de verrou HOF.rec.lock n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>column title</comment>
        <extracomment>High-score column title (161 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>NOM</translation>
    </message>
    <message>
        <source>DIFFICULTY</source>
        <comment>column title</comment>
        <extracomment>High-score column title (97 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>DIFFICULTÉ</translation>
    </message>
    <message>
        <source>SCORE</source>
        <comment>column title</comment>
        <extracomment>High-score column title (97 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>POINTS</translation>
    </message>
    <message>
        <source>DATE</source>
        <comment>column title</comment>
        <extracomment>High-score column title (97 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>DATE</translation>
    </message>
    <message>
        <source>TIME</source>
        <comment>column title</comment>
        <extracomment>High-score column title: the time of day of the entry (97 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>HEURE</translation>
    </message>
    <message>
        <source>HIGH SCORES</source>
        <extracomment>The high-score screen&apos;s heading (577 x 41 px, 24 pt, bold).</extracomment>
        <translation>MEILLEURS SCORES</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The high-score screen&apos;s close button (49 x 25 px).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Congrats! You got a High Score!</source>
        <extracomment>Title of the name prompt after a game that earned a place.</extracomment>
        <translation>Bravo ! Tu entres dans les meilleurs scores !</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <extracomment>The name prompt&apos;s question.</extracomment>
        <translation>Comment t&apos;appelles-tu ?</translation>
    </message>
    <message>
        <source>The table was not saved: another copy of Velunda kept the file locked.</source>
        <translation>Le tableau n&apos;a pas été enregistré : une autre copie de Velunda bloquait le fichier.</translation>
    </message>
    <message>
        <source>The table was not saved: there is no permission to write the file.</source>
        <translation>Le tableau n&apos;a pas été enregistré : pas de permission d&apos;écrire le fichier.</translation>
    </message>
    <message>
        <source>The table was not saved: the disk is full.</source>
        <translation>Le tableau n&apos;a pas été enregistré : le disque est plein.</translation>
    </message>
    <message>
        <source>The table was not saved: a folder stands where the file should be.</source>
        <translation>Le tableau n&apos;a pas été enregistré : un dossier occupe la place du fichier.</translation>
    </message>
    <message>
        <source>The table was not saved: the file there could not be read, so it was kept.</source>
        <translation>Le tableau n&apos;a pas été enregistré : le fichier illisible a été conservé.</translation>
    </message>
    <message>
        <source>The table was not saved: the file could not be written.</source>
        <translation>Le tableau n&apos;a pas été enregistré : le fichier n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>PROGRESS</source>
        <translation>PROGRÈS</translation>
    </message>
    <message>
        <source>A game at the relaxed pace has ten times the time, so it does not enter the table.</source>
        <translation>Une partie au rythme détendu a dix fois plus de temps : elle n’entre pas au tableau.</translation>
    </message>
</context>
<context>
    <name>frmIntro</name>
    <message>
        <source>VERY EASY (TRAINING)</source>
        <extracomment>Difficulty button (153 x 33 px).</extracomment>
        <translation>TRÈS FACILE (ESSAI)</translation>
    </message>
    <message>
        <source>EASY</source>
        <extracomment>Difficulty button (153 x 33 px).</extracomment>
        <translation>FACILE</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <extracomment>Difficulty button (153 x 33 px).</extracomment>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>Difficulty button (153 x 33 px).</extracomment>
        <translation>DIFFICILE</translation>
    </message>
    <message>
        <source>DIFFICULTY</source>
        <extracomment>Heading of the difficulty panel (265 x 33 px, 24 pt, bold, underlined).</extracomment>
        <translation>DIFFICULTÉ</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>LEVEL</source>
        <comment>caption</comment>
        <extracomment>Caption over the level number (161 x 17 px, 9.75 pt).</extracomment>
        <translation>NIVEAU</translation>
    </message>
    <message>
        <source>OF</source>
        <comment>level</comment>
        <extracomment>Between the level number and 50, as in &quot;12 OF 50&quot; (33 x 25 px, 12 pt).</extracomment>
        <translation>sur</translation>
    </message>
    <message>
        <source>SCORE</source>
        <comment>caption</comment>
        <extracomment>Caption over the game&apos;s score so far (161 x 17 px, 9.75 pt).</extracomment>
        <translation>POINTS</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>The button that starts the level&apos;s clock (121 x 25 px).</extracomment>
        <translation>C&apos;EST PARTI</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <comment>caption above the seconds left</comment>
        <extracomment>Caption over the seconds left, read with the caption under them: &quot;SECONDS ... REMAINING&quot; (145 x 17 px, 9.75 pt).</extracomment>
        <translation>SECONDES</translation>
    </message>
    <message>
        <source>REMAINING</source>
        <comment>caption below the seconds left</comment>
        <extracomment>Caption under the seconds left (145 x 17 px, 9.75 pt).</extracomment>
        <translation>RESTANTES</translation>
    </message>
    <message>
        <source>YOU&apos;VE FOUND</source>
        <extracomment>Caption over the matches found, read on with the caption under them: &quot;YOU&apos;VE FOUND 2 OF 5 MATCHES&quot; (145 x 17 px, 9.75 pt).</extracomment>
        <translation>TU AS TROUVÉ</translation>
    </message>
    <message>
        <source>OF</source>
        <comment>matches</comment>
        <extracomment>Between the matches found and the matches to find, as in &quot;2 OF 5&quot; (33 x 25 px, 12 pt).</extracomment>
        <translation>sur</translation>
    </message>
    <message>
        <source>MATCHES</source>
        <comment>caption below the matches found</comment>
        <extracomment>Caption under the matches found (145 x 17 px, 9.75 pt).</extracomment>
        <translation>BONNES RÉPONSES</translation>
    </message>
    <message>
        <source>You&apos;re a Cheater :)</source>
        <extracomment>Title of the hidden level jump&apos;s prompt.</extracomment>
        <translation>Petit tricheur :)</translation>
    </message>
    <message>
        <source>Go to Level (0 - 49) :</source>
        <extracomment>The hidden level jump&apos;s question; the answer is a level number from 0 to 49.</extracomment>
        <translation>Aller au niveau (0 - 49) :</translation>
    </message>
    <message>
        <source>GAME PAUSED

THE CLOCK IS STOPPED

PRESS ENTER TO GO ON</source>
        <translation>JEU EN PAUSE

LE CHRONO EST ARRÊTÉ

ENTRÉE POUR REPRENDRE</translation>
    </message>
    <message>
        <source>GO ON</source>
        <extracomment>The paused panel&apos;s button that goes on with the level (121 x 25 px).</extracomment>
        <translation>REPRENDRE</translation>
    </message>
    <message>
        <source>BACK TO MENU</source>
        <extracomment>The paused panel&apos;s button that leaves the game for the title menu (153 x 25 px).</extracomment>
        <translation>RETOUR AU MENU</translation>
    </message>
    <message>
        <source>Back to the menu</source>
        <translation>Retour au menu</translation>
    </message>
    <message>
        <source>Jump to a level</source>
        <translation>Aller à un niveau</translation>
    </message>
    <message>
        <source>word %1, row %2, column %3</source>
        <translation>mot %1, ligne %2, colonne %3</translation>
    </message>
</context>
<context>
    <name>frmProgreso</name>
    <message>
        <source>The history file was damaged: kept as %1, what could be read was copied to a new one.</source>
        <translation>Le fichier de l&apos;historique était endommagé : conservé sous %1, ce qui était lisible a été copié dans un nouveau.</translation>
    </message>
    <message>
        <source>Nothing was exported: the history could not be read in full.</source>
        <translation>Rien n&apos;a été exporté : l&apos;historique n&apos;a pas pu être lu en entier.</translation>
    </message>
    <message>
        <source>YOUR PROGRESS</source>
        <translation>TES PROGRÈS</translation>
    </message>
    <message>
        <source>HIGHEST LEVEL IN EACH GAME</source>
        <translation>NIVEAU LE PLUS HAUT DE CHAQUE PARTIE</translation>
    </message>
    <message>
        <source>SECONDS PER MATCH, BY LEVEL</source>
        <translation>SECONDES PAR BONNE RÉPONSE, PAR NIVEAU</translation>
    </message>
    <message>
        <source>No games yet.

Play a game from the title menu, then come back here
to see how you improve.</source>
        <translation>Pas encore de partie.

Joue une partie depuis le menu principal, puis reviens ici
pour voir tes progrès.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>EXPORT CSV...</source>
        <translation>EXPORTER CSV...</translation>
    </message>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>game, oldest first</source>
        <translation>partie, de la plus ancienne à la plus récente</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Games played: %1</source>
        <translation>Parties jouées : %1</translation>
    </message>
    <message>
        <source>Levels cleared: %1</source>
        <translation>Niveaux réussis : %1</translation>
    </message>
    <message>
        <source>Wrong clicks: %1</source>
        <translation>Clics erronés : %1</translation>
    </message>
    <message>
        <source>Time-outs: %1</source>
        <translation>Temps écoulés : %1</translation>
    </message>
    <message>
        <source>Best total: %1</source>
        <translation>Meilleur total : %1</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Temps de jeu : %1</translation>
    </message>
    <message>
        <source>History is not kept in this run.</source>
        <translation>L&apos;historique n&apos;est pas tenu pendant cette session.</translation>
    </message>
    <message>
        <source>History is off for now: another program is using its file.</source>
        <translation>Historique désactivé pour l&apos;instant : un autre programme utilise son fichier.</translation>
    </message>
    <message>
        <source>History is off: its file or folder cannot be written.</source>
        <translation>Historique désactivé : son fichier ou son dossier n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>History is off: its file comes from a newer Velunda.</source>
        <translation>Historique désactivé : son fichier vient d&apos;une version plus récente de Velunda.</translation>
    </message>
    <message>
        <source>History is off: its file cannot be opened.</source>
        <translation>Historique désactivé : son fichier ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Exporter l&apos;historique</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>L&apos;historique n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>History is off: Qt&apos;s SQLite driver is missing (install %1).</source>
        <extracomment>%1 is the name of the Debian package that holds the driver.</extracomment>
        <translation>Historique désactivé : le pilote SQLite de Qt manque (installe %1).</translation>
    </message>
    <message>
        <source>RELAXED PACE</source>
        <translation>RYTHME DÉTENDU</translation>
    </message>
    <message>
        <source>WHAT TRIPS YOU</source>
        <extracomment>The button that turns the window to the slips and pace view and back (161 x 25 px).</extracomment>
        <translation>CE QUI TE PIÈGE</translation>
    </message>
    <message>
        <source>Close the progress window</source>
        <translation>Fermer la fenêtre de progression</translation>
    </message>
    <message>
        <source>Export the history as a CSV file</source>
        <translation>Exporter l’historique en fichier CSV</translation>
    </message>
    <message>
        <source>Show your progress</source>
        <translation>Afficher ta progression</translation>
    </message>
    <message>
        <source>Show what trips you</source>
        <translation>Afficher ce qui te piège</translation>
    </message>
    <message>
        <source>Levels, one row each (*.csv)</source>
        <translation>Niveaux, une ligne chacun (*.csv)</translation>
    </message>
    <message>
        <source>Clicks, one row each (*.csv)</source>
        <translation>Clics, une ligne chacun (*.csv)</translation>
    </message>
    <message numerus="yes">
        <source>%1 printed in %2: %n time(s)</source>
        <extracomment>A slip counted, e.g. &quot;RED printed in ORANGE: 7 times&quot;: %1 the word clicked, %2 its ink.</extracomment>
        <translation>
            <numerusform>%1 imprimé en %2 : %n fois</numerusform>
            <numerusform>%1 imprimé en %2 : %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>YOUR SLIPS: THE WORD YOU CLICKED, BY ITS INK</source>
        <extracomment>Caption over the grid of wrong clicks (356 x 17 px, 8.25 pt bold).</extracomment>
        <translation>TES ERREURS : LE MOT CLIQUÉ, PAR SA COULEUR</translation>
    </message>
    <message>
        <source>YOUR PACE: MEDIAN MILLISECONDS PER MATCH</source>
        <extracomment>Caption over the two pace charts (356 x 17 px, 8.25 pt bold).</extracomment>
        <translation>TON RYTHME : MÉDIANE DES MS PAR BONNE RÉPONSE</translation>
    </message>
    <message>
        <source>Keep playing! After %1 wrong clicks or %2 games, this page shows
which words fool you, and whether you slow down as colours
and words are added.</source>
        <translation>Continue à jouer ! Après %1 clics erronés ou %2 parties, cette page
montre quels mots te trompent, et si tu ralentis
quand les couleurs et les mots s’ajoutent.</translation>
    </message>
    <message>
        <source>colours in play</source>
        <translation>couleurs en jeu</translation>
    </message>
    <message>
        <source>words on the board</source>
        <translation>mots sur le plateau</translation>
    </message>
    <message>
        <source>%1
not played yet</source>
        <translation>%1
pas encore jouée</translation>
    </message>
    <message>
        <source>%1
best total: %2
highest level: %3</source>
        <translation>%1
meilleur total : %2
niveau le plus haut : %3</translation>
    </message>
    <message>
        <source>No wrong clicks kept yet.</source>
        <translation>Aucun clic erroné gardé pour l’instant.</translation>
    </message>
    <message>
        <source>all games</source>
        <translation>toutes les parties</translation>
    </message>
    <message>
        <source>last 10 games</source>
        <translation>10 dernières parties</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>CHECK-UP</source>
        <extracomment>The button that opens the interference check-up (121 x 25 px).</extracomment>
        <translation>BILAN</translation>
    </message>
    <message>
        <source>Measure your colour-word interference: a two-minute check-up</source>
        <translation>Mesure ton interférence couleur-mot : un bilan de deux minutes</translation>
    </message>
    <message>
        <source>Check-up trials, one row each (*.csv)</source>
        <translation>Essais des bilans, une ligne chacun (*.csv)</translation>
    </message>
</context>
</TS>
