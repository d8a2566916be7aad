// Console campaign creation: asks for a campaign's name and description on
// the console and writes a campaign file holding the header alone.
//
// An existing file is never lost: the tool checks up front that it could
// replace the file, asks its questions with the file untouched, and only
// then writes the new contents to a temporary file in the same directory
// and renames it over the target, so the target holds either its old
// contents or the complete new campaign, never a part of one.
#include "tools/t_create.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <ostream>
#include <string>

namespace {

constexpr int MaxNameLength = 20;
constexpr int MaxDescLength = 80;

const char* const CannotWrite = "Couldn't create file for writing.";

// One answer typed at the console. `length` counts the characters of the
// line without its line end (a CR before the LF belongs to the line end);
// at most `MaxDescLength + 1` of them are kept in `text`.
struct Answer {
  char text[MaxDescLength + 2];
  long length;
};

// Reads one line into `answer`. Returns false when the input ends (or
// fails) before a single character of the line was read.
bool readAnswer(std::istream& in, Answer& answer) {
  constexpr long Keep = MaxDescLength + 1;
  long count = 0;
  bool lastWasCR = false;
  bool lineEnded = false;
  char c = 0;
  while (in.get(c)) {
    if (c == '\n') {
      lineEnded = true;
      break;
    }
    if (count < Keep) answer.text[count] = c;
    if (count < LONG_MAX) ++count;
    lastWasCR = c == '\r';
  }
  if (count == 0 && !lineEnded) return false;  // nothing read at all
  if (lastWasCR) --count;
  answer.length = count;
  answer.text[count < Keep ? count : Keep] = '\0';
  return true;
}

// Asks `question` until a non-empty line is typed. False when the input
// ends first; nothing more is written then.
bool ask(std::istream& in, std::ostream& out, const char* question, Answer& answer) {
  do {
    out << question << std::flush;
    if (!readAnswer(in, answer)) return false;
  } while (answer.length == 0);
  return true;
}

// The directory part of `path` with a trailing '/', or "" for a bare name.
std::string directoryOf(const std::string& path) {
  std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Where the new contents finally go: the file itself, or the file a
// symbolic link points at, so that a link is not replaced by a plain file.
std::string resolveTarget(const char* fileName) {
  struct stat info;
  if (lstat(fileName, &info) == 0 && S_ISLNK(info.st_mode)) {
    char resolved[PATH_MAX];
    if (realpath(fileName, resolved) != nullptr) return resolved;
  }
  return fileName;
}

// Creates an empty temporary file next to `target`; -1 when that fails.
int makeTemporary(const std::string& target, std::string& tempName) {
  tempName = directoryOf(target) + ".quib-new-XXXXXX";
  std::string buffer = tempName;
  int fd = mkstemp(&buffer[0]);
  tempName = buffer;
  return fd;
}

bool writeAll(int fd, const std::string& text) {
  const char* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Checks, without changing an existing file, that `target` can be written
// and that a temporary file can be made beside it. Sets `created` when the
// check had to create `target` (it is removed again if the tool fails).
bool checkWritable(const std::string& target, bool& created) {
  struct stat info;
  // A link that still points nowhere after resolving is not replaced: the
  // rename would turn it into a plain file, and a failure would remove it.
  if (lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) return false;
  bool existed = stat(target.c_str(), &info) == 0;
  int fd = ::open(target.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0666);
  if (fd < 0) return false;
  ::close(fd);
  created = !existed;

  std::string tempName;
  int tempFd = makeTemporary(target, tempName);
  if (tempFd < 0) {
    if (created) ::unlink(target.c_str());
    created = false;
    return false;
  }
  ::close(tempFd);
  ::unlink(tempName.c_str());
  return true;
}

// Replaces `target` with `contents` through a temporary file and a rename.
// The new file gets the old file's permissions, or the usual ones of a new
// file when there was none.
bool replaceFile(const std::string& target, const std::string& contents, bool created) {
  mode_t mode;
  struct stat info;
  if (!created && stat(target.c_str(), &info) == 0) {
    mode = info.st_mode & 07777;
  } else {
    mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }

  std::string tempName;
  int fd = makeTemporary(target, tempName);
  if (fd < 0) return false;
  bool ok = writeAll(fd, contents);
  ok = fchmod(fd, mode) == 0 && ok;
  ok = fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  ok = ok && std::rename(tempName.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(tempName.c_str());
  return ok;
}

}  // namespace

int createCampaignFile(const char* fileName, std::istream& in, std::ostream& out) {
  if (fileName == nullptr || fileName[0] == '\0') {
    out << "No filename given.\n" << std::flush;
    return 1;
  }
  out << fileName << '\n' << std::flush;

  const std::string target = resolveTarget(fileName);
  bool created = false;
  if (!checkWritable(target, created)) {
    out << CannotWrite << '\n' << std::flush;
    return 1;
  }

  // From here on every failure removes a file this tool created itself;
  // a file that was there before keeps its contents.
  auto fail = [&]() {
    if (created) ::unlink(target.c_str());
    return 1;
  };

  Answer name;
  if (!ask(in, out, "Name: ", name)) return fail();
  if (name.length > MaxNameLength) {
    out << "Name too long.\n" << std::flush;
    return fail();
  }

  Answer desc;
  if (!ask(in, out, "Description: ", desc)) return fail();
  if (desc.length > MaxDescLength) {
    out << "Description too long.\n" << std::flush;
    return fail();
  }

  std::string contents;
  contents += "name ";
  contents.append(name.text, static_cast<std::size_t>(name.length));
  contents += "\ndesc ";
  contents.append(desc.text, static_cast<std::size_t>(desc.length));
  contents += "\nlevels 0\nlives 0\n";
  if (!replaceFile(target, contents, created)) {
    out << CannotWrite << '\n' << std::flush;
    return fail();
  }
  return 0;
}
