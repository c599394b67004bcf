<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Use the sliders to change the window color, </source>
        <translation>Die Fensterfarbe mit den Schiebereglern ändern </translation>
    </message>
    <message>
        <source>or click on the window to use a color picker.</source>
        <translation>oder zur Farbauswahl auf das Fenster klicken.</translation>
    </message>
    <message>
        <source>The text will change to the window&apos;s complementary color.</source>
        <translation>Der Text nimmt die Komplementärfarbe des Fensters an.</translation>
    </message>
    <message>
        <source>Click on the text to manually change it.</source>
        <translation>Auf den Text klicken, um seine Farbe selbst zu wählen.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;tinct --help&apos;.</source>
        <translation>Siehe „tinct --help“.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option „%1“ benötigt einen Wert</translation>
    </message>
    <message>
        <source>Choose a window color with red, green and blue sliders.
Qt&apos;s own options, such as -platform, -display and -style, work too.</source>
        <translation>Eine Fensterfarbe mit Schiebereglern für Rot, Grün und Blau wählen.
Auch die Qt-eigenen Optionen wie -platform, -display und -style werden unterstützt.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Start with COLOR as the window color: #rgb, #rrggbb or a name such as teal.</source>
        <translation>Mit FARBE als Fensterfarbe starten: #rgb, #rrggbb oder ein Name wie teal.</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>When the program ends, write the window color to standard output as #rrggbb.</source>
        <translation>Beim Programmende die Fensterfarbe als #rrggbb auf die Standardausgabe schreiben.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;</source>
        <translation>ungültige Farbe „%1“</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>Option „%1“ erwartet keinen Wert</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Picking canceled.</source>
        <translation>Auswahl abgebrochen.</translation>
    </message>
    <message>
        <source>Could not pick a color from the screen.</source>
        <translation>Die Farbe konnte nicht vom Bildschirm übernommen werden.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:
%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:
%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Run-time error:
%1</source>
        <translation>Laufzeitfehler:
%1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Use sliders or click window to choose window color.</source>
        <translation>Fensterfarbe mit den Schiebereglern oder per Klick ins Fenster wählen.</translation>
    </message>
    <message>
        <source>Click textbox to change its color.</source>
        <extracomment>One line, at most 241 pixels wide in 12-point Liberation Sans.</extracomment>
        <translation>Zum Umfärben Text anklicken.</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The sample word: at most 157 pixels wide in 48-point bold Liberation Serif.</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The box that ends the program: a short word, at most 35 pixels wide in 12-point Liberation Sans. Screen readers have their own text for it.</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Red channel of the window color, 0 to 255</source>
        <translation>Rotanteil der Fensterfarbe, 0 bis 255</translation>
    </message>
    <message>
        <source>Red value</source>
        <translation>Rotwert</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Green channel of the window color, 0 to 255</source>
        <translation>Grünanteil der Fensterfarbe, 0 bis 255</translation>
    </message>
    <message>
        <source>Green value</source>
        <translation>Grünwert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Blue channel of the window color, 0 to 255</source>
        <translation>Blauanteil der Fensterfarbe, 0 bis 255</translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation>Blauwert</translation>
    </message>
    <message>
        <source>Window color</source>
        <translation>Fensterfarbe</translation>
    </message>
    <message>
        <source>Click the background to choose the window color</source>
        <translation>Hintergrund anklicken, um die Fensterfarbe zu wählen</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Beispieltext</translation>
    </message>
    <message>
        <source>Drawn in the complement of the window color; click it to choose its color</source>
        <translation>In der Komplementärfarbe des Fensters dargestellt; anklicken, um seine Farbe zu wählen</translation>
    </message>
    <message>
        <source>Click to end the program</source>
        <translation>Klicken, um das Programm zu beenden</translation>
    </message>
    <message>
        <source>Show how to use this window</source>
        <translation>Anleitung zu diesem Fenster anzeigen</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>accessible name of the Quit box</comment>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>not an RGB color</source>
        <translation>keine RGB-Farbe</translation>
    </message>
    <message>
        <source>no color</source>
        <translation>keine Farbe</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Gleitkommafehler</translation>
    </message>
    <message>
        <source>Cancel was selected</source>
        <translation>Abbrechen wurde gewählt</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Unzulässiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>drawing text needs a persistent drawing surface</source>
        <extracomment>Text was to be drawn on a window that does not keep what is drawn on it. Nothing to do with printers.</extracomment>
        <translation>Zeichnen von Text erfordert eine dauerhafte Zeichenfläche</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>In die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open a display: no X11 or Wayland display answered (check DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>Display kann nicht geöffnet werden: kein X11- oder Wayland-Display hat geantwortet (DISPLAY oder WAYLAND_DISPLAY prüfen)</translation>
    </message>
    <message>
        <source>the windowing system could not be started:</source>
        <translation>das Fenstersystem konnte nicht gestartet werden:</translation>
    </message>
</context>
</TS>
