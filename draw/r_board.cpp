// Board and piece drawing. Every picture is a function of the level and the
// caller's frame counter; nothing here keeps state or allocates.
#include "draw/r_board.h"

#include <allegro.h>

#include <cmath>

namespace {

// Remainder that stays in 0..n-1 even if a caller's counter went negative
// (it never should, but a wrapped counter must not give negative radii or
// colour components that spill into the neighbouring channel).
int cycle(int t, int n) {
  int r = t % n;
  return r < 0 ? r + n : r;
}

// Sizes above the valid range are drawn as the largest valid piece. A level
// read from a file may carry any 32-bit size; the formulas would otherwise
// overflow the radius or loop billions of times drawing exit rings.
uint32_t drawnSize(uint32_t size) {
  return size > static_cast<uint32_t>(MaxPieceSize) ? static_cast<uint32_t>(MaxPieceSize) : size;
}

int black() { return makecol(0, 0, 0); }

int wallColour(int32_t kind, int t) {
  switch (kind) {
    case Bounce:
      return makecol(170, 180, 140);
    case Deadly:
      return makecol(255, 192 - 64 * cycle(t, 4), 0);
    case Wrap: {
      int u = cycle(t, 96);
      int f = u <= 48 ? u : 96 - u;
      return makecol(0, 0, 48 + f);
    }
    default:
      return -1;
  }
}

void drawAttractor(BITMAP* bmp, int cx, int cy, int r, int t) {
  circlefill(bmp, cx, cy, r, makecol(128, 0, 0));
  // The ring runs inward, ..., 1, then again.
  if (r > 1) circle(bmp, cx, cy, (r - 1) - cycle(t, r - 1), black());
}

void drawRepeller(BITMAP* bmp, int cx, int cy, int r, int t) {
  circlefill(bmp, cx, cy, r, makecol(128, 255, 128));
  // The ring runs outward: 0, 1, ..., R-2, then again.
  if (r > 1) circle(bmp, cx, cy, cycle(t, r - 1), black());
}

void drawSpinner(BITMAP* bmp, int cx, int cy, int r, int corners, double angle, int colour) {
  circlefill(bmp, cx, cy, r, black());
  circle(bmp, cx, cy, r, colour);
  drawRegularPolygon(bmp, cx, cy, r, corners, angle, colour);
}

void drawCoin(BITMAP* bmp, uint32_t size, int cx, int cy, int r, int t) {
  int w = cycle(t, 32);
  int v = w <= 16 ? w : 32 - w;
  circlefill(bmp, cx, cy, r, makecol(240, 144 + 6 * v, 0));
  int hole = black();
  if (size == 2) {
    int h = r / 2;
    int hr = r / 3;
    circle(bmp, cx, cy, hr, hole);
    circle(bmp, cx + h + 1, cy + h, hr, hole);
    circle(bmp, cx - h - 1, cy + h, hr, hole);
    circle(bmp, cx + h + 1, cy - h, hr, hole);
    circle(bmp, cx - h - 1, cy - h, hr, hole);
  } else if (size == 3) {
    int h = r / 2;
    int q = r / 4;
    int bigQ = 3 * r / 4;
    circle(bmp, cx + h, cy + h, q, hole);
    circle(bmp, cx - h, cy + h, q, hole);
    circle(bmp, cx + h, cy - h, q, hole);
    circle(bmp, cx - h, cy - h, q, hole);
    circle(bmp, cx - q, cy, q, hole);
    circle(bmp, cx + bigQ, cy, q, hole);
    circle(bmp, cx + q, cy, q, hole);
    circle(bmp, cx - bigQ, cy, q, hole);
    circle(bmp, cx, cy - h, q, hole);
    circle(bmp, cx, cy + h, q, hole);
  }
}

void drawExit(BITMAP* bmp, uint32_t size, int cx, int cy) {
  int white = makecol(255, 255, 255);
  for (uint32_t i = 0; i <= size; ++i) circle(bmp, cx, cy, pieceRadius(i), white);
}

void drawHazard(BITMAP* bmp, int cx, int cy, int r, int t) {
  int d = 64 * cycle(t, 4);
  circlefill(bmp, cx, cy, r, makecol(255, 192 - d, 0));
  circlefill(bmp, cx, cy, r / 2, makecol(255, (64 + d) % 256, 0));
}

}  // namespace

void drawRegularPolygon(BITMAP* bmp, int cx, int cy, int r, int n, double angle, int colour) {
  if (n < 3 || n > 16) return;
  const double pi = 2.0 * std::acos(0.0);
  const double fullTurn = 2.0 * pi;
  int points[2 * 16];
  double phi = angle * pi / 180.0;
  for (int i = 0; i < n; ++i) {
    // Truncation toward zero, as a plain conversion does.
    points[2 * i] = cx + static_cast<int>(r * std::cos(phi));
    points[2 * i + 1] = cy + static_cast<int>(r * std::sin(phi));
    phi += fullTurn / n;
    if (phi >= fullTurn) phi -= fullTurn;
  }
  polygon(bmp, n, points, colour);
}

void drawWallStrip(int32_t kind, BITMAP* bmp, int x1, int y1, int x2, int y2, int t) {
  if (kind < Bounce || kind > Wrap) return;
  rectfill(bmp, x1, y1, x2, y2, wallColour(kind, t));
}

void drawPiece(int32_t kind, uint32_t size, BITMAP* bmp, int x, int y, int t) {
  size = drawnSize(size);
  const int r = pieceRadius(size);
  const int cx = x + CellCentre;
  const int cy = y + CellCentre;
  switch (kind) {
    case Attractor:
      drawAttractor(bmp, cx, cy, r, t);
      break;
    case Repeller:
      drawRepeller(bmp, cx, cy, r, t);
      break;
    case SpinnerCW:
      drawSpinner(bmp, cx, cy, r, 4, 4.0 * cycle(t, 90), makecol(0, 0, 255));
      break;
    case SpinnerCCW:
      drawSpinner(bmp, cx, cy, r, 3, 360.0 - 4.0 * cycle(t, 90), makecol(128, 128, 240));
      break;
    case Coin:
      drawCoin(bmp, size, cx, cy, r, t);
      break;
    case Exit:
      drawExit(bmp, size, cx, cy);
      break;
    case Hazard:
      drawHazard(bmp, cx, cy, r, t);
      break;
    default:  // Empty, Start and values outside the kinds draw nothing
      break;
  }
}

void drawBoard(const Level& level, BITMAP* bmp, int x0, int y0, int t) {
  const int T = WallThickness;
  // Width and height are bounded by the stored grid for the frame as well as
  // for the pieces: a level read with a width of 30 (or a huge or negative
  // one) is framed around the 18 columns that exist, and the pixel
  // arithmetic cannot overflow.
  const int columns = usedColumns(level);
  const int rows = usedRows(level);
  const int w = CellPixels * columns;
  const int h = CellPixels * rows;
  drawWallStrip(level.wall[North], bmp, x0, y0 - T, x0 + w - 1, y0 - 1, t);
  drawWallStrip(level.wall[East], bmp, x0 + w, y0 - T, x0 + w + T - 1, y0 + h - 1, t);
  drawWallStrip(level.wall[West], bmp, x0 - T, y0 - T, x0 - 1, y0 + h - 1, t);
  drawWallStrip(level.wall[South], bmp, x0 - T, y0 + h, x0 + w + T - 1, y0 + h + T - 1, t);

  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < columns; ++x) {
      const Cell& c = level.cell[x][y];
      if (c.kind == Empty || c.kind == Start) continue;
      drawPiece(c.kind, c.size, bmp, x0 + CellPixels * x, y0 + CellPixels * y, t);
    }
  }
}

void clearAndDrawBoard(const Level& level, BITMAP* bmp, int x0, int y0) {
  const int w = CellPixels * usedColumns(level);
  const int h = CellPixels * usedRows(level);
  if (w > 0 && h > 0) rectfill(bmp, x0, y0, x0 + w - 1, y0 + h - 1, black());
  drawBoard(level, bmp, x0, y0, 0);
}

void erasePiece(const Level& level, BITMAP* bmp, int x0, int y0, int cx, int cy) {
  if (cx < 0 || cx >= MaxWidth || cy < 0 || cy >= MaxHeight) return;
  const int r = pieceRadius(drawnSize(level.cell[cx][cy].size));
  circlefill(bmp, x0 + CellPixels * cx + CellCentre, y0 + CellPixels * cy + CellCentre, r, black());
}
