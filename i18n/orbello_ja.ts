<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>About</name>
    <message>
        <source>About Orbello</source>
        <translation>Orbello について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>メール: </translation>
    </message>
    <message>
        <source>Orbello can&apos;t run this process</source>
        <translation>Orbello はこの処理を実行できません</translation>
    </message>
    <message>
        <source>Web Site: </source>
        <translation>Web サイト: </translation>
    </message>
    <message>
        <source>Copyright © 2026 Corvane Software.</source>
        <translation>Copyright © 2026 Corvane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>All rights reserved.</translation>
    </message>
    <message>
        <source>Move the balls along free paths and build lines, squares or blocks of one colour: they vanish and score. Every move that removes nothing brings three new balls. The game ends when the board has no room for them.</source>
        <translation>空いている経路に沿ってボールを動かし、同じ色のライン、スクエア、ブロックを作りましょう。そろったボールは消えて得点になります。何も消えなかった手のたびに新しいボールが 3 個現れます。盤面に空きがなくなるとゲームは終わります。</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Orbello can&apos;t run help file</source>
        <translation>Orbello はヘルプを開けません</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The best results for Lines</source>
        <translation>ベスト記録（ライン）</translation>
    </message>
    <message>
        <source>The best results for Squares</source>
        <translation>ベスト記録（スクエア）</translation>
    </message>
    <message>
        <source>The best results for Blocks</source>
        <translation>ベスト記録（ブロック）</translation>
    </message>
    <message>
        <source>The best results</source>
        <translation>ベスト記録</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type your name</source>
        <translation>名前を入力してください</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>得点</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>no X11 display to open the window on (DISPLAY is not set)</source>
        <translation>ウィンドウを開く X11 ディスプレイがありません（DISPLAY が設定されていません）</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;</source>
        <translation>X11 ディスプレイ「%1」を開けません</translation>
    </message>
    <message>
        <source>this Wayland session has no X11 display (DISPLAY is not set), so the window opens on Wayland: the compositor places it, draws it without its shape and does not let a second start raise it, and the help window stays open at the end. XWayland gives all of these back.</source>
        <translation>この Wayland セッションには X11 ディスプレイがありません（DISPLAY が設定されていません）。そのためウィンドウは Wayland 上で開きます。コンポジターがウィンドウを配置し、形を持たずに描画し、2 回目の起動で前面に出すこともできず、ヘルプウィンドウは終了時にも開いたままになります。XWayland を使うとこれらすべてが戻ります。</translation>
    </message>
    <message>
        <source>This display shows %1 bits per pixel; its colour depth is not supported.</source>
        <translation>このディスプレイは 1 ピクセルあたり %1 ビットです。この色深度には対応していません。</translation>
    </message>
    <message>
        <source>Corvane Orbello needs a display of at least %1 bits per pixel.</source>
        <translation>Corvane Orbello には 1 ピクセルあたり %1 ビット以上のディスプレイが必要です。</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct folder name was given.</source>
        <translation>%1
フォルダーが見つかりません。
フォルダー名が正しいか確認してください。</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>OB save files: (*.osf)</source>
        <translation>Orbello の保存ゲーム: (*.osf)</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>ゲームを保存</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>ゲームを開く</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>現在のゲームを保存できません。</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>選択したゲームを開けません。</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Lines</source>
        <translation>ライン</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>スクエア</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>ブロック</translation>
    </message>
    <message>
        <source>Unable to load skin: [%1]</source>
        <translation>スキンを読み込めません: [%1]</translation>
    </message>
    <message>
        <source>Congratulation!</source>
        <translation>おめでとうございます！</translation>
    </message>
    <message>
        <source>Begin new game?</source>
        <translation>新しいゲームを始めますか？</translation>
    </message>
    <message>
        <source>Game Over. Begin new game?</source>
        <translation>ゲームオーバー。新しいゲームを始めますか？</translation>
    </message>
    <message>
        <source>Internal Error. Application will be closed.</source>
        <translation>内部エラーです。プログラムを終了します。</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>致命的なエラー</translation>
    </message>
    <message>
        <source>Can&apos;t create timer object</source>
        <translation>タイマーを作成できません</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>操作の確認</translation>
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
        <translation>レジストリ キーを読み取れません。</translation>
    </message>
    <message>
        <source>Can&apos;t read from registry.</source>
        <translation>レジストリから読み取れません。</translation>
    </message>
    <message>
        <source>Can&apos;t open registry key.</source>
        <translation>レジストリ キーを開けません。</translation>
    </message>
    <message>
        <source>Can&apos;t write into registry.</source>
        <translation>レジストリに書き込めません。</translation>
    </message>
    <message>
        <source>Can&apos;t read data from cvobhs.dat</source>
        <translation>cvobhs.dat からデータを読み取れません</translation>
    </message>
    <message>
        <source>Can&apos;t write data into cvobhs.dat</source>
        <translation>cvobhs.dat にデータを書き込めません</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>現在のゲームを保存できません。</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>選択したゲームを開けません。</translation>
    </message>
    <message>
        <source>You want to load another game without save current game ?</source>
        <translation>現在のゲームを保存せずに別のゲームを開きますか？</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>致命的なエラー</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>色%1</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a ball colour</comment>
        <translation>不明な色</translation>
    </message>
    <message>
        <source>%1: %2 ball, selected</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: %2のボール、選択中</translation>
    </message>
    <message>
        <source>%1: %2 ball</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: %2のボール</translation>
    </message>
    <message>
        <source>%1: empty, %2 ball announced</source>
        <comment>a cell: its position, the colour of the ball to come</comment>
        <translation>%1: 空き、%2のボールを予告</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <comment>a cell: its position</comment>
        <translation>%1: 空き</translation>
    </message>
    <message>
        <source>Squares</source>
        <comment>game type</comment>
        <translation>スクエア</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>game type</comment>
        <translation>ブロック</translation>
    </message>
    <message>
        <source>Lines</source>
        <comment>game type</comment>
        <translation>ライン</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>ends a sentence</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the balls of a colour: the colour, their cells</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No balls.</source>
        <translation>ボールはありません。</translation>
    </message>
    <message>
        <source>Game loaded: %1, score %2.</source>
        <comment>the game type, the score</comment>
        <translation>ゲームを開きました: %1、得点 %2。</translation>
    </message>
    <message>
        <source>New game: %1.</source>
        <comment>the game type</comment>
        <translation>新しいゲーム: %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n balls; B lists them.</source>
        <translation>
            <numerusform>ボールは %n 個です。B キーで一覧を読み上げます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>ゲームの種類</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>command</comment>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>New game: choose type</source>
        <comment>command</comment>
        <translation>新しいゲーム: 種類を選択</translation>
    </message>
    <message>
        <source>Load game</source>
        <comment>command</comment>
        <translation>ゲームを開く</translation>
    </message>
    <message>
        <source>Save game</source>
        <comment>command</comment>
        <translation>ゲームを保存</translation>
    </message>
    <message>
        <source>Best results</source>
        <comment>command</comment>
        <translation>ベスト記録</translation>
    </message>
    <message>
        <source>Best results: choose type</source>
        <comment>command</comment>
        <translation>ベスト記録: 種類を選択</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>command</comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>About</source>
        <comment>command</comment>
        <translation>Orbello について</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>command</comment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>command</comment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Minimise</source>
        <comment>command</comment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>command</comment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1 ball %2 selected.</source>
        <comment>the colour, the cell</comment>
        <translation>%2 の%1のボールを選択しました。</translation>
    </message>
    <message>
        <source>No path.</source>
        <translation>経路がありません。</translation>
    </message>
    <message>
        <source>%1 ball %2 to %3.</source>
        <comment>the colour, the cell it left, the cell it reached</comment>
        <translation>%1のボールを %2 から %3 へ移動しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n 点</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n 点</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <comment>balls removed, points scored</comment>
        <translation>%1、%2。</translation>
    </message>
    <message numerus="yes">
        <source>%n balls removed</source>
        <translation>
            <numerusform>ボール %n 個を消去</numerusform>
        </translation>
    </message>
    <message>
        <source>One new ball</source>
        <translation>新しいボール 1 個</translation>
    </message>
    <message>
        <source>Two new balls</source>
        <translation>新しいボール 2 個</translation>
    </message>
    <message>
        <source>Three new balls</source>
        <translation>新しいボール 3 個</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a new ball: its colour, its cell</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>how many new balls, the balls</comment>
        <translation>%1: %2。</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>ゲームオーバー。</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>得点 %1</translation>
    </message>
    <message>
        <source>Champion %1</source>
        <translation>最高記録 %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <comment>hours:minutes:seconds</comment>
        <translation>時間 %1</translation>
    </message>
    <message>
        <source>Game type %1</source>
        <translation>ゲームの種類 %1</translation>
    </message>
    <message>
        <source>Next: hidden</source>
        <comment>the next balls&apos; colours</comment>
        <translation>次のボール: 非表示</translation>
    </message>
    <message>
        <source>Next: none</source>
        <comment>the next balls&apos; colours</comment>
        <translation>次のボール: なし</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next balls&apos; colours</comment>
        <translation>次のボール: %1</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>得点 %1。</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <comment>a row or column</comment>
        <translation>%1: 空き。</translation>
    </message>
    <message>
        <source>%1: %2; the rest empty.</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2。残りは空き。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>%1 列</translation>
    </message>
    <message>
        <source>Score %1, champion %2, time %3.</source>
        <comment>hours:minutes:seconds</comment>
        <translation>得点 %1、最高記録 %2、時間 %3。</translation>
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
        <translation>選んだボール</translation>
    </message>
    <message>
        <source>Jump sound file</source>
        <translation>ジャンプの効果音ファイル</translation>
    </message>
    <message>
        <source>Play jump sound</source>
        <translation>ジャンプの効果音を再生</translation>
    </message>
    <message>
        <source>Choose jump sound file</source>
        <translation>ジャンプの効果音ファイルを選択</translation>
    </message>
    <message>
        <source>Destroyed ball</source>
        <translation>消えたボール</translation>
    </message>
    <message>
        <source>Destroy sound file</source>
        <translation>消去の効果音ファイル</translation>
    </message>
    <message>
        <source>Play destroy sound</source>
        <translation>消去の効果音を再生</translation>
    </message>
    <message>
        <source>Choose destroy sound file</source>
        <translation>消去の効果音ファイルを選択</translation>
    </message>
    <message>
        <source>Moving ball</source>
        <translation>動くボール</translation>
    </message>
    <message>
        <source>Move sound file</source>
        <translation>移動の効果音ファイル</translation>
    </message>
    <message>
        <source>Play move sound</source>
        <translation>移動の効果音を再生</translation>
    </message>
    <message>
        <source>Choose move sound file</source>
        <translation>移動の効果音ファイルを選択</translation>
    </message>
    <message>
        <source>Impossibility of the move</source>
        <translation>移動できない</translation>
    </message>
    <message>
        <source>No path sound file</source>
        <translation>「経路なし」の効果音ファイル</translation>
    </message>
    <message>
        <source>Play no path sound</source>
        <translation>「経路なし」の効果音を再生</translation>
    </message>
    <message>
        <source>Choose no path sound file</source>
        <translation>「経路なし」の効果音ファイルを選択</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>ジャンプ</translation>
    </message>
    <message>
        <source>Destroy</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>出現</translation>
    </message>
    <message>
        <source>On the panel and board</source>
        <translation>パネルと盤面</translation>
    </message>
    <message>
        <source>On the panel</source>
        <translation>パネル</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Not show colors</source>
        <translation>表示しない</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>ライン</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>スクエア</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>ブロック</translation>
    </message>
    <message>
        <source>Orbello - Settings</source>
        <translation>Orbello - 設定</translation>
    </message>
    <message>
        <source> Next Colors </source>
        <translation> 次のボール </translation>
    </message>
    <message>
        <source> Default Game </source>
        <translation> 既定のゲームの種類 </translation>
    </message>
    <message>
        <source> Skin </source>
        <translation> スキン </translation>
    </message>
    <message>
        <source> Sounds </source>
        <translation> 効果音 </translation>
    </message>
    <message>
        <source> Delay at time </source>
        <translation> 遅延 </translation>
    </message>
    <message>
        <source>Skin file</source>
        <translation>スキンファイル</translation>
    </message>
    <message>
        <source>Choose skin file</source>
        <translation>スキンファイルを選択</translation>
    </message>
    <message>
        <source>Show path</source>
        <translation>経路を表示</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Choose of the skin</source>
        <translation>スキンの選択</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Orbello のスキン: (*.sf)</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>Sounds: (*.wav)</source>
        <translation>効果音: (*.wav)</translation>
    </message>
</context>
<context>
    <name>SkinCompiler</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Bitmap files: (*.bmp)</source>
        <translation>ビットマップ ファイル: (*.bmp)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Orbello のスキン: (*.sf)</translation>
    </message>
    <message>
        <source>Could not create skin file</source>
        <translation>スキンファイルを作成できませんでした</translation>
    </message>
    <message>
        <source>Creator Skins for Orbello</source>
        <translation>Orbello スキンコンパイラ</translation>
    </message>
    <message>
        <source>Select bitmap for board (36x36 pixels)</source>
        <translation>盤面のビットマップを選択（36x36 ピクセル）</translation>
    </message>
    <message>
        <source>Size of bitmap for board incorrect, must be 36x36 pixels</source>
        <translation>盤面のビットマップのサイズが正しくありません。36x36 ピクセルにしてください</translation>
    </message>
    <message>
        <source>Choose bitmap for board</source>
        <translation>盤面のビットマップを選択</translation>
    </message>
    <message>
        <source>Select bitmap for score (160x20 pixels)</source>
        <translation>得点のビットマップを選択（160x20 ピクセル）</translation>
    </message>
    <message>
        <source>Size of bitmap for score incorrect, must be 160x20 pixels</source>
        <translation>得点のビットマップのサイズが正しくありません。160x20 ピクセルにしてください</translation>
    </message>
    <message>
        <source>Choose bitmap for score</source>
        <translation>得点のビットマップを選択</translation>
    </message>
    <message>
        <source>Select bitmap for balls (768x224 pixels)</source>
        <translation>ボールのビットマップを選択（768x224 ピクセル）</translation>
    </message>
    <message>
        <source>Size of bitmap for balls incorrect, must be 768x224 pixels</source>
        <translation>ボールのビットマップのサイズが正しくありません。768x224 ピクセルにしてください</translation>
    </message>
    <message>
        <source>Choose bitmap for balls</source>
        <translation>ボールのビットマップを選択</translation>
    </message>
    <message>
        <source>Select bitmap for timer (99x11 pixels)</source>
        <translation>タイマーのビットマップを選択（99x11 ピクセル）</translation>
    </message>
    <message>
        <source>Size of bitmap for timer incorrect, must be 99x11 pixels</source>
        <translation>タイマーのビットマップのサイズが正しくありません。99x11 ピクセルにしてください</translation>
    </message>
    <message>
        <source>Choose bitmap for timer</source>
        <translation>タイマーのビットマップを選択</translation>
    </message>
    <message>
        <source>Select bitmap for walk (128x32 pixels)</source>
        <translation>経路のビットマップを選択（128x32 ピクセル）</translation>
    </message>
    <message>
        <source>Size of bitmap for walk incorrect, must be 128x32 pixels</source>
        <translation>経路のビットマップのサイズが正しくありません。128x32 ピクセルにしてください</translation>
    </message>
    <message>
        <source>Choose bitmap for walk</source>
        <translation>経路のビットマップを選択</translation>
    </message>
    <message>
        <source>Invalid graphic format (not bitmap)</source>
        <translation>画像形式が正しくありません（ビットマップではありません）</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>致命的なエラー</translation>
    </message>
    <message>
        <source>Save skin file for Orbello</source>
        <translation>Orbello のスキンファイルを保存</translation>
    </message>
    <message>
        <source>%1 can&apos;t run help file</source>
        <translation>%1 はヘルプを開けません</translation>
    </message>
    <message>
        <source>File %1 saved</source>
        <translation>ファイル %1 を保存しました</translation>
    </message>
    <message>
        <source>Congratulation</source>
        <translation>おめでとうございます</translation>
    </message>
    <message>
        <source>Could not open file: %1</source>
        <translation>ファイルを開けませんでした: %1</translation>
    </message>
    <message>
        <source>Could not read from file: %1</source>
        <translation>ファイルを読み込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Corvane Orbello.</source>
        <translation>Corvane Orbello が実行中です。
アンインストールの前に Corvane Orbello を閉じてください。</translation>
    </message>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Orbello.</source>
        <translation>Corvane Orbello が実行中です。
アンインストールの前に Orbello を閉じてください。</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Desktop&gt; folder.
Uninstall canceled.</source>
        <translation>&lt;デスクトップ&gt; フォルダーを特定できません。
アンインストールを中止しました。</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Start Menu&gt; folder.
Uninstall canceled.</source>
        <translation>&lt;スタート メニュー&gt; フォルダーを特定できません。
アンインストールを中止しました。</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>レジストリ キー &lt;Corvane\OB&gt; を開けませんでした。
アンインストールを中止しました。</translation>
    </message>
    <message>
        <source>Couldn&apos;t get data from &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>レジストリ キー &lt;Corvane\OB&gt; からデータを取得できませんでした。
アンインストールを中止しました。</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane&gt; registry key.
Uninstall canceled.</source>
        <translation>レジストリ キー &lt;Corvane&gt; を開けませんでした。
アンインストールを中止しました。</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>レジストリ キー &lt;Corvane\OB&gt; を削除できませんでした。
アンインストールを中止しました。</translation>
    </message>
    <message>
        <source>The folder of the installation holds no valid list of installed files (install.manifest), so it may not be an installation of Corvane Orbello, and nothing was deleted.
To remove an installation made by an older installer, install Corvane Orbello again and then uninstall it.
Uninstall canceled.</source>
        <translation>インストール フォルダーに有効なインストール済みファイルの一覧 (install.manifest) がありません。Corvane Orbello のインストールではない可能性があるため、何も削除していません。
古いインストーラーで行ったインストールを削除するには、Corvane Orbello をもう一度インストールしてからアンインストールしてください。
アンインストールを中止しました。</translation>
    </message>
    <message>
        <source>The uninstall in not finished! Do you really want to abort?</source>
        <translation>アンインストールは完了していません。本当に中止しますか?</translation>
    </message>
    <message>
        <source>%1 Uninstall</source>
        <translation>%1 のアンインストール</translation>
    </message>
    <message>
        <source>Uninstall will now remove the software &quot;%1&quot; from your computer.  Please wait while each of the following components is removed.</source>
        <translation>ソフトウェア「%1」をコンピューターから削除します。次の各コンポーネントが削除されるまでお待ちください。</translation>
    </message>
    <message>
        <source>Shortcut icons</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Program files, folders and directories</source>
        <translation>プログラムのファイルとフォルダー</translation>
    </message>
    <message>
        <source>Registry Entries</source>
        <translation>レジストリ エントリ</translation>
    </message>
    <message>
        <source>Uninstall compete.</source>
        <translation>アンインストールが完了しました。</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>アンインストール(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>not yet removed</source>
        <translation>未削除</translation>
    </message>
    <message>
        <source>being removed</source>
        <translation>削除中</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>削除済み</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
