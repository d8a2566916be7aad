// Saving the edited campaign: which levels go into the file, and a write
// that never leaves a half-written campaign behind.
#include "tools/e_save.h"

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <string>

#include "data/campaign_io.h"
#include "tools/t_file.h"

namespace {

bool replaceFile(const char* fileName, const std::string& text) {
  // Replace what a link points at, not the link itself.
  const std::string target = resolveLink(fileName);
  struct stat info;
  if (stat(target.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return false;
    // A file nobody may write to is read-only, also for a user whom the
    // system would let write anyway.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    if (::access(target.c_str(), W_OK) != 0) return false;
  }
  // Where no temporary file can take its place (a directory the program may
  // not write in, a link to nowhere, a device) the file itself is written.
  return replaceFileContents(target, text, NoTemporary::WriteInPlace) == 0;
}

// A level still exactly as the editor makes a new one: the board size,
// limit, bonus time and walls unchanged and no piece anywhere in the grid.
bool untouchedNewLevel(const Level& level) {
  Level fresh;
  makeNewLevel(fresh);
  if (level.width != fresh.width || level.height != fresh.height || level.limit != fresh.limit ||
      level.bonus != fresh.bonus)
    return false;
  for (int side = 0; side < 4; ++side)
    if (level.wall[side] != fresh.wall[side]) return false;
  for (int x = 0; x < MaxWidth; ++x)
    for (int y = 0; y < MaxHeight; ++y)
      if (level.cell[x][y].kind != Empty) return false;
  return true;
}

}  // namespace

int saveCampaign(Campaign& campaign, const char* fileName) {
  const int32_t slots = campaign.levelCount < 0
                            ? 0
                            : (campaign.levelCount > MaxLevels ? MaxLevels : campaign.levelCount);
  int32_t valid = 0;
  int32_t lastKept = 0;
  for (int32_t i = 0; i < slots; ++i) {
    if (validateLevel(campaign.level[i]) == 0) {
      ++valid;
      lastKept = i;
    } else if (!untouchedNewLevel(campaign.level[i])) {
      lastKept = i;  // unfinished work, such as a level without its exit yet
    }
  }
  campaign.levels = valid;

  // Only the trailing levels left exactly as new ones (walked past the end
  // and never changed) are not written; with nothing to keep at all the
  // first slot still is.
  const int32_t keptCount = campaign.levelCount;
  campaign.levelCount = lastKept + 1 < slots ? lastKept + 1 : slots;
  std::ostringstream text;
  writeCampaign(text, campaign);
  campaign.levelCount = keptCount;

  if (fileName == nullptr || fileName[0] == '\0' || !text) return 1;
  return replaceFile(fileName, text.str()) ? 0 : 1;
}
