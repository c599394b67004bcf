<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>Use the sliders to change the window color, </source>
        <translation>Użyj suwaków, aby zmienić kolor okna, </translation>
    </message>
    <message>
        <source>or click on the window to use a color picker.</source>
        <translation>lub kliknij okno, aby użyć narzędzia wyboru koloru.</translation>
    </message>
    <message>
        <source>The text will change to the window&apos;s complementary color.</source>
        <translation>Tekst zmieni kolor na dopełniający do koloru okna.</translation>
    </message>
    <message>
        <source>Click on the text to manually change it.</source>
        <translation>Kliknij tekst, aby ręcznie zmienić jego kolor.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;tinct --help&apos;.</source>
        <translation>Polecenie &apos;tinct --help&apos; wyświetli więcej informacji.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>opcja &apos;%1&apos; wymaga wartości</translation>
    </message>
    <message>
        <source>Choose a window color with red, green and blue sliders.
Qt&apos;s own options, such as -platform, -display and -style, work too.</source>
        <translation>Wybór koloru okna za pomocą suwaków koloru czerwonego, zielonego i niebieskiego.
Działają też własne opcje Qt, takie jak -platform, -display i -style.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Start with COLOR as the window color: #rgb, #rrggbb or a name such as teal.</source>
        <translation>Na starcie ustawia kolor okna na KOLOR: #rgb, #rrggbb lub nazwa, np. teal.</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>KOLOR</translation>
    </message>
    <message>
        <source>When the program ends, write the window color to standard output as #rrggbb.</source>
        <translation>Po zakończeniu programu wypisuje kolor okna na standardowe wyjście w postaci #rrggbb.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;</source>
        <translation>nieprawidłowy kolor &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>opcja &apos;%1&apos; nie przyjmuje wartości</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Picking canceled.</source>
        <translation>Wybieranie anulowane.</translation>
    </message>
    <message>
        <source>Could not pick a color from the screen.</source>
        <translation>Nie udało się pobrać koloru z ekranu.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:
%2</source>
        <translation>Błąd wykonania &apos;%1&apos;:
%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Run-time error:
%1</source>
        <translation>Błąd wykonania:
%1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>Use sliders or click window to choose window color.</source>
        <translation>Użyj suwaków lub kliknij okno, aby wybrać kolor okna.</translation>
    </message>
    <message>
        <source>Click textbox to change its color.</source>
        <extracomment>One line, at most 241 pixels wide in 12-point Liberation Sans.</extracomment>
        <translation>Kliknij tekst, aby zmienić kolor.</translation>
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
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Red channel of the window color, 0 to 255</source>
        <translation>Kanał czerwony koloru okna, od 0 do 255</translation>
    </message>
    <message>
        <source>Red value</source>
        <translation>Wartość kanału czerwonego</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Green channel of the window color, 0 to 255</source>
        <translation>Kanał zielony koloru okna, od 0 do 255</translation>
    </message>
    <message>
        <source>Green value</source>
        <translation>Wartość kanału zielonego</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Blue channel of the window color, 0 to 255</source>
        <translation>Kanał niebieski koloru okna, od 0 do 255</translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation>Wartość kanału niebieskiego</translation>
    </message>
    <message>
        <source>Window color</source>
        <translation>Kolor okna</translation>
    </message>
    <message>
        <source>Click the background to choose the window color</source>
        <translation>Kliknij tło, aby wybrać kolor okna</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Przykładowy tekst</translation>
    </message>
    <message>
        <source>Drawn in the complement of the window color; click it to choose its color</source>
        <translation>Wyświetlany w kolorze dopełniającym do koloru okna; kliknij, aby wybrać jego kolor</translation>
    </message>
    <message>
        <source>Click to end the program</source>
        <translation>Kliknij, aby zakończyć program</translation>
    </message>
    <message>
        <source>Show how to use this window</source>
        <translation>Pokazuje, jak korzystać z tego okna</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>accessible name of the Quit box</comment>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>not an RGB color</source>
        <translation>to nie jest kolor RGB</translation>
    </message>
    <message>
        <source>no color</source>
        <translation>brak koloru</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Błąd zmiennoprzecinkowy</translation>
    </message>
    <message>
        <source>Cancel was selected</source>
        <translation>Wybrano Anuluj</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>drawing text needs a persistent drawing surface</source>
        <extracomment>Text was to be drawn on a window that does not keep what is drawn on it. Nothing to do with printers.</extracomment>
        <translation>rysowanie tekstu wymaga trwałej powierzchni rysowania</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>nie można pisać na standardowe wyjście: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open a display: no X11 or Wayland display answered (check DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>nie można otworzyć ekranu: żaden ekran X11 ani Wayland nie odpowiedział (sprawdź DISPLAY lub WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>the windowing system could not be started:</source>
        <translation>nie udało się uruchomić systemu okien:</translation>
    </message>
</context>
</TS>
