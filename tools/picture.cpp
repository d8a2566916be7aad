// Level pictures: the board drawing of play at frame 0 and the ball where
// play puts it before the first frame.
#include "tools/picture.h"

#include <allegro.h>

#include <algorithm>

#include "draw/r_board.h"
#include "game/p_play.h"

int pictureWidth(const Level& level) { return CellPixels * usedColumns(level) + 2 * WallThickness; }

int pictureHeight(const Level& level) { return CellPixels * usedRows(level) + 2 * WallThickness; }

void drawLevelPicture(const Level& level, BITMAP* bmp) {
  clear_to_color(bmp, makecol(0, 0, 0));
  clearAndDrawBoard(level, bmp, WallThickness, WallThickness);
  // The level start places the ball (and gives it its size) as in play; it
  // is yellow there, a filled disc of its size's radius.
  setupPlay(level, makecol(255, 255, 0));
  const int size = std::clamp<int32_t>(play.ball.size, 0, MaxPieceSize);
  circlefill(bmp, WallThickness + static_cast<int>(play.ball.x), WallThickness + static_cast<int>(play.ball.y),
             pieceRadius(static_cast<uint32_t>(size)), play.ball.colour);
}
