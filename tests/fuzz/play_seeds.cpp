// Seeds for the play fuzzer: every level slot of a campaign file in the
// fuzzer's byte form (play_input.h), with the keys of its winning replay
// (quib-replay input: "F key..." lines) when one is given.
//
//   quib-play-seeds CAMPAIGN OUTDIR [SLOT INPUTS]...
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "data/campaign_io.h"
#include "tests/fuzz/play_input.h"

namespace {

Campaign campaign;

// One byte a frame up to the last frame the replay names.
std::string keyScript(const char* path) {
  std::string keys;
  std::ifstream in(path);
  std::string line, word;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    long frame = 0;
    if (!(words >> frame) || frame < 1 || frame > 100000) continue;
    if (keys.size() < static_cast<size_t>(frame)) keys.resize(frame, '\0');
    while (words >> word) {
      static const char* const names[] = {"up", "right", "down", "left", "flip"};
      for (int i = 0; i < 5; ++i)
        if (word == names[i]) keys[frame - 1] = static_cast<char>(keys[frame - 1] | (1 << i));
    }
  }
  return keys;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc % 2 == 0) {
    std::fprintf(stderr, "usage: quib-play-seeds CAMPAIGN OUTDIR [SLOT INPUTS]...\n");
    return 2;
  }
  std::ifstream file(argv[1]);
  if (!file || readCampaign(file, campaign) != 0) {
    std::fprintf(stderr, "quib-play-seeds: %s is not a campaign\n", argv[1]);
    return 1;
  }
  std::string keys[MaxLevels];
  for (int a = 3; a + 1 < argc; a += 2) {
    const int slot = std::atoi(argv[a]);
    if (slot >= 1 && slot <= MaxLevels) keys[slot - 1] = keyScript(argv[a + 1]);
  }
  const std::string base = std::string(argv[1]).substr(std::string(argv[1]).find_last_of('/') + 1);
  for (int i = 0; i < campaign.levelCount && i < MaxLevels; ++i) {
    const std::string name = std::string(argv[2]) + "/" + base + "." + std::to_string(i + 1);
    std::ofstream out(name, std::ios::binary);
    out << encodePlayInput(campaign.level[i], false, keys[i]);
    if (!out) return 1;
  }
  return 0;
}
