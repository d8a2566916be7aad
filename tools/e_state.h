// The campaign editor's state and its frame-by-frame rules: which level is
// shown, where the cursor is, the auto-repeat counter, and what each held
// key does to the campaign. Everything here is free of the window and the
// clock, so the key rules and the picture can be exercised headless.
#pragma once
#include <cstdint>

#include "data/level.h"

struct BITMAP;

// Frames between two acts of a held repeat key (6 a second at 30 frames).
constexpr int32_t EditorRepeatFrames = 5;
// Hold counts up to this one step the time values by 1, later ones by 10.
constexpr int32_t EditorFineStepHold = 45;
constexpr int32_t EditorCoarseStep = 10;
constexpr int32_t EditorMaxLimit = 9999;
constexpr int32_t EditorMaxLives = 9;
// Board origin of the shown level in the editor picture.
constexpr int EditorBoardX = 6;
constexpr int EditorBoardY = 6;

struct EditorState {
  Campaign* campaign;    // the campaign being edited, owned by the caller
  int32_t currentLevel;  // 1-based number of the shown level
  int32_t cursorX;       // cursor column
  int32_t cursorY;       // cursor row
  int32_t currentSize;   // size given to placed pieces, 0..3
  int32_t holdCounter;   // frames a repeat, once or T key has been held without a break
  int32_t frame;         // frames drawn since the editor started
  bool holdFlag;         // set during a frame's key handling when such a key is held
  int32_t frameCellX;    // the cursor cell of the last frame's picture, where a
  int32_t frameCellY;    // test play puts a missing Start
  int32_t frameLevel;    // the number of the level in the last frame's picture
                         // (it follows the level when F11 or F12 moves it): the
                         // level a test play plays
  int32_t feedback;      // EditorFeedback bits of the last frame's keys
};

// What the last frame's keys did, for the editor's sounds.
enum EditorFeedback : int32_t {
  EditorPlaced = 1,   // a piece was put down or changed under the cursor
  EditorRemoved = 2,  // the piece under the cursor was taken away
  EditorRefused = 4,  // a key acted but had nothing to change (a limit reached)
};

// What the frame loop has to do after the keys of a frame were handled.
// The bits combine: F2 and T held together save and then test.
enum EditorAction : int32_t {
  EditorNothing = 0,
  EditorSave = 1,      // F2: save the campaign, stay in the editor
  EditorLeave = 2,     // ESC: save the campaign and leave on success
  EditorTestPlay = 4,  // T: play the shown level once
};

// Prepares the state for a freshly read campaign: picks the first level to
// show (below 1 gives 1; beyond the last appends one new level, or shows the
// last one when all 128 slots are taken), cursor (0, 0), size 1, counters 0.
void openEditor(EditorState& state, Campaign& campaign, int32_t firstLevel);

// The level currently shown.
Level& shownLevel(EditorState& state);
const Level& shownLevel(const EditorState& state);

// Columns and rows the cursor moves over: the level's width and height kept
// within 1 .. the stored grid, so the cursor never reaches a cell that is
// not stored, whatever size a level read from a file claims.
int32_t cursorColumns(const Level& level);
int32_t cursorRows(const Level& level);

// The first Start cell in row order (rows outer, columns inner) within the
// used part of the level, written to x and y; false when there is none.
bool findFirstStart(const Level& level, int32_t& x, int32_t& y);

// Handles one frame's keys in the editor's fixed order with the auto-repeat
// rules, then advances or clears the hold counter. `keys` is indexed by the
// library's scancodes. Returns a combination of EditorAction bits.
int32_t handleEditorKeys(EditorState& state, const volatile char* keys);

// The level a test play plays: the one in the picture of the frame in which
// T was handled, even when PAGE UP or PAGE DOWN changed the shown level in
// that frame.
Level& testedLevel(EditorState& state);

// First step of a test play: a level without a Start gets a Start of size 1
// in the cursor cell of the frame in which T was handled, even when a cursor
// key moved the cursor in that frame (the change stays in the edited level).
void prepareTestLevel(EditorState& state);

// The editor picture: black background, the board at (6, 6), the ball start
// marker, the status texts and the flashing cursor.
void drawEditorFrame(BITMAP* bmp, const EditorState& state);
