// The player's records: for each campaign (known by its name and a
// fingerprint of its levels) the best score, the most levels completed in
// one run, the furthest level reached, the runs played and completed, and
// the best score of each level. Kept in a small text file in the player's
// own folder; this module holds the rules, the text form and the safe
// reading and writing of that file. No graphics library.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "data/level.h"

// Campaigns kept; when a new one would not fit, the one whose record was
// made first gives way.
constexpr int MaxRecordCampaigns = 200;
// Hex digits of a fingerprint.
constexpr int FingerprintLength = 16;
// The file's name in the player's folder, and its first line.
constexpr char RecordsFileName[] = "records.txt";
constexpr char RecordsHeading[] = "quib-records 1";

struct CampaignRecord {
  char name[21];
  char fingerprint[FingerprintLength + 1];
  uint32_t bestScore;
  int32_t mostCompleted;   // levels completed in the best run by that count
  int32_t furthest;        // highest level number reached (0: none yet)
  int32_t runsPlayed;
  int32_t runsCompleted;
  uint32_t levelBest[MaxLevels];  // best score of level n at [n - 1]; 0: none
};

struct Records {
  int32_t count;
  CampaignRecord campaign[MaxRecordCampaigns];
};

void clearRecords(Records& records);

// The fingerprint of a campaign's levels: 16 hex digits of a 64-bit FNV-1a
// hash over the written form of every level slot. Any change to a level,
// or to the number of levels, changes it.
void campaignFingerprint(const Campaign& campaign, char fingerprint[FingerprintLength + 1]);

// The index of the record of that name and fingerprint, or -1.
int findRecord(const Records& records, const char* name, const char* fingerprint);
// The same, making a fresh record when there is none (always an index).
int recordFor(Records& records, const char* name, const char* fingerprint);

// The update rules. A level number outside 1..MaxLevels changes nothing.
void noteLevelReached(CampaignRecord& record, int32_t level);
void noteLevelScore(CampaignRecord& record, int32_t level, uint32_t score);
// A run ended by game over, completion (`finished`) or quitting.
void noteRunEnd(CampaignRecord& record, uint32_t score, int32_t completed, bool finished);

// Takes into `into` what `from` knows better: every number of a record
// found in both rises to the higher of the two, and a record `from` has
// alone is added while there is room (no record of `into` gives way and
// none moves). Runs counted in both are not added up: a count can come out
// low, never twice.
void mergeRecords(Records& into, const Records& from);

// The text form. parseRecords fills `records` and returns 0, or returns 1
// (and leaves the records empty) for any text that is not a whole records
// file: empty, truncated, damaged or of another kind.
std::string formatRecords(const Records& records);
int parseRecords(const std::string& text, Records& records);

// The records file in a folder, read and written safely.
struct RecordsStore {
  char folder[300];  // with its trailing slash; "" when the player has none
  bool keep;         // false: this run's records are not written
  bool warned;       // the line about an unwritable folder has been written
  Records records;
};

// Reads FOLDER/records.txt into the store. A missing file gives empty
// records. A file that cannot be read as records is moved aside to
// records.txt.damaged (or .damaged.2 ... .damaged.99, the first name that
// is free), named in one line on `err`, and the records start empty; when
// it can be neither read nor moved aside it is left alone and this run's
// records are not written.
void openRecords(RecordsStore& store, const char* folder, std::FILE* err);

// Writes the records to a temporary file beside the records file and
// renames it over the old one, after taking in what a game running beside
// this one has written there since (mergeRecords), so that neither loses
// the other's bests; so the old file stays whole until the new
// one is complete. A failure writes one line on `err` (once a run) and
// returns 1; the game goes on.
int saveRecords(RecordsStore& store, std::FILE* err);
// The first half of saveRecords: the temporary file only. 0 on success.
int writeRecordsTemporary(const RecordsStore& store);
// The record path and its temporary file's path.
void recordsPath(const RecordsStore& store, char* path, int size);
void recordsTemporaryPath(const RecordsStore& store, char* path, int size);
