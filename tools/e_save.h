// Saving the edited campaign.
#pragma once

#include "data/level.h"

// Writes the campaign to `fileName`. `levels` becomes the number of valid
// levels; the slots after the last valid level are left out of the file
// (the in-memory campaign keeps them). The file is replaced whole: the new
// text goes to a temporary file beside it, which is then renamed over it,
// so a failure part-way leaves the old contents in place. 0 on success;
// 1 when the file cannot be written (including an existing file without
// any write permission bit) or the write fails.
int saveCampaign(Campaign& campaign, const char* fileName);
