// Message boxes, replaceable: the Qt layer installs a QMessageBox handler, tests a scripted one.
#pragma once

#include <functional>
#include <string>

namespace orbello::platform {

enum class MessageIcon { kNone, kError, kWarning, kInformation, kQuestion };
enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };

// Result ids, the same numbers as the system's dialog results.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

struct MessageRequest {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::kNone;
  MessageButtons buttons = MessageButtons::kOk;
  int default_button = 0;  // 0 = first button, 1 = second, ...
  void* owner = nullptr;   // QWidget* or nullptr
};

// Shows the message through the installed handler and returns the id of the button chosen.
int ShowMessage(const MessageRequest& request);

using MessageHandler = std::function<int(const MessageRequest&)>;

// Installs a handler (an empty one restores the default) and returns the previous one.
// The default handler prints "caption: text" to stderr and returns the default button's id.
MessageHandler SetMessageHandler(MessageHandler handler);

// The id of the button at `index` (0-based) of a button set; the first button for an index
// out of range.
int ButtonId(MessageButtons buttons, int index);

// Shorthand for the common "Error" box with the error icon and an Ok button.
void ShowError(const std::string& text, void* owner = nullptr);

}  // namespace orbello::platform
