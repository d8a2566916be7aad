// The level workbench, quib-lab: plays levels of a campaign through the same
// headless simulation as quib-replay, holding the keys of input scripts
// (tools/t_inputs.h), and proves, finds and measures winning scripts.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/level.h"
#include "game/p_play.h"
#include "tools/t_inputs.h"

using Script = std::vector<InputPress>;

struct Outcome {
  LevelResult result;  // NoResult when the frame cap stopped the run
  int frames;
  int taken, total;
  unsigned score;
  double timeLeft;
};

// The campaign being worked on and the lives its runs start with.
extern Campaign campaign;
extern int32_t lives;
// The ball's position at every key sampling of the last playScript.
extern std::vector<std::pair<double, double>> path;

// Reads a campaign file into `campaign` and sets `lives` from it (clamped to
// 0..MaxLives as in play). A failure is reported on stderr; status 1.
int loadCampaign(const char* file);

// Makes the simulation take its keys from the script playScript plays.
void useScriptKeys();
// One run of the level from its start with the script's keys; maxFrames > 0
// stops it after that many frames with NoResult.
Outcome playScript(const Level& level, const Script& script, int maxFrames);
const char* resultName(LevelResult r);
// The script in its file form, one line a press.
std::string scriptText(const Script& s);
// readInputScript with this program's name in the messages.
bool readScript(const char* file, Script& s);

// The most frames a press is moved either way when its timing room is
// measured, by trace, search and report alike.
constexpr int SlackCap = 15;

// How many frames each press may move earlier or later (each alone, up to
// SlackCap) and still win.
struct Slack {
  int early, late;
};
std::vector<Slack> slackOf(const Level& level, const Script& s);
// The narrowest window of any press, in frames.
int window(const std::vector<Slack>& k);
// Prints "  press N at F: -E..+L" for every press.
void printSlack(const Level& level, const Script& s);

// The commands; argv[0] is the command word. Each returns the exit status.
int traceCommand(int argc, char** argv);
int searchCommand(int argc, char** argv);
int beamCommand(int argc, char** argv);
int reportCommand(int argc, char** argv);

// Command-line helpers: each writes "quib-lab: ..." to stderr on a fault.
// fail writes one such line, printf style, and returns 1.
int fail(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The value of option argv[i] as a whole number of at least `least`; moves i
// past it.
bool intOption(int argc, char** argv, int& i, int least, int& value);
// The value of option argv[i] as "N" or "N-M" with least <= N <= M.
bool rangeOption(int argc, char** argv, int& i, int least, int& low, int& high);
// A comma list of key words as key bits (appended to `keys`).
bool keysOption(int argc, char** argv, int& i, std::vector<unsigned>& keys);
// Loads the campaign of argv[1] and checks that argv[2] is a playable slot.
const Level* levelArgument(int argc, char** argv);
