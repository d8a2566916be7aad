// The status panel below the board and the small drawings of play: the
// ball, its trail, the countdown before a level and the burst after a loss.
// Fields are drawn with the 8x8 font; during play the text background is
// opaque black, so a field redrawn in place covers its old contents.
#include "game/g_panel.h"

#include <allegro.h>

#include <cstdint>

#include "draw/r_board.h"
#include "game/p_play.h"
#include "game/p_score.h"
#include "platform/i_system.h"

namespace {

constexpr int CharWidth = 8;

// Panel rows (top of the text) and fixed columns.
constexpr int PanelRow1 = 336;
constexpr int PanelRow2 = 352;
constexpr int PanelRow3 = 368;
constexpr int LeftColumn = 32;
constexpr int ScoreDigitsX = 80;
constexpr int TimeX = 256;
constexpr int RightColumn = 416;
constexpr int FlipX = 192;
constexpr int NudgeX = 320;

int clampComponent(int64_t c) { return c < 0 ? 0 : (c > 255 ? 255 : static_cast<int>(c)); }

int rgbColour(int64_t r, int64_t g, int64_t b) {
  return makecol(clampComponent(r), clampComponent(g), clampComponent(b));
}

int panelGrey() { return makecol(192, 192, 192); }

int64_t powerOfTen(int exponent) {
  int64_t p = 1;
  for (int i = 0; i < exponent; ++i) p *= 10;
  return p;
}

// The n lowest decimal digits of a non-negative value, leading zeros
// included, one character cell each from x.
void drawDigits(BITMAP* target, int x, int y, int64_t value, int n, int colour) {
  int64_t divisor = powerOfTen(n - 1);
  for (int i = 0; i < n; ++i) {
    textprintf(target, font, x + CharWidth * i, y, colour, "%d", static_cast<int>((value / divisor) % 10));
    divisor /= 10;
  }
}

void drawIndicator(BITMAP* target, const char* word, int x, int32_t state, int32_t cooldownFrames) {
  int rgb[3];
  indicatorRgb(state, cooldownFrames, rgb);
  textout_centre(target, font, word, x, PanelRow3, makecol(rgb[0], rgb[1], rgb[2]));
}

// The ball's centre in screen pixels, as drawBall places it.
int ballScreenX(const Ball& ball) { return truncatedPixel(ball.x) + play.originX; }
int ballScreenY(const Ball& ball) { return truncatedPixel(ball.y) + play.originY; }

// Shows the back buffer; headless runs without a screen just skip the copy.
void showBackBuffer() { showPicture(backBuffer); }

// rest() takes an unsigned count: a negative length must not become a
// wait of weeks.
void pause(int64_t milliseconds) {
  if (milliseconds <= 0) return;
  if (milliseconds > 60000) milliseconds = 60000;
  rest(static_cast<unsigned int>(milliseconds));
}

}  // namespace

void indicatorRgb(int32_t state, int32_t cooldownFrames, int rgb[3]) {
  if (state == Untouched) {
    rgb[0] = 255, rgb[1] = 255, rgb[2] = 255;
  } else if (state == Ready) {
    rgb[0] = 255, rgb[1] = 255, rgb[2] = 192;
  } else if (state > 0) {
    // Black at the moment of use, brighter red as the cool-down runs out.
    int64_t red = cooldownFrames > 0 ? 255 - int64_t{state} * 255 / cooldownFrames : 0;
    rgb[0] = clampComponent(red), rgb[1] = 0, rgb[2] = 0;
  } else {  // Hidden, and any other negative state
    rgb[0] = 0, rgb[1] = 0, rgb[2] = 0;
  }
}

int drawGroupedDigits(BITMAP* target, int x, int y, uint32_t magnitude, int colour) {
  // The largest power of ten not above the value gives the first digit.
  uint64_t divisor = 1;
  int left = 1;  // digits still to draw, this one included
  while (divisor * 10 <= magnitude) {
    divisor *= 10;
    ++left;
  }
  for (; left > 0; --left) {
    const char digit[2] = {static_cast<char>('0' + magnitude / divisor % 10), '\0'};
    textout(target, font, digit, x, y, colour);
    x += CharWidth;
    divisor /= 10;
    if (left % 3 == 1 && left != 1) {
      textout(target, font, ",", x, y, colour);
      x += CharWidth;
    }
  }
  return x;
}

void drawGroupedNumber(BITMAP* target, int x, int y, int32_t value, int colour) {
  // A negative value (a score past 2^31 seen as signed) gets a minus sign in
  // a cell of its own, then the digits of its magnitude grouped as usual.
  int64_t magnitude = value;
  if (magnitude < 0) {
    textout(target, font, "-", x, y, colour);
    x += CharWidth;
    magnitude = -magnitude;
  }
  drawGroupedDigits(target, x, y, static_cast<uint32_t>(magnitude), colour);
}

void drawScore(BITMAP* target) {
  const int grey = panelGrey();
  textout(target, font, "SCORE ", LeftColumn, PanelRow1, grey);
  drawGroupedNumber(target, ScoreDigitsX, PanelRow1, static_cast<int32_t>(run.score), grey);
}

void drawTime(BITMAP* target, int colour) {
  textout_right(target, font, "TIME ", TimeX, PanelRow1, colour);
  // The clock never goes below 0 in play; keep the shown value in the range
  // the digit arithmetic handles whatever the play state holds.
  double left = play.timeLeft;
  if (!(left >= 0.0)) left = 0.0;  // also catches NaN
  if (left > 2147483647.0) left = 2147483647.0;
  const int n = digitCount(play.level.limit);
  drawDigits(target, TimeX, PanelRow1, static_cast<int64_t>(left), n, colour);
  textprintf(target, font, TimeX + CharWidth * n, PanelRow1, colour, ".%d%d",
             static_cast<int>(static_cast<int64_t>(left * 10.0) % 10),
             static_cast<int>(static_cast<int64_t>(left * 100.0) % 10));
}

void drawLives(BITMAP* target) {
  textprintf(target, font, RightColumn, PanelRow1, panelGrey(), "LIVES %d  ", static_cast<int>(run.lives));
}

void drawCoins(BITMAP* target) {
  textprintf(target, font, LeftColumn, PanelRow2, panelGrey(), "COINS %d  ",
             static_cast<int>(run.coinCounter % 100));
}

void drawLevelNumber(BITMAP* target, int number) {
  textprintf(target, font, RightColumn, PanelRow2, panelGrey(), "LEVEL %d  ", number);
}

void drawFlipIndicator(BITMAP* target, int32_t state) {
  drawIndicator(target, "FLIP", FlipX, state, FlipCooldownFrames);
}

void drawNudgeIndicator(BITMAP* target, int32_t state) {
  drawIndicator(target, "NUDGE", NudgeX, state, NudgeCooldownFrames);
}

void drawPanel(int number) {
  // Wait for the retrace only with a real graphics mode; without one (tests,
  // a screen pointed at a memory bitmap) there is no retrace to wait for.
  if (gfx_driver && screen && !is_memory_bitmap(screen)) vsync();
  drawScore(backBuffer);
  drawTime(backBuffer, makecol(255, 255, 255));
  drawCoins(backBuffer);
  drawLives(backBuffer);
  drawLevelNumber(backBuffer, number);
  drawFlipIndicator(backBuffer, Hidden);
  drawNudgeIndicator(backBuffer, Hidden);
}

void drawBall(BITMAP* target, Ball ball) {
  int32_t size = ball.size;
  if (size < 0) size = 0;
  if (size > MaxPieceSize) size = MaxPieceSize;
  circlefill(target, ballScreenX(ball), ballScreenY(ball), pieceRadius(static_cast<uint32_t>(size)), ball.colour);
}

void drawTrailSegment(BITMAP* target, int x1, int y1, int x2, int y2) {
  line(target, x1, y1, x2, y2, makecol(64, 64, 64));
}

void countdown(int radius, int framesPerStep) {
  struct Step {
    const char* digit;
    int radius;
    int r, g, b;
  };
  const Step steps[3] = {
      {"3", radius, 255, 0, 0},
      {"2", radius * 2 / 3, 255, 255, 0},
      {"1", radius / 2, 0, 255, 0},
  };
  const int x = ballScreenX(play.ball);
  const int y = ballScreenY(play.ball);
  text_mode(-1);
  for (const Step& s : steps) {
    clearAndDrawBoard(play.level, backBuffer, play.originX, play.originY);
    circlefill(backBuffer, x, y, s.radius, makecol(s.r, s.g, s.b));
    textout_centre(backBuffer, font, s.digit, x + 2, y - 3, makecol(0, 0, 0));
    showBackBuffer();
    pause(int64_t{framesPerStep} * 1000 / 30);
  }
  text_mode(makecol(0, 0, 0));
}

void burstEffect(int maxRadius, const char* caption) {
  const int64_t m = maxRadius;
  const int64_t stride = m / 30 + 1;
  const int x = ballScreenX(play.ball);
  const int y = ballScreenY(play.ball);
  const bool withCaption = caption && caption[0] != '\0';
  for (int64_t b = 1; b <= m * 3 / 2; b += stride) {
    int discColour = 0;
    if (b <= m) {
      // Yellow turning red as the front grows.
      discColour = rgbColour(255, 255 - b * 255 / m, 0);
      circlefill(backBuffer, x, y, static_cast<int>(b), discColour);
    }
    // A black hole that follows the front at half its reach.
    const int64_t h = b - m / 2;
    if (h > 0) circlefill(backBuffer, x, y, static_cast<int>(h), makecol(0, 0, 0));
    if (withCaption) {
      int colour = b <= m ? discColour : rgbColour(510 - h * 510 / m, 0, 0);
      textout_centre(backBuffer, font, caption, ScreenWidth / 2, 192, colour);
    }
    showBackBuffer();
    rest(33);
  }
}
