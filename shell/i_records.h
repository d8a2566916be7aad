// The records of the running game: read once at start-up from the
// player's folder, updated by the campaign run and by practice, written
// back after every change.
#pragma once
#include <cstdint>
#include <cstdio>

#include "data/level.h"
#include "data/records.h"

extern RecordsStore playerRecords;

// Reads the records from the player's folder (userCampaignFolder); a
// problem is one line on `err`.
void startRecords(std::FILE* err);

// Makes the campaign's record the one the calls below update (making a
// fresh record for a campaign not seen before) and returns it.
CampaignRecord& selectRecord(const Campaign& campaign);

// Each of these updates the selected record and writes the file.
void recordLevelReached(int32_t level);
void recordLevelScore(int32_t level, uint32_t score);
void recordRunEnd(uint32_t score, int32_t completed, bool finished);
