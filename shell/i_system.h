// Program-wide graphics state and the fatal error report.
#pragma once

struct BITMAP;

constexpr int ScreenWidth = 512;
constexpr int ScreenHeight = 384;

extern BITMAP* backBuffer;

// Leaves the graphics mode and shows the message in a message box.
void fatalError(const char* message);
