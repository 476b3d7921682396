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
<context>
    <name>Note</name>
    <message>
        <source>The point at %1, %2 lies outside the drawing area.</source>
        <translation>Le point en %1, %2 est hors de la zone de dessin.</translation>
    </message>
    <message>
        <source>%1 Write %2 with a point.</source>
        <translation>%1 Écrivez %2 avec un point.</translation>
    </message>
    <message>
        <source>The program ran out of memory; what was drawn so far is kept.</source>
        <translation>Le programme a manqué de mémoire&#xa0;; ce qui a été dessiné jusqu&apos;ici est conservé.</translation>
    </message>
    <message>
        <source>Something went wrong inside the program: %1</source>
        <translation>Une erreur s&apos;est produite dans le programme&#xa0;: %1</translation>
    </message>
    <message>
        <source>Something went wrong inside the program; what was drawn so far is kept.</source>
        <translation>Une erreur s&apos;est produite dans le programme&#xa0;; ce qui a été dessiné jusqu&apos;ici est conservé.</translation>
    </message>
    <message>
        <source>number</source>
        <translation>le nombre</translation>
    </message>
    <message>
        <source>numbers from -1.79e308 to 1.79e308</source>
        <translation>nombres de -1.79e308 à 1.79e308</translation>
    </message>
    <message>
        <source>whole numbers from -32768 to 32767</source>
        <translation>nombres entiers de -32768 à 32767</translation>
    </message>
    <message>
        <source>coordinate</source>
        <translation>la coordonnée</translation>
    </message>
    <message>
        <source>coordinates from -3.4e38 to 3.4e38</source>
        <translation>coordonnées de -3.4e38 à 3.4e38</translation>
    </message>
    <message>
        <source>pen width</source>
        <translation>la largeur de trait</translation>
    </message>
    <message>
        <source>pen widths from 1 to 32767</source>
        <translation>largeurs de trait de 1 à 32767</translation>
    </message>
    <message>
        <source>The %1 is missing: %2 are allowed.</source>
        <translation>Il manque %1&#xa0;; admis&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The %1 %2 is too small: %3 are allowed.</source>
        <translation>Valeur %2 trop petite pour %1&#xa0;; admis&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The %1 %2 is too large: %3 are allowed.</source>
        <translation>Valeur %2 trop grande pour %1&#xa0;; admis&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The %1 %2 is not a number: %3 are allowed.</source>
        <translation>Valeur %2 non numérique pour %1&#xa0;; admis&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The %1 %2 is out of range: %3 are allowed.</source>
        <translation>Valeur %2 hors limites pour %1&#xa0;; admis&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The colour number %1 is not one of the colour numbers 0 to 15.</source>
        <translation>Le numéro de couleur %1 n&apos;est pas l&apos;un des numéros de couleur 0 à 15.</translation>
    </message>
    <message>
        <source>The colour %1 is not one of the colour numbers 0 to 15.</source>
        <translation>La couleur %1 n&apos;est pas l&apos;un des numéros de couleur 0 à 15.</translation>
    </message>
    <message>
        <source>Only the first two characters of %1 count: %2 is not one of the colours 0 to 15.</source>
        <translation>Seuls les deux premiers caractères de %1 comptent&#xa0;: %2 n&apos;est pas l&apos;une des couleurs 0 à 15.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A refusal (%2) of a number typed into the box whose label says %1.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>Quotation marks around what the person typed, as the language writes them.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Shift+F10 or the Menu key opens a menu to copy, save, print or clear the picture.</source>
        <translation>Maj+F10 ou la touche Menu ouvre un menu pour copier, enregistrer, imprimer ou effacer l&apos;image.</translation>
    </message>
    <message>
        <source>The picture could not be printed: the program&apos;s print module could not be loaded (%1).</source>
        <translation>L&apos;image n&apos;a pas pu être imprimée&#xa0;: le module d&apos;impression du programme n&apos;a pas pu être chargé (%1).</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copier l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Save picture as…</source>
        <translation>&amp;Enregistrer l&apos;image sous…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>E&amp;ffacer</translation>
    </message>
    <message>
        <source>&amp;Undo clear</source>
        <translation>&amp;Annuler l&apos;effacement</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Enregistrer l&apos;image sous</translation>
    </message>
    <message>
        <source>The picture could not be printed: the printer or its file could not be opened. The drawing is kept.</source>
        <translation>L&apos;image n&apos;a pas pu être imprimée&#xa0;: l&apos;imprimante ou son fichier n&apos;a pas pu être ouvert. Le dessin est conservé.</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2. The drawing is kept, and no file was changed.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée sous «&#xa0;%1&#xa0;»&#xa0;: %2. Le dessin est conservé et aucun fichier n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>pictures are saved as PNG (.png) or SVG (.svg)</source>
        <translation>les images sont enregistrées en PNG (.png) ou en SVG (.svg)</translation>
    </message>
</context>
<context>
    <name>PointPicker</name>
    <message>
        <source>The arrow keys move the point to draw at, by ten pixels with Shift; Enter draws there.</source>
        <translation>Les flèches déplacent le point où dessiner, de dix pixels avec Maj ; Entrée dessine à cet endroit.</translation>
    </message>
    <message>
        <source>%1, %2: %3 dot</source>
        <translation>%1, %2 : point %3</translation>
    </message>
    <message>
        <source>%1, %2: nothing drawn</source>
        <translation>%1, %2 : rien de dessiné</translation>
    </message>
</context>
</TS>
