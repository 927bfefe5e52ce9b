<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>About</name>
    <message>
        <source>About Orbello</source>
        <translation>O programie Orbello</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>E-mail: </translation>
    </message>
    <message>
        <source>Orbello can&apos;t run this process</source>
        <translation>Orbello nie może uruchomić tej operacji</translation>
    </message>
    <message>
        <source>Web Site: </source>
        <translation>Strona: </translation>
    </message>
    <message>
        <source>Copyright © 2026 Corvane Software.</source>
        <translation>Copyright © 2026 Corvane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Move the balls along free paths and build lines, squares or blocks of one colour: they vanish and score. Every move that removes nothing brings three new balls. The game ends when the board has no room for them.</source>
        <translation>Kule przesuwa się po wolnych ścieżkach, układając linie, kwadraty lub bloki jednego koloru: znikają one i dają punkty. Każdy ruch, który niczego nie usuwa, przynosi trzy nowe kule. Gra kończy się, gdy na planszy zabraknie dla nich miejsca.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Orbello can&apos;t run help file</source>
        <translation>Orbello nie może otworzyć pomocy</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The best results for Lines</source>
        <translation>Najlepsze wyniki – Linie</translation>
    </message>
    <message>
        <source>The best results for Squares</source>
        <translation>Najlepsze wyniki – Kwadraty</translation>
    </message>
    <message>
        <source>The best results for Blocks</source>
        <translation>Najlepsze wyniki – Bloki</translation>
    </message>
    <message>
        <source>The best results</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type your name</source>
        <translation>Imię gracza</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>no X11 display to open the window on (DISPLAY is not set)</source>
        <translation>brak ekranu X11, na którym można otworzyć okno (zmienna DISPLAY nie jest ustawiona)</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;</source>
        <translation>nie można otworzyć ekranu X11 „%1”</translation>
    </message>
    <message>
        <source>this Wayland session has no X11 display (DISPLAY is not set), so the window opens on Wayland: the compositor places it, draws it without its shape and does not let a second start raise it, and the help window stays open at the end. XWayland gives all of these back.</source>
        <translation>ta sesja Wayland nie ma ekranu X11 (zmienna DISPLAY nie jest ustawiona), więc okno otwiera się w Wayland: kompozytor sam je umieszcza, rysuje je bez jego kształtu i nie pozwala, by ponowne uruchomienie wysunęło je na wierzch, a okno pomocy pozostaje otwarte na końcu. XWayland przywraca to wszystko.</translation>
    </message>
    <message>
        <source>This display shows %1 bits per pixel; its colour depth is not supported.</source>
        <translation>Ten ekran ma %1 bitów na piksel; ta głębia kolorów nie jest obsługiwana.</translation>
    </message>
    <message>
        <source>Corvane Orbello needs a display of at least %1 bits per pixel.</source>
        <translation>Corvane Orbello wymaga ekranu o co najmniej %1 bitach na piksel.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct folder name was given.</source>
        <translation>%1
Nie znaleziono folderu.
Należy sprawdzić, czy nazwa folderu jest poprawna.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>OB save files: (*.osf)</source>
        <translation>Zapisane gry Orbello: (*.osf)</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Wczytaj grę</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Nie można zapisać bieżącej gry.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Nie można wczytać wybranej gry.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Lines</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Kwadraty</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloki</translation>
    </message>
    <message>
        <source>Unable to load skin: [%1]</source>
        <translation>Nie można wczytać motywu: [%1]</translation>
    </message>
    <message>
        <source>Congratulation!</source>
        <translation>Gratulacje!</translation>
    </message>
    <message>
        <source>Begin new game?</source>
        <translation>Rozpocząć nową grę?</translation>
    </message>
    <message>
        <source>Game Over. Begin new game?</source>
        <translation>Koniec gry. Rozpocząć nową grę?</translation>
    </message>
    <message>
        <source>Internal Error. Application will be closed.</source>
        <translation>Błąd wewnętrzny. Program zostanie zamknięty.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Błąd krytyczny</translation>
    </message>
    <message>
        <source>Can&apos;t create timer object</source>
        <translation>Nie można utworzyć zegara</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Uwaga!</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Potwierdzenie działania</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uwaga</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Can&apos;t read registry key.</source>
        <translation>Nie można odczytać klucza rejestru.</translation>
    </message>
    <message>
        <source>Can&apos;t read from registry.</source>
        <translation>Nie można odczytać danych z rejestru.</translation>
    </message>
    <message>
        <source>Can&apos;t open registry key.</source>
        <translation>Nie można otworzyć klucza rejestru.</translation>
    </message>
    <message>
        <source>Can&apos;t write into registry.</source>
        <translation>Nie można zapisać danych w rejestrze.</translation>
    </message>
    <message>
        <source>Can&apos;t read data from cvobhs.dat</source>
        <translation>Nie można odczytać danych z cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t write data into cvobhs.dat</source>
        <translation>Nie można zapisać danych w cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Nie można zapisać bieżącej gry.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Nie można wczytać wybranej gry.</translation>
    </message>
    <message>
        <source>You want to load another game without save current game ?</source>
        <translation>Wczytać inną grę bez zapisywania bieżącej?</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Błąd krytyczny</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>kolor %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a ball colour</comment>
        <translation>nieznana</translation>
    </message>
    <message>
        <source>%1: %2 ball, selected</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: %2 kula, zaznaczona</translation>
    </message>
    <message>
        <source>%1: %2 ball</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: %2 kula</translation>
    </message>
    <message>
        <source>%1: empty, %2 ball announced</source>
        <comment>a cell: its position, the colour of the ball to come</comment>
        <translation>%1: puste, zapowiedziana %2 kula</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <comment>a cell: its position</comment>
        <translation>%1: puste</translation>
    </message>
    <message>
        <source>Squares</source>
        <comment>game type</comment>
        <translation>Kwadraty</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>game type</comment>
        <translation>Bloki</translation>
    </message>
    <message>
        <source>Lines</source>
        <comment>game type</comment>
        <translation>Linie</translation>
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
        <translation>Brak kul.</translation>
    </message>
    <message>
        <source>Game loaded: %1, score %2.</source>
        <comment>the game type, the score</comment>
        <translation>Wczytano grę: %1, wynik %2.</translation>
    </message>
    <message>
        <source>New game: %1.</source>
        <comment>the game type</comment>
        <translation>Nowa gra: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n balls; B lists them.</source>
        <translation>
            <numerusform>%n kula; B je wymienia.</numerusform>
            <numerusform>%n kule; B je wymienia.</numerusform>
            <numerusform>%n kul; B je wymienia.</numerusform>
        </translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>Rodzaj gry</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>command</comment>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>New game: choose type</source>
        <comment>command</comment>
        <translation>Nowa gra: wybór rodzaju</translation>
    </message>
    <message>
        <source>Load game</source>
        <comment>command</comment>
        <translation>Wczytaj grę</translation>
    </message>
    <message>
        <source>Save game</source>
        <comment>command</comment>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>Best results</source>
        <comment>command</comment>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Best results: choose type</source>
        <comment>command</comment>
        <translation>Najlepsze wyniki: wybór rodzaju</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>command</comment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>About</source>
        <comment>command</comment>
        <translation>O programie Orbello</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>command</comment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>command</comment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Minimise</source>
        <comment>command</comment>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>command</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 ball %2 selected.</source>
        <comment>the colour, the cell</comment>
        <translation>%1 kula %2 zaznaczona.</translation>
    </message>
    <message>
        <source>No path.</source>
        <translation>Brak ścieżki.</translation>
    </message>
    <message>
        <source>%1 ball %2 to %3.</source>
        <comment>the colour, the cell it left, the cell it reached</comment>
        <translation>%1 kula z %2 na %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n punkt</numerusform>
            <numerusform>%n punkty</numerusform>
            <numerusform>%n punktów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punkt</numerusform>
            <numerusform>%n punkty</numerusform>
            <numerusform>%n punktów</numerusform>
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
            <numerusform>%n kula usunięta</numerusform>
            <numerusform>%n kule usunięte</numerusform>
            <numerusform>%n kul usuniętych</numerusform>
        </translation>
    </message>
    <message>
        <source>One new ball</source>
        <translation>Jedna nowa kula</translation>
    </message>
    <message>
        <source>Two new balls</source>
        <translation>Dwie nowe kule</translation>
    </message>
    <message>
        <source>Three new balls</source>
        <translation>Trzy nowe kule</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a new ball: its colour, its cell</comment>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>how many new balls, the balls</comment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Koniec gry.</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Wynik %1</translation>
    </message>
    <message>
        <source>Champion %1</source>
        <translation>Rekord %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Czas %1</translation>
    </message>
    <message>
        <source>Game type %1</source>
        <translation>Rodzaj gry %1</translation>
    </message>
    <message>
        <source>Next: hidden</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Następne kule: ukryte</translation>
    </message>
    <message>
        <source>Next: none</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Następne kule: brak</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Następne kule: %1</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Wynik %1.</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <comment>a row or column</comment>
        <translation>%1: brak kul.</translation>
    </message>
    <message>
        <source>%1: %2; the rest empty.</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2; reszta pusta.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>Score %1, champion %2, time %3.</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Wynik %1, rekord %2, czas %3.</translation>
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
        <translation>Wybrana kula</translation>
    </message>
    <message>
        <source>Jump sound file</source>
        <translation>Plik dźwięku podskoku</translation>
    </message>
    <message>
        <source>Play jump sound</source>
        <translation>Odtwórz dźwięk podskoku</translation>
    </message>
    <message>
        <source>Choose jump sound file</source>
        <translation>Wybierz plik dźwięku podskoku</translation>
    </message>
    <message>
        <source>Destroyed ball</source>
        <translation>Usunięta kula</translation>
    </message>
    <message>
        <source>Destroy sound file</source>
        <translation>Plik dźwięku usuwania</translation>
    </message>
    <message>
        <source>Play destroy sound</source>
        <translation>Odtwórz dźwięk usuwania</translation>
    </message>
    <message>
        <source>Choose destroy sound file</source>
        <translation>Wybierz plik dźwięku usuwania</translation>
    </message>
    <message>
        <source>Moving ball</source>
        <translation>Ruch kuli</translation>
    </message>
    <message>
        <source>Move sound file</source>
        <translation>Plik dźwięku ruchu</translation>
    </message>
    <message>
        <source>Play move sound</source>
        <translation>Odtwórz dźwięk ruchu</translation>
    </message>
    <message>
        <source>Choose move sound file</source>
        <translation>Wybierz plik dźwięku ruchu</translation>
    </message>
    <message>
        <source>Impossibility of the move</source>
        <translation>Ruch niemożliwy</translation>
    </message>
    <message>
        <source>No path sound file</source>
        <translation>Plik dźwięku „Brak ścieżki”</translation>
    </message>
    <message>
        <source>Play no path sound</source>
        <translation>Odtwórz dźwięk „Brak ścieżki”</translation>
    </message>
    <message>
        <source>Choose no path sound file</source>
        <translation>Wybierz plik dźwięku „Brak ścieżki”</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Podskok</translation>
    </message>
    <message>
        <source>Destroy</source>
        <translation>Usuwanie</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Ruch</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Pojawienie</translation>
    </message>
    <message>
        <source>On the panel and board</source>
        <translation>Na panelu i planszy</translation>
    </message>
    <message>
        <source>On the panel</source>
        <translation>Na panelu</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>Na planszy</translation>
    </message>
    <message>
        <source>Not show colors</source>
        <translation>Nie pokazuj</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Kwadraty</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloki</translation>
    </message>
    <message>
        <source>Orbello - Settings</source>
        <translation>Orbello – Ustawienia</translation>
    </message>
    <message>
        <source> Next Colors </source>
        <translation> Następne kule </translation>
    </message>
    <message>
        <source> Default Game </source>
        <translation> Domyślny rodzaj gry </translation>
    </message>
    <message>
        <source> Skin </source>
        <translation> Motyw </translation>
    </message>
    <message>
        <source> Sounds </source>
        <translation> Dźwięki </translation>
    </message>
    <message>
        <source> Delay at time </source>
        <translation> Opóźnienie </translation>
    </message>
    <message>
        <source>Skin file</source>
        <translation>Plik motywu</translation>
    </message>
    <message>
        <source>Choose skin file</source>
        <translation>Wybierz plik motywu</translation>
    </message>
    <message>
        <source>Show path</source>
        <translation>Pokaż ścieżkę</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Choose of the skin</source>
        <translation>Wybierz motyw</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Motywy Orbello: (*.sf)</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Wybierz plik</translation>
    </message>
    <message>
        <source>Sounds: (*.wav)</source>
        <translation>Dźwięki: (*.wav)</translation>
    </message>
</context>
<context>
    <name>SkinCompiler</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>Kompiluj</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Bitmap files: (*.bmp)</source>
        <translation>Pliki bitmap: (*.bmp)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Motywy Orbello: (*.sf)</translation>
    </message>
    <message>
        <source>Could not create skin file</source>
        <translation>Nie można utworzyć pliku motywu</translation>
    </message>
    <message>
        <source>Creator Skins for Orbello</source>
        <translation>Kompilator motywów Orbello</translation>
    </message>
    <message>
        <source>Select bitmap for board (36x36 pixels)</source>
        <translation>Wybierz bitmapę planszy (36x36 pikseli)</translation>
    </message>
    <message>
        <source>Size of bitmap for board incorrect, must be 36x36 pixels</source>
        <translation>Nieprawidłowy rozmiar bitmapy planszy: wymagane 36x36 pikseli</translation>
    </message>
    <message>
        <source>Choose bitmap for board</source>
        <translation>Wybierz bitmapę planszy</translation>
    </message>
    <message>
        <source>Select bitmap for score (160x20 pixels)</source>
        <translation>Wybierz bitmapę wyniku (160x20 pikseli)</translation>
    </message>
    <message>
        <source>Size of bitmap for score incorrect, must be 160x20 pixels</source>
        <translation>Nieprawidłowy rozmiar bitmapy wyniku: wymagane 160x20 pikseli</translation>
    </message>
    <message>
        <source>Choose bitmap for score</source>
        <translation>Wybierz bitmapę wyniku</translation>
    </message>
    <message>
        <source>Select bitmap for balls (768x224 pixels)</source>
        <translation>Wybierz bitmapę kul (768x224 pikseli)</translation>
    </message>
    <message>
        <source>Size of bitmap for balls incorrect, must be 768x224 pixels</source>
        <translation>Nieprawidłowy rozmiar bitmapy kul: wymagane 768x224 pikseli</translation>
    </message>
    <message>
        <source>Choose bitmap for balls</source>
        <translation>Wybierz bitmapę kul</translation>
    </message>
    <message>
        <source>Select bitmap for timer (99x11 pixels)</source>
        <translation>Wybierz bitmapę zegara (99x11 pikseli)</translation>
    </message>
    <message>
        <source>Size of bitmap for timer incorrect, must be 99x11 pixels</source>
        <translation>Nieprawidłowy rozmiar bitmapy zegara: wymagane 99x11 pikseli</translation>
    </message>
    <message>
        <source>Choose bitmap for timer</source>
        <translation>Wybierz bitmapę zegara</translation>
    </message>
    <message>
        <source>Select bitmap for walk (128x32 pixels)</source>
        <translation>Wybierz bitmapę ścieżki (128x32 pikseli)</translation>
    </message>
    <message>
        <source>Size of bitmap for walk incorrect, must be 128x32 pixels</source>
        <translation>Nieprawidłowy rozmiar bitmapy ścieżki: wymagane 128x32 pikseli</translation>
    </message>
    <message>
        <source>Choose bitmap for walk</source>
        <translation>Wybierz bitmapę ścieżki</translation>
    </message>
    <message>
        <source>Invalid graphic format (not bitmap)</source>
        <translation>Nieprawidłowy format obrazu (to nie bitmapa)</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Błąd krytyczny</translation>
    </message>
    <message>
        <source>Save skin file for Orbello</source>
        <translation>Zapisz plik motywu Orbello</translation>
    </message>
    <message>
        <source>%1 can&apos;t run help file</source>
        <translation>%1 nie może otworzyć pomocy</translation>
    </message>
    <message>
        <source>File %1 saved</source>
        <translation>Zapisano plik %1</translation>
    </message>
    <message>
        <source>Congratulation</source>
        <translation>Gratulacje</translation>
    </message>
    <message>
        <source>Could not open file: %1</source>
        <translation>Nie można otworzyć pliku: %1</translation>
    </message>
    <message>
        <source>Could not read from file: %1</source>
        <translation>Nie można odczytać pliku: %1</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Corvane Orbello.</source>
        <translation>Corvane Orbello jest uruchomiony.
Przed odinstalowaniem należy zamknąć Corvane Orbello.</translation>
    </message>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Orbello.</source>
        <translation>Corvane Orbello jest uruchomiony.
Przed odinstalowaniem należy zamknąć Orbello.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Desktop&gt; folder.
Uninstall canceled.</source>
        <translation>Nie można ustalić folderu &lt;Pulpit&gt;.
Odinstalowanie anulowane.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Start Menu&gt; folder.
Uninstall canceled.</source>
        <translation>Nie można ustalić folderu &lt;Menu Start&gt;.
Odinstalowanie anulowane.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Nie można otworzyć klucza rejestru &lt;Corvane\OB&gt;.
Odinstalowanie anulowane.</translation>
    </message>
    <message>
        <source>Couldn&apos;t get data from &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Nie można odczytać danych z klucza rejestru &lt;Corvane\OB&gt;.
Odinstalowanie anulowane.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane&gt; registry key.
Uninstall canceled.</source>
        <translation>Nie można otworzyć klucza rejestru &lt;Corvane&gt;.
Odinstalowanie anulowane.</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Nie można usunąć klucza rejestru &lt;Corvane\OB&gt;.
Odinstalowanie anulowane.</translation>
    </message>
    <message>
        <source>The folder of the installation holds no valid list of installed files (install.manifest), so it may not be an installation of Corvane Orbello, and nothing was deleted.
To remove an installation made by an older installer, install Corvane Orbello again and then uninstall it.
Uninstall canceled.</source>
        <translation>Folder instalacji nie zawiera poprawnej listy zainstalowanych plików (install.manifest), więc może nie być instalacją Corvane Orbello; niczego nie usunięto.
Aby usunąć instalację wykonaną starszym instalatorem, należy ponownie zainstalować Corvane Orbello, a następnie go odinstalować.
Odinstalowanie anulowane.</translation>
    </message>
    <message>
        <source>The uninstall in not finished! Do you really want to abort?</source>
        <translation>Odinstalowanie nie zostało zakończone! Czy na pewno przerwać?</translation>
    </message>
    <message>
        <source>%1 Uninstall</source>
        <translation>Odinstaluj %1</translation>
    </message>
    <message>
        <source>Uninstall will now remove the software &quot;%1&quot; from your computer.  Please wait while each of the following components is removed.</source>
        <translation>Program „%1” zostanie teraz usunięty z komputera. Proszę czekać na usunięcie każdego z poniższych składników.</translation>
    </message>
    <message>
        <source>Shortcut icons</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Program files, folders and directories</source>
        <translation>Pliki i foldery programu</translation>
    </message>
    <message>
        <source>Registry Entries</source>
        <translation>Wpisy rejestru</translation>
    </message>
    <message>
        <source>Uninstall compete.</source>
        <translation>Odinstalowanie zakończone.</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Odinstaluj</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>not yet removed</source>
        <translation>jeszcze nieusunięte</translation>
    </message>
    <message>
        <source>being removed</source>
        <translation>usuwanie</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>usunięte</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
