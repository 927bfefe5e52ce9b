// Small POSIX file helpers shared by the file formats: descriptors that close themselves, whole
// reads and writes, and "opened without sharing" as an exclusive advisory lock.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace orbello::platform {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept;
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { Reset(); }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int Release();
  // Closes the descriptor; false when close reported an error (e.g. a failed delayed write).
  bool Reset();

 private:
  int fd_ = -1;
};

// open(2) of a regular file (anything else, a folder or a FIFO, is refused without blocking),
// then an exclusive flock that fails at once when another open file description holds one.
// Invalid on any failure (errno tells which).
UniqueFd OpenUnshared(const std::string& path, int flags, mode_t mode = 0644);

// Reads until `count` bytes or end of file; returns the bytes read, or -1 on an error.
ssize_t ReadFull(int fd, void* buffer, size_t count);
// Writes all `count` bytes; false on an error or a write that makes no progress.
bool WriteFull(int fd, const void* buffer, size_t count);

}  // namespace orbello::platform
