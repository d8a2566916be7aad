// libFuzzer target: any bytes become a level and a key script (play_input.h)
// that the headless simulation plays for at most MaxFrames frames, twice.
// Built with AddressSanitizer and UndefinedBehaviorSanitizer (scripts/fuzz.sh).
//
// What must hold for every input:
// - the ball's position and velocity stay finite in every substep;
// - the same input played again gives exactly the same run: result, frame,
//   substep, ball, clock, score, lives and coins.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/p_play.h"
#include "game/p_score.h"
#include "tests/fuzz/play_input.h"

namespace {

constexpr int32_t MaxFrames = 240;

PlayInput input;

void sampleScriptKeys(KeySample& keys) {
  keys = KeySample{false, Up, false, false};
  const int32_t frame = play.frameCount;
  if (frame < 1 || static_cast<size_t>(frame) > input.keyCount) return;
  const uint8_t bits = input.keys[frame - 1];
  int groups = 0;
  for (int d = 0; d < 4; ++d) {
    if (!(bits & (1u << d))) continue;
    if (groups++ == 0) keys.direction = static_cast<Direction>(d);
  }
  keys.directionHeld = groups == 1;
  keys.actionHeld = (bits & 16) != 0;
  keys.escapeHeld = (bits & 32) != 0;
}

struct Outcome {
  LevelResult result;
  int32_t frames;
  int64_t substeps;
  Ball ball;
  double timeLeft;
  RunState run;
  int32_t coinsTaken;
};

void require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "property violated: %s\n", what);
  std::abort();
}

Outcome playOnce() {
  PlayHooks hooks = headlessHooks;
  hooks.sampleKeys = sampleScriptKeys;
  setPlayHooks(&hooks);
  resetRun(3);
  setupPlay(input.level, 0);
  PlayLoop loop;
  beginPlay(loop, input.testMode);
  Outcome o{};
  o.result = NoResult;
  while (o.result == NoResult && play.frameCount < MaxFrames) {
    o.result = playSubstep(loop);
    ++o.substeps;
    const Ball& b = play.ball;
    require(std::isfinite(b.x) && std::isfinite(b.y), "finite ball position");
    require(std::isfinite(b.vx) && std::isfinite(b.vy), "finite ball velocity");
  }
  setPlayHooks(&headlessHooks);
  o.frames = play.frameCount;
  o.ball = play.ball;
  o.timeLeft = play.timeLeft;
  o.run = run;
  o.coinsTaken = play.coinsTaken;
  return o;
}

bool same(const Outcome& a, const Outcome& b) {
  return a.result == b.result && a.frames == b.frames && a.substeps == b.substeps &&
         std::memcmp(&a.ball, &b.ball, sizeof a.ball) == 0 &&
         std::memcmp(&a.timeLeft, &b.timeLeft, sizeof a.timeLeft) == 0 &&
         a.run.score == b.run.score && a.run.lives == b.run.lives &&
         a.run.coinCounter == b.run.coinCounter && a.coinsTaken == b.coinsTaken;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  decodePlayInput(data, size, input);
  const Outcome first = playOnce();
  const Outcome second = playOnce();
  require(same(first, second), "the same input plays the same way twice");
  return 0;
}
