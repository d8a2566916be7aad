// Level start and play loop in the window.
#pragma once
#include <cstdint>

#include "game/p_events.h"
#include "game/p_play.h"
#include "sound/s_synth.h"

// Makes the simulation draw, show frames and read keys in the window, and
// play the sound of each event it reports.
void useWindowHooks();
// The window's hooks, for a front end that changes a few of them.
const PlayHooks& windowPlayHooks();

// The effect heard for an event of play (SoundCount for none).
SoundId eventSound(PlayEvent event, int32_t detail);

int startLevel(const Level& level, int number, bool testMode);
LevelResult playLevel(bool testMode);
void presentFrame();
void presentFinalFrame();
bool askQuit();
