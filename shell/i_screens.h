// The still screens: the title screen with its animated logo and legends,
// and the two result screens with the final score in big digits made of
// pieces. Everything draws into the bitmap passed in.
#pragma once
#include <cstdint>

struct BITMAP;

constexpr int TitleFlipPeriod = 90;  // title frames between logo flips

enum ResultScreen : int32_t { GameOverScreen = 0, GameCompleteScreen = 1 };

// One piece kind and size for each of the four letter groups of the logo.
struct LogoPieces {
  int32_t kind[4];
  uint32_t size[4];
};

void clearToBlack(BITMAP* bmp);
// The whole title screen, without clearing first (every element covers its
// own previous picture).
void drawTitleScreen(BITMAP* bmp, int frame, bool flipped);
void drawLogo(BITMAP* bmp, const LogoPieces& pieces, int x, int y, int pitch, int frame);
void drawPieceLegend(BITMAP* bmp, int x, int y, int frame);
void drawForceLegend(BITMAP* bmp, int x, int y, int frame);
void drawKeyHelp(BITMAP* bmp, int x, int y);
void drawCredit(BITMAP* bmp, int x, int y);
// A whole result screen for the score, clearing first.
void drawResultScreen(BITMAP* bmp, uint32_t score, int frame, ResultScreen which);
void drawBigDigit(BITMAP* bmp, int digit, int32_t kind, uint32_t size, int x, int y, int pitch, int frame);
void drawBigComma(BITMAP* bmp, int32_t kind, uint32_t size, int x, int y, int pitch, int frame);
