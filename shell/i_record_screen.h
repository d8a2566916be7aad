// The records screen: every campaign of the wheel with its records, in the
// order of the wheel, reached from the title with R.
#pragma once
#include <cstdint>

#include "data/records.h"
#include "shell/i_catalogue.h"

struct BITMAP;

struct RecordRow {
  char name[21];
  bool known;       // a record for this campaign as it now stands
  int32_t levels;   // levels the campaign asks for (0 when unreadable)
  CampaignRecord record;  // zero when not known
};

// Rows shown at once, and where.
constexpr int RecordRowsShown = 17;
constexpr int RecordRowsTop = 72;
constexpr int RecordRowPitch = 16;

// One row for each campaign of the catalogue, in slot order, matched to
// the records by name and the fingerprint of the file as it is now.
// Returns the number of rows.
int gatherRecordRows(const CampaignCatalogue& catalogue, const Records& records, RecordRow* rows);

// The whole screen, rows from `first` on.
void drawRecordsScreen(BITMAP* bmp, const RecordRow* rows, int count, int first, int frame);

// Runs the screen until ESC, SPACE or ENTER.
void recordsScreen(const CampaignCatalogue& catalogue);
