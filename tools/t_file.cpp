// Writing a file whole through a temporary file beside it.
#include "tools/t_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/i_files.h"

namespace {

// Writes the text with this system's line ends.
bool writeAll(int fd, const std::string& lines) {
  const std::string text = systemLineEnds(lines);
  const char* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const auto n = ::write(fd, p, static_cast<unsigned>(left));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

#ifndef O_BINARY
#define O_BINARY 0
#endif

// Opens the file itself, truncating it, and writes the text into it.
bool writeInPlace(const std::string& target, const std::string& text) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_BINARY, 0666);
  if (fd < 0) return false;
  bool ok = writeAll(fd, text);
  ok = ::close(fd) == 0 && ok;
  return ok;
}

}  // namespace

std::string resolveLink(const char* fileName) {
  std::string resolved;
  return followLink(fileName, resolved) == 0 ? resolved : std::string(fileName);
}

int makeTemporaryBeside(const std::string& target, std::string& tempName) {
  tempName = folderOf(target) + ".quib-new-XXXXXX";
  return createUniqueFile(tempName);
}

int replaceFileContents(const std::string& target, const std::string& text, NoTemporary otherwise) {
  const bool inPlace = otherwise == NoTemporary::WriteInPlace;
  // A link here points nowhere: renaming over it would turn it into a plain
  // file, so it is written through (which creates the file it names) or left.
  if (isSymbolicLink(target.c_str())) return inPlace && writeInPlace(target, text) ? 0 : 1;
  struct stat info {};
  const bool exists = stat(target.c_str(), &info) == 0;
  if (exists && !S_ISREG(info.st_mode)) return inPlace && writeInPlace(target, text) ? 0 : 1;

  std::string tempName;
  const int fd = makeTemporaryBeside(target, tempName);
  if (fd < 0) return inPlace && writeInPlace(target, text) ? 0 : 1;

  bool ok = writeAll(fd, text);
  ok = takeOverPermissions(fd, exists, info.st_mode, info.st_uid, info.st_gid) == 0 && ok;
  ok = flushToDisk(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  ok = ok && renameOver(tempName.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(tempName.c_str());
  return ok ? 0 : 1;
}
