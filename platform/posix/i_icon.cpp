// The window's icon. The library's X11 driver takes the icon of the window
// it opens from the global `allegro_icon` (XPM data); the game's icon is
// made by scripts/icons/make.sh.
#include "platform/i_icon.h"

#include "platform/quib_icon.xpm"

// Defined by the library, not declared in its headers.
extern "C" char** allegro_icon;

void useGameIcon() { allegro_icon = const_cast<char**>(quibIconXpm); }
