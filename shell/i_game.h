// The game proper after start-up: the campaign editor or the menu.
#pragma once

#include "shell/args.h"

// Runs the editor (when `options.editorMode`) or the campaign menu; the
// result is the program's exit code.
int runGame(const StartOptions& options);
