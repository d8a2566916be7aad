// The campaign writer's exact bytes and the round trip through the reader.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "data/campaign_io.h"

namespace {

std::unique_ptr<Campaign> blankCampaign() { return std::make_unique<Campaign>(); }

void setText(char* field, std::size_t capacity, const char* text) {
  std::size_t n = 0;
  for (; n + 1 < capacity && text[n] != '\0'; ++n) field[n] = text[n];
  field[n] = '\0';
}

// An empty level with the reader's default walls.
Level emptyLevel(int width, int height) {
  Level level;
  resetLevelForReading(level);
  level.width = width;
  level.height = height;
  level.limit = 10;
  return level;
}

std::string written(const Level& level) {
  std::ostringstream out;
  writeLevel(out, level);
  return out.str();
}

std::string written(const Campaign& campaign) {
  std::ostringstream out;
  writeCampaign(out, campaign);
  return out.str();
}

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A one-level campaign in the writer's canonical form.
const std::string TwoRoomsText = fileText(QUIB_TESTDATA_DIR "/two_rooms.qbf");

}  // namespace

// ------------------------------------------------------------ exact bytes

TEST(WriterBytes, TwoRoomsBuiltInMemory) {
  auto c = blankCampaign();
  setText(c->name, sizeof c->name, "Two Rooms");
  setText(c->desc, sizeof c->desc, "A small example campaign.");
  c->levels = 1;
  c->lives = 3;
  c->levelCount = 1;
  Level& l = c->level[0];
  l = emptyLevel(4, 3);
  l.limit = 45;
  l.bonus = 20;
  l.cell[0][0] = Cell{Start, 1};
  l.cell[2][0] = Cell{Attractor, 2};
  l.cell[1][1] = Cell{Coin, 0};
  l.cell[3][1] = Cell{Coin, 3};
  l.cell[0][2] = Cell{Hazard, 1};
  l.cell[3][2] = Cell{Exit, 2};
  EXPECT_EQ(written(*c), TwoRoomsText);
}

TEST(WriterBytes, CampaignWithoutLevelsEndsAfterLives) {
  auto c = blankCampaign();
  setText(c->name, sizeof c->name, "Empty");
  setText(c->desc, sizeof c->desc, "Nothing here");
  c->levels = 0;
  c->lives = -12;
  EXPECT_EQ(written(*c), "name Empty\ndesc Nothing here\nlevels 0\nlives -12\n");
}

TEST(WriterBytes, EmptyNameAndDescAreWrittenBare) {
  auto c = blankCampaign();
  EXPECT_EQ(written(*c), "name \ndesc \nlevels 0\nlives 0\n");
}

TEST(WriterBytes, NumbersArePlainDecimal) {
  Level l = emptyLevel(-5, 0);
  l.limit = INT32_MIN;
  l.bonus = INT32_MAX;
  EXPECT_EQ(written(l),
            "width -5\nheight 0\nlimit -2147483648\nbonus 2147483647\n"
            "wall N B\nwall E W\nwall S D\nwall W W\ndone level\n");
}

TEST(WriterBytes, SizeIsUnsigned) {
  Level l = emptyLevel(1, 1);
  l.cell[0][0] = Cell{Coin, 4294967295u};
  EXPECT_NE(written(l).find("at 0 0 $ 4294967295\n"), std::string::npos);
}

TEST(WriterBytes, EveryKindHasItsLetterInRowOrder) {
  Level l = emptyLevel(3, 3);
  l.cell[2][0] = Cell{Attractor, 0};
  l.cell[0][1] = Cell{Repeller, 1};
  l.cell[1][1] = Cell{SpinnerCW, 2};
  l.cell[2][1] = Cell{SpinnerCCW, 3};
  l.cell[0][2] = Cell{Coin, 0};
  l.cell[1][0] = Cell{Start, 1};
  l.cell[1][2] = Cell{Exit, 2};
  l.cell[2][2] = Cell{Hazard, 3};
  l.cell[0][0] = Cell{Empty, 3};  // Empty is never written
  EXPECT_EQ(written(l),
            "width 3\nheight 3\nlimit 10\nbonus 0\n"
            "wall N B\nwall E W\nwall S D\nwall W W\n"
            "at 1 0 . 1\nat 2 0 + 0\n"
            "at 0 1 - 1\nat 1 1 > 2\nat 2 1 < 3\n"
            "at 0 2 $ 0\nat 1 2 * 2\nat 2 2 ! 3\n"
            "done level\n");
}

TEST(WriterBytes, CellsOutsideTheUsedAreaAreNotWritten) {
  Level l = emptyLevel(2, 1);
  l.cell[0][0] = Cell{Start, 0};
  l.cell[2][0] = Cell{Exit, 0};   // column 2 is outside width 2
  l.cell[0][1] = Cell{Hazard, 0};  // row 1 is outside height 1
  const std::string text = written(l);
  EXPECT_NE(text.find("at 0 0 . 0\n"), std::string::npos);
  EXPECT_EQ(text.find("at 2 0"), std::string::npos);
  EXPECT_EQ(text.find("at 0 1"), std::string::npos);
}

TEST(WriterBytes, OversizedLevelIsWrittenWithItsSizeButOnlyTheStoredGrid) {
  Level l = emptyLevel(30, 50);
  for (int x = 0; x < MaxWidth; ++x)
    for (int y = 0; y < MaxHeight; ++y) l.cell[x][y] = Cell{Coin, 1};
  const std::string text = written(l);
  EXPECT_EQ(text.rfind("width 30\nheight 50\n", 0), 0u);
  std::size_t lines = 0;
  for (std::size_t p = text.find("at "); p != std::string::npos; p = text.find("at ", p + 1)) ++lines;
  EXPECT_EQ(lines, std::size_t(MaxWidth * MaxHeight));
  EXPECT_NE(text.find("at 17 11 $ 1\n"), std::string::npos);
  EXPECT_EQ(text.find("at 18 "), std::string::npos);
  EXPECT_EQ(text.find(" 12 $"), std::string::npos);

  Level negative = emptyLevel(-3, -3);
  negative.cell[0][0] = Cell{Start, 0};
  EXPECT_EQ(written(negative).find("at "), std::string::npos);
}

TEST(WriterBytes, UnknownWallValuesAreWrittenDeadly) {
  Level l = emptyLevel(1, 1);
  l.wall[North] = static_cast<WallKind>(7);
  l.wall[East] = static_cast<WallKind>(-1);
  l.wall[South] = Bounce;
  l.wall[West] = static_cast<WallKind>(3);
  const std::string text = written(l);
  EXPECT_NE(text.find("wall N D\nwall E D\nwall S B\nwall W D\n"), std::string::npos);
  // ... which is also what the reader makes of them.
  std::istringstream in(text.substr(0, text.find("done level")) + "done level\n");
  Level back;
  ASSERT_EQ(readLevel(in, back), 0);
  EXPECT_EQ(back.wall[North], Deadly);
  EXPECT_EQ(back.wall[East], Deadly);
  EXPECT_EQ(back.wall[West], Deadly);
}

TEST(WriterBytes, UnknownKindsAreInertAndNotWritten) {
  Level l = emptyLevel(2, 1);
  l.cell[0][0] = Cell{static_cast<CellKind>(9), 1};
  l.cell[1][0] = Cell{static_cast<CellKind>(-4), 2};
  EXPECT_EQ(written(l).find("at "), std::string::npos);
}

TEST(WriterBytes, UnterminatedNameIsNotOverrun) {
  auto c = blankCampaign();
  std::memset(c->name, 'n', sizeof c->name);
  std::memset(c->desc, 'd', sizeof c->desc);
  std::memset(c->path, 'p', sizeof c->path);
  const std::string text = written(*c);
  EXPECT_EQ(text.substr(0, 5 + 21 + 1), "name " + std::string(21, 'n') + "\n");
  EXPECT_NE(text.find("desc " + std::string(81, 'd') + "\nlevels"), std::string::npos);
}

TEST(WriterBytes, LevelCountOutsideItsRangeIsClamped) {
  auto c = blankCampaign();
  for (int i = 0; i < MaxLevels; ++i) c->level[i] = emptyLevel(1, 1);
  c->levelCount = 1000;
  const std::string text = written(*c);
  std::size_t blocks = 0;
  for (std::size_t p = text.find("start level"); p != std::string::npos; p = text.find("start level", p + 1))
    ++blocks;
  EXPECT_EQ(blocks, std::size_t(MaxLevels));
  c->levelCount = -1;
  EXPECT_EQ(written(*c), "name \ndesc \nlevels 0\nlives 0\n");
}

// ------------------------------------------------------------- round trips

TEST(RoundTrip, TwoRoomsFileReadsAndWritesBackByteIdentical) {
  const std::string& original = TwoRoomsText;
  ASSERT_NE(original.find("done level\n"), std::string::npos) << "two_rooms.qbf not read";
  auto c = blankCampaign();
  std::istringstream in(original);
  ASSERT_EQ(readCampaign(in, *c), 0);
  EXPECT_STREQ(c->name, "Two Rooms");
  EXPECT_STREQ(c->desc, "A small example campaign.");
  EXPECT_EQ(c->levels, 1);
  EXPECT_EQ(c->lives, 3);
  ASSERT_EQ(c->levelCount, 1);
  const Level& l = c->level[0];
  EXPECT_EQ(l.width, 4);
  EXPECT_EQ(l.height, 3);
  EXPECT_EQ(l.limit, 45);
  EXPECT_EQ(l.bonus, 20);
  EXPECT_EQ(l.cell[0][0].kind, Start);
  EXPECT_EQ(l.cell[3][2].kind, Exit);
  EXPECT_EQ(l.cell[3][1].size, 3u);
  EXPECT_EQ(validateLevel(l), 0);
  EXPECT_EQ(campaignUnplayable(*c), 0);
  EXPECT_EQ(written(*c), original);
}

// A campaign whose every field is different, including the cells outside
// each level's used area, written and read back.
TEST(RoundTrip, EveryFieldComesBack) {
  auto c = blankCampaign();
  setText(c->name, sizeof c->name, "Twenty characters!!!");
  setText(c->desc, sizeof c->desc, "A description, trailing spaces kept   ");
  c->levels = 7;
  c->lives = -3;
  c->levelCount = 40;
  uint32_t seed = 12345;
  auto next = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return seed >> 8;
  };
  for (int i = 0; i < c->levelCount; ++i) {
    Level& l = c->level[i];
    l.width = static_cast<int32_t>(next() % 22) - 2;
    l.height = static_cast<int32_t>(next() % 16) - 2;
    l.limit = static_cast<int32_t>(next()) - 1000;
    l.bonus = -static_cast<int32_t>(next() % 50);
    for (int s = 0; s < 4; ++s) l.wall[s] = static_cast<WallKind>(next() % 3);
    for (int x = 0; x < MaxWidth; ++x)
      for (int y = 0; y < MaxHeight; ++y)
        l.cell[x][y] = Cell{static_cast<CellKind>(next() % 9), next() % 6};
  }
  const std::string text = written(*c);
  auto back = blankCampaign();
  std::memset(static_cast<void*>(back.get()), 0x77, sizeof(Campaign));
  std::istringstream in(text);
  ASSERT_EQ(readCampaign(in, *back), 0);
  EXPECT_STREQ(back->name, c->name);
  EXPECT_STREQ(back->desc, c->desc);
  EXPECT_EQ(back->levels, 7);
  EXPECT_EQ(back->lives, -3);
  ASSERT_EQ(back->levelCount, 40);
  for (int i = 0; i < c->levelCount; ++i) {
    const Level& a = c->level[i];
    const Level& b = back->level[i];
    SCOPED_TRACE("slot " + std::to_string(i));
    EXPECT_EQ(b.width, a.width);
    EXPECT_EQ(b.height, a.height);
    EXPECT_EQ(b.limit, a.limit);
    EXPECT_EQ(b.bonus, a.bonus);
    for (int s = 0; s < 4; ++s) EXPECT_EQ(b.wall[s], a.wall[s]);
    for (int x = 0; x < MaxWidth; ++x)
      for (int y = 0; y < MaxHeight; ++y) {
        const bool inside = x < usedColumns(a) && y < usedRows(a) && a.cell[x][y].kind != Empty;
        EXPECT_EQ(b.cell[x][y].kind, inside ? a.cell[x][y].kind : Empty);
        EXPECT_EQ(b.cell[x][y].size, inside ? a.cell[x][y].size : 0u);
      }
  }
  EXPECT_EQ(written(*back), text);
}

TEST(RoundTrip, NameWithLeadingSpacesLosesThem) {
  auto c = blankCampaign();
  setText(c->name, sizeof c->name, "   Spaced");
  setText(c->desc, sizeof c->desc, "\tTabbed");
  std::istringstream in(written(*c));
  auto back = blankCampaign();
  ASSERT_EQ(readCampaign(in, *back), 0);
  EXPECT_STREQ(back->name, "Spaced");
  EXPECT_STREQ(back->desc, "Tabbed");
}

TEST(RoundTrip, EmptyNameOrDescDoesNotReadBack) {
  auto c = blankCampaign();
  setText(c->desc, sizeof c->desc, "Has a description");
  auto back = blankCampaign();
  std::istringstream noName(written(*c));
  EXPECT_EQ(readCampaign(noName, *back), 1);

  setText(c->name, sizeof c->name, "Has a name");
  c->desc[0] = '\0';
  std::istringstream noDesc(written(*c));
  EXPECT_EQ(readCampaign(noDesc, *back), 1);
}
