// Files, folders and the console on Linux and other POSIX systems.
#include "platform/i_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

const char FolderSeparator[] = "/";

bool isFolderSeparator(char c) { return c == '/'; }

std::string folderOf(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

const char* installedCampaignFolder() { return nullptr; }

int systemRecordsFolder(char*, int) { return 1; }

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

// The records' file calls.
namespace {

int savedError = 0;

int failWith(int error) {
  savedError = error;
  return 1;
}

}  // namespace

int makeFolders(const char* path) {
  if (path == nullptr || path[0] == '\0') return failWith(ENOENT);
  char partial[4096];
  const size_t length = std::strlen(path);
  if (length >= sizeof partial) return failWith(ENAMETOOLONG);
  std::memcpy(partial, path, length + 1);
  // Each prefix that ends before a slash, then the whole path.
  for (size_t i = 1; i <= length; ++i) {
    if (i < length && partial[i] != '/') continue;
    const char kept = partial[i];
    partial[i] = '\0';
    if (mkdir(partial, 0755) != 0 && errno != EEXIST) {
      const int error = errno;
      partial[i] = kept;
      return failWith(error);
    }
    partial[i] = kept;
  }
  struct stat info;
  if (stat(path, &info) != 0) return failWith(errno);
  if (!S_ISDIR(info.st_mode)) return failWith(ENOTDIR);
  return 0;
}

int replaceFile(const char* from, const char* to) {
  if (std::rename(from, to) != 0) return failWith(errno);
  return 0;
}

bool fileExists(const char* path) {
  struct stat info;
  return lstat(path, &info) == 0;
}

int writeWholeFile(const char* path, const char* bytes, unsigned long size) {
  const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return failWith(errno);
  unsigned long done = 0;
  while (done < size) {
    const ssize_t n = write(fd, bytes + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      close(fd);
      return failWith(error);
    }
    done += static_cast<unsigned long>(n);
  }
  if (fsync(fd) != 0) {
    const int error = errno;
    close(fd);
    return failWith(error);
  }
  if (close(fd) != 0) return failWith(errno);
  return 0;
}

const char* lastFileError() { return std::strerror(savedError); }
