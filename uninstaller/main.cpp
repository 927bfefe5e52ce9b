// uni_cvob: removes an installation of the game after making sure the game is not running.
#include <QApplication>

#include "platform/core/message.h"
#include "platform/qt/instance.h"
#include "platform/qt/ui.h"
#include "uninstaller/removal.h"
#include "uninstaller/uninstall_dialog.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  orbello::platform::InstallQtMessageHandler();
  if (orbello::platform::IsGameMainWindowOpen()) {
    orbello::platform::MessageRequest request;
    request.text = orbello::uninstaller::kMsgGameLoadedAtStart;
    request.caption = orbello::uninstaller::kWarningCaption;
    request.icon = orbello::platform::MessageIcon::kError;
    orbello::platform::ShowMessage(request);
    return 0;
  }
  orbello::uninstaller::UninstallDialog dialog;
  dialog.exec();
  return 0;
}
