// What the main window tells a screen reader: the names of its commands, the values of its
// displays, the board as a 9 x 9 table of cells that say what a sighted player sees, and after
// each turn one short summary on a status element. Nothing here draws.
#pragma once

#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "game/engine/engine.h"
#include "game/window/accessible_board.h"
#include "skinfile/color_names.h"

class QObject;
class QWidget;

namespace orbello::window {

class BoardView;

// The application's and the main window's name.
inline constexpr char kAccessibleAppName[] = "Corvane Orbello";

// The command of a button or menu id: "New game", "Save game", ...; empty for other ids.
QString CommandName(int id);
// One short sentence or two for what a press on a cell did; empty when it did nothing.
QString TurnSummary(const TurnOutcome& outcome, const skinfile::ColorNames& names);

// The displays of the main window, by the names of their images.
enum class Display { kScore, kChamp, kTime, kGameType, kNext };
QString DisplayText(Display display, const GameEngine& engine, const skinfile::ColorNames& names);

// Makes the window's own parts describe themselves, and names the application: called before the
// application object exists, so that the application is named from the start, and again by each
// main window, after the toolkit's own descriptions are in place.
void InstallAccessibility();

// The accessible side of one main window: it names the display images, keeps the colour names of
// the skin in use, and raises the events of what a turn or a command changed.
class FormAccessibility {
 public:
  using SkinPath = std::function<std::string()>;

  // `window` shows the game of `engine` on `view`; all three outlive this object.
  FormAccessibility(QWidget& window, const GameEngine& engine, const BoardView& view,
                    SkinPath skin_path);
  ~FormAccessibility();
  FormAccessibility(const FormAccessibility&) = delete;
  FormAccessibility& operator=(const FormAccessibility&) = delete;

  // The accessible side of the main window that `object` is part of, or null.
  static FormAccessibility* Of(const QObject* object);

  QWidget& Window() const { return window_; }
  const GameEngine& Engine() const { return engine_; }
  const BoardReading& Board() const { return board_; }

  // The colour names of the skin in use, read again when the skin changed.
  const skinfile::ColorNames& ColorNames();

  // The status element that carries the turn summaries, and its last summary.
  QObject* Status() const { return status_; }
  const QString& StatusText() const { return status_text_; }

  // Around a press on a cell: while its turn is played no reader's press is taken.
  void BeforeCellClick();
  bool TurnPlaying() const { return turn_playing_; }
  // After a press on a cell: the summary of what it did on the status element and spoken, then
  // what it changed.
  void AfterCellClick(const TurnOutcome& outcome);
  // After command `id`: what it changed (a new game, a loaded game, another skin); a game that
  // began is spoken, and the board takes the focus unless the player had put it elsewhere.
  void AfterCommand(int id);
  // What a reading key of the board says (its row or column, the score, the next colours, the
  // balls); empty for other keys.
  QString ReadingFor(int key);
  // Speaks what reading key `key` asks for, C the cursor cell; false for other keys.
  bool ReadKey(int key);

 private:
  // True when a cell changed.
  bool RaiseChanges();
  // Speaks that a game began, after `before`, and gives the board the focus.
  void GameBegan(const QString& before, bool loaded);
  void RaiseNameChange(QObject* object, QString& known, const QString& now);

  QWidget& window_;
  const GameEngine& engine_;
  const BoardView& view_;
  BoardReading board_;
  SkinPath skin_path_;
  std::string names_path_;
  bool names_read_ = false;
  skinfile::ColorNames names_ = skinfile::NumberedColorNames();
  QPointer<QObject> status_;
  QString status_text_;
  bool turn_playing_ = false;
  // What the reader was last told.
  std::array<QString, kCellCount> cell_names_;
  int selected_ = -1;
  QString score_text_, champ_text_, game_text_, next_text_;
};

}  // namespace orbello::window
