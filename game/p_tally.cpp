// The level-end bonus: which bonus lines a finished level earns, the
// multiplier they make and the points and extra coins they give.
#include "game/p_tally.h"

#include "game/p_play.h"

namespace {

void addLine(BonusTally& tally, BonusGroup group, const char* label, const char* factorText,
             int32_t factor) {
  BonusLine& line = tally.line[tally.lineCount++];
  line.group = group;
  line.label = label;
  line.factorText = factorText;
  line.factor = factor;
  tally.multiplier *= factor;
}

}  // namespace

void computeLevelBonus(const PlayState& state, bool flipped, bool nudged, BonusTally& tally) {
  const Level& level = state.level;
  tally.lineCount = 0;
  tally.multiplier = 1;
  tally.levelBonus = state.levelBonus;
  tally.coinCalls = 0;

  const bool allCoins = state.coinsTotal > 0 && state.coinsTaken == state.coinsTotal;
  if (allCoins) {
    // "Without a bonus time" is the opposite of the time lines' bonus > 0:
    // a negative bonus time counts as none.
    if (level.bonus <= 0 && state.timeLeft >= level.limit / 2.0) {
      addLine(tally, CoinGroup, "FAST COIN BONUS ", "  x4", 4);
      tally.coinCalls = 3 * state.coinsTotal;
    } else {
      addLine(tally, CoinGroup, "COIN BONUS ", "  x3", 3);
      tally.coinCalls = 2 * state.coinsTotal;
    }
  }

  if (level.bonus > 0 && state.timeLeft >= level.bonus) {
    const double used = level.limit - state.timeLeft;
    const double span = static_cast<double>(level.limit) - level.bonus;
    if (state.coinsTaken * 3 / 2 >= state.coinsTotal && span >= 8.0 * used)
      addLine(tally, TimeGroup, "MEGA TIME BONUS ", "  x5", 5);
    else if (2 * state.coinsTaken >= state.coinsTotal && span >= 4.0 * used)
      addLine(tally, TimeGroup, "ULTRA TIME BONUS ", "  x4", 4);
    else if ((state.coinsTaken > 0 || state.coinsTotal == 0) && span >= 2.0 * used)
      addLine(tally, TimeGroup, "SUPER TIME BONUS ", "  x3", 3);
    else
      addLine(tally, TimeGroup, "TIME BONUS ", "  x2", 2);
  }

  if (!flipped) addLine(tally, FlipGroup, "FLIP BONUS ", "  x2", 2);
  if (!nudged) addLine(tally, TiltGroup, "TILT BONUS ", "  x2", 2);

  // At most 1000 x 60 in play; widened so an odd base cannot overflow.
  const int64_t total = static_cast<int64_t>(tally.levelBonus) * tally.multiplier;
  tally.total = total > INT32_MAX ? INT32_MAX : (total < INT32_MIN ? INT32_MIN : static_cast<int32_t>(total));
}
