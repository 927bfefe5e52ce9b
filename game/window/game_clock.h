// The one-second game clock: a thread of its own that calls its tick on an absolute schedule,
// so that the ticks do not drift with the time the tick itself takes.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace orbello::window {

class GameClock {
 public:
  using Tick = std::function<void()>;

  explicit GameClock(Tick tick, std::chrono::milliseconds period = std::chrono::milliseconds(1000));
  ~GameClock();
  GameClock(const GameClock&) = delete;
  GameClock& operator=(const GameClock&) = delete;

  // False when a clock is already running or no thread could be made.
  bool Start();
  // Returns once the thread has ended; a tick in progress is finished first. Harmless when
  // stopped.
  void Stop();
  bool Running() const { return thread_.joinable(); }

 private:
  void Run();

  Tick tick_;
  std::chrono::milliseconds period_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace orbello::window
