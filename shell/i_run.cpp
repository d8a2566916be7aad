// The run of one campaign: lives and score, the playable levels in slot
// order, a replay after each lost life, and the game over or game complete
// screen at the end.
#include "shell/i_run.h"

#include "game/g_clock.h"
#include "game/g_panel.h"
#include "game/g_play.h"
#include "game/p_score.h"
#include "shell/i_records.h"
#include "shell/i_screens.h"
#include "platform/i_sound.h"
#include "platform/i_system.h"

#include <allegro.h>

uint32_t lastScore = 0;

namespace {

constexpr int GameOverFrames = 150;
constexpr int GameCompleteFrames = 300;
constexpr int ExitPauseMs = 5000;
constexpr int LossPauseMs = 1000;
constexpr int BurstLength = 50;

// Shows a result screen for at most `frames` frames; an action key ends it
// after any shown frame, so at least one frame is always shown.
void showResultScreen(ResultScreen which, int frames) {
  playSound(which == GameOverScreen ? SoundGameOver : SoundGameComplete);
  restartFrameClock();
  int32_t frameStart = tickCount;
  for (int k = 0; k < frames; ++k) {
    drawResultScreen(backBuffer, run.score, k, which);
    showPicture(backBuffer);
    frameStart = waitForFrameEnd(frameStart);
    if (actionKeyHeld()) break;
  }
}

}  // namespace

void advanceRun(RunProgress& progress, LevelResult result) {
  if (result == Exited) {
    ++progress.slot;
    ++progress.completed;
  } else if (result != Quit) {
    --run.lives;
  }
}

int32_t startingLives(int32_t campaignLives) {
  if (campaignLives < 0) return 0;
  return campaignLives > MaxLives ? MaxLives : campaignLives;
}

void runCampaign(Campaign& campaign) {
  campaign.lives = startingLives(campaign.lives);
  resetRun(campaign.lives);
  selectRecord(campaign);

  // The record's count is trusted only as far as the slots it has.
  const int slots = campaign.levelCount < 0 ? 0
                    : campaign.levelCount > MaxLevels ? MaxLevels
                                                      : campaign.levelCount;
  RunProgress progress{1, 0};
  int32_t& p = progress.slot;  // slot number, also the level number shown
  while (run.lives >= 0 && progress.completed < campaign.levels) {
    while (p <= slots && validateLevel(campaign.level[p - 1]) != 0) ++p;
    if (p > slots) {  // no playable slot left: no result screen
      recordRunEnd(run.score, progress.completed, false);
      return;
    }
    recordLevelReached(p);
    const uint32_t scoreBefore = run.score;

    restartFrameClock();
    clearWindowToBlack();
    clearToBlack(backBuffer);
    startLevel(campaign.level[p - 1], p, false);
    const LevelResult result = playLevel(false);
    switch (result) {
      case Quit:
        lastScore = run.score;
        recordRunEnd(run.score, progress.completed, false);
        return;
      case Exited:
        recordLevelScore(p, run.score - scoreBefore);
        // The last picture of the bonus tally stays on the screen.
        rest(ExitPauseMs);
        break;
      case TimeExpired:
        burstEffect(BurstLength, "TIME EXPIRED");
        rest(LossPauseMs);
        break;
      case Lost:
      default:
        burstEffect(BurstLength, nullptr);
        rest(LossPauseMs);
        break;
    }
    advanceRun(progress, result);
  }

  // Kept before the result screen, which the player may not wait for.
  recordRunEnd(run.score, progress.completed, run.lives >= 0);
  if (run.lives < 0)
    showResultScreen(GameOverScreen, GameOverFrames);
  else
    showResultScreen(GameCompleteScreen, GameCompleteFrames);
  lastScore = run.score;
}
