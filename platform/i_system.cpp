// Program-wide graphics state, the fatal error report and the start-up of
// the window, the off-screen image and the input and timer services.
#include "platform/i_system.h"

#include "shell/i_screens.h"

#include <allegro.h>

#include "shell/args.h"

BITMAP* backBuffer = nullptr;

namespace {

// Room left around a fitted window for its frame, title bar and the
// desktop's own panels.
constexpr int FrameAllowanceX = 32;
constexpr int FrameAllowanceY = 80;

int scale = 1;
// The window picture when the window is scaled; unused at scale 1.
BITMAP* scaledPicture = nullptr;

}  // namespace

void fatalError(const char* message) {
  // Leave the graphics mode first so the message never stands over a game
  // screen. Without a system driver (the library did not start, e.g. no
  // window system) there is no mode to leave, and the library would crash
  // trying; the message then goes to the console.
  if (system_driver != nullptr) set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
  allegro_message("%s\n", message);
}

int windowScale() { return scale; }

int fittingScale(int desktopWidth, int desktopHeight) {
  int fit = 1;
  while (fit < MaxWindowScale && ScreenWidth * (fit + 1) <= desktopWidth - FrameAllowanceX &&
         ScreenHeight * (fit + 1) <= desktopHeight - FrameAllowanceY)
    ++fit;
  return fit;
}

int chooseWindowScale(int requested, int desktopWidth, int desktopHeight, std::FILE* report) {
  const bool known = desktopWidth > 0 && desktopHeight > 0;
  const int fit = known ? fittingScale(desktopWidth, desktopHeight) : MaxWindowScale;
  if (requested == FitDesktopScale) return known ? fit : 1;
  if (requested < 1) return 1;
  if (requested <= fit) return requested;
  if (report != nullptr)
    std::fprintf(report, "quib: a window %d times the size does not fit %s; opening it %d times the size\n",
                 requested, known ? "the desktop" : "any desktop", fit);
  return fit;
}

BITMAP* windowPicture() { return scaledPicture != nullptr ? scaledPicture : screen; }

void presentWindow() {
  if (scaledPicture == nullptr || screen == nullptr) return;
  acquire_screen();
  stretch_blit(scaledPicture, screen, 0, 0, ScreenWidth, ScreenHeight, 0, 0, ScreenWidth * scale,
               ScreenHeight * scale);
  release_screen();
}

void showPicture(BITMAP* picture) {
  BITMAP* target = windowPicture();
  if (target == nullptr || picture == nullptr) return;
  acquire_bitmap(target);
  blit(picture, target, 0, 0, 0, 0, ScreenWidth, ScreenHeight);
  release_bitmap(target);
  presentWindow();
}

void clearWindowToBlack() {
  BITMAP* target = windowPicture();
  if (target == nullptr) return;
  acquire_bitmap(target);
  clearToBlack(target);
  release_bitmap(target);
  presentWindow();
}

namespace {

// Opens the window at `factor` times the picture size; 0 on success.
int openWindow(int factor) {
  return set_gfx_mode(GFX_AUTODETECT_WINDOWED, ScreenWidth * factor, ScreenHeight * factor,
                      ScreenWidth * factor, ScreenHeight * factor);
}

}  // namespace

int startGraphics(int requestedScale) {
  // The library's start-up result is not examined by the caller; when it
  // failed (no window system) there is no driver to set a mode with, and
  // asking for one would crash. That is a window that cannot be created.
  if (system_driver == nullptr) {
    fatalError("Unable to create window.");
    return 1;
  }
  int width = 0, height = 0;
  if (requestedScale != 1 && get_desktop_resolution(&width, &height) != 0) width = height = 0;
  int factor = chooseWindowScale(requestedScale, width, height, stderr);
  set_color_depth(24);
  // A larger window that cannot be had falls back to the plain size.
  if (factor > 1 && openWindow(factor) != 0) factor = 1;
  if ((factor == 1 && openWindow(1) != 0) || screen == nullptr) {
    fatalError("Unable to create window.");
    return 1;
  }
  backBuffer = create_bitmap(ScreenWidth, ScreenHeight);
  if (factor > 1) scaledPicture = create_bitmap(ScreenWidth, ScreenHeight);
  if (backBuffer == nullptr || (factor > 1 && scaledPicture == nullptr)) {
    fatalError("Unable to allocate bitmap.");
    return 1;
  }
  scale = factor;
  if (scaledPicture != nullptr) clear_to_color(scaledPicture, makecol(0, 0, 0));
  set_window_title("QUIB");
  if (install_keyboard() != 0) {
    fatalError("Unable to initialize keyboard handler.");
    return 1;
  }
  // The frame timer itself is installed by each screen loop when it starts.
  if (install_timer() != 0) {
    fatalError("Unable to initialize timer.");
    return 1;
  }
  return 0;
}
