// Cost of a frame of play on the busiest board there can be: every cell but
// the start a force piece. "WholeFrame" is 33 substeps plus the board drawn
// into a 24-bit back buffer and the buffer copied whole to another bitmap;
// "Simulation" is the headless substeps alone, counted in frames.
#include <allegro.h>
#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>

#include "draw/r_board.h"
#include "game/g_panel.h"
#include "game/p_play.h"
#include "game/p_score.h"
#include "platform/i_system.h"

namespace {

BITMAP* target = nullptr;

Level busyLevel() {
  Level level;
  makeNewLevel(level);
  level.limit = 1000000;
  const CellKind kinds[] = {Repeller, SpinnerCW, SpinnerCCW, Repeller};
  for (int x = 0; x < MaxWidth; ++x)
    for (int y = 0; y < MaxHeight; ++y) level.cell[x][y] = Cell{kinds[(x + y) % 4], static_cast<uint32_t>((x * 7 + y) % 4)};
  level.cell[9][6] = Cell{Start, 0};
  for (int d = 0; d < 4; ++d) level.wall[d] = Bounce;
  return level;
}

void presentToMemory() {
  drawBoard(play.level, backBuffer, play.originX, play.originY, play.frameCount);
  blit(backBuffer, target, 0, 0, 0, 0, ScreenWidth, ScreenHeight);
  drawBall(target, play.ball);
}

void ensureAllegro() {
  static bool ready = false;
  if (ready) return;
  install_allegro(SYSTEM_NONE, &errno, atexit);
  set_color_depth(24);
  backBuffer = create_bitmap_ex(24, ScreenWidth, ScreenHeight);
  target = create_bitmap_ex(24, ScreenWidth, ScreenHeight);
  ready = true;
}

// Runs `frames` frames, starting the level again whenever it ends.
void runFrames(benchmark::State& state, const PlayHooks& hooks) {
  const Level level = busyLevel();
  setPlayHooks(&hooks);
  resetRun(3);
  setupPlay(level, 0xffff00);
  PlayLoop loop;
  beginPlay(loop, true);
  for (auto _ : state) {
    for (int s = 0; s < SubstepsPerFrame; ++s) {
      if (playSubstep(loop) != NoResult) {
        setupPlay(level, 0xffff00);
        beginPlay(loop, true);
      }
    }
  }
  state.SetItemsProcessed(state.iterations());
  setPlayHooks(nullptr);
}

void WholeFrame(benchmark::State& state) {
  ensureAllegro();
  PlayHooks hooks = headlessHooks;
  hooks.presentFrame = presentToMemory;
  hooks.presentFinalFrame = presentToMemory;
  runFrames(state, hooks);
}
BENCHMARK(WholeFrame);

void Simulation(benchmark::State& state) { runFrames(state, headlessHooks); }
BENCHMARK(Simulation);

}  // namespace

BENCHMARK_MAIN();
