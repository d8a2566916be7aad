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
  EXPECT_NE(r.out.find(" | 1 (1) | 20 | 0 | no |"), std::string::npos) << r.out;
}

}  // namespace

namespace {

// A corridor of four cells (`start` the ball's column, `extra` more pieces
// as "at" lines), bounce edges all round, the exit at the east end.
std::string corridor(const char* name, int levels, const std::string& extra = "") {
  std::string text = std::string("name ") + name + "\ndesc Test.\nlevels " + std::to_string(levels) + "\nlives 3\n";
  const std::string room = "\nstart level\nwidth 6\nheight 3\nlimit 20\nbonus 10\nwall N B\nwall E B\nwall S B\nwall W B\n";
  text += room + "at 0 1 . 1\nat 5 1 * 1\ndone level\n";
  if (levels > 1) text += room + "at 1 1 . 1\n" + extra + "at 5 0 * 1\ndone level\n";
  return text;
}

// The detail of the report's verdict `what`, after "ok" or "MISS".
std::string verdictOf(const std::string& out, const std::string& what) {
  const size_t at = out.find(" " + what + " ");
  if (at == std::string::npos) return "(no verdict " + what + ")";
  const size_t begin = out.rfind("- ", at), end = out.find('\n', at);
  std::string line = out.substr(begin + 2, end - begin - 2);
  line.replace(line.find(what), what.size(), "");
  std::string squeezed;
  for (char c : line)
    if (c != ' ' || (!squeezed.empty() && squeezed.back() != ' ')) squeezed += c;
  return squeezed;
}

}  // namespace

// A player needs a calm start and time between presses: the report names
// the levels that lose with no key before frame 90, that want a press before
// frame 15 or two presses closer than 10 frames, and whose idea line is too
// long for a hint or speaks of pieces the game does not have.
TEST(LabTool, ReportChecksACalmStartAHumanRhythmAndTheIdeaLines) {
  cli::ScratchDir dir;
  cli::writeFile(dir.path / "quib_r.qbf", corridor("Rhythm", 2, "at 3 1 + 2\n"));
  cli::writeFile(dir.path / "quib_r.qbf.1.txt",
                 "# Gates? Drift right: one NUDGE is all it takes, and a second does no harm in the wells\n"
                 "5 right\n14 right\n");
  cli::writeFile(dir.path / "quib_r.qbf.2.txt", "# Sit still.\n");
  cli::RunResult r = lab(dir.path, {"report", "-n", "0", "quib_r.qbf"});
  EXPECT_EQ(r.status, 2) << r.err;
  EXPECT_NE(r.out.find("| 0 0/0/0/0 | 0 | 0 | 1 | time out 599 | 2 (1) | 5 | 9 | no | 40 | 18.7 s | 4 | 0.0% |"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("| lost 13 | 0 (0) | 0 | 0 | no | 0 | NOT WON |"), std::string::npos) << r.out;
  // A route of no presses has no first press and no closest two.
  EXPECT_NE(r.out.find("first press 5.0, closest two presses 9.0, exit frame 40.0;"), std::string::npos) << r.out;
  EXPECT_EQ(verdictOf(r.out, "no loss before frame 90 with no key"), "MISS 1 (2)");
  EXPECT_EQ(verdictOf(r.out, "first press at frame 15 or later"), "MISS 1 (1)");
  EXPECT_EQ(verdictOf(r.out, "presses at least 10 frames apart"), "MISS 1 (1)");
  EXPECT_EQ(verdictOf(r.out, "idea lines at most 64 characters"), "MISS 1 (1)");
  EXPECT_EQ(verdictOf(r.out, "idea lines in the game's words"), "MISS 1 (1 gates)");

  // At the bounds: a first press at 15, the next 10 frames on, an idea line
  // of 64 characters ("|" shown as "\|" counts once); "pending" holds "pen".
  cli::writeFile(dir.path / "quib_r.qbf", corridor("Rhythm", 1));
  const std::string idea = "A NUDGE right | pending, and the ball drifts on to the exit ring";
  ASSERT_EQ(idea.size(), 64u);
  cli::writeFile(dir.path / "quib_r.qbf.1.txt", "# " + idea + "\n15 right\n25 right\n");
  r = lab(dir.path, {"report", "-n", "1", "quib_r.qbf"});
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("first press 15.0, closest two presses 10.0, exit frame 50.0; random scripts won 1 of 1 (100.00%)"),
            std::string::npos)
      << r.out;
  for (const char* what : {"no loss before frame 90 with no key", "first press at frame 15 or later",
                           "presses at least 10 frames apart", "idea lines at most 64 characters",
                           "idea lines in the game's words"})
    EXPECT_EQ(verdictOf(r.out, what), "ok 0") << what;
}

// Given HARD and MASTER, MASTER must stand above HARD by every measure; the
// same levels and routes under both names stand level, which is not above.
TEST(LabTool, ReportWantsMasterAboveHard) {
  cli::ScratchDir dir;
  cli::writeFile(dir.path / "quib_h.qbf", corridor("HARD", 1));
  cli::writeFile(dir.path / "quib_m.qbf", corridor("MASTER", 1));
  cli::writeFile(dir.path / "quib_m.qbf.1.txt", "# NUDGE left and bounce back.\n15 left\n45 flip\n");
  cli::fs::copy_file(dir.path / "quib_m.qbf.1.txt", dir.path / "quib_h.qbf.1.txt");
  cli::RunResult r = lab(dir.path, {"report", "-n", "10", "quib_m.qbf", "quib_h.qbf"});
  EXPECT_EQ(verdictOf(r.out, "MASTER: fewer random wins than HARD"),
            "MISS median 90.0% -> 90.0%, overall 90.00% -> 90.00%");
  EXPECT_EQ(verdictOf(r.out, "MASTER: more presses than HARD"), "MISS 2.0 -> 2.0");
  EXPECT_EQ(verdictOf(r.out, "MASTER: longer routes than HARD (exit frame)"), "MISS 55.0 -> 55.0");
  EXPECT_EQ(verdictOf(r.out, "MASTER: margins no wider than HARD"), "ok 14.0 -> 14.0");

  cli::writeFile(dir.path / "quib_h.qbf.1.txt", "# NUDGE right.\n15 right\n");
  r = lab(dir.path, {"report", "-n", "10", "quib_h.qbf", "quib_m.qbf"});
  EXPECT_NE(r.out.find("closest two presses -, exit frame 50.0; random scripts won 9 of 10 (90.00%)"), std::string::npos)
      << r.out;
  EXPECT_EQ(verdictOf(r.out, "MASTER: more presses than HARD"), "ok 1.0 -> 2.0");
  EXPECT_EQ(verdictOf(r.out, "MASTER: longer routes than HARD (exit frame)"), "ok 50.0 -> 55.0");
  EXPECT_EQ(verdictOf(r.out, "MASTER: margins no wider than HARD"), "ok 14.0 -> 14.0");

  // Both medians 0% (two of three levels sealed off by hazards): fewer wins
  // over all levels is enough.
  const std::string sealed = "\nstart level\nwidth 6\nheight 3\nlimit 20\nwall E B\nwall W B\nat 0 1 . 1\nat 3 0 ! 1\nat 3 1 ! 1\n"
                             "at 3 2 ! 1\nat 5 1 * 1\ndone level\n";
  std::string hard = corridor("HARD", 1) + sealed + sealed, master = corridor("MASTER", 1);
  master.replace(master.find("at 0 1 . 1"), 0, "at 3 0 ! 1\nat 3 1 ! 1\nat 3 2 ! 1\n");
  master += sealed + sealed;
  for (std::string* text : {&hard, &master}) text->replace(text->find("levels 1"), 8, "levels 3");
  cli::writeFile(dir.path / "quib_h.qbf", hard);
  cli::writeFile(dir.path / "quib_m.qbf", master);
  r = lab(dir.path, {"report", "-n", "10", "quib_h.qbf", "quib_m.qbf"});
  EXPECT_EQ(verdictOf(r.out, "MASTER: fewer random wins than HARD"),
            "ok median 0.0% -> 0.0%, overall 30.00% -> 0.00%");
}

// The piece a level's idea line names is drawn big: of the pieces of the
// kinds it names, the one that pushes the ball most on the route must be of
// size 2 or 3. "clockwise" inside "anticlockwise" names no clockwise spinner.
TEST(LabTool, ReportWantsTheIdeasPieceBig) {
  cli::ScratchDir dir;
  const auto report = [&dir](const std::string& pieces, const std::string& idea) {
    cli::writeFile(dir.path / "quib_i.qbf", corridor("Idea", 2, pieces));
    cli::writeFile(dir.path / "quib_i.qbf.1.txt", "# NUDGE right.\n15 right\n");
    cli::writeFile(dir.path / "quib_i.qbf.2.txt", "# " + idea + "\n15 right\n");
    return verdictOf(lab(dir.path, {"report", "-n", "0", "quib_i.qbf"}).out, "the idea's piece at size 2 or 3");
  };
  EXPECT_EQ(report("at 3 2 + 1\n", "Drift under the attractor."), "MISS 1 (2)");
  EXPECT_EQ(report("at 3 2 + 2\n", "Drift under the attractor."), "ok 0");
  EXPECT_EQ(report("at 3 2 + 1\n", "Drift on: the repeller waits."), "ok 0");
  // The spinner nearer the path pushes more: it is the idea's piece.
  EXPECT_EQ(report("at 3 2 > 1\nat 3 0 < 2\n", "Let the spinner carry you."), "MISS 1 (2)");
  EXPECT_EQ(report("at 3 2 > 1\nat 3 0 < 2\n", "Let the anticlockwise spinner carry you."), "ok 0");
  EXPECT_EQ(report("at 3 2 > 1\nat 3 0 < 2\n", "Let the clockwise spinner carry you."), "MISS 1 (2)");
  EXPECT_EQ(report("at 3 2 > 1\nat 3 0 < 2\n", "Anticlockwise spinner: it carries you."), "ok 0");
  // Pieces on the top row and at the west edge count too, each where it is.
  EXPECT_EQ(report("at 2 0 + 2\nat 0 2 + 1\n", "Drift under the attractor."), "ok 0");
  EXPECT_EQ(report("at 0 2 + 2\nat 2 0 + 1\n", "Drift under the attractor."), "ok 0");
}
