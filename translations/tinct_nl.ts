<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructies</translation>
    </message>
    <message>
        <source>Use the sliders to change the window color, </source>
        <translation>Gebruik de schuifregelaars om de vensterkleur te wijzigen, </translation>
    </message>
    <message>
        <source>or click on the window to use a color picker.</source>
        <translation>of klik op het venster om een kleurkiezer te gebruiken.</translation>
    </message>
    <message>
        <source>The text will change to the window&apos;s complementary color.</source>
        <translation>De tekst krijgt de complementaire kleur van het venster.</translation>
    </message>
    <message>
        <source>Click on the text to manually change it.</source>
        <translation>Klik op de tekst om de kleur zelf te kiezen.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;tinct --help&apos;.</source>
        <translation>Probeer &apos;tinct --help&apos;.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>optie &apos;%1&apos; vereist een waarde</translation>
    </message>
    <message>
        <source>Choose a window color with red, green and blue sliders.
Qt&apos;s own options, such as -platform, -display and -style, work too.</source>
        <translation>Kies een vensterkleur met schuifregelaars voor rood, groen en blauw.
De eigen opties van Qt, zoals -platform, -display en -style, werken ook.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulptekst tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Start with COLOR as the window color: #rgb, #rrggbb or a name such as teal.</source>
        <translation>Starten met KLEUR als vensterkleur: #rgb, #rrggbb of een naam zoals teal.</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>KLEUR</translation>
    </message>
    <message>
        <source>When the program ends, write the window color to standard output as #rrggbb.</source>
        <translation>Bij het afsluiten de vensterkleur als #rrggbb naar standaarduitvoer schrijven.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;</source>
        <translation>ongeldige kleur &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>optie &apos;%1&apos; accepteert geen waarde</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Picking canceled.</source>
        <translation>Kiezen geannuleerd.</translation>
    </message>
    <message>
        <source>Could not pick a color from the screen.</source>
        <translation>Kon geen kleur van het scherm kiezen.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:
%2</source>
        <translation>Fout &apos;%1&apos; tijdens uitvoering:
%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Run-time error:
%1</source>
        <translation>Fout tijdens uitvoering:
%1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Use sliders or click window to choose window color.</source>
        <translation>Gebruik de schuifregelaars of klik op het venster om de vensterkleur te kiezen.</translation>
    </message>
    <message>
        <source>Click textbox to change its color.</source>
        <extracomment>One line, at most 241 pixels wide in 12-point Liberation Sans.</extracomment>
        <translation>Tekstkleur: klik op de tekst.</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The sample word: at most 157 pixels wide in 48-point bold Liberation Serif.</extracomment>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The box that ends the program: a short word, at most 35 pixels wide in 12-point Liberation Sans. Screen readers have their own text for it.</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Red channel of the window color, 0 to 255</source>
        <translation>Roodkanaal van de vensterkleur, 0 tot 255</translation>
    </message>
    <message>
        <source>Red value</source>
        <translation>Roodwaarde</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Green channel of the window color, 0 to 255</source>
        <translation>Groenkanaal van de vensterkleur, 0 tot 255</translation>
    </message>
    <message>
        <source>Green value</source>
        <translation>Groenwaarde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Blue channel of the window color, 0 to 255</source>
        <translation>Blauwkanaal van de vensterkleur, 0 tot 255</translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation>Blauwwaarde</translation>
    </message>
    <message>
        <source>Window color</source>
        <translation>Vensterkleur</translation>
    </message>
    <message>
        <source>Click the background to choose the window color</source>
        <translation>Klik op de achtergrond om de vensterkleur te kiezen</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Voorbeeldtekst</translation>
    </message>
    <message>
        <source>Drawn in the complement of the window color; click it to choose its color</source>
        <translation>Getekend in de complementaire kleur van het venster; klik erop om de tekstkleur te kiezen</translation>
    </message>
    <message>
        <source>Click to end the program</source>
        <translation>Klik om het programma af te sluiten</translation>
    </message>
    <message>
        <source>Show how to use this window</source>
        <translation>Tonen hoe u dit venster gebruikt</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>accessible name of the Quit box</comment>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>not an RGB color</source>
        <translation>geen RGB-kleur</translation>
    </message>
    <message>
        <source>no color</source>
        <translation>geen kleur</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index valt buiten het bereik</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Drijvendekommafout</translation>
    </message>
    <message>
        <source>Cancel was selected</source>
        <translation>Annuleren is gekozen</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ongeldige eigenschapswaarde</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>drawing text needs a persistent drawing surface</source>
        <extracomment>Text was to be drawn on a window that does not keep what is drawn on it. Nothing to do with printers.</extracomment>
        <translation>tekst tekenen vereist een blijvend tekenoppervlak</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kan niet naar standaarduitvoer schrijven: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open a display: no X11 or Wayland display answered (check DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>kan geen display openen: geen enkel X11- of Wayland-display reageerde (controleer DISPLAY of WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>the windowing system could not be started:</source>
        <translation>het venstersysteem kon niet worden gestart:</translation>
    </message>
</context>
</TS>
