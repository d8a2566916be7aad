// The campaign catalogue: the headers of the campaign files found at
// start-up, in a fixed table of 99 slots. Slots 0 to 4 are reserved for the
// five difficulty campaigns in their fixed order; every other campaign goes
// to slots 5 to 98 in the order it was found. The slot rules below are pure
// and need no graphics library; only scanCampaigns searches the disk.
#pragma once
#include <cstdint>
#include <cstdio>

#include "data/level.h"

constexpr int CatalogueSlots = 99;
constexpr int RequiredCampaigns = 5;
constexpr int SearchLocations = 3;
// The file names searched for in each location.
constexpr char CampaignFilePattern[] = "quib*.qbf";
// Characters of a file path kept in a header (the record holds one more for
// the terminator).
constexpr int CataloguePathLength = 256;
// Room for the player's folder as worked out from the environment (it may
// be too long to search; it is still named when campaigns are missing).
constexpr int UserFolderLength = 4096;

struct CampaignCatalogue {
  CampaignHeader slot[CatalogueSlots];
  int32_t inUse[CatalogueSlots];  // 0 or 1
};

// "BEGINNER", "EASY", "INTERMEDIATE", "HARD", "MASTER": the names that own
// slots 0 to 4.
extern const char* const difficultyNames[RequiredCampaigns];
// The folders searched, in order; the index is the header's location:
// the current folder (""), the shared "/usr/share/quib/" and the player's
// own folder (userCampaignFolder), each with a trailing slash. The last is
// "" when the player has no home folder; it is then not searched. On
// Windows the third is the installed game's "c:\program files\quib\".
const char* searchFolder(int location);

// The player's own campaign folder: "$XDG_DATA_HOME/quib/" when that
// variable holds an absolute path, else "$HOME/.local/share/quib/" when HOME
// holds one (trailing slashes of either are dropped). Written to `folder`
// with its trailing slash; 0 on success, 1 (and "") when neither is usable
// or the folder does not fit `size`.
int userCampaignFolder(const char* xdgDataHome, const char* home, char* folder, int size);

// Whether the last search left files of this location out because their
// names (or the folder's own) are longer than a header's path keeps.
bool searchNamesTooLong(int location);

// After a search with difficulty campaigns missing: one line naming the
// folders searched (those whose names were too long marked so) and the
// difficulty campaigns not found, for the player
// who started the game from the wrong folder. `currentFolder` names the
// current folder in it.
void reportMissingCampaigns(const CampaignCatalogue& catalogue, const char* currentFolder,
                            std::FILE* out);

// All slots free (and every header zeroed).
void clearCatalogue(CampaignCatalogue& catalogue);

// Searches the three locations in order for CampaignFilePattern and adds
// every file whose header reads. A file that cannot be read never ends the
// search early. Nothing is reported.
void scanCampaigns(CampaignCatalogue& catalogue);

// The directory search's callback: adds the file to the catalogue being
// filled by scanCampaigns (does nothing outside a scan).
void onCampaignFile(const char* fileName, int attrib, int location);

// Reads the header of one file and adds it; the slot used, or -1 when the
// file could not be opened, its header did not read, or it was not stored.
int addCampaignFile(CampaignCatalogue& catalogue, const char* fileName, int location);

// Index 0..4 of the difficulty name equal to `name`, or -1.
int difficultySlot(const char* name);

// Stores the header in the first free slot from `preferred` (-1 means 5)
// up to 98. -1 when a slot in use holds the same name, when no slot is free,
// or when `preferred` is out of range.
int catalogueAdd(CampaignCatalogue& catalogue, const CampaignHeader& header, int preferred);

// Removes slot k; the slots above move down one place, keeping their order.
void catalogueRemove(CampaignCatalogue& catalogue, int k);

// The next slot in use after k, wrapping around; k when there is none.
int catalogueNext(const CampaignCatalogue& catalogue, int k);
// The previous slot in use before k, wrapping around; k when there is none.
int cataloguePrev(const CampaignCatalogue& catalogue, int k);

// True when any of the five reserved slots is free.
bool requiredCampaignsMissing(const CampaignCatalogue& catalogue);
