// The level-end bonus tally drawn straight onto the screen.
#pragma once

struct BonusTally;

// Opaque black text, the final frame shown with both indicators hidden, the
// screen acquired.
void beginTallyScreen();
// The bonus lines, the total, the level bonus and the updated score, lives
// and coins; releases the screen.
void drawTallyScreen(const BonusTally& tally);
