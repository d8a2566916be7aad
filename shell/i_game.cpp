// The hand-over after start-up: the editor when "-E" was given, otherwise
// the campaign menu.
#include "shell/i_game.h"

#include "shell/i_menu.h"
#include "tools/e_editor.h"

int runGame(const StartOptions& options, CampaignCatalogue& catalogue) {
  if (options.editorMode) return runEditor(options.editorFile, options.editorLevel);
  return mainMenu(catalogue);
}
