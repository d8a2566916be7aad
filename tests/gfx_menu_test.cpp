// The campaign menu headless: the wheel's key repeat frame by frame, and
// the wheel and description drawn into a memory bitmap.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game/g_clock.h"
#include "shell/i_catalogue.h"
#include "shell/i_menu.h"
#include "test_bitmap.h"

using namespace testbmp;

namespace {

const Rgb Grey{192, 192, 192};
const Rgb Yellow{255, 255, 0};
const Rgb Red{255, 0, 0};

// Frames (1-based) on which holding `dir` for `frames` frames moves the wheel.
std::vector<int> movingFrames(Direction dir, int frames, int32_t& counter) {
  std::vector<int> moves;
  for (int f = 1; f <= frames; ++f)
    if (wheelStep(counter, true, dir) != 0) moves.push_back(f);
  return moves;
}

TEST(WheelRepeat, HoldingDownMovesAtOnceThenRepeatsFasterAndFaster) {
  int32_t k = 0;
  EXPECT_EQ(movingFrames(Down, 31, k), (std::vector<int>{1, 12, 15, 18, 21, 24, 27, 30, 31}));
  // From the 31st frame on, every frame moves.
  for (int f = 0; f < 100; ++f) EXPECT_EQ(wheelStep(k, true, Down), 1);
}

TEST(WheelRepeat, HoldingUpMirrorsDown) {
  int32_t k = 0;
  EXPECT_EQ(movingFrames(Up, 31, k), (std::vector<int>{1, 12, 15, 18, 21, 24, 27, 30, 31}));
  EXPECT_EQ(k, -31);
  EXPECT_EQ(wheelStep(k, true, Up), -1);
}

TEST(WheelRepeat, ReversingMovesAtOnce) {
  int32_t k = 0;
  for (int f = 0; f < 5; ++f) wheelStep(k, true, Down);
  EXPECT_EQ(wheelStep(k, true, Up), -1);
  EXPECT_EQ(k, -1);
  for (int f = 0; f < 40; ++f) wheelStep(k, true, Up);
  EXPECT_EQ(wheelStep(k, true, Down), 1);
  EXPECT_EQ(k, 1);
}

TEST(WheelRepeat, ReleaseSidewaysAndMixedKeysResetTheCount) {
  for (Direction side : {Left, Right}) {
    int32_t k = 0;
    for (int f = 0; f < 20; ++f) wheelStep(k, true, Down);
    EXPECT_EQ(wheelStep(k, true, side), 0);
    EXPECT_EQ(k, 0);
    EXPECT_EQ(wheelStep(k, true, Down), 1);  // a fresh press
  }
  int32_t k = 0;
  for (int f = 0; f < 20; ++f) wheelStep(k, true, Up);
  EXPECT_EQ(wheelStep(k, false, Up), 0);
  EXPECT_EQ(k, 0);
}

// One menu frame's wheel step from a key state array.
int stepFromKeys(int32_t& k, const char* keys) {
  Direction dir = Up;
  const bool held = heldDirectionIn(keys, dir);
  return wheelStep(k, held, dir);
}

TEST(WheelRepeat, UpAndRightTogetherNeitherMoveNorKeepTheCount) {
  char keys[KEY_MAX] = {};
  int32_t k = 0;
  keys[KEY_UP] = 1;
  for (int f = 0; f < 8; ++f) stepFromKeys(k, keys);
  EXPECT_EQ(k, -8);
  keys[KEY_RIGHT] = 1;
  for (int f = 0; f < 40; ++f) EXPECT_EQ(stepFromKeys(k, keys), 0);
  EXPECT_EQ(k, 0);
  keys[KEY_RIGHT] = 0;
  EXPECT_EQ(stepFromKeys(k, keys), -1);
  // Two keys of the same group count as one direction.
  keys[KEY_W] = 1;
  for (int f = 0; f < 10; ++f) EXPECT_EQ(stepFromKeys(k, keys), 0);
  EXPECT_EQ(stepFromKeys(k, keys), -1);  // the 12th frame
}

TEST(WheelRepeat, AKeyHeldForAVeryLongTimeKeepsRepeating) {
  int32_t k = 0;
  for (int f = 0; f < 3000000; ++f) ASSERT_GE(wheelStep(k, true, Down), f == 0 ? 1 : 0);
  EXPECT_GT(k, 30);
  EXPECT_EQ(wheelStep(k, true, Down), 1);
  k = 0;
  for (int f = 0; f < 3000000; ++f) wheelStep(k, true, Up);
  EXPECT_LT(k, -30);
  EXPECT_EQ(wheelStep(k, true, Up), -1);
}

// ---- Drawing the wheel ----

class MenuDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    initHeadlessAllegro();
    clearCatalogue(c);
    for (int i = 0; i < RequiredCampaigns; ++i) add(difficultyNames[i], i);
    bmp = makeOwnedBitmap(512, 384);
    fillBitmap(bmp.get(), Red);
    text_mode(0);
  }
  void add(const char* name, int slot = -1) {
    CampaignHeader h;
    std::memset(&h, 0, sizeof h);
    std::strncpy(h.name, name, sizeof h.name - 1);
    const std::string desc = std::string("About ") + name;
    std::strncpy(h.desc, desc.c_str(), sizeof h.desc - 1);
    ASSERT_GE(catalogueAdd(c, h, slot), 0);
  }
  // The name centred in wheel row r, in the given colour.
  bool rowShows(int r, const char* name, Rgb colour) {
    const int x = 256 - static_cast<int>(std::strlen(name)) * 4;
    return showsText(bmp.get(), x, 192 + 25 * r + 8, name, colour);
  }
  void expectRows(const std::vector<const char*>& names) {
    for (int r = 0; r < 5; ++r)
      EXPECT_TRUE(rowShows(r, names[r], r == 2 ? White : Grey)) << "row " << r << " " << names[r];
  }

  CampaignCatalogue c;
  BitmapPtr bmp;
};

TEST_F(MenuDrawing, TheFiveDifficultiesWithIntermediateHighlighted) {
  drawMenu(bmp.get(), c, FirstSelectedSlot);
  expectRows({"BEGINNER", "EASY", "INTERMEDIATE", "HARD", "MASTER"});
  EXPECT_TRUE(showsText(bmp.get(), 256 - 18 * 4, 368, "About INTERMEDIATE", Grey));
}

TEST_F(MenuDrawing, RowOutlinesAndTheYellowHighlight) {
  drawMenu(bmp.get(), c, 2);
  BITMAP* b = bmp.get();
  for (int r = 0; r <= 5; ++r) {  // the horizontal lines, shared by neighbouring rows
    const int y = 192 + 25 * r;
    EXPECT_EQ(countColour(b, 156, y, 356, y, White), 201) << "line at y " << y;
  }
  EXPECT_EQ(countColour(b, 156, 192, 156, 317, White), 126);  // left side
  EXPECT_EQ(countColour(b, 356, 192, 356, 317, White), 126);  // right side
  // The highlight in the middle row only: (160, 246) to (352, 263).
  EXPECT_EQ(countColour(b, 160, 246, 352, 246, Yellow), 193);
  EXPECT_EQ(countColour(b, 160, 263, 352, 263, Yellow), 193);
  EXPECT_EQ(countColour(b, 160, 246, 160, 263, Yellow), 18);
  EXPECT_EQ(countColour(b, 352, 246, 352, 263, Yellow), 18);
  EXPECT_EQ(countColour(b, 0, 0, 511, 383, Yellow), 2 * 193 + 2 * 16);
  // Inside the outlines the wheel is black apart from the names.
  EXPECT_EQ(pixelAt(b, 158, 200), Black);
  EXPECT_EQ(pixelAt(b, 354, 300), Black);
  EXPECT_EQ(pixelAt(b, 165, 255), Black);
}

TEST_F(MenuDrawing, NothingOutsideTheWheelAndTheDescriptionBandIsTouched) {
  drawMenu(bmp.get(), c, 2);
  BITMAP* b = bmp.get();
  EXPECT_EQ(countOther(b, 0, 0, 511, 191, Red), 0);           // above the wheel
  EXPECT_EQ(countOther(b, 0, 192, 155, 359, Red), 0);         // left of it
  EXPECT_EQ(countOther(b, 357, 192, 511, 359, Red), 0);       // right of it
  EXPECT_EQ(countOther(b, 156, 318, 356, 359, Red), 0);       // between wheel and band
  EXPECT_EQ(countOther(b, 0, 377, 511, 383, Red), 0);         // under the band
  // The band runs across the whole width; only the description is not black.
  EXPECT_EQ(countColour(b, 0, 360, 511, 376, Red), 0);
  EXPECT_EQ(countOther(b, 0, 360, 511, 376, Black), countColour(b, 0, 360, 511, 376, Grey));
}

TEST_F(MenuDrawing, OneStepDownTurnsTheWheel) {
  drawMenu(bmp.get(), c, catalogueNext(c, 2));
  expectRows({"EASY", "INTERMEDIATE", "HARD", "MASTER", "BEGINNER"});
  EXPECT_TRUE(showsText(bmp.get(), 256 - 10 * 4, 368, "About HARD", Grey));
}

TEST_F(MenuDrawing, FiveStepsUpGiveTheStartingPictureAgain) {
  BitmapPtr start = makeOwnedBitmap(512, 384);
  fillBitmap(start.get(), Red);
  drawMenu(start.get(), c, 2);
  int selected = 2;
  for (int i = 0; i < 5; ++i) {
    selected = cataloguePrev(c, selected);
    drawMenu(bmp.get(), c, selected);
    if (i < 4) {
      EXPECT_FALSE(sameBitmap(start.get(), bmp.get())) << "after " << i + 1;
    }
  }
  EXPECT_TRUE(sameBitmap(start.get(), bmp.get()));
}

TEST_F(MenuDrawing, MoreCampaignsWrapAroundTheWheel) {
  add("Side A");
  add("Side B");
  drawMenu(bmp.get(), c, 0);
  expectRows({"Side A", "Side B", "BEGINNER", "EASY", "INTERMEDIATE"});
  drawMenu(bmp.get(), c, 6);
  expectRows({"MASTER", "Side A", "Side B", "BEGINNER", "EASY"});
}

TEST_F(MenuDrawing, AnEightyCharacterDescriptionIsWipedByTheNextOne) {
  CampaignHeader h;
  std::memset(&h, 0, sizeof h);
  std::strcpy(h.name, "Wide");
  std::memset(h.desc, 'W', 80);
  ASSERT_EQ(catalogueAdd(c, h, -1), 5);
  drawMenu(bmp.get(), c, 5);
  // 640 pixels of text centred on 256: it runs off both edges.
  EXPECT_GT(countColour(bmp.get(), 0, 368, 3, 375, Grey), 0);
  EXPECT_GT(countColour(bmp.get(), 508, 368, 511, 375, Grey), 0);
  drawMenu(bmp.get(), c, 4);
  EXPECT_TRUE(showsText(bmp.get(), 256 - 12 * 4, 368, "About MASTER", Grey));
  EXPECT_EQ(countColour(bmp.get(), 0, 360, 200, 376, Grey), 0);
  EXPECT_EQ(countColour(bmp.get(), 312, 360, 511, 376, Grey), 0);
}

TEST_F(MenuDrawing, AnOldPictureIsCoveredCompletely) {
  add("Side A");
  drawMenu(bmp.get(), c, 5);
  // Remove it, as the menu does with a campaign that failed to load.
  catalogueRemove(c, 5);
  BitmapPtr fresh = makeOwnedBitmap(512, 384);
  fillBitmap(fresh.get(), Red);
  drawMenu(bmp.get(), c, 4);
  drawMenu(fresh.get(), c, 4);
  EXPECT_TRUE(sameBitmap(fresh.get(), bmp.get()));
}

TEST_F(MenuDrawing, AnEmptyCatalogueDrawsTheWheelWithoutNames) {
  clearCatalogue(c);
  drawMenu(bmp.get(), c, 2);
  EXPECT_EQ(countColour(bmp.get(), 157, 193, 355, 316, Grey), 0);
  EXPECT_EQ(countOther(bmp.get(), 0, 360, 511, 376, Black), 0);
}

}  // namespace
