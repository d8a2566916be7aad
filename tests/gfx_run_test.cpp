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
