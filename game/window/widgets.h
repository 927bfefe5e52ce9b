// The small widgets of the main window: holder panels, picture images (board cells, displays,
// previews), the owner-drawn picture buttons and the game-type menu.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <mutex>
#include <vector>

namespace orbello::window {

// The colour of the holder panels, the blue of the circle around the displays.
inline constexpr QRgb kHolderColor = qRgb(38, 89, 140);

// A plain panel in the colour of the blue circle; presses on it neither reach the backdrop below
// nor move the window.
class HolderPanel : public QWidget {
 public:
  explicit HolderPanel(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

// An image that owns its picture and paints nothing else. The picture can be drawn from another
// thread under Lock(); painting takes the same lock. The widget is width x height; its picture
// has `scale` times the pixels in each direction (2 on a screen of double density).
class TPictureImage : public QWidget {
 public:
  TPictureImage(QWidget* parent, int width, int height, int scale = 1);

  std::mutex& Lock() { return lock_; }
  // The picture itself; callers hold Lock() when another thread may draw.
  QImage& Picture() { return picture_; }
  // A copy of the picture taken under the lock.
  QImage Snapshot();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::mutex lock_;
  QImage picture_;
};

// A board cell: a picture image that hands a left press (no other button, no Shift, no Ctrl) to
// its handler. Named "BoardCell" + n with the tag n.
class BoardCell : public TPictureImage {
 public:
  using PressHandler = std::function<void(BoardCell*)>;

  BoardCell(QWidget* parent, int tag, PressHandler on_press, int scale = 1);
  int Tag() const { return tag_; }
  // What a left press does; also the screen reader's press.
  void Press();
  // The keyboard cursor's frame, drawn over the picture; the picture itself never holds it.
  void SetFramed(bool framed);
  bool Framed() const { return framed_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int tag_;
  PressHandler on_press_;
  bool framed_ = false;
};

// A command or caption button drawn from its face pictures, of any one scale; the button takes
// the faces' logical size. The faces are cut once; the disabled face is shown whenever the button
// is disabled.
class TPictureButton : public QAbstractButton {
 public:
  TPictureButton(QWidget* parent, int id, QImage normal, QImage pressed, QImage disabled);
  int Id() const { return id_; }
  const QImage& NormalFace() const { return normal_; }
  // The dotted focus mark is drawn: the button has the focus and the keyboard has been used.
  bool FocusMarkShown() const;
  // Where the mark goes, inside the visible face (by default 4 pixels inside the button).
  void SetFocusMarkRect(const QRect& rect) { focus_mark_ = rect; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  int id_;
  QImage normal_;
  QImage pressed_;
  QImage disabled_;
  QRect focus_mark_;
};

// The owner-drawn popup with the three game variants: gold items, the blue side band with the
// band picture at its bottom, the item of the default variant in bold.
class TGameMenu : public QWidget {
 public:
  struct Item {
    int id;
    QString text;
  };
  using ChooseHandler = std::function<void(int id)>;
  using DefaultGameSource = std::function<int()>;

  // `accumulated_height` grows by each item's height when the item is measured.
  TGameMenu(QWidget* owner, QImage band, int* accumulated_height, DefaultGameSource default_game,
            ChooseHandler on_choose);

  static constexpr int kBandWidth = 20;
  static constexpr int kFrame = 2;

  // Opens the menu with its top left corner at `at` (screen coordinates), moved up above `at` or
  // left when the screen edge needs it.
  void Popup(QPoint at);
  const std::vector<Item>& Items() const { return items_; }
  // Item rectangle in the menu's coordinates; measures the items on first use.
  QRect ItemRect(int index);
  QFont ItemFont(bool bold) const;
  int Highlighted() const { return highlighted_; }
  // The items as objects of their own, so that a screen reader can be told of each one; named
  // kMenuItemName, in item order.
  const std::vector<QObject*>& ItemObjects() const { return item_objects_; }
  static constexpr char kMenuItemName[] = "GameMenuItem";
  // Takes item `index` as if it had been clicked.
  void ChooseItem(int index) { Choose(index); }

  // Where a menu of `size` opened at `at` lands on `screen`.
  static QPoint Place(QPoint at, QSize size, const QRect& screen);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Measure();
  int ItemAt(QPoint p);
  void Choose(int index);
  void Highlight(int index);

  std::vector<Item> items_;
  std::vector<QSize> item_sizes_;
  QImage band_;
  int* accumulated_height_;
  DefaultGameSource default_game_;
  ChooseHandler on_choose_;
  int highlighted_ = -1;
  std::vector<QObject*> item_objects_;
  mutable bool fonts_chosen_ = false;
  mutable QFont normal_font_;
  mutable QFont bold_font_;
};

}  // namespace orbello::window
