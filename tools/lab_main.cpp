// quib-lab, the level workbench: proves that a level can be won, finds
// winning routes and measures campaigns, for anyone who makes campaigns.
// The commands live in tools/l_*.cpp; this file holds the help, the
// command-line helpers they share and the dispatch.
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "tools/l_lab.h"

namespace {

const char helpText[] =
    "usage: quib-lab trace  CAMPAIGN SLOT [SCRIPT [log]]\n"
    "       quib-lab search CAMPAIGN SLOT [-k KEYS] [-n MIN-MAX] [-f FIRST-LAST]\n"
    "                [-t TRIES] [-s SEED] [-m FRAMES] [-g GAP] [-p SCRIPT] [-a] [-q]\n"
    "       quib-lab beam   CAMPAIGN SLOT [-K FRAMES] [-B WIDTH] [-k KEYS] [-P COST]\n"
    "                [-a]\n"
    "       quib-lab report [-d DIR] [-n SCRIPTS] [-l SLOT] CAMPAIGN...\n"
    "\n"
    "The QUIB level workbench plays levels of a campaign file with no window,\n"
    "exactly as the game plays them, holding the keys an input script names.\n"
    "SLOT counts the level slots of the file from 1.\n"
    "\n"
    "PROVING A LEVEL CAN BE WON\n"
    "  Write an input script, a text file with one line a press:\n"
    "      FRAME KEY...\n"
    "  FRAME is a frame number from 1 (30 frames a second: frame 45 is 1.5 s\n"
    "  into the level); the keys are held for that one frame. KEY is up, right,\n"
    "  down or left (NUDGE) or flip (FLIP). Blank lines and lines starting with\n"
    "  '#' are skipped; the first line, \"# \" and the level's idea, is what the\n"
    "  report shows for the level. NUDGE acts once every 20 frames, FLIP once\n"
    "  every 5. For example:\n"
    "      # Drift right, then FLIP the attractor into a repeller.\n"
    "      12 right\n"
    "      60 flip\n"
    "  Then play it:\n"
    "      quib-lab trace CAMPAIGN SLOT SCRIPT\n"
    "  The first line tells how the level ended (Exited is a win), after how\n"
    "  many frames, the score, the coins taken and the seconds left. A map of\n"
    "  the board follows: piece and size (+ attractor, - repeller, > and <\n"
    "  clockwise and anticlockwise spinner, $ coin, . start, * exit, ! hazard),\n"
    "  o where the ball passed, edges B bounce, D deadly, W wrap. For a win it\n"
    "  ends with how many frames each press may come earlier (-) or later\n"
    "  (+), alone, and still win: a player needs room. Any word after SCRIPT\n"
    "  (say log) adds the ball's position at every frame; with no SCRIPT no\n"
    "  key is pressed.\n"
    "  quib-replay CAMPAIGN SLOT SCRIPT plays the same script and prints the\n"
    "  outcome as one line.\n"
    "\n"
    "FINDING A WINNING ROUTE\n"
    "  quib-lab search CAMPAIGN SLOT [options]\n"
    "    Plays random scripts of a few presses and prints up to six winners,\n"
    "    ranked by the timing window of their tightest press (up to 15 frames\n"
    "    either way) less 4 a press, widest first, then the fewest frames;\n"
    "    only the 200 winners with the fewest presses are ranked.\n"
    "    -k KEYS        keys to try, a comma list (default up,right,down,left,flip)\n"
    "    -n MIN-MAX     presses a script (default 1-3; N alone means N-N)\n"
    "    -f FIRST-LAST  frames the presses may fall on (default 1-90)\n"
    "    -t TRIES       scripts to draw (default 20000)\n"
    "    -s SEED        random seed (default 1)\n"
    "    -m FRAMES      give up on a script after this many frames (0: never)\n"
    "    -g GAP         least frames between two presses (default 6)\n"
    "    -p SCRIPT      presses every script starts with: a route found so far\n"
    "    -a             only wins that take every coin\n"
    "    -q             one line: no-key outcome, wins of tried, best script\n"
    "  quib-lab beam CAMPAIGN SLOT [options]\n"
    "    For routes of many presses: tries every key (or none) frame by frame,\n"
    "    keeps the states nearest an exit and prints the first winning script\n"
    "    with its timing room, or \"no win found\".\n"
    "    -K FRAMES      frames between two key choices (default 3)\n"
    "    -B WIDTH       states kept a frame (default 300)\n"
    "    -k KEYS        keys to try, as for search\n"
    "    -P COST        cost of one press, in pixels of distance (default 15)\n"
    "    -a             only wins that take every coin\n"
    "  Save the script printed to a file and check it with trace.\n"
    "\n"
    "MEASURING A CAMPAIGN\n"
    "  quib-lab report [-d DIR] [-n SCRIPTS] [-l SLOT] CAMPAIGN...\n"
    "    Prints markdown: for each campaign a table with a line per playable\n"
    "    level and the campaign's medians. For each level: force pieces (all,\n"
    "    then attractors/repellers/clockwise/anticlockwise spinners), coins,\n"
    "    hazards, ball size, how it ends with no key (lost, time out or exit,\n"
    "    at which frame), and of its winning script: presses (a press is a\n"
    "    run of consecutive frames holding keys; in brackets, those left when\n"
    "    every press it can win without is taken out), first press (frame),\n"
    "    closest two presses (frames, start to start), FLIP used, exit frame,\n"
    "    seconds left at the exit, timing margin (the largest shift, up to 15\n"
    "    frames, by which every press alone may come earlier and later and\n"
    "    still win), then the share of random scripts that win (each of 1 to\n"
    "    4 presses, each one of the five keys for one frame at a frame drawn\n"
    "    evenly from 1 to 30 x the time limit, from one seed for every level)\n"
    "    and the idea. Below the medians: those of the rhythm, and the random\n"
    "    scripts won over all levels, with two decimals.\n"
    "    The winning script of slot N of FILE.qbf is DIR/FILE.qbf.N.txt; DIR is\n"
    "    the campaign's folder unless -d names another.\n"
    "    A campaign named BEGINNER, EASY, INTERMEDIATE, HARD or MASTER is checked\n"
    "    against the targets of that difficulty; with several campaigns given,\n"
    "    also that median presses rise from each to the next and that no board\n"
    "    is used twice; with HARD and MASTER, that MASTER has fewer random wins\n"
    "    (median and over all levels), more presses, later exits and margins\n"
    "    no wider (medians). Every campaign is checked for a calm start (no\n"
    "    loss or time out before frame 90 with no key), a first press at frame\n"
    "    15 or later, presses at least 10 frames apart, and idea lines of at\n"
    "    most 64 characters in the game's words (no wells, gates, bumpers,\n"
    "    pens, nooks, whirlpools).\n"
    "    -d DIR         folder of the winning scripts\n"
    "    -n SCRIPTS     random scripts a level (default 200)\n"
    "    -l SLOT        measure that level only\n"
    "\n"
    "EXIT STATUS\n"
    "  0 done; 1 an error (told on stderr), or beam found no win;\n"
    "  2 report: a target missed.\n";

bool wholeNumber(const char* text, int& value) {
  if (!text || !*text) return false;
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (*end || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

}  // namespace

int fail(const char* format, ...) {
  std::fputs("quib-lab: ", stderr);
  va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);
  va_end(args);
  std::fputc('\n', stderr);
  return 1;
}

bool intOption(int argc, char** argv, int& i, int least, int& value) {
  const char* option = argv[i];
  if (i + 1 >= argc || !wholeNumber(argv[i + 1], value) || value < least)
    return fail("%s needs a whole number of at least %d", option, least), false;
  ++i;
  return true;
}

bool rangeOption(int argc, char** argv, int& i, int least, int& low, int& high) {
  const char* option = argv[i];
  const std::string text = i + 1 < argc ? argv[i + 1] : "";
  const size_t dash = text.find('-', 1);
  const std::string first = text.substr(0, dash), last = dash == std::string::npos ? first : text.substr(dash + 1);
  int a = 0, b = 0;
  if (!wholeNumber(first.c_str(), a) || !wholeNumber(last.c_str(), b) || a < least || b < a)
    return fail("%s needs N or N-M with %d <= N <= M", option, least), false;
  low = a;
  high = b;
  ++i;
  return true;
}

bool keysOption(int argc, char** argv, int& i, std::vector<unsigned>& keys) {
  if (i + 1 >= argc) return fail("%s needs a comma list of keys", argv[i]), false;
  std::stringstream list(argv[++i]);
  std::string word;
  while (std::getline(list, word, ',')) {
    unsigned bit = 0;
    if (!keyBit(word, bit)) return fail("unknown key '%s' (keys: up right down left flip)", word.c_str()), false;
    keys.push_back(bit);
  }
  return true;
}

const Level* levelArgument(int argc, char** argv) {
  if (argc < 3) return fail("%s needs CAMPAIGN SLOT", argv[0]), nullptr;
  if (loadCampaign(argv[1]) != 0) return nullptr;
  int32_t slot = 0;
  if (!parsePositive(argv[2], slot) || slot > campaign.levelCount)
    return fail("slot %s is not a level slot of %s (1..%d)", argv[2], argv[1], campaign.levelCount), nullptr;
  const Level& level = campaign.level[slot - 1];
  if (validateLevel(level) != 0) return fail("level %d of %s is not playable", slot, argv[1]), nullptr;
  return &level;
}

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "--help";
  if (command == "-h" || command == "--help" || command == "help") {
    std::fputs(helpText, stdout);
    return 0;
  }
  if (command == "trace") return traceCommand(argc - 1, argv + 1);
  if (command == "search") return searchCommand(argc - 1, argv + 1);
  if (command == "beam") return beamCommand(argc - 1, argv + 1);
  if (command == "report") return reportCommand(argc - 1, argv + 1);
  return fail("no command %s (quib-lab --help tells the commands)", command.c_str());
}
