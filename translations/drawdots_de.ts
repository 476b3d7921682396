<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Drawing</name>
    <message>
        <source>Open drawing</source>
        <translation>Zeichnung öffnen</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg);;All files (*)</source>
        <translation>SVG-Zeichnung (*.svg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Opening &quot;%1&quot;…</source>
        <translation>„%1“ wird geöffnet …</translation>
    </message>
    <message>
        <source>Saving &quot;%1&quot;…</source>
        <translation>„%1“ wird gespeichert …</translation>
    </message>
    <message>
        <source>The drawing has changes that are not saved. Save them before closing?</source>
        <translation>Die Zeichnung hat Änderungen, die nicht gespeichert sind. Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>The drawing has changes that are not saved. Save them before opening another drawing?</source>
        <translation>Die Zeichnung hat Änderungen, die nicht gespeichert sind. Vor dem Öffnen einer anderen Zeichnung speichern?</translation>
    </message>
    <message>
        <source>Close &amp;without saving</source>
        <translation>&amp;Ohne Speichern schließen</translation>
    </message>
    <message>
        <source>Open &amp;without saving</source>
        <translation>&amp;Ohne Speichern öffnen</translation>
    </message>
    <message>
        <source>it is not a drawing saved by Draw dots</source>
        <translation>die Datei ist keine mit Punkte zeichnen gespeicherte Zeichnung</translation>
    </message>
    <message>
        <source>it is too large: files of up to %1 MB are opened</source>
        <translation>die Datei ist zu groß: Dateien bis %1 MB werden geöffnet</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>die Datei ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>it holds more dots than the %1 a drawing may hold</source>
        <translation>die Datei enthält mehr als die %1 Punkte, die eine Zeichnung haben darf</translation>
    </message>
    <message>
        <source>there is no file of that name</source>
        <translation>es gibt keine Datei dieses Namens</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>die Datei konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it changed while it was being read</source>
        <translation>die Datei hat sich beim Lesen geändert</translation>
    </message>
    <message>
        <source>pen width %1 (allowed: 1 to 32767)</source>
        <translation>Stiftbreite %1 (erlaubt: 1 bis 32767)</translation>
    </message>
    <message>
        <source>colour number %1 (allowed: 0 to 15)</source>
        <translation>Farbnummer %1 (erlaubt: 0 bis 15)</translation>
    </message>
    <message>
        <source>colour %1, not one of the sixteen</source>
        <translation>Farbe %1, keine der sechzehn</translation>
    </message>
    <message>
        <source>coordinate %1 (allowed: ±1000000)</source>
        <translation>Koordinate %1 (erlaubt: ±1000000)</translation>
    </message>
    <message>
        <source>%1 = %2, not a finite number</source>
        <translation>%1 = %2, keine endliche Zahl</translation>
    </message>
    <message>
        <source>dot %1: %2</source>
        <translation>Punkt %1: %2</translation>
    </message>
    <message>
        <source>The drawing &quot;%1&quot; was not opened: %2.</source>
        <translation>Die Zeichnung „%1“ wurde nicht geöffnet: %2.</translation>
    </message>
</context>
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
<context>
    <name>Note</name>
    <message>
        <source>The point at %1, %2 lies outside the drawing area.</source>
        <translation>Der Punkt bei %1, %2 liegt außerhalb der Zeichenfläche.</translation>
    </message>
    <message>
        <source>%1 Write %2 with a point.</source>
        <translation>%1 Schreiben Sie %2 mit Punkt.</translation>
    </message>
    <message>
        <source>The program ran out of memory; what was drawn so far is kept.</source>
        <translation>Dem Programm ging der Speicher aus; was bisher gezeichnet wurde, bleibt erhalten.</translation>
    </message>
    <message>
        <source>Something went wrong inside the program: %1</source>
        <translation>Im Programm ist etwas schiefgegangen: %1</translation>
    </message>
    <message>
        <source>Something went wrong inside the program; what was drawn so far is kept.</source>
        <translation>Im Programm ist etwas schiefgegangen; was bisher gezeichnet wurde, bleibt erhalten.</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>numbers from -1.79e308 to 1.79e308</source>
        <translation>Zahlen von -1.79e308 bis 1.79e308</translation>
    </message>
    <message>
        <source>whole numbers from -32768 to 32767</source>
        <translation>ganze Zahlen von -32768 bis 32767</translation>
    </message>
    <message>
        <source>coordinate</source>
        <translation>Koordinate</translation>
    </message>
    <message>
        <source>coordinates from -3.4e38 to 3.4e38</source>
        <translation>Koordinaten von -3.4e38 bis 3.4e38</translation>
    </message>
    <message>
        <source>pen width</source>
        <translation>Stiftbreite</translation>
    </message>
    <message>
        <source>pen widths from 1 to 32767</source>
        <translation>Stiftbreiten von 1 bis 32767</translation>
    </message>
    <message>
        <source>The %1 is missing: %2 are allowed.</source>
        <translation>Die %1 fehlt: erlaubt sind %2.</translation>
    </message>
    <message>
        <source>The %1 %2 is too small: %3 are allowed.</source>
        <translation>Die %1 %2 ist zu klein: erlaubt sind %3.</translation>
    </message>
    <message>
        <source>The %1 %2 is too large: %3 are allowed.</source>
        <translation>Die %1 %2 ist zu groß: erlaubt sind %3.</translation>
    </message>
    <message>
        <source>The %1 %2 is not a number: %3 are allowed.</source>
        <translation>Die %1 %2 ist keine Zahl: erlaubt sind %3.</translation>
    </message>
    <message>
        <source>The %1 %2 is out of range: %3 are allowed.</source>
        <translation>Die %1 %2 liegt außerhalb des Bereichs: erlaubt sind %3.</translation>
    </message>
    <message>
        <source>The colour number %1 is not one of the colour numbers 0 to 15.</source>
        <translation>Die Farbnummer %1 ist keine der Farbnummern 0 bis 15.</translation>
    </message>
    <message>
        <source>The colour %1 is not one of the colour numbers 0 to 15.</source>
        <translation>Die Farbe %1 ist keine der Farbnummern 0 bis 15.</translation>
    </message>
    <message>
        <source>Only the first two characters of %1 count: %2 is not one of the colours 0 to 15.</source>
        <translation>Nur die ersten zwei Zeichen von %1 zählen: %2 ist keine der Farben 0 bis 15.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A refusal (%2) of a number typed into the box whose label says %1.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>Quotation marks around what the person typed, as the language writes them.</extracomment>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Undo clear</source>
        <translation>Leeren &amp;rückgängig</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>The picture could not be printed: the printer or its file could not be opened. The drawing is kept.</source>
        <translation>Das Bild konnte nicht gedruckt werden: Der Drucker oder seine Datei ließ sich nicht öffnen. Die Zeichnung bleibt erhalten.</translation>
    </message>
    <message>
        <source>Shift+F10 or the Menu key opens a menu to undo, copy, open, save, print or clear the picture.</source>
        <translation>Umschalt+F10 oder die Menütaste öffnet ein Menü zum Rückgängigmachen, Kopieren, Öffnen, Speichern, Drucken oder Leeren des Bildes.</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Speichern &amp;unter …</translation>
    </message>
    <message>
        <source>&amp;Undo dot</source>
        <translation>Punkt &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo clear</source>
        <translation>Leeren &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Redo dot</source>
        <translation>Punkt &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>The picture was not printed: the program&apos;s print module could not be loaded.</source>
        <translation>Das Bild wurde nicht gedruckt: Das Druckmodul des Programms ließ sich nicht laden.</translation>
    </message>
    <message>
        <source>The picture was not saved as &quot;%1&quot;: %2. No file was changed.</source>
        <translation>Das Bild wurde nicht als „%1“ gespeichert: %2. Keine Datei wurde geändert.</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>ein Ordner hat diesen Namen</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>its folder is write-protected</source>
        <translation>der Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>pictures are saved as .png or .svg</source>
        <translation>nur .png und .svg sind möglich</translation>
    </message>
</context>
<context>
    <name>PointPicker</name>
    <message>
        <source>The arrow keys move the point to draw at, by ten pixels with Shift; Enter draws there.</source>
        <translation>Die Pfeiltasten bewegen den Punkt, an dem gezeichnet wird, mit Umschalt um zehn Pixel; die Eingabetaste zeichnet dort.</translation>
    </message>
    <message>
        <source>%1, %2: %3 dot</source>
        <translation>%1, %2: Punkt %3</translation>
    </message>
    <message>
        <source>%1, %2: nothing drawn</source>
        <translation>%1, %2: nichts gezeichnet</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Open the &amp;kept drawing</source>
        <translation>&amp;Aufbewahrte Zeichnung öffnen</translation>
    </message>
    <message>
        <source>Let the kept drawing &amp;go</source>
        <translation>Aufbewahrte Zeichnung &amp;verwerfen</translation>
    </message>
    <message>
        <source>A drawing not saved when Draw dots last ended was kept: open it or let it go from the drawing area&apos;s menu.</source>
        <translation>Eine beim letzten Beenden nicht gespeicherte Zeichnung wurde aufbewahrt: im Menü der Zeichenfläche öffnen oder verwerfen.</translation>
    </message>
</context>
</TS>
