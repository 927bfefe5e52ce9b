// The floor of the start benchmark: the least a Qt program does to show the game's backdrop in the
// game's shape (frameless, 590 x 480, the two circles), and nothing else.
// Usage: orbello_floor_window BACKDROP.jpg [BACKDROP@2x.jpg]
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "game/window/window_region.h"

namespace {

class Backdrop : public QWidget {
 public:
  explicit Backdrop(QImage picture) : picture_(std::move(picture)) {
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(590, 480);
    setMask(orbello::window::MakeWindowRegion());
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, picture_); }

 private:
  QImage picture_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2)
    return 64;
  QImage picture;
  if (argc > 2 && app.devicePixelRatio() > 1 && picture.load(QString::fromLocal8Bit(argv[2]))) {
    picture.setDevicePixelRatio(2);
  } else if (!picture.load(QString::fromLocal8Bit(argv[1]))) {
    return 1;
  }
  Backdrop window(picture.convertToFormat(QImage::Format_RGB32));
  window.show();
  return app.exec();
}
