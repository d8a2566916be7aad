// Stored routes: finding, reading and showing them.
#include "tools/t_route.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "platform/i_files.h"

int routePath(const char* campaignPath, int32_t level, char* path, int size) {
  const int written = std::snprintf(path, size, "%s.%d.txt", campaignPath, level);
  if (written < 0 || written >= size) {
    if (size > 0) path[0] = '\0';
    return 1;
  }
  return 0;
}

RouteStatus readRoute(const char* path, Route& route) {
  route.count = 0;
  if (!fileExists(path)) return RouteMissing;
  std::vector<InputPress> presses;
  if (readInputScript(path, "quib", presses) != 0) return RouteBroken;
  if (presses.size() > static_cast<size_t>(MaxRoutePresses)) return RouteBroken;
  for (const InputPress& p : presses) route.press[route.count++] = p;
  return RouteRead;
}

const char* routeProblem(RouteStatus status) {
  switch (status) {
    case RouteRead: return "";
    case RouteMissing: return "NO ROUTE IS STORED FOR THIS LEVEL.";
    default: return "THE ROUTE OF THIS LEVEL CANNOT BE READ.";
  }
}

int readRouteIdea(const char* path, char* idea, int size) {
  if (size < 1) return 1;
  idea[0] = '\0';
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] != '#') continue;
    size_t from = 1;
    while (from < line.size() && (line[from] == ' ' || line[from] == '\t')) ++from;
    std::string text = line.substr(from);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    std::snprintf(idea, size, "%s", text.c_str());
    return 0;
  }
  return 1;
}

unsigned routeKeysAt(const Route& route, int32_t frame) {
  unsigned keys = 0;
  for (int i = 0; i < route.count; ++i)
    if (route.press[i].frame == frame) keys |= route.press[i].keys;
  return keys;
}

void routeKeyLabel(unsigned keys, char* label, int size) {
  if (size < 1) return;
  label[0] = '\0';
  int used = 0;
  for (int i = 0; i < KeyCount; ++i) {
    if (!(keys & (1u << i))) continue;
    char word[8];
    int n = 0;
    for (const char* c = keyNames[i]; *c && n < 7; ++c) word[n++] = static_cast<char>(std::toupper(*c));
    word[n] = '\0';
    const int written = std::snprintf(label + used, size - used, "%s%s", used ? " + " : "", word);
    if (written < 0 || written >= size - used) {
      label[used] = '\0';  // only whole keys
      return;
    }
    used += written;
  }
}

int wrapText(const char* text, int width, char* lines, int maxLines) {
  if (width < 1 || maxLines < 1) return 0;
  const int stride = width + 1;
  int count = 0;
  const char* p = text;
  while (*p != '\0' && count < maxLines) {
    while (*p == ' ') ++p;
    if (*p == '\0') break;
    const int left = static_cast<int>(std::strlen(p));
    int take = left <= width ? left : width;
    if (left > width) {
      // Break at the last blank that fits; a word longer than a line is cut.
      int cut = width;
      while (cut > 0 && p[cut] != ' ') --cut;
      if (cut > 0) take = cut;
    }
    char* line = lines + count * stride;
    std::memcpy(line, p, take);
    int end = take;
    while (end > 0 && line[end - 1] == ' ') --end;
    line[end] = '\0';
    ++count;
    p += take;
  }
  return count;
}
