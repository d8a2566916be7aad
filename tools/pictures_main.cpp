// quib-pictures CAMPAIGN OUTDIR: draws every playable level of a campaign
// with no window and saves each picture as OUTDIR/NNN.bmp, NNN the level's
// slot (001 for the first). Prints the files written, one a line. A
// development tool: scripts/levels/sheets.sh makes contact sheets of them.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "data/campaign_io.h"
#include "tools/picture.h"

namespace {

Campaign campaign;

int fail(const char* what, const char* name) {
  std::fprintf(stderr, "quib-pictures: %s %s\n", what, name);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quib-pictures CAMPAIGN OUTDIR\n");
    return 1;
  }
  std::ifstream file(argv[1]);
  if (!file || readCampaign(file, campaign) != 0) return fail("cannot read campaign", argv[1]);
  if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return fail("cannot start the graphics library", "");
  set_color_depth(24);
  PALETTE palette;
  get_palette(palette);
  for (int slot = 1; slot <= campaign.levelCount; ++slot) {
    const Level& level = campaign.level[slot - 1];
    if (validateLevel(level) != 0) continue;
    BITMAP* bmp = create_bitmap(pictureWidth(level), pictureHeight(level));
    if (!bmp) return fail("out of memory drawing", argv[1]);
    drawLevelPicture(level, bmp);
    char name[4096];
    std::snprintf(name, sizeof name, "%s/%03d.bmp", argv[2], slot);
    const int saved = save_bitmap(name, bmp, palette);
    destroy_bitmap(bmp);
    if (saved != 0) return fail("cannot write", name);
    std::printf("%s\n", name);
  }
  return 0;
}
