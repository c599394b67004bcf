<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Инструкция</translation>
    </message>
    <message>
        <source>Use the sliders to change the window color, </source>
        <translation>Измените цвет окна с помощью ползунков </translation>
    </message>
    <message>
        <source>or click on the window to use a color picker.</source>
        <translation>или щёлкните по окну, чтобы открыть выбор цвета.</translation>
    </message>
    <message>
        <source>The text will change to the window&apos;s complementary color.</source>
        <translation>Текст примет цвет, дополнительный к цвету окна.</translation>
    </message>
    <message>
        <source>Click on the text to manually change it.</source>
        <translation>Щёлкните по тексту, чтобы вручную выбрать его цвет.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;tinct --help&apos;.</source>
        <translation>Попробуйте «tinct --help».</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>для параметра «%1» требуется значение</translation>
    </message>
    <message>
        <source>Choose a window color with red, green and blue sliders.
Qt&apos;s own options, such as -platform, -display and -style, work too.</source>
        <translation>Выбор цвета окна ползунками красного, зелёного и синего.
Работают и собственные параметры Qt, например -platform, -display и -style.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Start with COLOR as the window color: #rgb, #rrggbb or a name such as teal.</source>
        <translation>Запустить с цветом окна ЦВЕТ: #rgb, #rrggbb или название, например teal.</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>ЦВЕТ</translation>
    </message>
    <message>
        <source>When the program ends, write the window color to standard output as #rrggbb.</source>
        <translation>По завершении программы вывести цвет окна на стандартный вывод в виде #rrggbb.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;</source>
        <translation>недопустимый цвет «%1»</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>параметр «%1» не принимает значения</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Picking canceled.</source>
        <translation>Выбор отменён.</translation>
    </message>
    <message>
        <source>Could not pick a color from the screen.</source>
        <translation>Не удалось взять цвет с экрана.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:
%2</source>
        <translation>Ошибка выполнения &apos;%1&apos;:
%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Run-time error:
%1</source>
        <translation>Ошибка выполнения:
%1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Use sliders or click window to choose window color.</source>
        <translation>Выберите цвет окна ползунками или щелчком по окну.</translation>
    </message>
    <message>
        <source>Click textbox to change its color.</source>
        <extracomment>One line, at most 241 pixels wide in 12-point Liberation Sans.</extracomment>
        <translation>Щелчок по тексту меняет цвет.</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The sample word: at most 157 pixels wide in 48-point bold Liberation Serif.</extracomment>
        <translation>текст</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The box that ends the program: a short word, at most 35 pixels wide in 12-point Liberation Sans. Screen readers have their own text for it.</extracomment>
        <translation>Всё</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Red channel of the window color, 0 to 255</source>
        <translation>Красный канал цвета окна, от 0 до 255</translation>
    </message>
    <message>
        <source>Red value</source>
        <translation>Значение красного</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Green channel of the window color, 0 to 255</source>
        <translation>Зелёный канал цвета окна, от 0 до 255</translation>
    </message>
    <message>
        <source>Green value</source>
        <translation>Значение зелёного</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Blue channel of the window color, 0 to 255</source>
        <translation>Синий канал цвета окна, от 0 до 255</translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation>Значение синего</translation>
    </message>
    <message>
        <source>Window color</source>
        <translation>Цвет окна</translation>
    </message>
    <message>
        <source>Click the background to choose the window color</source>
        <translation>Щёлкните по фону, чтобы выбрать цвет окна</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Образец текста</translation>
    </message>
    <message>
        <source>Drawn in the complement of the window color; click it to choose its color</source>
        <translation>Выводится цветом, дополнительным к цвету окна; щёлкните, чтобы выбрать его цвет</translation>
    </message>
    <message>
        <source>Click to end the program</source>
        <translation>Щёлкните, чтобы завершить программу</translation>
    </message>
    <message>
        <source>Show how to use this window</source>
        <translation>Показать, как пользоваться этим окном</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>accessible name of the Quit box</comment>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>not an RGB color</source>
        <translation>не является цветом RGB</translation>
    </message>
    <message>
        <source>no color</source>
        <translation>нет цвета</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне диапазона</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Ошибка вычислений с плавающей точкой</translation>
    </message>
    <message>
        <source>Cancel was selected</source>
        <translation>Выбрана «Отмена»</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>drawing text needs a persistent drawing surface</source>
        <extracomment>Text was to be drawn on a window that does not keep what is drawn on it. Nothing to do with printers.</extracomment>
        <translation>для вывода текста в окно нужна постоянная поверхность рисования</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>не удалось записать в стандартный вывод: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open a display: no X11 or Wayland display answered (check DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>не удалось открыть дисплей: ни один дисплей X11 или Wayland не ответил (проверьте DISPLAY или WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>the windowing system could not be started:</source>
        <translation>не удалось запустить оконную систему:</translation>
    </message>
</context>
</TS>
