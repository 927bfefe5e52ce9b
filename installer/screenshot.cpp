// Takes the pictures of the game that its software-centre description shows: the real main window,
// started offscreen on a private installation made from the build, a few moves into a game.
//   orbello-screenshot BUILD_DIR SKIN OUTPUT.png
// SKIN is the name of a skin the build packed (classic, retro, gems). Outside the window's shape
// the picture is transparent.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "game/records/core/settings.h"
#include "game/records/core/settings_schema.h"
#include "game/window/main_form.h"
#include "installer/install_registry.h"
#include "platform/core/bytes.h"
#include "platform/core/message.h"
#include "platform/core/registry.h"

namespace {

using orbello::window::TMainForm1;
namespace platform = orbello::platform;

bool Fail(const std::string& text) {
  std::fprintf(stderr, "orbello-screenshot: %s\n", text.c_str());
  return false;
}

bool Copy(const QString& from, const QString& to) {
  QFile::remove(to);
  return QFile::copy(from, to) || Fail("cannot copy " + from.toStdString());
}

// The build's skins and sounds in an installation folder, with a high-score table whose champion
// the window shows.
bool LayOut(const QString& build, const QString& app_dir) {
  for (const char* sub : {"save", "skin", "sound"}) {
    if (!QDir().mkpath(app_dir + sub))
      return Fail("cannot make " + (app_dir + sub).toStdString());
  }
  const QDir skins(build + "/art/skins");
  const QStringList skin_files = skins.entryList(QDir::Files);
  if (skin_files.isEmpty())
    return Fail("no skins in " + skins.path().toStdString());
  for (const QString& file : skin_files) {
    if (!Copy(skins.filePath(file), app_dir + "skin/" + file))
      return false;
  }
  for (const char* sound : {"select", "move", "destroy", "nopath"}) {
    const QString file = QString("/art/sounds/%1.wav").arg(sound);
    if (QFile::exists(build + file) && !Copy(build + file, app_dir + "sound/" + sound + ".wav"))
      return false;
  }
  QByteArray scores(960, '\0');
  const uint32_t champion = 1530;
  platform::PutLittleEndian(reinterpret_cast<unsigned char*>(scores.data()), champion);
  std::memcpy(scores.data() + 4, "Mira", 4);
  QFile table(app_dir + "cvobhs.dat");
  if (!table.open(QIODevice::WriteOnly) || table.write(scores) != scores.size())
    return Fail("cannot write the high-score file");
  return true;
}

// The installer's settings, with the chosen skin and no waits between animation frames.
bool WriteSettings(const std::string& app_dir, const std::string& skin) {
  std::vector<std::string> report;
  std::string error;
  if (!orbello::installer::CheckInstallFolder(app_dir, &error) ||
      !orbello::installer::WriteUserSettings(app_dir, &report, &error)) {
    return Fail(error);
  }
  auto key = platform::RegistryKey::Open(platform::Hive::kCurrentUser, orbello::kSettingsKeyPath,
                                         platform::kRegSetValue);
  if (!key)
    return Fail("the settings key did not open");
  const std::string path = app_dir + "skin/" + skin + ".sf";
  char slot[orbello::kPathSlotSize] = {};
  std::memcpy(slot, path.data(), std::min(path.size(), sizeof slot - 1));
  using S = orbello::GameSettings;
  bool ok = key->SetValue(orbello::PathValueName(orbello::kSlotSkin), platform::kRegSz, slot,
                          sizeof slot);
  for (auto delay : {&S::Delay_Move, &S::Delay_Destroy, &S::Delay_Appearance})
    ok = ok && key->SetDword(orbello::SettingOf(delay).name, 0);
  return ok || Fail("cannot write the settings");
}

// Whether a ball at `from` can walk over free cells to `to` (cells are 9x + y).
bool Reachable(const orbello::TBoard& board, int from, int to) {
  std::vector<bool> seen(orbello::kCellCount, false);
  std::vector<int> queue = {from};
  seen[from] = true;
  for (std::size_t i = 0; i < queue.size(); ++i) {
    const int x = queue[i] / 9, y = queue[i] % 9;
    const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
    for (const auto& xy : next) {
      if (xy[0] < 0 || xy[0] > 8 || xy[1] < 0 || xy[1] > 8)
        continue;
      const int n = 9 * xy[0] + xy[1];
      if (n == to)
        return true;
      if (!seen[n] && board[n].Color == orbello::kEmpty) {
        seen[n] = true;
        queue.push_back(n);
      }
    }
  }
  return false;
}

// The longest row of `colour` through `to` once the ball from `from` stands there.
int RowThrough(const orbello::TBoard& board, int from, int to, int32_t color) {
  int best = 0;
  for (const auto& d : {std::pair{1, 0}, std::pair{0, 1}, std::pair{1, 1}, std::pair{1, -1}}) {
    int length = 1;
    for (int sign : {1, -1}) {
      int x = to / 9 + sign * d.first, y = to % 9 + sign * d.second;
      while (x >= 0 && x <= 8 && y >= 0 && y <= 8 && 9 * x + y != from &&
             board[9 * x + y].Color == color) {
        ++length;
        x += sign * d.first;
        y += sign * d.second;
      }
    }
    best = std::max(best, length);
  }
  return best;
}

// Moves as a player would make them, always the same: each time the walk that makes the longest
// row of one colour, clicked on the cells like the player does.
void PlaySomeMoves(TMainForm1& form) {
  orbello::GameEngine& engine = form.Engine();
  for (int move = 0; move < 16 && engine.GameActive(); ++move) {
    int best = 0, best_from = -1, best_to = -1;
    for (int from = 0; from < orbello::kCellCount; ++from) {
      const int32_t color = engine.Board()[from].Color;
      if (color == orbello::kEmpty)
        continue;
      for (int to = 0; to < orbello::kCellCount; ++to) {
        if (engine.Board()[to].Color != orbello::kEmpty)
          continue;
        const int row = RowThrough(engine.Board(), from, to, color);
        if (row > best && Reachable(engine.Board(), from, to)) {
          best = row;
          best_from = from;
          best_to = to;
        }
      }
    }
    if (best_from < 0)
      return;
    engine.CellClick(best_from);
    engine.CellClick(best_to);
  }
}

int Run(const QString& app_dir, const QString& output) {
  TMainForm1 form((app_dir + "cvobhs.dat").toStdString());
  int exit_status = -1;
  form.SetExitHandler([&](int status) { exit_status = status; });
  if (form.Create() != 0)
    return Fail("the game window was not created"), 1;
  // A fixed seed: the same pictures from every build.
  form.Engine().Randomize(20240607);
  form.OnCommand(orbello::window::kCmdNew);
  PlaySomeMoves(form);
  form.show();
  QApplication::processEvents();
  if (exit_status >= 0)
    return Fail("the game ended"), 1;

  const QImage window = form.grab().toImage();
  QImage shot(window.size(), QImage::Format_ARGB32);
  shot.fill(Qt::transparent);
  {
    QPainter p(&shot);
    if (!form.mask().isEmpty())
      p.setClipRegion(form.mask());
    p.drawImage(0, 0, window);
  }
  if (!shot.save(output, "PNG"))
    return Fail("cannot write " + output.toStdString()), 1;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: orbello-screenshot BUILD_DIR SKIN OUTPUT.png\n");
    return 2;
  }
  const QString build = QString::fromLocal8Bit(argv[1]);
  const QString skin = QString::fromLocal8Bit(argv[2]);
  const QString output = QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath();
  // Everything the game reads and writes stays in a folder of its own, and no display is needed.
  QTemporaryDir home;
  if (!home.isValid())
    return Fail("no temporary folder"), 1;
  for (const char* sub : {"config", "data", "tmp", "runtime"})
    QDir(home.path()).mkpath(sub);
  QFile::setPermissions(home.filePath("runtime"),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("HOME", home.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
  qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
  qputenv("TMPDIR", home.filePath("tmp").toLocal8Bit());
  qputenv("XDG_RUNTIME_DIR", home.filePath("runtime").toLocal8Bit());
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SDL_AUDIODRIVER", "dummy");
  qputenv("RESOURCE_NAME", "TMainForm1");

  const QString app_dir = home.filePath("data/corvane/orbello/");
  if (!LayOut(build, app_dir) || !WriteSettings(app_dir.toStdString(), skin.toStdString()))
    return 1;
  // A message box would wait for a player who is not there; any message spoils the picture.
  bool told = false;
  platform::SetMessageHandler([&told](const platform::MessageRequest& request) {
    told = !Fail("the game said: " + request.text);
    return platform::kIdOk;
  });
  // The offscreen platform cannot shape a window and says so; the shape is cut out of the picture.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
    if (!text.contains(QStringLiteral("window masks")))
      std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("TMainForm1"));
  const int status = Run(app_dir, output);
  if (told && status == 0) {
    QFile::remove(output);
    return 1;
  }
  return status;
}
