#include "game/window/testing/window_test_env.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>
#include <array>

#include "game/records/core/highscores.h"
#include "platform/core/registry.h"
#include "skinfile/skinfile.h"

namespace orbello::window::testing {

QRgb BallPixel(int frame, int row, int lx, int ly) {
  return qRgb(frame * 10, row * 36, lx * 8 + ly / 4);
}

QRgb WalkPixel(int tile, int lx, int ly) {
  return qRgb(255 - tile * 20, 250, lx * 8 + ly / 4);
}

QRgb BoardPixel(int x, int y) {
  return qRgb(40 + x, 60 + y, 90);
}

QImage MakeBalls() {
  QImage image(768, 224, QImage::Format_RGB888);
  for (int y = 0; y < 224; ++y) {
    for (int x = 0; x < 768; ++x)
      image.setPixel(x, y, BallPixel(x / 32, y / 32, x % 32, y % 32));
  }
  return image;
}

QImage MakeWalk() {
  QImage image(128, 32, QImage::Format_RGB888);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 128; ++x)
      image.setPixel(x, y, WalkPixel(x / 32, x % 32, y));
  }
  return image;
}

QImage MakeBoard() {
  QImage image(36, 36, QImage::Format_RGB888);
  for (int y = 0; y < 36; ++y) {
    for (int x = 0; x < 36; ++x)
      image.setPixel(x, y, BoardPixel(x, y));
  }
  return image;
}

namespace {

// A strip of glyphs of `glyph_width`, each of its own red, so that a drawn digit can be told.
QImage MakeDigitStrip(int width, int height, int glyph_width, int green) {
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgb(x / glyph_width * 20, green, y));
  }
  return image;
}

}  // namespace

QImage MakeScoreDigits() {
  return MakeDigitStrip(160, 20, 16, 100);
}

QImage MakeTimerDigits() {
  return MakeDigitStrip(99, 11, 9, 150);
}

ScriptedMessages::ScriptedMessages() {
  previous_ = platform::SetMessageHandler([this](const platform::MessageRequest& request) {
    seen.push_back(request);
    if (answer)
      return answer(request);
    return platform::ButtonId(request.buttons, request.default_button);
  });
}

ScriptedMessages::~ScriptedMessages() {
  platform::SetMessageHandler(previous_);
}

QStringList ScriptedMessages::Texts() const {
  QStringList texts;
  for (const auto& request : seen)
    texts << QString::fromStdString(request.text);
  return texts;
}

bool ScriptedMessages::Saw(const std::string& text) const {
  for (const auto& request : seen) {
    if (request.text == text)
      return true;
  }
  return false;
}

ModalWatchdog::ModalWatchdog(int delay_ms) : delay_ms_(delay_ms) {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      seen_ = nullptr;
      return;
    }
    if (modal != seen_) {
      seen_ = modal;
      age_ = 0;
      return;
    }
    age_ += 10;
    if (age_ >= delay_ms_) {
      titles << modal->windowTitle();
      seen_ = nullptr;
      modal->close();
    }
  });
  timer_.start();
}

TestInstallation::TestInstallation()
    : old_config_(qgetenv("XDG_CONFIG_HOME")),
      old_tmp_(qgetenv("TMPDIR")),
      old_home_(qgetenv("HOME")) {
  QDir(dir_.path()).mkpath("config");
  QDir(dir_.path()).mkpath("tmp");
  qputenv("XDG_CONFIG_HOME", Path("config").toLocal8Bit());
  qputenv("TMPDIR", TempFolder().toLocal8Bit());
  qputenv("HOME", dir_.path().toLocal8Bit());
}

TestInstallation::~TestInstallation() {
  qputenv("XDG_CONFIG_HOME", old_config_);
  qputenv("TMPDIR", old_tmp_);
  qputenv("HOME", old_home_);
}

QStringList TestInstallation::TempFiles() const {
  return QDir(TempFolder()).entryList(QDir::Files, QDir::Name);
}

GameSettings TestInstallation::DefaultSettings() const {
  GameSettings settings;
  settings.DefaultGame = 1;
  settings.NextColors = 1;
  settings.ShowWalk = 0;
  settings.CheckDestroy = settings.CheckJump = settings.CheckMove = settings.CheckNoPath = 1;
  settings.Delay_Jump = 10;
  settings.SetPath(kSlotSkin, Path("skin/test.sf").toStdString());
  settings.SetPath(kSlotJump, Path("sound/none.wav").toStdString());
  settings.SetPath(kSlotDestroy, Path("sound/none.wav").toStdString());
  settings.SetPath(kSlotMove, Path("sound/none.wav").toStdString());
  settings.SetPath(kSlotNoPath, Path("sound/none.wav").toStdString());
  return settings;
}

bool TestInstallation::WriteSettings(const GameSettings& settings) {
  if (!platform::CreateKey(platform::Hive::kCurrentUser, kSettingsKeyPath))
    return false;
  return StoreSettings(settings);
}

std::string TestInstallation::WriteSkin(const QString& name, const QImage& balls) {
  QDir(dir_.path()).mkpath("skin/parts");
  const QImage pictures[5] = {MakeBoard(), MakeScoreDigits(), balls, MakeTimerDigits(), MakeWalk()};
  std::array<std::string, 5> parts;
  for (int k = 0; k < 5; ++k) {
    const QString part = Path(QStringLiteral("skin/parts/%1-%2.bmp").arg(name).arg(k));
    pictures[k].save(part, "BMP");
    parts[k] = part.toStdString();
  }
  const std::string skin = Path("skin/" + name).toStdString();
  skinfile::WriteSkinFile(skin, parts);
  return skin;
}

std::string TestInstallation::WriteHighScores(const std::vector<uint32_t>& lines,
                                              const std::vector<uint32_t>& squares,
                                              const std::vector<uint32_t>& blocks) {
  QByteArray bytes;
  for (const std::vector<uint32_t>* points : {&lines, &squares, &blocks}) {
    HighScoreTable table{};
    for (size_t i = 0; i < points->size() && i < table.size(); ++i)
      table[i].Points = (*points)[i];
    const auto encoded = EncodeHighScoreTable(table);
    bytes.append(reinterpret_cast<const char*>(encoded.data()), encoded.size());
  }
  QFile file(QString::fromStdString(HighScorePath()));
  if (file.open(QIODevice::WriteOnly))
    file.write(bytes);
  return HighScorePath();
}

bool TestInstallation::WriteDefault() {
  WriteSkin("test.sf");
  WriteHighScores();
  return WriteSettings(DefaultSettings());
}

}  // namespace orbello::window::testing
