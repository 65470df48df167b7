<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Apariencia</name>
    <message>
        <source>Velunda - A game by Quorlan! ( get more FREE GAMES at %1 )</source>
        <extracomment>Every window&apos;s title bar; %1 is the maker&apos;s web host.</extracomment>
        <translation>Velunda - ¡Un juego de Quorlan! ( más JUEGOS GRATIS en %1 )</translation>
    </message>
</context>
<context>
    <name>BorrarDatos</name>
    <message>
        <source>Clear the high scores?
The table goes back to the ten places Velunda comes with. Tables once moved aside as damaged (HOF.rec.bad) are kept.</source>
        <extracomment>Asked before the high-score table is cleared; the buttons are Yes and No.</extracomment>
        <translation>¿Borrar los récords?
La tabla vuelve a los diez puestos con los que viene Velunda. Las tablas apartadas por estar dañadas (HOF.rec.bad) se conservan.</translation>
    </message>
    <message>
        <source>The high scores are back to the ten places Velunda comes with.</source>
        <translation>Los récords han vuelto a los diez puestos con los que viene Velunda.</translation>
    </message>
    <message>
        <source>The high scores could not be cleared: their file could not be written.</source>
        <translation>No se pudieron borrar los récords: no se pudo escribir su archivo.</translation>
    </message>
    <message>
        <source>Clear your history?
Every game and level recorded is deleted. History files once moved aside as damaged (.bad) are kept.</source>
        <extracomment>Asked before the player&apos;s history is emptied; the buttons are Yes and No.</extracomment>
        <translation>¿Borrar tu historial?
Se eliminan todas las partidas y niveles guardados. Los archivos de historial apartados por estar dañados (.bad) se conservan.</translation>
    </message>
    <message>
        <source>Your history is empty.</source>
        <translation>Tu historial está vacío.</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>No se pudo borrar el historial.</translation>
    </message>
</context>
<context>
    <name>Color</name>
    <message>
        <source>RED</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>ROJO</translation>
    </message>
    <message>
        <source>GREEN</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>VERDE</translation>
    </message>
    <message>
        <source>BLUE</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>AZUL</translation>
    </message>
    <message>
        <source>BROWN</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>MARRÓN</translation>
    </message>
    <message>
        <source>PINK</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>ROSA</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>AMARILLO</translation>
    </message>
    <message>
        <source>CYAN</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>TURQUESA</translation>
    </message>
    <message>
        <source>ORANGE</source>
        <extracomment>colour word on a label: capitals, everyday word, at most 145 px</extracomment>
        <translation>NARANJA</translation>
    </message>
</context>
<context>
    <name>Dificultad</name>
    <message>
        <source>VERY EASY</source>
        <extracomment>Difficulty in the high-score table (97 x 17 px, 8.25 pt).</extracomment>
        <translation>MUY FÁCIL</translation>
    </message>
    <message>
        <source>EASY</source>
        <extracomment>Difficulty in the high-score table (97 x 17 px, 8.25 pt).</extracomment>
        <translation>FÁCIL</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <extracomment>Difficulty in the high-score table (97 x 17 px, 8.25 pt).</extracomment>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>Difficulty in the high-score table (97 x 17 px, 8.25 pt).</extracomment>
        <translation>DIFÍCIL</translation>
    </message>
</context>
<context>
    <name>ModuloProgreso</name>
    <message>
        <source>The progress window could not be opened.</source>
        <translation>No se ha podido abrir la ventana de progreso.</translation>
    </message>
    <message>
        <source>It belongs to another version of the game.</source>
        <extracomment>The reason under the message above: the module beside the program is another version&apos;s.</extracomment>
        <translation>Pertenece a otra versión del juego.</translation>
    </message>
    <message>
        <source>The check-up could not be opened.</source>
        <extracomment>A message box, then the system&apos;s reason on the next line.</extracomment>
        <translation>No se pudo abrir la prueba.</translation>
    </message>
</context>
<context>
    <name>Salida</name>
    <message>
        <source>Quit!</source>
        <extracomment>Title of the quit question.</extracomment>
        <translation>¡Salir!</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <extracomment>The quit question; the buttons are the desktop&apos;s Yes and No.</extracomment>
        <translation>¿Seguro que quieres salir?</translation>
    </message>
</context>
<context>
    <name>TextosJuego</name>
    <message>
        <source>LEVEL %1

FIND %2 CORRECT MATCHES

IN %3 SECONDS</source>
        <extracomment>The level goal on the message panel (329 x 177 px, 13.5 pt): keep the five lines. %1 level (1-50), %2 matches to find, %3 whole seconds.</extracomment>
        <translation>NIVEL %1

ENCUENTRA %2 ACIERTOS

EN %3 SEGUNDOS</translation>
    </message>
    <message>
        <source>Level Finished !
You got %1 points.
You took %2 seconds to find %3 correct matches.
( %4 seconds per match )</source>
        <extracomment>Message box after a level: %1 points, %2 seconds taken (0.00), %3 matches, %4 seconds per match (0.00). Keep the four lines.</extracomment>
        <translation>¡Nivel superado!
Has conseguido %1 puntos.
Has tardado %2 segundos en encontrar %3 aciertos.
( %4 segundos por acierto )</translation>
    </message>
    <message>
        <source>Failed.
Back to Level 1</source>
        <extracomment>Message box after a wrong click on level 1 or 2.</extracomment>
        <translation>¡Fallo!
Vuelves al nivel 1</translation>
    </message>
    <message>
        <source>Failed.
You go back 2 levels till level %1</source>
        <extracomment>Message box after a wrong click: %1 is the level the player goes back to.</extracomment>
        <translation>¡Fallo!
Retrocedes 2 niveles, hasta el nivel %1</translation>
    </message>
    <message>
        <source>Time over.
Back to Level 1</source>
        <extracomment>Message box when time runs out on level 1 or 2.</extracomment>
        <translation>¡Se acabó el tiempo!
Vuelves al nivel 1</translation>
    </message>
    <message>
        <source>Time over.
You go back 2 levels till level %1</source>
        <extracomment>Message box when time runs out: %1 is the level the player goes back to.</extracomment>
        <translation>¡Se acabó el tiempo!
Retrocedes 2 niveles, hasta el nivel %1</translation>
    </message>
    <message>
        <source>CONGRATS! YOU WIN!
YOU GOT %1 POINTS!</source>
        <extracomment>Message box after the last level: %1 is the game&apos;s total.</extracomment>
        <translation>¡ENHORABUENA! ¡HAS GANADO!
¡HAS CONSEGUIDO %1 PUNTOS!</translation>
    </message>
</context>
<context>
    <name>Titulo</name>
    <message>
        <source>CLICK THE WORDS THAT MATCH THEIR COLOR</source>
        <extracomment>The title menu&apos;s motto, on a strip 464 x 17 px (bold, shrinks to fit).</extracomment>
        <translation>PULSA LAS PALABRAS ESCRITAS EN SU PROPIO COLOR</translation>
    </message>
    <message>
        <source>HIGH
SCORES</source>
        <extracomment>The title menu&apos;s high-score choice: two lines of one size (the letters shrink to fit).</extracomment>
        <translation>MEJORES
PUNTUACIONES</translation>
    </message>
    <message>
        <source>QUIT</source>
        <extracomment>The title menu&apos;s small quit tile (about 65 x 25 px; the letters shrink to fit).</extracomment>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>EXIT</source>
        <extracomment>The title menu&apos;s big quit tile, beside a door (about 70 x 45 px; shrinks to fit).</extracomment>
        <translation>FIN</translation>
    </message>
    <message>
        <source>MORE FREE GAMES ON THE WEB</source>
        <extracomment>The title menu&apos;s web link, beside a globe (about 250 x 25 px; shrinks to fit).</extracomment>
        <translation>MÁS JUEGOS GRATIS EN LA WEB</translation>
    </message>
    <message>
        <source>A GAME BY QUORLAN!</source>
        <extracomment>The maker&apos;s line at the foot of the title menu (132 x 17 px; shrinks to fit).</extracomment>
        <translation>¡UN JUEGO DE QUORLAN!</translation>
    </message>
    <message>
        <source>PLAY</source>
        <extracomment>The title menu&apos;s play choice, a big word (about 165 x 60 px; shrinks to fit).</extracomment>
        <translation>JUGAR</translation>
    </message>
    <message>
        <source>START A NEW GAME</source>
        <extracomment>The line under PLAY on the title menu (about 160 x 18 px; shrinks to fit).</extracomment>
        <translation>EMPIEZA UNA PARTIDA</translation>
    </message>
    <message>
        <source>HELP</source>
        <extracomment>The title menu&apos;s help choice, a big word (about 125 x 35 px; shrinks to fit).</extracomment>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>HOW TO PLAY</source>
        <extracomment>The line under HELP on the title menu (about 130 x 15 px; shrinks to fit).</extracomment>
        <translation>CÓMO SE JUEGA</translation>
    </message>
</context>
<context>
    <name>VolverAlMenu</name>
    <message>
        <source>BACK TO
MENU</source>
        <extracomment>The back-to-menu tile on the game screen: two lines, a small one over a big one (about 60 px wide; the letters shrink to fit).</extracomment>
        <translation>VOLVER AL
MENÚ</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Get more FREE GAMES at %1</source>
        <extracomment>The game screen&apos;s foot line (257 x 17 px, 8.25 pt); %1 is the maker&apos;s web host.</extracomment>
        <translation>Más JUEGOS GRATIS en %1</translation>
    </message>
    <message>
        <source>If you like Velunda, get more FREE GAMES at %1</source>
        <extracomment>Help and high-score screens (353 x 17 px, 8.25 pt); %1 is the maker&apos;s web host.</extracomment>
        <translation>Si te gusta Velunda, más JUEGOS GRATIS en %1</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web page, %1, in the browser</source>
        <extracomment>Accessible name of the web hotspots, read by screen readers; %1 is the maker&apos;s web host.</extracomment>
        <translation>Abrir la página web del autor, %1, en el navegador</translation>
    </message>
</context>
<context>
    <name>frmAjustes</name>
    <message>
        <source>This choice lasts only this run: the settings file cannot be read.</source>
        <translation>Esta elección solo vale para esta sesión: no se puede leer el archivo de ajustes.</translation>
    </message>
    <message>
        <source>This choice lasts only this run: the settings file cannot be written.</source>
        <translation>Esta elección solo vale para esta sesión: no se puede escribir el archivo de ajustes.</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>AJUSTES</translation>
    </message>
    <message>
        <source>Sound cues (the M key turns them on or off)</source>
        <translation>Avisos de voz (la tecla M los activa o desactiva)</translation>
    </message>
    <message>
        <source>Calm warning: when time runs low, a steady red
instead of a flashing window</source>
        <translation>Aviso tranquilo: con poco tiempo, un rojo fijo
en vez de una ventana que parpadea</translation>
    </message>
    <message>
        <source>During a level, Escape or P pauses the game and hides the board; Enter or Space goes on. The arrow keys move a ring over the words; Space or Enter chooses.</source>
        <translation>Durante un nivel, Escape o P pausan la partida y ocultan el tablero; Intro o Espacio la reanudan. Las flechas mueven un marco sobre las palabras; Espacio o Intro eligen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Clear high scores…</source>
        <extracomment>Settings button (193 x 25 px); asks before it clears.</extracomment>
        <translation>Borrar récords…</translation>
    </message>
    <message>
        <source>Clear my history…</source>
        <extracomment>Settings button (193 x 25 px); asks before it clears.</extracomment>
        <translation>Borrar mi historial…</translation>
    </message>
    <message>
        <source>Colour-blind-safe inks: colours that stay apart for
every kind of colour vision (from the next game)</source>
        <translation>Tintas seguras para daltónicos: colores que se distinguen
con todo tipo de visión del color (desde la próxima partida)</translation>
    </message>
    <message>
        <source>Outline the words, so that pale inks read on white</source>
        <translation>Contornear las palabras, para leer las tintas pálidas</translation>
    </message>
    <message>
        <source>Relaxed pace: ten times the time on every level
(such a game does not enter the high scores)</source>
        <translation>Ritmo relajado: diez veces el tiempo en cada nivel
(esa partida no entra en los récords)</translation>
    </message>
    <message>
        <source>Size (from the next start):</source>
        <extracomment>Settings, beside the list of sizes (250 x 25 px, 9.75 pt).</extracomment>
        <translation>Tamaño (desde el próximo inicio):</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Automatic</source>
        <extracomment>Settings, the size that follows the desktop&apos;s scale, as large as the screen allows.</extracomment>
        <translation>Automático</translation>
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
        <translation>Cuando ves esta imagen, ocurre algo curioso. Tu cerebro recibe dos informaciones contradictorias de dos fuentes válidas. Por un lado, la palabra dice «Rojo». Por otro lado, su color dice «Azul». Así, tu cerebro se confunde.</translation>
    </message>
    <message>
        <source>Your goal: click on the labels wich TEXT matches its COLOR.</source>
        <extracomment>Help, the rule in one line (601 x 49 px, 13.5 pt).</extracomment>
        <translation>Tu objetivo: pulsa las palabras cuyo TEXTO coincide con su COLOR.</translation>
    </message>
    <message>
        <source>For example:</source>
        <extracomment>Help, before two example labels (81 x 17 px, 9.75 pt).</extracomment>
        <translation>Ejemplos:</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <extracomment>Help, under the example label that matches (161 x 17 px, 9.75 pt).</extracomment>
        <translation>CORRECTO</translation>
    </message>
    <message>
        <source>INCORRECT</source>
        <extracomment>Help, under the example label that does not match (161 x 17 px, 9.75 pt).</extracomment>
        <translation>INCORRECTO</translation>
    </message>
    <message>
        <source>Time is limited, so go quickly! :) . The faster you are, the higher your score! But be carefull, because if you click on an incorrect label you will go back 2 levels.</source>
        <extracomment>Help, the clock and the fall-back (601 x 65 px, 9.75 pt).</extracomment>
        <translation>El tiempo es limitado, ¡así que date prisa! :) Cuanto más rápido seas, ¡más puntos conseguirás! Pero ten cuidado: si pulsas una palabra incorrecta, retrocederás 2 niveles.</translation>
    </message>
    <message>
        <source>Now it&apos;s your time. Are you a master of Velunda?</source>
        <extracomment>Help, the last line (601 x 33 px, 9.75 pt, bold).</extracomment>
        <translation>Ahora te toca a ti. ¿Eres un maestro de Velunda?</translation>
    </message>
    <message>
        <source>HELP</source>
        <extracomment>The help screen&apos;s heading (601 x 25 px, 13.5 pt, bold).</extracomment>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The help screen&apos;s close button (73 x 25 px).</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Ajustes...</translation>
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
        <translation>MEDIANA</translation>
    </message>
    <message>
        <source>ERRORS</source>
        <translation>ERRORES</translation>
    </message>
    <message>
        <source>INV. EFFICIENCY</source>
        <translation>EFIC. INVERSA</translation>
    </message>
    <message>
        <source>YOUR INTERFERENCE, CHECK-UP BY CHECK-UP</source>
        <translation>TU INTERFERENCIA, PRUEBA A PRUEBA</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>Close the check-up</source>
        <translation>Cerrar la prueba</translation>
    </message>
    <message>
        <source>INTERFERENCE
%1</source>
        <extracomment>The result&apos;s main figure: the title, then the milliseconds on the next line.</extracomment>
        <translation>INTERFERENCIA
%1</translation>
    </message>
    <message>
        <source>Congruent</source>
        <translation>Congruente</translation>
    </message>
    <message>
        <source>Incongruent</source>
        <translation>Incongruente</translation>
    </message>
    <message>
        <source>Neutral (XXXXX)</source>
        <translation>Neutra (XXXXX)</translation>
    </message>
    <message>
        <source>Trials kept: %1 of %2. Too fast to count (under %3 ms): %4. No answer in %5 s: %6.</source>
        <translation>Ensayos contados: %1 de %2. Demasiado rápidos para contar (menos de %3 ms): %4. Sin respuesta en %5 s: %6.</translation>
    </message>
    <message>
        <source>Your own trend; not a medical or clinical test; one check-up varies by tens of milliseconds.</source>
        <translation>Tu propia tendencia; no es una prueba médica ni clínica; una prueba varía en decenas de milisegundos.</translation>
    </message>
    <message>
        <source>Interference</source>
        <translation>Interferencia</translation>
    </message>
    <message>
        <source>check-up, oldest first</source>
        <translation>prueba, la más antigua primero</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>History is not kept in this run: this check-up is not kept.</source>
        <translation>En esta sesión no se guarda el historial: esta prueba no se guarda.</translation>
    </message>
    <message>
        <source>History is off: this check-up is not kept.</source>
        <translation>El historial está desactivado: esta prueba no se guarda.</translation>
    </message>
    <message>
        <source>CHECK-UP</source>
        <extracomment>The check-up window&apos;s title (552 x 41 px, 24 pt bold).</extracomment>
        <translation>PRUEBA</translation>
    </message>
    <message>
        <source>NAME THE INK, NOT THE WORD

One word at a time appears in the middle. Answer the colour it is printed in:
press its key, 1 to 4, or click its button.
Be quick, and right. Three practice words come first.

About two minutes. Escape pauses.</source>
        <translation>DI LA TINTA, NO LA PALABRA

En el centro aparece una palabra cada vez. Responde el color en que está impresa:
pulsa su tecla, de 1 a 4, o haz clic en su botón.
Sé rápido y acierta. Primero vienen tres palabras de práctica.

Unos dos minutos. Escape pausa.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>EMPEZAR</translation>
    </message>
    <message>
        <source>Start the check-up</source>
        <translation>Empezar la prueba</translation>
    </message>
    <message>
        <source>%1, key %2</source>
        <extracomment>An ink button&apos;s name for screen readers: the colour word, then its key.</extracomment>
        <translation>%1, tecla %2</translation>
    </message>
    <message>
        <source>Answer the ink, not the word: keys 1 to 4, or click. Escape pauses.</source>
        <translation>Responde la tinta, no la palabra: teclas 1 a 4, o clic. Escape pausa.</translation>
    </message>
    <message>
        <source>CHECK-UP PAUSED

THE WORD YOU MISSED COMES AGAIN

PRESS ENTER TO GO ON</source>
        <translation>PRUEBA EN PAUSA

LA PALABRA PERDIDA VOLVERÁ

PULSA ENTER PARA SEGUIR</translation>
    </message>
    <message>
        <source>GO ON</source>
        <translation>SEGUIR</translation>
    </message>
    <message>
        <source>LEAVE IT</source>
        <extracomment>The paused check-up&apos;s button that closes it; nothing of it is kept (161 x 25 px).</extracomment>
        <translation>DEJARLA</translation>
    </message>
    <message>
        <source>Leave the check-up; nothing of it is kept</source>
        <translation>Dejar la prueba; no se guarda nada de ella</translation>
    </message>
    <message>
        <source>PRACTICE %1 OF %2</source>
        <translation>PRÁCTICA %1 DE %2</translation>
    </message>
    <message>
        <source>%1 OF %2</source>
        <translation>%1 DE %2</translation>
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
        <translation>No se guardó la tabla: su archivo de bloqueo HOF.rec.lock no es un archivo normal.</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>column title</comment>
        <extracomment>High-score column title (161 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>DIFFICULTY</source>
        <comment>column title</comment>
        <extracomment>High-score column title (97 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>DIFICULTAD</translation>
    </message>
    <message>
        <source>SCORE</source>
        <comment>column title</comment>
        <extracomment>High-score column title (97 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>PUNTOS</translation>
    </message>
    <message>
        <source>DATE</source>
        <comment>column title</comment>
        <extracomment>High-score column title (97 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>FECHA</translation>
    </message>
    <message>
        <source>TIME</source>
        <comment>column title</comment>
        <extracomment>High-score column title: the time of day of the entry (97 x 17 px, 8.25 pt, bold).</extracomment>
        <translation>HORA</translation>
    </message>
    <message>
        <source>HIGH SCORES</source>
        <extracomment>The high-score screen&apos;s heading (577 x 41 px, 24 pt, bold).</extracomment>
        <translation>MEJORES PUNTUACIONES</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The high-score screen&apos;s close button (49 x 25 px).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Congrats! You got a High Score!</source>
        <extracomment>Title of the name prompt after a game that earned a place.</extracomment>
        <translation>¡Enhorabuena! ¡Estás entre las mejores puntuaciones!</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <extracomment>The name prompt&apos;s question.</extracomment>
        <translation>¿Cómo te llamas?</translation>
    </message>
    <message>
        <source>The table was not saved: another copy of Velunda kept the file locked.</source>
        <translation>No se guardó la tabla: otra copia de Velunda tenía el archivo bloqueado.</translation>
    </message>
    <message>
        <source>The table was not saved: there is no permission to write the file.</source>
        <translation>No se guardó la tabla: no hay permiso para escribir el archivo.</translation>
    </message>
    <message>
        <source>The table was not saved: the disk is full.</source>
        <translation>No se guardó la tabla: el disco está lleno.</translation>
    </message>
    <message>
        <source>The table was not saved: a folder stands where the file should be.</source>
        <translation>No se guardó la tabla: hay una carpeta donde debería estar el archivo.</translation>
    </message>
    <message>
        <source>The table was not saved: the file there could not be read, so it was kept.</source>
        <translation>No se guardó la tabla: el archivo no se pudo leer y se ha conservado.</translation>
    </message>
    <message>
        <source>The table was not saved: the file could not be written.</source>
        <translation>No se guardó la tabla: no se pudo escribir el archivo.</translation>
    </message>
    <message>
        <source>PROGRESS</source>
        <translation>PROGRESO</translation>
    </message>
    <message>
        <source>A game at the relaxed pace has ten times the time, so it does not enter the table.</source>
        <translation>Una partida a ritmo relajado tiene diez veces el tiempo, así que no entra en la tabla.</translation>
    </message>
</context>
<context>
    <name>frmIntro</name>
    <message>
        <source>VERY EASY (TRAINING)</source>
        <extracomment>Difficulty button (153 x 33 px).</extracomment>
        <translation>MUY FÁCIL (PRÁCTICA)</translation>
    </message>
    <message>
        <source>EASY</source>
        <extracomment>Difficulty button (153 x 33 px).</extracomment>
        <translation>FÁCIL</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <extracomment>Difficulty button (153 x 33 px).</extracomment>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>Difficulty button (153 x 33 px).</extracomment>
        <translation>DIFÍCIL</translation>
    </message>
    <message>
        <source>DIFFICULTY</source>
        <extracomment>Heading of the difficulty panel (265 x 33 px, 24 pt, bold, underlined).</extracomment>
        <translation>DIFICULTAD</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>LEVEL</source>
        <comment>caption</comment>
        <extracomment>Caption over the level number (161 x 17 px, 9.75 pt).</extracomment>
        <translation>NIVEL</translation>
    </message>
    <message>
        <source>OF</source>
        <comment>level</comment>
        <extracomment>Between the level number and 50, as in &quot;12 OF 50&quot; (33 x 25 px, 12 pt).</extracomment>
        <translation>DE</translation>
    </message>
    <message>
        <source>SCORE</source>
        <comment>caption</comment>
        <extracomment>Caption over the game&apos;s score so far (161 x 17 px, 9.75 pt).</extracomment>
        <translation>PUNTOS</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>The button that starts the level&apos;s clock (121 x 25 px).</extracomment>
        <translation>EMPEZAR</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <comment>caption above the seconds left</comment>
        <extracomment>Caption over the seconds left, read with the caption under them: &quot;SECONDS ... REMAINING&quot; (145 x 17 px, 9.75 pt).</extracomment>
        <translation>SEGUNDOS</translation>
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
        <translation>HAS ENCONTRADO</translation>
    </message>
    <message>
        <source>OF</source>
        <comment>matches</comment>
        <extracomment>Between the matches found and the matches to find, as in &quot;2 OF 5&quot; (33 x 25 px, 12 pt).</extracomment>
        <translation>DE</translation>
    </message>
    <message>
        <source>MATCHES</source>
        <comment>caption below the matches found</comment>
        <extracomment>Caption under the matches found (145 x 17 px, 9.75 pt).</extracomment>
        <translation>ACIERTOS</translation>
    </message>
    <message>
        <source>You&apos;re a Cheater :)</source>
        <extracomment>Title of the hidden level jump&apos;s prompt.</extracomment>
        <translation>Eres un tramposo :)</translation>
    </message>
    <message>
        <source>Go to Level (0 - 49) :</source>
        <extracomment>The hidden level jump&apos;s question; the answer is a level number from 0 to 49.</extracomment>
        <translation>Ir al nivel (0 - 49):</translation>
    </message>
    <message>
        <source>GAME PAUSED

THE CLOCK IS STOPPED

PRESS ENTER TO GO ON</source>
        <translation>PARTIDA EN PAUSA

EL RELOJ ESTÁ PARADO

PULSA INTRO PARA SEGUIR</translation>
    </message>
    <message>
        <source>GO ON</source>
        <extracomment>The paused panel&apos;s button that goes on with the level (121 x 25 px).</extracomment>
        <translation>SEGUIR</translation>
    </message>
    <message>
        <source>BACK TO MENU</source>
        <extracomment>The paused panel&apos;s button that leaves the game for the title menu (153 x 25 px).</extracomment>
        <translation>VOLVER AL MENÚ</translation>
    </message>
    <message>
        <source>Back to the menu</source>
        <translation>Volver al menú</translation>
    </message>
    <message>
        <source>Jump to a level</source>
        <translation>Saltar a un nivel</translation>
    </message>
    <message>
        <source>word %1, row %2, column %3</source>
        <translation>palabra %1, fila %2, columna %3</translation>
    </message>
</context>
<context>
    <name>frmProgreso</name>
    <message>
        <source>The history file was damaged: kept as %1, what could be read was copied to a new one.</source>
        <translation>El archivo del historial estaba dañado: se guardó como %1 y lo legible se copió a uno nuevo.</translation>
    </message>
    <message>
        <source>Nothing was exported: the history could not be read in full.</source>
        <translation>No se exportó nada: el historial no se pudo leer entero.</translation>
    </message>
    <message>
        <source>YOUR PROGRESS</source>
        <translation>TU PROGRESO</translation>
    </message>
    <message>
        <source>HIGHEST LEVEL IN EACH GAME</source>
        <translation>NIVEL MÁS ALTO EN CADA PARTIDA</translation>
    </message>
    <message>
        <source>SECONDS PER MATCH, BY LEVEL</source>
        <translation>SEGUNDOS POR ACIERTO, POR NIVEL</translation>
    </message>
    <message>
        <source>No games yet.

Play a game from the title menu, then come back here
to see how you improve.</source>
        <translation>Todavía no hay partidas.

Juega una partida desde el menú principal y vuelve aquí
para ver cómo mejoras.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>EXPORT CSV...</source>
        <translation>EXPORTAR CSV...</translation>
    </message>
    <message>
        <source>level</source>
        <translation>nivel</translation>
    </message>
    <message>
        <source>game, oldest first</source>
        <translation>partida, de la más antigua a la más reciente</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Games played: %1</source>
        <translation>Partidas jugadas: %1</translation>
    </message>
    <message>
        <source>Levels cleared: %1</source>
        <translation>Niveles superados: %1</translation>
    </message>
    <message>
        <source>Wrong clicks: %1</source>
        <translation>Clics erróneos: %1</translation>
    </message>
    <message>
        <source>Time-outs: %1</source>
        <translation>Tiempos agotados: %1</translation>
    </message>
    <message>
        <source>Best total: %1</source>
        <translation>Mejor total: %1</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Tiempo jugado: %1</translation>
    </message>
    <message>
        <source>History is not kept in this run.</source>
        <translation>El historial no se guarda en esta sesión.</translation>
    </message>
    <message>
        <source>History is off for now: another program is using its file.</source>
        <translation>Historial desactivado por ahora: otro programa está usando su archivo.</translation>
    </message>
    <message>
        <source>History is off: its file or folder cannot be written.</source>
        <translation>Historial desactivado: no se puede escribir su archivo o carpeta.</translation>
    </message>
    <message>
        <source>History is off: its file comes from a newer Velunda.</source>
        <translation>Historial desactivado: su archivo es de una versión más nueva de Velunda.</translation>
    </message>
    <message>
        <source>History is off: its file cannot be opened.</source>
        <translation>Historial desactivado: no se puede abrir su archivo.</translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Exportar historial</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>No se pudo escribir el historial en %1.</translation>
    </message>
    <message>
        <source>History is off: Qt&apos;s SQLite driver is missing (install %1).</source>
        <extracomment>%1 is the name of the Debian package that holds the driver.</extracomment>
        <translation>Historial desactivado: falta el controlador SQLite de Qt (instala %1).</translation>
    </message>
    <message>
        <source>RELAXED PACE</source>
        <translation>RITMO RELAJADO</translation>
    </message>
    <message>
        <source>WHAT TRIPS YOU</source>
        <extracomment>The button that turns the window to the slips and pace view and back (161 x 25 px).</extracomment>
        <translation>EN QUÉ FALLAS</translation>
    </message>
    <message>
        <source>Close the progress window</source>
        <translation>Cerrar la ventana de progreso</translation>
    </message>
    <message>
        <source>Export the history as a CSV file</source>
        <translation>Exportar el historial como archivo CSV</translation>
    </message>
    <message>
        <source>Show your progress</source>
        <translation>Mostrar tu progreso</translation>
    </message>
    <message>
        <source>Show what trips you</source>
        <translation>Mostrar en qué fallas</translation>
    </message>
    <message>
        <source>Levels, one row each (*.csv)</source>
        <translation>Niveles, una fila cada uno (*.csv)</translation>
    </message>
    <message>
        <source>Clicks, one row each (*.csv)</source>
        <translation>Clics, una fila cada uno (*.csv)</translation>
    </message>
    <message numerus="yes">
        <source>%1 printed in %2: %n time(s)</source>
        <extracomment>A slip counted, e.g. &quot;RED printed in ORANGE: 7 times&quot;: %1 the word clicked, %2 its ink.</extracomment>
        <translation>
            <numerusform>%1 impreso en %2: %n vez</numerusform>
            <numerusform>%1 impreso en %2: %n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>YOUR SLIPS: THE WORD YOU CLICKED, BY ITS INK</source>
        <extracomment>Caption over the grid of wrong clicks (356 x 17 px, 8.25 pt bold).</extracomment>
        <translation>TUS FALLOS: LA PALABRA QUE PULSASTE, POR SU TINTA</translation>
    </message>
    <message>
        <source>YOUR PACE: MEDIAN MILLISECONDS PER MATCH</source>
        <extracomment>Caption over the two pace charts (356 x 17 px, 8.25 pt bold).</extracomment>
        <translation>TU RITMO: MEDIANA DE MILISEGUNDOS POR ACIERTO</translation>
    </message>
    <message>
        <source>Keep playing! After %1 wrong clicks or %2 games, this page shows
which words fool you, and whether you slow down as colours
and words are added.</source>
        <translation>¡Sigue jugando! Tras %1 clics erróneos o %2 partidas, esta página
muestra qué palabras te engañan y si vas más lento
cuando se añaden colores y palabras.</translation>
    </message>
    <message>
        <source>colours in play</source>
        <translation>colores en juego</translation>
    </message>
    <message>
        <source>words on the board</source>
        <translation>palabras en el tablero</translation>
    </message>
    <message>
        <source>%1
not played yet</source>
        <translation>%1
aún sin jugar</translation>
    </message>
    <message>
        <source>%1
best total: %2
highest level: %3</source>
        <translation>%1
mejor total: %2
nivel más alto: %3</translation>
    </message>
    <message>
        <source>No wrong clicks kept yet.</source>
        <translation>Aún no hay clics erróneos guardados.</translation>
    </message>
    <message>
        <source>all games</source>
        <translation>todas las partidas</translation>
    </message>
    <message>
        <source>last 10 games</source>
        <translation>últimas 10 partidas</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>CHECK-UP</source>
        <extracomment>The button that opens the interference check-up (121 x 25 px).</extracomment>
        <translation>PRUEBA</translation>
    </message>
    <message>
        <source>Measure your colour-word interference: a two-minute check-up</source>
        <translation>Mide tu interferencia color-palabra: una prueba de dos minutos</translation>
    </message>
    <message>
        <source>Check-up trials, one row each (*.csv)</source>
        <translation>Ensayos de las pruebas, una fila cada uno (*.csv)</translation>
    </message>
</context>
</TS>
