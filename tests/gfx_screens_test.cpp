// Pixel tests of the title screen and the two result screens, drawn
// headless into 24-bit memory bitmaps of the screen's size.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "data/level.h"
#include "shell/i_run.h"
#include "shell/i_screens.h"
#include "platform/i_system.h"
#include "test_bitmap.h"

using namespace testbmp;

namespace {

const Rgb Grey{192, 192, 192};
const Rgb Marker{1, 2, 3};
const Rgb AttractorRed{128, 0, 0};
const Rgb RepellerGreen{128, 255, 128};
const Rgb SpinnerCWBlue{0, 0, 255};
const Rgb SpinnerCCWLilac{128, 128, 240};
const Rgb DeadlyFrame0{255, 192, 0};

// x of a text centred on cx, as the library's centred text places it.
int centredX(const char* text, int cx) { return cx - 8 * static_cast<int>(std::strlen(text)) / 2; }

class Screens : public ::testing::Test {
 protected:
  void SetUp() override {
    initHeadlessAllegro();
    bmp_ = makeOwnedBitmap(ScreenWidth, ScreenHeight);
    savedScore_ = lastScore;
    lastScore = 0;
  }
  void TearDown() override {
    lastScore = savedScore_;
    text_mode(0);
  }
  BITMAP* bmp() { return bmp_.get(); }

  // True when a piece of about radius 4 or more sits centred on (cx, cy):
  // most of the small box around the centre is lit.
  bool pieceAt(int cx, int cy, int half = 3) {
    const int box = (2 * half + 1) * (2 * half + 1);
    return countOther(bmp(), cx - half, cy - half, cx + half, cy + half, Black) * 2 > box;
  }

  // The dot pattern of a big digit whose top-left cell is at (x, y):
  // 15 characters, '#' where a piece is, row by row.
  std::string digitPattern(int x, int y, int pitch = 16) {
    std::string s;
    for (int r = 0; r < 5; ++r)
      for (int q = 0; q < 3; ++q) s += pieceAt(x + pitch * q + 12, y + pitch * r + 12) ? '#' : '.';
    return s;
  }

  // True when anything is drawn where a separator after the digit slot at
  // x would stand (right of the digit's columns, below the digits).
  bool separatorAfterSlot(int slotX) {
    return countOther(bmp(), slotX + 52, 262, slotX + 63, 310, Black) > 0;
  }

  // The kind of logo piece in the 25 x 25 cell at (x, y), told apart by the
  // colour that fills most of it; Empty when the cell is (nearly) unlit.
  int32_t pieceKindIn(int x, int y) {
    struct Candidate {
      int32_t kind;
      Rgb colour;
    } const candidates[] = {{Attractor, AttractorRed},
                            {Repeller, RepellerGreen},
                            {SpinnerCW, SpinnerCWBlue},
                            {SpinnerCCW, SpinnerCCWLilac}};
    int32_t best = Empty;
    int bestCount = 20;
    for (const Candidate& c : candidates) {
      int n = countColour(bmp(), x, y, x + 24, y + 24, c.colour);
      if (n > bestCount) best = c.kind, bestCount = n;
    }
    return best;
  }

  // The logo read back from the pixels: kinds[row][column].
  std::vector<std::vector<int32_t>> readLogo() {
    std::vector<std::vector<int32_t>> kinds(5, std::vector<int32_t>(20));
    for (int i = 0; i < 5; ++i)
      for (int j = 0; j < 20; ++j) kinds[i][j] = pieceKindIn(6 + 25 * j, 6 + 25 * i);
    return kinds;
  }

  // The letters of the logo, left to right: the kind of each run of
  // non-empty columns. Fails the test when a letter mixes kinds or is
  // not five cells high.
  std::vector<int32_t> logoLetters() {
    auto kinds = readLogo();
    std::vector<int32_t> letters;
    bool inLetter = false;
    bool top = false, bottom = false;
    for (int j = 0; j <= 20; ++j) {
      bool used = false;
      for (int i = 0; j < 20 && i < 5; ++i) used = used || kinds[i][j] != Empty;
      if (used && !inLetter) {
        letters.push_back(Empty);
        inLetter = true;
        top = bottom = false;
      }
      if (!used && inLetter) {
        EXPECT_TRUE(top && bottom) << "letter " << letters.size() << " is not five cells high";
        inLetter = false;
      }
      if (!used) continue;
      for (int i = 0; i < 5; ++i) {
        if (kinds[i][j] == Empty) continue;
        if (letters.back() == Empty) letters.back() = kinds[i][j];
        EXPECT_EQ(kinds[i][j], letters.back()) << "row " << i << " column " << j;
      }
      top = top || kinds[0][j] != Empty;
      bottom = bottom || kinds[4][j] != Empty;
    }
    return letters;
  }

  BitmapPtr bmp_;
  uint32_t savedScore_ = 0;
};

// ---------------------------------------------------------------- title

TEST_F(Screens, TitleShowsCreditUntilThereIsAScore) {
  drawTitleScreen(bmp(), 0, false);
  EXPECT_TRUE(showsText(bmp(), 414, 332, "    by    ", Grey));
  EXPECT_TRUE(showsText(bmp(), 410, 340, "QUIB studio", Grey));
  EXPECT_TRUE(showsText(bmp(), 410, 348, "   2026    ", Grey));
  EXPECT_FALSE(showsText(bmp(), centredX("Last score", 448), 332, "Last score", Grey));
}

TEST_F(Screens, TitleShowsLastScoreCentredOn448) {
  lastScore = 1234;
  drawTitleScreen(bmp(), 0, false);
  EXPECT_TRUE(showsText(bmp(), 408, 332, "Last score", Grey));
  // Five characters, x 428 to 467.
  EXPECT_TRUE(showsText(bmp(), 428, 348, "1,234", Grey));
  EXPECT_EQ(countColour(bmp(), 0, 348, 427, 355, Grey), 0);
  EXPECT_EQ(countColour(bmp(), 468, 348, 511, 355, Grey), 0);
  EXPECT_FALSE(showsText(bmp(), 414, 332, "    by    ", Grey));
}

TEST_F(Screens, TitleScoresOfWholeDigitGroupsAreCentredToo) {
  // 3, 7 and 11 characters centred on 448.
  const struct {
    uint32_t score;
    const char* text;
    int x;
  } cases[] = {{123u, "123", 436}, {123456u, "123,456", 420}, {123456789u, "123,456,789", 404}};
  for (const auto& c : cases) {
    lastScore = c.score;
    clearToBlack(bmp());
    drawTitleScreen(bmp(), 0, false);
    EXPECT_TRUE(showsText(bmp(), c.x, 348, c.text, Grey)) << c.score;
    EXPECT_EQ(countColour(bmp(), 0, 348, c.x - 1, 355, Grey), 0) << c.score;
  }
}

TEST_F(Screens, TitleScoreStaysPositiveAcrossTheWholeUnsignedRange) {
  // Ten digits and three separators: 13 characters from x = 396.
  const struct {
    uint32_t score;
    const char* text;
  } cases[] = {{2147483647u, "2,147,483,647"}, {2147483648u, "2,147,483,648"}, {4294967295u, "4,294,967,295"}};
  for (const auto& c : cases) {
    lastScore = c.score;
    clearToBlack(bmp());
    drawTitleScreen(bmp(), 0, false);
    EXPECT_TRUE(showsText(bmp(), 396, 348, c.text, Grey)) << c.score;
    EXPECT_EQ(countColour(bmp(), 0, 348, 395, 355, Grey), 0) << c.score << ": nothing (no sign) before the number";
    EXPECT_EQ(countColour(bmp(), 500, 348, 511, 355, Grey), 0) << c.score;
  }
}

TEST_F(Screens, LogoSpellsFourLettersInTheirGroupKinds) {
  const std::vector<int32_t> plain = {Attractor, SpinnerCW, Repeller, SpinnerCCW};
  const std::vector<int32_t> flipped = {Repeller, SpinnerCCW, Attractor, SpinnerCW};
  for (int frame : {0, 1, 44, 89}) {
    clearToBlack(bmp());
    drawTitleScreen(bmp(), frame, false);
    EXPECT_EQ(logoLetters(), plain) << "frame " << frame;
    clearToBlack(bmp());
    drawTitleScreen(bmp(), frame, true);
    EXPECT_EQ(logoLetters(), flipped) << "frame " << frame << " flipped";
  }
}

TEST_F(Screens, LogoPiecesAreFullSizeAndAnimate) {
  // A group-1 piece at frame 0 is an attractor disc of radius 10 with its
  // ring at radius 9; at frame 4 the ring has moved in to radius 5.
  drawTitleScreen(bmp(), 0, false);
  auto kinds = readLogo();
  int col = -1, row = -1;
  for (int j = 0; j < 20 && col < 0; ++j)
    for (int i = 0; i < 5 && col < 0; ++i)
      if (kinds[i][j] == Attractor) col = j, row = i;
  ASSERT_GE(col, 0);
  const int cx = 6 + 25 * col + 12, cy = 6 + 25 * row + 12;
  EXPECT_EQ(pixelAt(bmp(), cx + 10, cy), AttractorRed);
  EXPECT_EQ(pixelAt(bmp(), cx + 9, cy), Black);
  EXPECT_EQ(pixelAt(bmp(), cx + 5, cy), AttractorRed);
  drawTitleScreen(bmp(), 4, false);
  EXPECT_EQ(pixelAt(bmp(), cx + 9, cy), AttractorRed);
  EXPECT_EQ(pixelAt(bmp(), cx + 5, cy), Black);
}

TEST_F(Screens, TitleRedrawnInPlaceEqualsAFreshPicture) {
  // The menu draws each frame over the last without clearing, so every
  // element has to cover its own earlier picture completely.
  auto fresh = makeOwnedBitmap(ScreenWidth, ScreenHeight);
  const struct {
    int fromFrame;
    bool fromFlip;
    int toFrame;
    bool toFlip;
  } steps[] = {{89, false, 0, true}, {0, true, 1, true}, {17, true, 18, false}, {3, false, 60, false}};
  for (const auto& s : steps) {
    fillBitmap(bmp(), Marker);
    fillBitmap(fresh.get(), Marker);
    text_mode(-1);
    drawTitleScreen(bmp(), s.fromFrame, s.fromFlip);
    drawTitleScreen(bmp(), s.toFrame, s.toFlip);
    text_mode(-1);
    drawTitleScreen(fresh.get(), s.toFrame, s.toFlip);
    EXPECT_TRUE(sameBitmap(bmp(), fresh.get())) << s.fromFrame << " -> " << s.toFrame;
  }
}

TEST_F(Screens, PieceLegendItemsInPlace) {
  drawTitleScreen(bmp(), 0, false);  // legend at (6, 150)
  EXPECT_EQ(pixelAt(bmp(), 122, 162), (Rgb{240, 144, 0})) << "coin of size 1 at cell (110, 150)";
  EXPECT_EQ(pixelAt(bmp(), 122 + 4, 162), (Rgb{240, 144, 0}));
  EXPECT_EQ(pixelAt(bmp(), 122 + 6, 162), Black) << "size 1 only";
  // Exit of size 3 at cell (6, 183): four white rings around (18, 195).
  for (int r : {1, 4, 7, 10}) EXPECT_EQ(pixelAt(bmp(), 18 + r, 195), White) << "ring " << r;
  EXPECT_EQ(pixelAt(bmp(), 18 + 2, 195), Black);
  EXPECT_EQ(pixelAt(bmp(), 66, 228), AttractorRed) << "attractor at cell (54, 216)";
  EXPECT_EQ(pixelAt(bmp(), 116, 228), (Rgb{255, 64, 0})) << "hazard inner disc at cell (104, 216)";
  EXPECT_EQ(pixelAt(bmp(), 116 + 8, 228), (Rgb{255, 192, 0})) << "hazard outer disc";
  // Deadly strips framing the cell at (79, 216), two pixels thick.
  for (int x : {79, 80, 102, 103}) EXPECT_EQ(pixelAt(bmp(), x, 228), DeadlyFrame0) << x;
  for (int y : {216, 217, 239, 240}) EXPECT_EQ(pixelAt(bmp(), 91, y), DeadlyFrame0) << y;
  EXPECT_EQ(countOther(bmp(), 81, 218, 101, 238, Black), 0) << "inside of the framed cell";
  EXPECT_EQ(pixelAt(bmp(), 78, 228), Black);
  EXPECT_EQ(pixelAt(bmp(), 104, 216), Black);
  EXPECT_TRUE(showsText(bmp(), 6, 159, "COLLECT COINS", White));
  EXPECT_TRUE(showsText(bmp(), 31, 192, " EXIT LEVEL", White));
  EXPECT_TRUE(showsText(bmp(), 6, 225, "AVOID", White));

  drawTitleScreen(bmp(), 1, false);
  EXPECT_EQ(pixelAt(bmp(), 79, 228), (Rgb{255, 128, 0})) << "the strips animate with the title frame";
}

TEST_F(Screens, ForceLegendItemsInPlace) {
  drawTitleScreen(bmp(), 0, false);  // legend at (395, 150)
  EXPECT_EQ(pixelAt(bmp(), 407, 162), AttractorRed) << "attractor at cell (395, 150)";
  EXPECT_EQ(pixelAt(bmp(), 412, 199), RepellerGreen) << "repeller at cell (395, 187)";
  EXPECT_EQ(pixelAt(bmp(), 407 + 10, 199), RepellerGreen) << "size 3";
  EXPECT_EQ(pixelAt(bmp(), 407, 236), SpinnerCCWLilac) << "anticlockwise spinner at cell (395, 224)";
  EXPECT_EQ(pixelAt(bmp(), 448, 236), SpinnerCWBlue) << "clockwise spinner at cell (436, 224)";
  EXPECT_TRUE(showsText(bmp(), 420, 159, " ATTRACTS", White));
  EXPECT_TRUE(showsText(bmp(), 420, 196, " REPELS", White));
  EXPECT_TRUE(showsText(bmp(), 424, 233, "&", White));
  EXPECT_TRUE(showsText(bmp(), 461, 233, " SPIN", White));
}

TEST_F(Screens, KeyHelpTextsWithOpaqueMargins) {
  fillBitmap(bmp(), Marker);
  text_mode(-1);  // the title screen sets the opaque background itself
  drawTitleScreen(bmp(), 0, false);
  EXPECT_TRUE(showsText(bmp(), 6, 300, " SPACE", White));
  EXPECT_TRUE(showsText(bmp(), 6, 312, " ENTER", White));
  EXPECT_TRUE(showsText(bmp(), 54, 306, " FLIP", White));
  EXPECT_TRUE(showsText(bmp(), 10, 336, " WASD ", White));
  EXPECT_TRUE(showsText(bmp(), 10, 348, "ARROWS", White));
  EXPECT_TRUE(showsText(bmp(), 62, 342, "NUDGE", White));
  // Leading and trailing blanks paint black cells.
  EXPECT_EQ(countOther(bmp(), 6, 300, 13, 307, Black), 0);
  EXPECT_EQ(countOther(bmp(), 54, 306, 61, 313, Black), 0);
  EXPECT_EQ(countOther(bmp(), 10, 336, 17, 343, Black), 0);
  EXPECT_EQ(countOther(bmp(), 50, 336, 57, 343, Black), 0);
  // Outside the texts the marker stays.
  EXPECT_EQ(pixelAt(bmp(), 5, 300), Marker);
  EXPECT_EQ(pixelAt(bmp(), 58, 336), Marker);
}

TEST_F(Screens, TitleLeavesWheelAndDescriptionBandAlone) {
  for (uint32_t score : {0u, 1234u, 4294967295u})
    for (bool flipped : {false, true})
      for (int frame : {0, 45, 89}) {
        lastScore = score;
        fillBitmap(bmp(), Marker);
        drawTitleScreen(bmp(), frame, flipped);
        EXPECT_EQ(countOther(bmp(), 156, 192, 356, 317, Marker), 0)
            << "wheel: score " << score << " flip " << flipped << " frame " << frame;
        // The description band and everything below it: the credit or
        // score block ends above y = 360.
        EXPECT_EQ(countOther(bmp(), 0, 360, 511, 383, Marker), 0)
            << "band: score " << score << " flip " << flipped << " frame " << frame;
      }
}

// ---------------------------------------------------------------- result

TEST_F(Screens, ClearToBlackCoversTheWholeScreen) {
  fillBitmap(bmp(), Marker);
  clearToBlack(bmp());
  EXPECT_EQ(countOther(bmp(), 0, 0, 511, 383, Black), 0);
}

TEST_F(Screens, ResultHeadingsAndColours) {
  fillBitmap(bmp(), Marker);
  drawResultScreen(bmp(), 5, 0, GameOverScreen);
  EXPECT_EQ(countColour(bmp(), 0, 0, 511, 383, Marker), 0) << "the screen is cleared first";
  EXPECT_TRUE(showsText(bmp(), centredX("GAME OVER", 256), 128, "GAME OVER", (Rgb{255, 192, 192})));
  EXPECT_TRUE(showsText(bmp(), centredX("FINAL SCORE", 256), 184, "FINAL SCORE", (Rgb{192, 255, 192})));

  drawResultScreen(bmp(), 5, 0, GameCompleteScreen);
  EXPECT_TRUE(showsText(bmp(), centredX("GAME COMPLETE", 256), 128, "GAME COMPLETE", (Rgb{255, 255, 192})));
  EXPECT_TRUE(showsText(bmp(), centredX("FINAL SCORE", 256), 184, "FINAL SCORE", (Rgb{192, 192, 255})));
}

TEST_F(Screens, GameOverForZeroIsOneDigitOfTwelveRepellers) {
  drawResultScreen(bmp(), 0, 0, GameOverScreen);
  EXPECT_EQ(digitPattern(224, 192), "####.##.##.####");
  // Nothing else below the headings: no other digit, no separator.
  EXPECT_EQ(countOther(bmp(), 0, 192, 223, 383, Black), 0);
  EXPECT_EQ(countOther(bmp(), 224 + 64, 192, 511, 383, Black), 0);
  // Twelve repeller discs of radius 7 (frame 0: ring of radius 0, the centre).
  int discs = 0;
  for (int r = 0; r < 5; ++r)
    for (int q = 0; q < 3; ++q) {
      const int cx = 224 + 16 * q + 12, cy = 192 + 16 * r + 12;
      if (pixelAt(bmp(), cx + 7, cy) == RepellerGreen && pixelAt(bmp(), cx + 8, cy) == Black) ++discs;
    }
  EXPECT_EQ(discs, 12);
}

TEST_F(Screens, SevenDigitsWithTwoSeparators) {
  drawResultScreen(bmp(), 1234567, 0, GameOverScreen);
  const char* const expected[] = {".#..#..#..#..#.", "###..#####..###", "###..#.##..####", "#.##.####..#..#",
                                  "####..###..####", "##.#..####.####", "###..#.#..#..#."};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(digitPattern(32 + 64 * i, 192), expected[i]) << "digit " << i;
  EXPECT_EQ(countOther(bmp(), 0, 192, 31, 383, Black), 0) << "the digits start at x = 32";
  // Separators of size-1 repellers at x = 74 and x = 266, y = 260: dots at
  // (x + 6, y), (x + 6, y + 12), (x, y + 24), centred 12 pixels in.
  for (int x : {74, 266}) {
    EXPECT_TRUE(pieceAt(x + 18, 272, 2)) << x;
    EXPECT_TRUE(pieceAt(x + 18, 284, 2)) << x;
    EXPECT_TRUE(pieceAt(x + 12, 296, 2)) << x;
    EXPECT_EQ(pixelAt(bmp(), x + 18 + 4, 272), RepellerGreen) << "radius 4";
    EXPECT_EQ(pixelAt(bmp(), x + 18 + 5, 272), Black) << "radius 4";
  }
  for (int i = 0; i < 7; ++i) EXPECT_EQ(separatorAfterSlot(32 + 64 * i), i == 0 || i == 3) << "slot " << i;
}

TEST_F(Screens, ThousandHasOneSeparatorAfterTheFirstDigit) {
  drawResultScreen(bmp(), 1000, 0, GameOverScreen);
  EXPECT_EQ(digitPattern(128, 192), ".#..#..#..#..#.");
  for (int i = 1; i < 4; ++i) EXPECT_EQ(digitPattern(128 + 64 * i, 192), "####.##.##.####");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(separatorAfterSlot(128 + 64 * i), i == 0) << "slot " << i;
}

TEST_F(Screens, HugeScoreKeepsItsDigitsAndIsClipped) {
  // 4,294,967,295: ten slots from x = -64, so the first and the last digit
  // fall off the screen; the eight in between must be the right digits.
  drawResultScreen(bmp(), 4294967295u, 0, GameOverScreen);
  const char* const expected[] = {"###..#####..###", "####.####..#..#", "#.##.####..#..#", "####.####..#..#",
                                  "##.#..####.####", "###..#.#..#..#.", "###..#####..###", "####.####..#..#"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(digitPattern(64 * i, 192), expected[i]) << "slot " << i + 1;
  // Separators after the 4 (slot 0, off screen), the 4 (slot 3) and the 7 (slot 6).
  for (int i = 0; i < 8; ++i) EXPECT_EQ(separatorAfterSlot(64 * i), i == 2 || i == 5) << "slot " << i + 1;
}

TEST_F(Screens, GameCompleteBuildsDigitsFromAnticlockwiseSpinners) {
  drawResultScreen(bmp(), 1000, 7, GameCompleteScreen);
  EXPECT_EQ(digitPattern(128, 192), ".#..#..#..#..#.");
  EXPECT_TRUE(separatorAfterSlot(128));
  EXPECT_GT(countColour(bmp(), 0, 192, 511, 383, SpinnerCCWLilac), 0);
  EXPECT_EQ(countColour(bmp(), 0, 192, 511, 383, RepellerGreen), 0);
  // A size-1 spinner separator: outline of radius 4.
  EXPECT_EQ(pixelAt(bmp(), 128 + 42 + 18 + 4, 272), SpinnerCCWLilac);
  EXPECT_EQ(pixelAt(bmp(), 128 + 42 + 18 + 5, 272), Black);
}

TEST_F(Screens, BigDigitFontAndCommaGlyph) {
  const char* const font[10] = {"####.##.##.####", ".#..#..#..#..#.", "###..#####..###", "###..#.##..####",
                                "#.##.####..#..#", "####..###..####", "##.#..####.####", "###..#.#..#..#.",
                                "####.#####.####", "####.####..#..#"};
  for (int d = 0; d < 10; ++d) {
    clearToBlack(bmp());
    drawBigDigit(bmp(), d, Repeller, 2, 100, 100, 16, 0);
    EXPECT_EQ(digitPattern(100, 100), font[d]) << "digit " << d;
  }
  // Values without a glyph draw nothing.
  for (int bad : {-1, 10, INT_MIN, INT_MAX}) {
    clearToBlack(bmp());
    drawBigDigit(bmp(), bad, Repeller, 2, 100, 100, 16, 0);
    EXPECT_EQ(countOther(bmp(), 0, 0, 511, 383, Black), 0) << bad;
  }
  // The comma: three dots at (x + 6, y), (x + 6, y + 12), (x, y + 24).
  clearToBlack(bmp());
  drawBigComma(bmp(), Attractor, 1, 100, 100, 12, 0);
  EXPECT_EQ(countColour(bmp(), 0, 0, 511, 383, AttractorRed), 3 * countColour(bmp(), 114, 108, 122, 116, AttractorRed));
  EXPECT_EQ(pixelAt(bmp(), 118, 112), AttractorRed);
  EXPECT_EQ(pixelAt(bmp(), 118, 124), AttractorRed);
  EXPECT_EQ(pixelAt(bmp(), 112, 136), AttractorRed);
  EXPECT_EQ(pixelAt(bmp(), 112, 112), Black);
  EXPECT_EQ(pixelAt(bmp(), 118, 136), Black);
}

}  // namespace
