<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DrawingSurface</name>
    <message>
        <source>No points drawn</source>
        <translation>Aucun point dessiné</translation>
    </message>
    <message>
        <source>1 point drawn</source>
        <translation>1 point dessiné</translation>
    </message>
    <message>
        <source>Drawing area</source>
        <translation>Zone de dessin</translation>
    </message>
    <message numerus="yes">
        <source>%n points drawn</source>
        <translation>
            <numerusform>%n point dessiné</numerusform>
            <numerusform>%n points dessinés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Draw dots</source>
        <translation>Dessiner des points</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Y coor</source>
        <translation>Coord. Y</translation>
    </message>
    <message>
        <source>X coor</source>
        <translation>Coord. X</translation>
    </message>
    <message>
        <source>Colour</source>
        <extracomment>The colour list&apos;s name for assistive technology; it has no label on screen.</extracomment>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>0 Black</source>
        <extracomment>Colour list entries: keep the leading number and its space, which pick the colour.</extracomment>
        <translation>0 Noir</translation>
    </message>
    <message>
        <source>1 Blue</source>
        <translation>1 Bleu</translation>
    </message>
    <message>
        <source>2 Green</source>
        <translation>2 Vert</translation>
    </message>
    <message>
        <source>3 Cyan</source>
        <translation>3 Cyan</translation>
    </message>
    <message>
        <source>4 Red</source>
        <translation>4 Rouge</translation>
    </message>
    <message>
        <source>5 Magenta</source>
        <translation>5 Magenta</translation>
    </message>
    <message>
        <source>6 Yellow</source>
        <translation>6 Jaune</translation>
    </message>
    <message>
        <source>7 White</source>
        <translation>7 Blanc</translation>
    </message>
    <message>
        <source>8 Gray</source>
        <translation>8 Gris</translation>
    </message>
    <message>
        <source>9 Light Blue</source>
        <translation>9 Bleu clair</translation>
    </message>
    <message>
        <source>10 Light Green</source>
        <translation>10 Vert clair</translation>
    </message>
    <message>
        <source>11 Light Cyan</source>
        <translation>11 Cyan clair</translation>
    </message>
    <message>
        <source>12 Light Red</source>
        <translation>12 Rouge clair</translation>
    </message>
    <message>
        <source>13 Light Magenta</source>
        <translation>13 Magenta clair</translation>
    </message>
    <message>
        <source>14 Light Yellow</source>
        <translation>14 Jaune clair</translation>
    </message>
    <message>
        <source>15 Bright White</source>
        <translation>15 Blanc vif</translation>
    </message>
</context>
</TS>
