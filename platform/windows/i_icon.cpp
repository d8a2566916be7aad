// The window's icon on Windows: the library's window takes the program's
// icon resource "allegro_icon" (platform/windows/quib.rc), so there is
// nothing to do at run time.
#include "platform/i_icon.h"

void useGameIcon() {}
