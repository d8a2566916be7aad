// Shared helpers for drawing tests: a headless library start, 24-bit memory
// bitmaps and colour components read back from them. Colours are always
// compared by component, never as packed values, because the packing order
// differs between the headless system and a real window.
#pragma once

#include <allegro.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <ostream>

namespace testbmp {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const Rgb& o) const { return !(*this == o); }
};

inline std::ostream& operator<<(std::ostream& os, const Rgb& c) {
  return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};

// Starts the library without a display (once per process) and selects the
// 24-bit colour depth, so makecol packs colours the way the game's bitmaps
// hold them. Safe to call from every test's SetUp.
inline void initHeadlessAllegro() {
  static bool started = false;
  if (!started) {
    install_allegro(SYSTEM_NONE, &errno, atexit);
    started = true;
  }
  set_color_depth(24);
}

// Owns a bitmap and destroys it when the test ends.
struct BitmapDeleter {
  void operator()(BITMAP* bmp) const {
    if (bmp) destroy_bitmap(bmp);
  }
};
using BitmapPtr = std::unique_ptr<BITMAP, BitmapDeleter>;

// A 24-bit memory bitmap filled with black. The caller destroys it (or
// wraps it in a BitmapPtr).
inline BITMAP* makeBitmap(int w, int h) {
  BITMAP* bmp = create_bitmap_ex(24, w, h);
  if (bmp) clear_to_color(bmp, makecol24(0, 0, 0));
  return bmp;
}

inline BitmapPtr makeOwnedBitmap(int w, int h) { return BitmapPtr(makeBitmap(w, h)); }

// Fills a 24-bit bitmap with one colour given by components.
inline void fillBitmap(BITMAP* bmp, Rgb c) { clear_to_color(bmp, makecol24(c.r, c.g, c.b)); }

// The colour components of one pixel; (-1, -1, -1) outside the bitmap.
inline Rgb pixelAt(BITMAP* bmp, int x, int y) {
  if (x < 0 || y < 0 || x >= bmp->w || y >= bmp->h) return Rgb{-1, -1, -1};
  int p = getpixel(bmp, x, y);
  return Rgb{getr24(p), getg24(p), getb24(p)};
}

// Pixels of colour c in the rectangle (inclusive corners, clipped to the bitmap).
inline int countColour(BITMAP* bmp, int x1, int y1, int x2, int y2, Rgb c) {
  int n = 0;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (x >= 0 && y >= 0 && x < bmp->w && y < bmp->h && pixelAt(bmp, x, y) == c) ++n;
  return n;
}

// Pixels in the rectangle that are not colour c.
inline int countOther(BITMAP* bmp, int x1, int y1, int x2, int y2, Rgb c) {
  int inside = 0;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (x >= 0 && y >= 0 && x < bmp->w && y < bmp->h) ++inside;
  return inside - countColour(bmp, x1, y1, x2, y2, c);
}

// True when the w x h region at (ax, ay) in a equals the one at (bx, by) in b.
inline bool sameRegion(BITMAP* a, int ax, int ay, BITMAP* b, int bx, int by, int w, int h) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (pixelAt(a, ax + x, ay + y) != pixelAt(b, bx + x, by + y)) return false;
  return true;
}

// True when the two bitmaps have the same size and the same pixels.
inline bool sameBitmap(BITMAP* a, BITMAP* b) {
  return a->w == b->w && a->h == b->h && sameRegion(a, 0, 0, b, 0, 0, a->w, a->h);
}

// Points the library's `screen` at a memory bitmap for the lifetime of the
// object, so code that draws or blits to the screen can run headless.
class ScreenRedirect {
 public:
  explicit ScreenRedirect(BITMAP* target) : saved_(screen) { screen = target; }
  ~ScreenRedirect() { screen = saved_; }
  ScreenRedirect(const ScreenRedirect&) = delete;
  ScreenRedirect& operator=(const ScreenRedirect&) = delete;

 private:
  BITMAP* saved_;
};

// Renders text with the library's 8x8 font, in white on black, into a fresh
// bitmap: a reference picture to compare a drawn field against.
inline BitmapPtr renderText(const char* text) {
  int w = text_length(font, text);
  BitmapPtr bmp = makeOwnedBitmap(w > 0 ? w : 1, text_height(font));
  textout_ex(bmp.get(), font, text, 0, 0, makecol24(255, 255, 255), makecol24(0, 0, 0));
  return bmp;
}

// True when the text drawn at (x, y) in bmp shows exactly the glyphs of
// `text`: every pixel of the reference that is lit is `fg` there, and every
// unlit one is not.
inline bool showsText(BITMAP* bmp, int x, int y, const char* text, Rgb fg) {
  BitmapPtr ref = renderText(text);
  for (int j = 0; j < ref->h; ++j)
    for (int i = 0; i < ref->w; ++i) {
      bool lit = pixelAt(ref.get(), i, j) == White;
      bool drawn = pixelAt(bmp, x + i, y + j) == fg;
      if (lit != drawn) return false;
    }
  return true;
}

}  // namespace testbmp
