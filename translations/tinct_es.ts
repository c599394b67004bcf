<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Use the sliders to change the window color, </source>
        <translation>Use los controles deslizantes para cambiar el color </translation>
    </message>
    <message>
        <source>or click on the window to use a color picker.</source>
        <translation>de la ventana o haga clic en ella para usar un selector de color.</translation>
    </message>
    <message>
        <source>The text will change to the window&apos;s complementary color.</source>
        <translation>El texto cambiará al color complementario de la ventana.</translation>
    </message>
    <message>
        <source>Click on the text to manually change it.</source>
        <translation>Haga clic en el texto para cambiar su color manualmente.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;tinct --help&apos;.</source>
        <translation>Pruebe «tinct --help».</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción «%1» necesita un valor</translation>
    </message>
    <message>
        <source>Choose a window color with red, green and blue sliders.
Qt&apos;s own options, such as -platform, -display and -style, work too.</source>
        <translation>Elige el color de una ventana con controles deslizantes de rojo, verde y azul.
También funcionan las opciones propias de Qt, como -platform, -display y -style.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Start with COLOR as the window color: #rgb, #rrggbb or a name such as teal.</source>
        <translation>Empieza con COLOR como color de la ventana: #rgb, #rrggbb o un nombre como teal.</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>When the program ends, write the window color to standard output as #rrggbb.</source>
        <translation>Al terminar el programa, escribe el color de la ventana en la salida estándar como #rrggbb.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;</source>
        <translation>color no válido «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>la opción «%1» no admite ningún valor</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Picking canceled.</source>
        <translation>Selección cancelada.</translation>
    </message>
    <message>
        <source>Could not pick a color from the screen.</source>
        <translation>No se pudo tomar un color de la pantalla.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:
%2</source>
        <translation>Se ha producido el error &apos;%1&apos; en tiempo de ejecución:
%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Run-time error:
%1</source>
        <translation>Se ha producido un error en tiempo de ejecución:
%1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Use sliders or click window to choose window color.</source>
        <translation>Use los controles deslizantes o haga clic en la ventana para elegir su color.</translation>
    </message>
    <message>
        <source>Click textbox to change its color.</source>
        <extracomment>One line, at most 241 pixels wide in 12-point Liberation Sans.</extracomment>
        <translation>Pulse en el texto para colorearlo.</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The sample word: at most 157 pixels wide in 48-point bold Liberation Serif.</extracomment>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The box that ends the program: a short word, at most 35 pixels wide in 12-point Liberation Sans. Screen readers have their own text for it.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Red channel of the window color, 0 to 255</source>
        <translation>Canal rojo del color de la ventana, de 0 a 255</translation>
    </message>
    <message>
        <source>Red value</source>
        <translation>Valor del rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Green channel of the window color, 0 to 255</source>
        <translation>Canal verde del color de la ventana, de 0 a 255</translation>
    </message>
    <message>
        <source>Green value</source>
        <translation>Valor del verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Blue channel of the window color, 0 to 255</source>
        <translation>Canal azul del color de la ventana, de 0 a 255</translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation>Valor del azul</translation>
    </message>
    <message>
        <source>Window color</source>
        <translation>Color de la ventana</translation>
    </message>
    <message>
        <source>Click the background to choose the window color</source>
        <translation>Haga clic en el fondo para elegir el color de la ventana</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Texto de muestra</translation>
    </message>
    <message>
        <source>Drawn in the complement of the window color; click it to choose its color</source>
        <translation>Dibujado en el color complementario al de la ventana; haga clic en él para elegir su color</translation>
    </message>
    <message>
        <source>Click to end the program</source>
        <translation>Haga clic para terminar el programa</translation>
    </message>
    <message>
        <source>Show how to use this window</source>
        <translation>Muestra cómo usar esta ventana</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>accessible name of the Quit box</comment>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>not an RGB color</source>
        <translation>no es un color RGB</translation>
    </message>
    <message>
        <source>no color</source>
        <translation>ningún color</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>El subíndice está fuera del intervalo</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Error de coma flotante</translation>
    </message>
    <message>
        <source>Cancel was selected</source>
        <translation>Se ha seleccionado Cancelar</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de la propiedad no válido</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>drawing text needs a persistent drawing surface</source>
        <extracomment>Text was to be drawn on a window that does not keep what is drawn on it. Nothing to do with printers.</extracomment>
        <translation>dibujar texto requiere una superficie de dibujo persistente</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open a display: no X11 or Wayland display answered (check DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>no se puede abrir una pantalla: ninguna pantalla X11 ni Wayland respondió (compruebe DISPLAY o WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>the windowing system could not be started:</source>
        <translation>no se pudo iniciar el sistema de ventanas:</translation>
    </message>
</context>
</TS>
