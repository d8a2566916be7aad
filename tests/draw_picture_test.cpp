// The level picture of the contact sheets, on a headless 24-bit bitmap.
#include <gtest/gtest.h>

#include "tools/picture.h"
#include "tests/test_bitmap.h"

using testbmp::Black;
using testbmp::pixelAt;
using testbmp::Rgb;

// A 3 x 2 board, Start of size 2 in cell (1, 0), an attractor in (2, 1):
// the picture is the board framed by its walls, nothing cut off, and the
// ball drawn where and as large as play starts it, in the board's frame.
TEST(LevelPicture, FramesTheBoardAndPutsTheBallOnItsStart) {
  testbmp::initHeadlessAllegro();
  Level level;
  makeNewLevel(level);
  level.width = 3;
  level.height = 2;
  level.limit = 10;
  level.wall[North] = Bounce;
  level.wall[East] = Deadly;
  level.wall[South] = Deadly;
  level.wall[West] = Wrap;
  level.cell[1][0] = Cell{Start, 2};
  level.cell[2][1] = Cell{Attractor, 1};
  ASSERT_EQ(pictureWidth(level), 79);
  ASSERT_EQ(pictureHeight(level), 54);
  testbmp::BitmapPtr bmp = testbmp::makeOwnedBitmap(79, 54);
  testbmp::fillBitmap(bmp.get(), Rgb{9, 9, 9});
  drawLevelPicture(level, bmp.get());

  const Rgb yellow{255, 255, 0}, deadly{255, 192, 0};
  EXPECT_EQ(pixelAt(bmp.get(), 2 + 37, 2 + 12), yellow);
  EXPECT_EQ(pixelAt(bmp.get(), 2 + 37 + 7, 2 + 12), yellow);  // radius 3 x 2 + 1
  EXPECT_EQ(pixelAt(bmp.get(), 2 + 37 + 8, 2 + 12), Black);
  EXPECT_EQ(pixelAt(bmp.get(), 2 + 62, 2 + 37), (Rgb{128, 0, 0}));
  EXPECT_EQ(pixelAt(bmp.get(), 2 + 12, 2 + 37), Black);
  EXPECT_EQ(pixelAt(bmp.get(), 40, 0), (Rgb{170, 180, 140}));
  EXPECT_EQ(pixelAt(bmp.get(), 0, 30), (Rgb{0, 0, 48}));
  EXPECT_EQ(pixelAt(bmp.get(), 78, 30), deadly);
  EXPECT_EQ(pixelAt(bmp.get(), 78, 53), deadly);
}
