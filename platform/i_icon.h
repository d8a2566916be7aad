// The window's icon: the game's own, drawn from its pieces.
#pragma once

// Makes the game's icon the one the library gives the window. Must come
// before the library is started.
void useGameIcon();
