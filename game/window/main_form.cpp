#include "main_form.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QThread>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>

#include "game/records/dialogs/dialogs.h"
#include "game/window/about/about.h"
#include "game/window/pictures.h"
#include "game/window/skin_density.h"
#include "game/window/window_region.h"
#include "platform/core/message.h"
#include "platform/qt/kit/kit.h"
#include "platform/qt/sound.h"

namespace orbello::window {

namespace {

constexpr char kInternalError[] = "Internal Error. Application will be closed.";
constexpr char kError[] = "Error";

constexpr QRgb kButtonKey = qRgb(0, 128, 128);

QImage LoadResourceBitmap(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return DecodeBitmap(file.readAll().toStdString());
}

// A picture of the program at `scale`: at 2 its "@2x" resource (":/game/NAME@2x.bmp" beside
// ":/game/NAME.bmp"), or, should that be missing, the 1x picture `one` smoothly enlarged.
QImage ScaledResourceBitmap(const QImage& one, const char* name, int scale) {
  if (scale == 1 || one.isNull())
    return one;
  QImage picture = LoadResourceBitmap(QStringLiteral(":/game/%1@2x.bmp").arg(QLatin1String(name)));
  if (picture.size() != one.size() * scale)
    return ScalePicture(one, scale, one.size());
  picture.setDevicePixelRatio(scale);
  return picture;
}

// A face of `width` x `height` cut from `sheet` at (x, y), at the sheet's scale.
QImage CutFace(const QImage& sheet, int x, int y, int width, int height) {
  QImage face = BlankPicture(width, height, ScaleOf(sheet));
  CopyClipped(sheet, QRect(x, y, width, height), face, QPoint(0, 0));
  return face;
}

platform::MessageIcon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::kError:
      return platform::MessageIcon::kError;
    case MessageKind::kWarning:
      return platform::MessageIcon::kWarning;
    case MessageKind::kInformation:
      return platform::MessageIcon::kInformation;
    case MessageKind::kQuestion:
      return platform::MessageIcon::kQuestion;
  }
  return platform::MessageIcon::kNone;
}

struct ButtonSpec {
  int id;
  int left, top, width, height;
  int normal_x, normal_y, pressed_x, pressed_y;
  bool caption;
};

// Slots 0..11: the nine command buttons along the gold circle, then help, minimise and close.
constexpr ButtonSpec kButtons[kButtonCount] = {
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
      engine_(*this),
      high_scores_(std::move(high_score_file), static_cast<QWidget*>(this)) {
  setWindowTitle(QStringLiteral("Corvane Orbello"));
  setFixedSize(590, 480);
  setAttribute(Qt::WA_OpaquePaintEvent);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  setFont(font);
  // Named as PNG: an icon read by its file name alone has every image plug-in probed for it.
  setWindowIcon(QIcon(QPixmap::fromImage(QImage(QStringLiteral(":/game/MAINICON.png"), "PNG"))));
  // The density is that of the screen the window opens on; where it moves later, the toolkit
  // scales what is drawn.
  scale_ = orbello::window::PictureScale(devicePixelRatioF());

  timer1_.setInterval(timer1_interval_);
  connect(&timer1_, &QTimer::timeout, this, [this] { engine_.Timer1Timer(); });

  panel3_ = new QWidget(this);
  panel3_->setObjectName(QStringLiteral("Panel3"));
  panel3_->setGeometry(188, 78, 324, 324);
  image_score_ = new TPictureImage(this, 80, 20, scale_);
  image_champ_ = new TPictureImage(this, 80, 20, scale_);
  image_time_ = new TPictureImage(this, 72, 11, scale_);
  image_game_ = new TPictureImage(this, 72, 11, scale_);
  for (int slot = 0; slot < 3; ++slot) {
    image_prev_[slot] = new TPictureImage(this, 36, 36, scale_);
    // Until a next ball is announced a preview shows nothing but its holder's colour.
    image_prev_[slot]->Picture().fill(kHolderColor);
    image_prev_[slot]->hide();
  }
  for (TPictureImage* image : {image_score_, image_champ_, image_time_, image_game_, image_prev_[0],
                               image_prev_[1], image_prev_[2]}) {
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  clock_ = std::make_unique<GameClock>([this] { engine_.ClockTick(); });
  skin_ = std::make_unique<WindowSkin>(scale_, image_time_->Lock(), this);
  settings_application_ =
      std::make_unique<SettingsApplication>(*this, *this, settings_, engine_, *skin_,
                                            [this](int interval) { SetTimer1Interval(interval); });
}

TMainForm1::~TMainForm1() {
  FormDestroy();
}

int TMainForm1::Fatal(int status) {
  platform::ShowMessage({kInternalError, kError, platform::MessageIcon::kError,
                         platform::MessageButtons::kOk, 0, static_cast<QWidget*>(this)});
  return status;
}

int TMainForm1::FormCreate() {
  bitmap_btn_ = LoadResourceBitmap(QStringLiteral(":/game/BITMAP_BTN.bmp"));
  bitmap_new_disable_ = LoadResourceBitmap(QStringLiteral(":/game/BITMAP_NEW_DISABLE.bmp"));
  bitmap_caption_btn_ = LoadResourceBitmap(QStringLiteral(":/game/BITMAP_CAPTION_BTN.bmp"));
  bitmap_bar_menu_ = LoadResourceBitmap(QStringLiteral(":/game/BITMAP_BAR_MENU.bmp"));
  if (bitmap_btn_.isNull() || bitmap_new_disable_.isNull() || bitmap_caption_btn_.isNull() ||
      bitmap_bar_menu_.isNull()) {
    return Fatal(kExitStatusFailure);
  }
  bitmap_btn_faces_ = ScaledResourceBitmap(bitmap_btn_, "BITMAP_BTN", scale_);
  bitmap_new_disable_ = ScaledResourceBitmap(bitmap_new_disable_, "BITMAP_NEW_DISABLE", scale_);
  bitmap_caption_btn_ = ScaledResourceBitmap(bitmap_caption_btn_, "BITMAP_CAPTION_BTN", scale_);
  bitmap_bar_menu_ = ScaledResourceBitmap(bitmap_bar_menu_, "BITMAP_BAR_MENU", scale_);
  if (!LoadBackdrop())
    return Fatal(kExitStatusFailure);
  menu_height_ = 0;
  CreateHolders();
  if (!ReadSettings(settings_, static_cast<QWidget*>(this)))
    return kExitStatusFailure;
  engine_.Settings() = EngineSettingsFrom(settings_);
  if (!skin_->Load(settings_.TitleSkin()))
    return kExitStatusFailure;
  if (!CreateGameMenu())
    return kExitStatusFailure;
  work_bitmap_ = BlankPicture(32, 32, scale_);
  // The engine's start-up reads the default variant's table and draws the label, each of which
  // may end the program before any cell exists; the empty board it sets up draws nothing, so the
  // cells can follow it.
  if (!engine_.StartUp(static_cast<uint32_t>(std::time(nullptr)))) {
    return exit_status_ >= 0 ? exit_status_ : kExitStatusOther;
  }
  CreateCells();
  SetTimer1Interval(JumpInterval(settings_.Delay_Jump));
  if (!CreateButtons())
    return Fatal(kExitStatusOther);
  const QRegion region = MakeWindowRegion();
  if (region.isEmpty())
    return Fatal(kExitStatusFailure);
  setMask(region);

  kit::CentreOnWorkArea(this);
  created_ = true;
  return 0;
}

bool TMainForm1::LoadBackdrop() {
  const auto decode = [](const QString& name) {
    QFile file(name);
    QImage picture;
    if (file.open(QIODevice::ReadOnly))
      picture.loadFromData(file.readAll(), "JPG");
    return picture.convertToFormat(QImage::Format_RGB32);
  };
  if (scale_ > 1) {
    backdrop_ = decode(QStringLiteral(":/game/201@2x.jpg"));
    if (!backdrop_.isNull()) {
      backdrop_.setDevicePixelRatio(scale_);
      return true;
    }
  }
  const QImage picture = decode(QStringLiteral(":/game/201.jpg"));
  if (picture.isNull())
    return false;
  backdrop_ = ScalePicture(picture, scale_, picture.size());
  return !backdrop_.isNull();
}

void TMainForm1::CreateHolders() {
  struct Holder {
    int left, top, width, height;
    TPictureImage* image;
  };
  const Holder table[5] = {
      {251, 424, 80, 20, image_champ_}, {368, 424, 80, 20, image_score_},
      {407, 54, 72, 11, image_time_},   {217, 54, 72, 11, image_game_},
      {300, 32, 96, 32, nullptr},
  };
  for (int i = 0; i < 5; ++i) {
    holders_[i] = new TMyPanel1(this);
    holders_[i]->setGeometry(table[i].left, table[i].top, table[i].width, table[i].height);
    if (table[i].image) {
      table[i].image->setParent(holders_[i]);
      table[i].image->move(0, 0);
      table[i].image->show();
    }
  }
  // Each preview shows the 32 x 32 frame at its top left; the later one covers the earlier one's
  // right edge and the holder clips the rest.
  for (int slot = 0; slot < 3; ++slot) {
    image_prev_[slot]->setParent(holders_[4]);
    image_prev_[slot]->move(32 * slot, 0);
    image_prev_[slot]->hide();
  }
}

bool TMainForm1::CreateGameMenu() {
  game_menu_ = new TGameMenu(
      this, bitmap_bar_menu_, &menu_height_, [this] { return settings_.DefaultGame; },
      [this](int id) {
        // The chosen item arrives as a command of its own once the menu has closed.
        QMetaObject::invokeMethod(
            this, [this, id] { OnCommand(id); }, Qt::QueuedConnection);
      });
  return true;
}

void TMainForm1::CreateCells() {
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      const int n = CellNumber(x, y);
      auto* cell = new TMyImage1(
          panel3_, n, [this](TMyImage1* pressed) { CellClick(pressed); }, scale_);
      CopyClipped(skin_->Board(), QRect(0, 0, 36, 36), cell->Picture(), QPoint(0, 0));
      cell->setGeometry(36 * x, 36 * y, 36, 36);
      cell->show();
      cells_[n] = cell;
    }
  }
}

bool TMainForm1::CreateButtons() {
  for (int slot = 0; slot < kButtonCount; ++slot) {
    const ButtonSpec& spec = kButtons[slot];
    const QImage& sheet = spec.caption ? bitmap_caption_btn_ : bitmap_btn_faces_;
    QImage normal = CutFace(sheet, spec.normal_x, spec.normal_y, spec.width, spec.height);
    QImage pressed = CutFace(sheet, spec.pressed_x, spec.pressed_y, spec.width, spec.height);
    QImage disabled = CutFace(bitmap_new_disable_, 0, 0, spec.width, spec.height);
    auto* button = new TPictureButton(this, spec.id, normal, pressed, disabled);
    button->move(spec.left, spec.top);
    if (!spec.caption) {
      // The teal around the face is not part of the button: presses there reach the backdrop.
      const QRegion shape = RegionFromBitmap(
          CutFace(bitmap_btn_, spec.normal_x, spec.normal_y, spec.width, spec.height), kButtonKey,
          kButtonKey);
      if (shape.isEmpty()) {
        delete button;
        return false;
      }
      button->setMask(shape);
    }
    connect(button, &QAbstractButton::clicked, this, [this, id = spec.id] { OnCommand(id); });
    button->show();
    buttons_[slot] = button;
  }
  buttons_[kSaveSlot]->setEnabled(false);
  return true;
}

void TMainForm1::CellClick(TMyImage1* cell) {
  engine_.CellClick(cell->Tag());
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
        ShowBestResults(variant, engine_.NewRecordMode(), engine_.Score());
      } else {
        engine_.NewGameOfType(variant);
      }
      break;
    }
    case kCmdNew:
      engine_.NewGame(false);
      break;
    case kCmdNewMenu:
    case kCmdScoreMenu:
      OpenGameMenu(id);
      break;
    case kCmdLoad: {
      // A load is read and checked whole before it touches the game, and a save never changes
      // it: after a failure, shown by the operation, the running game goes on unchanged.
      SavedGameState state;
      if (LoadGame(this, engine_.NextBalls(), state) == GameFileResult::kDone) {
        if (!engine_.LoadState(state)) {
          ShowMessage("Can't load selected game.", kError, MessageKind::kError);
          break;
        }
        repaint();
        engine_.ResumeLoadedGame();
      }
      break;
    }
    case kCmdSave:
      SaveGame(this, engine_.SavedState());
      break;
    case kCmdScore:
      ShowBestResults(engine_.GameType(), engine_.NewRecordMode(), engine_.Score());
      break;
    case kCmdSet:
      settings_application_->Run();
      break;
    case kCmdAbout:
      ShowAbout(this, panel3_);
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
}

void TMainForm1::SetTimer1Interval(int interval) {
  timer1_interval_ = interval;
  if (interval > 0)
    timer1_.setInterval(interval);
  // An interval of 0 never fires: the selected ball then stands still.
  if (timer1_enabled_) {
    if (interval > 0) {
      timer1_.start();
    } else {
      timer1_.stop();
    }
  }
}

// ---- GameWorld ----

void TMainForm1::DrawBallFrame(int frame, int row, Picture picture, int n) {
  if (n < 0 || n >= kCellCount || !cells_[n])
    return;
  const QImage& source = picture == Picture::kBalls ? skin_->Balls() : skin_->Walk();
  // Only the part of the tile inside the picture reaches the work bitmap; the rest keeps what the
  // previous frame left there.
  CopyClipped(source, QRect(32 * frame, 32 * row, 32, 32), work_bitmap_, QPoint(0, 0));
  CopyClipped(work_bitmap_, QRect(0, 0, 32, 32), cells_[n]->Picture(), QPoint(2, 2));
  cells_[n]->repaint();
}

void TMainForm1::DrawEmptyCell(int n) {
  if (n < 0 || n >= kCellCount || !cells_[n])
    return;
  CopyClipped(skin_->Board(), QRect(0, 0, 36, 36), cells_[n]->Picture(), QPoint(0, 0));
  cells_[n]->repaint();
}

void TMainForm1::DrawPreview(int slot, int color) {
  if (slot < 0 || slot > 2 || !image_prev_[slot])
    return;
  CopyClipped(skin_->Balls(), QRect(32 * 10, 32 * color, 32, 32), image_prev_[slot]->Picture(),
              QPoint(0, 0));
  image_prev_[slot]->repaint();
}

void TMainForm1::SetPreviewVisible(int slot, bool visible) {
  if (slot < 0 || slot > 2 || !image_prev_[slot])
    return;
  image_prev_[slot]->setVisible(visible);
}

void TMainForm1::WaitMs(uint32_t ms) {
  // No message may be handled during a turn, so this never returns to the event loop. It sleeps
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

void TMainForm1::StartTimer1() {
  timer1_enabled_ = true;
  if (timer1_interval_ > 0)
    timer1_.start(timer1_interval_);
}

void TMainForm1::StopTimer1() {
  timer1_enabled_ = false;
  timer1_.stop();
}

void TMainForm1::DrawNumber(NumberDisplay display, uint32_t value) {
  TPictureImage* image = display == NumberDisplay::kScore ? image_score_ : image_champ_;
  if (!image)
    return;
  const QImage number = ComposeNumber(skin_->Score(), value);
  {
    std::lock_guard guard(image->Lock());
    CopyClipped(number, QRect(0, 0, 80, 20), image->Picture(), QPoint(0, 0));
  }
  image->repaint();
}

void TMainForm1::DrawClock(uint32_t seconds) {
  if (!image_time_)
    return;
  {
    std::lock_guard guard(image_time_->Lock());
    const QImage clock = ComposeClock(skin_->Timer(), static_cast<int>(seconds));
    CopyClipped(clock, QRect(0, 0, 99, 11), image_time_->Picture(), QPoint(0, 0));
  }
  if (QThread::currentThread() == thread()) {
    image_time_->update();
  } else {
    QMetaObject::invokeMethod(
        image_time_, [image = image_time_] { image->update(); }, Qt::QueuedConnection);
  }
}

bool TMainForm1::DrawGameType(int32_t game_type) {
  QImage labels;
  labels.load(QStringLiteral(":/game/BITMAP_TYPE_GAME.bmp"), "BMP");
  labels = ScaledResourceBitmap(labels, "BITMAP_TYPE_GAME", scale_);
  const QImage band = GameTypeBand(labels, game_type);
  if (band.isNull() || !image_game_) {
    platform::ShowMessage({"Fatal Error", kError, platform::MessageIcon::kError,
                           platform::MessageButtons::kOk, 0, static_cast<QWidget*>(this)});
    return false;
  }
  CopyClipped(band, QRect(0, 0, 72, 11), image_game_->Picture(), QPoint(0, 0));
  image_game_->repaint();
  return true;
}

bool TMainForm1::StartClock() {
  bool started = false;
  if (clock_->Running()) {
    clock_->Stop();
  } else {
    started = clock_->Start();
  }
  if (!started) {
    platform::ShowMessage({"Can't create timer object", kError, platform::MessageIcon::kError,
                           platform::MessageButtons::kOk, 0, nullptr});
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

void TMainForm1::ShowMessage(const std::string& text, const std::string& caption,
                             MessageKind kind) {
  platform::ShowMessage(
      {text, caption, IconOf(kind), platform::MessageButtons::kOk, 0, static_cast<QWidget*>(this)});
}

bool TMainForm1::AskYesNo(const std::string& text, const std::string& caption, MessageKind kind,
                          bool default_no) {
  const int answer =
      platform::ShowMessage({text, caption, IconOf(kind), platform::MessageButtons::kYesNo,
                             default_no ? 1 : 0, static_cast<QWidget*>(this)});
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
  orbello::ShowBestResults(this, panel3_, high_scores_, variant, new_record_mode, score);
}

void TMainForm1::ExitProgram(int status) {
  exit_status_ = status;
  // During FormCreate the status is FormCreate's result; the event loop has not started yet.
  if (!created_)
    return;
  clock_->Stop();
  StopTimer1();
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
  if (backdrop_.isNull()) {
    painter.fillRect(rect(), Qt::black);
  } else {
    painter.drawImage(0, 0, backdrop_);
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

void TMainForm1::FormDestroy() {
  if (destroyed_)
    return;
  destroyed_ = true;
  // The clock's thread draws on ImageTime: it goes first.
  clock_->Stop();
  StopTimer1();
  for (TMyImage1*& cell : cells_) {
    delete cell;
    cell = nullptr;
  }
  delete game_menu_;
  game_menu_ = nullptr;
  // The skin's files go with it; the lock of its timer picture goes with ImageTime below.
  skin_->Release();
  work_bitmap_ = QImage();
  for (TMyPanel1*& holder : holders_) {
    delete holder;
    holder = nullptr;
  }
  image_score_ = image_champ_ = image_time_ = image_game_ = nullptr;
  image_prev_ = {};
  bitmap_btn_ = bitmap_btn_faces_ = bitmap_new_disable_ = bitmap_caption_btn_ = bitmap_bar_menu_ =
      QImage();
  backdrop_ = QImage();
  if (HelpRequested())
    CloseHelpWindow();
}

}  // namespace orbello::window
