// Until the campaign menu exists the game plays one campaign straight
// through: the campaign file given with -E, or else the first quib*.qbf of
// the current folder in name order.
#include "shell/i_game.h"

#include <allegro.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/campaign_io.h"
#include "game/g_clock.h"
#include "game/g_panel.h"
#include "game/g_play.h"
#include "game/p_score.h"
#include "shell/i_system.h"

namespace {

Campaign campaign;

std::string firstCampaignFile() {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(".", error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() >= 8 && name.compare(0, 4, "quib") == 0 &&
        name.compare(name.size() - 4, 4, ".qbf") == 0)
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names.empty() ? std::string() : names.front();
}

}  // namespace

int runGame(const StartOptions& options) {
  const std::string path = options.editorMode ? std::string(options.editorFile) : firstCampaignFile();
  std::ifstream in(path);
  if (path.empty() || !in || readCampaign(in, campaign) != 0 || campaignUnplayable(campaign)) {
    fatalError("Required level data missing or corrupt.");
    return 1;
  }
  resetRun(std::clamp(campaign.lives, 0, static_cast<int32_t>(MaxLives)));
  int completed = 0;
  for (int slot = 0; slot < campaign.levelCount && completed < campaign.levels; ++slot) {
    if (validateLevel(campaign.level[slot]) != 0) continue;
    for (;;) {
      restartFrameClock();
      startLevel(campaign.level[slot], completed + 1, false);
      const LevelResult result = playLevel(false);
      if (result == Quit) return 0;
      if (result == Exited) {
        rest(5000);
        ++completed;
        break;
      }
      burstEffect(50, result == TimeExpired ? "TIME EXPIRED" : nullptr);
      --run.lives;
      if (run.lives < 0) return 0;
      rest(1000);
    }
  }
  return 0;
}
