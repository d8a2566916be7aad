// Input scripts for headless play.
#include "tools/t_inputs.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

const char* const keyNames[KeyCount] = {"up", "right", "down", "left", "flip"};

bool parsePositive(const std::string& word, int32_t& value) {
  if (word.empty() || word.size() > 10) return false;
  for (char c : word)
    if (c < '0' || c > '9') return false;
  const long long v = std::strtoll(word.c_str(), nullptr, 10);
  if (v < 1 || v > INT32_MAX) return false;
  value = static_cast<int32_t>(v);
  return true;
}

bool keyBit(const std::string& word, unsigned& bit) {
  for (int i = 0; i < KeyCount; ++i) {
    if (word == keyNames[i]) {
      bit = 1u << i;
      return true;
    }
  }
  return false;
}

int readInputScript(const char* path, const char* program, std::vector<InputPress>& presses) {
  std::ifstream in(path);
  if (!in) {
    std::fprintf(stderr, "%s: cannot read input file %s\n", program, path);
    return 1;
  }
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    // A script saved with DOS line ends must mean the same keys.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
    std::istringstream words(line);
    std::string word;
    InputPress press{0, 0};
    words >> word;
    if (!parsePositive(word, press.frame)) {
      std::fprintf(stderr, "%s: %s:%d: expected a frame number of 1 or more\n", program, path, lineNumber);
      return 1;
    }
    int count = 0;
    while (words >> word) {
      unsigned bit;
      if (!keyBit(word, bit)) {
        std::fprintf(stderr, "%s: %s:%d: unknown key '%s'\n", program, path, lineNumber, word.c_str());
        return 1;
      }
      press.keys |= bit;
      ++count;
    }
    if (count == 0) {
      std::fprintf(stderr, "%s: %s:%d: no keys after the frame number\n", program, path, lineNumber);
      return 1;
    }
    presses.push_back(press);
  }
  return 0;
}

void sampleHeldKeys(unsigned keys, KeySample& sample) {
  sample = KeySample{false, Up, false, false};
  int groups = 0;
  for (int d = 0; d < 4; ++d) {
    if (keys & (1u << d)) {
      if (groups == 0) sample.direction = static_cast<Direction>(d);
      ++groups;
    }
  }
  sample.directionHeld = groups == 1;
  sample.actionHeld = (keys & HoldFlip) != 0;
}
