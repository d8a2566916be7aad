// The level check, the campaign check and FLIP.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>

#include "data/campaign_io.h"
#include "data/level.h"

namespace {

// The smallest playable shape: one Start, one Exit.
Level playable(int width, int height) {
  Level level;
  makeNewLevel(level);
  level.width = width;
  level.height = height;
  level.limit = 1;
  level.cell[0][0] = Cell{Start, 1};
  level.cell[width - 1][height - 1] = Cell{Exit, 0};
  return level;
}

Level unplayable() {
  Level level = playable(3, 3);
  level.cell[0][0].kind = Empty;
  return level;
}

}  // namespace

// ------------------------------------------------------------ level check

TEST(LevelCheck, SizeLimits) {
  EXPECT_EQ(validateLevel(playable(MaxWidth, MaxHeight)), 0);
  EXPECT_EQ(validateLevel(playable(1, 2)), 0);
  Level l = playable(MaxWidth, MaxHeight);
  l.width = 19;
  EXPECT_EQ(validateLevel(l), 1);
  l = playable(MaxWidth, MaxHeight);
  l.height = 13;
  EXPECT_EQ(validateLevel(l), 1);
  l = playable(3, 3);
  l.width = 0;
  EXPECT_EQ(validateLevel(l), 1);
  l = playable(3, 3);
  l.height = 0;
  EXPECT_EQ(validateLevel(l), 1);
  l.height = -1;
  EXPECT_EQ(validateLevel(l), 1);
}

TEST(LevelCheck, LimitAndBonus) {
  Level l = playable(3, 3);
  l.limit = 0;
  EXPECT_EQ(validateLevel(l), 1);
  l.limit = 20;
  l.bonus = 20;
  EXPECT_EQ(validateLevel(l), 0);
  l.bonus = 21;
  EXPECT_EQ(validateLevel(l), 1);
  l.bonus = -5;  // a negative bonus passes
  EXPECT_EQ(validateLevel(l), 0);
}

TEST(LevelCheck, StartAndExitCounts) {
  Level l = playable(4, 4);
  l.cell[2][2] = Cell{Start, 0};
  EXPECT_EQ(validateLevel(l), 1);  // two starts
  l.cell[2][2] = Cell{Exit, 3};
  l.cell[1][3] = Cell{Exit, 1};
  EXPECT_EQ(validateLevel(l), 0);  // any number of exits
  l.cell[3][3].kind = Empty;
  l.cell[2][2].kind = Empty;
  l.cell[1][3].kind = Empty;
  EXPECT_EQ(validateLevel(l), 1);  // no exit
  EXPECT_EQ(validateLevel(unplayable()), 1);  // no start
}

TEST(LevelCheck, OnlyCellsInsideTheUsedAreaCount) {
  Level l = playable(4, 4);
  l.cell[2][1] = Cell{Hazard, 4};
  EXPECT_EQ(validateLevel(l), 1);
  l.cell[2][1] = Cell{Empty, 4};  // whatever the kind
  EXPECT_EQ(validateLevel(l), 1);
  l.cell[2][1] = Cell{static_cast<CellKind>(77), 4294967295u};
  EXPECT_EQ(validateLevel(l), 1);
  l.cell[2][1] = Cell{Empty, 0};
  l.cell[5][1] = Cell{Coin, 4};  // outside width 4
  l.cell[1][6] = Cell{Coin, 9};  // outside height 4
  EXPECT_EQ(validateLevel(l), 0);
  l.cell[4][0] = Cell{Start, 0};  // a second Start outside does not count
  l.cell[0][4] = Cell{Start, 0};
  EXPECT_EQ(validateLevel(l), 0);
  l.cell[0][0].kind = Empty;  // ... nor does it stand in for the missing one
  EXPECT_EQ(validateLevel(l), 1);
}

TEST(LevelCheck, NewLevelNeedsAStartAndAnExit) {
  Level l;
  makeNewLevel(l);
  EXPECT_EQ(l.width, 18);
  EXPECT_EQ(l.height, 12);
  EXPECT_EQ(l.limit, 30);
  EXPECT_EQ(l.bonus, 0);
  EXPECT_EQ(l.wall[North], Bounce);
  EXPECT_EQ(l.wall[East], Wrap);
  EXPECT_EQ(l.wall[South], Deadly);
  EXPECT_EQ(l.wall[West], Wrap);
  EXPECT_EQ(validateLevel(l), 1);
  l.cell[0][0] = Cell{Start, 0};
  l.cell[17][11] = Cell{Exit, 0};
  EXPECT_EQ(validateLevel(l), 0);
}

TEST(LevelCheck, WideLevelReadFromAFileIsUnplayable) {
  std::istringstream in("width 30\nheight 3\nlimit 9\nat 0 0 . 1\nat 1 1 * 1\ndone level\n");
  Level l;
  ASSERT_EQ(readLevel(in, l), 0);
  EXPECT_EQ(l.width, 30);
  EXPECT_EQ(validateLevel(l), 1);
}

// --------------------------------------------------------- campaign check

namespace {

std::unique_ptr<Campaign> campaignOf(int levels, int slots) {
  auto c = std::make_unique<Campaign>();
  c->levels = levels;
  c->levelCount = slots;
  for (int i = 0; i < slots && i < MaxLevels; ++i) c->level[i] = playable(3, 3);
  return c;
}

}  // namespace

TEST(CampaignCheck, NewlyCreatedCampaignIsUnplayable) {
  auto c = std::make_unique<Campaign>();
  std::istringstream in("name New\ndesc Made by the console tool\nlevels 0\nlives 3\n");
  ASSERT_EQ(readCampaign(in, *c), 0);
  EXPECT_EQ(campaignUnplayable(*c), 1);
}

TEST(CampaignCheck, CountsPlayableSlots) {
  auto c = campaignOf(3, 5);
  c->level[1] = unplayable();
  c->level[3] = unplayable();
  EXPECT_EQ(campaignUnplayable(*c), 0);
  c->levels = 4;
  EXPECT_EQ(campaignUnplayable(*c), 1);
}

TEST(CampaignCheck, EmptyOrNonsenseCounts) {
  EXPECT_EQ(campaignUnplayable(*campaignOf(0, 5)), 1);
  EXPECT_EQ(campaignUnplayable(*campaignOf(1, 0)), 1);
  EXPECT_EQ(campaignUnplayable(*campaignOf(1, 1)), 0);
  EXPECT_EQ(campaignUnplayable(*campaignOf(2, 1)), 1);
  EXPECT_EQ(campaignUnplayable(*campaignOf(-1, 4)), 1);  // asks for a negative number
  EXPECT_EQ(campaignUnplayable(*campaignOf(1, -3)), 1);
  // A levelCount beyond the slots is read only up to the last slot.
  auto many = campaignOf(MaxLevels, MaxLevels);
  many->levelCount = 100000;
  EXPECT_EQ(campaignUnplayable(*many), 0);
  many->levels = MaxLevels + 1;
  EXPECT_EQ(campaignUnplayable(*many), 1);
}

TEST(CampaignCheck, SlotsBeyondLevelCountDoNotCount) {
  auto c = campaignOf(2, 3);
  c->levelCount = 1;
  EXPECT_EQ(campaignUnplayable(*c), 1);
}

// ------------------------------------------------------------------ FLIP

TEST(Flip, ExchangesFieldPiecesOnly) {
  Level l = playable(6, 2);
  l.cell[1][0] = Cell{Attractor, 1};
  l.cell[2][0] = Cell{Repeller, 2};
  l.cell[3][0] = Cell{SpinnerCW, 3};
  l.cell[4][0] = Cell{SpinnerCCW, 0};
  l.cell[0][1] = Cell{Coin, 2};
  l.cell[1][1] = Cell{Hazard, 1};
  l.cell[2][1] = Cell{static_cast<CellKind>(42), 1};
  const Level before = l;
  flipLevel(l);
  EXPECT_EQ(l.cell[1][0].kind, Repeller);
  EXPECT_EQ(l.cell[2][0].kind, Attractor);
  EXPECT_EQ(l.cell[3][0].kind, SpinnerCCW);
  EXPECT_EQ(l.cell[4][0].kind, SpinnerCW);
  EXPECT_EQ(l.cell[1][0].size, 1u);
  EXPECT_EQ(l.cell[3][0].size, 3u);
  for (int x = 0; x < 6; ++x) {
    EXPECT_EQ(l.cell[x][1].kind, before.cell[x][1].kind);
    EXPECT_EQ(l.cell[x][1].size, before.cell[x][1].size);
  }
  EXPECT_EQ(l.cell[0][0].kind, Start);
  flipLevel(l);
  EXPECT_EQ(std::memcmp(&l, &before, sizeof l), 0);  // twice restores the level
}

TEST(Flip, LevelOfInertPiecesIsUnchanged) {
  Level l = playable(4, 1);
  l.cell[1][0] = Cell{Coin, 3};
  l.cell[2][0] = Cell{Hazard, 0};
  const Level before = l;
  flipLevel(l);
  EXPECT_EQ(std::memcmp(&l, &before, sizeof l), 0);
}

TEST(Flip, OnlyTheUsedAreaOfTheStoredGridIsTouched) {
  Level l = playable(2, 2);
  l.cell[2][0] = Cell{Attractor, 0};  // outside width 2
  l.cell[0][2] = Cell{SpinnerCW, 0};  // outside height 2
  flipLevel(l);
  EXPECT_EQ(l.cell[2][0].kind, Attractor);
  EXPECT_EQ(l.cell[0][2].kind, SpinnerCW);

  // A level read with width 30 and height 99: all 18 x 12 stored cells flip,
  // nothing beyond them is touched (the sanitizers would see it).
  auto holder = std::make_unique<Level[]>(3);
  std::memset(static_cast<void*>(holder.get()), 0, 3 * sizeof(Level));
  Level& big = holder[1];
  big.width = 30;
  big.height = 99;
  for (int x = 0; x < MaxWidth; ++x)
    for (int y = 0; y < MaxHeight; ++y) big.cell[x][y] = Cell{Attractor, 0};
  flipLevel(big);
  for (int x = 0; x < MaxWidth; ++x)
    for (int y = 0; y < MaxHeight; ++y) EXPECT_EQ(big.cell[x][y].kind, Repeller);
  EXPECT_EQ(holder[2].width, 0);
  EXPECT_EQ(holder[2].cell[0][0].kind, Empty);
  EXPECT_EQ(big.width, 30);

  Level negative = playable(2, 2);
  negative.cell[1][0] = Cell{Attractor, 0};
  negative.width = -5;
  flipLevel(negative);
  EXPECT_EQ(negative.cell[1][0].kind, Attractor);
}
