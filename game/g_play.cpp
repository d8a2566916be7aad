// Level start and play in the window: the hooks that let the simulation
// draw into the back buffer, show frames, read the keyboard and keep pace.
#include "game/g_play.h"

#include <allegro.h>

#include "draw/r_board.h"
#include "game/g_cards.h"
#include "game/g_clock.h"
#include "game/g_panel.h"
#include "game/g_tally.h"
#include "game/p_events.h"
#include "platform/i_sound.h"
#include "platform/i_system.h"

namespace {

int32_t frameStart = 0;

void hookFlip(int32_t state) { drawFlipIndicator(backBuffer, state); }
void hookNudge(int32_t state) { drawNudgeIndicator(backBuffer, state); }
void hookScore() { drawScore(backBuffer); }
void hookLives() { drawLives(backBuffer); }
void hookCoins() { drawCoins(backBuffer); }
void hookTime(bool calm) {
  drawTime(backBuffer, calm ? makecol(200, 200, 192) : makecol(192, 160, 160));
}
void hookTrail(int x1, int y1, int x2, int y2) {
  drawTrailSegment(backBuffer, x1 + play.originX, y1 + play.originY, x2 + play.originX,
                   y2 + play.originY);
}
void hookErase(int cx, int cy) { erasePiece(play.level, backBuffer, play.originX, play.originY, cx, cy); }
void hookKeys(KeySample& keys) {
  // The key card stops the level here, between two frames: the clock and
  // the ball stand still until it goes, and the key that ends it is not
  // seen by play. The frame shown is then shown again.
  if (keyCardAsked()) {
    showKeyCard(PlayCard);
    presentFrame();
  }
  keys.directionHeld = heldDirection(keys.direction);
  keys.actionHeld = actionKeyHeld();
  keys.escapeHeld = key[KEY_ESC] != 0;
}
void hookBeginClock() { frameStart = tickCount; }
void hookWait() { frameStart = waitForFrameEnd(frameStart); }

// A ball resting against a wall or a piece bounces on many substeps in a
// row; it is heard at most once in this many frames.
constexpr int32_t BounceGapFrames = 3;
int32_t lastHeard[EventKinds];

void hearEvent(PlayEvent event, int32_t detail) {
  if (event == EventBounceWall || event == EventBouncePiece || event == EventWrap) {
    if (play.frameCount - lastHeard[event] < BounceGapFrames && play.frameCount >= lastHeard[event]) return;
    lastHeard[event] = play.frameCount;
  }
  playSound(eventSound(event, detail));
}

const PlayEventHooks windowEvents = {hearEvent};

const PlayHooks windowHooks = {
    hookFlip,  hookNudge, hookScore,      hookLives,        hookCoins,         hookTime,
    hookTrail, hookErase, presentFrame,   presentFinalFrame, hookKeys,         askQuit,
    hookBeginClock,       hookWait,       beginTallyScreen, drawTallyScreen,
};

}  // namespace

void useWindowHooks() {
  setPlayHooks(&windowHooks);
  setPlayEventHooks(&windowEvents);
  for (int32_t& frame : lastHeard) frame = -BounceGapFrames;
}

SoundId eventSound(PlayEvent event, int32_t detail) {
  switch (event) {
    case EventNudge: return SoundNudge;
    case EventFlipToRepellers: return SoundFlipToRepellers;
    case EventFlipBack: return SoundFlipBack;
    case EventCoin: return coinSound(detail);
    case EventBounceWall: return SoundBounceWall;
    case EventBouncePiece: return SoundBouncePiece;
    case EventWrap: return SoundWrap;
    case EventBurst: return SoundBurst;
    case EventTimeUp: return SoundTimeUp;
    case EventClockTick: return SoundClockTick;
    case EventExit: return SoundExit;
    case EventExtraLife: return SoundExtraLife;
    case EventTallyLine:
      return static_cast<SoundId>(SoundTallyLine0 + (detail < 0 ? 0 : (detail > 3 ? 3 : detail)));
    case EventTallyTotal:
      return static_cast<SoundId>(SoundTallyTotal0 + (detail < 0 ? 0 : (detail > 4 ? 4 : detail)));
    default: return SoundCount;
  }
}

const PlayHooks& windowPlayHooks() { return windowHooks; }

int startLevel(const Level& level, int number, bool testMode) {
  useWindowHooks();
  setupPlay(level, makecol(255, 255, 0));
  clearAndDrawBoard(play.level, backBuffer, play.originX, play.originY);
  drawPanel(number);
  countdown(12, testMode ? 10 : 30);
  clearAndDrawBoard(play.level, backBuffer, play.originX, play.originY);
  text_mode(0);
  play.frameCount = 0;
  return 0;
}

LevelResult playLevel(bool testMode) {
  useWindowHooks();
  return runPlayLoop(testMode);
}

void presentFrame() {
  drawBoard(play.level, backBuffer, play.originX, play.originY, play.frameCount);
  // The ball is drawn over the copy, never into the back buffer.
  BITMAP* window = windowPicture();
  acquire_bitmap(window);
  blit(backBuffer, window, 0, 0, 0, 0, ScreenWidth, ScreenHeight);
  drawBall(window, play.ball);
  release_bitmap(window);
  presentWindow();
}

void presentFinalFrame() {
  drawFlipIndicator(backBuffer, Hidden);
  drawNudgeIndicator(backBuffer, Hidden);
  presentFrame();
}

bool askQuit() {
  static const char question[] = "QUIT? (Y/N)";
  text_mode(0);
  textout_centre(windowPicture(), font, question, 256, 352, makecol(255, 255, 0));
  presentWindow();
  while (key[KEY_ESC]) rest(33);
  bool answer;
  for (;;) {
    if (key[KEY_N]) {
      answer = false;
      break;
    }
    if (key[KEY_Y]) {
      answer = true;
      break;
    }
    rest(33);
  }
  textout_centre(windowPicture(), font, question, 256, 352, makecol(0, 0, 0));
  presentWindow();
  return answer;
}
