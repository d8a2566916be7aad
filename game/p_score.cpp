// Score keeping of one campaign run. Each change asks the front end, through
// the play hooks, to redraw the panel field it touched.
#include "game/p_score.h"

#include "game/p_events.h"
#include "game/p_play.h"

RunState run;

void resetRun(int32_t lives) {
  run.lives = lives;
  run.score = 0;
  run.nextLifeScore = FirstLifeScore;
  run.coinCounter = 0;
}

void addScore(int32_t points) {
  if (points >= 0) {
    // Saturate rather than wrap: a score can only grow from a gain.
    const uint32_t gain = static_cast<uint32_t>(points);
    run.score = (run.score > UINT32_MAX - gain) ? UINT32_MAX : run.score + gain;
    // One extra life per threshold passed. The threshold doubles while the
    // doubled value still fits in 32 bits; the last one that cannot double
    // still gives its life and then becomes 0, meaning no more lives from score.
    while (run.nextLifeScore != 0 && run.score >= run.nextLifeScore) {
      if (run.nextLifeScore > UINT32_MAX / 2)
        run.nextLifeScore = 0;
      else
        run.nextLifeScore *= 2;
      gainLife();
    }
  } else {
    // A deduction lowers the score but never below 0, so it cannot wrap
    // round to a huge value that would pass every threshold at once.
    const uint32_t loss = static_cast<uint32_t>(-static_cast<int64_t>(points));
    run.score = (run.score < loss) ? 0 : run.score - loss;
  }
  playHooks().drawScore();
}

void gainLife() {
  if (run.lives < MaxLives) {
    ++run.lives;
    playHooks().drawLives();
    reportEvent(EventExtraLife);
  }
}

void addCoin() {
  ++run.coinCounter;
  if (run.coinCounter >= 100) {
    run.coinCounter -= 100;
    gainLife();
  }
  playHooks().drawCoins();
}

void addCoins(int32_t n) {
  for (int32_t i = 0; i < n; ++i) addCoin();
}

int digitCount(int32_t n) {
  // Division truncates toward zero, so a negative number (INT32_MIN too)
  // walks down its magnitude without ever being negated.
  int count = 1;
  while (n / 10 != 0) {
    n /= 10;
    ++count;
  }
  return count;
}
