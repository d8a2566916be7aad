// One campaign played from its first playable level to the game over or
// game complete screen.
#pragma once
#include <cstdint>

#include "data/level.h"
#include "game/p_play.h"

// The score of the last run that ended by game over, completion or quitting;
// 0 when the program starts. The title screen shows it.
extern uint32_t lastScore;

// Where a run stands: the slot to try next (also the level number shown)
// and the levels completed so far.
struct RunProgress {
  int32_t slot;
  int32_t completed;
};

// The run's decision after one attempt at a level: an exit moves on to the
// next slot and counts the level as completed; a loss or a time-out costs a
// life (`run.lives`) and the same slot is tried again. Quit changes nothing.
void advanceRun(RunProgress& progress, LevelResult result);

// The lives a run starts with: the campaign's number clamped to 0..MaxLives.
int32_t startingLives(int32_t campaignLives);

void runCampaign(Campaign& campaign);
