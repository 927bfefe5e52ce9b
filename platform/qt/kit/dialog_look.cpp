#include "platform/qt/kit/dialog_look.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <algorithm>

#include "platform/qt/kit/accessible.h"
#include "platform/qt/kit/kit.h"

namespace orbello::kit {

namespace {

QColor ButtonHighlight() {
  return QApplication::palette().color(QPalette::Light);
}
QColor ButtonShadow() {
  return QApplication::palette().color(QPalette::Dark);
}
QColor ButtonText() {
  return QApplication::palette().color(QPalette::ButtonText);
}

}  // namespace

int DialogUnitsX(int units) {
  return (units * 6 + 2) / 4;
}

int DialogUnitsY(int units) {
  return (units * 13 + 4) / 8;
}

QRect DialogUnitRect(int x, int y, int width, int height) {
  return QRect(DialogUnitsX(x), DialogUnitsY(y), DialogUnitsX(width), DialogUnitsY(height));
}

QImage BuildDialogBackground(const QImage& bitmap, QSize client_size) {
  if (bitmap.isNull() || client_size.isEmpty())
    return {};
  QImage tile = bitmap.convertToFormat(QImage::Format_RGB888);
  QImage image(client_size, QImage::Format_RGB888);
  if (image.isNull() || tile.isNull())
    return {};
  QPainter painter(&image);
  for (int y = 0; y < client_size.height(); y += tile.height()) {
    for (int x = 0; x < client_size.width(); x += tile.width())
      painter.drawImage(x, y, tile);
  }
  return image;
}

void DrawDialogButton(QPainter& painter, const QRect& rect, const QString& caption,
                      const QImage& background, const ButtonFace& face) {
  // Drawn whole in 24 bits first, as the system's buttons are, then put in place.
  QImage image(rect.size(), QImage::Format_RGB888);
  const bool deep = image.depth() > 8 && painter.device()->depth() > 8;
  {
    QPainter p(&image);
    DrawButton(p, image.rect(), caption, background, face, kDialogButtonLook, deep);
  }
  painter.drawImage(rect.topLeft(), image);
}

void SetDialogId(QWidget* widget, int id) {
  widget->setProperty(kDialogIdProperty, id);
  widget->setObjectName(QString::number(id));
}

QWidget* FindDialogControl(const QWidget* dialog, int id) {
  const auto children = dialog->findChildren<QWidget*>();
  for (QWidget* child : children) {
    const QVariant value = child->property(kDialogIdProperty);
    if (value.isValid() && value.toInt() == id)
      return child;
  }
  return nullptr;
}

// ---- LookDialog ----

LookDialog::LookDialog(QWidget* owner, QSize client_size, const QString& caption)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint),
      client_size_(client_size) {
  setWindowTitle(caption);
  setFixedSize(client_size);
  setFont(GuiFont());
  setModal(true);
  // The background image covers every pixel: no erase, no flicker.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void LookDialog::SetClientSize(QSize client_size) {
  client_size_ = client_size;
  setFixedSize(client_size);
}

bool LookDialog::LoadBackground(const QString& path) {
  QImage bitmap(path);
  background_ = BuildDialogBackground(bitmap, client_size_);
  return !background_.isNull();
}

QImage LookDialog::BackgroundUnder(const QWidget* widget) const {
  const QPoint origin = widget->mapTo(this, QPoint(0, 0));
  QImage part(widget->size(), QImage::Format_RGB888);
  part.fill(palette().color(QPalette::Window));
  if (!background_.isNull()) {
    QPainter p(&part);
    p.drawImage(QPoint(0, 0), background_, QRect(origin, widget->size()));
  }
  return part;
}

void LookDialog::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (background_.isNull()) {
    painter.fillRect(rect(), palette().color(QPalette::Window));
  } else {
    painter.drawImage(0, 0, background_);
  }
  PaintDecorations(painter);
}

void LookDialog::keyPressEvent(QKeyEvent* event) {
  // Tab held with Control comes here from the control that had it, as Qt's focus chain lets it
  // pass; it moves as Tab does.
  if (const std::optional<bool> backward = TabKeyBackward(*event)) {
    event->accept();
    focusNextPrevChild(!*backward);
    return;
  }
  // Only the buttons and the close command end these dialogs.
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

bool LookDialog::focusNextPrevChild(bool next) {
  if (cycle_.empty())
    return QDialog::focusNextPrevChild(next);
  MoveFocusInCycle(cycle_, focusWidget(), !next);
  return true;
}

void LookDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
    update();
    for (QWidget* child : findChildren<QWidget*>())
      child->update();
  }
  QDialog::changeEvent(event);
}

void LookDialog::closeEvent(QCloseEvent* event) {
  event->accept();
  done(2);
}

// ---- DialogButton ----

DialogButton::DialogButton(const QString& caption, LookDialog* dialog, int id,
                           const QRect& geometry)
    : QPushButton(caption, dialog), dialog_(dialog) {
  SetDialogId(this, id);
  setGeometry(geometry);
  setAutoDefault(false);
  setDefault(false);
  setFocusPolicy(Qt::StrongFocus);
  setFont(GuiFont());
}

void DialogButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  ButtonFace face;
  face.pressed = isDown();
  face.disabled = !isEnabled();
  face.focused = hasFocus();
  DrawDialogButton(painter, rect(), text(), dialog_->BackgroundUnder(this), face);
}

void DialogButton::keyPressEvent(QKeyEvent* event) {
  if (IsArrowKey(event->key())) {
    event->accept();
    return;
  }
  QPushButton::keyPressEvent(event);
}

TextField* NewDialogField(LookDialog* dialog, int id, const QRect& geometry) {
  auto* field = new TextField(
      dialog, [dialog](const QWidget* under) { return dialog->BackgroundUnder(under); });
  SetDialogId(field, id);
  field->setGeometry(geometry);
  return field;
}

bool IsArrowKey(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

// ---- GroupLabel ----

GroupLabel::GroupLabel(const QString& text, LookDialog* dialog, int id, const QRect& geometry)
    : QWidget(dialog), text_(text), dialog_(dialog) {
  SetDialogId(this, id);
  setFont(GuiFont());
  const int width = QFontMetrics(font()).horizontalAdvance(text_);
  setGeometry(
      QRect(geometry.topLeft(), QSize(std::max(geometry.width(), width), geometry.height())));
  setFocusPolicy(Qt::NoFocus);
  InstallAccessibility();
}

void GroupLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const int width = std::min(this->width(), QFontMetrics(font()).horizontalAdvance(text_));
  const QImage under = dialog_->BackgroundUnder(this);
  painter.drawImage(QPoint(0, 0), under, QRect(0, 0, width, height()));
  painter.setPen(WindowTextColor());
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}

// ---- DialogText ----

DialogText::DialogText(const QString& text, QWidget* parent, const QRect& geometry,
                       Qt::Alignment alignment)
    : QWidget(parent), text_(text), alignment_(alignment) {
  setFont(GuiFont());
  setGeometry(geometry);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  InstallAccessibility();
}

void DialogText::SetBold(bool bold) {
  QFont f = font();
  f.setBold(bold);
  setFont(f);
}

void DialogText::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(color_ ? color_() : WindowTextColor());
  if (word_wrap_) {
    painter.drawText(rect(), static_cast<int>(alignment_ | Qt::AlignTop) | Qt::TextWordWrap, text_);
  } else {
    painter.drawText(rect(), static_cast<int>(alignment_ | Qt::AlignVCenter) | Qt::TextSingleLine,
                     text_);
  }
}

// ---- DialogSlider ----

namespace {
constexpr int kChannelTop = 6;
constexpr int kChannelBottom = 10;
constexpr int kChannelInset = 6;  // channel ends from the control's edges
constexpr int kThumbWidth = 11;
constexpr int kThumbTop = 1;
constexpr int kThumbHeight = 14;
}  // namespace

DialogSlider::DialogSlider(QWidget* parent, int id, const QRect& geometry)
    : QAbstractSlider(parent) {
  SetDialogId(this, id);
  setOrientation(Qt::Horizontal);
  setRange(0, 100);
  setSingleStep(1);
  setPageStep(10);
  setGeometry(geometry);
  setFocusPolicy(Qt::StrongFocus);
  InstallAccessibility();
}

QRect DialogSlider::ChannelRect() const {
  return QRect(QPoint(kChannelInset, kChannelTop),
               QPoint(width() - 1 - kChannelInset, kChannelBottom));
}

int DialogSlider::ThumbCentreX(int value) const {
  const QRect channel = ChannelRect();
  const int first = channel.left() + 3;
  const int last = channel.right() - 4;
  const int span = std::max(1, maximum() - minimum());
  return first + (last - first) * (value - minimum()) / span;
}

QRect DialogSlider::ThumbRect() const {
  const int centre = ThumbCentreX(value());
  return QRect(centre - kThumbWidth / 2, kThumbTop, kThumbWidth, kThumbHeight);
}

int DialogSlider::ValueAt(int x) const {
  const QRect channel = ChannelRect();
  const int first = channel.left() + 3;
  const int last = channel.right() - 4;
  if (last <= first)
    return minimum();
  const int span = maximum() - minimum();
  const int v = minimum() + ((x - first) * span + (last - first) / 2) / (last - first);
  return std::clamp(v, minimum(), maximum());
}

void DialogSlider::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  // The background under the slider is the dialog's own (this control is transparent).
  const QRect channel = ChannelRect();
  painter.fillRect(channel, ButtonHighlight());
  painter.setPen(QPen(ButtonShadow(), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(channel.adjusted(0, 0, -1, -1));

  painter.setPen(QPen(ButtonText(), 1));
  const int tick_top = channel.bottom() + 4;
  for (int v = minimum() + 10; v < maximum(); v += 10) {
    const int x = ThumbCentreX(v);
    painter.drawLine(x, tick_top, x, tick_top + 3);
  }
  painter.drawLine(ThumbCentreX(minimum()), tick_top, ThumbCentreX(minimum()), tick_top + 4);
  painter.drawLine(ThumbCentreX(maximum()), tick_top, ThumbCentreX(maximum()), tick_top + 4);

  const QRect thumb = ThumbRect();
  const QImage face = qobject_cast<LookDialog*>(window()) != nullptr
                          ? static_cast<LookDialog*>(window())->BackgroundUnder(this).copy(thumb)
                          : QImage();
  if (!face.isNull())
    painter.drawImage(thumb.topLeft(), face);
  DrawPushFrame(painter, thumb, isSliderDown());
  if (hasFocus())
    DrawFocusRect(painter, rect());
}

void DialogSlider::keyPressEvent(QKeyEvent* event) {
  // As the system's trackbar: Left, Up and Page Up move toward 0; Right, Down and Page Down
  // toward 100.
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      triggerAction(SliderSingleStepSub);
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      triggerAction(SliderSingleStepAdd);
      break;
    case Qt::Key_PageUp:
      triggerAction(SliderPageStepSub);
      break;
    case Qt::Key_PageDown:
      triggerAction(SliderPageStepAdd);
      break;
    default:
      QAbstractSlider::keyPressEvent(event);
      return;
  }
  event->accept();
}

void DialogSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  setFocus(Qt::MouseFocusReason);
  const QRect thumb = ThumbRect();
  const int x = event->position().toPoint().x();
  if (thumb.contains(event->position().toPoint())) {
    dragging_ = true;
    drag_offset_ = x - ThumbCentreX(value());
    setSliderDown(true);
  } else if (x < thumb.left()) {
    triggerAction(SliderPageStepSub);
  } else if (x > thumb.right()) {
    triggerAction(SliderPageStepAdd);
  }
  update();
}

void DialogSlider::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_)
    return;
  setSliderPosition(ValueAt(event->position().toPoint().x() - drag_offset_));
  update();
}

void DialogSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_)
    return;
  dragging_ = false;
  setSliderDown(false);
  update();
}

}  // namespace orbello::kit
