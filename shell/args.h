// The command-line scan.
#pragma once
#include <cstdint>

enum ArgAction : int32_t { RunGame = 0, RunCreate = 1, RunShuffle = 2, ShowHelp = 3, ShowVersion = 4 };

// The largest whole-number window scale; 0 asks for the largest that fits
// the desktop, -1 marks a "-Z" value that is not a whole number from 1 up.
constexpr int32_t MaxWindowScale = 8;
constexpr int32_t FitDesktopScale = 0;
constexpr int32_t BadWindowScale = -1;

struct StartOptions {
  bool editorMode;          // "-E"
  char editorFile[256];     // rest of the "-E" argument, at most 255 characters
  int32_t editorLevel;      // "-L"
  bool flagN;               // "-N" clears it; nothing consults it
  int32_t windowScale;      // "-Z": 1 without it, FitDesktopScale for "-Z" alone
  bool silent;              // "-Q": no sound
  const char* scaleArgument;  // the "-Z" argument that set it (points into argv)
  ArgAction action;         // what the scan met first of "-S" / "-R"
  const char* createFile;   // rest of the "-S" argument (points into argv)
};

void scanArgs(int argc, char** argv, StartOptions& options);

// The usage text of "--help": one line an option, in the order of the scan.
extern const char usageText[];
