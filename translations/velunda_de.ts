<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Apariencia</name>
    <message>
        <source>Velunda - A game by Quorlan! ( get more FREE GAMES at %1 )</source>
        <extracomment>Every window&apos;s title bar; %1 is the maker&apos;s web host.</extracomment>
        <translation>Velunda - Ein Spiel von Quorlan! ( mehr GRATIS-SPIELE auf %1 )</translation>
    </message>
</context>
<context>
    <name>BorrarDatos</name>
    <message>
        <source>Clear the high scores?
The table goes back to the ten places Velunda comes with. Tables once moved aside as damaged (HOF.rec.bad) are kept.</source>
        <extracomment>Asked before the high-score table is cleared; the buttons are Yes and No.</extracomment>
        <translation>Bestenliste löschen?
Die Liste kehrt zu den zehn Plätzen zurück, mit denen Velunda kommt. Als beschädigt beiseitegelegte Listen (HOF.rec.bad) bleiben erhalten.</translation>
    </message>
    <message>
        <source>The high scores are back to the ten places Velunda comes with.</source>
        <translation>Die Bestenliste hat wieder die zehn Plätze, mit denen Velunda kommt.</translation>
    </message>
    <message>
        <source>The high scores could not be cleared: their file could not be written.</source>
        <translation>Die Bestenliste ließ sich nicht löschen: Ihre Datei ließ sich nicht schreiben.</translation>
    </message>
    <message>
        <source>Clear your history?
Every game and level recorded is deleted. History files once moved aside as damaged (.bad) are kept.</source>
        <extracomment>Asked before the player&apos;s history is emptied; the buttons are Yes and No.</extracomment>
        <translation>Deinen Verlauf löschen?
Jedes aufgezeichnete Spiel und Level wird gelöscht. Als beschädigt beiseitegelegte Verlaufsdateien (.bad) bleiben erhalten.</translation>
    </message>
    <message>
        <source>Your history is empty.</source>
        <translation>Dein Verlauf ist leer.</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>Der Verlauf ließ sich nicht löschen.</translation>
    </message>
</context>
<context>
    <name>Color</name>
    <message>
        <source>RED</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>ROT</translation>
    </message>
    <message>
        <source>GREEN</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>GRÜN</translation>
    </message>
    <message>
        <source>BLUE</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>BLAU</translation>
    </message>
    <message>
        <source>BROWN</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>BRAUN</translation>
    </message>
    <message>
        <source>PINK</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>ROSA</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>GELB</translation>
    </message>
    <message>
        <source>CYAN</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>TÜRKIS</translation>
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
        <translation>SEHR LEICHT</translation>
    </message>
    <message>
        <source>EASY</source>
        <extracomment>Difficulty in the high-score table (97 x 17 px, 8.25 pt).</extracomment>
        <translation>LEICHT</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <extracomment>Difficulty in the high-score table (97 x 17 px, 8.25 pt).</extracomment>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>Difficulty in the high-score table (97 x 17 px, 8.25 pt).</extracomment>
        <translation>SCHWER</translation>
    </message>
</context>
<context>
    <name>ModuloProgreso</name>
    <message>
        <source>The progress window could not be opened.</source>
        <translation>Das Fortschrittsfenster konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>It belongs to another version of the game.</source>
        <extracomment>The reason under the message above: the module beside the program is another version&apos;s.</extracomment>
        <translation>Es gehört zu einer anderen Version des Spiels.</translation>
    </message>
    <message>
        <source>The check-up could not be opened.</source>
        <extracomment>A message box, then the system&apos;s reason on the next line.</extracomment>
        <translation>Der Check-up konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>Salida</name>
    <message>
        <source>Quit!</source>
        <extracomment>Title of the quit question.</extracomment>
        <translation>Beenden!</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>The quit question; the buttons are the desktop&apos;s Yes and No.</extracomment>
        <translation>Willst du wirklich aufhören?</translation>
    </message>
</context>
<context>
    <name>TextosJuego</name>
    <message>
        <source>LEVEL %1

FIND %2 CORRECT MATCHES

IN %3 SECONDS</source>
        <extracomment>The level goal on the message panel (329 x 177 px, 13.5 pt): keep the five lines. %1 level (1-50), %2 matches to find, %3 whole seconds.</extracomment>
        <translation>STUFE %1

FINDE %2 TREFFER

IN %3 SEKUNDEN</translation>
    </message>
    <message>
        <source>Level Finished !
You got %1 points.
You took %2 seconds to find %3 correct matches.
( %4 seconds per match )</source>
        <extracomment>Message box after a level: %1 points, %2 seconds taken (0.00), %3 matches, %4 seconds per match (0.00). Keep the four lines.</extracomment>
        <translation>Stufe geschafft!
Du bekommst %1 Punkte.
Du hast %2 Sekunden gebraucht, um %3 Treffer zu finden.
( %4 Sekunden pro Treffer )</translation>
    </message>
    <message>
        <source>Failed.
Back to Level 1</source>
        <extracomment>Message box after a wrong click on level 1 or 2.</extracomment>
        <translation>Daneben!
Zurück zu Stufe 1</translation>
    </message>
    <message>
        <source>Failed.
You go back 2 levels till level %1</source>
        <extracomment>Message box after a wrong click: %1 is the level the player goes back to.</extracomment>
        <translation>Daneben!
Du gehst 2 Stufen zurück, bis Stufe %1</translation>
    </message>
    <message>
        <source>Time over.
Back to Level 1</source>
        <extracomment>Message box when time runs out on level 1 or 2.</extracomment>
        <translation>Die Zeit ist um!
Zurück zu Stufe 1</translation>
    </message>
    <message>
        <source>Time over.
You go back 2 levels till level %1</source>
        <extracomment>Message box when time runs out: %1 is the level the player goes back to.</extracomment>
        <translation>Die Zeit ist um!
Du gehst 2 Stufen zurück, bis Stufe %1</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WIN!
YOU GOT %1 POINTS!</source>
        <extracomment>Message box after the last level: %1 is the game&apos;s total.</extracomment>
        <translation>GLÜCKWUNSCH! DU HAST GEWONNEN!
DU HAST %1 PUNKTE!</translation>
    </message>
</context>
<context>
    <name>Titulo</name>
    <message>
        <source>CLICK THE WORDS THAT MATCH THEIR COLOR</source>
        <extracomment>The title menu&apos;s motto, on a strip 464 x 17 px (bold, shrinks to fit).</extracomment>
        <translation>KLICKE DIE WÖRTER IN IHRER EIGENEN FARBE</translation>
    </message>
    <message>
        <source>HIGH
SCORES</source>
        <extracomment>The title menu&apos;s high-score choice: two lines of one size (the letters shrink to fit).</extracomment>
        <translation>BESTEN-
LISTE</translation>
    </message>
    <message>
        <source>QUIT</source>
        <extracomment>The title menu&apos;s small quit tile (about 65 x 25 px; the letters shrink to fit).</extracomment>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>EXIT</source>
        <extracomment>The title menu&apos;s big quit tile, beside a door (about 70 x 45 px; shrinks to fit).</extracomment>
        <translation>AUS</translation>
    </message>
    <message>
        <source>MORE FREE GAMES ON THE WEB</source>
        <extracomment>The title menu&apos;s web link, beside a globe (about 250 x 25 px; shrinks to fit).</extracomment>
        <translation>MEHR GRATIS-SPIELE IM WEB</translation>
    </message>
    <message>
        <source>A GAME BY QUORLAN!</source>
        <extracomment>The maker&apos;s line at the foot of the title menu (132 x 17 px; shrinks to fit).</extracomment>
        <translation>EIN SPIEL VON QUORLAN!</translation>
    </message>
    <message>
        <source>PLAY</source>
        <extracomment>The title menu&apos;s play choice, a big word (about 165 x 60 px; shrinks to fit).</extracomment>
        <translation>SPIELEN</translation>
    </message>
    <message>
        <source>START A NEW GAME</source>
        <extracomment>The line under PLAY on the title menu (about 160 x 18 px; shrinks to fit).</extracomment>
        <translation>NEUES SPIEL STARTEN</translation>
    </message>
    <message>
        <source>HELP</source>
        <extracomment>The title menu&apos;s help choice, a big word (about 125 x 35 px; shrinks to fit).</extracomment>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>HOW TO PLAY</source>
        <extracomment>The line under HELP on the title menu (about 130 x 15 px; shrinks to fit).</extracomment>
        <translation>SO WIRD GESPIELT</translation>
    </message>
</context>
<context>
    <name>VolverAlMenu</name>
    <message>
        <source>BACK TO
MENU</source>
        <extracomment>The back-to-menu tile on the game screen: two lines, a small one over a big one (about 60 px wide; the letters shrink to fit).</extracomment>
        <translation>ZURÜCK ZUM
MENÜ</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Get more FREE GAMES at %1</source>
        <extracomment>The game screen&apos;s foot line (257 x 17 px, 8.25 pt); %1 is the maker&apos;s web host.</extracomment>
        <translation>Mehr GRATIS-SPIELE auf %1</translation>
    </message>
    <message>
        <source>If you like Velunda, get more FREE GAMES at %1</source>
        <extracomment>Help and high-score screens (353 x 17 px, 8.25 pt); %1 is the maker&apos;s web host.</extracomment>
        <translation>Dir gefällt Velunda? Mehr GRATIS-SPIELE auf %1</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web page, %1, in the browser</source>
        <extracomment>Accessible name of the web hotspots, read by screen readers; %1 is the maker&apos;s web host.</extracomment>
        <translation>Die Webseite des Herstellers, %1, im Browser öffnen</translation>
    </message>
</context>
<context>
    <name>frmAjustes</name>
    <message>
        <source>This choice lasts only this run: the settings file cannot be read.</source>
        <translation>Diese Wahl gilt nur für diese Sitzung: Die Einstellungsdatei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This choice lasts only this run: the settings file cannot be written.</source>
        <translation>Diese Wahl gilt nur für diese Sitzung: Die Einstellungsdatei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Sound cues (the M key turns them on or off)</source>
        <translation>Sprachhinweise (die Taste M schaltet sie ein oder aus)</translation>
    </message>
    <message>
        <source>Calm warning: when time runs low, a steady red
instead of a flashing window</source>
        <translation>Ruhige Warnung: wird die Zeit knapp, ein festes Rot
statt eines blinkenden Fensters</translation>
    </message>
    <message>
        <source>During a level, Escape or P pauses the game and hides the board; Enter or Space goes on. The arrow keys move a ring over the words; Space or Enter chooses.</source>
        <translation>Während einer Stufe halten Esc oder P das Spiel an und verdecken das Feld; Enter oder Leertaste macht weiter. Die Pfeiltasten bewegen einen Rahmen über die Wörter; Leertaste oder Enter wählt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear high scores…</source>
        <extracomment>Settings button (193 x 25 px); asks before it clears.</extracomment>
        <translation>Bestenliste löschen…</translation>
    </message>
    <message>
        <source>Clear my history…</source>
        <extracomment>Settings button (193 x 25 px); asks before it clears.</extracomment>
        <translation>Meinen Verlauf löschen…</translation>
    </message>
    <message>
        <source>Colour-blind-safe inks: colours that stay apart for
every kind of colour vision (from the next game)</source>
        <translation>Farbenblind-sichere Tinten: Farben, die für jedes
Farbsehen unterscheidbar bleiben (ab dem nächsten Spiel)</translation>
    </message>
    <message>
        <source>Outline the words, so that pale inks read on white</source>
        <translation>Wörter umranden, damit blasse Tinten lesbar sind</translation>
    </message>
    <message>
        <source>Relaxed pace: ten times the time on every level
(such a game does not enter the high scores)</source>
        <translation>Gemächliches Tempo: zehnmal so viel Zeit je Level
(ein solches Spiel kommt nicht in die Bestenliste)</translation>
    </message>
    <message>
        <source>Size (from the next start):</source>
        <extracomment>Settings, beside the list of sizes (250 x 25 px, 9.75 pt).</extracomment>
        <translation>Größe (ab dem nächsten Start):</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>Settings, the size that follows the desktop&apos;s scale, as large as the screen allows.</extracomment>
        <translation>Automatisch</translation>
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
        <translation>Wenn du dieses Bild siehst, passiert etwas Seltsames. Dein Gehirn bekommt zwei widersprüchliche Informationen aus zwei gültigen Quellen. Einerseits sagt das Wort „Rot“. Andererseits sagt seine Farbe „Blau“. So kommt dein Gehirn durcheinander.</translation>
    </message>
    <message>
        <source>Your goal: click on the labels wich TEXT matches its COLOR.</source>
        <extracomment>Help, the rule in one line (601 x 49 px, 13.5 pt).</extracomment>
        <translation>Dein Ziel: Klicke auf die Wörter, deren TEXT zu ihrer FARBE passt.</translation>
    </message>
    <message>
        <source>For example:</source>
        <extracomment>Help, before two example labels (81 x 17 px, 9.75 pt).</extracomment>
        <translation>Beispiele:</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <extracomment>Help, under the example label that matches (161 x 17 px, 9.75 pt).</extracomment>
        <translation>RICHTIG</translation>
    </message>
    <message>
        <source>INCORRECT</source>
        <extracomment>Help, under the example label that does not match (161 x 17 px, 9.75 pt).</extracomment>
        <translation>FALSCH</translation>
    </message>
    <message>
        <source>Time is limited, so go quickly! :) . The faster you are, the higher your score! But be carefull, because if you click on an incorrect label you will go back 2 levels.</source>
        <extracomment>Help, the clock and the fall-back (601 x 65 px, 9.75 pt).</extracomment>
        <translation>Die Zeit ist knapp, also beeil dich! :) Je schneller du bist, desto mehr Punkte bekommst du! Aber Vorsicht: Wenn du auf ein falsches Wort klickst, gehst du 2 Stufen zurück.</translation>
    </message>
    <message>
        <source>Now it&apos;s your time. Are you a master of Velunda?</source>
        <extracomment>Help, the last line (601 x 33 px, 9.75 pt, bold).</extracomment>
        <translation>Jetzt bist du dran. Bist du ein Velunda-Meister?</translation>
    </message>
    <message>
        <source>HELP</source>
        <extracomment>The help screen&apos;s heading (601 x 25 px, 13.5 pt, bold).</extracomment>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The help screen&apos;s close button (73 x 25 px).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Optionen...</translation>
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
        <translation>MEDIAN</translation>
    </message>
    <message>
        <source>ERRORS</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>INV. EFFICIENCY</source>
        <translation>INV. EFFIZIENZ</translation>
    </message>
    <message>
        <source>YOUR INTERFERENCE, CHECK-UP BY CHECK-UP</source>
        <translation>DEINE INTERFERENZ, CHECK-UP FÜR CHECK-UP</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the check-up</source>
        <translation>Check-up schließen</translation>
    </message>
    <message>
        <source>INTERFERENCE
%1</source>
        <extracomment>The result&apos;s main figure: the title, then the milliseconds on the next line.</extracomment>
        <translation>INTERFERENZ
%1</translation>
    </message>
    <message>
        <source>Congruent</source>
        <translation>Passend</translation>
    </message>
    <message>
        <source>Incongruent</source>
        <translation>Unpassend</translation>
    </message>
    <message>
        <source>Neutral (XXXXX)</source>
        <translation>Neutral (XXXXX)</translation>
    </message>
    <message>
        <source>Trials kept: %1 of %2. Too fast to count (under %3 ms): %4. No answer in %5 s: %6.</source>
        <translation>Gezählte Durchgänge: %1 von %2. Zu schnell zum Zählen (unter %3 ms): %4. Keine Antwort in %5 s: %6.</translation>
    </message>
    <message>
        <source>Your own trend; not a medical or clinical test; one check-up varies by tens of milliseconds.</source>
        <translation>Dein eigener Verlauf; kein medizinischer oder klinischer Test; ein Check-up schwankt um Dutzende Millisekunden.</translation>
    </message>
    <message>
        <source>Interference</source>
        <translation>Interferenz</translation>
    </message>
    <message>
        <source>check-up, oldest first</source>
        <translation>Check-up, ältester zuerst</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>History is not kept in this run: this check-up is not kept.</source>
        <translation>In diesem Lauf wird kein Verlauf geführt: dieser Check-up wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>History is off: this check-up is not kept.</source>
        <translation>Der Verlauf ist aus: dieser Check-up wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>CHECK-UP</source>
        <extracomment>The check-up window&apos;s title (552 x 41 px, 24 pt bold).</extracomment>
        <translation>CHECK-UP</translation>
    </message>
    <message>
        <source>NAME THE INK, NOT THE WORD

One word at a time appears in the middle. Answer the colour it is printed in:
press its key, 1 to 4, or click its button.
Be quick, and right. Three practice words come first.

About two minutes. Escape pauses.</source>
        <translation>NENNE DIE FARBE, NICHT DAS WORT

In der Mitte erscheint ein Wort nach dem anderen. Antworte mit der Farbe, in der es gedruckt ist:
drücke ihre Taste, 1 bis 4, oder klicke ihren Knopf.
Sei schnell und richtig. Zuerst kommen drei Übungswörter.

Etwa zwei Minuten. Escape pausiert.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>LOS GEHT&apos;S</translation>
    </message>
    <message>
        <source>Start the check-up</source>
        <translation>Check-up beginnen</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <extracomment>An ink button&apos;s name for screen readers: the colour word, then its key.</extracomment>
        <translation>%1, Taste %2</translation>
    </message>
    <message>
        <source>Answer the ink, not the word: keys 1 to 4, or click. Escape pauses.</source>
        <translation>Antworte mit der Farbe, nicht dem Wort: Tasten 1 bis 4 oder klicken. Escape pausiert.</translation>
    </message>
    <message>
        <source>CHECK-UP PAUSED

THE WORD YOU MISSED COMES AGAIN

PRESS ENTER TO GO ON</source>
        <translation>CHECK-UP PAUSIERT

DAS VERPASSTE WORT KOMMT NOCH EINMAL

ENTER DRÜCKEN, UM WEITERZUMACHEN</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <source>LEAVE IT</source>
        <extracomment>The paused check-up&apos;s button that closes it; nothing of it is kept (161 x 25 px).</extracomment>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>Leave the check-up; nothing of it is kept</source>
        <translation>Check-up abbrechen; nichts davon wird gespeichert</translation>
    </message>
    <message>
        <source>PRACTICE %1 OF %2</source>
        <translation>ÜBUNG %1 VON %2</translation>
    </message>
    <message>
        <source>%1 OF %2</source>
        <translation>%1 VON %2</translation>
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
        <translation>Die Tabelle wurde nicht gespeichert: Ihre Sperrdatei HOF.rec.lock ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>column title</comment>
        <extracomment>High-score column title (161 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>DIFFICULTY</source>
        <comment>column title</comment>
        <extracomment>High-score column title (97 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>SCHWIERIGKEIT</translation>
    </message>
    <message>
        <source>SCORE</source>
        <comment>column title</comment>
        <extracomment>High-score column title (97 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <source>DATE</source>
        <comment>column title</comment>
        <extracomment>High-score column title (97 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>TIME</source>
        <comment>column title</comment>
        <extracomment>High-score column title: the time of day of the entry (97 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>UHRZEIT</translation>
    </message>
    <message>
        <source>HIGH SCORES</source>
        <extracomment>The high-score screen&apos;s heading (577 x 41 px, 24 pt, bold).</extracomment>
        <translation>BESTENLISTE</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The high-score screen&apos;s close button (49 x 25 px).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Congrats! You got a High Score!</source>
        <extracomment>Title of the name prompt after a game that earned a place.</extracomment>
        <translation>Glückwunsch! Du kommst in die Bestenliste!</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <extracomment>The name prompt&apos;s question.</extracomment>
        <translation>Wie heißt du?</translation>
    </message>
    <message>
        <source>The table was not saved: another copy of Velunda kept the file locked.</source>
        <translation>Die Tabelle wurde nicht gespeichert: Eine andere Velunda-Kopie sperrte die Datei.</translation>
    </message>
    <message>
        <source>The table was not saved: there is no permission to write the file.</source>
        <translation>Die Tabelle wurde nicht gespeichert: Keine Berechtigung, die Datei zu schreiben.</translation>
    </message>
    <message>
        <source>The table was not saved: the disk is full.</source>
        <translation>Die Tabelle wurde nicht gespeichert: Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The table was not saved: a folder stands where the file should be.</source>
        <translation>Die Tabelle wurde nicht gespeichert: Ein Ordner steht an Stelle der Datei.</translation>
    </message>
    <message>
        <source>The table was not saved: the file there could not be read, so it was kept.</source>
        <translation>Die Tabelle wurde nicht gespeichert: Die Datei war unlesbar und blieb erhalten.</translation>
    </message>
    <message>
        <source>The table was not saved: the file could not be written.</source>
        <translation>Die Tabelle wurde nicht gespeichert: Die Datei ließ sich nicht schreiben.</translation>
    </message>
    <message>
        <source>PROGRESS</source>
        <translation>FORTSCHRITT</translation>
    </message>
    <message>
        <source>A game at the relaxed pace has ten times the time, so it does not enter the table.</source>
        <translation>Ein Spiel im gemächlichen Tempo hat zehnmal so viel Zeit und kommt nicht in die Tabelle.</translation>
    </message>
</context>
<context>
    <name>frmIntro</name>
    <message>
        <source>VERY EASY (TRAINING)</source>
        <extracomment>Difficulty button (153 x 33 px).</extracomment>
        <translation>SEHR LEICHT (ÜBUNG)</translation>
    </message>
    <message>
        <source>EASY</source>
        <extracomment>Difficulty button (153 x 33 px).</extracomment>
        <translation>LEICHT</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <extracomment>Difficulty button (153 x 33 px).</extracomment>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>Difficulty button (153 x 33 px).</extracomment>
        <translation>SCHWER</translation>
    </message>
    <message>
        <source>DIFFICULTY</source>
        <extracomment>Heading of the difficulty panel (265 x 33 px, 24 pt, bold, underlined).</extracomment>
        <translation>WIE SCHWER?</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>LEVEL</source>
        <comment>caption</comment>
        <extracomment>Caption over the level number (161 x 17 px, 9.75 pt).</extracomment>
        <translation>STUFE</translation>
    </message>
    <message>
        <source>OF</source>
        <comment>level</comment>
        <extracomment>Between the level number and 50, as in &quot;12 OF 50&quot; (33 x 25 px, 12 pt).</extracomment>
        <translation>von</translation>
    </message>
    <message>
        <source>SCORE</source>
        <comment>caption</comment>
        <extracomment>Caption over the game&apos;s score so far (161 x 17 px, 9.75 pt).</extracomment>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>The button that starts the level&apos;s clock (121 x 25 px).</extracomment>
        <translation>LOS GEHT&apos;S</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <comment>caption above the seconds left</comment>
        <extracomment>Caption over the seconds left, read with the caption under them: &quot;SECONDS ... REMAINING&quot; (145 x 17 px, 9.75 pt).</extracomment>
        <translation>SEKUNDEN</translation>
    </message>
    <message>
        <source>REMAINING</source>
        <comment>caption below the seconds left</comment>
        <extracomment>Caption under the seconds left (145 x 17 px, 9.75 pt).</extracomment>
        <translation>ÜBRIG</translation>
    </message>
    <message>
        <source>YOU&apos;VE FOUND</source>
        <extracomment>Caption over the matches found, read on with the caption under them: &quot;YOU&apos;VE FOUND 2 OF 5 MATCHES&quot; (145 x 17 px, 9.75 pt).</extracomment>
        <translation>DU HAST</translation>
    </message>
    <message>
        <source>OF</source>
        <comment>matches</comment>
        <extracomment>Between the matches found and the matches to find, as in &quot;2 OF 5&quot; (33 x 25 px, 12 pt).</extracomment>
        <translation>von</translation>
    </message>
    <message>
        <source>MATCHES</source>
        <comment>caption below the matches found</comment>
        <extracomment>Caption under the matches found (145 x 17 px, 9.75 pt).</extracomment>
        <translation>TREFFER GEFUNDEN</translation>
    </message>
    <message>
        <source>You&apos;re a Cheater :)</source>
        <extracomment>Title of the hidden level jump&apos;s prompt.</extracomment>
        <translation>Du schummelst ja :)</translation>
    </message>
    <message>
        <source>Go to Level (0 - 49) :</source>
        <extracomment>The hidden level jump&apos;s question; the answer is a level number from 0 to 49.</extracomment>
        <translation>Gehe zu Stufe (0 - 49):</translation>
    </message>
    <message>
        <source>GAME PAUSED

THE CLOCK IS STOPPED

PRESS ENTER TO GO ON</source>
        <translation>SPIEL ANGEHALTEN

DIE UHR STEHT

MIT ENTER GEHT ES WEITER</translation>
    </message>
    <message>
        <source>GO ON</source>
        <extracomment>The paused panel&apos;s button that goes on with the level (121 x 25 px).</extracomment>
        <translation>WEITER</translation>
    </message>
    <message>
        <source>BACK TO MENU</source>
        <extracomment>The paused panel&apos;s button that leaves the game for the title menu (153 x 25 px).</extracomment>
        <translation>ZURÜCK ZUM MENÜ</translation>
    </message>
    <message>
        <source>Back to the menu</source>
        <translation>Zurück zum Menü</translation>
    </message>
    <message>
        <source>Jump to a level</source>
        <translation>Zu einem Level springen</translation>
    </message>
    <message>
        <source>word %1, row %2, column %3</source>
        <translation>Wort %1, Zeile %2, Spalte %3</translation>
    </message>
</context>
<context>
    <name>frmProgreso</name>
    <message>
        <source>The history file was damaged: kept as %1, what could be read was copied to a new one.</source>
        <translation>Die Verlaufsdatei war beschädigt: als %1 behalten, das Lesbare wurde in eine neue kopiert.</translation>
    </message>
    <message>
        <source>Nothing was exported: the history could not be read in full.</source>
        <translation>Es wurde nichts exportiert: Der Verlauf konnte nicht vollständig gelesen werden.</translation>
    </message>
    <message>
        <source>YOUR PROGRESS</source>
        <translation>DEIN FORTSCHRITT</translation>
    </message>
    <message>
        <source>HIGHEST LEVEL IN EACH GAME</source>
        <translation>HÖCHSTE STUFE JE SPIEL</translation>
    </message>
    <message>
        <source>SECONDS PER MATCH, BY LEVEL</source>
        <translation>SEKUNDEN PRO TREFFER, JE STUFE</translation>
    </message>
    <message>
        <source>No games yet.

Play a game from the title menu, then come back here
to see how you improve.</source>
        <translation>Noch keine Spiele.

Spiel eine Runde aus dem Hauptmenü und komm dann hierher zurück,
um zu sehen, wie du besser wirst.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>EXPORT CSV...</source>
        <translation>CSV EXPORTIEREN...</translation>
    </message>
    <message>
        <source>level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>game, oldest first</source>
        <translation>Spiel, ältestes zuerst</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bestwert</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Games played: %1</source>
        <translation>Gespielte Spiele: %1</translation>
    </message>
    <message>
        <source>Levels cleared: %1</source>
        <translation>Geschaffte Stufen: %1</translation>
    </message>
    <message>
        <source>Wrong clicks: %1</source>
        <translation>Falsche Klicks: %1</translation>
    </message>
    <message>
        <source>Time-outs: %1</source>
        <translation>Zeit abgelaufen: %1</translation>
    </message>
    <message>
        <source>Best total: %1</source>
        <translation>Bestes Ergebnis: %1</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Spielzeit: %1</translation>
    </message>
    <message>
        <source>History is not kept in this run.</source>
        <translation>Der Verlauf wird in dieser Sitzung nicht geführt.</translation>
    </message>
    <message>
        <source>History is off for now: another program is using its file.</source>
        <translation>Verlauf vorerst aus: Ein anderes Programm benutzt seine Datei.</translation>
    </message>
    <message>
        <source>History is off: its file or folder cannot be written.</source>
        <translation>Verlauf aus: Seine Datei oder sein Ordner ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>History is off: its file comes from a newer Velunda.</source>
        <translation>Verlauf aus: Seine Datei stammt von einer neueren Velunda-Version.</translation>
    </message>
    <message>
        <source>History is off: its file cannot be opened.</source>
        <translation>Verlauf aus: Seine Datei lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>Der Verlauf konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>History is off: Qt&apos;s SQLite driver is missing (install %1).</source>
        <extracomment>%1 is the name of the Debian package that holds the driver.</extracomment>
        <translation>Verlauf aus: Qts SQLite-Treiber fehlt (installiere %1).</translation>
    </message>
    <message>
        <source>RELAXED PACE</source>
        <translation>GEMÄCHLICHES TEMPO</translation>
    </message>
    <message>
        <source>WHAT TRIPS YOU</source>
        <extracomment>The button that turns the window to the slips and pace view and back (161 x 25 px).</extracomment>
        <translation>WORAN DU SCHEITERST</translation>
    </message>
    <message>
        <source>Close the progress window</source>
        <translation>Das Fortschrittsfenster schließen</translation>
    </message>
    <message>
        <source>Export the history as a CSV file</source>
        <translation>Den Verlauf als CSV-Datei exportieren</translation>
    </message>
    <message>
        <source>Show your progress</source>
        <translation>Deinen Fortschritt zeigen</translation>
    </message>
    <message>
        <source>Show what trips you</source>
        <translation>Zeigen, woran du scheiterst</translation>
    </message>
    <message>
        <source>Levels, one row each (*.csv)</source>
        <translation>Stufen, je eine Zeile (*.csv)</translation>
    </message>
    <message>
        <source>Clicks, one row each (*.csv)</source>
        <translation>Klicks, je eine Zeile (*.csv)</translation>
    </message>
    <message numerus="yes">
        <source>%1 printed in %2: %n time(s)</source>
        <extracomment>A slip counted, e.g. &quot;RED printed in ORANGE: 7 times&quot;: %1 the word clicked, %2 its ink.</extracomment>
        <translation>
            <numerusform>%1 in %2 gedruckt: %n-mal</numerusform>
            <numerusform>%1 in %2 gedruckt: %n-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>YOUR SLIPS: THE WORD YOU CLICKED, BY ITS INK</source>
        <extracomment>Caption over the grid of wrong clicks (356 x 17 px, 8.25 pt bold).</extracomment>
        <translation>DEINE FEHLER: DAS GEKLICKTE WORT, NACH FARBE</translation>
    </message>
    <message>
        <source>YOUR PACE: MEDIAN MILLISECONDS PER MATCH</source>
        <extracomment>Caption over the two pace charts (356 x 17 px, 8.25 pt bold).</extracomment>
        <translation>DEIN TEMPO: MEDIAN DER MILLISEKUNDEN PRO TREFFER</translation>
    </message>
    <message>
        <source>Keep playing! After %1 wrong clicks or %2 games, this page shows
which words fool you, and whether you slow down as colours
and words are added.</source>
        <translation>Spiel weiter! Nach %1 falschen Klicks oder %2 Spielen zeigt diese Seite,
welche Wörter dich täuschen und ob du langsamer wirst,
wenn Farben und Wörter dazukommen.</translation>
    </message>
    <message>
        <source>colours in play</source>
        <translation>Farben im Spiel</translation>
    </message>
    <message>
        <source>words on the board</source>
        <translation>Wörter auf dem Brett</translation>
    </message>
    <message>
        <source>%1
not played yet</source>
        <translation>%1
noch nicht gespielt</translation>
    </message>
    <message>
        <source>%1
best total: %2
highest level: %3</source>
        <translation>%1
bestes Ergebnis: %2
höchste Stufe: %3</translation>
    </message>
    <message>
        <source>No wrong clicks kept yet.</source>
        <translation>Noch keine falschen Klicks gespeichert.</translation>
    </message>
    <message>
        <source>all games</source>
        <translation>alle Spiele</translation>
    </message>
    <message>
        <source>last 10 games</source>
        <translation>letzte 10 Spiele</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>CHECK-UP</source>
        <extracomment>The button that opens the interference check-up (121 x 25 px).</extracomment>
        <translation>CHECK-UP</translation>
    </message>
    <message>
        <source>Measure your colour-word interference: a two-minute check-up</source>
        <translation>Miss deine Farbe-Wort-Interferenz: ein Check-up von zwei Minuten</translation>
    </message>
    <message>
        <source>Check-up trials, one row each (*.csv)</source>
        <translation>Check-up-Durchgänge, je eine Zeile (*.csv)</translation>
    </message>
</context>
</TS>
