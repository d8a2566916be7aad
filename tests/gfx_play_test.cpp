// The window front end of play, run headless: keys come from the library's
// key array set by the test, the screen is a memory bitmap.
#include <gtest/gtest.h>

#include <cstring>

#include "game/g_clock.h"
#include "game/g_play.h"
#include "game/g_tally.h"
#include "game/p_play.h"
#include "game/p_score.h"
#include "game/p_tally.h"
#include "platform/i_system.h"
#include "test_bitmap.h"

using namespace testbmp;

namespace {

const Rgb Grey{192, 192, 192};
const Rgb FactorGreen{192, 255, 0};
const Rgb Yellow{255, 255, 0};

void releaseAllKeys() {
  for (int k = 0; k < KEY_MAX; ++k) key[k] = 0;
}

class WindowPlay : public ::testing::Test {
 protected:
  void SetUp() override {
    initHeadlessAllegro();
    releaseAllKeys();
    back_ = makeOwnedBitmap(ScreenWidth, ScreenHeight);
    shown_ = makeOwnedBitmap(ScreenWidth, ScreenHeight);
    backBuffer = back_.get();
    redirect_ = std::make_unique<ScreenRedirect>(shown_.get());
    text_mode(0);
  }
  void TearDown() override {
    redirect_.reset();
    backBuffer = nullptr;
    releaseAllKeys();
    setPlayHooks(nullptr);
  }

  // 3 x 1 board: start, empty, exit; no bonus time.
  static Level corridor() {
    Level level;
    makeNewLevel(level);
    level.width = 3;
    level.height = 1;
    level.cell[0][0] = Cell{Start, 1};
    level.cell[2][0] = Cell{Exit, 0};
    return level;
  }

  BitmapPtr back_, shown_;
  std::unique_ptr<ScreenRedirect> redirect_;
};

}  // namespace

TEST(DirectionKeys, OneGroupIsADirectionTwoGroupsAreNone) {
  char keys[KEY_MAX] = {};
  Direction dir = Left;
  EXPECT_FALSE(heldDirectionIn(keys, dir));
  EXPECT_EQ(dir, Left) << "no key held leaves the direction alone";

  keys[KEY_W] = keys[KEY_UP] = 1;
  EXPECT_TRUE(heldDirectionIn(keys, dir));
  EXPECT_EQ(dir, Up) << "W and the up arrow are one direction";

  keys[KEY_D] = 1;
  EXPECT_FALSE(heldDirectionIn(keys, dir));
  EXPECT_EQ(dir, Up) << "the first group found is reported";

  std::memset(keys, 0, sizeof keys);
  keys[KEY_4_PAD] = 1;
  EXPECT_TRUE(heldDirectionIn(keys, dir));
  EXPECT_EQ(dir, Left);
  keys[KEY_2_PAD] = 1;
  keys[KEY_S] = 1;
  EXPECT_FALSE(heldDirectionIn(keys, dir));
  EXPECT_EQ(dir, Down);

  std::memset(keys, 0, sizeof keys);
  keys[KEY_6_PAD] = 1;
  EXPECT_TRUE(heldDirectionIn(keys, dir));
  EXPECT_EQ(dir, Right);
}

TEST(DirectionKeys, ActionKeys) {
  initHeadlessAllegro();
  releaseAllKeys();
  EXPECT_FALSE(actionKeyHeld());
  for (int k : {KEY_SPACE, KEY_ENTER, KEY_ENTER_PAD}) {
    key[k] = 1;
    EXPECT_TRUE(actionKeyHeld()) << k;
    key[k] = 0;
  }
  key[KEY_F] = 1;
  EXPECT_FALSE(actionKeyHeld());
  releaseAllKeys();
}

TEST_F(WindowPlay, QuitQuestionTakesNBeforeYAndErasesItself) {
  key[KEY_Y] = key[KEY_N] = 1;
  EXPECT_FALSE(askQuit());
  EXPECT_EQ(countOther(shown_.get(), 0, 352, ScreenWidth - 1, 359, Black), 0)
      << "the question is drawn over in black";
  key[KEY_N] = 0;
  EXPECT_TRUE(askQuit());
}

TEST_F(WindowPlay, FrameShowsBallOnScreenOnly) {
  setupPlay(corridor(), makecol(255, 255, 0));
  play.frameCount = 3;
  presentFrame();
  // Ball of size 1 at cell (0, 0): screen centre origin + (12, 12).
  const int bx = play.originX + 12, by = play.originY + 12;
  EXPECT_EQ(pixelAt(shown_.get(), bx, by), Yellow);
  EXPECT_EQ(pixelAt(shown_.get(), bx + 4, by), Yellow);
  EXPECT_NE(pixelAt(back_.get(), bx, by), Yellow) << "the ball never enters the back buffer";
  // The exit ring of radius 1 at cell (2, 0) is on screen too.
  EXPECT_EQ(pixelAt(shown_.get(), play.originX + 62 + 1, play.originY + 12), White);
}

TEST_F(WindowPlay, TestModeEscapeQuitsAtTheEndOfTheFirstFrame) {
  resetRun(3);
  startLevel(corridor(), 1, true);
  key[KEY_ESC] = 1;
  EXPECT_EQ(playLevel(true), Quit);
  EXPECT_EQ(play.frameCount, 1);
  // The panel words went white when play began.
  EXPECT_TRUE(showsText(backBuffer, 192 - 16, 368, "FLIP", White));
  EXPECT_TRUE(showsText(backBuffer, 320 - 20, 368, "NUDGE", White));
}

TEST_F(WindowPlay, TallyWithoutActionsOrCoinsShowsFlipTiltAndTotal) {
  resetRun(3);
  setupPlay(corridor(), makecol(255, 255, 0));
  useWindowHooks();
  showLevelBonus(false, false);
  BITMAP* s = shown_.get();
  EXPECT_TRUE(showsText(s, 260 - 11 * 8, 136, "FLIP BONUS ", Grey));
  EXPECT_TRUE(showsText(s, 260, 136, "  x2", FactorGreen));
  EXPECT_TRUE(showsText(s, 260 - 11 * 8, 144, "TILT BONUS ", Grey));
  EXPECT_TRUE(showsText(s, 260, 144, "  x2", FactorGreen));
  EXPECT_TRUE(showsText(s, 252 - 5 * 8, 152, "TOTAL", Grey));
  EXPECT_TRUE(showsText(s, 252, 152, " 4000", Yellow));
  EXPECT_TRUE(showsText(s, 260 - 12 * 8, 128, "LEVEL BONUS ", Grey));
  EXPECT_TRUE(showsText(s, 260, 128, "1000", FactorGreen));
  // Both action words light up white for their bonuses; the score shows 4,000.
  EXPECT_TRUE(showsText(s, 192 - 16, 368, "FLIP", White));
  EXPECT_TRUE(showsText(s, 320 - 20, 368, "NUDGE", White));
  EXPECT_TRUE(showsText(s, 80, 336, "4,000", Grey));
  EXPECT_EQ(run.score, 4000u);
}

TEST_F(WindowPlay, ALevelBonusMultipliedByTwoIsDrawnInTheFactorColour) {
  resetRun(3);
  setupPlay(corridor(), makecol(255, 255, 0));
  useWindowHooks();
  showLevelBonus(false, true);  // FLIP BONUS x2 alone
  BITMAP* s = shown_.get();
  EXPECT_TRUE(showsText(s, 260, 136, "  x2", FactorGreen));
  EXPECT_TRUE(showsText(s, 260, 128, "1000", FactorGreen));
  EXPECT_TRUE(showsText(s, 252, 144, " 2000", Yellow));
  EXPECT_EQ(run.score, 2000u);
}

TEST_F(WindowPlay, TallyAfterActionsShowsOnlyTheLevelBonusInYellow) {
  resetRun(3);
  setupPlay(corridor(), makecol(255, 255, 0));
  play.levelBonus = 979;
  useWindowHooks();
  showLevelBonus(true, true);
  BITMAP* s = shown_.get();
  EXPECT_TRUE(showsText(s, 260, 128, " 979", Yellow));
  EXPECT_EQ(countOther(s, 0, 136, ScreenWidth - 1, 147, Black), 0) << "no bonus lines above the board";
  EXPECT_EQ(run.score, 979u);
  // The indicators were hidden by the final frame and stay hidden.
  EXPECT_EQ(countOther(s, 160, 368, 350, 375, Black), 0);
}

// Each kind of event has a sound of its own; a coin's follows its size and
// the tally's its line, each within the sounds there are.
TEST(EventSounds, EveryEventIsHeardDistinctly) {
  bool used[SoundCount] = {};
  for (int32_t e = 0; e < EventKinds; ++e) {
    const SoundId id = eventSound(static_cast<PlayEvent>(e), 0);
    ASSERT_GE(id, 0) << e;
    ASSERT_LT(id, SoundCount) << e;
    EXPECT_FALSE(used[id]) << e;
    used[id] = true;
  }
  for (int32_t size = 0; size < 4; ++size) EXPECT_EQ(eventSound(EventCoin, size), coinSound(size));
  for (int32_t k = 0; k < 4; ++k) EXPECT_EQ(eventSound(EventTallyLine, k), SoundTallyLine0 + k);
  EXPECT_EQ(eventSound(EventTallyLine, 9), SoundTallyLine3);
  for (int32_t n = 0; n <= 4; ++n) EXPECT_EQ(eventSound(EventTallyTotal, n), SoundTallyTotal0 + n);
  EXPECT_EQ(eventSound(EventTallyTotal, 9), SoundTallyTotal4);
  EXPECT_EQ(eventSound(EventKinds, 0), SoundCount);  // nothing to play
}
