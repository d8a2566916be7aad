// The HARD campaign is flown by people, not scripts: a ball left alone after
// the countdown lives at least three seconds and never wins by itself, no
// route asks for a press in the first half second or two presses closer
// than ten frames, no NUDGE of a route falls in the previous one's cool-down
// (it would do nothing), and every idea line is a hint the game can show.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "data/campaign_io.h"

namespace {

const std::string hardFile = std::string(QUIB_CAMPAIGN_DIR) + "/quib_hard.qbf";

std::string replay(int slot, const std::string& route) {
  std::string cmd = std::string(QUIB_REPLAY_BINARY) + " '" + hardFile + "' " + std::to_string(slot);
  if (!route.empty()) cmd += " '" + route + "'";
  cmd += " 2>&1 </dev/null";
  std::string out;
  if (FILE* pipe = popen(cmd.c_str(), "r")) {
    char buf[256];
    while (fgets(buf, sizeof buf, pipe)) out += buf;
    pclose(pipe);
  }
  return out;
}

int framesOf(const std::string& outcome) {
  const size_t at = outcome.find("frames=");
  return at == std::string::npos ? -1 : std::stoi(outcome.substr(at + 7));
}

struct Press {
  int frame;
  bool flip;
};

struct Route {
  std::string idea;
  std::vector<Press> presses;
};

Route readRoute(const std::string& file) {
  Route r;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    if (line[0] == '#') {
      if (r.idea.empty()) r.idea = line.substr(line.find_first_not_of("# "));
      continue;
    }
    const size_t space = line.find(' ');
    r.presses.push_back({std::stoi(line.substr(0, space)), line.find("flip") != std::string::npos});
  }
  return r;
}

// The words of a line, lower case, a plural's s dropped.
std::vector<std::string> wordsOf(const std::string& line) {
  std::vector<std::string> words(1);
  for (char c : line) {
    if (std::isalpha(static_cast<unsigned char>(c)))
      words.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    else if (!words.back().empty())
      words.emplace_back();
  }
  for (std::string& w : words)
    if (w.size() > 3 && w.back() == 's') w.pop_back();
  return words;
}

int hardLevels() {
  std::ifstream in(hardFile);
  Campaign campaign;
  return readCampaign(in, campaign) == 0 ? campaign.levelCount : 0;
}

}  // namespace

TEST(HardCampaign, ABallLeftAloneLivesThreeSecondsAndNeverWins) {
  const int levels = hardLevels();
  ASSERT_GE(levels, 20);
  for (int slot = 1; slot <= levels; ++slot) {
    const std::string out = replay(slot, "");
    EXPECT_NE(out.rfind("Exited ", 0), 0u) << "level " << slot << " wins with no key: " << out;
    if (out.rfind("Lost ", 0) == 0) EXPECT_GE(framesOf(out), 90) << "level " << slot << ": " << out;
  }
}

TEST(HardCampaign, RoutesLeaveTimeBetweenPressesAndHintsFitTheScreen) {
  const int levels = hardLevels();
  ASSERT_GE(levels, 20);
  const char* jargon[] = {"well", "gate", "bumper", "pen", "nook"};
  for (int slot = 1; slot <= levels; ++slot) {
    const Route r = readRoute(hardFile + "." + std::to_string(slot) + ".txt");
    ASSERT_FALSE(r.presses.empty()) << "level " << slot;
    EXPECT_GE(r.presses.front().frame, 15) << "level " << slot << ": first press too soon";
    int lastNudge = -1000;
    for (size_t i = 0; i < r.presses.size(); ++i) {
      if (i > 0)
        EXPECT_GE(r.presses[i].frame - r.presses[i - 1].frame, 10) << "level " << slot << " press " << i + 1;
      if (!r.presses[i].flip) {
        EXPECT_GE(r.presses[i].frame - lastNudge, 20)
            << "level " << slot << " press " << i + 1 << " falls in the last NUDGE's cool-down";
        lastNudge = r.presses[i].frame;
      }
    }
    EXPECT_FALSE(r.idea.empty()) << "level " << slot;
    EXPECT_LE(r.idea.size(), 64u) << "level " << slot << ": " << r.idea;
    for (const std::string& w : wordsOf(r.idea))
      for (const char* word : jargon) EXPECT_NE(w, word) << "level " << slot << ": " << r.idea;
  }
}
