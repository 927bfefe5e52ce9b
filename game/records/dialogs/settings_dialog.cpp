// "Orbello - Settings": every value of GameSettings, stored on Ok.
#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>
#include <array>

#include "game/records/core/settings.h"
#include "game/records/core/settings_schema.h"
#include "game/records/dialogs/dialogs.h"
#include "platform/core/paths.h"
#include "platform/qt/kit/accessible.h"
#include "platform/qt/kit/dialog_look.h"
#include "platform/qt/kit/kit.h"
#include "platform/qt/local_path.h"
#include "platform/qt/sound.h"
#include "platform/qt/ui.h"

namespace orbello {

namespace {

constexpr int kPathTextLimit = 254;
constexpr int kFieldWidth = 237;
constexpr int kFieldHeight = 21;

// One sound's row: check box, path field, ">" and "..." buttons, and where its values live.
struct SoundRow {
  int check_id, field_id, play_id, choose_id;
  int check_y;    // dialog units
  int buttons_y;  // dialog units
  int field_y;    // pixels
  const char* caption;
  // What a screen reader calls the field and the two buttons.
  const char* field_name;
  const char* play_name;
  const char* choose_name;
  int32_t GameSettings::*flag;
  int slot;
};

const std::array<SoundRow, 4> kSoundRows = {{
    {1010, 1011, 1012, 1013, 120, 133, 218, QT_TRANSLATE_NOOP("Settings", "Selected ball"),
     QT_TRANSLATE_NOOP("Settings", "Jump sound file"),
     QT_TRANSLATE_NOOP("Settings", "Play jump sound"),
     QT_TRANSLATE_NOOP("Settings", "Choose jump sound file"), &GameSettings::CheckJump, kSlotJump},
    {1014, 1015, 1016, 1017, 160, 173, 283, QT_TRANSLATE_NOOP("Settings", "Destroyed ball"),
     QT_TRANSLATE_NOOP("Settings", "Destroy sound file"),
     QT_TRANSLATE_NOOP("Settings", "Play destroy sound"),
     QT_TRANSLATE_NOOP("Settings", "Choose destroy sound file"), &GameSettings::CheckDestroy,
     kSlotDestroy},
    {1018, 1019, 1020, 1021, 200, 213, 348, QT_TRANSLATE_NOOP("Settings", "Moving ball"),
     QT_TRANSLATE_NOOP("Settings", "Move sound file"),
     QT_TRANSLATE_NOOP("Settings", "Play move sound"),
     QT_TRANSLATE_NOOP("Settings", "Choose move sound file"), &GameSettings::CheckMove, kSlotMove},
    {1022, 1023, 1024, 1025, 240, 253, 413,
     QT_TRANSLATE_NOOP("Settings", "Impossibility of the move"),
     QT_TRANSLATE_NOOP("Settings", "No path sound file"),
     QT_TRANSLATE_NOOP("Settings", "Play no path sound"),
     QT_TRANSLATE_NOOP("Settings", "Choose no path sound file"), &GameSettings::CheckNoPath,
     kSlotNoPath},
}};

struct SliderRow {
  int id;
  int y;  // dialog units
  const char* label;
  int32_t GameSettings::*delay;
};

const std::array<SliderRow, 4> kSliderRows = {{
    {1026, 133, QT_TRANSLATE_NOOP("Settings", "Jump"), &GameSettings::Delay_Jump},
    {1027, 173, QT_TRANSLATE_NOOP("Settings", "Destroy"), &GameSettings::Delay_Destroy},
    {1028, 213, QT_TRANSLATE_NOOP("Settings", "Move"), &GameSettings::Delay_Move},
    {1029, 253, QT_TRANSLATE_NOOP("Settings", "Appearance"), &GameSettings::Delay_Appearance},
}};

struct RadioSpec {
  int id, x, y, width;
  const char* caption;
};

const std::array<RadioSpec, 4> kNextColorRadios = {{
    {1000, 12, 12, 95, QT_TRANSLATE_NOOP("Settings", "On the panel and board")},
    {1001, 112, 12, 60, QT_TRANSLATE_NOOP("Settings", "On the panel")},
    {1002, 187, 12, 60, QT_TRANSLATE_NOOP("Settings", "On the board")},
    {1003, 262, 12, 70, QT_TRANSLATE_NOOP("Settings", "Not show colors")},
}};

const std::array<RadioSpec, 3> kDefaultGameRadios = {{
    {1004, 12, 47, 50, QT_TRANSLATE_NOOP("Settings", "Lines")},
    {1005, 135, 47, 50, QT_TRANSLATE_NOOP("Settings", "Squares")},
    {1006, 262, 47, 50, QT_TRANSLATE_NOOP("Settings", "Blocks")},
}};

// A radio button per value offered, the first for 1.
constexpr bool OneRadioPerValue(int32_t GameSettings::*field, size_t radios) {
  const SettingRange offered = SettingOf(field).offered;
  return offered.low == 1 && offered.high == static_cast<int32_t>(radios);
}
static_assert(OneRadioPerValue(&GameSettings::NextColors, kNextColorRadios.size()));
static_assert(OneRadioPerValue(&GameSettings::DefaultGame, kDefaultGameRadios.size()));

// What a path field shows of a path's bytes. The setting keeps the bytes themselves, since a
// name that is not in the system's encoding would not survive the way back from the text.
QString ShownPath(const std::string& bytes) {
  return QFile::decodeName(bytes.c_str());
}

QString Tr(const char* text) {
  return QCoreApplication::translate("Settings", text);
}

// A check box or radio button at its dialog-unit rectangle, widened where its text needs more
// room than the units give (the dialog font is wider than the original one).
template <typename Button>
Button* MakeChoice(kit::LookDialog* dialog, int id, const QString& caption, QRect rect) {
  auto* button = new Button(caption, dialog);
  kit::SetDialogId(button, id);
  button->setFont(kit::GuiFont());
  button->setFocusPolicy(Qt::StrongFocus);
  rect.setWidth(std::max(rect.width(), button->sizeHint().width()));
  button->setGeometry(rect);
  return button;
}

// A radio button of a group: the arrow keys move to the next (Right, Down) or previous (Left, Up)
// button of its group, round from the last to the first and back, and check it, as the system's
// dialogs do.
class GroupRadioButton : public QRadioButton {
 public:
  GroupRadioButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {}
  void SetGroup(std::vector<GroupRadioButton*> group) { group_ = std::move(group); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!kit::IsArrowKey(event->key())) {
      QRadioButton::keyPressEvent(event);
      return;
    }
    event->accept();
    const auto self = std::find(group_.begin(), group_.end(), this);
    if (self == group_.end())
      return;
    const bool forward = event->key() == Qt::Key_Right || event->key() == Qt::Key_Down;
    const int count = static_cast<int>(group_.size());
    int index = static_cast<int>(self - group_.begin());
    for (int step = 1; step < count; ++step) {
      index = (index + (forward ? 1 : count - 1)) % count;
      GroupRadioButton* next = group_[static_cast<size_t>(index)];
      if (next->isEnabled() && next->isVisible()) {
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        if (!next->isChecked())
          next->click();
        return;
      }
    }
  }

 private:
  std::vector<GroupRadioButton*> group_;
};

// A sound's check box keeps the arrow keys to itself: they don't move the focus.
class SoundCheckBox : public QCheckBox {
 public:
  SoundCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (kit::IsArrowKey(event->key())) {
      event->accept();
      return;
    }
    QCheckBox::keyPressEvent(event);
  }
};

class SettingsDialog : public kit::LookDialog {
 public:
  SettingsDialog(QWidget* owner, GameSettings& settings, SettingsCheck check)
      : kit::LookDialog(owner, QSize(kit::DialogUnitsX(342), kit::DialogUnitsY(311)),
                        QCoreApplication::translate("Settings", "Orbello - Settings")),
        settings_(settings),
        check_(std::move(check)) {}

  // Builds, fills and centres the dialog; false when it cannot open.
  bool Open() {
    platform::StopSound();
    if (!LoadBackground(QString::fromLatin1(kDialogBackResource)))
      return false;
    Build();
    Fill();
    cancel_->setFocus(Qt::OtherFocusReason);
    return true;
  }

 protected:
  void PaintDecorations(QPainter& painter) override {
    kit::DrawEtchedEdge(painter, QRect(8, 13, 498, 44));
    kit::DrawEtchedEdge(painter, QRect(8, 69, 498, 44));
    kit::DrawEtchedEdge(painter, QRect(8, 126, 498, 44));
    kit::DrawEtchedEdge(painter, QRect(8, 183, 317, 279));
    kit::DrawEtchedEdge(painter, QRect(335, 183, 171, 279));
  }

  void showEvent(QShowEvent* event) override {
    kit::LookDialog::showEvent(event);
    kit::CentreOnMonitor(this);
  }

  void done(int result) override {
    platform::StopSound();
    kit::LookDialog::done(result);
  }

 private:
  // The controls in the order of the Tab cycle.
  void Build() {
    std::vector<QWidget*> cycle;
    BuildGroups(cycle);
    BuildSoundRows(cycle);
    BuildSliders(cycle);
    BuildButtons(cycle);
    SetFocusCycle(std::move(cycle));
  }

  // The framed groups: the two radio groups, the skin and the path switch.
  // One radio button per value, the group's id of each being its value (1 up).
  template <size_t N>
  QButtonGroup* BuildRadios(const std::array<RadioSpec, N>& specs,
                            std::array<GroupRadioButton*, N>& buttons) {
    auto* group = new QButtonGroup(this);
    for (size_t i = 0; i < N; ++i) {
      const RadioSpec& r = specs[i];
      buttons[i] = MakeChoice<GroupRadioButton>(this, r.id, Tr(r.caption),
                                                kit::DialogUnitRect(r.x, r.y, r.width, 17));
      group->addButton(buttons[i], static_cast<int>(i) + 1);
    }
    for (GroupRadioButton* button : buttons)
      button->SetGroup({buttons.begin(), buttons.end()});
    return group;
  }

  void BuildGroups(std::vector<QWidget*>& cycle) {
    new kit::GroupLabel(QCoreApplication::translate("Settings", " Next Colors "), this, 1032,
                        kit::DialogUnitRect(10, 4, 60, 8));
    new kit::GroupLabel(QCoreApplication::translate("Settings", " Default Game "), this, 1033,
                        kit::DialogUnitRect(10, 38, 60, 8));
    auto* skin_label = new kit::GroupLabel(QCoreApplication::translate("Settings", " Skin "), this,
                                           1034, kit::DialogUnitRect(10, 73, 65, 8));
    new kit::GroupLabel(QCoreApplication::translate("Settings", " Sounds "), this, 1035,
                        kit::DialogUnitRect(10, 108, 60, 8));
    new kit::GroupLabel(QCoreApplication::translate("Settings", " Delay at time "), this, 1036,
                        kit::DialogUnitRect(228, 108, 60, 8));

    next_colors_group_ = BuildRadios(kNextColorRadios, next_colors_);
    default_game_group_ = BuildRadios(kDefaultGameRadios, default_game_);

    skin_field_ = MakeField(1037, 138);
    // The fields and the small buttons show no words of their own: a reader hears what they
    // hold and what they do.
    skin_field_->setAccessibleName(QCoreApplication::translate("Settings", "Skin file"));
    kit::SetLabelledBy(skin_field_, skin_label);
    auto* choose_skin =
        new kit::DialogButton("...", this, 1008, kit::DialogUnitRect(173, 84, 17, 15));
    choose_skin->setAccessibleName(QCoreApplication::translate("Settings", "Choose skin file"));
    connect(choose_skin, &QPushButton::clicked, this, [this] {
      if (auto path = ChooseSettingsFile(this, SettingsFileKind::kSkin)) {
        paths_[kSlotSkin] = *path;
        skin_field_->SetText(ShownPath(*path));
      }
    });
    show_walk_ =
        MakeChoice<QCheckBox>(this, 1007, QCoreApplication::translate("Settings", "Show path"),
                              kit::DialogUnitRect(262, 87, 60, 11));

    cycle.insert(cycle.end(), next_colors_.begin(), next_colors_.end());
    cycle.insert(cycle.end(), default_game_.begin(), default_game_.end());
    cycle.insert(cycle.end(), {skin_field_, choose_skin, show_walk_});
  }

  // Per sound: its switch, its file, a button to play it and one to choose it.
  void BuildSoundRows(std::vector<QWidget*>& cycle) {
    for (size_t i = 0; i < kSoundRows.size(); ++i) {
      const SoundRow& row = kSoundRows[i];
      sound_checks_[i] = MakeChoice<SoundCheckBox>(this, row.check_id, Tr(row.caption),
                                                   kit::DialogUnitRect(12, row.check_y, 95, 10));
      sound_fields_[i] = MakeField(row.field_id, row.field_y);
      auto* play = new kit::DialogButton(">", this, row.play_id,
                                         kit::DialogUnitRect(173, row.buttons_y, 17, 15));
      play->setEnabled(false);
      play_buttons_[i] = play;
      kit::TextField* field = sound_fields_[i];
      const int slot = row.slot;
      connect(play, &QPushButton::clicked, this,
              [this, slot] { platform::PlaySoundFile(paths_[static_cast<size_t>(slot)]); });
      auto* choose = new kit::DialogButton("...", this, row.choose_id,
                                           kit::DialogUnitRect(192, row.buttons_y, 17, 15));
      field->setAccessibleName(Tr(row.field_name));
      kit::SetLabelledBy(field, sound_checks_[i]);
      play->setAccessibleName(Tr(row.play_name));
      choose->setAccessibleName(Tr(row.choose_name));
      connect(choose, &QPushButton::clicked, this, [this, field, play, slot] {
        if (auto path = ChooseSettingsFile(this, SettingsFileKind::kSound)) {
          paths_[static_cast<size_t>(slot)] = *path;
          field->SetText(ShownPath(*path));
          play->setEnabled(true);
        }
      });
      cycle.insert(cycle.end(), {sound_checks_[i], field, play, choose});
    }
  }

  void BuildSliders(std::vector<QWidget*>& cycle) {
    for (size_t i = 0; i < kSliderRows.size(); ++i) {
      const SliderRow& row = kSliderRows[i];
      const QRect slider_rect = kit::DialogUnitRect(230, row.y, 92, 15);
      sliders_[i] = new kit::DialogSlider(this, row.id, slider_rect);
      const SettingRange offered = SettingOf(row.delay).offered;
      sliders_[i]->setRange(offered.low, offered.high);
      kit::SetLabelledBy(sliders_[i], AddText(Tr(row.label), 233, row.y - 10));
      const int scale_y = row.y + 16;
      AddText("0", 234, scale_y);
      AddText("50", 272, scale_y);
      AddText("100", 308, scale_y);
      AddText("%", 324, scale_y);
      cycle.push_back(sliders_[i]);
    }
  }

  void BuildButtons(std::vector<QWidget*>& cycle) {
    auto* ok = new kit::DialogButton(QCoreApplication::translate("Settings", "Ok"), this,
                                     kIdSettingsOk, kit::DialogUnitRect(233, 291, 50, 15));
    connect(ok, &QPushButton::clicked, this, [this] { AcceptValues(); });
    cancel_ = new kit::DialogButton(QCoreApplication::translate("Settings", "Cancel"), this,
                                    kIdSettingsCancel, kit::DialogUnitRect(285, 291, 50, 15));
    connect(cancel_, &QPushButton::clicked, this, [this] { CloseWith(kIdSettingsCancel); });
    cycle.push_back(ok);
    cycle.push_back(cancel_);
  }

  kit::TextField* MakeField(int id, int y) {
    auto* field = kit::NewDialogField(this, id, QRect(18, y, kFieldWidth, kFieldHeight));
    field->SetMaxLength(kPathTextLimit);
    return field;
  }

  kit::DialogText* AddText(const QString& text, int x_units, int y_units) {
    const int width = QFontMetrics(kit::GuiFont()).horizontalAdvance(text) + 2;
    return new kit::DialogText(
        text, this,
        QRect(kit::DialogUnitsX(x_units), kit::DialogUnitsY(y_units), width, kit::DialogUnitsY(8)));
  }

  void Fill() {
    // A value the dialog does not offer checks no button.
    if (SettingOf(&GameSettings::NextColors).offered.Holds(settings_.NextColors)) {
      next_colors_[static_cast<size_t>(settings_.NextColors - 1)]->setChecked(true);
    }
    if (SettingOf(&GameSettings::DefaultGame).offered.Holds(settings_.DefaultGame)) {
      default_game_[static_cast<size_t>(settings_.DefaultGame - 1)]->setChecked(true);
    }
    show_walk_->setChecked(settings_.ShowWalk != 0);
    for (size_t i = 0; i < kSoundRows.size(); ++i) {
      sound_checks_[i]->setChecked(settings_.*(kSoundRows[i].flag) != 0);
    }
    for (size_t slot = 0; slot < paths_.size(); ++slot)
      paths_[slot] = settings_.Paths[slot];
    skin_field_->SetText(ShownPath(paths_[kSlotSkin]));
    for (size_t i = 0; i < kSoundRows.size(); ++i) {
      sound_fields_[i]->SetText(ShownPath(paths_[static_cast<size_t>(kSoundRows[i].slot)]));
      play_buttons_[i]->setEnabled(true);
    }
    for (size_t i = 0; i < kSliderRows.size(); ++i) {
      sliders_[i]->setValue(settings_.*(kSliderRows[i].delay));  // clamped to 0..100
    }
  }

  void AcceptValues() {
    GameSettings chosen;
    // The first checked button of each group decides; a group with none leaves 0.
    for (size_t i = 0; i < next_colors_.size(); ++i) {
      if (next_colors_[i]->isChecked()) {
        chosen.NextColors = static_cast<int32_t>(i) + 1;
        break;
      }
    }
    for (size_t i = 0; i < default_game_.size(); ++i) {
      if (default_game_[i]->isChecked()) {
        chosen.DefaultGame = static_cast<int32_t>(i) + 1;
        break;
      }
    }
    chosen.ShowWalk = show_walk_->isChecked() ? 1 : 0;
    for (size_t i = 0; i < kSoundRows.size(); ++i) {
      chosen.*(kSoundRows[i].flag) = sound_checks_[i]->isChecked() ? 1 : 0;
    }
    for (size_t slot = 0; slot < paths_.size(); ++slot)
      chosen.SetPath(static_cast<int>(slot), paths_[slot]);
    for (size_t i = 0; i < kSliderRows.size(); ++i) {
      chosen.*(kSliderRows[i].delay) = sliders_[i]->value();
    }
    // What the owner refuses (a skin it cannot load) is neither stored nor taken; the dialog
    // stays open with the player's choices, to choose again or cancel.
    if (check_ && !check_(chosen))
      return;
    settings_ = chosen;
    StoreSettings(settings_, this);  // reports its own failure; Ok stands either way
    CloseWith(kIdSettingsOk);
  }

  GameSettings& settings_;
  SettingsCheck check_;
  // The five paths as bytes, by slot; the fields show them.
  std::array<std::string, kPathSlotCount> paths_;
  QButtonGroup* next_colors_group_ = nullptr;
  QButtonGroup* default_game_group_ = nullptr;
  std::array<GroupRadioButton*, 4> next_colors_{};
  std::array<GroupRadioButton*, 3> default_game_{};
  kit::TextField* skin_field_ = nullptr;
  QCheckBox* show_walk_ = nullptr;
  std::array<QCheckBox*, 4> sound_checks_{};
  std::array<kit::TextField*, 4> sound_fields_{};
  std::array<kit::DialogButton*, 4> play_buttons_{};
  std::array<kit::DialogSlider*, 4> sliders_{};
  kit::DialogButton* cancel_ = nullptr;
};

}  // namespace

int ShowSettingsDialog(QWidget* owner, GameSettings& settings, SettingsCheck check) {
  SettingsDialog dialog(owner, settings, std::move(check));
  if (!dialog.Open())
    return kIdDialogFailed;
  return dialog.exec();
}

bool SameSkinPath(const std::string& a, const std::string& b) {
  // File names are case-sensitive here: "Classic.sf" beside "classic.sf" is another file, and
  // one that has not been loaded yet.
  return a == b;
}

SettingsChanges CompareSettings(const GameSettings& before, const GameSettings& after) {
  SettingsChanges changes;
  changes.delay_jump = before.Delay_Jump != after.Delay_Jump;
  changes.default_game = before.DefaultGame != after.DefaultGame;
  changes.skin = !SameSkinPath(before.Paths[kSlotSkin], after.Paths[kSlotSkin]);
  changes.next_colors = before.NextColors != after.NextColors;
  return changes;
}

std::optional<std::string> ChooseSettingsFile(QWidget* owner, SettingsFileKind kind) {
  platform::FileDialogRequest request;
  // Lossless both ways: the installation folder's name need not be text.
  const std::string folder = platform::ProgramFolder();
  if (kind == SettingsFileKind::kSkin) {
    request.title = QCoreApplication::translate("Settings", "Choose of the skin");
    request.filters = {
        {QCoreApplication::translate("Settings", "Orbello skin files: (*.sf)"), "*.sf"}};
    request.initial_folder = platform::DecodeLocalPath(folder + "/skin");
  } else {
    request.title = QCoreApplication::translate("Settings", "Choose file");
    request.filters = {{QCoreApplication::translate("Settings", "Sounds: (*.wav)"), "*.wav"}};
    request.initial_folder = platform::DecodeLocalPath(folder + "/sound");
  }
  request.file_must_exist = true;
  const std::optional<QString> chosen = platform::ShowOpenFileDialog(owner, request);
  if (!chosen || chosen->isEmpty())
    return std::nullopt;
  std::string path = platform::EncodeLocalPath(*chosen);
  // The chooser's buffer holds 260 characters: a longer path is not chosen (it would not fit
  // the setting's slot and would name another file once cut).
  if (path.size() > static_cast<size_t>(kPathSlotSize - 1))
    return std::nullopt;
  return path;
}

}  // namespace orbello
