// Replacing a file's contents as one step: the new bytes go to a temporary beside the file and
// are renamed over it only once they are all on disk, so a failure part of the way leaves the old
// file whole and a crash leaves either the old or the new one.
#pragma once

#include <string>

namespace orbello::skinfile {

// Follows `path` while it is a symbolic link (a relative link counts from the link's own folder)
// and returns the name of the file it finally stands for, which need not exist yet. The path as
// given when it is no link; empty when the links go round in a circle or cannot be read.
std::string ResolveLinkTarget(const std::string& path);

// Replaces the contents of `path` with `bytes`. A symbolic link stays a link: the file it points
// to is replaced. The temporary is created exclusively in that file's folder, written, flushed and
// renamed over it, and the folder is flushed. A new file gets mode 0644 less the umask, a replaced
// one keeps its mode. False with the reason in *error (when given); the old file is then untouched
// and no temporary is left.
bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string* error);

}  // namespace orbello::skinfile
