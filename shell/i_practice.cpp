// Practice: the level chooser, practice play, the hint and watching a route.
#include "shell/i_practice.h"

#include <allegro.h>

#include <cstring>
#include <fstream>

#include "data/campaign_io.h"
#include "draw/r_board.h"
#include "game/g_cards.h"
#include "game/g_clock.h"
#include "game/g_panel.h"
#include "game/g_play.h"
#include "game/p_score.h"
#include "platform/i_system.h"
#include "shell/i_menu.h"
#include "shell/i_records.h"
#include "shell/i_screens.h"

namespace {

// The campaign practised and the route watched: far too large for the stack.
Campaign practised;
Route watched;

constexpr int ExitPauseMs = 3000;
constexpr int LossPauseMs = 1000;
constexpr int BurstLength = 50;
// Where the key of a watched route is shown: between the board (at most
// down to y 313) and the panel (from y 336).
constexpr int RouteLabelY = 322;
constexpr int RouteLabelFrames = 30;
constexpr int HintWidth = 52;  // characters on a hint line
constexpr int HintLines = 8;

int32_t clampedLives(int32_t lives) { return lives < 0 ? 0 : (lives > MaxLives ? MaxLives : lives); }

bool playable(const Campaign& campaign, int32_t level) {
  return level >= 1 && level <= campaign.levelCount && level <= MaxLevels &&
         validateLevel(campaign.level[level - 1]) == 0;
}

// What watching needs besides the play hooks: the route, the key on show.
struct WatchState {
  const Route* route;
  bool paced;
  int labelFrames;
};
WatchState watch;
PlayHooks watchHooks;

void clearRouteLabel() { rectfill(backBuffer, 0, RouteLabelY - 2, ScreenWidth - 1, RouteLabelY + 9, makecol(0, 0, 0)); }

void watchKeys(KeySample& keys) {
  if (watch.paced && keyCardAsked()) {
    showKeyCard(PracticeCard);
    presentFrame();
  }
  const unsigned held = routeKeysAt(*watch.route, play.frameCount);
  sampleHeldKeys(held, keys);
  keys.escapeHeld = watch.paced && key[KEY_ESC] != 0;
  // The key is shown from the frame it acts on, for a second.
  if (held != 0) {
    char label[64], line[80];
    routeKeyLabel(held, label, sizeof label);
    std::snprintf(line, sizeof line, "KEY: %s", label);
    clearRouteLabel();
    const int previousMode = text_mode(makecol(0, 0, 0));
    textout_centre(backBuffer, font, line, ScreenWidth / 2, RouteLabelY, makecol(255, 255, 0));
    text_mode(previousMode);
    watch.labelFrames = RouteLabelFrames;
  } else if (watch.labelFrames > 0 && --watch.labelFrames == 0) {
    clearRouteLabel();
  }
}

void noWait() {}

void drawStartMarker(BITMAP* bmp, const Level& level, int x0, int y0) {
  for (int y = 0; y < usedRows(level); ++y)
    for (int x = 0; x < usedColumns(level); ++x)
      if (level.cell[x][y].kind == Start) {
        const uint32_t size = level.cell[x][y].size > 3 ? 3 : level.cell[x][y].size;
        circlefill(bmp, x0 + CellPixels * x + CellCentre, y0 + CellPixels * y + CellCentre, pieceRadius(size),
                   makecol(255, 255, 0));
        return;
      }
}

// Every key let go, then a fresh frame clock; returns the frame's start.
int32_t afterKeysReleased() {
  while (anyKeyHeld()) sleepUntilTick(tickCount + 1);
  restartFrameClock();
  return tickCount;
}

// Plays the level until it is won or left; a loss or a time-out replays
// it and costs nothing. The best score of the level is kept.
void practiseLevel(int32_t number) {
  const Level& level = practised.level[number - 1];
  for (;;) {
    // The campaign's lives are shown and never spent.
    resetRun(clampedLives(practised.lives));
    restartFrameClock();
    clearWindowToBlack();
    clearToBlack(backBuffer);
    startLevel(level, number, false);
    const LevelResult result = playLevel(false);
    if (result == Quit) return;
    if (result == Exited) {
      recordLevelScore(number, run.score);
      rest(ExitPauseMs);
      return;
    }
    burstEffect(BurstLength, result == TimeExpired ? "TIME EXPIRED" : nullptr);
    rest(LossPauseMs);
  }
}

}  // namespace

int32_t practiceLimit(const Campaign& campaign, const CampaignRecord& record) {
  const int32_t slots = campaign.levelCount < 0 ? 0 : (campaign.levelCount > MaxLevels ? MaxLevels : campaign.levelCount);
  int32_t first = 1;
  while (first <= slots && !playable(campaign, first)) ++first;
  if (first > slots) return 0;
  int32_t limit = record.furthest > first ? record.furthest : first;
  return limit > slots ? slots : limit;
}

int32_t practiceStep(const Campaign& campaign, int32_t current, int step, int32_t limit) {
  if (step == 0) return current;
  for (int32_t n = current + (step > 0 ? 1 : -1); n >= 1 && n <= limit; n += step > 0 ? 1 : -1)
    if (playable(campaign, n)) return n;
  return current;
}

LevelResult watchRoute(const Level& level, int32_t number, const Route& route, int32_t lives, bool paced) {
  watch = WatchState{&route, paced, 0};
  resetRun(clampedLives(lives));
  if (paced) restartFrameClock();  // unpaced play never looks at the clock
  clearWindowToBlack();
  clearToBlack(backBuffer);
  startLevel(level, number, !paced);
  const int previousMode = text_mode(makecol(0, 0, 0));
  textout_centre(backBuffer, font, "WATCHING A WINNING ROUTE   ESC STOPS", ScreenWidth / 2, 1,
                 makecol(192, 192, 192));
  text_mode(previousMode);
  watchHooks = windowPlayHooks();
  watchHooks.sampleKeys = watchKeys;
  if (!paced) {
    watchHooks.beginFrameClock = noWait;
    watchHooks.waitFrameEnd = noWait;
  }
  setPlayHooks(&watchHooks);
  // ESC stops at once, with no question: nothing is lost by stopping.
  const LevelResult result = runPlayLoop(true);
  useWindowHooks();
  return result;
}

void drawPracticeScreen(BITMAP* bmp, const PracticeView& view) {
  const int grey = makecol(192, 192, 192);
  const int white = makecol(255, 255, 255);
  const int yellow = makecol(255, 255, 0);
  const Campaign& campaign = *view.campaign;
  clearToBlack(bmp);
  const int previousMode = text_mode(0);
  const Level& level = campaign.level[view.level - 1];
  const int x0 = (ScreenWidth - CellPixels * usedColumns(level)) / 2;
  const int y0 = (325 - CellPixels * usedRows(level)) / 2;
  drawBoard(level, bmp, x0, y0, view.frame);
  drawStartMarker(bmp, level, x0, y0);

  char line[96];
  std::snprintf(line, sizeof line, "PRACTICE: %s", campaign.name);
  textout_centre(bmp, font, line, ScreenWidth / 2, 1, yellow);
  // The arrows tell whether LEFT and RIGHT lead to another level.
  const bool before = practiceStep(campaign, view.level, -1, view.limit) != view.level;
  const bool after = practiceStep(campaign, view.level, +1, view.limit) != view.level;
  std::snprintf(line, sizeof line, "%s LEVEL %d OF %d %s", before ? "<" : " ", view.level, view.limit,
                after ? ">" : " ");
  textout(bmp, font, line, 32, 336, white);
  textout_right(bmp, font, "BEST ", 416, 336, grey);
  if (view.best > 0)
    drawGroupedDigits(bmp, 416, 336, view.best, grey);
  else
    textout(bmp, font, "-", 416, 336, grey);
  textout_centre(bmp, font, "SPACE PLAY  H HINT  V WATCH  ESC BACK  F1 KEYS", ScreenWidth / 2, 352, grey);
  if (view.message != nullptr && view.message[0] != '\0')
    textout_centre(bmp, font, view.message, ScreenWidth / 2, 368, yellow);

  if (view.hint) {
    char lines[HintLines][HintWidth + 1];
    const int count = wrapText(view.idea, HintWidth, &lines[0][0], HintLines);
    const int top = 120, height = 24 + 10 * count;
    rectfill(bmp, 32, top, ScreenWidth - 33, top + height, makecol(0, 0, 0));
    rect(bmp, 32, top, ScreenWidth - 33, top + height, white);
    rect(bmp, 36, top + 4, ScreenWidth - 37, top + height - 4, yellow);
    for (int i = 0; i < count; ++i) textout(bmp, font, lines[i], 48, top + 12 + 10 * i, white);
  }
  text_mode(previousMode);
}

void practiseCampaign(const char* path) {
  {
    std::ifstream in(path);
    if (!in || readCampaign(in, practised) != 0 || campaignUnplayable(practised) != 0) return;
  }
  std::snprintf(practised.path, sizeof practised.path, "%s", path);
  const CampaignRecord& record = selectRecord(practised);
  int32_t limit = practiceLimit(practised, record);
  if (limit < 1) return;
  int32_t level = practiceStep(practised, limit + 1, -1, limit);

  char idea[MaxIdeaLength + 1] = "";
  char route[RoutePathLength];
  const char* message = "";
  bool hint = false;
  int32_t repeat = 0;
  int frame = 0;
  int32_t frameStart = afterKeysReleased();
  for (;;) {
    limit = practiceLimit(practised, record);
    const PracticeView view{&practised, level, limit, record.levelBest[level - 1], hint, idea, message, frame};
    drawPracticeScreen(backBuffer, view);
    showPicture(backBuffer);
    frame = (frame + 1) % 90;

    Direction dir = Up;
    const bool held = heldDirection(dir);
    const bool sideways = held && (dir == Left || dir == Right);
    const int step = wheelStep(repeat, sideways, dir == Left ? Up : Down);
    if (step != 0) {
      const int32_t next = practiceStep(practised, level, step, limit);
      if (next != level) {
        level = next;
        hint = false;
        message = "";
      }
    }
    routePath(practised.path, level, route, sizeof route);

    if (key[KEY_ESC]) return;
    if (keyCardAsked()) {
      showKeyCard(PracticeCard);
      frameStart = afterKeysReleased();
    } else if (actionKeyHeld()) {
      while (actionKeyHeld()) sleepUntilTick(tickCount + 1);
      practiseLevel(level);
      message = "";
      frameStart = afterKeysReleased();
    } else if (key[KEY_H]) {
      hint = readRouteIdea(route, idea, sizeof idea) == 0 && idea[0] != '\0' ? !hint : false;
      message = hint ? "" : (idea[0] == '\0' ? "NO HINT IS STORED FOR THIS LEVEL." : "");
      while (key[KEY_H]) sleepUntilTick(tickCount + 1);
    } else if (key[KEY_V]) {
      const RouteStatus status = readRoute(route, watched);
      if (status == RouteRead) {
        while (key[KEY_V]) sleepUntilTick(tickCount + 1);
        const LevelResult result = watchRoute(practised.level[level - 1], level, watched, practised.lives, true);
        if (result == Exited) {
          rest(ExitPauseMs);
        } else if (result != Quit) {
          burstEffect(BurstLength, result == TimeExpired ? "TIME EXPIRED" : nullptr);
          rest(LossPauseMs);
        }
        message = "";
        frameStart = afterKeysReleased();
      } else {
        message = routeProblem(status);
      }
    }
    frameStart = waitForFrameEnd(frameStart);
  }
}
