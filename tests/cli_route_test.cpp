// Stored routes as the game reads them: where they are found, the hint
// line, the keys they hold, and watching one in the window, which must end
// exactly as quib-replay says it ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "cli_support.h"
#include "data/campaign_io.h"
#include "game/p_score.h"
#include "platform/i_system.h"
#include "shell/i_practice.h"
#include "test_bitmap.h"
#include "tools/t_route.h"

using namespace cli;
using namespace testbmp;

namespace {

const char* const shipped[] = {"quib_beginner.qbf", "quib_easy.qbf", "quib_intermediate.qbf", "quib_hard.qbf",
                               "quib_master.qbf", "quib_first_steps.qbf"};

std::string campaignFile(const char* name) { return std::string(QUIB_CAMPAIGN_DIR) + "/" + name; }

Campaign& loadCampaign(const std::string& path) {
  static Campaign campaign;
  std::ifstream in(path);
  EXPECT_TRUE(in && readCampaign(in, campaign) == 0) << path;
  return campaign;
}

// The line quib-replay prints, made from the play state after a watch.
std::string endLine(LevelResult result) {
  const char* name = result == Exited ? "Exited" : result == Lost ? "Lost" : result == TimeExpired ? "TimeExpired" : "Quit";
  char line[256];
  std::snprintf(line, sizeof line, "%s frames=%d score=%d lives=%d coins=%d taken=%d of=%d time=%.2f x=%.3f y=%.3f\n",
                name, play.frameCount, static_cast<int32_t>(run.score), run.lives, run.coinCounter, play.coinsTaken,
                play.coinsTotal, play.timeLeft, play.ball.x, play.ball.y);
  return line;
}

}  // namespace

TEST(StoredRoutes, EveryShippedLevelHasARouteAndAnIdeaBesideItsCampaign) {
  int levels = 0;
  for (const char* name : shipped) {
    const std::string file = campaignFile(name);
    const Campaign& campaign = loadCampaign(file);
    for (int32_t n = 1; n <= campaign.levelCount; ++n) {
      if (validateLevel(campaign.level[n - 1]) != 0) continue;
      char path[RoutePathLength];
      ASSERT_EQ(routePath(file.c_str(), n, path, sizeof path), 0);
      EXPECT_EQ(std::string(path), file + "." + std::to_string(n) + ".txt");
      static Route route;
      EXPECT_EQ(readRoute(path, route), RouteRead) << path;
      EXPECT_GT(route.count, 0) << path;
      char idea[MaxIdeaLength + 1];
      EXPECT_EQ(readRouteIdea(path, idea, sizeof idea), 0) << path;
      EXPECT_GT(std::strlen(idea), 10u) << path;
      EXPECT_NE(idea[0], '#');
      EXPECT_NE(idea[0], ' ');
      ++levels;
    }
  }
  EXPECT_GT(levels, 100);
}

TEST(StoredRoutes, ReadingFindingAndShowingKeys) {
  ScratchDir dir;
  const std::string path = (dir.path / "c.qbf.2.txt").string();
  writeFile(path, "\n10 right\n#   The idea: NUDGE right.  \n# second comment\n10 flip\n12 up down\n");
  static Route route;
  ASSERT_EQ(readRoute(path.c_str(), route), RouteRead);
  EXPECT_EQ(routeKeysAt(route, 10), unsigned{HoldRight | HoldFlip}) << "two lines of one frame hold both";
  EXPECT_EQ(routeKeysAt(route, 12), unsigned{HoldUp | HoldDown});
  EXPECT_EQ(routeKeysAt(route, 11), 0u);
  char idea[MaxIdeaLength + 1];
  ASSERT_EQ(readRouteIdea(path.c_str(), idea, sizeof idea), 0);
  EXPECT_STREQ(idea, "The idea: NUDGE right.");
  writeFile((dir.path / "tight.txt").string(), "#FLIP at once.\n");
  ASSERT_EQ(readRouteIdea((dir.path / "tight.txt").c_str(), idea, sizeof idea), 0);
  EXPECT_STREQ(idea, "FLIP at once.") << "no blank after '#' loses nothing";
  char label[32];
  routeKeyLabel(HoldRight | HoldFlip, label, sizeof label);
  EXPECT_STREQ(label, "RIGHT + FLIP");
  routeKeyLabel(HoldUp | HoldRight | HoldDown | HoldLeft | HoldFlip, label, 12);
  EXPECT_STREQ(label, "UP + RIGHT") << "a label that does not fit stops at a whole key";

  EXPECT_EQ(readRoute((dir.path / "none.txt").c_str(), route), RouteMissing);
  EXPECT_EQ(route.count, 0);
  EXPECT_STREQ(routeProblem(readRoute((dir.path / "none.txt").c_str(), route)), "NO ROUTE IS STORED FOR THIS LEVEL.");
  EXPECT_EQ(readRouteIdea((dir.path / "none.txt").c_str(), idea, sizeof idea), 1);
  EXPECT_STREQ(idea, "");
  writeFile(dir.path / "bad.txt", "5 sideways\n");
  EXPECT_EQ(readRoute((dir.path / "bad.txt").c_str(), route), RouteBroken);
  EXPECT_STREQ(routeProblem(readRoute((dir.path / "bad.txt").c_str(), route)), "THE ROUTE OF THIS LEVEL CANNOT BE READ.");
  EXPECT_STREQ(routeProblem(readRoute(path.c_str(), route)), "");
  writeFile(dir.path / "plain.txt", "5 up\n");
  EXPECT_EQ(readRouteIdea((dir.path / "plain.txt").c_str(), idea, sizeof idea), 1);
  std::string many;
  for (int i = 1; i <= MaxRoutePresses + 1; ++i) many += std::to_string(i) + " up\n";
  writeFile(dir.path / "many.txt", many);
  EXPECT_EQ(readRoute((dir.path / "many.txt").c_str(), route), RouteBroken) << "more presses than a route holds";

  char path2[24];
  EXPECT_EQ(routePath("campaigns/quib_x.qbf", 12, path2, sizeof path2), 1) << "does not fit";
  EXPECT_STREQ(path2, "");
}

TEST(StoredRoutes, HintTextIsWrappedAtBlanks) {
  char lines[4][11];
  int n = wrapText("The repeller cradle fires you", 10, &lines[0][0], 4);
  ASSERT_EQ(n, 4);
  EXPECT_STREQ(lines[0], "The");
  EXPECT_STREQ(lines[1], "repeller");
  EXPECT_STREQ(lines[2], "cradle");
  EXPECT_STREQ(lines[3], "fires you");
  n = wrapText("abc de fghijklmnopqrs", 10, &lines[0][0], 4);
  ASSERT_EQ(n, 3);
  EXPECT_STREQ(lines[0], "abc de");
  EXPECT_STREQ(lines[1], "fghijklmno") << "a word longer than a line is cut";
  EXPECT_STREQ(lines[2], "pqrs");
  EXPECT_EQ(wrapText("a b c d e f g h i j k l m n o p q r s t u v w x y z", 10, &lines[0][0], 2), 2);
  EXPECT_STREQ(lines[1], "f g h i j");
  EXPECT_EQ(wrapText("   ", 10, &lines[0][0], 4), 0);
  EXPECT_EQ(wrapText("exactly10!", 10, &lines[0][0], 4), 1);
  EXPECT_STREQ(lines[0], "exactly10!");
}

// Watching a route plays it through the window's front end with the
// route's keys; its end is the one quib-replay prints for the same route.
class Watching : public ::testing::Test {
 protected:
  void SetUp() override {
    initHeadlessAllegro();
    back_ = makeOwnedBitmap(ScreenWidth, ScreenHeight);
    shown_ = makeOwnedBitmap(ScreenWidth, ScreenHeight);
    backBuffer = back_.get();
    redirect_ = std::make_unique<ScreenRedirect>(shown_.get());
  }
  void TearDown() override {
    redirect_.reset();
    backBuffer = nullptr;
    setPlayHooks(nullptr);
  }
  BitmapPtr back_, shown_;
  std::unique_ptr<ScreenRedirect> redirect_;
};

TEST_F(Watching, EndsAsQuibReplaySaysAndShowsTheKeys) {
  const struct {
    const char* campaign;
    int level;
  } cases[] = {{"quib_beginner.qbf", 1}, {"quib_easy.qbf", 20}, {"quib_intermediate.qbf", 1},
               {"quib_hard.qbf", 3}, {"quib_master.qbf", 25}};
  ScratchDir dir;
  for (const auto& c : cases) {
    const std::string file = campaignFile(c.campaign);
    const std::string route = file + "." + std::to_string(c.level) + ".txt";
    RunResult replay = runProgram(QUIB_REPLAY_BINARY, dir.path, {file, std::to_string(c.level), route}, "", true);
    ASSERT_EQ(replay.status, 0) << replay.err;
    ASSERT_EQ(replay.out.rfind("Exited ", 0), 0u) << replay.out;

    static Route watched;
    ASSERT_EQ(readRoute(route.c_str(), watched), RouteRead);
    const Campaign& campaign = loadCampaign(file);
    const LevelResult result = watchRoute(campaign.level[c.level - 1], c.level, watched, campaign.lives, false);
    EXPECT_EQ(endLine(result), replay.out) << route;
    // Each key stays on show under the board for 30 frames after the frame
    // it was pressed at, then goes.
    int32_t lastPress = 0;
    for (int i = 0; i < watched.count; ++i) lastPress = std::max(lastPress, watched.press[i].frame);
    const int label = countColour(shown_.get(), 0, 320, ScreenWidth - 1, 331, Rgb{255, 255, 0});
    if (play.frameCount - lastPress <= 30)
      EXPECT_GT(label, 20) << route << " ends " << play.frameCount - lastPress << " frames after its last key";
    else
      EXPECT_EQ(label, 0) << route << " ends " << play.frameCount - lastPress << " frames after its last key";
    EXPECT_GT(countColour(shown_.get(), 0, 1, ScreenWidth - 1, 8, Rgb{192, 192, 192}), 50)
        << "the watching line at the top";
  }
}
