#include "uninstaller/uninstall_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

#include "platform/core/message.h"
#include "platform/qt/instance.h"
#include "platform/qt/kit/kit.h"

namespace orbello::uninstaller {
namespace {

constexpr int kDialogWidthDu = 272;
constexpr int kDialogHeightDu = 170;
constexpr int kSlideMs = 200;

int Px(double units, double scale) {
  return static_cast<int>(std::lround(units * scale));
}

QRect Du(int x, int y, int width, int height) {
  return QRect(Px(x, kUnitX), Px(y, kUnitY), Px(width, kUnitX), Px(height, kUnitY));
}

QPoint DuPoint(int x, int y) {
  return QPoint(Px(x, kUnitX), Px(y, kUnitY));
}

// A static picture takes the size of its picture, as a picture control does.
QLabel* Picture(QWidget* parent, const QString& resource, QPoint at) {
  auto* label = new QLabel(parent);
  QPixmap pixmap(resource);
  label->setPixmap(pixmap);
  label->move(at);
  label->resize(pixmap.isNull() ? QSize(32, 32) : pixmap.size());
  return label;
}

QLabel* Text(QWidget* parent, const QString& text, QRect area) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(area);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

// An item's label wider than its place takes the room to the dialog's right edge, and a second
// line when that is not enough.
void FitItemLabel(QLabel* label, int right_edge) {
  const QFontMetrics metrics(label->font());
  const int needed = metrics.horizontalAdvance(label->text());
  if (needed <= label->width())
    return;
  QRect area = label->geometry();
  area.setRight(right_edge - 6);
  if (needed > area.width()) {
    label->setWordWrap(true);
    area.setHeight(2 * metrics.lineSpacing());
  }
  label->setGeometry(area);
}

QString Latin1(const char* text) {
  return QString::fromLatin1(text);
}

// The game must be closed first: said before the dialog opens and again when Uninstall is
// pressed, each time with its own text.
QString Tr(const char* text) {
  return QCoreApplication::translate("Uninstaller", text);
}

void ShowGameRunning(const char* text) {
  platform::MessageRequest request;
  request.text = Tr(text).toLocal8Bit().toStdString();
  request.caption = kWarningCaption;
  request.icon = platform::MessageIcon::kError;
  platform::ShowMessage(request);
}

}  // namespace

QString UninstallDialog::StateIconPath(ItemState state) {
  switch (state) {
    case ItemState::kInProgress:
      return QStringLiteral(":/uni/122.png");
    case ItemState::kDone:
      return QStringLiteral(":/uni/121.png");
    case ItemState::kWaiting:
      break;
  }
  return QStringLiteral(":/uni/123.png");
}

UninstallDialog::UninstallDialog(std::function<bool()> game_running, QWidget* parent)
    : QDialog(parent), game_running_(std::move(game_running)) {
  if (!game_running_)
    game_running_ = platform::IsGameRunning;
  setWindowTitle(
      QCoreApplication::translate("Uninstaller", "%1 Uninstall").arg(Latin1(kProductName)));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(QIcon(QStringLiteral(":/uni/120.png")));
  setFont(kit::GuiFont(kit::FontWidth::kSemiCondensed));
  const QSize client(Px(kDialogWidthDu, kUnitX), Px(kDialogHeightDu, kUnitY));
  setFixedSize(client);

  // Everything lives on one white sheet so that the sheet can slide in as a whole.
  content_ = new QWidget(this);
  content_->setGeometry(QRect(QPoint(0, 0), client));
  content_->setAutoFillBackground(true);
  QPalette white = content_->palette();
  white.setColor(QPalette::Window, Qt::white);
  content_->setPalette(white);

  Picture(content_, QStringLiteral(":/uni/108.bmp"), DuPoint(0, 0));
  QLabel* intro =
      Text(content_,
           QCoreApplication::translate("Uninstaller",
                                       "Uninstall will now remove the software \"%1\" from your "
                                       "computer.  Please wait while each of the following "
                                       "components is removed.")
               .arg(Latin1(kProductName)),
           Du(96, 6, 170, 30));
  intro->setWordWrap(true);
  // A longer translation may take the room down to the first item.
  const int intro_needed = intro->fontMetrics()
                               .boundingRect(intro->contentsRect(), Qt::TextWordWrap, intro->text())
                               .height();
  if (intro_needed > intro->height()) {
    intro->resize(intro->width(), std::min(intro_needed, Du(0, 48, 0, 0).top() - 2 - intro->y()));
  }

  const char* item_texts[] = {
      QT_TRANSLATE_NOOP("Uninstaller", "Shortcut icons"),
      QT_TRANSLATE_NOOP("Uninstaller", "Program files, folders and directories"),
      QT_TRANSLATE_NOOP("Uninstaller", "Registry Entries")};
  const int item_tops[] = {48, 70, 92};
  for (int i = 0; i < 3; ++i) {
    state_icons_[static_cast<std::size_t>(i)] =
        Picture(content_, StateIconPath(ItemState::kWaiting), DuPoint(95, item_tops[i]));
    item_labels_[static_cast<std::size_t>(i)] =
        Text(content_, Tr(item_texts[i]), Du(120, item_tops[i] + 2, 130, 8));
    FitItemLabel(item_labels_[static_cast<std::size_t>(i)], client.width());
    ShowState(static_cast<Item>(i), ItemState::kWaiting);
  }
  done_label_ = Text(content_, QCoreApplication::translate("Uninstaller", "Uninstall compete."),
                     Du(96, 116, 144, 9));
  done_label_->hide();

  auto* line = new QFrame(content_);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setLineWidth(1);
  QRect line_area = Du(0, 145, 274, 1);
  line->setGeometry(line_area.x(), line_area.y(), line_area.width(), 2);

  auto* band = new QWidget(content_);
  QRect band_area = Du(0, 146, 273, 25);
  band->setGeometry(band_area.x(), line_area.y() + 2, band_area.width(),
                    client.height() - line_area.y() - 2);
  band->setAutoFillBackground(true);
  QPalette face = band->palette();
  face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
  band->setPalette(face);
  band->lower();

  Picture(content_, QStringLiteral(":/uni/113.bmp"), DuPoint(2, 148));

  uninstall_button_ =
      new QPushButton(QCoreApplication::translate("Uninstaller", "&Uninstall"), content_);
  uninstall_button_->setGeometry(Du(160, 152, 50, 14));
  // A focused push button takes Enter, as in the system's dialogs; otherwise Cancel does.
  uninstall_button_->setAutoDefault(true);
  cancel_button_ = new QPushButton(QCoreApplication::translate("Uninstaller", "&Cancel"), content_);
  cancel_button_->setGeometry(Du(219, 152, 50, 14));
  cancel_button_->setAutoDefault(true);
  cancel_button_->setDefault(true);
  // Longer captions widen the buttons to the left; their right edges stay.
  const int cancel_width = std::max(
      cancel_button_->width(),
      cancel_button_->fontMetrics().horizontalAdvance(cancel_button_->text().remove(u'&')) + 12);
  const int uninstall_width = std::max(
      uninstall_button_->width(),
      uninstall_button_->fontMetrics().horizontalAdvance(uninstall_button_->text().remove(u'&')) +
          12);
  if (cancel_width > cancel_button_->width() || uninstall_width > uninstall_button_->width()) {
    const int gap = cancel_button_->x() - uninstall_button_->geometry().right() - 1;
    QRect cancel_area = cancel_button_->geometry();
    cancel_area.setLeft(cancel_area.right() + 1 - cancel_width);
    cancel_button_->setGeometry(cancel_area);
    QRect uninstall_area = uninstall_button_->geometry();
    uninstall_area.moveRight(cancel_area.left() - gap - 1);
    uninstall_area.setLeft(uninstall_area.right() + 1 - uninstall_width);
    uninstall_button_->setGeometry(uninstall_area);
  }
  connect(uninstall_button_, &QPushButton::clicked, this, &UninstallDialog::OnUninstall);
  connect(cancel_button_, &QPushButton::clicked, this, &UninstallDialog::OnCancel);
  uninstall_button_->setFocus();

  // Centred on the screen's work area.
  kit::CentreOnWorkArea(this);
}

UninstallDialog::~UninstallDialog() = default;

void UninstallDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!slid_in_) {
    slid_in_ = true;
    StartSlideIn();
  }
}

void UninstallDialog::StartSlideIn() {
  activateWindow();
  slide_ = new QVariantAnimation(this);
  slide_->setStartValue(0);
  slide_->setEndValue(width());
  slide_->setDuration(kSlideMs);
  connect(slide_, &QVariantAnimation::valueChanged, this,
          [this](const QVariant& value) { SetRevealed(value.toInt()); });
  connect(slide_, &QVariantAnimation::finished, this, [this] { SetRevealed(width()); });
  SetRevealed(0);
  slide_->start(QAbstractAnimation::DeleteWhenStopped);
}

void UninstallDialog::SetRevealed(int revealed) {
  // The sheet enters from the left edge: its right part shows first, and only the part that has
  // arrived is visible.
  content_->move(revealed - width(), 0);
  if (QGuiApplication::platformName() != QLatin1String("xcb"))
    return;
  if (revealed >= width()) {
    clearMask();
  } else {
    setMask(QRegion(0, 0, std::max(revealed, 1), height()));
  }
}

void UninstallDialog::MarkItem(Item item, ItemState state) {
  QLabel* icon = state_icons_[static_cast<std::size_t>(item)];
  switch (state) {
    case ItemState::kInProgress:
      icon->setPixmap(in_progress_icon_);
      break;
    case ItemState::kDone:
      icon->setPixmap(done_icon_);
      break;
    case ItemState::kWaiting:
      icon->setPixmap(QPixmap(StateIconPath(ItemState::kWaiting)));
      break;
  }
  ShowState(item, state);
}

void UninstallDialog::ShowState(Item item, ItemState state) {
  const char* word = QT_TRANSLATE_NOOP("Uninstaller", "not yet removed");
  if (state == ItemState::kInProgress) {
    word = QT_TRANSLATE_NOOP("Uninstaller", "being removed");
  } else if (state == ItemState::kDone) {
    word = QT_TRANSLATE_NOOP("Uninstaller", "removed");
  }
  const auto index = static_cast<std::size_t>(item);
  state_icons_[index]->setAccessibleName(item_labels_[index]->text() + ": " + Tr(word));
}

void UninstallDialog::OnUninstall() {
  if (game_running_()) {
    ShowGameRunning(kMsgGameLoadedAtUninstall);
    Finish(QDialog::Rejected);
    return;
  }
  in_progress_icon_ = QPixmap(StateIconPath(ItemState::kInProgress));
  done_icon_ = QPixmap(StateIconPath(ItemState::kDone));
  uninstall_button_->hide();
  uninstall_button_->deleteLater();
  uninstall_button_ = nullptr;
  cancel_button_->setFocus();
  if (in_progress_icon_.isNull() || done_icon_.isNull()) {
    Finish(QDialog::Rejected);
    return;
  }
  if (!RunRemoval(*this)) {
    Finish(QDialog::Rejected);
    return;
  }
  succeeded_ = true;
  done_label_->show();
  cancel_button_->setText(QCoreApplication::translate("Uninstaller", "&OK"));
}

void UninstallDialog::OnCancel() {
  if (succeeded_) {
    Finish(QDialog::Accepted);
    return;
  }
  platform::MessageRequest request;
  request.text = Tr(kMsgAbortQuestion).toLocal8Bit().toStdString();
  request.caption = kConfirmCaption;
  request.icon = platform::MessageIcon::kQuestion;
  request.buttons = platform::MessageButtons::kYesNo;
  request.owner = this;
  if (platform::ShowMessage(request) == platform::kIdYes)
    Finish(QDialog::Rejected);
}

void UninstallDialog::Finish(int result) {
  finishing_ = true;
  done(result);
}

void UninstallDialog::closeEvent(QCloseEvent* event) {
  if (finishing_) {
    QDialog::closeEvent(event);
    return;
  }
  // The close box and the system menu do what the Cancel button does.
  event->ignore();
  OnCancel();
}

bool UninstallDialog::focusNextPrevChild(bool next) {
  // Tab runs between the two buttons; once Uninstall has gone, Cancel keeps the focus.
  kit::MoveFocusInCycle({uninstall_button_, cancel_button_}, focusWidget(), !next);
  return true;
}

void UninstallDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  // Tab held with Control comes here from the button that had it, as Qt's focus chain lets it
  // pass; it moves as Tab does.
  if (const std::optional<bool> backward = kit::TabKeyBackward(*event)) {
    event->accept();
    focusNextPrevChild(!*backward);
    return;
  }
  QDialog::keyPressEvent(event);
}

int RunUninstallProgram(std::function<bool()> game_running) {
  if (!game_running)
    game_running = platform::IsGameRunning;
  if (game_running()) {
    ShowGameRunning(kMsgGameLoadedAtStart);
    return 0;
  }
  UninstallDialog dialog(std::move(game_running));
  dialog.exec();
  return 0;
}

}  // namespace orbello::uninstaller
