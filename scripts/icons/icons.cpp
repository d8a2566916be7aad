// Draws the game's icon with the game's own piece drawing and writes it as
// BMP pictures at the sizes the desktop wants, and as the XPM source of the
// window icon. Run by scripts/icons/make.sh, which turns the BMP files into
// PNG; no window is opened.
//
//   quib-icons OUTPUT_FOLDER
//
// writes OUTPUT_FOLDER/quib-N.bmp for N = 48, 64, 128, 256 and
// OUTPUT_FOLDER/quib_icon.xpm.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/level.h"
#include "draw/r_board.h"

namespace {

// The icon is drawn at 32 x 32 game pixels and enlarged by whole numbers,
// every game pixel a square, as the window shows the game scaled. 48 pixels
// is 96 reduced by half (ImageMagick, in make.sh).
constexpr int Base = 32;

// A corner of a board: bounce walls on two sides, a coin and a repeller,
// and the yellow ball on its way to an exit.
void drawIcon(BITMAP* bmp) {
  clear_to_color(bmp, makecol(0, 0, 0));
  drawWallStrip(Bounce, bmp, 0, 0, Base - 1, 1, 0);
  drawWallStrip(Bounce, bmp, 0, 0, 1, Base - 1, 0);
  drawPiece(Exit, 2, bmp, 11, -3, 0);
  drawPiece(Coin, 1, bmp, -4, -4, 8);
  drawPiece(Repeller, 2, bmp, -4, 12, 3);
  circlefill(bmp, 19, 22, 4, makecol(255, 255, 0));
}

BITMAP* enlarged(BITMAP* picture, int factor) {
  BITMAP* big = create_bitmap(Base * factor, Base * factor);
  stretch_blit(picture, big, 0, 0, Base, Base, 0, 0, Base * factor, Base * factor);
  return big;
}

// The XPM text of a picture, two characters a pixel, as C source.
int writeXpm(BITMAP* bmp, const std::string& path) {
  FILE* out = std::fopen(path.c_str(), "w");
  if (out == nullptr) return 1;
  static const char digits[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  const int base = sizeof digits - 1;
  int colours[base * base];
  int count = 0;
  for (int y = 0; y < bmp->h; ++y)
    for (int x = 0; x < bmp->w; ++x) {
      const int c = getpixel(bmp, x, y);
      int i = 0;
      while (i < count && colours[i] != c) ++i;
      if (i == count && count < base * base) colours[count++] = c;
    }
  std::fprintf(out, "/* The window icon, made by scripts/icons/make.sh: do not edit. */\n");
  std::fprintf(out, "static const char* const quibIconXpm[] = {\n\"%d %d %d 2\",\n", bmp->w, bmp->h, count);
  for (int i = 0; i < count; ++i)
    std::fprintf(out, "\"%c%c c #%02X%02X%02X\",\n", digits[i / base], digits[i % base],
                 getr(colours[i]), getg(colours[i]), getb(colours[i]));
  for (int y = 0; y < bmp->h; ++y) {
    std::fputc('"', out);
    for (int x = 0; x < bmp->w; ++x) {
      const int c = getpixel(bmp, x, y);
      int i = 0;
      while (i < count - 1 && colours[i] != c) ++i;
      std::fputc(digits[i / base], out);
      std::fputc(digits[i % base], out);
    }
    std::fprintf(out, "\"%s\n", y + 1 < bmp->h ? "," : "");
  }
  std::fprintf(out, "};\n");
  return std::fclose(out) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quib-icons OUTPUT_FOLDER\n");
    return 2;
  }
  install_allegro(SYSTEM_NONE, &errno, std::atexit);
  set_color_depth(24);
  const std::string folder = argv[1];
  BITMAP* picture = create_bitmap(Base, Base);
  drawIcon(picture);
  int status = 0;
  // 96 becomes the 48-pixel icon in make.sh.
  for (int factor : {2, 3, 4, 8}) {
    BITMAP* big = enlarged(picture, factor);
    const std::string name = folder + "/quib-" + std::to_string(Base * factor) + ".bmp";
    if (save_bitmap(name.c_str(), big, nullptr) != 0) status = 1;
    if (factor == 2 && writeXpm(big, folder + "/quib_icon.xpm") != 0) status = 1;
    destroy_bitmap(big);
  }
  if (status != 0) std::fprintf(stderr, "quib-icons: could not write to %s\n", folder.c_str());
  return status;
}
END_OF_MAIN()
