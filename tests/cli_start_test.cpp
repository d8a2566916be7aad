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
  EXPECT_EQ(r.out, "Required level data missing or corrupt.\n");
  // One line on standard error says where the game looked and for what.
  EXPECT_EQ(r.err.find("quib: searched " + dir.path.string() + "/, /usr/share/quib/"), 0u) << r.err;
  EXPECT_NE(r.err.find("not found: BEGINNER EASY INTERMEDIATE HARD MASTER\n"), std::string::npos) << r.err;
  // The editor needs no campaigns on the search path.
  r = cli::runQuib(dir.path, {"-Efoo", "-L3"}, "", /*noInput=*/true);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out + r.err, "Unable to create window.\n");
  EXPECT_TRUE(dir.entries().empty());
}

// The player's own folder is the third place searched: $XDG_DATA_HOME/quib/
// when that is an absolute path, else ~/.local/share/quib/.
TEST(StartUp, CampaignsAreFoundInThePlayersOwnFolder) {
  cli::ScratchDir empty, home;
  const cli::fs::path xdg = home.path / "xdg";
  cli::fs::create_directories(xdg / "quib");
  cli::fs::create_directories(home.path / ".local/share/quib");
  writeDifficultyHeaders(xdg / "quib");
  for (const char* name : {"BEGINNER", "HARD"})
    std::ofstream(home.path / ".local/share/quib" / (std::string("quib_") + name + ".qbf"))
        << "name " << name << "\ndesc d\nlevels 0\nlives 0\n";
  struct Case {
    const char* xdgDataHome;  // nullptr: unset
    const char* expectedOut;
    std::string expectedFolder;
  };
  const Case cases[] = {
      {xdg.c_str(), "Unable to create window.\n", ""},
      {nullptr, "Required level data missing or corrupt.\n", (home.path / ".local/share/quib/").string()},
      {"relative/ignored", "Required level data missing or corrupt.\n", (home.path / ".local/share/quib/").string()},
  };
  const std::string savedHome = getenv("HOME") ? getenv("HOME") : "";
  const char* savedXdg = getenv("XDG_DATA_HOME");
  const std::string savedXdgText = savedXdg ? savedXdg : "";
  setenv("HOME", home.path.c_str(), 1);
  for (const Case& c : cases) {
    if (c.xdgDataHome) setenv("XDG_DATA_HOME", c.xdgDataHome, 1); else unsetenv("XDG_DATA_HOME");
    cli::RunResult r = cli::runQuib(empty.path, {}, "", /*noInput=*/true);
    EXPECT_EQ(r.out, c.expectedOut) << (c.xdgDataHome ? c.xdgDataHome : "unset");
    if (!c.expectedFolder.empty()) {
      EXPECT_NE(r.err.find(" and " + c.expectedFolder + " for quib*.qbf;"), std::string::npos) << r.err;
      EXPECT_NE(r.err.find("not found: EASY INTERMEDIATE MASTER\n"), std::string::npos) << r.err;
    }
  }
  setenv("HOME", savedHome.c_str(), 1);
  if (savedXdg) setenv("XDG_DATA_HOME", savedXdgText.c_str(), 1); else unsetenv("XDG_DATA_HOME");
}

// The player's folder as named in the start-up line: relative HOME and
// XDG_DATA_HOME values are ignored, trailing slashes are not doubled, and a
// folder whose names are too long for the catalogue is still named, marked.
TEST(StartUp, ThePlayersFolderIsNamedWhateverItsLength) {
  cli::ScratchDir empty, home;
  // A folder that, with the pattern, fills a kept path exactly is searched:
  // "quib1.qbf" fills it too and is kept, longer names are not.
  const std::string fits = (home.path / std::string(241 - home.path.string().size() - 1, 'f')).string();
  ASSERT_EQ(fits.size() + std::string("/quib/quib*.qbf").size(), 256u);
  cli::fs::create_directories(fits + "/quib");
  std::ofstream(fits + "/quib/quib1.qbf") << "name BEGINNER\ndesc d\nlevels 0\nlives 0\n";
  std::ofstream(fits + "/quib/quib_e.qbf") << "name EASY\ndesc d\nlevels 0\nlives 0\n";
  const std::string over = fits + "o";  // one more: nothing in it can be kept
  cli::fs::create_directories(over + "/quib");
  std::ofstream(over + "/quib/quib.qbf") << "name BEGINNER\ndesc d\nlevels 0\nlives 0\n";
  const std::string here = empty.path.string() + "/";
  const std::string homeWithSlash = home.path.string() + "/";
  // A folder name as long as a path can be, or longer, is no folder.
  const std::string endless = "/" + std::string(4089, 'x');
  struct Case {
    const char* home;
    const char* xdg;
    std::string searched;
    const char* missing;
  };
  const Case cases[] = {
      {"relative/home", nullptr, here + " and /usr/share/quib/ for", "BEGINNER EASY"},
      {nullptr, "relative", here + " and /usr/share/quib/ for", "BEGINNER EASY"},
      {"/", "/x//", here + ", /usr/share/quib/ and /x/quib/ for", "BEGINNER EASY"},
      {"/", "/", here + ", /usr/share/quib/ and /quib/ for", "BEGINNER EASY"},
      {"/", endless.c_str(), here + " and /usr/share/quib/ for", "BEGINNER EASY"},
      {"/", fits.c_str(), here + ", /usr/share/quib/ and " + fits + "/quib/ (names too long, skipped) for",
       "EASY INTERMEDIATE"},
      {"/", over.c_str(), here + ", /usr/share/quib/ and " + over + "/quib/ (names too long, skipped) for",
       "BEGINNER EASY"},
      {homeWithSlash.c_str(), nullptr, here + ", /usr/share/quib/ and " + home.path.string() +
       "/.local/share/quib/ for", "BEGINNER EASY"},
  };
  const char* savedHome = getenv("HOME");
  const std::string savedHomeText = savedHome ? savedHome : "";
  const char* savedXdg = getenv("XDG_DATA_HOME");
  const std::string savedXdgText = savedXdg ? savedXdg : "";
  for (const Case& c : cases) {
    if (c.home) setenv("HOME", c.home, 1); else unsetenv("HOME");
    if (c.xdg) setenv("XDG_DATA_HOME", c.xdg, 1); else unsetenv("XDG_DATA_HOME");
    cli::RunResult r = cli::runQuib(empty.path, {}, "", /*noInput=*/true);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.find("quib: searched " + c.searched + " quib*.qbf; difficulty campaigns not found: " +
                         c.missing),
              0u)
        << r.err;
  }
  if (savedHome) setenv("HOME", savedHomeText.c_str(), 1); else unsetenv("HOME");
  if (savedXdg) setenv("XDG_DATA_HOME", savedXdgText.c_str(), 1); else unsetenv("XDG_DATA_HOME");
}

}  // namespace
