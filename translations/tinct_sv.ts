<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruktioner</translation>
    </message>
    <message>
        <source>Use the sliders to change the window color, </source>
        <translation>Använd reglagen för att ändra fönsterfärgen, </translation>
    </message>
    <message>
        <source>or click on the window to use a color picker.</source>
        <translation>eller klicka på fönstret för att använda en färgväljare.</translation>
    </message>
    <message>
        <source>The text will change to the window&apos;s complementary color.</source>
        <translation>Texten får fönstrets komplementfärg.</translation>
    </message>
    <message>
        <source>Click on the text to manually change it.</source>
        <translation>Klicka på texten för att själv välja dess färg.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;tinct --help&apos;.</source>
        <translation>Försök med &apos;tinct --help&apos;.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>okänd flagga &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>flaggan &apos;%1&apos; kräver ett värde</translation>
    </message>
    <message>
        <source>Choose a window color with red, green and blue sliders.
Qt&apos;s own options, such as -platform, -display and -style, work too.</source>
        <translation>Välj en fönsterfärg med reglage för rött, grönt och blått.
Qt:s egna flaggor, som -platform, -display och -style, fungerar också.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Visa denna hjälp och avsluta.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Visa versionen och avsluta.</translation>
    </message>
    <message>
        <source>Start with COLOR as the window color: #rgb, #rrggbb or a name such as teal.</source>
        <translation>Starta med FÄRG som fönsterfärg: #rgb, #rrggbb eller ett namn som teal.</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FÄRG</translation>
    </message>
    <message>
        <source>When the program ends, write the window color to standard output as #rrggbb.</source>
        <translation>Skriv fönsterfärgen till standard ut som #rrggbb när programmet avslutas.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>oväntat argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;</source>
        <translation>ogiltig färg &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>flaggan &apos;%1&apos; tar inget värde</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Picking canceled.</source>
        <translation>Plockningen avbröts.</translation>
    </message>
    <message>
        <source>Could not pick a color from the screen.</source>
        <translation>Kunde inte plocka en färg från skärmen.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:
%2</source>
        <translation>Körningsfel &apos;%1&apos;:
%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Slut på minne</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Okänt fel</translation>
    </message>
    <message>
        <source>Run-time error:
%1</source>
        <translation>Körningsfel:
%1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Use sliders or click window to choose window color.</source>
        <translation>Använd reglagen eller klicka på fönstret för att välja fönsterfärg.</translation>
    </message>
    <message>
        <source>Click textbox to change its color.</source>
        <extracomment>One line, at most 241 pixels wide in 12-point Liberation Sans.</extracomment>
        <translation>Klicka på texten för att byta färg.</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The sample word: at most 157 pixels wide in 48-point bold Liberation Serif.</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The box that ends the program: a short word, at most 35 pixels wide in 12-point Liberation Sans. Screen readers have their own text for it.</extracomment>
        <translation>Slut</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Röd</translation>
    </message>
    <message>
        <source>Red channel of the window color, 0 to 255</source>
        <translation>Fönsterfärgens röda kanal, 0 till 255</translation>
    </message>
    <message>
        <source>Red value</source>
        <translation>Rödvärde</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grön</translation>
    </message>
    <message>
        <source>Green channel of the window color, 0 to 255</source>
        <translation>Fönsterfärgens gröna kanal, 0 till 255</translation>
    </message>
    <message>
        <source>Green value</source>
        <translation>Grönvärde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blå</translation>
    </message>
    <message>
        <source>Blue channel of the window color, 0 to 255</source>
        <translation>Fönsterfärgens blå kanal, 0 till 255</translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation>Blåvärde</translation>
    </message>
    <message>
        <source>Window color</source>
        <translation>Fönsterfärg</translation>
    </message>
    <message>
        <source>Click the background to choose the window color</source>
        <translation>Klicka på bakgrunden för att välja fönsterfärg</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Exempeltext</translation>
    </message>
    <message>
        <source>Drawn in the complement of the window color; click it to choose its color</source>
        <translation>Visas i fönsterfärgens komplementfärg; klicka på den för att välja textens färg</translation>
    </message>
    <message>
        <source>Click to end the program</source>
        <translation>Klicka för att avsluta programmet</translation>
    </message>
    <message>
        <source>Show how to use this window</source>
        <translation>Visa hur fönstret används</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>accessible name of the Quit box</comment>
        <translation>Avsluta</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>not an RGB color</source>
        <translation>inte en RGB-färg</translation>
    </message>
    <message>
        <source>no color</source>
        <translation>ingen färg</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Spill</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index utanför intervallet</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Flyttalsfel</translation>
    </message>
    <message>
        <source>Cancel was selected</source>
        <translation>Avbryt valdes</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ogiltigt egenskapsvärde</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>drawing text needs a persistent drawing surface</source>
        <extracomment>Text was to be drawn on a window that does not keep what is drawn on it. Nothing to do with printers.</extracomment>
        <translation>att rita text kräver en beständig rityta</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kan inte skriva till standard ut: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open a display: no X11 or Wayland display answered (check DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>kan inte öppna någon skärm: ingen X11- eller Wayland-skärm svarade (kontrollera DISPLAY eller WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>the windowing system could not be started:</source>
        <translation>fönstersystemet kunde inte startas:</translation>
    </message>
</context>
</TS>
