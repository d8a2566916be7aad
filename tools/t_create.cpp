// Console campaign creation: asks for a campaign's name and description on
// the console and writes a campaign file holding the header alone.
//
// An existing file is never lost: the tool checks up front that it could
// replace the file, asks its questions with the file untouched, and only
// then writes the new contents to a temporary file in the same directory
// and renames it over the target, so the target holds either its old
// contents or the complete new campaign, never a part of one. Only where
// the directory allows no new file (a writable file in a closed, shared
// directory) is the file itself rewritten, still after both answers.
#include "tools/t_create.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <istream>
#include <ostream>
#include <string>

#include "platform/i_files.h"
#include "tools/t_file.h"

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

// Checks, without changing an existing file, that `target` can be written.
// Sets `created` when the check had to create `target` (it is removed again
// if the tool fails). An existing file in a directory where no temporary
// file can be made beside it is still writable: it is then rewritten in
// place once both answers are in.
bool checkWritable(const std::string& target, bool& created) {
  // A link that still points nowhere after resolving is not replaced: the
  // rename would turn it into a plain file, and a failure would remove it.
  if (isSymbolicLink(target.c_str())) return false;
  struct stat info;
  bool existed = stat(target.c_str(), &info) == 0;
  // Only a regular file is replaced: a device or a pipe would be swapped
  // for a plain file by the rename (and opening a pipe here would wait for
  // a reader).
  if (existed && !S_ISREG(info.st_mode)) return false;
  int fd = ::open(target.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0666);
  if (fd < 0) return false;
  ::close(fd);
  created = !existed;

  if (existed) return true;

  std::string tempName;
  int tempFd = makeTemporaryBeside(target, tempName);
  if (tempFd < 0) {
    ::unlink(target.c_str());
    created = false;
    return false;
  }
  ::close(tempFd);
  ::unlink(tempName.c_str());
  return true;
}

}  // namespace

int createCampaignFile(const char* fileName, std::istream& in, std::ostream& out) {
  if (fileName == nullptr || fileName[0] == '\0') {
    out << "No filename given.\n" << std::flush;
    return 1;
  }
  out << fileName << '\n' << std::flush;

  // A link keeps pointing at the rewritten file.
  const std::string target = resolveLink(fileName);
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
  // Only a regular file or a new one gets here (checkWritable), so writing
  // in place is the fallback for a directory closed to temporary files.
  if (replaceFileContents(target, contents, NoTemporary::WriteInPlace) != 0) {
    out << CannotWrite << '\n' << std::flush;
    return fail();
  }
  return 0;
}
