// The player's records: the update rules, the text form and the safe file.
#include "data/records.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "data/campaign_io.h"
#include "platform/i_files.h"

namespace {

// Larger files are not records files the game wrote.
constexpr std::streamoff MaxRecordsBytes = 4 * 1024 * 1024;
constexpr int MaxAsideNumber = 99;

void clearRecord(CampaignRecord& record) { std::memset(&record, 0, sizeof record); }

// A decimal number of 1 to 10 digits, nothing else, at most `limit`.
bool parseNumber(const std::string& word, uint32_t limit, uint32_t& value) {
  if (word.empty() || word.size() > 10) return false;
  uint64_t v = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<uint64_t>(c - '0');
  }
  if (v > limit) return false;
  value = static_cast<uint32_t>(v);
  return true;
}

bool isFingerprint(const std::string& word) {
  if (word.size() != static_cast<size_t>(FingerprintLength)) return false;
  for (char c : word)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  return true;
}

// Splits "keyword rest" at the first blank; rest may be empty.
void splitLine(const std::string& line, std::string& keyword, std::string& rest) {
  const size_t blank = line.find(' ');
  keyword = line.substr(0, blank);
  rest = blank == std::string::npos ? "" : line.substr(blank + 1);
}

bool setCount(const std::string& rest, int32_t& field) {
  uint32_t v;
  if (!parseNumber(rest, INT32_MAX, v)) return false;
  field = static_cast<int32_t>(v);
  return true;
}

// One line inside a campaign block; false when it is not a known field.
bool parseField(const std::string& keyword, const std::string& rest, CampaignRecord& record,
                bool& fingerprintSeen) {
  if (keyword == "fingerprint") {
    if (!isFingerprint(rest)) return false;
    std::memcpy(record.fingerprint, rest.c_str(), FingerprintLength + 1);
    fingerprintSeen = true;
    return true;
  }
  if (keyword == "best-score") return parseNumber(rest, UINT32_MAX, record.bestScore);
  if (keyword == "most-completed") return setCount(rest, record.mostCompleted);
  if (keyword == "furthest") return setCount(rest, record.furthest) && record.furthest <= MaxLevels;
  if (keyword == "runs") return setCount(rest, record.runsPlayed);
  if (keyword == "completed-runs") return setCount(rest, record.runsCompleted);
  if (keyword == "level") {
    std::string number, score;
    splitLine(rest, number, score);
    uint32_t n, s;
    if (!parseNumber(number, MaxLevels, n) || n < 1 || !parseNumber(score, UINT32_MAX, s)) return false;
    record.levelBest[n - 1] = s;
    return true;
  }
  return false;
}

int parseInto(const std::string& text, Records& records) {
  std::istringstream in(text);
  std::string line, keyword, rest;
  bool headingSeen = false, ended = false, inCampaign = false, fingerprintSeen = false;
  CampaignRecord current;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (ended) return 1;  // nothing may follow "end"
    if (!headingSeen) {
      if (line != RecordsHeading) return 1;
      headingSeen = true;
      continue;
    }
    splitLine(line, keyword, rest);
    if (!inCampaign) {
      if (line == "end") {
        ended = true;
      } else if (keyword == "campaign" && rest.size() <= sizeof current.name - 1) {
        clearRecord(current);
        std::memcpy(current.name, rest.c_str(), rest.size() + 1);
        inCampaign = true;
        fingerprintSeen = false;
      } else {
        return 1;
      }
      continue;
    }
    if (line == "done campaign") {
      if (!fingerprintSeen) return 1;
      if (findRecord(records, current.name, current.fingerprint) >= 0) return 1;
      if (records.count >= MaxRecordCampaigns) return 1;
      records.campaign[records.count++] = current;
      inCampaign = false;
      continue;
    }
    if (!parseField(keyword, rest, current, fingerprintSeen)) return 1;
  }
  // A file without its last line was cut short.
  return ended ? 0 : 1;
}

void joinPath(const RecordsStore& store, const char* suffix, char* path, int size) {
  std::snprintf(path, size, "%s%s%s", store.folder, RecordsFileName, suffix);
}

bool readWholeFile(const char* path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) return false;
  if (size > MaxRecordsBytes) {
    text.assign("too large");  // no records file is this big: set aside
    return true;
  }
  in.seekg(0, std::ios::beg);
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// Moves a damaged file aside under the first free name; 0 on success.
int setAside(const RecordsStore& store, char* aside, int size) {
  for (int n = 1; n <= MaxAsideNumber; ++n) {
    char suffix[32];
    if (n == 1)
      std::snprintf(suffix, sizeof suffix, ".damaged");
    else
      std::snprintf(suffix, sizeof suffix, ".damaged.%d", n);
    joinPath(store, suffix, aside, size);
    if (fileExists(aside)) continue;
    char path[sizeof store.folder + 64];
    recordsPath(store, path, sizeof path);
    return replaceFile(path, aside);
  }
  return 1;
}

}  // namespace

void clearRecords(Records& records) {
  records.count = 0;
  for (CampaignRecord& r : records.campaign) clearRecord(r);
}

void campaignFingerprint(const Campaign& campaign, char fingerprint[FingerprintLength + 1]) {
  std::ostringstream text;
  const int slots = campaign.levelCount < 0 ? 0 : (campaign.levelCount > MaxLevels ? MaxLevels : campaign.levelCount);
  text << "levels " << slots << '\n';
  for (int i = 0; i < slots; ++i) writeLevel(text, campaign.level[i]);
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : text.str()) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  std::snprintf(fingerprint, FingerprintLength + 1, "%016llx", static_cast<unsigned long long>(hash));
}

int findRecord(const Records& records, const char* name, const char* fingerprint) {
  for (int i = 0; i < records.count; ++i) {
    const CampaignRecord& r = records.campaign[i];
    if (std::strcmp(r.name, name) == 0 && std::strcmp(r.fingerprint, fingerprint) == 0) return i;
  }
  return -1;
}

int recordFor(Records& records, const char* name, const char* fingerprint) {
  const int found = findRecord(records, name, fingerprint);
  if (found >= 0) return found;
  if (records.count >= MaxRecordCampaigns) {
    // The oldest record gives way; the others keep their order.
    for (int i = 1; i < records.count; ++i) records.campaign[i - 1] = records.campaign[i];
    --records.count;
  }
  CampaignRecord& r = records.campaign[records.count];
  clearRecord(r);
  std::strncpy(r.name, name, sizeof r.name - 1);
  std::strncpy(r.fingerprint, fingerprint, FingerprintLength);
  return records.count++;
}

void noteLevelReached(CampaignRecord& record, int32_t level) {
  if (level < 1 || level > MaxLevels) return;
  if (level > record.furthest) record.furthest = level;
}

void noteLevelScore(CampaignRecord& record, int32_t level, uint32_t score) {
  if (level < 1 || level > MaxLevels) return;
  if (score > record.levelBest[level - 1]) record.levelBest[level - 1] = score;
}

void noteRunEnd(CampaignRecord& record, uint32_t score, int32_t completed, bool finished) {
  if (record.runsPlayed < INT32_MAX) ++record.runsPlayed;
  if (finished && record.runsCompleted < INT32_MAX) ++record.runsCompleted;
  if (score > record.bestScore) record.bestScore = score;
  if (completed > record.mostCompleted) record.mostCompleted = completed;
}

void mergeRecords(Records& into, const Records& from) {
  for (int i = 0; i < from.count; ++i) {
    const CampaignRecord& theirs = from.campaign[i];
    int k = findRecord(into, theirs.name, theirs.fingerprint);
    if (k < 0) {
      if (into.count >= MaxRecordCampaigns) continue;
      into.campaign[into.count] = theirs;
      ++into.count;
      continue;
    }
    CampaignRecord& mine = into.campaign[k];
    mine.bestScore = std::max(mine.bestScore, theirs.bestScore);
    mine.mostCompleted = std::max(mine.mostCompleted, theirs.mostCompleted);
    mine.furthest = std::max(mine.furthest, theirs.furthest);
    mine.runsPlayed = std::max(mine.runsPlayed, theirs.runsPlayed);
    mine.runsCompleted = std::max(mine.runsCompleted, theirs.runsCompleted);
    for (int n = 0; n < MaxLevels; ++n) mine.levelBest[n] = std::max(mine.levelBest[n], theirs.levelBest[n]);
  }
}

std::string formatRecords(const Records& records) {
  std::ostringstream out;
  out << "# QUIB records: best scores and progress, kept by the game.\n" << RecordsHeading << '\n';
  for (int i = 0; i < records.count; ++i) {
    const CampaignRecord& r = records.campaign[i];
    out << "\ncampaign " << r.name << "\nfingerprint " << r.fingerprint << "\nbest-score " << r.bestScore
        << "\nmost-completed " << r.mostCompleted << "\nfurthest " << r.furthest << "\nruns " << r.runsPlayed
        << "\ncompleted-runs " << r.runsCompleted << '\n';
    for (int n = 1; n <= MaxLevels; ++n)
      if (n <= r.furthest || r.levelBest[n - 1] != 0) out << "level " << n << ' ' << r.levelBest[n - 1] << '\n';
    out << "done campaign\n";
  }
  out << "end\n";
  return out.str();
}

int parseRecords(const std::string& text, Records& records) {
  clearRecords(records);
  if (parseInto(text, records) == 0) return 0;
  clearRecords(records);
  return 1;
}

void recordsPath(const RecordsStore& store, char* path, int size) { joinPath(store, "", path, size); }

void recordsTemporaryPath(const RecordsStore& store, char* path, int size) {
  joinPath(store, ".tmp", path, size);
}

void openRecords(RecordsStore& store, const char* folder, std::FILE* err) {
  std::snprintf(store.folder, sizeof store.folder, "%s", folder != nullptr ? folder : "");
  store.keep = store.folder[0] != '\0';
  store.warned = false;
  clearRecords(store.records);
  if (!store.keep) return;

  char path[sizeof store.folder + 64];
  recordsPath(store, path, sizeof path);
  if (!fileExists(path)) return;
  std::string text;
  if (readWholeFile(path, text) && parseRecords(text, store.records) == 0) return;

  char aside[sizeof store.folder + 64];
  if (setAside(store, aside, sizeof aside) == 0) {
    std::fprintf(err, "quib: records file %s could not be read; kept as %s, starting with empty records\n", path,
                 aside);
    return;
  }
  // Neither read nor moved: leave it for the player and keep nothing.
  store.keep = false;
  store.warned = true;
  std::fprintf(err, "quib: records file %s could not be read nor set aside; this run's records are not kept\n",
               path);
}

int writeRecordsTemporary(const RecordsStore& store) {
  if (makeFolders(store.folder) != 0) return 1;
  char temporary[sizeof store.folder + 64];
  recordsTemporaryPath(store, temporary, sizeof temporary);
  const std::string text = formatRecords(store.records);
  return writeWholeFile(temporary, text.data(), text.size());
}

int saveRecords(RecordsStore& store, std::FILE* err) {
  if (!store.keep) return 1;
  char path[sizeof store.folder + 64], temporary[sizeof store.folder + 64];
  recordsPath(store, path, sizeof path);
  recordsTemporaryPath(store, temporary, sizeof temporary);
  // Another game may have saved since this one read the file: keep its
  // records too. A file that cannot be read as records is written over.
  static Records onDisk;  // too big for the stack
  std::string text;
  if (fileExists(path) && readWholeFile(path, text) && parseRecords(text, onDisk) == 0)
    mergeRecords(store.records, onDisk);
  if (writeRecordsTemporary(store) == 0 && replaceFile(temporary, path) == 0) return 0;
  if (!store.warned) {
    store.warned = true;
    std::fprintf(err, "quib: cannot write records to %s (%s); this run's records are not kept\n", path,
                 lastFileError());
  }
  return 1;
}
