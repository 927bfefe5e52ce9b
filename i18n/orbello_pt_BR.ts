<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>About Orbello</source>
        <translation>Sobre o Orbello</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>E-mail: </translation>
    </message>
    <message>
        <source>Orbello can&apos;t run this process</source>
        <translation>O Orbello não consegue iniciar este processo</translation>
    </message>
    <message>
        <source>Web Site: </source>
        <translation>Site: </translation>
    </message>
    <message>
        <source>Copyright © 2026 Corvane Software.</source>
        <translation>Copyright © 2026 Corvane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Move the balls along free paths and build lines, squares or blocks of one colour: they vanish and score. Every move that removes nothing brings three new balls. The game ends when the board has no room for them.</source>
        <translation>Mova as bolas por caminhos livres e forme linhas, quadrados ou blocos de uma só cor: eles somem e valem pontos. Cada jogada que não remove nada traz três bolas novas. A partida termina quando o tabuleiro não tem mais espaço para elas.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Orbello can&apos;t run help file</source>
        <translation>O Orbello não consegue abrir a ajuda</translation>
    </message>
</context>
<context>
    <name>BestResults</name>
    <message>
        <source>The best results for Lines</source>
        <translation>Melhores resultados em Linhas</translation>
    </message>
    <message>
        <source>The best results for Squares</source>
        <translation>Melhores resultados em Quadrados</translation>
    </message>
    <message>
        <source>The best results for Blocks</source>
        <translation>Melhores resultados em Blocos</translation>
    </message>
    <message>
        <source>The best results</source>
        <translation>Melhores resultados</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type your name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>no X11 display to open the window on (DISPLAY is not set)</source>
        <translation>nenhuma tela X11 onde abrir a janela (DISPLAY não está definida)</translation>
    </message>
    <message>
        <source>cannot open the X11 display &quot;%1&quot;</source>
        <translation>não é possível abrir a tela X11 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>this Wayland session has no X11 display (DISPLAY is not set), so the window opens on Wayland: the compositor places it, draws it without its shape and does not let a second start raise it, and the help window stays open at the end. XWayland gives all of these back.</source>
        <translation>esta sessão Wayland não tem tela X11 (DISPLAY não está definida), então a janela abre no Wayland: o compositor a posiciona, a desenha sem o seu formato e não deixa uma segunda execução trazê-la para a frente, e a janela de ajuda fica aberta no final. O XWayland devolve tudo isso.</translation>
    </message>
    <message>
        <source>This display shows %1 bits per pixel; its colour depth is not supported.</source>
        <translation>Esta tela usa %1 bits por pixel; essa profundidade de cor não é suportada.</translation>
    </message>
    <message>
        <source>Corvane Orbello needs a display of at least %1 bits per pixel.</source>
        <translation>Corvane Orbello precisa de uma tela com pelo menos %1 bits por pixel.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>%1
Folder not found.
Please verify the correct folder name was given.</source>
        <translation>%1
Pasta não encontrada.
Verifique se o nome da pasta está correto.</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>OB save files: (*.osf)</source>
        <translation>Partidas salvas do Orbello: (*.osf)</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salvar partida</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Abrir partida</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Não é possível salvar a partida atual.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Não é possível abrir a partida escolhida.</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>Lines</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Quadrados</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocos</translation>
    </message>
    <message>
        <source>Unable to load skin: [%1]</source>
        <translation>Não é possível carregar o tema: [%1]</translation>
    </message>
    <message>
        <source>Congratulation!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>Begin new game?</source>
        <translation>Começar uma nova partida?</translation>
    </message>
    <message>
        <source>Game Over. Begin new game?</source>
        <translation>Fim de jogo. Começar uma nova partida?</translation>
    </message>
    <message>
        <source>Internal Error. Application will be closed.</source>
        <translation>Erro interno. O programa será fechado.</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Erro fatal</translation>
    </message>
    <message>
        <source>Can&apos;t create timer object</source>
        <translation>Não é possível criar o temporizador</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Atenção!</translation>
    </message>
    <message>
        <source>Confirm Action</source>
        <translation>Confirmar ação</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Atenção</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Can&apos;t read registry key.</source>
        <translation>Não é possível ler a chave de registro.</translation>
    </message>
    <message>
        <source>Can&apos;t read from registry.</source>
        <translation>Não é possível ler do registro.</translation>
    </message>
    <message>
        <source>Can&apos;t open registry key.</source>
        <translation>Não é possível abrir a chave de registro.</translation>
    </message>
    <message>
        <source>Can&apos;t write into registry.</source>
        <translation>Não é possível gravar no registro.</translation>
    </message>
    <message>
        <source>Can&apos;t read data from cvobhs.dat</source>
        <translation>Não é possível ler os dados de cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t write data into cvobhs.dat</source>
        <translation>Não é possível gravar os dados em cvobhs.dat</translation>
    </message>
    <message>
        <source>Can&apos;t save current game.</source>
        <translation>Não é possível salvar a partida atual.</translation>
    </message>
    <message>
        <source>Can&apos;t load selected game.</source>
        <translation>Não é possível abrir a partida escolhida.</translation>
    </message>
    <message>
        <source>You want to load another game without save current game ?</source>
        <translation>Você quer abrir outra partida sem salvar a atual?</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Erro fatal</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>cor %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>a ball colour</comment>
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>%1: %2 ball, selected</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: bola %2, selecionada</translation>
    </message>
    <message>
        <source>%1: %2 ball</source>
        <comment>a cell: its position, the colour</comment>
        <translation>%1: bola %2</translation>
    </message>
    <message>
        <source>%1: empty, %2 ball announced</source>
        <comment>a cell: its position, the colour of the ball to come</comment>
        <translation>%1: vazia, bola %2 anunciada</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <comment>a cell: its position</comment>
        <translation>%1: vazia</translation>
    </message>
    <message>
        <source>Squares</source>
        <comment>game type</comment>
        <translation>Quadrados</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>game type</comment>
        <translation>Blocos</translation>
    </message>
    <message>
        <source>Lines</source>
        <comment>game type</comment>
        <translation>Linhas</translation>
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
        <translation>Nenhuma bola.</translation>
    </message>
    <message>
        <source>Game loaded: %1, score %2.</source>
        <comment>the game type, the score</comment>
        <translation>Partida aberta: %1, pontuação %2.</translation>
    </message>
    <message>
        <source>New game: %1.</source>
        <comment>the game type</comment>
        <translation>Nova partida: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n balls; B lists them.</source>
        <translation>
            <numerusform>%n bola; B as lista.</numerusform>
            <numerusform>%n bolas; B as lista.</numerusform>
        </translation>
    </message>
    <message>
        <source>Game type</source>
        <translation>Tipo de partida</translation>
    </message>
    <message>
        <source>New game</source>
        <comment>command</comment>
        <translation>Nova partida</translation>
    </message>
    <message>
        <source>New game: choose type</source>
        <comment>command</comment>
        <translation>Nova partida: escolher o tipo</translation>
    </message>
    <message>
        <source>Load game</source>
        <comment>command</comment>
        <translation>Abrir partida</translation>
    </message>
    <message>
        <source>Save game</source>
        <comment>command</comment>
        <translation>Salvar partida</translation>
    </message>
    <message>
        <source>Best results</source>
        <comment>command</comment>
        <translation>Melhores resultados</translation>
    </message>
    <message>
        <source>Best results: choose type</source>
        <comment>command</comment>
        <translation>Melhores resultados: escolher o tipo</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>command</comment>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>About</source>
        <comment>command</comment>
        <translation>Sobre o Orbello</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>command</comment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>command</comment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Minimise</source>
        <comment>command</comment>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>command</comment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 ball %2 selected.</source>
        <comment>the colour, the cell</comment>
        <translation>Bola %1 em %2 selecionada.</translation>
    </message>
    <message>
        <source>No path.</source>
        <translation>Sem caminho.</translation>
    </message>
    <message>
        <source>%1 ball %2 to %3.</source>
        <comment>the colour, the cell it left, the cell it reached</comment>
        <translation>Bola %1 de %2 para %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n ponto</numerusform>
            <numerusform>%n pontos</numerusform>
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
            <numerusform>%n bola removida</numerusform>
            <numerusform>%n bolas removidas</numerusform>
        </translation>
    </message>
    <message>
        <source>One new ball</source>
        <translation>Uma bola nova</translation>
    </message>
    <message>
        <source>Two new balls</source>
        <translation>Duas bolas novas</translation>
    </message>
    <message>
        <source>Three new balls</source>
        <translation>Três bolas novas</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a new ball: its colour, its cell</comment>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>how many new balls, the balls</comment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Fim de jogo.</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Pontuação %1</translation>
    </message>
    <message>
        <source>Champion %1</source>
        <translation>Recorde %1</translation>
    </message>
    <message>
        <source>Time %1</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Tempo %1</translation>
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
        <translation>Próximas bolas: nenhuma</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <comment>the next balls&apos; colours</comment>
        <translation>Próximas bolas: %1</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Pontuação %1.</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <comment>a row or column</comment>
        <translation>%1: vazia.</translation>
    </message>
    <message>
        <source>%1: %2; the rest empty.</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2; o resto, vazio.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a row or column, its cells</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <source>Score %1, champion %2, time %3.</source>
        <comment>hours:minutes:seconds</comment>
        <translation>Pontuação %1, recorde %2, tempo %3.</translation>
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
        <translation>Bola escolhida</translation>
    </message>
    <message>
        <source>Jump sound file</source>
        <translation>Arquivo do som do salto</translation>
    </message>
    <message>
        <source>Play jump sound</source>
        <translation>Tocar o som do salto</translation>
    </message>
    <message>
        <source>Choose jump sound file</source>
        <translation>Escolher o arquivo do som do salto</translation>
    </message>
    <message>
        <source>Destroyed ball</source>
        <translation>Bola removida</translation>
    </message>
    <message>
        <source>Destroy sound file</source>
        <translation>Arquivo do som de remoção</translation>
    </message>
    <message>
        <source>Play destroy sound</source>
        <translation>Tocar o som de remoção</translation>
    </message>
    <message>
        <source>Choose destroy sound file</source>
        <translation>Escolher o arquivo do som de remoção</translation>
    </message>
    <message>
        <source>Moving ball</source>
        <translation>Bola em movimento</translation>
    </message>
    <message>
        <source>Move sound file</source>
        <translation>Arquivo do som de movimento</translation>
    </message>
    <message>
        <source>Play move sound</source>
        <translation>Tocar o som de movimento</translation>
    </message>
    <message>
        <source>Choose move sound file</source>
        <translation>Escolher o arquivo do som de movimento</translation>
    </message>
    <message>
        <source>Impossibility of the move</source>
        <translation>Jogada impossível</translation>
    </message>
    <message>
        <source>No path sound file</source>
        <translation>Arquivo do som &quot;Sem caminho&quot;</translation>
    </message>
    <message>
        <source>Play no path sound</source>
        <translation>Tocar o som &quot;Sem caminho&quot;</translation>
    </message>
    <message>
        <source>Choose no path sound file</source>
        <translation>Escolher o arquivo do som &quot;Sem caminho&quot;</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>Destroy</source>
        <translation>Remoção</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Surgimento</translation>
    </message>
    <message>
        <source>On the panel and board</source>
        <translation>Painel e tabuleiro</translation>
    </message>
    <message>
        <source>On the panel</source>
        <translation>No painel</translation>
    </message>
    <message>
        <source>On the board</source>
        <translation>No tabuleiro</translation>
    </message>
    <message>
        <source>Not show colors</source>
        <translation>Não mostrar</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Quadrados</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocos</translation>
    </message>
    <message>
        <source>Orbello - Settings</source>
        <translation>Orbello - Configurações</translation>
    </message>
    <message>
        <source> Next Colors </source>
        <translation> Próximas bolas </translation>
    </message>
    <message>
        <source> Default Game </source>
        <translation> Tipo de partida padrão </translation>
    </message>
    <message>
        <source> Skin </source>
        <translation> Tema </translation>
    </message>
    <message>
        <source> Sounds </source>
        <translation> Sons </translation>
    </message>
    <message>
        <source> Delay at time </source>
        <translation> Atraso </translation>
    </message>
    <message>
        <source>Skin file</source>
        <translation>Arquivo de tema</translation>
    </message>
    <message>
        <source>Choose skin file</source>
        <translation>Escolher arquivo de tema</translation>
    </message>
    <message>
        <source>Show path</source>
        <translation>Mostrar caminho</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose of the skin</source>
        <translation>Escolher o tema</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Temas do Orbello: (*.sf)</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Escolher arquivo</translation>
    </message>
    <message>
        <source>Sounds: (*.wav)</source>
        <translation>Sons: (*.wav)</translation>
    </message>
</context>
<context>
    <name>SkinCompiler</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Compile</source>
        <translation>Compilar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Bitmap files: (*.bmp)</source>
        <translation>Arquivos bitmap: (*.bmp)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Orbello skin files: (*.sf)</source>
        <translation>Temas do Orbello: (*.sf)</translation>
    </message>
    <message>
        <source>Could not create skin file</source>
        <translation>Não foi possível criar o arquivo de tema</translation>
    </message>
    <message>
        <source>Creator Skins for Orbello</source>
        <translation>Compilador de temas para o Orbello</translation>
    </message>
    <message>
        <source>Select bitmap for board (36x36 pixels)</source>
        <translation>Escolher bitmap para tabuleiro (36x36 pixels)</translation>
    </message>
    <message>
        <source>Size of bitmap for board incorrect, must be 36x36 pixels</source>
        <translation>Tamanho do bitmap para tabuleiro incorreto: deve ter 36x36 pixels</translation>
    </message>
    <message>
        <source>Choose bitmap for board</source>
        <translation>Escolher bitmap para tabuleiro</translation>
    </message>
    <message>
        <source>Select bitmap for score (160x20 pixels)</source>
        <translation>Escolher bitmap para pontuação (160x20 pixels)</translation>
    </message>
    <message>
        <source>Size of bitmap for score incorrect, must be 160x20 pixels</source>
        <translation>Tamanho do bitmap para pontuação incorreto: deve ter 160x20 pixels</translation>
    </message>
    <message>
        <source>Choose bitmap for score</source>
        <translation>Escolher bitmap para pontuação</translation>
    </message>
    <message>
        <source>Select bitmap for balls (768x224 pixels)</source>
        <translation>Escolher bitmap para bolas (768x224 pixels)</translation>
    </message>
    <message>
        <source>Size of bitmap for balls incorrect, must be 768x224 pixels</source>
        <translation>Tamanho do bitmap para bolas incorreto: deve ter 768x224 pixels</translation>
    </message>
    <message>
        <source>Choose bitmap for balls</source>
        <translation>Escolher bitmap para bolas</translation>
    </message>
    <message>
        <source>Select bitmap for timer (99x11 pixels)</source>
        <translation>Escolher bitmap para relógio (99x11 pixels)</translation>
    </message>
    <message>
        <source>Size of bitmap for timer incorrect, must be 99x11 pixels</source>
        <translation>Tamanho do bitmap para relógio incorreto: deve ter 99x11 pixels</translation>
    </message>
    <message>
        <source>Choose bitmap for timer</source>
        <translation>Escolher bitmap para relógio</translation>
    </message>
    <message>
        <source>Select bitmap for walk (128x32 pixels)</source>
        <translation>Escolher bitmap para caminho (128x32 pixels)</translation>
    </message>
    <message>
        <source>Size of bitmap for walk incorrect, must be 128x32 pixels</source>
        <translation>Tamanho do bitmap para caminho incorreto: deve ter 128x32 pixels</translation>
    </message>
    <message>
        <source>Choose bitmap for walk</source>
        <translation>Escolher bitmap para caminho</translation>
    </message>
    <message>
        <source>Invalid graphic format (not bitmap)</source>
        <translation>Formato de imagem inválido (não é bitmap)</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Erro fatal</translation>
    </message>
    <message>
        <source>Save skin file for Orbello</source>
        <translation>Salvar arquivo de tema para o Orbello</translation>
    </message>
    <message>
        <source>%1 can&apos;t run help file</source>
        <translation>%1 não consegue abrir a ajuda</translation>
    </message>
    <message>
        <source>File %1 saved</source>
        <translation>Arquivo %1 salvo</translation>
    </message>
    <message>
        <source>Congratulation</source>
        <translation>Parabéns</translation>
    </message>
    <message>
        <source>Could not open file: %1</source>
        <translation>Não foi possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>Could not read from file: %1</source>
        <translation>Não foi possível ler o arquivo: %1</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Corvane Orbello.</source>
        <translation>O Corvane Orbello está em execução.
Feche o Corvane Orbello antes de desinstalá-lo.</translation>
    </message>
    <message>
        <source>Corvane Orbello loaded.
Before uninstalling necessary to close Orbello.</source>
        <translation>O Corvane Orbello está em execução.
Feche o Orbello antes de desinstalá-lo.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Desktop&gt; folder.
Uninstall canceled.</source>
        <translation>Não é possível determinar a pasta &lt;Área de trabalho&gt;.
Desinstalação cancelada.</translation>
    </message>
    <message>
        <source>Unable to determine &lt;Start Menu&gt; folder.
Uninstall canceled.</source>
        <translation>Não é possível determinar a pasta &lt;Menu Iniciar&gt;.
Desinstalação cancelada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Não foi possível abrir a chave de registro &lt;Corvane\OB&gt;.
Desinstalação cancelada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t get data from &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Não foi possível ler os dados da chave de registro &lt;Corvane\OB&gt;.
Desinstalação cancelada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t open &lt;Corvane&gt; registry key.
Uninstall canceled.</source>
        <translation>Não foi possível abrir a chave de registro &lt;Corvane&gt;.
Desinstalação cancelada.</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete &lt;Corvane\OB&gt; registry key.
Uninstall canceled.</source>
        <translation>Não foi possível excluir a chave de registro &lt;Corvane\OB&gt;.
Desinstalação cancelada.</translation>
    </message>
    <message>
        <source>The folder of the installation holds no valid list of installed files (install.manifest), so it may not be an installation of Corvane Orbello, and nothing was deleted.
To remove an installation made by an older installer, install Corvane Orbello again and then uninstall it.
Uninstall canceled.</source>
        <translation>A pasta da instalação não contém uma lista válida dos arquivos instalados (install.manifest); talvez não seja uma instalação do Corvane Orbello, e nada foi excluído.
Para remover uma instalação feita por um instalador antigo, instale o Corvane Orbello novamente e depois desinstale-o.
Desinstalação cancelada.</translation>
    </message>
    <message>
        <source>The uninstall in not finished! Do you really want to abort?</source>
        <translation>A desinstalação não terminou! Deseja mesmo interrompê-la?</translation>
    </message>
    <message>
        <source>%1 Uninstall</source>
        <translation>Desinstalar %1</translation>
    </message>
    <message>
        <source>Uninstall will now remove the software &quot;%1&quot; from your computer.  Please wait while each of the following components is removed.</source>
        <translation>O programa &quot;%1&quot; será removido do seu computador. Aguarde enquanto cada um dos componentes a seguir é removido.</translation>
    </message>
    <message>
        <source>Shortcut icons</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Program files, folders and directories</source>
        <translation>Arquivos e pastas do programa</translation>
    </message>
    <message>
        <source>Registry Entries</source>
        <translation>Entradas do registro</translation>
    </message>
    <message>
        <source>Uninstall compete.</source>
        <translation>Desinstalação concluída.</translation>
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
        <translation>ainda não removido</translation>
    </message>
    <message>
        <source>being removed</source>
        <translation>sendo removido</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>removido</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
