// The events play reports for its sounds: each on the frame where it
// happens, and reporting them changes nothing in the simulation.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
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
  int32_t detail, frame, coinsTaken;  // frame and coins as play had them then
};
std::vector<Heard> heard;
std::map<int32_t, unsigned> held;   // keys by frame
std::vector<int32_t> coinsAtFrame;  // coinsTaken as each frame was shown
BonusTally lastTally;

void record(PlayEvent event, int32_t detail) {
  heard.push_back(Heard{event, detail, play.frameCount, play.coinsTaken});
}
const PlayEventHooks recorder = {record};
void scriptedKeys(KeySample& keys) {
  auto it = held.find(play.frameCount);
  sampleHeldKeys(it == held.end() ? 0u : it->second, keys);
}
void onPresent() { coinsAtFrame.push_back(play.coinsTaken); }
void onTally(const BonusTally& t) { lastTally = t; }

using Outcome = std::tuple<LevelResult, int32_t, uint32_t, int32_t, double, double, double>;

// Plays a level headless with the keys in `held`, listening or not.
Outcome playOut(const Level& level, bool listen) {
  heard.clear();
  coinsAtFrame.assign(1, 0);  // frame 0: before any frame is shown
  lastTally = BonusTally{};
  PlayHooks hooks = headlessHooks;
  hooks.sampleKeys = scriptedKeys;
  hooks.presentFrame = onPresent;
  hooks.tallyEnd = onTally;
  setPlayHooks(&hooks);
  setPlayEventHooks(listen ? &recorder : nullptr);
  resetRun(3);
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

// 6 x 3, bouncing walls, the ball at rest on the left of the middle row.
Level boxLevel(WallKind east = Bounce, WallKind west = Bounce) {
  Level level;
  makeNewLevel(level);
  level.width = 6;
  level.height = 3;
  for (int s = 0; s < 4; ++s) level.wall[s] = Bounce;
  level.wall[East] = east;
  level.wall[West] = west;
  level.limit = 8;
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
    if (dot == std::string::npos || entry.path().extension() != ".txt") continue;
    std::ifstream in(std::string(QUIB_CAMPAIGN_DIR) + "/" + name.substr(0, dot + 4));
    ASSERT_EQ(readCampaign(in, campaign), 0) << name;
    const int slot = std::stoi(name.substr(dot + 5));
    if (slot > campaign.levelCount) continue;  // a route left over from a longer campaign
    std::vector<InputPress> presses;
    ASSERT_EQ(readInputScript(entry.path().c_str(), "test", presses), 0) << name;
    held.clear();
    for (const InputPress& p : presses) held[p.frame] |= p.keys;
    SCOPED_TRACE(name);
    ++routes;

    // Listening changes nothing, to the last bit of the ball's position.
    const Outcome silent = playOut(campaign.level[slot - 1], false);
    const Outcome listened = playOut(campaign.level[slot - 1], true);
    EXPECT_EQ(silent, listened);
    ASSERT_EQ(std::get<0>(listened), Exited);

    // Each coin is heard once, between the last picture without it and the
    // first with it.
    const std::vector<Heard> coins = only(EventCoin);
    ASSERT_EQ(static_cast<int32_t>(coins.size()), play.coinsTaken);
    for (size_t k = 0; k < coins.size(); ++k) {
      EXPECT_EQ(coins[k].coinsTaken, static_cast<int32_t>(k) + 1);
      const size_t f = static_cast<size_t>(coins[k].frame);
      EXPECT_LT(coinsAtFrame[f], coins[k].coinsTaken);
      if (f + 1 < coinsAtFrame.size()) {
        EXPECT_GE(coinsAtFrame[f + 1], coins[k].coinsTaken);
      }
    }
    // The exit on the last frame, then each tally line in turn and the total.
    const std::vector<Heard> exits = only(EventExit);
    ASSERT_EQ(exits.size(), 1u);
    EXPECT_EQ(exits[0].frame, std::get<1>(listened));
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
    // FLIPs alternate, to repellers first; every FLIP and NUDGE is heard
    // (each one cost the level bonus).
    bool over = false;
    for (const Heard& h : heard) {
      if (h.event == EventFlipToRepellers || h.event == EventFlipBack) {
        EXPECT_EQ(h.event, (over = !over) ? EventFlipToRepellers : EventFlipBack);
      }
    }
    const size_t cost = only(EventNudge).size() * 10 + only(EventFlipToRepellers).size() +
                        only(EventFlipBack).size();
    if (lastTally.levelBonus > MinLevelBonus) {
      EXPECT_EQ(lastTally.levelBonus, StartLevelBonus - static_cast<int32_t>(cost));
    }
    pieceBounces += only(EventBouncePiece).size();
    wallBounces += only(EventBounceWall).size();
  }
  EXPECT_GT(routes, 50);
  EXPECT_GT(pieceBounces, 0u);
  EXPECT_GT(wallBounces, 10u);
}

TEST(PlayEvents, BurstWrapAndBouncesOnTheirFrames) {
  held = {{1, HoldRight}};  // one NUDGE: 0.1 px a substep, 3.3 px a frame
  // Into a deadly edge, or a hazard: the burst is the last thing heard, on
  // the frame of the loss.
  Level hazard = boxLevel();
  hazard.cell[4][1] = Cell{Hazard, 1};
  for (const Level& level : {boxLevel(Deadly), hazard}) {
    const Outcome o = playOut(level, true);
    ASSERT_EQ(std::get<0>(o), Lost);
    EXPECT_EQ(heard.back().event, EventBurst);
    EXPECT_EQ(heard.back().frame, std::get<1>(o));
    EXPECT_EQ(only(EventBurst).size(), 1u);
    ASSERT_EQ(only(EventNudge).size(), 1u);
    EXPECT_EQ(only(EventNudge)[0].frame, 1);
  }
  // From x 12 the ball meets the east edge at x 146 after about 41 frames
  // and comes back in at x 4 (a wrap) or bounces there (a wall): either way
  // 142 px, 43 frames, to the next edge.
  playOut(boxLevel(Wrap, Wrap), true);
  const std::vector<Heard> wraps = only(EventWrap);
  ASSERT_GE(wraps.size(), 4u);
  EXPECT_NEAR(wraps[0].frame, 41, 1);
  EXPECT_NEAR(wraps[1].frame - wraps[0].frame, 43, 1);
  EXPECT_TRUE(only(EventBounceWall).empty());
  playOut(boxLevel(), true);
  const std::vector<Heard> bounces = only(EventBounceWall);
  ASSERT_GE(bounces.size(), 4u);
  EXPECT_NEAR(bounces[0].frame, 41, 1);
  EXPECT_NEAR(bounces[1].frame - bounces[0].frame, 43, 1);
  EXPECT_TRUE(only(EventWrap).empty());
  // Wrapping in onto a repeller by the west edge: the piece is heard on the
  // frame of that wrap.
  Level level = boxLevel(Wrap, Wrap);
  level.cell[0][1] = Cell{Repeller, 3};
  level.cell[2][1] = Cell{Start, 1};
  playOut(level, true);
  ASSERT_FALSE(only(EventBouncePiece).empty());
  EXPECT_EQ(only(EventBouncePiece)[0].frame, only(EventWrap)[0].frame);
}

TEST(PlayEvents, TheLastFiveSecondsTickThenTimeIsUp) {
  Level level = boxLevel();
  level.limit = 6;
  held.clear();
  ASSERT_EQ(std::get<0>(playOut(level, true)), TimeExpired);
  const std::vector<Heard> ticks = only(EventClockTick);
  ASSERT_EQ(ticks.size(), 5u);
  for (int32_t k = 0; k < 5; ++k) {
    EXPECT_EQ(ticks[k].detail, 4 - k);
    EXPECT_NEAR(ticks[k].frame, 30 * (k + 1) + 1, 1);
  }
  EXPECT_EQ(heard.back().event, EventTimeUp);
  EXPECT_EQ(only(EventTimeUp).size(), 1u);
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
