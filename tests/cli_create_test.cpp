// The console campaign creation, driven through the built program with
// real standard input and output ("quib -S<file>").
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "cli_support.h"
#include "data/campaign_io.h"

namespace {

using cli::readFile;
using cli::RunResult;
using cli::writeFile;

const std::string OldContents = "name Old\ndesc Keep me\nlevels 0\nlives 2\n";

std::string campaignText(const std::string& name, const std::string& desc) {
  return "name " + name + "\ndesc " + desc + "\nlevels 0\nlives 0\n";
}

// Runs "quib <arg>" in `workDir` as an ordinary user, so that the
// permissions of files and directories hold: a test run by root drops to
// the unprivileged user "nobody" first.
RunResult runAsOrdinaryUser(const cli::fs::path& workDir, const std::string& arg,
                            const std::string& input) {
  cli::ScratchDir io;
  const cli::fs::path inPath = io.path / "in", outPath = io.path / "out";
  writeFile(inPath, input);
  // The build tree may lie where that user cannot reach (a checkout under
  // /root): run a copy of the program from the scratch folder instead.
  const cli::fs::path program = io.path / "quib";
  cli::fs::copy_file(QUIB_BINARY, program);
  chmod(io.path.c_str(), 0755);
  chmod(program.c_str(), 0755);
  RunResult result;
  const pid_t pid = fork();
  if (pid == 0) {
    const int in = open(inPath.c_str(), O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || chdir(workDir.c_str()) != 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(126);
    unsetenv("DISPLAY");
    execl(program.c_str(), program.c_str(), arg.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int wstatus = 0;
  if (pid > 0 && waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus)) result.status = WEXITSTATUS(wstatus);
  result.out = cli::readFile(outPath);
  return result;
}

class CreateTool : public ::testing::Test {
 protected:
  cli::ScratchDir dir;
  cli::fs::path file() const { return dir.path / "camp.qbf"; }

  RunResult create(const std::string& input, const std::string& arg = "-Scamp.qbf") {
    return cli::runQuib(dir.path, {arg}, input);
  }
};

TEST_F(CreateTool, WritesTheFourHeaderLinesExactly) {
  RunResult r = create("Demo\nFirst try\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "camp.qbf\nName: Description: ");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(readFile(file()), campaignText("Demo", "First try"));
  // Nothing else is left in the directory (no temporary file).
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"camp.qbf"});

  // The file is a campaign the reader accepts, with no levels.
  static Campaign campaign;
  std::ifstream in(file());
  ASSERT_EQ(readCampaign(in, campaign), 0);
  EXPECT_STREQ(campaign.name, "Demo");
  EXPECT_STREQ(campaign.desc, "First try");
  EXPECT_EQ(campaign.levelCount, 0);
}

TEST_F(CreateTool, NewFileGetsTheUsualPermissions) {
  ASSERT_EQ(create("Demo\nd\n").status, 0);
  struct stat info;
  ASSERT_EQ(stat(file().c_str(), &info), 0);
  mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST_F(CreateTool, NameLengthLimitIsTwenty) {
  const std::string twenty(20, 'N');
  EXPECT_EQ(create(twenty + "\nd\n").status, 0);
  EXPECT_EQ(readFile(file()), campaignText(twenty, "d"));

  cli::fs::remove(file());
  RunResult r = create(twenty + "X\nd\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "camp.qbf\nName: Name too long.\n");
  EXPECT_FALSE(cli::fs::exists(file()));  // a file the tool made itself is removed again
  EXPECT_TRUE(dir.entries().empty());

  EXPECT_EQ(create(std::string(5000, 'N') + "\nd\n").status, 1);
}

TEST_F(CreateTool, DescriptionLengthLimitIsEighty) {
  const std::string eighty(80, 'd');
  EXPECT_EQ(create("n\n" + eighty + "\n").status, 0);
  EXPECT_EQ(readFile(file()), campaignText("n", eighty));

  cli::fs::remove(file());
  RunResult r = create("n\n" + eighty + "d\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "camp.qbf\nName: Description: Description too long.\n");
  EXPECT_TRUE(dir.entries().empty());
}

TEST_F(CreateTool, EmptyLinesRepeatTheQuestion) {
  RunResult r = create("\n\nDemo\n\r\n\nSecond\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "camp.qbf\nName: Name: Name: Description: Description: Description: ");
  EXPECT_EQ(readFile(file()), campaignText("Demo", "Second"));
}

TEST_F(CreateTool, AnswersAreStoredExactlyAsTyped) {
  EXPECT_EQ(create("  Two  Words \n\t tabbed  desc \n").status, 0);
  EXPECT_EQ(readFile(file()), campaignText("  Two  Words ", "\t tabbed  desc "));
}

TEST_F(CreateTool, CarriageReturnBeforeLineFeedIsNotStored) {
  const std::string twenty(20, 'N');
  EXPECT_EQ(create(twenty + "\r\n" + std::string(80, 'd') + "\r\n").status, 0);
  EXPECT_EQ(readFile(file()), campaignText(twenty, std::string(80, 'd')));
  // A carriage return elsewhere in the line is an ordinary character.
  EXPECT_EQ(create("a\rb\nd\n").status, 0);
  EXPECT_EQ(readFile(file()), campaignText("a\rb", "d"));
}

TEST_F(CreateTool, LastLineWithoutLineEndIsAnAnswer) {
  EXPECT_EQ(create("Demo\nNo line end").status, 0);
  EXPECT_EQ(readFile(file()), campaignText("Demo", "No line end"));
}

TEST_F(CreateTool, EmptyFileNameIsRefused) {
  RunResult r = create("Demo\nd\n", "-S");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "No filename given.\n");
  EXPECT_TRUE(dir.entries().empty());
}

TEST_F(CreateTool, UnwritableTargetsAreReportedBeforeAnyQuestion) {
  for (const char* name : {"nodir/camp.qbf", "sub", "sub/"}) {
    cli::fs::create_directory(dir.path / "sub");
    RunResult r = create("Demo\nd\n", std::string("-S") + name);
    EXPECT_EQ(r.status, 1) << name;
    EXPECT_EQ(r.out, std::string(name) + "\nCouldn't create file for writing.\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"sub"});
    EXPECT_TRUE(cli::fs::is_empty(dir.path / "sub"));
  }
}

TEST_F(CreateTool, ExistingFileIsKeptUntilBothAnswersAreAccepted) {
  struct Case {
    const char* what;
    std::string input;
    std::string out;
  } cases[] = {
      {"name refused", std::string(21, 'n') + "\nd\n", "camp.qbf\nName: Name too long.\n"},
      {"description refused", "n\n" + std::string(81, 'd') + "\n",
       "camp.qbf\nName: Description: Description too long.\n"},
      {"no input", "", "camp.qbf\nName: "},
      {"only empty lines", "\n\n", "camp.qbf\nName: Name: Name: "},
      {"input ends before the description", "Demo\n", "camp.qbf\nName: Description: "},
      {"input ends after empty descriptions", "Demo\n\n", "camp.qbf\nName: Description: Description: "},
  };
  for (const Case& c : cases) {
    writeFile(file(), OldContents);
    RunResult r = create(c.input);
    EXPECT_EQ(r.status, 1) << c.what;
    EXPECT_EQ(r.out, c.out) << c.what;
    EXPECT_EQ(readFile(file()), OldContents) << c.what;
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"camp.qbf"}) << c.what;
  }
}

TEST_F(CreateTool, WritableFileInADirectoryClosedToNewFilesIsRewritten) {
  // The file may be written, but no file can be made beside it: the new
  // campaign goes into the file itself, still only once both answers are in.
  const cli::fs::path shared = dir.path / "shared";
  const cli::fs::path target = shared / "camp.qbf";
  cli::fs::create_directory(shared);
  chmod(dir.path.c_str(), 0755);
  writeFile(target, OldContents);
  chmod(target.c_str(), 0666);
  chmod(shared.c_str(), 0555);

  RunResult r = runAsOrdinaryUser(dir.path, "-Sshared/camp.qbf", std::string(21, 'n') + "\nd\n");
  ASSERT_NE(r.status, 126) << "cannot run as an ordinary user";
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "shared/camp.qbf\nName: Name too long.\n");
  EXPECT_EQ(readFile(target), OldContents);

  r = runAsOrdinaryUser(dir.path, "-Sshared/camp.qbf", "Demo\nFirst try\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "shared/camp.qbf\nName: Description: ");
  EXPECT_EQ(readFile(target), campaignText("Demo", "First try"));
  chmod(shared.c_str(), 0755);
  // No temporary file is left beside it.
  std::vector<std::string> names;
  for (const auto& entry : cli::fs::directory_iterator(shared)) names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"camp.qbf"});
}

TEST_F(CreateTool, EndOfInputBeforeAnAnswerLeavesNoNewFile) {
  RunResult r = cli::runQuib(dir.path, {"-Scamp.qbf"}, "", /*noInput=*/true);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "camp.qbf\nName: ");
  EXPECT_TRUE(dir.entries().empty());

  r = create("Demo\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(dir.entries().empty());
}

TEST_F(CreateTool, ExistingFileIsReplacedKeepingItsPermissions) {
  writeFile(file(), OldContents + std::string(500, '#'));
  chmod(file().c_str(), 0640);
  EXPECT_EQ(create("New\nfresh\n").status, 0);
  EXPECT_EQ(readFile(file()), campaignText("New", "fresh"));
  struct stat info;
  ASSERT_EQ(stat(file().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(CreateTool, SymbolicLinkKeepsPointingAtTheRewrittenFile) {
  cli::fs::create_directory(dir.path / "real");
  writeFile(dir.path / "real" / "target.qbf", OldContents);
  cli::fs::create_symlink("real/target.qbf", dir.path / "link.qbf");
  EXPECT_EQ(create("Linked\nd\n", "-Slink.qbf").status, 0);
  EXPECT_TRUE(cli::fs::is_symlink(dir.path / "link.qbf"));
  EXPECT_EQ(readFile(dir.path / "real" / "target.qbf"), campaignText("Linked", "d"));
}

TEST_F(CreateTool, DanglingSymbolicLinkIsLeftAlone) {
  cli::fs::create_symlink("missing/target.qbf", dir.path / "link.qbf");
  RunResult r = create("Linked\nd\n", "-Slink.qbf");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "link.qbf\nCouldn't create file for writing.\n");
  EXPECT_TRUE(cli::fs::is_symlink(dir.path / "link.qbf"));
}

TEST_F(CreateTool, APipeIsNotAFileToReplace) {
  // Opening the pipe to check it would wait for a reader; the rename would
  // swap it for a plain file.
  ASSERT_EQ(mkfifo(file().c_str(), 0644), 0);
  RunResult r = create("Demo\nd\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "camp.qbf\nCouldn't create file for writing.\n");
  EXPECT_EQ(cli::fs::status(file()).type(), cli::fs::file_type::fifo);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"camp.qbf"});
}

TEST_F(CreateTool, OptionsAfterCreationAreNeverExamined) {
  // "-Eother" would open the editor and need a display; the creation runs instead.
  RunResult r = cli::runQuib(dir.path, {"-Scamp.qbf", "-Eother"}, "Demo\nd\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(readFile(file()), campaignText("Demo", "d"));
  r = cli::runQuib(dir.path, {"-Eother", "-L3", "-Scamp.qbf"}, "Again\nd\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(readFile(file()), campaignText("Again", "d"));
  EXPECT_FALSE(cli::fs::exists(dir.path / "other"));
}

}  // namespace
