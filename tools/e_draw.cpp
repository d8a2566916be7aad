// The editor picture: the shown level's board, the ball start marker, the
// status texts and the cursor.
#include <allegro.h>

#include "draw/r_board.h"
#include "shell/i_screens.h"
#include "tools/e_state.h"

void drawEditorFrame(BITMAP* bmp, const EditorState& state) {
  const Level& level = shownLevel(state);
  clearToBlack(bmp);
  drawBoard(level, bmp, EditorBoardX, EditorBoardY, state.frame);

  // drawBoard leaves Start cells out; the editor marks the one that counts,
  // the first in row order. Sizes read from a file may exceed 3 and are
  // drawn as 3, as the board drawing does for every other piece.
  int32_t sx = 0, sy = 0;
  if (findFirstStart(level, sx, sy)) {
    const uint32_t size = level.cell[sx][sy].size;
    const int r = pieceRadius(size > static_cast<uint32_t>(MaxPieceSize)
                                  ? static_cast<uint32_t>(MaxPieceSize)
                                  : size);
    const int cx = EditorBoardX + CellPixels * sx + CellCentre;
    const int cy = EditorBoardY + CellPixels * sy + CellCentre;
    circlefill(bmp, cx, cy, r, makecol(255, 192, 0));
    circle(bmp, cx, cy, r, makecol(255, 255, 255));
  }

  const int white = makecol(255, 255, 255);
  text_mode(-1);
  textprintf_centre(bmp, font, 256, 336, white, "TIME %d.00", static_cast<int>(level.limit));
  textprintf_centre(bmp, font, 448, 336, white, "LIVES %d", static_cast<int>(state.campaign->lives));
  textprintf_centre(bmp, font, 448, 352, white, "LEVEL %d", static_cast<int>(state.currentLevel));
  if (level.bonus != 0)
    textprintf_centre(bmp, font, 64, 336, white, "B-TIME %d.00", static_cast<int>(level.bonus));
  if (validateLevel(level) != 0)
    textprintf_centre(bmp, font, 64, 352, makecol(255, 0, 0), "INVALID");
  else
    textprintf_centre(bmp, font, 64, 352, makecol(0, 255, 0), "VALID");

  // The cursor's blue runs up with the frame counter: yellow fading to
  // white, starting again every 255 frames.
  int32_t col = state.cursorX, row = state.cursorY;
  const int32_t cols = cursorColumns(level), rows = cursorRows(level);
  if (col < 0) col = 0;
  if (col >= cols) col = cols - 1;
  if (row < 0) row = 0;
  if (row >= rows) row = rows - 1;
  const int x = EditorBoardX + CellPixels * col + 1;
  const int y = EditorBoardY + CellPixels * row + 1;
  const int blue = state.frame < 0 ? 0 : state.frame % 255;
  rect(bmp, x, y, x + CellPixels - 3, y + CellPixels - 3, makecol(255, 255, blue));
}
