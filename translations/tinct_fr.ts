<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>Use the sliders to change the window color, </source>
        <translation>Utilisez les curseurs pour changer la couleur de la fenêtre, </translation>
    </message>
    <message>
        <source>or click on the window to use a color picker.</source>
        <translation>ou cliquez sur la fenêtre pour ouvrir un sélecteur de couleur.</translation>
    </message>
    <message>
        <source>The text will change to the window&apos;s complementary color.</source>
        <translation>Le texte prend la couleur complémentaire de celle de la fenêtre.</translation>
    </message>
    <message>
        <source>Click on the text to manually change it.</source>
        <translation>Cliquez sur le texte pour en changer vous-même la couleur.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;tinct --help&apos;.</source>
        <translation>Essayez «&#xa0;tinct --help&#xa0;».</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option «&#xa0;%1&#xa0;» inconnue</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;option «&#xa0;%1&#xa0;» nécessite une valeur</translation>
    </message>
    <message>
        <source>Choose a window color with red, green and blue sliders.
Qt&apos;s own options, such as -platform, -display and -style, work too.</source>
        <translation>Choisir la couleur d&apos;une fenêtre avec des curseurs rouge, vert et bleu.
Les options propres à Qt, comme -platform, -display et -style, fonctionnent aussi.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Start with COLOR as the window color: #rgb, #rrggbb or a name such as teal.</source>
        <translation>Démarrer avec COULEUR comme couleur de fenêtre&#xa0;: #rgb, #rrggbb ou un nom comme teal.</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COULEUR</translation>
    </message>
    <message>
        <source>When the program ends, write the window color to standard output as #rrggbb.</source>
        <translation>À la fin du programme, écrire la couleur de la fenêtre sur la sortie standard au format #rrggbb.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument «&#xa0;%1&#xa0;» inattendu</translation>
    </message>
    <message>
        <source>invalid color &apos;%1&apos;</source>
        <translation>couleur «&#xa0;%1&#xa0;» non valide</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>l&apos;option «&#xa0;%1&#xa0;» n&apos;accepte pas de valeur</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Picking canceled.</source>
        <translation>Sélection annulée.</translation>
    </message>
    <message>
        <source>Could not pick a color from the screen.</source>
        <translation>Impossible de prélever une couleur à l&apos;écran.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Run-time error &apos;%1&apos;:
%2</source>
        <translation>Erreur d&apos;exécution &apos;%1&apos;&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Run-time error:
%1</source>
        <translation>Erreur d&apos;exécution&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Use sliders or click window to choose window color.</source>
        <translation>Utilisez les curseurs ou cliquez sur la fenêtre pour choisir sa couleur.</translation>
    </message>
    <message>
        <source>Click textbox to change its color.</source>
        <extracomment>One line, at most 241 pixels wide in 12-point Liberation Sans.</extracomment>
        <translation>Cliquez sur le mot pour le colorer.</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The sample word: at most 157 pixels wide in 48-point bold Liberation Serif.</extracomment>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The box that ends the program: a short word, at most 35 pixels wide in 12-point Liberation Sans. Screen readers have their own text for it.</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Red channel of the window color, 0 to 255</source>
        <translation>Composante rouge de la couleur de la fenêtre, de 0 à 255</translation>
    </message>
    <message>
        <source>Red value</source>
        <translation>Valeur du rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Green channel of the window color, 0 to 255</source>
        <translation>Composante verte de la couleur de la fenêtre, de 0 à 255</translation>
    </message>
    <message>
        <source>Green value</source>
        <translation>Valeur du vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Blue channel of the window color, 0 to 255</source>
        <translation>Composante bleue de la couleur de la fenêtre, de 0 à 255</translation>
    </message>
    <message>
        <source>Blue value</source>
        <translation>Valeur du bleu</translation>
    </message>
    <message>
        <source>Window color</source>
        <translation>Couleur de la fenêtre</translation>
    </message>
    <message>
        <source>Click the background to choose the window color</source>
        <translation>Cliquez sur le fond pour choisir la couleur de la fenêtre</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Texte d&apos;exemple</translation>
    </message>
    <message>
        <source>Drawn in the complement of the window color; click it to choose its color</source>
        <translation>Affiché dans la couleur complémentaire de celle de la fenêtre&#xa0;; cliquez dessus pour choisir sa couleur</translation>
    </message>
    <message>
        <source>Click to end the program</source>
        <translation>Cliquez pour quitter le programme</translation>
    </message>
    <message>
        <source>Show how to use this window</source>
        <translation>Afficher le mode d&apos;emploi de cette fenêtre</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>accessible name of the Quit box</comment>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>not an RGB color</source>
        <translation>pas une couleur RVB</translation>
    </message>
    <message>
        <source>no color</source>
        <translation>aucune couleur</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L&apos;indice n&apos;appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Erreur de virgule flottante</translation>
    </message>
    <message>
        <source>Cancel was selected</source>
        <translation>Annuler a été sélectionné</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>drawing text needs a persistent drawing surface</source>
        <extracomment>Text was to be drawn on a window that does not keep what is drawn on it. Nothing to do with printers.</extracomment>
        <translation>dessiner du texte nécessite une surface de dessin persistante</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open a display: no X11 or Wayland display answered (check DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>impossible d&apos;ouvrir un affichage&#xa0;: aucun affichage X11 ou Wayland n&apos;a répondu (vérifiez DISPLAY ou WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>the windowing system could not be started:</source>
        <translation>le système de fenêtrage n&apos;a pas pu être démarré&#xa0;:</translation>
    </message>
</context>
</TS>
