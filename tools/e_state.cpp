// The editor's key rules. One call handles one frame: the keys are looked
// at in a fixed order, each with its kind of auto-repeat, and act on the
// level and the cursor cell that were shown when the frame began.
#include "tools/e_state.h"

#include <allegro.h>

#include <cstdint>
#include <limits>

namespace {

// Keeps a wide intermediate result within what a record field can hold;
// values read from a file may sit anywhere in the 32-bit range.
int32_t toField(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

// Bounce -> Deadly -> Wrap -> Bounce; any other stored value stays put.
void cycleWall(WallKind& wall) {
  switch (wall) {
    case Bounce: wall = Deadly; break;
    case Deadly: wall = Wrap; break;
    case Wrap: wall = Bounce; break;
    default: break;
  }
}

int32_t clampIndex(int32_t value, int32_t count) {
  if (value < 0) return 0;
  if (value >= count) return count - 1;
  return value;
}

int32_t slotCount(const Campaign& campaign) {
  if (campaign.levelCount < 0) return 0;
  return campaign.levelCount > MaxLevels ? MaxLevels : campaign.levelCount;
}

// Placement keys paired with the piece kind they put under the cursor, in
// the order they are handled.
struct Placement {
  int key;
  CellKind kind;
};
const Placement placements[] = {
    {KEY_Z, Hazard},        {KEY_C, Coin},          {KEY_X, Exit},
    {KEY_N, Repeller},      {KEY_M, Attractor},     {KEY_COMMA, SpinnerCCW},
    {KEY_STOP, SpinnerCW},
};

}  // namespace

int32_t cursorColumns(const Level& level) {
  const int32_t w = usedColumns(level);
  return w < 1 ? 1 : w;
}

int32_t cursorRows(const Level& level) {
  const int32_t h = usedRows(level);
  return h < 1 ? 1 : h;
}

Level& shownLevel(EditorState& state) { return state.campaign->level[state.currentLevel - 1]; }

const Level& shownLevel(const EditorState& state) {
  return state.campaign->level[state.currentLevel - 1];
}

bool findFirstStart(const Level& level, int32_t& x, int32_t& y) {
  const int w = usedColumns(level), h = usedRows(level);
  for (int row = 0; row < h; ++row)
    for (int col = 0; col < w; ++col)
      if (level.cell[col][row].kind == Start) {
        x = col;
        y = row;
        return true;
      }
  return false;
}

void openEditor(EditorState& state, Campaign& campaign, int32_t firstLevel) {
  state.campaign = &campaign;
  campaign.levelCount = slotCount(campaign);
  int32_t number = firstLevel < 1 ? 1 : firstLevel;
  if (number > campaign.levelCount) {
    if (campaign.levelCount >= MaxLevels) {
      // Every slot is taken: there is no room for a new level, so the
      // request lands on the last one.
      number = MaxLevels;
    } else {
      number = campaign.levelCount + 1;
      campaign.levelCount = number;
      makeNewLevel(campaign.level[number - 1]);
    }
  }
  state.currentLevel = number;
  state.cursorX = 0;
  state.cursorY = 0;
  state.currentSize = 1;
  state.holdCounter = 0;
  state.frame = 0;
  state.holdFlag = false;
  state.frameCellX = 0;
  state.frameCellY = 0;
  state.frameLevel = number;
  state.feedback = 0;
}

int32_t handleEditorKeys(EditorState& state, const volatile char* keys) {
  Campaign& campaign = *state.campaign;
  // The level and the cursor cell are those of the frame's picture; keys
  // that move to another level or cell take effect on the next frame.
  Level& level = shownLevel(state);
  const int32_t cellX = clampIndex(state.cursorX, cursorColumns(level));
  const int32_t cellY = clampIndex(state.cursorY, cursorRows(level));
  Cell& cell = level.cell[cellX][cellY];
  state.frameCellX = cellX;
  state.frameCellY = cellY;

  const int32_t counter = state.holdCounter;
  const int32_t step = counter > EditorFineStepHold ? EditorCoarseStep : 1;
  int32_t action = EditorNothing;
  state.holdFlag = false;
  state.feedback = 0;
  // A key that acted and left its value as it was has hit a limit.
  auto refusedIf = [&](bool unchanged) {
    if (unchanged) state.feedback |= EditorRefused;
  };

  auto repeatKey = [&](int k) {
    if (!keys[k]) return false;
    state.holdFlag = true;
    return counter % EditorRepeatFrames == 0;
  };
  auto onceKey = [&](int k) {
    if (!keys[k]) return false;
    state.holdFlag = true;
    return counter == 0;
  };

  // Lives, stepping round 0..9.
  if (repeatKey(KEY_INSERT)) campaign.lives = campaign.lives >= EditorMaxLives ? 0 : campaign.lives + 1;
  if (repeatKey(KEY_DEL)) campaign.lives = campaign.lives < 1 ? EditorMaxLives : campaign.lives - 1;

  // Time limit and bonus time.
  if (repeatKey(KEY_EQUALS)) {
    const int32_t before = level.limit;
    const int64_t limit = int64_t{level.limit} + step;
    level.limit = toField(limit > EditorMaxLimit ? EditorMaxLimit : limit);
    refusedIf(level.limit == before);
  }
  if (repeatKey(KEY_MINUS)) {
    const int32_t before = level.limit, bonusBefore = level.bonus;
    const int64_t limit = int64_t{level.limit} - step;
    level.limit = toField(limit < 1 ? 1 : limit);
    if (level.bonus >= level.limit) level.bonus = level.limit - 1;
    refusedIf(level.limit == before && level.bonus == bonusBefore);
  }
  if (repeatKey(KEY_PLUS_PAD)) {
    const int32_t before = level.bonus;
    level.bonus = toField(int64_t{level.bonus} + step);
    if (level.bonus >= level.limit) level.bonus = toField(int64_t{level.limit} - 1);
    refusedIf(level.bonus == before);
  }
  if (repeatKey(KEY_MINUS_PAD)) {
    const int32_t before = level.bonus;
    const int64_t bonus = int64_t{level.bonus} - step;
    level.bonus = toField(bonus < 0 ? 0 : bonus);
    refusedIf(level.bonus == before);
  }

  if (onceKey(KEY_SPACE)) flipLevel(level);

  // Pieces under the cursor.
  const Cell pieceBefore = cell;
  if (keys[KEY_V]) cell.kind = Empty;
  const uint32_t size = static_cast<uint32_t>(state.currentSize);
  for (const Placement& p : placements)
    if (keys[p.key]) cell = Cell{p.kind, size};
  if (keys[KEY_B]) {
    int32_t sx = 0, sy = 0;
    if (findFirstStart(level, sx, sy)) level.cell[sx][sy].kind = Empty;
    cell = Cell{Start, size};
  }
  static const int sizeKeys[4] = {KEY_0, KEY_1, KEY_2, KEY_3};
  for (int32_t s = 0; s < 4; ++s) {
    if (!keys[sizeKeys[s]]) continue;
    state.currentSize = s;
    cell.size = static_cast<uint32_t>(s);
  }
  if (cell.kind != pieceBefore.kind || (cell.kind != Empty && cell.size != pieceBefore.size))
    state.feedback |= cell.kind == Empty ? EditorRemoved : EditorPlaced;

  // Walls.
  if (repeatKey(KEY_W)) cycleWall(level.wall[North]);
  if (repeatKey(KEY_A)) cycleWall(level.wall[West]);
  if (repeatKey(KEY_S)) cycleWall(level.wall[South]);
  if (repeatKey(KEY_D)) cycleWall(level.wall[East]);

  // Board size; the cursor goes back to the first row or column.
  if (repeatKey(KEY_8_PAD)) {
    refusedIf(level.height <= 1);
    if (level.height > 1) --level.height;
    state.cursorY = 0;
  }
  if (repeatKey(KEY_4_PAD)) {
    refusedIf(level.width <= 1);
    if (level.width > 1) --level.width;
    state.cursorX = 0;
  }
  if (repeatKey(KEY_2_PAD)) {
    refusedIf(level.height >= MaxHeight);
    if (level.height < MaxHeight) ++level.height;
    state.cursorY = 0;
  }
  if (repeatKey(KEY_6_PAD)) {
    refusedIf(level.width >= MaxWidth);
    if (level.width < MaxWidth) ++level.width;
    state.cursorX = 0;
  }

  // Cursor, wrapping round the board.
  if (repeatKey(KEY_UP)) {
    const int32_t rows = cursorRows(level);
    state.cursorY = state.cursorY <= 0 ? rows - 1 : clampIndex(state.cursorY - 1, rows);
  }
  if (repeatKey(KEY_LEFT)) {
    const int32_t cols = cursorColumns(level);
    state.cursorX = state.cursorX <= 0 ? cols - 1 : clampIndex(state.cursorX - 1, cols);
  }
  if (repeatKey(KEY_RIGHT)) {
    const int32_t cols = cursorColumns(level);
    state.cursorX = state.cursorX + 1 >= cols ? 0 : state.cursorX + 1;
  }
  if (repeatKey(KEY_DOWN)) {
    const int32_t rows = cursorRows(level);
    state.cursorY = state.cursorY + 1 >= rows ? 0 : state.cursorY + 1;
  }

  // Moving the shown level within the campaign: it stays shown.
  // At the end it is moved toward, a level stays where it is.
  const bool moveUp = repeatKey(KEY_F12);
  const bool moveDown = repeatKey(KEY_F11);
  refusedIf(moveUp && state.currentLevel >= campaign.levelCount);
  refusedIf(moveDown && !moveUp && state.currentLevel <= 1);
  if (moveUp && state.currentLevel < campaign.levelCount) {
    const Level moved = campaign.level[state.currentLevel - 1];
    campaign.level[state.currentLevel - 1] = campaign.level[state.currentLevel];
    campaign.level[state.currentLevel] = moved;
    ++state.currentLevel;
  }
  if (moveDown && state.currentLevel > 1) {
    const Level moved = campaign.level[state.currentLevel - 1];
    campaign.level[state.currentLevel - 1] = campaign.level[state.currentLevel - 2];
    campaign.level[state.currentLevel - 2] = moved;
    --state.currentLevel;
  }

  // The level of this frame's picture, wherever F11 or F12 moved it.
  state.frameLevel = state.currentLevel;

  // Walking through the levels; past the last one a new level is appended,
  // past slot 128 the walk starts again at level 1.
  if (repeatKey(KEY_PGUP)) {
    ++state.currentLevel;
    if (state.currentLevel > MaxLevels) state.currentLevel = 1;
    if (state.currentLevel > campaign.levelCount) {
      makeNewLevel(campaign.level[state.currentLevel - 1]);
      campaign.levelCount = state.currentLevel;
    }
    state.cursorX = 0;
    state.cursorY = 0;
  }
  if (repeatKey(KEY_PGDN)) {
    refusedIf(state.currentLevel <= 1);
    --state.currentLevel;
    if (state.currentLevel < 1) state.currentLevel = 1;
    state.cursorX = 0;
    state.cursorY = 0;
  }

  if (onceKey(KEY_F2)) action |= EditorSave;
  if (onceKey(KEY_ESC)) action |= EditorLeave;

  if (keys[KEY_T]) {
    state.holdFlag = true;
    action |= EditorTestPlay;
  }

  if (state.holdFlag) {
    // The counter only matters modulo the repeat beat and against the
    // fine-step threshold, so a very long hold folds back onto a value
    // with the same meaning instead of overflowing.
    constexpr int32_t foldBase = (EditorFineStepHold / EditorRepeatFrames + 1) * EditorRepeatFrames;
    state.holdCounter = counter < std::numeric_limits<int32_t>::max()
                            ? counter + 1
                            : foldBase + (counter % EditorRepeatFrames + 1) % EditorRepeatFrames;
  } else {
    state.holdCounter = 0;
  }
  return action;
}

Level& testedLevel(EditorState& state) { return state.campaign->level[state.frameLevel - 1]; }

void prepareTestLevel(EditorState& state) {
  Level& level = testedLevel(state);
  int32_t sx = 0, sy = 0;
  if (findFirstStart(level, sx, sy)) return;
  const int32_t x = clampIndex(state.frameCellX, cursorColumns(level));
  const int32_t y = clampIndex(state.frameCellY, cursorRows(level));
  level.cell[x][y] = Cell{Start, 1};
}
