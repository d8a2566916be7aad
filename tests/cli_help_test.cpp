// "--help" and "--version": text on standard output and exit 0 before any
// window, wherever the program is started; they stop the scan where they
// stand, like the console tools.
#include <gtest/gtest.h>

#include <string>

#include "cli_support.h"
#include "shell/args.h"

using namespace cli;

TEST(HelpAndVersion, PrintAndExitZeroWithoutWindowOrCampaigns) {
  ScratchDir empty;  // no campaigns here: the game itself would stop
  RunResult help = runQuib(empty.path, {"--help"}, "", true);
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(help.out, usageText);
  // One line an option, in the order of the scan.
  size_t at = 0;
  for (const char* option : {"\n  -L", "\n  -E", "\n  -S", "\n  -R", "\n  -Z", "\n  -N", "\n  --help", "\n  --version"}) {
    const size_t found = help.out.find(option, at);
    ASSERT_NE(found, std::string::npos) << option;
    at = found + 1;
  }

  RunResult version = runQuib(empty.path, {"-Efile", "--version", "--help"}, "", true);
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.err, "");
  EXPECT_EQ(version.out, "quib 1.0.0\n");

  // A console tool met first wins; "--help" after it is never examined.
  ScratchDir dir;
  RunResult shuffle = runQuib(dir.path, {"-R", "--help"}, "", true);
  EXPECT_EQ(shuffle.out.find("usage"), std::string::npos);
  // Near misses are ignored like any other argument: the game starts and,
  // with no campaigns, stops.
  RunResult near = runQuib(empty.path, {"-help", "--Help", "--version=1"}, "", true);
  EXPECT_EQ(near.status, 1);
  EXPECT_EQ(near.out.find("usage"), std::string::npos);
}
