<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Návod</translation>
    </message>
    <message>
        <source>Use the sliders to change the window color, </source>
        <translation>Pomocí posuvníků změňte barvu okna, </translation>
    </message>
    <message>
        <source>or click on the window to use a color picker.</source>
        <translation>nebo klikněte na okno a použijte výběr barvy.</translation>
    </message>
    <message>
        <source>The text will change to the window&apos;s complementary color.</source>
        <translation>Text změní barvu na doplňkovou barvu okna.</translation>
    </message>
    <message>
        <source>Click on the text to manually change it.</source>
        <translation>Kliknutím na text můžete ručně změnit jeho barvu.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;tinct --help&apos;.</source>
        <translation>Podrobnosti získáte příkazem &apos;tinct --help&apos;.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>neznámý přepínač &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>přepínač &apos;%1&apos; vyžaduje hodnotu</translation>
    </message>
    <message>
        <source>Choose a window color with red, green and blue sliders.
Qt&apos;s own options, such as -platform, -display and -style, work too.</source>
        <translation>Výběr barvy okna pomocí posuvníků pro červenou, zelenou a modrou.
Fungují i vlastní přepínače Qt, například -platform, -display a -style.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zobrazí tuto nápovědu a skončí.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zobrazí verzi a skončí.</translation>
    </message>
    <message>
        <source>Start with COLOR as the window color: #rgb, #rrggbb or a name such as teal.</source>
        <translation>Spustí se s barvou okna BARVA: #rgb, #rrggbb nebo název, například teal.</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>BARVA</translation>
    </message>
    <message>
        <source>When the program ends, write the window color to standard output as #rrggbb.</source>
        <translation>Při ukončení programu vypíše barvu okna na standardní výstup ve tvaru #rrggbb.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>neočekávaný argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;</source>
        <translation>neplatná barva &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>přepínač &apos;%1&apos; nepřijímá hodnotu</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Picking canceled.</source>
        <translation>Výběr zrušen.</translation>
    </message>
    <message>
        <source>Could not pick a color from the screen.</source>
        <translation>Barvu z obrazovky se nepodařilo vybrat.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:
%2</source>
        <translation>Chyba za běhu &apos;%1&apos;:
%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nedostatek paměti</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Neznámá chyba</translation>
    </message>
    <message>
        <source>Run-time error:
%1</source>
        <translation>Chyba za běhu:
%1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>Use sliders or click window to choose window color.</source>
        <translation>Barvu okna vyberte posuvníky nebo kliknutím na okno.</translation>
    </message>
    <message>
        <source>Click textbox to change its color.</source>
        <extracomment>One line, at most 241 pixels wide in 12-point Liberation Sans.</extracomment>
        <translation>Kliknutím na text změníte barvu.</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The sample word: at most 157 pixels wide in 48-point bold Liberation Serif.</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The box that ends the program: a short word, at most 35 pixels wide in 12-point Liberation Sans. Screen readers have their own text for it.</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Červená</translation>
    </message>
    <message>
        <source>Red channel of the window color, 0 to 255</source>
        <translation>Červený kanál barvy okna, 0 až 255</translation>
    </message>
    <message>
        <source>Red value</source>
        <translation>Hodnota červené</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelená</translation>
    </message>
    <message>
        <source>Green channel of the window color, 0 to 255</source>
        <translation>Zelený kanál barvy okna, 0 až 255</translation>
    </message>
    <message>
        <source>Green value</source>
        <translation>Hodnota zelené</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrá</translation>
    </message>
    <message>
        <source>Blue channel of the window color, 0 to 255</source>
        <translation>Modrý kanál barvy okna, 0 až 255</translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation>Hodnota modré</translation>
    </message>
    <message>
        <source>Window color</source>
        <translation>Barva okna</translation>
    </message>
    <message>
        <source>Click the background to choose the window color</source>
        <translation>Kliknutím na pozadí vyberete barvu okna</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Ukázkový text</translation>
    </message>
    <message>
        <source>Drawn in the complement of the window color; click it to choose its color</source>
        <translation>Vykreslen barvou doplňkovou k barvě okna; kliknutím vyberete jeho barvu</translation>
    </message>
    <message>
        <source>Click to end the program</source>
        <translation>Kliknutím ukončíte program</translation>
    </message>
    <message>
        <source>Show how to use this window</source>
        <translation>Zobrazí, jak toto okno používat</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>accessible name of the Quit box</comment>
        <translation>Ukončit</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>not an RGB color</source>
        <translation>není barva RGB</translation>
    </message>
    <message>
        <source>no color</source>
        <translation>žádná barva</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Přetečení</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index mimo rozsah</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Chyba v plovoucí řádové čárce</translation>
    </message>
    <message>
        <source>Cancel was selected</source>
        <translation>Byla zvolena možnost Zrušit</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Neplatná hodnota vlastnosti</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>drawing text needs a persistent drawing surface</source>
        <extracomment>Text was to be drawn on a window that does not keep what is drawn on it. Nothing to do with printers.</extracomment>
        <translation>vykreslení textu vyžaduje trvalou kreslicí plochu</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>nelze zapisovat na standardní výstup: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open a display: no X11 or Wayland display answered (check DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>nelze otevřít displej: neodpověděl žádný displej X11 ani Wayland (zkontrolujte DISPLAY nebo WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>the windowing system could not be started:</source>
        <translation>okenní systém se nepodařilo spustit:</translation>
    </message>
</context>
</TS>
