// Start-up without a window system: the game path must end with the window
// message and exit code 1, never crash. Arguments that match no option and
// "-N" change nothing about that.
#include <gtest/gtest.h>

#include "cli_support.h"

namespace {

TEST(StartUp, NoWindowSystemGivesTheWindowMessageAndExitCode1) {
  cli::ScratchDir dir;
  for (auto args : {std::vector<std::string>{}, {"-N", "-x", "--E"}, {"-Efoo", "-L3"}}) {
    cli::RunResult r = cli::runQuib(dir.path, args, "", /*noInput=*/true);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out + r.err, "Unable to create window.\n");
  }
  EXPECT_TRUE(dir.entries().empty());  // the editor never ran, nothing was written
}

}  // namespace
