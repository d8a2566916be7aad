// The level workbench quib-lab, run as a level maker runs it: its help, a
// trace of a shipped level, its refusals, and the report's default folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli_support.h"

namespace {

const std::string kCampaign = std::string(QUIB_CAMPAIGN_DIR) + "/quib_beginner.qbf";
const std::string kSolution = std::string(QUIB_CAMPAIGN_DIR) + "/quib_beginner.qbf.1.txt";

cli::RunResult lab(const cli::fs::path& dir, const std::vector<std::string>& args) {
  return cli::runProgram(QUIB_LAB_BINARY, dir, args, "", true);
}

TEST(LabTool, HelpAndATraceOfAShippedLevel) {
  cli::ScratchDir dir;
  for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"-h"}, {"--help"}}) {
    const cli::RunResult r = lab(dir.path, args);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.empty()) << r.err;
    for (const char* part : {"PROVING A LEVEL CAN BE WON", "FINDING A WINNING ROUTE", "MEASURING A CAMPAIGN",
                             "quib-lab trace", "quib-lab search", "quib-lab beam", "quib-lab report"})
      EXPECT_NE(r.out.find(part), std::string::npos) << part;
  }
  const cli::RunResult r = lab(dir.path, {"trace", kCampaign, "1", kSolution});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Exited frames=", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("  press 1 at "), std::string::npos) << r.out;
  // Timing room is counted up to 15 frames either way, as the output says.
  EXPECT_NE(r.out.find("up to 15 frames:\n  press 1 at 20: -15..+15\n"), std::string::npos) << r.out;
}

TEST(LabTool, FaultsEndWithOneLineOnStderrAndStatus1) {
  cli::ScratchDir dir;
  cli::writeFile(dir.path / "bad.txt", "10 jump\n");
  const std::vector<std::vector<std::string>> cases = {
      {"bogus"},
      {"trace", kCampaign},
      {"trace", kCampaign, "0"},
      {"trace", kCampaign, "1", "bad.txt"},
      {"trace", "missing.qbf", "1"},
      {"search", kCampaign, "1", "-n", "3-1"},
      {"search", kCampaign, "1", "-k", "up,jump"},
      {"search", kCampaign, "1", "-z"},
      {"beam", kCampaign, "1", "-K", "0"},
      {"report"},
      {"report", "-l", "999", kCampaign},
  };
  for (const std::vector<std::string>& args : cases) {
    const cli::RunResult r = lab(dir.path, args);
    const std::string what = args[0] + (args.size() > 1 ? " " + args.back() : "");
    EXPECT_EQ(r.status, 1) << what;
    EXPECT_EQ(r.err.rfind("quib-lab: ", 0), 0u) << what << ": " << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << what << ": " << r.err;
  }
}

// Outside a source tree the report reads a level's winning script from the
// campaign's folder, and shows the idea of its first line as one table cell.
TEST(LabTool, ReportReadsScriptsBesideTheCampaign) {
  cli::ScratchDir dir;
  cli::fs::create_directory(dir.path / "mine");
  cli::fs::copy_file(kCampaign, dir.path / "mine" / "quib_beginner.qbf");
  std::string script = cli::readFile(kSolution);
  if (script.rfind("#", 0) == 0) script.erase(0, script.find('\n') + 1);
  cli::writeFile(dir.path / "mine" / "quib_beginner.qbf.1.txt", "# Left | right\n" + script);
  const cli::RunResult r = lab(dir.path, {"report", "-n", "0", "-l", "1", "mine/quib_beginner.qbf"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("| Left \\| right |"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("NOT WON"), std::string::npos) << r.out;
}

// A range of one value is a range ("-n 2" and "-f 5-5"), and a key held
// over several frames is one press in the report.
TEST(LabTool, OneValueRangesAndHeldKeys) {
  cli::ScratchDir dir;
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"search", kCampaign, "1", "-n", "2", "-t", "2", "-q"},
        {"search", kCampaign, "1", "-n", "1-1", "-f", "5-5", "-t", "2", "-q"}}) {
    const cli::RunResult r = lab(dir.path, args);
    EXPECT_EQ(r.status, 0) << args[4] << " " << args[5] << ": " << r.err;
  }
  cli::fs::copy_file(kCampaign, dir.path / "quib_beginner.qbf");
  cli::writeFile(dir.path / "quib_beginner.qbf.1.txt", "20 right\n21 right\n22 right\n");
  const cli::RunResult r = lab(dir.path, {"report", "-n", "0", "-l", "1", "quib_beginner.qbf"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("| 1 | 0 0/0/0/0 | 0 | 0 | 1 | 1 (1) |"), std::string::npos) << r.out;
}

}  // namespace
