<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Use the sliders to change the window color, </source>
        <translation>Use os controles deslizantes para mudar a cor da janela </translation>
    </message>
    <message>
        <source>or click on the window to use a color picker.</source>
        <translation>ou clique na janela para usar um seletor de cores.</translation>
    </message>
    <message>
        <source>The text will change to the window&apos;s complementary color.</source>
        <translation>O texto mudará para a cor complementar da janela.</translation>
    </message>
    <message>
        <source>Click on the text to manually change it.</source>
        <translation>Clique no texto para alterar a cor dele manualmente.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;tinct --help&apos;.</source>
        <translation>Experimente “tinct --help”.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida “%1”</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>a opção “%1” precisa de um valor</translation>
    </message>
    <message>
        <source>Choose a window color with red, green and blue sliders.
Qt&apos;s own options, such as -platform, -display and -style, work too.</source>
        <translation>Escolhe a cor de uma janela com controles deslizantes de vermelho, verde e azul.
As opções do próprio Qt, como -platform, -display e -style, também funcionam.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Start with COLOR as the window color: #rgb, #rrggbb or a name such as teal.</source>
        <translation>Inicia com COR como cor da janela: #rgb, #rrggbb ou um nome como teal.</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COR</translation>
    </message>
    <message>
        <source>When the program ends, write the window color to standard output as #rrggbb.</source>
        <translation>Ao terminar o programa, escreve a cor da janela na saída padrão como #rrggbb.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado “%1”</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;</source>
        <translation>cor inválida “%1”</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>a opção “%1” não aceita valor</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Picking canceled.</source>
        <translation>Seleção cancelada.</translation>
    </message>
    <message>
        <source>Could not pick a color from the screen.</source>
        <translation>Não foi possível capturar uma cor da tela.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:
%2</source>
        <translation>Erro em tempo de execução &apos;%1&apos;:
%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Run-time error:
%1</source>
        <translation>Erro em tempo de execução:
%1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Use sliders or click window to choose window color.</source>
        <translation>Use os controles deslizantes ou clique na janela para escolher a cor dela.</translation>
    </message>
    <message>
        <source>Click textbox to change its color.</source>
        <extracomment>One line, at most 241 pixels wide in 12-point Liberation Sans.</extracomment>
        <translation>Clique no texto para mudar a cor.</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The sample word: at most 157 pixels wide in 48-point bold Liberation Serif.</extracomment>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The box that ends the program: a short word, at most 35 pixels wide in 12-point Liberation Sans. Screen readers have their own text for it.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Red channel of the window color, 0 to 255</source>
        <translation>Canal vermelho da cor da janela, de 0 a 255</translation>
    </message>
    <message>
        <source>Red value</source>
        <translation>Valor do vermelho</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Green channel of the window color, 0 to 255</source>
        <translation>Canal verde da cor da janela, de 0 a 255</translation>
    </message>
    <message>
        <source>Green value</source>
        <translation>Valor do verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Blue channel of the window color, 0 to 255</source>
        <translation>Canal azul da cor da janela, de 0 a 255</translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation>Valor do azul</translation>
    </message>
    <message>
        <source>Window color</source>
        <translation>Cor da janela</translation>
    </message>
    <message>
        <source>Click the background to choose the window color</source>
        <translation>Clique no fundo para escolher a cor da janela</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Texto de exemplo</translation>
    </message>
    <message>
        <source>Drawn in the complement of the window color; click it to choose its color</source>
        <translation>Desenhado na cor complementar à da janela; clique nele para escolher a cor do texto</translation>
    </message>
    <message>
        <source>Click to end the program</source>
        <translation>Clique para encerrar o programa</translation>
    </message>
    <message>
        <source>Show how to use this window</source>
        <translation>Mostra como usar esta janela</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>accessible name of the Quit box</comment>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>not an RGB color</source>
        <translation>não é uma cor RGB</translation>
    </message>
    <message>
        <source>no color</source>
        <translation>nenhuma cor</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Erro de ponto flutuante</translation>
    </message>
    <message>
        <source>Cancel was selected</source>
        <translation>Cancelar foi selecionado</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>drawing text needs a persistent drawing surface</source>
        <extracomment>Text was to be drawn on a window that does not keep what is drawn on it. Nothing to do with printers.</extracomment>
        <translation>desenhar texto requer uma superfície de desenho persistente</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>não foi possível escrever na saída padrão: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open a display: no X11 or Wayland display answered (check DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>não foi possível abrir um display: nenhum display X11 ou Wayland respondeu (verifique DISPLAY ou WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>the windowing system could not be started:</source>
        <translation>não foi possível iniciar o sistema de janelas:</translation>
    </message>
</context>
</TS>
