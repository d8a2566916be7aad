// Level start and play in the window: the hooks that let the simulation
// draw into the back buffer, show frames, read the keyboard and keep pace.
#include "game/g_play.h"

#include <allegro.h>

#include "draw/r_board.h"
#include "game/g_cards.h"
#include "game/g_clock.h"
#include "game/g_panel.h"
#include "game/g_tally.h"
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

const PlayHooks windowHooks = {
    hookFlip,  hookNudge, hookScore,      hookLives,        hookCoins,         hookTime,
    hookTrail, hookErase, presentFrame,   presentFinalFrame, hookKeys,         askQuit,
    hookBeginClock,       hookWait,       beginTallyScreen, drawTallyScreen,
};

}  // namespace

void useWindowHooks() { setPlayHooks(&windowHooks); }

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
