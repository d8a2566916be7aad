// Practice: any level of a campaign up to the furthest the player has
// reached, played alone as often as wanted (no lives, no campaign score,
// no records but the level's own best), with a hint and a stored winning
// route to watch.
#pragma once
#include <cstdint>

#include "data/level.h"
#include "data/records.h"
#include "game/p_play.h"
#include "tools/t_route.h"

struct BITMAP;

// The highest level number that may be practised: the furthest reached,
// and at least the first playable level (any player may start there);
// never beyond the campaign's slots. 0 when no slot is playable.
int32_t practiceLimit(const Campaign& campaign, const CampaignRecord& record);

// The playable level before (`step` < 0) or after (`step` > 0) `current`
// within 1..limit; `current` itself when there is none that way.
int32_t practiceStep(const Campaign& campaign, int32_t current, int step, int32_t limit);

// Plays the level with the route's keys in place of the keyboard, each
// key shown on screen as it is pressed, for a second; ESC stops it. The
// run starts with `lives` (clamped to 0..9) and no score, as quib-replay's. `paced` keeps the
// frame rate and the countdown of play; without it frames follow each
// other at once (for tests). The same simulation as quib-replay.
LevelResult watchRoute(const Level& level, int32_t number, const Route& route, int32_t lives, bool paced);

// The chooser: board, level number, best score, hint and messages.
struct PracticeView {
  const Campaign* campaign;
  int32_t level;      // level number shown
  int32_t limit;      // highest that may be chosen
  uint32_t best;      // the level's best score (0: none)
  bool hint;          // the hint box is up
  const char* idea;   // the hint's text ("" when none)
  const char* message;  // a line under the panel, or ""
  int frame;
};
void drawPracticeScreen(BITMAP* bmp, const PracticeView& view);

// Runs practice for the campaign in the file at `path` until ESC. A
// campaign that cannot be read or played does nothing.
void practiseCampaign(const char* path);
