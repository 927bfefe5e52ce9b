// The Settings dialog driven like a player would, with the settings kept in a private hive.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <cstring>

#include "game/records/core/highscores.h"
#include "game/records/core/settings.h"
#include "game/records/core/settings_test_util.h"
#include "game/records/dialogs/dialog_test_support.h"
#include "game/records/dialogs/dialogs.h"
#include "platform/core/registry.h"
#include "platform/qt/kit/accessible_test_support.h"
#include "platform/qt/kit/dialog_look.h"
#include "platform/qt/sound.h"
#include "platform/qt/ui.h"

namespace orbello {
namespace {

using testing::PrivateConfig;
using testing::ScriptedMessages;
using testing::Settle;
using testing::WithModal;

template <typename T>
T* Control(QDialog* dialog, int id) {
  auto* widget = qobject_cast<T*>(kit::FindDialogControl(dialog, id));
  EXPECT_NE(widget, nullptr) << "control " << id;
  return widget;
}

void Click(QDialog* dialog, int id) {
  QWidget* w = kit::FindDialogControl(dialog, id);
  ASSERT_NE(w, nullptr) << "control " << id;
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

int FocusedId(QDialog* dialog) {
  QWidget* focused = dialog->focusWidget();
  if (focused == nullptr)
    return -1;
  return focused->property(kit::kDialogIdProperty).toInt();
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::CreateKey(platform::Hive::kCurrentUser, kSettingsKeyPath));
  }

  std::vector<std::string> StoredNames() {
    auto key = platform::RegistryKey::Open(platform::Hive::kCurrentUser, kSettingsKeyPath,
                                           platform::kRegQueryValue);
    return key ? key->ValueNames() : std::vector<std::string>{};
  }

  // What the hive holds now.
  static GameSettings Stored() {
    GameSettings stored;
    EXPECT_TRUE(ReadSettings(stored));
    return stored;
  }

  PrivateConfig config_;
  ScriptedMessages messages_;
};

TEST_F(SettingsDialogTest, UnchangedOkStoresEveryValueAndReadsBackEqual) {
  GameSettings settings = SampleSettings();
  int result = 0;
  WithModal([&] { result = ShowSettingsDialog(nullptr, settings); },
            [](QDialog* d) { Click(d, kIdSettingsOk); });
  EXPECT_EQ(result, kIdSettingsOk);
  EXPECT_TRUE(settings == SampleSettings());
  EXPECT_EQ(StoredNames().size(), 16u);
  EXPECT_TRUE(Stored() == SampleSettings());
  EXPECT_TRUE(messages_.requests.empty());
}

TEST_F(SettingsDialogTest, PathsPassByteForByteAndARefusedOkTakesAndStoresNothing) {
  // Names that are not UTF-8 (Latin-1 bytes) must come back from a plain Ok as they went in.
  GameSettings settings = SampleSettings();
  settings.SetPath(kSlotSkin, "/home/caf\xe9/skin.sf");
  settings.SetPath(kSlotNoPath, "/home/caf\xe9/sons/\xe0\xff.wav");
  const GameSettings original = settings;
  std::vector<GameSettings> checked;
  bool open_after_refusal = false;
  WithModal(
      [&] {
        ShowSettingsDialog(nullptr, settings, [&](const GameSettings& chosen) {
          checked.push_back(chosen);
          return checked.size() > 1;  // the first Ok is refused
        });
      },
      [&](QDialog* d) {
        Click(d, 1004);
        Click(d, kIdSettingsOk);
        open_after_refusal = d->isVisible();
        Click(d, kIdSettingsOk);
      });
  ASSERT_EQ(checked.size(), 2u);
  EXPECT_TRUE(open_after_refusal);
  EXPECT_EQ(checked[0].DefaultGame, 1);
  EXPECT_STREQ(checked[0].TitleSkin(), "/home/caf\xe9/skin.sf");
  EXPECT_EQ(messages_.requests.size(), 0u);
  GameSettings expected = original;
  expected.DefaultGame = 1;
  EXPECT_TRUE(settings == expected);
  EXPECT_TRUE(checked[1] == expected);
  EXPECT_EQ(StoredNames().size(), 16u) << "stored once, after the accepted Ok";
}

TEST_F(SettingsDialogTest, OutOfRangeValuesShowNothingAndStoreWhatTheControlsHold) {
  GameSettings settings = SampleSettings();
  settings.NextColors = 0;
  settings.DefaultGame = 7;
  settings.Delay_Jump = 150;
  settings.Delay_Move = -5;
  int slider_shown = -1;
  bool any_checked = true;
  WithModal([&] { ShowSettingsDialog(nullptr, settings); },
            [&](QDialog* d) {
              any_checked = false;
              for (int id = 1000; id <= 1006; ++id) {
                any_checked |= Control<QAbstractButton>(d, id)->isChecked();
              }
              slider_shown = Control<QAbstractSlider>(d, 1026)->value();
              Click(d, kIdSettingsOk);
            });
  EXPECT_FALSE(any_checked);
  EXPECT_EQ(slider_shown, 100);
  // What the controls held, and nothing else changed.
  GameSettings held = SampleSettings();
  held.NextColors = 0;
  held.DefaultGame = 0;
  held.Delay_Jump = 100;
  held.Delay_Move = 0;
  EXPECT_TRUE(settings == held);
  EXPECT_TRUE(Stored() == held);
}

TEST_F(SettingsDialogTest, EditedControlsReachSettingsAndHive) {
  GameSettings settings = SampleSettings();
  WithModal([&] { ShowSettingsDialog(nullptr, settings); },
            [&](QDialog* d) {
              Click(d, 1000);  // on the panel and board
              Click(d, 1006);  // Blocks
              Click(d, 1007);  // show path off
              Click(d, 1010);  // jump sound on
              Click(d, 1014);  // destroy sound off
              auto* slider = Control<QAbstractSlider>(d, 1029);
              slider->setFocus();
              QTest::keyClick(slider, Qt::Key_PageDown);  // one page: +10
              QTest::keyClick(slider, Qt::Key_Right);     // one line: +1
              Click(d, kIdSettingsOk);
            });
  EXPECT_EQ(settings.NextColors, 1);
  EXPECT_EQ(settings.DefaultGame, 3);
  EXPECT_EQ(settings.ShowWalk, 0);
  EXPECT_EQ(settings.CheckJump, 1);
  EXPECT_EQ(settings.CheckDestroy, 0);
  EXPECT_EQ(settings.Delay_Appearance, 61);
  EXPECT_TRUE(Stored() == settings);
}

TEST_F(SettingsDialogTest, CancelCloseBoxEscapeAndEnterChangeNothing) {
  GameSettings settings = SampleSettings();
  int result = 0;
  bool open_after_keys = false;
  WithModal([&] { result = ShowSettingsDialog(nullptr, settings); },
            [&](QDialog* d) {
              Click(d, 1001);
              QTest::keyClick(d, Qt::Key_Escape);
              QTest::keyClick(d, Qt::Key_Return);
              QTest::keyClick(d->focusWidget(), Qt::Key_Enter);
              Settle();
              open_after_keys = d->isVisible();
              Click(d, kIdSettingsCancel);
            });
  EXPECT_TRUE(open_after_keys);
  EXPECT_EQ(result, kIdSettingsCancel);
  EXPECT_TRUE(settings == SampleSettings());
  EXPECT_TRUE(StoredNames().empty());

  WithModal([&] { result = ShowSettingsDialog(nullptr, settings); },
            [&](QDialog* d) {
              Click(d, 1002);
              d->close();  // the close box
            });
  EXPECT_EQ(result, kIdDialogClosed);
  EXPECT_TRUE(settings == SampleSettings());
  EXPECT_TRUE(StoredNames().empty());
}

TEST_F(SettingsDialogTest, TabCycleRunsBothWaysInItsFixedOrder) {
  const std::vector<int> forward = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1037,
                                    1008, 1007, 1010, 1011, 1012, 1013, 1014, 1015,
                                    1016, 1017, 1018, 1019, 1020, 1021, 1022, 1023,
                                    1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031};
  GameSettings settings = SampleSettings();
  std::vector<int> seen_forward, seen_backward;
  int first = 0, after_skip = 0;
  std::vector<int> arrows_kept, slider_steps, radio_steps;
  bool radio_checked = false;
  WithModal([&] { ShowSettingsDialog(nullptr, settings); },
            [&](QDialog* d) {
              d->activateWindow();
              Settle();
              first = FocusedId(d);
              for (size_t i = 0; i < forward.size(); ++i) {
                QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
                seen_forward.push_back(FocusedId(d));
              }
              for (size_t i = 0; i < forward.size(); ++i) {
                QTest::keyClick(d->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
                seen_backward.push_back(FocusedId(d));
              }
              // A disabled ">" is passed over.
              kit::FindDialogControl(d, 1016)->setEnabled(false);
              kit::FindDialogControl(d, 1015)->setFocus();
              QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
              after_skip = FocusedId(d);
              // Arrow keys run round a radio group and check the button they reach.
              kit::FindDialogControl(d, 1003)->setFocus();
              QTest::keyClick(d->focusWidget(), Qt::Key_Right);
              radio_steps.push_back(FocusedId(d));
              QTest::keyClick(d->focusWidget(), Qt::Key_Up);
              radio_steps.push_back(FocusedId(d));
              kit::FindDialogControl(d, 1004)->setFocus();
              QTest::keyClick(d->focusWidget(), Qt::Key_Left);
              radio_steps.push_back(FocusedId(d));
              QTest::keyClick(d->focusWidget(), Qt::Key_Down);
              radio_steps.push_back(FocusedId(d));
              radio_checked = Control<QAbstractButton>(d, 1004)->isChecked() &&
                              Control<QAbstractButton>(d, 1003)->isChecked();
              // Arrow keys on a push button or a sound's check box move nothing.
              for (int id : {kIdSettingsOk, 1010}) {
                kit::FindDialogControl(d, id)->setFocus();
                QTest::keyClick(d->focusWidget(), Qt::Key_Right);
                QTest::keyClick(d->focusWidget(), Qt::Key_Down);
                arrows_kept.push_back(FocusedId(d));
              }
              // The sliders step as the system's trackbar does: Up and Page Up toward 0.
              auto* slider = qobject_cast<QAbstractSlider*>(kit::FindDialogControl(d, 1026));
              slider->setFocus();
              QTest::keyClick(slider, Qt::Key_Up);
              slider_steps.push_back(slider->value());
              QTest::keyClick(slider, Qt::Key_PageDown);
              slider_steps.push_back(slider->value());
              QTest::keyClick(slider, Qt::Key_PageUp);
              QTest::keyClick(slider, Qt::Key_Right);
              slider_steps.push_back(slider->value());
              Click(d, kIdSettingsCancel);
            });
  EXPECT_EQ(radio_steps, (std::vector<int>{1000, 1003, 1006, 1004}));
  EXPECT_TRUE(radio_checked);
  EXPECT_EQ(arrows_kept, (std::vector<int>{kIdSettingsOk, 1010}));
  EXPECT_EQ(slider_steps, (std::vector<int>{29, 39, 30}));
  EXPECT_EQ(first, kIdSettingsCancel);
  EXPECT_EQ(seen_forward, forward);
  std::vector<int> backward(forward.rbegin() + 1, forward.rend());
  backward.push_back(1031);
  EXPECT_EQ(seen_backward, backward);
  EXPECT_EQ(after_skip, 1017);
}

TEST_F(SettingsDialogTest, ChoosersFillTheFieldsAndCancelKeepsThem) {
  std::vector<platform::FileDialogRequest> requests;
  std::optional<QString> answer;
  auto previous =
      platform::SetOpenFileFunction([&](QWidget*, const platform::FileDialogRequest& request) {
        requests.push_back(request);
        return answer;
      });
  GameSettings settings = SampleSettings();
  settings.SetPath(kSlotMove, "");
  bool play_enabled_at_open = false;
  WithModal([&] { ShowSettingsDialog(nullptr, settings); },
            [&](QDialog* d) {
              play_enabled_at_open = kit::FindDialogControl(d, 1020)->isEnabled();  // empty path
              answer = QString("/home/p/skins/Night.sf");
              Click(d, 1008);
              answer = QString("/home/p/sounds/boom.wav");
              Click(d, 1017);
              answer.reset();  // cancelled: the field keeps its text
              Click(d, 1021);
              answer = "/" + QString(300, 'x') + ".wav";  // too long for the setting
              Click(d, 1025);
              Click(d, kIdSettingsOk);
            });
  platform::SetOpenFileFunction(previous);
  EXPECT_TRUE(play_enabled_at_open);
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[0].title, "Choose of the skin");
  ASSERT_EQ(requests[0].filters.size(), 1u);
  EXPECT_EQ(requests[0].filters[0].name, "Orbello skin files: (*.sf)");
  EXPECT_EQ(requests[0].filters[0].pattern, "*.sf");
  EXPECT_TRUE(requests[0].initial_folder.endsWith("/skin"));
  EXPECT_TRUE(requests[0].file_must_exist);
  EXPECT_EQ(requests[1].title, "Choose file");
  EXPECT_EQ(requests[1].filters[0].name, "Sounds: (*.wav)");
  EXPECT_EQ(requests[1].filters[0].pattern, "*.wav");
  EXPECT_TRUE(requests[1].initial_folder.endsWith("/sound"));
  EXPECT_STREQ(settings.TitleSkin(), "/home/p/skins/Night.sf");
  EXPECT_STREQ(settings.Sound_Destroy(), "/home/p/sounds/boom.wav");
  EXPECT_STREQ(settings.Sound_Move(), "");
  EXPECT_STREQ(settings.Sound_NoPath(), SampleSettings().Sound_NoPath());
}

TEST_F(SettingsDialogTest, PathFieldsScrollButNeverTakeTypingOrSelection) {
  GameSettings settings = SampleSettings();
  const std::string long_path =
      "/very/long/folder/name/that/does/not/fit/into/the/field/at/all/"
      "and/goes/on/and/on/skin.sf";
  settings.SetPath(kSlotSkin, long_path);
  int first_after_end = -1, first_after_home = -1, first_after_shift_end = -1;
  int caret_after_up = -1, caret_after_down = -1;
  QString text_after_typing;
  WithModal([&] { ShowSettingsDialog(nullptr, settings); },
            [&](QDialog* d) {
              auto* field = static_cast<kit::TextField*>(kit::FindDialogControl(d, 1037));
              field->setFocus();
              QTest::keyClick(field, Qt::Key_End, Qt::ShiftModifier);
              first_after_shift_end = field->FirstVisible();
              QTest::keyClick(field, Qt::Key_End);
              first_after_end = field->FirstVisible();
              // One line: Up and Down move the caret as Left and Right do.
              QTest::keyClick(field, Qt::Key_Up);
              QTest::keyClick(field, Qt::Key_Up);
              caret_after_up = field->CaretPosition();
              QTest::keyClick(field, Qt::Key_Down);
              caret_after_down = field->CaretPosition();
              QTest::keyClicks(field, "abc");
              QTest::keyClick(field, Qt::Key_Backspace);
              QTest::keyClick(field, Qt::Key_Home);
              QTest::keyClick(field, Qt::Key_Delete);
              first_after_home = field->FirstVisible();
              text_after_typing = field->Text();
              Click(d, kIdSettingsCancel);
            });
  EXPECT_EQ(first_after_shift_end, 0);
  EXPECT_GT(first_after_end, 0);
  EXPECT_EQ(first_after_home, 0);
  EXPECT_EQ(caret_after_up, static_cast<int>(long_path.size()) - 2);
  EXPECT_EQ(caret_after_down, static_cast<int>(long_path.size()) - 1);
  EXPECT_EQ(text_after_typing.toStdString(), long_path);
}

TEST_F(SettingsDialogTest, ScreenReaderHearsEveryControlByNameFieldsByLabelSlidersByValue) {
  GameSettings settings = SampleSettings();
  QString skin_field, skin_label, jump_field, jump_label, play, choose;
  QString slider_name;
  QVariant slider_value;
  bool field_read_only = false;
  QAccessible::Role field_role = QAccessible::NoRole;
  WithModal([&] { ShowSettingsDialog(nullptr, settings); },
            [&](QDialog* d) {
              using namespace kit::testing;
              EXPECT_TRUE(ReadAsDialog(d, "Orbello - Settings"));
              QWidget* skin = kit::FindDialogControl(d, 1037);
              skin_field = ReadName(skin);
              skin_label = LabelName(skin);
              field_role = ReadRole(skin);
              field_read_only = QAccessible::queryAccessibleInterface(skin)->state().readOnly;
              jump_field = ReadName(kit::FindDialogControl(d, 1011));
              jump_label = LabelName(kit::FindDialogControl(d, 1011));
              play = ReadName(kit::FindDialogControl(d, 1012));
              choose = ReadName(kit::FindDialogControl(d, 1008));
              QAccessibleInterface* slider =
                  QAccessible::queryAccessibleInterface(kit::FindDialogControl(d, 1028));
              slider_name = slider->text(QAccessible::Name);
              if (QAccessibleValueInterface* value = slider->valueInterface())
                slider_value = value->currentValue();
              Click(d, kIdSettingsCancel);
            });
  EXPECT_EQ(field_role, QAccessible::EditableText);
  EXPECT_TRUE(field_read_only);
  EXPECT_EQ(skin_field, "Skin file");
  EXPECT_EQ(skin_label, "Skin");
  EXPECT_EQ(jump_field, "Jump sound file");
  EXPECT_EQ(jump_label, "Selected ball");
  EXPECT_EQ(play, "Play jump sound");
  EXPECT_EQ(choose, "Choose skin file");
  EXPECT_EQ(slider_name, "Move");
  EXPECT_EQ(slider_value, QVariant(40));
}

// Control+Tab (with Shift: backward) moves the focus as Tab does, whatever control holds it.
TEST_F(SettingsDialogTest, TabHeldWithControlMovesAsTabInTheSettingsAndTheBestResults) {
  GameSettings settings = SampleSettings();
  std::vector<int> reached;
  WithModal([&] { ShowSettingsDialog(nullptr, settings); },
            [&](QDialog* d) {
              d->activateWindow();
              Settle();
              const std::vector<std::pair<int, bool>> from = {{kIdSettingsCancel, false},
                                                              {1000, true},
                                                              {1037, false},
                                                              {1011, true},
                                                              {1007, false},
                                                              {1026, false}};
              for (const auto& [id, backward] : from) {
                kit::FindDialogControl(d, id)->setFocus();
                QTest::keyClick(
                    d->focusWidget(), Qt::Key_Tab,
                    backward ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
                reached.push_back(FocusedId(d));
              }
              Click(d, kIdSettingsCancel);
            });
  EXPECT_EQ(reached, (std::vector<int>{1000, kIdSettingsCancel, 1008, 1010, 1010, 1027}));

  const QString table = config_.Path() + "/cvobhs.dat";
  QFile file(table);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(QByteArray(kHighScoreFileSize, '\0')), kHighScoreFileSize);
  file.close();
  HighScores scores(table.toStdString());
  std::vector<int> best;
  WithModal([&] { ShowBestResults(nullptr, nullptr, scores, kLines, true, 10); },
            [&](QDialog* d) {
              d->activateWindow();
              Settle();
              QTest::keyClick(d->focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
              best.push_back(FocusedId(d));
              QTest::keyClick(d->focusWidget(), Qt::Key_Backtab,
                              Qt::ControlModifier | Qt::ShiftModifier);
              best.push_back(FocusedId(d));
              d->done(0);
            });
  EXPECT_EQ(best, (std::vector<int>{kIdBestResultsOk, 1039}));
}

TEST_F(SettingsDialogTest, FailedStoreStillClosesWithOkAndKeepsNewValues) {
  ASSERT_TRUE(platform::DeleteKeyTree(platform::Hive::kCurrentUser, kSettingsKeyPath));
  GameSettings settings = SampleSettings();
  int result = 0;
  WithModal([&] { result = ShowSettingsDialog(nullptr, settings); },
            [&](QDialog* d) {
              Click(d, 1004);
              Click(d, kIdSettingsOk);
            });
  EXPECT_EQ(result, kIdSettingsOk);
  EXPECT_EQ(settings.DefaultGame, 1);
  ASSERT_EQ(messages_.requests.size(), 1u);
  EXPECT_EQ(messages_.requests[0].text, "Can't open registry key.");
}

// A second of 8-bit mono silence as a WAVE file.
void WriteWave(const QString& path) {
  const quint32 rate = 11025, samples = rate;
  QByteArray data;
  auto u32 = [&data](quint32 v) {
    for (int i = 0; i < 4; ++i)
      data.append(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto u16 = [&data](quint16 v) {
    data.append(static_cast<char>(v & 0xFF));
    data.append(static_cast<char>(v >> 8));
  };
  data.append("RIFF");
  u32(36 + samples);
  data.append("WAVEfmt ");
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate);
  u16(1);
  u16(8);
  data.append("data");
  u32(samples);
  data.append(QByteArray(static_cast<int>(samples), static_cast<char>(128)));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(data);
}

TEST_F(SettingsDialogTest, PlayButtonSoundsAndClosingStopsIt) {
  const QString wave = config_.Path() + "/tick.wav";
  WriteWave(wave);
  GameSettings settings = SampleSettings();
  settings.SetPath(kSlotDestroy, wave.toStdString());
  bool playing_after_click = false;
  WithModal([&] { ShowSettingsDialog(nullptr, settings); },
            [&](QDialog* d) {
              Click(d, 1016);
              playing_after_click = platform::IsSoundPlaying();
              Click(d, kIdSettingsCancel);
            });
  if (platform::SoundDriverName().empty())
    GTEST_SKIP() << "no audio driver, not even dummy";
  EXPECT_TRUE(playing_after_click);
  EXPECT_FALSE(platform::IsSoundPlaying());
}

TEST(SettingsChangesTest, SkinComparedByItsBytesOtherValuesExactly) {
  GameSettings before = SampleSettings();
  GameSettings after = before;
  SettingsChanges changes = CompareSettings(before, after);
  EXPECT_FALSE(changes.skin || changes.delay_jump || changes.default_game || changes.next_colors);
  // Another letter case names another file, which must be loaded (and checked) like any other.
  after.SetPath(kSlotSkin, "/OPT/Orbello/SKIN/Classic.SF");
  EXPECT_TRUE(CompareSettings(before, after).skin);
  EXPECT_FALSE(SameSkinPath("/opt/skin/classic.sf", "/opt/skin/Classic.sf"));
  before.SetPath(kSlotSkin, "/home/caf\xe9/skin.sf");
  after.SetPath(kSlotSkin, "/home/caf\xe9/skin.sf");
  EXPECT_FALSE(CompareSettings(before, after).skin);
  after.SetPath(kSlotSkin, "/home/caf\xe8/skin.sf");
  EXPECT_TRUE(CompareSettings(before, after).skin);

  before = SampleSettings();
  after.SetPath(kSlotSkin, "/opt/orbello/skin/classic2.sf");
  after.Delay_Jump = before.Delay_Jump + 1;
  after.NextColors = 4;
  after.Delay_Move = 99;  // read by the engine when it needs it: no change to apply
  changes = CompareSettings(before, after);
  EXPECT_TRUE(changes.skin);
  EXPECT_TRUE(changes.delay_jump);
  EXPECT_TRUE(changes.next_colors);
  EXPECT_FALSE(changes.default_game);
}

}  // namespace
}  // namespace orbello
