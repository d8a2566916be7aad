#include "game/g_tally.h"

#include <allegro.h>

#include "game/g_panel.h"
#include "game/g_play.h"
#include "game/p_tally.h"
#include "platform/i_system.h"

namespace {

constexpr int TallyColumn = 260;    // labels end here, factors start here
constexpr int LevelBonusY = 128;
constexpr int FirstLineY = 136;
constexpr int LineHeight = 8;

}  // namespace

void beginTallyScreen() {
  text_mode(makecol(0, 0, 0));
  presentFinalFrame();
  acquire_bitmap(windowPicture());
}

// Drawn over the last frame in the window, not into the back buffer.
void drawTallyScreen(const BonusTally& tally) {
  BITMAP* window = windowPicture();
  const int label = makecol(192, 192, 192);
  const int factor = makecol(192, 255, 0);
  const int yellow = makecol(255, 255, 0);
  int y = FirstLineY;
  for (int i = 0; i < tally.lineCount; ++i) {
    const BonusLine& line = tally.line[i];
    textout_right(window, font, line.label, TallyColumn, y, label);
    textout(window, font, line.factorText, TallyColumn, y, factor);
    // An unused action's word lights up white while its bonus is listed.
    if (line.group == FlipGroup) drawFlipIndicator(window, Untouched);
    if (line.group == TiltGroup) drawNudgeIndicator(window, Untouched);
    y += LineHeight;
  }
  if (tally.multiplier > 1) {
    textout_right(window, font, "TOTAL", TallyColumn - 8, y, label);
    textprintf(window, font, TallyColumn - 8, y, yellow, "%5d", tally.total);
  }
  textout_right(window, font, "LEVEL BONUS ", TallyColumn, LevelBonusY, label);
  textprintf(window, font, TallyColumn, LevelBonusY, tally.multiplier >= 2 ? factor : yellow, "%4d",
             tally.levelBonus);
  drawScore(window);
  drawLives(window);
  drawCoins(window);
  release_bitmap(window);
  presentWindow();
}
