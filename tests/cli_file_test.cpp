// Writing a file whole through a temporary file beside it: what happens to
// targets that cannot be replaced by a rename, in either mode.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "cli_support.h"
#include "tools/t_file.h"

namespace {

namespace fs = cli::fs;

class ReplaceFile : public ::testing::Test {
 protected:
  cli::ScratchDir dir;
  std::string path(const char* name) const { return (dir.path / name).string(); }
};

TEST_F(ReplaceFile, ALinkToNowhereIsWrittenThroughOrLeftAlone) {
  fs::create_symlink("target.qbf", dir.path / "link.qbf");
  const std::string link = path("link.qbf");

  EXPECT_EQ(replaceFileContents(link, "text\n", NoTemporary::Fail), 1);
  EXPECT_TRUE(fs::is_symlink(dir.path / "link.qbf"));
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"link.qbf"});

  EXPECT_EQ(replaceFileContents(link, "text\n", NoTemporary::WriteInPlace), 0);
  EXPECT_TRUE(fs::is_symlink(dir.path / "link.qbf")) << "the link must stay a link";
  EXPECT_EQ(cli::readFile(dir.path / "target.qbf"), "text\n");
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"link.qbf", "target.qbf"}));
}

TEST_F(ReplaceFile, APipeIsNeverSwappedForAPlainFile) {
  ASSERT_EQ(mkfifo(path("pipe").c_str(), 0644), 0);
  EXPECT_EQ(replaceFileContents(path("pipe"), "text\n", NoTemporary::Fail), 1);
  EXPECT_EQ(fs::status(dir.path / "pipe").type(), fs::file_type::fifo);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"pipe"});
}

TEST_F(ReplaceFile, ANewFileGetsTheUsualPermissionsAndNoTemporaryIsLeft) {
  const mode_t mask = umask(027);
  const int result = replaceFileContents(path("new.qbf"), "text\n", NoTemporary::Fail);
  umask(mask);
  ASSERT_EQ(result, 0);
  struct stat info;
  ASSERT_EQ(stat(path("new.qbf").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(cli::readFile(dir.path / "new.qbf"), "text\n");
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"new.qbf"});
}

TEST_F(ReplaceFile, ResolveLinkFollowsALinkToItsFileAndKeepsOtherNames) {
  cli::writeFile(dir.path / "real.qbf", "x");
  fs::create_symlink("real.qbf", dir.path / "link.qbf");
  fs::create_symlink("nowhere.qbf", dir.path / "dangling.qbf");
  EXPECT_EQ(resolveLink(path("link.qbf").c_str()), fs::canonical(dir.path / "real.qbf").string());
  EXPECT_EQ(resolveLink(path("dangling.qbf").c_str()), path("dangling.qbf"));
  EXPECT_EQ(resolveLink(path("real.qbf").c_str()), path("real.qbf"));
}

}  // namespace
