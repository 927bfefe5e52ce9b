<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>About</name>
    <message>
        <source>About Orbello</source>
        <translation>Про програму Orbello</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>Пошта: </translation>
    </message>
    <message>
        <source>Orbello can&apos;t run this process</source>
        <translation>Orbello не може запустити цю дію</translation>
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
        <translation>Усі права захищено.</translation>
    </message>
    <message>
        <source>Move the balls along free paths and build lines, squares or blocks of one colour: they vanish and score. Every move that removes nothing brings three new balls. The game ends when the board has no room for them.</source>
        <translation>Пересувайте кулі вільними шляхами й складайте лінії, квадрати або блоки одного кольору: вони зникають і приносять очки. Кожен хід, що нічого не прибирає, приносить три нові кулі. Гра закінчується, коли на полі не залишається для них місця.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Orbello can&apos;t run help file</source>
        <translation>Orbello не може відкрити довідку</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The best results for Lines</source>
        <translation>Найкращі результати: Лінії</translation>
    </message>
    <message>
        <source>The best results for Squares</source>
        <translation>Найкращі результати: Квадрати</translation>
    </message>
    <message>
        <source>The best results for Blocks</source>
        <translation>Найкращі результати: Блоки</translation>
    </message>
    <message>
        <source>The best results</source>
        <translation>Найкращі результати</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Type your name</source>
        <translation>Введіть своє ім’я</translation>
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
        <translation>немає дисплея X11, на якому можна відкрити вікно (DISPLAY не задано)</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;</source>
        <translation>не вдається відкрити дисплей X11 «%1»</translation>
    </message>
    <message>
        <source>this Wayland session has no X11 display (DISPLAY is not set), so the window opens on Wayland: the compositor places it, draws it without its shape and does not let a second start raise it, and the help window stays open at the end. XWayland gives all of these back.</source>
        <translation>у цьому сеансі Wayland немає дисплея X11 (DISPLAY не задано), тому вікно відкривається у Wayland: композитор сам розміщує його, малює без його форми й не дає повторному запуску підняти його, а вікно довідки залишається відкритим наприкінці. XWayland повертає все це.</translation>
    </message>
    <message>
        <source>This display shows %1 bits per pixel; its colour depth is not supported.</source>
        <translation>Цей екран використовує %1 біт на піксель; така глибина кольору не підтримується.</translation>
    </message>
    <message>
        <source>Corvane Orbello needs a display of at least %1 bits per pixel.</source>
        <translation>Для Corvane Orbello потрібен екран щонайменше %1 біт на піксель.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct folder name was given.</source>
        <translation>%1
Теку не знайдено.
Перевірте правильність назви теки.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>OB save files: (*.osf)</source>
        <translation>Збережені ігри Orbello: (*.osf)</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Зберегти гру</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Відкрити гру</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Не вдається зберегти поточну гру.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Не вдається відкрити вибрану гру.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Lines</source>
        <translation>Лінії</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Квадрати</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Блоки</translation>
    </message>
    <message>
        <source>Unable to load skin: [%1]</source>
        <translation>Не вдається завантажити тему: [%1]</translation>
    </message>
    <message>
        <source>Congratulation!</source>
        <translation>Вітаємо!</translation>
    </message>
    <message>
        <source>Begin new game?</source>
        <translation>Почати нову гру?</translation>
    </message>
    <message>
        <source>Game Over. Begin new game?</source>
        <translation>Гру закінчено. Почати нову гру?</translation>
    </message>
    <message>
        <source>Internal Error. Application will be closed.</source>
        <translation>Внутрішня помилка. Програму буде закрито.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Критична помилка</translation>
    </message>
    <message>
        <source>Can&apos;t create timer object</source>
        <translation>Не вдається створити таймер</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Так</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Увага!</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Підтвердження дії</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Увага</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Can&apos;t read registry key.</source>
        <translation>Не вдається прочитати розділ реєстру.</translation>
    </message>
    <message>
        <source>Can&apos;t read from registry.</source>
        <translation>Не вдається прочитати дані з реєстру.</translation>
    </message>
    <message>
        <source>Can&apos;t open registry key.</source>
        <translation>Не вдається відкрити розділ реєстру.</translation>
    </message>
    <message>
        <source>Can&apos;t write into registry.</source>
        <translation>Не вдається записати дані до реєстру.</translation>
    </message>
    <message>
        <source>Can&apos;t read data from cvobhs.dat</source>
        <translation>Не вдається прочитати дані з cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t write data into cvobhs.dat</source>
        <translation>Не вдається записати дані до cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Не вдається зберегти поточну гру.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Не вдається відкрити вибрану гру.</translation>
    </message>
    <message>
        <source>You want to load another game without save current game ?</source>
        <translation>Ви хочете відкрити іншу гру, не зберігши поточну?</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Критична помилка</translation>
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
        <translation>колір %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a ball colour</comment>
        <translation>невідома</translation>
    </message>
    <message>
        <source>%1: %2 ball, selected</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: %2 куля, вибрана</translation>
    </message>
    <message>
        <source>%1: %2 ball</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: %2 куля</translation>
    </message>
    <message>
        <source>%1: empty, %2 ball announced</source>
        <comment>a cell: its position, the colour of the ball to come</comment>
        <translation>%1: порожньо, оголошено: %2 куля</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <comment>a cell: its position</comment>
        <translation>%1: порожньо</translation>
    </message>
    <message>
        <source>Squares</source>
        <comment>game type</comment>
        <translation>Квадрати</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>game type</comment>
        <translation>Блоки</translation>
    </message>
    <message>
        <source>Lines</source>
        <comment>game type</comment>
        <translation>Лінії</translation>
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
        <translation>Куль немає.</translation>
    </message>
    <message>
        <source>Game loaded: %1, score %2.</source>
        <comment>the game type, the score</comment>
        <translation>Гру відкрито: %1, рахунок %2.</translation>
    </message>
    <message>
        <source>New game: %1.</source>
        <comment>the game type</comment>
        <translation>Нова гра: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n balls; B lists them.</source>
        <translation>
            <numerusform>%n куля; B перелічує їх.</numerusform>
            <numerusform>%n кулі; B перелічує їх.</numerusform>
            <numerusform>%n куль; B перелічує їх.</numerusform>
        </translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>Тип гри</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>command</comment>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>New game: choose type</source>
        <comment>command</comment>
        <translation>Нова гра: вибрати тип</translation>
    </message>
    <message>
        <source>Load game</source>
        <comment>command</comment>
        <translation>Відкрити гру</translation>
    </message>
    <message>
        <source>Save game</source>
        <comment>command</comment>
        <translation>Зберегти гру</translation>
    </message>
    <message>
        <source>Best results</source>
        <comment>command</comment>
        <translation>Найкращі результати</translation>
    </message>
    <message>
        <source>Best results: choose type</source>
        <comment>command</comment>
        <translation>Найкращі результати: вибрати тип</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>command</comment>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>About</source>
        <comment>command</comment>
        <translation>Про програму Orbello</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>command</comment>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>command</comment>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Minimise</source>
        <comment>command</comment>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>command</comment>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>%1 ball %2 selected.</source>
        <comment>the colour, the cell</comment>
        <translation>%1 куля %2 вибрана.</translation>
    </message>
    <message>
        <source>No path.</source>
        <translation>Немає шляху.</translation>
    </message>
    <message>
        <source>%1 ball %2 to %3.</source>
        <comment>the colour, the cell it left, the cell it reached</comment>
        <translation>%1 куля з %2 на %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очки</numerusform>
            <numerusform>%n очок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очки</numerusform>
            <numerusform>%n очок</numerusform>
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
            <numerusform>%n кулю прибрано</numerusform>
            <numerusform>%n кулі прибрано</numerusform>
            <numerusform>%n куль прибрано</numerusform>
        </translation>
    </message>
    <message>
        <source>One new ball</source>
        <translation>Одна нова куля</translation>
    </message>
    <message>
        <source>Two new balls</source>
        <translation>Дві нові кулі</translation>
    </message>
    <message>
        <source>Three new balls</source>
        <translation>Три нові кулі</translation>
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
        <translation>Гру закінчено.</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Рахунок %1</translation>
    </message>
    <message>
        <source>Champion %1</source>
        <translation>Рекорд %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Час %1</translation>
    </message>
    <message>
        <source>Game type %1</source>
        <translation>Тип гри %1</translation>
    </message>
    <message>
        <source>Next: hidden</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Наступні кулі: приховані</translation>
    </message>
    <message>
        <source>Next: none</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Наступні кулі: немає</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Наступні кулі: %1</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Рахунок %1.</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <comment>a row or column</comment>
        <translation>%1: порожньо.</translation>
    </message>
    <message>
        <source>%1: %2; the rest empty.</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2; решта клітинок порожні.</translation>
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
        <translation>Стовпець %1</translation>
    </message>
    <message>
        <source>Score %1, champion %2, time %3.</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Рахунок %1, рекорд %2, час %3.</translation>
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
        <translation>Вибрана куля</translation>
    </message>
    <message>
        <source>Jump sound file</source>
        <translation>Файл звуку стрибка</translation>
    </message>
    <message>
        <source>Play jump sound</source>
        <translation>Прослухати звук стрибка</translation>
    </message>
    <message>
        <source>Choose jump sound file</source>
        <translation>Вибрати файл звуку стрибка</translation>
    </message>
    <message>
        <source>Destroyed ball</source>
        <translation>Прибрана куля</translation>
    </message>
    <message>
        <source>Destroy sound file</source>
        <translation>Файл звуку прибирання</translation>
    </message>
    <message>
        <source>Play destroy sound</source>
        <translation>Прослухати звук прибирання</translation>
    </message>
    <message>
        <source>Choose destroy sound file</source>
        <translation>Вибрати файл звуку прибирання</translation>
    </message>
    <message>
        <source>Moving ball</source>
        <translation>Рух кулі</translation>
    </message>
    <message>
        <source>Move sound file</source>
        <translation>Файл звуку ходу</translation>
    </message>
    <message>
        <source>Play move sound</source>
        <translation>Прослухати звук ходу</translation>
    </message>
    <message>
        <source>Choose move sound file</source>
        <translation>Вибрати файл звуку ходу</translation>
    </message>
    <message>
        <source>Impossibility of the move</source>
        <translation>Хід неможливий</translation>
    </message>
    <message>
        <source>No path sound file</source>
        <translation>Файл звуку «Немає шляху»</translation>
    </message>
    <message>
        <source>Play no path sound</source>
        <translation>Прослухати звук «Немає шляху»</translation>
    </message>
    <message>
        <source>Choose no path sound file</source>
        <translation>Вибрати файл звуку «Немає шляху»</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Стрибок</translation>
    </message>
    <message>
        <source>Destroy</source>
        <translation>Прибирання</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Хід</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Поява</translation>
    </message>
    <message>
        <source>On the panel and board</source>
        <translation>На панелі й полі</translation>
    </message>
    <message>
        <source>On the panel</source>
        <translation>На панелі</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>На полі</translation>
    </message>
    <message>
        <source>Not show colors</source>
        <translation>Не показувати</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Лінії</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Квадрати</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Блоки</translation>
    </message>
    <message>
        <source>Orbello - Settings</source>
        <translation>Orbello — Налаштування</translation>
    </message>
    <message>
        <source> Next Colors </source>
        <translation> Наступні кулі </translation>
    </message>
    <message>
        <source> Default Game </source>
        <translation> Тип гри за замовчуванням </translation>
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
        <translation> Затримка </translation>
    </message>
    <message>
        <source>Skin file</source>
        <translation>Файл теми</translation>
    </message>
    <message>
        <source>Choose skin file</source>
        <translation>Вибрати файл теми</translation>
    </message>
    <message>
        <source>Show path</source>
        <translation>Показувати шлях</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Choose of the skin</source>
        <translation>Вибір теми</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Теми Orbello: (*.sf)</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Вибір файлу</translation>
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
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>Зібрати</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Bitmap files: (*.bmp)</source>
        <translation>Файли BMP: (*.bmp)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Усі файли (*.*)</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Теми Orbello: (*.sf)</translation>
    </message>
    <message>
        <source>Could not create skin file</source>
        <translation>Не вдалося створити файл теми</translation>
    </message>
    <message>
        <source>Creator Skins for Orbello</source>
        <translation>Компілятор тем для Orbello</translation>
    </message>
    <message>
        <source>Select bitmap for board (36x36 pixels)</source>
        <translation>Виберіть малюнок поля (36x36 пікселів)</translation>
    </message>
    <message>
        <source>Size of bitmap for board incorrect, must be 36x36 pixels</source>
        <translation>Неправильний розмір малюнка поля: потрібно 36x36 пікселів</translation>
    </message>
    <message>
        <source>Choose bitmap for board</source>
        <translation>Вибрати малюнок поля</translation>
    </message>
    <message>
        <source>Select bitmap for score (160x20 pixels)</source>
        <translation>Виберіть малюнок рахунку (160x20 пікселів)</translation>
    </message>
    <message>
        <source>Size of bitmap for score incorrect, must be 160x20 pixels</source>
        <translation>Неправильний розмір малюнка рахунку: потрібно 160x20 пікселів</translation>
    </message>
    <message>
        <source>Choose bitmap for score</source>
        <translation>Вибрати малюнок рахунку</translation>
    </message>
    <message>
        <source>Select bitmap for balls (768x224 pixels)</source>
        <translation>Виберіть малюнок куль (768x224 пікселів)</translation>
    </message>
    <message>
        <source>Size of bitmap for balls incorrect, must be 768x224 pixels</source>
        <translation>Неправильний розмір малюнка куль: потрібно 768x224 пікселів</translation>
    </message>
    <message>
        <source>Choose bitmap for balls</source>
        <translation>Вибрати малюнок куль</translation>
    </message>
    <message>
        <source>Select bitmap for timer (99x11 pixels)</source>
        <translation>Виберіть малюнок годинника (99x11 пікселів)</translation>
    </message>
    <message>
        <source>Size of bitmap for timer incorrect, must be 99x11 pixels</source>
        <translation>Неправильний розмір малюнка годинника: потрібно 99x11 пікселів</translation>
    </message>
    <message>
        <source>Choose bitmap for timer</source>
        <translation>Вибрати малюнок годинника</translation>
    </message>
    <message>
        <source>Select bitmap for walk (128x32 pixels)</source>
        <translation>Виберіть малюнок шляху (128x32 пікселів)</translation>
    </message>
    <message>
        <source>Size of bitmap for walk incorrect, must be 128x32 pixels</source>
        <translation>Неправильний розмір малюнка шляху: потрібно 128x32 пікселів</translation>
    </message>
    <message>
        <source>Choose bitmap for walk</source>
        <translation>Вибрати малюнок шляху</translation>
    </message>
    <message>
        <source>Invalid graphic format (not bitmap)</source>
        <translation>Неправильний формат зображення (не BMP)</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Критична помилка</translation>
    </message>
    <message>
        <source>Save skin file for Orbello</source>
        <translation>Зберегти файл теми для Orbello</translation>
    </message>
    <message>
        <source>%1 can&apos;t run help file</source>
        <translation>%1 не може відкрити довідку</translation>
    </message>
    <message>
        <source>File %1 saved</source>
        <translation>Файл %1 збережено</translation>
    </message>
    <message>
        <source>Congratulation</source>
        <translation>Вітаємо</translation>
    </message>
    <message>
        <source>Could not open file: %1</source>
        <translation>Не вдалося відкрити файл: %1</translation>
    </message>
    <message>
        <source>Could not read from file: %1</source>
        <translation>Не вдалося прочитати файл: %1</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Corvane Orbello.</source>
        <translation>Corvane Orbello запущено.
Перед видаленням закрийте Corvane Orbello.</translation>
    </message>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Orbello.</source>
        <translation>Corvane Orbello запущено.
Перед видаленням закрийте Orbello.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Desktop&gt; folder.
Uninstall canceled.</source>
        <translation>Не вдається визначити теку &lt;Стільниця&gt;.
Видалення скасовано.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Start Menu&gt; folder.
Uninstall canceled.</source>
        <translation>Не вдається визначити теку &lt;Головне меню&gt;.
Видалення скасовано.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Не вдалося відкрити розділ реєстру &lt;Corvane\OB&gt;.
Видалення скасовано.</translation>
    </message>
    <message>
        <source>Couldn&apos;t get data from &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Не вдалося прочитати дані з розділу реєстру &lt;Corvane\OB&gt;.
Видалення скасовано.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane&gt; registry key.
Uninstall canceled.</source>
        <translation>Не вдалося відкрити розділ реєстру &lt;Corvane&gt;.
Видалення скасовано.</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Не вдалося видалити розділ реєстру &lt;Corvane\OB&gt;.
Видалення скасовано.</translation>
    </message>
    <message>
        <source>The folder of the installation holds no valid list of installed files (install.manifest), so it may not be an installation of Corvane Orbello, and nothing was deleted.
To remove an installation made by an older installer, install Corvane Orbello again and then uninstall it.
Uninstall canceled.</source>
        <translation>У теці встановлення немає правильного списку встановлених файлів (install.manifest), тож, можливо, це не встановлення Corvane Orbello; нічого не видалено.
Щоб видалити встановлення, зроблене старим інсталятором, встановіть Corvane Orbello знову, а потім видаліть його.
Видалення скасовано.</translation>
    </message>
    <message>
        <source>The uninstall in not finished! Do you really want to abort?</source>
        <translation>Видалення не завершено! Ви справді хочете його перервати?</translation>
    </message>
    <message>
        <source>%1 Uninstall</source>
        <translation>Видалення %1</translation>
    </message>
    <message>
        <source>Uninstall will now remove the software &quot;%1&quot; from your computer.  Please wait while each of the following components is removed.</source>
        <translation>Програму «%1» буде видалено з вашого комп’ютера. Зачекайте, доки видаляється кожен із наступних компонентів.</translation>
    </message>
    <message>
        <source>Shortcut icons</source>
        <translation>Ярлики</translation>
    </message>
    <message>
        <source>Program files, folders and directories</source>
        <translation>Файли й теки програми</translation>
    </message>
    <message>
        <source>Registry Entries</source>
        <translation>Записи реєстру</translation>
    </message>
    <message>
        <source>Uninstall compete.</source>
        <translation>Видалення завершено.</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Видалити</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>not yet removed</source>
        <translation>ще не видалено</translation>
    </message>
    <message>
        <source>being removed</source>
        <translation>видаляється</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>видалено</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Гаразд</translation>
    </message>
</context>
</TS>
