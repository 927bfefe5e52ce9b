<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>About</name>
    <message>
        <source>About Orbello</source>
        <translation>О программе Orbello</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>Почта: </translation>
    </message>
    <message>
        <source>Orbello can&apos;t run this process</source>
        <translation>Orbello не может запустить это действие</translation>
    </message>
    <message>
        <source>Web Site: </source>
        <translation>Сайт: </translation>
    </message>
    <message>
        <source>Copyright © 2026 Corvane Software.</source>
        <translation>© Corvane Software, 2026.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Все права защищены.</translation>
    </message>
    <message>
        <source>Move the balls along free paths and build lines, squares or blocks of one colour: they vanish and score. Every move that removes nothing brings three new balls. The game ends when the board has no room for them.</source>
        <translation>Передвигайте шары по свободным путям и составляйте линии, квадраты или блоки одного цвета: они исчезают и приносят очки. Каждый ход, который ничего не убирает, приносит три новых шара. Игра заканчивается, когда на поле не остаётся для них места.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Orbello can&apos;t run help file</source>
        <translation>Orbello не может открыть справку</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The best results for Lines</source>
        <translation>Лучшие результаты: Линии</translation>
    </message>
    <message>
        <source>The best results for Squares</source>
        <translation>Лучшие результаты: Квадраты</translation>
    </message>
    <message>
        <source>The best results for Blocks</source>
        <translation>Лучшие результаты: Блоки</translation>
    </message>
    <message>
        <source>The best results</source>
        <translation>Лучшие результаты</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type your name</source>
        <translation>Введите своё имя</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>no X11 display to open the window on (DISPLAY is not set)</source>
        <translation>нет дисплея X11, на котором можно открыть окно (DISPLAY не задана)</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;</source>
        <translation>не удаётся открыть дисплей X11 «%1»</translation>
    </message>
    <message>
        <source>this Wayland session has no X11 display (DISPLAY is not set), so the window opens on Wayland: the compositor places it, draws it without its shape and does not let a second start raise it, and the help window stays open at the end. XWayland gives all of these back.</source>
        <translation>в этом сеансе Wayland нет дисплея X11 (DISPLAY не задана), поэтому окно открывается в Wayland: композитор сам размещает его, рисует без его формы и не даёт повторному запуску поднять его, а окно справки остаётся открытым в конце. XWayland возвращает всё это.</translation>
    </message>
    <message>
        <source>This display shows %1 bits per pixel; its colour depth is not supported.</source>
        <translation>Этот экран использует %1 бит на пиксель; такая глубина цвета не поддерживается.</translation>
    </message>
    <message>
        <source>Corvane Orbello needs a display of at least %1 bits per pixel.</source>
        <translation>Для Corvane Orbello нужен экран не менее %1 бит на пиксель.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct folder name was given.</source>
        <translation>%1
Папка не найдена.
Проверьте правильность имени папки.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>OB save files: (*.osf)</source>
        <translation>Сохранённые игры Orbello: (*.osf)</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Сохранить игру</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Открыть игру</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Не удаётся сохранить текущую игру.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Не удаётся открыть выбранную игру.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Lines</source>
        <translation>Линии</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Квадраты</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Блоки</translation>
    </message>
    <message>
        <source>Unable to load skin: [%1]</source>
        <translation>Не удаётся загрузить тему: [%1]</translation>
    </message>
    <message>
        <source>Congratulation!</source>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>Begin new game?</source>
        <translation>Начать новую игру?</translation>
    </message>
    <message>
        <source>Game Over. Begin new game?</source>
        <translation>Игра окончена. Начать новую игру?</translation>
    </message>
    <message>
        <source>Internal Error. Application will be closed.</source>
        <translation>Внутренняя ошибка. Программа будет закрыта.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Критическая ошибка</translation>
    </message>
    <message>
        <source>Can&apos;t create timer object</source>
        <translation>Не удаётся создать таймер</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Подтверждение действия</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Can&apos;t read registry key.</source>
        <translation>Не удаётся прочитать раздел реестра.</translation>
    </message>
    <message>
        <source>Can&apos;t read from registry.</source>
        <translation>Не удаётся прочитать данные из реестра.</translation>
    </message>
    <message>
        <source>Can&apos;t open registry key.</source>
        <translation>Не удаётся открыть раздел реестра.</translation>
    </message>
    <message>
        <source>Can&apos;t write into registry.</source>
        <translation>Не удаётся записать данные в реестр.</translation>
    </message>
    <message>
        <source>Can&apos;t read data from cvobhs.dat</source>
        <translation>Не удаётся прочитать данные из cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t write data into cvobhs.dat</source>
        <translation>Не удаётся записать данные в cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Не удаётся сохранить текущую игру.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Не удаётся открыть выбранную игру.</translation>
    </message>
    <message>
        <source>You want to load another game without save current game ?</source>
        <translation>Вы хотите открыть другую игру, не сохранив текущую?</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Критическая ошибка</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Board</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>цвет %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a ball colour</comment>
        <translation>неизвестный</translation>
    </message>
    <message>
        <source>%1: %2 ball, selected</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: %2 шар, выбран</translation>
    </message>
    <message>
        <source>%1: %2 ball</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: %2 шар</translation>
    </message>
    <message>
        <source>%1: empty, %2 ball announced</source>
        <comment>a cell: its position, the colour of the ball to come</comment>
        <translation>%1: пусто, объявлен %2 шар</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <comment>a cell: its position</comment>
        <translation>%1: пусто</translation>
    </message>
    <message>
        <source>Squares</source>
        <comment>game type</comment>
        <translation>Квадраты</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>game type</comment>
        <translation>Блоки</translation>
    </message>
    <message>
        <source>Lines</source>
        <comment>game type</comment>
        <translation>Линии</translation>
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
        <translation>Шаров нет.</translation>
    </message>
    <message>
        <source>Game loaded: %1, score %2.</source>
        <comment>the game type, the score</comment>
        <translation>Игра открыта: %1, счёт %2.</translation>
    </message>
    <message>
        <source>New game: %1.</source>
        <comment>the game type</comment>
        <translation>Новая игра: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n balls; B lists them.</source>
        <translation>
            <numerusform>%n шар; B перечисляет их.</numerusform>
            <numerusform>%n шара; B перечисляет их.</numerusform>
            <numerusform>%n шаров; B перечисляет их.</numerusform>
        </translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>Тип игры</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>command</comment>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>New game: choose type</source>
        <comment>command</comment>
        <translation>Новая игра: выбрать тип</translation>
    </message>
    <message>
        <source>Load game</source>
        <comment>command</comment>
        <translation>Открыть игру</translation>
    </message>
    <message>
        <source>Save game</source>
        <comment>command</comment>
        <translation>Сохранить игру</translation>
    </message>
    <message>
        <source>Best results</source>
        <comment>command</comment>
        <translation>Лучшие результаты</translation>
    </message>
    <message>
        <source>Best results: choose type</source>
        <comment>command</comment>
        <translation>Лучшие результаты: выбрать тип</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>command</comment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>About</source>
        <comment>command</comment>
        <translation>О программе Orbello</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>command</comment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>command</comment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Minimise</source>
        <comment>command</comment>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>command</comment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 ball %2 selected.</source>
        <comment>the colour, the cell</comment>
        <translation>%1 шар %2 выбран.</translation>
    </message>
    <message>
        <source>No path.</source>
        <translation>Нет пути.</translation>
    </message>
    <message>
        <source>%1 ball %2 to %3.</source>
        <comment>the colour, the cell it left, the cell it reached</comment>
        <translation>%1 шар с %2 на %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очка</numerusform>
            <numerusform>%n очков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очка</numerusform>
            <numerusform>%n очков</numerusform>
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
            <numerusform>%n шар убран</numerusform>
            <numerusform>%n шара убрано</numerusform>
            <numerusform>%n шаров убрано</numerusform>
        </translation>
    </message>
    <message>
        <source>One new ball</source>
        <translation>Один новый шар</translation>
    </message>
    <message>
        <source>Two new balls</source>
        <translation>Два новых шара</translation>
    </message>
    <message>
        <source>Three new balls</source>
        <translation>Три новых шара</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a new ball: its colour, its cell</comment>
        <translation>%1 на %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>how many new balls, the balls</comment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Игра окончена.</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Счёт %1</translation>
    </message>
    <message>
        <source>Champion %1</source>
        <translation>Рекорд %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Время %1</translation>
    </message>
    <message>
        <source>Game type %1</source>
        <translation>Тип игры %1</translation>
    </message>
    <message>
        <source>Next: hidden</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Следующие шары: скрыты</translation>
    </message>
    <message>
        <source>Next: none</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Следующие шары: нет</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Следующие шары: %1</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Счёт %1.</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <comment>a row or column</comment>
        <translation>%1: пусто.</translation>
    </message>
    <message>
        <source>%1: %2; the rest empty.</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2; остальные клетки пусты.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ряд %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Столбец %1</translation>
    </message>
    <message>
        <source>Score %1, champion %2, time %3.</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Счёт %1, рекорд %2, время %3.</translation>
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
        <translation>Выбранный шар</translation>
    </message>
    <message>
        <source>Jump sound file</source>
        <translation>Файл звука прыжка</translation>
    </message>
    <message>
        <source>Play jump sound</source>
        <translation>Прослушать звук прыжка</translation>
    </message>
    <message>
        <source>Choose jump sound file</source>
        <translation>Выбрать файл звука прыжка</translation>
    </message>
    <message>
        <source>Destroyed ball</source>
        <translation>Убранный шар</translation>
    </message>
    <message>
        <source>Destroy sound file</source>
        <translation>Файл звука удаления</translation>
    </message>
    <message>
        <source>Play destroy sound</source>
        <translation>Прослушать звук удаления</translation>
    </message>
    <message>
        <source>Choose destroy sound file</source>
        <translation>Выбрать файл звука удаления</translation>
    </message>
    <message>
        <source>Moving ball</source>
        <translation>Движение шара</translation>
    </message>
    <message>
        <source>Move sound file</source>
        <translation>Файл звука хода</translation>
    </message>
    <message>
        <source>Play move sound</source>
        <translation>Прослушать звук хода</translation>
    </message>
    <message>
        <source>Choose move sound file</source>
        <translation>Выбрать файл звука хода</translation>
    </message>
    <message>
        <source>Impossibility of the move</source>
        <translation>Ход невозможен</translation>
    </message>
    <message>
        <source>No path sound file</source>
        <translation>Файл звука «Нет пути»</translation>
    </message>
    <message>
        <source>Play no path sound</source>
        <translation>Прослушать звук «Нет пути»</translation>
    </message>
    <message>
        <source>Choose no path sound file</source>
        <translation>Выбрать файл звука «Нет пути»</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Прыжок</translation>
    </message>
    <message>
        <source>Destroy</source>
        <translation>Удаление</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Ход</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Появление</translation>
    </message>
    <message>
        <source>On the panel and board</source>
        <translation>На панели и поле</translation>
    </message>
    <message>
        <source>On the panel</source>
        <translation>На панели</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>На поле</translation>
    </message>
    <message>
        <source>Not show colors</source>
        <translation>Не показывать</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Линии</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Квадраты</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Блоки</translation>
    </message>
    <message>
        <source>Orbello - Settings</source>
        <translation>Orbello — Настройки</translation>
    </message>
    <message>
        <source> Next Colors </source>
        <translation> Следующие шары </translation>
    </message>
    <message>
        <source> Default Game </source>
        <translation> Тип игры по умолчанию </translation>
    </message>
    <message>
        <source> Skin </source>
        <translation> Тема </translation>
    </message>
    <message>
        <source> Sounds </source>
        <translation> Звуки </translation>
    </message>
    <message>
        <source> Delay at time </source>
        <translation> Задержка </translation>
    </message>
    <message>
        <source>Skin file</source>
        <translation>Файл темы</translation>
    </message>
    <message>
        <source>Choose skin file</source>
        <translation>Выбрать файл темы</translation>
    </message>
    <message>
        <source>Show path</source>
        <translation>Показывать путь</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Choose of the skin</source>
        <translation>Выбор темы</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Темы Orbello: (*.sf)</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Выбор файла</translation>
    </message>
    <message>
        <source>Sounds: (*.wav)</source>
        <translation>Звуки: (*.wav)</translation>
    </message>
</context>
<context>
    <name>SkinCompiler</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>Собрать</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Bitmap files: (*.bmp)</source>
        <translation>Файлы BMP: (*.bmp)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Темы Orbello: (*.sf)</translation>
    </message>
    <message>
        <source>Could not create skin file</source>
        <translation>Не удалось создать файл темы</translation>
    </message>
    <message>
        <source>Creator Skins for Orbello</source>
        <translation>Компилятор тем для Orbello</translation>
    </message>
    <message>
        <source>Select bitmap for board (36x36 pixels)</source>
        <translation>Выберите рисунок поля (36x36 пикселей)</translation>
    </message>
    <message>
        <source>Size of bitmap for board incorrect, must be 36x36 pixels</source>
        <translation>Неверный размер рисунка поля: нужно 36x36 пикселей</translation>
    </message>
    <message>
        <source>Choose bitmap for board</source>
        <translation>Выбрать рисунок поля</translation>
    </message>
    <message>
        <source>Select bitmap for score (160x20 pixels)</source>
        <translation>Выберите рисунок счёта (160x20 пикселей)</translation>
    </message>
    <message>
        <source>Size of bitmap for score incorrect, must be 160x20 pixels</source>
        <translation>Неверный размер рисунка счёта: нужно 160x20 пикселей</translation>
    </message>
    <message>
        <source>Choose bitmap for score</source>
        <translation>Выбрать рисунок счёта</translation>
    </message>
    <message>
        <source>Select bitmap for balls (768x224 pixels)</source>
        <translation>Выберите рисунок шаров (768x224 пикселей)</translation>
    </message>
    <message>
        <source>Size of bitmap for balls incorrect, must be 768x224 pixels</source>
        <translation>Неверный размер рисунка шаров: нужно 768x224 пикселей</translation>
    </message>
    <message>
        <source>Choose bitmap for balls</source>
        <translation>Выбрать рисунок шаров</translation>
    </message>
    <message>
        <source>Select bitmap for timer (99x11 pixels)</source>
        <translation>Выберите рисунок часов (99x11 пикселей)</translation>
    </message>
    <message>
        <source>Size of bitmap for timer incorrect, must be 99x11 pixels</source>
        <translation>Неверный размер рисунка часов: нужно 99x11 пикселей</translation>
    </message>
    <message>
        <source>Choose bitmap for timer</source>
        <translation>Выбрать рисунок часов</translation>
    </message>
    <message>
        <source>Select bitmap for walk (128x32 pixels)</source>
        <translation>Выберите рисунок пути (128x32 пикселей)</translation>
    </message>
    <message>
        <source>Size of bitmap for walk incorrect, must be 128x32 pixels</source>
        <translation>Неверный размер рисунка пути: нужно 128x32 пикселей</translation>
    </message>
    <message>
        <source>Choose bitmap for walk</source>
        <translation>Выбрать рисунок пути</translation>
    </message>
    <message>
        <source>Invalid graphic format (not bitmap)</source>
        <translation>Неверный формат изображения (не BMP)</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Критическая ошибка</translation>
    </message>
    <message>
        <source>Save skin file for Orbello</source>
        <translation>Сохранить файл темы для Orbello</translation>
    </message>
    <message>
        <source>%1 can&apos;t run help file</source>
        <translation>%1 не может открыть справку</translation>
    </message>
    <message>
        <source>File %1 saved</source>
        <translation>Файл %1 сохранён</translation>
    </message>
    <message>
        <source>Congratulation</source>
        <translation>Поздравляем</translation>
    </message>
    <message>
        <source>Could not open file: %1</source>
        <translation>Не удалось открыть файл: %1</translation>
    </message>
    <message>
        <source>Could not read from file: %1</source>
        <translation>Не удалось прочитать файл: %1</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Corvane Orbello.</source>
        <translation>Corvane Orbello запущен.
Перед удалением закройте Corvane Orbello.</translation>
    </message>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Orbello.</source>
        <translation>Corvane Orbello запущен.
Перед удалением закройте Orbello.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Desktop&gt; folder.
Uninstall canceled.</source>
        <translation>Не удаётся определить папку &lt;Рабочий стол&gt;.
Удаление отменено.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Start Menu&gt; folder.
Uninstall canceled.</source>
        <translation>Не удаётся определить папку &lt;Главное меню&gt;.
Удаление отменено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Не удалось открыть раздел реестра &lt;Corvane\OB&gt;.
Удаление отменено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t get data from &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Не удалось прочитать данные из раздела реестра &lt;Corvane\OB&gt;.
Удаление отменено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane&gt; registry key.
Uninstall canceled.</source>
        <translation>Не удалось открыть раздел реестра &lt;Corvane&gt;.
Удаление отменено.</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Не удалось удалить раздел реестра &lt;Corvane\OB&gt;.
Удаление отменено.</translation>
    </message>
    <message>
        <source>The folder of the installation holds no valid list of installed files (install.manifest), so it may not be an installation of Corvane Orbello, and nothing was deleted.
To remove an installation made by an older installer, install Corvane Orbello again and then uninstall it.
Uninstall canceled.</source>
        <translation>В папке установки нет правильного списка установленных файлов (install.manifest), поэтому, возможно, это не установка Corvane Orbello; ничего не удалено.
Чтобы удалить установку, сделанную старым установщиком, установите Corvane Orbello заново, а затем удалите его.
Удаление отменено.</translation>
    </message>
    <message>
        <source>The uninstall in not finished! Do you really want to abort?</source>
        <translation>Удаление не завершено! Вы действительно хотите прервать его?</translation>
    </message>
    <message>
        <source>%1 Uninstall</source>
        <translation>Удаление %1</translation>
    </message>
    <message>
        <source>Uninstall will now remove the software &quot;%1&quot; from your computer.  Please wait while each of the following components is removed.</source>
        <translation>Программа «%1» будет удалена с вашего компьютера. Подождите, пока удаляется каждый из следующих компонентов.</translation>
    </message>
    <message>
        <source>Shortcut icons</source>
        <translation>Ярлыки</translation>
    </message>
    <message>
        <source>Program files, folders and directories</source>
        <translation>Файлы и папки программы</translation>
    </message>
    <message>
        <source>Registry Entries</source>
        <translation>Записи реестра</translation>
    </message>
    <message>
        <source>Uninstall compete.</source>
        <translation>Удаление завершено.</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>not yet removed</source>
        <translation>ещё не удалено</translation>
    </message>
    <message>
        <source>being removed</source>
        <translation>удаляется</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>удалено</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
