// Small POSIX file helpers shared by the file formats: descriptors that close themselves, whole
// reads and writes, and "opened without sharing" as an exclusive advisory lock.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

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

  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }
  int Release();
  // Closes the descriptor; false when close reported an error (e.g. a failed delayed write).
  bool Reset();

 private:
  int fd_ = -1;
};

// open(2) that never blocks on what is not a regular file: the open is non-blocking (a FIFO
// without a writer or a device cannot stall it), then anything that fstat does not call a regular
// file (a folder, a FIFO, /dev/zero) is refused with errno EINVAL; O_NONBLOCK is cleared again
// before the descriptor is returned. O_CLOEXEC and O_NOCTTY are always added. Invalid on any
// failure (errno tells which).
UniqueFd OpenRegularFile(const std::string& path, int flags, mode_t mode = 0644);

// OpenRegularFile, then an exclusive flock that fails at once when another open file description
// holds one.
UniqueFd OpenUnshared(const std::string& path, int flags, mode_t mode = 0644);

// Reads the whole regular file `path` (opened with OpenRegularFile) into *out when it holds at
// most `max_bytes`; never reads more than max_bytes + 1 bytes, even from a file that grows. On
// failure returns false, leaves *out empty and sets *error (when given) to the errno: that of
// open or read, EINVAL for what is not a regular file, EFBIG for a file over max_bytes.
bool ReadRegularFile(const std::string& path, size_t max_bytes, std::string* out,
                     int* error = nullptr);

// Maps the whole regular file `path` (opened with OpenRegularFile) read-only for the rest of the
// process when it holds 1 to `max_bytes` bytes, and sets *size; nullptr on any failure. Only the
// pages read are brought in. The file must not shrink while mapped: for files the program ships.
const unsigned char* MapRegularFile(const std::string& path, size_t max_bytes, size_t* size);

// Reads until `count` bytes or end of file; returns the bytes read, or -1 on an error.
ssize_t ReadFull(int fd, void* buffer, size_t count);
// Writes all `count` bytes; false on an error or a write that makes no progress.
bool WriteFull(int fd, const void* buffer, size_t count);

// The name that a write to `path` really reaches: symbolic links are followed, also to a target
// that does not exist yet. `path` itself when it is no link; empty after too many links.
std::string FinalTarget(const std::string& path);

// How ReplaceFile treats the new file.
struct ReplaceOptions {
  // Permissions of the new file; without them an existing file keeps its own and a new one gets
  // what a plain create gives (0644 less the umask).
  std::optional<mode_t> mode;
  // The existing file is held "without sharing" (OpenUnshared for writing) meanwhile: one that
  // another process holds, or that may not be written, fails the replace and stays as it is.
  bool hold_existing = false;
};

// Replaces the file `path` as a whole: `write` fills a new temporary file in the same folder,
// which is then flushed and renamed over the file, and the folder is flushed, so that a failure
// or a kill at any moment leaves either the old file or the new one. A link is kept and its target
// replaced. Before that, temporaries that a killed replace left in the folder are removed; a live
// one of another process is told apart by the lock it holds (see IsReplaceTemporaryName). On
// failure the temporary is removed and false returned with errno set.
bool ReplaceFile(const std::string& path, const std::function<bool(int fd)>& write,
                 const ReplaceOptions& options = {});
bool ReplaceFile(const std::string& path, std::string_view bytes,
                 const ReplaceOptions& options = {});

// True for the names of ReplaceFile's temporaries, ".orbello-tmp.<name>.XXXXXX" (six letters or
// digits), and for nothing a player or another program would make.
bool IsReplaceTemporaryName(std::string_view name);

// Creates and removes a ReplaceFile temporary beside `path`: false (errno set) when a replace
// there could not even begin, e.g. in a folder that may not be written.
bool CanReplaceIn(const std::string& path);

// Flushes the folder that holds `path` ("." for a bare name), so that a rename into it survives a
// crash. Best effort: a folder that cannot be opened is left as it is.
void SyncFolderOf(const std::string& path);

}  // namespace orbello::platform
