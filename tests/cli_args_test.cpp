// The command-line scan: prefix options, their order, repeats, and the
// console tools that end the scan where they stand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shell/args.h"
#include "platform/i_system.h"
#include "cli_support.h"

namespace {

// Scans the given arguments (the program name is added in front). The
// record starts filled with junk so that every field must be set.
struct Scan {
  std::vector<std::string> texts;
  std::vector<char*> argv;
  StartOptions options;

  explicit Scan(std::vector<std::string> args) : texts(std::move(args)) {
    texts.insert(texts.begin(), "quib");
    for (std::string& text : texts) argv.push_back(&text[0]);
    argv.push_back(nullptr);
    std::memset(&options, 0x5A, sizeof options);
    scanArgs(static_cast<int>(texts.size()), argv.data(), options);
  }
};

void expectDefaults(const StartOptions& options) {
  EXPECT_FALSE(options.editorMode);
  EXPECT_STREQ(options.editorFile, "");
  EXPECT_EQ(options.editorLevel, 0);
  EXPECT_TRUE(options.flagN);
  EXPECT_EQ(options.windowScale, 1);
  EXPECT_FALSE(options.silent);
  EXPECT_EQ(options.action, RunGame);
  ASSERT_NE(options.createFile, nullptr);
}

TEST(ScanArgs, NoArgumentsGiveTheDefaults) { expectDefaults(Scan({}).options); }

TEST(ScanArgs, UnknownAndWrongCaseArgumentsAreIgnored) {
  expectDefaults(Scan({"-n", "-e", "--E", "-l3", "-s", "-r", " -E", "E", "-", "", "-Nx", "-z2", "--Z"}).options);
}

TEST(ScanArgs, LevelAndEditorFileInEitherOrder) {
  for (auto args : {std::vector<std::string>{"-L7", "-Ecamp"}, {"-Ecamp", "-L7"}}) {
    Scan scan(args);
    EXPECT_TRUE(scan.options.editorMode);
    EXPECT_STREQ(scan.options.editorFile, "camp");
    EXPECT_EQ(scan.options.editorLevel, 7);
    EXPECT_EQ(scan.options.action, RunGame);
  }
  Scan levelOnly({"-L7"});
  EXPECT_FALSE(levelOnly.options.editorMode);
  EXPECT_EQ(levelOnly.options.editorLevel, 7);
}

TEST(ScanArgs, LevelNumberIsReadLikeADecimalPrefix) {
  struct Case {
    const char* argument;
    int32_t level;
  } cases[] = {
      {"-Lx", 0},        {"-L12abc", 12},   {"-L", 0},           {"-L-5", -5},
      {"-L+3", 3},       {"-L  \t42", 42},  {"-L010", 10},       {"-L0x1F", 0},
      {"-L- 4", 0},      {"-L--4", 0},      {"-L3 4", 3},        {"-L2147483647", INT32_MAX},
      {"-L-2147483648", INT32_MIN},         {"-L2147483648", INT32_MAX},
      {"-L99999999999999999999999", INT32_MAX},
      {"-L-99999999999999999999999", INT32_MIN},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Scan({c.argument}).options.editorLevel, c.level) << c.argument;
  }
}

TEST(ScanArgs, BlankAfterOptionMakesTwoArguments) {
  Scan scan({"-L", "3", "-E", "camp"});
  EXPECT_EQ(scan.options.editorLevel, 0);
  EXPECT_TRUE(scan.options.editorMode);
  EXPECT_STREQ(scan.options.editorFile, "");
}

TEST(ScanArgs, LastLevelAndLastEditorFileWin) {
  Scan scan({"-L3", "-Ea-rather-long-name", "-L9", "-Eab"});
  EXPECT_EQ(scan.options.editorLevel, 9);
  EXPECT_STREQ(scan.options.editorFile, "ab");  // nothing left of the longer name
  Scan back({"-L9", "-Lx"});
  EXPECT_EQ(back.options.editorLevel, 0);
}

TEST(ScanArgs, EditorFileIsCutTo255Characters) {
  std::string name(300, 'f');
  name[254] = 'A';
  name[255] = 'B';
  Scan scan({"-E" + name});
  EXPECT_EQ(std::strlen(scan.options.editorFile), 255u);
  EXPECT_EQ(scan.options.editorFile[254], 'A');
  EXPECT_EQ(std::string(Scan({"-E" + std::string(255, 'g')}).options.editorFile),
            std::string(255, 'g'));
}

TEST(ScanArgs, CreationStopsTheScanWhereMet) {
  Scan create({"-Scamp", "-Eother", "-L5", "-R"});
  EXPECT_EQ(create.options.action, RunCreate);
  EXPECT_STREQ(create.options.createFile, "camp");
  EXPECT_EQ(create.options.createFile, create.argv[1] + 2);  // points into argv
  EXPECT_FALSE(create.options.editorMode);
  EXPECT_EQ(create.options.editorLevel, 0);

  Scan editorFirst({"-Eother", "-Scamp"});
  EXPECT_EQ(editorFirst.options.action, RunCreate);
  EXPECT_STREQ(editorFirst.options.createFile, "camp");

  Scan empty({"-S"});
  EXPECT_EQ(empty.options.action, RunCreate);
  EXPECT_STREQ(empty.options.createFile, "");
}

TEST(ScanArgs, ShuffleStopsTheScanAndIgnoresItsRest) {
  for (const char* argument : {"-R", "-Rzzz"}) {
    Scan scan({"-Efile", argument, "-Scamp"});
    EXPECT_EQ(scan.options.action, RunShuffle) << argument;
  }
}

TEST(ScanArgs, MinusNOnlyAsWholeArgument) {
  Scan scan({"-N"});
  EXPECT_FALSE(scan.options.flagN);
  EXPECT_EQ(scan.options.action, RunGame);
  EXPECT_FALSE(scan.options.editorMode);
  EXPECT_TRUE(Scan({"-NE"}).options.flagN);
}

// "-Q" (the whole argument) starts the game without sound, editor included.
TEST(ScanArgs, MinusQSilencesTheGame) {
  EXPECT_TRUE(Scan({"-Q"}).options.silent);
  const Scan editor({"-Ecamp", "-Q", "-L3"});
  EXPECT_TRUE(editor.options.silent);
  EXPECT_TRUE(editor.options.editorMode);
  EXPECT_EQ(editor.options.editorLevel, 3);
  for (const char* argument : {"-q", "-Qx", "--Q", "Q"}) EXPECT_FALSE(Scan({argument}).options.silent) << argument;
}

// "-Z" takes a whole-number factor from 1 up; alone it asks for the largest
// that fits the desktop; anything else is marked bad. The last one wins,
// and the console tools end the scan before a later one is seen.
TEST(ScanArgs, WindowScale) {
  struct Case {
    std::vector<std::string> args;
    int32_t scale;
  };
  const Case cases[] = {
      {{"-Z2"}, 2},       {{"-Z3"}, 3},          {{"-Z"}, FitDesktopScale}, {{"-Z0"}, BadWindowScale},
      {{"-Zbig"}, BadWindowScale}, {{"-Z-2"}, BadWindowScale}, {{"-Z1"}, 1}, {{"-Z99"}, 99},
      {{"-Z9"}, 9}, {{"-Z10"}, 10}, {{"-Z+2"}, BadWindowScale}, {{"-Z2x"}, BadWindowScale}, {{"-Z 2"}, BadWindowScale},
      {{"-Z3", "-Z2"}, 2}, {{"-Z2", "-Z"}, FitDesktopScale}, {{"-Z2", "-Ecamp", "-L4"}, 2},
  };
  for (const Case& c : cases) EXPECT_EQ(Scan(c.args).options.windowScale, c.scale) << c.args.back();
  Scan create({"-Scamp", "-Z2"});
  EXPECT_EQ(create.options.action, RunCreate);
  EXPECT_STREQ(create.options.createFile, "camp");
}

// "-Z" alone: the largest factor that leaves room for the window's frame
// and the desktop's panels, never below 1.
TEST(WindowScale, LargestFactorThatFitsTheDesktop) {
  EXPECT_EQ(fittingScale(1920, 1080), 2);
  EXPECT_EQ(fittingScale(2560, 1440), 3);
  EXPECT_EQ(fittingScale(3840, 2160), 5);
  EXPECT_EQ(fittingScale(1024, 768), 1);  // 1024 x 768 would leave no room for a title bar
  EXPECT_EQ(fittingScale(1366, 768), 1);
  EXPECT_EQ(fittingScale(1280, 800), 1);  // wide enough for 2, but not tall enough
  EXPECT_EQ(fittingScale(1100, 900), 2);  // 1024 x 768 with room on both sides
  EXPECT_EQ(fittingScale(1055, 848), 1);
  EXPECT_EQ(fittingScale(0, 0), 1);
  EXPECT_EQ(fittingScale(100000, 100000), MaxWindowScale);
}

// A factor asked for is kept when it fits, lowered (with one line) when it
// does not; "-Z" alone fits the desktop, or 1 when its size is unknown.
TEST(WindowScale, AFactorTooLargeIsLoweredToWhatFitsWithOneLine) {
  struct Case {
    int requested, width, height, expected;
    bool told;
  };
  const Case cases[] = {
      {9, 1920, 1080, 2, true}, {2, 1920, 1080, 2, false}, {3, 1920, 1080, 2, true},
      {1, 800, 600, 1, false},  {FitDesktopScale, 2560, 1440, 3, false}, {FitDesktopScale, 0, 0, 1, false},
      {5, 0, 0, 5, false},      {99, 0, 0, MaxWindowScale, true},        {2, 1280, 800, 1, true},
  };
  for (const Case& c : cases) {
    char text[256] = "";
    std::FILE* report = fmemopen(text, sizeof text - 1, "w");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(chooseWindowScale(c.requested, c.width, c.height, report), c.expected) << c.requested;
    std::fclose(report);
    const std::string told = text;
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), c.told ? 1 : 0) << told;
    if (c.told) {
      EXPECT_NE(told.find(std::to_string(c.requested) + " times the size does not fit"), std::string::npos) << told;
    }
  }
}

// A bad factor ends the program with one line and status 1 before anything
// else, even the search for the campaigns; a good one, or none, goes on to
// that search.
TEST(WindowScale, ABadFactorIsRefusedBeforeAnyWindow) {
  cli::ScratchDir dir;
  for (const char* arg : {"-Z", "-Z2", "-Z99"}) {
    cli::RunResult r = cli::runQuib(dir.path, {arg}, "", /*noInput=*/true);
    EXPECT_EQ(r.status, 1) << arg;
    EXPECT_EQ(r.out, "Required level data missing or corrupt.\n") << arg;
  }
  for (const char* arg : {"-Z0", "-Z-2", "-Zword"}) {
    cli::RunResult r = cli::runQuib(dir.path, {arg}, "", /*noInput=*/true);
    EXPECT_EQ(r.status, 1) << arg;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string("quib: ") + arg + ": the window factor must be a whole number from 1 up\n");
  }
}

}  // namespace
