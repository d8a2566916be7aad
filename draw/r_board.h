// Board and piece drawing: stateless, animated by the caller's frame counter
// t (kept non-negative). Draws on any bitmap of the 24-bit colour mode.
#pragma once
#include <cstdint>

#include "data/level.h"

struct BITMAP;

constexpr int WallThickness = 2;

// The four wall strips and every piece inside width x height, board cell
// (0, 0) at pixel (x0, y0). Draws no background.
void drawBoard(const Level& level, BITMAP* bmp, int x0, int y0, int t);
// Fills the board area black, then drawBoard with t = 0.
void clearAndDrawBoard(const Level& level, BITMAP* bmp, int x0, int y0);
// One piece centred on (x + 12, y + 12); nothing for Empty, Start or unknown kinds.
void drawPiece(int32_t kind, uint32_t size, BITMAP* bmp, int x, int y, int t);
// Fills the rectangle (inclusive corners) in the colour of the wall kind.
void drawWallStrip(int32_t kind, BITMAP* bmp, int x1, int y1, int x2, int y2, int t);
// Paints the piece of cell (cx, cy) over with a black disc of its radius.
void erasePiece(const Level& level, BITMAP* bmp, int x0, int y0, int cx, int cy);
// Filled regular polygon of n corners (3..16), first corner at `angle` degrees.
void drawRegularPolygon(BITMAP* bmp, int cx, int cy, int r, int n, double angle, int colour);
