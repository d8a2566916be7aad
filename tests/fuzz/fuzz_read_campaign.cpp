// libFuzzer target: any bytes through the campaign reader, then the writer,
// then the reader again. Built with AddressSanitizer and
// UndefinedBehaviorSanitizer (scripts/fuzz.sh).
//
// What must hold for every input:
// - the reader returns 0 or 1 and the header reader does not misbehave;
// - the writer is safe on whatever the record holds afterwards;
// - after a successful read the record is in range (levels and levelCount
//   0..128, kinds 0..8, walls 0..2), and the canonical output reads back
//   and writes again to the same bytes, unless the name or description is
//   one the format cannot carry (empty after a NUL byte, or ending in a lone
//   carriage return that the next read takes as part of the line end).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "data/campaign_io.h"

namespace {

Campaign campaign;
Campaign again;

void require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "property violated: %s\n", what);
  std::abort();
}

bool writable(const char* text) {
  const std::size_t n = std::strlen(text);
  return n > 0 && text[n - 1] != '\r';
}

void checkRecord(const Campaign& c) {
  require(c.levels >= 0 && c.levels <= MaxLevels, "levels in 0..128");
  require(c.levelCount >= 0 && c.levelCount <= MaxLevels, "levelCount in 0..128");
  require(std::memchr(c.name, '\0', sizeof c.name) != nullptr, "name terminated");
  require(std::memchr(c.desc, '\0', sizeof c.desc) != nullptr, "desc terminated");
  for (int i = 0; i < c.levelCount; ++i) {
    const Level& l = c.level[i];
    for (int s = 0; s < 4; ++s) require(l.wall[s] >= Bounce && l.wall[s] <= Wrap, "wall kind");
    for (int x = 0; x < MaxWidth; ++x)
      for (int y = 0; y < MaxHeight; ++y)
        require(l.cell[x][y].kind >= Empty && l.cell[x][y].kind <= Hazard, "cell kind");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  CampaignHeader header;
  std::istringstream headerIn(text);
  const int headerStatus = readCampaignHeader(headerIn, header);
  require(headerStatus == 0 || headerStatus == 1, "header status 0 or 1");

  std::istringstream in(text);
  const int status = readCampaign(in, campaign);
  require(status == 0 || status == 1, "status 0 or 1");

  std::ostringstream first;
  writeCampaign(first, campaign);
  if (status != 0) return 0;

  checkRecord(campaign);
  require(headerStatus == 0, "a readable campaign has a readable header");
  if (!writable(campaign.name) || !writable(campaign.desc)) return 0;

  std::istringstream back(first.str());
  require(readCampaign(back, again) == 0, "canonical output reads back");
  require(again.levelCount == campaign.levelCount, "same levelCount after the round trip");
  std::ostringstream second;
  writeCampaign(second, again);
  require(second.str() == first.str(), "canonical output is stable");
  return 0;
}
