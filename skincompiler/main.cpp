// csfob: packs five bitmaps into a skin file for the game. Any number of copies may run.
#include <QApplication>
#include <QImage>
#include <QPixmap>

#include "platform/qt/ui.h"
#include "skincompiler/compiler_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  orbello::platform::InstallQtMessageHandler();

  const QPixmap icon(QStringLiteral(":/csfob/MAINICON.png"));
  if (!icon.isNull())
    QApplication::setWindowIcon(icon);
  orbello::csfob::CompilerWindow window(QImage(QStringLiteral(":/csfob/BITMAP_1.bmp")), icon);
  // A window that could not be built ends the program quietly.
  if (!window.IsBuilt())
    return 0;
  window.CentreOnMonitor();
  window.show();
  return QApplication::exec();
}
