#include "skinfile/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <vector>

#include "platform/core/files.h"

namespace orbello::skinfile {
namespace {

// As many links as the kernel follows in one path before it gives up with ELOOP.
constexpr int kMaxLinks = 40;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void SetError(std::string* error, const std::string& what, int code) {
  if (error != nullptr)
    *error = what + ": " + std::strerror(code);
}

// A name no other entry of the folder has, made by exclusive creation; a dot hides it from
// listings while it exists.
platform::UniqueFd CreateTemporary(const std::string& folder, const std::string& name, mode_t mode,
                                   std::string* temp) {
  std::random_device random;
  std::uniform_int_distribution<int> digit(0, 35);
  const char* const kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate = folder + "/." + name + ".";
    for (int i = 0; i < 6; ++i)
      candidate += kDigits[digit(random)];
    platform::UniqueFd fd(
        open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (fd.Valid()) {
      *temp = candidate;
      return fd;
    }
    if (errno != EEXIST)
      return fd;
  }
  errno = EEXIST;
  return platform::UniqueFd();
}

}  // namespace

std::string ResolveLinkTarget(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    struct stat st {};
    if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
      return current;
    std::vector<char> target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1);
    const ssize_t length = readlink(current.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<size_t>(length) >= target.size())
      return std::string();
    std::string next(target.data(), static_cast<size_t>(length));
    if (next.empty())
      return std::string();
    current = next.front() == '/' ? next : FolderOf(current) + "/" + next;
  }
  return std::string();
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string* error) {
  const std::string target = ResolveLinkTarget(path);
  if (target.empty()) {
    SetError(error, path, ELOOP);
    return false;
  }
  const std::string folder = FolderOf(target);
  mode_t mode = 0644;  // less the umask, as any newly created file
  bool keep_mode = false;
  struct stat st {};
  if (stat(target.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
    keep_mode = true;
  } else if (errno != ENOENT) {
    SetError(error, target, errno);
    return false;
  }
  std::string temp;
  platform::UniqueFd fd = CreateTemporary(folder, NameOf(target), mode, &temp);
  if (!fd.Valid()) {
    SetError(error, folder, errno);
    return false;
  }
  const auto fail = [&](const std::string& what) {
    const int code = errno;
    fd.Reset();
    unlink(temp.c_str());
    SetError(error, what, code);
    return false;
  };
  // The umask applied to the creation only; a replaced file keeps exactly the mode it had.
  if (keep_mode && fchmod(fd.Get(), mode) != 0)
    return fail(temp);
  if (!platform::WriteFull(fd.Get(), bytes.data(), bytes.size()) || fsync(fd.Get()) != 0)
    return fail(temp);
  if (!fd.Reset())
    return fail(temp);
  if (rename(temp.c_str(), target.c_str()) != 0)
    return fail(target);
  platform::SyncFolderOf(target);
  return true;
}

}  // namespace orbello::skinfile
