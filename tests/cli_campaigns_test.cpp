// Every level of every campaign shipped in campaigns/ is proved winnable: a
// stored input script, replayed headless, reaches the exit.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/campaign_io.h"

namespace fs = std::filesystem;

namespace {

std::string runReplay(const std::string& campaign, int slot, const std::string& inputs) {
  const std::string cmd = std::string(QUIB_REPLAY_BINARY) + " '" + campaign + "' " + std::to_string(slot) +
                          " '" + inputs + "' 2>&1 </dev/null";
  std::string out;
  if (FILE* pipe = popen(cmd.c_str(), "r")) {
    char buf[256];
    while (fgets(buf, sizeof buf, pipe)) out += buf;
    pclose(pipe);
  }
  return out;
}

std::vector<fs::path> shippedCampaigns() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(QUIB_CAMPAIGN_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("quib", 0) == 0 && entry.path().extension() == ".qbf") files.push_back(entry.path());
  }
  return files;
}

Campaign campaign;

}  // namespace

TEST(ShippedCampaigns, ReadPlayableAndCanonical) {
  const auto files = shippedCampaigns();
  ASSERT_FALSE(files.empty());
  for (const fs::path& file : files) {
    std::ifstream in(file);
    std::stringstream original;
    original << in.rdbuf();
    std::istringstream text(original.str());
    ASSERT_EQ(readCampaign(text, campaign), 0) << file;
    EXPECT_EQ(campaignUnplayable(campaign), 0) << file;
    std::ostringstream written;
    writeCampaign(written, campaign);
    EXPECT_EQ(written.str(), original.str()) << file << " is not in the form the editor writes";
  }
}

TEST(ShippedCampaigns, EveryLevelHasAWinningReplay) {
  for (const fs::path& file : shippedCampaigns()) {
    std::ifstream in(file);
    ASSERT_EQ(readCampaign(in, campaign), 0) << file;
    for (int slot = 1; slot <= campaign.levelCount; ++slot) {
      const fs::path solution = file.parent_path() /
                                (file.filename().string() + "." + std::to_string(slot) + ".txt");
      ASSERT_TRUE(fs::exists(solution)) << "no solution for level " << slot << " of " << file;
      const std::string out = runReplay(file.string(), slot, solution.string());
      EXPECT_EQ(out.rfind("Exited ", 0), 0u) << file << " level " << slot << ": " << out;
    }
  }
}
