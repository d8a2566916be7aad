// The records of the running game, in the player's folder.
#include "shell/i_records.h"

#include <cstdlib>

#include "platform/i_files.h"
#include "shell/i_catalogue.h"

RecordsStore playerRecords;

namespace {

int selected = -1;

CampaignRecord* selectedRecord() {
  if (selected < 0 || selected >= playerRecords.records.count) return nullptr;
  return &playerRecords.records.campaign[selected];
}

}  // namespace

void startRecords(std::FILE* err) {
  char folder[sizeof playerRecords.folder];
  if (systemRecordsFolder(folder, sizeof folder) != 0 &&
      userCampaignFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), folder, sizeof folder) != 0)
    folder[0] = '\0';
  openRecords(playerRecords, folder, err);
  selected = -1;
}

CampaignRecord& selectRecord(const Campaign& campaign) {
  char fingerprint[FingerprintLength + 1];
  campaignFingerprint(campaign, fingerprint);
  selected = recordFor(playerRecords.records, campaign.name, fingerprint);
  return playerRecords.records.campaign[selected];
}

void recordLevelReached(int32_t level) {
  CampaignRecord* record = selectedRecord();
  if (record == nullptr) return;
  const int32_t before = record->furthest;
  noteLevelReached(*record, level);
  if (record->furthest != before) saveRecords(playerRecords, stderr);
}

void recordLevelScore(int32_t level, uint32_t score) {
  CampaignRecord* record = selectedRecord();
  if (record == nullptr || level < 1 || level > MaxLevels) return;
  const uint32_t before = record->levelBest[level - 1];
  noteLevelScore(*record, level, score);
  if (record->levelBest[level - 1] != before) saveRecords(playerRecords, stderr);
}

void recordRunEnd(uint32_t score, int32_t completed, bool finished) {
  CampaignRecord* record = selectedRecord();
  if (record == nullptr) return;
  noteRunEnd(*record, score, completed, finished);
  saveRecords(playerRecords, stderr);
}
