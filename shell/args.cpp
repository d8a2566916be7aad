// The command-line scan: options are prefixes of a single argument, tested
// left to right in a fixed order; "-S" and "-R" end the scan where they stand.
#include "shell/args.h"

#include <cstring>

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The rest of a "-L" argument as a decimal number: leading blanks, an
// optional sign, then digits up to the first other character. No digits
// gives 0; a value beyond the 32-bit range is clamped to it.
int32_t readLevelNumber(const char* text) {
  while (isBlank(*text)) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') {
    negative = *text == '-';
    ++text;
  }
  // Accumulate as a negative number so that INT32_MIN fits exactly.
  const int64_t lowest = INT32_MIN;
  int64_t value = 0;
  while (*text >= '0' && *text <= '9') {
    value = value * 10 - (*text - '0');
    if (value < lowest) value = lowest;  // clamped; the remaining digits keep it there
    ++text;
  }
  if (!negative) {
    value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
  }
  return static_cast<int32_t>(value);
}

bool startsWith(const char* argument, const char* prefix) {
  return std::strncmp(argument, prefix, std::strlen(prefix)) == 0;
}

// The rest of a "-Z" argument: a factor from 1 to MaxWindowScale (larger
// ones are cut to it); nothing, or no factor of at least 1, means the
// largest that fits the desktop.
int32_t readWindowScale(const char* text) {
  const int32_t factor = readLevelNumber(text);
  if (factor < 1) return FitDesktopScale;
  return factor > MaxWindowScale ? MaxWindowScale : factor;
}

}  // namespace

void scanArgs(int argc, char** argv, StartOptions& options) {
  options.editorMode = false;
  std::memset(options.editorFile, 0, sizeof options.editorFile);
  options.editorLevel = 0;
  options.flagN = true;
  options.windowScale = 1;
  options.action = RunGame;
  options.createFile = "";

  for (int i = 1; i < argc && argv != nullptr; ++i) {
    const char* argument = argv[i];
    if (argument == nullptr) break;
    if (startsWith(argument, "-L")) {
      options.editorLevel = readLevelNumber(argument + 2);
    } else if (startsWith(argument, "-E")) {
      options.editorMode = true;
      std::memset(options.editorFile, 0, sizeof options.editorFile);
      std::strncpy(options.editorFile, argument + 2, sizeof options.editorFile - 1);
    } else if (startsWith(argument, "-S")) {
      options.action = RunCreate;
      options.createFile = argument + 2;
      return;
    } else if (startsWith(argument, "-R")) {
      options.action = RunShuffle;
      return;
    } else if (startsWith(argument, "-Z")) {
      options.windowScale = readWindowScale(argument + 2);
    } else if (std::strcmp(argument, "-N") == 0) {
      options.flagN = false;
    } else if (std::strcmp(argument, "--help") == 0) {
      options.action = ShowHelp;
      return;
    } else if (std::strcmp(argument, "--version") == 0) {
      options.action = ShowVersion;
      return;
    }
    // Anything else is ignored without a message.
  }
}

const char usageText[] =
    "usage: quib [OPTION]...\n"
    "A keyboard-only arcade physics puzzle. Without options: the title screen\n"
    "and the wheel of campaigns. Each option is one argument.\n"
    "  -LLEVEL     the level the editor opens on\n"
    "  -EFILE      edit the campaign FILE instead of playing\n"
    "  -SFILE      ask for a name and a description, write an empty campaign\n"
    "  -R          shuffle the levels of the campaign on standard input\n"
    "  -Z[FACTOR]  a window FACTOR times as large; alone, the largest that fits\n"
    "  -N          accepted; changes nothing\n"
    "  --help      this text\n"
    "  --version   the version\n"
    "Keys: F1 on the title, in play and in the editor shows the keys of the screen.\n";
