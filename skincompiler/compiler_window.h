// The skin compiler's single window: five rows in which the user picks the bitmaps of a skin,
// each checked for its pixel size at once, and Help, Compile and Quit.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "platform/qt/kit/dialog_look.h"
#include "platform/qt/kit/text_field.h"
#include "skincompiler/controls.h"
#include "skincompiler/skin_rows.h"

namespace orbello::csfob {

// The window's designed outer size and the client area that a fixed frame of 3 pixels with a
// 19-pixel caption leaves of it; the controls are laid out in client pixels.
inline constexpr QSize kOuterSize{365, 360};
inline constexpr QSize kClientSize{359, 335};

inline constexpr int kBlinkIntervalMs = 25;
inline constexpr int kBlinkTop = 12;
inline constexpr int kBlinkStep = 21;  // red intensity per counter step

class CompilerWindow : public QWidget, public ControlHost {
  Q_OBJECT
 public:
  // `tile` is the picture repeated over the background (BITMAP_1), `icon` the program's icon.
  CompilerWindow(const QImage& tile, const QPixmap& icon);
  ~CompilerWindow() override;

  // False when the background picture or a control is missing: the program must not start.
  bool IsBuilt() const { return built_; }

  // Moves the window so that its outer frame is centred on the nearest screen.
  void CentreOnMonitor();

  // ControlHost
  const QImage& Background() const override { return background_; }
  QColor TextColor() const override { return text_color_; }
  QColor LabelColor(int row) const override;
  void RememberFocus(QWidget* control) override;
  void MoveFocus(QWidget* from, bool backward) override;
  void OnCommand(int command) override;

  // What the rows hold, for the program's own use and for tests.
  kit::TextField* PathFieldOf(int row) const { return rows_[row].field; }
  SkinButton* ChooseButtonOf(int row) const { return rows_[row].button; }
  kit::DialogText* LabelOf(int row) const { return rows_[row].label; }
  SkinButton* HelpButton() const { return help_; }
  SkinButton* CompileButton() const { return compile_; }
  SkinButton* QuitButton() const { return quit_; }
  bool IsRowFlagged(int row) const { return rows_[row].flagged; }
  bool IsBlinkRunning() const { return blink_running_; }
  int BlinkCounter() const { return blink_counter_; }
  QColor BlinkColor() const { return blink_color_; }
  QWidget* RememberedFocus() const { return focus_control_; }
  bool HelpStarted() const { return help_marker_; }
  // The tab stops in Tab order (labels are none).
  std::vector<QWidget*> TabStops() const;

  // One step of the label pulse; the blink timer calls it every 25 ms.
  void BlinkTimerTick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Row {
    kit::TextField* field = nullptr;
    SkinButton* button = nullptr;
    kit::DialogText* label = nullptr;
    bool flagged = false;  // the last size check of this row failed
  };

  bool BuildBackground(const QImage& tile);
  bool CreateControls();
  void ChooseBitmap(int row);
  void UpdateCompileState(int row);
  bool SizeCheck(int row);
  void Compile();
  void Help();
  void ReadSystemColors();
  void RestoreFocus();
  void Shutdown();

  bool built_ = false;
  bool shut_down_ = false;
  QImage background_;
  QPixmap icon_;
  std::vector<std::unique_ptr<SubclassedControl>> controls_;
  std::array<Row, kRowCount> rows_{};
  SkinButton* help_ = nullptr;
  SkinButton* compile_ = nullptr;
  SkinButton* quit_ = nullptr;
  QPointer<QWidget> focus_control_;
  QColor text_color_;
  QColor blink_color_;
  int blink_counter_ = 0;
  bool blink_up_ = true;
  bool blink_running_ = false;
  QTimer blink_timer_;
  bool help_marker_ = false;
};

}  // namespace orbello::csfob
