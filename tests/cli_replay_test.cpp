// The headless replay tool on small hand-made levels whose outcomes follow
// from the rules of play.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

const std::string kLevels = std::string(QUIB_TESTDATA_DIR) + "/replay_basics.qbf";

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

std::string slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string tempPath(const char* name) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir ? dir : "/tmp") + "/quib_replay_" + std::to_string(::getpid()) + "_" + name;
}

ToolRun replay(const std::string& args) {
  const std::string out = tempPath("out"), err = tempPath("err");
  const std::string cmd = std::string(QUIB_REPLAY_BINARY) + " " + args + " >" + out + " 2>" + err + " </dev/null";
  const int raw = std::system(cmd.c_str());
  ToolRun result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
  std::remove(out.c_str());
  std::remove(err.c_str());
  return result;
}

std::string writeInputs(const char* name, const std::string& text) {
  const std::string path = tempPath(name);
  std::ofstream(path) << text;
  return path;
}

// "Exited frames=16 score=1980 ..." -> result word plus key=value fields.
struct Outcome {
  std::string result;
  std::map<std::string, std::string> field;
  long num(const char* key) const { return std::stol(field.at(key)); }
  double real(const char* key) const { return std::stod(field.at(key)); }
};

Outcome parse(const std::string& line) {
  Outcome o;
  std::istringstream words(line);
  words >> o.result;
  std::string word;
  while (words >> word) {
    const auto eq = word.find('=');
    if (eq != std::string::npos) o.field[word.substr(0, eq)] = word.substr(eq + 1);
  }
  return o;
}

Outcome play(int slot, const std::string& inputs = "") {
  std::string args = kLevels + " " + std::to_string(slot);
  std::string inputPath;
  if (!inputs.empty()) {
    inputPath = writeInputs("inputs", inputs);
    args += " " + inputPath;
  }
  const ToolRun r = replay(args);
  if (!inputPath.empty()) std::remove(inputPath.c_str());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.err.empty()) << r.err;
  // Exactly one line on standard output.
  EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << r.out;
  return parse(r.out);
}

}  // namespace

TEST(ReplayOutput, OneLineInTheDocumentedForm) {
  const ToolRun r = replay(kLevels + " 2");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "TimeExpired frames=30 score=0 lives=9 coins=0 taken=0 of=0 time=0.00 x=12.000 y=12.000\n");
}

TEST(ReplayOutcomes, StillBallOnEmptyBoardRunsOutOfTime) {
  // Limit 1: the clock runs out in the frame work of frame 31, after 30 frames shown.
  const Outcome o = play(2);
  EXPECT_EQ(o.result, "TimeExpired");
  EXPECT_EQ(o.num("frames"), 30);
  EXPECT_DOUBLE_EQ(o.real("x"), 12.0);
}

TEST(ReplayOutcomes, NudgeRightReachesTheExitAndScoresTheFlipBonus) {
  const Outcome o = play(1, "1 right\n");
  EXPECT_EQ(o.result, "Exited");
  // One NUDGE: level bonus 990, only the FLIP BONUS (x2) is earned.
  EXPECT_EQ(o.num("score"), 1980);
  // The ball crosses 48 pixels at 3.3 pixels a frame from frame 2 on.
  EXPECT_GE(o.num("frames"), 15);
  EXPECT_LE(o.num("frames"), 17);
  // Contact with the exit at reach 2: the ball stops at the touch.
  EXPECT_NEAR(o.real("x"), 60.0, 0.11);
  EXPECT_EQ(o.num("lives"), 9);  // 12 lives in the file, clamped to 9
  // The same script saved with DOS line ends means the same keys.
  const Outcome dos = play(1, "# one nudge\r\n1 right\r\n\r\n");
  EXPECT_EQ(dos.result, "Exited");
  EXPECT_EQ(dos.num("score"), 1980);
}

TEST(ReplayOutcomes, WithoutInputsTheSameLevelTimesOut) {
  const Outcome o = play(1);
  EXPECT_EQ(o.result, "TimeExpired");
  EXPECT_GE(o.num("frames"), 300);
  EXPECT_LE(o.num("frames"), 301);
  EXPECT_EQ(o.num("score"), 0);
}

TEST(ReplayOutcomes, HeldKeyIsOnePressAndTwoGroupsAreNoDirection) {
  // Two directions at once are no direction: the ball never moves.
  EXPECT_EQ(play(1, "1 up right\n").result, "TimeExpired");
  // Frames 1..5 all hold right: one press, one NUDGE (score shows 990 x 2).
  const Outcome held = play(1, "1 right\n2 right\n3 right\n4 right\n5 right\n");
  EXPECT_EQ(held.result, "Exited");
  EXPECT_EQ(held.num("score"), 1980);
  // A second press while the cool-down runs is used up.
  const Outcome early = play(1, "1 right\n# second press\n\n3 right\n");
  EXPECT_EQ(early.result, "Exited");
  EXPECT_EQ(early.num("score"), 1980);
}

TEST(ReplayOutcomes, NudgeCoolDownLastsTwentyFrames) {
  // The first NUDGE acts in frame 2; the press sampled after frame 20 still
  // meets one frame of cool-down, the one after frame 21 acts.
  EXPECT_EQ(play(5, "1 right\n20 right\n").num("score"), 800 + 990 * 8);
  const Outcome two = play(5, "1 right\n21 right\n");
  EXPECT_EQ(two.result, "Exited");
  EXPECT_EQ(two.num("score"), 800 + 980 * 8);
}

TEST(ReplayOutcomes, DeadlyNorthEdgeLosesTheBall) {
  const Outcome o = play(3, "1 up\n");
  EXPECT_EQ(o.result, "Lost");
  // Size-1 ball (radius 4) lost in the substep it passes y = 4.
  EXPECT_LE(o.real("y"), 4.0);  // printed with three decimals
  EXPECT_EQ(play(3).result, "TimeExpired");
}

TEST(ReplayOutcomes, AttractorPullsTheBallInAndFlipSavesIt) {
  const Outcome lost = play(6);
  EXPECT_EQ(lost.result, "Lost");
  // FLIP at the first sampling: the attractor becomes a repeller and pushes
  // the ball west onto the exit. No NUDGE: TILT BONUS x2 on 999.
  const Outcome saved = play(6, "1 flip\n2 flip\n");
  EXPECT_EQ(saved.result, "Exited");
  EXPECT_EQ(saved.num("score"), 1998);
  EXPECT_EQ(play(4).result, "Lost");
}

TEST(ReplayOutcomes, CoinsAreCountedScoredAndTallied) {
  const Outcome o = play(5, "1 right\n");
  EXPECT_EQ(o.result, "Exited");
  EXPECT_EQ(o.num("taken"), 3);
  EXPECT_EQ(o.num("of"), 3);
  // Coins of size 3, 2, 0: 500 + 250 + 50 points and 10 + 5 + 1 coins; then
  // FAST COIN (x4) with 9 extra coins and FLIP (x2) on a level bonus of 990.
  EXPECT_EQ(o.num("coins"), 16 + 9);
  EXPECT_EQ(o.num("score"), 800 + 990 * 8);
}

TEST(ReplayOutcomes, DeterministicAcrossRuns) {
  const std::string inputs = "1 right\n40 up\n41 up\n90 flip\n";
  const ToolRun a = replay(kLevels + " 6 " + writeInputs("det", inputs));
  const ToolRun b = replay(kLevels + " 6 " + writeInputs("det", inputs));
  std::remove(tempPath("det").c_str());
  EXPECT_EQ(a.out, b.out);
}

TEST(ReplayErrors, BadArgumentsAndInputsFailWithOneLine) {
  const std::string badInputs = writeInputs("bad", "0 up\n");
  const std::string unknownKey = writeInputs("unknown", "3 jump\n");
  const std::string noKeys = writeInputs("nokeys", "3\n");
  const std::string notCampaign = writeInputs("notcampaign", "hello\n");
  const std::string unplayable = writeInputs("unplayable",
                                             "name U\ndesc no start\nlevels 0\nlives 1\n\nstart level\n"
                                             "width 2\nheight 1\nlimit 5\nbonus 0\nat 1 0 * 0\ndone level\n");
  const std::string cases[] = {
      kLevels,                              // no slot
      kLevels + " 0",                       // slots count from 1
      kLevels + " 7",                       // past the last level
      kLevels + " x",                       // not a number
      "/nonexistent/quib.qbf 1",            // unreadable file
      notCampaign + " 1",                   // not a campaign
      unplayable + " 1",                    // no Start cell
      kLevels + " 1 " + badInputs,          // frame 0
      kLevels + " 1 " + unknownKey,         // unknown key word
      kLevels + " 1 " + noKeys,             // frame without keys
      kLevels + " 1 /nonexistent/inputs",   // unreadable inputs
  };
  for (const std::string& args : cases) {
    const ToolRun r = replay(args);
    EXPECT_EQ(r.status, 1) << args;
    EXPECT_TRUE(r.out.empty()) << args;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << args << ": " << r.err;
  }
  for (const std::string& path : {badInputs, unknownKey, noKeys, notCampaign, unplayable})
    std::remove(path.c_str());
}
