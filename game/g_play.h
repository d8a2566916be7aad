// Level start and play loop in the window.
#pragma once
#include <cstdint>

#include "game/p_play.h"

// Makes the simulation draw, show frames and read keys in the window.
void useWindowHooks();
// The window's hooks, for a front end that changes a few of them.
const PlayHooks& windowPlayHooks();

int startLevel(const Level& level, int number, bool testMode);
LevelResult playLevel(bool testMode);
void presentFrame();
void presentFinalFrame();
bool askQuit();
