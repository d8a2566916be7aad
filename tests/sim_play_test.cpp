// The play loop run headless with scripted keys: FLIP and NUDGE triggers and
// their cool-downs, the level bonus floor, the clock, the contact scan order
// and what FLIP does to a deadly piece.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "game/p_play.h"
#include "game/p_score.h"
#include "game/p_tally.h"

namespace {

// Keys held at the sampling after frame `frame` was shown.
using Script = KeySample (*)(int32_t frame);

KeySample nothingHeld(int32_t) { return KeySample{false, Up, false, false}; }

struct Record {
  Script script = nothingHeld;
  int presented = 0;
  int finalFrames = 0;
  std::vector<int32_t> flipFrames;   // frameCount when a FLIP took effect
  std::vector<int32_t> nudgeFrames;  // frameCount when a NUDGE took effect
  std::vector<bool> calm;            // one per drawTime
  std::vector<std::string> events;   // erase / tally order
  BonusTally tally{};
} rec;

void onFlip(int32_t state) {
  if (state == FlipCooldownFrames) rec.flipFrames.push_back(play.frameCount);
}
void onNudge(int32_t state) {
  if (state == NudgeCooldownFrames) rec.nudgeFrames.push_back(play.frameCount);
}
void onTime(bool calm) { rec.calm.push_back(calm); }
void onPresent() { ++rec.presented; }
void onFinal() { ++rec.finalFrames; }
void onKeys(KeySample& keys) { keys = rec.script(play.frameCount); }
void onErase(int cx, int cy) {
  rec.events.push_back("erase " + std::to_string(cx) + " " + std::to_string(cy));
}
struct Segment {
  int x1, y1, x2, y2;
};
std::vector<Segment> trail;
void onTrail(int x1, int y1, int x2, int y2) { trail.push_back(Segment{x1, y1, x2, y2}); }
void onTallyBegin() { rec.events.push_back("tally begin"); }
void onTallyEnd(const BonusTally& t) {
  rec.events.push_back("tally end");
  rec.tally = t;
}

class Play : public ::testing::Test {
 protected:
  void SetUp() override {
    rec = Record{};
    hooks = headlessHooks;
    hooks.drawFlipIndicator = onFlip;
    hooks.drawNudgeIndicator = onNudge;
    hooks.drawTime = onTime;
    hooks.presentFrame = onPresent;
    hooks.presentFinalFrame = onFinal;
    hooks.sampleKeys = onKeys;
    hooks.erasePiece = onErase;
    hooks.tallyBegin = onTallyBegin;
    hooks.tallyEnd = onTallyEnd;
    setPlayHooks(&hooks);
    resetRun(3);
    makeNewLevel(level);
    level.width = 8;
    level.height = 6;
    for (int s = 0; s < 4; ++s) level.wall[s] = Bounce;
    level.limit = 100;
    level.bonus = 0;
    level.cell[3][3] = Cell{Start, 1};
    level.cell[7][0] = Cell{Exit, 0};
  }
  void TearDown() override { setPlayHooks(&headlessHooks); }

  LevelResult playOut() {
    setupPlay(level, 0);
    return runPlayLoop(false);
  }

  PlayHooks hooks;
  Level level;
};

Level levelWith(int32_t limit, int32_t bonus) {
  Level l;
  makeNewLevel(l);
  l.limit = limit;
  l.bonus = bonus;
  return l;
}

KeySample flip() { return KeySample{false, Up, true, false}; }
KeySample dir(Direction d) { return KeySample{true, d, false, false}; }

}  // namespace

// ---------------------------------------------------------------- FLIP

TEST_F(Play, HoldingFlipThroughALevelFlipsOnce) {
  level.limit = 2;
  rec.script = [](int32_t) { return flip(); };
  EXPECT_EQ(playOut(), TimeExpired);
  EXPECT_EQ(rec.flipFrames, (std::vector<int32_t>{1}));
  EXPECT_EQ(play.levelBonus, StartLevelBonus - 1);
}

TEST_F(Play, FlipPressDuringCoolDownIsUsedUp) {
  level.limit = 2;
  // Pressed at 1, released, pressed again at 5 while the cool-down runs.
  rec.script = [](int32_t f) { return (f == 1 || f == 5) ? flip() : nothingHeld(f); };
  EXPECT_EQ(playOut(), TimeExpired);
  EXPECT_EQ(rec.flipFrames, (std::vector<int32_t>{1}));
}

TEST_F(Play, SecondFlipActsFiveFramesAfterTheFirst) {
  level.limit = 2;
  rec.script = [](int32_t f) { return (f == 1 || f == 6) ? flip() : nothingHeld(f); };
  EXPECT_EQ(playOut(), TimeExpired);
  EXPECT_EQ(rec.flipFrames, (std::vector<int32_t>{1, 6}));
  EXPECT_EQ(play.levelBonus, StartLevelBonus - 2);

  // Pressing on every other frame flips at most once every 5 frames.
  rec = Record{};
  rec.script = [](int32_t f) { return (f % 2) ? flip() : nothingHeld(f); };
  playOut();
  EXPECT_EQ(rec.flipFrames, (std::vector<int32_t>{1, 7, 13, 19, 25, 31, 37, 43, 49, 55}));
}

// ---------------------------------------------------------------- NUDGE

TEST_F(Play, NudgeAddsTheImpulseInTheSampledDirection) {
  const Direction dirs[] = {Up, Right, Down, Left};
  const double wantVx[] = {0, NudgeImpulse, 0, -NudgeImpulse};
  const double wantVy[] = {-NudgeImpulse, 0, NudgeImpulse, 0};
  for (int i = 0; i < 4; ++i) {
    static Direction which;
    which = dirs[i];
    rec.script = [](int32_t f) { return f == 1 ? dir(which) : nothingHeld(f); };
    setupPlay(level, 0);
    PlayLoop loop;
    beginPlay(loop, false);
    for (int s = 0; s < SubstepsPerFrame + 1; ++s) ASSERT_EQ(playSubstep(loop), NoResult);
    EXPECT_EQ(play.ball.vx, wantVx[i]) << i;
    EXPECT_EQ(play.ball.vy, wantVy[i]) << i;
    EXPECT_TRUE(loop.nudged);
    EXPECT_EQ(play.levelBonus, StartLevelBonus - 10);
  }
}

TEST_F(Play, NudgeAtMostEveryTwentyFramesAndOnlyOnANewPress) {
  level.limit = 3;
  // Held from 1 to 30: one press only.
  rec.script = [](int32_t f) { return f <= 30 ? dir(Left) : nothingHeld(f); };
  playOut();
  EXPECT_EQ(rec.nudgeFrames, (std::vector<int32_t>{1}));

  // A press at 20 is still inside the cool-down; one at 21 acts.
  rec = Record{};
  rec.script = [](int32_t f) { return (f == 1 || f == 20) ? dir(Up) : nothingHeld(f); };
  playOut();
  EXPECT_EQ(rec.nudgeFrames, (std::vector<int32_t>{1}));
  rec = Record{};
  rec.script = [](int32_t f) { return (f == 1 || f == 21) ? dir(Up) : nothingHeld(f); };
  playOut();
  EXPECT_EQ(rec.nudgeFrames, (std::vector<int32_t>{1, 21}));
}

TEST_F(Play, NoDirectionWhenTwoGroupsAreHeld) {
  level.limit = 1;
  rec.script = [](int32_t f) {
    // Two groups at 1 and 2 (sampled as no direction), then one group alone.
    return f <= 2 ? KeySample{false, Right, false, false} : (f == 3 ? dir(Up) : nothingHeld(f));
  };
  playOut();
  EXPECT_EQ(rec.nudgeFrames, (std::vector<int32_t>{3}));
}

TEST_F(Play, LevelBonusNeverFallsBelowItsFloor) {
  level.limit = 100;
  // A fresh press every 20 frames, alternating sides so the ball stays put.
  rec.script = [](int32_t f) {
    if (f % 20 != 1) return nothingHeld(f);
    return dir((f / 20) % 2 ? Right : Left);
  };
  setupPlay(level, 0);
  PlayLoop loop;
  beginPlay(loop, false);
  while (rec.nudgeFrames.size() < 90) ASSERT_EQ(playSubstep(loop), NoResult);
  EXPECT_EQ(play.levelBonus, MinLevelBonus);
  while (rec.nudgeFrames.size() < 92) ASSERT_EQ(playSubstep(loop), NoResult);
  EXPECT_EQ(play.levelBonus, MinLevelBonus);
}

// ---------------------------------------------------------------- clock

TEST_F(Play, LimitOfOneSecondExpiresInTheThirtyFirstFrame) {
  level.limit = 1;
  EXPECT_EQ(playOut(), TimeExpired);
  EXPECT_EQ(play.frameCount, 30);
  EXPECT_EQ(rec.presented, 30);
  EXPECT_EQ(rec.calm.size(), 31u);  // the time is drawn in the last frame work too
  EXPECT_EQ(play.timeLeft, 0.0);
  EXPECT_EQ(rec.finalFrames, 0);
}

TEST_F(Play, TimeColourSwitchesAtTheBonusTimeOrHalfTheLimit) {
  EXPECT_TRUE(timeIsCalm(levelWith(60, 10), 10.01));
  EXPECT_FALSE(timeIsCalm(levelWith(60, 10), 10.0));
  EXPECT_TRUE(timeIsCalm(levelWith(61, 0), 30.51));
  EXPECT_FALSE(timeIsCalm(levelWith(61, 0), 30.5));
  // A negative bonus time is none, as in the tally (FAST COIN): half the
  // limit decides.
  EXPECT_TRUE(timeIsCalm(levelWith(60, -5), 30.01));
  EXPECT_FALSE(timeIsCalm(levelWith(60, -5), 29.0));
  EXPECT_TRUE(timeIsCalm(levelWith(60, 1), 20.0));  // the least bonus time is one
  EXPECT_FALSE(timeIsCalm(levelWith(60, 1), 1.0));

  // In the loop: calm for the first frames, then never again.
  level.limit = 12;
  level.bonus = 10;
  playOut();
  size_t firstWarm = 0;
  while (firstWarm < rec.calm.size() && rec.calm[firstWarm]) ++firstWarm;
  EXPECT_GE(firstWarm, 59u);
  EXPECT_LE(firstWarm, 60u);
  for (size_t i = firstWarm; i < rec.calm.size(); ++i) EXPECT_FALSE(rec.calm[i]) << i;
}

// ---------------------------------------------------------------- contacts

TEST_F(Play, CoinAboveTheExitIsCollectedBeforeTheLevelEnds) {
  level.cell[2][1] = Cell{Coin, 3};
  level.cell[2][2] = Cell{Exit, 3};
  setupPlay(level, 0);
  PlayLoop loop;
  beginPlay(loop, false);
  // 12.5 pixels from both centres; reach is 10 + 4 = 14 for each.
  play.ball.x = 62;
  play.ball.y = 49.5;
  EXPECT_EQ(checkContacts(loop), Exited);
  EXPECT_EQ(rec.events, (std::vector<std::string>{"erase 2 1", "tally begin", "tally end"}));
  EXPECT_EQ(play.coinsTaken, 1);
  EXPECT_EQ(play.level.cell[2][1].kind, Empty);
  EXPECT_EQ(level.cell[2][1].kind, Coin);  // the campaign's level is untouched
  // Coin: 500 points and 10 coins; then all coins, fast, no FLIP, no NUDGE:
  // 1000 x 4 x 2 x 2 and 3 more coins.
  EXPECT_EQ(rec.tally.total, 16000);
  EXPECT_EQ(run.score, 16500u);
  EXPECT_EQ(run.coinCounter, 13);
}

TEST_F(Play, ExitAboveTheCoinEndsTheLevelFirst) {
  level.cell[2][1] = Cell{Exit, 3};
  level.cell[2][2] = Cell{Coin, 3};
  setupPlay(level, 0);
  PlayLoop loop;
  beginPlay(loop, false);
  play.ball.x = 62;
  play.ball.y = 49.5;
  EXPECT_EQ(checkContacts(loop), Exited);
  EXPECT_EQ(rec.events, (std::vector<std::string>{"tally begin", "tally end"}));
  EXPECT_EQ(play.coinsTaken, 0);
  EXPECT_EQ(play.level.cell[2][2].kind, Coin);
  EXPECT_EQ(run.score, 4000u);
  EXPECT_EQ(run.coinCounter, 0);
}

TEST_F(Play, ContactAtExactlyReachCounts) {
  // Ball of size 1 (radius 4) and a coin of size 2 (radius 7) touch at 11.
  level.cell[2][2] = Cell{Coin, 2};
  setupPlay(level, 0);
  PlayLoop loop;
  beginPlay(loop, false);
  play.ball.x = 62 + 11;
  play.ball.y = 62;
  EXPECT_EQ(checkContacts(loop), NoResult);
  EXPECT_EQ(play.coinsTaken, 1);
  EXPECT_EQ(run.score, 250u);
  EXPECT_EQ(run.coinCounter, 5);

  level.cell[2][2] = Cell{Coin, 2};
  setupPlay(level, 0);
  beginPlay(loop, false);
  play.ball.x = 62 + 11.001;
  play.ball.y = 62;
  EXPECT_EQ(checkContacts(loop), NoResult);
  EXPECT_EQ(play.coinsTaken, 0);
}

TEST_F(Play, FlipTurnsADeadlyAttractorIntoABouncingRepeller) {
  // Ball at (37, 37) heading east at 1 pixel a substep toward an attractor
  // centred 75 pixels away: contact (reach 14) comes in the second frame.
  level.cell[3][3] = Cell{Empty, 0};
  level.cell[1][1] = Cell{Start, 1};
  level.cell[4][1] = Cell{Attractor, 3};

  setupPlay(level, 0);
  play.ball.vx = 1.0;
  EXPECT_EQ(runPlayLoop(false), Lost);
  EXPECT_EQ(play.frameCount, 1);
  EXPECT_EQ(rec.finalFrames, 1);

  // FLIP sampled after frame 1 acts before contact: the ball bounces back.
  rec = Record{};
  rec.script = [](int32_t f) { return f == 1 ? flip() : nothingHeld(f); };
  setupPlay(level, 0);
  play.ball.vx = 1.0;
  PlayLoop loop;
  beginPlay(loop, false);
  int steps = 0;
  while (play.ball.vx > 0 && steps < 200) {
    ASSERT_EQ(playSubstep(loop), NoResult) << steps;
    ++steps;
  }
  EXPECT_EQ(play.level.cell[4][1].kind, Repeller);
  EXPECT_EQ(level.cell[4][1].kind, Attractor);
  EXPECT_LT(play.ball.vx, -0.9);
  EXPECT_NEAR(play.ball.x, 112 - 14, 1e-9);
  EXPECT_EQ(rec.finalFrames, 0);
}

TEST_F(Play, DeadlyEdgeLosesBeforeAnyContactIsTested) {
  level.wall[East] = Deadly;
  level.cell[3][3] = Cell{Empty, 0};
  level.cell[7][2] = Cell{Start, 1};
  level.cell[7][1] = Cell{Coin, 3};  // within reach once the ball passes the edge
  setupPlay(level, 0);
  play.ball.x = 195.5;
  play.ball.y = 40;
  play.ball.vx = 1.0;
  EXPECT_EQ(runPlayLoop(false), Lost);
  EXPECT_EQ(play.coinsTaken, 0);
  EXPECT_EQ(rec.finalFrames, 1);
  EXPECT_EQ(play.ball.x, 196.5);  // lost where it reached the edge, not moved back
}

TEST_F(Play, OversizedBallAndPiecesPlayAsTheLargestSize) {
  // Sizes above 3 make a level unplayable, but the editor's test play runs
  // such a level as it stands; there they act as size 3, as they are drawn.
  level.cell[3][3] = Cell{Start, 1000000000u};
  level.cell[5][3] = Cell{Coin, 715827882u};  // 3 x size + 1 is the largest int
  setupPlay(level, 0);
  EXPECT_EQ(play.ball.size, 3);
  EXPECT_EQ(ballRadius(play.ball), 10);

  PlayLoop loop;
  beginPlay(loop, false);
  play.ball.x = 137 - 20.001;  // coin centre (137, 87), reach 10 + 10
  play.ball.y = 87;
  EXPECT_EQ(checkContacts(loop), NoResult);
  EXPECT_EQ(play.coinsTaken, 0);
  play.ball.x = 137 - 20;
  EXPECT_EQ(checkContacts(loop), NoResult);
  EXPECT_EQ(play.coinsTaken, 1);
}

TEST_F(Play, APieceBeyondANarrowedBoardIsNotTouchedAfterABounce) {
  // The editor keeps pieces when the board is narrowed. A bounce off the
  // repeller in the last column throws the ball past the east edge, right
  // onto a hazard stored in the first column beyond the board.
  level.width = 3;
  level.cell[3][3] = Cell{Empty, 0};
  level.cell[1][1] = Cell{Start, 3};
  level.cell[2][0] = Cell{Repeller, 3};
  level.cell[3][0] = Cell{Hazard, 3};
  setupPlay(level, 0);
  PlayLoop loop;
  beginPlay(loop, false);
  play.ball.x = 65;
  play.ball.y = 12;
  play.ball.vx = 1.0;
  EXPECT_EQ(checkContacts(loop), NoResult);
  EXPECT_EQ(play.ball.x, 82.0);  // on the repeller's contact circle, past the edge
}

TEST_F(Play, ABoardOfExtremeExtentKeepsTheBallsCoordinatesInRange) {
  // Test play runs levels as read: with a huge negative width the east and
  // west edges put the ball some 2 x 10^10 pixels away, where the trail and
  // the contact scan must still work out its cell (the sanitizer build
  // checks the arithmetic).
  level.width = -808464433;
  level.wall[West] = Wrap;
  setupPlay(level, 0);
  EXPECT_EQ(play.originX, FarPixel);
  PlayLoop loop;
  beginPlay(loop, false);
  for (int i = 0; i < 2 * SubstepsPerFrame; ++i) ASSERT_EQ(playSubstep(loop), NoResult);
  EXPECT_LT(play.ball.x, -1e10);
  EXPECT_EQ(truncatedPixel(play.ball.x), -FarPixel);
}

// ---------------------------------------------------------------- trail

// The trail follows the ball in short joined pieces, each ending where the
// ball is; after a wrap it starts afresh on the far side instead of
// drawing a line across the board.
TEST_F(Play, TheTrailFollowsTheBallAndBreaksAtAWrap) {
  hooks.drawTrail = onTrail;
  setPlayHooks(&hooks);
  level.cell[3][3] = Cell{Empty, 0};
  level.cell[2][4] = Cell{Start, 1};
  level.wall[North] = Wrap;
  level.limit = 3;
  rec.script = [](int32_t f) { return f == 1 ? dir(Up) : nothingHeld(f); };
  trail.clear();
  setupPlay(level, 0);
  PlayLoop loop;
  beginPlay(loop, false);
  int wraps = 0;
  double lastY = play.ball.y;
  while (play.frameCount < 60) {
    const size_t before = trail.size();
    ASSERT_EQ(playSubstep(loop), NoResult);
    if (play.ball.y > lastY + 50) ++wraps;
    lastY = play.ball.y;
    if (trail.size() > before) {
      const Segment& s = trail.back();
      EXPECT_EQ(s.x2, truncatedPixel(play.ball.x));
      EXPECT_LE(std::abs(s.y2 - s.y1), 1) << "a trail piece across the board at frame " << play.frameCount;
    }
  }
  ASSERT_EQ(wraps, 1);
  ASSERT_GT(trail.size(), 100u);
  int breaks = 0;
  for (size_t i = 1; i < trail.size(); ++i) {
    EXPECT_EQ(trail[i].x1, 62);  // straight up the column
    if (trail[i].x1 != trail[i - 1].x2 || trail[i].y1 != trail[i - 1].y2) ++breaks;
  }
  EXPECT_EQ(breaks, 1);  // the wrap, and nowhere else
  setPlayHooks(&headlessHooks);
}
