<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Drawing</name>
    <message>
        <source>Open drawing</source>
        <translation>Ouvrir un dessin</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg);;All files (*)</source>
        <translation>Dessin SVG (*.svg);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot;…</source>
        <translation>Ouverture de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>Saving &quot;%1&quot;…</source>
        <translation>Enregistrement de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>The drawing has changes that are not saved. Save them before closing?</source>
        <translation>Le dessin a des modifications non enregistrées. Les enregistrer avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>The drawing has changes that are not saved. Save them before opening another drawing?</source>
        <translation>Le dessin a des modifications non enregistrées. Les enregistrer avant d&apos;ouvrir un autre dessin&#xa0;?</translation>
    </message>
    <message>
        <source>Close &amp;without saving</source>
        <translation>Fermer &amp;sans enregistrer</translation>
    </message>
    <message>
        <source>Open &amp;without saving</source>
        <translation>Ouvrir &amp;sans enregistrer</translation>
    </message>
    <message>
        <source>it is not a drawing saved by Draw dots</source>
        <translation>le fichier n&apos;est pas un dessin enregistré par Dessiner des points</translation>
    </message>
    <message>
        <source>it is too large: files of up to %1 MB are opened</source>
        <translation>le fichier est trop gros&#xa0;: les fichiers de %1&#xa0;Mo au plus sont ouverts</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>le fichier est endommagé (%1)</translation>
    </message>
    <message>
        <source>it holds more dots than the %1 a drawing may hold</source>
        <translation>le fichier contient plus que les %1 points qu&apos;un dessin peut contenir</translation>
    </message>
    <message>
        <source>there is no file of that name</source>
        <translation>il n&apos;existe aucun fichier de ce nom</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>le fichier n&apos;a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>it changed while it was being read</source>
        <translation>le fichier a changé pendant sa lecture</translation>
    </message>
    <message>
        <source>pen width %1 (allowed: 1 to 32767)</source>
        <translation>largeur de trait %1 (permis&#xa0;: 1 à 32767)</translation>
    </message>
    <message>
        <source>colour number %1 (allowed: 0 to 15)</source>
        <translation>numéro de couleur %1 (permis&#xa0;: 0 à 15)</translation>
    </message>
    <message>
        <source>colour %1, not one of the sixteen</source>
        <translation>couleur %1, hors des seize</translation>
    </message>
    <message>
        <source>coordinate %1 (allowed: ±1000000)</source>
        <translation>coordonnée %1 (permis&#xa0;: ±1000000)</translation>
    </message>
    <message>
        <source>%1 = %2, not a finite number</source>
        <translation>%1 = %2, pas un nombre fini</translation>
    </message>
    <message>
        <source>dot %1: %2</source>
        <translation>point %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The drawing &quot;%1&quot; was not opened: %2.</source>
        <translation>Le dessin «&#xa0;%1&#xa0;» n&apos;a pas été ouvert&#xa0;: %2.</translation>
    </message>
</context>
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
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copier l&apos;image</translation>
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
        <source>Shift+F10 or the Menu key opens a menu to undo, copy, open, save, print or clear the picture.</source>
        <translation>Maj+F10 ou la touche Menu ouvre un menu pour annuler, copier, ouvrir, enregistrer, imprimer ou effacer l&apos;image.</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Undo dot</source>
        <translation>&amp;Annuler le point</translation>
    </message>
    <message>
        <source>&amp;Redo clear</source>
        <translation>&amp;Rétablir l&apos;effacement</translation>
    </message>
    <message>
        <source>&amp;Redo dot</source>
        <translation>&amp;Rétablir le point</translation>
    </message>
    <message>
        <source>The picture was not printed: the program&apos;s print module could not be loaded.</source>
        <translation>L&apos;image n&apos;a pas été imprimée&#xa0;: le module d&apos;impression du programme n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <source>The picture was not saved as &quot;%1&quot;: %2. No file was changed.</source>
        <translation>L&apos;image n&apos;a pas été enregistrée sous «&#xa0;%1&#xa0;»&#xa0;: %2. Aucun fichier n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>un dossier porte ce nom</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>its folder is write-protected</source>
        <translation>le dossier est protégé en écriture</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>le fichier est protégé en écriture</translation>
    </message>
    <message>
        <source>pictures are saved as .png or .svg</source>
        <translation>seuls .png et .svg sont possibles</translation>
    </message>
</context>
<context>
    <name>PointPicker</name>
    <message>
        <source>The arrow keys move the point to draw at, by ten pixels with Shift; Enter draws there.</source>
        <translation>Les flèches déplacent le point où dessiner, de dix pixels avec Maj&#xa0;; Entrée dessine à cet endroit.</translation>
    </message>
    <message>
        <source>%1, %2: %3 dot</source>
        <translation>%1, %2&#xa0;: point %3</translation>
    </message>
    <message>
        <source>%1, %2: nothing drawn</source>
        <translation>%1, %2&#xa0;: rien de dessiné</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Open the &amp;kept drawing</source>
        <translation>Ouvrir le dessin &amp;gardé</translation>
    </message>
    <message>
        <source>Let the kept drawing &amp;go</source>
        <translation>A&amp;bandonner le dessin gardé</translation>
    </message>
    <message>
        <source>A drawing not saved when Draw dots last ended was kept: open it or let it go from the drawing area&apos;s menu.</source>
        <translation>Un dessin non enregistré lors de la dernière fermeture a été gardé&#xa0;: le menu de la zone de dessin l&apos;ouvre ou l&apos;abandonne.</translation>
    </message>
</context>
</TS>
