// The still screens. The title screen is built from the logo (letters made
// of animated pieces), the legends that name every piece and key, and the
// author credit or the last score; the result screens write the final score
// in big digits made of pieces. Pieces and wall strips come from the board
// drawing, so they look and animate exactly as they do in play.
#include "shell/i_screens.h"

#include <allegro.h>

#include <cstdint>

#include "data/level.h"
#include "draw/r_board.h"
#include "game/g_panel.h"
#include "shell/i_run.h"

namespace {

// Digits 0..9, five rows of three places each; '#' holds a piece.
const char* const bigDigitFont[10][5] = {
    {"###", "#.#", "#.#", "#.#", "###"},  // 0
    {".#.", ".#.", ".#.", ".#.", ".#."},  // 1
    {"###", "..#", "###", "#..", "###"},  // 2
    {"###", "..#", ".##", "..#", "###"},  // 3
    {"#.#", "#.#", "###", "..#", "..#"},  // 4
    {"###", "#..", "###", "..#", "###"},  // 5
    {"##.", "#..", "###", "#.#", "###"},  // 6
    {"###", "..#", ".#.", ".#.", ".#."},  // 7
    {"###", "#.#", "###", "#.#", "###"},  // 8
    {"###", "#.#", "###", "..#", "..#"},  // 9
};

// The thousands separator: seven rows of two places, a short hooked stroke
// in the top three rows.
const char* const bigCommaGlyph[7] = {".#", ".#", "#.", "..", "..", "..", ".."};

constexpr int LogoRows = 5;
constexpr int LogoColumns = 20;

// "QUIB" in block letters; each number is the letter group (1..4) that
// picks the piece kind of that cell, 0 is an empty cell.
const int logoGrid[LogoRows][LogoColumns] = {
    {0, 1, 1, 1, 0, 0, 2, 0, 0, 0, 2, 0, 3, 3, 3, 0, 4, 4, 4, 0},
    {1, 0, 0, 0, 1, 0, 2, 0, 0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0, 4},
    {1, 0, 0, 0, 1, 0, 2, 0, 0, 0, 2, 0, 0, 3, 0, 0, 4, 4, 4, 0},
    {1, 0, 0, 1, 0, 0, 2, 0, 0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0, 4},
    {0, 1, 1, 0, 1, 0, 0, 2, 2, 2, 0, 0, 3, 3, 3, 0, 4, 4, 4, 0},
};

// The logo's piece kinds per letter group, before and after a flip: the
// same exchange a FLIP makes on a board.
const LogoPieces logoPlain = {{Attractor, SpinnerCW, Repeller, SpinnerCCW}, {3, 3, 3, 3}};
const LogoPieces logoFlipped = {{Repeller, SpinnerCCW, Attractor, SpinnerCW}, {3, 3, 3, 3}};

// The two lines of the author credit, 11 characters each.
const char* const creditLines[2] = {"QUIB studio", "   2026    "};

int white() { return makecol(255, 255, 255); }
int grey() { return makecol(192, 192, 192); }

// Decimal digits of an unsigned value, 1 for 0. Scores are unsigned, so the
// digits are counted without any signed conversion.
int unsignedDigitCount(uint32_t n) {
  int count = 1;
  while (n >= 10) {
    n /= 10;
    ++count;
  }
  return count;
}

uint32_t unsignedPowerOfTen(int exponent) {
  uint32_t p = 1;
  for (int i = 0; i < exponent; ++i) p *= 10;
  return p;
}

// The last score centred on x = 448, or the credit while there is none.
void drawCreditOrScore(BITMAP* bmp) {
  if (lastScore == 0) {
    drawCredit(bmp, 410, 332);
    return;
  }
  textout_centre(bmp, font, "Last score", 448, 332, grey());
  const int n = unsignedDigitCount(lastScore);
  // Unsigned digits: a score above 2^31 - 1 is shown as it is, not signed.
  drawGroupedDigits(bmp, 448 - 4 * n - 4 * ((n - 1) / 3), 348, lastScore, grey());
}

}  // namespace

void clearToBlack(BITMAP* bmp) { rectfill(bmp, 0, 0, 511, 383, makecol(0, 0, 0)); }

void drawTitleScreen(BITMAP* bmp, int frame, bool flipped) {
  drawLogo(bmp, flipped ? logoFlipped : logoPlain, 6, 6, CellPixels, frame);
  // Opaque black behind every text, so each text covers its last picture.
  text_mode(0);
  drawPieceLegend(bmp, 6, 150, frame);
  drawForceLegend(bmp, 395, 150, frame);
  drawKeyHelp(bmp, 6, 300);
  drawCreditOrScore(bmp);
}

void drawLogo(BITMAP* bmp, const LogoPieces& pieces, int x, int y, int pitch, int frame) {
  for (int i = 0; i < LogoRows; ++i)
    for (int j = 0; j < LogoColumns; ++j) {
      const int group = logoGrid[i][j];
      if (group == 0) continue;
      drawPiece(pieces.kind[group - 1], pieces.size[group - 1], bmp, x + pitch * j, y + pitch * i, frame);
    }
}

void drawPieceLegend(BITMAP* bmp, int x, int y, int frame) {
  drawPiece(Coin, 1, bmp, x + 104, y, frame);
  textout(bmp, font, "COLLECT COINS", x, y + 9, white());
  drawPiece(Exit, 3, bmp, x, y + 33, frame);
  textout(bmp, font, " EXIT LEVEL", x + 25, y + 42, white());

  drawPiece(Attractor, 3, bmp, x + 48, y + 66, frame);
  drawPiece(Hazard, 3, bmp, x + 98, y + 66, frame);
  // A cell framed by deadly walls on all four sides.
  const int cx = x + 73;
  const int cy = y + 66;
  const int w = WallThickness;
  drawWallStrip(Deadly, bmp, cx, cy, cx + w - 1, cy + 24, frame);
  drawWallStrip(Deadly, bmp, cx + 25 - w, cy, cx + 24, cy + 24, frame);
  drawWallStrip(Deadly, bmp, cx, cy, cx + 24, cy + w - 1, frame);
  drawWallStrip(Deadly, bmp, cx, cy + 25 - w, cx + 24, cy + 24, frame);
  textout(bmp, font, "AVOID", x, y + 75, white());
}

void drawForceLegend(BITMAP* bmp, int x, int y, int frame) {
  textout(bmp, font, " ATTRACTS", x + 25, y + 9, white());
  drawPiece(Attractor, 3, bmp, x, y, frame);
  textout(bmp, font, " REPELS", x + 25, y + 46, white());
  drawPiece(Repeller, 3, bmp, x, y + 37, frame);
  drawPiece(SpinnerCCW, 3, bmp, x, y + 74, frame);
  drawPiece(SpinnerCW, 3, bmp, x + 41, y + 74, frame);
  textout(bmp, font, "&", x + 29, y + 83, white());
  textout(bmp, font, " SPIN", x + 66, y + 83, white());
}

void drawKeyHelp(BITMAP* bmp, int x, int y) {
  textout(bmp, font, " SPACE", x, y, white());
  textout(bmp, font, " ENTER", x, y + 12, white());
  textout(bmp, font, " FLIP", x + 48, y + 6, white());
  textout(bmp, font, " WASD ", x + 4, y + 36, white());
  textout(bmp, font, "ARROWS", x + 4, y + 48, white());
  textout(bmp, font, "NUDGE", x + 56, y + 42, white());
}

void drawCredit(BITMAP* bmp, int x, int y) {
  textout(bmp, font, "    by    ", x + 4, y, grey());
  textout(bmp, font, creditLines[0], x, y + 8, grey());
  textout(bmp, font, creditLines[1], x, y + 16, grey());
}

void drawResultScreen(BITMAP* bmp, uint32_t score, int frame, ResultScreen which) {
  const bool complete = which == GameCompleteScreen;
  const int32_t kind = complete ? SpinnerCCW : Repeller;

  clearToBlack(bmp);
  if (complete) {
    textout_centre(bmp, font, "GAME COMPLETE", 256, 128, makecol(255, 255, 192));
    textout_centre(bmp, font, "FINAL SCORE", 256, 184, makecol(192, 192, 255));
  } else {
    textout_centre(bmp, font, "GAME OVER", 256, 128, makecol(255, 192, 192));
    textout_centre(bmp, font, "FINAL SCORE", 256, 184, makecol(192, 255, 192));
  }

  // Each digit takes a 64-pixel slot, the row centred on x = 256; a row of
  // more than eight digits runs past both edges and is clipped.
  const int n = unsignedDigitCount(score);
  const int x0 = (512 - 64 * n) / 2;
  uint32_t p = unsignedPowerOfTen(n - 1);
  for (int i = 0; i < n; ++i) {
    drawBigDigit(bmp, static_cast<int>((score / p) % 10), kind, 2, x0 + 64 * i, 192, 16, frame);
    if ((n - i) % 3 == 1 && n - i != 1) drawBigComma(bmp, kind, 1, x0 + 64 * i + 42, 260, 12, frame);
    p /= 10;
  }
}

void drawBigDigit(BITMAP* bmp, int digit, int32_t kind, uint32_t size, int x, int y, int pitch, int frame) {
  if (digit < 0 || digit > 9) return;  // no glyph: never index past the font
  for (int r = 0; r < 5; ++r)
    for (int q = 0; q < 3; ++q)
      if (bigDigitFont[digit][r][q] == '#') drawPiece(kind, size, bmp, x + pitch * q, y + pitch * r, frame);
}

void drawBigComma(BITMAP* bmp, int32_t kind, uint32_t size, int x, int y, int pitch, int frame) {
  for (int r = 0; r < 7; ++r)
    for (int q = 0; q < 2; ++q)
      if (bigCommaGlyph[r][q] == '#') drawPiece(kind, size, bmp, x + (pitch * q) / 2, y + pitch * r, frame);
}
