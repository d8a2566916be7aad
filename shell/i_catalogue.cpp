// The campaign catalogue: the slot rules and the search of the campaign
// locations at start-up.
#include "shell/i_catalogue.h"

#include <allegro.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "data/campaign_io.h"
#include "platform/i_files.h"

const char* const difficultyNames[RequiredCampaigns] = {"BEGINNER", "EASY", "INTERMEDIATE", "HARD",
                                                        "MASTER"};

namespace {

// The player's folder, worked out from the environment when asked for. It
// may be longer than a header's path: it is then named, not searched.
char userFolder[UserFolderLength];

// Per location: whether the last search met a folder or file name too long
// for the path a header keeps.
bool namesTooLong[SearchLocations];

// The catalogue being filled while scanCampaigns runs; the directory
// search's callback has only an int parameter, which carries the location.
CampaignCatalogue* scanTarget = nullptr;

bool validSlot(int k) { return k >= 0 && k < CatalogueSlots; }

}  // namespace

void clearCatalogue(CampaignCatalogue& catalogue) { std::memset(&catalogue, 0, sizeof catalogue); }

int difficultySlot(const char* name) {
  if (name == nullptr) return -1;
  for (int i = 0; i < RequiredCampaigns; ++i)
    if (std::strcmp(name, difficultyNames[i]) == 0) return i;
  return -1;
}

int catalogueAdd(CampaignCatalogue& catalogue, const CampaignHeader& header, int preferred) {
  for (int i = 0; i < CatalogueSlots; ++i)
    if (catalogue.inUse[i] && std::strcmp(catalogue.slot[i].name, header.name) == 0) return -1;
  if (preferred == -1) preferred = RequiredCampaigns;
  if (!validSlot(preferred)) return -1;
  for (int i = preferred; i < CatalogueSlots; ++i) {
    if (catalogue.inUse[i]) continue;
    catalogue.slot[i] = header;
    catalogue.inUse[i] = 1;
    return i;
  }
  return -1;
}

void catalogueRemove(CampaignCatalogue& catalogue, int k) {
  if (!validSlot(k)) return;
  for (int i = k; i < CatalogueSlots - 1; ++i) {
    catalogue.slot[i] = catalogue.slot[i + 1];
    catalogue.inUse[i] = catalogue.inUse[i + 1];
  }
  std::memset(&catalogue.slot[CatalogueSlots - 1], 0, sizeof catalogue.slot[CatalogueSlots - 1]);
  catalogue.inUse[CatalogueSlots - 1] = 0;
}

int catalogueNext(const CampaignCatalogue& catalogue, int k) {
  if (!validSlot(k)) return k;
  for (int i = k + 1; i < CatalogueSlots; ++i)
    if (catalogue.inUse[i]) return i;
  for (int i = 0; i < k; ++i)
    if (catalogue.inUse[i]) return i;
  return k;
}

int cataloguePrev(const CampaignCatalogue& catalogue, int k) {
  if (!validSlot(k)) return k;
  for (int i = k - 1; i >= 0; --i)
    if (catalogue.inUse[i]) return i;
  for (int i = CatalogueSlots - 1; i > k; --i)
    if (catalogue.inUse[i]) return i;
  return k;
}

bool requiredCampaignsMissing(const CampaignCatalogue& catalogue) {
  for (int i = 0; i < RequiredCampaigns; ++i)
    if (!catalogue.inUse[i]) return true;
  return false;
}

int addCampaignFile(CampaignCatalogue& catalogue, const char* fileName, int location) {
  if (fileName == nullptr) return -1;
  CampaignHeader header;
  std::memset(&header, 0, sizeof header);
  // A longer path is cut; the record always keeps its terminator.
  std::strncpy(header.path, fileName, CataloguePathLength);
  header.path[CataloguePathLength] = '\0';
  header.location = location;

  // Only a plain file can be a campaign: opening a named pipe would wait
  // for a writer, and a device (or a link to one) may never end.
  struct stat info;
  if (stat(header.path, &info) != 0 || !S_ISREG(info.st_mode)) return -1;

  // The stream closes when it goes out of scope, whatever the outcome.
  std::ifstream in(header.path);
  if (!in) return -1;
  if (readCampaignHeader(in, header) != 0) return -1;
  return catalogueAdd(catalogue, header, difficultySlot(header.name));
}

void onCampaignFile(const char* fileName, int /*attrib*/, int location) {
  if (scanTarget != nullptr && fileName != nullptr) {
    // A name that does not fit a header's path would open some other file
    // once cut: such a file is left out, and its folder is named as too long.
    if (std::strlen(fileName) > static_cast<size_t>(CataloguePathLength)) {
      if (location >= 0 && location < SearchLocations) namesTooLong[location] = true;
    } else {
      addCampaignFile(*scanTarget, fileName, location);
    }
  }
  // The directory search stops at the first callback that leaves an error
  // number set; a file that cannot be opened or examined must not end the
  // search of its folder.
  errno = 0;
  if (allegro_errno != nullptr) *allegro_errno = 0;
}

namespace {

// A base folder from the environment: an absolute path, its trailing
// slashes dropped (the root itself becomes ""). False when not absolute.
bool absoluteBase(const char* path, const char*& base, int& length) {
  if (path == nullptr || path[0] != '/') return false;
  length = static_cast<int>(std::strlen(path));
  while (length > 0 && path[length - 1] == '/') --length;
  base = path;
  return true;
}

}  // namespace

int userCampaignFolder(const char* xdgDataHome, const char* home, char* folder, int size) {
  if (folder == nullptr || size < 1) return 1;
  folder[0] = '\0';
  // A variable that does not hold an absolute path is ignored, as desktops
  // do: a relative one would be taken from whatever the current folder is.
  const char* base = nullptr;
  int length = 0;
  int written = -1;
  if (absoluteBase(xdgDataHome, base, length))
    written = std::snprintf(folder, size, "%.*s/quib/", length, base);
  else if (absoluteBase(home, base, length))
    written = std::snprintf(folder, size, "%.*s/.local/share/quib/", length, base);
  if (written < 0 || written >= size) {
    folder[0] = '\0';
    return 1;
  }
  return 0;
}

const char* searchFolder(int location) {
  if (location == 0) return "";
  if (location == 1) return "/usr/share/quib/";
  if (location != 2) return "";
  if (const char* installed = installedCampaignFolder()) return installed;
  userCampaignFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), userFolder, UserFolderLength);
  return userFolder;
}

bool searchNamesTooLong(int location) {
  return location >= 0 && location < SearchLocations && namesTooLong[location];
}

void scanCampaigns(CampaignCatalogue& catalogue) {
  scanTarget = &catalogue;
  // Plain files, read-only files and files marked for archiving; never
  // directories, hidden or system files. An ordinary user sees a file it
  // cannot write (such as a shared, root-owned campaign) as read-only.
  for (int location = 0; location < SearchLocations; ++location) {
    namesTooLong[location] = false;
    const char* folder = searchFolder(location);
    if (location > 0 && folder[0] == '\0') continue;  // no such folder here
    // A folder whose pattern alone does not fit a header's path can hold no
    // file the catalogue could keep.
    const size_t length = std::strlen(folder) + std::strlen(CampaignFilePattern);
    if (length > static_cast<size_t>(CataloguePathLength)) {
      namesTooLong[location] = true;
      continue;
    }
    char pattern[CataloguePathLength + 1];
    std::snprintf(pattern, sizeof pattern, "%s%s", folder, CampaignFilePattern);
    errno = 0;
    if (allegro_errno != nullptr) *allegro_errno = 0;
    for_each_file(pattern, FA_RDONLY | FA_ARCH, onCampaignFile, location);
  }
  scanTarget = nullptr;
}

void reportMissingCampaigns(const CampaignCatalogue& catalogue, const char* currentFolder,
                            std::FILE* out) {
  const char* folders[SearchLocations];
  bool tooLong[SearchLocations];
  int count = 0;
  for (int location = 0; location < SearchLocations; ++location) {
    const char* folder = location == 0 ? currentFolder : searchFolder(location);
    if (folder != nullptr && folder[0] != '\0') {
      tooLong[count] = searchNamesTooLong(location);
      folders[count++] = folder;
    }
  }
  std::fprintf(out, "quib: searched");
  for (int i = 0; i < count; ++i)
    std::fprintf(out, "%s%s%s", i == 0 ? " " : i + 1 < count ? ", " : " and ", folders[i],
                 tooLong[i] ? " (names too long, skipped)" : "");
  std::fprintf(out, " for %s; difficulty campaigns not found:", CampaignFilePattern);
  for (int i = 0; i < RequiredCampaigns; ++i)
    if (!catalogue.inUse[i]) std::fprintf(out, " %s", difficultyNames[i]);
  std::fprintf(out, "\n");
}
