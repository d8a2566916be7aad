// Input scripts: the keys a headless run of a level holds, frame by frame.
// quib-replay plays them and quib-lab plays, measures and writes them.
//
// A line is "F word..." with F >= 1 and words from up right down left flip;
// blank lines and lines starting with '#' are skipped. The keys are held at
// the key sampling that follows the showing of frame F. Two lines with the
// same F hold the keys of both.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/p_play.h"

// Bit i of a key set is keyNames[i].
enum KeyBits : unsigned { HoldUp = 1, HoldRight = 2, HoldDown = 4, HoldLeft = 8, HoldFlip = 16 };
constexpr int KeyCount = 5;
extern const char* const keyNames[KeyCount];

struct InputPress {
  int32_t frame;
  unsigned keys;  // KeyBits
};

// A decimal number from 1 to INT32_MAX and nothing else (frames and slots).
bool parsePositive(const std::string& word, int32_t& value);

// The key bit of a key word; false for a word that is not a key.
bool keyBit(const std::string& word, unsigned& bit);

// Appends the lines of the script at `path` to `presses`, in file order.
// An unreadable file or a bad line: one line "PROGRAM: ..." on stderr,
// status 1. Otherwise 0.
int readInputScript(const char* path, const char* program, std::vector<InputPress>& presses);

// The sample of a frame that holds `keys`: a direction counts only when it
// is the one direction held, as with the keyboard's direction groups.
void sampleHeldKeys(unsigned keys, KeySample& sample);
