// Practice, the records screen and the key cards, drawn headless.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "data/campaign_io.h"
#include "game/g_cards.h"
#include "platform/i_system.h"
#include "shell/i_catalogue.h"
#include "shell/i_practice.h"
#include "shell/i_record_screen.h"
#include "test_bitmap.h"

using namespace testbmp;
namespace fs = std::filesystem;

namespace {

const Rgb Grey{192, 192, 192};
const Rgb Yellow{255, 255, 0};

Level corridor(int32_t limit) {
  Level level;
  makeNewLevel(level);
  level.width = 3;
  level.height = 1;
  level.cell[0][0] = Cell{Start, 1};
  level.cell[2][0] = Cell{Exit, 1};
  level.limit = limit;
  return level;
}

// Six slots: 1 and 4 unplayable (no exit), the rest playable.
Campaign& sixSlots() {
  static Campaign c;
  std::memset(&c, 0, sizeof c);
  std::strcpy(c.name, "SIX");
  c.levelCount = 6;
  c.levels = 4;
  for (int i = 0; i < 6; ++i) c.level[i] = corridor(20 + i);
  c.level[0].cell[2][0] = Cell{Empty, 0};
  c.level[3].cell[2][0] = Cell{Empty, 0};
  return c;
}

class ShellScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    initHeadlessAllegro();
    bmp_ = makeOwnedBitmap(ScreenWidth, ScreenHeight);
  }
  BitmapPtr bmp_;
};

}  // namespace

TEST(Practice, OnlyReachedPlayableLevelsCanBeChosen) {
  const Campaign& c = sixSlots();
  CampaignRecord record;
  std::memset(&record, 0, sizeof record);
  // Never played: the first playable level, and no other.
  EXPECT_EQ(practiceLimit(c, record), 2);
  EXPECT_EQ(practiceStep(c, 2, +1, 2), 2);
  EXPECT_EQ(practiceStep(c, 2, -1, 2), 2) << "slot 1 cannot be played";
  record.furthest = 5;
  EXPECT_EQ(practiceLimit(c, record), 5);
  EXPECT_EQ(practiceStep(c, 2, +1, 5), 3);
  EXPECT_EQ(practiceStep(c, 3, +1, 5), 5) << "the unplayable slot 4 is passed over";
  EXPECT_EQ(practiceStep(c, 5, +1, 5), 5) << "slot 6 was never reached";
  EXPECT_EQ(practiceStep(c, 5, -1, 5), 3);
  EXPECT_EQ(practiceStep(c, 3, 0, 5), 3);
  // A record from a longer campaign of the same name cannot reach past the slots.
  record.furthest = 100;
  EXPECT_EQ(practiceLimit(c, record), 6);
  Campaign& none = sixSlots();
  none.levelCount = 1;
  EXPECT_EQ(practiceLimit(none, record), 0) << "no playable level";
}

TEST_F(ShellScreens, PracticeScreenShowsTheLevelItsBestAndTheHint) {
  const Campaign& c = sixSlots();
  PracticeView view{&c, 3, 5, 12345, false, "", "NO ROUTE IS STORED FOR THIS LEVEL.", 0};
  drawPracticeScreen(bmp_.get(), view);
  BITMAP* b = bmp_.get();
  EXPECT_TRUE(showsText(b, 32, 336, "< LEVEL 3 OF 5 >", White));
  EXPECT_TRUE(showsText(b, 416, 336, "12,345", Grey));
  const char* msg = "NO ROUTE IS STORED FOR THIS LEVEL.";
  EXPECT_TRUE(showsText(b, 256 - 4 * static_cast<int>(std::strlen(msg)), 368, msg, Yellow));
  // The board of level 3 at the play position: its exit ring in white.
  const int x0 = (512 - 75) / 2, y0 = (325 - 25) / 2;
  EXPECT_GT(countColour(b, x0 + 50, y0, x0 + 74, y0 + 24, White), 0);
  EXPECT_EQ(countColour(b, 36, 124, 475, 124, Yellow), 0) << "no hint box unless asked";

  view.level = 2;
  view.best = 0;
  view.hint = true;
  view.idea = "Wait for the spinner, then NUDGE up and ride the current round the hazards to the exit.";
  view.message = "";
  drawPracticeScreen(b, view);
  EXPECT_TRUE(showsText(b, 32, 336, "  LEVEL 2 OF 5 >", White)) << "nothing to the left of the first";
  EXPECT_TRUE(showsText(b, 416, 336, "-", Grey));
  EXPECT_TRUE(showsText(b, 48, 132, "Wait for the spinner, then NUDGE up and ride the", White));
  EXPECT_TRUE(showsText(b, 48, 142, "current round the hazards to the exit.", White));
  EXPECT_GT(countColour(b, 36, 124, 475, 124, Yellow), 400) << "the hint's frame";
}

TEST_F(ShellScreens, RecordsScreenMatchesCampaignsByTheirLevelsAsTheyAreNow) {
  std::string name = (fs::temp_directory_path() / "quib-rows-XXXXXX").string();
  ASSERT_NE(mkdtemp(&name[0]), nullptr);
  const fs::path dir = name;
  Campaign& c = sixSlots();
  std::strcpy(c.desc, "six");
  { std::ofstream out(dir / "quib_six.qbf"); writeCampaign(out, c); }
  { std::ofstream out(dir / "quib_bad.qbf"); out << "name BAD\ndesc broken\nlevels 1\nlives 1\nstart level\n"; }
  static CampaignCatalogue catalogue;
  clearCatalogue(catalogue);
  ASSERT_GE(addCampaignFile(catalogue, (dir / "quib_six.qbf").c_str(), 0), 0);
  ASSERT_GE(addCampaignFile(catalogue, (dir / "quib_bad.qbf").c_str(), 0), 0);

  static Records records;
  clearRecords(records);
  char fp[FingerprintLength + 1];
  campaignFingerprint(c, fp);
  CampaignRecord& r = records.campaign[recordFor(records, "SIX", fp)];
  noteLevelReached(r, 5);
  noteRunEnd(r, 1234567, 3, false);
  noteRunEnd(r, 10, 4, true);
  records.campaign[recordFor(records, "SIX", "0000000000000000")].bestScore = 999;  // an older SIX

  static RecordRow rows[CatalogueSlots];
  ASSERT_EQ(gatherRecordRows(catalogue, records, rows), 2);
  EXPECT_STREQ(rows[0].name, "SIX");
  ASSERT_TRUE(rows[0].known);
  EXPECT_EQ(rows[0].record.bestScore, 1234567u);
  EXPECT_EQ(rows[0].levels, 4);
  EXPECT_FALSE(rows[1].known) << "an unreadable campaign has no record";

  drawRecordsScreen(bmp_.get(), rows, 2, 0, 0);
  BITMAP* b = bmp_.get();
  EXPECT_TRUE(showsText(b, 256 - 28, 18, "RECORDS", Yellow));
  EXPECT_TRUE(showsText(b, 32, 72, "SIX", White));
  EXPECT_TRUE(showsText(b, 296 - 9 * 8, 72, "1,234,567", Grey));
  EXPECT_TRUE(showsText(b, 312, 72, "4/4", Grey));
  EXPECT_TRUE(showsText(b, 376, 72, "5", Grey));
  EXPECT_TRUE(showsText(b, 432, 72, "2/1", Grey));
  EXPECT_TRUE(showsText(b, 32, 88, "BAD", White));
  EXPECT_TRUE(showsText(b, 312 - 56, 88, "not played yet", Grey));
  EXPECT_GT(countColour(b, 6, 64, 30, 88, White), 0) << "an exit piece for a campaign won";

  // The same campaign edited: its numbers are no longer shown.
  c.level[1].limit = 99;
  { std::ofstream out(dir / "quib_six.qbf"); writeCampaign(out, c); }
  gatherRecordRows(catalogue, records, rows);
  EXPECT_FALSE(rows[0].known);
  fs::remove_all(dir);
}

TEST_F(ShellScreens, EveryKeyCardFitsItsFrame) {
  for (int k = 0; k < KeyCardCount; ++k) {
    const KeyCard card = static_cast<KeyCard>(k);
    int count = 0;
    const KeyLine* lines = keyCardLines(card, count);
    ASSERT_GT(count, 0);
    // Lines start 46 pixels below the top, 14 apart, and stay clear of the
    // closing line 20 pixels above the bottom.
    EXPECT_LT(CardTop + 46 + 14 * (count - 1) + 8, CardBottom - 20) << keyCardTitle(card);
    for (int i = 0; i < count; ++i) {
      EXPECT_LE(static_cast<int>(std::strlen(lines[i].keys)), 16) << lines[i].keys;
      EXPECT_LE(CardLeft + 24 + 17 * 8 + 8 * static_cast<int>(std::strlen(lines[i].does)), CardRight - 8)
          << lines[i].does;
    }
    fillBitmap(bmp_.get(), Rgb{1, 2, 3});
    drawKeyCard(bmp_.get(), card);
    EXPECT_EQ(countColour(bmp_.get(), 0, 0, ScreenWidth - 1, ScreenHeight - 1, Rgb{1, 2, 3}),
              ScreenWidth * ScreenHeight - (CardRight - CardLeft + 1) * (CardBottom - CardTop + 1))
        << "the card covers its frame and nothing else";
    EXPECT_TRUE(showsText(bmp_.get(), CardLeft + 24, CardTop + 46, lines[0].keys, White));
  }
  // The editor's card names every key the editor has.
  int count = 0;
  const KeyLine* lines = keyCardLines(EditorCard, count);
  std::string all;
  for (int i = 0; i < count; ++i) all += std::string(lines[i].keys) + " ";
  for (const char* key : {"ARROWS", "Z X C", "N M", ", .", "B", "V", "0 1 2 3", "SPACE", "W A S D", "KEYPAD 8 2",
                          "KEYPAD 4 6", "= -", "KEYPAD + -", "INSERT DEL", "PGUP PGDN", "F12 F11", "T", "F2", "ESC", "F1"})
    EXPECT_NE(all.find(std::string(key) + " "), std::string::npos) << key;
}
