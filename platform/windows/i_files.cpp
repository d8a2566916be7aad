// Files, folders and the console on Windows.
#include "platform/i_files.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <direct.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

const char FolderSeparator[] = "\\";

bool isFolderSeparator(char c) { return c == '/' || c == '\\'; }

std::string folderOf(const std::string& path) {
  const std::string::size_type separator = path.find_last_of("/\\");
  if (separator != std::string::npos) return path.substr(0, separator + 1);
  // "C:name" is a name in the current folder of drive C.
  if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
  return std::string();
}

// The installer's folder, C:\Program Files\QUIB (names ignore case here).
const char* installedCampaignFolder() { return "c:\\program files\\quib\\"; }

// Beside the other programs' settings of this user.
int systemRecordsFolder(char* folder, int size) {
  const char* appData = std::getenv("APPDATA");
  if (folder == nullptr || size < 1 || appData == nullptr || appData[0] == '\0') return 1;
  const int written = std::snprintf(folder, size, "%s\\QUIB\\", appData);
  if (written < 0 || written >= size) {
    folder[0] = '\0';
    return 1;
  }
  return 0;
}

bool isSymbolicLink(const char*) { return false; }

int followLink(const char*, std::string&) { return 1; }

int createUniqueFile(std::string& pattern) {
  const std::string::size_type size = pattern.size();
  if (size < 6) return -1;
  // Names from the process, the clock and a counter; a name taken by
  // another file is skipped by the exclusive create.
  static unsigned counter = 0;
  const char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < 1000; ++attempt) {
    unsigned value = GetCurrentProcessId() * 2654435761u ^ GetTickCount() ^ (++counter * 40503u);
    for (std::string::size_type i = size - 6; i < size; ++i) {
      pattern[i] = digits[value % 36];
      value /= 36;
    }
    const int fd = _open(pattern.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                         _S_IREAD | _S_IWRITE);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

std::string systemLineEnds(const std::string& text) {
  std::string crlf;
  crlf.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

// A file to be replaced must be writable, so it carries no read-only mark
// over; owners are not the program's to keep.
int takeOverPermissions(int, bool, unsigned, unsigned, unsigned) { return 0; }

int flushToDisk(int fd) { return _commit(fd) == 0 ? 0 : 1; }

int renameOver(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : 1;
}

void useStartingConsole() {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  const bool noOut = out == nullptr || out == INVALID_HANDLE_VALUE;
  const bool noIn = in == nullptr || in == INVALID_HANDLE_VALUE;
  if (!noOut && !noIn) return;
  // Started from the desktop there is no console to join, and nothing to do.
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (noOut) {
    if (std::freopen("CONOUT$", "w", stdout) == nullptr) return;
    if (std::freopen("CONOUT$", "w", stderr) == nullptr) return;
  }
  if (noIn && std::freopen("CONIN$", "r", stdin) == nullptr) return;
}

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
  // Each prefix that ends before a separator (past a drive such as "C:"),
  // then the whole path.
  for (size_t i = 1; i <= length; ++i) {
    if (i < length && !isFolderSeparator(partial[i])) continue;
    if (i == 2 && partial[1] == ':') continue;
    const char kept = partial[i];
    partial[i] = '\0';
    if (_mkdir(partial) != 0 && errno != EEXIST) {
      const int error = errno;
      partial[i] = kept;
      return failWith(error);
    }
    partial[i] = kept;
  }
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return failWith(ENOENT);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return failWith(ENOTDIR);
  return 0;
}

int replaceFile(const char* from, const char* to) {
  if (renameOver(from, to) != 0) return failWith(EACCES);
  return 0;
}

bool fileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

int writeWholeFile(const char* path, const char* bytes, unsigned long size) {
  const int fd = _open(path, _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return failWith(errno);
  unsigned long done = 0;
  while (done < size) {
    const int n = _write(fd, bytes + done, static_cast<unsigned>(size - done));
    if (n <= 0) {
      const int error = errno;
      _close(fd);
      return failWith(error);
    }
    done += static_cast<unsigned long>(n);
  }
  if (_commit(fd) != 0) {
    const int error = errno;
    _close(fd);
    return failWith(error);
  }
  if (_close(fd) != 0) return failWith(errno);
  return 0;
}

const char* lastFileError() { return std::strerror(savedError); }
