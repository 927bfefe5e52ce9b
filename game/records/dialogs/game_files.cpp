// The file choosers and the question of saving and loading a game; the file itself is written
// and read by the saved-game code.
#include <QCoreApplication>
#include <QString>
#include <string_view>

#include "game/records/core/savedgame.h"
#include "game/records/dialogs/dialogs.h"
#include "platform/core/message.h"
#include "platform/qt/local_path.h"
#include "platform/qt/ui.h"

namespace orbello {

namespace {

platform::FileDialogRequest GameFileRequest(const QString& title) {
  platform::FileDialogRequest request;
  request.title = title;
  // The saved-game code names the type in English; the chooser says it in the player's language.
  static_assert(std::string_view(kSaveFilter) == "OB save files: (*.osf)");
  request.filters = {
      {QCoreApplication::translate("GameFiles", "OB save files: (*.osf)"), kSavePattern}};
  // Lossless: the installation folder's name need not be text.
  request.initial_folder = platform::DecodeLocalPath(SaveFolder());
  request.default_suffix = kSaveExtension;
  return request;
}

std::optional<std::string> ToPath(const std::optional<QString>& chosen) {
  if (!chosen || chosen->isEmpty())
    return std::nullopt;
  return platform::EncodeLocalPath(*chosen);
}

// The chooser's buffer holds 260 characters: a longer name cannot be used, and the player is told
// so with the operation's own message rather than left wondering.
bool FitsChooserBuffer(const std::string& path, const QString& message, QWidget* owner) {
  if (path.size() <= 260)
    return true;
  platform::ShowError(message.toLocal8Bit().toStdString(), owner);
  return false;
}

}  // namespace

std::optional<std::string> ChooseSaveGameFile(QWidget* owner) {
  platform::FileDialogRequest request =
      GameFileRequest(QCoreApplication::translate("GameFiles", "Save game"));
  request.prompt_overwrite = true;
  request.file_must_exist = false;
  return ToPath(platform::ShowSaveFileDialog(owner, request));
}

std::optional<std::string> ChooseLoadGameFile(QWidget* owner) {
  platform::FileDialogRequest request =
      GameFileRequest(QCoreApplication::translate("GameFiles", "Load game"));
  request.file_must_exist = true;
  return ToPath(platform::ShowOpenFileDialog(owner, request));
}

GameFileResult SaveGame(QWidget* owner, const SavedGameState& state) {
  const std::optional<std::string> path = ChooseSaveGameFile(owner);
  if (!path)
    return GameFileResult::kCancelled;
  if (!FitsChooserBuffer(
          *path, QCoreApplication::translate("GameFiles", "Can't save current game."), owner))
    return GameFileResult::kFailed;
  return WriteSavedGame(*path, state, owner) ? GameFileResult::kDone : GameFileResult::kFailed;
}

GameFileResult LoadGame(QWidget* owner, const TNextBalls& current_next_balls,
                        SavedGameState& state) {
  const std::optional<std::string> path = ChooseLoadGameFile(owner);
  if (!path)
    return GameFileResult::kCancelled;
  if (!FitsChooserBuffer(
          *path, QCoreApplication::translate("GameFiles", "Can't load selected game."), owner))
    return GameFileResult::kFailed;
  // The question comes after the choice, and only while next balls are announced.
  if (!ConfirmLoadOverCurrentGame(current_next_balls, owner))
    return GameFileResult::kCancelled;
  return ReadSavedGame(*path, state, owner) ? GameFileResult::kDone : GameFileResult::kFailed;
}

}  // namespace orbello
