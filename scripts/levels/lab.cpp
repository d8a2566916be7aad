// Level workbench: plays one level of a campaign through the same simulation
// as quib-replay, draws the ball's path over the board as text, and searches
// for short input scripts that win the level.
//
//   lab trace  CAMPAIGN SLOT [INPUTS]      outcome, path map, press timing slack
//   lab search CAMPAIGN SLOT [options]     random search for winning scripts
//     -k up,down,left,right,flip   keys to try (default all five)
//     -n MIN-MAX                  number of presses (default 1-3)
//     -f FIRST-LAST               frames the presses may fall on (default 1-90)
//     -t TRIES                    candidates to try (default 20000)
//     -s SEED                     random seed (default 1)
//     -m FRAMES                   give up on a candidate after this many frames
//     -a                          all coins must be taken
//     -g GAP                      least frames between two presses (default 6)
//     -p INPUTS                   presses every candidate starts with
//   lab report [-d DIR] [-n N] [-l SLOT] CAMPAIGN...   measures and targets
//   lab beam CAMPAIGN SLOT [options]       beam search, one decision every K frames
//     -K FRAMES   frames between decisions (default 3)
//     -B WIDTH    states kept per step (default 300)
//     -k KEYS     keys to try, as for search
//     -a          all coins must be taken
//     -P COST     heuristic cost of one press in pixels (default 15)
//
// Build: the CMake target quib-lab (build.sh next to this file builds it as lab).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>
#include <algorithm>
#include <tuple>

#include "data/campaign_io.h"
#include "game/p_play.h"
#include "game/p_score.h"

namespace {

enum KeyBits : unsigned { HoldUp = 1, HoldRight = 2, HoldDown = 4, HoldLeft = 8, HoldFlip = 16 };
const char* const keyNames[] = {"up", "right", "down", "left", "flip"};

struct Press {
  int frame;
  unsigned bits;
};
using Script = std::vector<Press>;

std::map<int, unsigned> held;
std::vector<std::pair<double, double>> path;  // ball position at every frame

void sampleKeys(KeySample& keys) {
  keys = KeySample{false, Up, false, false};
  path.emplace_back(play.ball.x, play.ball.y);
  auto it = held.find(play.frameCount);
  if (it == held.end()) return;
  int groups = 0;
  for (int d = 0; d < 4; ++d)
    if (it->second & (1u << d)) {
      if (groups == 0) keys.direction = static_cast<Direction>(d);
      ++groups;
    }
  keys.directionHeld = groups == 1;
  keys.actionHeld = (it->second & HoldFlip) != 0;
}

struct Outcome {
  LevelResult result;
  int frames;
  int taken, total;
  unsigned score;
  double timeLeft;
};

Campaign campaign;
int32_t lives = 3;

Outcome playScript(const Level& level, const Script& script, int maxFrames) {
  held.clear();
  path.clear();
  for (const Press& p : script) held[p.frame] |= p.bits;
  resetRun(lives);
  setupPlay(level, 0);
  PlayLoop loop;
  beginPlay(loop, false);
  LevelResult r;
  while ((r = playSubstep(loop)) == NoResult) {
    if (maxFrames > 0 && play.frameCount > maxFrames) break;
  }
  return Outcome{r, play.frameCount, play.coinsTaken, play.coinsTotal, run.score, play.timeLeft};
}

const char* resultName(LevelResult r) {
  switch (r) {
    case Exited: return "Exited";
    case Lost: return "Lost";
    case TimeExpired: return "TimeExpired";
    case Quit: return "Quit";
    default: return "Unfinished";
  }
}

std::string scriptText(const Script& s) {
  std::string out;
  for (const Press& p : s) {
    out += std::to_string(p.frame);
    for (int i = 0; i < 5; ++i)
      if (p.bits & (1u << i)) out += std::string(" ") + keyNames[i];
    out += "\n";
  }
  return out;
}

bool readScript(const char* file, Script& s) {
  std::ifstream in(file);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream w(line);
    Press p{0, 0};
    w >> p.frame;
    std::string word;
    while (w >> word)
      for (int i = 0; i < 5; ++i)
        if (word == keyNames[i]) p.bits |= 1u << i;
    s.push_back(p);
  }
  return true;
}

void drawMap(const Level& level) {
  const int w = level.width, h = level.height;
  // Each cell is shown 3 characters wide: piece letter and size, or path dots.
  std::vector<std::string> rows(h, std::string(3 * w, ' '));
  std::set<std::pair<int, int>> visited;
  for (auto& p : path) {
    const int cx = static_cast<int>(p.first) / CellPixels, cy = static_cast<int>(p.second) / CellPixels;
    if (cx >= 0 && cy >= 0 && cx < w && cy < h) visited.insert({cx, cy});
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Cell& c = level.cell[x][y];
      std::string t = " . ";
      if (c.kind != Empty) {
        t = std::string(1, "~+-><$.*!"[c.kind]) + std::to_string(c.size) + " ";
        if (visited.count({x, y})) t[2] = 'o';
      } else if (visited.count({x, y})) {
        t = " o ";
      }
      rows[y].replace(3 * x, 3, t);
    }
  const char* wl = "BDW";
  std::printf("   N:%c\n", wl[level.wall[North]]);
  for (int y = 0; y < h; ++y)
    std::printf("%c |%s| %c  %2d\n", y == h / 2 ? wl[level.wall[West]] : ' ', rows[y].c_str(),
                y == h / 2 ? wl[level.wall[East]] : ' ', y);
  std::printf("   S:%c\n", wl[level.wall[South]]);
}

// How many frames each press may move earlier or later (each alone) and
// still win: a measure of how forgiving the timing is.
struct Slack {
  int early, late;
};

std::vector<Slack> slackOf(const Level& level, const Script& s) {
  std::vector<Slack> out;
  for (size_t i = 0; i < s.size(); ++i) {
    Slack k{0, 0};
    for (int d = 1; d <= 10; ++d) {
      Script t = s;
      t[i].frame -= d;
      if (t[i].frame < 1 || playScript(level, t, 0).result != Exited) break;
      k.early = d;
    }
    for (int d = 1; d <= 10; ++d) {
      Script t = s;
      t[i].frame += d;
      if (playScript(level, t, 0).result != Exited) break;
      k.late = d;
    }
    out.push_back(k);
  }
  return out;
}

// The narrowest window of any press, in frames.
int window(const std::vector<Slack>& k) {
  int w = 99;
  for (const Slack& s : k) w = std::min(w, s.early + s.late + 1);
  return w;
}

void slack(const Level& level, const Script& s) {
  const std::vector<Slack> k = slackOf(level, s);
  for (size_t i = 0; i < s.size(); ++i)
    std::printf("  press %zu at %d: -%d..+%d\n", i + 1, s[i].frame, k[i].early, k[i].late);
}


// ---- beam search: the simulation is stepped a frame at a time and its whole
// state copied, so every branch continues from a shared prefix.
unsigned liveBits = 0;

void liveKeys(KeySample& keys) {
  keys = KeySample{false, Up, false, false};
  int groups = 0;
  for (int d = 0; d < 4; ++d)
    if (liveBits & (1u << d)) {
      if (groups == 0) keys.direction = static_cast<Direction>(d);
      ++groups;
    }
  keys.directionHeld = groups == 1;
  keys.actionHeld = (liveBits & HoldFlip) != 0;
}

struct Snap {
  PlayState play;
  PlayLoop loop;
  RunState run;
  LevelResult result;
  Script script;
  double score;
};

// Runs substeps until the keys of the next frame have been sampled (and that
// substep's edge and contact tests made), or the level ends.
void stepFrame(Snap& s, unsigned bits) {
  play = s.play;
  run = s.run;
  liveBits = bits;
  const int32_t frame = play.frameCount;
  LevelResult r = NoResult;
  while (r == NoResult && play.frameCount == frame) r = playSubstep(s.loop);
  s.play = play;
  s.run = run;
  s.result = r;
}

double exitDistance(const PlayState& p) {
  double best = 1e9;
  for (int y = 0; y < usedRows(p.level); ++y)
    for (int x = 0; x < usedColumns(p.level); ++x)
      if (p.level.cell[x][y].kind == Exit) {
        const double dx = p.ball.x - (CellPixels * x + CellCentre), dy = p.ball.y - (CellPixels * y + CellCentre);
        best = std::min(best, std::sqrt(dx * dx + dy * dy));
      }
  return best;
}

int beamSearch(const Level& level, std::vector<unsigned> keys, int every, size_t width, bool allCoins,
               double pressCost) {
  static PlayHooks hooks = headlessHooks;
  hooks.sampleKeys = liveKeys;
  setPlayHooks(&hooks);
  resetRun(lives);
  setupPlay(level, 0);
  std::vector<Snap> beam(1);
  beginPlay(beam[0].loop, false);
  beam[0].play = play;
  beam[0].run = run;
  beam[0].result = NoResult;
  keys.insert(keys.begin(), 0u);
  const int totalFrames = level.limit * 30 + 2;
  for (int f = 1; f <= totalFrames && !beam.empty(); ++f) {
    std::vector<Snap> next;
    for (const Snap& s : beam) {
      const bool decide = (f - 1) % every == 0;
      for (unsigned k : keys) {
        if (k != 0 && !decide) break;
        Snap t = s;
        stepFrame(t, k);
        if (k != 0) t.script.push_back(Press{f, k});
        if (t.result == Exited) {
          if (allCoins && t.play.coinsTaken < t.play.coinsTotal) continue;
          std::printf("won at frame %d with %zu presses, %d of %d coins\n%s", t.play.frameCount,
                      t.script.size(), t.play.coinsTaken, t.play.coinsTotal, scriptText(t.script).c_str());
          setPlayHooks(nullptr);
          static PlayHooks replay = headlessHooks;
          replay.sampleKeys = sampleKeys;
          setPlayHooks(&replay);
          slack(level, t.script);
          return 0;
        }
        if (t.result != NoResult) continue;
        t.score = -exitDistance(t.play) - pressCost * t.script.size() +
                  (allCoins ? 60.0 * t.play.coinsTaken : 0.0);
        next.push_back(std::move(t));
      }
    }
    // Keep the best state of each cell and heading, then the best overall.
    std::sort(next.begin(), next.end(), [](const Snap& a, const Snap& b) { return a.score > b.score; });
    std::set<std::tuple<int, int, int, int, int, int>> taken;
    std::vector<Snap> kept;
    for (Snap& s : next) {
      int flips = 0;
      for (const Press& p : s.script) flips += (p.bits & HoldFlip) != 0;
      const std::tuple<int, int, int, int, int, int> key{
          static_cast<int>(s.play.ball.x / 4), static_cast<int>(s.play.ball.y / 4),
          static_cast<int>(std::lround(s.play.ball.vx * 200)), static_cast<int>(std::lround(s.play.ball.vy * 200)),
          (flips & 1) | (s.loop.directionState ? 2 + 4 * s.loop.direction : 0) | (s.loop.actionState ? 32 : 0),
          s.play.coinsTaken};
      if (!taken.insert(key).second) continue;
      kept.push_back(std::move(s));
      if (kept.size() >= width) break;
    }
    beam.swap(kept);
    if (getenv("LABDEBUG")) std::fprintf(stderr, "f=%d beam=%zu next=%zu\n", f, beam.size(), next.size());
  }
  std::printf("no win found\n");
  return 1;
}


int usage();

// ---- report: the measures of every level of a campaign against the
// difficulty targets of the five shipped campaigns.
//
// A press is a run of consecutive frames that hold any key. The timing margin
// of a press is the largest m such that moving that press alone by every
// shift from -m to +m still wins (capped at MarginCap); a level's margin is
// that of its tightest press. The random share is the part of RandomScripts
// scripts that win: each has 1 to 4 presses, each press one of the five keys
// held for one frame at a frame drawn uniformly from 1 to 30 x limit, drawn
// from a generator seeded alike for every level.
constexpr int MarginCap = 15;
constexpr unsigned RandomSeed = 20261207;

struct Run {
  int first, last;  // frames
};

std::vector<Run> pressRuns(const Script& s) {
  std::map<int, unsigned> bits;
  for (const Press& p : s)
    if (p.bits) bits[p.frame] |= p.bits;
  std::vector<Run> runs;
  for (const auto& [frame, b] : bits) {
    (void)b;
    if (!runs.empty() && runs.back().last == frame - 1) runs.back().last = frame;
    else runs.push_back(Run{frame, frame});
  }
  return runs;
}

// The script with the frames of one run moved by `shift`.
bool shiftRun(const Script& s, const Run& r, int shift, Script& out) {
  out.clear();
  for (const Press& p : s) {
    if (p.frame >= r.first && p.frame <= r.last) {
      if (p.frame + shift < 1) return false;
      out.push_back(Press{p.frame + shift, p.bits});
    } else {
      out.push_back(p);
    }
  }
  return true;
}

int pressMargin(const Level& level, const Script& s, const Run& r) {
  int side[2] = {0, 0};
  for (int dir = 0; dir < 2; ++dir) {
    Script t;
    for (int d = 1; d <= MarginCap; ++d) {
      if (!shiftRun(s, r, dir == 0 ? -d : d, t) || playScript(level, t, 0).result != Exited) break;
      side[dir] = d;
    }
  }
  return std::min(side[0], side[1]);
}

double randomShare(const Level& level, int scripts) {
  std::mt19937 rng(RandomSeed);
  const int frames = std::max(1, 30 * level.limit);
  int wins = 0;
  for (int i = 0; i < scripts; ++i) {
    Script s;
    const int n = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < n; ++k) {
      const int frame = 1 + static_cast<int>(rng() % static_cast<unsigned>(frames));
      s.push_back(Press{frame, 1u << (rng() % 5)});
    }
    wins += playScript(level, s, 0).result == Exited;
  }
  return scripts > 0 ? 100.0 * wins / scripts : 0.0;
}

struct LevelMeasure {
  int slot;
  int force, kinds[4];  // attractors, repellers, clockwise, anticlockwise
  int coins, hazards, ballSize;
  bool sizeClash;  // a coin and a hazard of the same size
  bool solved, idleWins, usesFlip;
  int presses, margin;
  double timeLeft, random;
  std::string idea;
};

// A board as a player sees it, sizes aside: for telling repeated boards apart.
struct Board {
  std::string where;
  int width, height;
  std::set<std::tuple<int, int, int>> pieces;
};

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Targets {
  const char* name;
  double force;       // least median force pieces
  bool kinds, flip;   // every force kind in 3 levels; FLIP in a quarter of the replays
  double randomLeast, randomMost;
  double pressesLeast;
  int margin;
};

const Targets targetTable[] = {
    {"BEGINNER", 0, false, false, 20, 100, 0, 10},  {"EASY", 2, false, false, 0, 100, 0, 10},
    {"INTERMEDIATE", 3, true, true, 0, 100, 0, 6}, {"HARD", 4, true, true, 0, 2, 0, 3},
    {"MASTER", 5, true, true, 0, 2, 6, 3},
};

int failures = 0;

void verdict(bool ok, const char* what, const std::string& detail) {
  std::printf("  %-4s %-44s %s\n", ok ? "ok" : "MISS", what, detail.c_str());
  failures += !ok;
}

std::string fmt(const char* f, double v) {
  char b[64];
  std::snprintf(b, sizeof b, f, v);
  return b;
}

// Measures one campaign file; returns its median presses (for the rise
// from campaign to campaign) or -1 when the file cannot be read.
double reportCampaign(const std::string& path, const std::string& solutionDir, int onlySlot, int scripts,
                      std::vector<Board>& boards) {
  std::ifstream file(path);
  if (!file || readCampaign(file, campaign) != 0) {
    std::fprintf(stderr, "lab: cannot read campaign %s\n", path.c_str());
    return -1;
  }
  lives = campaign.lives;
  const std::string base = path.substr(path.find_last_of('/') + 1);
  std::printf("## %s: %s\n\n", campaign.name, campaign.desc);
  std::printf("| # | force A/R/C/W | coins | hazards | ball | presses | FLIP | time left | margin | random | idea |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|---|---|\n");
  std::vector<LevelMeasure> all;
  int playable = 0;
  for (int slot = 1; slot <= campaign.levelCount; ++slot) {
    const Level& level = campaign.level[slot - 1];
    if (validateLevel(level) != 0) continue;
    ++playable;
    Board board{base + " " + std::to_string(slot), level.width, level.height, {}};
    LevelMeasure m{};
    m.slot = slot;
    std::set<uint32_t> coinSizes, hazardSizes;
    for (int x = 0; x < usedColumns(level); ++x)
      for (int y = 0; y < usedRows(level); ++y) {
        const Cell& c = level.cell[x][y];
        if (c.kind != Empty) board.pieces.insert({x, y, c.kind});
        if (c.kind >= Attractor && c.kind <= SpinnerCCW) ++m.force, ++m.kinds[c.kind - Attractor];
        if (c.kind == Coin) ++m.coins, coinSizes.insert(c.size);
        if (c.kind == Hazard) ++m.hazards, hazardSizes.insert(c.size);
        if (c.kind == Start) m.ballSize = static_cast<int>(c.size);
      }
    for (uint32_t size : coinSizes) m.sizeClash |= hazardSizes.count(size) > 0;
    boards.push_back(board);
    if (onlySlot > 0 && slot != onlySlot) continue;

    const std::string solution = solutionDir + "/" + base + "." + std::to_string(slot) + ".txt";
    Script s;
    if (readScript(solution.c_str(), s)) {
      std::ifstream in(solution);
      std::string first;
      if (std::getline(in, first) && first.rfind("# ", 0) == 0) m.idea = first.substr(2);
      const Outcome o = playScript(level, s, 0);
      m.solved = o.result == Exited;
      m.timeLeft = o.timeLeft;
      const std::vector<Run> runs = pressRuns(s);
      m.presses = static_cast<int>(runs.size());
      for (const Press& p : s) m.usesFlip |= (p.bits & HoldFlip) != 0;
      m.margin = MarginCap;
      if (m.solved)
        for (const Run& r : runs) m.margin = std::min(m.margin, pressMargin(level, s, r));
      else
        m.margin = 0;
    } else {
      m.idea = "(no solution " + solution + ")";
    }
    m.idleWins = playScript(level, {}, 0).result == Exited;
    m.random = randomShare(level, scripts);
    all.push_back(m);
    std::printf("| %d | %d %d/%d/%d/%d | %d | %d | %d%s | %d | %s | %s | %d | %.1f%% | %s%s%s |\n", slot, m.force,
                m.kinds[0], m.kinds[1], m.kinds[2], m.kinds[3], m.coins, m.hazards, m.ballSize,
                m.sizeClash ? " (coin=hazard size)" : "", m.presses, m.usesFlip ? "yes" : "no",
                m.solved ? fmt("%.1f s", m.timeLeft).c_str() : "NOT WON", m.margin, m.random,
                m.idleWins ? "WON WITH NO KEY: " : "", m.idea.c_str(), "");
    std::fflush(stdout);
  }
  if (all.empty()) return -1;

  std::vector<double> force, presses, random, timeLeft, margin;
  int kindLevels[4] = {0, 0, 0, 0}, flips = 0, unsolved = 0, idle = 0, smallBall = 0, clash = 0;
  for (const LevelMeasure& m : all) {
    force.push_back(m.force);
    presses.push_back(m.presses);
    random.push_back(m.random);
    timeLeft.push_back(m.timeLeft);
    margin.push_back(m.margin);
    for (int k = 0; k < 4; ++k) kindLevels[k] += m.kinds[k] > 0;
    flips += m.usesFlip;
    unsolved += !m.solved;
    idle += m.idleWins;
    smallBall += m.ballSize < 1;
    clash += m.sizeClash;
  }
  const double n = static_cast<double>(all.size());
  std::printf("\nMedians: force pieces %.1f, presses %.1f, random share %.1f%%, time left %.1f s, margin %.1f. "
              "Least time left %.1f s, least margin %.0f. Levels with attractors %d, repellers %d, clockwise "
              "spinners %d, anticlockwise spinners %d; replays using FLIP %d of %d.\n\n",
              median(force), median(presses), median(random), median(timeLeft), median(margin),
              *std::min_element(timeLeft.begin(), timeLeft.end()), *std::min_element(margin.begin(), margin.end()),
              kindLevels[0], kindLevels[1], kindLevels[2], kindLevels[3], flips, static_cast<int>(n));

  if (onlySlot > 0) return median(presses);
  const Targets* t = nullptr;
  for (const Targets& c : targetTable)
    if (std::strcmp(c.name, campaign.name) == 0) t = &c;
  std::printf("Targets:\n");
  verdict(std::strlen(campaign.desc) <= 64, "description fits the title screen (64)",
          std::to_string(std::strlen(campaign.desc)) + " characters");
  verdict(campaign.levels == playable, "\"levels\" counts the playable levels",
          std::to_string(campaign.levels) + " of " + std::to_string(playable));
  verdict(unsolved == 0, "every stored replay wins", std::to_string(unsolved) + " do not");
  verdict(idle == 0, "no level is won with no key", std::to_string(idle) + " are");
  verdict(*std::min_element(timeLeft.begin(), timeLeft.end()) >= 2.0, "time left at the exit >= 2 s",
          fmt("least %.1f s", *std::min_element(timeLeft.begin(), timeLeft.end())));
  verdict(smallBall == 0, "ball at least size 1", std::to_string(smallBall) + " levels fly a size-0 ball");
  verdict(clash == 0, "coins and hazards of different sizes", std::to_string(clash) + " levels mix them");
  if (t) {
    verdict(playable >= 20, "at least 20 levels", std::to_string(playable));
    verdict(median(force) >= t->force, "median force pieces", fmt("%.1f", median(force)) + fmt(" (>= %.0f)", t->force));
    if (t->kinds)
      verdict(*std::min_element(kindLevels, kindLevels + 4) >= 3, "every force kind in 3 levels",
              std::to_string(kindLevels[0]) + "/" + std::to_string(kindLevels[1]) + "/" +
                  std::to_string(kindLevels[2]) + "/" + std::to_string(kindLevels[3]));
    if (t->flip) verdict(4 * flips >= n, "FLIP in a quarter of the replays", std::to_string(flips) + " of " + fmt("%.0f", n));
    verdict(median(random) >= t->randomLeast && median(random) <= t->randomMost, "median random share",
            fmt("%.1f%%", median(random)) + fmt(" (%.0f..", t->randomLeast) + fmt("%.0f%%)", t->randomMost));
    if (t->pressesLeast > 0)
      verdict(median(presses) >= t->pressesLeast, "median presses", fmt("%.1f", median(presses)));
    verdict(*std::min_element(margin.begin(), margin.end()) >= t->margin, "timing margin of every press",
            fmt("least %.0f", *std::min_element(margin.begin(), margin.end())) + " (>= " + std::to_string(t->margin) + ")");
  }
  std::printf("\n");
  return median(presses);
}

int report(int argc, char** argv) {
  std::string solutionDir = "tests/solutions";
  int onlySlot = 0, scripts = 200;
  std::vector<std::string> files;
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-d" && i + 1 < argc) solutionDir = argv[++i];
    else if (a == "-n" && i + 1 < argc) scripts = std::atoi(argv[++i]);
    else if (a == "-l" && i + 1 < argc) onlySlot = std::atoi(argv[++i]);
    else files.push_back(a);
  }
  if (files.empty()) return usage();
  static PlayHooks hooks = headlessHooks;
  hooks.sampleKeys = sampleKeys;
  setPlayHooks(&hooks);
  std::vector<Board> boards;
  std::vector<double> pressMedians;
  for (const std::string& f : files) {
    const double m = reportCampaign(f, solutionDir, onlySlot, scripts, boards);
    if (m < 0) return 1;
    pressMedians.push_back(m);
  }
  if (onlySlot > 0) return 0;
  std::printf("Across the campaigns given:\n");
  bool rising = true;
  for (size_t i = 1; i < pressMedians.size(); ++i) rising &= pressMedians[i] > pressMedians[i - 1];
  if (pressMedians.size() > 1) verdict(rising, "median presses rise campaign to campaign", "");
  int repeats = 0;
  for (size_t i = 0; i < boards.size(); ++i)
    for (size_t j = i + 1; j < boards.size(); ++j) {
      const Board &a = boards[i], &b = boards[j];
      // The same pieces in the same places, anywhere on the board, or nearly
      // so: one board holding at least four fifths of the other's pieces.
      size_t common = 0;
      for (int dx = -MaxWidth + 1; dx < MaxWidth; ++dx)
        for (int dy = -MaxHeight + 1; dy < MaxHeight; ++dy) {
          size_t c = 0;
          for (const auto& [x, y, k] : a.pieces) c += b.pieces.count({x + dx, y + dy, k});
          common = std::max(common, c);
        }
      const size_t fewer = std::min(a.pieces.size(), b.pieces.size());
      const bool same = (common == a.pieces.size() && common == b.pieces.size()) ||
                        (fewer >= 4 && common * 5 >= fewer * 4);
      if (same) std::printf("  alike: %s and %s\n", a.where.c_str(), b.where.c_str());
      repeats += same;
    }
  verdict(repeats == 0, "no board used twice", std::to_string(repeats) + " pairs");
  return failures ? 2 : 0;
}

int usage() {
  std::fprintf(stderr, "usage: lab trace|search|beam CAMPAIGN SLOT ...\n       lab report [-d SOLUTIONS] [-n SCRIPTS] [-l SLOT] CAMPAIGN...\n");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string(argv[1]) == "report") return report(argc, argv);
  if (argc < 4) return usage();
  const std::string cmd = argv[1];
  std::ifstream file(argv[2]);
  if (!file || readCampaign(file, campaign) != 0) {
    std::fprintf(stderr, "cannot read %s\n", argv[2]);
    return 1;
  }
  lives = campaign.lives;
  static PlayHooks hooks = headlessHooks;
  hooks.sampleKeys = sampleKeys;
  setPlayHooks(&hooks);
  const int slot = std::atoi(argv[3]);
  if (slot < 1 || slot > campaign.levelCount) return usage();
  const Level& level = campaign.level[slot - 1];
  if (validateLevel(level) != 0) {
    std::fprintf(stderr, "level %d is not playable\n", slot);
    return 1;
  }

  if (cmd == "trace") {
    Script s;
    if (argc > 4 && !readScript(argv[4], s)) return usage();
    const Outcome o = playScript(level, s, 0);
    std::printf("%s frames=%d score=%u taken=%d of=%d time=%.2f\n", resultName(o.result), o.frames, o.score,
                o.taken, o.total, o.timeLeft);
    drawMap(level);
    const std::vector<std::pair<double, double>> played = path;  // slack() replays other scripts
    if (o.result == Exited && !s.empty()) slack(level, s);
    if (argc > 5) {  // a frame-by-frame log of the ball
      for (size_t i = 0; i < played.size(); ++i)
        std::printf("%zu %.1f %.1f\n", i + 1, played[i].first, played[i].second);
    }
    return 0;
  }

  if (cmd == "beam") {
    std::vector<unsigned> keys;
    int every = 3;
    size_t width = 300;
    bool allCoins = false;
    double pressCost = 15;
    for (int i = 4; i < argc; ++i) {
      const std::string a = argv[i];
      const char* v = i + 1 < argc ? argv[i + 1] : "";
      if (a == "-K") every = std::atoi(v), ++i;
      else if (a == "-B") width = static_cast<size_t>(std::atoi(v)), ++i;
      else if (a == "-P") pressCost = std::atof(v), ++i;
      else if (a == "-a") allCoins = true;
      else if (a == "-k") {
        std::stringstream ss(v);
        std::string k;
        while (std::getline(ss, k, ','))
          for (int j = 0; j < 5; ++j)
            if (k == keyNames[j]) keys.push_back(1u << j);
        ++i;
      }
    }
    if (keys.empty())
      for (int j = 0; j < 5; ++j) keys.push_back(1u << j);
    return beamSearch(level, keys, every, width, allCoins, pressCost);
  }
  if (cmd != "search") return usage();
  std::vector<unsigned> keys;
  int nMin = 1, nMax = 3, fFirst = 1, fLast = 90, tries = 20000, maxFrames = 0, gap = 6;
  unsigned seed = 1;
  bool allCoins = false;
  Script prefix;
  bool quiet = false;
  int tried = 0;
  for (int i = 4; i < argc; ++i) {
    const std::string a = argv[i];
    const char* v = i + 1 < argc ? argv[i + 1] : "";
    if (a == "-k") {
      std::string list = v;
      std::stringstream ss(list);
      std::string k;
      while (std::getline(ss, k, ','))
        for (int j = 0; j < 5; ++j)
          if (k == keyNames[j]) keys.push_back(1u << j);
      ++i;
    } else if (a == "-n") {
      std::sscanf(v, "%d-%d", &nMin, &nMax);
      ++i;
    } else if (a == "-f") {
      std::sscanf(v, "%d-%d", &fFirst, &fLast);
      ++i;
    } else if (a == "-t") {
      tries = std::atoi(v);
      ++i;
    } else if (a == "-s") {
      seed = static_cast<unsigned>(std::atoi(v));
      ++i;
    } else if (a == "-m") {
      maxFrames = std::atoi(v);
      ++i;
    } else if (a == "-g") {
      gap = std::atoi(v);
      ++i;
    } else if (a == "-p") {
      if (!readScript(v, prefix)) return usage();
      ++i;
    } else if (a == "-a") {
      allCoins = true;
    } else if (a == "-q") {
      quiet = true;
    }
  }
  if (keys.empty())
    for (int j = 0; j < 5; ++j) keys.push_back(1u << j);

  const Outcome idle = playScript(level, {}, 0);
  if (!quiet) std::printf("no input: %s frames=%d taken=%d of=%d\n", resultName(idle.result), idle.frames, idle.taken,
              idle.total);

  std::mt19937 rng(seed);
  struct Win {
    Script s;
    Outcome o;
  };
  std::vector<Win> wins;
  std::set<std::string> seen;
  for (int t = 0; t < tries; ++t) {
    const int n = nMin + static_cast<int>(rng() % (nMax - nMin + 1));
    Script s;
    std::vector<int> frames;
    for (int i = 0; i < n; ++i) frames.push_back(fFirst + static_cast<int>(rng() % (fLast - fFirst + 1)));
    std::sort(frames.begin(), frames.end());
    bool ok = true;
    for (int i = 1; i < n; ++i)
      if (frames[i] - frames[i - 1] < gap) ok = false;
    if (!ok) continue;
    for (int i = 0; i < n; ++i) s.push_back(Press{frames[i], keys[rng() % keys.size()]});
    s.insert(s.begin(), prefix.begin(), prefix.end());
    std::sort(s.begin(), s.end(), [](const Press& a, const Press& b) { return a.frame < b.frame; });
    for (size_t i = 1; i < s.size(); ++i)
      if (s[i].frame == s[i - 1].frame) ok = false;
    if (!ok) continue;
    // A direction press within the nudge cool-down of the last one does nothing.
    int lastNudge = -100;
    for (const Press& p : s)
      if (p.bits & 15u) {
        if (p.frame - lastNudge <= NudgeCooldownFrames) ok = false;
        lastNudge = p.frame;
      }
    if (!ok) continue;
    const std::string text = scriptText(s);
    if (!seen.insert(text).second) continue;
    const Outcome o = playScript(level, s, maxFrames);
    ++tried;
    if (o.result != Exited) continue;
    if (allCoins && o.taken < o.total) continue;
    wins.push_back(Win{s, o});
  }
  std::sort(wins.begin(), wins.end(), [](const Win& a, const Win& b) { return a.s.size() < b.s.size(); });
  if (!quiet) std::printf("%zu winning scripts of %d tried\n", wins.size(), tried);
  // Among the shortest winners, prefer forgiving timing.
  if (wins.size() > 200) wins.resize(200);
  std::vector<std::tuple<int, int, size_t>> ranked;
  for (size_t i = 0; i < wins.size(); ++i)
    ranked.push_back({-(window(slackOf(level, wins[i].s)) - 4 * static_cast<int>(wins[i].s.size())), wins[i].o.frames, i});
  std::sort(ranked.begin(), ranked.end());
  if (quiet) {
    std::printf("idle=%s/%d wins=%zu/%d", resultName(idle.result), idle.frames, wins.size(), tried);
    if (!ranked.empty()) {
      const Win& w = wins[std::get<2>(ranked[0])];
      std::string t = scriptText(w.s);
      std::replace(t.begin(), t.end(), '\n', ';');
      std::printf(" best=[%s] window=%d frames=%d", t.c_str(), window(slackOf(level, w.s)), w.o.frames);
    }
    std::printf("\n");
    return 0;
  }
  for (size_t r = 0; r < ranked.size() && r < 6; ++r) {
    const Win& w = wins[std::get<2>(ranked[r])];
    std::printf("-- frames=%d score=%u taken=%d of=%d time=%.2f\n%s", w.o.frames, w.o.score, w.o.taken, w.o.total,
                w.o.timeLeft, scriptText(w.s).c_str());
    slack(level, w.s);
  }
  return 0;
}
