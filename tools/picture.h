// The picture of a level for documents and contact sheets: the board with
// its wall strips as play shows it at the start, and the ball on its Start
// cell. Draws with the game's own board drawing on any 24-bit bitmap.
#pragma once

#include "data/level.h"

struct BITMAP;

// The size of a level's picture in pixels: the board and a wall strip on
// every side.
int pictureWidth(const Level& level);
int pictureHeight(const Level& level);

// Clears bmp to black and draws the picture at its top left corner. Sets
// up the simulation's play state for the level to place the ball.
void drawLevelPicture(const Level& level, BITMAP* bmp);
