#include "platform/core/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

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

UniqueFd OpenRegularFile(const std::string& path, int flags, mode_t mode) {
  UniqueFd fd(open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, mode));
  if (!fd.Valid())
    return fd;
  struct stat st {};
  if (fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    fd.Reset();
    errno = EINVAL;
    return fd;
  }
  // Reads and writes of the file itself block as usual.
  int status = fcntl(fd.Get(), F_GETFL);
  if (status == -1 || fcntl(fd.Get(), F_SETFL, status & ~O_NONBLOCK) != 0) {
    int saved = errno;
    fd.Reset();
    errno = saved;
  }
  return fd;
}

UniqueFd OpenUnshared(const std::string& path, int flags, mode_t mode) {
  UniqueFd fd = OpenRegularFile(path, flags, mode);
  if (fd.Valid() && flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
    int saved = errno;
    fd.Reset();
    errno = saved;
  }
  return fd;
}

bool ReadRegularFile(const std::string& path, size_t max_bytes, std::string* out, int* error) {
  out->clear();
  auto fail = [&](int code) {
    out->clear();
    out->shrink_to_fit();
    if (error != nullptr)
      *error = code;
    return false;
  };
  UniqueFd fd = OpenRegularFile(path, O_RDONLY);
  if (!fd.Valid())
    return fail(errno);
  struct stat st {};
  if (fstat(fd.Get(), &st) != 0)
    return fail(errno);
  if (static_cast<unsigned long long>(st.st_size) > max_bytes)
    return fail(EFBIG);
  // The size is only a hint: the file may change while it is read, so the loop keeps the bound.
  const size_t limit = max_bytes < SIZE_MAX ? max_bytes + 1 : max_bytes;
  out->resize(std::min(limit, std::max<size_t>(static_cast<size_t>(st.st_size) + 1, 4096)));
  size_t done = 0;
  for (;;) {
    ssize_t n = ReadFull(fd.Get(), out->data() + done, out->size() - done);
    if (n < 0)
      return fail(errno);
    done += static_cast<size_t>(n);
    if (done < out->size() || out->size() >= limit)
      break;
    out->resize(out->size() > limit / 2 ? limit : out->size() * 2);
  }
  if (done > max_bytes)
    return fail(EFBIG);
  out->resize(done);
  if (error != nullptr)
    *error = 0;
  return true;
}

void SyncFolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  const std::string folder =
      slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
  UniqueFd dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Valid())
    fsync(dir.Get());
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
