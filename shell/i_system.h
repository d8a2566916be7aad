// Program-wide graphics state and the fatal error report.
#pragma once

struct BITMAP;

constexpr int ScreenWidth = 512;
constexpr int ScreenHeight = 384;

extern BITMAP* backBuffer;

// Leaves the graphics mode and shows the message in a message box.
void fatalError(const char* message);

// Start-up of the graphics side: 24-bit colour, the 512 x 384 window,
// `backBuffer`, the window title, the keyboard and the timer services.
// A failing step is reported through `fatalError`; 0 on success, 1 on failure.
int startGraphics();
