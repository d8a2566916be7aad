#include "game/g_clock.h"

#include <allegro.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

std::atomic<int32_t> tickCount{0};

static bool timerInstalled = false;

namespace {

// The frame wait sleeps on a condition variable that the tick callback
// signals once the awaited tick has come, so the main thread is woken on
// the very tick a frame may start instead of polling the counter.
// `awaitedTick` is NoWaiter while nobody sleeps, so the callback touches the
// lock only on the one tick that ends a wait.
constexpr int32_t NoWaiter = INT32_MAX;
std::atomic<int32_t> awaitedTick{NoWaiter};
std::mutex tickMutex;
std::condition_variable tickReached;

// How long a sleeper waits for a wake-up before it looks again; no tick is
// ever missed, so this bounds only a wait on a timer that is not running.
std::atomic<int> recheckMilliseconds{100};

}  // namespace

void onTick() {
  // The count and the awaited tick are sequentially consistent: the callback
  // adds to the count, then reads the awaited tick; the sleeper stores the
  // awaited tick, then reads the count. One of the two always sees the
  // other's write, so a wake-up is never lost.
  const int32_t now = tickCount.fetch_add(1) + 1;
  if (now >= awaitedTick.load()) {
    // Taking the lock waits out a sleeper between its look at the count and
    // its sleep; the signal itself goes after the lock is free, so the woken
    // thread does not at once block on it.
    { std::lock_guard<std::mutex> lock(tickMutex); }
    tickReached.notify_one();
  }
}
END_OF_FUNCTION(onTick)

void setTickRecheck(int milliseconds) { recheckMilliseconds.store(milliseconds < 1 ? 1 : milliseconds); }

void restartFrameClock() {
  if (timerInstalled) remove_int(onTick);
  tickCount.store(0);
  LOCK_VARIABLE(tickCount);
  LOCK_FUNCTION(onTick);
  install_int_ex(onTick, TimerSpeed);
  timerInstalled = true;
}

int32_t sleepUntilTick(int32_t tick) {
  int32_t now = tickCount.load();
  if (now >= tick) return now;
  std::unique_lock<std::mutex> lock(tickMutex);
  awaitedTick.store(tick);
  const std::chrono::milliseconds recheck{recheckMilliseconds.load()};
  while ((now = tickCount.load()) < tick) tickReached.wait_for(lock, recheck);
  awaitedTick.store(NoWaiter);
  return now;
}

int32_t waitForFrameEnd(int32_t frameStart) { return sleepUntilTick(frameStart + TicksPerFrame); }

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

bool anyKeyHeld() {
  for (int k = 1; k < KEY_MAX; ++k)
    if (key[k]) return true;
  return false;
}

void waitForActionRelease() {
  while (actionKeyHeld()) sleepUntilTick(tickCount.load() + 1);
}
