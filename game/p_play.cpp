#include "game/p_play.h"

#include <cstdint>

#include "game/p_events.h"
#include "game/p_score.h"
#include "game/p_tally.h"

PlayState play;

namespace {

// The board's screen origin, held within 2^24 pixels: a level of extreme
// extent (test play runs any level) is off the screen either way, and every
// sum of an origin and a pixel then fits an int.
int32_t farOrigin(int64_t origin) {
  return static_cast<int32_t>(origin > FarPixel ? FarPixel : (origin < -FarPixel ? -FarPixel : origin));
}

void noIndicator(int32_t) {}
void noField() {}
void noTime(bool) {}
void noTrail(int, int, int, int) {}
void noErase(int, int) {}
void noKeys(KeySample& keys) { keys = KeySample{false, Up, false, false}; }
bool neverQuit() { return false; }
void noTally(const BonusTally&) {}

const PlayHooks* currentHooks = &headlessHooks;

// Sizes above 3 only occur in a level the editor test-plays as it stands
// (the level check rejects them); the ball and the contact radii treat them
// as 3, as the drawing does, so the radius arithmetic cannot overflow and
// what the player sees is what the ball meets.
uint32_t playedSize(uint32_t size) {
  return size > static_cast<uint32_t>(MaxPieceSize) ? static_cast<uint32_t>(MaxPieceSize) : size;
}

// The level bonus never drops below its floor, whatever FLIP and NUDGE cost.
void chargeLevelBonus(int32_t cost) {
  play.levelBonus -= cost;
  if (play.levelBonus < MinLevelBonus) play.levelBonus = MinLevelBonus;
}

void applyNudge(Ball& ball, Direction direction) {
  switch (direction) {
    case Up: ball.vy -= NudgeImpulse; break;
    case Right: ball.vx += NudgeImpulse; break;
    case Down: ball.vy += NudgeImpulse; break;
    case Left: ball.vx -= NudgeImpulse; break;
  }
}

// The last seconds tick once each, when the whole seconds shown drop.
void reportClockTick(double before, double after) {
  const int32_t shown = static_cast<int32_t>(after);
  if (shown < TickingSeconds && shown < static_cast<int32_t>(before)) reportEvent(EventClockTick, shown);
}

// Every 33rd substep: clock, cool-downs, the frame shown, keys read, the
// wait for the frame's end. Returns a result when the level ends here.
LevelResult frameWork(PlayLoop& loop) {
  const PlayHooks& hooks = playHooks();
  loop.substep = 0;
  const double before = play.timeLeft;
  play.timeLeft -= FrameSeconds;
  if (play.timeLeft < 0) play.timeLeft = 0;
  hooks.drawTime(timeIsCalm(play.level, play.timeLeft));
  if (play.timeLeft <= 0) {
    reportEvent(EventTimeUp);
    return TimeExpired;
  }
  reportClockTick(before, play.timeLeft);
  if (play.nudgeCooldown > 0) {
    --play.nudgeCooldown;
    hooks.drawNudgeIndicator(play.nudgeCooldown);
  }
  if (play.flipCooldown > 0) {
    --play.flipCooldown;
    hooks.drawFlipIndicator(play.flipCooldown);
  }
  ++play.frameCount;
  hooks.presentFrame();
  KeySample keys{false, loop.direction, false, false};
  hooks.sampleKeys(keys);
  loop.directionState = keys.directionHeld;
  loop.direction = keys.direction;
  loop.actionState = keys.actionHeld;
  if (keys.escapeHeld) {
    if (loop.testMode) return Quit;
    if (hooks.askQuit()) return Quit;
  }
  hooks.waitFrameEnd();
  return NoResult;
}

}  // namespace

const PlayHooks headlessHooks = {
    noIndicator, noIndicator, noField,  noField,   noField,  noTime,
    noTrail,     noErase,     noField,  noField,   noKeys,   neverQuit,
    noField,     noField,     noField,  noTally,
};

const PlayHooks& playHooks() { return *currentHooks; }

void setPlayHooks(const PlayHooks* hooks) { currentHooks = hooks ? hooks : &headlessHooks; }

bool timeIsCalm(const Level& level, double timeLeft) {
  // A bonus time of 0 or less is none, as in the tally: half the limit rules.
  if (level.bonus > 0) return level.bonus < timeLeft;
  return level.limit / 2.0 < timeLeft;
}

void setupPlay(const Level& level, int32_t ballColour) {
  play.level = level;
  // 64-bit intermediates: the width and height of a level are stored as read.
  play.originX = farOrigin((512 - 25 * static_cast<int64_t>(level.width)) / 2);
  play.originY = farOrigin((325 - 25 * static_cast<int64_t>(level.height)) / 2);
  Ball& ball = play.ball;
  ball.vx = 0;
  ball.vy = 0;
  // Without a Start cell the ball waits at the centre of cell (0, 0), size 1,
  // rather than wherever an earlier attempt left it.
  ball.x = CellCentre;
  ball.y = CellCentre;
  ball.size = 1;
  ball.colour = ballColour;
  play.timeLeft = level.limit;
  play.coinsTotal = 0;
  const int w = usedColumns(level), h = usedRows(level);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Cell& cell = level.cell[x][y];
      if (cell.kind == Start) {
        ball.x = CellPixels * x + CellCentre;
        ball.y = CellPixels * y + CellCentre;
        ball.size = static_cast<int32_t>(playedSize(cell.size));
      } else if (cell.kind == Coin) {
        ++play.coinsTotal;
      }
    }
  }
  play.coinsTaken = 0;
  play.levelBonus = StartLevelBonus;
  play.flipCooldown = 0;
  play.nudgeCooldown = 0;
  play.frameCount = 0;
}

void beginPlay(PlayLoop& loop, bool testMode) {
  play.frameCount = 0;
  loop.testMode = testMode;
  loop.substep = 0;
  loop.prevX = truncatedPixel(play.ball.x);
  loop.prevY = truncatedPixel(play.ball.y);
  loop.skipTrail = true;
  loop.directionState = loop.directionPrev = false;
  loop.direction = Up;
  loop.actionState = loop.actionPrev = false;
  play.flipCooldown = 0;
  play.nudgeCooldown = 0;
  loop.flipped = loop.nudged = false;
  loop.flippedOver = false;
  play.levelBonus = StartLevelBonus;
  play.coinsTaken = 0;
  const PlayHooks& hooks = playHooks();
  hooks.drawFlipIndicator(Untouched);
  hooks.drawNudgeIndicator(Untouched);
  hooks.drawLives();
  hooks.beginFrameClock();
}

LevelResult playSubstep(PlayLoop& loop) {
  const PlayHooks& hooks = playHooks();
  Ball& ball = play.ball;

  if (loop.actionState && !loop.actionPrev && play.flipCooldown <= 0) {
    flipLevel(play.level);
    loop.flipped = true;
    play.flipCooldown = FlipCooldownFrames;
    hooks.drawFlipIndicator(FlipCooldownFrames);
    chargeLevelBonus(1);
    loop.flippedOver = !loop.flippedOver;
    reportEvent(loop.flippedOver ? EventFlipToRepellers : EventFlipBack);
  }
  if (loop.directionState && !loop.directionPrev && play.nudgeCooldown <= 0) {
    applyNudge(ball, loop.direction);
    play.nudgeCooldown = NudgeCooldownFrames;
    hooks.drawNudgeIndicator(NudgeCooldownFrames);
    loop.nudged = true;
    chargeLevelBonus(10);
    reportEvent(EventNudge, loop.direction);
  }
  loop.directionPrev = loop.directionState;
  loop.actionPrev = loop.actionState;

  applyFieldForces(ball, play.level);
  limitSpeed(ball);
  ball.x += ball.vx;
  ball.y += ball.vy;

  const int tx = truncatedPixel(ball.x), ty = truncatedPixel(ball.y);
  if (!loop.skipTrail) hooks.drawTrail(loop.prevX, loop.prevY, tx, ty);
  loop.prevX = tx;
  loop.prevY = ty;
  loop.skipTrail = false;

  if (loop.substep < SubstepsPerFrame - 1) {
    ++loop.substep;
  } else {
    const LevelResult r = frameWork(loop);
    if (r != NoResult) return r;
  }

  const double vxBefore = ball.vx, vyBefore = ball.vy;
  const EdgeOutcome edge = checkEdges(ball, play.level);
  if (edge == EdgeLost) {
    reportEvent(EventBurst);
    hooks.presentFinalFrame();
    return Lost;
  }
  // A bounce off a wall turns the motion round; a ball pushed back onto
  // the board while already moving inward has not bounced.
  if (ball.vx != vxBefore || ball.vy != vyBefore) reportEvent(EventBounceWall);
  if (edge == EdgeWrapped) {
    loop.skipTrail = true;
    reportEvent(EventWrap);
  }

  const LevelResult contact = checkContacts(loop);
  if (contact == Lost) {
    reportEvent(EventBurst);
    hooks.presentFinalFrame();
  }
  return contact;
}

LevelResult runPlayLoop(bool testMode) {
  PlayLoop loop;
  beginPlay(loop, testMode);
  LevelResult result;
  while ((result = playSubstep(loop)) == NoResult) {
  }
  return result;
}

LevelResult checkContacts(PlayLoop& loop) {
  Ball& ball = play.ball;
  Level& level = play.level;
  const int radius = ballRadius(ball);
  // The bounds are worked out again from the ball's current position as the
  // scan goes on: a bounce during the scan moves the ball.
  for (int cy = truncatedPixel(ball.y) / CellPixels - 1; cy <= truncatedPixel(ball.y) / CellPixels + 1;
       ++cy) {
    for (int cx = truncatedPixel(ball.x) / CellPixels - 1; cx <= truncatedPixel(ball.x) / CellPixels + 1;
         ++cx) {
      if (cx < 0 || cy < 0 || cx >= level.width || cy >= level.height) continue;
      if (cx >= MaxWidth || cy >= MaxHeight) continue;
      Cell& cell = level.cell[cx][cy];
      if (cell.kind == Empty) continue;
      const double centreX = CellPixels * cx + CellCentre;
      const double centreY = CellPixels * cy + CellCentre;
      const double dx = ball.x - centreX, dy = ball.y - centreY;
      const int reach = pieceRadius(playedSize(cell.size)) + radius;
      if (dx * dx + dy * dy > static_cast<double>(reach) * reach) continue;
      switch (cell.kind) {
        case Attractor:
        case Hazard:
          return Lost;
        case Repeller:
        case SpinnerCW:
        case SpinnerCCW:
          bounceOffPiece(ball, reach, centreX, centreY);
          reportEvent(EventBouncePiece);
          break;
        case Coin: {
          const int value = cell.size <= static_cast<uint32_t>(MaxPieceSize) ? coinValue[cell.size] : 0;
          addScore(50 * value);
          addCoins(value);
          ++play.coinsTaken;
          cell.kind = Empty;
          playHooks().erasePiece(cx, cy);
          reportEvent(EventCoin, static_cast<int32_t>(playedSize(cell.size)));
          break;
        }
        case Exit:
          reportEvent(EventExit);
          showLevelBonus(loop.flipped, loop.nudged);
          return Exited;
        default:
          break;
      }
    }
  }
  return NoResult;
}

void showLevelBonus(bool flipped, bool nudged) {
  BonusTally tally;
  computeLevelBonus(play, flipped, nudged, tally);
  const PlayHooks& hooks = playHooks();
  hooks.tallyBegin();
  addCoins(tally.coinCalls);
  addScore(tally.total);
  hooks.tallyEnd(tally);
  for (int32_t k = 0; k < tally.lineCount; ++k) reportEvent(EventTallyLine, k);
  reportEvent(EventTallyTotal, tally.lineCount);
}
