// Helpers of the dialog tests: run a script against the modal dialog once it is open, with a
// watchdog that fails the test and closes the dialog if the script never ends it; scripted
// message boxes; a private configuration folder.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/message.h"

namespace orbello::testing {

// Runs `script` on the first modal dialog that opens while `open` runs; fails and closes every
// modal window if the dialog is still open `timeout_ms` after the script ran (or never opened).
inline void WithModal(const std::function<void()>& open,
                      const std::function<void(QDialog*)>& script, int timeout_ms = 8000) {
  bool ran = false;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (ran)
      return;
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr)
      return;
    ran = true;
    script(dialog);
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    ADD_FAILURE() << "watchdog: the modal dialog was still open";
    while (QWidget* modal = QApplication::activeModalWidget()) {
      if (auto* d = qobject_cast<QDialog*>(modal)) {
        d->done(-99);
      } else {
        modal->close();
      }
      QApplication::processEvents();
    }
  });
  poll.start();
  watchdog.start(timeout_ms);
  open();
  poll.stop();
  watchdog.stop();
}

// Lets queued events (repaints, focus changes) happen.
inline void Settle() {
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
}

// Records every message and answers with a fixed id (0: the request's default button).
class ScriptedMessages {
 public:
  explicit ScriptedMessages(int answer = 0) : answer_(answer) {
    previous_ = platform::SetMessageHandler([this](const platform::MessageRequest& request) {
      requests.push_back(request);
      return answer_ != 0 ? answer_ : platform::ButtonId(request.buttons, request.default_button);
    });
  }
  ~ScriptedMessages() { platform::SetMessageHandler(previous_); }
  void SetAnswer(int answer) { answer_ = answer; }

  std::vector<platform::MessageRequest> requests;

 private:
  int answer_;
  platform::MessageHandler previous_;
};

// Points XDG_CONFIG_HOME (and HOME) at a fresh folder for the test's lifetime.
class PrivateConfig {
 public:
  PrivateConfig() {
    old_config_ = qgetenv("XDG_CONFIG_HOME");
    old_home_ = qgetenv("HOME");
    qputenv("XDG_CONFIG_HOME", (dir_.path() + "/config").toLocal8Bit());
    qputenv("HOME", dir_.path().toLocal8Bit());
  }
  ~PrivateConfig() {
    qputenv("XDG_CONFIG_HOME", old_config_);
    qputenv("HOME", old_home_);
  }
  QString Path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
  QByteArray old_config_;
  QByteArray old_home_;
};

}  // namespace orbello::testing
