<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the sliders to change the window color, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or click on the window to use a color picker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text will change to the window&apos;s complementary color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the text to manually change it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;tinct --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a window color with red, green and blue sliders.
Qt&apos;s own options, such as -platform, -display and -style, work too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start with COLOR as the window color: #rgb, #rrggbb or a name such as teal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the program ends, write the window color to standard output as #rrggbb.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run-time error:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use sliders or click window to choose window color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click textbox to change its color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red channel of the window color, 0 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green channel of the window color, 0 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue channel of the window color, 0 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the background to choose the window color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn in the complement of the window color; click it to choose its color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to end the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show how to use this window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>not an RGB color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel was selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printing needs a persistent drawing surface</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open a display: no X11 or Wayland display answered (check DISPLAY or WAYLAND_DISPLAY)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the windowing system could not be started:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
