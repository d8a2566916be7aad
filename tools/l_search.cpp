// Level workbench: the two route finders. `search` draws short random
// scripts and ranks the winners by how forgiving their timing is; `beam`
// steps the simulation a frame at a time and keeps the most promising
// states, for routes that need many presses.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <tuple>

#include "game/p_score.h"
#include "tools/l_lab.h"

namespace {

// ---- beam search: the simulation is stepped a frame at a time and its whole
// state copied, so every branch continues from a shared prefix.
unsigned liveBits = 0;

void liveKeys(KeySample& keys) { sampleHeldKeys(liveBits, keys); }

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
        if (k != 0) t.script.push_back(InputPress{f, k});
        if (t.result == Exited) {
          if (allCoins && t.play.coinsTaken < t.play.coinsTotal) continue;
          std::printf("won at frame %d with %zu presses, %d of %d coins\n%s", t.play.frameCount,
                      t.script.size(), t.play.coinsTaken, t.play.coinsTotal, scriptText(t.script).c_str());
          useScriptKeys();
          printSlack(level, t.script);
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
      for (const InputPress& p : s.script) flips += (p.keys & HoldFlip) != 0;
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

// The keys to try: the ones given, or all five.
void allKeysIfNone(std::vector<unsigned>& keys) {
  if (keys.empty())
    for (int j = 0; j < KeyCount; ++j) keys.push_back(1u << j);
}

}  // namespace

// beam CAMPAIGN SLOT [-K FRAMES] [-B WIDTH] [-k KEYS] [-a] [-P COST]
int beamCommand(int argc, char** argv) {
  const Level* level = levelArgument(argc, argv);
  if (!level) return 1;
  std::vector<unsigned> keys;
  int every = 3, width = 300;
  bool allCoins = false;
  double pressCost = 15;
  for (int i = 3; i < argc; ++i) {
    const std::string a = argv[i];
    bool ok = true;
    if (a == "-K") ok = intOption(argc, argv, i, 1, every);
    else if (a == "-B") ok = intOption(argc, argv, i, 1, width);
    else if (a == "-k") ok = keysOption(argc, argv, i, keys);
    else if (a == "-a") allCoins = true;
    else if (a == "-P") {
      char* end = nullptr;
      pressCost = i + 1 < argc ? std::strtod(argv[i + 1], &end) : 0;
      if (!end || end == argv[i + 1] || *end) return fail("-P needs a number of pixels");
      ++i;
    } else {
      return fail("beam has no option %s", argv[i]);
    }
    if (!ok) return 1;
  }
  allKeysIfNone(keys);
  return beamSearch(*level, keys, every, static_cast<size_t>(width), allCoins, pressCost);
}

// search CAMPAIGN SLOT [-k KEYS] [-n MIN-MAX] [-f FIRST-LAST] [-t TRIES]
//   [-s SEED] [-m FRAMES] [-a] [-g GAP] [-p SCRIPT] [-q]
int searchCommand(int argc, char** argv) {
  const Level* levelPointer = levelArgument(argc, argv);
  if (!levelPointer) return 1;
  const Level& level = *levelPointer;
  std::vector<unsigned> keys;
  int nMin = 1, nMax = 3, fFirst = 1, fLast = 90, tries = 20000, maxFrames = 0, gap = 6, seed = 1;
  bool allCoins = false;
  Script prefix;
  bool quiet = false;
  int tried = 0;
  for (int i = 3; i < argc; ++i) {
    const std::string a = argv[i];
    bool ok = true;
    if (a == "-k") ok = keysOption(argc, argv, i, keys);
    else if (a == "-n") ok = rangeOption(argc, argv, i, 0, nMin, nMax);
    else if (a == "-f") ok = rangeOption(argc, argv, i, 1, fFirst, fLast);
    else if (a == "-t") ok = intOption(argc, argv, i, 0, tries);
    else if (a == "-s") ok = intOption(argc, argv, i, 0, seed);
    else if (a == "-m") ok = intOption(argc, argv, i, 0, maxFrames);
    else if (a == "-g") ok = intOption(argc, argv, i, 0, gap);
    else if (a == "-p") {
      if (i + 1 >= argc) return fail("-p needs an input script");
      ok = readScript(argv[++i], prefix);
    } else if (a == "-a") allCoins = true;
    else if (a == "-q") quiet = true;
    else return fail("search has no option %s", argv[i]);
    if (!ok) return 1;
  }
  allKeysIfNone(keys);
  useScriptKeys();

  const Outcome idle = playScript(level, {}, 0);
  if (!quiet) std::printf("no input: %s frames=%d taken=%d of=%d\n", resultName(idle.result), idle.frames, idle.taken,
              idle.total);

  std::mt19937 rng(static_cast<unsigned>(seed));
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
    for (int i = 0; i < n; ++i) s.push_back(InputPress{frames[i], keys[rng() % keys.size()]});
    s.insert(s.begin(), prefix.begin(), prefix.end());
    std::sort(s.begin(), s.end(), [](const InputPress& a, const InputPress& b) { return a.frame < b.frame; });
    for (size_t i = 1; i < s.size(); ++i)
      if (s[i].frame == s[i - 1].frame) ok = false;
    if (!ok) continue;
    // A direction press within the nudge cool-down of the last one does nothing.
    int lastNudge = -100;
    for (const InputPress& p : s)
      if (p.keys & 15u) {
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
    printSlack(level, w.s);
  }
  return 0;
}
