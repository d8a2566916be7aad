// One campaign played from its first playable level to the game over or
// game complete screen.
#pragma once
#include <cstdint>

#include "data/level.h"

// The score of the last run that ended by game over, completion or quitting;
// 0 when the program starts. The title screen shows it.
extern uint32_t lastScore;

void runCampaign(Campaign& campaign);
