<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>About Orbello</source>
        <translation>关于 Orbello</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>邮箱：</translation>
    </message>
    <message>
        <source>Orbello can&apos;t run this process</source>
        <translation>Orbello 无法运行此程序</translation>
    </message>
    <message>
        <source>Web Site: </source>
        <translation>网站：</translation>
    </message>
    <message>
        <source>Copyright © 2026 Corvane Software.</source>
        <translation>版权所有 © 2026 Corvane Software。</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>保留所有权利。</translation>
    </message>
    <message>
        <source>Move the balls along free paths and build lines, squares or blocks of one colour: they vanish and score. Every move that removes nothing brings three new balls. The game ends when the board has no room for them.</source>
        <translation>沿空闲路径移动小球，排成同色的直线、方形或色块：它们会消失并得分。每次未消除任何球的移动都会带来三个新球。棋盘上没有空位时游戏结束。</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Orbello can&apos;t run help file</source>
        <translation>Orbello 无法打开帮助</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The best results for Lines</source>
        <translation>最佳成绩：直线</translation>
    </message>
    <message>
        <source>The best results for Squares</source>
        <translation>最佳成绩：方形</translation>
    </message>
    <message>
        <source>The best results for Blocks</source>
        <translation>最佳成绩：色块</translation>
    </message>
    <message>
        <source>The best results</source>
        <translation>最佳成绩</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Type your name</source>
        <translation>请输入您的名字</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>得分</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>no X11 display to open the window on (DISPLAY is not set)</source>
        <translation>没有可用于打开窗口的 X11 显示（未设置 DISPLAY）</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;</source>
        <translation>无法打开 X11 显示“%1”</translation>
    </message>
    <message>
        <source>this Wayland session has no X11 display (DISPLAY is not set), so the window opens on Wayland: the compositor places it, draws it without its shape and does not let a second start raise it, and the help window stays open at the end. XWayland gives all of these back.</source>
        <translation>此 Wayland 会话没有 X11 显示（未设置 DISPLAY），因此窗口在 Wayland 下打开：由合成器放置窗口，绘制时不带其外形，再次启动时也无法将其前置，且帮助窗口在结束时仍保持打开。使用 XWayland 即可恢复这些功能。</translation>
    </message>
    <message>
        <source>This display shows %1 bits per pixel; its colour depth is not supported.</source>
        <translation>此显示器为每像素 %1 位；不支持该颜色深度。</translation>
    </message>
    <message>
        <source>Corvane Orbello needs a display of at least %1 bits per pixel.</source>
        <translation>Corvane Orbello 需要每像素至少 %1 位的显示器。</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct folder name was given.</source>
        <translation>%1
找不到文件夹。
请确认文件夹名称是否正确。</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>OB save files: (*.osf)</source>
        <translation>Orbello 存档：(*.osf)</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>保存游戏</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>载入游戏</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>无法保存当前游戏。</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>无法载入所选游戏。</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Lines</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>色块</translation>
    </message>
    <message>
        <source>Unable to load skin: [%1]</source>
        <translation>无法载入皮肤：[%1]</translation>
    </message>
    <message>
        <source>Congratulation!</source>
        <translation>恭喜！</translation>
    </message>
    <message>
        <source>Begin new game?</source>
        <translation>开始新游戏吗？</translation>
    </message>
    <message>
        <source>Game Over. Begin new game?</source>
        <translation>游戏结束。开始新游戏吗？</translation>
    </message>
    <message>
        <source>Internal Error. Application will be closed.</source>
        <translation>内部错误。程序将关闭。</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>严重错误</translation>
    </message>
    <message>
        <source>Can&apos;t create timer object</source>
        <translation>无法创建计时器</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>确认操作</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Can&apos;t read registry key.</source>
        <translation>无法读取注册表项。</translation>
    </message>
    <message>
        <source>Can&apos;t read from registry.</source>
        <translation>无法从注册表读取。</translation>
    </message>
    <message>
        <source>Can&apos;t open registry key.</source>
        <translation>无法打开注册表项。</translation>
    </message>
    <message>
        <source>Can&apos;t write into registry.</source>
        <translation>无法写入注册表。</translation>
    </message>
    <message>
        <source>Can&apos;t read data from cvobhs.dat</source>
        <translation>无法从 cvobhs.dat 读取数据</translation>
    </message>
    <message>
        <source>Can&apos;t write data into cvobhs.dat</source>
        <translation>无法向 cvobhs.dat 写入数据</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>无法保存当前游戏。</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>无法载入所选游戏。</translation>
    </message>
    <message>
        <source>You want to load another game without save current game ?</source>
        <translation>不保存当前游戏就载入另一个游戏吗？</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>严重错误</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>颜色%1</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a ball colour</comment>
        <translation>未知颜色</translation>
    </message>
    <message>
        <source>%1: %2 ball, selected</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1：%2球，已选中</translation>
    </message>
    <message>
        <source>%1: %2 ball</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1：%2球</translation>
    </message>
    <message>
        <source>%1: empty, %2 ball announced</source>
        <comment>a cell: its position, the colour of the ball to come</comment>
        <translation>%1：空，预告%2球</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <comment>a cell: its position</comment>
        <translation>%1：空</translation>
    </message>
    <message>
        <source>Squares</source>
        <comment>game type</comment>
        <translation>方形</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>game type</comment>
        <translation>色块</translation>
    </message>
    <message>
        <source>Lines</source>
        <comment>game type</comment>
        <translation>直线</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>ends a sentence</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the balls of a colour: the colour, their cells</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>No balls.</source>
        <translation>没有球。</translation>
    </message>
    <message>
        <source>Game loaded: %1, score %2.</source>
        <comment>the game type, the score</comment>
        <translation>已载入游戏：%1，得分 %2。</translation>
    </message>
    <message>
        <source>New game: %1.</source>
        <comment>the game type</comment>
        <translation>新游戏：%1。</translation>
    </message>
    <message numerus="yes">
        <source>%n balls; B lists them.</source>
        <translation>
            <numerusform>%n 个球；按 B 逐一读出。</numerusform>
        </translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>游戏类型</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>command</comment>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>New game: choose type</source>
        <comment>command</comment>
        <translation>新游戏：选择类型</translation>
    </message>
    <message>
        <source>Load game</source>
        <comment>command</comment>
        <translation>载入游戏</translation>
    </message>
    <message>
        <source>Save game</source>
        <comment>command</comment>
        <translation>保存游戏</translation>
    </message>
    <message>
        <source>Best results</source>
        <comment>command</comment>
        <translation>最佳成绩</translation>
    </message>
    <message>
        <source>Best results: choose type</source>
        <comment>command</comment>
        <translation>最佳成绩：选择类型</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>command</comment>
        <translation>设置</translation>
    </message>
    <message>
        <source>About</source>
        <comment>command</comment>
        <translation>关于 Orbello</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>command</comment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>command</comment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Minimise</source>
        <comment>command</comment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>command</comment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 ball %2 selected.</source>
        <comment>the colour, the cell</comment>
        <translation>已选中 %2 的%1球。</translation>
    </message>
    <message>
        <source>No path.</source>
        <translation>无路可走。</translation>
    </message>
    <message>
        <source>%1 ball %2 to %3.</source>
        <comment>the colour, the cell it left, the cell it reached</comment>
        <translation>%1球从 %2 移到 %3。</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <comment>balls removed, points scored</comment>
        <translation>%1，%2。</translation>
    </message>
    <message numerus="yes">
        <source>%n balls removed</source>
        <translation>
            <numerusform>移除了 %n 个球</numerusform>
        </translation>
    </message>
    <message>
        <source>One new ball</source>
        <translation>一个新球</translation>
    </message>
    <message>
        <source>Two new balls</source>
        <translation>两个新球</translation>
    </message>
    <message>
        <source>Three new balls</source>
        <translation>三个新球</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a new ball: its colour, its cell</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>how many new balls, the balls</comment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>游戏结束。</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>得分 %1</translation>
    </message>
    <message>
        <source>Champion %1</source>
        <translation>最高分 %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <comment>hours:minutes:seconds</comment>
        <translation>时间 %1</translation>
    </message>
    <message>
        <source>Game type %1</source>
        <translation>游戏类型 %1</translation>
    </message>
    <message>
        <source>Next: hidden</source>
        <comment>the next balls&apos; colours</comment>
        <translation>下一批球：隐藏</translation>
    </message>
    <message>
        <source>Next: none</source>
        <comment>the next balls&apos; colours</comment>
        <translation>下一批球：无</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next balls&apos; colours</comment>
        <translation>下一批球：%1</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>得分 %1。</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <comment>a row or column</comment>
        <translation>%1：空。</translation>
    </message>
    <message>
        <source>%1: %2; the rest empty.</source>
        <comment>a row or column, its cells</comment>
        <translation>%1：%2；其余为空。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a row or column, its cells</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>Score %1, champion %2, time %3.</source>
        <comment>hours:minutes:seconds</comment>
        <translation>得分 %1，最高分 %2，时间 %3。</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the items of a spoken list</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the groups of a spoken list</comment>
        <translation>；</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Selected ball</source>
        <translation>选中的球</translation>
    </message>
    <message>
        <source>Jump sound file</source>
        <translation>跳动声音文件</translation>
    </message>
    <message>
        <source>Play jump sound</source>
        <translation>播放跳动声音</translation>
    </message>
    <message>
        <source>Choose jump sound file</source>
        <translation>选择跳动声音文件</translation>
    </message>
    <message>
        <source>Destroyed ball</source>
        <translation>消除的球</translation>
    </message>
    <message>
        <source>Destroy sound file</source>
        <translation>消除声音文件</translation>
    </message>
    <message>
        <source>Play destroy sound</source>
        <translation>播放消除声音</translation>
    </message>
    <message>
        <source>Choose destroy sound file</source>
        <translation>选择消除声音文件</translation>
    </message>
    <message>
        <source>Moving ball</source>
        <translation>移动的球</translation>
    </message>
    <message>
        <source>Move sound file</source>
        <translation>移动声音文件</translation>
    </message>
    <message>
        <source>Play move sound</source>
        <translation>播放移动声音</translation>
    </message>
    <message>
        <source>Choose move sound file</source>
        <translation>选择移动声音文件</translation>
    </message>
    <message>
        <source>Impossibility of the move</source>
        <translation>无法移动</translation>
    </message>
    <message>
        <source>No path sound file</source>
        <translation>“无路可走”声音文件</translation>
    </message>
    <message>
        <source>Play no path sound</source>
        <translation>播放“无路可走”声音</translation>
    </message>
    <message>
        <source>Choose no path sound file</source>
        <translation>选择“无路可走”声音文件</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>跳动</translation>
    </message>
    <message>
        <source>Destroy</source>
        <translation>消除</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>出现</translation>
    </message>
    <message>
        <source>On the panel and board</source>
        <translation>面板和棋盘</translation>
    </message>
    <message>
        <source>On the panel</source>
        <translation>面板上</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>棋盘上</translation>
    </message>
    <message>
        <source>Not show colors</source>
        <translation>不显示</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>色块</translation>
    </message>
    <message>
        <source>Orbello - Settings</source>
        <translation>Orbello - 设置</translation>
    </message>
    <message>
        <source> Next Colors </source>
        <translation> 下一批球 </translation>
    </message>
    <message>
        <source> Default Game </source>
        <translation> 默认游戏类型 </translation>
    </message>
    <message>
        <source> Skin </source>
        <translation> 皮肤 </translation>
    </message>
    <message>
        <source> Sounds </source>
        <translation> 声音 </translation>
    </message>
    <message>
        <source> Delay at time </source>
        <translation> 延迟 </translation>
    </message>
    <message>
        <source>Skin file</source>
        <translation>皮肤文件</translation>
    </message>
    <message>
        <source>Choose skin file</source>
        <translation>选择皮肤文件</translation>
    </message>
    <message>
        <source>Show path</source>
        <translation>显示路径</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Choose of the skin</source>
        <translation>选择皮肤</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Orbello 皮肤文件：(*.sf)</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Sounds: (*.wav)</source>
        <translation>声音：(*.wav)</translation>
    </message>
</context>
<context>
    <name>SkinCompiler</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>编译</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Bitmap files: (*.bmp)</source>
        <translation>位图文件：(*.bmp)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Orbello 皮肤文件：(*.sf)</translation>
    </message>
    <message>
        <source>Could not create skin file</source>
        <translation>无法创建皮肤文件</translation>
    </message>
    <message>
        <source>Creator Skins for Orbello</source>
        <translation>Orbello 皮肤编译器</translation>
    </message>
    <message>
        <source>Select bitmap for board (36x36 pixels)</source>
        <translation>选择棋盘位图（36x36 像素）</translation>
    </message>
    <message>
        <source>Size of bitmap for board incorrect, must be 36x36 pixels</source>
        <translation>棋盘位图尺寸不正确，必须为 36x36 像素</translation>
    </message>
    <message>
        <source>Choose bitmap for board</source>
        <translation>选择棋盘位图</translation>
    </message>
    <message>
        <source>Select bitmap for score (160x20 pixels)</source>
        <translation>选择得分位图（160x20 像素）</translation>
    </message>
    <message>
        <source>Size of bitmap for score incorrect, must be 160x20 pixels</source>
        <translation>得分位图尺寸不正确，必须为 160x20 像素</translation>
    </message>
    <message>
        <source>Choose bitmap for score</source>
        <translation>选择得分位图</translation>
    </message>
    <message>
        <source>Select bitmap for balls (768x224 pixels)</source>
        <translation>选择球位图（768x224 像素）</translation>
    </message>
    <message>
        <source>Size of bitmap for balls incorrect, must be 768x224 pixels</source>
        <translation>球位图尺寸不正确，必须为 768x224 像素</translation>
    </message>
    <message>
        <source>Choose bitmap for balls</source>
        <translation>选择球位图</translation>
    </message>
    <message>
        <source>Select bitmap for timer (99x11 pixels)</source>
        <translation>选择计时器位图（99x11 像素）</translation>
    </message>
    <message>
        <source>Size of bitmap for timer incorrect, must be 99x11 pixels</source>
        <translation>计时器位图尺寸不正确，必须为 99x11 像素</translation>
    </message>
    <message>
        <source>Choose bitmap for timer</source>
        <translation>选择计时器位图</translation>
    </message>
    <message>
        <source>Select bitmap for walk (128x32 pixels)</source>
        <translation>选择路径位图（128x32 像素）</translation>
    </message>
    <message>
        <source>Size of bitmap for walk incorrect, must be 128x32 pixels</source>
        <translation>路径位图尺寸不正确，必须为 128x32 像素</translation>
    </message>
    <message>
        <source>Choose bitmap for walk</source>
        <translation>选择路径位图</translation>
    </message>
    <message>
        <source>Invalid graphic format (not bitmap)</source>
        <translation>图像格式无效（不是位图）</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>严重错误</translation>
    </message>
    <message>
        <source>Save skin file for Orbello</source>
        <translation>保存 Orbello 皮肤文件</translation>
    </message>
    <message>
        <source>%1 can&apos;t run help file</source>
        <translation>%1 无法打开帮助</translation>
    </message>
    <message>
        <source>File %1 saved</source>
        <translation>文件 %1 已保存</translation>
    </message>
    <message>
        <source>Congratulation</source>
        <translation>恭喜</translation>
    </message>
    <message>
        <source>Could not open file: %1</source>
        <translation>无法打开文件：%1</translation>
    </message>
    <message>
        <source>Could not read from file: %1</source>
        <translation>无法读取文件：%1</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Corvane Orbello.</source>
        <translation>Corvane Orbello 正在运行。
卸载前请先关闭 Corvane Orbello。</translation>
    </message>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Orbello.</source>
        <translation>Corvane Orbello 正在运行。
卸载前请先关闭 Orbello。</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Desktop&gt; folder.
Uninstall canceled.</source>
        <translation>无法确定&lt;桌面&gt;文件夹。
卸载已取消。</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Start Menu&gt; folder.
Uninstall canceled.</source>
        <translation>无法确定&lt;开始菜单&gt;文件夹。
卸载已取消。</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>无法打开注册表项 &lt;Corvane\OB&gt;。
卸载已取消。</translation>
    </message>
    <message>
        <source>Couldn&apos;t get data from &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>无法从注册表项 &lt;Corvane\OB&gt; 读取数据。
卸载已取消。</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane&gt; registry key.
Uninstall canceled.</source>
        <translation>无法打开注册表项 &lt;Corvane&gt;。
卸载已取消。</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>无法删除注册表项 &lt;Corvane\OB&gt;。
卸载已取消。</translation>
    </message>
    <message>
        <source>The folder of the installation holds no valid list of installed files (install.manifest), so it may not be an installation of Corvane Orbello, and nothing was deleted.
To remove an installation made by an older installer, install Corvane Orbello again and then uninstall it.
Uninstall canceled.</source>
        <translation>安装文件夹中没有有效的已安装文件列表（install.manifest），它可能不是 Corvane Orbello 的安装，因此未删除任何内容。
要移除由旧版安装程序完成的安装，请重新安装 Corvane Orbello，然后再卸载。
卸载已取消。</translation>
    </message>
    <message>
        <source>The uninstall in not finished! Do you really want to abort?</source>
        <translation>卸载尚未完成！确定要中止吗？</translation>
    </message>
    <message>
        <source>%1 Uninstall</source>
        <translation>卸载 %1</translation>
    </message>
    <message>
        <source>Uninstall will now remove the software &quot;%1&quot; from your computer.  Please wait while each of the following components is removed.</source>
        <translation>现在将从您的计算机中移除软件“%1”。请稍候，正在逐一移除以下组件。</translation>
    </message>
    <message>
        <source>Shortcut icons</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Program files, folders and directories</source>
        <translation>程序文件和文件夹</translation>
    </message>
    <message>
        <source>Registry Entries</source>
        <translation>注册表项</translation>
    </message>
    <message>
        <source>Uninstall compete.</source>
        <translation>卸载完成。</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>卸载(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>not yet removed</source>
        <translation>尚未移除</translation>
    </message>
    <message>
        <source>being removed</source>
        <translation>正在移除</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>已移除</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
</TS>
