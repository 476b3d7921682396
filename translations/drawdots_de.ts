<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DrawingSurface</name>
    <message>
        <source>No points drawn</source>
        <translation>Keine Punkte gezeichnet</translation>
    </message>
    <message>
        <source>1 point drawn</source>
        <translation>1 Punkt gezeichnet</translation>
    </message>
    <message>
        <source>Drawing area</source>
        <translation>Zeichenfläche</translation>
    </message>
    <message numerus="yes">
        <source>%n points drawn</source>
        <translation>
            <numerusform>%n Punkt gezeichnet</numerusform>
            <numerusform>%n Punkte gezeichnet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw dots</source>
        <translation>Punkte zeichnen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <source>Y coor</source>
        <translation>Y-Koord.</translation>
    </message>
    <message>
        <source>X coor</source>
        <translation>X-Koord.</translation>
    </message>
    <message>
        <source>Colour</source>
        <extracomment>The colour list&apos;s name for assistive technology; it has no label on screen.</extracomment>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>0 Black</source>
        <extracomment>Colour list entries: keep the leading number and its space, which pick the colour.</extracomment>
        <translation>0 Schwarz</translation>
    </message>
    <message>
        <source>1 Blue</source>
        <translation>1 Blau</translation>
    </message>
    <message>
        <source>2 Green</source>
        <translation>2 Grün</translation>
    </message>
    <message>
        <source>3 Cyan</source>
        <translation>3 Cyan</translation>
    </message>
    <message>
        <source>4 Red</source>
        <translation>4 Rot</translation>
    </message>
    <message>
        <source>5 Magenta</source>
        <translation>5 Magenta</translation>
    </message>
    <message>
        <source>6 Yellow</source>
        <translation>6 Gelb</translation>
    </message>
    <message>
        <source>7 White</source>
        <translation>7 Weiß</translation>
    </message>
    <message>
        <source>8 Gray</source>
        <translation>8 Grau</translation>
    </message>
    <message>
        <source>9 Light Blue</source>
        <translation>9 Hellblau</translation>
    </message>
    <message>
        <source>10 Light Green</source>
        <translation>10 Hellgrün</translation>
    </message>
    <message>
        <source>11 Light Cyan</source>
        <translation>11 Hellcyan</translation>
    </message>
    <message>
        <source>12 Light Red</source>
        <translation>12 Hellrot</translation>
    </message>
    <message>
        <source>13 Light Magenta</source>
        <translation>13 Hellmagenta</translation>
    </message>
    <message>
        <source>14 Light Yellow</source>
        <translation>14 Hellgelb</translation>
    </message>
    <message>
        <source>15 Bright White</source>
        <translation>15 Reinweiß</translation>
    </message>
</context>
</TS>
