// Pixel tests of the status panel and the play effects, headless: the back
// buffer and the screen are 24-bit memory bitmaps.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <memory>

#include "draw/r_board.h"
#include "game/g_panel.h"
#include "game/p_play.h"
#include "game/p_score.h"
#include "platform/i_system.h"
#include "test_bitmap.h"

using namespace testbmp;

namespace {

const Rgb Grey{192, 192, 192};
const Rgb Fill{9, 9, 9};

class Panel : public ::testing::Test {
 protected:
  void SetUp() override {
    initHeadlessAllegro();
    back_ = makeOwnedBitmap(ScreenWidth, ScreenHeight);
    shown_ = makeOwnedBitmap(ScreenWidth, ScreenHeight);
    savedBack_ = backBuffer;
    backBuffer = back_.get();
    redirect_ = std::make_unique<ScreenRedirect>(shown_.get());
    text_mode(0);  // as during play
    resetRun(3);
    makeNewLevel(play.level);
    play.originX = 31;
    play.originY = 12;
    play.timeLeft = 30.0;
    play.ball = Ball{12.0, 12.0, 0.0, 0.0, 1, makecol(255, 255, 0)};
  }
  void TearDown() override {
    redirect_.reset();
    backBuffer = savedBack_;
    text_mode(0);
  }
  BITMAP* back() { return back_.get(); }
  BITMAP* shown() { return shown_.get(); }

  // Draws a number at (40, 20) and checks the exact text and that nothing
  // lies beyond it.
  void expectGrouped(int32_t value, const char* text) {
    clear_to_color(back(), 0);
    drawGroupedNumber(back(), 40, 20, value, makecol(192, 192, 192));
    EXPECT_TRUE(showsText(back(), 40, 20, text, Grey)) << value << " should read " << text;
    const int end = 40 + 8 * static_cast<int>(std::strlen(text));
    EXPECT_EQ(countOther(back(), end, 0, ScreenWidth - 1, ScreenHeight - 1, Black), 0) << value;
    EXPECT_EQ(countOther(back(), 0, 0, 39, ScreenHeight - 1, Black), 0) << value;
  }

  void expectIndicator(int32_t state, int32_t cooldown, Rgb want) {
    int rgb[3] = {-1, -1, -1};
    indicatorRgb(state, cooldown, rgb);
    EXPECT_EQ((Rgb{rgb[0], rgb[1], rgb[2]}), want) << "state " << state << " of " << cooldown;
  }

  BitmapPtr back_, shown_;
  BITMAP* savedBack_ = nullptr;
  std::unique_ptr<ScreenRedirect> redirect_;
};

// ------------------------------------------------------------ numbers

TEST_F(Panel, GroupedNumbersPutACommaCellBetweenThousands) {
  expectGrouped(0, "0");
  expectGrouped(7, "7");
  expectGrouped(999, "999");
  expectGrouped(1000, "1,000");
  expectGrouped(12345, "12,345");
  expectGrouped(100000, "100,000");
  expectGrouped(1234567, "1,234,567");
  expectGrouped(INT32_MAX, "2,147,483,647");
}

TEST_F(Panel, NegativeNumbersGetASignCellAndGroupedMagnitude) {
  expectGrouped(-5, "-5");
  expectGrouped(-1000, "-1,000");
  expectGrouped(-999999, "-999,999");
  expectGrouped(INT32_MIN, "-2,147,483,648");
}

TEST_F(Panel, GroupedDigitsCoverTheUnsignedRangeAndReturnTheEnd) {
  const struct {
    uint32_t value;
    const char* text;
  } cases[] = {{0, "0"}, {1000, "1,000"}, {999999999, "999,999,999"},
               {1000000000, "1,000,000,000"}, {UINT32_MAX, "4,294,967,295"}};
  for (const auto& c : cases) {
    clear_to_color(back(), 0);
    const int end = drawGroupedDigits(back(), 40, 20, c.value, makecol(192, 192, 192));
    EXPECT_TRUE(showsText(back(), 40, 20, c.text, Grey)) << c.value << " should read " << c.text;
    EXPECT_EQ(end, 40 + 8 * static_cast<int>(std::strlen(c.text))) << c.value;
    EXPECT_EQ(countOther(back(), end, 0, ScreenWidth - 1, ScreenHeight - 1, Black), 0) << c.value;
  }
}

TEST_F(Panel, ScoreFieldShowsTheRunScoreAsSigned) {
  run.score = 100000;
  drawScore(back());
  EXPECT_TRUE(showsText(back(), 32, 336, "SCORE 100,000", Grey));
  // Past 2^31 the score reads as a negative number rather than garbage.
  run.score = 3000000000u;
  clear_to_color(back(), 0);
  drawScore(back());
  EXPECT_TRUE(showsText(back(), 80, 336, "-1,294,967,296", Grey));
}

// ------------------------------------------------------------ time

TEST_F(Panel, TimeFieldPadsToTheDigitsOfTheLimit) {
  const Rgb calm{200, 200, 192};
  struct Case {
    int32_t limit;
    double left;
    const char* text;
  } cases[] = {
      {120, 7.25, "007.25"}, {5, 4.75, "4.75"},    {10, 4.75, "04.75"},
      {30, 30.0, "30.00"},   {9999, 0.0, "0000.00"}, {60, 59.96666, "59.96"},
  };
  for (const Case& c : cases) {
    clear_to_color(back(), 0);
    play.level.limit = c.limit;
    play.timeLeft = c.left;
    drawTime(back(), makecol(200, 200, 192));
    EXPECT_TRUE(showsText(back(), 256 - 5 * 8, 336, "TIME ", calm)) << c.text;
    EXPECT_TRUE(showsText(back(), 256, 336, c.text, calm)) << c.text;
    const int end = 256 + 8 * static_cast<int>(std::strlen(c.text));
    EXPECT_EQ(countOther(back(), end, 330, ScreenWidth - 1, 350, Black), 0) << c.text;
  }
}

TEST_F(Panel, TimeFieldNeverShowsANegativeOrBrokenClock) {
  play.level.limit = 5;
  const Rgb warm{192, 160, 160};
  for (double left : {-0.01, -1e12, std::nan("")}) {
    clear_to_color(back(), 0);
    play.timeLeft = left;
    drawTime(back(), makecol(192, 160, 160));
    EXPECT_TRUE(showsText(back(), 256, 336, "0.00", warm)) << left;
  }
}

// ------------------------------------------------------------ counters

TEST_F(Panel, LivesCoinsAndLevelFields) {
  run.lives = 3;
  run.coinCounter = 42;
  drawLives(back());
  drawCoins(back());
  drawLevelNumber(back(), 17);
  EXPECT_TRUE(showsText(back(), 416, 336, "LIVES 3  ", Grey));
  EXPECT_TRUE(showsText(back(), 32, 352, "COINS 42  ", Grey));
  EXPECT_TRUE(showsText(back(), 416, 352, "LEVEL 17  ", Grey));
  run.coinCounter = 123;  // shown modulo 100
  drawCoins(back());
  EXPECT_TRUE(showsText(back(), 32, 352, "COINS 23  ", Grey));
}

TEST_F(Panel, RedrawnFieldCoversALongerOldNumber) {
  run.lives = 100;
  drawLives(back());
  run.lives = 9;
  drawLives(back());
  EXPECT_TRUE(showsText(back(), 416, 336, "LIVES 9    ", Grey));
}

// ------------------------------------------------------------ indicators

TEST_F(Panel, IndicatorColoursByState) {
  expectIndicator(Hidden, FlipCooldownFrames, Black);
  expectIndicator(Untouched, NudgeCooldownFrames, White);
  expectIndicator(Ready, FlipCooldownFrames, (Rgb{255, 255, 192}));
  expectIndicator(19, NudgeCooldownFrames, (Rgb{13, 0, 0}));
  expectIndicator(1, NudgeCooldownFrames, (Rgb{243, 0, 0}));
  expectIndicator(20, NudgeCooldownFrames, Black);
  expectIndicator(1, FlipCooldownFrames, (Rgb{204, 0, 0}));
  expectIndicator(4, FlipCooldownFrames, (Rgb{51, 0, 0}));
  expectIndicator(5, FlipCooldownFrames, Black);
}

TEST_F(Panel, IndicatorColoursStayValidOutsideTheirRange) {
  expectIndicator(6, FlipCooldownFrames, Black);        // longer than the cool-down
  expectIndicator(INT32_MAX, NudgeCooldownFrames, Black);
  expectIndicator(-3, FlipCooldownFrames, Black);
  expectIndicator(3, 0, Black);  // no cool-down length: no division by zero
}

TEST_F(Panel, IndicatorWordsAreCentred) {
  drawFlipIndicator(back(), 1);
  drawNudgeIndicator(back(), 19);
  EXPECT_TRUE(showsText(back(), 192 - 16, 368, "FLIP", (Rgb{204, 0, 0})));
  EXPECT_TRUE(showsText(back(), 320 - 20, 368, "NUDGE", (Rgb{13, 0, 0})));
  drawFlipIndicator(back(), Ready);
  EXPECT_TRUE(showsText(back(), 176, 368, "FLIP", (Rgb{255, 255, 192})));
  drawFlipIndicator(back(), Hidden);
  drawNudgeIndicator(back(), Hidden);
  EXPECT_EQ(countOther(back(), 0, 368, ScreenWidth - 1, 375, Black), 0);
}

TEST_F(Panel, WholePanelAtLevelStart) {
  fillBitmap(back(), Fill);
  run.score = 1234;
  run.lives = 5;
  run.coinCounter = 7;
  play.level.limit = 120;
  play.timeLeft = 120.0;
  drawPanel(3);  // must not wait for a retrace without a graphics mode
  EXPECT_TRUE(showsText(back(), 32, 336, "SCORE 1,234", Grey));
  EXPECT_TRUE(showsText(back(), 216, 336, "TIME 120.00", White));
  EXPECT_TRUE(showsText(back(), 416, 336, "LIVES 5  ", Grey));
  EXPECT_TRUE(showsText(back(), 32, 352, "COINS 7  ", Grey));
  EXPECT_TRUE(showsText(back(), 416, 352, "LEVEL 3  ", Grey));
  // Both words are drawn hidden: black cells on the opaque background.
  EXPECT_EQ(countOther(back(), 176, 368, 207, 375, Black), 0);
  EXPECT_EQ(countOther(back(), 300, 368, 339, 375, Black), 0);
  // The board area and the screen are untouched.
  EXPECT_EQ(countOther(back(), 0, 0, ScreenWidth - 1, 335, Fill), 0);
  EXPECT_EQ(countOther(shown(), 0, 0, ScreenWidth - 1, ScreenHeight - 1, Black), 0);
}

// ------------------------------------------------------------ ball and trail

TEST_F(Panel, BallIsADiscAtTheTruncatedPositionPlusOrigin) {
  Ball ball{12.9, 12.9, 5.0, 5.0, 1, makecol(255, 255, 0)};
  drawBall(back(), ball);
  const Rgb yellow{255, 255, 0};
  EXPECT_EQ(pixelAt(back(), 43, 24), yellow);
  EXPECT_EQ(pixelAt(back(), 47, 24), yellow);
  EXPECT_EQ(pixelAt(back(), 48, 24), Black);
  EXPECT_EQ(pixelAt(back(), 39, 24), yellow);
  EXPECT_EQ(pixelAt(back(), 38, 24), Black);
  // Truncation toward zero: -0.7 draws at the origin, not one pixel left.
  clear_to_color(back(), 0);
  ball = Ball{-0.7, 100.0, 0.0, 0.0, 3, makecol(1, 2, 3)};
  drawBall(back(), ball);
  EXPECT_EQ(pixelAt(back(), 31 + 10, 112), (Rgb{1, 2, 3}));
  EXPECT_EQ(pixelAt(back(), 31 - 10, 112), (Rgb{1, 2, 3}));
  EXPECT_EQ(pixelAt(back(), 31 + 11, 112), Black);
  EXPECT_EQ(pixelAt(back(), 31 - 11, 112), Black);
}

TEST_F(Panel, TrailIsADarkGreyLine) {
  drawTrailSegment(back(), 10, 10, 20, 10);
  EXPECT_EQ(countColour(back(), 0, 0, 100, 100, (Rgb{64, 64, 64})), 11);
  EXPECT_EQ(countOther(back(), 0, 0, 100, 100, Black), 11);
}

// ------------------------------------------------------------ countdown

TEST_F(Panel, CountdownLeavesEachStepsDiscBehindTheNext) {
  // Ball on the left edge of a 3 x 1 board: the discs reach out of the board
  // area, where the next step's board clearing does not remove them, so the
  // three radii show side by side: 12 red, 8 yellow, 6 green.
  play.level.width = 3;
  play.level.height = 1;
  play.level.cell[2][0] = Cell{Exit, 1};
  play.originX = 100;
  play.originY = 100;
  play.ball.x = 0.0;
  play.ball.y = 12.0;
  text_mode(5);
  countdown(12, 1);
  const int bx = 100, by = 112;
  EXPECT_EQ(pixelAt(back(), bx - 6, by), (Rgb{0, 255, 0}));
  EXPECT_EQ(pixelAt(back(), bx - 7, by), (Rgb{255, 255, 0}));
  EXPECT_EQ(pixelAt(back(), bx - 8, by), (Rgb{255, 255, 0}));
  EXPECT_EQ(pixelAt(back(), bx - 9, by), (Rgb{255, 0, 0}));
  EXPECT_EQ(pixelAt(back(), bx - 12, by), (Rgb{255, 0, 0}));
  EXPECT_EQ(pixelAt(back(), bx - 13, by), Black);
  EXPECT_EQ(pixelAt(back(), bx + 7, by), Black);  // inside the board, cleared by the last step
  // The board was drawn at frame 0: the exit rings are there.
  EXPECT_EQ(pixelAt(back(), 100 + 62 + 4, 112), White);
  // The last picture was copied to the screen.
  EXPECT_TRUE(sameBitmap(back(), shown()));
  // The countdown ends with the opaque black text background of play.
  EXPECT_EQ(text_mode(0), 0);
}

TEST_F(Panel, CountdownDigitIsBlackOnTheDiscWithTransparentBackground) {
  play.level.width = 3;
  play.level.height = 3;
  play.originX = 200;
  play.originY = 150;
  play.ball.x = 37.0;
  play.ball.y = 37.0;
  countdown(24, 0);
  const int bx = 237, by = 187;
  // The last step is a green disc of radius 12 with a black "1" centred on
  // (bx + 2, by - 3); the text cell shows the disc where the glyph is unlit.
  BitmapPtr glyph = renderText("1");
  const int left = bx + 2 - 4, top = by - 3;
  int lit = 0;
  for (int j = 0; j < 8; ++j)
    for (int i = 0; i < 8; ++i) {
      Rgb want = pixelAt(glyph.get(), i, j) == White ? Black : Rgb{0, 255, 0};
      if (want == Black) ++lit;
      EXPECT_EQ(pixelAt(back(), left + i, top + j), want) << i << "," << j;
    }
  EXPECT_GT(lit, 0);
  EXPECT_EQ(pixelAt(back(), bx + 12, by), (Rgb{0, 255, 0}));
  EXPECT_EQ(pixelAt(back(), bx + 13, by), Black);  // the bigger discs were cleared
}

// ------------------------------------------------------------ burst

TEST_F(Panel, BurstEndsWithABlackDiscOfTheMaximumRadius) {
  fillBitmap(back(), Fill);
  play.originX = 0;
  play.originY = 0;
  play.ball.x = 100.0;
  play.ball.y = 100.0;
  burstEffect(50, nullptr);
  for (int d = 0; d <= 50; ++d) {
    EXPECT_EQ(pixelAt(back(), 100 + d, 100), Black) << d;
    EXPECT_EQ(pixelAt(back(), 100, 100 - d), Black) << d;
  }
  EXPECT_EQ(pixelAt(back(), 151, 100), Fill);
  EXPECT_EQ(pixelAt(back(), 100, 49), Fill);
  EXPECT_TRUE(sameBitmap(back(), shown()));
}

TEST_F(Panel, BurstWithoutCaptionDrawsNoText) {
  play.originX = 0;
  play.originY = 0;
  play.ball.x = 40.0;
  play.ball.y = 40.0;
  for (const char* caption : {static_cast<const char*>(nullptr), ""}) {
    fillBitmap(back(), Fill);
    burstEffect(50, caption);
    EXPECT_EQ(countOther(back(), 100, 100, ScreenWidth - 1, ScreenHeight - 1, Fill), 0);
  }
}

TEST_F(Panel, BurstCaptionFadesFromTheDiscColourToDarkRed) {
  play.originX = 0;
  play.originY = 0;
  play.ball.x = 40.0;
  play.ball.y = 40.0;
  // m = 51: b runs 1, 3, ..., 75; the last hole has radius 50 and the
  // caption red is 510 - 50 * 510 / 51 = 10.
  burstEffect(51, "TIME EXPIRED");
  EXPECT_TRUE(showsText(back(), 256 - 48, 192, "TIME EXPIRED", (Rgb{10, 0, 0})));
  // m = 50 fades to black.
  fillBitmap(back(), Fill);
  burstEffect(50, "TIME EXPIRED");
  EXPECT_EQ(countColour(back(), 256 - 48, 192, 256 + 47, 199, Black), 96 * 8);
}

TEST_F(Panel, BurstOfNoRadiusDrawsNothing) {
  fillBitmap(back(), Fill);
  burstEffect(0, "TIME EXPIRED");
  burstEffect(-10, "TIME EXPIRED");
  EXPECT_EQ(countOther(back(), 0, 0, ScreenWidth - 1, ScreenHeight - 1, Fill), 0);
}

}  // namespace
