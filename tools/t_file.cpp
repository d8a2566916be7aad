// Writing a file whole through a temporary file beside it.
#include "tools/t_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

// The directory part of `path` with its trailing '/', or "" for a bare name.
std::string directoryOf(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool writeAll(int fd, const std::string& text) {
  const char* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Opens the file itself, truncating it, and writes the text into it.
bool writeInPlace(const std::string& target, const std::string& text) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) return false;
  bool ok = writeAll(fd, text);
  ok = ::close(fd) == 0 && ok;
  return ok;
}

mode_t newFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string resolveLink(const char* fileName) {
  struct stat info;
  if (lstat(fileName, &info) == 0 && S_ISLNK(info.st_mode)) {
    char resolved[PATH_MAX];
    if (realpath(fileName, resolved) != nullptr) return resolved;
  }
  return fileName;
}

int makeTemporaryBeside(const std::string& target, std::string& tempName) {
  tempName = directoryOf(target) + ".quib-new-XXXXXX";
  return mkstemp(&tempName[0]);
}

int replaceFileContents(const std::string& target, const std::string& text, NoTemporary otherwise) {
  const bool inPlace = otherwise == NoTemporary::WriteInPlace;
  struct stat info;
  // A link here points nowhere: renaming over it would turn it into a plain
  // file, so it is written through (which creates the file it names) or left.
  if (lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
    return inPlace && writeInPlace(target, text) ? 0 : 1;
  const bool exists = stat(target.c_str(), &info) == 0;
  if (exists && !S_ISREG(info.st_mode)) return inPlace && writeInPlace(target, text) ? 0 : 1;

  std::string tempName;
  const int fd = makeTemporaryBeside(target, tempName);
  if (fd < 0) return inPlace && writeInPlace(target, text) ? 0 : 1;

  bool ok = writeAll(fd, text);
  ok = fchmod(fd, exists ? (info.st_mode & 07777) : newFileMode()) == 0 && ok;
  if (exists) {
    // Keep the owner and group where allowed; a plain user cannot give a
    // file away, and the file is theirs then anyway.
    const int owned = fchown(fd, info.st_uid, info.st_gid);
    (void)owned;
  }
  ok = fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  ok = ok && std::rename(tempName.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(tempName.c_str());
  return ok ? 0 : 1;
}
