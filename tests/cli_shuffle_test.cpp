// The level shuffling tool: shuffleCampaign on records, and "quib -R" on
// real standard input and output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "cli_support.h"
#include "tools/t_shuffle.h"

namespace {

using cli::RunResult;

// A one-level campaign in the writer's canonical form.
const std::string TwoRooms = cli::readFile(QUIB_TESTDATA_DIR "/two_rooms.qbf");

const std::string NoLevels = "name Empty\ndesc Nothing yet\nlevels 0\nlives 0\n";

// A canonical campaign of `count` distinct level blocks (each has its own
// limit and a piece at its own place).
std::string manyLevels(int count) {
  std::string text = "name Many\ndesc Distinct levels\nlevels 5\nlives 4\n";
  for (int i = 0; i < count; ++i) {
    text += "\nstart level\nwidth 18\nheight 12\nlimit " + std::to_string(10 + i) +
            "\nbonus 0\nwall N B\nwall E W\nwall S D\nwall W W\n" + "at " +
            std::to_string(i % 18) + " " + std::to_string(i % 12) + " . 1\n" +
            "at 17 11 * 2\ndone level\n";
  }
  return text;
}

// The first four lines, and the level blocks from "start level" through
// "done level", in file order.
struct SplitCampaign {
  std::string header;
  std::vector<std::string> blocks;
};

SplitCampaign split(const std::string& text) {
  SplitCampaign result;
  std::size_t pos = 0;
  for (int line = 0; line < 4 && pos != std::string::npos; ++line) {
    pos = text.find('\n', pos);
    if (pos != std::string::npos) ++pos;
  }
  result.header = text.substr(0, pos);
  const std::string start = "\nstart level\n", done = "done level\n";
  while ((pos = text.find(start, pos == 0 ? 0 : pos - 1)) != std::string::npos) {
    std::size_t end = text.find(done, pos);
    if (end == std::string::npos) break;
    end += done.size();
    result.blocks.push_back(text.substr(pos + 1, end - pos - 1));
    pos = end;
  }
  return result;
}

class ShuffleTool : public ::testing::Test {
 protected:
  cli::ScratchDir dir;
  RunResult shuffle(const std::string& input, const std::string& arg = "-R") {
    return cli::runQuib(dir.path, {arg}, input);
  }
};

TEST_F(ShuffleTool, OneLevelCampaignComesBackByteIdentical) {
  ASSERT_NE(TwoRooms.find("done level\n"), std::string::npos) << "two_rooms.qbf not read";
  for (const char* arg : {"-R", "-Rzzz"}) {
    RunResult r = shuffle(TwoRooms, arg);
    EXPECT_EQ(r.status, 0) << arg;
    EXPECT_EQ(r.out, TwoRooms) << arg;
    EXPECT_EQ(r.err, "") << arg;
  }
}

TEST_F(ShuffleTool, CampaignWithoutLevelsIsWrittenBackUnchanged) {
  RunResult r = shuffle(NoLevels);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, NoLevels);
}

TEST_F(ShuffleTool, ManyLevelsKeepHeaderAndBlocksInANewOrder) {
  const std::string input = manyLevels(20);
  SplitCampaign before = split(input);
  ASSERT_EQ(before.blocks.size(), 20u);

  RunResult r = shuffle(input);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  SplitCampaign after = split(r.out);
  EXPECT_EQ(after.header, before.header);
  EXPECT_EQ(r.out.size(), input.size());
  // Left as it came only with a chance of 1 in 20!.
  EXPECT_NE(after.blocks, before.blocks);
  std::sort(before.blocks.begin(), before.blocks.end());
  std::sort(after.blocks.begin(), after.blocks.end());
  EXPECT_EQ(after.blocks, before.blocks);
}

TEST_F(ShuffleTool, InputThatIsNotACampaignGivesNoOutputAndOneErrorLine) {
  const std::string inputs[] = {
      "",
      "hello world\n",
      std::string("\x00\xff\x01garbage", 10),
      "name X\ndesc Y\nlevels 999\nlives 1\n",
      TwoRooms.substr(0, TwoRooms.size() - 12),  // block cut before "done level"
  };
  for (const std::string& input : inputs) {
    for (const char* arg : {"-R", "-Rzzz"}) {
      RunResult r = shuffle(input, arg);
      EXPECT_EQ(r.status, 1) << input;
      EXPECT_EQ(r.out, "") << input;
      ASSERT_FALSE(r.err.empty()) << input;
      EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << input;
      EXPECT_EQ(r.err.back(), '\n');
    }
  }
  RunResult closed = cli::runQuib(dir.path, {"-R"}, "", /*noInput=*/true);
  EXPECT_EQ(closed.status, 1);
  EXPECT_EQ(closed.out, "");
}

TEST_F(ShuffleTool, AFailedWriteIsReportedAndExitsWithOne) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  const cli::fs::path in = dir.path / "in.qbf", err = dir.path / "err";
  cli::writeFile(in, manyLevels(3));
  const std::string command = std::string("'") + QUIB_BINARY + "' -R < '" + in.string() +
                              "' > /dev/full 2> '" + err.string() + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const std::string message = cli::readFile(err);
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
}

// A record whose level slots are told apart by their limit.
Campaign& numberedCampaign(int count) {
  static Campaign campaign;
  std::memset(&campaign, 0, sizeof campaign);
  std::strcpy(campaign.name, "Numbered");
  campaign.levels = 7;
  campaign.lives = 3;
  campaign.levelCount = count;
  for (int i = 0; i < MaxLevels; ++i) {
    campaign.level[i].width = 18;
    campaign.level[i].height = 12;
    campaign.level[i].limit = 1000 + i;
    campaign.level[i].cell[i % MaxWidth][i % MaxHeight] = Cell{Coin, static_cast<uint32_t>(i % 4)};
  }
  return campaign;
}

std::vector<int32_t> limits(const Campaign& campaign, int count) {
  std::vector<int32_t> result;
  for (int i = 0; i < count; ++i) result.push_back(campaign.level[i].limit);
  return result;
}

TEST(ShuffleCampaign, IsAPermutationOfWholeLevels) {
  Campaign& campaign = numberedCampaign(50);
  shuffleCampaign(campaign, 12345u);
  std::vector<int32_t> order = limits(campaign, 50);
  std::vector<int32_t> sorted = order;
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < 50; ++i) EXPECT_EQ(sorted[i], 1000 + i);
  EXPECT_NE(order, sorted);
  // Each level moved as a whole: its cells went with its limit.
  for (int i = 0; i < 50; ++i) {
    int original = campaign.level[i].limit - 1000;
    EXPECT_EQ(campaign.level[i].cell[original % MaxWidth][original % MaxHeight].kind, Coin);
  }
  // Header and the slots past levelCount are untouched.
  EXPECT_STREQ(campaign.name, "Numbered");
  EXPECT_EQ(campaign.levels, 7);
  EXPECT_EQ(campaign.lives, 3);
  EXPECT_EQ(campaign.levelCount, 50);
  for (int i = 50; i < MaxLevels; ++i) EXPECT_EQ(campaign.level[i].limit, 1000 + i);
}

TEST(ShuffleCampaign, IsDeterministicForASeed) {
  Campaign& campaign = numberedCampaign(30);
  shuffleCampaign(campaign, 7u);
  const std::vector<int32_t> first = limits(campaign, 30);

  shuffleCampaign(numberedCampaign(30), 7u);
  EXPECT_EQ(limits(campaign, 30), first);
  shuffleCampaign(numberedCampaign(30), 8u);
  EXPECT_NE(limits(campaign, 30), first);
}

TEST(ShuffleCampaign, OneOrNoLevelsChangeNothing) {
  static Campaign expected;
  for (int count : {0, 1, -5}) {
    Campaign& campaign = numberedCampaign(count);
    std::memcpy(&expected, &campaign, sizeof expected);
    shuffleCampaign(campaign, 99u);
    EXPECT_EQ(std::memcmp(&expected, &campaign, sizeof expected), 0) << count;
  }
}

TEST(ShuffleCampaign, LevelCountBeyondTheSlotsStaysInside) {
  Campaign& campaign = numberedCampaign(100000);
  shuffleCampaign(campaign, 3u);
  std::vector<int32_t> order = limits(campaign, MaxLevels);
  std::sort(order.begin(), order.end());
  for (int i = 0; i < MaxLevels; ++i) EXPECT_EQ(order[i], 1000 + i);
}

}  // namespace
