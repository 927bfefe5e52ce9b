#include "skincompiler/compiler_window.h"

#include <QApplication>
#include <QBuffer>
#include <QChildEvent>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "game/window/about/help_file.h"
#include "platform/core/files.h"
#include "platform/core/message.h"
#include "platform/core/paths.h"
#include "platform/qt/desktop.h"
#include "platform/qt/kit/accessible.h"
#include "platform/qt/kit/kit.h"
#include "platform/qt/language.h"
#include "platform/qt/local_path.h"
#include "platform/qt/ui.h"
#include "skinfile/skinfile.h"

namespace orbello::csfob {
namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("SkinCompiler", text);
}

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageRequest;

constexpr int kFieldLeft = 15;
constexpr int kFieldTop = 40;
constexpr int kButtonLeft = 318;
constexpr int kButtonTop = 38;
constexpr int kLabelTop = 19;
constexpr int kRowPitch = 53;
// The etched frame round the five rows, as left, top and exclusive right, bottom.
constexpr int kFrameLeft = 6, kFrameTop = 12, kFrameRight = 353, kFrameBottom = 285;
constexpr QPoint kIconPlace{8, 290};

// The largest row, the balls, is 768 x 224 pixels: under 1 MiB even at 32 bits per pixel. The
// bound leaves any real bitmap of a wrong size room to get its size message, and keeps a device
// such as /dev/zero from filling the memory.
constexpr std::size_t kMaxBitmapBytes = 64 << 20;

void ShowError(QWidget* owner, const std::string& text) {
  platform::ShowMessage(
      MessageRequest{text, "Error", MessageIcon::kError, MessageButtons::kOk, 0, owner});
}

void ShowError(QWidget* owner, const QString& text) {
  ShowError(owner, text.toLocal8Bit().toStdString());
}

}  // namespace

CompilerWindow::CompilerWindow(const QImage& tile, const QPixmap& icon)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      icon_(icon) {
  setWindowTitle(Tr(kWindowTitle));
  // A reader announces it as the program's window, by its title.
  kit::DescribeAs(this, QAccessible::Window, windowTitle());
  if (!icon_.isNull())
    setWindowIcon(QIcon(icon_));
  setFixedSize(kClientSize);
  move(100, 100);
  // The background picture covers the whole client area on every paint.
  setAttribute(Qt::WA_OpaquePaintEvent);
  ReadSystemColors();

  blink_timer_.setInterval(kBlinkIntervalMs);
  connect(&blink_timer_, &QTimer::timeout, this, &CompilerWindow::BlinkTimerTick);

  if (!BuildBackground(tile) || !CreateControls())
    return;
  rows_[0].field->setFocus(Qt::OtherFocusReason);
  focus_control_ = rows_[0].field;
  built_ = true;
}

CompilerWindow::~CompilerWindow() {
  Shutdown();
  // The controls go before the window's own teardown deletes its children.
  controls_.clear();
}

bool CompilerWindow::BuildBackground(const QImage& tile_image) {
  background_ = kit::BuildDialogBackground(tile_image, kClientSize);
  return !background_.isNull();
}

bool CompilerWindow::CreateControls() {
  auto create = [this](std::string_view kind, const QString& text, const QRect& rect,
                       int command) -> QWidget* {
    auto control = std::make_unique<SubclassedControl>();
    if (!control->Create(kind, text, rect, this, this, command))
      return nullptr;
    QWidget* widget = control->Handle();
    controls_.push_back(std::move(control));
    return widget;
  };

  for (int row = 0; row < kRowCount; ++row) {
    const int pitch = kRowPitch * row;
    rows_[row].field = static_cast<kit::TextField*>(
        create("Edit", QString(), QRect(kFieldLeft, kFieldTop + pitch, 300, 21), 0));
    if (rows_[row].field == nullptr)
      return false;
    rows_[row].button = static_cast<SkinButton*>(
        create("Button", QStringLiteral("..."), QRect(kButtonLeft, kButtonTop + pitch, 25, 24),
               kSkinRows[row].command));
    if (rows_[row].button == nullptr)
      return false;
  }
  for (int row = 0; row < kRowCount; ++row) {
    rows_[row].label = static_cast<kit::DialogText*>(
        create("Static", Tr(kSkinRows[row].label),
               QRect(kFieldLeft, kLabelTop + kRowPitch * row, 300, 21), row));
    if (rows_[row].label == nullptr)
      return false;
    // The row's label names its field; its "..." button says what it does.
    kit::SetLabelledBy(rows_[row].field, rows_[row].label);
    rows_[row].button->setAccessibleName(Tr(kSkinRows[row].choose_name));
  }
  help_ =
      static_cast<SkinButton*>(create("Button", QCoreApplication::translate("SkinCompiler", "Help"),
                                      QRect(114, 296, 75, 24), kHelpCommand));
  if (help_ == nullptr)
    return false;
  compile_ = static_cast<SkinButton*>(create("Button",
                                             QCoreApplication::translate("SkinCompiler", "Compile"),
                                             QRect(196, 296, 75, 24), kCompileCommand));
  if (compile_ == nullptr)
    return false;
  compile_->setEnabled(false);
  quit_ =
      static_cast<SkinButton*>(create("Button", QCoreApplication::translate("SkinCompiler", "Quit"),
                                      QRect(278, 296, 75, 24), kQuitCommand));
  return quit_ != nullptr;
}

void CompilerWindow::CentreOnMonitor() {
  // Before the window manager has framed the window its frame is unknown: the designed size.
  kit::CentreOnMonitor(this, kOuterSize);
}

QColor CompilerWindow::LabelColor(int row) const {
  return rows_[row].flagged ? blink_color_ : text_color_;
}

void CompilerWindow::RememberFocus(QWidget* control) {
  focus_control_ = control;
}

std::vector<QWidget*> CompilerWindow::TabStops() const {
  std::vector<QWidget*> stops;
  for (const Row& row : rows_) {
    stops.push_back(row.field);
    stops.push_back(row.button);
  }
  stops.push_back(help_);
  stops.push_back(compile_);
  stops.push_back(quit_);
  return stops;
}

void CompilerWindow::MoveFocus(QWidget* from, bool backward) {
  kit::MoveFocusInCycle(TabStops(), from, backward);
}

void CompilerWindow::OnCommand(int command) {
  const int row = RowOfCommand(command);
  if (row >= 0) {
    ChooseBitmap(row);
  } else if (command == kHelpCommand) {
    Help();
  } else if (command == kCompileCommand) {
    Compile();
  } else if (command == kQuitCommand) {
    close();
  }
}

void CompilerWindow::ChooseBitmap(int row) {
  platform::FileDialogRequest request;
  request.title = Tr(kSkinRows[row].label);
  request.filters = {
      {QCoreApplication::translate("SkinCompiler", "Bitmap files: (*.bmp)"),
       QStringLiteral("*.bmp")},
      {QCoreApplication::translate("SkinCompiler", "All Files (*.*)"), QStringLiteral("*.*")}};
  request.prompt_overwrite = true;
  request.file_must_exist = true;
  const std::optional<QString> path = platform::ShowOpenFileDialog(this, request);
  if (!path)
    return;
  rows_[row].field->SetText(*path);
  UpdateCompileState(row);
}

void CompilerWindow::UpdateCompileState(int row) {
  if (rows_[row].field->Text().isEmpty()) {
    compile_->setEnabled(false);
    return;
  }
  if (!SizeCheck(row)) {
    compile_->setEnabled(false);
    if (!blink_running_) {
      blink_running_ = true;
      blink_timer_.start();
    }
    return;
  }
  bool ready = true;
  for (Row& each : rows_) {
    if (each.flagged) {
      ready = false;
    } else {
      each.label->update();
    }
    if (ready && each.field->Text().isEmpty())
      ready = false;
  }
  // The pulse goes on while any row is flagged or empty, even when no label is flagged any more.
  if (ready) {
    blink_timer_.stop();
    blink_color_ = text_color_;
    blink_running_ = false;
  }
  compile_->setEnabled(ready);
}

bool CompilerWindow::SizeCheck(int row) {
  Row& checked = rows_[row];
  checked.flagged = false;
  const QString path = checked.field->Text();
  if (path.isEmpty()) {
    checked.flagged = true;
    return false;
  }
  try {
    // Only what the system's bitmap loader would open counts, whatever the file is called. A FIFO
    // or a device is refused without waiting for it.
    std::string bytes;
    QImage bitmap;
    if (platform::ReadRegularFile(platform::EncodeLocalPath(path), kMaxBitmapBytes, &bytes)) {
      QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
      QBuffer buffer(&data);
      buffer.open(QIODevice::ReadOnly);
      QImageReader reader(&buffer, "bmp");
      reader.setAutoDetectImageFormat(false);
      bitmap = reader.read();
    }
    if (bitmap.isNull())
      throw skinfile::EFOpenError(Tr(kNotBitmapMessage).toLocal8Bit().toStdString());
    if (bitmap.width() != kSkinRows[row].width || bitmap.height() != kSkinRows[row].height) {
      throw skinfile::EFOpenError(Tr(kSkinRows[row].size_message).toLocal8Bit().toStdString());
    }
    return true;
  } catch (const skinfile::EFOpenError& error) {
    checked.flagged = true;
    ShowError(this, QString::fromLocal8Bit(error.what()));
  } catch (...) {
    checked.flagged = true;
    ShowError(this, Tr(kFatalErrorMessage));
  }
  return false;
}

void CompilerWindow::BlinkTimerTick() {
  if (blink_up_) {
    if (++blink_counter_ >= kBlinkTop) {
      blink_counter_ = kBlinkTop;
      blink_up_ = false;
    }
  } else if (--blink_counter_ <= 0) {
    blink_counter_ = 0;
    blink_up_ = true;
  }
  blink_color_ = QColor(blink_counter_ * kBlinkStep, 0, 0);
  for (const Row& row : rows_) {
    if (row.flagged)
      row.label->update();
  }
}

void CompilerWindow::Compile() {
  platform::FileDialogRequest request;
  request.title = Tr(kSaveDialogTitle);
  request.filters = {{QCoreApplication::translate("SkinCompiler", "Orbello skin files: (*.sf)"),
                      QStringLiteral("*.sf")}};
  request.prompt_overwrite = true;
  request.file_must_exist = false;
  // No default suffix: a name typed without ".sf" is written as typed.
  const std::optional<QString> path = platform::ShowSaveFileDialog(this, request);
  if (!path)
    return;
  std::array<std::string, skinfile::kPictureCount> sources;
  for (int row = 0; row < kRowCount; ++row)
    sources[row] = platform::EncodeLocalPath(rows_[row].field->Text());
  const std::string skin_path = platform::EncodeLocalPath(*path);
  // Creating the skin over one of its own bitmaps would empty that bitmap before it is read:
  // the skin could never be made and the picture would be lost.
  for (const std::string& source : sources) {
    std::error_code error;
    if (std::filesystem::equivalent(skin_path, source, error)) {
      ShowError(this, QCoreApplication::translate("SkinCompiler", "Could not create skin file"));
      return;
    }
  }
  const skinfile::WriteReport report = skinfile::WriteSkinFile(skin_path, sources);
  // The file names go into the words by their bytes: a name need not be text.
  auto with_name = [](const char* words, const std::string& name) {
    std::string said = Tr(words).toLocal8Bit().toStdString();
    const std::size_t at = said.find("%1");
    return at == std::string::npos ? said : said.replace(at, 2, name);
  };
  switch (report.failure) {
    case skinfile::WriteFailure::kNone:
      platform::ShowMessage(MessageRequest{
          with_name(QT_TRANSLATE_NOOP("SkinCompiler", "File %1 saved"), skin_path),
          Tr(QT_TRANSLATE_NOOP("SkinCompiler", "Congratulation")).toLocal8Bit().toStdString(),
          MessageIcon::kWarning, MessageButtons::kOk, 0, this});
      break;
    case skinfile::WriteFailure::kCannotCreate:
      ShowError(this, Tr("Could not create skin file"));
      break;
    case skinfile::WriteFailure::kCannotOpen:
      ShowError(this, with_name(QT_TRANSLATE_NOOP("SkinCompiler", "Could not open file: %1"),
                                report.source));
      break;
    case skinfile::WriteFailure::kCannotRead:
      ShowError(this, with_name(QT_TRANSLATE_NOOP("SkinCompiler", "Could not read from file: %1"),
                                report.source));
      break;
    case skinfile::WriteFailure::kUnexpected:
      ShowError(this, Tr(kFatalErrorMessage));
      break;
  }
  if (report.result == skinfile::WriteResult::kFatal)
    QCoreApplication::exit(-1);
}

void CompilerWindow::Help() {
  const std::string folder = platform::ProgramFolder();
  // By its bytes: the installation folder's name need not be text.
  const std::string help_path = folder.empty() ? std::string(kHelpFileName)
                                               : HelpBookFor(folder, platform::UiLanguage()).file;
  bool opened = false;
  try {
    opened = platform::OpenInHelpViewer(help_path);
  } catch (...) {
    opened = false;
  }
  // Whatever the outcome, a viewer may have come up and is looked for at the end.
  help_marker_ = true;
  // A request that could not even be made would otherwise fail without a word.
  if (!opened) {
    platform::ShowMessage(
        MessageRequest{Tr(kHelpFailedMessage).arg(Tr(kWindowTitle)).toLocal8Bit().toStdString(),
                       "Warning!", MessageIcon::kError, MessageButtons::kOk, 0, nullptr});
  }
}

void CompilerWindow::ReadSystemColors() {
  text_color_ = QApplication::palette().color(QPalette::WindowText);
  blink_color_ = text_color_;
}

void CompilerWindow::RestoreFocus() {
  if (focus_control_ != nullptr && focus_control_->isEnabled()) {
    focus_control_->setFocus(Qt::ActiveWindowFocusReason);
  }
}

void CompilerWindow::Shutdown() {
  if (shut_down_)
    return;
  shut_down_ = true;
  blink_timer_.stop();
  blink_running_ = false;
  // Only the viewer this program started: a window of anyone else's may bear the same title.
  if (help_marker_)
    platform::CloseStartedHelpViewers();
}

void CompilerWindow::paintEvent(QPaintEvent*) {
  if (background_.isNull())
    return;
  QPainter painter(this);
  painter.drawImage(0, 0, background_);
  kit::DrawEtchedEdge(
      painter, QRect(QPoint(kFrameLeft, kFrameTop), QPoint(kFrameRight - 1, kFrameBottom - 1)));
  if (!icon_.isNull())
    painter.drawPixmap(QRect(kIconPlace, QSize(32, 32)), icon_);
}

void CompilerWindow::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::ActivationChange:
      if (isActiveWindow() && !isMinimized())
        RestoreFocus();
      break;
    case QEvent::WindowStateChange: {
      const auto* change = static_cast<QWindowStateChangeEvent*>(event);
      if (change->oldState().testFlag(Qt::WindowMinimized) && !isMinimized())
        RestoreFocus();
      break;
    }
    case QEvent::PaletteChange:
      ReadSystemColors();
      update();
      break;
    default:
      break;
  }
  QWidget::changeEvent(event);
}

bool CompilerWindow::event(QEvent* event) {
  if (event->type() == QEvent::ApplicationPaletteChange) {
    ReadSystemColors();
    update();
  }
  // The file dialogs come in their plain form, without the bar of places at their left.
  if (event->type() == QEvent::ChildPolished) {
    if (auto* dialog = qobject_cast<QFileDialog*>(static_cast<QChildEvent*>(event)->child())) {
      if (auto* places = dialog->findChild<QWidget*>(QStringLiteral("sidebar")))
        places->hide();
    }
  }
  return QWidget::event(event);
}

bool CompilerWindow::focusNextPrevChild(bool next) {
  MoveFocus(focusWidget(), !next);
  return true;
}

void CompilerWindow::keyPressEvent(QKeyEvent* event) {
  // Tab held with Control comes here from the control that had it, as Qt's focus chain lets it
  // pass; it moves as Tab does.
  if (const std::optional<bool> backward = kit::TabKeyBackward(*event)) {
    event->accept();
    MoveFocus(focusWidget(), *backward);
    return;
  }
  QWidget::keyPressEvent(event);
}

void CompilerWindow::closeEvent(QCloseEvent* event) {
  Shutdown();
  event->accept();
}

}  // namespace orbello::csfob
