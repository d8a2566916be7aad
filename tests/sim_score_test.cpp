// Score keeping of a run: points, extra lives from score and coins, the
// redraw requests, and the digit count the panel uses.
#include <gtest/gtest.h>

#include <cstdint>

#include "game/p_play.h"
#include "game/p_score.h"

namespace {

int scoreDraws, livesDraws, coinsDraws;
void countScore() { ++scoreDraws; }
void countLives() { ++livesDraws; }
void countCoins() { ++coinsDraws; }

class Score : public ::testing::Test {
 protected:
  void SetUp() override {
    hooks = headlessHooks;
    hooks.drawScore = countScore;
    hooks.drawLives = countLives;
    hooks.drawCoins = countCoins;
    setPlayHooks(&hooks);
    resetRun(3);
    scoreDraws = livesDraws = coinsDraws = 0;
  }
  void TearDown() override { setPlayHooks(&headlessHooks); }
  PlayHooks hooks;
};

}  // namespace

TEST_F(Score, ResetStartsAFreshRunWithoutDrawing) {
  run = RunState{12345, 7, 42, 800000};
  resetRun(5);
  EXPECT_EQ(run.score, 0u);
  EXPECT_EQ(run.lives, 5);
  EXPECT_EQ(run.coinCounter, 0);
  EXPECT_EQ(run.nextLifeScore, 100000u);
  EXPECT_EQ(scoreDraws + livesDraws + coinsDraws, 0);
}

TEST_F(Score, ExtraLifeAtEachDoublingThreshold) {
  addScore(99950);
  EXPECT_EQ(run.lives, 3);
  EXPECT_EQ(run.nextLifeScore, 100000u);
  addScore(100);
  EXPECT_EQ(run.score, 100050u);
  EXPECT_EQ(run.lives, 4);
  EXPECT_EQ(run.nextLifeScore, 200000u);
  EXPECT_EQ(scoreDraws, 2);
  EXPECT_EQ(livesDraws, 1);

  // Reaching a threshold exactly counts; one short does not.
  resetRun(0);
  addScore(99999);
  EXPECT_EQ(run.lives, 0);
  addScore(1);
  EXPECT_EQ(run.lives, 1);
}

TEST_F(Score, OneAdditionPassingSeveralThresholdsGivesALifeForEach) {
  addScore(250000);
  EXPECT_EQ(run.lives, 5);
  EXPECT_EQ(run.nextLifeScore, 400000u);
  EXPECT_EQ(scoreDraws, 1);
  EXPECT_EQ(livesDraws, 2);
}

TEST_F(Score, AtMaxLivesTheLifeIsLostButThresholdsMoveOn) {
  resetRun(MaxLives);
  addScore(100000);
  EXPECT_EQ(run.lives, MaxLives);
  EXPECT_EQ(run.nextLifeScore, 200000u);
  EXPECT_EQ(livesDraws, 0);
  // From 8 the first life counts, the second is lost.
  resetRun(8);
  addScore(200000);
  EXPECT_EQ(run.lives, MaxLives);
  EXPECT_EQ(run.nextLifeScore, 400000u);
  // Lives above the maximum are never raised.
  resetRun(12);
  gainLife();
  EXPECT_EQ(run.lives, 12);
}

TEST_F(Score, ThresholdStopsWhenItCanNoLongerDoubleIn32Bits) {
  resetRun(0);
  addScore(INT32_MAX);  // passes 100,000 x 2^0 .. 2^14
  EXPECT_EQ(run.lives, MaxLives);
  EXPECT_EQ(run.nextLifeScore, 3276800000u);

  // The last threshold that cannot double still gives its life, then no more.
  run.lives = 0;
  addScore(INT32_MAX);
  EXPECT_EQ(run.score, 4294967294u);
  EXPECT_EQ(run.lives, 1);
  EXPECT_EQ(run.nextLifeScore, 0u);

  // Further points neither wrap the score round nor give lives.
  addScore(INT32_MAX);
  EXPECT_EQ(run.score, UINT32_MAX);
  EXPECT_EQ(run.lives, 1);
  EXPECT_EQ(run.nextLifeScore, 0u);
}

TEST_F(Score, DeductionsStopAtZeroAndGiveNoLives) {
  addScore(1000);
  addScore(-400);
  EXPECT_EQ(run.score, 600u);
  addScore(-5000);
  EXPECT_EQ(run.score, 0u);
  addScore(INT32_MIN);
  EXPECT_EQ(run.score, 0u);
  EXPECT_EQ(run.lives, 3);
  EXPECT_EQ(run.nextLifeScore, 100000u);
  // A later gain is counted from 0, not from a wrapped-round value.
  addScore(500);
  EXPECT_EQ(run.score, 500u);
  EXPECT_EQ(run.lives, 3);
}

TEST_F(Score, EveryHundredthCoinGivesALife) {
  addCoins(99);
  EXPECT_EQ(run.coinCounter, 99);
  EXPECT_EQ(run.lives, 3);
  addCoin();
  EXPECT_EQ(run.coinCounter, 0);
  EXPECT_EQ(run.lives, 4);
  EXPECT_EQ(coinsDraws, 100);
  EXPECT_EQ(livesDraws, 1);

  addCoins(250);
  EXPECT_EQ(run.coinCounter, 50);
  EXPECT_EQ(run.lives, 6);
  // Coins never touch the score.
  EXPECT_EQ(run.score, 0u);
  EXPECT_EQ(scoreDraws, 0);
}

TEST_F(Score, HundredthCoinAtMaxLivesStillResetsTheCounter) {
  resetRun(MaxLives);
  addCoins(100);
  EXPECT_EQ(run.coinCounter, 0);
  EXPECT_EQ(run.lives, MaxLives);
  EXPECT_EQ(livesDraws, 0);
}

TEST_F(Score, AddCoinsOfNothingOrLessDoesNothing) {
  addCoins(0);
  addCoins(-5);
  addCoins(INT32_MIN);
  EXPECT_EQ(run.coinCounter, 0);
  EXPECT_EQ(coinsDraws, 0);
}

TEST(DigitCount, CountsDigitsOfTheMagnitude) {
  EXPECT_EQ(digitCount(0), 1);
  EXPECT_EQ(digitCount(9), 1);
  EXPECT_EQ(digitCount(10), 2);
  EXPECT_EQ(digitCount(999), 3);
  EXPECT_EQ(digitCount(1000), 4);
  EXPECT_EQ(digitCount(100000), 6);
  EXPECT_EQ(digitCount(INT32_MAX), 10);
  EXPECT_EQ(digitCount(-1), 1);
  EXPECT_EQ(digitCount(-10), 2);
  EXPECT_EQ(digitCount(-999), 3);
  EXPECT_EQ(digitCount(INT32_MIN), 10);
}
