// csfob: packs five bitmaps into a skin file for the game. Any number of copies may run.
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cstdio>

#include "platform/qt/display_choice.h"
#include "platform/qt/ui.h"
#include "skincompiler/compiler_window.h"

int main(int argc, char** argv) {
  if (!orbello::platform::PrepareDisplay("csfob"))
    return 1;
  QApplication app(argc, argv);
  orbello::platform::SetUpApplication();

  const QPixmap icon(QStringLiteral(":/csfob/MAINICON.png"));
  if (!icon.isNull())
    QApplication::setWindowIcon(icon);
  orbello::csfob::CompilerWindow window(QImage(QStringLiteral(":/csfob/BITMAP_1.bmp")), icon);
  // Without its background the window cannot be drawn: say so rather than end as if all went well.
  if (!window.IsBuilt()) {
    std::fputs("csfob: the window could not be built\n", stderr);
    return 1;
  }
  window.CentreOnMonitor();
  window.show();
  return QApplication::exec();
}
