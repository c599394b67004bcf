<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<!-- Qt's own texts of the colour dialog and of the command line's help,
in Qt's own Swedish (its qtbase_sv, Qt 6.11), for the older Qt catalogues
that lack them. Qt 6.4 words its help-all option differently from 6.11:
there Qt's Swedish for its newer wording stands in. -->
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>Välj färg</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>&amp;Välj skärmfärg</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Markör på %1, %2
Tryck ESC för att avbryta</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Användning: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[alternativ]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Alternativ:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argument:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Visar hjälp för kommandoradsalternativ.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Visar hjälp, inklusive allmänna Qt-alternativ.</translation>
    </message>
    <message>
        <source>Displays help, including generic Qt options.</source>
        <translation>Visar hjälp, inklusive allmänna Qt-alternativ.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Visar versionsinformation.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
</TS>
