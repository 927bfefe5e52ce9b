// cvob: the game.
#include <QApplication>

#include "game/window/accessible_form.h"
#include "game/window/startup.h"
#include "platform/qt/display_choice.h"
#include "platform/qt/instance.h"
#include "platform/qt/sound.h"
#include "platform/qt/ui.h"

int main(int argc, char** argv) {
  // The window carries the class "TMainForm1" on X11, as the uninstaller and a second start look
  // for it; the name must be known before the application exists.
  qputenv("RESOURCE_NAME", "TMainForm1");
  if (!orbello::platform::PrepareDisplay("cvob"))
    return 1;
  // Before the application exists, so that a screen reader hears its name from the start.
  orbello::window::InstallAccessibility();
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("TMainForm1"));
  orbello::platform::SetUpApplication();
  orbello::window::SayRecordsInTheLanguage();

  orbello::platform::SingleInstance instance;
  if (!orbello::window::CheckSingleInstance(instance))
    return 0;
  orbello::window::QuitOnTerminationSignals();
  const int status = orbello::window::RunGame(instance);
  instance.Release();
  orbello::platform::ShutdownSound();
  return status;
}
