// The player's records: update rules, the text form, and the file kept
// safe against damage, unwritable folders and a crash in the middle of a
// write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "data/records.h"

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void spit(const fs::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << text;
}

// What a run writes on stderr, caught in a temporary file.
struct Captured {
  std::FILE* file = std::tmpfile();
  ~Captured() { std::fclose(file); }
  std::string text() {
    std::fflush(file);
    std::rewind(file);
    std::string s;
    for (int c; (c = std::fgetc(file)) != EOF;) s += static_cast<char>(c);
    return s;
  }
  int lines() {
    const std::string s = text();
    return static_cast<int>(std::count(s.begin(), s.end(), '\n'));
  }
};

class RecordsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name = (fs::temp_directory_path() / "quib-records-XXXXXX").string();
    ASSERT_NE(mkdtemp(&name[0]), nullptr);
    root_ = name;
    folder_ = (root_ / "share" / "quib").string() + "/";
    store_ = std::make_unique<RecordsStore>();
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(root_, fs::perms::owner_all, ignored);
    fs::remove_all(root_, ignored);
  }
  fs::path file() const { return fs::path(folder_) / RecordsFileName; }

  // A store with one campaign that has been played once.
  void playOnce() {
    openRecords(*store_, folder_.c_str(), err_.file);
    CampaignRecord& r = store_->records.campaign[recordFor(store_->records, "EASY", "00000000000000aa")];
    noteLevelReached(r, 3);
    noteLevelScore(r, 2, 4500);
    noteRunEnd(r, 9000, 2, false);
  }

  fs::path root_;
  std::string folder_;
  std::unique_ptr<RecordsStore> store_;
  Captured err_;
};

Level smallLevel(int32_t limit) {
  Level level;
  makeNewLevel(level);
  level.width = 3;
  level.height = 1;
  level.cell[0][0] = Cell{Start, 1};
  level.cell[2][0] = Cell{Exit, 1};
  level.limit = limit;
  return level;
}

}  // namespace

TEST(RecordRules, BestsOnlyRiseAndEveryEndedRunCounts) {
  CampaignRecord r;
  std::memset(&r, 0, sizeof r);
  noteLevelReached(r, 4);
  noteLevelReached(r, 2);
  EXPECT_EQ(r.furthest, 4) << "going back to an earlier level keeps the furthest";
  noteLevelReached(r, 0);
  noteLevelReached(r, MaxLevels + 1);
  EXPECT_EQ(r.furthest, 4);

  noteLevelScore(r, 2, 3000);
  noteLevelScore(r, 2, 2000);
  EXPECT_EQ(r.levelBest[1], 3000u);
  noteLevelScore(r, MaxLevels, 7);
  EXPECT_EQ(r.levelBest[MaxLevels - 1], 7u);
  noteLevelScore(r, 0, 99);
  noteLevelScore(r, MaxLevels + 1, 99);

  noteRunEnd(r, 5000, 3, false);  // game over or quit
  noteRunEnd(r, 4000, 5, true);   // completion with a lower score
  EXPECT_EQ(r.runsPlayed, 2);
  EXPECT_EQ(r.runsCompleted, 1);
  EXPECT_EQ(r.bestScore, 5000u);
  EXPECT_EQ(r.mostCompleted, 5);
  // Scores are unsigned 32-bit, as in play.
  noteRunEnd(r, 4000000000u, 0, false);
  EXPECT_EQ(r.bestScore, 4000000000u);
}

TEST(RecordRules, SameNameDifferentLevelsKeepApart) {
  static Campaign a, b;
  std::memset(&a, 0, sizeof a);
  std::strcpy(a.name, "MINE");
  a.levelCount = 2;
  a.level[0] = smallLevel(20);
  a.level[1] = smallLevel(30);
  b = a;
  char fa[FingerprintLength + 1], fb[FingerprintLength + 1], again[FingerprintLength + 1];
  campaignFingerprint(a, fa);
  campaignFingerprint(a, again);
  EXPECT_STREQ(fa, again);
  b.level[1].limit = 31;  // an edited level
  campaignFingerprint(b, fb);
  EXPECT_STRNE(fa, fb);
  b = a;
  b.levelCount = 1;  // a level taken out
  campaignFingerprint(b, fb);
  EXPECT_STRNE(fa, fb);
  b = a;
  std::strcpy(b.desc, "other words");  // the header is not the levels
  campaignFingerprint(b, fb);
  EXPECT_STREQ(fa, fb);

  static Records records;
  clearRecords(records);
  const int first = recordFor(records, "MINE", "0000000000000001");
  const int second = recordFor(records, "MINE", "0000000000000002");
  EXPECT_NE(first, second);
  records.campaign[first].bestScore = 100;
  EXPECT_EQ(records.campaign[second].bestScore, 0u) << "an edited campaign never shows another's numbers";
  EXPECT_EQ(recordFor(records, "MINE", "0000000000000001"), first);
  EXPECT_EQ(findRecord(records, "MINE", "0000000000000003"), -1);
}

TEST(RecordRules, AFullTableLetsTheOldestRecordGo) {
  static Records records;
  clearRecords(records);
  char fp[FingerprintLength + 1];
  for (int i = 0; i < MaxRecordCampaigns; ++i) {
    std::snprintf(fp, sizeof fp, "%016x", i);
    records.campaign[recordFor(records, "C", fp)].bestScore = static_cast<uint32_t>(i);
  }
  EXPECT_EQ(records.count, MaxRecordCampaigns);
  const int added = recordFor(records, "NEW", "ffffffffffffffff");
  EXPECT_EQ(added, MaxRecordCampaigns - 1);
  EXPECT_EQ(records.count, MaxRecordCampaigns);
  EXPECT_EQ(records.campaign[0].bestScore, 1u) << "the first record made gave way";
  EXPECT_EQ(records.campaign[added].bestScore, 0u);
}

TEST(RecordText, WhatIsWrittenReadsBackTheSame) {
  static Records records, back;
  clearRecords(records);
  CampaignRecord& r = records.campaign[recordFor(records, "Two Words", "0123456789abcdef")];
  noteLevelReached(r, 3);
  noteLevelScore(r, 1, 1200);
  noteLevelScore(r, 7, 800);  // practised beyond the furthest? still kept
  noteRunEnd(r, 4294967295u, 2, true);
  recordFor(records, "", "fedcba9876543210");
  const std::string text = formatRecords(records);
  EXPECT_NE(text.find("campaign Two Words\nfingerprint 0123456789abcdef\nbest-score 4294967295\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("level 2 0\n"), std::string::npos) << "a reached level is listed even without a score";
  ASSERT_EQ(parseRecords(text, back), 0) << text;
  ASSERT_EQ(back.count, 2);
  EXPECT_EQ(std::memcmp(&back.campaign[0], &records.campaign[0], sizeof(CampaignRecord)), 0);
  EXPECT_STREQ(back.campaign[1].name, "");
  // Line ends written on another system read the same.
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(parseRecords(crlf, back), 0);
  EXPECT_EQ(back.campaign[0].levelBest[6], 800u);
}

TEST(RecordText, AnythingButAWholeRecordsFileIsRefused) {
  static Records records;
  clearRecords(records);
  CampaignRecord& r = records.campaign[recordFor(records, "EASY", "0123456789abcdef")];
  noteLevelReached(r, 2);
  const std::string good = formatRecords(records);
  ASSERT_EQ(parseRecords(good, records), 0);

  const size_t end = good.rfind("end\n");
  const std::string bad[] = {
      "",                                            // empty
      good.substr(0, end),                           // truncated before its last line
      good.substr(0, good.size() / 2),               // cut in the middle
      "name EASY\ndesc A campaign file\nlevels 1\n",  // a file of another kind
      std::string("quib-records 2\nend\n"),          // a later format
      good + "campaign X\n",                         // something after the end
      std::string(good).replace(good.find("furthest 2"), 10, "furthest x"),
      std::string(good).replace(good.find("furthest 2"), 10, "furthest 200"),
      std::string(good).replace(good.find("level 1 "), 8, "level 0 "),
      std::string(good).replace(good.find("fingerprint 0"), 13, "fingerprint Z"),
      std::string(good).replace(good.find("runs "), 5, "jumps "),
      std::string(good).replace(good.find("best-score 0"), 12, "best-score 99999999999"),
      std::string(good).replace(good.find("fingerprint "), 29, ""),  // no fingerprint
      std::string(good).replace(good.find("campaign EASY"), 13, "campaign 123456789012345678901"),
      std::string(good, 0, end) + good.substr(good.find("\ncampaign") + 1),  // the same record twice
      std::string("\0\0\0\0", 4),
  };
  for (const std::string& text : bad) {
    records.count = 5;
    EXPECT_EQ(parseRecords(text, records), 1) << text;
    EXPECT_EQ(records.count, 0) << "a refused file leaves the records empty";
  }
}

TEST_F(RecordsFile, NoFileIsEmptyRecordsAndTheFirstSaveMakesTheFolder) {
  playOnce();
  EXPECT_EQ(err_.lines(), 0);
  ASSERT_EQ(saveRecords(*store_, err_.file), 0);
  EXPECT_FALSE(fs::exists(fs::path(folder_) / "records.txt.tmp"));

  RecordsStore& again = *std::make_unique<RecordsStore>().release();
  openRecords(again, folder_.c_str(), err_.file);
  ASSERT_EQ(again.records.count, 1);
  EXPECT_EQ(again.records.campaign[0].furthest, 3);
  EXPECT_EQ(again.records.campaign[0].levelBest[1], 4500u);
  EXPECT_EQ(again.records.campaign[0].bestScore, 9000u);
  EXPECT_EQ(err_.lines(), 0);
  delete &again;
}

TEST_F(RecordsFile, DamagedFilesAreKeptAsideAndPlayStartsEmpty) {
  playOnce();
  ASSERT_EQ(saveRecords(*store_, err_.file), 0);
  const std::string good = slurp(file());
  const std::string damaged[] = {"", good.substr(0, good.size() - 4), "\x7f" "ELF garbage", "name EASY\n"};
  int n = 0;
  for (const std::string& text : damaged) {
    ++n;
    spit(file(), text);
    Captured err;
    openRecords(*store_, folder_.c_str(), err.file);
    EXPECT_EQ(store_->records.count, 0);
    EXPECT_TRUE(store_->keep);
    const std::string aside = folder_ + "records.txt.damaged" + (n == 1 ? "" : "." + std::to_string(n));
    EXPECT_EQ(err.lines(), 1);
    EXPECT_NE(err.text().find(aside), std::string::npos) << err.text();
    EXPECT_EQ(slurp(aside), text) << "the damaged file is kept as it was";
    EXPECT_FALSE(fs::exists(file()));
  }
  // The game goes on and writes fresh records beside the damaged ones.
  ASSERT_EQ(saveRecords(*store_, err_.file), 0);
  EXPECT_EQ(slurp(folder_ + "records.txt.damaged.4"), "name EASY\n");
}

TEST_F(RecordsFile, AFileThatCanBeNeitherReadNorSetAsideIsLeftAlone) {
  fs::create_directories(folder_);
  spit(file(), "garbage");
  // Every name it could be set aside under is taken.
  spit(folder_ + "records.txt.damaged", "older");
  for (int n = 2; n <= 99; ++n) spit(folder_ + "records.txt.damaged." + std::to_string(n), "older");
  openRecords(*store_, folder_.c_str(), err_.file);
  EXPECT_FALSE(store_->keep);
  EXPECT_EQ(err_.lines(), 1);
  EXPECT_EQ(saveRecords(*store_, err_.file), 1);
  EXPECT_EQ(err_.lines(), 1) << "no second line";
  EXPECT_EQ(slurp(file()), "garbage");
  EXPECT_EQ(slurp(folder_ + "records.txt.damaged.99"), "older");
}

TEST_F(RecordsFile, AnUnwritableFolderCostsTheRecordsAndOneLine) {
  // A plain file where the folder should be: no user can write under it.
  fs::create_directories(root_ / "share");
  spit(root_ / "share" / "quib", "not a folder");
  playOnce();
  EXPECT_EQ(saveRecords(*store_, err_.file), 1);
  EXPECT_EQ(saveRecords(*store_, err_.file), 1);
  EXPECT_EQ(err_.lines(), 1) << err_.text();
  EXPECT_NE(err_.text().find(folder_), std::string::npos) << err_.text();
  // No folder at all (no home): nothing is kept, nothing is said.
  Captured err;
  openRecords(*store_, "", err.file);
  EXPECT_EQ(saveRecords(*store_, err.file), 1);
  EXPECT_EQ(err.lines(), 0);
}

TEST_F(RecordsFile, ACrashBeforeTheRenameLeavesTheOldFileWhole) {
  playOnce();
  ASSERT_EQ(saveRecords(*store_, err_.file), 0);
  const std::string old = slurp(file());
  // The next save gets as far as its temporary file, then the game dies.
  noteRunEnd(store_->records.campaign[0], 123456, 9, true);
  ASSERT_EQ(writeRecordsTemporary(*store_), 0);
  EXPECT_EQ(slurp(file()), old);
  // Started again: the old records, whole; the leftover is simply replaced.
  openRecords(*store_, folder_.c_str(), err_.file);
  EXPECT_EQ(err_.lines(), 0);
  ASSERT_EQ(store_->records.count, 1);
  EXPECT_EQ(store_->records.campaign[0].bestScore, 9000u);
  noteRunEnd(store_->records.campaign[0], 777, 1, false);
  ASSERT_EQ(saveRecords(*store_, err_.file), 0);
  EXPECT_NE(slurp(file()).find("best-score 9000\n"), std::string::npos);
  EXPECT_NE(slurp(file()).find("runs 2\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(fs::path(folder_) / "records.txt.tmp"));
}

// Two games running at once, each saving over the file the other read at
// start: neither loses the other's campaigns or bests, and a run counted by
// both is not counted twice.
TEST_F(RecordsFile, TwoGamesAtOnceKeepEachOthersRecords) {
  playOnce();  // game A: EASY played once, not saved yet
  auto other = std::make_unique<RecordsStore>();
  openRecords(*other, folder_.c_str(), err_.file);
  CampaignRecord& hard = other->records.campaign[recordFor(other->records, "HARD", "00000000000000bb")];
  noteLevelScore(hard, 1, 700);
  noteRunEnd(hard, 700, 1, false);
  CampaignRecord& easy = other->records.campaign[recordFor(other->records, "EASY", "00000000000000aa")];
  noteLevelScore(easy, 2, 100);
  noteLevelScore(easy, 5, 800);
  noteLevelReached(easy, 6);
  noteRunEnd(easy, 8000, 4, true);
  noteRunEnd(easy, 10, 0, false);
  ASSERT_EQ(saveRecords(*other, err_.file), 0);  // game B saves first
  ASSERT_EQ(saveRecords(*store_, err_.file), 0);  // then A, over B's file

  auto again = std::make_unique<RecordsStore>();
  openRecords(*again, folder_.c_str(), err_.file);
  ASSERT_EQ(again->records.count, 2);
  const CampaignRecord& e = again->records.campaign[findRecord(again->records, "EASY", "00000000000000aa")];
  EXPECT_EQ(e.bestScore, 9000u);
  EXPECT_EQ(e.mostCompleted, 4);
  EXPECT_EQ(e.furthest, 6);
  EXPECT_EQ(e.levelBest[1], 4500u);
  EXPECT_EQ(e.levelBest[4], 800u);
  EXPECT_EQ(e.runsPlayed, 2);
  EXPECT_EQ(e.runsCompleted, 1);
  const int h = findRecord(again->records, "HARD", "00000000000000bb");
  ASSERT_EQ(h, 1) << "A's own records keep their places; B's come after";
  EXPECT_EQ(again->records.campaign[h].levelBest[0], 700u);
  EXPECT_EQ(store_->records.count, 2) << "A's store holds what it wrote";
  EXPECT_EQ(err_.lines(), 0);

  // A full table takes in no new campaign: none of its own gives way.
  static Records full, extra;
  clearRecords(full);
  clearRecords(extra);
  char fp[FingerprintLength + 1];
  for (int i = 0; i < MaxRecordCampaigns; ++i) {
    std::snprintf(fp, sizeof fp, "%016x", i);
    recordFor(full, "C", fp);
  }
  recordFor(extra, "NEW", "ffffffffffffffff");
  mergeRecords(full, extra);
  EXPECT_EQ(full.count, MaxRecordCampaigns);
  EXPECT_EQ(findRecord(full, "NEW", "ffffffffffffffff"), -1);
  EXPECT_EQ(findRecord(full, "C", "0000000000000000"), 0);
}
