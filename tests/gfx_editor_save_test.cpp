// Saving from the editor: which levels reach the file, what stays in
// memory, and that a save never reports success it did not have nor wrecks
// the file it replaces.
#include <gtest/gtest.h>

#include <allegro.h>
#include <dirent.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "data/campaign_io.h"
#include "tools/e_save.h"
#include "tools/e_state.h"
#include "tools/t_create.h"

namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

int countOccurrences(const std::string& text, const std::string& word) {
  int n = 0;
  for (std::string::size_type at = text.find(word); at != std::string::npos;
       at = text.find(word, at + 1))
    ++n;
  return n;
}

class EditorSave : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/quib-editor-save-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    campaign_ = std::make_unique<Campaign>();
    std::strcpy(campaign_->name, "Saved");
    std::strcpy(campaign_->desc, "For the save tests");
    campaign_->levels = 0;
    campaign_->lives = 4;
    campaign_->levelCount = 0;
  }
  void TearDown() override {
    chmod(dir_.c_str(), 0700);
    std::string command = "rm -rf '" + dir_ + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }

  std::string path(const char* name) const { return dir_ + "/" + name; }
  Campaign& campaign() { return *campaign_; }

  Level& appendLevel(bool valid, int32_t limit) {
    Level& l = campaign_->level[campaign_->levelCount++];
    makeNewLevel(l);
    l.limit = limit;
    l.cell[0][0] = Cell{Start, 1};
    if (valid) l.cell[5][5] = Cell{Exit, 2};
    return l;
  }

  // Reads a campaign file back; fails the test when it is not a campaign.
  std::unique_ptr<Campaign> readBack(const std::string& file) {
    auto back = std::make_unique<Campaign>();
    std::ifstream in(file);
    EXPECT_TRUE(in.good()) << file;
    EXPECT_EQ(readCampaign(in, *back), 0) << file;
    return back;
  }

  // Names in the directory other than the ones the test made itself.
  int strayFiles(std::initializer_list<const char*> known) {
    int n = 0;
    DIR* d = opendir(dir_.c_str());
    while (dirent* e = readdir(d)) {
      std::string name = e->d_name;
      if (name == "." || name == "..") continue;
      bool mine = false;
      for (const char* k : known) mine = mine || name == k;
      if (!mine) ++n;
    }
    closedir(d);
    return n;
  }

  std::string dir_;
  std::unique_ptr<Campaign> campaign_;
};

TEST_F(EditorSave, WritesEveryLevelWithWorkInItAndCountsOnlyValidOnes) {
  appendLevel(true, 11);
  appendLevel(false, 22);
  appendLevel(true, 33);
  appendLevel(false, 44);  // unfinished: a Start but no exit yet
  const std::string file = path("quib_four.qbf");
  ASSERT_EQ(saveCampaign(campaign(), file.c_str()), 0);

  auto back = readBack(file);
  EXPECT_EQ(back->levels, 2);
  ASSERT_EQ(back->levelCount, 4);
  EXPECT_EQ(back->level[0].limit, 11);
  EXPECT_EQ(back->level[1].limit, 22);
  EXPECT_EQ(back->level[2].limit, 33);
  EXPECT_EQ(back->level[3].limit, 44);
  EXPECT_EQ(back->level[3].cell[0][0].kind, Start);
  EXPECT_EQ(back->lives, 4);
  EXPECT_STREQ(back->name, "Saved");
  EXPECT_STREQ(back->desc, "For the save tests");

  // Memory keeps every level; only the count of levels to complete changes.
  EXPECT_EQ(campaign().levelCount, 4);
  EXPECT_EQ(campaign().levels, 2);
  EXPECT_EQ(campaign().level[3].limit, 44);
}

TEST_F(EditorSave, LevelsAppendedByWalkingPastTheEndAreNotWritten) {
  appendLevel(true, 11);
  appendLevel(true, 22);
  EditorState state{};
  openEditor(state, campaign(), 2);
  char keys[KEY_MAX] = {};
  for (int i = 0; i < 3; ++i) {
    keys[KEY_PGUP] = 1;
    handleEditorKeys(state, keys);
    keys[KEY_PGUP] = 0;
    handleEditorKeys(state, keys);
  }
  ASSERT_EQ(campaign().levelCount, 5);
  keys[KEY_PGDN] = 1;
  handleEditorKeys(state, keys);

  const std::string file = path("quib_walk.qbf");
  ASSERT_EQ(saveCampaign(campaign(), file.c_str()), 0);
  auto back = readBack(file);
  EXPECT_EQ(back->levelCount, 2);
  EXPECT_EQ(back->levels, 2);
  EXPECT_EQ(campaign().levelCount, 5);
}

TEST_F(EditorSave, ATrailingLevelWithAnyChangeIsKeptAndOnlyUntouchedOnesAreDropped) {
  const std::function<void(Level&)> changes[] = {
      [](Level& l) { l.cell[17][11] = Cell{Coin, 1}; }, [](Level& l) { l.width = 17; },
      [](Level& l) { l.height = 11; },                  [](Level& l) { l.limit = 31; },
      [](Level& l) { l.bonus = 5; },                    [](Level& l) { l.wall[East] = Bounce; },
      // Each wall on its own, whatever a new level has there.
      [](Level& l) { l.wall[North] = l.wall[North] == Wrap ? Deadly : Wrap; },
      [](Level& l) { l.wall[South] = l.wall[South] == Wrap ? Deadly : Wrap; },
      [](Level& l) { l.wall[West] = l.wall[West] == Wrap ? Deadly : Wrap; },
  };
  const std::string file = path("quib_trailing.qbf");
  for (const auto& change : changes) {
    campaign().levelCount = 0;
    appendLevel(true, 11);
    for (int i = 1; i <= 3; ++i) makeNewLevel(campaign().level[campaign().levelCount++]);
    change(campaign().level[1]);
    ASSERT_EQ(saveCampaign(campaign(), file.c_str()), 0);
    auto back = readBack(file);
    EXPECT_EQ(back->levels, 1);
    EXPECT_EQ(back->levelCount, 2);
  }
}

TEST_F(EditorSave, NewCampaignFromTheCreationToolSavesItsOneInvalidLevel) {
  const std::string file = path("quib_new.qbf");
  std::istringstream answers("Fresh\nNothing yet\n");
  std::ostringstream console;
  ASSERT_EQ(createCampaignFile(file.c_str(), answers, console), 0);

  {
    std::ifstream in(file);
    ASSERT_EQ(readCampaign(in, campaign()), 0);
  }
  EditorState state{};
  openEditor(state, campaign(), 0);
  ASSERT_EQ(saveCampaign(campaign(), file.c_str()), 0);

  auto back = readBack(file);
  EXPECT_EQ(back->levels, 0);
  ASSERT_EQ(back->levelCount, 1);
  EXPECT_EQ(back->level[0].width, 18);
  EXPECT_EQ(back->level[0].height, 12);
  EXPECT_EQ(back->level[0].limit, 30);
  EXPECT_NE(validateLevel(back->level[0]), 0);
  EXPECT_STREQ(back->name, "Fresh");
  EXPECT_EQ(countOccurrences(readFile(file), "start level"), 1);
}

TEST_F(EditorSave, WritesThePiecesOfTheUsedBoardOnly) {
  Level& l = appendLevel(true, 20);
  l.width = 6;
  l.height = 6;
  l.cell[2][3] = Cell{Coin, 3};
  l.cell[10][1] = Cell{Hazard, 1};  // hidden by the narrowed board
  const std::string file = path("quib_pieces.qbf");
  ASSERT_EQ(saveCampaign(campaign(), file.c_str()), 0);
  const std::string text = readFile(file);
  EXPECT_NE(text.find("at 2 3 $ 3\n"), std::string::npos) << text;
  EXPECT_NE(text.find("at 0 0 . 1\n"), std::string::npos) << text;
  EXPECT_NE(text.find("at 5 5 * 2\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("at 10 1"), std::string::npos) << text;
  EXPECT_EQ(campaign().level[0].cell[10][1].kind, Hazard);
}

TEST_F(EditorSave, ReplacesTheOldContentsWhole) {
  const std::string file = path("quib_old.qbf");
  writeFile(file, std::string(5000, '#') + "\nname Old\n");
  appendLevel(true, 12);
  ASSERT_EQ(saveCampaign(campaign(), file.c_str()), 0);
  const std::string text = readFile(file);
  EXPECT_EQ(text.find('#'), std::string::npos);
  EXPECT_EQ(text.compare(0, 11, "name Saved\n"), 0) << text;
  EXPECT_EQ(strayFiles({"quib_old.qbf"}), 0) << "no temporary file may be left behind";
}

TEST_F(EditorSave, KeepsThePermissionBitsOfTheFile) {
  const std::string file = path("quib_mode.qbf");
  writeFile(file, "name Old\n");
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);
  appendLevel(true, 12);
  ASSERT_EQ(saveCampaign(campaign(), file.c_str()), 0);
  struct stat info;
  ASSERT_EQ(stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(EditorSave, SavingThroughALinkReplacesTheFileItPointsAt) {
  const std::string file = path("quib_real.qbf");
  const std::string link = path("quib_link.qbf");
  writeFile(file, "name Old\n");
  ASSERT_EQ(symlink(file.c_str(), link.c_str()), 0);
  appendLevel(true, 12);
  ASSERT_EQ(saveCampaign(campaign(), link.c_str()), 0);
  struct stat info;
  ASSERT_EQ(lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link must stay a link";
  EXPECT_EQ(readBack(file)->levelCount, 1);
}

TEST_F(EditorSave, ANewFileIsCreated) {
  const std::string file = path("#quibF2.qbf#");
  appendLevel(true, 12);
  ASSERT_EQ(saveCampaign(campaign(), file.c_str()), 0);
  EXPECT_EQ(readBack(file)->levelCount, 1);
}

TEST_F(EditorSave, AReadOnlyFileIsNotWrittenEvenWhereTheSystemWouldAllowIt) {
  const std::string file = path("quib_ro.qbf");
  const std::string before = "name Kept\ndesc Untouched\nlevels 0\nlives 1\n";
  writeFile(file, before);
  ASSERT_EQ(chmod(file.c_str(), 0444), 0);
  appendLevel(true, 12);
  EXPECT_EQ(saveCampaign(campaign(), file.c_str()), 1);
  EXPECT_EQ(readFile(file), before);
  EXPECT_EQ(strayFiles({"quib_ro.qbf"}), 0);
  // The bookkeeping is the same as for a save that worked.
  EXPECT_EQ(campaign().levels, 1);
  EXPECT_EQ(campaign().levelCount, 1);
}

TEST_F(EditorSave, FailsWhenTheFileCannotBeOpened) {
  appendLevel(true, 12);
  EXPECT_EQ(saveCampaign(campaign(), path("missing/quib.qbf").c_str()), 1);
  EXPECT_EQ(saveCampaign(campaign(), dir_.c_str()), 1) << "a directory is not a file";
  EXPECT_EQ(saveCampaign(campaign(), ""), 1);
}

TEST_F(EditorSave, AWriteThatFailsPartWayIsReportedAndLeavesTheOldFile) {
  const std::string file = path("quib_big.qbf");
  const std::string before = "name Kept\ndesc Small\nlevels 0\nlives 1\n";
  writeFile(file, before);
  for (int i = 0; i < 20; ++i) {
    Level& l = appendLevel(true, 50);
    for (int x = 0; x < MaxWidth; ++x)
      for (int y = 1; y < MaxHeight; ++y) l.cell[x][y] = Cell{Coin, 2};
  }

  // A file size limit makes the write stop part-way, as a full disk would.
  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 1000;
  void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const int result = saveCampaign(campaign(), file.c_str());
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(result, 1);
  EXPECT_EQ(readFile(file), before);
  EXPECT_EQ(strayFiles({"quib_big.qbf"}), 0);
}

TEST_F(EditorSave, AWriteErrorOnADeviceIsReported) {
  appendLevel(true, 12);
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  EXPECT_EQ(saveCampaign(campaign(), "/dev/full"), 1);
}

}  // namespace
