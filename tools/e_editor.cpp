// The campaign editor in the game window: loads a campaign file, then runs
// frames of picture, keys and pacing until the campaign is saved and left
// with ESC or a save fails.
#include "tools/e_editor.h"

#include <allegro.h>

#include <cstdint>
#include <fstream>
#include <limits>

#include "data/campaign_io.h"
#include "game/g_cards.h"
#include "game/g_clock.h"
#include "game/g_play.h"
#include "game/p_score.h"
#include "shell/i_screens.h"
#include "platform/i_sound.h"
#include "platform/i_system.h"
#include "tools/e_save.h"
#include "tools/e_state.h"

namespace {

// The campaign under edit: 128 level slots, too big for the stack.
Campaign editedCampaign;

// A save that failed: the campaign goes to an emergency file in the
// current directory so the work survives, and the editor ends.
int saveFailed(const char* emergencyFile) {
  saveCampaign(editedCampaign, emergencyFile);
  fatalError("Unable to save.");
  return 1;
}

// Plays the shown level once through the real play loop. Play works on its
// own copy of the level; only a missing Start is added to the edited one.
void testPlay(EditorState& state) {
  prepareTestLevel(state);
  int32_t lives = editedCampaign.lives;
  if (lives < 0) lives = 0;
  if (lives > MaxLives) lives = MaxLives;
  resetRun(lives);
  clearToBlack(backBuffer);
  startLevel(testedLevel(state), state.frameLevel, true);
  playLevel(true);
  rest(1000);  // the last play frame stays in view for a second
  state.holdFlag = true;
}

void playEditorFeedback(int32_t feedback) {
  if (feedback & EditorRemoved) playSound(SoundEditorRemove);
  if (feedback & EditorPlaced) playSound(SoundEditorPlace);
  if (feedback & EditorRefused) playSound(SoundEditorRefused);
}

}  // namespace

int runEditor(const char* fileName, int32_t firstLevel) {
  if (fileName == nullptr || fileName[0] == '\0') {
    fatalError("No filename given.");
    return 1;
  }
  {
    std::ifstream in(fileName);
    if (!in) {
      fatalError("File missing or corrupt.");
      return 1;
    }
    if (readCampaign(in, editedCampaign) != 0) {
      fatalError("File does not appear to be a Quib campaign.");
      return 1;
    }
  }

  EditorState state;
  openEditor(state, editedCampaign, firstLevel);
  restartFrameClock();
  int32_t lastTick = tickCount;

  for (;;) {
    drawEditorFrame(backBuffer, state);
    showPicture(backBuffer);
    // The counter drives the animation, which wants it non-negative.
    state.frame = state.frame < std::numeric_limits<int32_t>::max() ? state.frame + 1 : 0;

    // F1 is no editing key: the card of the editor's keys, then the frame
    // after it starts its own beat.
    if (keyCardAsked()) {
      showKeyCard(EditorCard);
      lastTick = tickCount;
    }
    const int32_t action = handleEditorKeys(state, key);
    playEditorFeedback(state.feedback);
    if (action & EditorSave) {
      if (saveCampaign(editedCampaign, fileName) != 0) return saveFailed("#quibF2.qbf#");
      playSound(SoundEditorSave);
    }
    if (action & EditorLeave) {
      if (saveCampaign(editedCampaign, fileName) != 0) return saveFailed("#quibESC.qbf#");
      return 0;
    }
    if (action & EditorTestPlay) {
      testPlay(state);
      // The frame after a test starts its own beat rather than catching up.
      lastTick = tickCount;
    }
    lastTick = waitForFrameEnd(lastTick);
  }
}
