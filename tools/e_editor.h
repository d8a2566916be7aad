// The campaign editor in the game window.
#pragma once
#include <cstdint>

// Edits the campaign file level by level, starting on level `firstLevel`.
// 0 after ESC with a successful save; 1 after every failure.
int runEditor(const char* fileName, int32_t firstLevel);
