// The records screen.
#include "shell/i_record_screen.h"

#include <allegro.h>

#include <cstring>
#include <fstream>

#include "data/campaign_io.h"
#include "draw/r_board.h"
#include "game/g_cards.h"
#include "game/g_clock.h"
#include "game/g_panel.h"
#include "platform/i_system.h"
#include "shell/i_menu.h"
#include "shell/i_records.h"
#include "shell/i_screens.h"

namespace {

// Read to fingerprint each campaign; far too large for the stack.
Campaign scratch;
RecordRow rows[CatalogueSlots];

// Column lefts (numbers right-aligned end at BestRight).
constexpr int NameX = 32;
constexpr int BestRight = 296;
constexpr int LevelsX = 312;
constexpr int ReachedX = 376;
constexpr int RunsX = 432;

}  // namespace

int gatherRecordRows(const CampaignCatalogue& catalogue, const Records& records, RecordRow* out) {
  int count = 0;
  for (int slot = 0; slot < CatalogueSlots; ++slot) {
    if (!catalogue.inUse[slot]) continue;
    RecordRow& row = out[count++];
    std::memset(&row, 0, sizeof row);
    std::memcpy(row.name, catalogue.slot[slot].name, sizeof row.name);
    row.name[sizeof row.name - 1] = '\0';
    std::ifstream in(catalogue.slot[slot].path);
    if (!in || readCampaign(in, scratch) != 0) continue;
    row.levels = scratch.levels;
    char fingerprint[FingerprintLength + 1];
    campaignFingerprint(scratch, fingerprint);
    const int found = findRecord(records, scratch.name, fingerprint);
    if (found < 0) continue;
    row.known = true;
    row.record = records.campaign[found];
  }
  return count;
}

void drawRecordsScreen(BITMAP* bmp, const RecordRow* list, int count, int first, int frame) {
  const int white = makecol(255, 255, 255);
  const int grey = makecol(192, 192, 192);
  const int yellow = makecol(255, 255, 0);
  clearToBlack(bmp);
  const int previousMode = text_mode(0);
  // The heading between two spinners turning opposite ways.
  drawPiece(SpinnerCW, 3, bmp, 160, 10, frame);
  drawPiece(SpinnerCCW, 3, bmp, 327, 10, frame);
  textout_centre(bmp, font, "RECORDS", ScreenWidth / 2, 18, yellow);
  const int headY = RecordRowsTop - 20;
  textout(bmp, font, "CAMPAIGN", NameX, headY, white);
  textout_right(bmp, font, "BEST SCORE", BestRight, headY, white);
  textout(bmp, font, "LEVELS", LevelsX, headY, white);
  textout(bmp, font, "REACHED", ReachedX - 8, headY, white);
  textout(bmp, font, "RUNS/WON", RunsX, headY, white);
  hline(bmp, NameX, headY + 11, ScreenWidth - 16, grey);

  for (int i = 0; i < RecordRowsShown && first + i < count; ++i) {
    const RecordRow& row = list[first + i];
    const int y = RecordRowsTop + RecordRowPitch * i;
    const CampaignRecord& r = row.record;
    // A piece tells the story at a glance: an exit for a campaign won, a
    // coin for one played, nothing for one never tried.
    if (row.known && r.runsCompleted > 0)
      drawPiece(Exit, 1, bmp, 6, y - 8, frame);
    else if (row.known && r.runsPlayed > 0)
      drawPiece(Coin, 1, bmp, 6, y - 8, frame);
    textout(bmp, font, row.name, NameX, y, white);
    if (!row.known || (r.runsPlayed == 0 && r.furthest == 0)) {
      textout(bmp, font, "not played yet", LevelsX - 56, y, grey);
      continue;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%u", r.bestScore);
    const int digits = static_cast<int>(std::strlen(text));
    const int width = 8 * (digits + (digits - 1) / 3);
    drawGroupedDigits(bmp, BestRight - width, y, r.bestScore, grey);
    std::snprintf(text, sizeof text, "%d/%d", r.mostCompleted, row.levels);
    textout(bmp, font, text, LevelsX, y, grey);
    std::snprintf(text, sizeof text, "%d", r.furthest);
    textout(bmp, font, text, ReachedX, y, grey);
    std::snprintf(text, sizeof text, "%d/%d", r.runsPlayed, r.runsCompleted);
    textout(bmp, font, text, RunsX, y, grey);
  }
  if (count == 0) textout_centre(bmp, font, "no campaigns", ScreenWidth / 2, RecordRowsTop, grey);
  textout_centre(bmp, font, "UP DOWN SCROLL   ESC BACK   F1 KEYS", ScreenWidth / 2, 360, grey);
  text_mode(previousMode);
}

void recordsScreen(const CampaignCatalogue& catalogue) {
  const int count = gatherRecordRows(catalogue, playerRecords.records, rows);
  int first = 0;
  int32_t repeat = 0;
  int frame = 0;
  restartFrameClock();
  int32_t frameStart = tickCount;
  for (;;) {
    drawRecordsScreen(backBuffer, rows, count, first, frame);
    showPicture(backBuffer);
    frame = (frame + 1) % 90;
    Direction dir = Up;
    const bool held = heldDirection(dir);
    const int step = wheelStep(repeat, held, dir);
    const int last = count > RecordRowsShown ? count - RecordRowsShown : 0;
    first += step;
    if (first < 0) first = 0;
    if (first > last) first = last;
    if (key[KEY_ESC] || actionKeyHeld()) return;
    if (keyCardAsked()) {
      showKeyCard(RecordsCard);
      frameStart = tickCount;
    }
    frameStart = waitForFrameEnd(frameStart);
  }
}
