#include "widgets.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <map>
#include <tuple>

#include "game/window/pictures.h"
#include "platform/qt/kit/kit.h"

namespace orbello::window {

namespace {

const QColor kMenuGold(255, 191, 0);
const QColor kMenuBlue(47, 107, 168);

// A black picture of the size. Pictures of one size share their pixels until one is drawn on
// (widgets are made on the UI thread only).
QImage BlackPicture(int width, int height, int scale) {
  static std::map<std::tuple<int, int, int>, QImage> shared;
  QImage& picture = shared[{width, height, scale}];
  if (picture.isNull())
    picture = BlankPicture(width, height, scale);
  return picture;
}

}  // namespace

HolderPanel::HolderPanel(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void HolderPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(kHolderColor));
}

void HolderPanel::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

TPictureImage::TPictureImage(QWidget* parent, int width, int height, int scale)
    : QWidget(parent), picture_(BlackPicture(width, height, scale)) {
  resize(width, height);
  // Each image paints all of itself, so a repaint of one image never touches its neighbours.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage TPictureImage::Snapshot() {
  std::lock_guard guard(lock_);
  return picture_;
}

void TPictureImage::paintEvent(QPaintEvent*) {
  const QImage picture = Snapshot();
  QPainter painter(this);
  painter.drawImage(0, 0, picture);
}

BoardCell::BoardCell(QWidget* parent, int tag, PressHandler on_press, int scale)
    : TPictureImage(parent, 36, 36, scale), tag_(tag), on_press_(std::move(on_press)) {
  setObjectName(QStringLiteral("BoardCell%1").arg(tag));
}

void BoardCell::SetFramed(bool framed) {
  if (framed_ == framed)
    return;
  framed_ = framed;
  update();
}

void BoardCell::paintEvent(QPaintEvent* event) {
  TPictureImage::paintEvent(event);
  if (!framed_)
    return;
  // A light ring between two dark ones stands out on a light cell as on a dark one, whatever the
  // skin; it is laid on whole logical pixels, so it stays sharp at every density.
  QPainter painter(this);
  const QRect outer = rect();
  const QRect light = outer.adjusted(1, 1, -1, -1);
  const QRect inner = light.adjusted(2, 2, -2, -2);
  const QRegion ring = QRegion(outer).subtracted(QRegion(inner.adjusted(1, 1, -1, -1)));
  painter.setClipRegion(ring);
  painter.fillRect(outer, Qt::black);
  painter.fillRect(light, Qt::white);
  painter.fillRect(inner, Qt::black);
}

void BoardCell::mousePressEvent(QMouseEvent* event) {
  // A press on a cell is the cell's own: it never reaches the backdrop, so it never moves the
  // window, whether or not the game takes it.
  event->accept();
  const bool left_alone = event->button() == Qt::LeftButton && event->buttons() == Qt::LeftButton;
  const bool shift_or_ctrl = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
  if (left_alone && !shift_or_ctrl)
    Press();
}

void BoardCell::Press() {
  if (on_press_)
    on_press_(this);
}

void BoardCell::mouseDoubleClickEvent(QMouseEvent* event) {
  // The cell answers the button-down message only; the second press of a double click comes as a
  // message of its own, which neither selects nor moves a ball.
  event->accept();
}

TPictureButton::TPictureButton(QWidget* parent, int id, QImage normal, QImage pressed,
                               QImage disabled)
    : QAbstractButton(parent),
      id_(id),
      normal_(std::move(normal)),
      pressed_(std::move(pressed)),
      disabled_(std::move(disabled)) {
  // A clicked button takes the focus, so Space presses only the button last used or reached
  // with Tab.
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(normal_.deviceIndependentSize().toSize());
  focus_mark_ = rect().adjusted(4, 4, -4, -4);
}

bool TPictureButton::FocusMarkShown() const {
  // A mouse player's window looks as it always did: the mark comes with the keyboard's use.
  return hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void TPictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage& face = !isEnabled() ? disabled_ : isDown() ? pressed_ : normal_;
  painter.drawImage(0, 0, face);
  // Inverted dots show on every face, light or dark.
  if (FocusMarkShown())
    kit::DrawFocusRect(painter, focus_mark_, kit::FocusDots::kInverted);
}

void TPictureButton::changeEvent(QEvent* event) {
  // Before its window has ever been shown nobody can hear of the change, and telling the
  // screen-reader bridge would bring the bridge up ahead of the window; the face is all there is
  // to redraw.
  if (event->type() == QEvent::EnabledChange && !window()->testAttribute(Qt::WA_WState_Created) &&
      !isDown()) {
    update();
    return;
  }
  QAbstractButton::changeEvent(event);
}

void TPictureButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is a notification of its own, which no command answers:
  // it neither presses the button nor clicks it.
  event->accept();
}

TGameMenu::TGameMenu(QWidget* owner, QImage band, int* accumulated_height,
                     DefaultGameSource default_game, ChooseHandler on_choose)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint),
      items_{{1100, QCoreApplication::translate("GameWindow", "Lines")},
             {1101, QCoreApplication::translate("GameWindow", "Squares")},
             {1102, QCoreApplication::translate("GameWindow", "Blocks")}},
      band_(std::move(band)),
      accumulated_height_(accumulated_height),
      default_game_(std::move(default_game)),
      on_choose_(std::move(on_choose)) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (size_t i = 0; i < items_.size(); ++i) {
    auto* item = new QObject(this);
    item->setObjectName(QString::fromLatin1(kMenuItemName));
    item_objects_.push_back(item);
  }
}

QFont TGameMenu::ItemFont(bool bold) const {
  // Chosen when first needed: measuring fonts reads the system's font configuration, which the
  // window's first frame does not need.
  if (!fonts_chosen_) {
    // The items' font is a sans-serif face whose cell height is 14 pixels.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    for (int pixels = 14; pixels >= 6; --pixels) {
      font.setPixelSize(pixels);
      if (QFontMetrics(font).height() <= 14)
        break;
    }
    normal_font_ = font;
    bold_font_ = font;
    bold_font_.setWeight(QFont::Bold);
    fonts_chosen_ = true;
  }
  return bold ? bold_font_ : normal_font_;
}

void TGameMenu::Measure() {
  if (!item_sizes_.empty())
    return;
  const QFontMetrics metrics(ItemFont(false));
  int width = 0, height = 0;
  for (const Item& item : items_) {
    const QSize size(metrics.horizontalAdvance(item.text) + 60, metrics.height() + 10);
    item_sizes_.push_back(size);
    if (accumulated_height_)
      *accumulated_height_ += size.height();
    width = std::max(width, size.width());
    height += size.height();
  }
  setFixedSize(width + 2 * kFrame, height + 2 * kFrame);
}

QRect TGameMenu::ItemRect(int index) {
  Measure();
  int top = kFrame;
  for (int i = 0; i < index; ++i)
    top += item_sizes_[i].height();
  return QRect(kFrame, top, width() - 2 * kFrame, item_sizes_[index].height());
}

QPoint TGameMenu::Place(QPoint at, QSize size, const QRect& screen) {
  QPoint place = at;
  // Vertical placement first: a menu that does not fit below its point opens above it.
  if (place.y() + size.height() > screen.bottom() + 1)
    place.setY(at.y() - size.height());
  if (place.y() < screen.top())
    place.setY(screen.top());
  if (place.x() + size.width() > screen.right() + 1)
    place.setX(screen.right() + 1 - size.width());
  if (place.x() < screen.left())
    place.setX(screen.left());
  return place;
}

void TGameMenu::Popup(QPoint at) {
  Measure();
  highlighted_ = -1;
  QRect screen_rect(at, QSize(1, 1));
  if (QScreen* screen = QGuiApplication::screenAt(at)) {
    screen_rect = screen->availableGeometry();
  } else if (parentWidget() && parentWidget()->screen()) {
    screen_rect = parentWidget()->screen()->availableGeometry();
  }
  move(Place(at, size(), screen_rect));
  show();
  setFocus(Qt::PopupFocusReason);
}

int TGameMenu::ItemAt(QPoint p) {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    if (ItemRect(i).contains(p))
      return i;
  }
  return -1;
}

void TGameMenu::Choose(int index) {
  hide();
  if (index >= 0 && on_choose_)
    on_choose_(items_[index].id);
}

void TGameMenu::paintEvent(QPaintEvent*) {
  Measure();
  QPainter painter(this);
  // The frame of a raised popup.
  const QRect all = rect();
  painter.fillRect(all, QColor(212, 208, 200));
  painter.setPen(Qt::white);
  painter.drawLine(1, 1, all.width() - 3, 1);
  painter.drawLine(1, 1, 1, all.height() - 3);
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(1, all.height() - 2, all.width() - 2, all.height() - 2);
  painter.drawLine(all.width() - 2, 1, all.width() - 2, all.height() - 2);
  painter.setPen(QColor(64, 64, 64));
  painter.drawLine(0, all.height() - 1, all.width() - 1, all.height() - 1);
  painter.drawLine(all.width() - 1, 0, all.width() - 1, all.height() - 1);

  const int default_game = default_game_ ? default_game_() : 0;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const bool selected = i == highlighted_;
    const bool bold = items_[i].id - 1100 + 1 == default_game;
    QRect item = ItemRect(i);
    item.setLeft(item.left() + kBandWidth);
    painter.fillRect(item, selected ? kMenuBlue : kMenuGold);
    painter.setFont(ItemFont(bold));
    painter.setPen(selected ? kMenuGold : QColor(0, 0, 0));
    const QFontMetrics metrics(painter.font());
    const int top = item.top() + (item.height() - metrics.height()) / 2;
    painter.drawText(item.left() + 20, top + metrics.ascent(), items_[i].text);
  }
  // The side band runs down the whole menu, its picture standing at the bottom.
  const int band_height = accumulated_height_ ? *accumulated_height_ : 0;
  painter.save();
  painter.translate(kFrame, kFrame);
  painter.setClipRect(QRect(0, 0, kBandWidth, height() - 2 * kFrame));
  painter.fillRect(QRect(0, 0, kBandWidth, band_height), kMenuBlue);
  painter.drawImage(0, band_height - qRound(band_.deviceIndependentSize().height()), band_);
  painter.restore();
}

void TGameMenu::Highlight(int index) {
  if (index == highlighted_)
    return;
  highlighted_ = index;
  update();
  // A screen reader follows the highlighted item as the focus.
  if (index >= 0 && QAccessible::isActive()) {
    QAccessibleEvent focus(item_objects_[static_cast<size_t>(index)], QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }
}

void TGameMenu::mouseMoveEvent(QMouseEvent* event) {
  Highlight(ItemAt(event->position().toPoint()));
}

void TGameMenu::leaveEvent(QEvent*) {
  Highlight(-1);
}

void TGameMenu::mouseReleaseEvent(QMouseEvent* event) {
  if (!rect().contains(event->position().toPoint())) {
    hide();
    return;
  }
  const int item = ItemAt(event->position().toPoint());
  if (item >= 0)
    Choose(item);
}

void TGameMenu::keyPressEvent(QKeyEvent* event) {
  const int count = static_cast<int>(items_.size());
  switch (event->key()) {
    case Qt::Key_Down:
      Highlight((highlighted_ + 1) % count);
      break;
    case Qt::Key_Up:
      Highlight(highlighted_ <= 0 ? count - 1 : highlighted_ - 1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (highlighted_ >= 0)
        Choose(highlighted_);
      break;
    case Qt::Key_Escape:
      hide();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace orbello::window
