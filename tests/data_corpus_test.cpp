// Hostile input: the checked-in corpus replayed through the reader, huge
// generated files, and the shipped campaigns.
//
// Corpus files named "ok_*" must read with 0, "bad_*" with 1; any other name
// only has to be read without harm.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "data/campaign_io.h"

namespace fs = std::filesystem;

namespace {

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<fs::path> filesIn(const char* dir) {
  std::vector<fs::path> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(dir, error))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Name and description that the writer can reproduce: the reader never
// keeps leading blanks, but a value may begin with a NUL byte or end with a
// lone CR, and neither survives a write.
bool writable(const char* text) {
  const std::size_t n = std::strlen(text);
  return n > 0 && text[n - 1] != '\r';
}

std::string written(const Campaign& campaign) {
  std::ostringstream out;
  writeCampaign(out, campaign);
  return out.str();
}

double secondsToRead(const std::string& text, Campaign& campaign, int& status) {
  const auto start = std::chrono::steady_clock::now();
  std::istringstream in(text);
  status = readCampaign(in, campaign);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

const std::string Header = "name Big\ndesc Generated\nlevels 1\nlives 3\n";
const std::string Playable = "width 3\nheight 1\nlimit 9\nat 0 0 . 1\nat 2 0 * 1\n";
constexpr int Million = 1000000;
constexpr double TimeBudget = 5.0;  // seconds; linear reading takes a fraction

}  // namespace

TEST(Corpus, EveryFileReadsWithTheExpectedResult) {
  const auto files = filesIn(QUIB_CORPUS_DIR);
  ASSERT_GE(files.size(), 30u) << "corpus missing at " << QUIB_CORPUS_DIR;
  auto campaign = std::make_unique<Campaign>();
  auto again = std::make_unique<Campaign>();
  for (const auto& path : files) {
    const std::string name = path.filename().string();
    SCOPED_TRACE(name);
    const std::string text = fileText(path);

    CampaignHeader header;
    std::istringstream headerIn(text);
    const int headerStatus = readCampaignHeader(headerIn, header);

    std::istringstream in(text);
    const int status = readCampaign(in, *campaign);
    if (name.rfind("ok_", 0) == 0) {
      EXPECT_EQ(status, 0);
    } else if (name.rfind("bad_", 0) == 0) {
      EXPECT_EQ(status, 1);
    }
    if (status == 0) {
      EXPECT_EQ(headerStatus, 0);
      EXPECT_GE(campaign->levels, 0);
      EXPECT_LE(campaign->levels, MaxLevels);
      EXPECT_GE(campaign->levelCount, 0);
      EXPECT_LE(campaign->levelCount, MaxLevels);
      // What was read is written in canonical form, which reads back to the
      // same bytes.
      if (writable(campaign->name) && writable(campaign->desc)) {
        const std::string first = written(*campaign);
        std::istringstream back(first);
        ASSERT_EQ(readCampaign(back, *again), 0);
        EXPECT_EQ(written(*again), first);
      }
    }
  }
}

TEST(Corpus, KnownContents) {
  struct Expect {
    const char* file;
    int levelCount;
  };
  const Expect expects[] = {
      {"ok_200_blocks.qbf", 128},        {"ok_levels_128_no_blocks.qbf", 0},
      {"ok_lives_at_end.qbf", 0},        {"ok_start_level_no_line_end.qbf", 1},
      {"ok_done_then_junk.qbf", 1},      {"ok_keyword_pieces.qbf", 1},
      {"bad_truncated_block.qbf", 1},    {"bad_truncated_after_start.qbf", 1},
  };
  auto campaign = std::make_unique<Campaign>();
  for (const Expect& e : expects) {
    SCOPED_TRACE(e.file);
    std::istringstream in(fileText(fs::path(QUIB_CORPUS_DIR) / e.file));
    readCampaign(in, *campaign);
    EXPECT_EQ(campaign->levelCount, e.levelCount);
  }

  std::istringstream crlf(fileText(fs::path(QUIB_CORPUS_DIR) / "ok_two_rooms_crlf.qbf"));
  ASSERT_EQ(readCampaign(crlf, *campaign), 0);
  EXPECT_EQ(written(*campaign), fileText(fs::path(QUIB_CORPUS_DIR) / "ok_two_rooms.qbf"));

  std::istringstream far(fileText(fs::path(QUIB_CORPUS_DIR) / "ok_far_coordinates.qbf"));
  ASSERT_EQ(readCampaign(far, *campaign), 0);
  EXPECT_EQ(campaign->level[0].cell[17][11].kind, SpinnerCW);
  EXPECT_EQ(validateLevel(campaign->level[0]), 0);  // nothing else landed in the grid
}

// ------------------------------------------------------ a million lines

TEST(HugeInput, MillionJunkLinesBeforeABlock) {
  std::string text = Header;
  text.reserve(text.size() + 12u * Million);
  for (int i = 0; i < Million; ++i) text += "junk line\n";
  text += "\nstart level\n" + Playable + "done level\n";
  auto c = std::make_unique<Campaign>();
  int status = -1;
  EXPECT_LT(secondsToRead(text, *c, status), TimeBudget);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(c->levelCount, 1);
}

TEST(HugeInput, MillionStatementsInOneBlock) {
  std::string text = Header + "\nstart level\n" + Playable;
  text.reserve(text.size() + 12u * Million);
  for (int i = 0; i < Million; ++i) text += "at 1 0 $ 2\n";
  text += "done level\n";
  auto c = std::make_unique<Campaign>();
  int status = -1;
  EXPECT_LT(secondsToRead(text, *c, status), TimeBudget);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(c->level[0].cell[1][0].kind, Coin);
}

TEST(HugeInput, MillionBlankAndUnspacedLinesInABlock) {
  std::string text = Header + "\nstart level\n" + Playable + std::string(Million, '\n');
  for (int i = 0; i < Million; ++i) text += "x\r\n";
  text += " done level\n";
  auto c = std::make_unique<Campaign>();
  int status = -1;
  EXPECT_LT(secondsToRead(text, *c, status), TimeBudget);
  EXPECT_EQ(status, 0);
}

TEST(HugeInput, MillionStartLevelLinesAndLongLines) {
  auto c = std::make_unique<Campaign>();
  int status = -1;
  std::string starts = Header;
  for (int i = 0; i < Million; ++i) starts += "start level\n";
  EXPECT_LT(secondsToRead(starts, *c, status), TimeBudget);
  EXPECT_EQ(status, 1);  // "start level" is no statement: the block never ends

  const std::string oneLine = Header + std::string(10 * Million, 's');
  EXPECT_LT(secondsToRead(oneLine, *c, status), TimeBudget);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(c->levelCount, 0);

  const std::string digits = Header + "\nstart level\nwidth " + std::string(Million, '7') + "\n" + Playable +
                             "done level\n";
  EXPECT_LT(secondsToRead(digits, *c, status), TimeBudget);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(c->level[0].width, 3);
}

// ------------------------------------------------------ shipped campaigns

TEST(ShippedCampaigns, ReadAndArePlayable) {
  std::vector<fs::path> files;
  for (const auto& path : filesIn(QUIB_CAMPAIGN_DIR))
    if (path.extension() == ".qbf") files.push_back(path);
  if (files.empty()) GTEST_SKIP() << "no campaign files in " << QUIB_CAMPAIGN_DIR;
  auto campaign = std::make_unique<Campaign>();
  for (const auto& path : files) {
    SCOPED_TRACE(path.filename().string());
    std::istringstream in(fileText(path));
    ASSERT_EQ(readCampaign(in, *campaign), 0);
    EXPECT_EQ(campaignUnplayable(*campaign), 0);
  }
}
