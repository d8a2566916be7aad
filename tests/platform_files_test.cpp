// The Linux side of the file seam: the folder of a path, links, unique
// temporary files and renaming over an existing file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <string>

#include "cli_support.h"
#include "platform/i_files.h"

namespace {

namespace fs = cli::fs;

TEST(FolderOf, KeepsTheFolderWithItsSeparatorAndNothingForABareName) {
  EXPECT_EQ(folderOf("levels/mine/quib_x.qbf"), "levels/mine/");
  EXPECT_EQ(folderOf("/quib_x.qbf"), "/");
  EXPECT_EQ(folderOf("quib_x.qbf"), "");
  // A backslash is part of a name here, and so is a drive-like prefix.
  EXPECT_EQ(folderOf("a\\b.qbf"), "");
  EXPECT_EQ(folderOf("C:quib.qbf"), "");
  EXPECT_TRUE(isFolderSeparator('/'));
  EXPECT_FALSE(isFolderSeparator('\\'));
  EXPECT_EQ(systemLineEnds("name x\nlevels 0\n"), "name x\nlevels 0\n");
  EXPECT_EQ(installedCampaignFolder(), nullptr);
}

TEST(Links, OnlyAFollowableLinkResolves) {
  cli::ScratchDir dir;
  cli::writeFile(dir.path / "real.qbf", "x");
  fs::create_symlink(dir.path / "real.qbf", dir.path / "link.qbf");
  fs::create_symlink("nowhere.qbf", dir.path / "dangling.qbf");
  std::string resolved = "unchanged";
  EXPECT_EQ(followLink((dir.path / "real.qbf").c_str(), resolved), 1);
  EXPECT_EQ(followLink((dir.path / "dangling.qbf").c_str(), resolved), 1);
  EXPECT_EQ(resolved, "unchanged");
  EXPECT_TRUE(isSymbolicLink((dir.path / "dangling.qbf").c_str()));
  EXPECT_FALSE(isSymbolicLink((dir.path / "real.qbf").c_str()));
  EXPECT_EQ(followLink((dir.path / "link.qbf").c_str(), resolved), 0);
  EXPECT_EQ(resolved, fs::canonical(dir.path / "real.qbf").string());
}

TEST(UniqueFiles, EachIsNewEmptyAndNamedFromThePattern) {
  cli::ScratchDir dir;
  std::set<std::string> names;
  for (int i = 0; i < 3; ++i) {
    std::string name = (dir.path / ".quib-new-XXXXXX").string();
    const int fd = createUniqueFile(name);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(flushToDisk(fd), 0);
    ::close(fd);
    EXPECT_EQ(name.find("XXXXXX"), std::string::npos);
    EXPECT_EQ(fs::file_size(name), 0u);
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 3u);
}

TEST(RenameOver, ReplacesAnExistingFileInOneStep) {
  cli::ScratchDir dir;
  cli::writeFile(dir.path / "old.qbf", "old");
  cli::writeFile(dir.path / "new.qbf", "new");
  EXPECT_EQ(renameOver((dir.path / "new.qbf").c_str(), (dir.path / "old.qbf").c_str()), 0);
  EXPECT_EQ(cli::readFile(dir.path / "old.qbf"), "new");
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"old.qbf"});
  EXPECT_EQ(renameOver((dir.path / "gone.qbf").c_str(), (dir.path / "old.qbf").c_str()), 1);
}

}  // namespace
