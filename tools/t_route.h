// A level's stored winning route, as the game reads it for the hint and
// for watching: the input script FILE.N.txt beside the campaign file FILE
// (the form quib-replay plays and quib-lab writes), held in a fixed record.
#pragma once
#include <cstdint>

#include "game/p_play.h"
#include "tools/t_inputs.h"

constexpr int MaxRoutePresses = 1024;
constexpr int MaxIdeaLength = 400;
constexpr int RoutePathLength = 300;

struct Route {
  int32_t count;
  InputPress press[MaxRoutePresses];
};

enum RouteStatus : int32_t { RouteRead = 0, RouteMissing = 1, RouteBroken = 2 };

// "CAMPAIGN.N.txt" for level N of the campaign file at `campaignPath`.
// 0 on success, 1 when it does not fit `size`.
int routePath(const char* campaignPath, int32_t level, char* path, int size);

// Reads the route at `path`. A file that is not there is RouteMissing; one
// that cannot be read as an input script (or holds more presses than a
// Route) is RouteBroken.
RouteStatus readRoute(const char* path, Route& route);

// What the player is told when a route cannot be watched: "" for a route
// that was read.
const char* routeProblem(RouteStatus status);

// The first line of the file that starts with '#', without the '#' and the
// blanks after it: the level's idea, written for the player. "" and 1 when
// there is none (or no file); 0 otherwise.
int readRouteIdea(const char* path, char* idea, int size);

// The keys the route holds at the key sampling after frame `frame`
// (KeyBits), as quib-replay holds them.
unsigned routeKeysAt(const Route& route, int32_t frame);

// The key words of a key set for the screen: "RIGHT", "UP + FLIP".
void routeKeyLabel(unsigned keys, char* label, int size);

// Breaks `text` into lines of at most `width` characters at blanks (a
// longer word is cut). Returns the number of lines written, at most
// `maxLines`; each line holds room for `width` characters and a terminator.
int wrapText(const char* text, int width, char* lines, int maxLines);
