<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>About</name>
    <message>
        <source>About Orbello</source>
        <translation>Informazioni su Orbello</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>E-mail: </translation>
    </message>
    <message>
        <source>Orbello can&apos;t run this process</source>
        <translation>Orbello non può avviare questa operazione</translation>
    </message>
    <message>
        <source>Web Site: </source>
        <translation>Sito web: </translation>
    </message>
    <message>
        <source>Copyright © 2026 Corvane Software.</source>
        <translation>Copyright © 2026 Corvane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Move the balls along free paths and build lines, squares or blocks of one colour: they vanish and score. Every move that removes nothing brings three new balls. The game ends when the board has no room for them.</source>
        <translation>Spostare le palline lungo percorsi liberi e formare linee, quadrati o blocchi di un solo colore: spariscono e fanno punti. Ogni mossa che non elimina nulla porta tre nuove palline. La partita finisce quando sul tavoliere non c’è più posto per loro.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Orbello can&apos;t run help file</source>
        <translation>Orbello non può aprire la guida</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The best results for Lines</source>
        <translation>Migliori risultati in Linee</translation>
    </message>
    <message>
        <source>The best results for Squares</source>
        <translation>Migliori risultati in Quadrati</translation>
    </message>
    <message>
        <source>The best results for Blocks</source>
        <translation>Migliori risultati in Blocchi</translation>
    </message>
    <message>
        <source>The best results</source>
        <translation>Migliori risultati</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type your name</source>
        <translation>Digitare il proprio nome</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>no X11 display to open the window on (DISPLAY is not set)</source>
        <translation>nessun display X11 su cui aprire la finestra (DISPLAY non è impostata)</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;</source>
        <translation>impossibile aprire il display X11 «%1»</translation>
    </message>
    <message>
        <source>this Wayland session has no X11 display (DISPLAY is not set), so the window opens on Wayland: the compositor places it, draws it without its shape and does not let a second start raise it, and the help window stays open at the end. XWayland gives all of these back.</source>
        <translation>questa sessione Wayland non ha un display X11 (DISPLAY non è impostata), quindi la finestra si apre su Wayland: il compositore la posiziona, la disegna senza la sua forma e non permette a un secondo avvio di portarla in primo piano, e la finestra della guida resta aperta alla fine. XWayland restituisce tutto questo.</translation>
    </message>
    <message>
        <source>This display shows %1 bits per pixel; its colour depth is not supported.</source>
        <translation>Questo schermo usa %1 bit per pixel; la sua profondità di colore non è supportata.</translation>
    </message>
    <message>
        <source>Corvane Orbello needs a display of at least %1 bits per pixel.</source>
        <translation>Corvane Orbello richiede uno schermo di almeno %1 bit per pixel.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct folder name was given.</source>
        <translation>%1
Cartella non trovata.
Verificare che il nome della cartella sia corretto.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>OB save files: (*.osf)</source>
        <translation>Partite salvate di Orbello: (*.osf)</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Impossibile salvare la partita in corso.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Impossibile caricare la partita scelta.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Lines</source>
        <translation>Linee</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Quadrati</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocchi</translation>
    </message>
    <message>
        <source>Unable to load skin: [%1]</source>
        <translation>Impossibile caricare il tema: [%1]</translation>
    </message>
    <message>
        <source>Congratulation!</source>
        <translation>Congratulazioni!</translation>
    </message>
    <message>
        <source>Begin new game?</source>
        <translation>Iniziare una nuova partita?</translation>
    </message>
    <message>
        <source>Game Over. Begin new game?</source>
        <translation>Partita finita. Iniziare una nuova partita?</translation>
    </message>
    <message>
        <source>Internal Error. Application will be closed.</source>
        <translation>Errore interno. Il programma verrà chiuso.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Errore grave</translation>
    </message>
    <message>
        <source>Can&apos;t create timer object</source>
        <translation>Impossibile creare il timer</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Attenzione!</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Conferma dell&apos;azione</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Can&apos;t read registry key.</source>
        <translation>Impossibile leggere la chiave di registro.</translation>
    </message>
    <message>
        <source>Can&apos;t read from registry.</source>
        <translation>Impossibile leggere dal registro.</translation>
    </message>
    <message>
        <source>Can&apos;t open registry key.</source>
        <translation>Impossibile aprire la chiave di registro.</translation>
    </message>
    <message>
        <source>Can&apos;t write into registry.</source>
        <translation>Impossibile scrivere nel registro.</translation>
    </message>
    <message>
        <source>Can&apos;t read data from cvobhs.dat</source>
        <translation>Impossibile leggere i dati da cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t write data into cvobhs.dat</source>
        <translation>Impossibile scrivere i dati in cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Impossibile salvare la partita in corso.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Impossibile caricare la partita scelta.</translation>
    </message>
    <message>
        <source>You want to load another game without save current game ?</source>
        <translation>Caricare un&apos;altra partita senza salvare quella in corso?</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Errore grave</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Board</source>
        <translation>Tavoliere</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>colore %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a ball colour</comment>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>%1: %2 ball, selected</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: pallina %2, selezionata</translation>
    </message>
    <message>
        <source>%1: %2 ball</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: pallina %2</translation>
    </message>
    <message>
        <source>%1: empty, %2 ball announced</source>
        <comment>a cell: its position, the colour of the ball to come</comment>
        <translation>%1: vuota, pallina %2 annunciata</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <comment>a cell: its position</comment>
        <translation>%1: vuota</translation>
    </message>
    <message>
        <source>Squares</source>
        <comment>game type</comment>
        <translation>Quadrati</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>game type</comment>
        <translation>Blocchi</translation>
    </message>
    <message>
        <source>Lines</source>
        <comment>game type</comment>
        <translation>Linee</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>ends a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the balls of a colour: the colour, their cells</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No balls.</source>
        <translation>Nessuna pallina.</translation>
    </message>
    <message>
        <source>Game loaded: %1, score %2.</source>
        <comment>the game type, the score</comment>
        <translation>Partita caricata: %1, punteggio %2.</translation>
    </message>
    <message>
        <source>New game: %1.</source>
        <comment>the game type</comment>
        <translation>Nuova partita: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n balls; B lists them.</source>
        <translation>
            <numerusform>%n pallina; B le elenca.</numerusform>
            <numerusform>%n palline; B le elenca.</numerusform>
        </translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>Tipo di partita</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>command</comment>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>New game: choose type</source>
        <comment>command</comment>
        <translation>Nuova partita: scegliere il tipo</translation>
    </message>
    <message>
        <source>Load game</source>
        <comment>command</comment>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Save game</source>
        <comment>command</comment>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Best results</source>
        <comment>command</comment>
        <translation>Migliori risultati</translation>
    </message>
    <message>
        <source>Best results: choose type</source>
        <comment>command</comment>
        <translation>Migliori risultati: scegliere il tipo</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>command</comment>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>About</source>
        <comment>command</comment>
        <translation>Informazioni su Orbello</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>command</comment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>command</comment>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Minimise</source>
        <comment>command</comment>
        <translation>Minimizza</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>command</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 ball %2 selected.</source>
        <comment>the colour, the cell</comment>
        <translation>Pallina %1 in %2 selezionata.</translation>
    </message>
    <message>
        <source>No path.</source>
        <translation>Nessun percorso.</translation>
    </message>
    <message>
        <source>%1 ball %2 to %3.</source>
        <comment>the colour, the cell it left, the cell it reached</comment>
        <translation>Pallina %1 da %2 a %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
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
            <numerusform>%n pallina rimossa</numerusform>
            <numerusform>%n palline rimosse</numerusform>
        </translation>
    </message>
    <message>
        <source>One new ball</source>
        <translation>Una nuova pallina</translation>
    </message>
    <message>
        <source>Two new balls</source>
        <translation>Due nuove palline</translation>
    </message>
    <message>
        <source>Three new balls</source>
        <translation>Tre nuove palline</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a new ball: its colour, its cell</comment>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>how many new balls, the balls</comment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Partita finita.</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Punteggio %1</translation>
    </message>
    <message>
        <source>Champion %1</source>
        <translation>Record %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Tempo %1</translation>
    </message>
    <message>
        <source>Game type %1</source>
        <translation>Tipo di partita %1</translation>
    </message>
    <message>
        <source>Next: hidden</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Prossime palline: nascoste</translation>
    </message>
    <message>
        <source>Next: none</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Prossime palline: nessuna</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Prossime palline: %1</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Punteggio %1.</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <comment>a row or column</comment>
        <translation>%1: vuota.</translation>
    </message>
    <message>
        <source>%1: %2; the rest empty.</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2; il resto è vuoto.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>Score %1, champion %2, time %3.</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Punteggio %1, record %2, tempo %3.</translation>
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
        <translation>Pallina scelta</translation>
    </message>
    <message>
        <source>Jump sound file</source>
        <translation>File del suono del salto</translation>
    </message>
    <message>
        <source>Play jump sound</source>
        <translation>Riproduci il suono del salto</translation>
    </message>
    <message>
        <source>Choose jump sound file</source>
        <translation>Scegli il file del suono del salto</translation>
    </message>
    <message>
        <source>Destroyed ball</source>
        <translation>Pallina eliminata</translation>
    </message>
    <message>
        <source>Destroy sound file</source>
        <translation>File del suono di eliminazione</translation>
    </message>
    <message>
        <source>Play destroy sound</source>
        <translation>Riproduci il suono di eliminazione</translation>
    </message>
    <message>
        <source>Choose destroy sound file</source>
        <translation>Scegli il file del suono di eliminazione</translation>
    </message>
    <message>
        <source>Moving ball</source>
        <translation>Pallina in movimento</translation>
    </message>
    <message>
        <source>Move sound file</source>
        <translation>File del suono di movimento</translation>
    </message>
    <message>
        <source>Play move sound</source>
        <translation>Riproduci il suono di movimento</translation>
    </message>
    <message>
        <source>Choose move sound file</source>
        <translation>Scegli il file del suono di movimento</translation>
    </message>
    <message>
        <source>Impossibility of the move</source>
        <translation>Mossa impossibile</translation>
    </message>
    <message>
        <source>No path sound file</source>
        <translation>File del suono «Nessun percorso»</translation>
    </message>
    <message>
        <source>Play no path sound</source>
        <translation>Riproduci il suono «Nessun percorso»</translation>
    </message>
    <message>
        <source>Choose no path sound file</source>
        <translation>Scegli il file del suono «Nessun percorso»</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>Destroy</source>
        <translation>Eliminazione</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Comparsa</translation>
    </message>
    <message>
        <source>On the panel and board</source>
        <translation>Pannello e tavoliere</translation>
    </message>
    <message>
        <source>On the panel</source>
        <translation>Nel pannello</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>Sul tavoliere</translation>
    </message>
    <message>
        <source>Not show colors</source>
        <translation>Non mostrare</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linee</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Quadrati</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocchi</translation>
    </message>
    <message>
        <source>Orbello - Settings</source>
        <translation>Orbello - Impostazioni</translation>
    </message>
    <message>
        <source> Next Colors </source>
        <translation> Prossime palline </translation>
    </message>
    <message>
        <source> Default Game </source>
        <translation> Tipo di partita predefinito </translation>
    </message>
    <message>
        <source> Skin </source>
        <translation> Tema </translation>
    </message>
    <message>
        <source> Sounds </source>
        <translation> Suoni </translation>
    </message>
    <message>
        <source> Delay at time </source>
        <translation> Ritardo </translation>
    </message>
    <message>
        <source>Skin file</source>
        <translation>File del tema</translation>
    </message>
    <message>
        <source>Choose skin file</source>
        <translation>Scegli il file del tema</translation>
    </message>
    <message>
        <source>Show path</source>
        <translation>Mostra percorso</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Choose of the skin</source>
        <translation>Scegli il tema</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Temi di Orbello: (*.sf)</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Scegli il file</translation>
    </message>
    <message>
        <source>Sounds: (*.wav)</source>
        <translation>Suoni: (*.wav)</translation>
    </message>
</context>
<context>
    <name>SkinCompiler</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>Compila</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Bitmap files: (*.bmp)</source>
        <translation>File bitmap: (*.bmp)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Temi di Orbello: (*.sf)</translation>
    </message>
    <message>
        <source>Could not create skin file</source>
        <translation>Impossibile creare il file del tema</translation>
    </message>
    <message>
        <source>Creator Skins for Orbello</source>
        <translation>Compilatore di temi per Orbello</translation>
    </message>
    <message>
        <source>Select bitmap for board (36x36 pixels)</source>
        <translation>Scegliere la bitmap per tavoliere (36x36 pixel)</translation>
    </message>
    <message>
        <source>Size of bitmap for board incorrect, must be 36x36 pixels</source>
        <translation>Dimensione della bitmap per tavoliere errata: deve essere 36x36 pixel</translation>
    </message>
    <message>
        <source>Choose bitmap for board</source>
        <translation>Scegli la bitmap per tavoliere</translation>
    </message>
    <message>
        <source>Select bitmap for score (160x20 pixels)</source>
        <translation>Scegliere la bitmap per punteggio (160x20 pixel)</translation>
    </message>
    <message>
        <source>Size of bitmap for score incorrect, must be 160x20 pixels</source>
        <translation>Dimensione della bitmap per punteggio errata: deve essere 160x20 pixel</translation>
    </message>
    <message>
        <source>Choose bitmap for score</source>
        <translation>Scegli la bitmap per punteggio</translation>
    </message>
    <message>
        <source>Select bitmap for balls (768x224 pixels)</source>
        <translation>Scegliere la bitmap per palline (768x224 pixel)</translation>
    </message>
    <message>
        <source>Size of bitmap for balls incorrect, must be 768x224 pixels</source>
        <translation>Dimensione della bitmap per palline errata: deve essere 768x224 pixel</translation>
    </message>
    <message>
        <source>Choose bitmap for balls</source>
        <translation>Scegli la bitmap per palline</translation>
    </message>
    <message>
        <source>Select bitmap for timer (99x11 pixels)</source>
        <translation>Scegliere la bitmap per orologio (99x11 pixel)</translation>
    </message>
    <message>
        <source>Size of bitmap for timer incorrect, must be 99x11 pixels</source>
        <translation>Dimensione della bitmap per orologio errata: deve essere 99x11 pixel</translation>
    </message>
    <message>
        <source>Choose bitmap for timer</source>
        <translation>Scegli la bitmap per orologio</translation>
    </message>
    <message>
        <source>Select bitmap for walk (128x32 pixels)</source>
        <translation>Scegliere la bitmap per percorso (128x32 pixel)</translation>
    </message>
    <message>
        <source>Size of bitmap for walk incorrect, must be 128x32 pixels</source>
        <translation>Dimensione della bitmap per percorso errata: deve essere 128x32 pixel</translation>
    </message>
    <message>
        <source>Choose bitmap for walk</source>
        <translation>Scegli la bitmap per percorso</translation>
    </message>
    <message>
        <source>Invalid graphic format (not bitmap)</source>
        <translation>Formato immagine non valido (non è una bitmap)</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Errore grave</translation>
    </message>
    <message>
        <source>Save skin file for Orbello</source>
        <translation>Salva il file del tema per Orbello</translation>
    </message>
    <message>
        <source>%1 can&apos;t run help file</source>
        <translation>%1 non può aprire la guida</translation>
    </message>
    <message>
        <source>File %1 saved</source>
        <translation>File %1 salvato</translation>
    </message>
    <message>
        <source>Congratulation</source>
        <translation>Congratulazioni</translation>
    </message>
    <message>
        <source>Could not open file: %1</source>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
    <message>
        <source>Could not read from file: %1</source>
        <translation>Impossibile leggere il file: %1</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Corvane Orbello.</source>
        <translation>Corvane Orbello è in esecuzione.
Chiudere Corvane Orbello prima di disinstallarlo.</translation>
    </message>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Orbello.</source>
        <translation>Corvane Orbello è in esecuzione.
Chiudere Orbello prima di disinstallarlo.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Desktop&gt; folder.
Uninstall canceled.</source>
        <translation>Impossibile determinare la cartella &lt;Scrivania&gt;.
Disinstallazione annullata.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Start Menu&gt; folder.
Uninstall canceled.</source>
        <translation>Impossibile determinare la cartella &lt;Menu Start&gt;.
Disinstallazione annullata.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Impossibile aprire la chiave di registro &lt;Corvane\OB&gt;.
Disinstallazione annullata.</translation>
    </message>
    <message>
        <source>Couldn&apos;t get data from &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Impossibile leggere i dati della chiave di registro &lt;Corvane\OB&gt;.
Disinstallazione annullata.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane&gt; registry key.
Uninstall canceled.</source>
        <translation>Impossibile aprire la chiave di registro &lt;Corvane&gt;.
Disinstallazione annullata.</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Impossibile eliminare la chiave di registro &lt;Corvane\OB&gt;.
Disinstallazione annullata.</translation>
    </message>
    <message>
        <source>The folder of the installation holds no valid list of installed files (install.manifest), so it may not be an installation of Corvane Orbello, and nothing was deleted.
To remove an installation made by an older installer, install Corvane Orbello again and then uninstall it.
Uninstall canceled.</source>
        <translation>La cartella dell&apos;installazione non contiene un elenco valido dei file installati (install.manifest), quindi potrebbe non essere un&apos;installazione di Corvane Orbello; non è stato eliminato nulla.
Per rimuovere un&apos;installazione fatta da un programma di installazione precedente, installare di nuovo Corvane Orbello e poi disinstallarlo.
Disinstallazione annullata.</translation>
    </message>
    <message>
        <source>The uninstall in not finished! Do you really want to abort?</source>
        <translation>La disinstallazione non è terminata! Interromperla davvero?</translation>
    </message>
    <message>
        <source>%1 Uninstall</source>
        <translation>Disinstallare %1</translation>
    </message>
    <message>
        <source>Uninstall will now remove the software &quot;%1&quot; from your computer.  Please wait while each of the following components is removed.</source>
        <translation>Il programma «%1» verrà ora rimosso dal computer. Attendere la rimozione di ciascuno dei seguenti componenti.</translation>
    </message>
    <message>
        <source>Shortcut icons</source>
        <translation>Collegamenti</translation>
    </message>
    <message>
        <source>Program files, folders and directories</source>
        <translation>File e cartelle del programma</translation>
    </message>
    <message>
        <source>Registry Entries</source>
        <translation>Voci di registro</translation>
    </message>
    <message>
        <source>Uninstall compete.</source>
        <translation>Disinstallazione completata.</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Disinstalla</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>not yet removed</source>
        <translation>non ancora rimosso</translation>
    </message>
    <message>
        <source>being removed</source>
        <translation>rimozione in corso</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>rimosso</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
