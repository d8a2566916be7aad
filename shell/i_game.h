// The game proper after start-up: the campaign editor or the menu.
#pragma once

#include "shell/args.h"
#include "shell/i_catalogue.h"

// Runs the editor (when `options.editorMode`) or the campaign menu over the
// catalogue filled at start-up; the result is the program's exit code.
int runGame(const StartOptions& options, CampaignCatalogue& catalogue);
