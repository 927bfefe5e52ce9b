// The skin compiler's window driven through scripted file dialogs, shell and message boxes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QListView>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/core/message.h"
#include "platform/core/paths.h"
#include "platform/qt/kit/accessible_test_support.h"
#include "platform/qt/local_path.h"
#include "platform/qt/ui.h"
#include "skincompiler/compiler_window.h"
#include "skinfile/skinfile.h"

namespace orbello::csfob {
namespace {

using platform::FileDialogRequest;
using platform::MessageRequest;

struct ShownMessage {
  std::string text;
  std::string caption;
  platform::MessageIcon icon;
  void* owner;
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return file.readAll();
}

class CompilerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // Quit closes the window; the test program must go on.
    QApplication::setQuitOnLastWindowClosed(false);
    previous_handler_ = platform::SetMessageHandler([this](const MessageRequest& request) {
      messages_.push_back({request.text, request.caption, request.icon, request.owner});
      return platform::kIdOk;
    });
    previous_open_ = platform::SetOpenFileFunction(
        [this](QWidget* owner, const FileDialogRequest& request) -> std::optional<QString> {
          open_requests_.push_back(request);
          EXPECT_EQ(owner, window_.get());
          if (open_answers_.empty())
            return std::nullopt;
          std::optional<QString> answer = open_answers_.front();
          open_answers_.pop_front();
          return answer;
        });
    previous_save_ = platform::SetSaveFileFunction(
        [this](QWidget* owner, const FileDialogRequest& request) -> std::optional<QString> {
          save_requests_.push_back(request);
          EXPECT_EQ(owner, window_.get());
          return save_answer_;
        });
    previous_shell_ = platform::SetShellOpenFunction([this](const QString& path) {
      shell_requests_.push_back(path);
      return shell_result_;
    });

    QImage tile(128, 128, QImage::Format_RGB888);
    for (int y = 0; y < tile.height(); ++y) {
      for (int x = 0; x < tile.width(); ++x)
        tile.setPixelColor(x, y, QColor(200, 120 + x / 4, 60));
    }
    window_ = std::make_unique<CompilerWindow>(tile, QPixmap());
    ASSERT_TRUE(window_->IsBuilt());
  }

  void TearDown() override {
    window_.reset();
    platform::SetMessageHandler(previous_handler_);
    platform::SetOpenFileFunction(previous_open_);
    platform::SetSaveFileFunction(previous_save_);
    platform::SetShellOpenFunction(previous_shell_);
  }

  void ShowActive() {
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  // A 24-bit bitmap of the given size with a pattern, so that files of one size differ by name.
  QString MakeBitmap(const QString& name, int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        image.setPixelColor(x, y, QColor((x * 7 + name.size()) % 256, (y * 5) % 256, 90));
      }
    }
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
  }

  QString MakeRowBitmap(int row) {
    return MakeBitmap(QStringLiteral("%1.bmp").arg(kSkinRows[row].picture), kSkinRows[row].width,
                      kSkinRows[row].height);
  }

  // Picks `path` in row `row` as the user would: the row's "..." button, then the dialog.
  void Choose(int row, const QString& path) {
    open_answers_.push_back(path);
    QTest::mouseClick(window_->ChooseButtonOf(row), Qt::LeftButton);
  }

  void FillAllRows(std::array<QString, kRowCount>* paths = nullptr) {
    for (int row = 0; row < kRowCount; ++row) {
      const QString path = MakeRowBitmap(row);
      Choose(row, path);
      if (paths != nullptr)
        (*paths)[row] = path;
    }
  }

  QTemporaryDir dir_;
  std::unique_ptr<CompilerWindow> window_;
  std::vector<ShownMessage> messages_;
  std::vector<FileDialogRequest> open_requests_;
  std::deque<std::optional<QString>> open_answers_;
  std::vector<FileDialogRequest> save_requests_;
  std::optional<QString> save_answer_;
  std::vector<QString> shell_requests_;
  bool shell_result_ = true;
  platform::MessageHandler previous_handler_;
  platform::OpenFileFunction previous_open_;
  platform::SaveFileFunction previous_save_;
  platform::ShellOpenFunction previous_shell_;
};

TEST_F(CompilerWindowTest, StartsWithEmptyRowsDisabledCompileAndFocusOnBoardField) {
  for (int row = 0; row < kRowCount; ++row) {
    EXPECT_TRUE(window_->PathFieldOf(row)->Text().isEmpty());
    EXPECT_EQ(window_->LabelOf(row)->Text(), QString::fromLatin1(kSkinRows[row].label));
    EXPECT_FALSE(window_->IsRowFlagged(row));
  }
  EXPECT_FALSE(window_->CompileButton()->isEnabled());
  EXPECT_TRUE(window_->HelpButton()->isEnabled());
  EXPECT_EQ(window_->RememberedFocus(), window_->PathFieldOf(0));
  EXPECT_EQ(window_->size(), kClientSize);
  EXPECT_FALSE(window_->IsBlinkRunning());
}

TEST_F(CompilerWindowTest, NoBackgroundTileMeansTheWindowIsNotBuilt) {
  CompilerWindow broken{QImage(), QPixmap()};
  EXPECT_FALSE(broken.IsBuilt());
}

TEST_F(CompilerWindowTest, ChoosingAsksWithTheRowsTitleAndBitmapFilters) {
  Choose(3, MakeRowBitmap(3));
  ASSERT_EQ(open_requests_.size(), 1u);
  const FileDialogRequest& request = open_requests_[0];
  EXPECT_EQ(request.title, QStringLiteral("Select bitmap for timer (99x11 pixels)"));
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0].name, QStringLiteral("Bitmap files: (*.bmp)"));
  EXPECT_EQ(request.filters[0].pattern, QStringLiteral("*.bmp"));
  EXPECT_EQ(request.filters[1].name, QStringLiteral("All Files (*.*)"));
  EXPECT_EQ(request.filters[1].pattern, QStringLiteral("*.*"));
  EXPECT_TRUE(request.file_must_exist);
  EXPECT_TRUE(request.default_suffix.isEmpty());
  EXPECT_TRUE(messages_.empty());
  EXPECT_FALSE(window_->IsRowFlagged(3));

  // Cancelling the dialog keeps the path that was there.
  const QString kept = window_->PathFieldOf(3)->Text();
  QTest::mouseClick(window_->ChooseButtonOf(3), Qt::LeftButton);
  EXPECT_EQ(open_requests_.size(), 2u);
  EXPECT_EQ(window_->PathFieldOf(3)->Text(), kept);
}

TEST_F(CompilerWindowTest, RealFileDialogComesWithoutThePlacesBarAndWithTheFiltersAsNamed) {
  platform::SetOpenFileFunction({});
  MakeBitmap(QStringLiteral("board.bmp"), 36, 36);
  {
    QFile plain(dir_.filePath(QStringLiteral("README")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  }
  bool seen = false;
  bool places_hidden = false;
  QString title;
  QStringList filter_names;
  QString chosen_filter;
  bool dotless_listed = false;
  // Looks at the dialog once it is up, then cancels it; gives up after a while.
  std::function<void(int)> inspect = [&](int tries_left) {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr && tries_left > 0) {
      QTimer::singleShot(20, [&, tries_left] { inspect(tries_left - 1); });
      return;
    }
    if (dialog != nullptr) {
      seen = true;
      title = dialog->windowTitle();
      const auto* places = dialog->findChild<QWidget*>(QStringLiteral("sidebar"));
      places_hidden = places != nullptr && !places->isVisible();
      auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
      if (types != nullptr && list != nullptr) {
        for (int i = 0; i < types->count(); ++i)
          filter_names << types->itemText(i);
        // "*.*" means every file, also one without a dot in its name.
        dialog->setDirectory(dir_.path());
        QTest::keyClick(types, Qt::Key_Down);
        chosen_filter = types->currentText();
        dotless_listed = QTest::qWaitFor(
            [&] {
              const QModelIndex root = list->rootIndex();
              for (int row = 0; row < list->model()->rowCount(root); ++row) {
                if (list->model()->index(row, 0, root).data() == QStringLiteral("README"))
                  return true;
              }
              return false;
            },
            3000);
      }
      dialog->reject();
    }
  };
  QTimer::singleShot(20, [&] { inspect(250); });
  QTest::mouseClick(window_->ChooseButtonOf(1), Qt::LeftButton);
  ASSERT_TRUE(seen);
  EXPECT_EQ(title, QString::fromLatin1(kSkinRows[1].label));
  EXPECT_TRUE(places_hidden);
  EXPECT_EQ(filter_names, QStringList({QStringLiteral("Bitmap files: (*.bmp)"),
                                       QStringLiteral("All Files (*.*)")}));
  EXPECT_EQ(chosen_filter, QStringLiteral("All Files (*.*)"));
  EXPECT_TRUE(dotless_listed);
  EXPECT_TRUE(window_->PathFieldOf(1)->Text().isEmpty());
}

TEST_F(CompilerWindowTest, WrongSizeIsRejectedWithTheRowsMessageAndStartsThePulse) {
  const QString wrong = MakeBitmap(QStringLiteral("board37.bmp"), 37, 36);
  Choose(0, wrong);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "Size of bitmap for board incorrect, must be 36x36 pixels");
  EXPECT_EQ(messages_[0].caption, "Error");
  EXPECT_EQ(messages_[0].icon, platform::MessageIcon::kError);
  EXPECT_EQ(messages_[0].owner, window_.get());
  EXPECT_EQ(window_->PathFieldOf(0)->Text(), wrong);
  EXPECT_TRUE(window_->IsRowFlagged(0));
  EXPECT_FALSE(window_->CompileButton()->isEnabled());
  EXPECT_TRUE(window_->IsBlinkRunning());

  // Each row names its own size; a height alone that differs is enough.
  Choose(4, MakeBitmap(QStringLiteral("walk33.bmp"), 128, 33));
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[1].text, "Size of bitmap for walk incorrect, must be 128x32 pixels");

  // The flagged labels pulse red; the others keep the text colour.
  window_->BlinkTimerTick();
  window_->BlinkTimerTick();
  EXPECT_EQ(window_->LabelColor(0), QColor(42, 0, 0));
  EXPECT_EQ(window_->LabelColor(4), QColor(42, 0, 0));
  EXPECT_EQ(window_->LabelColor(1), window_->TextColor());
}

TEST_F(CompilerWindowTest, FilesTheBitmapLoaderCannotOpenAreNotBitmaps) {
  // Text, a PNG that calls itself .bmp and a bitmap cut short all fail the same way.
  const QString text = dir_.filePath(QStringLiteral("notes.txt"));
  {
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("just some words, not a picture\n");
  }
  QImage png_image(36, 36, QImage::Format_RGB888);
  png_image.fill(Qt::blue);
  const QString png = dir_.filePath(QStringLiteral("board_png.bmp"));
  ASSERT_TRUE(png_image.save(png, "PNG"));
  const QByteArray whole = ReadAll(MakeBitmap(QStringLiteral("full.bmp"), 36, 36));
  const QString truncated = dir_.filePath(QStringLiteral("cut.bmp"));
  {
    QFile file(truncated);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(whole.left(30));
  }
  const QString missing = dir_.filePath(QStringLiteral("gone.bmp"));
  // Special files are refused without waiting for a writer or reading without end.
  const QString fifo = dir_.filePath(QStringLiteral("pipe.bmp"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString device = QStringLiteral("/dev/zero");

  for (const QString& path : {text, png, truncated, missing, fifo, device}) {
    messages_.clear();
    // Were the check to wait on the FIFO, a writer that comes and goes releases it, and says so.
    std::mutex mutex;
    std::condition_variable checked;
    bool done = false;
    bool blocked = false;
    std::thread watchdog([&] {
      std::unique_lock lock(mutex);
      if (checked.wait_for(lock, std::chrono::seconds(5), [&] { return done; }))
        return;
      const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
      blocked = writer >= 0;
      if (writer >= 0)
        ::close(writer);
    });
    Choose(0, path);
    {
      std::lock_guard lock(mutex);
      done = true;
    }
    checked.notify_one();
    watchdog.join();
    EXPECT_FALSE(blocked) << path.toStdString();
    ASSERT_EQ(messages_.size(), 1u) << path.toStdString();
    EXPECT_EQ(messages_[0].text, "Invalid graphic format (not bitmap)");
    EXPECT_EQ(messages_[0].caption, "Error");
    EXPECT_TRUE(window_->IsRowFlagged(0));
    EXPECT_EQ(window_->PathFieldOf(0)->Text(), path);
  }

  // What counts is the content: a bitmap named .png is accepted.
  messages_.clear();
  const QString disguised = dir_.filePath(QStringLiteral("board.png"));
  ASSERT_TRUE(QFile::copy(dir_.filePath(QStringLiteral("full.bmp")), disguised));
  Choose(0, disguised);
  EXPECT_TRUE(messages_.empty());
  EXPECT_FALSE(window_->IsRowFlagged(0));
}

// File names are bytes: a folder whose name is not UTF-8 passes through the fields, the size check
// and the writer as it is.
TEST_F(CompilerWindowTest, PathsThatAreNotUtf8PassByteForByte) {
  for (const std::string bytes :
       {"/home/caf\xe9/x.bmp", "\xc3\x28 \xed\xa0\x80 \xf4\x90\x80\x80 \xc0\xaf \xe2\x82",
        "b\xc3\xa4ll \xf0\x9f\x8e\xb1 \xe2\x82\xac"}) {
    EXPECT_EQ(platform::EncodeLocalPath(platform::DecodeLocalPath(bytes)), bytes);
  }
  EXPECT_EQ(platform::DecodeLocalPath("b\xc3\xa4ll \xf0\x9f\x8e\xb1"),
            QString::fromUtf8("b\xc3\xa4ll \xf0\x9f\x8e\xb1"))
      << "valid UTF-8 reads as Qt reads it";

  const std::string folder = QFile::encodeName(dir_.path()).toStdString() + "/caf\xe9";
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  std::uintmax_t total = skinfile::kHeaderSize;
  for (int row = 0; row < kRowCount; ++row) {
    const std::string source =
        folder + "/" + kSkinRows[row].picture + (row == 2 ? "\xff.bmp" : ".bmp");
    std::filesystem::copy_file(QFile::encodeName(MakeRowBitmap(row)).toStdString(), source);
    total += std::filesystem::file_size(source);
    Choose(row, platform::DecodeLocalPath(source));
  }
  EXPECT_TRUE(messages_.empty()) << messages_.front().text;
  ASSERT_TRUE(window_->CompileButton()->isEnabled());

  const std::string skin = folder + "/sk\xefn.sf";
  save_answer_ = platform::DecodeLocalPath(skin);
  QTest::mouseClick(window_->CompileButton(), Qt::LeftButton);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "File " + skin + " saved");
  EXPECT_EQ(std::filesystem::file_size(skin), total);
}

TEST_F(CompilerWindowTest, CompileIsEnabledOnlyAfterTheFifthValidRowInAnyOrder) {
  const std::vector<std::array<int, kRowCount>> orders = {
      {0, 1, 2, 3, 4}, {4, 3, 2, 1, 0}, {2, 0, 4, 1, 3}};
  for (const auto& order : orders) {
    window_ = std::make_unique<CompilerWindow>(window_->Background(), QPixmap());
    for (int i = 0; i < kRowCount; ++i) {
      EXPECT_FALSE(window_->CompileButton()->isEnabled()) << "before row " << order[i];
      Choose(order[i], MakeRowBitmap(order[i]));
    }
    EXPECT_TRUE(window_->CompileButton()->isEnabled());
  }
  EXPECT_TRUE(messages_.empty());

  // A later failed check disables it again; correcting that row enables it again.
  Choose(1, MakeBitmap(QStringLiteral("score_wide.bmp"), 161, 20));
  EXPECT_FALSE(window_->CompileButton()->isEnabled());
  Choose(1, MakeRowBitmap(1));
  EXPECT_TRUE(window_->CompileButton()->isEnabled());
}

TEST_F(CompilerWindowTest, PulseStopsOnlyWhenNoRowIsFlaggedAndEveryRowHoldsAPath) {
  Choose(0, MakeBitmap(QStringLiteral("small.bmp"), 35, 36));
  ASSERT_TRUE(window_->IsBlinkRunning());
  for (int i = 0; i < 5; ++i)
    window_->BlinkTimerTick();
  EXPECT_EQ(window_->BlinkCounter(), 5);

  // A second failure while the pulse runs does not restart it.
  Choose(2, MakeBitmap(QStringLiteral("balls_small.bmp"), 700, 224));
  EXPECT_TRUE(window_->IsBlinkRunning());
  EXPECT_EQ(window_->BlinkCounter(), 5);

  // Both rows corrected, but rows 1, 3 and 4 are still empty: the timer runs on.
  Choose(0, MakeRowBitmap(0));
  Choose(2, MakeRowBitmap(2));
  EXPECT_FALSE(window_->IsRowFlagged(0));
  EXPECT_FALSE(window_->IsRowFlagged(2));
  EXPECT_TRUE(window_->IsBlinkRunning());
  Choose(1, MakeRowBitmap(1));
  Choose(3, MakeRowBitmap(3));
  EXPECT_TRUE(window_->IsBlinkRunning());
  EXPECT_FALSE(window_->CompileButton()->isEnabled());

  window_->BlinkTimerTick();
  Choose(4, MakeRowBitmap(4));
  EXPECT_FALSE(window_->IsBlinkRunning());
  EXPECT_TRUE(window_->CompileButton()->isEnabled());
  EXPECT_EQ(window_->BlinkColor(), window_->TextColor());
  // The counter keeps its place for the next pulse.
  EXPECT_EQ(window_->BlinkCounter(), 6);
  Choose(3, MakeBitmap(QStringLiteral("timer_big.bmp"), 100, 11));
  EXPECT_TRUE(window_->IsBlinkRunning());
  window_->BlinkTimerTick();
  EXPECT_EQ(window_->BlinkCounter(), 7);
}

TEST_F(CompilerWindowTest, PulseRisesToTwelveFallsToZeroInTwentyFourSteps) {
  Choose(0, MakeBitmap(QStringLiteral("small.bmp"), 10, 10));
  std::vector<int> counters;
  for (int i = 0; i < 26; ++i) {
    window_->BlinkTimerTick();
    counters.push_back(window_->BlinkCounter());
    EXPECT_EQ(window_->BlinkColor(), QColor(window_->BlinkCounter() * 21, 0, 0));
  }
  const std::vector<int> expected = {1,  2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 11,
                                     10, 9, 8, 7, 6, 5, 4, 3, 2, 1,  0,  1,  2};
  EXPECT_EQ(counters, expected);

  // The running timer really ticks on its own every 25 ms.
  const int before = window_->BlinkCounter();
  QTest::qWait(200);
  EXPECT_NE(window_->BlinkCounter(), before);
}

TEST_F(CompilerWindowTest, CompiledSkinIsReadBackByTheGameByteForByte) {
  std::array<QString, kRowCount> sources;
  FillAllRows(&sources);
  ASSERT_TRUE(window_->CompileButton()->isEnabled());
  const QString skin = dir_.filePath(QStringLiteral("mine.sf"));
  save_answer_ = skin;
  QTest::mouseClick(window_->CompileButton(), Qt::LeftButton);

  ASSERT_EQ(save_requests_.size(), 1u);
  EXPECT_EQ(save_requests_[0].title, QStringLiteral("Save skin file for Orbello"));
  ASSERT_EQ(save_requests_[0].filters.size(), 1u);
  EXPECT_EQ(save_requests_[0].filters[0].name, QStringLiteral("Orbello skin files: (*.sf)"));
  EXPECT_EQ(save_requests_[0].filters[0].pattern, QStringLiteral("*.sf"));
  EXPECT_TRUE(save_requests_[0].default_suffix.isEmpty());
  EXPECT_TRUE(save_requests_[0].prompt_overwrite);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "File " + skin.toStdString() + " saved");
  EXPECT_EQ(messages_[0].caption, "Congratulation");

  // Header of the five lengths, then the five files as they are.
  QByteArray expected;
  QByteArray body;
  for (const QString& source : sources) {
    const QByteArray bytes = ReadAll(source);
    const quint32 length = static_cast<quint32>(bytes.size());
    for (int shift = 0; shift < 32; shift += 8)
      expected.append(static_cast<char>(length >> shift));
    body += bytes;
  }
  expected += body;
  EXPECT_EQ(ReadAll(skin), expected);

  skinfile::TempNames names;
  ASSERT_TRUE(skinfile::UnpackSkin(skin.toStdString(), names));
  for (int row = 0; row < kRowCount; ++row) {
    EXPECT_EQ(ReadAll(QString::fromStdString(names[row])), ReadAll(sources[row])) << row;
  }
  skinfile::DeleteTempFiles(names);

  // Compile stays enabled for another skin.
  EXPECT_TRUE(window_->CompileButton()->isEnabled());
}

TEST_F(CompilerWindowTest, CancelledSaveWritesNothingAndANameWithoutExtensionIsKept) {
  FillAllRows();
  const QStringList before = QDir(dir_.path()).entryList(QDir::Files);
  save_answer_ = std::nullopt;
  QTest::mouseClick(window_->CompileButton(), Qt::LeftButton);
  EXPECT_EQ(save_requests_.size(), 1u);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), before);

  save_answer_ = dir_.filePath(QStringLiteral("plainname"));
  QTest::mouseClick(window_->CompileButton(), Qt::LeftButton);
  EXPECT_TRUE(QFile::exists(dir_.filePath(QStringLiteral("plainname"))));
  EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("plainname.sf"))));
}

TEST_F(CompilerWindowTest, WriterFailuresAreReportedAndNothingIsLeft) {
  std::array<QString, kRowCount> sources;
  FillAllRows(&sources);
  save_answer_ = dir_.filePath(QStringLiteral("no/such/folder/x.sf"));
  QTest::mouseClick(window_->CompileButton(), Qt::LeftButton);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "Could not create skin file");
  EXPECT_EQ(messages_[0].caption, "Error");

  // A source removed after its check is named in the message.
  ASSERT_TRUE(QFile::remove(sources[2]));
  save_answer_ = dir_.filePath(QStringLiteral("late.sf"));
  QTest::mouseClick(window_->CompileButton(), Qt::LeftButton);
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[1].text, "Could not open file: " + sources[2].toStdString());
}

TEST_F(CompilerWindowTest, SkinIsNeverWrittenOverOneOfItsOwnBitmaps) {
  std::array<QString, kRowCount> sources;
  FillAllRows(&sources);
  const QByteArray balls = ReadAll(sources[2]);
  // The same file under another name counts too.
  const QString link = dir_.filePath(QStringLiteral("balls-link.sf"));
  ASSERT_TRUE(QFile::link(sources[2], link));
  for (const QString& target : {sources[2], link}) {
    messages_.clear();
    save_answer_ = target;
    QTest::mouseClick(window_->CompileButton(), Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Could not create skin file");
    EXPECT_EQ(messages_[0].caption, "Error");
    EXPECT_EQ(ReadAll(sources[2]), balls);
  }
}

TEST_F(CompilerWindowTest, TabAndArrowsWalkTheTabStopsSkippingLabelsAndDisabledCompile) {
  ShowActive();
  const std::vector<QWidget*> stops = window_->TabStops();
  ASSERT_EQ(stops.size(), 13u);
  window_->PathFieldOf(0)->setFocus();
  std::vector<QWidget*> visited;
  for (int i = 0; i < 13; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  // Field, "..." per row, then Help, (Compile disabled), Quit and round to the board field.
  std::vector<QWidget*> expected;
  for (int row = 0; row < kRowCount; ++row) {
    if (row > 0)
      expected.push_back(window_->PathFieldOf(row));
    expected.push_back(window_->ChooseButtonOf(row));
  }
  expected.push_back(window_->HelpButton());
  expected.push_back(window_->QuitButton());
  expected.push_back(window_->PathFieldOf(0));
  expected.push_back(window_->ChooseButtonOf(0));
  EXPECT_EQ(visited, expected);

  // Shift+Tab and the arrows on a button go back; Right and Down go on.
  window_->QuitButton()->setFocus();
  QTest::keyClick(window_->QuitButton(), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), window_->HelpButton());
  QTest::keyClick(window_->HelpButton(), Qt::Key_Left);
  EXPECT_EQ(QApplication::focusWidget(), window_->ChooseButtonOf(4));
  QTest::keyClick(window_->ChooseButtonOf(4), Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), window_->PathFieldOf(4));
  window_->ChooseButtonOf(1)->setFocus();
  QTest::keyClick(window_->ChooseButtonOf(1), Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), window_->PathFieldOf(2));
  EXPECT_EQ(window_->RememberedFocus(), window_->PathFieldOf(2));
  QTest::keyClick(window_->PathFieldOf(2), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), window_->ChooseButtonOf(1));

  // Held with Control, Tab and Shift+Tab move as they do without it, from a field or a button.
  QTest::keyClick(window_->ChooseButtonOf(1), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), window_->PathFieldOf(2));
  QTest::keyClick(window_->PathFieldOf(2), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), window_->ChooseButtonOf(2));
  QTest::keyClick(window_->ChooseButtonOf(2), Qt::Key_Backtab,
                  Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), window_->PathFieldOf(2));
  QTest::keyClick(window_->PathFieldOf(2), Qt::Key_Backtab,
                  Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), window_->ChooseButtonOf(1));
}

TEST_F(CompilerWindowTest, ScreenReaderHearsEachFieldByItsRowsLabelAndEachButtonByWhatItDoes) {
  using namespace kit::testing;
  const QStringList unnamed = UnnamedControls(window_.get());
  EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
  EXPECT_EQ(ReadName(window_.get()), "Creator Skins for Orbello");
  EXPECT_EQ(ReadRole(window_.get()), QAccessible::Window);
  EXPECT_EQ(ReadRole(window_->PathFieldOf(2)), QAccessible::EditableText);
  EXPECT_EQ(ReadName(window_->PathFieldOf(2)), "Select bitmap for balls (768x224 pixels)");
  EXPECT_EQ(LabelName(window_->PathFieldOf(2)), "Select bitmap for balls (768x224 pixels)");
  EXPECT_EQ(ReadName(window_->ChooseButtonOf(4)), "Choose bitmap for walk");
  EXPECT_EQ(ReadRole(window_->CompileButton()), QAccessible::Button);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(window_->CompileButton())->state().disabled);
  // The label knows the field it names, too.
  const auto labelled =
      QAccessible::queryAccessibleInterface(window_->LabelOf(2))->relations(QAccessible::Labelled);
  ASSERT_EQ(labelled.size(), 1);
  EXPECT_EQ(labelled.first().first->object(), window_->PathFieldOf(2));
}

TEST_F(CompilerWindowTest, EnterOpensTheChooserOnlyOnDotButtonsAndSpacePressesCompile) {
  ShowActive();
  FillAllRows();
  open_requests_.clear();

  window_->ChooseButtonOf(2)->setFocus();
  QTest::keyClick(window_->ChooseButtonOf(2), Qt::Key_Return);
  ASSERT_EQ(open_requests_.size(), 1u);
  EXPECT_EQ(open_requests_[0].title, QStringLiteral("Select bitmap for balls (768x224 pixels)"));

  save_answer_ = std::nullopt;
  window_->CompileButton()->setFocus();
  QTest::keyClick(window_->CompileButton(), Qt::Key_Return);
  QTest::keyClick(window_->CompileButton(), Qt::Key_Enter);
  EXPECT_TRUE(save_requests_.empty());
  QTest::keyClick(window_->CompileButton(), Qt::Key_Space);
  EXPECT_EQ(save_requests_.size(), 1u);

  // Enter on Quit does not quit either; Space does.
  window_->QuitButton()->setFocus();
  QTest::keyClick(window_->QuitButton(), Qt::Key_Return);
  EXPECT_TRUE(window_->isVisible());
  QTest::keyClick(window_->QuitButton(), Qt::Key_Space);
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(CompilerWindowTest, PathFieldMovesTheCaretButSelectsNothing) {
  window_->show();
  const QString long_path = dir_.filePath(QString(120, QLatin1Char('d')) + QStringLiteral(".bmp"));
  Choose(0, long_path);  // not there: rejected, but the path stays for scrolling
  kit::TextField* field = window_->PathFieldOf(0);
  field->setFocus();
  EXPECT_EQ(field->CaretPosition(), 0);
  EXPECT_EQ(field->FirstVisible(), 0);

  QTest::keyClick(field, Qt::Key_End);
  const int end = static_cast<int>(long_path.size());
  EXPECT_EQ(field->CaretPosition(), end);
  EXPECT_GT(field->FirstVisible(), 0);
  const QFontMetrics metrics(field->font());
  EXPECT_LE(metrics.horizontalAdvance(long_path.mid(field->FirstVisible())),
            field->FormatRect().width());

  // Shift with the movement keys is swallowed; the keys alone move.
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_Right, Qt::Key_End, Qt::Key_Delete}) {
    QTest::keyClick(field, key, Qt::ShiftModifier);
    EXPECT_EQ(field->CaretPosition(), end);
  }
  QTest::keyClick(field, Qt::Key_Left);
  EXPECT_EQ(field->CaretPosition(), end - 1);
  QTest::keyClick(field, Qt::Key_Home);
  EXPECT_EQ(field->CaretPosition(), 0);
  EXPECT_EQ(field->FirstVisible(), 0);

  // Control moves by words; paths rarely have spaces, so mostly to either end.
  QTest::keyClick(field, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(field->CaretPosition(), end);
  QTest::keyClick(field, Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(field->CaretPosition(), 0);

  // Typing changes nothing in a read-only field.
  QTest::keyClicks(field, QStringLiteral("xy"));
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->Text(), long_path);
}

TEST_F(CompilerWindowTest, HelpOpensTheHelpFileBesideTheProgramAndWarnsWhenItCannot) {
  QTest::mouseClick(window_->HelpButton(), Qt::LeftButton);
  ASSERT_EQ(shell_requests_.size(), 1u);
  EXPECT_EQ(shell_requests_[0],
            QString::fromStdString(platform::ProgramFolder()) + QStringLiteral("/cvob.chm"));
  EXPECT_TRUE(window_->HelpStarted());
  EXPECT_TRUE(messages_.empty());

  shell_result_ = false;
  QTest::mouseClick(window_->HelpButton(), Qt::LeftButton);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "Creator Skins for Orbello can't run help file");
  EXPECT_EQ(messages_[0].caption, "Warning!");
  EXPECT_EQ(messages_[0].icon, platform::MessageIcon::kError);
  EXPECT_EQ(messages_[0].owner, nullptr);
}

TEST_F(CompilerWindowTest, CentresItsOuterFrameOnTheWholeScreen) {
  window_->CentreOnMonitor();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window_->pos(), QPoint(screen.left() + (screen.width() - 365) / 2,
                                   screen.top() + (screen.height() - 360) / 2));
}

TEST_F(CompilerWindowTest, PaintsDarkenedDisabledButtonAndPulsingLabels) {
  window_->show();
  const QImage& background = window_->Background();
  // Inside the disabled Compile button, away from its text: the background at 85 per cent.
  const QPoint probe(196 + 6, 296 + 4);
  QImage shot = window_->grab().toImage();
  const QColor under = background.pixelColor(probe);
  const QColor darkened = shot.pixelColor(probe);
  EXPECT_EQ(darkened.red(), under.red() * 85 / 100);
  EXPECT_EQ(darkened.green(), under.green() * 85 / 100);
  EXPECT_EQ(darkened.blue(), under.blue() * 85 / 100);

  // The board label of a flagged row is drawn in the blink colour.
  Choose(0, MakeBitmap(QStringLiteral("odd.bmp"), 5, 5));
  for (int i = 0; i < 12; ++i)
    window_->BlinkTimerTick();
  const QImage label = window_->LabelOf(0)->grab().toImage();
  bool red_text = false;
  for (int y = 0; y < label.height() && !red_text; ++y) {
    for (int x = 0; x < label.width(); ++x) {
      const QColor c = label.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 60 && c.blue() < 60) {
        red_text = true;
        break;
      }
    }
  }
  EXPECT_TRUE(red_text);

  // Once ready, Compile shows the plain background.
  for (int row = 0; row < kRowCount; ++row)
    Choose(row, MakeRowBitmap(row));
  shot = window_->grab().toImage();
  EXPECT_EQ(shot.pixelColor(probe), under);
}

TEST_F(CompilerWindowTest, SystemColorChangeRecolorsTextAndEndsThePulseColor) {
  const QPalette original = QApplication::palette();
  Choose(0, MakeBitmap(QStringLiteral("odd.bmp"), 3, 3));
  window_->BlinkTimerTick();
  ASSERT_EQ(window_->BlinkColor(), QColor(21, 0, 0));
  QPalette changed = original;
  changed.setColor(QPalette::WindowText, QColor(0, 0, 160));
  QApplication::setPalette(changed);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(window_->TextColor(), QColor(0, 0, 160));
  EXPECT_EQ(window_->BlinkColor(), QColor(0, 0, 160));
  EXPECT_EQ(window_->LabelColor(1), QColor(0, 0, 160));
  QApplication::setPalette(original);
}

// The program itself, with the pictures it carries: a missing background would end it at once,
// silently, with status 0.
TEST(CsfobProgramTest, StartsAndKeepsRunningWithItsOwnPictures) {
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(CSFOB_PROGRAM), {});
  ASSERT_TRUE(program.waitForStarted(5000));
  EXPECT_FALSE(program.waitForFinished(1500)) << "exit status " << program.exitCode();
  program.kill();
  program.waitForFinished(5000);
}

// Without a reachable X11 server Qt would abort; the program says why and ends with status 1.
TEST(CsfobProgramTest, EndsWithStatusOneWhenTheDisplayCannotBeReached) {
  for (const QString& display : {QStringLiteral(":4093"), QString()}) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DISPLAY"})
      environment.remove(QString::fromLatin1(name));
    if (!display.isEmpty())
      environment.insert(QStringLiteral("DISPLAY"), display);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CSFOB_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(10000)) << display.toStdString();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << display.toStdString();
    EXPECT_EQ(program.exitCode(), 1) << display.toStdString();
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_TRUE(error.startsWith(QStringLiteral("csfob: ")) && error.contains("X11 display"))
        << error.toStdString();
  }
}

}  // namespace
}  // namespace orbello::csfob
