// The campaign menu: the title screen with the wheel of campaign names, the
// wheel's key repeat, and choosing, loading and playing a campaign.
#include "shell/i_menu.h"

#include <cstring>
#include <fstream>

#include "data/campaign_io.h"
#include "game/g_cards.h"
#include "game/g_clock.h"
#include "shell/i_practice.h"
#include "shell/i_record_screen.h"
#include "shell/i_run.h"
#include "shell/i_screens.h"
#include "platform/i_sound.h"
#include "platform/i_system.h"

#include <allegro.h>

namespace {

// The menu's one campaign record, read anew from its file each time a
// campaign is chosen, so edits to a file take effect on the next choice.
// Far too large for the stack.
Campaign chosen;

bool inUse(const CampaignCatalogue& catalogue, int k) {
  return k >= 0 && k < CatalogueSlots && catalogue.inUse[k];
}

// Any value past this repeats on every frame; the counter stops growing
// there so that holding a key for ever cannot overflow it.
constexpr int32_t RepeatCeiling = 1000;

bool openAndRead(const CampaignHeader& header) {
  std::ifstream in(header.path);
  if (!in) return false;
  if (readCampaign(in, chosen) != 0) return false;
  return campaignUnplayable(chosen) == 0;
}

// Loads and plays the selected campaign. A campaign that fails to load
// leaves the wheel and the selection moves to the one before it; for one of
// the five difficulty campaigns that is fatal (returns 1). `frameStart` is
// restarted after a run, whose screens reset the frame clock.
int chooseCampaign(CampaignCatalogue& catalogue, int& selected, int32_t& frameStart) {
  if (!openAndRead(catalogue.slot[selected])) {
    const int bad = selected;
    selected = cataloguePrev(catalogue, bad);
    // A selection that wrapped round to a slot above the bad one moves
    // down with the slots above it.
    if (selected > bad) --selected;
    catalogueRemove(catalogue, bad);
    if (bad < RequiredCampaigns) {
      fatalError("Required level data missing or corrupt.");
      return 1;
    }
    // Nothing is shown; the campaign has simply left the wheel. The key
    // must be let go before it can choose the next one.
    waitForActionRelease();
    return 0;
  }

  playSound(SoundMenuStart);
  // The reader fills everything but where the file lives.
  std::memcpy(chosen.path, catalogue.slot[selected].path, sizeof chosen.path);
  chosen.location = catalogue.slot[selected].location;
  runCampaign(chosen);

  restartFrameClock();
  frameStart = tickCount;
  // A select key still held from the last screen must not start the
  // campaign again.
  waitForActionRelease();
  clearToBlack(backBuffer);
  clearWindowToBlack();
  return 0;
}

// Back from a screen of its own (key card, records, practice): the frame
// clock starts again, every key is let go first so that none acts on the
// title (ESC would end the game), and the title is drawn afresh.
void backToTitle(int32_t& frameStart) {
  while (anyKeyHeld()) sleepUntilTick(tickCount + 1);
  restartFrameClock();
  frameStart = tickCount;
  clearToBlack(backBuffer);
  clearWindowToBlack();
}

}  // namespace

int wheelStep(int32_t& repeatCounter, bool held, Direction dir) {
  int32_t& k = repeatCounter;
  if (!held || dir == Left || dir == Right) {
    k = 0;
    return 0;
  }
  if (dir == Down) {
    k = k < 1 ? 1 : (k < RepeatCeiling ? k + 1 : k);
    return (k == 1 || k > 30 || (k > 10 && k % 3 == 0)) ? 1 : 0;
  }
  k = k > -1 ? -1 : (k > -RepeatCeiling ? k - 1 : k);
  return (k == -1 || k < -30 || (k < -10 && -k % 3 == 0)) ? -1 : 0;
}

void drawMenu(BITMAP* bmp, const CampaignCatalogue& catalogue, int selected) {
  const int black = makecol(0, 0, 0);
  const int white = makecol(255, 255, 255);
  const int grey = makecol(192, 192, 192);
  const int yellow = makecol(255, 255, 0);
  const int centre = ScreenWidth / 2;

  // The two campaigns before the selection head the wheel.
  int s = cataloguePrev(catalogue, cataloguePrev(catalogue, selected));
  rectfill(bmp, WheelLeft, WheelTop, WheelRight, WheelTop + WheelRows * WheelRowPitch, black);
  for (int r = 0; r < WheelRows; ++r) {
    const int y = WheelTop + WheelRowPitch * r;
    rect(bmp, WheelLeft, y, WheelRight, y + WheelRowPitch, white);
    int colour = grey;
    if (r == WheelRows / 2) {
      rect(bmp, WheelLeft + 4, y + 4, WheelRight - 4, y + 21, yellow);
      colour = white;
    }
    if (inUse(catalogue, s)) textout_centre(bmp, font, catalogue.slot[s].name, centre, y + 8, colour);
    s = catalogueNext(catalogue, s);
  }

  // The band reaches past both edges: a description may be 80 characters.
  rectfill(bmp, -68, DescriptionTop - 8, ScreenWidth + 68, DescriptionTop + 8, black);
  if (inUse(catalogue, selected))
    textout_centre(bmp, font, catalogue.slot[selected].desc, centre, DescriptionTop, grey);
}

int mainMenu(CampaignCatalogue& catalogue) {
  int selected = FirstSelectedSlot;
  int32_t repeatCounter = 0;
  int titleFrame = 0;
  bool flipped = false;

  clearToBlack(backBuffer);
  restartFrameClock();
  int32_t frameStart = tickCount;
  for (;;) {
    drawTitleScreen(backBuffer, titleFrame, flipped);
    if (++titleFrame >= TitleFlipPeriod) {
      titleFrame = 0;
      flipped = !flipped;
    }
    showPicture(backBuffer);
    // The wheel reaches the window with the next frame's copy; the title
    // screen never draws over it.
    drawMenu(backBuffer, catalogue, selected);

    Direction dir = Up;
    const bool held = heldDirection(dir);
    const int step = wheelStep(repeatCounter, held, dir);
    if (step > 0) selected = catalogueNext(catalogue, selected);
    if (step < 0) selected = cataloguePrev(catalogue, selected);
    if (step != 0) playSound(SoundMenuTurn);

    // ESC wins over a select key held in the same frame.
    if (key[KEY_ESC]) return 0;
    if (actionKeyHeld() && inUse(catalogue, selected)) {
      if (chooseCampaign(catalogue, selected, frameStart) != 0) return 1;
    } else if (keyCardAsked()) {
      showKeyCard(TitleCard);
      backToTitle(frameStart);
    } else if (key[KEY_R]) {
      recordsScreen(catalogue);
      backToTitle(frameStart);
    } else if (key[KEY_P] && inUse(catalogue, selected)) {
      practiseCampaign(catalogue.slot[selected].path);
      backToTitle(frameStart);
    }

    frameStart = waitForFrameEnd(frameStart);
  }
}
