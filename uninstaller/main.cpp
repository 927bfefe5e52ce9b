// uni_cvob: removes an installation of the game after making sure the game is not running.
#include <QApplication>

#include "platform/qt/display_choice.h"
#include "platform/qt/ui.h"
#include "uninstaller/uninstall_dialog.h"

int main(int argc, char** argv) {
  if (!orbello::platform::PrepareDisplay("uni_cvob"))
    return 1;
  QApplication app(argc, argv);
  orbello::platform::SetUpApplication();
  return orbello::uninstaller::RunUninstallProgram();
}
