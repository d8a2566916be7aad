// Saving the edited campaign: which levels go into the file, and a write
// that never leaves a half-written campaign behind.
#include "tools/e_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "data/campaign_io.h"

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

// Opens the file itself, truncating it, and writes the text into it. Used
// where no temporary file can take its place (a directory the program may
// not write in, a link to nowhere, a device).
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

bool replaceFile(const char* fileName, const std::string& text) {
  std::string target = fileName;
  struct stat info;
  if (lstat(fileName, &info) == 0 && S_ISLNK(info.st_mode)) {
    // Replace what the link points at, not the link itself.
    char resolved[PATH_MAX];
    if (realpath(fileName, resolved) == nullptr) return writeInPlace(target, text);
    target = resolved;
  }

  const bool exists = stat(target.c_str(), &info) == 0;
  if (exists) {
    if (S_ISDIR(info.st_mode)) return false;
    // A file nobody may write to is read-only, also for a user whom the
    // system would let write anyway.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    if (::access(target.c_str(), W_OK) != 0) return false;
    if (!S_ISREG(info.st_mode)) return writeInPlace(target, text);
  }

  std::string tempName = directoryOf(target) + ".quib-save-XXXXXX";
  const int fd = mkstemp(&tempName[0]);
  if (fd < 0) return writeInPlace(target, text);

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
  return ok;
}

}  // namespace

int saveCampaign(Campaign& campaign, const char* fileName) {
  const int32_t slots = campaign.levelCount < 0
                            ? 0
                            : (campaign.levelCount > MaxLevels ? MaxLevels : campaign.levelCount);
  int32_t valid = 0;
  int32_t lastValid = 0;
  for (int32_t i = 0; i < slots; ++i) {
    if (validateLevel(campaign.level[i]) != 0) continue;
    ++valid;
    lastValid = i;
  }
  campaign.levels = valid;

  // Slots after the last valid level are not written; with no valid level
  // at all the first slot still is, so the work on it is not lost.
  const int32_t keptCount = campaign.levelCount;
  campaign.levelCount = lastValid + 1 < slots ? lastValid + 1 : slots;
  std::ostringstream text;
  writeCampaign(text, campaign);
  campaign.levelCount = keptCount;

  if (fileName == nullptr || fileName[0] == '\0' || !text) return 1;
  return replaceFile(fileName, text.str()) ? 0 : 1;
}
