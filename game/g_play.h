// Level start and play loop in the window.
#pragma once
#include <cstdint>

#include "game/p_play.h"

int startLevel(const Level& level, int number, bool testMode);
LevelResult playLevel(bool testMode);
void presentFrame();
void presentFinalFrame();
bool askQuit();
