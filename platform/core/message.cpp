#include "platform/core/message.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace orbello::platform {
namespace {

int DefaultHandler(const MessageRequest& request) {
  std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
  return ButtonId(request.buttons, request.default_button);
}

std::mutex& HandlerMutex() {
  static std::mutex mutex;
  return mutex;
}

MessageHandler& Handler() {
  static MessageHandler handler = DefaultHandler;
  return handler;
}

}  // namespace

int ButtonId(MessageButtons buttons, int index) {
  switch (buttons) {
    case MessageButtons::kOk:
      return kIdOk;
    case MessageButtons::kOkCancel:
      return index == 1 ? kIdCancel : kIdOk;
    case MessageButtons::kYesNo:
      return index == 1 ? kIdNo : kIdYes;
    case MessageButtons::kYesNoCancel:
      return index == 1 ? kIdNo : index == 2 ? kIdCancel : kIdYes;
  }
  return kIdOk;
}

int ShowMessage(const MessageRequest& request) {
  MessageHandler handler;
  {
    // Copied out so that a handler may itself install another one.
    std::lock_guard<std::mutex> lock(HandlerMutex());
    handler = Handler();
  }
  return handler(request);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
  std::lock_guard<std::mutex> lock(HandlerMutex());
  MessageHandler previous = std::move(Handler());
  Handler() = handler ? std::move(handler) : MessageHandler(DefaultHandler);
  return previous;
}

void ShowError(const std::string& text, void* owner) {
  ShowMessage({text, "Error", MessageIcon::kError, MessageButtons::kOk, 0, owner});
}

}  // namespace orbello::platform
