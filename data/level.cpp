#include "data/level.h"

static void setDefaultWalls(Level& level) {
  level.wall[North] = Bounce;
  level.wall[East] = Wrap;
  level.wall[South] = Deadly;
  level.wall[West] = Wrap;
}

static void clearCells(Level& level) {
  for (int x = 0; x < MaxWidth; ++x)
    for (int y = 0; y < MaxHeight; ++y) level.cell[x][y] = Cell{Empty, 0};
}

void resetLevelForReading(Level& level) {
  level.width = 0;
  level.height = 0;
  clearCells(level);
  setDefaultWalls(level);
  level.bonus = 0;
}

void makeNewLevel(Level& level) {
  level.width = MaxWidth;
  level.height = MaxHeight;
  clearCells(level);
  setDefaultWalls(level);
  level.limit = 30;
  level.bonus = 0;
}

int validateLevel(const Level& level) {
  if (level.width < 1 || level.width > MaxWidth) return 1;
  if (level.height < 1 || level.height > MaxHeight) return 1;
  if (level.limit < 1) return 1;
  if (level.bonus > level.limit) return 1;
  int starts = 0, exits = 0;
  for (int y = 0; y < level.height; ++y) {
    for (int x = 0; x < level.width; ++x) {
      const Cell& c = level.cell[x][y];
      if (c.size > static_cast<uint32_t>(MaxPieceSize)) return 1;
      if (c.kind == Start) ++starts;
      if (c.kind == Exit) ++exits;
    }
  }
  return (starts == 1 && exits >= 1) ? 0 : 1;
}

int campaignUnplayable(const Campaign& campaign) {
  // A campaign that asks for no levels (or a negative number, which only a
  // damaged record can hold) or has no level slots cannot be played.
  if (campaign.levels <= 0 || campaign.levelCount <= 0) return 1;
  int count = campaign.levelCount > MaxLevels ? MaxLevels : campaign.levelCount;
  int playable = 0;
  for (int i = 0; i < count; ++i)
    if (validateLevel(campaign.level[i]) == 0) ++playable;
  return playable < campaign.levels ? 1 : 0;
}

void flipLevel(Level& level) {
  const int w = usedColumns(level), h = usedRows(level);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      CellKind& k = level.cell[x][y].kind;
      switch (k) {
        case Attractor: k = Repeller; break;
        case Repeller: k = Attractor; break;
        case SpinnerCW: k = SpinnerCCW; break;
        case SpinnerCCW: k = SpinnerCW; break;
        default: break;
      }
    }
  }
}
