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

// The rest of a "-Z" argument: nothing means the largest factor that fits
// the desktop; otherwise digits alone, a whole number from 1 up (one too
// large is lowered when the window opens). Anything else is BadWindowScale.
int32_t readWindowScale(const char* text) {
  if (*text == '\0') return FitDesktopScale;
  for (const char* c = text; *c != '\0'; ++c)
    if (*c < '0' || *c > '9') return BadWindowScale;
  const int32_t factor = readLevelNumber(text);
  return factor < 1 ? BadWindowScale : factor;
}

}  // namespace

void scanArgs(int argc, char** argv, StartOptions& options) {
  options.editorMode = false;
  std::memset(options.editorFile, 0, sizeof options.editorFile);
  options.editorLevel = 0;
  options.flagN = true;
  options.windowScale = 1;
  options.silent = false;
  options.scaleArgument = "";
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
      options.scaleArgument = argument;
    } else if (std::strcmp(argument, "-N") == 0) {
      options.flagN = false;
    } else if (std::strcmp(argument, "-Q") == 0) {
      options.silent = true;
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
    "  -Q          no sound\n"
    "  --help      this text\n"
    "  --version   the version\n"
    "Keys: F1 on the title, in play and in the editor shows the keys of the screen.\n";
