// Program-wide graphics state, the fatal error report and the start-up of
// the window, the off-screen image and the input and timer services.
#include "shell/i_system.h"

#include <allegro.h>

BITMAP* backBuffer = nullptr;

void fatalError(const char* message) {
  // Leave the graphics mode first so the message never stands over a game
  // screen. Without a system driver (the library did not start, e.g. no
  // window system) there is no mode to leave, and the library would crash
  // trying; the message then goes to the console.
  if (system_driver != nullptr) set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
  allegro_message("%s\n", message);
}

int startGraphics() {
  // The library's start-up result is not examined by the caller; when it
  // failed (no window system) there is no driver to set a mode with, and
  // asking for one would crash. That is a window that cannot be created.
  if (system_driver == nullptr) {
    fatalError("Unable to create window.");
    return 1;
  }
  set_color_depth(24);
  if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, ScreenWidth, ScreenHeight, ScreenWidth,
                   ScreenHeight) != 0) {
    fatalError("Unable to create window.");
    return 1;
  }
  backBuffer = create_bitmap(ScreenWidth, ScreenHeight);
  if (backBuffer == nullptr) {
    fatalError("Unable to allocate bitmap.");
    return 1;
  }
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
