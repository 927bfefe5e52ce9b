// The best results dialog over a real high-score file, and the save/load choosers.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <vector>

#include "game/records/core/highscores.h"
#include "game/records/core/savedgame.h"
#include "game/records/core/savedgame_test_util.h"
#include "game/records/dialogs/dialog_test_support.h"
#include "game/records/dialogs/dialogs.h"
#include "platform/core/testing/message_check.h"
#include "platform/qt/kit/accessible_test_support.h"
#include "platform/qt/kit/dialog_look.h"
#include "platform/qt/ui.h"

namespace orbello {
namespace {

using testing::ScriptedMessages;
using testing::Settle;
using testing::WithModal;

kit::TextField* Field(QDialog* dialog, int id) {
  auto* field = qobject_cast<kit::TextField*>(kit::FindDialogControl(dialog, id));
  EXPECT_NE(field, nullptr) << "field " << id;
  return field;
}

void ClickOk(QDialog* dialog) {
  QWidget* ok = kit::FindDialogControl(dialog, kIdBestResultsOk);
  ASSERT_NE(ok, nullptr);
  QTest::mouseClick(ok, Qt::LeftButton, Qt::NoModifier, ok->rect().center());
}

void ClearField(kit::TextField* field) {
  QTest::keyClick(field, Qt::Key_End);
  for (int i = 0; i < 40; ++i)
    QTest::keyClick(field, Qt::Key_Backspace);
}

// The new record's name field, focused and emptied for typing.
kit::TextField* EmptyNameField(QDialog* dialog) {
  kit::TextField* name = Field(dialog, 1039);
  name->setFocus();
  ClearField(name);
  return name;
}

class BestResultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.path() + "/cvobhs.dat";
    // Lines: 900, 800, ... 0 named P0..P9; Squares empty; Blocks in no particular order.
    HighScoreTable lines{}, blocks{};
    for (int r = 0; r < kHighScoreRows; ++r) {
      lines[r].Points = static_cast<uint32_t>(900 - 100 * r);
      SetPlayerName(lines[r], std::string("P").append(std::to_string(r)));
      blocks[r].Points = static_cast<uint32_t>((r * 37) % 10 * 11);
      SetPlayerName(blocks[r], std::string("B").append(std::to_string(r)));
    }
    QByteArray bytes;
    auto append = [&bytes](const HighScoreTable& t) {
      const auto encoded = EncodeHighScoreTable(t);
      bytes.append(reinterpret_cast<const char*>(encoded.data()),
                   static_cast<qsizetype>(encoded.size()));
    };
    append(lines);
    append(HighScoreTable{});
    append(blocks);
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), kHighScoreFileSize);
    original_ = bytes;
    blocks_ = blocks;
  }

  QByteArray FileBytes() const {
    QFile file(path_);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }

  HighScoreTable FileTable(int variant) const {
    const QByteArray bytes = FileBytes();
    return DecodeHighScoreTable(reinterpret_cast<const unsigned char*>(bytes.constData()) +
                                (variant - 1) * 320);
  }

  QTemporaryDir dir_;
  QString path_;
  QByteArray original_;
  HighScoreTable blocks_{};
  ScriptedMessages messages_;
};

TEST_F(BestResultsTest, NewRecordRowIsHighlightedFocusedAndSavedWithTheTypedName) {
  HighScores scores(path_.toStdString());
  QString caption, start_name;
  int focused = 0;
  bool row_enabled = false, others_disabled = true;
  QColor name_color, points_color;
  QStringList unnamed, read;
  bool typing_editable = false, row_read_only_disabled = false;
  WithModal([&] { ShowBestResults(nullptr, nullptr, scores, kLines, true, 650); },
            [&](QDialog* d) {
              d->activateWindow();
              Settle();
              caption = d->windowTitle();
              kit::TextField* name = Field(d, 1039 + 2 * 3);
              start_name = name->Text();
              row_enabled = name->isEnabled() && !name->IsReadOnly();
              for (int r = 0; r < 10; ++r) {
                if (r == 3)
                  continue;
                others_disabled &= !Field(d, 1039 + 2 * r)->isEnabled();
              }
              name_color = name->TextColor().value_or(QColor());
              points_color = Field(d, 1040 + 2 * 3)->TextColor().value_or(QColor());
              focused = d->focusWidget()->property(kit::kDialogIdProperty).toInt();
              // A reader goes row by row, and is told where to type.
              unnamed = kit::testing::UnnamedControls(d);
              for (int id : {1039, 1039 + 2 * 3, 1039 + 2 * 4, 1040 + 2 * 4})
                read.push_back(kit::testing::ReadName(kit::FindDialogControl(d, id)));
              QAccessibleInterface* typing = QAccessible::queryAccessibleInterface(name);
              typing_editable = typing->state().editable && typing->textInterface() != nullptr;
              QAccessibleInterface* row = QAccessible::queryAccessibleInterface(Field(d, 1039));
              row_read_only_disabled = row->state().readOnly && row->state().disabled;
              // Tab goes to Ok and back.
              QTest::keyClick(name, Qt::Key_Tab);
              EXPECT_EQ(d->focusWidget()->property(kit::kDialogIdProperty).toInt(),
                        kIdBestResultsOk);
              QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
              EXPECT_EQ(d->focusWidget(), name);
              ClearField(name);
              QTest::keyClicks(name, "Alice");
              ClickOk(d);
            });
  EXPECT_EQ(caption, "The best results for Lines");
  EXPECT_EQ(start_name, "Pretender");
  EXPECT_TRUE(row_enabled);
  EXPECT_TRUE(others_disabled);
  EXPECT_EQ(name_color, QColor(255, 0, 128));
  EXPECT_EQ(points_color, QColor(255, 0, 128));
  EXPECT_EQ(focused, 1039 + 2 * 3);
  EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
  EXPECT_EQ(read, (QStringList{"1. P0, 900", "4. Type your name, 650", "5. P3, 600", "5. Points"}));
  EXPECT_TRUE(typing_editable);
  EXPECT_TRUE(row_read_only_disabled);

  const HighScoreTable lines = FileTable(kLines);
  EXPECT_EQ(lines[3].Points, 650u);
  EXPECT_STREQ(lines[3].PlayerName, "Alice");
  EXPECT_EQ(lines[4].Points, 600u);                     // former row 3 moved down
  EXPECT_STREQ(lines[9].PlayerName, "P8");              // former row 9 is gone
  EXPECT_EQ(FileBytes().mid(320), original_.mid(320));  // other variants untouched
}

TEST_F(BestResultsTest, NameStopsAt25CharactersAndKeepsItsTerminator) {
  HighScores scores(path_.toStdString());
  QString typed;
  WithModal([&] { ShowBestResults(nullptr, nullptr, scores, kLines, true, 5000); },
            [&](QDialog* d) {
              kit::TextField* name = EmptyNameField(d);
              QTest::keyClicks(name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123");
              // Characters outside the 8-bit set never reach the name.
              QKeyEvent euro(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\u20ac"));
              QApplication::sendEvent(name, &euro);
              typed = name->Text();
              ClickOk(d);
            });
  EXPECT_EQ(typed, "ABCDEFGHIJKLMNOPQRSTUVWXY");
  const HighScoreTable lines = FileTable(kLines);
  EXPECT_EQ(lines[0].Points, 5000u);
  EXPECT_EQ(std::string(lines[0].PlayerName), "ABCDEFGHIJKLMNOPQRSTUVWXY");
  EXPECT_EQ(lines[0].PlayerName[25], '\0');
}

// Control with Left or Right moves the caret by words here as in every field of the kit: typing
// goes in front of the word it lands on.
TEST_F(BestResultsTest, ControlArrowsMoveTheCaretByWordsUpAndDownByCharacters) {
  HighScores scores(path_.toStdString());
  std::vector<int> carets;
  QString typed;
  WithModal([&] { ShowBestResults(nullptr, nullptr, scores, kLines, true, 5000); },
            [&](QDialog* d) {
              kit::TextField* name = EmptyNameField(d);
              QTest::keyClicks(name, "Ann  Lee Smith");
              for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
                                  Qt::Key_Right, Qt::Key_Right}) {
                QTest::keyClick(name, key, Qt::ControlModifier);
                carets.push_back(name->CaretPosition());
              }
              // One line: Up and Down move as Left and Right do.
              for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down}) {
                QTest::keyClick(name, key);
                carets.push_back(name->CaretPosition());
              }
              QTest::keyClicks(name, "X");
              typed = name->Text();
              ClickOk(d);
            });
  EXPECT_EQ(carets, (std::vector<int>{9, 5, 0, 0, 5, 9, 8, 7, 8}));
  EXPECT_EQ(typed, "Ann  LeeX Smith");
}

TEST_F(BestResultsTest, EmptyNameOrCloseBoxWritesNothing) {
  HighScores scores(path_.toStdString());
  WithModal([&] { ShowBestResults(nullptr, nullptr, scores, kLines, true, 650); },
            [&](QDialog* d) {
              ClearField(Field(d, 1045));
              ClickOk(d);
            });
  EXPECT_EQ(FileBytes(), original_);

  int result = 0;
  WithModal([&] { result = ShowBestResults(nullptr, nullptr, scores, kLines, true, 650); },
            [&](QDialog* d) {
              QTest::keyClicks(Field(d, 1045), "Bob");
              QTest::keyClick(d, Qt::Key_Escape);  // ignored
              QTest::keyClick(d->focusWidget(), Qt::Key_Return);
              EXPECT_TRUE(d->isVisible());
              d->close();
            });
  EXPECT_EQ(result, kIdDialogClosed);
  EXPECT_EQ(FileBytes(), original_);
  EXPECT_TRUE(messages_.requests.empty());
}

TEST_F(BestResultsTest, OtherVariantShownInFileOrderWithoutEditing) {
  HighScores scores(path_.toStdString());
  QString caption;
  std::vector<QString> names, points;
  bool any_enabled = false;
  int focused = 0;
  QWidget panel;
  panel.setGeometry(200, 150, 324, 324);
  panel.show();
  QPoint position;
  WithModal([&] { ShowBestResults(nullptr, &panel, scores, kBlocks, false, 99999); },
            [&](QDialog* d) {
              caption = d->windowTitle();
              for (int r = 0; r < 10; ++r) {
                names.push_back(Field(d, 1039 + 2 * r)->Text());
                points.push_back(Field(d, 1040 + 2 * r)->Text());
                any_enabled |= Field(d, 1039 + 2 * r)->isEnabled();
              }
              focused =
                  d->focusWidget() ? d->focusWidget()->property(kit::kDialogIdProperty).toInt() : 0;
              position = d->pos();
              ClickOk(d);
            });
  EXPECT_EQ(caption, "The best results for Blocks");
  for (int r = 0; r < 10; ++r) {
    EXPECT_EQ(names[r], QString("B%1").arg(r));
    EXPECT_EQ(points[r], QString::number(blocks_[r].Points));
  }
  EXPECT_FALSE(any_enabled);
  EXPECT_EQ(focused, kIdBestResultsOk);
  EXPECT_EQ(position, panel.mapToGlobal(QPoint(25, 6)));
  EXPECT_EQ(FileBytes(), original_);
}

TEST_F(BestResultsTest, UnreadableTableClosesAtOnceAfterTheMessage) {
  QFile::resize(path_, 320);  // Squares can no longer be read
  HighScores scores(path_.toStdString());
  EXPECT_EQ(ShowBestResults(nullptr, nullptr, scores, kSquares, false, 0), kIdDialogFailed);
  ASSERT_EQ(messages_.requests.size(), 1u);
  EXPECT_EQ(messages_.requests[0].text, "Can't read data from cvobhs.dat");
}

// ---- saving and loading through the choosers ----

// The slots before the first game: no ball announced, so loading asks nothing.
TNextBalls NothingAnnounced() {
  TNextBalls none{};
  for (auto& slot : none)
    slot.X = kNone;
  return none;
}

SavedGameState SampleState() {
  SavedGameState state;
  state.GameType = kSquares;
  state.Score = 1234;
  for (int n = 0; n < kCellCount; ++n) {
    state.Board[n] = TBoardCell{n % 11 == 0 ? n % kColorCount : kEmpty, n, 0, 0};
  }
  state.NextBalls = {TNextBall{1, 3, 3}, TNextBall{4, 5, 6}, TNextBall{7, 8, 0}};
  state.SelX = 0;
  state.SelY = 0;
  return state;
}

class GameFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_open_ =
        platform::SetOpenFileFunction([this](QWidget*, const platform::FileDialogRequest& r) {
          open_requests_.push_back(r);
          return open_answer_;
        });
    previous_save_ =
        platform::SetSaveFileFunction([this](QWidget*, const platform::FileDialogRequest& r) {
          save_requests_.push_back(r);
          return save_answer_;
        });
  }
  void TearDown() override {
    platform::SetOpenFileFunction(previous_open_);
    platform::SetSaveFileFunction(previous_save_);
  }

  QTemporaryDir dir_;
  std::vector<platform::FileDialogRequest> open_requests_, save_requests_;
  std::optional<QString> open_answer_, save_answer_;
  platform::OpenFileFunction previous_open_;
  platform::SaveFileFunction previous_save_;
  ScriptedMessages messages_;
};

TEST_F(GameFilesTest, SavedGameLoadsBackThroughTheChoosers) {
  const QString path = dir_.path() + "/first.osf";
  save_answer_ = path;
  EXPECT_EQ(SaveGame(nullptr, SampleState()), GameFileResult::kDone);
  ASSERT_EQ(save_requests_.size(), 1u);
  const platform::FileDialogRequest& save = save_requests_[0];
  EXPECT_EQ(save.title, "Save game");
  ASSERT_EQ(save.filters.size(), 1u);
  EXPECT_EQ(save.filters[0].name, "OB save files: (*.osf)");
  EXPECT_EQ(save.filters[0].pattern, "*.osf");
  EXPECT_EQ(save.default_suffix, "osf");
  EXPECT_TRUE(save.prompt_overwrite);
  EXPECT_TRUE(save.initial_folder.endsWith("/save"));
  EXPECT_EQ(QFileInfo(path).size(), 1348);

  // Before the first game nothing is announced: no question.
  const TNextBalls none = NothingAnnounced();
  SavedGameState loaded;
  open_answer_ = path;
  EXPECT_EQ(LoadGame(nullptr, none, loaded), GameFileResult::kDone);
  EXPECT_TRUE(SameState(loaded, SampleState()));
  EXPECT_TRUE(messages_.requests.empty());
  ASSERT_EQ(open_requests_.size(), 1u);
  EXPECT_EQ(open_requests_[0].title, "Load game");
  EXPECT_EQ(open_requests_[0].filters[0].name, "OB save files: (*.osf)");
  EXPECT_EQ(open_requests_[0].default_suffix, "osf");
  EXPECT_TRUE(open_requests_[0].file_must_exist);
}

TEST_F(GameFilesTest, LoadOverRunningGameAsksAndNoKeepsTheGame) {
  const QString path = dir_.path() + "/second.osf";
  save_answer_ = path;
  ASSERT_EQ(SaveGame(nullptr, SampleState()), GameFileResult::kDone);

  const TNextBalls running = {TNextBall{0, 0, 1}, TNextBall{kNone, 0, 0}, TNextBall{kNone, 0, 0}};
  SavedGameState current;  // stands for the running game
  current.Score = 77;
  open_answer_ = path;
  EXPECT_EQ(LoadGame(nullptr, running, current), GameFileResult::kCancelled);  // default: No
  ASSERT_EQ(messages_.requests.size(), 1u);
  EXPECT_TRUE(testing::IsMessage(messages_.requests[0], kLoadOverGameQuestion));
  EXPECT_EQ(current.Score, 77u);

  messages_.SetAnswer(platform::kIdYes);
  EXPECT_EQ(LoadGame(nullptr, running, current), GameFileResult::kDone);
  EXPECT_TRUE(SameState(current, SampleState()));

  // A cancelled chooser asks nothing and loads nothing.
  open_answer_.reset();
  messages_.requests.clear();
  current.Score = 5;
  EXPECT_EQ(LoadGame(nullptr, running, current), GameFileResult::kCancelled);
  EXPECT_TRUE(messages_.requests.empty());
  EXPECT_EQ(current.Score, 5u);
}

TEST_F(GameFilesTest, ShortFileFailsWithItsMessage) {
  const QString path = dir_.path() + "/short.osf";
  save_answer_ = path;
  ASSERT_EQ(SaveGame(nullptr, SampleState()), GameFileResult::kDone);
  QFile::resize(path, 1347);
  const TNextBalls none = NothingAnnounced();
  SavedGameState state;
  open_answer_ = path;
  EXPECT_EQ(LoadGame(nullptr, none, state), GameFileResult::kFailed);
  ASSERT_EQ(messages_.requests.size(), 1u);
  EXPECT_EQ(messages_.requests[0].text, "Can't load selected game.");
}

}  // namespace
}  // namespace orbello
