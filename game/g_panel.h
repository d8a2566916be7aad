// The status panel below the board and the small drawings of play: ball,
// trail, countdown and burst.
#pragma once
#include <cstdint>

#include "game/p_ball.h"

struct BITMAP;

// Colour components of an indicator state for FLIP (cool-down 5) or NUDGE (20).
void indicatorRgb(int32_t state, int32_t cooldownFrames, int rgb[3]);

// The decimal digits of `magnitude` from x, one 8-pixel character cell each,
// with a "," cell after each group of three digits from the right (1,234,567).
// Returns the x just after the last digit.
int drawGroupedDigits(BITMAP* target, int x, int y, uint32_t magnitude, int colour);
// drawGroupedDigits for a signed value: a negative one gets a "-" cell first.
void drawGroupedNumber(BITMAP* target, int x, int y, int32_t value, int colour);
void drawScore(BITMAP* target);
void drawTime(BITMAP* target, int colour);
void drawLives(BITMAP* target);
void drawCoins(BITMAP* target);
void drawLevelNumber(BITMAP* target, int number);
void drawFlipIndicator(BITMAP* target, int32_t state);
void drawNudgeIndicator(BITMAP* target, int32_t state);
// Every field into backBuffer at the start of a level (waits for the retrace).
void drawPanel(int number);

void drawBall(BITMAP* target, Ball ball);
void drawTrailSegment(BITMAP* target, int x1, int y1, int x2, int y2);
// The "3", "2", "1" countdown over the ball before play.
void countdown(int radius, int framesPerStep);
// The burst at the ball's last position; caption may be null or empty.
void burstEffect(int maxRadius, const char* caption);
