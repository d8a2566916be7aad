// Level workbench: scripted runs of one level, the timing slack of their
// presses, and the trace command with its text map of the ball's path.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>

#include "data/campaign_io.h"
#include "game/p_score.h"
#include "tools/l_lab.h"

Campaign campaign;
int32_t lives = 3;
std::vector<std::pair<double, double>> path;

namespace {

std::map<int, unsigned> held;

void scriptKeys(KeySample& keys) {
  path.emplace_back(play.ball.x, play.ball.y);
  auto it = held.find(play.frameCount);
  sampleHeldKeys(it == held.end() ? 0u : it->second, keys);
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

}  // namespace

int loadCampaign(const char* file) {
  std::ifstream in(file);
  if (!in || readCampaign(in, campaign) != 0) return fail("cannot read campaign %s", file);
  lives = std::clamp<int32_t>(campaign.lives, 0, MaxLives);
  return 0;
}

void useScriptKeys() {
  static PlayHooks hooks = headlessHooks;
  hooks.sampleKeys = scriptKeys;
  setPlayHooks(&hooks);
}

Outcome playScript(const Level& level, const Script& script, int maxFrames) {
  held.clear();
  path.clear();
  for (const InputPress& p : script) held[p.frame] |= p.keys;
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
  for (const InputPress& p : s) {
    out += std::to_string(p.frame);
    for (int i = 0; i < KeyCount; ++i)
      if (p.keys & (1u << i)) out += std::string(" ") + keyNames[i];
    out += "\n";
  }
  return out;
}

bool readScript(const char* file, Script& s) { return readInputScript(file, "quib-lab", s) == 0; }

std::vector<Slack> slackOf(const Level& level, const Script& s) {
  std::vector<Slack> out;
  for (size_t i = 0; i < s.size(); ++i) {
    Slack k{0, 0};
    for (int d = 1; d <= SlackCap; ++d) {
      Script t = s;
      t[i].frame -= d;
      if (t[i].frame < 1 || playScript(level, t, 0).result != Exited) break;
      k.early = d;
    }
    for (int d = 1; d <= SlackCap; ++d) {
      Script t = s;
      t[i].frame += d;
      if (playScript(level, t, 0).result != Exited) break;
      k.late = d;
    }
    out.push_back(k);
  }
  return out;
}

int window(const std::vector<Slack>& k) {
  int w = 99;
  for (const Slack& s : k) w = std::min(w, s.early + s.late + 1);
  return w;
}

void printSlack(const Level& level, const Script& s) {
  const std::vector<Slack> k = slackOf(level, s);
  std::printf("  each press alone may come earlier (-) or later (+), up to %d frames:\n", SlackCap);
  for (size_t i = 0; i < s.size(); ++i)
    std::printf("  press %zu at %d: -%d..+%d\n", i + 1, s[i].frame, k[i].early, k[i].late);
}

// trace CAMPAIGN SLOT [SCRIPT [log]]
int traceCommand(int argc, char** argv) {
  if (argc > 5) return fail("trace takes CAMPAIGN SLOT [SCRIPT [log]]");
  const Level* level = levelArgument(argc, argv);
  if (!level) return 1;
  Script s;
  if (argc > 3 && !readScript(argv[3], s)) return 1;
  useScriptKeys();
  const Outcome o = playScript(*level, s, 0);
  std::printf("%s frames=%d score=%u taken=%d of=%d time=%.2f\n", resultName(o.result), o.frames, o.score,
              o.taken, o.total, o.timeLeft);
  drawMap(*level);
  const std::vector<std::pair<double, double>> played = path;  // printSlack replays other scripts
  if (o.result == Exited && !s.empty()) printSlack(*level, s);
  if (argc > 4) {  // a frame-by-frame log of the ball
    for (size_t i = 0; i < played.size(); ++i) std::printf("%zu %.1f %.1f\n", i + 1, played[i].first, played[i].second);
  }
  return 0;
}
