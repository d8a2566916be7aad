// The level-end bonus: which bonus lines a finished level earns and the
// resulting multiplier and points. Pure arithmetic over the play state.
#pragma once
#include <cstdint>

struct PlayState;

enum BonusGroup : int32_t { CoinGroup = 0, TimeGroup = 1, FlipGroup = 2, TiltGroup = 3 };

struct BonusLine {
  BonusGroup group;
  const char* label;       // "FAST COIN BONUS ", "TIME BONUS ", ...
  const char* factorText;  // "  x4", ...
  int32_t factor;
};

struct BonusTally {
  int32_t lineCount;
  BonusLine line[4];   // in drawing order, at most one per group
  int32_t multiplier;  // product of the factors, 1 when no line
  int32_t levelBonus;  // the base, from the play state
  int32_t total;       // levelBonus x multiplier, the points added
  int32_t coinCalls;   // addCoin calls the coin line gives (3 or 2 per coin cell)
};

void computeLevelBonus(const PlayState& state, bool flipped, bool nudged, BonusTally& tally);
