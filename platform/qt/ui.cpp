#include "platform/qt/ui.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>

#include "platform/core/message.h"
#include "platform/qt/desktop.h"
#include "platform/qt/display_depth.h"
#include "platform/qt/local_path.h"
#include "platform/qt/translation.h"

namespace orbello::platform {
namespace {

struct Hooks {
  std::mutex mutex;
  OpenFileFunction open_file;
  SaveFileFunction save_file;
  ShellOpenFunction shell_open;
};

Hooks& TheHooks() {
  static Hooks hooks;
  return hooks;
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kError:
      return QMessageBox::Critical;
    case MessageIcon::kWarning:
      return QMessageBox::Warning;
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonSpec {
  int id;
  QString text;
  QMessageBox::ButtonRole role;
};

std::vector<ButtonSpec> ButtonsOf(MessageButtons buttons) {
  const ButtonSpec ok{kIdOk, QCoreApplication::translate("MessageBox", "OK"),
                      QMessageBox::AcceptRole};
  const ButtonSpec cancel{kIdCancel, QCoreApplication::translate("MessageBox", "Cancel"),
                          QMessageBox::RejectRole};
  const ButtonSpec yes{kIdYes, QCoreApplication::translate("MessageBox", "&Yes"),
                       QMessageBox::YesRole};
  const ButtonSpec no{kIdNo, QCoreApplication::translate("MessageBox", "&No"), QMessageBox::NoRole};
  switch (buttons) {
    case MessageButtons::kOk:
      return {ok};
    case MessageButtons::kOkCancel:
      return {ok, cancel};
    case MessageButtons::kYesNo:
      return {yes, no};
    case MessageButtons::kYesNoCancel:
      return {yes, no, cancel};
  }
  return {ok};
}

int ShowQtMessage(const MessageRequest& request) {
  QMessageBox box(static_cast<QWidget*>(request.owner));
  box.setTextFormat(Qt::PlainText);
  box.setText(
      QString::fromLocal8Bit(request.text.data(), static_cast<qsizetype>(request.text.size())));
  // The captions the programs' boxes carry are said in the player's language.
  [[maybe_unused]] static constexpr const char* kCaptions[] = {
      QT_TRANSLATE_NOOP("MessageBox", "Error"), QT_TRANSLATE_NOOP("MessageBox", "Warning!"),
      QT_TRANSLATE_NOOP("MessageBox", "Confirm Action")};
  box.setWindowTitle(QCoreApplication::translate("MessageBox", request.caption.c_str()));
  box.setIcon(ToQtIcon(request.icon));
  std::vector<ButtonSpec> specs = ButtonsOf(request.buttons);
  std::vector<QPushButton*> buttons;
  for (const ButtonSpec& spec : specs) {
    // Qt would make "No" the escape button of a Yes/No box; the system's box has none, so both
    // take a role that Qt never picks for Escape.
    QMessageBox::ButtonRole role =
        request.buttons == MessageButtons::kYesNo ? QMessageBox::ActionRole : spec.role;
    buttons.push_back(box.addButton(spec.text, role));
  }
  std::size_t default_index = static_cast<std::size_t>(request.default_button);
  if (request.default_button < 0 || default_index >= buttons.size())
    default_index = 0;
  box.setDefaultButton(buttons[default_index]);
  // Escape and the close box answer like the system's boxes: Cancel when there is one, the only
  // button of an Ok box; a Yes/No question cannot be dismissed that way.
  QPushButton* escape = nullptr;
  for (std::size_t i = 0; i < specs.size(); ++i) {
    if (specs[i].id == kIdCancel)
      escape = buttons[i];
  }
  if (escape == nullptr && request.buttons == MessageButtons::kOk)
    escape = buttons[0];
  if (escape != nullptr)
    box.setEscapeButton(escape);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (clicked == buttons[i])
      return specs[i].id;
  }
  // Closed some other way (e.g. the window was destroyed): the safe answer.
  for (const ButtonSpec& spec : specs) {
    if (spec.id == kIdCancel)
      return kIdCancel;
  }
  return request.buttons == MessageButtons::kYesNo ? kIdNo : kIdOk;
}

// The chooser refuses a name whose folder does not exist and stays open, as the system's does, so
// that a caller never gets a path it cannot write. Open mode needs no more: QFileDialog itself
// refuses a file that does not exist there.
class CheckedFileDialog : public QFileDialog {
 public:
  explicit CheckedFileDialog(QWidget* owner) : QFileDialog(owner) {}

 protected:
  void accept() override {
    const QStringList files = selectedFiles();
    if (fileMode() == QFileDialog::AnyFile && !files.isEmpty() && !files.front().isEmpty()) {
      const QFileInfo chosen(files.front());
      if (!chosen.isDir() && !QFileInfo(chosen.absolutePath()).isDir()) {
        QMessageBox::warning(this, windowTitle(),
                             QCoreApplication::translate(
                                 "FileChooser",
                                 "%1\nFolder not found.\nPlease verify the correct folder name "
                                 "was given.")
                                 .arg(QDir::toNativeSeparators(chosen.absolutePath())));
        return;
      }
    }
    QFileDialog::accept();
  }
};

void Configure(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setWindowTitle(request.title);
  QStringList filters = QtNameFilters(request.filters);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.front());
    // The list shows each name as given ("All Files (*.*)"), while the dialog matches with the
    // patterns above; it picks them by position, not by the text shown.
    if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
      for (int i = 0; i < types->count() && i < static_cast<int>(request.filters.size()); ++i)
        types->setItemText(i, request.filters[static_cast<std::size_t>(i)].name);
    }
  }
  dialog.setDefaultSuffix(request.default_suffix);
}

// Qt names files by UTF-8 text, so it cannot enter a folder whose name is not UTF-8. Such a
// folder is opened by its bytes and shown to the dialog through the descriptor's name in
// /proc/self/fd; what the player picks there is named by the folder's own lossless text again.
class InitialFolder {
 public:
  InitialFolder(QFileDialog& dialog, const QString& folder) : folder_(folder) {
    if (folder.isEmpty())
      return;
    const std::string bytes = EncodeLocalPath(folder);
    if (QFile::encodeName(folder).toStdString() != bytes) {
      fd_ = open(bytes.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (fd_ >= 0)
        alias_ = QStringLiteral("/proc/self/fd/%1").arg(fd_);
    }
    dialog.setDirectory(alias_.isEmpty() ? folder : alias_);
  }
  ~InitialFolder() {
    if (fd_ >= 0)
      close(fd_);
  }
  InitialFolder(const InitialFolder&) = delete;
  InitialFolder& operator=(const InitialFolder&) = delete;

  QString RealName(const QString& path) const {
    if (!alias_.isEmpty() && (path == alias_ || path.startsWith(alias_ + '/')))
      return folder_ + path.mid(alias_.size());
    return path;
  }

 private:
  QString folder_;
  QString alias_;
  int fd_ = -1;
};

std::optional<QString> RunDialog(QFileDialog& dialog, const FileDialogRequest& request) {
  const InitialFolder folder(dialog, request.initial_folder);
  if (dialog.exec() != QDialog::Accepted)
    return std::nullopt;
  QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.front().isEmpty())
    return std::nullopt;
  return folder.RealName(QDir::toNativeSeparators(QFileInfo(files.front()).absoluteFilePath()));
}

void TakeUnclaimedKeyboardFocus(QWidget* window) {
  if (window == nullptr || !window->isVisible() ||
      QGuiApplication::platformName() != QLatin1String("xcb")) {
    return;
  }
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr)
    return;
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window->winId());
  // Unclaimed: the server's own default (none, pointer root) or the root window holds it.
  xcb_get_input_focus_reply_t* focus =
      xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
  xcb_query_tree_reply_t* tree =
      xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr);
  const bool unclaimed =
      focus != nullptr && tree != nullptr &&
      (focus->focus == XCB_NONE || focus->focus == XCB_INPUT_FOCUS_POINTER_ROOT ||
       focus->focus == tree->root);
  free(focus);
  free(tree);
  if (!unclaimed)
    return;
  // A window manager maps a new window itself, later, and then gives it the focus; only a window
  // that is already viewable was mapped without one.
  xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
      connection, xcb_get_window_attributes(connection, id), nullptr);
  const bool viewable = attributes != nullptr && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
  free(attributes);
  if (!viewable)
    return;
  xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME);
  xcb_flush(connection);
}

// On an X display without a window manager nobody gives a new window the keyboard focus, and when
// a dialog goes the server hands it to the root window, not back to the dialog's owner: the keys
// of a player who never touches the mouse would then reach nothing. A shown top-level window, and
// the owner of a dialog that has gone, take the focus there when nobody holds it.
class FocusKeeper : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if ((event->type() != QEvent::Show && event->type() != QEvent::Hide) ||
        !watched->isWidgetType()) {
      return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow() || widget->windowType() == Qt::Popup ||
        widget->windowType() == Qt::ToolTip) {
      return false;
    }
    QWidget* taker = widget;
    if (event->type() == QEvent::Hide) {
      if (qobject_cast<QDialog*>(widget) == nullptr || widget->parentWidget() == nullptr)
        return false;
      taker = widget->parentWidget()->window();
    }
    // After the map or unmap has reached the server. A dialog that opened meanwhile (a question
    // right after a file chooser) is the one that must get the keys, not the owner below it.
    QTimer::singleShot(0, taker, [taker] {
      QWidget* modal = QApplication::activeModalWidget();
      TakeUnclaimedKeyboardFocus(modal != nullptr ? modal : taker);
    });
    return false;
  }
};
}  // namespace

void InstallQtMessageHandler() {
  SetMessageHandler(ShowQtMessage);
}

void KeepKeyboardFocusWithoutWindowManager() {
  static FocusKeeper* keeper = nullptr;
  if (keeper != nullptr || QCoreApplication::instance() == nullptr ||
      QGuiApplication::platformName() != QLatin1String("xcb")) {
    return;
  }
  keeper = new FocusKeeper(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(keeper);
}

QStringList QtNameFilters(const std::vector<FileFilter>& filters) {
  QStringList result;
  for (const FileFilter& filter : filters) {
    // "*.*" means every file on the original system; on Linux it would miss names without a dot.
    QStringList patterns = filter.pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      pattern = pattern.trimmed();
      if (pattern == QLatin1String("*.*"))
        pattern = QStringLiteral("*");
    }
    QString patterns_text = patterns.join(QLatin1Char(' '));
    if (patterns_text.isEmpty())
      patterns_text = QStringLiteral("*");
    // QFileDialog takes the patterns from the last parentheses of the text: put ours there,
    // keeping the visible name as it is when it already shows them.
    static const QRegularExpression trailing(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    QString name = filter.name.trimmed();
    QRegularExpressionMatch match = trailing.match(name);
    if (match.hasMatch()) {
      name =
          name.left(match.capturedStart(0)) + QLatin1Char('(') + patterns_text + QLatin1Char(')');
    } else {
      name = name + QStringLiteral(" (") + patterns_text + QLatin1Char(')');
    }
    result.push_back(name);
  }
  return result;
}

std::optional<QString> DefaultOpenFileDialog(QWidget* owner, const FileDialogRequest& request) {
  CheckedFileDialog dialog(owner);
  Configure(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(request.file_must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  return RunDialog(dialog, request);
}

std::optional<QString> DefaultSaveFileDialog(QWidget* owner, const FileDialogRequest& request) {
  CheckedFileDialog dialog(owner);
  Configure(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.prompt_overwrite);
  return RunDialog(dialog, request);
}

std::optional<QString> ShowOpenFileDialog(QWidget* owner, const FileDialogRequest& request) {
  OpenFileFunction function;
  {
    std::lock_guard<std::mutex> guard(TheHooks().mutex);
    function = TheHooks().open_file;
  }
  return function ? function(owner, request) : DefaultOpenFileDialog(owner, request);
}

std::optional<QString> ShowSaveFileDialog(QWidget* owner, const FileDialogRequest& request) {
  SaveFileFunction function;
  {
    std::lock_guard<std::mutex> guard(TheHooks().mutex);
    function = TheHooks().save_file;
  }
  return function ? function(owner, request) : DefaultSaveFileDialog(owner, request);
}

OpenFileFunction SetOpenFileFunction(OpenFileFunction function) {
  std::lock_guard<std::mutex> guard(TheHooks().mutex);
  std::swap(TheHooks().open_file, function);
  return function;
}

SaveFileFunction SetSaveFileFunction(SaveFileFunction function) {
  std::lock_guard<std::mutex> guard(TheHooks().mutex);
  std::swap(TheHooks().save_file, function);
  return function;
}

bool OpenWithShell(const QString& file_or_url) {
  ShellOpenFunction function;
  {
    std::lock_guard<std::mutex> guard(TheHooks().mutex);
    function = TheHooks().shell_open;
  }
  if (function)
    return function(file_or_url);
  if (file_or_url.isEmpty())
    return false;
  // A plain path (absolute or relative) is a local file; anything with a scheme is a URL.
  QUrl url(file_or_url);
  if (url.scheme().isEmpty() || url.scheme().size() == 1 || QFileInfo(file_or_url).isAbsolute()) {
    url = LocalFileUrl(EncodeLocalPath(file_or_url));
  }
  return QDesktopServices::openUrl(url);
}

namespace {

// The answer to opening the local file `path` that comes before the desktop is asked: what a
// replaced shell (tests put one in place) answered, else false for no path at all; nothing when
// the desktop has to be asked.
std::optional<bool> AnswerBeforeTheDesktop(const std::string& path) {
  ShellOpenFunction function;
  {
    std::lock_guard<std::mutex> guard(TheHooks().mutex);
    function = TheHooks().shell_open;
  }
  if (function)
    return function(DecodeLocalPath(path));
  if (path.empty())
    return false;
  return std::nullopt;
}

}  // namespace

bool OpenFileWithShell(const std::string& path) {
  if (const std::optional<bool> answer = AnswerBeforeTheDesktop(path))
    return *answer;
  return QDesktopServices::openUrl(LocalFileUrl(path));
}

namespace {

// The process group of the help viewer this program started last; its leader (the desktop's
// opener) is our child and is reaped here, not before its group has no other member, so that the
// group's number cannot be given to another process while we may still signal it.
pid_t g_viewer_group = 0;

// Whether the viewer's group still has a member; reaps the leader when it has ended.
bool ViewerRuns() {
  if (g_viewer_group <= 0)
    return false;
  int status = 0;
  const bool leader_ended = ::waitpid(g_viewer_group, &status, WNOHANG) == g_viewer_group;
  if (::kill(-g_viewer_group, 0) == 0)
    return true;
  if (!leader_ended)
    ::waitpid(g_viewer_group, &status, WNOHANG);
  g_viewer_group = 0;
  return false;
}

// Starts the desktop's opener on `url` as the leader of a new process group; 0 on failure.
pid_t StartOpener(const QByteArray& url) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty())
    return 0;
  const QByteArray program = QFile::encodeName(opener);
  posix_spawnattr_t attributes;
  if (posix_spawnattr_init(&attributes) != 0)
    return 0;
  // Signals the game catches or ignores are the viewer's own again.
  sigset_t defaults;
  sigemptyset(&defaults);
  for (int number : {SIGTERM, SIGINT, SIGHUP, SIGPIPE, SIGCHLD})
    sigaddset(&defaults, number);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  char* arguments[] = {const_cast<char*>(program.constData()), const_cast<char*>(url.constData()),
                       nullptr};
  pid_t pid = 0;
  const int error =
      posix_spawn(&pid, program.constData(), nullptr, &attributes, arguments, environ);
  posix_spawnattr_destroy(&attributes);
  return error == 0 ? pid : 0;
}

}  // namespace

bool OpenInHelpViewer(const std::string& path) {
  if (const std::optional<bool> answer = AnswerBeforeTheDesktop(path))
    return *answer;
  if (ViewerRuns()) {
    // One viewer is enough; it comes to the front (once it has a window at all).
    RaiseWindowOfProcessGroup(g_viewer_group);
    return true;
  }
  const QUrl url = LocalFileUrl(path);
  g_viewer_group = StartOpener(url.toEncoded());
  // Without the desktop's opener, the shell's own way: a viewer that cannot be told apart later.
  return g_viewer_group > 0 || QDesktopServices::openUrl(url);
}

bool CloseStartedHelpViewers() {
  if (!ViewerRuns())
    return false;
  // Its windows close as their close boxes would; whatever of it is left then ends.
  CloseWindowsOfProcessGroup(g_viewer_group);
  ::kill(-g_viewer_group, SIGTERM);
  int status = 0;
  ::waitpid(g_viewer_group, &status, WNOHANG);
  g_viewer_group = 0;
  return true;
}

QUrl LocalFileUrl(const std::string& path) {
  std::string absolute = path;
  if (absolute.empty() || absolute.front() != '/') {
    std::string folder(4096, '\0');
    if (getcwd(folder.data(), folder.size()) != nullptr) {
      folder.resize(std::strlen(folder.c_str()));
      absolute = folder + (folder == "/" ? "" : "/") + absolute;
    }
  }
  // Every byte but the unreserved ones and '/' is percent-encoded, so the URL is plain ASCII and
  // the viewer's launcher decodes it back to the very bytes of the name.
  QByteArray encoded("file://");
  static const char kHex[] = "0123456789ABCDEF";
  for (const char c : absolute) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
        (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~' ||
        byte == '/') {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    }
  }
  return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

ShellOpenFunction SetShellOpenFunction(ShellOpenFunction function) {
  std::lock_guard<std::mutex> guard(TheHooks().mutex);
  std::swap(TheHooks().shell_open, function);
  return function;
}

void SetUpApplication() {
  InstallTranslations();
  // Nothing could be drawn: say so and end before any window shows black.
  if (!DisplayDepthSupported()) {
    std::fflush(stdout);
    std::_Exit(1);
  }
  InstallQtMessageHandler();
  KeepKeyboardFocusWithoutWindowManager();
}

}  // namespace orbello::platform
