// The campaign run's decision after each attempt at a level.
#include <gtest/gtest.h>

#include "game/p_score.h"
#include "shell/i_run.h"

TEST(CampaignRun, AnExitMovesOnAndALossOrATimeOutCostsALifeOnTheSameSlot) {
  resetRun(3);
  RunProgress progress{1, 0};
  advanceRun(progress, Exited);
  EXPECT_EQ(progress.slot, 2);
  EXPECT_EQ(progress.completed, 1);
  EXPECT_EQ(run.lives, 3);

  advanceRun(progress, TimeExpired);
  advanceRun(progress, Lost);
  EXPECT_EQ(progress.slot, 2);
  EXPECT_EQ(progress.completed, 1);
  EXPECT_EQ(run.lives, 1);

  advanceRun(progress, Quit);
  EXPECT_EQ(progress.slot, 2);
  EXPECT_EQ(run.lives, 1);
}

// "lives 99" in a file still plays with 9 at most, and a negative count
// with none to spare.
TEST(CampaignRun, TheLivesOfAFileAreClampedToNoneToNine) {
  EXPECT_EQ(startingLives(99), MaxLives);
  EXPECT_EQ(startingLives(10), MaxLives);
  EXPECT_EQ(startingLives(9), 9);
  EXPECT_EQ(startingLives(3), 3);
  EXPECT_EQ(startingLives(0), 0);
  EXPECT_EQ(startingLives(-1), 0);
  EXPECT_EQ(startingLives(INT32_MIN), 0);
}
