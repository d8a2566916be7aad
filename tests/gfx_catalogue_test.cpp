// The campaign catalogue: the slot rules (reserved difficulty slots,
// duplicates, the limit on other campaigns, removal and the wrapping wheel
// order) and the search of the current directory for campaign files.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <string>
#include <vector>

#include "shell/i_catalogue.h"
#include "test_bitmap.h"

namespace {

namespace fs = std::filesystem;

CampaignHeader header(const char* name, const char* path = "") {
  CampaignHeader h;
  std::memset(&h, 0, sizeof h);
  std::strncpy(h.name, name, sizeof h.name - 1);
  std::strncpy(h.path, path, sizeof h.path - 1);
  return h;
}

// The five difficulty campaigns in their slots.
void addDifficulties(CampaignCatalogue& c) {
  for (int i = 0; i < RequiredCampaigns; ++i)
    ASSERT_EQ(catalogueAdd(c, header(difficultyNames[i]), i), i);
}

std::string extraName(int i) { return "EXTRA " + std::to_string(i); }

class Catalogue : public ::testing::Test {
 protected:
  void SetUp() override { clearCatalogue(c); }
  CampaignCatalogue c;
};

TEST(DifficultySlot, ExactNamesOnly) {
  EXPECT_EQ(difficultySlot("BEGINNER"), 0);
  EXPECT_EQ(difficultySlot("EASY"), 1);
  EXPECT_EQ(difficultySlot("INTERMEDIATE"), 2);
  EXPECT_EQ(difficultySlot("HARD"), 3);
  EXPECT_EQ(difficultySlot("MASTER"), 4);
  for (const char* other : {"easy", "EASY ", " EASY", "EAS", "MASTERS", "", "First Steps"})
    EXPECT_EQ(difficultySlot(other), -1) << "'" << other << "'";
  EXPECT_EQ(difficultySlot(nullptr), -1);
}

TEST_F(Catalogue, OtherCampaignsFillFromSlotFiveInTheOrderFound) {
  EXPECT_EQ(catalogueAdd(c, header("Zeta"), -1), 5);
  EXPECT_EQ(catalogueAdd(c, header("Alpha"), -1), 6);
  EXPECT_EQ(catalogueAdd(c, header("Mid"), -1), 7);
  EXPECT_STREQ(c.slot[5].name, "Zeta");
  EXPECT_STREQ(c.slot[6].name, "Alpha");
  EXPECT_STREQ(c.slot[7].name, "Mid");
  for (int i = 0; i < RequiredCampaigns; ++i) EXPECT_EQ(c.inUse[i], 0) << i;
}

TEST_F(Catalogue, DifficultyCampaignsTakeTheirReservedSlotsWhenFoundLate) {
  catalogueAdd(c, header("One"), -1);
  catalogueAdd(c, header("Two"), -1);
  EXPECT_EQ(catalogueAdd(c, header("MASTER"), difficultySlot("MASTER")), 4);
  EXPECT_EQ(catalogueAdd(c, header("BEGINNER"), difficultySlot("BEGINNER")), 0);
  EXPECT_TRUE(requiredCampaignsMissing(c));
  EXPECT_EQ(catalogueAdd(c, header("HARD"), 3), 3);
  EXPECT_EQ(catalogueAdd(c, header("EASY"), 1), 1);
  EXPECT_EQ(catalogueAdd(c, header("INTERMEDIATE"), 2), 2);
  EXPECT_FALSE(requiredCampaignsMissing(c));
  EXPECT_STREQ(c.slot[5].name, "One");
  EXPECT_STREQ(c.slot[6].name, "Two");
}

TEST_F(Catalogue, TheFirstOfTwoEqualNamesStays) {
  EXPECT_EQ(catalogueAdd(c, header("EASY", "quib_first.qbf"), 1), 1);
  EXPECT_EQ(catalogueAdd(c, header("EASY", "quib_second.qbf"), 1), -1);
  EXPECT_STREQ(c.slot[1].path, "quib_first.qbf");
  EXPECT_EQ(catalogueAdd(c, header("Side", "a"), -1), 5);
  EXPECT_EQ(catalogueAdd(c, header("Side", "b"), -1), -1);
  EXPECT_EQ(c.inUse[6], 0);
  // The comparison is exact: a different case is another campaign.
  EXPECT_EQ(catalogueAdd(c, header("side"), -1), 6);
}

TEST_F(Catalogue, NinetyFourOtherCampaignsFitAndTheRestAreSkipped) {
  for (int i = 0; i < CatalogueSlots - RequiredCampaigns; ++i)
    ASSERT_EQ(catalogueAdd(c, header(extraName(i).c_str()), -1), RequiredCampaigns + i);
  EXPECT_EQ(catalogueAdd(c, header("ONE TOO MANY"), -1), -1);
  // The reserved slots stay free for the difficulty campaigns.
  EXPECT_TRUE(requiredCampaignsMissing(c));
  addDifficulties(c);
  EXPECT_FALSE(requiredCampaignsMissing(c));
  EXPECT_EQ(catalogueAdd(c, header("STILL TOO MANY"), -1), -1);
}

TEST_F(Catalogue, APreferredSlotOutOfRangeStoresNothing) {
  EXPECT_EQ(catalogueAdd(c, header("A"), CatalogueSlots), -1);
  EXPECT_EQ(catalogueAdd(c, header("A"), -2), -1);
  for (int i = 0; i < CatalogueSlots; ++i) EXPECT_EQ(c.inUse[i], 0);
}

TEST_F(Catalogue, RemovalShiftsTheLaterSlotsDownInOrder) {
  addDifficulties(c);
  for (int i = 0; i < 4; ++i) catalogueAdd(c, header(extraName(i).c_str()), -1);  // slots 5..8
  catalogueRemove(c, 6);
  EXPECT_STREQ(c.slot[5].name, "EXTRA 0");
  EXPECT_STREQ(c.slot[6].name, "EXTRA 2");
  EXPECT_STREQ(c.slot[7].name, "EXTRA 3");
  EXPECT_EQ(c.inUse[7], 1);
  EXPECT_EQ(c.inUse[8], 0);
  // The removed name can come back, at the end.
  EXPECT_EQ(catalogueAdd(c, header("EXTRA 1"), -1), 8);
}

TEST_F(Catalogue, RemovingFromAFullCatalogueFreesTheLastSlot) {
  addDifficulties(c);
  for (int i = 0; i < CatalogueSlots - RequiredCampaigns; ++i)
    catalogueAdd(c, header(extraName(i).c_str()), -1);
  catalogueRemove(c, CatalogueSlots - 1);
  EXPECT_EQ(c.inUse[CatalogueSlots - 1], 0);
  EXPECT_STREQ(c.slot[CatalogueSlots - 2].name, extraName(92).c_str());
  catalogueRemove(c, 5);
  EXPECT_STREQ(c.slot[5].name, "EXTRA 1");
  EXPECT_EQ(c.inUse[CatalogueSlots - 2], 0);
  catalogueRemove(c, -1);  // out of range: nothing happens
  catalogueRemove(c, CatalogueSlots);
  EXPECT_STREQ(c.slot[5].name, "EXTRA 1");
}

TEST_F(Catalogue, NextAndPrevWrapAroundTheSlotsInUse) {
  addDifficulties(c);
  catalogueAdd(c, header("X"), -1);
  catalogueAdd(c, header("Y"), -1);  // slots 5 and 6
  EXPECT_EQ(catalogueNext(c, 2), 3);
  EXPECT_EQ(catalogueNext(c, 4), 5);
  EXPECT_EQ(catalogueNext(c, 6), 0);
  EXPECT_EQ(cataloguePrev(c, 0), 6);
  EXPECT_EQ(cataloguePrev(c, 5), 4);
  // Five steps forward and back with only the five: back where it began.
  CampaignCatalogue five;
  clearCatalogue(five);
  addDifficulties(five);
  int k = 2;
  for (int i = 0; i < 5; ++i) k = catalogueNext(five, k);
  EXPECT_EQ(k, 2);
  for (int i = 0; i < 5; ++i) k = cataloguePrev(five, k);
  EXPECT_EQ(k, 2);
  EXPECT_EQ(catalogueNext(five, 4), 0);
}

TEST_F(Catalogue, NextAndPrevSkipFreeSlotsAndStayWhenAlone) {
  EXPECT_EQ(catalogueNext(c, 2), 2);  // empty: nowhere to go
  EXPECT_EQ(cataloguePrev(c, 2), 2);
  catalogueAdd(c, header("HARD"), 3);
  EXPECT_EQ(catalogueNext(c, 3), 3);
  EXPECT_EQ(cataloguePrev(c, 3), 3);
  EXPECT_EQ(catalogueNext(c, 0), 3);
  catalogueAdd(c, header("Lone"), 40);
  EXPECT_EQ(catalogueNext(c, 3), 40);
  EXPECT_EQ(catalogueNext(c, 40), 3);
  EXPECT_EQ(cataloguePrev(c, 3), 40);
  EXPECT_EQ(cataloguePrev(c, 98), 40);
}

// ---- Reading headers from files and searching the current directory ----

const char* const soundLevel =
    "start level\nwidth 3\nheight 1\nlimit 20\nat 0 0 . 1\nat 2 0 * 2\ndone level\n";

std::string campaignText(const std::string& name, const std::string& desc = "A campaign") {
  return "name " + name + "\ndesc " + desc + "\nlevels 1\nlives 3\n\n" + soundLevel;
}

void writeFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

// A scratch directory made the current directory for the test, and the old
// one restored afterwards.
class CampaignFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    testbmp::initHeadlessAllegro();
    clearCatalogue(c);
    std::string name = (fs::temp_directory_path() / "quib-cat-XXXXXX").string();
    ASSERT_NE(mkdtemp(&name[0]), nullptr);
    dir = name;
    saved = fs::current_path();
    fs::current_path(dir);
  }
  void TearDown() override {
    fs::current_path(saved);
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }
  void writeFive() {
    for (int i = 0; i < RequiredCampaigns; ++i)
      writeFile(dir / ("quib_d" + std::to_string(i) + ".qbf"), campaignText(difficultyNames[i]));
  }
  // The current directory's matches of the pattern in the order the
  // directory lists them.
  std::vector<std::string> listedOrder() {
    std::vector<std::string> names;
    DIR* d = opendir(".");
    while (dirent* e = readdir(d)) {
      std::string n = e->d_name;
      if (n.size() >= 8 && n.compare(0, 4, "quib") == 0 && n.compare(n.size() - 4, 4, ".qbf") == 0)
        names.push_back(n);
    }
    closedir(d);
    return names;
  }
  int slotOfPath(const std::string& path) {
    for (int i = 0; i < CatalogueSlots; ++i)
      if (c.inUse[i] && path == c.slot[i].path) return i;
    return -1;
  }

  CampaignCatalogue c;
  fs::path dir, saved;
};

TEST_F(CampaignFiles, AddReadsTheHeaderAndKeepsPathAndLocation) {
  writeFile("quib_x.qbf", campaignText("Side Trip", "Off the main road."));
  EXPECT_EQ(addCampaignFile(c, "quib_x.qbf", 1), 5);
  EXPECT_STREQ(c.slot[5].path, "quib_x.qbf");
  EXPECT_STREQ(c.slot[5].name, "Side Trip");
  EXPECT_STREQ(c.slot[5].desc, "Off the main road.");
  EXPECT_EQ(c.slot[5].location, 1);
  writeFile("quib_e.qbf", campaignText("EASY"));
  EXPECT_EQ(addCampaignFile(c, "quib_e.qbf", 0), 1);
}

TEST_F(CampaignFiles, FilesWhoseHeaderDoesNotReadAreSkipped) {
  writeFile("quib_empty.qbf", "");
  writeFile("quib_noname.qbf", "desc no name line\nlevels 1\nlives 1\n");
  writeFile("quib_nodesc.qbf", "name HARD\nlevels 1\n");
  writeFile("quib_long.qbf", "name " + std::string(40, 'N') + "\ndesc x\n");
  for (const char* f : {"quib_empty.qbf", "quib_noname.qbf", "quib_nodesc.qbf", "quib_long.qbf", "quib_gone.qbf"})
    EXPECT_EQ(addCampaignFile(c, f, 0), -1) << f;
  for (int i = 0; i < CatalogueSlots; ++i) EXPECT_EQ(c.inUse[i], 0);
  // Broken levels do not matter here: only the header is read.
  writeFile("quib_broken.qbf", "name Broken\ndesc levels to come\nlevels 9\nlives x\n");
  EXPECT_EQ(addCampaignFile(c, "quib_broken.qbf", 0), 5);
}

TEST_F(CampaignFiles, APathIsCutTo256CharactersAndTerminated) {
  writeFile("quib_ok.qbf", campaignText("Fine"));
  // 256 characters that name the file: "././.../" then "/quib_ok.qbf".
  std::string exact;
  for (int i = 0; i < 122; ++i) exact += "./";
  exact += "/quib_ok.qbf";
  ASSERT_EQ(exact.size(), 256u);
  // Anything past the 256th character is dropped, so the longer name opens
  // the file the cut path names.
  const std::string longer = exact + "-and-more-that-is-not-kept";
  EXPECT_EQ(addCampaignFile(c, longer.c_str(), 0), 5);
  EXPECT_EQ(std::string(c.slot[5].path), exact);
  EXPECT_EQ(c.slot[5].path[256], '\0');
  EXPECT_STREQ(c.slot[5].name, "Fine");
}

TEST_F(CampaignFiles, TheSearchFindsMatchingFilesInDirectoryOrder) {
  writeFive();
  writeFile("quib_side1.qbf", campaignText("Side One"));
  writeFile("quib_side2.qbf", campaignText("Side Two"));
  writeFile("quib_side3.qbf", campaignText("Side Three"));
  writeFile("other.qbf", campaignText("Not Matching"));
  writeFile("quib_x.txt", campaignText("Wrong Extension"));
  fs::create_directory("quib_folder.qbf");
  scanCampaigns(c);
  EXPECT_FALSE(requiredCampaignsMissing(c));
  for (int i = 0; i < RequiredCampaigns; ++i) {
    EXPECT_STREQ(c.slot[i].name, difficultyNames[i]);
    EXPECT_EQ(c.slot[i].location, 0);
  }
  // The others follow in the order the directory lists them.
  std::vector<std::string> expected;
  for (const std::string& n : listedOrder())
    if (n.compare(0, 9, "quib_side") == 0) expected.push_back(n);
  ASSERT_EQ(expected.size(), 3u);
  int found = 0;  // in the current directory (shared places may add more)
  for (int i = 0; i < CatalogueSlots; ++i) found += c.inUse[i] && c.slot[i].location == 0;
  EXPECT_EQ(found, 8);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(slotOfPath(expected[i]), 5 + i) << expected[i];
}

TEST_F(CampaignFiles, TheFirstFileWithANameWinsAndTheLaterIsIgnored) {
  writeFive();
  writeFile("quib_easy_copy.qbf", campaignText("EASY", "the copy"));
  writeFile("quib_twin_a.qbf", campaignText("Twin", "a"));
  writeFile("quib_twin_b.qbf", campaignText("Twin", "b"));
  scanCampaigns(c);
  std::string firstEasy, firstTwin;
  for (const std::string& n : listedOrder()) {
    if (firstEasy.empty() && (n == "quib_d1.qbf" || n == "quib_easy_copy.qbf")) firstEasy = n;
    if (firstTwin.empty() && (n == "quib_twin_a.qbf" || n == "quib_twin_b.qbf")) firstTwin = n;
  }
  EXPECT_EQ(slotOfPath(firstEasy), 1);
  EXPECT_EQ(slotOfPath(firstTwin), 5);
  EXPECT_EQ(c.inUse[6], 0);
}

TEST_F(CampaignFiles, AMissingOrUnreadableDifficultyCampaignIsReported) {
  writeFive();
  fs::remove("quib_d3.qbf");
  scanCampaigns(c);
  EXPECT_TRUE(requiredCampaignsMissing(c));
  EXPECT_EQ(c.inUse[3], 0);

  clearCatalogue(c);
  writeFile("quib_d3.qbf", "nome HARD\ndesc typo in the first keyword\n");
  scanCampaigns(c);
  EXPECT_TRUE(requiredCampaignsMissing(c));

  clearCatalogue(c);
  writeFile("quib_d3.qbf", campaignText("HARD"));
  scanCampaigns(c);
  EXPECT_FALSE(requiredCampaignsMissing(c));
}

TEST_F(CampaignFiles, ReadOnlyFilesAreFound) {
  // Shared campaigns are usually not writable by the player, and the
  // search must still find them.
  writeFive();
  for (int i = 0; i < RequiredCampaigns; ++i)
    chmod(("quib_d" + std::to_string(i) + ".qbf").c_str(), 0444);
  scanCampaigns(c);
  EXPECT_FALSE(requiredCampaignsMissing(c));
}

TEST_F(CampaignFiles, PipesAndDevicesAreSkippedWithoutWaitingOnThem) {
  // A named pipe would keep the search waiting for a writer, and a link to
  // an endless device would be read for ever: neither is a campaign file.
  writeFive();
  ASSERT_EQ(mkfifo("quib_pipe.qbf", 0644), 0);
  fs::create_symlink("/dev/zero", "quib_zero.qbf");
  const pid_t pid = fork();
  if (pid == 0) {
    scanCampaigns(c);
    const bool skipped = slotOfPath("quib_pipe.qbf") < 0 && slotOfPath("quib_zero.qbf") < 0;
    _exit(!requiredCampaignsMissing(c) && skipped ? 0 : 2);
  }
  ASSERT_GT(pid, 0);
  int status = 0;
  bool ended = false;
  for (int i = 0; i < 100 && !ended; ++i) {
    ended = waitpid(pid, &status, WNOHANG) == pid;
    if (!ended) usleep(50000);
  }
  if (!ended) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  ASSERT_TRUE(ended) << "the search did not end within 5 seconds";
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "a pipe or device was taken for a campaign";
  // Adding one directly is refused too.
  EXPECT_EQ(addCampaignFile(c, "quib_zero.qbf", 0), -1);
}

TEST_F(CampaignFiles, OnCampaignFileOutsideASearchAddsNothing) {
  writeFile("quib_x.qbf", campaignText("Side"));
  onCampaignFile("quib_x.qbf", 0, 0);
  scanCampaigns(c);  // the search itself still works afterwards
  EXPECT_EQ(slotOfPath("quib_x.qbf"), 5);
}

}  // namespace

namespace {

// Runs `work` in a child process as the unprivileged user "nobody" when the
// test runs as root (root reads a file whatever its mode); its exit status.
int runAsOrdinaryUser(const std::function<int()>& work) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(100);
    _exit(work());
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

// The player's folder with the five difficulty campaigns, many others, and
// beside them files the search must pass over without stopping: unreadable
// ones, a folder named like a campaign and a name too long to keep. The
// folder's own name is long, so that the last one is cut.
TEST_F(CampaignFiles, FilesThatCannotBeReadNeverEndTheSearchOfTheirFolder) {
  const std::string base = (dir / std::string(200, 'b')).string();
  const fs::path folder = base + "/quib";
  fs::create_directories(folder);
  for (fs::path p = folder; p != dir.parent_path(); p = p.parent_path())
    fs::permissions(p, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                           fs::perms::others_read | fs::perms::others_exec);
  // Unreadable names spread over the alphabet, so that some come before the
  // good files in any directory order.
  for (const char* name : {"quib_a.qbf", "quib_k.qbf", "quib_r.qbf", "quib_z.qbf", "quib0.qbf"}) {
    writeFile(folder / name, campaignText(name));
    chmod((folder / name).c_str(), 0);
  }
  fs::create_directory(folder / "quib_dir.qbf");
  chmod((folder / "quib_dir.qbf").c_str(), 0);
  const std::string cut = "quib_" + std::string(60, 'c') + ".qbf";
  writeFile(folder / cut, campaignText("Cut"));
  for (int i = 0; i < RequiredCampaigns; ++i)
    writeFile(folder / ("quib_d" + std::to_string(i) + ".qbf"), campaignText(difficultyNames[i]));
  for (int i = 0; i < 12; ++i)
    writeFile(folder / ("quib_s" + std::to_string(i) + ".qbf"), campaignText(extraName(i)));
  ASSERT_GT((folder / cut).string().size(), 256u);

  const int status = runAsOrdinaryUser([&] {
    setenv("XDG_DATA_HOME", base.c_str(), 1);
    scanCampaigns(c);
    // (The shared folder may hold difficulty campaigns of its own.)
    int found = 0;
    for (int i = 0; i < CatalogueSlots; ++i)
      found += c.inUse[i] && c.slot[i].location == 2 && std::strncmp(c.slot[i].name, "EXTRA", 5) == 0;
    if (requiredCampaignsMissing(c)) return 1;
    if (found != 12) return 2;
    if (!searchNamesTooLong(2) || searchNamesTooLong(0)) return 3;
    return 0;
  });
  EXPECT_EQ(status, 0) << "1: a difficulty campaign not found, 2: others missing, 3: long names not noted";
}

}  // namespace
