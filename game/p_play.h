// One level played: the play state, the loop locals and the substep. The
// simulation calls the front end only through PlayHooks, at the exact points
// where the game draws, shows a frame, reads keys or waits; the headless
// hooks do nothing, so the same code runs in the window and in replays.
#pragma once
#include <cstdint>

#include "data/level.h"
#include "game/p_ball.h"

struct BonusTally;

enum LevelResult : int32_t { NoResult = 0, Lost = 1, Exited = 2, TimeExpired = 3, Quit = 4 };

enum Direction : int32_t { Up = 0, Right = 1, Down = 2, Left = 3 };

// Indicator states for the FLIP and NUDGE words; n > 0 is cool-down frames left.
enum IndicatorState : int32_t { Hidden = -2, Untouched = -1, Ready = 0 };

constexpr int32_t StartLevelBonus = 1000;
constexpr int32_t MinLevelBonus = 100;
constexpr int32_t FlipCooldownFrames = 5;
constexpr int32_t NudgeCooldownFrames = 20;
constexpr double FrameSeconds = 1.0 / 30.0;

struct PlayState {
  Level level;  // the play copy
  int32_t originX, originY;
  Ball ball;
  double timeLeft;
  int32_t coinsTotal;
  int32_t coinsTaken;
  int32_t levelBonus;
  int32_t flipCooldown;
  int32_t nudgeCooldown;
  int32_t frameCount;
};

extern PlayState play;

// Keys as sampled once per frame, right after the frame is shown.
struct KeySample {
  bool directionHeld;   // exactly one direction group held
  Direction direction;  // that group
  bool actionHeld;      // FLIP
  bool escapeHeld;
};

// The front end of play. Board coordinates are given as the simulation has
// them; the front end adds the origin. Every entry must be set.
struct PlayHooks {
  void (*drawFlipIndicator)(int32_t state);   // into the back buffer
  void (*drawNudgeIndicator)(int32_t state);  // into the back buffer
  void (*drawScore)();
  void (*drawLives)();
  void (*drawCoins)();
  void (*drawTime)(bool calm);  // calm: plenty of time left (light colour)
  void (*drawTrail)(int x1, int y1, int x2, int y2);
  void (*erasePiece)(int cx, int cy);  // a collected coin at cell (cx, cy)
  void (*presentFrame)();
  void (*presentFinalFrame)();
  void (*sampleKeys)(KeySample& keys);
  bool (*askQuit)();     // true when the player confirms quitting
  void (*beginFrameClock)();  // takes the tick count as the start of the first frame
  void (*waitFrameEnd)();     // frame pacing wait, then starts the next frame
  void (*tallyBegin)();                         // shows the final frame
  void (*tallyEnd)(const BonusTally& tally);    // draws the lines and totals
};

// Hooks that do nothing and hold no keys: headless play.
extern const PlayHooks headlessHooks;
// The hooks in force (headlessHooks until the front end installs its own).
const PlayHooks& playHooks();
void setPlayHooks(const PlayHooks* hooks);

// State local to one run of the play loop.
struct PlayLoop {
  bool testMode;
  int32_t substep;        // 0..32
  int prevX, prevY;       // previous truncated ball position
  bool skipTrail;
  bool flipped, nudged;
  bool flippedOver;       // an odd number of FLIPs: the attractors push
  bool directionState, directionPrev;
  Direction direction;
  bool actionState, actionPrev;
};

// Steps of the level start that belong to the simulation: copy the level,
// place the board, put the ball on the Start cell (cell (0, 0) with size 1
// when there is none), count the coins, set the clock.
void setupPlay(const Level& level, int32_t ballColour);

// The opening of the play loop: resets the loop locals and the level's
// counters, draws the FLIP and NUDGE words and the lives, starts the clock.
void beginPlay(PlayLoop& loop, bool testMode);

// One substep: NoResult to go on, or how the level ended.
LevelResult playSubstep(PlayLoop& loop);

// Runs substeps until one returns a result.
LevelResult runPlayLoop(bool testMode);

// The contact scan of one substep around the ball.
LevelResult checkContacts(PlayLoop& loop);

// The level-end tally at an exit: works out the bonus lines, shows the final
// frame, adds the extra coins and the points, then has the lines drawn.
void showLevelBonus(bool flipped, bool nudged);

// True when the time is drawn in its light colour: more than the bonus time
// left (or more than half the limit on a level without bonus time, that is
// one whose bonus time is 0 or less: the tally's own rule).
bool timeIsCalm(const Level& level, double timeLeft);
