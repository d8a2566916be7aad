// Files, folders and the console on Linux and other POSIX systems.
#include "platform/i_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

const char FolderSeparator[] = "/";

bool isFolderSeparator(char c) { return c == '/'; }

std::string folderOf(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

const char* installedCampaignFolder() { return nullptr; }

bool isSymbolicLink(const char* path) {
  struct stat info;
  return lstat(path, &info) == 0 && S_ISLNK(info.st_mode);
}

int followLink(const char* path, std::string& resolved) {
  if (!isSymbolicLink(path)) return 1;
  char buffer[PATH_MAX];
  if (realpath(path, buffer) == nullptr) return 1;
  resolved = buffer;
  return 0;
}

int createUniqueFile(std::string& pattern) { return mkstemp(&pattern[0]); }

std::string systemLineEnds(const std::string& text) { return text; }

int takeOverPermissions(int fd, bool replacing, unsigned mode, unsigned owner, unsigned group) {
  if (!replacing) {
    const mode_t mask = umask(0);
    umask(mask);
    return fchmod(fd, 0666 & ~mask) == 0 ? 0 : 1;
  }
  const int given = fchmod(fd, static_cast<mode_t>(mode & 07777));
  // A plain user cannot give a file away, and the file is theirs then anyway.
  const int owned = fchown(fd, static_cast<uid_t>(owner), static_cast<gid_t>(group));
  (void)owned;
  return given == 0 ? 0 : 1;
}

int flushToDisk(int fd) { return fsync(fd) == 0 ? 0 : 1; }

int renameOver(const char* from, const char* to) { return std::rename(from, to) == 0 ? 0 : 1; }

void useStartingConsole() {}
