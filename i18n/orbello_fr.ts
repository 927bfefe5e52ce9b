<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>About Orbello</source>
        <translation>À propos d&apos;Orbello</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>E-mail : </translation>
    </message>
    <message>
        <source>Orbello can&apos;t run this process</source>
        <translation>Orbello ne peut pas lancer cette opération</translation>
    </message>
    <message>
        <source>Web Site: </source>
        <translation>Site web : </translation>
    </message>
    <message>
        <source>Copyright © 2026 Corvane Software.</source>
        <translation>Copyright © 2026 Corvane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>Move the balls along free paths and build lines, squares or blocks of one colour: they vanish and score. Every move that removes nothing brings three new balls. The game ends when the board has no room for them.</source>
        <translation>Déplacez les billes par des chemins libres et formez des lignes, des carrés ou des blocs d&apos;une même couleur : ils disparaissent et rapportent des points. Chaque coup qui ne retire rien amène trois nouvelles billes. La partie se termine quand le plateau n&apos;a plus de place pour elles.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Orbello can&apos;t run help file</source>
        <translation>Orbello ne peut pas ouvrir l&apos;aide</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The best results for Lines</source>
        <translation>Meilleurs résultats en Lignes</translation>
    </message>
    <message>
        <source>The best results for Squares</source>
        <translation>Meilleurs résultats en Carrés</translation>
    </message>
    <message>
        <source>The best results for Blocks</source>
        <translation>Meilleurs résultats en Blocs</translation>
    </message>
    <message>
        <source>The best results</source>
        <translation>Meilleurs résultats</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type your name</source>
        <translation>Saisissez votre nom</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>no X11 display to open the window on (DISPLAY is not set)</source>
        <translation>aucun affichage X11 où ouvrir la fenêtre (DISPLAY n&apos;est pas défini)</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage X11 « %1 »</translation>
    </message>
    <message>
        <source>this Wayland session has no X11 display (DISPLAY is not set), so the window opens on Wayland: the compositor places it, draws it without its shape and does not let a second start raise it, and the help window stays open at the end. XWayland gives all of these back.</source>
        <translation>cette session Wayland n&apos;a pas d&apos;affichage X11 (DISPLAY n&apos;est pas défini), la fenêtre s&apos;ouvre donc sous Wayland : le compositeur la place, la dessine sans sa forme et ne permet pas à un second lancement de la mettre au premier plan, et la fenêtre d&apos;aide reste ouverte à la fin. XWayland rétablit tout cela.</translation>
    </message>
    <message>
        <source>This display shows %1 bits per pixel; its colour depth is not supported.</source>
        <translation>Cet affichage utilise %1 bits par pixel ; cette profondeur de couleur n&apos;est pas prise en charge.</translation>
    </message>
    <message>
        <source>Corvane Orbello needs a display of at least %1 bits per pixel.</source>
        <translation>Corvane Orbello a besoin d&apos;un affichage d&apos;au moins %1 bits par pixel.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct folder name was given.</source>
        <translation>%1
Dossier introuvable.
Vérifiez que le nom du dossier est correct.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>OB save files: (*.osf)</source>
        <translation>Parties Orbello enregistrées : (*.osf)</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Impossible d&apos;enregistrer la partie en cours.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Impossible de charger la partie choisie.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Carrés</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocs</translation>
    </message>
    <message>
        <source>Unable to load skin: [%1]</source>
        <translation>Impossible de charger le thème : [%1]</translation>
    </message>
    <message>
        <source>Congratulation!</source>
        <translation>Félicitations !</translation>
    </message>
    <message>
        <source>Begin new game?</source>
        <translation>Commencer une nouvelle partie ?</translation>
    </message>
    <message>
        <source>Game Over. Begin new game?</source>
        <translation>Partie terminée. Commencer une nouvelle partie ?</translation>
    </message>
    <message>
        <source>Internal Error. Application will be closed.</source>
        <translation>Erreur interne. Le programme va être fermé.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Erreur fatale</translation>
    </message>
    <message>
        <source>Can&apos;t create timer object</source>
        <translation>Impossible de créer le minuteur</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Attention !</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmer l&apos;action</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Can&apos;t read registry key.</source>
        <translation>Impossible de lire la clé de registre.</translation>
    </message>
    <message>
        <source>Can&apos;t read from registry.</source>
        <translation>Impossible de lire le registre.</translation>
    </message>
    <message>
        <source>Can&apos;t open registry key.</source>
        <translation>Impossible d&apos;ouvrir la clé de registre.</translation>
    </message>
    <message>
        <source>Can&apos;t write into registry.</source>
        <translation>Impossible d&apos;écrire dans le registre.</translation>
    </message>
    <message>
        <source>Can&apos;t read data from cvobhs.dat</source>
        <translation>Impossible de lire les données de cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t write data into cvobhs.dat</source>
        <translation>Impossible d&apos;écrire les données dans cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Impossible d&apos;enregistrer la partie en cours.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Impossible de charger la partie choisie.</translation>
    </message>
    <message>
        <source>You want to load another game without save current game ?</source>
        <translation>Voulez-vous charger une autre partie sans enregistrer la partie en cours ?</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Erreur fatale</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>couleur %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a ball colour</comment>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>%1: %2 ball, selected</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1 : bille %2, sélectionnée</translation>
    </message>
    <message>
        <source>%1: %2 ball</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1 : bille %2</translation>
    </message>
    <message>
        <source>%1: empty, %2 ball announced</source>
        <comment>a cell: its position, the colour of the ball to come</comment>
        <translation>%1 : vide, bille %2 annoncée</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <comment>a cell: its position</comment>
        <translation>%1 : vide</translation>
    </message>
    <message>
        <source>Squares</source>
        <comment>game type</comment>
        <translation>Carrés</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>game type</comment>
        <translation>Blocs</translation>
    </message>
    <message>
        <source>Lines</source>
        <comment>game type</comment>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>ends a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the balls of a colour: the colour, their cells</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>No balls.</source>
        <translation>Aucune bille.</translation>
    </message>
    <message>
        <source>Game loaded: %1, score %2.</source>
        <comment>the game type, the score</comment>
        <translation>Partie chargée : %1, score %2.</translation>
    </message>
    <message>
        <source>New game: %1.</source>
        <comment>the game type</comment>
        <translation>Nouvelle partie : %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n balls; B lists them.</source>
        <translation>
            <numerusform>%n bille ; B les énumère.</numerusform>
            <numerusform>%n billes ; B les énumère.</numerusform>
        </translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>Type de partie</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>command</comment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>New game: choose type</source>
        <comment>command</comment>
        <translation>Nouvelle partie : choisir le type</translation>
    </message>
    <message>
        <source>Load game</source>
        <comment>command</comment>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Save game</source>
        <comment>command</comment>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Best results</source>
        <comment>command</comment>
        <translation>Meilleurs résultats</translation>
    </message>
    <message>
        <source>Best results: choose type</source>
        <comment>command</comment>
        <translation>Meilleurs résultats : choisir le type</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>command</comment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>About</source>
        <comment>command</comment>
        <translation>À propos d&apos;Orbello</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>command</comment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>command</comment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Minimise</source>
        <comment>command</comment>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>command</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 ball %2 selected.</source>
        <comment>the colour, the cell</comment>
        <translation>Bille %1 en %2 sélectionnée.</translation>
    </message>
    <message>
        <source>No path.</source>
        <translation>Aucun chemin.</translation>
    </message>
    <message>
        <source>%1 ball %2 to %3.</source>
        <comment>the colour, the cell it left, the cell it reached</comment>
        <translation>Bille %1 de %2 à %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
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
            <numerusform>%n bille retirée</numerusform>
            <numerusform>%n billes retirées</numerusform>
        </translation>
    </message>
    <message>
        <source>One new ball</source>
        <translation>Une nouvelle bille</translation>
    </message>
    <message>
        <source>Two new balls</source>
        <translation>Deux nouvelles billes</translation>
    </message>
    <message>
        <source>Three new balls</source>
        <translation>Trois nouvelles billes</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a new ball: its colour, its cell</comment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>how many new balls, the balls</comment>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Partie terminée.</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>Champion %1</source>
        <translation>Record %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Temps %1</translation>
    </message>
    <message>
        <source>Game type %1</source>
        <translation>Type de partie %1</translation>
    </message>
    <message>
        <source>Next: hidden</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Prochaines billes : masquées</translation>
    </message>
    <message>
        <source>Next: none</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Prochaines billes : aucune</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Prochaines billes : %1</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Score %1.</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <comment>a row or column</comment>
        <translation>%1 : vide.</translation>
    </message>
    <message>
        <source>%1: %2; the rest empty.</source>
        <comment>a row or column, its cells</comment>
        <translation>%1 : %2 ; le reste est vide.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a row or column, its cells</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Score %1, champion %2, time %3.</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Score %1, record %2, temps %3.</translation>
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
        <translation>Bille choisie</translation>
    </message>
    <message>
        <source>Jump sound file</source>
        <translation>Fichier du son du saut</translation>
    </message>
    <message>
        <source>Play jump sound</source>
        <translation>Écouter le son du saut</translation>
    </message>
    <message>
        <source>Choose jump sound file</source>
        <translation>Choisir le fichier du son du saut</translation>
    </message>
    <message>
        <source>Destroyed ball</source>
        <translation>Bille retirée</translation>
    </message>
    <message>
        <source>Destroy sound file</source>
        <translation>Fichier du son du retrait</translation>
    </message>
    <message>
        <source>Play destroy sound</source>
        <translation>Écouter le son du retrait</translation>
    </message>
    <message>
        <source>Choose destroy sound file</source>
        <translation>Choisir le fichier du son du retrait</translation>
    </message>
    <message>
        <source>Moving ball</source>
        <translation>Bille en mouvement</translation>
    </message>
    <message>
        <source>Move sound file</source>
        <translation>Fichier du son du déplacement</translation>
    </message>
    <message>
        <source>Play move sound</source>
        <translation>Écouter le son du déplacement</translation>
    </message>
    <message>
        <source>Choose move sound file</source>
        <translation>Choisir le fichier du son du déplacement</translation>
    </message>
    <message>
        <source>Impossibility of the move</source>
        <translation>Coup impossible</translation>
    </message>
    <message>
        <source>No path sound file</source>
        <translation>Fichier du son « Aucun chemin »</translation>
    </message>
    <message>
        <source>Play no path sound</source>
        <translation>Écouter le son « Aucun chemin »</translation>
    </message>
    <message>
        <source>Choose no path sound file</source>
        <translation>Choisir le fichier du son « Aucun chemin »</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Saut</translation>
    </message>
    <message>
        <source>Destroy</source>
        <translation>Retrait</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparition</translation>
    </message>
    <message>
        <source>On the panel and board</source>
        <translation>Panneau et plateau</translation>
    </message>
    <message>
        <source>On the panel</source>
        <translation>Sur le panneau</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>Sur le plateau</translation>
    </message>
    <message>
        <source>Not show colors</source>
        <translation>Ne pas afficher</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Carrés</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocs</translation>
    </message>
    <message>
        <source>Orbello - Settings</source>
        <translation>Orbello – Paramètres</translation>
    </message>
    <message>
        <source> Next Colors </source>
        <translation> Prochaines billes </translation>
    </message>
    <message>
        <source> Default Game </source>
        <translation> Type de partie par défaut </translation>
    </message>
    <message>
        <source> Skin </source>
        <translation> Thème </translation>
    </message>
    <message>
        <source> Sounds </source>
        <translation> Sons </translation>
    </message>
    <message>
        <source> Delay at time </source>
        <translation> Délai </translation>
    </message>
    <message>
        <source>Skin file</source>
        <translation>Fichier de thème</translation>
    </message>
    <message>
        <source>Choose skin file</source>
        <translation>Choisir le fichier de thème</translation>
    </message>
    <message>
        <source>Show path</source>
        <translation>Afficher le chemin</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Choose of the skin</source>
        <translation>Choisir le thème</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Thèmes Orbello : (*.sf)</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>Sounds: (*.wav)</source>
        <translation>Sons : (*.wav)</translation>
    </message>
</context>
<context>
    <name>SkinCompiler</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>Compiler</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Bitmap files: (*.bmp)</source>
        <translation>Fichiers bitmap : (*.bmp)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Thèmes Orbello : (*.sf)</translation>
    </message>
    <message>
        <source>Could not create skin file</source>
        <translation>Impossible de créer le fichier de thème</translation>
    </message>
    <message>
        <source>Creator Skins for Orbello</source>
        <translation>Compilateur de thèmes pour Orbello</translation>
    </message>
    <message>
        <source>Select bitmap for board (36x36 pixels)</source>
        <translation>Choisir le bitmap du plateau (36x36 pixels)</translation>
    </message>
    <message>
        <source>Size of bitmap for board incorrect, must be 36x36 pixels</source>
        <translation>Taille du bitmap du plateau incorrecte : 36x36 pixels requis</translation>
    </message>
    <message>
        <source>Choose bitmap for board</source>
        <translation>Choisir le bitmap du plateau</translation>
    </message>
    <message>
        <source>Select bitmap for score (160x20 pixels)</source>
        <translation>Choisir le bitmap du score (160x20 pixels)</translation>
    </message>
    <message>
        <source>Size of bitmap for score incorrect, must be 160x20 pixels</source>
        <translation>Taille du bitmap du score incorrecte : 160x20 pixels requis</translation>
    </message>
    <message>
        <source>Choose bitmap for score</source>
        <translation>Choisir le bitmap du score</translation>
    </message>
    <message>
        <source>Select bitmap for balls (768x224 pixels)</source>
        <translation>Choisir le bitmap des billes (768x224 pixels)</translation>
    </message>
    <message>
        <source>Size of bitmap for balls incorrect, must be 768x224 pixels</source>
        <translation>Taille du bitmap des billes incorrecte : 768x224 pixels requis</translation>
    </message>
    <message>
        <source>Choose bitmap for balls</source>
        <translation>Choisir le bitmap des billes</translation>
    </message>
    <message>
        <source>Select bitmap for timer (99x11 pixels)</source>
        <translation>Choisir le bitmap du chronomètre (99x11 pixels)</translation>
    </message>
    <message>
        <source>Size of bitmap for timer incorrect, must be 99x11 pixels</source>
        <translation>Taille du bitmap du chronomètre incorrecte : 99x11 pixels requis</translation>
    </message>
    <message>
        <source>Choose bitmap for timer</source>
        <translation>Choisir le bitmap du chronomètre</translation>
    </message>
    <message>
        <source>Select bitmap for walk (128x32 pixels)</source>
        <translation>Choisir le bitmap du chemin (128x32 pixels)</translation>
    </message>
    <message>
        <source>Size of bitmap for walk incorrect, must be 128x32 pixels</source>
        <translation>Taille du bitmap du chemin incorrecte : 128x32 pixels requis</translation>
    </message>
    <message>
        <source>Choose bitmap for walk</source>
        <translation>Choisir le bitmap du chemin</translation>
    </message>
    <message>
        <source>Invalid graphic format (not bitmap)</source>
        <translation>Format d&apos;image non valide (pas un bitmap)</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Erreur fatale</translation>
    </message>
    <message>
        <source>Save skin file for Orbello</source>
        <translation>Enregistrer le fichier de thème pour Orbello</translation>
    </message>
    <message>
        <source>%1 can&apos;t run help file</source>
        <translation>%1 ne peut pas ouvrir l&apos;aide</translation>
    </message>
    <message>
        <source>File %1 saved</source>
        <translation>Fichier %1 enregistré</translation>
    </message>
    <message>
        <source>Congratulation</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>Could not open file: %1</source>
        <translation>Impossible d&apos;ouvrir le fichier : %1</translation>
    </message>
    <message>
        <source>Could not read from file: %1</source>
        <translation>Impossible de lire le fichier : %1</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Corvane Orbello.</source>
        <translation>Corvane Orbello est lancé.
Fermez Corvane Orbello avant de le désinstaller.</translation>
    </message>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Orbello.</source>
        <translation>Corvane Orbello est lancé.
Fermez Orbello avant de le désinstaller.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Desktop&gt; folder.
Uninstall canceled.</source>
        <translation>Impossible de déterminer le dossier &lt;Bureau&gt;.
Désinstallation annulée.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Start Menu&gt; folder.
Uninstall canceled.</source>
        <translation>Impossible de déterminer le dossier &lt;Menu Démarrer&gt;.
Désinstallation annulée.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Impossible d&apos;ouvrir la clé de registre &lt;Corvane\OB&gt;.
Désinstallation annulée.</translation>
    </message>
    <message>
        <source>Couldn&apos;t get data from &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Impossible de lire les données de la clé de registre &lt;Corvane\OB&gt;.
Désinstallation annulée.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane&gt; registry key.
Uninstall canceled.</source>
        <translation>Impossible d&apos;ouvrir la clé de registre &lt;Corvane&gt;.
Désinstallation annulée.</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Impossible de supprimer la clé de registre &lt;Corvane\OB&gt;.
Désinstallation annulée.</translation>
    </message>
    <message>
        <source>The folder of the installation holds no valid list of installed files (install.manifest), so it may not be an installation of Corvane Orbello, and nothing was deleted.
To remove an installation made by an older installer, install Corvane Orbello again and then uninstall it.
Uninstall canceled.</source>
        <translation>Le dossier d&apos;installation ne contient pas de liste valide des fichiers installés (install.manifest) : ce n&apos;est peut-être pas une installation de Corvane Orbello, et rien n&apos;a été supprimé.
Pour retirer une installation faite par un ancien programme d&apos;installation, installez de nouveau Corvane Orbello, puis désinstallez-le.
Désinstallation annulée.</translation>
    </message>
    <message>
        <source>The uninstall in not finished! Do you really want to abort?</source>
        <translation>La désinstallation n&apos;est pas terminée ! Voulez-vous vraiment l&apos;interrompre ?</translation>
    </message>
    <message>
        <source>%1 Uninstall</source>
        <translation>Désinstaller %1</translation>
    </message>
    <message>
        <source>Uninstall will now remove the software &quot;%1&quot; from your computer.  Please wait while each of the following components is removed.</source>
        <translation>Le logiciel « %1 » va être retiré de votre ordinateur. Patientez pendant la suppression de chacun des éléments suivants.</translation>
    </message>
    <message>
        <source>Shortcut icons</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Program files, folders and directories</source>
        <translation>Fichiers et dossiers du programme</translation>
    </message>
    <message>
        <source>Registry Entries</source>
        <translation>Entrées du registre</translation>
    </message>
    <message>
        <source>Uninstall compete.</source>
        <translation>Désinstallation terminée.</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Désinstaller</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>not yet removed</source>
        <translation>pas encore supprimé</translation>
    </message>
    <message>
        <source>being removed</source>
        <translation>suppression en cours</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>supprimé</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
