// Level workbench: the report, the measures of every level of a campaign
// and the campaign's medians, checked against the difficulty targets of the
// five shipped campaigns. It prints markdown.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <tuple>

#include "tools/l_lab.h"

namespace {

// A press is a run of consecutive frames that hold any key. The timing margin
// of a press is the largest m such that moving that press alone by every
// shift from -m to +m still wins (capped at MarginCap); a level's margin is
// that of its tightest press. The random share is the part of N scripts
// (-n, default 200) that win: each has 1 to 4 presses, each press one of the
// five keys held for one frame at a frame drawn uniformly from 1 to
// 30 x limit, drawn from a generator seeded alike for every level.
constexpr int MarginCap = SlackCap;  // the same cap as trace and search
constexpr unsigned RandomSeed = 20261207;
// A player needs time to read the board: with no key pressed after the
// countdown the ball lives at least CalmFrames (3 s); a route's first press
// comes no sooner than FirstPressLeast and its presses start at least
// PressGapLeast frames apart (a third of a second).
constexpr int CalmFrames = 90;
constexpr int FirstPressLeast = 15;
constexpr int PressGapLeast = 10;
// An idea line is shown in the game as a hint: it fits a line of 64
// characters and speaks of the pieces by the names the game gives them.
constexpr size_t IdeaMost = 64;
const char* const foreignWords[] = {"well", "gate", "bumper", "pen", "nook", "whirlpool"};

struct Run {
  int first, last;  // frames
};

std::vector<Run> pressRuns(const Script& s) {
  std::map<int, unsigned> bits;
  for (const InputPress& p : s)
    if (p.keys) bits[p.frame] |= p.keys;
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
  for (const InputPress& p : s) {
    if (p.frame >= r.first && p.frame <= r.last) {
      if (p.frame + shift < 1) return false;
      out.push_back(InputPress{p.frame + shift, p.keys});
    } else {
      out.push_back(p);
    }
  }
  return true;
}

// The presses a route cannot do without: presses whose removal still wins
// (a press after the exit is one) are taken out one at a time, the first
// such press first, until every press left is needed. A replay may keep a
// spare press that makes its timing more forgiving; this count shows how
// many presses the level itself asks for.
int neededPresses(const Level& level, Script s) {
  for (bool removed = true; removed;) {
    removed = false;
    for (const Run& r : pressRuns(s)) {
      Script without;
      for (const InputPress& p : s)
        if (p.frame < r.first || p.frame > r.last) without.push_back(p);
      if (playScript(level, without, 0).result == Exited) {
        s = without;
        removed = true;
        break;
      }
    }
  }
  return static_cast<int>(pressRuns(s).size());
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

int randomWins(const Level& level, int scripts) {
  std::mt19937 rng(RandomSeed);
  const int frames = std::max(1, 30 * level.limit);
  int wins = 0;
  for (int i = 0; i < scripts; ++i) {
    Script s;
    const int n = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < n; ++k) {
      const int frame = 1 + static_cast<int>(rng() % static_cast<unsigned>(frames));
      s.push_back(InputPress{frame, 1u << (rng() % KeyCount)});
    }
    wins += playScript(level, s, 0).result == Exited;
  }
  return wins;
}

// The closest two presses of a script, start to start; 0 for fewer than two.
int closestPresses(const std::vector<Run>& runs) {
  int closest = 0;
  for (size_t i = 1; i < runs.size(); ++i) {
    const int gap = runs[i].first - runs[i - 1].first;
    if (i == 1 || gap < closest) closest = gap;
  }
  return closest;
}

// The first word of the idea line that the game never uses for its pieces
// (a plural counts as the word), or "" when there is none.
std::string foreignWord(const std::string& idea) {
  std::string word;
  for (size_t i = 0; i <= idea.size(); ++i) {
    const char c = i < idea.size() ? idea[i] : ' ';
    if (std::isalpha(static_cast<unsigned char>(c))) {
      word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      continue;
    }
    for (const char* f : foreignWords)
      if (word == f || word == std::string(f) + "s") return word;
    word.clear();
  }
  return "";
}

struct LevelMeasure {
  int slot;
  int force, kinds[4];  // attractors, repellers, clockwise, anticlockwise
  int coins, hazards, ballSize;
  int tinyForces;  // force pieces of size 0: a dot of 3 pixels, too small to read
  bool sizeClash;  // a coin and a hazard of the same size
  bool solved, idleWins, usesFlip;
  LevelResult idle;  // how the level ends with no key pressed, and when
  int idleFrames;
  int presses, margin;
  int exitFrame;   // the frame the route reaches the exit
  int firstPress;  // frame of the route's first press (0: none)
  int closest;     // frames between the closest two presses (0: fewer than two)
  int wins;        // random scripts that win
  int needed;  // presses left when every spare one is taken out
  int ideaSize;  // size of the idea's piece (-1: the idea names no force piece)
  double timeLeft, random;
  std::string idea;
  size_t ideaLength;
};

// The push a force piece gives the ball along the path of the last run: the
// field's strength at the ball, (3 x size + 1) / distance squared, summed
// over the frames, whatever the kind.
double pushAlongPath(int x, int y, uint32_t size) {
  const double cx = CellPixels * x + CellCentre, cy = CellPixels * y + CellCentre;
  double push = 0;
  for (const auto& [bx, by] : path) {
    const double d2 = (cx - bx) * (cx - bx) + (cy - by) * (cy - by);
    if (d2 > 0) push += (3.0 * size + 1.0) / d2;
  }
  return push;
}

// Whether the idea line names pieces of `kind` as the game does: attractor,
// repeller, clockwise or anticlockwise spinner ("spinner" alone names both).
bool namesKind(const std::string& idea, int32_t kind) {
  std::string low;
  for (char c : idea) low += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto has = [&low](const char* w) { return low.find(w) != std::string::npos; };
  if (kind == Attractor) return has("attractor");
  if (kind == Repeller) return has("repeller");
  if (!has("spinner")) return false;
  bool clockwise = false;  // "clockwise" not as the end of "anticlockwise"
  for (size_t at = low.find("clockwise"); at != std::string::npos; at = low.find("clockwise", at + 1))
    clockwise |= at < 4 || low.compare(at - 4, 4, "anti") != 0;
  const bool anticlockwise = has("anticlockwise");
  if (!clockwise && !anticlockwise) return true;
  return kind == SpinnerCW ? clockwise : anticlockwise;
}

// The idea's piece: of the force pieces whose kind the idea line names, the
// one that pushes the ball most along the route just run. Its size, or -1
// when the idea names no kind of force piece on the board.
int ideaPieceSize(const Level& level, const std::string& idea) {
  double most = -1;
  int size = -1;
  for (int x = 0; x < usedColumns(level); ++x)
    for (int y = 0; y < usedRows(level); ++y) {
      const Cell& c = level.cell[x][y];
      if (c.kind < Attractor || c.kind > SpinnerCCW || !namesKind(idea, c.kind)) continue;
      const double push = pushAlongPath(x, y, c.size);
      if (push > most) most = push, size = static_cast<int>(c.size);
    }
  return size;
}

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
constexpr size_t Hard = 3, Master = 4;  // their rows in targetTable

// How the level ends when no key is pressed, for the table.
std::string idleText(const LevelMeasure& m) {
  const char* what = m.idle == Exited ? "exit" : m.idle == Lost ? "lost" : "time out";
  return std::string(what) + " " + std::to_string(m.idleFrames);
}

// A start is calm when the ball, left alone, neither dies nor runs out of
// time before CalmFrames.
bool calmStart(const LevelMeasure& m) { return m.idle == Exited || m.idleFrames >= CalmFrames; }

int failures = 0;

void verdict(bool ok, const char* what, const std::string& detail) {
  std::printf("- %-4s %-44s %s\n", ok ? "ok" : "MISS", what, detail.c_str());
  failures += !ok;
}

// The level's idea: the first line of its solution file when that is a
// comment, as a table cell ('|' would end the cell).
std::string ideaOf(const std::string& solution) {
  std::ifstream in(solution);
  std::string first, idea;
  if (!std::getline(in, first) || first.rfind("# ", 0) != 0) return idea;
  if (!first.empty() && first.back() == '\r') first.pop_back();
  for (char c : first.substr(2)) {
    if (c == '|') idea += '\\';
    idea += c;
  }
  return idea;
}

// The length of the idea line as written, before any '|' is escaped.
size_t ideaLength(const std::string& solution) {
  const std::string idea = ideaOf(solution);
  return idea.size() - static_cast<size_t>(std::count(idea.begin(), idea.end(), '|'));
}

// Where the routes of a campaign file are: the folder given with -d, else
// the folder of the campaign file (where the game finds them too).
std::string solutionFolder(const std::string& given, const std::string& campaignPath) {
  if (!given.empty()) return given;
  const size_t slash = campaignPath.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : campaignPath.substr(0, slash);
}

std::string fmt(const char* f, double v) {
  char b[64];
  std::snprintf(b, sizeof b, f, v);
  return b;
}

// What a campaign's measures are compared by, against other campaigns.
struct Summary {
  double presses, exitFrame, margin, random;  // medians
  int wins, scripts;                           // random scripts, all levels together
  double overall() const { return scripts > 0 ? 100.0 * wins / scripts : 0.0; }
};

// Measures one campaign file into `sum`; false when the file cannot be read
// or has no playable level to measure.
bool reportCampaign(const std::string& path, const std::string& givenDir, int onlySlot, int scripts,
                    std::vector<Board>& boards, Summary& sum) {
  if (loadCampaign(path.c_str()) != 0) return false;
  const std::string solutionDir = solutionFolder(givenDir, path);
  const std::string base = path.substr(path.find_last_of('/') + 1);
  std::printf("## %s: %s\n\n", campaign.name, campaign.desc);
  std::printf("| # | force A/R/C/W | coins | hazards | ball | no key | presses (needed) | first | closest | FLIP | exit "
              "| time left | margin | random | idea |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
  std::vector<LevelMeasure> all;
  int playable = 0;
  for (int slot = 1; slot <= campaign.levelCount; ++slot) {
    const Level& level = campaign.level[slot - 1];
    if (validateLevel(level) != 0) continue;
    ++playable;
    Board board{base + " " + std::to_string(slot), level.width, level.height, {}};
    LevelMeasure m{};
    m.slot = slot;
    m.ideaSize = -1;
    std::set<uint32_t> coinSizes, hazardSizes;
    for (int x = 0; x < usedColumns(level); ++x)
      for (int y = 0; y < usedRows(level); ++y) {
        const Cell& c = level.cell[x][y];
        if (c.kind != Empty) board.pieces.insert({x, y, c.kind});
        if (c.kind >= Attractor && c.kind <= SpinnerCCW) ++m.force, ++m.kinds[c.kind - Attractor], m.tinyForces += c.size == 0;
        if (c.kind == Coin) ++m.coins, coinSizes.insert(c.size);
        if (c.kind == Hazard) ++m.hazards, hazardSizes.insert(c.size);
        if (c.kind == Start) m.ballSize = static_cast<int>(c.size);
      }
    for (uint32_t size : coinSizes) m.sizeClash |= hazardSizes.count(size) > 0;
    boards.push_back(board);
    if (onlySlot > 0 && slot != onlySlot) continue;

    const std::string solution = solutionDir + "/" + base + "." + std::to_string(slot) + ".txt";
    Script s;
    if (!std::filesystem::exists(solution)) {
      m.idea = "(no solution " + solution + ")";
    } else if (!readScript(solution.c_str(), s)) {
      m.idea = "(unreadable solution " + solution + ")";
    } else {
      m.idea = ideaOf(solution);
      const Outcome o = playScript(level, s, 0);
      m.solved = o.result == Exited;
      m.ideaSize = ideaPieceSize(level, m.idea);  // the route's path, before any other run
      m.timeLeft = o.timeLeft;
      const std::vector<Run> runs = pressRuns(s);
      m.presses = static_cast<int>(runs.size());
      m.exitFrame = m.solved ? o.frames : 0;
      m.firstPress = runs.empty() ? 0 : runs.front().first;
      m.closest = closestPresses(runs);
      m.ideaLength = ideaLength(solution);
      for (const InputPress& p : s) m.usesFlip |= (p.keys & HoldFlip) != 0;
      m.margin = MarginCap;
      if (m.solved) m.needed = neededPresses(level, s);
      if (m.solved)
        for (const Run& r : runs) m.margin = std::min(m.margin, pressMargin(level, s, r));
      else
        m.margin = 0;
    }
    const Outcome idle = playScript(level, {}, 0);
    m.idle = idle.result;
    m.idleFrames = idle.frames;
    m.idleWins = idle.result == Exited;
    m.wins = randomWins(level, scripts);
    m.random = scripts > 0 ? 100.0 * m.wins / scripts : 0.0;
    all.push_back(m);
    std::printf("| %d | %d %d/%d/%d/%d | %d | %d | %d%s | %s | %d (%d) | %d | %d | %s | %d | %s | %d | %.1f%% | %s%s%s |\n",
                slot, m.force, m.kinds[0], m.kinds[1], m.kinds[2], m.kinds[3], m.coins, m.hazards, m.ballSize,
                m.sizeClash ? " (coin=hazard size)" : "", idleText(m).c_str(), m.presses, m.needed, m.firstPress,
                m.closest, m.usesFlip ? "yes" : "no", m.exitFrame,
                m.solved ? fmt("%.1f s", m.timeLeft).c_str() : "NOT WON", m.margin, m.random,
                m.idleWins ? "WON WITH NO KEY: " : "", m.idea.c_str(), "");
    std::fflush(stdout);
  }
  if (all.empty()) {
    if (onlySlot > 0) fail("level %d is not a playable level of %s", onlySlot, path.c_str());
    else fail("%s has no playable level", path.c_str());
    return false;
  }

  std::vector<double> force, presses, needed, random, timeLeft, margin, exitFrame, firstPress, closest, idleFrames;
  int kindLevels[4] = {0, 0, 0, 0}, flips = 0, unsolved = 0, idle = 0, smallBall = 0, clash = 0, tiny = 0;
  int restless = 0, early = 0, hurried = 0, longIdeas = 0, foreign = 0, smallIdea = 0, wins = 0;
  std::string restlessList, earlyList, hurriedList, longList, foreignList, smallIdeaList;
  const auto note = [](std::string& list, int slot) { list += (list.empty() ? "" : ",") + std::to_string(slot); };
  for (const LevelMeasure& m : all) {
    if (m.solved) exitFrame.push_back(m.exitFrame);
    if (m.firstPress > 0) firstPress.push_back(m.firstPress);
    if (m.closest > 0) closest.push_back(m.closest);
    idleFrames.push_back(m.idleFrames);
    wins += m.wins;
    if (!calmStart(m)) ++restless, note(restlessList, m.slot);
    if (m.firstPress > 0 && m.firstPress < FirstPressLeast) ++early, note(earlyList, m.slot);
    if (m.closest > 0 && m.closest < PressGapLeast) ++hurried, note(hurriedList, m.slot);
    if (m.ideaLength > IdeaMost) ++longIdeas, note(longList, m.slot);
    if (m.ideaSize >= 0 && m.ideaSize < 2) ++smallIdea, note(smallIdeaList, m.slot);
    const std::string word = foreignWord(m.idea);
    if (!word.empty()) ++foreign, note(foreignList, m.slot), foreignList += " " + word;
    force.push_back(m.force);
    presses.push_back(m.presses);
    needed.push_back(m.needed);
    random.push_back(m.random);
    timeLeft.push_back(m.timeLeft);
    margin.push_back(m.margin);
    for (int k = 0; k < 4; ++k) kindLevels[k] += m.kinds[k] > 0;
    flips += m.usesFlip;
    unsolved += !m.solved;
    idle += m.idleWins;
    smallBall += m.ballSize < 1;
    tiny += m.tinyForces > 0;
    clash += m.sizeClash;
  }
  const double n = static_cast<double>(all.size());
  sum = Summary{median(presses), median(exitFrame), median(margin), median(random), wins, scripts * static_cast<int>(n)};
  std::printf("\nMedians: force pieces %.1f, presses %.1f (needed %.1f), random share %.1f%%, time left %.1f s, margin %.1f. "
              "Least time left %.1f s, least margin %.0f. Levels with attractors %d, repellers %d, clockwise "
              "spinners %d, anticlockwise spinners %d; replays using FLIP %d of %d.\n",
              median(force), median(presses), median(needed), median(random), median(timeLeft), median(margin),
              *std::min_element(timeLeft.begin(), timeLeft.end()), *std::min_element(margin.begin(), margin.end()),
              kindLevels[0], kindLevels[1], kindLevels[2], kindLevels[3], flips, static_cast<int>(n));
  // A median of no values (no route has two presses, say) is shown as "-".
  const auto shown = [](const std::vector<double>& v) { return v.empty() ? std::string("-") : fmt("%.1f", median(v)); };
  std::printf("Rhythm (medians): frame of the end with no key %s, first press %s, closest two presses %s, "
              "exit frame %s; random scripts won %d of %d (%.2f%%).\n\n",
              shown(idleFrames).c_str(), shown(firstPress).c_str(), shown(closest).c_str(), shown(exitFrame).c_str(),
              wins, sum.scripts, sum.overall());

  if (onlySlot > 0) return true;
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
  verdict(tiny == 0, "force pieces at least size 1", std::to_string(tiny) + " levels hide size-0 fields");
  verdict(clash == 0, "coins and hazards of different sizes", std::to_string(clash) + " levels mix them");
  const auto levelsNamed = [](int count, const std::string& list) {
    return std::to_string(count) + (list.empty() ? "" : " (" + list + ")");
  };
  verdict(restless == 0, "no loss before frame 90 with no key", levelsNamed(restless, restlessList));
  verdict(early == 0, "first press at frame 15 or later", levelsNamed(early, earlyList));
  verdict(hurried == 0, "presses at least 10 frames apart", levelsNamed(hurried, hurriedList));
  verdict(longIdeas == 0, "idea lines at most 64 characters", levelsNamed(longIdeas, longList));
  verdict(foreign == 0, "idea lines in the game's words", levelsNamed(foreign, foreignList));
  verdict(smallIdea == 0, "the idea's piece at size 2 or 3", levelsNamed(smallIdea, smallIdeaList));
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
  return true;
}

// MASTER stands above HARD by every measure: fewer random scripts win (the
// median share no higher and the share over all levels lower, since HARD's
// median is often 0), more presses, longer routes (a later exit), and
// margins no wider, so that it is harder by its routes, not by reflexes.
void masterAboveHard(const Summary& hard, const Summary& master) {
  const auto pair = [](const char* f, double h, double m) { return fmt(f, h) + " -> " + fmt(f, m); };
  verdict(master.random <= hard.random && master.overall() < hard.overall(), "MASTER: fewer random wins than HARD",
          "median " + pair("%.1f%%", hard.random, master.random) + ", overall " +
              pair("%.2f%%", hard.overall(), master.overall()));
  verdict(master.presses > hard.presses, "MASTER: more presses than HARD", pair("%.1f", hard.presses, master.presses));
  verdict(master.exitFrame > hard.exitFrame, "MASTER: longer routes than HARD (exit frame)",
          pair("%.1f", hard.exitFrame, master.exitFrame));
  verdict(master.margin <= hard.margin, "MASTER: margins no wider than HARD",
          pair("%.1f", hard.margin, master.margin));
}

}  // namespace

// report [-d DIR] [-n SCRIPTS] [-l SLOT] CAMPAIGN...
int reportCommand(int argc, char** argv) {
  std::string solutionDir;
  int onlySlot = 0, scripts = 200;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    bool ok = true;
    if (a == "-d") {
      if (i + 1 >= argc) return fail("-d needs a folder");
      solutionDir = argv[++i];
    } else if (a == "-n") ok = intOption(argc, argv, i, 0, scripts);
    else if (a == "-l") ok = intOption(argc, argv, i, 1, onlySlot);
    else if (a.size() > 1 && a[0] == '-') return fail("report has no option %s", argv[i]);
    else files.push_back(a);
    if (!ok) return 1;
  }
  if (files.empty()) return fail("report needs a campaign file");
  useScriptKeys();
  std::vector<Board> boards;
  // Median presses of the difficulty campaigns given, in difficulty order
  // whatever the order of the files; other campaigns do not take part.
  std::map<size_t, Summary> byDifficulty;
  for (const std::string& f : files) {
    Summary sum{};
    if (!reportCampaign(f, solutionDir, onlySlot, scripts, boards, sum)) return 1;
    for (size_t d = 0; d < sizeof targetTable / sizeof targetTable[0]; ++d)
      if (std::strcmp(targetTable[d].name, campaign.name) == 0) byDifficulty[d] = sum;
  }
  std::vector<double> pressMedians;
  for (const auto& [difficulty, m] : byDifficulty) pressMedians.push_back(m.presses);
  if (onlySlot > 0) return 0;
  std::printf("Across the campaigns given:\n");
  bool rising = true;
  std::string medians = pressMedians.empty() ? "" : fmt("%.1f", pressMedians[0]);
  for (size_t i = 1; i < pressMedians.size(); ++i) {
    rising &= pressMedians[i] > pressMedians[i - 1];
    medians += fmt(", %.1f", pressMedians[i]);
  }
  if (pressMedians.size() > 1) verdict(rising, "median presses rise from campaign to campaign", medians);
  if (byDifficulty.count(Hard) && byDifficulty.count(Master)) masterAboveHard(byDifficulty[Hard], byDifficulty[Master]);
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
      if (same) std::printf("- alike: %s and %s\n", a.where.c_str(), b.where.c_str());
      repeats += same;
    }
  verdict(repeats == 0, "no board used twice", std::to_string(repeats) + " pairs");
  return failures ? 2 : 0;
}
