// The events play reports for its sounds: each on the frame where it
// happens, and reporting them changes nothing in the simulation.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "data/campaign_io.h"
#include "game/p_events.h"
#include "game/p_play.h"
#include "game/p_score.h"
#include "game/p_tally.h"
#include "tools/t_inputs.h"

namespace {

struct Heard {
  PlayEvent event;
  int32_t detail;
  int32_t frame;       // play.frameCount when reported
  int32_t coinsTaken;  // play.coinsTaken then
  int32_t lives;
};

std::vector<Heard> heard;
std::map<int32_t, unsigned> held;     // keys by frame
std::vector<int32_t> coinsAtFrame;    // coinsTaken as each frame was shown
BonusTally lastTally;

void record(PlayEvent event, int32_t detail) {
  heard.push_back(Heard{event, detail, play.frameCount, play.coinsTaken, run.lives});
}
const PlayEventHooks recorder = {record};

void scriptedKeys(KeySample& keys) {
  auto it = held.find(play.frameCount);
  sampleHeldKeys(it == held.end() ? 0u : it->second, keys);
}
void onPresent() { coinsAtFrame.push_back(play.coinsTaken); }
void onTally(const BonusTally& t) { lastTally = t; }

struct Outcome {
  LevelResult result;
  int32_t frames;
  uint32_t score;
  int32_t lives;
  double x, y, timeLeft;
  bool operator==(const Outcome& o) const {
    return result == o.result && frames == o.frames && score == o.score && lives == o.lives &&
           x == o.x && y == o.y && timeLeft == o.timeLeft;
  }
};

// Plays a level headless with the keys in `held`, listening or not.
Outcome playOut(const Level& level, int32_t lives, bool listen) {
  heard.clear();
  coinsAtFrame.assign(1, 0);  // frame 0: before any frame is shown
  lastTally = BonusTally{};
  PlayHooks hooks = headlessHooks;
  hooks.sampleKeys = scriptedKeys;
  hooks.presentFrame = onPresent;
  hooks.tallyEnd = onTally;
  setPlayHooks(&hooks);
  setPlayEventHooks(listen ? &recorder : nullptr);
  resetRun(lives);
  setupPlay(level, 0);
  const LevelResult r = runPlayLoop(false);
  setPlayEventHooks(nullptr);
  setPlayHooks(nullptr);
  return Outcome{r, play.frameCount, run.score, run.lives, play.ball.x, play.ball.y, play.timeLeft};
}

std::vector<Heard> only(PlayEvent e) {
  std::vector<Heard> out;
  for (const Heard& h : heard)
    if (h.event == e) out.push_back(h);
  return out;
}

Campaign campaign;

Level boxLevel() {
  Level level;
  makeNewLevel(level);
  level.width = 6;
  level.height = 3;
  for (int s = 0; s < 4; ++s) level.wall[s] = Bounce;
  level.limit = 60;
  level.bonus = 0;
  level.cell[0][1] = Cell{Start, 1};
  return level;
}

}  // namespace

TEST(PlayEvents, StoredRoutesReportCoinsExitAndTallyOnTheirFrames) {
  int routes = 0;
  size_t pieceBounces = 0, wallBounces = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QUIB_CAMPAIGN_DIR)) {
    const std::string name = entry.path().filename().string();
    const auto dot = name.find(".qbf.");
    if (dot == std::string::npos || name.size() < 4 || name.substr(name.size() - 4) != ".txt") continue;
    const std::string file = std::string(QUIB_CAMPAIGN_DIR) + "/" + name.substr(0, dot + 4);
    const int slot = std::stoi(name.substr(dot + 5));
    std::ifstream in(file);
    ASSERT_EQ(readCampaign(in, campaign), 0) << file;
    if (slot > campaign.levelCount) continue;  // a route left over from a longer campaign
    std::vector<InputPress> presses;
    ASSERT_EQ(readInputScript(entry.path().c_str(), "test", presses), 0) << name;
    held.clear();
    for (const InputPress& p : presses) held[p.frame] |= p.keys;
    const Level& level = campaign.level[slot - 1];
    SCOPED_TRACE(name);
    ++routes;

    const Outcome silent = playOut(level, 3, false);
    const Outcome listened = playOut(level, 3, true);
    // Listening changes nothing, to the last bit of the ball's position.
    EXPECT_TRUE(silent == listened);
    ASSERT_EQ(listened.result, Exited);

    // A coin is heard on the frame whose picture first shows it taken,
    // once per coin, with the size of that coin.
    const std::vector<Heard> coins = only(EventCoin);
    ASSERT_EQ(static_cast<int32_t>(coins.size()), play.coinsTaken);
    for (size_t k = 0; k < coins.size(); ++k) {
      EXPECT_EQ(coins[k].coinsTaken, static_cast<int32_t>(k) + 1);
      EXPECT_LE(coins[k].detail, 3);
      const int32_t f = coins[k].frame + 1;  // the next picture shown
      if (f < static_cast<int32_t>(coinsAtFrame.size())) {
        EXPECT_GE(coinsAtFrame[f], coins[k].coinsTaken);
        EXPECT_LT(coinsAtFrame[f - 1], coins[k].coinsTaken);
      }
    }
    // The exit on the last frame, then each tally line and the total.
    ASSERT_GE(heard.size(), 2u);
    const std::vector<Heard> exits = only(EventExit);
    ASSERT_EQ(exits.size(), 1u);
    EXPECT_EQ(exits[0].frame, listened.frames);
    EXPECT_TRUE(only(EventBurst).empty());
    size_t at = 0;
    while (heard[at].event != EventExit) ++at;
    for (int32_t k = 0; k < lastTally.lineCount; ++k) {
      while (heard[++at].event == EventExtraLife) {
      }
      EXPECT_EQ(heard[at].event, EventTallyLine);
      EXPECT_EQ(heard[at].detail, k);
    }
    EXPECT_EQ(heard.back().event, EventTallyTotal);
    EXPECT_EQ(heard.back().detail, lastTally.lineCount);
    // FLIPs alternate: to repellers, back, to repellers...
    bool over = false;
    for (const Heard& h : heard) {
      if (h.event != EventFlipToRepellers && h.event != EventFlipBack) continue;
      over = !over;
      EXPECT_EQ(h.event, over ? EventFlipToRepellers : EventFlipBack);
    }
    // Every FLIP and NUDGE that acted is heard: each cost the level bonus.
    const int32_t cost = static_cast<int32_t>(only(EventNudge).size()) * 10 +
                         static_cast<int32_t>(only(EventFlipToRepellers).size() + only(EventFlipBack).size());
    if (cost < StartLevelBonus - MinLevelBonus) {
      EXPECT_EQ(lastTally.levelBonus, StartLevelBonus - cost);
    }
    pieceBounces += only(EventBouncePiece).size();
    wallBounces += only(EventBounceWall).size();
  }
  EXPECT_GT(routes, 50);
  // The routes bounce off pieces and walls on their way.
  EXPECT_GT(pieceBounces, 0u);
  EXPECT_GT(wallBounces, 10u);
}

TEST(PlayEvents, BurstWrapAndWallBounceOnTheirFrames) {
  // Nudged right into a deadly east edge: the burst is the last thing heard,
  // on the frame of the loss.
  Level level = boxLevel();
  level.wall[East] = Deadly;
  held = {{1, HoldRight}};
  Outcome o = playOut(level, 3, true);
  ASSERT_EQ(o.result, Lost);
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.back().event, EventBurst);
  EXPECT_EQ(heard.back().frame, o.frames);
  EXPECT_EQ(only(EventBurst).size(), 1u);
  EXPECT_EQ(only(EventNudge).size(), 1u);
  EXPECT_EQ(only(EventNudge)[0].frame, 1);

  // A hazard in the way: the same.
  level = boxLevel();
  level.cell[4][1] = Cell{Hazard, 1};
  o = playOut(level, 3, true);
  ASSERT_EQ(o.result, Lost);
  EXPECT_EQ(heard.back().event, EventBurst);
  EXPECT_EQ(heard.back().frame, o.frames);

  // A wrapping east edge, then a bouncing west one after the trip round: a
  // wrap each time the ball passes the east edge, a bounce off the wall
  // never (it passes the west edge only by wrapping).
  level = boxLevel();
  level.wall[East] = Wrap;
  level.wall[West] = Wrap;
  level.limit = 8;
  held = {{1, HoldRight}};
  o = playOut(level, 3, true);
  ASSERT_EQ(o.result, TimeExpired);
  // 0.1 px a substep, 3.3 px a frame: from x 12 the ball reaches the edge at
  // 150 - 4 after about 41 frames and comes back in at x 4.
  const std::vector<Heard> wraps = only(EventWrap);
  ASSERT_GE(wraps.size(), 4u);
  EXPECT_NEAR(wraps[0].frame, 41, 1);
  EXPECT_NEAR(wraps[1].frame - wraps[0].frame, 43, 1);  // from x 4 to x 146 again
  EXPECT_TRUE(only(EventBounceWall).empty());

  // Bounce walls: heard once per wall met, not while the ball moves away.
  level = boxLevel();
  level.limit = 8;
  held = {{1, HoldRight}};
  o = playOut(level, 3, true);
  const std::vector<Heard> bounces = only(EventBounceWall);
  ASSERT_GE(bounces.size(), 4u);
  EXPECT_NEAR(bounces[0].frame, 41, 1);                       // the east wall
  EXPECT_NEAR(bounces[1].frame - bounces[0].frame, 43, 1);    // the west wall, 150 - 2 x 5 later
  EXPECT_TRUE(only(EventWrap).empty());

  // Wrapping in from the east edge onto a repeller by the west edge: the
  // piece is heard on the frame of the wrap that brings the ball onto it.
  level = boxLevel();
  level.cell[0][1] = Cell{Repeller, 3};
  level.cell[2][1] = Cell{Start, 1};
  level.wall[East] = Wrap;
  level.wall[West] = Wrap;
  level.limit = 4;
  held = {{1, HoldRight}};
  o = playOut(level, 3, true);
  const std::vector<Heard> pieces = only(EventBouncePiece);
  ASSERT_FALSE(pieces.empty());
  EXPECT_EQ(pieces[0].frame, only(EventWrap)[0].frame);
}

TEST(PlayEvents, TheClockRunningOut) {
  Level level = boxLevel();
  level.limit = 6;
  held.clear();
  const Outcome o = playOut(level, 3, true);
  ASSERT_EQ(o.result, TimeExpired);
  // The last five seconds tick, 4 down to 0, a second (30 frames) apart,
  // and the time running out is the last thing heard.
  const std::vector<Heard> ticks = only(EventClockTick);
  ASSERT_EQ(ticks.size(), 5u);
  for (int32_t k = 0; k < 5; ++k) {
    EXPECT_EQ(ticks[k].detail, 4 - k);
    EXPECT_NEAR(ticks[k].frame, 30 * (k + 1) + 1, 1);
  }
  EXPECT_EQ(heard.back().event, EventTimeUp);
  EXPECT_EQ(only(EventTimeUp).size(), 1u);
  EXPECT_EQ(only(EventExit).size(), 0u);
}

TEST(PlayEvents, ExtraLifeOnlyWhenALifeIsGained) {
  setPlayEventHooks(&recorder);
  heard.clear();
  resetRun(8);
  addScore(250000);  // two thresholds: the second life is beyond the ninth
  ASSERT_EQ(run.lives, 9);
  EXPECT_EQ(only(EventExtraLife).size(), 1u);
  addCoins(100);
  EXPECT_EQ(only(EventExtraLife).size(), 1u);
  setPlayEventHooks(nullptr);
}
