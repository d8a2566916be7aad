// quib-replay CAMPAIGN SLOT [INPUTS]: plays one level of a campaign through
// the play simulation with no window and no waiting, holding the keys an
// input file names at the frames it names, and prints how the level ended.
//
// The input file is an input script (tools/t_inputs.h).
#include <cstdio>
#include <fstream>
#include <map>
#include <vector>

#include "data/campaign_io.h"
#include "game/p_play.h"
#include "game/p_score.h"
#include "tools/t_inputs.h"

namespace {

std::map<int32_t, unsigned> heldAtFrame;

void replayKeys(KeySample& keys) {
  auto it = heldAtFrame.find(play.frameCount);
  sampleHeldKeys(it == heldAtFrame.end() ? 0u : it->second, keys);
}

// Reads the input script; on a bad line writes one line to stderr and fails.
bool readInputs(const char* path) {
  std::vector<InputPress> presses;
  if (readInputScript(path, "quib-replay", presses) != 0) return false;
  for (const InputPress& p : presses) heldAtFrame[p.frame] |= p.keys;
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
  if (!parsePositive(argv[2], slot) || slot > campaign.levelCount) {
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
