// The Qt side of the user-interface stand-ins: message boxes, common file dialogs and the shell's
// "open". The file dialogs and the shell are reached through replaceable functions so tests can
// answer them without a window.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace orbello::platform {

// Makes ShowMessage (platform/core/message.h) show a QMessageBox with the request's text, caption,
// icon, buttons, default button and owner. Returns nothing; the previous handler is dropped.
void InstallQtMessageHandler();

// For keyboard-only play on an X display without a window manager, where nobody gives windows the
// keyboard focus: a shown top-level window, and the owner of a dialog that has closed, take the
// focus when nobody holds it. Where a window manager holds it, or off X11, nothing changes. Call
// once the QApplication exists.
void KeepKeyboardFocusWithoutWindowManager();

// What every program sets up once its QApplication exists: the player's language
// (translation.h), the message handler and the keeper of the keyboard focus above.
void SetUpApplication();

struct FileFilter {
  QString name;     // what the user sees, e.g. "Bitmap files: (*.bmp)"
  QString pattern;  // e.g. "*.bmp"; "*.*" means every file, as on the original system
};

struct FileDialogRequest {
  QString title;
  std::vector<FileFilter> filters;  // the first one is preselected
  QString initial_folder;           // empty: the dialog's own choice
  QString default_suffix;           // without dot; empty: a name is used as typed
  bool prompt_overwrite = false;    // save: ask before replacing an existing file
  bool file_must_exist = true;      // open: only existing files can be chosen
};

// Returns the chosen full path, or nothing when the user cancelled.
using FileDialogFunction =
    std::function<std::optional<QString>(QWidget* owner, const FileDialogRequest& request)>;
using OpenFileFunction = FileDialogFunction;
using SaveFileFunction = FileDialogFunction;

std::optional<QString> ShowOpenFileDialog(QWidget* owner, const FileDialogRequest& request);
std::optional<QString> ShowSaveFileDialog(QWidget* owner, const FileDialogRequest& request);

// Replace the dialogs (tests); an empty function restores the QFileDialog default. Each returns
// the previous function.
OpenFileFunction SetOpenFileFunction(OpenFileFunction function);
SaveFileFunction SetSaveFileFunction(SaveFileFunction function);

// The QFileDialog defaults (without native dialogs), usable directly.
std::optional<QString> DefaultOpenFileDialog(QWidget* owner, const FileDialogRequest& request);
std::optional<QString> DefaultSaveFileDialog(QWidget* owner, const FileDialogRequest& request);

// Converts the filters to QFileDialog's name-filter strings ("*.*" becomes "*").
QStringList QtNameFilters(const std::vector<FileFilter>& filters);

// The shell's "open": a local file path or a URL ("mailto:...", "https://..."). Returns false when
// the request could not be made.
// A plain path is taken as the lossless text of local_path.h (DecodeLocalPath).
using ShellOpenFunction = std::function<bool(const QString& file_or_url)>;
bool OpenWithShell(const QString& file_or_url);
ShellOpenFunction SetShellOpenFunction(ShellOpenFunction function);

// The shell's "open" on the local file named by the bytes `path`, which need not be text (an
// installation folder whose name is not UTF-8). A replaced shell gets DecodeLocalPath(path).
bool OpenFileWithShell(const std::string& path);

// The "file:" URL whose percent-encoded path holds exactly the bytes of `path`, made absolute
// against the current folder.
QUrl LocalFileUrl(const std::string& path);

}  // namespace orbello::platform
