// Test helpers: a temporary folder, environment variables set for one test, and a message
// handler that records every message and answers from a script.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/message.h"

namespace orbello::testing {

class TempDir {
 public:
  TempDir() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/orbello-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
      std::abort();
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Sets (or with nullopt unsets) an environment variable until the end of the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name))
      old_ = old;
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Records each message; answers with the scripted ids in turn, then with the default button.
class MessageRecorder {
 public:
  MessageRecorder() {
    previous_ = platform::SetMessageHandler([this](const platform::MessageRequest& request) {
      messages.push_back(request);
      if (!answers.empty()) {
        int answer = answers.front();
        answers.pop_front();
        return answer;
      }
      return platform::ButtonId(request.buttons, request.default_button);
    });
  }
  ~MessageRecorder() { platform::SetMessageHandler(std::move(previous_)); }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages)
      texts.push_back(m.text);
    return texts;
  }

  std::vector<platform::MessageRequest> messages;
  std::deque<int> answers;

 private:
  platform::MessageHandler previous_;
};

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace orbello::testing
