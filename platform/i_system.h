// Program-wide graphics state and the fatal error report.
#pragma once
#include <cstdio>

struct BITMAP;

constexpr int ScreenWidth = 512;
constexpr int ScreenHeight = 384;

extern BITMAP* backBuffer;

// Leaves the graphics mode and shows the message in a message box.
void fatalError(const char* message);

// Start-up of the graphics side: 24-bit colour, the window (512 x 384 times
// `scale`; FitDesktopScale picks the largest that fits the desktop),
// `backBuffer`, the window title, the keyboard and the timer services.
// A failing step is reported through `fatalError`; 0 on success, 1 on failure.
int startGraphics(int scale);

// The whole-number factor the window is shown at: 1 until startGraphics
// opens a larger window.
int windowScale();

// The largest factor at which a 512 x 384 picture, with room for the window
// frame and the desktop's panels, fits a desktop of the given size; at
// least 1.
int fittingScale(int desktopWidth, int desktopHeight);

// The factor a window asked for at `requested` times (FitDesktopScale: the
// largest that fits) opens at on a desktop of the given size (0 x 0 when
// unknown): never more than fits a known desktop nor MaxWindowScale. A
// factor lowered to fit is told in one line on `report`.
int chooseWindowScale(int requested, int desktopWidth, int desktopHeight, std::FILE* report);

// The 512 x 384 picture of the window. Everything shown is drawn or copied
// here and then shown with presentWindow. At scale 1 it is the screen
// itself; at a larger scale, an off-screen picture that presentWindow
// stretches over the window.
BITMAP* windowPicture();

// Shows the window picture in the window (nothing to do at scale 1).
void presentWindow();

// Copies a whole 512 x 384 picture (the back buffer) into the window
// picture and shows it.
void showPicture(BITMAP* picture);
// Clears the window to black, at once.
void clearWindowToBlack();
