// Start-up without a window system: the five difficulty campaigns are looked
// for before any window, then the game path must end with the window message
// and exit code 1, never crash. Arguments that match no option and "-N"
// change nothing about that.
#include <gtest/gtest.h>

#include <fstream>

#include "cli_support.h"

namespace {

const char* const kDifficulties[] = {"BEGINNER", "EASY", "INTERMEDIATE", "HARD", "MASTER"};

void writeDifficultyHeaders(const cli::fs::path& dir) {
  for (const char* name : kDifficulties) {
    std::ofstream(dir / (std::string("quib_") + name + ".qbf")) << "name " << name << "\ndesc d\nlevels 0\nlives 0\n";
  }
}

TEST(StartUp, NoWindowSystemGivesTheWindowMessageAndExitCode1) {
  cli::ScratchDir dir;
  writeDifficultyHeaders(dir.path);
  for (auto args : {std::vector<std::string>{}, {"-N", "-x", "--E"}}) {
    cli::RunResult r = cli::runQuib(dir.path, args, "", /*noInput=*/true);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out + r.err, "Unable to create window.\n");
  }
  EXPECT_EQ(dir.entries().size(), 5u);  // nothing was written
}

TEST(StartUp, MissingDifficultyCampaignIsReportedBeforeAnyWindow) {
  cli::ScratchDir dir;
  cli::RunResult r = cli::runQuib(dir.path, {}, "", /*noInput=*/true);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out + r.err, "Required level data missing or corrupt.\n");
  // The editor needs no campaigns on the search path.
  r = cli::runQuib(dir.path, {"-Efoo", "-L3"}, "", /*noInput=*/true);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out + r.err, "Unable to create window.\n");
  EXPECT_TRUE(dir.entries().empty());
}

}  // namespace
