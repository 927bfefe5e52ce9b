#include "main_form.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>
#include <vector>

#include "game/records/dialogs/dialogs.h"
#include "game/window/about/about.h"
#include "game/window/accessible_form.h"
#include "game/window/pictures.h"
#include "game/window/window_region.h"
#include "platform/core/message.h"
#include "platform/qt/kit/kit.h"
#include "platform/qt/language.h"
#include "platform/qt/sound.h"
#include "platform/qt/translation.h"

namespace orbello::window {

namespace {

constexpr char kError[] = "Error";
// The caption of the game's own messages: the program's name, never translated.
constexpr char kProgramCaption[] = "Orbello";

constexpr QRgb kButtonKey = qRgb(0, 128, 128);

// A face of `width` x `height` cut from `sheet` at (x, y), at the sheet's scale.
QImage CutFace(const QImage& sheet, int x, int y, int width, int height) {
  QImage face = BlankPicture(width, height, ScaleOf(sheet));
  CopyClipped(sheet, QRect(x, y, width, height), face, QPoint(0, 0));
  return face;
}

// A text in the player's language as a message box takes it.
std::string Said(const QString& text) {
  return text.toLocal8Bit().toStdString();
}

std::string Said(EngineMessage message) {
  switch (message) {
    case EngineMessage::kCongratulation:
      return Said(platform::Translate("GameWindow", "Congratulation!"));
    case EngineMessage::kBeginNewGame:
      return Said(platform::Translate("GameWindow", "Begin new game?"));
    case EngineMessage::kGameOverBeginNewGame:
      return Said(platform::Translate("GameWindow", "Game Over. Begin new game?"));
  }
  return {};
}

struct ButtonPlace {
  int id;
  int left, top, width, height;
  int normal_x, normal_y, pressed_x, pressed_y;
  bool caption;
};

// Slots 0..11: the nine command buttons along the gold circle, then help, minimise and close.
constexpr ButtonPlace kButtons[kButtonCount] = {
    {kCmdNew, 110, 25, 53, 31, 0, 0, 144, 0, false},
    {kCmdNewMenu, 163, 25, 18, 31, 53, 0, 197, 0, false},
    {kCmdLoad, 55, 65, 71, 31, 0, 32, 144, 32, false},
    {kCmdSave, 29, 105, 71, 31, 0, 64, 144, 64, false},
    {kCmdScore, 16, 145, 53, 31, 0, 96, 144, 96, false},
    {kCmdScoreMenu, 69, 145, 18, 31, 53, 96, 197, 96, false},
    {kCmdSet, 13, 185, 71, 31, 0, 128, 144, 128, false},
    {kCmdAbout, 20, 225, 71, 31, 0, 160, 144, 160, false},
    {kCmdQuit, 39, 265, 71, 31, 0, 192, 144, 192, false},
    {kCmdHelp, 324, 5, 16, 14, 0, 0, 0, 14, true},
    {kCmdMinimize, 341, 5, 16, 14, 18, 0, 18, 14, true},
    {kCmdClose, 358, 5, 16, 14, 32, 0, 32, 14, true},
};

}  // namespace

TMainForm1::TMainForm1(std::string high_score_file)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      high_scores_(std::move(high_score_file), static_cast<QWidget*>(this)) {
  setWindowTitle(QStringLiteral("Corvane Orbello"));
  setFixedSize(590, 480);
  setAttribute(Qt::WA_OpaquePaintEvent);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  setFont(font);
  setWindowIcon(QIcon(QPixmap::fromImage(ProgramIcon())));
  // The density is that of the screen the window opens on; where it moves later, the toolkit
  // scales what is drawn.
  scale_ = orbello::window::PictureScale(devicePixelRatioF());

  // The coarse timer may fire up to 5% early, which makes a 90 ms jump tick 88 ms.
  jump_timer_.setTimerType(Qt::PreciseTimer);
  jump_timer_.setInterval(jump_interval_);
  connect(&jump_timer_, &QTimer::timeout, this, [this] { engine_->JumpTick(); });

  pictures_ = std::make_unique<ProgramPictures>(scale_, platform::UiLanguage());
  view_ = std::make_unique<BoardView>(this, scale_);
  engine_ = std::make_unique<GameEngine>(*this, *view_);
  clock_ = std::make_unique<GameClock>([this] { engine_->ClockTick(); });
  skin_ = std::make_unique<WindowSkin>(scale_, view_->ImageTime()->Lock(), this);
  view_->DrawWith(*skin_);
  settings_application_ =
      std::make_unique<SettingsApplication>(*this, *view_, settings_, *engine_, *skin_,
                                            [this](int interval) { SetJumpInterval(interval); });
  accessibility_ = std::make_unique<FormAccessibility>(
      *this, *engine_, *view_, [this] { return std::string(settings_.TitleSkin()); });
}

TMainForm1::~TMainForm1() {
  Destroy();
}

int TMainForm1::Fatal(int status) {
  platform::ShowMessage(
      {Said(platform::Translate("GameWindow", "Internal Error. Application will be closed.")),
       kError, platform::MessageIcon::kError, platform::MessageButtons::kOk, 0,
       static_cast<QWidget*>(this)});
  return status;
}

int TMainForm1::Create() {
  if (!pictures_->LoadInterface())
    return Fatal(kExitStatusFailure);
  if (!pictures_->LoadBackdrop())
    return Fatal(kExitStatusFailure);
  menu_height_ = 0;
  view_->CreateHolders();
  if (!ReadSettings(settings_, static_cast<QWidget*>(this)))
    return kExitStatusFailure;
  engine_->Settings() = EngineSettingsFrom(settings_);
  if (!skin_->Load(settings_.TitleSkin()))
    return kExitStatusFailure;
  CreateGameMenu();
  view_->CreateWorkBitmap();
  // The engine's start-up reads the default variant's table and draws the label, each of which
  // may end the program before any cell exists; the empty board it sets up draws nothing, so the
  // cells can follow it.
  if (!engine_->StartUp(static_cast<uint32_t>(std::time(nullptr)))) {
    return exit_status_ >= 0 ? exit_status_ : kExitStatusOther;
  }
  view_->CreateCells([this](int n) { CellClick(n); });
  SetJumpInterval(JumpInterval(settings_.Delay_Jump));
  if (!CreateButtons())
    return Fatal(kExitStatusOther);
  const QRegion region = MakeWindowRegion();
  if (region.isEmpty())
    return Fatal(kExitStatusFailure);
  setMask(region);

  kit::CentreOnWorkArea(this);
  // The window itself holds the focus until the player clicks a control or presses Tab, so no
  // key acts on a control the player cannot see it reaching.
  setFocus(Qt::OtherFocusReason);
  created_ = true;
  return 0;
}

void TMainForm1::setVisible(bool visible) {
  if (!visible || shown_once_) {
    QWidget::setVisible(visible);
    return;
  }
  shown_once_ = true;
  // Each part shown tells the screen-reader bridge, and the first such notice brings the bridge
  // up with its session-bus connection, which the window's appearance need not wait for. So the
  // window goes on the screen first and its parts follow at once, before the event loop paints
  // the first frame with all of them.
  std::vector<QPointer<QWidget>> parts;
  for (QObject* child : children()) {
    auto* part = qobject_cast<QWidget*>(child);
    if (part != nullptr && !part->isWindow() && !part->isHidden()) {
      part->setVisible(false);
      parts.emplace_back(part);
    }
  }
  QWidget::setVisible(true);
  for (const QPointer<QWidget>& part : parts) {
    if (part)
      part->setVisible(true);
  }
}

void TMainForm1::CreateGameMenu() {
  game_menu_ = new TGameMenu(
      this, pictures_->BarMenu(), &menu_height_, [this] { return settings_.DefaultGame; },
      [this](int id) {
        // The chosen item arrives as a command of its own once the menu has closed.
        QMetaObject::invokeMethod(
            this, [this, id] { OnCommand(id); }, Qt::QueuedConnection);
      });
}

bool TMainForm1::CreateButtons() {
  for (int slot = 0; slot < kButtonCount; ++slot) {
    const ButtonPlace& place = kButtons[slot];
    const QImage& sheet = place.caption ? pictures_->CaptionButtons() : pictures_->ButtonFaces();
    QImage normal = CutFace(sheet, place.normal_x, place.normal_y, place.width, place.height);
    QImage pressed = CutFace(sheet, place.pressed_x, place.pressed_y, place.width, place.height);
    QImage disabled = CutFace(pictures_->NewDisable(), 0, 0, place.width, place.height);
    auto* button = new TPictureButton(this, place.id, normal, pressed, disabled);
    button->move(place.left, place.top);
    if (!place.caption) {
      // The teal around the face is not part of the button: presses there reach the backdrop.
      const QRegion shape = RegionFromBitmap(CutFace(pictures_->ButtonShapes(), place.normal_x,
                                                     place.normal_y, place.width, place.height),
                                             kButtonKey, kButtonKey);
      if (shape.isEmpty()) {
        delete button;
        return false;
      }
      button->setMask(shape);
    }
    // The mark stays on the flat of the face, clear of its rounded ends and its shadow; the
    // caption buttons are too small for that and are framed whole.
    const bool arrow = place.id == kCmdNewMenu || place.id == kCmdScoreMenu;
    button->SetFocusMarkRect(place.caption ? button->rect()
                             : arrow       ? button->rect().adjusted(2, 5, -7, -7)
                                           : button->rect().adjusted(8, 5, -8, -7));
    connect(button, &QAbstractButton::clicked, this, [this, id = place.id] { OnCommand(id); });
    button->show();
    buttons_[slot] = button;
  }
  buttons_[kSaveSlot]->setEnabled(false);
  CreateShortcuts();
  return true;
}

void TMainForm1::CreateShortcuts() {
  struct Shortcut {
    QKeySequence keys;
    int command;
  };
  const Shortcut shortcuts[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_N), kCmdNew},
      {QKeySequence(Qt::CTRL | Qt::Key_O), kCmdLoad},
      {QKeySequence(Qt::CTRL | Qt::Key_S), kCmdSave},
      {QKeySequence(Qt::CTRL | Qt::Key_H), kCmdScore},
      {QKeySequence(Qt::Key_F1), kCmdHelp},
      {QKeySequence(Qt::CTRL | Qt::Key_Q), kCmdQuit},
  };
  for (const Shortcut& shortcut : shortcuts) {
    auto* key = new QShortcut(shortcut.keys, this);
    // A held key gives one command, not a stream of new games or choosers.
    key->setAutoRepeat(false);
    connect(key, &QShortcut::activated, this, [this, id = shortcut.command] {
      // Each key does what its button does, and only when the button could be pressed.
      for (TPictureButton* button : buttons_) {
        if (button && button->Id() == id && !button->isEnabled())
          return;
      }
      OnCommand(id);
    });
  }
}

void TMainForm1::CellClick(int n) {
  accessibility_->BeforeCellClick();
  accessibility_->AfterCellClick(engine_->CellClick(n));
  // A turn that opened a message box ran a nested event loop; make sure presses queued during the
  // turn are picked up now.
  if (auto* dispatcher = QAbstractEventDispatcher::instance())
    dispatcher->wakeUp();
}

void TMainForm1::OpenGameMenu(int arrow_id) {
  menu_owner_ = arrow_id == kCmdNewMenu ? kMenuOwnerNew : kMenuOwnerScore;
  TPictureButton* arrow = buttons_[arrow_id == kCmdNewMenu ? 1 : 5];
  const QPoint top_left = arrow->mapToGlobal(QPoint(0, 0));
  game_menu_->Popup(QPoint(top_left.x(), top_left.y() + arrow->height() / 2));
}

void TMainForm1::OnCommand(int id) {
  switch (id) {
    case kCmdLines:
    case kCmdSquares:
    case kCmdBlocks: {
      const int32_t variant = id - kCmdLines + 1;
      if (menu_owner_ == kMenuOwnerScore) {
        ShowBestResults(variant, engine_->NewRecordMode(), engine_->Score());
      } else {
        engine_->NewGameOfType(variant);
      }
      break;
    }
    case kCmdNew:
      engine_->NewGame(false);
      break;
    case kCmdNewMenu:
    case kCmdScoreMenu:
      OpenGameMenu(id);
      break;
    case kCmdLoad: {
      // A load is read and checked whole before it touches the game, and a save never changes
      // it: after a failure, shown by the operation, the running game goes on unchanged.
      SavedGameState state;
      if (LoadGame(this, engine_->NextBalls(), state) == GameFileResult::kDone) {
        if (!engine_->LoadState(state)) {
          platform::ShowError(Said(platform::Translate("GameFiles", "Can't load selected game.")),
                              this);
          break;
        }
        repaint();
        engine_->ResumeLoadedGame();
      }
      break;
    }
    case kCmdSave:
      SaveGame(this, engine_->SavedState());
      break;
    case kCmdScore:
      ShowBestResults(engine_->GameType(), engine_->NewRecordMode(), engine_->Score());
      break;
    case kCmdSet:
      settings_application_->Run();
      break;
    case kCmdAbout:
      ShowAbout(this, view_->Panel());
      break;
    case kCmdQuit:
    case kCmdClose:
      close();
      break;
    case kCmdHelp:
      OpenHelp(this);
      break;
    case kCmdMinimize:
      showMinimized();
      break;
    default:
      break;
  }
  accessibility_->AfterCommand(id);
}

void TMainForm1::SetJumpInterval(int interval) {
  jump_interval_ = interval;
  if (interval > 0)
    jump_timer_.setInterval(interval);
  // An interval of 0 never fires: the selected ball then stands still.
  if (jump_timer_on_) {
    if (interval > 0) {
      jump_timer_.start();
    } else {
      jump_timer_.stop();
    }
  }
}

// ---- GameWorld ----

void TMainForm1::WaitMs(uint32_t ms) {
  // No event may be handled during a turn, so this never returns to the event loop. It sleeps
  // while more than a little time is left, which leaves the processor to the display server to
  // show the frames just drawn, and spins on the counter for the rest, so that each wait ends on
  // time.
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + std::chrono::milliseconds(ms);
  constexpr auto kSpin = std::chrono::microseconds(1500);
  for (auto now = Clock::now(); now < end; now = Clock::now()) {
    if (end - now > kSpin)
      std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
}

void TMainForm1::PlaySoundFile(const std::string& name) {
  platform::PlaySoundFile(name);
}

void TMainForm1::PlaySoundFileIfIdle(const std::string& name) {
  platform::PlaySoundFileUnlessBusy(name);
}

void TMainForm1::PlayResourceSound(const std::string& name, bool wait) {
  platform::PlaySoundResource(QStringLiteral(":/game/%1.wav").arg(QString::fromStdString(name)),
                              wait ? platform::SoundWait::kWait : platform::SoundWait::kAsync);
}

bool TMainForm1::IsMinimized() {
  return isMinimized();
}

void TMainForm1::StartJumpTimer() {
  jump_timer_on_ = true;
  if (jump_interval_ > 0)
    jump_timer_.start(jump_interval_);
}

void TMainForm1::StopJumpTimer() {
  jump_timer_on_ = false;
  jump_timer_.stop();
}

bool TMainForm1::DrawGameType(int32_t game_type) {
  if (view_->DrawGameType(pictures_->GameTypeLabels(), game_type))
    return true;
  platform::ShowMessage({Said(platform::Translate("GameWindow", "Fatal Error")), kError,
                         platform::MessageIcon::kError, platform::MessageButtons::kOk, 0,
                         static_cast<QWidget*>(this)});
  return false;
}

bool TMainForm1::StartClock() {
  bool started = false;
  if (clock_->Running()) {
    clock_->Stop();
  } else {
    started = clock_->Start();
  }
  if (!started) {
    platform::ShowMessage({Said(platform::Translate("GameWindow", "Can't create timer object")),
                           kError, platform::MessageIcon::kError, platform::MessageButtons::kOk, 0,
                           nullptr});
  }
  return started;
}

void TMainForm1::StopClock() {
  clock_->Stop();
}

void TMainForm1::SetSaveEnabled(bool enabled) {
  if (buttons_[kSaveSlot])
    buttons_[kSaveSlot]->setEnabled(enabled);
}

void TMainForm1::ShowMessage(EngineMessage message) {
  platform::ShowMessage({Said(message), kProgramCaption, platform::MessageIcon::kInformation,
                         platform::MessageButtons::kOk, 0, static_cast<QWidget*>(this)});
}

bool TMainForm1::AskYesNo(EngineMessage question, bool default_no) {
  const int answer = platform::ShowMessage(
      {Said(question), kProgramCaption, platform::MessageIcon::kQuestion,
       platform::MessageButtons::kYesNo, default_no ? 1 : 0, static_cast<QWidget*>(this)});
  return answer == platform::kIdYes;
}

bool TMainForm1::ReadHighScores(int32_t variant, HighScorePoints& points) {
  if (!high_scores_.ReadHighScores(variant))
    return false;
  for (int i = 0; i < kHighScoreRows; ++i)
    points[i] = high_scores_.Table()[i].Points;
  return true;
}

void TMainForm1::ShowBestResults(int32_t variant, bool new_record_mode, uint32_t score) {
  orbello::ShowBestResults(this, view_->Panel(), high_scores_, variant, new_record_mode, score);
}

void TMainForm1::ExitProgram(int status) {
  exit_status_ = status;
  // During Create the status is Create's result; the event loop has not started yet.
  if (!created_)
    return;
  clock_->Stop();
  StopJumpTimer();
  hide();
  if (exit_handler_) {
    exit_handler_(status);
  } else {
    QCoreApplication::exit(status);
  }
}

// ---- Window events ----

void TMainForm1::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (pictures_->Backdrop().isNull()) {
    painter.fillRect(rect(), Qt::black);
  } else {
    painter.drawImage(0, 0, pictures_->Backdrop());
  }
}

void TMainForm1::mousePressEvent(QMouseEvent* event) {
  // The window has no caption bar: the free backdrop serves as one.
  if (event->button() != Qt::LeftButton)
    return;
  if (windowHandle() && windowHandle()->startSystemMove())
    return;
  dragging_ = true;
  drag_offset_ = event->globalPosition().toPoint() - pos();
}

void TMainForm1::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_)
    move(event->globalPosition().toPoint() - drag_offset_);
}

void TMainForm1::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
}

void TMainForm1::closeEvent(QCloseEvent* event) {
  // FormClose: the window goes only after the quit sound has played to its end.
  if (isVisible())
    PlayResourceSound("QUIT_GAME", true);
  event->accept();
}

void TMainForm1::Destroy() {
  if (destroyed_)
    return;
  destroyed_ = true;
  // The clock's thread draws on ImageTime: it goes first.
  clock_->Stop();
  StopJumpTimer();
  view_->DestroyCells();
  delete game_menu_;
  game_menu_ = nullptr;
  // The skin's files go with it; the lock of its timer picture goes with ImageTime below.
  skin_->Release();
  view_->DestroyDisplays();
  pictures_->Release();
  if (HelpRequested())
    CloseHelpWindow();
}

}  // namespace orbello::window
