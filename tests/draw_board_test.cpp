// Pixel tests of the board and piece drawing on headless 24-bit bitmaps.
#include <gtest/gtest.h>

#include <vector>

#include "draw/r_board.h"
#include "tests/test_bitmap.h"

using testbmp::Black;
using testbmp::BitmapPtr;
using testbmp::countOther;
using testbmp::fillBitmap;
using testbmp::makeOwnedBitmap;
using testbmp::pixelAt;
using testbmp::Rgb;
using testbmp::White;

namespace {

const Rgb BounceRgb{170, 180, 140};
const Rgb AttractorRgb{128, 0, 0};
const Rgb RepellerRgb{128, 255, 128};
const Rgb SpinnerCWRgb{0, 0, 255};
const Rgb SpinnerCCWRgb{128, 128, 240};

// A level with nothing on it: given size, all walls Bounce.
Level emptyLevel(int w, int h) {
  Level level;
  makeNewLevel(level);
  level.width = w;
  level.height = h;
  for (int s = 0; s < 4; ++s) level.wall[s] = Bounce;
  return level;
}

class DrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testbmp::initHeadlessAllegro();
    bmp = makeOwnedBitmap(100, 100);
  }
  // Draws one piece with its cell at (20, 20), so its centre is (32, 32).
  void piece(int32_t kind, uint32_t size, int t) {
    clear_to_color(bmp.get(), makecol(0, 0, 0));
    drawPiece(kind, size, bmp.get(), 20, 20, t);
  }
  Rgb at(int dx, int dy) { return pixelAt(bmp.get(), 32 + dx, 32 + dy); }
  // Offsets along the row through the centre, 0..r, where the pixel is black.
  std::vector<int> blackOnRightAxis(int r) {
    std::vector<int> found;
    for (int dx = 0; dx <= r; ++dx)
      if (at(dx, 0) == Black) found.push_back(dx);
    return found;
  }
  int litPixels() { return countOther(bmp.get(), 0, 0, 99, 99, Black); }
  // A coin hole: a black outline of radius r around a centre that keeps
  // the coin colour.
  void expectHole(int dx, int dy, int r, Rgb coin) {
    EXPECT_EQ(at(dx, dy), coin) << "hole centre " << dx << "," << dy;
    EXPECT_EQ(at(dx + r, dy), Black) << dx << "," << dy;
    EXPECT_EQ(at(dx - r, dy), Black) << dx << "," << dy;
    EXPECT_EQ(at(dx, dy + r), Black) << dx << "," << dy;
    EXPECT_EQ(at(dx, dy - r), Black) << dx << "," << dy;
  }

  BitmapPtr bmp;
};

// ---------------------------------------------------------------- walls

TEST_F(DrawTest, WallColoursFollowTheFrameCounter) {
  const int deadlyGreen[] = {192, 128, 64, 0, 192};
  for (int t = 0; t < 5; ++t) {
    drawWallStrip(Deadly, bmp.get(), 0, 0, 3, 3, t);
    EXPECT_EQ(pixelAt(bmp.get(), 2, 2), (Rgb{255, deadlyGreen[t], 0})) << "frame " << t;
  }
  const int wrapFrames[] = {0, 24, 47, 48, 49, 72, 95, 96, 144};
  const int wrapBlue[] = {48, 72, 95, 96, 95, 72, 49, 48, 96};
  for (int i = 0; i < 9; ++i) {
    drawWallStrip(Wrap, bmp.get(), 0, 0, 3, 3, wrapFrames[i]);
    EXPECT_EQ(pixelAt(bmp.get(), 1, 1), (Rgb{0, 0, wrapBlue[i]})) << "frame " << wrapFrames[i];
  }
  for (int t : {0, 1, 77}) {
    drawWallStrip(Bounce, bmp.get(), 0, 0, 3, 3, t);
    EXPECT_EQ(pixelAt(bmp.get(), 3, 0), BounceRgb);
  }
}

TEST_F(DrawTest, WallStripFillsExactlyItsInclusiveRectangle) {
  drawWallStrip(Bounce, bmp.get(), 10, 20, 14, 21, 0);
  EXPECT_EQ(countOther(bmp.get(), 0, 0, 99, 99, Black), 5 * 2);
  EXPECT_EQ(pixelAt(bmp.get(), 10, 20), BounceRgb);
  EXPECT_EQ(pixelAt(bmp.get(), 14, 21), BounceRgb);
}

TEST_F(DrawTest, UnknownWallKindsDrawNothing) {
  for (int32_t kind : {-1, 3, 1000}) drawWallStrip(kind, bmp.get(), 0, 0, 50, 50, 0);
  EXPECT_EQ(litPixels(), 0);
}

TEST_F(DrawTest, OneCellBoardStripsAndCorners) {
  Level level = emptyLevel(1, 1);
  level.wall[North] = Bounce;
  level.wall[East] = Deadly;
  level.wall[South] = Bounce;
  level.wall[West] = Wrap;
  drawBoard(level, bmp.get(), 31, 12, 0);
  BITMAP* b = bmp.get();
  const Rgb deadly{255, 192, 0};
  const Rgb wrap{0, 0, 48};
  // North (31,10)-(55,11), East (56,10)-(57,36), West (29,10)-(30,36),
  // South (29,37)-(57,38): the top corners belong to East and West.
  EXPECT_EQ(testbmp::countColour(b, 31, 10, 55, 11, BounceRgb), 25 * 2);
  EXPECT_EQ(testbmp::countColour(b, 56, 10, 57, 36, deadly), 2 * 27);
  EXPECT_EQ(testbmp::countColour(b, 29, 10, 30, 36, wrap), 2 * 27);
  EXPECT_EQ(testbmp::countColour(b, 29, 37, 57, 38, BounceRgb), 29 * 2);
  EXPECT_EQ(litPixels(), 50 + 54 + 54 + 58);
  // The board itself is left alone, and nothing lies outside the frame.
  EXPECT_EQ(countOther(b, 31, 12, 55, 36, Black), 0);
  EXPECT_EQ(pixelAt(b, 28, 10), Black);
  EXPECT_EQ(pixelAt(b, 58, 38), Black);
  EXPECT_EQ(pixelAt(b, 31, 9), Black);
  EXPECT_EQ(pixelAt(b, 29, 39), Black);
}

TEST_F(DrawTest, WrapWallOfABoardPulsesBlue) {
  Level level = emptyLevel(2, 2);
  level.wall[North] = Wrap;
  const int blue[] = {48, 96, 48};
  const int frames[] = {0, 48, 96};
  for (int i = 0; i < 3; ++i) {
    drawBoard(level, bmp.get(), 10, 10, frames[i]);
    EXPECT_EQ(pixelAt(bmp.get(), 20, 9), (Rgb{0, 0, blue[i]}));
  }
}

// ---------------------------------------------------------------- pieces

TEST_F(DrawTest, SmallestAttractorAndRepellerAreBareDiscs) {
  for (int t = 0; t < 4; ++t) {
    piece(Attractor, 0, t);
    EXPECT_EQ(at(0, 0), AttractorRgb);
    EXPECT_EQ(at(1, 0), AttractorRgb);
    EXPECT_EQ(at(0, -1), AttractorRgb);
    EXPECT_EQ(at(2, 0), Black);
    piece(Repeller, 0, t);
    EXPECT_EQ(at(0, 0), RepellerRgb);
    EXPECT_EQ(at(-1, 0), RepellerRgb);
  }
}

TEST_F(DrawTest, AttractorRingShrinksFrameByFrame) {
  // Size 1, radius 4: the ring takes radii 3, 2, 1, 3, 2, 1.
  const int radius[] = {3, 2, 1, 3, 2, 1};
  for (int t = 0; t < 6; ++t) {
    piece(Attractor, 1, t);
    EXPECT_EQ(blackOnRightAxis(4), std::vector<int>{radius[t]}) << "frame " << t;
    EXPECT_EQ(at(4, 0), AttractorRgb);
    EXPECT_EQ(at(5, 0), Black);
  }
  // Size 3, radius 10: 9 down to 1 over nine frames.
  for (int t = 0; t < 18; ++t) {
    piece(Attractor, 3, t);
    EXPECT_EQ(blackOnRightAxis(10), std::vector<int>{9 - t % 9}) << "frame " << t;
  }
}

TEST_F(DrawTest, RepellerRingGrowsFrameByFrame) {
  // Size 3: ring radius 0, 1, ..., 8, then 0 again.
  for (int t = 0; t < 20; ++t) {
    piece(Repeller, 3, t);
    EXPECT_EQ(blackOnRightAxis(10), std::vector<int>{t % 9}) << "frame " << t;
    EXPECT_EQ(at(0, -10), RepellerRgb);
  }
  // Size 2, radius 7: 0..5.
  piece(Repeller, 2, 5);
  EXPECT_EQ(blackOnRightAxis(7), std::vector<int>{5});
  piece(Repeller, 2, 6);
  EXPECT_EQ(blackOnRightAxis(7), std::vector<int>{0});
}

TEST_F(DrawTest, ClockwiseSpinnerSquareTurnsClockwise) {
  // Frame 0: start angle 0, a diamond with a corner at (cx + 10, cy).
  piece(SpinnerCW, 3, 0);
  EXPECT_EQ(at(10, 0), SpinnerCWRgb);
  EXPECT_EQ(at(5, 0), SpinnerCWRgb);
  EXPECT_EQ(at(0, 5), SpinnerCWRgb);
  EXPECT_EQ(at(6, 6), Black);    // inside the outline, outside the diamond
  EXPECT_EQ(at(10, 10), Black);  // outside the piece
  EXPECT_EQ(at(0, -10), SpinnerCWRgb);  // outline
  // Frame 11: 44 degrees, the square stands almost upright.
  piece(SpinnerCW, 3, 11);
  EXPECT_EQ(at(5, 5), SpinnerCWRgb);
  EXPECT_EQ(at(-5, -5), SpinnerCWRgb);
  EXPECT_EQ(at(8, 0), Black);
  // Frame 5: 20 degrees clockwise on screen puts a corner low on the right.
  piece(SpinnerCW, 3, 5);
  EXPECT_EQ(at(8, 3), SpinnerCWRgb);
  EXPECT_EQ(at(8, -3), Black);
}

TEST_F(DrawTest, SpinnersRepeatEveryNinetyFrames) {
  BitmapPtr first = makeOwnedBitmap(100, 100);
  for (int32_t kind : {SpinnerCW, SpinnerCCW}) {
    for (int t : {0, 22, 37}) {
      piece(kind, 3, t);
      blit(bmp.get(), first.get(), 0, 0, 0, 0, 100, 100);
      piece(kind, 3, t + 90);
      EXPECT_TRUE(testbmp::sameBitmap(first.get(), bmp.get())) << kind << " frame " << t;
      piece(kind, 3, t + 180);
      EXPECT_TRUE(testbmp::sameBitmap(first.get(), bmp.get())) << kind << " frame " << t;
    }
  }
}

TEST_F(DrawTest, CounterClockwiseSpinnerTriangleTurnsCounterClockwise) {
  piece(SpinnerCCW, 3, 0);
  EXPECT_EQ(at(10, 0), SpinnerCCWRgb);
  EXPECT_EQ(at(5, 0), SpinnerCCWRgb);
  EXPECT_EQ(at(5, -4), Black);
  // Frame 10: start angle 320, the first corner has moved up on screen.
  piece(SpinnerCCW, 3, 10);
  EXPECT_EQ(at(5, -4), SpinnerCCWRgb);
  EXPECT_EQ(at(0, 10), SpinnerCCWRgb);  // outline
}

TEST_F(DrawTest, RegularPolygonCornersAreTruncatedTowardZero) {
  // 88 degrees, radius 10: corners (0, 9), (-9, 0), (0, -9), (9, 0); rounding
  // down instead would put two of them at -10 and -1.
  drawRegularPolygon(bmp.get(), 50, 50, 10, 4, 88.0, makecol(255, 255, 255));
  BitmapPtr ref = makeOwnedBitmap(100, 100);
  int pts[] = {50, 59, 41, 50, 50, 41, 59, 50};
  polygon(ref.get(), 4, pts, makecol(255, 255, 255));
  EXPECT_TRUE(testbmp::sameBitmap(ref.get(), bmp.get()));
  EXPECT_EQ(pixelAt(bmp.get(), 40, 50), Black);
  EXPECT_EQ(pixelAt(bmp.get(), 50, 40), Black);
}

TEST_F(DrawTest, RegularPolygonRejectsBadCornerCounts) {
  for (int n : {-1, 0, 2, 17, 1000}) drawRegularPolygon(bmp.get(), 50, 50, 10, n, 0.0, makecol(255, 255, 255));
  EXPECT_EQ(litPixels(), 0);
  drawRegularPolygon(bmp.get(), 50, 50, 10, 16, 0.0, makecol(255, 255, 255));
  EXPECT_EQ(pixelAt(bmp.get(), 50, 50), White);
}

TEST_F(DrawTest, CoinColourCyclesOverThirtyTwoFrames) {
  const int frames[] = {0, 1, 8, 16, 17, 24, 31, 32, 48};
  const int green[] = {144, 150, 192, 240, 234, 192, 150, 144, 240};
  for (int i = 0; i < 9; ++i) {
    piece(Coin, 1, frames[i]);
    EXPECT_EQ(at(0, 0), (Rgb{240, green[i], 0})) << "frame " << frames[i];
  }
}

TEST_F(DrawTest, SmallCoinsHaveNoHoles) {
  for (uint32_t size : {0u, 1u}) {
    piece(Coin, size, 3);
    BitmapPtr disc = makeOwnedBitmap(100, 100);
    circlefill(disc.get(), 32, 32, pieceRadius(size), makecol(255, 255, 255));
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 100; ++x) {
        bool inDisc = pixelAt(disc.get(), x, y) == White;
        EXPECT_EQ(pixelAt(bmp.get(), x, y) != Black, inDisc) << x << "," << y;
      }
  }
}

TEST_F(DrawTest, SizeTwoCoinHasFiveHoles) {
  piece(Coin, 2, 0);
  const Rgb coin{240, 144, 0};
  const int centres[5][2] = {{0, 0}, {4, 3}, {-4, 3}, {4, -3}, {-4, -3}};
  for (auto& c : centres) expectHole(c[0], c[1], 2, coin);
  EXPECT_EQ(at(0, -7), coin);
  EXPECT_EQ(at(0, 4), coin);  // between the lower holes
}

TEST_F(DrawTest, SizeThreeCoinHasTenHoles) {
  piece(Coin, 3, 16);
  const Rgb coin{240, 240, 0};
  const int centres[10][2] = {{5, 5}, {-5, 5}, {5, -5}, {-5, -5}, {-2, 0},
                              {7, 0}, {2, 0},  {-7, 0}, {0, -5}, {0, 5}};
  for (auto& c : centres) expectHole(c[0], c[1], 2, coin);
  EXPECT_EQ(at(0, -10), coin);
  EXPECT_EQ(at(0, 10), coin);
}

TEST_F(DrawTest, ExitRingsAreSteadyAndUnfilled) {
  piece(Exit, 0, 0);
  EXPECT_EQ(at(1, 0), White);
  EXPECT_EQ(at(0, 0), Black);
  EXPECT_EQ(at(2, 0), Black);
  for (int t : {0, 7, 31}) {
    piece(Exit, 3, t);
    std::vector<int> rings;
    for (int dx = 0; dx <= 11; ++dx)
      if (at(dx, 0) == White) rings.push_back(dx);
    EXPECT_EQ(rings, (std::vector<int>{1, 4, 7, 10}));
    EXPECT_EQ(at(0, -10), White);
  }
}

TEST_F(DrawTest, HazardColoursAlternate) {
  const int outer[] = {192, 128, 64, 0, 192};
  const int inner[] = {64, 128, 192, 0, 64};
  for (int t = 0; t < 5; ++t) {
    piece(Hazard, 3, t);
    EXPECT_EQ(at(8, 0), (Rgb{255, outer[t], 0})) << "frame " << t;
    EXPECT_EQ(at(0, 0), (Rgb{255, inner[t], 0})) << "frame " << t;
    EXPECT_EQ(at(5, 0), (Rgb{255, inner[t], 0})) << "frame " << t;  // inner radius 10 / 2
  }
}

TEST_F(DrawTest, EveryKindAndSizeStaysInsideItsRadius) {
  for (int32_t kind = Attractor; kind <= Hazard; ++kind) {
    for (uint32_t size = 0; size <= 3; ++size) {
      piece(kind, size, 5);
      int r = pieceRadius(size);
      if (kind == Start) {
        EXPECT_EQ(litPixels(), 0);
        continue;
      }
      EXPECT_GT(litPixels(), 0) << kind << " size " << size;
      // Nothing beyond the piece's square of side 2R + 1.
      EXPECT_EQ(litPixels(), countOther(bmp.get(), 32 - r, 32 - r, 32 + r, 32 + r, Black))
          << kind << " size " << size;
      // The rightmost point of the radius is drawn by every kind.
      EXPECT_NE(at(r, 0), Black) << kind << " size " << size;
    }
  }
}

TEST_F(DrawTest, EmptyStartAndUnknownKindsDrawNothing) {
  for (int32_t kind : {static_cast<int32_t>(Empty), static_cast<int32_t>(Start), 9, -1, 1 << 30}) {
    drawPiece(kind, 3, bmp.get(), 20, 20, 0);
  }
  EXPECT_EQ(litPixels(), 0);
}

TEST_F(DrawTest, OversizedPiecesAreDrawnAtTheLargestSize) {
  // A size from a damaged file must not overflow the radius or loop for
  // billions of exit rings.
  BitmapPtr ref = makeOwnedBitmap(100, 100);
  for (int32_t kind : {Attractor, Coin, Exit, Hazard}) {
    clear_to_color(ref.get(), 0);
    drawPiece(kind, 3, ref.get(), 20, 20, 2);
    piece(kind, 4000000000u, 2);
    EXPECT_TRUE(testbmp::sameBitmap(ref.get(), bmp.get())) << kind;
  }
}

// ---------------------------------------------------------------- board

TEST_F(DrawTest, BoardDrawsPiecesAtTheirCells) {
  Level level = emptyLevel(3, 2);
  level.cell[2][1] = Cell{Hazard, 3};
  level.cell[0][0] = Cell{Exit, 0};
  drawBoard(level, bmp.get(), 10, 5, 0);
  // Cell (2, 1) is centred on (10 + 50 + 12, 5 + 25 + 12).
  EXPECT_EQ(pixelAt(bmp.get(), 72, 42), (Rgb{255, 64, 0}));
  EXPECT_EQ(pixelAt(bmp.get(), 80, 42), (Rgb{255, 192, 0}));
  EXPECT_EQ(pixelAt(bmp.get(), 23, 17), White);
  // Only these two pieces inside the board.
  EXPECT_EQ(countOther(bmp.get(), 10, 5, 84, 54, Black),
            countOther(bmp.get(), 62, 32, 82, 52, Black) + countOther(bmp.get(), 21, 15, 25, 19, Black));
}

TEST_F(DrawTest, CellsOutsideTheBoardAndStartCellsAreNotDrawn) {
  Level level = emptyLevel(2, 1);
  for (int y = 0; y < MaxHeight; ++y)
    for (int x = 0; x < MaxWidth; ++x) level.cell[x][y] = Cell{Hazard, 3};
  level.cell[0][0] = Cell{Start, 3};
  level.cell[1][0] = Cell{static_cast<CellKind>(9), 3};
  BitmapPtr big = makeOwnedBitmap(512, 384);
  drawBoard(level, big.get(), 31, 12, 0);
  // Nothing inside the 2 x 1 board, nothing beyond its frame.
  EXPECT_EQ(countOther(big.get(), 31, 12, 80, 36, Black), 0);
  EXPECT_EQ(countOther(big.get(), 84, 0, 511, 383, Black), 0);
  EXPECT_EQ(countOther(big.get(), 0, 39, 511, 383, Black), 0);
}

TEST_F(DrawTest, OversizedBoardDrawsOnlyTheStoredGrid) {
  Level level = emptyLevel(30, 20);
  for (int y = 0; y < MaxHeight; ++y)
    for (int x = 0; x < MaxWidth; ++x) level.cell[x][y] = Cell{Hazard, 0};
  BitmapPtr big = makeOwnedBitmap(1024, 768);
  drawBoard(level, big.get(), 31, 12, 1);
  // Column 17 and row 11 are drawn; the frame closes around them.
  EXPECT_EQ(pixelAt(big.get(), 31 + 25 * 17 + 12, 12 + 25 * 11 + 12), (Rgb{255, 128, 0}));
  EXPECT_EQ(pixelAt(big.get(), 31 + 450, 100), BounceRgb);
  EXPECT_EQ(pixelAt(big.get(), 100, 12 + 300), BounceRgb);
  EXPECT_EQ(countOther(big.get(), 31 + 452, 0, 1023, 767, Black), 0);
  EXPECT_EQ(countOther(big.get(), 0, 12 + 302, 1023, 767, Black), 0);
}

TEST_F(DrawTest, NegativeOrZeroSizedBoardsDrawNoPieces) {
  Level level = emptyLevel(-4, 0);
  level.cell[0][0] = Cell{Hazard, 3};
  BitmapPtr big = makeOwnedBitmap(200, 200);
  drawBoard(level, big.get(), 50, 50, 0);
  clearAndDrawBoard(level, big.get(), 50, 50);
  EXPECT_EQ(pixelAt(big.get(), 62, 62), Black);
  level.width = -2000000000;
  level.height = 2000000000;
  drawBoard(level, big.get(), 50, 50, 0);
  EXPECT_EQ(pixelAt(big.get(), 62, 62), Black);
}

TEST_F(DrawTest, ClearAndDrawBoardBlanksTheBoardAndShowsFrameZero) {
  Level level = emptyLevel(2, 2);
  level.wall[East] = Deadly;
  level.cell[1][1] = Cell{Repeller, 3};
  fillBitmap(bmp.get(), Rgb{9, 9, 9});
  clearAndDrawBoard(level, bmp.get(), 10, 10);
  EXPECT_EQ(pixelAt(bmp.get(), 10, 10), Black);
  EXPECT_EQ(pixelAt(bmp.get(), 59, 59), Black);  // last pixel of the board
  EXPECT_EQ(pixelAt(bmp.get(), 60, 30), (Rgb{255, 192, 0}));
  EXPECT_EQ(pixelAt(bmp.get(), 47, 47), Black);  // ring radius 0 at frame 0
  EXPECT_EQ(pixelAt(bmp.get(), 48, 47), RepellerRgb);
  EXPECT_EQ(pixelAt(bmp.get(), 62, 62), (Rgb{9, 9, 9}));  // outside the frame
  EXPECT_EQ(pixelAt(bmp.get(), 5, 5), (Rgb{9, 9, 9}));
}

TEST_F(DrawTest, ErasePiecePaintsABlackDiscOfTheCellRadius) {
  Level level = emptyLevel(3, 3);
  level.cell[1][2] = Cell{Coin, 3};
  fillBitmap(bmp.get(), Rgb{9, 9, 9});
  drawBoard(level, bmp.get(), 0, 0, 0);
  level.cell[1][2].kind = Empty;  // as the contact step leaves it
  erasePiece(level, bmp.get(), 0, 0, 1, 2);
  for (int d = -10; d <= 10; ++d) {
    EXPECT_EQ(pixelAt(bmp.get(), 37 + d, 62), Black);
    EXPECT_EQ(pixelAt(bmp.get(), 37, 62 + d), Black);
  }
  EXPECT_EQ(pixelAt(bmp.get(), 37 + 11, 62), (Rgb{9, 9, 9}));
  EXPECT_EQ(pixelAt(bmp.get(), 37 + 8, 62 + 8), (Rgb{9, 9, 9}));
  // Cells outside the stored grid are ignored.
  erasePiece(level, bmp.get(), 0, 0, MaxWidth, 0);
  erasePiece(level, bmp.get(), 0, 0, -1, -1);
  EXPECT_EQ(pixelAt(bmp.get(), 5, 5), (Rgb{9, 9, 9}));
}

TEST_F(DrawTest, NegativeFrameCountersStillGiveValidColours) {
  piece(Hazard, 3, -1);
  EXPECT_EQ(at(8, 0), (Rgb{255, 0, 0}));
  drawWallStrip(Wrap, bmp.get(), 0, 0, 1, 1, -1);
  EXPECT_EQ(pixelAt(bmp.get(), 0, 0), (Rgb{0, 0, 49}));
}

}  // namespace
