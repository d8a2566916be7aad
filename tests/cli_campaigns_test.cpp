// Every level of every campaign shipped in campaigns/ is proved winnable: a
// stored input script, replayed headless, reaches the exit.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
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

// What is wrong between the campaigns of a folder and the routes beside
// them, one line a fault: a playable level without its route, a route of a
// slot that is no playable level, or a route of a campaign that is not there.
std::vector<std::string> routeFaults(const fs::path& folder) {
  std::vector<std::string> faults;
  std::map<std::string, std::vector<bool>> playable;  // campaign file name -> slot - 1
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("quib", 0) != 0 || entry.path().extension() != ".qbf") continue;
    std::ifstream in(entry.path());
    if (readCampaign(in, campaign) != 0) {
      faults.push_back(name + " cannot be read");
      continue;
    }
    std::vector<bool>& slots = playable[name];
    for (int slot = 1; slot <= campaign.levelCount; ++slot) {
      slots.push_back(validateLevel(campaign.level[slot - 1]) == 0);
      if (slots.back() && !fs::exists(folder / (name + "." + std::to_string(slot) + ".txt")))
        faults.push_back(name + " level " + std::to_string(slot) + " has no route");
    }
  }
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    const size_t qbf = name.find(".qbf.");
    if (entry.path().extension() != ".txt" || qbf == std::string::npos) continue;
    const std::string owner = name.substr(0, qbf + 4), number = name.substr(qbf + 5, name.size() - qbf - 9);
    const auto it = playable.find(owner);
    const bool digits = !number.empty() && number.size() < 4 &&
                        number.find_first_not_of("0123456789") == std::string::npos && number[0] != '0';
    const size_t slot = digits ? std::stoul(number) : 0;
    if (it == playable.end()) faults.push_back(name + " is the route of no campaign here");
    else if (slot < 1 || slot > it->second.size() || !it->second[slot - 1])
      faults.push_back(name + " is the route of no playable level");
  }
  std::sort(faults.begin(), faults.end());
  return faults;
}

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
      if (validateLevel(campaign.level[slot - 1]) != 0) continue;
      const fs::path solution = file.parent_path() /
                                (file.filename().string() + "." + std::to_string(slot) + ".txt");
      ASSERT_TRUE(fs::exists(solution)) << "no solution for level " << slot << " of " << file;
      const std::string out = runReplay(file.string(), slot, solution.string());
      EXPECT_EQ(out.rfind("Exited ", 0), 0u) << file << " level " << slot << ": " << out;
    }
  }
}

// Routes and levels match both ways: every playable level has its route and
// every route names a playable level of a campaign beside it.
TEST(ShippedCampaigns, RoutesAndPlayableLevelsMatchBothWays) {
  EXPECT_EQ(routeFaults(QUIB_CAMPAIGN_DIR), std::vector<std::string>{});

  // The check itself, on a folder with one fault of each kind.
  const fs::path dir = fs::temp_directory_path() / ("quib-routes-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string room = "width 4\nheight 3\nlimit 20\nat 0 1 . 1\nat 3 1 * 1\ndone level\n";
  std::ofstream(dir / "quib_two.qbf") << "name Two\ndesc Two rooms and an empty one.\nlevels 2\nlives 3\n\nstart level\n" << room
                                      << "\nstart level\nwidth 4\nheight 3\nlimit 20\ndone level\n"
                                      << "\nstart level\n" << room;
  for (const char* route : {"quib_two.qbf.1.txt", "quib_two.qbf.2.txt", "quib_two.qbf.4.txt",
                            "quib_two.qbf.01.txt", "quib_gone.qbf.1.txt", "notes.txt"})
    std::ofstream(dir / route) << "5 right\n";
  EXPECT_EQ(routeFaults(dir), (std::vector<std::string>{
                                  "quib_gone.qbf.1.txt is the route of no campaign here",
                                  "quib_two.qbf level 3 has no route",
                                  "quib_two.qbf.01.txt is the route of no playable level",
                                  "quib_two.qbf.2.txt is the route of no playable level",
                                  "quib_two.qbf.4.txt is the route of no playable level",
                              }));
  fs::remove_all(dir);
}
