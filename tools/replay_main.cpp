// quib-replay CAMPAIGN SLOT [INPUTS]: plays one level of a campaign through
// the play simulation with no window and no waiting, holding the keys an
// input file names at the frames it names, and prints how the level ended.
//
// Input lines: "F word..." with F >= 1 and words from flip up right down
// left; blank lines and lines starting with '#' are skipped. The keys are
// held at the key sampling that follows the showing of frame F.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "data/campaign_io.h"
#include "game/p_play.h"
#include "game/p_score.h"

namespace {

enum KeyBits : unsigned { HoldUp = 1, HoldRight = 2, HoldDown = 4, HoldLeft = 8, HoldFlip = 16 };

std::map<int32_t, unsigned> heldAtFrame;

void replayKeys(KeySample& keys) {
  keys = KeySample{false, Up, false, false};
  auto it = heldAtFrame.find(play.frameCount);
  if (it == heldAtFrame.end()) return;
  const unsigned bits = it->second;
  int groups = 0;
  for (int d = 0; d < 4; ++d) {
    if (bits & (1u << d)) {
      if (groups == 0) keys.direction = static_cast<Direction>(d);
      ++groups;
    }
  }
  keys.directionHeld = groups == 1;
  keys.actionHeld = (bits & HoldFlip) != 0;
}

bool parseFrame(const std::string& word, int32_t& frame) {
  if (word.empty() || word.size() > 10) return false;
  for (char c : word)
    if (c < '0' || c > '9') return false;
  const long long value = std::strtoll(word.c_str(), nullptr, 10);
  if (value < 1 || value > INT32_MAX) return false;
  frame = static_cast<int32_t>(value);
  return true;
}

bool keyBit(const std::string& word, unsigned& bit) {
  static const char* const names[] = {"up", "right", "down", "left", "flip"};
  for (unsigned i = 0; i < 5; ++i) {
    if (word == names[i]) {
      bit = 1u << i;
      return true;
    }
  }
  return false;
}

// Reads the input script; on a bad line writes one line to stderr and fails.
bool readInputs(const char* path) {
  std::ifstream in(path);
  if (!in) {
    std::fprintf(stderr, "quib-replay: cannot read input file %s\n", path);
    return false;
  }
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
    std::istringstream words(line);
    std::string word;
    int32_t frame = 0;
    words >> word;
    if (!parseFrame(word, frame)) {
      std::fprintf(stderr, "quib-replay: %s:%d: expected a frame number of 1 or more\n", path, lineNumber);
      return false;
    }
    unsigned bits = 0;
    int count = 0;
    while (words >> word) {
      unsigned bit;
      if (!keyBit(word, bit)) {
        std::fprintf(stderr, "quib-replay: %s:%d: unknown key '%s'\n", path, lineNumber, word.c_str());
        return false;
      }
      bits |= bit;
      ++count;
    }
    if (count == 0) {
      std::fprintf(stderr, "quib-replay: %s:%d: no keys after the frame number\n", path, lineNumber);
      return false;
    }
    heldAtFrame[frame] |= bits;
  }
  return true;
}

const char* resultName(LevelResult r) {
  switch (r) {
    case Exited: return "Exited";
    case Lost: return "Lost";
    case TimeExpired: return "TimeExpired";
    default: return "Quit";
  }
}

Campaign campaign;

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: quib-replay CAMPAIGN SLOT [INPUTS]\n");
    return 1;
  }
  std::ifstream file(argv[1]);
  if (!file || readCampaign(file, campaign) != 0) {
    std::fprintf(stderr, "quib-replay: %s is not a readable campaign\n", argv[1]);
    return 1;
  }
  int32_t slot = 0;
  if (!parseFrame(argv[2], slot) || slot > campaign.levelCount) {
    std::fprintf(stderr, "quib-replay: slot %s is not a level slot of %s (1..%d)\n", argv[2], argv[1],
                 campaign.levelCount);
    return 1;
  }
  const Level& level = campaign.level[slot - 1];
  if (validateLevel(level) != 0) {
    std::fprintf(stderr, "quib-replay: level %d of %s is not playable\n", slot, argv[1]);
    return 1;
  }
  if (argc == 4 && !readInputs(argv[3])) return 1;

  PlayHooks hooks = headlessHooks;
  hooks.sampleKeys = replayKeys;
  setPlayHooks(&hooks);

  int32_t lives = campaign.lives < 0 ? 0 : (campaign.lives > MaxLives ? MaxLives : campaign.lives);
  resetRun(lives);
  setupPlay(level, 0);
  const LevelResult result = runPlayLoop(false);

  std::printf("%s frames=%d score=%d lives=%d coins=%d taken=%d of=%d time=%.2f x=%.3f y=%.3f\n",
              resultName(result), play.frameCount, static_cast<int32_t>(run.score), run.lives,
              run.coinCounter, play.coinsTaken, play.coinsTotal, play.timeLeft, play.ball.x, play.ball.y);
  return 0;
}
