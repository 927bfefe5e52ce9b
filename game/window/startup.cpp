#include "startup.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "game/window/main_form.h"
#include "platform/qt/instance.h"

namespace orbello::window {

bool CheckSingleInstance(platform::SingleInstance& instance) {
  if (instance.TryBecomeFirst())
    return true;
  platform::AskRunningInstanceToRaise();
  return false;
}

int RunGame(platform::SingleInstance& instance) {
  int status = 0;
  try {
    TMainForm1 form;
    status = form.FormCreate();
    if (status != 0)
      return status;
    platform::ServeMainWindow(instance, &form);
    form.show();
    status = QApplication::exec();
    if (form.ExitStatus() >= 0)
      status = form.ExitStatus();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, QStringLiteral("Corvane Orbello"),
                          QString::fromLocal8Bit(error.what()));
    status = kExitStatusFailure;
  }
  return status;
}

}  // namespace orbello::window
