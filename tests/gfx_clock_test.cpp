// The frame wait against a tick source driven by the test: a frame never
// starts before its 32nd tick, starts on that very tick once it has been
// delivered, and no wake-up may be lost (the wait's own recheck is set far
// beyond the test's patience, so only the callback's signal can end it).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "game/g_clock.h"

namespace {

using namespace std::chrono;

// A frame wait on its own thread, watched by the test.
struct Sleeper {
  std::atomic<bool> done{false};
  std::atomic<int32_t> result{-1};
  std::thread thread;
  explicit Sleeper(int32_t frameStart)
      : thread([this, frameStart] {
          result = waitForFrameEnd(frameStart);
          done = true;
        }) {}
  // Whether the wait ended within `limit`.
  bool endsWithin(milliseconds limit) {
    const auto until = steady_clock::now() + limit;
    while (!done && steady_clock::now() < until) std::this_thread::sleep_for(microseconds(100));
    return done;
  }
};

class FrameWait : public ::testing::Test {
 protected:
  void SetUp() override {
    setTickRecheck(60 * 1000);
    tickCount.store(0);
  }
  void TearDown() override { setTickRecheck(100); }
};

// Ticks one at a time. Before the 32nd the wait must go on; on the 32nd it
// must end and report that very tick. The ticks stop there until it has
// ended, so a wait that wants a 33rd tick, or one whose wake-up was lost,
// never ends within the 10 s the test gives it.
TEST_F(FrameWait, EachFrameStartsOnItsThirtySecondTick) {
  for (int32_t frameStart : {0, 32, 1000, INT32_MAX - 40}) {
    tickCount.store(frameStart);
    Sleeper sleeper(frameStart);
    for (int i = 1; i < TicksPerFrame; ++i) {
      onTick();
      // A moment for a wait that would end early to do so.
      std::this_thread::sleep_for(microseconds(200));
      EXPECT_FALSE(sleeper.done) << "a frame started on tick " << i << " after " << frameStart;
    }
    onTick();
    const bool ended = sleeper.endsWithin(seconds(10));
    EXPECT_TRUE(ended) << "the 32nd tick did not end the wait from " << frameStart;
    while (!sleeper.done) onTick();  // free a faulty wait so the test can go on
    sleeper.thread.join();
    if (ended) {
      EXPECT_EQ(sleeper.result.load(), frameStart + TicksPerFrame);
    }
  }
}

// A wait for a tick already reached returns at once with the count.
TEST_F(FrameWait, AWaitForATickAlreadyPassedEndsAtOnce) {
  tickCount.store(100);
  EXPECT_EQ(waitForFrameEnd(50), 100);
  EXPECT_EQ(sleepUntilTick(100), 100);
}

// The timer's own rate (about 960 ticks a second, from another thread) for
// 30 frames: every frame starts on or after its 32nd tick and the frames
// follow one another without catching up. How late each starts depends on
// the machine's load and is measured by scripts/measure.sh, not here.
TEST_F(FrameWait, AtTheTimersRateFramesFollowOneAnother) {
  setTickRecheck(100);  // the game's own: a fault costs time here, not a hang
  std::atomic<bool> stop{false};
  std::thread timer([&stop] {
    auto next = steady_clock::now();
    while (!stop) {
      next += microseconds(1041);
      std::this_thread::sleep_until(next);
      onTick();
    }
  });
  int32_t frameStart = tickCount.load();
  for (int frame = 0; frame < 30; ++frame) {
    const int32_t next = waitForFrameEnd(frameStart);
    EXPECT_GE(next, frameStart + TicksPerFrame);
    frameStart = next;
  }
  stop = true;
  timer.join();
  EXPECT_GE(frameStart, 30 * TicksPerFrame);
}

}  // namespace
