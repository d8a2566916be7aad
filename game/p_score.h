// Score keeping of one campaign run: score, lives, the coin counter and the
// extra lives they give. Every change asks the front end to redraw its field.
#pragma once
#include <cstdint>

constexpr int32_t MaxLives = 9;
constexpr uint32_t FirstLifeScore = 100000;

struct RunState {
  uint32_t score;          // compared as unsigned, drawn as signed
  int32_t lives;
  int32_t coinCounter;     // 0..99 after each addCoin
  uint32_t nextLifeScore;  // 100000, doubling; 0 once no further doubling fits
};

extern RunState run;

void resetRun(int32_t lives);
void addScore(int32_t points);
void gainLife();
void addCoin();
void addCoins(int32_t n);

// Decimal digits of n (1 for 0; a negative number counts its magnitude).
int digitCount(int32_t n);
