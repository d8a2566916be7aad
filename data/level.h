// Level and campaign records: plain fixed-size values without pointers,
// copied whole wherever a working copy is needed.
#pragma once
#include <cstdint>

constexpr int MaxWidth = 18;     // columns in the stored grid
constexpr int MaxHeight = 12;    // rows in the stored grid
constexpr int MaxLevels = 128;   // level slots in a campaign
constexpr int MaxPieceSize = 3;  // largest valid cell size
constexpr int CellPixels = 25;   // pixel pitch of a cell
constexpr int CellCentre = 12;   // offset of a cell's centre from its corner

enum CellKind : int32_t {
  Empty = 0,
  Attractor = 1,
  Repeller = 2,
  SpinnerCW = 3,
  SpinnerCCW = 4,
  Coin = 5,
  Start = 6,
  Exit = 7,
  Hazard = 8,
};

enum WallKind : int32_t { Bounce = 0, Deadly = 1, Wrap = 2 };

enum Side : int32_t { North = 0, East = 1, South = 2, West = 3 };

struct Cell {
  CellKind kind;  // any 32-bit value may be stored; values outside 0..8 are inert
  uint32_t size;  // valid 0..3
};

struct Level {
  int32_t width;   // columns in use, valid 1..18 (stored as read)
  int32_t height;  // rows in use, valid 1..12 (stored as read)
  Cell cell[MaxWidth][MaxHeight];  // cell[x][y]
  WallKind wall[4];                // indexed by Side
  int32_t limit;                   // time limit in whole seconds, valid >= 1
  int32_t bonus;                   // bonus time in whole seconds, 0 = none
};

struct CampaignHeader {
  char path[257];
  char name[21];
  char desc[81];
  int32_t location;
};

struct Campaign : CampaignHeader {
  int32_t levels;      // levels to complete, 0..128
  int32_t levelCount;  // filled level slots, 0..128
  int32_t lives;       // as read; clamped to 0..9 by the campaign run
  Level level[MaxLevels];
};

// Radius in pixels of a piece (or the ball) of the given size: 1, 4, 7, 10.
inline int pieceRadius(uint32_t size) { return static_cast<int>(3 * size + 1); }

// The columns and rows of a level that lie inside both its width x height
// and the stored grid; every visit of a level's cells uses these bounds.
inline int usedColumns(const Level& level) {
  return level.width < 0 ? 0 : (level.width > MaxWidth ? MaxWidth : level.width);
}
inline int usedRows(const Level& level) {
  return level.height < 0 ? 0 : (level.height > MaxHeight ? MaxHeight : level.height);
}

// Reset applied by the level reader: size 0 x 0, all cells Empty size 0,
// walls N Bounce, E Wrap, S Deadly, W Wrap, bonus 0. `limit` is left alone.
void resetLevelForReading(Level& level);

// A new level as the editor makes it: 18 x 12, limit 30, bonus 0, default walls.
void makeNewLevel(Level& level);

// 0 when the level is playable, 1 when it is not.
int validateLevel(const Level& level);

// 1 when the campaign cannot be played, 0 when it can.
int campaignUnplayable(const Campaign& campaign);

// FLIP: exchange Attractor with Repeller and SpinnerCW with SpinnerCCW.
void flipLevel(Level& level);
