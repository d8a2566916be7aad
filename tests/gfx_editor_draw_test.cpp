// The editor picture, headless: drawn into a 24-bit memory bitmap and read
// back pixel by pixel.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "data/level.h"
#include "platform/i_system.h"
#include "test_bitmap.h"
#include "tools/e_state.h"

using namespace testbmp;

namespace {

const Rgb Red{255, 0, 0};
const Rgb Green{0, 255, 0};
const Rgb StartGold{255, 192, 0};

class EditorPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    initHeadlessAllegro();
    bmp_ = makeOwnedBitmap(ScreenWidth, ScreenHeight);
    campaign_ = std::make_unique<Campaign>();
    campaign_->levelCount = 0;
    campaign_->lives = 0;
  }
  void TearDown() override { text_mode(0); }

  Level& appendLevel() {
    Level& l = campaign_->level[campaign_->levelCount++];
    makeNewLevel(l);
    return l;
  }
  void open(int first = 1) { openEditor(state_, *campaign_, first); }
  void draw() { drawEditorFrame(bmp_.get(), state_); }
  BITMAP* bmp() { return bmp_.get(); }

  // True when `text` is drawn centred on x with its top at y.
  bool centredText(int x, int y, const char* text, Rgb colour) {
    const int left = x - text_length(font, text) / 2;
    return showsText(bmp(), left, y, text, colour);
  }
  // Any pixel of the colour in the 8-pixel text row centred on x.
  int colourInRow(int x, int y, int halfWidth, Rgb colour) {
    return countColour(bmp(), x - halfWidth, y, x + halfWidth, y + 7, colour);
  }

  BitmapPtr bmp_;
  std::unique_ptr<Campaign> campaign_;
  EditorState state_{};
};

TEST_F(EditorPicture, NewLevelOfAnEmptyCampaignShowsItsStatus) {
  open(0);
  draw();
  EXPECT_TRUE(centredText(256, 336, "TIME 30.00", White));
  EXPECT_TRUE(centredText(448, 336, "LIVES 0", White));
  EXPECT_TRUE(centredText(448, 352, "LEVEL 1", White));
  EXPECT_TRUE(centredText(64, 352, "INVALID", Red));
  EXPECT_EQ(colourInRow(64, 336, 60, White), 0) << "no B-TIME line without a bonus";
}

TEST_F(EditorPicture, ValidLevelWithABonusShowsBonusTimeAndValidInGreen) {
  Level& l = appendLevel();
  l.limit = 120;
  l.bonus = 45;
  l.cell[0][0] = Cell{Start, 1};
  l.cell[4][4] = Cell{Exit, 1};
  appendLevel();
  campaign_->lives = 7;
  open(1);
  draw();
  EXPECT_TRUE(centredText(64, 336, "B-TIME 45.00", White));
  EXPECT_TRUE(centredText(64, 352, "VALID", Green));
  EXPECT_EQ(colourInRow(64, 352, 40, Red), 0);
  EXPECT_TRUE(centredText(256, 336, "TIME 120.00", White));
  EXPECT_TRUE(centredText(448, 336, "LIVES 7", White));

  state_.currentLevel = 2;
  draw();
  EXPECT_TRUE(centredText(448, 352, "LEVEL 2", White));
  EXPECT_TRUE(centredText(64, 352, "INVALID", Red));
  EXPECT_EQ(colourInRow(64, 336, 60, White), 0);
}

TEST_F(EditorPicture, TheFirstStartIsMarkedAndLaterOnesAreNot) {
  Level& l = appendLevel();
  l.cell[3][2] = Cell{Start, 1};
  l.cell[7][9] = Cell{Start, 3};
  open();
  draw();
  const int cx = 25 * 3 + 18, cy = 25 * 2 + 18;
  EXPECT_EQ(pixelAt(bmp(), cx, cy), StartGold);
  EXPECT_EQ(pixelAt(bmp(), cx + 4, cy), White) << "outline at radius 4";
  EXPECT_EQ(pixelAt(bmp(), cx - 4, cy), White);
  EXPECT_EQ(pixelAt(bmp(), cx + 5, cy), Black);
  EXPECT_EQ(countColour(bmp(), 25 * 7 + 6, 25 * 9 + 6, 25 * 7 + 30, 25 * 9 + 30, StartGold), 0);
}

TEST_F(EditorPicture, StartMarkerOfAnOversizedStartIsDrawnAtTheLargestSize) {
  Level& l = appendLevel();
  l.cell[5][5] = Cell{Start, 4000000000u};
  open();
  draw();
  const int cx = 25 * 5 + 18, cy = 25 * 5 + 18;
  EXPECT_EQ(pixelAt(bmp(), cx + 10, cy), White);
  EXPECT_EQ(pixelAt(bmp(), cx + 11, cy), Black);
  EXPECT_EQ(pixelAt(bmp(), cx, cy), StartGold);
}

TEST_F(EditorPicture, CursorBlueFollowsTheFrameCounter) {
  appendLevel();
  open();
  state_.cursorX = 4;
  state_.cursorY = 3;
  const int x1 = 25 * 4 + 7, y1 = 25 * 3 + 7, x2 = 25 * 4 + 29, y2 = 25 * 3 + 29;
  draw();
  EXPECT_EQ(pixelAt(bmp(), x1, y1), (Rgb{255, 255, 0}));
  EXPECT_EQ(pixelAt(bmp(), x2, y2), (Rgb{255, 255, 0}));
  EXPECT_EQ(pixelAt(bmp(), x1, y2), (Rgb{255, 255, 0}));
  EXPECT_EQ(pixelAt(bmp(), (x1 + x2) / 2, y1), (Rgb{255, 255, 0}));
  EXPECT_EQ(pixelAt(bmp(), x1 - 1, y1), Black);
  EXPECT_EQ(pixelAt(bmp(), x1 + 1, y1 + 1), Black);

  state_.frame = 300;
  draw();
  EXPECT_EQ(pixelAt(bmp(), x1, y1), (Rgb{255, 255, 45}));
  state_.frame = 254;
  draw();
  EXPECT_EQ(pixelAt(bmp(), x1, y1), (Rgb{255, 255, 254}));
  state_.frame = 255;
  draw();
  EXPECT_EQ(pixelAt(bmp(), x1, y1), (Rgb{255, 255, 0}));
}

TEST_F(EditorPicture, BoardSitsAtSixSixAndTheBackgroundIsCleared) {
  Level& l = appendLevel();
  l.width = 4;
  l.height = 3;
  l.cell[1][1] = Cell{Exit, 2};
  open();
  fillBitmap(bmp(), Rgb{9, 9, 9});
  draw();
  EXPECT_EQ(countColour(bmp(), 0, 0, ScreenWidth - 1, ScreenHeight - 1, Rgb{9, 9, 9}), 0);
  // Exit rings are white circles round the centre of cell (1, 1).
  EXPECT_EQ(pixelAt(bmp(), 6 + 25 + 12 + 7, 6 + 25 + 12), White);
  // Nothing right of the walls of a 4-column board but the status texts.
  EXPECT_EQ(countOther(bmp(), 6 + 100 + 3, 0, ScreenWidth - 1, 320, Black), 0);
  // The walls lie just outside the board.
  EXPECT_NE(pixelAt(bmp(), 6 + 50, 4), Black);
  EXPECT_EQ(pixelAt(bmp(), 6 + 50, 2), Black);
}

TEST_F(EditorPicture, OversizedLevelDrawsTheCursorInsideTheGrid) {
  Level& l = appendLevel();
  l.width = 90;
  l.height = 70;
  open();
  state_.cursorX = 200;  // out of reach of the keys; drawn on the last cell
  state_.cursorY = 200;
  draw();
  EXPECT_EQ(pixelAt(bmp(), 25 * 17 + 29, 25 * 11 + 29), (Rgb{255, 255, 0}));
}

}  // namespace
