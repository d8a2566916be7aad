// The level-end bonus: lines, multiplier, points and extra coin calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/p_play.h"
#include "game/p_tally.h"

namespace {

// A finished level: `coins` coin cells of which `taken` were collected.
PlayState finished(int32_t limit, int32_t bonus, double timeLeft, int32_t coins, int32_t taken,
                   int32_t levelBonus = 1000) {
  PlayState s{};
  makeNewLevel(s.level);
  s.level.limit = limit;
  s.level.bonus = bonus;
  s.timeLeft = timeLeft;
  s.coinsTotal = coins;
  s.coinsTaken = taken;
  s.levelBonus = levelBonus;
  return s;
}

std::vector<std::string> labels(const BonusTally& t) {
  std::vector<std::string> out;
  for (int i = 0; i < t.lineCount; ++i) out.push_back(t.line[i].label);
  return out;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(Tally, UntouchedLevelWithoutCoinsOrBonusTime) {
  BonusTally t;
  computeLevelBonus(finished(60, 0, 10.0, 0, 0), false, false, t);
  EXPECT_EQ(labels(t), (Lines{"FLIP BONUS ", "TILT BONUS "}));
  EXPECT_EQ(t.line[0].group, FlipGroup);
  EXPECT_EQ(t.line[1].group, TiltGroup);
  EXPECT_STREQ(t.line[0].factorText, "  x2");
  EXPECT_STREQ(t.line[1].factorText, "  x2");
  EXPECT_EQ(t.multiplier, 4);
  EXPECT_EQ(t.levelBonus, 1000);
  EXPECT_EQ(t.total, 4000);
  EXPECT_EQ(t.coinCalls, 0);
}

TEST(Tally, FlipsAndNudgesLeaveOnlyTheBase) {
  BonusTally t;
  computeLevelBonus(finished(60, 0, 10.0, 0, 0, 979), true, true, t);
  EXPECT_EQ(t.lineCount, 0);
  EXPECT_EQ(t.multiplier, 1);
  EXPECT_EQ(t.total, 979);
  EXPECT_EQ(t.coinCalls, 0);
}

TEST(Tally, CoinLineFastAtHalfTheLimitOrMore) {
  BonusTally t;
  computeLevelBonus(finished(60, 0, 30.0, 4, 4), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"FAST COIN BONUS "}));
  EXPECT_STREQ(t.line[0].factorText, "  x4");
  EXPECT_EQ(t.multiplier, 4);
  EXPECT_EQ(t.coinCalls, 12);
  EXPECT_EQ(t.total, 4000);

  computeLevelBonus(finished(60, 0, 29.9, 4, 4), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"COIN BONUS "}));
  EXPECT_STREQ(t.line[0].factorText, "  x3");
  EXPECT_EQ(t.multiplier, 3);
  EXPECT_EQ(t.coinCalls, 8);

  // The half is taken in floating point: 30.5 for a limit of 61.
  computeLevelBonus(finished(61, 0, 30.5, 2, 2), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"FAST COIN BONUS "}));
  computeLevelBonus(finished(61, 0, 30.49, 2, 2), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"COIN BONUS "}));
}

TEST(Tally, CoinLineNeedsEveryCoinOfALevelWithCoins) {
  BonusTally t;
  computeLevelBonus(finished(60, 0, 50.0, 4, 3), true, true, t);
  EXPECT_EQ(t.lineCount, 0);
  EXPECT_EQ(t.coinCalls, 0);
  computeLevelBonus(finished(60, 0, 50.0, 0, 0), true, true, t);
  EXPECT_EQ(t.lineCount, 0);
  // With a bonus time the coin line is never the fast one.
  computeLevelBonus(finished(100, 20, 99.0, 4, 4), true, true, t);
  EXPECT_EQ(labels(t)[0], "COIN BONUS ");
  EXPECT_EQ(t.coinCalls, 8);
}

TEST(Tally, MegaOrUltraByShareOfCoins) {
  BonusTally t;
  // used 10, span 80: 80 >= 8 x 10.
  computeLevelBonus(finished(100, 20, 90.0, 4, 3), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"MEGA TIME BONUS "}));
  EXPECT_EQ(t.line[0].group, TimeGroup);
  EXPECT_STREQ(t.line[0].factorText, "  x5");
  EXPECT_EQ(t.multiplier, 5);

  // 2 of 4: 2 x 3 / 2 = 3 < 4, but 2 x 2 >= 4 and 80 >= 40.
  computeLevelBonus(finished(100, 20, 90.0, 4, 2), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"ULTRA TIME BONUS "}));
  EXPECT_STREQ(t.line[0].factorText, "  x4");
  EXPECT_EQ(t.multiplier, 4);

  // Just slower than a ninth of the span: no longer mega.
  computeLevelBonus(finished(100, 20, 89.99, 4, 3), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"ULTRA TIME BONUS "}));
}

TEST(Tally, SuperAndPlainTimeBonus) {
  BonusTally t;
  // 1 of 4 coins, used 30: 80 >= 60.
  computeLevelBonus(finished(100, 20, 70.0, 4, 1), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"SUPER TIME BONUS "}));
  EXPECT_STREQ(t.line[0].factorText, "  x3");
  EXPECT_EQ(t.multiplier, 3);

  // Coins in the level but none taken: plain time bonus however quick.
  computeLevelBonus(finished(100, 20, 99.5, 4, 0), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"TIME BONUS "}));
  EXPECT_STREQ(t.line[0].factorText, "  x2");
  EXPECT_EQ(t.multiplier, 2);

  // No coins in the level at all counts as every share met.
  computeLevelBonus(finished(100, 20, 99.5, 0, 0), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"MEGA TIME BONUS "}));
  // ... down to SUPER: used 30, span 80, 80 >= 60 but not 120.
  computeLevelBonus(finished(100, 20, 70.0, 0, 0), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"SUPER TIME BONUS "}));
}

TEST(Tally, TimeBonusNeedsBonusTimeLeft) {
  BonusTally t;
  computeLevelBonus(finished(100, 20, 19.9, 0, 0), true, true, t);
  EXPECT_EQ(t.lineCount, 0);
  computeLevelBonus(finished(100, 20, 20.0, 0, 0), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"TIME BONUS "}));
  // A level without bonus time never has a time line.
  computeLevelBonus(finished(100, 0, 99.9, 0, 0), true, true, t);
  EXPECT_EQ(t.lineCount, 0);
}

TEST(Tally, EveryBonusMultipliesToSixty) {
  BonusTally t;
  computeLevelBonus(finished(100, 20, 95.0, 4, 4), false, false, t);
  EXPECT_EQ(labels(t),
            (Lines{"COIN BONUS ", "MEGA TIME BONUS ", "FLIP BONUS ", "TILT BONUS "}));
  EXPECT_EQ(t.multiplier, 60);
  EXPECT_EQ(t.total, 60000);
  EXPECT_EQ(t.coinCalls, 8);

  // Without bonus time the best is 4 x 2 x 2.
  computeLevelBonus(finished(60, 0, 59.0, 3, 3, 100), false, false, t);
  EXPECT_EQ(labels(t), (Lines{"FAST COIN BONUS ", "FLIP BONUS ", "TILT BONUS "}));
  EXPECT_EQ(t.multiplier, 16);
  EXPECT_EQ(t.total, 1600);
  EXPECT_EQ(t.coinCalls, 9);
}

TEST(Tally, FlipAndTiltLinesAreIndependent) {
  BonusTally t;
  computeLevelBonus(finished(60, 0, 1.0, 0, 0, 990), true, false, t);
  EXPECT_EQ(labels(t), (Lines{"TILT BONUS "}));
  EXPECT_EQ(t.total, 1980);
  computeLevelBonus(finished(60, 0, 1.0, 0, 0, 999), false, true, t);
  EXPECT_EQ(labels(t), (Lines{"FLIP BONUS "}));
  EXPECT_EQ(t.total, 1998);
}

TEST(Tally, NegativeBonusTimeCountsAsNoneForTheFastCoinLine) {
  BonusTally t;
  computeLevelBonus(finished(60, -5, 40.0, 2, 2), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"FAST COIN BONUS "}));
  computeLevelBonus(finished(60, -5, 20.0, 2, 2), true, true, t);
  EXPECT_EQ(labels(t), (Lines{"COIN BONUS "}));
}
