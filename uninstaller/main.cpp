// uni_cvob: removes an installation of the game after making sure the game is not running.
#include <QApplication>

#include "platform/qt/display_choice.h"
#include "platform/qt/ui.h"
#include "uninstaller/uninstall_dialog.h"

int main(int argc, char** argv) {
  orbello::platform::ChooseX11OnWayland("uni_cvob");
  if (!orbello::platform::DisplayReachable("uni_cvob"))
    return 1;
  QApplication app(argc, argv);
  orbello::platform::InstallQtMessageHandler();
  return orbello::uninstaller::RunUninstallProgram();
}
