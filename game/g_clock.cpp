#include "game/g_clock.h"

#include <allegro.h>

volatile int32_t tickCount = 0;

static bool timerInstalled = false;

void onTick() { tickCount = tickCount + 1; }
END_OF_FUNCTION(onTick)

void restartFrameClock() {
  if (timerInstalled) remove_int(onTick);
  tickCount = 0;
  LOCK_VARIABLE(tickCount);
  LOCK_FUNCTION(onTick);
  install_int_ex(onTick, TimerSpeed);
  timerInstalled = true;
}

int32_t waitForFrameEnd(int32_t frameStart) {
  int32_t now = tickCount;
  while (now < frameStart + TicksPerFrame) {
    yield_timeslice();
    now = tickCount;
  }
  return now;
}

namespace {

const int directionKeys[4][3] = {
    {KEY_UP, KEY_8_PAD, KEY_W},
    {KEY_RIGHT, KEY_6_PAD, KEY_D},
    {KEY_DOWN, KEY_2_PAD, KEY_S},
    {KEY_LEFT, KEY_4_PAD, KEY_A},
};

const int actionKeys[3] = {KEY_SPACE, KEY_ENTER, KEY_ENTER_PAD};

}  // namespace

bool heldDirectionIn(const volatile char* keys, Direction& dir) {
  int count = 0;
  for (int group = 0; group < 4; ++group) {
    for (int k = 0; k < 3; ++k) {
      if (!keys[directionKeys[group][k]]) continue;
      if (count == 0) {
        dir = static_cast<Direction>(group);
        count = 1;
      } else if (group != dir) {
        ++count;
      }
    }
  }
  return count == 1;
}

bool heldDirection(Direction& dir) { return heldDirectionIn(key, dir); }

bool actionKeyHeld() {
  for (int k : actionKeys)
    if (key[k]) return true;
  return false;
}
