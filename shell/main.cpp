// The entry point: the command-line scan, the console tools, start-up and
// the hand-over to the game.
#include <climits>
#include <cstdio>
#include <cstring>
#include <iostream>

#include <unistd.h>

#include "shell/args.h"
#include "shell/i_catalogue.h"
#include "shell/i_game.h"
#include "platform/i_files.h"
#include "shell/i_records.h"
#include "platform/i_icon.h"
#include "platform/i_sound.h"
#include "platform/i_system.h"
#include "tools/t_create.h"
#include "tools/t_shuffle.h"

// Included last: it renames main for the library's start-up glue and
// defines macros that must not reach the standard headers.
#include <allegro.h>

int main(int argc, char** argv) {
  StartOptions options;
  scanArgs(argc, argv, options);

  // The console tools run before the library is started, so they work
  // without a display and their result is the exit code.
  if (options.action == RunCreate || options.action == RunShuffle) useStartingConsole();
  if (options.action == RunCreate) {
    return createCampaignFile(options.createFile, std::cin, std::cout);
  }
  if (options.action == RunShuffle) {
    return shuffleLevels(std::cin, std::cout, std::cerr);
  }
  if (options.action == ShowHelp) {
    std::fputs(usageText, stdout);
    return 0;
  }
  if (options.action == ShowVersion) {
    std::printf("quib %s\n", QUIB_VERSION);
    return 0;
  }

  // A window factor that is not a whole number from 1 up is refused before
  // anything starts.
  if (options.windowScale == BadWindowScale) {
    std::fprintf(stderr, "quib: %s: the window factor must be a whole number from 1 up\n",
                 options.scaleArgument);
    return 1;
  }

  // The window takes the game's own icon, which must be in place before
  // the library opens its connection to the window system.
  useGameIcon();
  // The library registers its own exit handler here; the result is not needed.
  allegro_init();

  // The catalogue lives as long as the program; the menu borrows it.
  static CampaignCatalogue catalogue;
  clearCatalogue(catalogue);

  // The editor needs no campaigns. Otherwise the five difficulty campaigns
  // must be there before any window opens.
  if (!options.editorMode) {
    scanCampaigns(catalogue);
    if (requiredCampaignsMissing(catalogue)) {
      char folder[PATH_MAX + 1];
      if (getcwd(folder, sizeof folder - 1) == nullptr) std::strcpy(folder, ".");
      const std::size_t length = std::strlen(folder);
      if (length == 0 || !isFolderSeparator(folder[length - 1])) std::strcat(folder, FolderSeparator);
      reportMissingCampaigns(catalogue, folder, stderr);
      fatalError("Required level data missing or corrupt.");
      return 1;
    }
    // The player's records; a problem with them is a line here, never the end.
    startRecords(stderr);
  }

  if (startGraphics(options.windowScale) != 0) return 1;
  // Sound is a bonus: without a device the game plays silently.
  startSound(!options.silent);

  return runGame(options, catalogue);
}
END_OF_MAIN()
