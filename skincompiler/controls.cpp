#include "skincompiler/controls.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <cctype>
#include <string>

#include "platform/qt/kit/dialog_look.h"
#include "platform/qt/kit/kit.h"
#include "platform/qt/kit/text_field.h"
#include "skincompiler/skin_rows.h"

namespace orbello::csfob {
namespace {

// The skin compiler's buttons: the face from 1 pixel in at the top left to 2 pixels in at the
// bottom right, a pressed caption 1 pixel right and down, the focus dots inverted.
constexpr kit::ButtonLook kButtonLook{
    {1, 1, 2, 2}, {2, 2, 0, 0}, kit::PushedEdge::kShadowOutside, kit::FocusDots::kInverted};

}  // namespace

// ---------------------------------------------------------------------------------------------

SkinButton::SkinButton(const QString& text, int command, ControlHost* host, QWidget* parent)
    : QAbstractButton(parent), command_(command), host_(host) {
  setText(text);
  setFont(kit::GuiFont());
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QAbstractButton::clicked, this, [this] { host_->OnCommand(command_); });
}

void SkinButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      host_->MoveFocus(this, true);
      return;
    case Qt::Key_Right:
    case Qt::Key_Down:
      host_->MoveFocus(this, false);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Only the "..." buttons act on Enter; Help, Compile and Quit want Space or a click.
      if (RowOfCommand(command_) >= 0)
        host_->OnCommand(command_);
      return;
    default:
      QAbstractButton::keyPressEvent(event);
  }
}

void SkinButton::focusInEvent(QFocusEvent* event) {
  host_->RememberFocus(this);
  QAbstractButton::focusInEvent(event);
}

void SkinButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage& background = host_->Background();
  const QImage under = background.isNull() ? QImage() : background.copy(geometry());
  kit::ButtonFace face;
  face.pressed = isDown();
  face.disabled = !isEnabled();
  face.focused = hasFocus();
  const bool deep = background.depth() > 8 && (screen() == nullptr || screen()->depth() > 8);
  kit::DrawButton(painter, rect(), text(), under, face, kButtonLook, deep);
}

// ---------------------------------------------------------------------------------------------

SubclassedControl::~SubclassedControl() {
  delete widget_;
}

bool SubclassedControl::Create(std::string_view class_name, const QString& text, const QRect& rect,
                               QWidget* parent, ControlHost* host, int command) {
  if (widget_ != nullptr)
    return false;
  std::string kind(class_name);
  std::transform(kind.begin(), kind.end(), kind.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (kind == "button") {
    widget_ = new SkinButton(text, command, host, parent);
  } else if (kind == "edit") {
    auto* field = new kit::TextField(parent, [host](const QWidget* under) {
      return host->Background().copy(under->geometry());
    });
    field->SetDefaultTextColor([host] { return host->TextColor(); });
    field->SetBlinkingCaret(true);
    QObject::connect(field, &kit::TextField::FocusEntered, field,
                     [host, field] { host->RememberFocus(field); });
    field->SetText(text);
    widget_ = field;
  } else if (kind == "static") {
    auto* label = new kit::DialogText(text, parent, rect);
    label->SetColorSource([host, row = command] { return host->LabelColor(row); });
    widget_ = label;
  } else {
    return false;
  }
  widget_->setGeometry(rect);
  widget_->show();
  return true;
}

}  // namespace orbello::csfob
