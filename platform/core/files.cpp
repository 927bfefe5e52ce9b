#include "platform/core/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orbello::platform {

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
  if (this != &other) {
    Reset();
    fd_ = other.Release();
  }
  return *this;
}

int UniqueFd::Release() {
  int fd = fd_;
  fd_ = -1;
  return fd;
}

bool UniqueFd::Reset() {
  if (fd_ < 0)
    return true;
  int result = close(fd_);
  fd_ = -1;
  return result == 0;
}

UniqueFd OpenUnshared(const std::string& path, int flags, mode_t mode) {
  // O_NONBLOCK keeps a FIFO from stalling the open; such entries are refused right after.
  UniqueFd fd(open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, mode));
  if (!fd.valid()) {
    return fd;
  }
  struct stat st {};
  if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    fd.Reset();
    errno = EINVAL;
    return fd;
  }
  if (flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
    int saved = errno;
    fd.Reset();
    errno = saved;
  }
  return fd;
}

ssize_t ReadFull(int fd, void* buffer, size_t count) {
  auto* bytes = static_cast<unsigned char*>(buffer);
  size_t done = 0;
  while (done < count) {
    ssize_t n = read(fd, bytes + done, count - done);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return -1;
    }
    if (n == 0)
      break;
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

bool WriteFull(int fd, const void* buffer, size_t count) {
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  size_t done = 0;
  while (done < count) {
    ssize_t n = write(fd, bytes + done, count - done);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    if (n == 0)
      return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace orbello::platform
