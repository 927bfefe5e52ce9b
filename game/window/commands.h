// The commands of the main window's buttons, keys and game-type menu.
#pragma once

namespace orbello::window {

enum CommandId {
  kCmdLines = 1100,
  kCmdSquares = 1101,
  kCmdBlocks = 1102,
  kCmdNew = 1150,
  kCmdNewMenu = 1151,
  kCmdLoad = 1152,
  kCmdSave = 1153,
  kCmdScore = 1154,
  kCmdScoreMenu = 1155,
  kCmdSet = 1156,
  kCmdAbout = 1157,
  kCmdQuit = 1158,
  kCmdHelp = 1159,
  kCmdMinimize = 1161,
  kCmdClose = 1162,
};

}  // namespace orbello::window
