// Level shuffling tool: reads a campaign, puts its level slots into a random
// order and writes it out again. The header passes through unchanged.
#include "tools/t_shuffle.h"

#include <cstring>
#include <ctime>
#include <istream>
#include <ostream>
#include <random>
#include <utility>

#include "data/campaign_io.h"

namespace {

constexpr int Exchanges = 10000;

// The tool's one campaign record; too large for the stack.
Campaign shuffled;

}  // namespace

void shuffleCampaign(Campaign& campaign, unsigned seed) {
  int count = campaign.levelCount;
  if (count > MaxLevels) count = MaxLevels;
  if (count <= 0) return;
  std::mt19937 generator(seed);
  for (int i = 0; i < Exchanges; ++i) {
    int a = static_cast<int>(generator() % static_cast<unsigned>(count));
    int b = static_cast<int>(generator() % static_cast<unsigned>(count));
    if (a != b) std::swap(campaign.level[a], campaign.level[b]);
  }
}

int shuffleLevels(std::istream& in, std::ostream& out, std::ostream& err) {
  std::memset(&shuffled, 0, sizeof shuffled);
  if (readCampaign(in, shuffled) != 0) {
    // Nothing on `out`: a pipe into a file must not leave a broken campaign.
    err << "Input is not a Quib campaign.\n" << std::flush;
    return 1;
  }
  shuffleCampaign(shuffled, static_cast<unsigned>(std::time(nullptr)));
  writeCampaign(out, shuffled);
  out.flush();
  if (!out) {
    err << "Couldn't write the shuffled campaign.\n" << std::flush;
    return 1;
  }
  return 0;
}
