// The uninstaller's one dialog: three progress items, Uninstall and Cancel.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <functional>

#include "uninstaller/removal.h"

class QLabel;
class QPushButton;
class QVariantAnimation;
class QWidget;

namespace orbello::uninstaller {

// Dialog units of the dialog's 8-point font, in pixels.
inline constexpr double kUnitX = 1.5;
inline constexpr double kUnitY = 1.625;

class UninstallDialog : public QDialog, private RemovalView {
  Q_OBJECT

 public:
  // `game_running` answers whether the game runs (platform::IsGameRunning by default, which does
  // not depend on the game answering; tests replace it).
  explicit UninstallDialog(std::function<bool()> game_running = {}, QWidget* parent = nullptr);
  ~UninstallDialog() override;

  // The controls, for tests and screenshots.
  QPushButton* uninstall_button() const { return uninstall_button_; }
  QPushButton* cancel_button() const { return cancel_button_; }
  QLabel* state_icon(Item item) const { return state_icons_[static_cast<int>(item)]; }
  QLabel* done_label() const { return done_label_; }
  QWidget* Content() const { return content_; }
  bool Succeeded() const { return succeeded_; }

  // Icon resources of the item states (the states' pictures: waiting, in progress, done).
  static QString StateIconPath(ItemState state);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void OnUninstall();
  void OnCancel();
  void Finish(int result);
  void StartSlideIn();
  void SetRevealed(int width);
  // The state icon of `item` shows `state`; a reader hears it as the item's text and the state.
  void ShowState(Item item, ItemState state);

  // RemovalView
  void MarkItem(Item item, ItemState state) override;
  void* MessageOwner() override { return this; }

  std::function<bool()> game_running_;
  QWidget* content_ = nullptr;
  QPushButton* uninstall_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
  std::array<QLabel*, 3> state_icons_{};
  std::array<QLabel*, 3> item_labels_{};
  QLabel* done_label_ = nullptr;
  QPixmap in_progress_icon_;
  QPixmap done_icon_;
  QVariantAnimation* slide_ = nullptr;
  bool slid_in_ = false;
  bool finishing_ = false;
  bool succeeded_ = false;
};

// The program: refuses with a warning while the game runs, otherwise runs the dialog. Returns the
// exit code (always 0).
int RunUninstallProgram(std::function<bool()> game_running = {});

}  // namespace orbello::uninstaller
