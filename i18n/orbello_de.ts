<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>About Orbello</source>
        <translation>Über Orbello</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>E-Mail: </translation>
    </message>
    <message>
        <source>Orbello can&apos;t run this process</source>
        <translation>Orbello kann diesen Vorgang nicht starten</translation>
    </message>
    <message>
        <source>Web Site: </source>
        <translation>Website: </translation>
    </message>
    <message>
        <source>Copyright © 2026 Corvane Software.</source>
        <translation>Copyright © 2026 Corvane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Move the balls along free paths and build lines, squares or blocks of one colour: they vanish and score. Every move that removes nothing brings three new balls. The game ends when the board has no room for them.</source>
        <translation>Bewegen Sie die Kugeln auf freien Wegen und bilden Sie Linien, Quadrate oder Blöcke einer Farbe: Sie verschwinden und bringen Punkte. Jeder Zug, der nichts entfernt, bringt drei neue Kugeln. Das Spiel endet, wenn auf dem Spielfeld kein Platz mehr für sie ist.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Orbello can&apos;t run help file</source>
        <translation>Orbello kann die Hilfe nicht öffnen</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The best results for Lines</source>
        <translation>Bestenliste für Linien</translation>
    </message>
    <message>
        <source>The best results for Squares</source>
        <translation>Bestenliste für Quadrate</translation>
    </message>
    <message>
        <source>The best results for Blocks</source>
        <translation>Bestenliste für Blöcke</translation>
    </message>
    <message>
        <source>The best results</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type your name</source>
        <translation>Geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>no X11 display to open the window on (DISPLAY is not set)</source>
        <translation>keine X11-Anzeige, auf der sich das Fenster öffnen kann (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;</source>
        <translation>die X11-Anzeige „%1“ lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>this Wayland session has no X11 display (DISPLAY is not set), so the window opens on Wayland: the compositor places it, draws it without its shape and does not let a second start raise it, and the help window stays open at the end. XWayland gives all of these back.</source>
        <translation>diese Wayland-Sitzung hat keine X11-Anzeige (DISPLAY ist nicht gesetzt), daher öffnet sich das Fenster unter Wayland: Der Compositor platziert es, zeichnet es ohne seine Form und lässt es von einem zweiten Start nicht nach vorn holen, und das Hilfefenster bleibt am Ende offen. Mit XWayland ist all das wieder da.</translation>
    </message>
    <message>
        <source>This display shows %1 bits per pixel; its colour depth is not supported.</source>
        <translation>Diese Anzeige hat %1 Bit pro Pixel; diese Farbtiefe wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Corvane Orbello needs a display of at least %1 bits per pixel.</source>
        <translation>Corvane Orbello braucht eine Anzeige mit mindestens %1 Bit pro Pixel.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct folder name was given.</source>
        <translation>%1
Ordner nicht gefunden.
Bitte prüfen Sie, ob der Ordnername richtig angegeben wurde.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>OB save files: (*.osf)</source>
        <translation>Gespeicherte Orbello-Spiele: (*.osf)</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Das laufende Spiel kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Das gewählte Spiel kann nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Quadrate</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>Unable to load skin: [%1]</source>
        <translation>Das Design lässt sich nicht laden: [%1]</translation>
    </message>
    <message>
        <source>Congratulation!</source>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <source>Begin new game?</source>
        <translation>Neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>Game Over. Begin new game?</source>
        <translation>Spiel vorbei. Neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>Internal Error. Application will be closed.</source>
        <translation>Interner Fehler. Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Schwerer Fehler</translation>
    </message>
    <message>
        <source>Can&apos;t create timer object</source>
        <translation>Der Zeitgeber lässt sich nicht anlegen</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Aktion bestätigen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Can&apos;t read registry key.</source>
        <translation>Der Registrierungsschlüssel lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>Can&apos;t read from registry.</source>
        <translation>Aus der Registrierung lässt sich nichts lesen.</translation>
    </message>
    <message>
        <source>Can&apos;t open registry key.</source>
        <translation>Der Registrierungsschlüssel lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Can&apos;t write into registry.</source>
        <translation>In die Registrierung lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>Can&apos;t read data from cvobhs.dat</source>
        <translation>Aus cvobhs.dat lassen sich keine Daten lesen</translation>
    </message>
    <message>
        <source>Can&apos;t write data into cvobhs.dat</source>
        <translation>In cvobhs.dat lassen sich keine Daten schreiben</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Das laufende Spiel kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Das gewählte Spiel kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>You want to load another game without save current game ?</source>
        <translation>Möchten Sie ein anderes Spiel laden, ohne das laufende zu speichern?</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Schwerer Fehler</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a ball colour</comment>
        <translation>unbekannte</translation>
    </message>
    <message>
        <source>%1: %2 ball, selected</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: %2 Kugel, ausgewählt</translation>
    </message>
    <message>
        <source>%1: %2 ball</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: %2 Kugel</translation>
    </message>
    <message>
        <source>%1: empty, %2 ball announced</source>
        <comment>a cell: its position, the colour of the ball to come</comment>
        <translation>%1: leer, %2 Kugel angekündigt</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <comment>a cell: its position</comment>
        <translation>%1: leer</translation>
    </message>
    <message>
        <source>Squares</source>
        <comment>game type</comment>
        <translation>Quadrate</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>game type</comment>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>Lines</source>
        <comment>game type</comment>
        <translation>Linien</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>ends a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the balls of a colour: the colour, their cells</comment>
        <translation>%1 Kugeln: %2</translation>
    </message>
    <message>
        <source>No balls.</source>
        <translation>Keine Kugeln.</translation>
    </message>
    <message>
        <source>Game loaded: %1, score %2.</source>
        <comment>the game type, the score</comment>
        <translation>Spiel geladen: %1, Punktestand %2.</translation>
    </message>
    <message>
        <source>New game: %1.</source>
        <comment>the game type</comment>
        <translation>Neues Spiel: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n balls; B lists them.</source>
        <translation>
            <numerusform>%n Kugel; B liest sie vor.</numerusform>
            <numerusform>%n Kugeln; B liest sie vor.</numerusform>
        </translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>command</comment>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>New game: choose type</source>
        <comment>command</comment>
        <translation>Neues Spiel: Spielart wählen</translation>
    </message>
    <message>
        <source>Load game</source>
        <comment>command</comment>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Save game</source>
        <comment>command</comment>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Best results</source>
        <comment>command</comment>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Best results: choose type</source>
        <comment>command</comment>
        <translation>Bestenliste: Spielart wählen</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>command</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <comment>command</comment>
        <translation>Über Orbello</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>command</comment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>command</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Minimise</source>
        <comment>command</comment>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>command</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 ball %2 selected.</source>
        <comment>the colour, the cell</comment>
        <translation>%1 Kugel %2 ausgewählt.</translation>
    </message>
    <message>
        <source>No path.</source>
        <translation>Kein Weg.</translation>
    </message>
    <message>
        <source>%1 ball %2 to %3.</source>
        <comment>the colour, the cell it left, the cell it reached</comment>
        <translation>%1 Kugel von %2 nach %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <comment>balls removed, points scored</comment>
        <translation>%1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n balls removed</source>
        <translation>
            <numerusform>%n Kugel entfernt</numerusform>
            <numerusform>%n Kugeln entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>One new ball</source>
        <translation>Eine neue Kugel</translation>
    </message>
    <message>
        <source>Two new balls</source>
        <translation>Zwei neue Kugeln</translation>
    </message>
    <message>
        <source>Three new balls</source>
        <translation>Drei neue Kugeln</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a new ball: its colour, its cell</comment>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>how many new balls, the balls</comment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Spiel vorbei.</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Punktestand %1</translation>
    </message>
    <message>
        <source>Champion %1</source>
        <translation>Rekord %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Zeit %1</translation>
    </message>
    <message>
        <source>Game type %1</source>
        <translation>Spielart %1</translation>
    </message>
    <message>
        <source>Next: hidden</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Nächste Kugeln: verborgen</translation>
    </message>
    <message>
        <source>Next: none</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Nächste Kugeln: keine</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Nächste Kugeln: %1</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Punktestand %1.</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <comment>a row or column</comment>
        <translation>%1: leer.</translation>
    </message>
    <message>
        <source>%1: %2; the rest empty.</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2; der Rest ist leer.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Score %1, champion %2, time %3.</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Punktestand %1, Rekord %2, Zeit %3.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the items of a spoken list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the groups of a spoken list</comment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Selected ball</source>
        <translation>Gewählte Kugel</translation>
    </message>
    <message>
        <source>Jump sound file</source>
        <translation>Klangdatei für das Hüpfen</translation>
    </message>
    <message>
        <source>Play jump sound</source>
        <translation>Klang für das Hüpfen abspielen</translation>
    </message>
    <message>
        <source>Choose jump sound file</source>
        <translation>Klangdatei für das Hüpfen wählen</translation>
    </message>
    <message>
        <source>Destroyed ball</source>
        <translation>Entfernte Kugel</translation>
    </message>
    <message>
        <source>Destroy sound file</source>
        <translation>Klangdatei für das Entfernen</translation>
    </message>
    <message>
        <source>Play destroy sound</source>
        <translation>Klang für das Entfernen abspielen</translation>
    </message>
    <message>
        <source>Choose destroy sound file</source>
        <translation>Klangdatei für das Entfernen wählen</translation>
    </message>
    <message>
        <source>Moving ball</source>
        <translation>Bewegte Kugel</translation>
    </message>
    <message>
        <source>Move sound file</source>
        <translation>Klangdatei für den Zug</translation>
    </message>
    <message>
        <source>Play move sound</source>
        <translation>Klang für den Zug abspielen</translation>
    </message>
    <message>
        <source>Choose move sound file</source>
        <translation>Klangdatei für den Zug wählen</translation>
    </message>
    <message>
        <source>Impossibility of the move</source>
        <translation>Zug unmöglich</translation>
    </message>
    <message>
        <source>No path sound file</source>
        <translation>Klangdatei für „Kein Weg“</translation>
    </message>
    <message>
        <source>Play no path sound</source>
        <translation>Klang für „Kein Weg“ abspielen</translation>
    </message>
    <message>
        <source>Choose no path sound file</source>
        <translation>Klangdatei für „Kein Weg“ wählen</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Hüpfen</translation>
    </message>
    <message>
        <source>Destroy</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinen</translation>
    </message>
    <message>
        <source>On the panel and board</source>
        <translation>In Leiste und Spielfeld</translation>
    </message>
    <message>
        <source>On the panel</source>
        <translation>In der Leiste</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>Auf dem Spielfeld</translation>
    </message>
    <message>
        <source>Not show colors</source>
        <translation>Nicht zeigen</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Quadrate</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>Orbello - Settings</source>
        <translation>Orbello – Einstellungen</translation>
    </message>
    <message>
        <source> Next Colors </source>
        <translation> Nächste Kugeln </translation>
    </message>
    <message>
        <source> Default Game </source>
        <translation> Standard-Spielart </translation>
    </message>
    <message>
        <source> Skin </source>
        <translation> Design </translation>
    </message>
    <message>
        <source> Sounds </source>
        <translation> Klänge </translation>
    </message>
    <message>
        <source> Delay at time </source>
        <translation> Verzögerung </translation>
    </message>
    <message>
        <source>Skin file</source>
        <translation>Design-Datei</translation>
    </message>
    <message>
        <source>Choose skin file</source>
        <translation>Design-Datei wählen</translation>
    </message>
    <message>
        <source>Show path</source>
        <translation>Weg zeigen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose of the skin</source>
        <translation>Design wählen</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Orbello-Designs: (*.sf)</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>Sounds: (*.wav)</source>
        <translation>Klänge: (*.wav)</translation>
    </message>
</context>
<context>
    <name>SkinCompiler</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Bitmap files: (*.bmp)</source>
        <translation>Bitmap-Dateien: (*.bmp)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Orbello-Designs: (*.sf)</translation>
    </message>
    <message>
        <source>Could not create skin file</source>
        <translation>Die Design-Datei konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Creator Skins for Orbello</source>
        <translation>Design-Compiler für Orbello</translation>
    </message>
    <message>
        <source>Select bitmap for board (36x36 pixels)</source>
        <translation>Bitmap für Spielfeld wählen (36x36 Pixel)</translation>
    </message>
    <message>
        <source>Size of bitmap for board incorrect, must be 36x36 pixels</source>
        <translation>Falsche Größe der Bitmap für Spielfeld, sie muss 36x36 Pixel haben</translation>
    </message>
    <message>
        <source>Choose bitmap for board</source>
        <translation>Bitmap für Spielfeld wählen</translation>
    </message>
    <message>
        <source>Select bitmap for score (160x20 pixels)</source>
        <translation>Bitmap für Punktestand wählen (160x20 Pixel)</translation>
    </message>
    <message>
        <source>Size of bitmap for score incorrect, must be 160x20 pixels</source>
        <translation>Falsche Größe der Bitmap für Punktestand, sie muss 160x20 Pixel haben</translation>
    </message>
    <message>
        <source>Choose bitmap for score</source>
        <translation>Bitmap für Punktestand wählen</translation>
    </message>
    <message>
        <source>Select bitmap for balls (768x224 pixels)</source>
        <translation>Bitmap für Kugeln wählen (768x224 Pixel)</translation>
    </message>
    <message>
        <source>Size of bitmap for balls incorrect, must be 768x224 pixels</source>
        <translation>Falsche Größe der Bitmap für Kugeln, sie muss 768x224 Pixel haben</translation>
    </message>
    <message>
        <source>Choose bitmap for balls</source>
        <translation>Bitmap für Kugeln wählen</translation>
    </message>
    <message>
        <source>Select bitmap for timer (99x11 pixels)</source>
        <translation>Bitmap für Uhr wählen (99x11 Pixel)</translation>
    </message>
    <message>
        <source>Size of bitmap for timer incorrect, must be 99x11 pixels</source>
        <translation>Falsche Größe der Bitmap für Uhr, sie muss 99x11 Pixel haben</translation>
    </message>
    <message>
        <source>Choose bitmap for timer</source>
        <translation>Bitmap für Uhr wählen</translation>
    </message>
    <message>
        <source>Select bitmap for walk (128x32 pixels)</source>
        <translation>Bitmap für Weg wählen (128x32 Pixel)</translation>
    </message>
    <message>
        <source>Size of bitmap for walk incorrect, must be 128x32 pixels</source>
        <translation>Falsche Größe der Bitmap für Weg, sie muss 128x32 Pixel haben</translation>
    </message>
    <message>
        <source>Choose bitmap for walk</source>
        <translation>Bitmap für Weg wählen</translation>
    </message>
    <message>
        <source>Invalid graphic format (not bitmap)</source>
        <translation>Ungültiges Bildformat (keine Bitmap)</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Schwerer Fehler</translation>
    </message>
    <message>
        <source>Save skin file for Orbello</source>
        <translation>Design-Datei für Orbello speichern</translation>
    </message>
    <message>
        <source>%1 can&apos;t run help file</source>
        <translation>%1 kann die Hilfe nicht öffnen</translation>
    </message>
    <message>
        <source>File %1 saved</source>
        <translation>Datei %1 gespeichert</translation>
    </message>
    <message>
        <source>Congratulation</source>
        <translation>Glückwunsch</translation>
    </message>
    <message>
        <source>Could not open file: %1</source>
        <translation>Datei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Could not read from file: %1</source>
        <translation>Datei kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Corvane Orbello.</source>
        <translation>Corvane Orbello läuft.
Schließen Sie Corvane Orbello vor dem Deinstallieren.</translation>
    </message>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Orbello.</source>
        <translation>Corvane Orbello läuft.
Schließen Sie Orbello vor dem Deinstallieren.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Desktop&gt; folder.
Uninstall canceled.</source>
        <translation>Der Ordner &lt;Schreibtisch&gt; lässt sich nicht ermitteln.
Deinstallation abgebrochen.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Start Menu&gt; folder.
Uninstall canceled.</source>
        <translation>Der Ordner &lt;Startmenü&gt; lässt sich nicht ermitteln.
Deinstallation abgebrochen.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Der Registrierungsschlüssel &lt;Corvane\OB&gt; lässt sich nicht öffnen.
Deinstallation abgebrochen.</translation>
    </message>
    <message>
        <source>Couldn&apos;t get data from &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Aus dem Registrierungsschlüssel &lt;Corvane\OB&gt; lassen sich keine Daten lesen.
Deinstallation abgebrochen.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane&gt; registry key.
Uninstall canceled.</source>
        <translation>Der Registrierungsschlüssel &lt;Corvane&gt; lässt sich nicht öffnen.
Deinstallation abgebrochen.</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Der Registrierungsschlüssel &lt;Corvane\OB&gt; lässt sich nicht löschen.
Deinstallation abgebrochen.</translation>
    </message>
    <message>
        <source>The folder of the installation holds no valid list of installed files (install.manifest), so it may not be an installation of Corvane Orbello, and nothing was deleted.
To remove an installation made by an older installer, install Corvane Orbello again and then uninstall it.
Uninstall canceled.</source>
        <translation>Der Installationsordner enthält keine gültige Liste der installierten Dateien (install.manifest). Er ist daher womöglich keine Installation von Corvane Orbello, und es wurde nichts gelöscht.
Um eine Installation eines älteren Installationsprogramms zu entfernen, installieren Sie Corvane Orbello erneut und deinstallieren es dann.
Deinstallation abgebrochen.</translation>
    </message>
    <message>
        <source>The uninstall in not finished! Do you really want to abort?</source>
        <translation>Die Deinstallation ist nicht abgeschlossen! Möchten Sie sie wirklich abbrechen?</translation>
    </message>
    <message>
        <source>%1 Uninstall</source>
        <translation>%1 deinstallieren</translation>
    </message>
    <message>
        <source>Uninstall will now remove the software &quot;%1&quot; from your computer.  Please wait while each of the following components is removed.</source>
        <translation>Die Software „%1“ wird jetzt von Ihrem Computer entfernt. Bitte warten Sie, bis jeder der folgenden Bestandteile entfernt ist.</translation>
    </message>
    <message>
        <source>Shortcut icons</source>
        <translation>Verknüpfungen</translation>
    </message>
    <message>
        <source>Program files, folders and directories</source>
        <translation>Programmdateien und Ordner</translation>
    </message>
    <message>
        <source>Registry Entries</source>
        <translation>Registrierungseinträge</translation>
    </message>
    <message>
        <source>Uninstall compete.</source>
        <translation>Deinstallation abgeschlossen.</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Deinstallieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>not yet removed</source>
        <translation>noch nicht entfernt</translation>
    </message>
    <message>
        <source>being removed</source>
        <translation>wird entfernt</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
