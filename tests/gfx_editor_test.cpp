// The editor's key rules, headless: a key state array is filled by hand and
// handed to the frame's key handling, one call per frame.
#include <gtest/gtest.h>

#include <allegro.h>

#include <cstring>
#include <memory>

#include "data/level.h"
#include "tools/e_state.h"

namespace {

class EditorKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    campaign_ = std::make_unique<Campaign>();
    std::memset(keys_, 0, sizeof keys_);
    campaign_->levelCount = 0;
    campaign_->levels = 0;
    campaign_->lives = 3;
  }

  Campaign& campaign() { return *campaign_; }
  Level& level(int number) { return campaign_->level[number - 1]; }

  // Adds a copy of a new editor level to the campaign and returns it.
  Level& appendLevel() {
    Level& l = campaign_->level[campaign_->levelCount++];
    makeNewLevel(l);
    return l;
  }
  // A small playable level: Start at (0, 0), Exit at (3, 0).
  Level& appendValidLevel() {
    Level& l = appendLevel();
    l.width = 4;
    l.height = 3;
    l.cell[0][0] = Cell{Start, 1};
    l.cell[3][0] = Cell{Exit, 1};
    return l;
  }

  void open(int first = 1) { openEditor(state_, campaign(), first); }

  // One frame with exactly the listed keys held.
  int32_t frame(std::initializer_list<int> held = {}) {
    std::memset(keys_, 0, sizeof keys_);
    for (int k : held) keys_[k] = 1;
    return handleEditorKeys(state_, keys_);
  }
  // `n` frames with the keys held; the result of the last.
  int32_t hold(std::initializer_list<int> held, int n) {
    int32_t action = 0;
    for (int i = 0; i < n; ++i) action = frame(held);
    return action;
  }

  Level& shown() { return shownLevel(state_); }

  std::unique_ptr<Campaign> campaign_;
  EditorState state_{};
  char keys_[KEY_MAX];
};

int countStarts(const Level& l) {
  int n = 0;
  for (int y = 0; y < MaxHeight; ++y)
    for (int x = 0; x < MaxWidth; ++x)
      if (l.cell[x][y].kind == Start) ++n;
  return n;
}

// ---------------------------------------------------------------- opening

TEST_F(EditorKeys, OpeningAnEmptyCampaignMakesANewFirstLevel) {
  campaign().levelCount = 0;
  open(0);
  EXPECT_EQ(state_.currentLevel, 1);
  EXPECT_EQ(campaign().levelCount, 1);
  EXPECT_EQ(shown().width, 18);
  EXPECT_EQ(shown().height, 12);
  EXPECT_EQ(shown().limit, 30);
  EXPECT_EQ(shown().bonus, 0);
  EXPECT_EQ(state_.cursorX, 0);
  EXPECT_EQ(state_.cursorY, 0);
  EXPECT_EQ(state_.currentSize, 1);
  EXPECT_EQ(state_.holdCounter, 0);
  EXPECT_EQ(state_.frame, 0);
}

TEST_F(EditorKeys, FirstLevelBelowOneOpensLevelOneAndBeyondTheLastAppendsOne) {
  appendValidLevel();
  appendValidLevel().limit = 77;
  open(-5);
  EXPECT_EQ(state_.currentLevel, 1);
  EXPECT_EQ(campaign().levelCount, 2);
  open(2);
  EXPECT_EQ(state_.currentLevel, 2);
  EXPECT_EQ(shown().limit, 77);
  open(40);
  EXPECT_EQ(state_.currentLevel, 3);
  EXPECT_EQ(campaign().levelCount, 3);
  EXPECT_EQ(shown().width, 18);
  EXPECT_EQ(shown().limit, 30);
}

TEST_F(EditorKeys, FirstLevelBeyondAFullCampaignOpensTheLastLevel) {
  for (int i = 0; i < MaxLevels; ++i) appendValidLevel().limit = 100 + i;
  open(129);
  EXPECT_EQ(state_.currentLevel, MaxLevels);
  EXPECT_EQ(campaign().levelCount, MaxLevels);
  EXPECT_EQ(shown().limit, 100 + MaxLevels - 1) << "the last level must not be replaced";
}

// ------------------------------------------------------ time, bonus, lives

TEST_F(EditorKeys, HeldEqualsStepsByOneEveryFiveFramesThenByTenFromHoldFifty) {
  appendLevel();
  open();
  const int expected[] = {31, 31, 31, 31, 31, 32};
  for (int i = 0; i < 6; ++i) {
    frame({KEY_EQUALS});
    EXPECT_EQ(shown().limit, expected[i]) << "frame " << i;
  }
  // Acts at hold counts 0, 5, ..., 45 by 1 (ten times), then by 10.
  hold({KEY_EQUALS}, 45);  // counts 6..50: acts at 10..45 (+8) and 50 (+10)
  EXPECT_EQ(state_.holdCounter, 51);
  EXPECT_EQ(shown().limit, 30 + 10 + 10);
  hold({KEY_EQUALS}, 5);
  EXPECT_EQ(shown().limit, 60);

  // A break starts the fine steps again.
  frame();
  EXPECT_EQ(state_.holdCounter, 0);
  frame({KEY_EQUALS});
  EXPECT_EQ(shown().limit, 61);
}

TEST_F(EditorKeys, LimitNeverLeavesOneTo9999) {
  appendLevel().limit = 9995;
  open();
  hold({KEY_EQUALS}, 200);
  EXPECT_EQ(shown().limit, 9999);
  shown().limit = 20000;  // read from a file
  frame();
  frame({KEY_EQUALS});
  EXPECT_EQ(shown().limit, 9999);

  shown().limit = 3;
  frame();
  hold({KEY_MINUS}, 200);
  EXPECT_EQ(shown().limit, 1);
  shown().limit = INT32_MIN;  // read from a file; must not overflow
  frame();
  frame({KEY_MINUS});
  EXPECT_EQ(shown().limit, 1);
}

TEST_F(EditorKeys, LoweringTheLimitPullsTheBonusBelowIt) {
  Level& l = appendLevel();
  l.limit = 10;
  l.bonus = 9;
  open();
  frame({KEY_MINUS});
  EXPECT_EQ(l.limit, 9);
  EXPECT_EQ(l.bonus, 8);

  frame();
  l.limit = 1;
  l.bonus = 5;
  frame({KEY_MINUS});
  EXPECT_EQ(l.limit, 1);
  EXPECT_EQ(l.bonus, 0);
}

TEST_F(EditorKeys, BonusStaysBetweenZeroAndBelowTheLimit) {
  Level& l = appendLevel();
  l.limit = 30;
  open();
  for (int i = 0; i < 300; ++i) {
    frame({KEY_PLUS_PAD});
    ASSERT_LT(l.bonus, l.limit);
  }
  EXPECT_EQ(l.bonus, 29);
  frame();
  for (int i = 0; i < 300; ++i) {
    frame({KEY_MINUS_PAD});
    ASSERT_GE(l.bonus, 0);
  }
  EXPECT_EQ(l.bonus, 0);

  // The coarse step applies to the bonus as well.
  l.limit = 1000;
  frame();
  hold({KEY_PLUS_PAD}, 51);  // acts at 0..45 (10 x 1) and 50 (10)
  EXPECT_EQ(l.bonus, 20);
}

TEST_F(EditorKeys, LivesWrapRoundZeroToNine) {
  appendLevel();
  campaign().lives = 9;
  open();
  frame({KEY_INSERT});
  EXPECT_EQ(campaign().lives, 0);
  frame();
  frame({KEY_DEL});
  EXPECT_EQ(campaign().lives, 9);
  frame();
  campaign().lives = 0;
  frame({KEY_DEL});
  EXPECT_EQ(campaign().lives, 9);

  // Values read from a file: above 9 goes round to 0, the extremes do not overflow.
  frame();
  campaign().lives = 50;
  frame({KEY_INSERT});
  EXPECT_EQ(campaign().lives, 0);
  frame();
  campaign().lives = INT32_MAX;
  frame({KEY_INSERT});
  EXPECT_EQ(campaign().lives, 0);
  frame();
  campaign().lives = INT32_MIN;
  frame({KEY_DEL});
  EXPECT_EQ(campaign().lives, 9);
}

// ------------------------------------------------------------- placement

TEST_F(EditorKeys, PlacementKeysPutTheirPieceWithTheCurrentSize) {
  appendLevel();
  open();
  struct {
    int key;
    CellKind kind;
  } const table[] = {{KEY_Z, Hazard},   {KEY_C, Coin},      {KEY_X, Exit},
                     {KEY_N, Repeller}, {KEY_M, Attractor}, {KEY_COMMA, SpinnerCCW},
                     {KEY_STOP, SpinnerCW}};
  state_.currentSize = 2;
  for (const auto& t : table) {
    frame({t.key});
    EXPECT_EQ(shown().cell[0][0].kind, t.kind) << t.key;
    EXPECT_EQ(shown().cell[0][0].size, 2u) << t.key;
  }
}

TEST_F(EditorKeys, EmptyingKeepsTheSizeAndANewPieceTakesTheCurrentSize) {
  appendLevel().cell[0][0] = Cell{Coin, 3};
  open();
  frame({KEY_V});
  EXPECT_EQ(shown().cell[0][0].kind, Empty);
  EXPECT_EQ(shown().cell[0][0].size, 3u);
  frame({KEY_C});
  EXPECT_EQ(shown().cell[0][0].kind, Coin);
  EXPECT_EQ(shown().cell[0][0].size, 1u);
}

TEST_F(EditorKeys, PlacementActsEveryFrameAndDoesNotHoldTheCounter) {
  appendLevel();
  open();
  hold({KEY_Z}, 3);
  EXPECT_EQ(state_.holdCounter, 0);
  // Held together with a repeat key, it still acts on off-beat frames.
  frame({KEY_RIGHT});
  frame({KEY_RIGHT, KEY_C});
  EXPECT_EQ(shown().cell[1][0].kind, Coin);
}

TEST_F(EditorKeys, SizeKeysSetTheCurrentSizeAndTheCursorCellsSize) {
  appendLevel().cell[0][0] = Cell{Repeller, 1};
  open();
  frame({KEY_3});
  EXPECT_EQ(state_.currentSize, 3);
  EXPECT_EQ(shown().cell[0][0].kind, Repeller);
  EXPECT_EQ(shown().cell[0][0].size, 3u);
  frame({KEY_0});
  EXPECT_EQ(state_.currentSize, 0);
  EXPECT_EQ(shown().cell[0][0].size, 0u);
  frame({KEY_RIGHT});
  frame({KEY_M, KEY_2});  // the size key comes after the placement
  EXPECT_EQ(shown().cell[1][0].kind, Attractor);
  EXPECT_EQ(shown().cell[1][0].size, 2u);
}

TEST_F(EditorKeys, StartKeyMovesTheStartToTheCursor) {
  Level& l = appendLevel();
  l.cell[5][4] = Cell{Start, 2};
  open();
  frame({KEY_B});
  EXPECT_EQ(l.cell[0][0].kind, Start);
  EXPECT_EQ(l.cell[0][0].size, 1u);
  EXPECT_EQ(l.cell[5][4].kind, Empty);
  EXPECT_EQ(l.cell[5][4].size, 2u) << "the old start keeps its size";
  EXPECT_EQ(countStarts(l), 1);
}

TEST_F(EditorKeys, StartKeyHeldRemovesOnlyTheFirstOfTwoLaterStarts) {
  Level& l = appendLevel();
  l.cell[3][2] = Cell{Start, 1};
  l.cell[1][5] = Cell{Start, 1};
  l.cell[9][9] = Cell{Exit, 1};
  open();
  hold({KEY_B}, 40);
  EXPECT_EQ(l.cell[0][0].kind, Start);
  EXPECT_EQ(l.cell[3][2].kind, Empty);
  EXPECT_EQ(l.cell[1][5].kind, Start);
  EXPECT_EQ(countStarts(l), 2);
  EXPECT_NE(validateLevel(l), 0);
}

TEST_F(EditorKeys, StartKeyIgnoresStartsOutsideTheUsedBoard) {
  Level& l = appendLevel();
  l.width = 4;
  l.cell[10][0] = Cell{Start, 1};  // hidden by a narrowed board
  open();
  frame({KEY_RIGHT});
  frame({KEY_B});
  EXPECT_EQ(l.cell[10][0].kind, Start);
  EXPECT_EQ(l.cell[1][0].kind, Start);
}

TEST_F(EditorKeys, SpaceFlipsTheShownLevelOnce) {
  Level& l = appendLevel();
  l.cell[1][1] = Cell{Attractor, 1};
  l.cell[2][1] = Cell{SpinnerCW, 1};
  open();
  hold({KEY_SPACE}, 12);
  EXPECT_EQ(l.cell[1][1].kind, Repeller);
  EXPECT_EQ(l.cell[2][1].kind, SpinnerCCW);
  frame();
  frame({KEY_SPACE});
  EXPECT_EQ(l.cell[1][1].kind, Attractor);
  // A hold of a length whose repeated flips would cancel out still flips once.
  frame();
  hold({KEY_SPACE}, 6);
  EXPECT_EQ(l.cell[1][1].kind, Repeller);
}

// ------------------------------------------------------- walls and size

TEST_F(EditorKeys, WallKeysCycleTheirOwnSide) {
  Level& l = appendLevel();  // N Bounce, E Wrap, S Deadly, W Wrap
  open();
  frame({KEY_W});
  EXPECT_EQ(l.wall[North], Deadly);
  frame();
  frame({KEY_W});
  EXPECT_EQ(l.wall[North], Wrap);
  frame();
  frame({KEY_W});
  EXPECT_EQ(l.wall[North], Bounce);
  frame();
  frame({KEY_A});
  EXPECT_EQ(l.wall[West], Bounce);
  frame();
  frame({KEY_D});
  EXPECT_EQ(l.wall[East], Bounce);
  frame();
  frame({KEY_S});
  EXPECT_EQ(l.wall[South], Wrap);
  EXPECT_EQ(l.wall[North], Bounce);

  frame();
  l.wall[North] = static_cast<WallKind>(7);
  frame({KEY_W});
  EXPECT_EQ(l.wall[North], 7) << "an unknown wall value stays";
}

TEST_F(EditorKeys, ResizeKeysKeepTheBoardWithinOneToTheGridAndResetTheCursor) {
  Level& l = appendLevel();
  open();
  state_.cursorX = 5;
  frame({KEY_6_PAD});
  EXPECT_EQ(l.width, 18);
  EXPECT_EQ(state_.cursorX, 0);

  state_.cursorY = 7;
  frame();
  frame({KEY_2_PAD});
  EXPECT_EQ(l.height, 12);
  EXPECT_EQ(state_.cursorY, 0);

  frame();
  hold({KEY_4_PAD, KEY_8_PAD}, 200);
  EXPECT_EQ(l.width, 1);
  EXPECT_EQ(l.height, 1);

  frame();
  frame({KEY_6_PAD});
  frame();
  frame({KEY_2_PAD});
  EXPECT_EQ(l.width, 2);
  EXPECT_EQ(l.height, 2);
}

TEST_F(EditorKeys, ShrinkingKeepsTheHiddenCells) {
  Level& l = appendLevel();
  l.cell[17][11] = Cell{Coin, 2};
  open();
  hold({KEY_4_PAD}, 1);
  frame();
  hold({KEY_6_PAD}, 1);
  EXPECT_EQ(l.cell[17][11].kind, Coin);
  EXPECT_EQ(l.cell[17][11].size, 2u);
}

// ---------------------------------------------------------------- cursor

TEST_F(EditorKeys, ArrowsWrapInAllFourDirections) {
  Level& l = appendLevel();
  l.width = 5;
  l.height = 4;
  open();
  frame({KEY_UP});
  EXPECT_EQ(state_.cursorY, 3);
  frame();
  frame({KEY_DOWN});
  EXPECT_EQ(state_.cursorY, 0);
  frame();
  frame({KEY_LEFT});
  EXPECT_EQ(state_.cursorX, 4);
  frame();
  frame({KEY_RIGHT});
  EXPECT_EQ(state_.cursorX, 0);
  frame();
  frame({KEY_RIGHT});
  EXPECT_EQ(state_.cursorX, 1);
  frame();
  frame({KEY_DOWN});
  EXPECT_EQ(state_.cursorY, 1);
}

TEST_F(EditorKeys, CursorKeyActsOnTheNextFrameOnly) {
  appendLevel();
  open();
  frame({KEY_RIGHT, KEY_C});  // the coin lands where the cursor was
  EXPECT_EQ(shown().cell[0][0].kind, Coin);
  EXPECT_EQ(shown().cell[1][0].kind, Empty);
  EXPECT_EQ(state_.cursorX, 1);
}

TEST_F(EditorKeys, OversizedLevelKeepsCursorAndPiecesInsideTheStoredGrid) {
  Level& l = appendLevel();
  l.width = 40;
  l.height = 30;
  open();
  frame({KEY_LEFT});
  EXPECT_EQ(state_.cursorX, MaxWidth - 1);
  frame();
  frame({KEY_UP});
  EXPECT_EQ(state_.cursorY, MaxHeight - 1);
  frame({KEY_Z});
  EXPECT_EQ(l.cell[MaxWidth - 1][MaxHeight - 1].kind, Hazard);
  frame({KEY_RIGHT});
  EXPECT_EQ(state_.cursorX, 0);
  // The stored size stays as read; the resize keys only bring it down.
  EXPECT_EQ(l.width, 40);
  EXPECT_EQ(l.height, 30);
  frame();
  frame({KEY_6_PAD});
  EXPECT_EQ(l.width, 40);
  frame();
  frame({KEY_4_PAD});
  EXPECT_EQ(l.width, 39);
}

TEST_F(EditorKeys, ZeroOrNegativeSizeKeepsTheCursorOnTheFirstCell) {
  Level& l = appendLevel();
  l.width = 0;
  l.height = -3;
  open();
  for (int k : {KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN}) {
    frame();
    frame({k});
    EXPECT_EQ(state_.cursorX, 0);
    EXPECT_EQ(state_.cursorY, 0);
  }
  frame({KEY_X});
  EXPECT_EQ(l.cell[0][0].kind, Exit);
}

// ------------------------------------------------------------- levels

TEST_F(EditorKeys, F12AndF11MoveTheShownLevelAndKeepItShown) {
  appendValidLevel().limit = 11;
  appendValidLevel().limit = 22;
  appendValidLevel().limit = 33;
  open(1);
  frame({KEY_F11});
  EXPECT_EQ(state_.currentLevel, 1) << "F11 on level 1 does nothing";
  EXPECT_EQ(level(1).limit, 11);
  frame();
  frame({KEY_F12});
  EXPECT_EQ(state_.currentLevel, 2);
  EXPECT_EQ(level(1).limit, 22);
  EXPECT_EQ(level(2).limit, 11);
  EXPECT_EQ(shown().limit, 11);
  frame();
  frame({KEY_F12});
  frame();
  frame({KEY_F12});
  EXPECT_EQ(state_.currentLevel, 3) << "F12 on the last level does nothing";
  EXPECT_EQ(level(3).limit, 11);
  EXPECT_EQ(campaign().levelCount, 3);
  frame();
  frame({KEY_F11});
  EXPECT_EQ(state_.currentLevel, 2);
  EXPECT_EQ(level(2).limit, 11);
  EXPECT_EQ(level(3).limit, 33);
}

TEST_F(EditorKeys, PageUpAppendsNewLevelsAndWrapsFrom128To1) {
  appendValidLevel();
  open(1);
  state_.cursorX = 2;
  frame({KEY_PGUP});
  EXPECT_EQ(state_.currentLevel, 2);
  EXPECT_EQ(campaign().levelCount, 2);
  EXPECT_EQ(state_.cursorX, 0);
  EXPECT_EQ(shown().width, 18);
  EXPECT_EQ(shown().limit, 30);

  // Holding it walks on at the repeat beat and never beyond 128 slots.
  for (int i = 0; i < 2000; ++i) {
    frame({KEY_PGUP});
    ASSERT_LE(campaign().levelCount, MaxLevels);
    ASSERT_GE(state_.currentLevel, 1);
    ASSERT_LE(state_.currentLevel, MaxLevels);
  }
}

TEST_F(EditorKeys, PageUpOnLevel128OfAFullCampaignShowsLevel1) {
  for (int i = 0; i < MaxLevels; ++i) appendValidLevel().limit = 100 + i;
  open(MaxLevels);
  frame({KEY_PGUP});
  EXPECT_EQ(state_.currentLevel, 1);
  EXPECT_EQ(campaign().levelCount, MaxLevels);
  EXPECT_EQ(shown().limit, 100) << "level 1 must not be replaced by a new one";
}

TEST_F(EditorKeys, PageDownStopsAtLevel1AndResetsTheCursor) {
  appendValidLevel();
  appendValidLevel();
  open(2);
  state_.cursorX = 3;
  state_.cursorY = 2;
  frame({KEY_PGDN});
  EXPECT_EQ(state_.currentLevel, 1);
  frame();
  state_.cursorX = 3;
  state_.cursorY = 2;
  frame({KEY_PGDN});
  EXPECT_EQ(state_.currentLevel, 1);
  EXPECT_EQ(state_.cursorX, 0);
  EXPECT_EQ(state_.cursorY, 0);
}

// ------------------------------------------------- auto-repeat and exits

TEST_F(EditorKeys, OnceKeysDoNothingWhileAnotherKeyIsHeld) {
  Level& l = appendLevel();
  l.cell[0][0] = Cell{Attractor, 1};
  open();
  frame({KEY_DOWN});
  EXPECT_EQ(frame({KEY_DOWN, KEY_F2}), EditorNothing);
  EXPECT_EQ(frame({KEY_DOWN, KEY_ESC}), EditorNothing);
  frame({KEY_DOWN, KEY_SPACE});
  EXPECT_EQ(l.cell[0][0].kind, Attractor);
  // Still nothing while the once key itself stays held after the other is let go.
  EXPECT_EQ(frame({KEY_ESC}), EditorNothing);
  frame();
  EXPECT_EQ(frame({KEY_ESC}), EditorLeave);
}

TEST_F(EditorKeys, ARepeatKeyPressedDuringAnotherActsOnTheSharedBeat) {
  Level& l = appendLevel();
  open();
  hold({KEY_DOWN}, 2);  // counts 0, 1
  frame({KEY_DOWN, KEY_EQUALS});  // count 2: off the beat
  frame({KEY_DOWN, KEY_EQUALS});  // count 3
  frame({KEY_DOWN, KEY_EQUALS});  // count 4
  EXPECT_EQ(l.limit, 30);
  frame({KEY_DOWN, KEY_EQUALS});  // count 5
  EXPECT_EQ(l.limit, 31);
}

TEST_F(EditorKeys, SaveAndLeaveActOnAFreshPress) {
  appendLevel();
  open();
  EXPECT_EQ(frame({KEY_F2}), EditorSave);
  EXPECT_EQ(hold({KEY_F2}, 20), EditorNothing) << "held F2 saves once";
  frame();
  EXPECT_EQ(frame({KEY_F2, KEY_ESC}), EditorSave | EditorLeave);
}

TEST_F(EditorKeys, TestKeyActsEveryFrameAndBlocksALaterEscape) {
  appendLevel();
  open();
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(frame({KEY_T}), EditorTestPlay) << "frame " << i;
    EXPECT_TRUE(state_.holdFlag);
  }
  EXPECT_EQ(state_.holdCounter, 4);
  // ESC that ended the test play is still held when the editor resumes.
  EXPECT_EQ(frame({KEY_ESC}), EditorNothing);
  EXPECT_EQ(frame({KEY_ESC}), EditorNothing);
  frame();
  EXPECT_EQ(frame({KEY_ESC}), EditorLeave);
}

TEST_F(EditorKeys, NoKeyClearsTheHoldCounter) {
  appendLevel();
  open();
  hold({KEY_RIGHT}, 7);
  EXPECT_EQ(state_.holdCounter, 7);
  EXPECT_EQ(frame(), EditorNothing);
  EXPECT_FALSE(state_.holdFlag);
  EXPECT_EQ(state_.holdCounter, 0);
}

TEST_F(EditorKeys, AVeryLongHoldKeepsTheBeatAndTheCoarseStep) {
  Level& l = appendLevel();
  l.limit = 100;
  open();
  state_.holdCounter = INT32_MAX;
  frame({KEY_RIGHT});
  EXPECT_GE(state_.holdCounter, 50);
  while (state_.holdCounter % EditorRepeatFrames != 0) frame({KEY_RIGHT});
  frame({KEY_EQUALS});
  EXPECT_EQ(l.limit, 110);
}

// ------------------------------------------------------------ test play

TEST_F(EditorKeys, TestPlayPutsAStartUnderTheCursorWhenThereIsNone) {
  Level& l = appendLevel();
  l.cell[2][1] = Cell{Coin, 3};
  open();
  state_.cursorX = 2;
  state_.cursorY = 1;
  state_.currentSize = 3;  // the Start is always of size 1, whatever is chosen
  frame({KEY_T});
  prepareTestLevel(state_);
  EXPECT_EQ(l.cell[2][1].kind, Start);
  EXPECT_EQ(l.cell[2][1].size, 1u);

  // With a Start present, nothing changes.
  state_.cursorX = 4;
  frame({KEY_T});
  prepareTestLevel(state_);
  EXPECT_EQ(l.cell[4][1].kind, Empty);
  EXPECT_EQ(countStarts(l), 1);
}

TEST_F(EditorKeys, TestPlayPutsTheStartWhereTheCursorWasShown) {
  // An arrow acting in the same frame as T moves the cursor for the next
  // frame only; the Start goes under the cursor of the frame's picture.
  Level& l = appendLevel();
  open();
  state_.cursorX = 2;
  state_.cursorY = 1;
  EXPECT_EQ(frame({KEY_RIGHT, KEY_DOWN, KEY_T}), EditorTestPlay);
  prepareTestLevel(state_);
  EXPECT_EQ(l.cell[2][1].kind, Start);
  EXPECT_EQ(l.cell[3][2].kind, Empty);
  EXPECT_EQ(countStarts(l), 1);
  EXPECT_EQ(state_.cursorX, 3);
  EXPECT_EQ(state_.cursorY, 2);
}

TEST_F(EditorKeys, TestPlayPlaysTheLevelShownWhenPageKeysActInTheSameFrame) {
  Level& first = appendLevel();
  Level& second = appendLevel();
  open(1);
  frame({KEY_PGUP, KEY_T});
  EXPECT_EQ(state_.currentLevel, 2);
  prepareTestLevel(state_);
  EXPECT_EQ(&testedLevel(state_), &first);
  EXPECT_EQ(state_.frameLevel, 1);
  EXPECT_EQ(countStarts(first), 1);
  EXPECT_EQ(countStarts(second), 0);

  frame();
  frame({KEY_PGDN, KEY_T});
  EXPECT_EQ(state_.currentLevel, 1);
  EXPECT_EQ(&testedLevel(state_), &second);
  // A level moved by F12 in that frame is still the one tested.
  frame();
  frame({KEY_F12, KEY_T});
  EXPECT_EQ(&testedLevel(state_), &second);
}

TEST_F(EditorKeys, TestPlayIgnoresAStartHiddenByANarrowedBoard) {
  Level& l = appendLevel();
  l.width = 3;
  l.cell[10][0] = Cell{Start, 2};
  open();
  prepareTestLevel(state_);
  EXPECT_EQ(l.cell[0][0].kind, Start);
}

// ---------------------------------------------------------------- sounds

// A piece is heard when the cell under the cursor changes, once, not on
// every frame its key is held.
TEST_F(EditorKeys, PiecesAreHeardWhenTheCellChanges) {
  appendValidLevel();
  open();
  frame({KEY_RIGHT});
  frame();
  frame({KEY_C});
  EXPECT_EQ(state_.feedback, EditorPlaced);
  frame({KEY_C});
  EXPECT_EQ(state_.feedback, 0);
  frame({KEY_3});
  EXPECT_EQ(state_.feedback, EditorPlaced);  // a bigger coin
  frame({KEY_V});
  EXPECT_EQ(state_.feedback, EditorRemoved);
  frame({KEY_V});
  EXPECT_EQ(state_.feedback, 0);
  frame({KEY_2});
  EXPECT_EQ(state_.feedback, 0);  // the size of an empty cell is not heard
  frame({KEY_Z});
  EXPECT_EQ(state_.feedback, EditorPlaced);
  frame();
  EXPECT_EQ(state_.feedback, 0);
}

// A key that acts at its limit is refused; the same key short of the limit
// and the keys that wrap round are not.
TEST_F(EditorKeys, KeysAtTheirLimitsAreRefused) {
  Level& first = appendValidLevel();
  appendValidLevel();
  first.limit = EditorMaxLimit;
  first.bonus = 0;
  first.height = 1;
  first.width = MaxWidth;
  open();
  const struct {
    int key;
    bool refused;
  } cases[] = {{KEY_PGDN, true},      {KEY_F11, true},     {KEY_EQUALS, true},  {KEY_MINUS_PAD, true},
               {KEY_8_PAD, true},     {KEY_6_PAD, true},   {KEY_INSERT, false}, {KEY_DEL, false},
               {KEY_2_PAD, false},    {KEY_4_PAD, false},  {KEY_MINUS, false},  {KEY_PLUS_PAD, false},
               {KEY_UP, false},       {KEY_F12, false},    {KEY_F12, true},     {KEY_F11, false},
               {KEY_PGUP, false}};
  for (const auto& c : cases) {
    frame({c.key});
    EXPECT_EQ((state_.feedback & EditorRefused) != 0, c.refused) << c.key;
    frame();
  }
  EXPECT_EQ(state_.currentLevel, 2);
  // Lowering the limit that only pulls the bonus down still changes it.
  shown().limit = 1;
  shown().bonus = 5;
  frame({KEY_MINUS});
  EXPECT_EQ(state_.feedback & EditorRefused, 0);
  frame();
  frame({KEY_MINUS});
  EXPECT_NE(state_.feedback & EditorRefused, 0);
}

}  // namespace
