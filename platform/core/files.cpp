#include "platform/core/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace orbello::platform {
namespace {

// Temporaries are ".orbello-tmp.<name>.XXXXXX": the marker keeps every other dot file, backup
// or "<name>.backup" beside the file out of reach of the cleanup.
constexpr std::string_view kTempMarker = ".orbello-tmp.";
constexpr size_t kRandomLength = 6;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos)
    return ".";
  return path.substr(0, slash == 0 ? 1 : slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsLetterOrDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Removes the temporaries that a killed replace left in `folder`. A live replace holds an
// exclusive flock on its temporary until after its rename, so a temporary whose lock can be taken
// has no writer any more (locks end with their process). The name is checked again after the
// lock is taken, so that a temporary renamed meanwhile is never confused with its successor.
void RemoveStaleTemporaries(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr)
    return;
  std::vector<std::string> names;
  while (const dirent* entry = readdir(dir)) {
    if (IsReplaceTemporaryName(entry->d_name))
      names.emplace_back(entry->d_name);
  }
  closedir(dir);
  for (const std::string& name : names) {
    const std::string path = folder + "/" + name;
    UniqueFd fd = OpenRegularFile(path, O_RDONLY | O_NOFOLLOW);
    struct stat locked {};
    struct stat now {};
    if (fd.Valid() && flock(fd.Get(), LOCK_EX | LOCK_NB) == 0 && fstat(fd.Get(), &locked) == 0 &&
        lstat(path.c_str(), &now) == 0 && now.st_ino == locked.st_ino &&
        now.st_dev == locked.st_dev) {
      unlink(path.c_str());
    }
  }
}

// A new temporary for `name` in `folder`, created exclusively with `create_mode` (less the umask)
// and locked. A cleanup in another process may take it for stale between the create and the lock
// and remove it; its link count then reads 0 and another name is tried.
UniqueFd CreateLockedTemporary(const std::string& folder, const std::string& name,
                               mode_t create_mode, std::string* temp) {
  constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  const size_t room = NAME_MAX - kTempMarker.size() - 1 - kRandomLength;
  const std::string shown = name.size() <= room ? name : name.substr(0, room);
  std::random_device device;
  std::mt19937 random(device());
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp = folder + "/";
    temp->append(kTempMarker).append(shown).push_back('.');
    for (size_t i = 0; i < kRandomLength; ++i)
      temp->push_back(kLetters[random() % (sizeof kLetters - 1)]);
    UniqueFd fd(
        open(temp->c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, create_mode));
    if (!fd.Valid()) {
      if (errno == EEXIST)
        continue;
      return fd;
    }
    int locked = 0;
    while ((locked = flock(fd.Get(), LOCK_EX)) != 0 && errno == EINTR) {
    }
    struct stat st {};
    if (locked != 0 || fstat(fd.Get(), &st) != 0) {
      const int saved = errno;
      unlink(temp->c_str());
      errno = saved;
      return UniqueFd();
    }
    if (st.st_nlink > 0)
      return fd;
  }
  errno = EEXIST;
  return UniqueFd();
}

}  // namespace

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

const unsigned char* MapRegularFile(const std::string& path, size_t max_bytes, size_t* size) {
  *size = 0;
  UniqueFd fd = OpenRegularFile(path, O_RDONLY);
  struct stat st {};
  if (!fd.Valid() || fstat(fd.Get(), &st) != 0 || st.st_size <= 0 ||
      static_cast<unsigned long long>(st.st_size) > max_bytes)
    return nullptr;
  const auto length = static_cast<size_t>(st.st_size);
  void* data = mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd.Get(), 0);
  if (data == MAP_FAILED)
    return nullptr;
  *size = length;
  return static_cast<const unsigned char*>(data);
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
  UniqueFd dir(open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Valid())
    fsync(dir.Get());
}

std::string FinalTarget(const std::string& path) {
  std::string current = path;
  // The kernel's own limit of links on one path.
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
      return current;
    std::string link(PATH_MAX + 1, '\0');
    const ssize_t length = readlink(current.c_str(), link.data(), link.size());
    if (length <= 0 || static_cast<size_t>(length) >= link.size())
      return current;
    link.resize(static_cast<size_t>(length));
    current = link.front() == '/' ? link : FolderOf(current) + "/" + link;
  }
  return std::string();
}

bool IsReplaceTemporaryName(std::string_view name) {
  if (name.size() < kTempMarker.size() + 1 + kRandomLength ||
      name.substr(0, kTempMarker.size()) != kTempMarker ||
      name[name.size() - kRandomLength - 1] != '.') {
    return false;
  }
  return std::all_of(name.end() - kRandomLength, name.end(), IsLetterOrDigit);
}

bool ReplaceFile(const std::string& path, const std::function<bool(int fd)>& write,
                 const ReplaceOptions& options) {
  const std::string target = FinalTarget(path);
  if (target.empty()) {
    errno = ELOOP;
    return false;
  }
  UniqueFd old;
  struct stat old_stat {};
  bool have_old = false;
  if (options.hold_existing) {
    old = OpenUnshared(target, O_WRONLY);
    if (old.Valid()) {
      if (fstat(old.Get(), &old_stat) != 0)
        return false;
      have_old = true;
    } else if (errno != ENOENT) {
      return false;
    }
  } else if (!options.mode) {
    have_old = stat(target.c_str(), &old_stat) == 0 && S_ISREG(old_stat.st_mode);
  }
  const std::string folder = FolderOf(target);
  RemoveStaleTemporaries(folder);
  std::string temp;
  UniqueFd fd = CreateLockedTemporary(folder, NameOf(target), 0644, &temp);
  if (!fd.Valid())
    return false;
  // The lock stays on `live` until after the rename, while `fd` is closed before it to catch a
  // failed delayed write.
  UniqueFd live(dup(fd.Get()));
  const std::optional<mode_t> mode =
      options.mode ? options.mode
                   : (have_old ? std::optional<mode_t>(old_stat.st_mode & 07777) : std::nullopt);
  bool ok = live.Valid() && (!mode || fchmod(fd.Get(), *mode) == 0) && write(fd.Get()) &&
            fsync(fd.Get()) == 0;
  ok = fd.Reset() && ok;
  if (ok && rename(temp.c_str(), target.c_str()) == 0) {
    // Make the rename itself durable.
    SyncFolderOf(target);
    return true;
  }
  const int saved = errno;
  unlink(temp.c_str());
  errno = saved;
  return false;
}

bool ReplaceFile(const std::string& path, std::string_view bytes, const ReplaceOptions& options) {
  return ReplaceFile(
      path, [&](int fd) { return WriteFull(fd, bytes.data(), bytes.size()); }, options);
}

bool CanReplaceIn(const std::string& path) {
  const std::string target = FinalTarget(path);
  if (target.empty()) {
    errno = ELOOP;
    return false;
  }
  std::string temp;
  UniqueFd fd = CreateLockedTemporary(FolderOf(target), NameOf(target), 0600, &temp);
  if (!fd.Valid())
    return false;
  unlink(temp.c_str());
  return true;
}

namespace {

// Repeats `step(done)`, one read or write of what is left after `done` bytes, until `count`
// bytes are moved or a step moves none; an interrupted step is tried again. Returns the bytes
// moved, or -1 when a step fails.
template <class Step>
ssize_t MoveFull(size_t count, Step step) {
  size_t done = 0;
  while (done < count) {
    const ssize_t n = step(done);
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

}  // namespace

ssize_t ReadFull(int fd, void* buffer, size_t count) {
  auto* bytes = static_cast<unsigned char*>(buffer);
  return MoveFull(count, [&](size_t done) { return read(fd, bytes + done, count - done); });
}

bool WriteFull(int fd, const void* buffer, size_t count) {
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  return MoveFull(count, [&](size_t done) { return write(fd, bytes + done, count - done); }) ==
         static_cast<ssize_t>(count);
}

}  // namespace orbello::platform
