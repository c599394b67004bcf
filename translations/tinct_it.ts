<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>Use the sliders to change the window color, </source>
        <translation>Usare i cursori per cambiare il colore della finestra </translation>
    </message>
    <message>
        <source>or click on the window to use a color picker.</source>
        <translation>o fare clic sulla finestra per usare un selettore di colore.</translation>
    </message>
    <message>
        <source>The text will change to the window&apos;s complementary color.</source>
        <translation>Il testo assumerà il colore complementare della finestra.</translation>
    </message>
    <message>
        <source>Click on the text to manually change it.</source>
        <translation>Fare clic sul testo per cambiarne il colore manualmente.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;tinct --help&apos;.</source>
        <translation>Provare «tinct --help».</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione «%1» sconosciuta</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;opzione «%1» richiede un valore</translation>
    </message>
    <message>
        <source>Choose a window color with red, green and blue sliders.
Qt&apos;s own options, such as -platform, -display and -style, work too.</source>
        <translation>Sceglie il colore di una finestra con cursori per rosso, verde e blu.
Funzionano anche le opzioni proprie di Qt, come -platform, -display e -style.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Start with COLOR as the window color: #rgb, #rrggbb or a name such as teal.</source>
        <translation>Avvia con COLORE come colore della finestra: #rgb, #rrggbb o un nome come teal.</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLORE</translation>
    </message>
    <message>
        <source>When the program ends, write the window color to standard output as #rrggbb.</source>
        <translation>Al termine del programma, scrive il colore della finestra sullo standard output come #rrggbb.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento «%1» inatteso</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;</source>
        <translation>colore «%1» non valido</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>l&apos;opzione «%1» non accetta valori</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Picking canceled.</source>
        <translation>Selezione annullata.</translation>
    </message>
    <message>
        <source>Could not pick a color from the screen.</source>
        <translation>Impossibile prelevare un colore dallo schermo.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:
%2</source>
        <translation>Errore di run-time &apos;%1&apos;:
%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Run-time error:
%1</source>
        <translation>Errore di run-time:
%1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Use sliders or click window to choose window color.</source>
        <translation>Usare i cursori o fare clic sulla finestra per sceglierne il colore.</translation>
    </message>
    <message>
        <source>Click textbox to change its color.</source>
        <extracomment>One line, at most 241 pixels wide in 12-point Liberation Sans.</extracomment>
        <translation>Fare clic sul testo per colorarlo.</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The sample word: at most 157 pixels wide in 48-point bold Liberation Serif.</extracomment>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The box that ends the program: a short word, at most 35 pixels wide in 12-point Liberation Sans. Screen readers have their own text for it.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Red channel of the window color, 0 to 255</source>
        <translation>Canale rosso del colore della finestra, da 0 a 255</translation>
    </message>
    <message>
        <source>Red value</source>
        <translation>Valore del rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Green channel of the window color, 0 to 255</source>
        <translation>Canale verde del colore della finestra, da 0 a 255</translation>
    </message>
    <message>
        <source>Green value</source>
        <translation>Valore del verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Blue channel of the window color, 0 to 255</source>
        <translation>Canale blu del colore della finestra, da 0 a 255</translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation>Valore del blu</translation>
    </message>
    <message>
        <source>Window color</source>
        <translation>Colore della finestra</translation>
    </message>
    <message>
        <source>Click the background to choose the window color</source>
        <translation>Fare clic sullo sfondo per scegliere il colore della finestra</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Testo di esempio</translation>
    </message>
    <message>
        <source>Drawn in the complement of the window color; click it to choose its color</source>
        <translation>Disegnato nel colore complementare a quello della finestra; fare clic per sceglierne il colore</translation>
    </message>
    <message>
        <source>Click to end the program</source>
        <translation>Fare clic per chiudere il programma</translation>
    </message>
    <message>
        <source>Show how to use this window</source>
        <translation>Mostra come usare questa finestra</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>accessible name of the Quit box</comment>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>not an RGB color</source>
        <translation>non è un colore RGB</translation>
    </message>
    <message>
        <source>no color</source>
        <translation>nessun colore</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non incluso nell&apos;intervallo</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Errore di virgola mobile</translation>
    </message>
    <message>
        <source>Cancel was selected</source>
        <translation>È stato selezionato Annulla</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore della proprietà non valido</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>drawing text needs a persistent drawing surface</source>
        <extracomment>Text was to be drawn on a window that does not keep what is drawn on it. Nothing to do with printers.</extracomment>
        <translation>disegnare il testo richiede una superficie di disegno persistente</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossibile scrivere sullo standard output: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open a display: no X11 or Wayland display answered (check DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>impossibile aprire un display: nessun display X11 o Wayland ha risposto (controllare DISPLAY o WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>the windowing system could not be started:</source>
        <translation>impossibile avviare il sistema a finestre:</translation>
    </message>
</context>
</TS>
