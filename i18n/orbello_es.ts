<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>About Orbello</source>
        <translation>Acerca de Orbello</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>Correo: </translation>
    </message>
    <message>
        <source>Orbello can&apos;t run this process</source>
        <translation>Orbello no puede iniciar este proceso</translation>
    </message>
    <message>
        <source>Web Site: </source>
        <translation>Sitio web: </translation>
    </message>
    <message>
        <source>Copyright © 2026 Corvane Software.</source>
        <translation>Copyright © 2026 Corvane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Move the balls along free paths and build lines, squares or blocks of one colour: they vanish and score. Every move that removes nothing brings three new balls. The game ends when the board has no room for them.</source>
        <translation>Mueva las bolas por caminos libres y forme líneas, cuadrados o bloques de un mismo color: desaparecen y suman puntos. Cada jugada que no elimina nada trae tres bolas nuevas. La partida termina cuando el tablero ya no tiene sitio para ellas.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Orbello can&apos;t run help file</source>
        <translation>Orbello no puede abrir la ayuda</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The best results for Lines</source>
        <translation>Mejores resultados en Líneas</translation>
    </message>
    <message>
        <source>The best results for Squares</source>
        <translation>Mejores resultados en Cuadrados</translation>
    </message>
    <message>
        <source>The best results for Blocks</source>
        <translation>Mejores resultados en Bloques</translation>
    </message>
    <message>
        <source>The best results</source>
        <translation>Mejores resultados</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Type your name</source>
        <translation>Escriba su nombre</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>no X11 display to open the window on (DISPLAY is not set)</source>
        <translation>no hay ninguna pantalla X11 en la que abrir la ventana (DISPLAY no está definida)</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;</source>
        <translation>no se puede abrir la pantalla X11 «%1»</translation>
    </message>
    <message>
        <source>this Wayland session has no X11 display (DISPLAY is not set), so the window opens on Wayland: the compositor places it, draws it without its shape and does not let a second start raise it, and the help window stays open at the end. XWayland gives all of these back.</source>
        <translation>esta sesión de Wayland no tiene pantalla X11 (DISPLAY no está definida), así que la ventana se abre en Wayland: el compositor la coloca, la dibuja sin su forma y no deja que un segundo inicio la traiga al frente, y la ventana de ayuda queda abierta al final. XWayland lo devuelve todo.</translation>
    </message>
    <message>
        <source>This display shows %1 bits per pixel; its colour depth is not supported.</source>
        <translation>Esta pantalla usa %1 bits por píxel; su profundidad de color no es compatible.</translation>
    </message>
    <message>
        <source>Corvane Orbello needs a display of at least %1 bits per pixel.</source>
        <translation>Corvane Orbello necesita una pantalla de al menos %1 bits por píxel.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct folder name was given.</source>
        <translation>%1
No se encontró la carpeta.
Compruebe que el nombre de la carpeta sea correcto.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>OB save files: (*.osf)</source>
        <translation>Partidas guardadas de Orbello: (*.osf)</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>No se puede guardar la partida actual.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>No se puede cargar la partida elegida.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Cuadrados</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloques</translation>
    </message>
    <message>
        <source>Unable to load skin: [%1]</source>
        <translation>No se puede cargar el tema: [%1]</translation>
    </message>
    <message>
        <source>Congratulation!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Begin new game?</source>
        <translation>¿Empezar una nueva partida?</translation>
    </message>
    <message>
        <source>Game Over. Begin new game?</source>
        <translation>Fin de la partida. ¿Empezar una nueva partida?</translation>
    </message>
    <message>
        <source>Internal Error. Application will be closed.</source>
        <translation>Error interno. El programa se cerrará.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Error grave</translation>
    </message>
    <message>
        <source>Can&apos;t create timer object</source>
        <translation>No se puede crear el temporizador</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>¡Atención!</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmar la acción</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Atención</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Can&apos;t read registry key.</source>
        <translation>No se puede leer la clave del registro.</translation>
    </message>
    <message>
        <source>Can&apos;t read from registry.</source>
        <translation>No se puede leer del registro.</translation>
    </message>
    <message>
        <source>Can&apos;t open registry key.</source>
        <translation>No se puede abrir la clave del registro.</translation>
    </message>
    <message>
        <source>Can&apos;t write into registry.</source>
        <translation>No se puede escribir en el registro.</translation>
    </message>
    <message>
        <source>Can&apos;t read data from cvobhs.dat</source>
        <translation>No se pueden leer los datos de cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t write data into cvobhs.dat</source>
        <translation>No se pueden escribir los datos en cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>No se puede guardar la partida actual.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>No se puede cargar la partida elegida.</translation>
    </message>
    <message>
        <source>You want to load another game without save current game ?</source>
        <translation>¿Cargar otra partida sin guardar la actual?</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Error grave</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>color %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a ball colour</comment>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>%1: %2 ball, selected</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: bola %2, seleccionada</translation>
    </message>
    <message>
        <source>%1: %2 ball</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: bola %2</translation>
    </message>
    <message>
        <source>%1: empty, %2 ball announced</source>
        <comment>a cell: its position, the colour of the ball to come</comment>
        <translation>%1: vacía, bola %2 anunciada</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <comment>a cell: its position</comment>
        <translation>%1: vacía</translation>
    </message>
    <message>
        <source>Squares</source>
        <comment>game type</comment>
        <translation>Cuadrados</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>game type</comment>
        <translation>Bloques</translation>
    </message>
    <message>
        <source>Lines</source>
        <comment>game type</comment>
        <translation>Líneas</translation>
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
        <translation>No hay bolas.</translation>
    </message>
    <message>
        <source>Game loaded: %1, score %2.</source>
        <comment>the game type, the score</comment>
        <translation>Partida cargada: %1, puntuación %2.</translation>
    </message>
    <message>
        <source>New game: %1.</source>
        <comment>the game type</comment>
        <translation>Nueva partida: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n balls; B lists them.</source>
        <translation>
            <numerusform>%n bola; B las enumera.</numerusform>
            <numerusform>%n bolas; B las enumera.</numerusform>
        </translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>Tipo de partida</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>command</comment>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>New game: choose type</source>
        <comment>command</comment>
        <translation>Nueva partida: elegir tipo</translation>
    </message>
    <message>
        <source>Load game</source>
        <comment>command</comment>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Save game</source>
        <comment>command</comment>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Best results</source>
        <comment>command</comment>
        <translation>Mejores resultados</translation>
    </message>
    <message>
        <source>Best results: choose type</source>
        <comment>command</comment>
        <translation>Mejores resultados: elegir tipo</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>command</comment>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>About</source>
        <comment>command</comment>
        <translation>Acerca de Orbello</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>command</comment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>command</comment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Minimise</source>
        <comment>command</comment>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>command</comment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 ball %2 selected.</source>
        <comment>the colour, the cell</comment>
        <translation>Bola %1 en %2 seleccionada.</translation>
    </message>
    <message>
        <source>No path.</source>
        <translation>No hay camino.</translation>
    </message>
    <message>
        <source>%1 ball %2 to %3.</source>
        <comment>the colour, the cell it left, the cell it reached</comment>
        <translation>Bola %1 de %2 a %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n puntos</numerusform>
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
            <numerusform>%n bola eliminada</numerusform>
            <numerusform>%n bolas eliminadas</numerusform>
        </translation>
    </message>
    <message>
        <source>One new ball</source>
        <translation>Una bola nueva</translation>
    </message>
    <message>
        <source>Two new balls</source>
        <translation>Dos bolas nuevas</translation>
    </message>
    <message>
        <source>Three new balls</source>
        <translation>Tres bolas nuevas</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a new ball: its colour, its cell</comment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>how many new balls, the balls</comment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Fin de la partida.</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Puntuación %1</translation>
    </message>
    <message>
        <source>Champion %1</source>
        <translation>Récord %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Tiempo %1</translation>
    </message>
    <message>
        <source>Game type %1</source>
        <translation>Tipo de partida %1</translation>
    </message>
    <message>
        <source>Next: hidden</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Próximas bolas: ocultas</translation>
    </message>
    <message>
        <source>Next: none</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Próximas bolas: ninguna</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Próximas bolas: %1</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Puntuación %1.</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <comment>a row or column</comment>
        <translation>%1: vacía.</translation>
    </message>
    <message>
        <source>%1: %2; the rest empty.</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2; el resto, vacío.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Score %1, champion %2, time %3.</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Puntuación %1, récord %2, tiempo %3.</translation>
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
        <translation>Bola elegida</translation>
    </message>
    <message>
        <source>Jump sound file</source>
        <translation>Archivo del sonido del salto</translation>
    </message>
    <message>
        <source>Play jump sound</source>
        <translation>Reproducir el sonido del salto</translation>
    </message>
    <message>
        <source>Choose jump sound file</source>
        <translation>Elegir el archivo del sonido del salto</translation>
    </message>
    <message>
        <source>Destroyed ball</source>
        <translation>Bola eliminada</translation>
    </message>
    <message>
        <source>Destroy sound file</source>
        <translation>Archivo del sonido de eliminación</translation>
    </message>
    <message>
        <source>Play destroy sound</source>
        <translation>Reproducir el sonido de eliminación</translation>
    </message>
    <message>
        <source>Choose destroy sound file</source>
        <translation>Elegir el archivo del sonido de eliminación</translation>
    </message>
    <message>
        <source>Moving ball</source>
        <translation>Bola en movimiento</translation>
    </message>
    <message>
        <source>Move sound file</source>
        <translation>Archivo del sonido de movimiento</translation>
    </message>
    <message>
        <source>Play move sound</source>
        <translation>Reproducir el sonido de movimiento</translation>
    </message>
    <message>
        <source>Choose move sound file</source>
        <translation>Elegir el archivo del sonido de movimiento</translation>
    </message>
    <message>
        <source>Impossibility of the move</source>
        <translation>Jugada imposible</translation>
    </message>
    <message>
        <source>No path sound file</source>
        <translation>Archivo del sonido «No hay camino»</translation>
    </message>
    <message>
        <source>Play no path sound</source>
        <translation>Reproducir el sonido «No hay camino»</translation>
    </message>
    <message>
        <source>Choose no path sound file</source>
        <translation>Elegir el archivo del sonido «No hay camino»</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>Destroy</source>
        <translation>Eliminación</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparición</translation>
    </message>
    <message>
        <source>On the panel and board</source>
        <translation>Panel y tablero</translation>
    </message>
    <message>
        <source>On the panel</source>
        <translation>En el panel</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>En el tablero</translation>
    </message>
    <message>
        <source>Not show colors</source>
        <translation>No mostrar</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Cuadrados</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloques</translation>
    </message>
    <message>
        <source>Orbello - Settings</source>
        <translation>Orbello - Configuración</translation>
    </message>
    <message>
        <source> Next Colors </source>
        <translation> Próximas bolas </translation>
    </message>
    <message>
        <source> Default Game </source>
        <translation> Tipo de partida predeterminado </translation>
    </message>
    <message>
        <source> Skin </source>
        <translation> Tema </translation>
    </message>
    <message>
        <source> Sounds </source>
        <translation> Sonidos </translation>
    </message>
    <message>
        <source> Delay at time </source>
        <translation> Retardo </translation>
    </message>
    <message>
        <source>Skin file</source>
        <translation>Archivo de tema</translation>
    </message>
    <message>
        <source>Choose skin file</source>
        <translation>Elegir archivo de tema</translation>
    </message>
    <message>
        <source>Show path</source>
        <translation>Mostrar camino</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose of the skin</source>
        <translation>Elegir el tema</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Temas de Orbello: (*.sf)</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Elegir archivo</translation>
    </message>
    <message>
        <source>Sounds: (*.wav)</source>
        <translation>Sonidos: (*.wav)</translation>
    </message>
</context>
<context>
    <name>SkinCompiler</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>Compilar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Bitmap files: (*.bmp)</source>
        <translation>Archivos de mapa de bits: (*.bmp)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Temas de Orbello: (*.sf)</translation>
    </message>
    <message>
        <source>Could not create skin file</source>
        <translation>No se pudo crear el archivo de tema</translation>
    </message>
    <message>
        <source>Creator Skins for Orbello</source>
        <translation>Compilador de temas para Orbello</translation>
    </message>
    <message>
        <source>Select bitmap for board (36x36 pixels)</source>
        <translation>Elegir mapa de bits para tablero (36x36 píxeles)</translation>
    </message>
    <message>
        <source>Size of bitmap for board incorrect, must be 36x36 pixels</source>
        <translation>Tamaño del mapa de bits para tablero incorrecto: debe ser de 36x36 píxeles</translation>
    </message>
    <message>
        <source>Choose bitmap for board</source>
        <translation>Elegir mapa de bits para tablero</translation>
    </message>
    <message>
        <source>Select bitmap for score (160x20 pixels)</source>
        <translation>Elegir mapa de bits para puntuación (160x20 píxeles)</translation>
    </message>
    <message>
        <source>Size of bitmap for score incorrect, must be 160x20 pixels</source>
        <translation>Tamaño del mapa de bits para puntuación incorrecto: debe ser de 160x20 píxeles</translation>
    </message>
    <message>
        <source>Choose bitmap for score</source>
        <translation>Elegir mapa de bits para puntuación</translation>
    </message>
    <message>
        <source>Select bitmap for balls (768x224 pixels)</source>
        <translation>Elegir mapa de bits para bolas (768x224 píxeles)</translation>
    </message>
    <message>
        <source>Size of bitmap for balls incorrect, must be 768x224 pixels</source>
        <translation>Tamaño del mapa de bits para bolas incorrecto: debe ser de 768x224 píxeles</translation>
    </message>
    <message>
        <source>Choose bitmap for balls</source>
        <translation>Elegir mapa de bits para bolas</translation>
    </message>
    <message>
        <source>Select bitmap for timer (99x11 pixels)</source>
        <translation>Elegir mapa de bits para reloj (99x11 píxeles)</translation>
    </message>
    <message>
        <source>Size of bitmap for timer incorrect, must be 99x11 pixels</source>
        <translation>Tamaño del mapa de bits para reloj incorrecto: debe ser de 99x11 píxeles</translation>
    </message>
    <message>
        <source>Choose bitmap for timer</source>
        <translation>Elegir mapa de bits para reloj</translation>
    </message>
    <message>
        <source>Select bitmap for walk (128x32 pixels)</source>
        <translation>Elegir mapa de bits para camino (128x32 píxeles)</translation>
    </message>
    <message>
        <source>Size of bitmap for walk incorrect, must be 128x32 pixels</source>
        <translation>Tamaño del mapa de bits para camino incorrecto: debe ser de 128x32 píxeles</translation>
    </message>
    <message>
        <source>Choose bitmap for walk</source>
        <translation>Elegir mapa de bits para camino</translation>
    </message>
    <message>
        <source>Invalid graphic format (not bitmap)</source>
        <translation>Formato de imagen no válido (no es un mapa de bits)</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Error grave</translation>
    </message>
    <message>
        <source>Save skin file for Orbello</source>
        <translation>Guardar archivo de tema para Orbello</translation>
    </message>
    <message>
        <source>%1 can&apos;t run help file</source>
        <translation>%1 no puede abrir la ayuda</translation>
    </message>
    <message>
        <source>File %1 saved</source>
        <translation>Archivo %1 guardado</translation>
    </message>
    <message>
        <source>Congratulation</source>
        <translation>Enhorabuena</translation>
    </message>
    <message>
        <source>Could not open file: %1</source>
        <translation>No se pudo abrir el archivo: %1</translation>
    </message>
    <message>
        <source>Could not read from file: %1</source>
        <translation>No se pudo leer el archivo: %1</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Corvane Orbello.</source>
        <translation>Corvane Orbello está en ejecución.
Cierre Corvane Orbello antes de desinstalarlo.</translation>
    </message>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Orbello.</source>
        <translation>Corvane Orbello está en ejecución.
Cierre Orbello antes de desinstalarlo.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Desktop&gt; folder.
Uninstall canceled.</source>
        <translation>No se puede determinar la carpeta &lt;Escritorio&gt;.
Desinstalación cancelada.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Start Menu&gt; folder.
Uninstall canceled.</source>
        <translation>No se puede determinar la carpeta &lt;Menú Inicio&gt;.
Desinstalación cancelada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>No se pudo abrir la clave del registro &lt;Corvane\OB&gt;.
Desinstalación cancelada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t get data from &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>No se pudieron leer los datos de la clave del registro &lt;Corvane\OB&gt;.
Desinstalación cancelada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane&gt; registry key.
Uninstall canceled.</source>
        <translation>No se pudo abrir la clave del registro &lt;Corvane&gt;.
Desinstalación cancelada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>No se pudo eliminar la clave del registro &lt;Corvane\OB&gt;.
Desinstalación cancelada.</translation>
    </message>
    <message>
        <source>The folder of the installation holds no valid list of installed files (install.manifest), so it may not be an installation of Corvane Orbello, and nothing was deleted.
To remove an installation made by an older installer, install Corvane Orbello again and then uninstall it.
Uninstall canceled.</source>
        <translation>La carpeta de la instalación no contiene una lista válida de archivos instalados (install.manifest), así que puede que no sea una instalación de Corvane Orbello; no se eliminó nada.
Para quitar una instalación hecha por un instalador anterior, instale de nuevo Corvane Orbello y luego desinstálelo.
Desinstalación cancelada.</translation>
    </message>
    <message>
        <source>The uninstall in not finished! Do you really want to abort?</source>
        <translation>¡La desinstalación no ha terminado! ¿Desea realmente interrumpirla?</translation>
    </message>
    <message>
        <source>%1 Uninstall</source>
        <translation>Desinstalar %1</translation>
    </message>
    <message>
        <source>Uninstall will now remove the software &quot;%1&quot; from your computer.  Please wait while each of the following components is removed.</source>
        <translation>Se va a quitar el programa «%1» de su equipo. Espere mientras se elimina cada uno de los siguientes componentes.</translation>
    </message>
    <message>
        <source>Shortcut icons</source>
        <translation>Accesos directos</translation>
    </message>
    <message>
        <source>Program files, folders and directories</source>
        <translation>Archivos y carpetas del programa</translation>
    </message>
    <message>
        <source>Registry Entries</source>
        <translation>Entradas del registro</translation>
    </message>
    <message>
        <source>Uninstall compete.</source>
        <translation>Desinstalación completada.</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Desinstalar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>not yet removed</source>
        <translation>aún no eliminado</translation>
    </message>
    <message>
        <source>being removed</source>
        <translation>eliminándose</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>eliminado</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
</TS>
