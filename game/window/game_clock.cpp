#include "game_clock.h"

#include <system_error>

namespace orbello::window {

GameClock::GameClock(Tick tick, std::chrono::milliseconds period)
    : tick_(std::move(tick)), period_(period) {}

GameClock::~GameClock() {
  Stop();
}

bool GameClock::Start() {
  if (thread_.joinable())
    return false;
  {
    std::lock_guard lock(mutex_);
    stop_ = false;
  }
  try {
    thread_ = std::thread(&GameClock::Run, this);
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

void GameClock::Stop() {
  if (!thread_.joinable())
    return;
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void GameClock::Run() {
  auto next = std::chrono::steady_clock::now() + period_;
  std::unique_lock lock(mutex_);
  while (true) {
    if (wake_.wait_until(lock, next, [this] { return stop_; }))
      return;
    lock.unlock();
    tick_();
    lock.lock();
    next += period_;
    // After a long stall (a suspended machine) tick once and pick up the schedule from now
    // instead of firing the missed ticks in a burst.
    const auto now = std::chrono::steady_clock::now();
    if (next < now)
      next = now + period_;
  }
}

}  // namespace orbello::window
