// The campaign menu over the title screen: a five-row wheel of campaign
// names turned with the direction keys, and the select keys that play the
// campaign in the middle row.
#pragma once
#include <cstdint>

#include "game/p_play.h"
#include "shell/i_catalogue.h"

struct BITMAP;

// Rows of the wheel and where it stands on the screen.
constexpr int WheelRows = 5;
constexpr int WheelLeft = 156;
constexpr int WheelRight = 356;
constexpr int WheelTop = 192;
constexpr int WheelRowPitch = 25;
constexpr int DescriptionTop = 368;

// The slot the menu opens on: "INTERMEDIATE" in the middle row.
constexpr int FirstSelectedSlot = 2;

// One frame of the wheel's key repeat. `held` is whether a single direction
// group is held and `dir` which one. Updates the repeat counter and returns
// +1 to move to the next campaign, -1 to the previous, 0 to stay.
int wheelStep(int32_t& repeatCounter, bool held, Direction dir);

// Draws the wheel around the selected slot and its description line.
void drawMenu(BITMAP* bmp, const CampaignCatalogue& catalogue, int selected);

// Runs the menu until ESC (returns 0) or until one of the five difficulty
// campaigns fails to load when chosen (reports it and returns 1).
int mainMenu(CampaignCatalogue& catalogue);
