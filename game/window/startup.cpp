#include "startup.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <string_view>
#include <thread>

#include "game/records/core/records_messages.h"
#include "game/records/core/savedgame.h"
#include "game/window/main_form.h"
#include "platform/core/message.h"
#include "platform/qt/desktop.h"
#include "platform/qt/instance.h"
#include "platform/qt/sound.h"
#include "platform/qt/translation.h"

namespace orbello::window {

namespace {

int signal_pipe[2] = {-1, -1};

void OnTerminationSignal(int number) {
  const unsigned char byte = static_cast<unsigned char>(number);
  // Only async-signal-safe calls here; the event loop does the rest.
  [[maybe_unused]] const ssize_t written = write(signal_pipe[1], &byte, 1);
}

// Once the window has painted its first frame: brings up the audio device (it takes longer to open
// than the whole first frame, and no sound can be asked for before the player acts) and reads the
// system's font configuration, which the first frame does not use but the game-type menu and the
// dialogs do (the font database may be used from any thread; a second reader waits for the first).
class AfterFirstFrame : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // After this paint has reached the screen.
      QTimer::singleShot(0, this, [this] {
        platform::PrepareSound();
        fonts_ = std::jthread([] { QFontDatabase::families(); });
      });
    }
    return false;
  }

 private:
  std::jthread fonts_;  // joined when the window goes
};

// The records name a failure by its English sentence (records_messages.h) and stay free of any
// language; the game says it in the player's. Each sentence is marked here as it stands there.
struct RecordsText {
  const char* sentence;
  const char* marked;
};
constexpr RecordsText kRecordsTexts[] = {
    {records_message::kCantReadRegistryKey,
     QT_TRANSLATE_NOOP("Records", "Can't read registry key.")},
    {records_message::kCantReadRegistry, QT_TRANSLATE_NOOP("Records", "Can't read from registry.")},
    {records_message::kCantOpenRegistryKey,
     QT_TRANSLATE_NOOP("Records", "Can't open registry key.")},
    {records_message::kCantWriteRegistry,
     QT_TRANSLATE_NOOP("Records", "Can't write into registry.")},
    {records_message::kCantReadHighScores,
     QT_TRANSLATE_NOOP("Records", "Can't read data from cvobhs.dat")},
    {records_message::kCantWriteHighScores,
     QT_TRANSLATE_NOOP("Records", "Can't write data into cvobhs.dat")},
    {records_message::kCantSaveGame, QT_TRANSLATE_NOOP("Records", "Can't save current game.")},
    {records_message::kCantLoadGame, QT_TRANSLATE_NOOP("Records", "Can't load selected game.")},
    {kLoadQuestion,
     QT_TRANSLATE_NOOP("Records", "You want to load another game without save current game ?")},
    {records_message::kFatalError, QT_TRANSLATE_NOOP("Records", "Fatal Error")},
};
static_assert(std::ranges::all_of(kRecordsTexts, [](const RecordsText& text) {
  return std::string_view(text.sentence) == text.marked;
}));
// The message boxes say the other captions already.
static_assert(std::string_view(records_message::kWarningCaption) == "Warning");
[[maybe_unused]] constexpr const char* kRecordsCaption = QT_TRANSLATE_NOOP("MessageBox", "Warning");

}  // namespace

void SayRecordsInTheLanguage() {
  platform::MessageHandler shown = platform::SetMessageHandler({});
  platform::SetMessageHandler([shown](const platform::MessageRequest& request) {
    for (const RecordsText& text : kRecordsTexts) {
      if (request.text == text.sentence) {
        platform::MessageRequest said = request;
        said.text = platform::Translate("Records", text.marked).toLocal8Bit().toStdString();
        return shown(said);
      }
    }
    return shown(request);
  });
}

void QuitOnTerminationSignals() {
  if (signal_pipe[0] >= 0 || pipe2(signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
    return;
  auto* notifier =
      new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    unsigned char number = 0;
    if (read(signal_pipe[0], &number, 1) == 1)
      QCoreApplication::exit(128 + number);
  });
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : {SIGTERM, SIGINT, SIGHUP})
    sigaction(number, &action, nullptr);
}

bool CheckSingleInstance(platform::SingleInstance& instance) {
  if (instance.TryBecomeFirst())
    return true;
  // A game that does not answer (busy, or started with another runtime folder) is raised through
  // the display instead.
  if (!platform::AskRunningInstanceToRaise()) {
    platform::RaiseTopLevelWindow(QLatin1String(platform::kMainWindowClass),
                                  QLatin1String(platform::kMainWindowTitle));
  }
  return false;
}

int RunGame(platform::SingleInstance& instance) {
  int status = 0;
  try {
    TMainForm1 form;
    status = form.Create();
    if (status != 0)
      return status;
    platform::ServeMainWindow(instance, &form);
    form.installEventFilter(new AfterFirstFrame(&form));
    form.show();
    status = QApplication::exec();
    if (form.ExitStatus() >= 0)
      status = form.ExitStatus();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, QStringLiteral("Corvane Orbello"),
                          QString::fromLocal8Bit(error.what()));
    status = kExitStatusFailure;
  }
  return status;
}

}  // namespace orbello::window
